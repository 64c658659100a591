#pragma once

// A main window on a temporary program folder, with recorded message boxes, a
// recording document opener and an exit that is only counted.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

#include "app/MainWindow.h"
#include "app/PaneView.h"
#include "interview/Interview.h"
#include "interview/RecordingPrompts.h"
#include "interview/Section.h"
#include "report/ReportAssembly.h"

namespace yrn::test {

class RecordingOpener : public DocumentOpener {
  public:
    int open(const QString& path) override {
        opened << path;
        return QFileInfo(path).isFile() ? 42 : 2;
    }
    QStringList opened;
};

class AppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        program = dir.path() + "/program";
        ASSERT_TRUE(QDir().mkpath(program));
        const QString templ = QStringLiteral(YRN_SOURCE_DIR) + "/resources/YRN_TEMPLATE.RTF";
        hasTemplate = QFile::copy(templ, program + "/YRN_TEMPLATE.RTF");
        window = std::make_unique<MainWindow>(prompts, program, &opener);
        window->setExitHandler([this] { ++exits; });
        window->startUp();
    }
    void TearDown() override { window.reset(); }

    Section& section(const QString& name) { return *window->interview().section(name); }
    Section& locator() { return section("ctlLocatorInformation"); }
    PaneView* current() { return window->currentPane(); }
    QString currentName() { return current() ? current()->section().info().controlName : "none"; }
    int currentPage() { return current() ? current()->currentPage() : -2; }

    // The answers that name the client folder: DoeJaneQ05-07-2001.
    void typeClient(const QString& last = "Doe", const QString& first = "Jane",
                    const QString& mi = "Q") {
        Section& l = locator();
        l.setText("txtAssessmentDate1", "05");
        l.setText("txtAssessmentDate2", "07");
        l.setText("txtAssessmentDate3", "2001");
        l.setText("txtLastName", last);
        l.setText("txtFirstName", first);
        l.setText("txtMI", mi);
    }
    QString clientFolder() const { return program + "/DoeJaneQ05-07-2001"; }

    QTemporaryDir dir;
    QString program;
    bool hasTemplate = false;
    RecordingPrompts prompts;
    RecordingOpener opener;
    std::unique_ptr<MainWindow> window;
    int exits = 0;
};

}  // namespace yrn::test
