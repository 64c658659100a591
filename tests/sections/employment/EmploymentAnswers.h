#pragma once

// An answer to every education and employment question, as an interviewer types
// them.

#include "sections/ClientFixture.h"

namespace yrn::test {

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
