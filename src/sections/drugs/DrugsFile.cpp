// The section file "Drugs.YRN": 96 fields, the last one without a separator. Each
// governing answer comes before the answers it opens or closes, so that reading
// it replays the rule first and the stored values then land in boxes in the right
// state: a row's "Ever used?" before its numbers and comment, the major substance
// before the abstinence answers, each treatment and meeting question before its
// boxes.
#include "sections/drugs/DrugsLists.h"
#include "sections/drugs/DrugsSection.h"

namespace yrn {

void DrugsSection::declareFile() {
    // Fields 1-60
    for (int i = 0; i < drugs::kSubstances; ++i) {
        const QStringList row = rowFields(i);
        file(Codec::Opt, row.at(0));
        for (const QString& id : row.mid(1))
            file(Codec::Text, id);
    }
    // Fields 61-68
    file(Codec::Combo, QStringLiteral("cboMajorSubstance"));
    file(Codec::Text, QStringLiteral("txtMonthsAbstinence"));
    file(Codec::Text, QStringLiteral("txtEndAbstinence"));
    file(Codec::CheckBox, QStringLiteral("chkAbstinence"));
    file(Codec::Text, QStringLiteral("txtNumDTs"));
    file(Codec::Text, QStringLiteral("txtNumODs"));
    file(Codec::Combo, QStringLiteral("cboUpLateOnDrugs"));
    file(Codec::Opt, QStringLiteral("optAlcTreat"));
    // Fields 69-74
    for (const char* id : {"txtAlcAbuseL", "txtAlcAbusePY", "txtDetoxL", "txtDetoxPY",
                           "txtOutpatientL", "txtOutpatientPY"})
        file(Codec::Text, QString::fromLatin1(id));
    // Field 75
    file(Codec::Opt, QStringLiteral("optDrugTreat"));
    // Fields 76-82
    for (const char* id :
         {"txtDrugAbuseL", "txtDrugAbusePY", "txtDrugDetoxL", "txtDrugDetoxPY",
          "txtDrugOutpatientL", "txtDrugOutpatientPY", "txtOutpatientSettingPast30"})
        file(Codec::Text, QString::fromLatin1(id));
    // Fields 83-84
    file(Codec::Opt, QStringLiteral("optAAL"));
    file(Codec::Opt, QStringLiteral("optAAPY"));
    // Fields 85-89
    for (const char* id : {"txtAANAMeetings30", "txtDollarsAlc30", "txtDollarsDrugs30",
                           "txtAlcProblemsDays", "txtDrugProblemsDays"})
        file(Codec::Text, QString::fromLatin1(id));
    // Fields 90-95
    for (const char* id : {"cboAlcTroubled", "cboDrugTroubled", "cboAlcImportance",
                           "cboDrugImportance", "cboNeedAlcTreatment", "cboNeedDrugTreatment"})
        file(Codec::Combo, QString::fromLatin1(id));
    // Field 96
    file(Codec::Text, QStringLiteral("txtDrugInformation"), true);
}

}  // namespace yrn
