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
    for (int i = 0; i < drugs::kSubstances; ++i) {
        const QStringList row = rowFields(i);
        file(Codec::Opt, row.at(0));
        for (const QString& id : row.mid(1))
            file(Codec::Text, id);
    }
    file(Codec::Combo, QStringLiteral("cboMajorSubstance"));
    file(Codec::Text, QStringLiteral("txtMonthsAbstinence"));
    file(Codec::Text, QStringLiteral("txtEndAbstinence"));
    file(Codec::CheckBox, QStringLiteral("chkAbstinence"));
    file(Codec::Text, QStringLiteral("txtNumDTs"));
    file(Codec::Text, QStringLiteral("txtNumODs"));
    file(Codec::Combo, QStringLiteral("cboUpLateOnDrugs"));
    file(Codec::Opt, QStringLiteral("optAlcTreat"));
    for (const char* id : {"txtAlcAbuseL", "txtAlcAbusePY", "txtDetoxL", "txtDetoxPY",
                           "txtOutpatientL", "txtOutpatientPY"})
        file(Codec::Text, QString::fromLatin1(id));
    file(Codec::Opt, QStringLiteral("optDrugTreat"));
    for (const char* id :
         {"txtDrugAbuseL", "txtDrugAbusePY", "txtDrugDetoxL", "txtDrugDetoxPY",
          "txtDrugOutpatientL", "txtDrugOutpatientPY", "txtOutpatientSettingPast30"})
        file(Codec::Text, QString::fromLatin1(id));
    file(Codec::Opt, QStringLiteral("optAAL"));
    file(Codec::Opt, QStringLiteral("optAAPY"));
    for (const char* id : {"txtAANAMeetings30", "txtDollarsAlc30", "txtDollarsDrugs30",
                           "txtAlcProblemsDays", "txtDrugProblemsDays"})
        file(Codec::Text, QString::fromLatin1(id));
    for (const char* id : {"cboAlcTroubled", "cboDrugTroubled", "cboAlcImportance",
                           "cboDrugImportance", "cboNeedAlcTreatment", "cboNeedDrugTreatment"})
        file(Codec::Combo, QString::fromLatin1(id));
    file(Codec::Text, QStringLiteral("txtDrugInformation"), true);
}

}  // namespace yrn
