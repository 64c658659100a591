#pragma once

// An answer to every education and employment question, as an interviewer types
// them.

#include "sections/ClientFixture.h"

namespace yrn::test {

// A client of "Employment.YRN" as a Windows machine writes it, field by field in
// file order: a licensed welder out of work since 2000 (last job: a craft job of
// one year and one month, laid off), supported in part by a parent, with food
// stamps and child support and court fees owed. Lines 1-5: years, months,
// profession?, license?, car?; 6-8: profession, why not, number; 9: not employed
// now; 10-13: last job, current job; 14-17: full time, craft, started; 18-20: laid
// off, left; 21-24: contributor, parent, not majority, unemployed; 25: days worked;
// 26-33: income; 34: dependants; 35-44: debts; 45: other debts; 46-49: problem
// days and ratings; 50: comments.
inline QStringList windowsEmploymentClient() {
    return QStringLiteral(
               "12|6|1|1|0|soudure (welding)|-1 |S123-4567|0|1|01|-1 |-1 | 0 | 4 |03|1999| 1 |10|"
               "2000|1| 1 |0| 5 |00|-1 |-1 |0|-1 |150|-1 |00|-1 |2|1| 2 |1| 0 |0|-1 |-1|-1 |0|"
               "-1 |-1 |3| 3 | 1 | 7 |Looking for work; résumé ready")
        .split('|');
}

// Twelve years of school, a welder with a license and a car, employed as a
// craftsman for a year and three months, supported in part by a parent, income
// from work and food stamps, two debts, one of them "other".
inline void answerEmployment(Section& e) {
    answer(e,
           steps("txtEducation=12;txtTraining=6;optProfession=1;txtProfession=welding;optDrLic=1;"
                 "txtDriversLicenseNumber=S123-4567;optAuto=1;optCurrEmp=1;txtCurrJobY=1;"
                 "txtCurrJobM=3;cboJob=0;cboJobtype=4;txtStartJobM=2;txtStartJobY=2000;"
                 "optContributor=1;cboGreatestContributor=1;optMajSupp=0;cboEmploymentPattern=0;"
                 "txtDaysWorked=20;txtMoneySources(0)=900;txtMoneySources(1)=;"
                 "txtMoneySources(2)=0;txtMoneySources(3)=;txtMoneySources(4)=150;"
                 "txtMoneySources(5)=;txtMoneySources(6)=;txtMoneySources(7)=;txtDependants=2;"
                 "optMoneyOwed(0)=0;optMoneyOwed(1)=1;optMoneyOwed(2)=0;optMoneyOwed(3)=0;"
                 "optMoneyOwed(4)=1;cboAmountOwed(1)=1;cboAmountOwed(4)=0;"
                 "txtOtherDebt:=credit card,\r\nphone bill;txtEmploymentProblems=4;"
                 "cboEmploymentTroubleE=2;cboImportantE=4;cboInterviewerRatingE=5;"
                 "txtEmployment:=wants more hours."));
}

}  // namespace yrn::test
