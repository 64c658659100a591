#include "sections/demographic/DemographicLists.h"

namespace yrn::demographic {

const QList<Race>& races() {
    // The words end the report's sentence "... describes her race as <word>.", so
    // they are words that read there: "as white", "as African American". "Other"
    // says only that none of the listed races fits, hence "other"; "Multi-race"
    // reads as "multiracial".
    static const QList<Race> list{
        {QStringLiteral("Black or African American"), 30, QStringLiteral("African American")},
        {QStringLiteral("Alaska Native"), 35, QStringLiteral("Alaska Native")},
        {QStringLiteral("Asian"), 40, QStringLiteral("Asian")},
        {QStringLiteral("White"), 45, QStringLiteral("white")},
        {QStringLiteral("American Indian"), 50, QStringLiteral("American Indian")},
        {QStringLiteral("Native Hawaiian"), 55, QStringLiteral("Native Hawaiian")},
        {QStringLiteral("Other Pacific Islander"), 60, QStringLiteral("Pacific Islander")},
        {QStringLiteral("Other"), 70, QStringLiteral("other")},
        {QStringLiteral("Multi-race"), 65, QStringLiteral("multiracial")},
    };
    return list;
}

QString raceWord(int code) {
    for (const Race& race : races())
        if (race.code == code) return race.word;
    return {};
}

QStringList raceItems() {
    QStringList items;
    for (const Race& race : races())
        items.append(race.item);
    return items;
}

QList<int> raceCodes() {
    QList<int> codes;
    for (const Race& race : races())
        codes.append(race.code);
    return codes;
}

QStringList languageItems() {
    return {QStringLiteral("English"),    QStringLiteral("Spanish"),
            QStringLiteral("French"),     QStringLiteral("Haitian Creole"),
            QStringLiteral("Portuguese"), QStringLiteral("Portuguese/Cape Verdean"),
            QStringLiteral("Other"),      QStringLiteral("Unknown/Don't Know")};
}

QStringList religionItems() {
    return {QStringLiteral("Protestant"), QStringLiteral("Catholic"), QStringLiteral("Jewish"),
            QStringLiteral("Islamic"),    QStringLiteral("Other"),    QStringLiteral("None")};
}

QStringList custodyItems() {
    return {QStringLiteral("Respondent"),
            QStringLiteral("Other Parent"),
            QStringLiteral("Other family member"),
            QStringLiteral("Friend"),
            QStringLiteral("Step Parent"),
            QStringLiteral("Foster care"),
            QStringLiteral("Adopted"),
            QStringLiteral("Insitution"),
            QStringLiteral("Lost Custody"),
            QStringLiteral("Other"),
            QStringLiteral("Not applicable")};
}

QStringList custodyStatusItems() {
    return {QStringLiteral("Joint--Mother primary"),
            QStringLiteral("Joint--Father primary"),
            QStringLiteral("Joint --Equal"),
            QStringLiteral("Sole mother"),
            QStringLiteral("Sole father"),
            QStringLiteral("Other family"),
            QStringLiteral("Friend"),
            QStringLiteral("Ward of the state"),
            QStringLiteral("Adult"),
            QStringLiteral("Other")};
}

QStringList childSupportItems() {
    return {QStringLiteral("YES, court ordered"), QStringLiteral("YES, not court ordered"),
            QStringLiteral("NO, court ordered"), QStringLiteral("NO, not court ordered"),
            QStringLiteral("NOT APPLICABLE")};
}

}  // namespace yrn::demographic
