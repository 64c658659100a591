// The shipped report template against the placeholder manifest: every field the
// report fills must stand in the template exactly as often as it is filled, or
// values spill after the last replacement or bare markers reach the client's report.
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include "report/PlaceholderManifest.h"
#include "report/RtfDocument.h"

using yrn::placeholderCount;
using yrn::PlaceholderCount;
using yrn::placeholderManifest;
using yrn::placeholderMarkerTotal;
using yrn::RtfDocument;

namespace {

const QString kTemplatePath = QStringLiteral(YRN_SOURCE_DIR "/resources/YRN_TEMPLATE.RTF");

// "#Name#" markers of a visible text, by field name in lower case (the report
// matches names without regard to case).
QMap<QString, int> markerCounts(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("#([A-Za-z0-9$]+)#"));
    QMap<QString, int> counts;
    for (const QRegularExpressionMatch& m : marker.globalMatch(text))
        ++counts[m.captured(1).toLower()];
    return counts;
}

RtfDocument loadedTemplate() {
    RtfDocument doc;
    EXPECT_TRUE(doc.load(kTemplatePath)) << kTemplatePath.toStdString();
    return doc;
}

// The control words that open the innermost group around position pos of the
// RTF source, e.g. "\f1\fs18" for "{\f1\fs18 #DrugChart#}".
QByteArray groupHead(const QByteArray& rtf, qsizetype pos) {
    int depth = 0;
    for (qsizetype i = pos; i >= 0; --i) {
        const bool escaped = i > 0 && rtf[i - 1] == '\\';
        if (rtf[i] == '}' && !escaped) ++depth;
        if (rtf[i] == '{' && !escaped && depth-- == 0) {
            const qsizetype end = rtf.indexOf(' ', i);
            return rtf.mid(i + 1, end - i - 1);
        }
    }
    return {};
}

}  // namespace

TEST(PlaceholderManifest, ListsEachFieldOnceWithTheReportsCounts) {
    const QList<PlaceholderCount>& manifest = placeholderManifest();
    QSet<QString> seen;
    int total = 0;
    for (const PlaceholderCount& entry : manifest) {
        const QString field = QString::fromLatin1(entry.field);
        EXPECT_FALSE(seen.contains(field.toLower())) << "listed twice: " << entry.field;
        seen.insert(field.toLower());
        EXPECT_GE(entry.count, 1) << entry.field;
        total += entry.count;
    }
    EXPECT_EQ(manifest.size(), 186);
    EXPECT_EQ(total, 279);
    EXPECT_EQ(placeholderMarkerTotal(), 279);

    // The name and pronoun fields are filled these many times before any section.
    EXPECT_EQ(placeholderCount("FirstName"), 65);
    EXPECT_EQ(placeholderCount("firstname"), 65);
    EXPECT_EQ(placeholderCount(QStringLiteral("HISHER")), 14);
    EXPECT_EQ(placeholderCount("heshe"), 11);
    EXPECT_EQ(placeholderCount("HeSheC"), 6);
    EXPECT_EQ(placeholderCount("HisHerC"), 2);
    EXPECT_EQ(placeholderCount("WholeName"), 1);
    EXPECT_EQ(placeholderCount("himherself"), 1);
    EXPECT_EQ(placeholderCount("himher"), 1);
    // The child chart rows share one marker.
    EXPECT_EQ(placeholderCount("ChildChart"), 1);
    EXPECT_EQ(placeholderCount("$Alcohol"), 1);
    EXPECT_EQ(placeholderCount("ExperiencesDegree"), 1);
    EXPECT_EQ(placeholderCount("NoSuchField"), 0);
    EXPECT_EQ(placeholderCount(""), 0);
}

TEST(ReportTemplate, HoldsEveryPlaceholderExactlyAsOftenAsTheReportFillsIt) {
    const RtfDocument doc = loadedTemplate();
    const QString text = doc.visibleText();
    const QMap<QString, int> counts = markerCounts(text);

    QSet<QString> known;
    for (const PlaceholderCount& entry : placeholderManifest()) {
        const QString field = QString::fromLatin1(entry.field).toLower();
        known.insert(field);
        EXPECT_EQ(counts.value(field), entry.count) << "#" << entry.field << "#";
    }
    int total = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        EXPECT_TRUE(known.contains(it.key()))
            << "unknown field #" << it.key().toStdString() << "# in the template";
        total += it.value();
    }
    EXPECT_EQ(counts.size(), 186);
    EXPECT_EQ(total, 279);
    // Every "#" belongs to a marker: a stray one could pair with a neighbour's.
    EXPECT_EQ(text.count(QLatin1Char('#')), 2 * 279);
}

