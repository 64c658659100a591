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
    answer(cj, steps("optPrompted=1;optProb=0;txtCharges(0)@;txtCharges(0)=2;txtCharges(5)@;"
                     "txtCharges(5)=1;txtCharges(18)@;txtCharges(18)=3;txtOther@;"
                     "txtOther=trespassing;txtConvictions@;txtConvictions=4;cboIncarceration=5;"
                     "cboLastIncarceration=2;optReasonIncar(1)=1;optReasonIncar(5)=1;"
                     "optReasonIncar(18)=1;txtOtherIncarceration@;"
                     "txtOtherIncarceration=loitering;optPresAwCharges=1"));
    for (int row = 0; row < CriminalJusticeSection::kCrimeRows; ++row)
        cj.choose(arr("optAwaitCharges", row), row == 3 || row == 18 ? 1 : 0);
    answer(cj, steps("txtOtherChargeAwaited@;txtOtherChargeAwaited=unpaid fines;"
                     "txtIllegalActivities@;txtIllegalActivities=12;cboLegalProblems=2;"
                     "cboCounselingImportance=3;cboNeedLegalTreatment=4;"
                     "txtCriminalJusticeInformation:=probation officer confirmed the charges."));
}

}  // namespace yrn::test
