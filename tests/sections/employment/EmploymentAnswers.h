#pragma once

// An answer to every education and employment question, as an interviewer types
// them.

#include <QStringList>

#include "support/TestSupport.h"

namespace yrn::test {

// A client of "Employment.YRN" as a Windows machine writes it, field by field in
// file order: a licensed welder out of work since 2000 (last job: a craft job of
// one year and one month, laid off), supported in part by a parent, with food
// stamps and child support and court fees owed.
inline QStringList windowsEmploymentClient() {
    return {"12",
            "6",
            "1",
            "1",
            "0",  // 1-5: years, months, profession?, license?, car?
            "soudure (welding)",
            "-1 ",
            "S123-4567",  // 6-8: profession, why not, number
            "0",          // 9: not employed now
            "1",
            "01",
            "-1 ",
            "-1 ",  // 10-13: last job, current job
            " 0 ",
            " 4 ",
            "03",
            "1999",  // 14-17: full time, craft, started
            " 1 ",
            "10",
            "2000",  // 18-20: laid off, left
            "1",
            " 1 ",
            "0",
            " 5 ",  // 21-24: contributor, parent, not majority, unemployed
            "00",   // 25: days worked
            "-1 ",
            "-1 ",
            "0",
            "-1 ",
            "150",
            "-1 ",
            "00",
            "-1 ",  // 26-33: income
            "2",    // 34: dependants
            "1",
            " 2 ",
            "1",
            " 0 ",
            "0",
            "-1 ",
            "-1",
            "-1 ",
            "0",
            "-1 ",  // 35-44: debts
            "-1 ",  // 45: other debts
            "3",
            " 3 ",
            " 1 ",
            " 7 ",  // 46-49: problem days and ratings
            "Looking for work; résumé ready"};
}

// Twelve years of school, a welder with a license and a car, employed as a
// craftsman for a year and three months, supported in part by a parent, income
// from work and food stamps, two debts, one of them "other".
inline void answerEmployment(Section& e) {
    typeAndLeave(e, "txtEducation", "12");
    typeAndLeave(e, "txtTraining", "6");
    e.choose("optProfession", 1);
    typeAndLeave(e, "txtProfession", "welding");
    e.choose("optDrLic", 1);
    typeAndLeave(e, "txtDriversLicenseNumber", "S123-4567");
    e.choose("optAuto", 1);
    e.choose("optCurrEmp", 1);
    typeAndLeave(e, "txtCurrJobY", "1");
    typeAndLeave(e, "txtCurrJobM", "3");
    e.setPosition("cboJob", 0);
    e.setPosition("cboJobtype", 4);
    typeAndLeave(e, "txtStartJobM", "2");
    typeAndLeave(e, "txtStartJobY", "2000");
    e.choose("optContributor", 1);
    e.setPosition("cboGreatestContributor", 1);
    e.choose("optMajSupp", 0);
    e.setPosition("cboEmploymentPattern", 0);
    typeAndLeave(e, "txtDaysWorked", "20");
    const QStringList amounts{"900", "", "0", "", "150", "", "", ""};
    for (int i = 0; i < 8; ++i)
        typeAndLeave(e, arr("txtMoneySources", i), amounts.at(i));
    typeAndLeave(e, "txtDependants", "2");
    for (int i = 0; i < 5; ++i)
        e.choose(arr("optMoneyOwed", i), i == 1 || i == 4 ? 1 : 0);
    e.setPosition(arr("cboAmountOwed", 1), 1);
    e.setPosition(arr("cboAmountOwed", 4), 0);
    e.setText("txtOtherDebt", "credit card,\r\nphone bill");
    typeAndLeave(e, "txtEmploymentProblems", "4");
    e.setPosition("cboEmploymentTroubleE", 2);
    e.setPosition("cboImportantE", 4);
    e.setPosition("cboInterviewerRatingE", 5);
    e.setText("txtEmployment", "wants more hours.");
}

}  // namespace yrn::test
