#include <gtest/gtest.h>

#include "report/Phrases.h"

using namespace yrn;

namespace {
QString sp(int n) {
    return QString(n, ' ');
}
}  // namespace

TEST(Phrases, WordsCapitalsAndPaddedColumnsThatAreNeverCut) {
    // Two characters stay as they are; "Has" tests the text, not the number.
    QStringList words;
    for (const char* text : {"he", "she said", "her", "", "éte", "already Up"})
        words << CapitalizeFirst(QString::fromUtf8(text));
    for (const char* text : {"", "0", "00", " 0", "3"})
        words << HasPhrase(text);
    words << DoesPhrase(0) << DoesPhrase(1) << DoesPhrase(-1);
    EXPECT_EQ(words.join('|'),
              "he|She said|Her||Éte|Already Up||has not|has|has|has|does not|does|");
    EXPECT_EQ(padded("ab", 5) + padded("abcde", 5) + padded("abcdefg", 5) + padded("", 0),
              "ab   abcdeabcdefg");
    EXPECT_EQ(DaysLine(QString(29, 'x'), "4") + DaysLine("Alcohol", ""),
              QString(29, 'x') + "4 days" + "Alcohol" + sp(22) + " days");
    EXPECT_EQ(FamilyTableLine("Mother", "Yes", "No", "-"),
              "Mother" + sp(14) + "Yes" + sp(13) + "No" + sp(14) + "-" + sp(15) + "\r\n");
    EXPECT_EQ(DrugTableLine("Alcohol", "2", "10", "Oral route"),
              "Alcohol" + sp(20) + "2" + sp(7) + "10" + sp(9) + "Oral route\r\n");
    EXPECT_EQ(MoneyLine("Employment (net income)", "250") + ComboLine("Usual pattern", "Full"),
              "Employment (net income)" + sp(22) + "$250\r\nUsual pattern" + sp(32) + "Full\r\n");
}

TEST(Phrases, ChildLineMeasuresTheCustodyWordWithoutItsBlanks) {
    const QString start = "Anna" + sp(4) + "05/01/1990" + sp(2) + "Female" + sp(15);
    const auto line = [](int position, const QString& word, const QString& end = "") {
        return ChildLine("Anna", "05/01/1990", "Female", position, word, end.left(3), end.mid(5));
    };
    // Six letters and two trailing blanks measure six: 13 blanks follow the untrimmed
    // text; the first two positions have words of their own, whatever the list shows.
    EXPECT_EQ(line(2, "Mother  ", "Yes  3"), start + "Mother  " + sp(13) + "Yes  3\r\n\r\n");
    EXPECT_EQ(line(0, "Joint"), start + "Joint--w/mother" + sp(9) + "\r\n\r\n");
    EXPECT_EQ(line(1, ""), start + "Joint--w/father" + sp(9) + "\r\n\r\n");
    // No position chosen, and a word of 19 or more characters: no blanks.
    EXPECT_EQ(ChildLine("", "", "", -1, "", "", ""), sp(41 + 19 + 5) + "\r\n\r\n");
    for (const int length : {19, 20})
        EXPECT_EQ(ChildLine("", "", "", 4, QString(length, 'c'), "", ""),
                  sp(41) + QString(length, 'c') + sp(5) + "\r\n\r\n");

    // The heading holds one title per column of ChildLine, each starting where its
    // column starts (read from a row of one-letter values) and followed by a blank.
    const QString row = ChildLine("a", "b", "c", 5, "d", "e", "f"), heading = ChildChartHeading();
    QList<qsizetype> starts;
    for (const char* value : {"a", "b", "c", "d", "e", "f"})
        starts << row.indexOf(QLatin1String(value));
    starts << -1;
    QStringList titles;
    for (qsizetype i = 0; i + 1 < starts.size(); ++i) {
        const QString cell =
            heading.mid(starts[i], starts[i + 1] < 0 ? -1 : starts[i + 1] - starts[i]);
        EXPECT_FALSE(cell.startsWith(' ') || (starts[i + 1] >= 0 && !cell.endsWith(' ')))
            << qPrintable(cell);
        titles << cell.trimmed();
    }
    EXPECT_EQ(titles.join('|'), "Gender|D/O/B|Custody|Custody Status|Days|Child Support");
    EXPECT_FALSE(heading.contains('\r') || heading.endsWith(' '));
}
