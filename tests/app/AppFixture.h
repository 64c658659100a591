#pragma once

// A started main window on a temporary program folder, recorded boxes and opener,
// a counted exit; and the keyboard of a person once activate() has put it on screen.

#include <gtest/gtest.h>
#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "app/ClientDialog.h"
#include "app/DrugCommentDialog.h"
#include "app/FieldBinder.h"
#include "app/MainWindow.h"
#include "app/PaneView.h"
#include "support/ProgramFolder.h"
#include "support/TestSupport.h"

namespace yrn::test {

class AppTest : public ::testing::Test {
  protected:
    void SetUp() override { start(); }
    void TearDown() override { window.reset(); }
    // Starts the program (the one before dropped as a crash would); the answers go to
    // the questions of the start, in order.
    void start(const QList<bool>& answers = {}, const QString& recoveryFolder = {},
               DocumentOpener* with = nullptr) {
        window.reset();
        exits = 0;
        prompts.clear();
        prompts.answer(answers);
        window = std::make_unique<MainWindow>(prompts, program, with ? with : &opener);
        window->setExitHandler([this] { ++exits; });
        if (!recoveryFolder.isEmpty()) window->keepRecoveryCopies(recoveryFolder);
        window->startUp();
    }
    // New Assessment, then the window active on screen for the keyboard.
    void activate() {
        QTest::mouseClick(window->clientDialog().newButton(), Qt::LeftButton);
        for (int i = 0; i < 2; ++i) {  // the dialog going away may take the activation along
            QTest::qWait(50);
            window->activateWindow();
            QApplication::setActiveWindow(window.get());
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->isActiveWindow(); }));
    }

    Section& section(const QString& name) { return *window->interview().section(name); }
    Section& locator() { return section("ctlLocatorInformation"); }
    PaneView* current() { return window->currentPane(); }
    int currentPage() { return current() ? current()->currentPage() : -2; }
    QString where() {
        return current() ? current()->objectName() + ":" + QString::number(currentPage()) : "none";
    }
    // The answers that name the client folder, DoeJaneQ05-07-2001 by default.
    void typeClient(const QString& last = "Doe") { nameClient(locator(), last); }
    QString clientFolder() const { return program + "/DoeJaneQ05-07-2001"; }
    QString reportPath() const { return clientFolder() + "/DoeJaneQ05-07-2001.RTF"; }
    // Load on a folder in the open-client dialog, shown for it if it was not.
    void load(const QString& folder) {
        window->clientDialog().show();
        window->clientDialog().setCurrentFolder(folder);
        window->clientDialog().loadButton()->click();
    }
    // A closing-page button pressed, the boxes shown before it forgotten.
    void pressClosing(const QString& button) {
        prompts.clear();
        window->view(8);
        current()->next();
        ASSERT_EQ(where(), "MentalHealth:5");
        current()->button(button)->click();
    }

    QLineEdit* box(const QString& id) { return window->findChild<QLineEdit*>(id); }
    static QWidget* focus() { return QApplication::focusWidget(); }
    static void settle() {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
    // Clicks into a box (selecting what it holds) and types, as a person does.
    void typeInto(const QString& id, const QString& text) {
        QTest::mouseClick(box(id), Qt::LeftButton);
        ASSERT_TRUE(focusComesTo(box(id))) << qPrintable(id);
        box(id)->selectAll();
        keys(text);
    }
    static void keys(const QString& text) {
        QTest::keyClicks(focus(), text);
        settle();
    }
    static void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focus(), k, modifiers);
        settle();
    }
    // A click on a window's close control.
    static void closeByControl(QWidget* w) {
        QCloseEvent close;
        QApplication::sendEvent(w, &close);
    }
    // The focus reaches a widget once the events of the moment are over.
    static bool focusComesTo(const QWidget* w) {
        return QTest::qWaitFor([&] { return focus() == w; }, 500);
    }
    // The field a widget answers: a box or list by its name, an option button by its group's.
    static QString fieldOf(QWidget* w) {
        if (!w) return "none";
        return qobject_cast<QRadioButton*>(w) ? w->parentWidget()->objectName() : w->objectName();
    }

    ProgramFolder folder;
    const QString program = folder.path;
    RecordingPrompts prompts;
    RecordingOpener opener;
    std::unique_ptr<MainWindow> window;
    int exits = 0;
};

}  // namespace yrn::test
