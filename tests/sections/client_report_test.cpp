// The client report: what each section's answers read as (the rows of
// report_rows.txt), and a client who answered every question, held to the template's
// markers.
#include <QRegularExpression>

#include "report/PlaceholderManifest.h"
#include "sections/ClientFixture.h"
#include "sections/medical/MedicalSection.h"
#include "support/ProgramFolder.h"
#include "support/ReportMarkers.h"

namespace yrn::test {
namespace {

// Every text box of the locator holds its own name, but for the client's name and
// the assessment date; every question is answered.
void answerLocator(Section& l) {
    for (const QString& id : l.fieldOrder())
        if (l.field(id).kind == FieldKind::Text) l.setText(id, id.mid(3));
    nameClient(l);
    l.setText("txtLocationInformation", "calls after 5");
    l.choose("optAMPM", 0);
    l.choose("optOwnRes", 1);
    l.choose("optWorking", 1);
    l.setPosition("cboSite", 3);
}

// Every question of every section answered.
void answerAll(Interview& interview) {
    answerLocator(*interview.section("ctlLocatorInformation"));
    for (Section* s : interview.sections().mid(1))
        answerFully(interview, *s);
}

QString read(const RecordingReport& r, const QString& fields) {
    if (fields == "*") return r.fields().join(' ');
    QStringList out;
    for (const QString& f : fields.split('|')) {
        out << (f.endsWith('#') ? QString::number(r.all(f.chopped(1)).size()) : r.value(f));
    }
    return out.join('|');
}

// What a new client's pane reports after the answers; a box shown fails the test.
RecordingReport reportOf(const QString& module, const QString& answers) {
    RecordingPrompts prompts;
    const auto interview = makeInterview(prompts);
    Section& pane = *interview->section(module);
    answer(*interview, pane, answers);
    RecordingReport report;
    pane.ClientReport(report);
    EXPECT_TRUE(prompts.boxes.isEmpty()) << qPrintable(answers + ": " + lastBox(prompts));
    return report;
}

// The rows of report_rows.txt: answers, the fields read, what they read.
TEST(ClientReport, EachSectionsAnswersReadAsTheRowsSay) {
    const QByteArray rows = readFile(YRN_SOURCE_DIR "/tests/sections/report_rows.txt");
    QString module, base;
    int count = 0;
    for (const QString& line : QString::fromUtf8(rows).split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith('#')) continue;
        if (line.startsWith('[')) {
            module = line.mid(1, line.indexOf(']') - 1);
            base = line.mid(line.indexOf(']') + 1).trimmed();
            continue;
        }
        const QStringList row = line.split(" => ");
        ASSERT_EQ(row.size(), 3) << qPrintable(line);
        const QString expected =
            row[2].mid(1).chopped(1).replace("\\r", "\r").replace("\\n", "\n").replace("\\t", "\t");
        EXPECT_EQ(read(reportOf(module, base + ';' + row[0]), row[1]), expected)
            << qPrintable(module + ": " + row[0]);
        ++count;
    }
    EXPECT_EQ(count, 125);
}

// The pronouns of the gender, none before it is chosen.
TEST(ClientReport, PronounsFollowTheGender) {
    RecordingPrompts prompts;
    const auto interview = makeInterview(prompts);
    const Pronouns& p = interview->pronouns();
    QStringList pronouns;
    for (const int sex : {-1, 0, 1}) {
        if (sex >= 0) interview->section("ctlDemographic")->choose("optSex", sex);
        pronouns << p.himherself() + p.hisher() + p.HisHerC() + p.himher() + p.heshe() + p.HeSheC();
    }
    EXPECT_EQ(pronouns.join(' '), " himselfhisHishimheHe herselfherHerhersheShe");
}

// The kinds of insurance answered "Yes" (a bit per row of question 12), however
// combined, are joined and never end in a separator.
TEST(ClientReport, InsuranceKindsAreJoinedWithoutADanglingSeparator) {
    const int other = 32;
    for (const QString& specified : {QString("county plan"), QString()}) {
        for (int rows = 0; rows < 64; ++rows) {
            QString answers = "txtInsurance=7; txtOtherHI:=" + specified + ';';
            for (int i = 0; i < MedicalSection::kInsuranceRows; ++i)
                answers += QString("optHealthInsurance(%1)=%2;").arg(i).arg((rows >> i) & 1);
            const QString phrase = reportOf("ctlMedical", answers).value("IPrograms");
            EXPECT_FALSE(phrase.endsWith(", ") || phrase.endsWith(", and") ||
                         phrase.startsWith(", "))
                << rows << ": " << phrase.toStdString();
            EXPECT_EQ(phrase.isEmpty(), rows == 0 || (rows == other && specified.isEmpty()))
                << rows;
        }
    }
}

// A client who answered every question: the report on the shipped template fills each
// placeholder exactly as often as the template holds it, in the template's order, so
// that no marker is left and no value spills after another.
TEST(ClientReport, AFullClientFillsEveryPlaceholderOfTheTemplateInItsOrder) {
    RecordingPrompts prompts;
    auto interview = makeInterview(prompts);
    answerAll(*interview);
    ASSERT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    RecordingReport recorder;
    for (Section* section : interview->sections())
        section->ClientReport(recorder);
    QStringList filled, expected;
    for (const QString& field : recorder.fields())
        if (filled.isEmpty() || filled.last() != field) filled << field;
    for (const PlaceholderCount& entry : placeholderManifest())
        expected << entry.field;
    EXPECT_EQ(filled, expected.mid(8)) << "all but the name and pronoun fields, in order";
    // What each field reads, line by line as in full_client.txt (field="value", line
    // breaks written \r and \n).
    QStringList values;
    for (const auto& [field, value] : recorder.calls)
        values << field + "=\"" + QString(value).replace("\r", "\\r").replace("\n", "\\n") + '"';
    EXPECT_EQ(values, QString::fromUtf8(readFile(YRN_SOURCE_DIR "/tests/sections/full_client.txt"))
                          .remove('\r')
                          .split('\n', Qt::SkipEmptyParts));
    ProgramFolder program;
    ASSERT_TRUE(program.hasTemplate);
    ASSERT_TRUE(QDir(program.path).mkdir(interview->identity().YRNDirectory()));
    RecordingOpener opener;
    ReportAssembly report(*interview, program.path, opener);
    ASSERT_TRUE(report.GenerateReport());
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    RtfDocument saved;
    ASSERT_TRUE(saved.load(report.clientReportPath()));
    const QString text = saved.visibleText();
    EXPECT_TRUE(markersIn(text).isEmpty()) << qPrintable(markersIn(text).join(' '));
    EXPECT_EQ(readFile(program.filePath("ClientReports/DoeJaneQ05-07-2001.RTF")),
              readFile(report.clientReportPath()));
    // The rows of a chart stand together, in table order.
    EXPECT_TRUE(text.contains("NO, not court ordered\n\n        //"));
    EXPECT_TRUE(
        text.contains("Alcohol                    10      00         20\n"
                      "Marijuana                  11      01         21\n"));
    EXPECT_TRUE(text.contains("Jane Q. Doe") && text.contains(QRegularExpression("\\bshe\\b")));
}

}  // namespace
}  // namespace yrn::test
