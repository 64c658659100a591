#include "sections/Ratings.h"

namespace yrn {

QStringList noYes() {
    return {QStringLiteral("No"), QStringLiteral("Yes")};
}

QStringList severityItems() {
    return {QStringLiteral("not at all"), QStringLiteral("slightly"), QStringLiteral("moderately"),
            QStringLiteral("considerably"), QStringLiteral("extremely")};
}

QStringList interviewerRatingItems() {
    return {QStringLiteral("0 - No real problem"),      QStringLiteral("1 - No real problem"),
            QStringLiteral("2 - Slight problem"),       QStringLiteral("3 - Slight problem"),
            QStringLiteral("4 - Moderate problem"),     QStringLiteral("5 - Moderate problem"),
            QStringLiteral("6 - Considerable problem"), QStringLiteral("7 - Considerable problem"),
            QStringLiteral("8 - Extreme problem"),      QStringLiteral("9 - Extreme problem")};
}

std::optional<QString> ratingWords(const QString& chosenText) {
    if (chosenText.size() <= 4) return std::nullopt;
    return chosenText.mid(4);
}

}  // namespace yrn