TEST(ReportTemplate, HoldsEachSectionsFieldsInTheOrderItsNarrativeFillsThem) {
    const QString text = loadedTemplate().visibleText();
    // Where each field first stands in the text, scanning marker by marker so that
    // neighbouring markers ("#NeverInc##LenIncarMonths#") are told apart.
    static const QRegularExpression marker(QStringLiteral("#([A-Za-z0-9$]+)#"));
    QMap<QString, qsizetype> firstAt;
    for (const QRegularExpressionMatch& m : marker.globalMatch(text)) {
        const QString field = m.captured(1).toLower();
        if (!firstAt.contains(field)) firstAt.insert(field, m.capturedStart());
    }

    // The name and pronoun fields are filled before any section, so their places are
    // free; every other field comes in manifest order, which is the order in which the
    // sections, one after another, fill them.
    const QSet<QString> nameAndPronouns{"wholename", "firstname", "himherself", "hisher",
                                        "himher",    "heshe",     "hisherc",    "heshec"};
    qsizetype previousAt = -1;
    QString previous = QStringLiteral("(start)");
    int sectionFields = 0;
    for (const PlaceholderCount& entry : placeholderManifest()) {
        const QString field = QString::fromLatin1(entry.field);
        if (nameAndPronouns.contains(field.toLower())) continue;
        ++sectionFields;
        ASSERT_TRUE(firstAt.contains(field.toLower())) << entry.field;
        const qsizetype at = firstAt.value(field.toLower());
        EXPECT_GT(at, previousAt) << "#" << entry.field << "# stands before #"
                                  << previous.toStdString() << "#";
        previousAt = at;
        previous = field;
    }
    EXPECT_EQ(sectionFields, 186 - 8);
}

TEST(ReportTemplate, EveryMarkerIsFoundAndFilledLikeTheReportDoes) {
    RtfDocument doc = loadedTemplate();
    // Fill as the report does: each field as many times as the manifest says, each
    // call taking the first remaining marker. A marker the search cannot find (split
    // or mistyped) would leave a "#" behind.
    for (const PlaceholderCount& entry : placeholderManifest()) {
        const QString marker = QLatin1Char('#') + QLatin1String(entry.field) + QLatin1Char('#');
        for (int i = 0; i < entry.count; ++i) {
            ASSERT_TRUE(doc.find(marker)) << entry.field << " call " << i + 1;
            doc.replaceSelection(QStringLiteral("value\r\nline"));
        }
        EXPECT_FALSE(doc.find(marker)) << entry.field << " is left over";
    }
    EXPECT_FALSE(doc.visibleText().contains(QLatin1Char('#')));

    // The filled report is RTF that reads back with its text whole.
    RtfDocument again;
    ASSERT_TRUE(again.loadFromData(doc.toRtf()));
    EXPECT_EQ(again.visibleText(), doc.visibleText());
}

TEST(ReportTemplate, IsPlainAsciiRtfWithChartsInTheFixedWidthFont) {
    QFile file(kTemplatePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray rtf = file.readAll();

    ASSERT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    for (const char c : rtf)
        ASSERT_TRUE(c == '\r' || c == '\n' || (c >= 32 && c < 127)) << "byte " << int(c);

    // The font table names a proportional and a fixed-width font.
    static const QRegularExpression modern(QStringLiteral(R"(\{\\f(\d+)\\fmodern\\)"));
    const QRegularExpressionMatch mono = modern.match(QString::fromLatin1(rtf));
    ASSERT_TRUE(mono.hasMatch());
    EXPECT_TRUE(rtf.contains("\\froman") || rtf.contains("\\fswiss"));
    const QByteArray monoFont = "\\f" + mono.captured(1).toLatin1() + "\\";

    // Values laid out in blank-padded columns take the format of their marker, so
    // each such marker must stand in the fixed-width font; prose must not.
    for (const char* field : {"ChildChartTop", "ChildChart", "CE", "MoneySources", "AmountOwed",
                              "DrugChart", "MothersSide", "FathersSide", "Siblings"}) {
        const qsizetype at = rtf.indexOf(QByteArray("#") + field + "#");
        ASSERT_GE(at, 0) << field;
        EXPECT_TRUE((groupHead(rtf, at) + "\\").contains(monoFont)) << field;
    }
    for (const char* field : {"WholeName", "Hospitalization", "ChildSupportSentence", "Explanation",
                              "SpecificCE", "JobSentence1", "FinalComments"}) {
        const qsizetype at = rtf.indexOf(QByteArray("#") + field + "#");
        ASSERT_GE(at, 0) << field;
        EXPECT_FALSE((groupHead(rtf, at) + "\\").contains(monoFont)) << field;
    }
}

TEST(ReportTemplate, KeepsTheChildChartAndTheClosingNoticeOnThePageOfWhatTheyBelongTo) {
    QFile file(kTemplatePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray rtf = file.readAll();
    // The control words that open the paragraph holding the text ("\pard\plain...\").
    const auto paragraphFormat = [&](const QByteArray& text) {
        const qsizetype at = rtf.indexOf(text);
        EXPECT_GE(at, 0) << text.constData();
        const qsizetype pard = rtf.lastIndexOf("\\pard", at);
        qsizetype end = pard;
        while (end < at && !QByteArrayView(" \r\n{").contains(rtf[end]))
            ++end;
        return rtf.mid(pard, end - pard) + '\\';
    };
    // The child chart's lines (its heading among them) are one paragraph of the
    // template kept with what follows, so the heading never ends a page alone.
    EXPECT_TRUE(paragraphFormat("#ChildChartTop#").contains("\\keepn\\"));
    // The signature lines keep the closing notice with them, and the notice is whole.
    EXPECT_TRUE(paragraphFormat("s signature: ___").contains("\\keepn\\"));
    EXPECT_TRUE(paragraphFormat("This report contains confidential").contains("\\keep\\"));
}
