#pragma once

// An answer to every medical question, as an interviewer types them.

#include <QStringList>

#include "support/TestSupport.h"

namespace yrn::test {

// The 34 value lines of "Medical.YRN" for a client who answered nothing, in file
// order: an empty text box and an empty list are "-1 ", an unanswered option
// group "-1".
inline QStringList unansweredMedicalFile() {
    QStringList v{"-1 ", "-1 ", "-1", "-1 "};  // 1-4: times, last, chronic?, which
    v += QStringList(8, "-1");                 // 5-12: the eight health problems
    v += {"-1", "-1", "-1 ", "-1", "-1 "};     // 13-17: fit, medication?, which, pension?, which
    v += {"-1", "-1 ", "-1", "-1", "-1 "};     // 18-22: smokes, cigarettes, sleep, work, months
    v += QStringList(6, "-1");                 // 23-28: the kinds of insurance
    v += {"-1 ", "-1 ", "-1 ", "-1 ", "-1 ", "-1 "};  // 29-34: other, troubled, days, ...
    return v;
}

// Hospitalized twice, chronic problems, one infectious disease, medication, a
// pension, a smoker who sleeps late for work, insured eight months by private
// insurance, Medicaid and a county plan.
inline void answerMedical(Section& m) {
    typeAndLeave(m, "txtHospitalized", "2");
    m.setPosition("cboLastHospitalized", 2);
    m.choose("optChrMedProb", 1);
    typeAndLeave(m, "txtMedicalProblems", "asthma, back pain");
    for (int i = 0; i < 8; ++i)
        m.choose(arr("optHealthProb", i), i == 2 ? 1 : 0);
    m.choose("optFit", 0);
    m.choose("optPresMed", 1);
    typeAndLeave(m, "txtMedication", "inhaler");
    m.choose("optPension", 1);
    typeAndLeave(m, "txtPension", "back injury");
    m.choose("optSmokes", 1);
    typeAndLeave(m, "txtCigarettes", "10");
    m.choose("optSleepLate", 1);
    m.choose("optBecauseWork", 1);
    typeAndLeave(m, "txtInsurance", "8");
    for (int i = 0; i < 6; ++i)
        m.choose(arr("optHealthInsurance", i), i == 1 || i == 2 || i == 5 ? 1 : 0);
    typeAndLeave(m, "txtOtherHI", "county plan");
    typeAndLeave(m, "txtExperienceProblems", "3");
    m.setPosition("cboClientTroubled", 1);
    m.setPosition("cboImportant", 3);
    m.setPosition("cboInterviewerRating", 3);
    m.setText("txtMedicalComments", "asthma is controlled.\r\nSees a doctor monthly.");
}

}  // namespace yrn::test
