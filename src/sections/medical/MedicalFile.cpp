// The section file "Medical.YRN": 34 fields, the last without a separator. Each
// governing answer comes before the answer it governs.
#include "sections/medical/MedicalSection.h"

namespace yrn {

void MedicalSection::declareFile() {
    // Fields 1-4
    file(Codec::Text, QStringLiteral("txtHospitalized"));
    file(Codec::Combo, QStringLiteral("cboLastHospitalized"));
    file(Codec::Opt, QStringLiteral("optChrMedProb"));
    file(Codec::Text, QStringLiteral("txtMedicalProblems"));
    // Fields 5-12
    for (int i = 0; i < kHealthProblems; ++i)
        file(Codec::Opt, arr(QStringLiteral("optHealthProb"), i));
    // Fields 13-22
    file(Codec::Opt, QStringLiteral("optFit"));
    file(Codec::Opt, QStringLiteral("optPresMed"));
    file(Codec::Text, QStringLiteral("txtMedication"));
    file(Codec::Opt, QStringLiteral("optPension"));
    file(Codec::Text, QStringLiteral("txtPension"));
    file(Codec::Opt, QStringLiteral("optSmokes"));
    file(Codec::Text, QStringLiteral("txtCigarettes"));
    file(Codec::Opt, QStringLiteral("optSleepLate"));
    file(Codec::Opt, QStringLiteral("optBecauseWork"));
    file(Codec::Text, QStringLiteral("txtInsurance"));
    // Fields 23-28
    for (int i = 0; i < kInsuranceRows; ++i)
        file(Codec::Opt, arr(QStringLiteral("optHealthInsurance"), i));
    // Fields 29-34
    file(Codec::Text, QStringLiteral("txtOtherHI"));
    file(Codec::Combo, QStringLiteral("cboClientTroubled"));
    file(Codec::Text, QStringLiteral("txtExperienceProblems"));
    file(Codec::Combo, QStringLiteral("cboImportant"));
    file(Codec::Combo, QStringLiteral("cboInterviewerRating"));
    file(Codec::Text, QStringLiteral("txtMedicalComments"), true);
}

}  // namespace yrn
