#pragma once

// A program that keeps its recovery copies in a temporary folder of the test's
// own (never the user's), started and "crashed" (ended without the exit question,
// as a kill or a power cut ends it) as often as a test needs.

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "app/MainWindow.h"
#include "app/PaneView.h"
#include "app/Recovery.h"
#include "sections/ClientFixture.h"
#include "support/ProgramFolder.h"
#include "support/TestSupport.h"

namespace yrn::test {

constexpr int kAnHour = 3'600'000;

// Answers on the locator and demographic panes through the model: a working
// client with a court site, a two-line comment, letters beyond Windows-1252, a
// typed "-1", blanks at the ends of a text, two children.
inline void answerClient(Interview& interview) {
    Section& locator = *interview.section("ctlLocatorInformation");
    answerDemographic(locator, *interview.section("ctlDemographic"));
    locator.setText("txtCity", " Springfield ");
    locator.setText("txtInterviewer", "-1");
    locator.setPosition("cboSite", 2);
    locator.choose("optWorking", 1);
    locator.setText("txtWorkPlace", "Łódź Café");
    locator.setText("txtLocationInformation", "Met at court.\r\nCalm, asked for water.");
}

class RecoveryTest : public ::testing::Test {
  protected:
    void TearDown() override { window.reset(); }

    // Starts the program; the answers go to the questions of the start, in order.
    // Copies are written on page changes only, unless a test sets the interval.
    void start(QList<bool> answers = {}) {
        window.reset();
        prompts.clear();
        prompts.answer(answers);
        window = std::make_unique<MainWindow>(prompts, program, &opener);
        window->setExitHandler([this] { ++exits; });
        window->keepRecoveryCopies(recoveryFolder);
        window->recovery()->setInterval(kAnHour);
        window->startUp();
    }
    // The program ends without the exit question: its copy stays behind.
    void crash() { window.reset(); }

    Recovery& recovery() { return *window->recovery(); }
    Interview& interview() { return window->interview(); }
    Section& section(const QString& name) { return *interview().section(name); }
    Section& locator() { return section("ctlLocatorInformation"); }
    void settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    // Next on the page on screen, and what comes after it.
    void next() {
        window->currentPane()->next();
        settle();
    }
    QStringList copies() const {
        return QDir(recoveryFolder)
            .entryList({"*.recovery"}, QDir::Files | QDir::Hidden | QDir::System);
    }
    QStringList entries(const QString& path) const {
        return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                    QDir::NoDotAndDotDot);
    }
    // The state of every pane, in interview order.
    QList<QStringList> states() {
        QList<QStringList> out;
        for (const Section* s : interview().sections())
            out << stateOf(*s);
        return out;
    }

    ProgramFolder folder;
    const QString program = folder.path;
    QTemporaryDir data;
    QString recoveryFolder = data.filePath("recovery");
    RecordingPrompts prompts;
    RecordingOpener opener;
    std::unique_ptr<MainWindow> window;
    int exits = 0;
};

}  // namespace yrn::test
