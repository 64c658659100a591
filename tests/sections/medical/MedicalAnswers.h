#pragma once

// An answer to every medical question, as an interviewer types them.

#include "sections/ClientFixture.h"

namespace yrn::test {

// The 34 value lines of "Medical.YRN" for a client who answered nothing, in file
// order: an empty text box and an empty list are "-1 ", an unanswered option
// group "-1". 1-4: times, last, chronic?, which; 5-12: the eight health problems;
// 13-17: fit, medication?, which, pension?, which; 18-22: smokes, cigarettes,
// sleep, work, months; 23-28: the kinds of insurance; 29-34: other, troubled,
// days, ...
inline QStringList unansweredMedicalFile() {
    return QStringLiteral(
               "-1 |-1 |-1|-1 |-1|-1|-1|-1|-1|-1|-1|-1|-1|-1|-1 |-1|-1 |-1|-1 |-1|-1|"
               "-1 |-1|-1|-1|-1|-1|-1|-1 |-1 |-1 |-1 |-1 |-1 ")
        .split('|');
}

// Hospitalized twice, chronic problems, one infectious disease, medication, a
// pension, a smoker who sleeps late for work, insured eight months by private
// insurance, Medicaid and a county plan.
inline void answerMedical(Section& m) {
    answer(m, steps("txtHospitalized=2;cboLastHospitalized=2;optChrMedProb=1;"
                    "txtMedicalProblems=asthma, back pain;optHealthProb(0)=0;optHealthProb(1)=0;"
                    "optHealthProb(2)=1;optHealthProb(3)=0;optHealthProb(4)=0;optHealthProb(5)=0;"
                    "optHealthProb(6)=0;optHealthProb(7)=0;optFit=0;optPresMed=1;"
                    "txtMedication=inhaler;optPension=1;txtPension=back injury;optSmokes=1;"
                    "txtCigarettes=10;optSleepLate=1;optBecauseWork=1;txtInsurance=8;"
                    "optHealthInsurance(0)=0;optHealthInsurance(1)=1;optHealthInsurance(2)=1;"
                    "optHealthInsurance(3)=0;optHealthInsurance(4)=0;optHealthInsurance(5)=1;"
                    "txtOtherHI=county plan;txtExperienceProblems=3;cboClientTroubled=1;"
                    "cboImportant=3;cboInterviewerRating=3;"
                    "txtMedicalComments:=asthma is controlled.\r\nSees a doctor monthly."));
}

}  // namespace yrn::test
