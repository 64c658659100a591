#pragma once

// The criminal justice pane answered as a person answers it.

#include "sections/ClientFixture.h"
#include "sections/criminal/CriminalJusticeSection.h"

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
    answer(cj, {"optPrompted=1", "optProb=0"});
    type(arr("txtCharges", 0), "2");
    type(arr("txtCharges", 5), "1");
    type(arr("txtCharges", 18), "3");
    type("txtOther", "trespassing");
    type("txtConvictions", "4");
    answer(cj, {"cboIncarceration=5", "cboLastIncarceration=2", "optReasonIncar(1)=1",
                "optReasonIncar(5)=1", "optReasonIncar(18)=1"});
    type("txtOtherIncarceration", "loitering");
    cj.choose("optPresAwCharges", 1);
    for (int row = 0; row < CriminalJusticeSection::kCrimeRows; ++row)
        cj.choose(arr("optAwaitCharges", row), row == 3 || row == 18 ? 1 : 0);
    type("txtOtherChargeAwaited", "unpaid fines");
    type("txtIllegalActivities", "12");
    answer(cj, {"cboLegalProblems=2", "cboCounselingImportance=3", "cboNeedLegalTreatment=4",
                "txtCriminalJusticeInformation:=probation officer confirmed the charges."});
}

}  // namespace yrn::test
