// The report's words and padded columns, and the shipped template against the manifest:
// every field stands there as often as it is filled, in filling order, or values spill
// after the last replacement or bare markers reach the client's report.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "report/Phrases.h"
#include "report/PlaceholderManifest.h"
#include "report/RtfDocument.h"
#include "support/TestSupport.h"

using namespace yrn;

namespace {

const QString kTemplatePath = QStringLiteral(YRN_SOURCE_DIR "/resources/YRN_TEMPLATE.RTF");

QString sp(int n) {
    return QString(n, ' ');
}

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

TEST(ReportTemplate, HoldsEveryPlaceholderOfTheManifestAsOftenAsFilledInFillingOrder) {
    RtfDocument doc;
    ASSERT_TRUE(doc.load(kTemplatePath));
    const QString text = doc.visibleText();
    // Marker by marker, so that neighbours ("#NeverInc##LenIncarMonths#") are told apart;
    // names without regard to case, as the report matches them.
    static const QRegularExpression marker(QStringLiteral("#([A-Za-z0-9$]+)#"));
    QMap<QString, int> counts;
    QMap<QString, qsizetype> firstAt;
    for (const QRegularExpressionMatch& m : marker.globalMatch(text)) {
        ++counts[m.captured(1).toLower()];
        firstAt.insert(m.captured(1).toLower(),
                       firstAt.value(m.captured(1).toLower(), m.capturedStart()));
    }
    // The name and pronoun fields come first and are filled before any section, so
    // their places are free; every other field stands in manifest order.
    int total = 0;
    qsizetype previousAt = -1;
    const QList<PlaceholderCount>& manifest = placeholderManifest();
    for (qsizetype i = 0; i < manifest.size(); ++i) {
        const QString field = QString::fromLatin1(manifest[i].field);
        EXPECT_EQ(counts.take(field.toLower()), manifest[i].count) << "#" << manifest[i].field;
        EXPECT_EQ(placeholderCount(field.toUpper()), manifest[i].count) << manifest[i].field;
        total += manifest[i].count;
        if (i < 8) continue;
        EXPECT_GT(firstAt.value(field.toLower()), previousAt) << manifest[i].field;
        previousAt = firstAt.value(field.toLower());
    }
    EXPECT_TRUE(counts.isEmpty()) << "unknown fields: " << qPrintable(counts.keys().join(' '));
    EXPECT_EQ(placeholderMarkerTotal(), total);
    EXPECT_EQ(placeholderCount("NoSuchField") + placeholderCount(""), 0);
    // Every "#" belongs to a marker: a stray one could pair with a neighbour's.
    EXPECT_EQ(text.count(QLatin1Char('#')), 2 * total);
}

TEST(ReportTemplate, IsAsciiRtfWithChartsInTheFixedWidthFontKeptWithWhatTheyBelongTo) {
    const QByteArray rtf = yrn::test::readFile(kTemplatePath);
    ASSERT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    for (const char c : rtf)
        ASSERT_TRUE(c == '\r' || c == '\n' || (c >= 32 && c < 127)) << "byte " << int(c);
    // The font table names a proportional and a fixed-width font.
    static const QRegularExpression modern(QStringLiteral(R"(\{\\f(\d+)\\fmodern\\)"));
    const QRegularExpressionMatch mono = modern.match(QString::fromLatin1(rtf));
    ASSERT_TRUE(mono.hasMatch());
    EXPECT_TRUE(rtf.contains("\\froman") || rtf.contains("\\fswiss"));
    const QByteArray monoFont = "\\f" + mono.captured(1).toLatin1() + "\\";
    // The control words of the (flat) group around a text ("\f1\fs18\").
    const auto groupHead = [&](const QByteArray& text) {
        const qsizetype open = rtf.lastIndexOf('{', rtf.indexOf(text));
        return rtf.mid(open, rtf.indexOf(' ', open) - open) + '\\';
    };
    // Values laid out in blank-padded columns take the format of their marker, so
    // each such marker stands in the fixed-width font; prose does not.
    for (const QString field :
         {"+ChildChartTop", "+ChildChart", "+CE", "+MoneySources", "+AmountOwed", "+DrugChart",
          "+MothersSide", "+FathersSide", "+Siblings", "-WholeName", "-Hospitalization",
          "-ChildSupportSentence", "-Explanation", "-SpecificCE", "-JobSentence1",
          "-FinalComments"})
        EXPECT_EQ(groupHead("#" + field.mid(1).toLatin1() + "#").contains(monoFont),
                  field[0] == '+')
            << qPrintable(field);
    // The child chart's heading is kept with the lines that follow it; the signature
    // lines keep the closing notice with them, and the notice is whole.
    const auto paragraphFormat = [&](const QByteArray& text) {
        const qsizetype at = rtf.indexOf(text), pard = rtf.lastIndexOf("\\pard", at);
        return rtf.mid(pard, rtf.indexOf('{', pard) - pard).trimmed() + '\\';
    };
    EXPECT_TRUE(paragraphFormat("#ChildChartTop#").contains("\\keepn\\") &&
                paragraphFormat("s signature: ___").contains("\\keepn\\") &&
                paragraphFormat("This report contains confidential").contains("\\keep\\"));
}

}  // namespace
