// The shipped report template against the placeholder manifest: every field the
// report fills must stand in the template exactly as often as it is filled, in the
// order the narratives fill them, or values spill after the last replacement or
// bare markers reach the client's report.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "report/PlaceholderManifest.h"
#include "report/RtfDocument.h"
#include "support/TestSupport.h"

using namespace yrn;

namespace {

const QString kTemplatePath = QStringLiteral(YRN_SOURCE_DIR "/resources/YRN_TEMPLATE.RTF");

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
