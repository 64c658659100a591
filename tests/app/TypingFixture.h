#pragma once

// A started main window, active and on screen, in which the tests type as a person
// does: clicks into boxes, key clicks and Tab.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/AppFixture.h"
#include "app/ClientDialog.h"

namespace yrn::test {

class TypingTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        QTest::mouseClick(window->clientDialog().newButton(), Qt::LeftButton);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // The dialog going away may take the activation with it a moment later.
        QTest::qWait(50);
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->isActiveWindow(); }));
    }
    QLineEdit* box(const QString& id) { return window->findChild<QLineEdit*>(id); }
    QWidget* focus() { return QApplication::focusWidget(); }
    void settle() {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
    // Clicks into a box (selecting what it holds) and types, as a person does.
    void typeInto(const QString& id, const QString& text) {
        QLineEdit* b = box(id);
        ASSERT_NE(b, nullptr) << qPrintable(id);
        QTest::mouseClick(b, Qt::LeftButton);
        settle();
        ASSERT_TRUE(QTest::qWaitFor([&] { return focus() == static_cast<QWidget*>(b); }));
        b->selectAll();
        QTest::keyClicks(b, text);
        settle();
    }
    void keys(const QString& text) {
        QTest::keyClicks(focus(), text);
        settle();
    }
    void tab() {
        QTest::keyClick(focus(), Qt::Key_Tab);
        settle();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focus(), k, modifiers);
        settle();
    }
    // The focus reaches a box once the events of the moment are over.
    bool focusComesTo(const QString& id) {
        for (int i = 0; i < 50 && focus() != box(id); ++i)
            QTest::qWait(10);
        return focus() == box(id);
    }
    QLineEdit* focusedBox() { return qobject_cast<QLineEdit*>(focus()); }
    // The field a widget answers: a box or list by its name, an option button by
    // its group's.
    QString fieldOf(QWidget* w) {
        if (!w) return "none";
        if (qobject_cast<QRadioButton*>(w)) return w->parentWidget()->objectName();
        return w->objectName();
    }
    Section& demographic() { return *window->interview().section("ctlDemographic"); }
    // The demographic children page, with that many children typed.
    void toChildrenPage(const QString& children) {
        window->view(1);
        current()->next();
        current()->next();
        settle();
        ASSERT_EQ(where(), "Demographic:2");
        typeInto("txtChildren", children);
    }
    // Tabs to a button of the page on screen and presses it with the space bar.
    void press(const QString& name) {
        QPushButton* button = current()->button(name);
        ASSERT_NE(button, nullptr) << qPrintable(name);
        for (int i = 0; i < 80 && focus() != button; ++i)
            tab();
        ASSERT_EQ(focus(), button) << qPrintable(name);
        key(Qt::Key_Space);
    }
};

}  // namespace yrn::test
