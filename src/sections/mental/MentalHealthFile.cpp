// The section file "MentalHealth.YRN": 44 fields, the last without a separator.
#include "sections/mental/MentalHealthSection.h"

namespace yrn {

void MentalHealthSection::declareFile() {
    // Fields 1-7
    // Questions 3 and 4 come before their medication boxes: reading replays their
    // rules, which empty the boxes, and the stored texts then fill them.
    file(Codec::Opt, QStringLiteral("optOutpatient"));
    file(Codec::Text, QStringLiteral("txtTimesTreated"));
    file(Codec::Opt, QStringLiteral("optPrescMed"));
    file(Codec::Text, QStringLiteral("txtMedicationPrescribed"));
    file(Codec::Opt, QStringLiteral("optPrescMed30D"));
    file(Codec::Text, QStringLiteral("txtMedicationPrescribed30"));
    file(Codec::Opt, QStringLiteral("optPension"));
    // Fields 8-23
    for (int i = 0; i < 2 * kSymptomRows; ++i)
        file(Codec::Opt, arr(QStringLiteral("optSymptoms"), i));
    // Fields 24-27
    for (int row = 0; row < kPastExperienceRows; ++row)
        file(Codec::Combo, arr(QStringLiteral("cboPastExperiences"), row));
    // Fields 28-35
    file(Codec::Text, QStringLiteral("txtProblemsDays"));
    file(Codec::Combo, QStringLiteral("cboPsychologicalTroubled"));
    file(Codec::Combo, QStringLiteral("cboPsychologicalTreatment"));
    file(Codec::Combo, QStringLiteral("cboNeedPsycTreatment"));
    file(Codec::Text, QStringLiteral("txtMentalHealthComments"));
    file(Codec::Text, QStringLiteral("txtTimeEndedHours"));
    file(Codec::Text, QStringLiteral("txtTimeEndedMinutes"));
    file(Codec::Opt, QStringLiteral("optAMPM"));
    // Fields 36-43
    for (int row = 0; row < kRatingRows; ++row)
        file(Codec::Opt, arr(QStringLiteral("optIntRatings"), row));
    // Field 44
    file(Codec::Text, QStringLiteral("txtFinalComments"), true);
}

}  // namespace yrn
