#pragma once

// The criminal justice pane answered as a person answers it.

#include "sections/criminal/CriminalJusticeSection.h"
#include "support/TestSupport.h"

namespace yrn::test {

// Every question answered: charges in three rows (row 18 naming its crime),
// a last incarceration with three reasons, two charges awaited, every list and
// every box.
inline void answerCriminal(Section& cj) {
    // A click into a count box first, as the person does.
    const auto type = [&](const QString& id, const QString& text) {
        cj.textClick(id);
        typeAndLeave(cj, id, text);
    };
    cj.choose("optPrompted", 1);
    cj.choose("optProb", 0);
    type(arr("txtCharges", 0), "2");
    type(arr("txtCharges", 5), "1");
    type(arr("txtCharges", 18), "3");
    type("txtOther", "trespassing");
    type("txtConvictions", "4");
    cj.setPosition("cboIncarceration", 5);
    cj.setPosition("cboLastIncarceration", 2);
    for (int row : {1, 5, 18})
        cj.choose(arr("optReasonIncar", row), 1);
    type("txtOtherIncarceration", "loitering");
    cj.choose("optPresAwCharges", 1);
    for (int row = 0; row < CriminalJusticeSection::kCrimeRows; ++row)
        cj.choose(arr("optAwaitCharges", row), row == 3 || row == 18 ? 1 : 0);
    type("txtOtherChargeAwaited", "unpaid fines");
    type("txtIllegalActivities", "12");
    cj.setPosition("cboLegalProblems", 2);
    cj.setPosition("cboCounselingImportance", 3);
    cj.setPosition("cboNeedLegalTreatment", 4);
    cj.setText("txtCriminalJusticeInformation", "probation officer confirmed the charges.");
}

}  // namespace yrn::test
