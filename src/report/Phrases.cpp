#include "report/Phrases.h"

namespace yrn {

namespace {

// The child chart's columns: gender, birth date, custody, custody status and days;
// the child support answer ends the row.
constexpr int kChildGenderWidth = 8;
constexpr int kChildBornWidth = 12;
constexpr int kChildCustodyWidth = 21;
constexpr int kChildStatusWidth = 19;
constexpr int kChildDaysWidth = 5;

}  // namespace

QString padded(const QString& x, int n) {
    return x.size() >= n ? x : x + QString(n - x.size(), ' ');
}

QString CapitalizeFirst(const QString& text) {
    if (text.size() <= 2) return text;
    return text.left(1).toUpper() + text.mid(1);
}

QString DaysLine(const QString& label, const QString& value) {
    return padded(label, 29) + value + QStringLiteral(" days");
}

QString HasPhrase(const QString& value) {
    if (value.isEmpty()) return {};
    return value == QStringLiteral("0") ? QStringLiteral("has not") : QStringLiteral("has");
}

QString DoesPhrase(int choice) {
    if (choice == 0) return QStringLiteral("does not");
    if (choice == 1) return QStringLiteral("does");
    return {};
}

QString FamilyTableLine(const QString& a, const QString& b, const QString& c, const QString& d) {
    return padded(a, 20) + padded(b, 16) + padded(c, 16) + padded(d, 16) + kCrLf;
}

QString DrugTableLine(const QString& a, const QString& b, const QString& c, const QString& d) {
    return padded(a, 27) + padded(b, 8) + padded(c, 11) + d + kCrLf;
}

QString MoneyLine(const QString& labelCaption, const QString& text) {
    return padded(labelCaption, 45) + '$' + text + kCrLf;
}

QString ComboLine(const QString& labelText, const QString& listText) {
    return padded(labelText, 45) + listText + kCrLf;
}

QString ChildLine(const QString& a, const QString& b, const QString& c, int custodyPosition,
                  const QString& custodyText, const QString& e, const QString& f) {
    QString custody = custodyText;
    if (custodyPosition == 0) custody = QStringLiteral("Joint--w/mother");
    if (custodyPosition == 1) custody = QStringLiteral("Joint--w/father");
    const qsizetype n = custody.trimmed().size();
    const QString custodyPadded =
        custody + QString(n < kChildStatusWidth ? kChildStatusWidth - n : 0, ' ');
    return padded(a, kChildGenderWidth) + padded(b, kChildBornWidth) +
           padded(c, kChildCustodyWidth) + custodyPadded + padded(e, kChildDaysWidth) + f + kCrLf +
           kCrLf;
}

QString ChildChartHeading() {
    return padded(QStringLiteral("Gender"), kChildGenderWidth) +
           padded(QStringLiteral("D/O/B"), kChildBornWidth) +
           padded(QStringLiteral("Custody"), kChildCustodyWidth) +
           padded(QStringLiteral("Custody Status"), kChildStatusWidth) +
           padded(QStringLiteral("Days"), kChildDaysWidth) + QStringLiteral("Child Support");
}

}  // namespace yrn
