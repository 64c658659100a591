#pragma once

// A mental health pane answered in full, the interviewer ratings and final
// comments included.

#include "support/TestSupport.h"

namespace yrn::test {

inline void answerMental(Section& mh) {
    mh.choose("optOutpatient", 1);
    typeAndLeave(mh, "txtTimesTreated", "0");
    mh.choose("optPrescMed", 1);
    mh.setText("txtMedicationPrescribed", "sertraline");
    mh.choose("optPrescMed30D", 1);
    mh.setText("txtMedicationPrescribed30", "sertraline, trazodone");
    mh.choose("optPension", 0);
    // Past 30 days: anxiety only; lifetime: depression and anxiety.
    for (int row = 0; row < 8; ++row) {
        mh.choose(arr("optSymptoms", row), row == 1 ? 1 : 0);
        mh.choose(arr("optSymptoms", row + 8), row < 2 ? 1 : 0);
    }
    const int degrees[] = {1, 2, 0, 3};  // emotional abuse "A little"
    for (int row = 0; row < 4; ++row)
        mh.setPosition(arr("cboPastExperiences", row), degrees[row]);
    typeAndLeave(mh, "txtProblemsDays", "4");
    mh.setPosition("cboPsychologicalTroubled", 2);
    mh.setPosition("cboPsychologicalTreatment", 3);
    mh.setPosition("cboNeedPsycTreatment", 4);
    mh.setText("txtMentalHealthComments", "Sees a counselor monthly.");
    typeAndLeave(mh, "txtTimeEndedHours", "3");
    typeAndLeave(mh, "txtTimeEndedMinutes", "45");
    mh.choose("optAMPM", 1);
    for (int row = 0; row < 8; ++row)
        mh.choose(arr("optIntRatings", row), row == 2 || row == 7 ? 1 : 0);
    mh.setText("txtFinalComments", "client engaged well and asked about program requirements.");
}

}  // namespace yrn::test
