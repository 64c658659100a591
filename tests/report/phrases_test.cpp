#include <gtest/gtest.h>

#include "report/Phrases.h"

using namespace yrn;

TEST(Phrases, WordsAndCapitals) {
    // Two characters stay as they are.
    QStringList capitals;
    for (const char* text : {"he", "she said", "her", "", "éte", "already Up"})
        capitals << CapitalizeFirst(QString::fromUtf8(text));
    EXPECT_EQ(capitals, (QStringList{"he", "She said", "Her", "", "Éte", "Already Up"}));
    // "Has" is a test of the text, not of the number; nothing answered says nothing.
    QStringList has;
    for (const char* text : {"", "0", "00", " 0", "3"})
        has << HasPhrase(text);
    EXPECT_EQ(has, (QStringList{"", "has not", "has", "has", "has"}));
    EXPECT_EQ(DoesPhrase(0) + "|" + DoesPhrase(1) + "|" + DoesPhrase(-1), "does not|does|");
}

TEST(Phrases, PaddedColumnsAreNeverCut) {
    EXPECT_EQ(padded("ab", 5) + padded("abcde", 5) + padded("abcdefg", 5) + padded("", 0),
              "ab   abcdeabcdefg");
    const QString label29(29, 'x');
    EXPECT_EQ(DaysLine(label29, "4"), label29 + "4 days");
    EXPECT_EQ(DaysLine("Alcohol", ""), "Alcohol" + QString(22, ' ') + " days");
    EXPECT_EQ(FamilyTableLine("Mother", "Yes", "No", "-"),
              "Mother" + QString(14, ' ') + "Yes" + QString(13, ' ') + "No" + QString(14, ' ') +
                  "-" + QString(15, ' ') + "\r\n");
    EXPECT_EQ(DrugTableLine("Alcohol", "2", "10", "Oral route"),
              "Alcohol" + QString(20, ' ') + "2" + QString(7, ' ') + "10" + QString(9, ' ') +
                  "Oral route\r\n");
    EXPECT_EQ(MoneyLine("Employment (net income)", "250"),
              "Employment (net income)" + QString(22, ' ') + "$250\r\n");
    EXPECT_EQ(ComboLine("Usual employment pattern", "Full time"),
              "Usual employment pattern" + QString(21, ' ') + "Full time\r\n");
}

TEST(Phrases, ChildLineMeasuresTheCustodyWordWithoutItsBlanks) {
    const QString start =
        "Anna" + QString(4, ' ') + "05/01/1990" + QString(2, ' ') + "Female" + QString(15, ' ');
    // Six letters and two trailing blanks measure six: 13 blanks follow the untrimmed text.
    EXPECT_EQ(ChildLine("Anna", "05/01/1990", "Female", 2, "Mother  ", "Yes", "3"),
              start + "Mother  " + QString(13, ' ') + "Yes  3\r\n\r\n");
    // The first two positions have words of their own, whatever the list shows.
    EXPECT_EQ(ChildLine("Anna", "05/01/1990", "Female", 0, "Joint", "", ""),
              start + "Joint--w/mother" + QString(4 + 5, ' ') + "\r\n\r\n");
    EXPECT_EQ(ChildLine("Anna", "05/01/1990", "Female", 1, "", "", ""),
              start + "Joint--w/father" + QString(4 + 5, ' ') + "\r\n\r\n");
    // No position chosen, and a word of 19 or more characters: no blanks.
    EXPECT_EQ(ChildLine("", "", "", -1, "", "", ""), QString(41 + 19 + 5, ' ') + "\r\n\r\n");
    for (const int length : {19, 20})
        EXPECT_EQ(ChildLine("", "", "", 4, QString(length, 'c'), "", ""),
                  QString(41, ' ') + QString(length, 'c') + QString(5, ' ') + "\r\n\r\n");
}

TEST(Phrases, ChildChartHeadingStandsOverChildLinesColumns) {
    // Where ChildLine starts each column, read from a row of one-letter values.
    const QString row = ChildLine("a", "b", "c", 5, "d", "e", "f");
    QList<qsizetype> starts;
    for (const char* value : {"a", "b", "c", "d", "e", "f"})
        starts << row.indexOf(QLatin1String(value));
    starts << -1;
    // Cut at those columns, the heading holds one title per column, each starting
    // where its column starts and followed by a blank.
    const QString heading = ChildChartHeading();
    QStringList titles;
    for (qsizetype i = 0; i + 1 < starts.size(); ++i) {
        const QString cell =
            heading.mid(starts[i], starts[i + 1] < 0 ? -1 : starts[i + 1] - starts[i]);
        EXPECT_FALSE(cell.startsWith(' ')) << cell.toStdString();
        EXPECT_TRUE(starts[i + 1] < 0 || cell.endsWith(' ')) << cell.toStdString();
        titles << cell.trimmed();
    }
    EXPECT_EQ(titles, (QStringList{"Gender", "D/O/B", "Custody", "Custody Status", "Days",
                                   "Child Support"}));
    EXPECT_FALSE(heading.contains('\r') || heading.endsWith(' '));
}
