#pragma once

// A started main window, active and on screen, in which the tests type as a person
// does: clicks into boxes, key clicks and Tab.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
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
        QTRY_VERIFY(window->isActiveWindow());
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
        QTRY_COMPARE(focus(), static_cast<QWidget*>(b));
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
};

}  // namespace yrn::test
