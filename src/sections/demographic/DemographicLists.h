#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace yrn::demographic {

// One race of the race list: the item shown, the code the section file keeps
// (the code, not the position, survives a re-ordered list) and the word the report
// uses in "... describes her race as <word>.".
struct Race {
    QString item;
    int code;
    QString word;
};

// In list order.
const QList<Race>& races();
// The report word of a race code; "" for no race (-1) or a code no item has.
QString raceWord(int code);

QStringList raceItems();
QList<int> raceCodes();
QStringList languageItems();
QStringList religionItems();
QStringList custodyItems();
QStringList custodyStatusItems();
QStringList childSupportItems();

// Positions the report gives words of their own.
constexpr int kLanguageOther = 6;
constexpr int kLanguageUnknown = 7;
constexpr int kReligionOther = 4;
constexpr int kReligionNone = 5;
// Child support positions that mean support is ordered or paid.
constexpr int kSupportCountedPositions = 3;

}  // namespace yrn::demographic
