// The pronouns of the report, from the client's gender (question 3).
#include "sections/demographic/DemographicSection.h"

namespace yrn {

QString DemographicSection::pronoun(const QString& male, const QString& female) const {
    if (chosen(QStringLiteral("optSex"), 0)) return male;
    if (chosen(QStringLiteral("optSex"), 1)) return female;
    return {};
}

QString DemographicSection::himherself() const {
    return pronoun(QStringLiteral("himself"), QStringLiteral("herself"));
}
QString DemographicSection::hisher() const {
    return pronoun(QStringLiteral("his"), QStringLiteral("her"));
}
QString DemographicSection::HisHerC() const {
    return pronoun(QStringLiteral("His"), QStringLiteral("Her"));
}
QString DemographicSection::himher() const {
    return pronoun(QStringLiteral("him"), QStringLiteral("her"));
}
QString DemographicSection::heshe() const {
    return pronoun(QStringLiteral("he"), QStringLiteral("she"));
}
QString DemographicSection::HeSheC() const {
    return pronoun(QStringLiteral("He"), QStringLiteral("She"));
}

}  // namespace yrn
