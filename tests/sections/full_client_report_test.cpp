// A client who answered every question of every section: the report on the shipped
// template fills each placeholder exactly as often as the template holds it, so none
// is left and no value spills after another.
#include <QRegularExpression>

#include "report/PlaceholderManifest.h"
#include "sections/ClientFixture.h"
#include "sections/criminal/CriminalFixture.h"
#include "sections/drugs/DrugsClient.h"
#include "sections/employment/EmploymentAnswers.h"
#include "sections/family/FamilyAnswers.h"
#include "sections/medical/MedicalAnswers.h"
#include "sections/mental/MentalAnswers.h"
#include "support/ProgramFolder.h"

namespace yrn::test {
namespace {

// Every text box of the locator holds its own name, but for the client's name and
// the assessment date; every question is answered.
void answerLocator(Section& l) {
    for (const QString& id : l.fieldOrder())
        if (l.field(id).kind == FieldKind::Text) l.setText(id, id.mid(3));
    nameClient(l);
    // A comment that happens to hold a placeholder comes out as typed.
    l.setText("txtLocationInformation", "call #FirstName# at {home}\r\nor \\work");
    l.choose("optAMPM", 0);
    l.choose("optOwnRes", 1);
    l.choose("optWorking", 1);
    l.setPosition("cboSite", 3);
}

TEST(FullClientReport, EveryPlaceholderOfTheAnsweredSectionsIsFilledExactlyAsOftenAsHeld) {
    RecordingPrompts prompts;
    auto interview = makeInterview(prompts);
    Section& locator = *interview->section("ctlLocatorInformation");
    Section& demographic = *interview->section("ctlDemographic");
    answerLocator(locator);
    answerDemographic(locator, demographic);
    Section& medical = *interview->section("ctlMedical");
    Section& employment = *interview->section("ctlEmployment");
    answerMedical(medical);
    answerEmployment(employment);
    auto& drugs = *interview->find<DrugsSection>();
    answerDrugs(drugs);
    Section& criminal = *interview->section("ctlCriminalJustice");
    answerCriminal(criminal);
    Section& family = *interview->section("ctlFamilySocialHistory");
    Section& mental = *interview->section("ctlMentalHealth");
    answerFamily(family);
    answerMental(mental);
    ASSERT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();

    // What the narratives fill, and how often.
    RecordingReport recorder;
    for (Section* section : interview->sections())
        section->ClientReport(recorder);
    QMap<QString, int> calls;
    for (const QString& field : recorder.fields())
        ++calls[field];
    // Every field of the template is filled by one section or another.
    EXPECT_EQ(calls.size(), static_cast<int>(placeholderManifest().size()) - 8)
        << "all but the eight name and pronoun fields";
    int filledMarkers = 0;
    for (auto it = calls.cbegin(); it != calls.cend(); ++it) {
        const int held = placeholderCount(it.key());
        ASSERT_GT(held, 0) << "not in the template: " << it.key().toStdString();
        // The child chart's rows follow one another in the place of one marker.
        EXPECT_EQ(it.value(), it.key() == "ChildChart" ? 2 : held) << it.key().toStdString();
        filledMarkers += held;
    }

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
    EXPECT_EQ(readFile(program.filePath("ClientReports/DoeJaneQ05-07-2001.RTF")),
              readFile(report.clientReportPath()));

    for (auto it = calls.cbegin(); it != calls.cend(); ++it)
        EXPECT_FALSE(text.contains('#' + it.key() + '#', Qt::CaseInsensitive))
            << it.key().toStdString();
    // The only marker left is the one the client's comment holds: the name and
    // pronoun fields (101 markers) are all gone too.
    EXPECT_TRUE(text.contains("Call #FirstName# at {home}\nor \\work"));
    EXPECT_EQ(text.count("#FirstName#", Qt::CaseInsensitive), 1);
    EXPECT_TRUE(text.contains(QRegularExpression("\\bshe\\b")));
    const int left = static_cast<int>(text.count(QRegularExpression("#[A-Za-z$0-9]+#")));
    EXPECT_EQ(left, placeholderMarkerTotal() - 101 - filledMarkers + 1);
    EXPECT_EQ(left, 1);
    // The rows of the chart stand together, in table order.
    const qsizetype first = text.indexOf("Male    01/02/1999");
    EXPECT_GE(first, 0);
    EXPECT_TRUE(text.contains("NO, not court ordered\n\n        //"));
    EXPECT_TRUE(text.contains("Jane Q. Doe"));
    EXPECT_TRUE(text.contains("shoplifting 2 times;  DWI 1 time;  trespassing 3 times."));
    EXPECT_TRUE(
        text.contains("Alcohol                    10      00         20\n"
                      "Marijuana                  11      01         21\n"));
}

}  // namespace
}  // namespace yrn::test
