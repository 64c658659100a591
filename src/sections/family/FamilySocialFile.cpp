// The section file "FamilySocial.YRN": 70 fields, the last without a separator.
#include "sections/family/FamilySocialSection.h"

namespace yrn {

void FamilySocialSection::declareFile() {
    // Fields 1-42
    for (int i = 0; i < kProblems * kRelatives; ++i)
        file(Codec::Opt4, arr(QStringLiteral("optFamilyHistory"), i));
    // Fields 43-58
    // The marital status comes before the counts it sets, and question 12 before
    // the place it opens, so that reading replays the rules first and the stored
    // answers then land in boxes in the right state.
    file(Codec::Combo, QStringLiteral("cboMaritalStatus"));
    file(Codec::Text, QStringLiteral("txtMSYears"));
    file(Codec::Text, QStringLiteral("txtMSMonths"));
    file(Codec::Opt, QStringLiteral("optMSSatisfied"));
    file(Codec::Text, QStringLiteral("txtTimesMarried"));
    file(Codec::Text, QStringLiteral("txtTimesDivorced"));
    file(Codec::Text, QStringLiteral("txtLiveInSexPartnersNum"));
    file(Codec::Combo, QStringLiteral("cboUsualLivingArrangments"));
    file(Codec::Text, QStringLiteral("txtUsualLivingArrangmentsY"));
    file(Codec::Text, QStringLiteral("txtUsualLivingArrangmentsM"));
    file(Codec::Opt3, QStringLiteral("optLASatisified"));
    file(Codec::Opt, QStringLiteral("optLivDA"));
    file(Codec::Opt, QStringLiteral("optHomeless"));
    file(Codec::Combo, QStringLiteral("cboHomelessLiving"));
    file(Codec::Text, QStringLiteral("txtDifferentPlaces"));
    file(Codec::Text, QStringLiteral("txtCloseFriends"));
    // Fields 59-62
    for (int row = 0; row < 4; ++row)
        file(Codec::Opt, arr(QStringLiteral("optAbuse"), row));
    // Fields 63-64
    file(Codec::Text, QStringLiteral("txtConflictsFamily"));
    file(Codec::Text, QStringLiteral("txtConflictsOthers"));
    // Fields 65-69
    for (const char* id : {"cboFamilyProblems30", "cboSocialProblems30", "cboTreatmentFamily",
                           "cboTreatmentSocial", "cboNeedFamilyTreatment"})
        file(Codec::Combo, QString::fromLatin1(id));
    // Field 70
    file(Codec::Text, QStringLiteral("txtFamilySocialComments"), true);
}

}  // namespace yrn
