#pragma once

// A started main window on a temporary program folder, with recorded message
// boxes, a recording document opener and an exit that is only counted.

#include <gtest/gtest.h>
#include <memory>

#include "app/MainWindow.h"
#include "app/PaneView.h"
#include "support/ProgramFolder.h"
#include "support/TestSupport.h"

namespace yrn::test {

class AppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(prompts, program, &opener);
        window->setExitHandler([this] { ++exits; });
        window->startUp();
    }
    void TearDown() override { window.reset(); }

    Section& locator() { return *window->interview().section("ctlLocatorInformation"); }
    PaneView* current() { return window->currentPane(); }
    QString currentName() { return current() ? current()->section().info().controlName : "none"; }
    int currentPage() { return current() ? current()->currentPage() : -2; }
    QString where() { return currentName() + ":" + QString::number(currentPage()); }
    // The answers that name the client folder, DoeJaneQ05-07-2001 by default.
    void typeClient(const QString& last = "Doe") { nameClient(locator(), last); }
    QString clientFolder() const { return program + "/DoeJaneQ05-07-2001"; }

    ProgramFolder folder;
    const QString program = folder.path;
    const bool hasTemplate = folder.hasTemplate;
    RecordingPrompts prompts;
    RecordingOpener opener;
    std::unique_ptr<MainWindow> window;
    int exits = 0;
};

}  // namespace yrn::test
