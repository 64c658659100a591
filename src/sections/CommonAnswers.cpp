#include "sections/CommonAnswers.h"

#include "interview/NumericCheck.h"
#include "interview/ReportWriter.h"

namespace yrn {

QStringList noYes() {
    return {QStringLiteral("No"), QStringLiteral("Yes")};
}

QStringList lowerCaseFiveStepItems() {
    QStringList items = fiveStepItems();
    for (QString& item : items)
        item = item.toLower();
    return items;
}

QStringList fiveStepItems() {
    return {QStringLiteral("Not at all"), QStringLiteral("Slightly"), QStringLiteral("Moderately"),
            QStringLiteral("Considerably"), QStringLiteral("Extremely")};
}

QStringList ratingItems() {
    return {QStringLiteral("0 - No real problem"),      QStringLiteral("1 - No real problem"),
            QStringLiteral("2 - Slight problem"),       QStringLiteral("3 - Slight problem"),
            QStringLiteral("4 - Moderate problem"),     QStringLiteral("5 - Moderate problem"),
            QStringLiteral("6 - Considerable problem"), QStringLiteral("7 - Considerable problem"),
            QStringLiteral("8 - Extreme problem"),      QStringLiteral("9 - Extreme problem")};
}

QString ratingWords(const QString& ratingText) {
    return ratingText.size() > 4 ? ratingText.mid(4) : QString();
}

void reportRating(ReportWriter& report, const QString& field, const QString& ratingText) {
    reportAnswered(report, field, ratingWords(ratingText));
}

void reportAnswered(ReportWriter& report, const QString& field, const QString& phrase) {
    if (typedAnswer(phrase)) report.RP(field, phrase);
}

bool typedAnswer(const QString& typed) {
    return !typed.trimmed().isEmpty();
}

QString noYesWords(int choice, const QString& no, const QString& yes) {
    if (choice == 0) return no;
    if (choice == 1) return yes;
    return {};
}

bool isOne(const QString& typed) {
    return typed == QStringLiteral("1") || typed == QStringLiteral("01");
}

bool isZero(const QString& typed) {
    return checkedValue(typed) == 0;
}

bool zeroOrEmpty(const QString& typed) {
    return typed.isEmpty() || isZero(typed);
}

QString countPhrase(const QString& typed, const QString& one, const QString& many) {
    if (isOne(typed)) return one;
    return typed + ' ' + many;
}

QString countAnswer(const QString& typed, const QString& one, const QString& many) {
    return typedAnswer(typed) ? countPhrase(typed, one, many) : QString();
}

}  // namespace yrn
