// The section file "Demographic.YRN": 128 fields, each followed by a separator.
#include "interview/NumericCheck.h"
#include "interview/Prompts.h"
#include "records/FieldCodec.h"
#include "sections/demographic/DemographicSection.h"

namespace yrn {

void DemographicSection::declareFile() {
    // Fields 1-18
    file(Codec::Text, QStringLiteral("txtBDateMonth"));
    file(Codec::Text, QStringLiteral("txtBDateDay"));
    file(Codec::Text, QStringLiteral("txtBDateYear"));
    file(Codec::Text, QStringLiteral("txtSSN"));
    file(Codec::Opt, QStringLiteral("optSex"));
    file(Codec::Opt, QStringLiteral("optOrigin"));
    file(Codec::Text, QStringLiteral("txtYearsUS"));
    file(Codec::Opt, QStringLiteral("optMothersOrig"));
    file(Codec::Opt, QStringLiteral("optFathersOrig"));
    fileCustom(
        QStringLiteral("cboRace"),
        [](SectionWriter& w, bool last) { w.PrintComboNew(last, QStringLiteral("cboRace")); },
        [this](SectionReader& r, bool last) { readRace(r, last); });
    file(Codec::Combo, QStringLiteral("cboLanguage"));
    file(Codec::Combo, QStringLiteral("cboReligion"));
    // The governing answers come before the answers they open or close.
    file(Codec::Opt, QStringLiteral("optContEnv"));
    file(Codec::Opt, QStringLiteral("optJail"));
    file(Codec::Opt, QStringLiteral("optAlc"));
    file(Codec::Opt, QStringLiteral("optMed"));
    file(Codec::Opt, QStringLiteral("optPsy"));
    file(Codec::Opt, QStringLiteral("optOther"));
    // Fields 19-28
    for (const char* id :
         {"txtOther", "txtJailDays", "txtAlcDrugDays", "txtMedicalDays", "txtPsychiatricDays",
          "txtOtherDays", "txtPregnancies", "txtLiveBirths", "txtFirstBaby", "txtChildren"})
        file(Codec::Text, QString::fromLatin1(id));
    // Fields 29-108
    for (int i = 0; i < kChildRows; ++i) {
        const QStringList row = childRowFields(i);
        file(Codec::Opt, row.at(0));
        file(Codec::Text, row.at(1));
        file(Codec::Text, row.at(2));
        file(Codec::Text, row.at(3));
        file(Codec::Combo, row.at(4));
        file(Codec::Combo, row.at(5));
        file(Codec::Text, row.at(6));
        file(Codec::Combo, row.at(7));
    }
    // Fields 109-111
    file(Codec::Text, QStringLiteral("txtChildSupportOrdered"));
    file(Codec::Text, QStringLiteral("txtChildSupportActual"));
    file(Codec::Opt, QStringLiteral("optOtherChildren"));
    // Fields 112-114
    for (int d = 1; d <= 3; ++d)
        file(Codec::Opt, "optD" + QString::number(d) + "Gender");
    // Fields 115-123
    for (const char* part : {"DOBM", "DOBD", "DOBY"})
        for (int d = 1; d <= 3; ++d)
            file(Codec::Text, "txtD" + QString::number(d) + QString::fromLatin1(part));
    // Field 124
    file(Codec::Text, QStringLiteral("txtDemographicInformation"));
    // Fields 125-127
    for (int d = 1; d <= 3; ++d)
        file(Codec::CheckBox, "chkD" + QString::number(d));
    // Field 128
    fileCustom(
        QStringLiteral("optEthnicity"),
        [](SectionWriter& w, bool last) { w.PrintOpt(last, QStringLiteral("optEthnicity")); },
        [this](SectionReader& r, bool last) { readEthnicity(r, last); });
}

// The race is kept as its item code (30 and up). Files of the older format kept a
// list position (0 to 9) of a different race list instead, and had no ethnicity
// answer at the end: such a race cannot be trusted, so both questions are asked
// again. "-1" (no race chosen) is no sign of the older format.
void DemographicSection::readRace(SectionReader& reader, bool last) {
    const QString race = QStringLiteral("cboRace");
    readEthnicity_ = false;
    QString value;
    if (!reader.readValue(value)) return;
    readEthnicity_ = true;
    if (!isNumeric(value)) {
        reader.fault(QStringLiteral("LoadComboNew"));
        reader.readSeparator(last);
        return;
    }
    // Compared as numbers, as the list readers do: " 30 " and "30.0" are code 30.
    const double number = value.toDouble();
    if (number >= 0 && number <= 9 && number == static_cast<int>(number)) {
        readEthnicity_ = false;
        setPosition(race, -1);
        clearOption(QStringLiteral("optEthnicity"));
        prompts().information(QStringLiteral("Older version"),
                              QStringLiteral("This client was saved using an older version of "
                                             "the YRN. \r\nPlease re-enter the answers for "
                                             "Demographic questions 8 & 9."));
    } else {
        // -1 and a code that no item has leave the race unanswered.
        const QList<int>& codes = field(race).codes;
        int at = -1;
        for (int i = 0; i < codes.size() && at < 0; ++i)
            if (codes.at(i) == number) at = i;
        setPosition(race, at);
    }
    reader.readSeparator(last);
}

// Files that end before the ethnicity answer were written before it was asked.
void DemographicSection::readEthnicity(SectionReader& reader, bool last) {
    if (!readEthnicity_ || reader.atEnd()) return;
    reader.LoadOpt(last, QStringLiteral("optEthnicity"));
}

}  // namespace yrn
