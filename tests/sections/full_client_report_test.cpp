// A client who answered every question of the sections built so far: the report
// fills each of their placeholders exactly as often as the template holds it, so
// none is left and no value spills after another.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "interview/RecordingPrompts.h"
#include "interview/ReportWriter.h"
#include "interview/Section.h"
#include "report/PlaceholderManifest.h"
#include "report/ReportAssembly.h"
#include "sections/Sections.h"

using namespace yrn;

namespace {

struct CallCounter : ReportWriter {
    void RP(const QString& field, const QString&) override { ++calls[field]; }
    QMap<QString, int> calls;
};

struct NoOpener : DocumentOpener {
    int open(const QString&) override { return 42; }
};

void answerLocator(Section& l) {
    const QList<std::pair<const char*, const char*>> texts = {
        {"txtAssessmentDate1", "05"},
        {"txtAssessmentDate2", "07"},
        {"txtAssessmentDate3", "2001"},
        {"txtTime1", "09"},
        {"txtTime2", "30"},
        {"txtInterviewer", "Pat Smith"},
        {"txtLastName", "Doe"},
        {"txtFirstName", "Jane"},
        {"txtMI", "Q"},
        {"txtStreetAddress", "12 Elm St."},
        {"txtCity", "Dover"},
        {"txtState", "DE"},
        {"txtZipCode", "19901"},
        {"txtCurrAddressLen", "3"},
        {"txtMStreetAddress", "PO Box 7"},
        {"txtMCity", "Dover"},
        {"txtMState", "DE"},
        {"txtMZipCode", "19903"},
        {"txtPhone", "(302) 555-0101"},
        {"txtPhoneAnswerer1", "Ann"},
        {"txtAnswererRelation1", "mother"},
        {"txtPhoneAnswerer2", "Bob"},
        {"txtAnswererRelation2", "brother"},
        {"txtOtherPhone", "(302) 555-0102"},
        {"txtOtherAnswerer1", "Cy"},
        {"txtOtherRelation1", "friend"},
        {"txtOtherAnswerer2", "Di"},
        {"txtOtherRelation2", "aunt"},
        {"txtC1Firstname", "Ann"},
        {"txtC1MI", "b"},
        {"txtC1Lastname", "Doe"},
        {"txtC1Address", "3 Oak Rd."},
        {"txtC1City", "Smyrna"},
        {"txtC1State", "DE"},
        {"txtC1ZipCode", "19977"},
        {"txtC1Phone", "(302) 555-0103"},
        {"txtC1Relationship", "mother"},
        {"txtC2Firstname", "Eve"},
        {"txtC2Lastname", "Roe"},
        {"txtC2Address", "9 Bay Ave."},
        {"txtC2City", "Lewes"},
        {"txtC2State", "DE"},
        {"txtC2ZipCode", "19958"},
        {"txtC2Phone", "(302) 555-0104"},
        {"txtC2Relationship", "friend"},
        {"txtLocationInformation", "best reached by phone"}};
    for (const auto& [id, text] : texts)
        l.setText(id, text);
    l.choose("optAMPM", 0);
    l.choose("optOwnRes", 1);
    l.choose("optWorking", 1);
    l.setText("txtWorkPlace", "Mill");
    l.setPosition("cboSite", 3);
}

void answerDemographic(Section& d) {
    d.setText("txtBDateMonth", "03");
    d.setText("txtBDateDay", "09");
    d.setText("txtBDateYear", "1970");
    d.setText("txtSSN", "123-45-6789");
    d.choose("optSex", 1);
    d.choose("optOrigin", 0);
    d.choose("optMothersOrig", 0);
    d.choose("optFathersOrig", 1);
    d.choose("optEthnicity", 0);
    d.setPosition("cboRace", 3);
    d.setPosition("cboLanguage", 0);
    d.setPosition("cboReligion", 1);
    d.choose("optContEnv", 1);
    d.choose("optJail", 1);
    d.setText("txtJailDays", "5");
    d.choose("optAlc", 0);
    d.choose("optMed", 0);
    d.choose("optPsy", 0);
    d.choose("optOther", 1);
    d.setText("txtOther", "shelter");
    d.setText("txtOtherDays", "2");
    d.setText("txtPregnancies", "2");
    d.setText("txtLiveBirths", "2");
    d.leave("txtLiveBirths");
    d.setText("txtFirstBaby", "19");
    d.setText("txtChildren", "2");
    d.leave("txtChildren");
    for (int i = 0; i < 2; ++i) {
        d.choose(arr("optGender", i), i);
        d.setText(arr("txtChildsDOBM", i), "01");
        d.setText(arr("txtChildsDOBD", i), "15");
        d.setText(arr("txtChildsDOBY", i), "1990");
        d.setPosition(arr("cboCustody", i), 1);
        d.setPosition(arr("cboCustudyStatus", i), i);
        d.setText(arr("txtVisitationDays", i), "4");
        d.setPosition(arr("cboChildSupport", i), 0);
    }
    d.setText("txtChildSupportOrdered", "200");
    d.setText("txtChildSupportActual", "150");
    d.choose("optOtherChildren", 1);
    d.setText("txtDemographicInformation", "cooperative throughout");
}

TEST(FullClientReport, EveryPlaceholderOfTheAnsweredSectionsIsFilledExactlyAsOftenAsHeld) {
    RecordingPrompts prompts;
    auto interview = makeInterview(prompts);
    Section& locator = *interview->section("ctlLocatorInformation");
    Section& demographic = *interview->section("ctlDemographic");
    answerLocator(locator);
    answerDemographic(demographic);
    ASSERT_TRUE(prompts.boxes.isEmpty()) << prompts.last().text.toStdString();

    // What the two narratives fill, and how often.
    CallCounter counter;
    locator.ClientReport(counter);
    demographic.ClientReport(counter);
    int filledMarkers = 0;
    for (auto it = counter.calls.cbegin(); it != counter.calls.cend(); ++it) {
        const int held = placeholderCount(it.key());
        ASSERT_GT(held, 0) << "not in the template: " << it.key().toStdString();
        // The child chart's rows follow one another in the place of one marker.
        if (it.key() == "ChildChart")
            EXPECT_EQ(it.value(), 2);
        else
            EXPECT_EQ(it.value(), held) << it.key().toStdString();
        filledMarkers += held;
    }
    EXPECT_EQ(counter.calls.size(), 27 + 2 + 19) << "locator 29 fields, demographic 19";

    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(YRN_SOURCE_DIR "/resources/YRN_TEMPLATE.RTF",
                            dir.filePath("YRN_TEMPLATE.RTF")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(interview->identity().YRNDirectory()));
    NoOpener opener;
    ReportAssembly report(*interview, dir.path(), opener);
    ASSERT_TRUE(report.GenerateReport());
    RtfDocument saved;
    ASSERT_TRUE(saved.load(report.clientReportPath()));
    const QString text = saved.visibleText();

    for (auto it = counter.calls.cbegin(); it != counter.calls.cend(); ++it)
        EXPECT_FALSE(text.contains('#' + it.key() + '#', Qt::CaseInsensitive))
            << it.key().toStdString();
    // What is left are exactly the markers of the sections whose narrative is not
    // built yet: the name and pronoun fields (101 markers) are all gone too.
    const int left = static_cast<int>(text.count(QRegularExpression("#[A-Za-z$0-9]+#")));
    EXPECT_EQ(left, placeholderMarkerTotal() - 101 - filledMarkers);
    // The rows of the chart stand together, in table order.
    const qsizetype first = text.indexOf("Male    01/15/1990");
    const qsizetype second = text.indexOf("Female  01/15/1990");
    EXPECT_GE(first, 0);
    EXPECT_GE(second, 0);
    EXPECT_LT(first, second);
    EXPECT_TRUE(text.contains("Jane Q. Doe"));
    EXPECT_TRUE(text.contains("best reached by phone", Qt::CaseInsensitive));
}

}  // namespace
