// The section file "CriminalJustice.YRN": 72 fields, the last without a separator.
#include "sections/criminal/CriminalJusticeSection.h"

namespace yrn {

// Each governing answer comes before the answers it opens or closes: question 5
// before questions 6 and 7, question 8 before the awaiting rows, and row 18 of
// each list (its count or its "Yes") before its "Specify" box.
void CriminalJusticeSection::declareFile() {
    // Fields 1-2
    file(Codec::Opt, QStringLiteral("optPrompted"));
    file(Codec::Opt, QStringLiteral("optProb"));
    // Fields 3-21
    for (int i = 0; i < kCrimeRows; ++i)
        file(Codec::Text, arr(QStringLiteral("txtCharges"), i));
    // Fields 22-25
    file(Codec::Text, QStringLiteral("txtOther"));
    file(Codec::Text, QStringLiteral("txtConvictions"));
    file(Codec::Combo, QStringLiteral("cboIncarceration"));
    file(Codec::Combo, QStringLiteral("cboLastIncarceration"));
    // Fields 26-44
    for (int i = 0; i < kCrimeRows; ++i)
        file(Codec::Opt, arr(QStringLiteral("optReasonIncar"), i));
    // Fields 45-47
    // Question 5 once more (field 45), as every file of this section holds it. It is
    // read again too, and so wins over field 24 where a file holds two answers;
    // the same answer twice changes nothing.
    file(Codec::Combo, QStringLiteral("cboIncarceration"));
    file(Codec::Text, QStringLiteral("txtOtherIncarceration"));
    file(Codec::Opt, QStringLiteral("optPresAwCharges"));
    // Fields 48-66
    for (int i = 0; i < kCrimeRows; ++i)
        file(Codec::Opt, arr(QStringLiteral("optAwaitCharges"), i));
    // Fields 67-72
    file(Codec::Text, QStringLiteral("txtIllegalActivities"));
    file(Codec::Text, QStringLiteral("txtOtherChargeAwaited"));
    file(Codec::Combo, QStringLiteral("cboLegalProblems"));
    file(Codec::Combo, QStringLiteral("cboCounselingImportance"));
    file(Codec::Combo, QStringLiteral("cboNeedLegalTreatment"));
    file(Codec::Text, QStringLiteral("txtCriminalJusticeInformation"), true);
}

}  // namespace yrn
