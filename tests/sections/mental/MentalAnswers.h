#pragma once

// A mental health pane answered in full, the interviewer ratings and final
// comments included.

#include "sections/ClientFixture.h"

namespace yrn::test {

inline void answerMental(Section& mh) {
    answer(mh, {"optOutpatient=1", "txtTimesTreated=0", "optPrescMed=1",
                "txtMedicationPrescribed:=sertraline", "optPrescMed30D=1",
                "txtMedicationPrescribed30:=sertraline, trazodone", "optPension=0"});
    // Past 30 days: anxiety only; lifetime: depression and anxiety.
    for (int row = 0; row < 8; ++row) {
        mh.choose(arr("optSymptoms", row), row == 1 ? 1 : 0);
        mh.choose(arr("optSymptoms", row + 8), row < 2 ? 1 : 0);
    }
    // Emotional abuse "A little".
    answer(mh, {"cboPastExperiences(0)=1", "cboPastExperiences(1)=2", "cboPastExperiences(2)=0",
                "cboPastExperiences(3)=3", "txtProblemsDays=4", "cboPsychologicalTroubled=2",
                "cboPsychologicalTreatment=3", "cboNeedPsycTreatment=4",
                "txtMentalHealthComments:=Sees a counselor monthly.", "txtTimeEndedHours=3",
                "txtTimeEndedMinutes=45", "optAMPM=1"});
    for (int row = 0; row < 8; ++row)
        mh.choose(arr("optIntRatings", row), row == 2 || row == 7 ? 1 : 0);
    mh.setText("txtFinalComments", "client engaged well and asked about program requirements.");
}

}  // namespace yrn::test
