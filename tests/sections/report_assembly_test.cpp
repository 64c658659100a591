#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "interview/RecordingPrompts.h"
#include "interview/Section.h"
#include "report/ReportAssembly.h"
#include "sections/Sections.h"

using namespace yrn;

namespace {

struct NoOpener : DocumentOpener {
    int open(const QString&) override { return 42; }
};

}  // namespace

// The report of a real interview on the program's own template.
TEST(ReportWithSections, GenerateReportFillsNamesPronounsAndNarratives) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QFile::copy(YRN_SOURCE_DIR "/resources/YRN_TEMPLATE.RTF",
                            dir.filePath("YRN_TEMPLATE.RTF")));
    RecordingPrompts prompts;
    auto interview = makeInterview(prompts);
    Section* locator = interview->section("ctlLocatorInformation");
    Section* demographic = interview->section("ctlDemographic");
    ASSERT_TRUE(locator && demographic);
    interview->BeginLoading();
    locator->setText("txtAssessmentDate1", "05");
    locator->setText("txtAssessmentDate2", "07");
    locator->setText("txtAssessmentDate3", "2001");
    locator->setText("txtLastName", "Doe");
    locator->setText("txtFirstName", "Jane");
    locator->setText("txtMI", "q");
    // A comment that happens to hold a placeholder comes out as typed.
    locator->setText("txtLocationInformation", "call #FirstName# at {home}\r\nor \\work");
    demographic->choose("optSex", 1);
    interview->EndLoading();
    prompts.clear();

    const QString folder = interview->identity().YRNDirectory();
    ASSERT_EQ(folder, "DoeJaneq05-07-2001");
    ASSERT_TRUE(QDir(dir.path()).mkdir(folder));
    NoOpener opener;
    ReportAssembly report(*interview, dir.path(), opener);
    ASSERT_TRUE(report.GenerateReport());
    EXPECT_TRUE(prompts.boxes.isEmpty())
        << prompts.last().title.toStdString() << ": " << prompts.last().text.toStdString();

    RtfDocument saved;
    ASSERT_TRUE(saved.load(report.clientReportPath()));
    const QString text = saved.visibleText();
    EXPECT_TRUE(text.contains("Jane Q. Doe"));
    EXPECT_TRUE(text.contains("Call #FirstName# at {home}\nor \\work"));
    EXPECT_EQ(text.count("#FirstName#"), 1);
    for (const char* field : {"#WholeName#", "#himherself#", "#hisher#", "#himher#", "#heshe#",
                              "#HisHerC#", "#HeSheC#", "#LocatorComments#", "#Address1#"})
        EXPECT_FALSE(text.contains(field, Qt::CaseInsensitive)) << field;
    EXPECT_TRUE(text.contains(QRegularExpression("\\bshe\\b")));

    QFile shared(dir.filePath("ClientReports/" + folder + ".RTF"));
    QFile client(report.clientReportPath());
    ASSERT_TRUE(shared.open(QIODevice::ReadOnly) && client.open(QIODevice::ReadOnly));
    EXPECT_EQ(shared.readAll(), client.readAll());
}
