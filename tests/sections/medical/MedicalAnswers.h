#pragma once

// An answer to every medical question, as an interviewer types them.

#include "sections/ClientFixture.h"

namespace yrn::test {

// The 34 value lines of "Medical.YRN" for a client who answered nothing: an empty
// text box or list is "-1 ", an option group "-1"; line 22 holds the months of
// insurance, 23-28 its kinds.
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
