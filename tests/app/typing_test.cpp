// An interviewer types a client into the real window: the date boxes advance by
// themselves, a one-digit month gets its leading zero, and a month out of range is
// refused with the "Input Error" box and the focus back in the box.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/AppFixture.h"
#include "app/ClientDialog.h"

using namespace yrn;

namespace {

class TypingTest : public test::AppTest {
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
    void settle() {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
    // Clicks into a box and types, as a person does.
    void typeInto(const QString& id, const QString& text) {
        QLineEdit* b = box(id);
        ASSERT_NE(b, nullptr) << qPrintable(id);
        QTest::mouseClick(b, Qt::LeftButton);
        settle();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(b));
        QTest::keyClicks(QApplication::focusWidget(), text);
        settle();
    }
    // Selects what a box holds and types over it.
    void replaceIn(const QString& id, const QString& text) {
        QLineEdit* b = box(id);
        ASSERT_NE(b, nullptr) << qPrintable(id);
        b->setFocus(Qt::MouseFocusReason);
        settle();
        b->selectAll();
        QTest::keyClicks(b, text);
        settle();
    }
    void tab() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        settle();
    }
};

TEST_F(TypingTest, DateBoxesAdvancePadAndRefuseAsAPersonTypes) {
    Section& l = locator();

    // "13" fills the month box, the focus moves on, and leaving the box refuses it.
    typeInto("txtAssessmentDate1", "13");
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.last().title, "Input Error");
    EXPECT_EQ(prompts.last().text,
              "Invalid data range or type!\r\nMust be a numeric value between 0 and 12");
    EXPECT_EQ(l.text("txtAssessmentDate1"), "");
    EXPECT_EQ(box("txtAssessmentDate1")->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), box("txtAssessmentDate1"));

    // "5" then Tab becomes "05"; the day and the year follow.
    QTest::keyClicks(QApplication::focusWidget(), "5");
    tab();
    EXPECT_EQ(l.text("txtAssessmentDate1"), "05");
    EXPECT_EQ(box("txtAssessmentDate1")->text(), "05");
    EXPECT_EQ(QApplication::focusWidget(), box("txtAssessmentDate2"));
    QTest::keyClicks(QApplication::focusWidget(), "07");
    settle();
    EXPECT_EQ(QApplication::focusWidget(), box("txtAssessmentDate3"));
    QTest::keyClicks(QApplication::focusWidget(), "2001");
    tab();
    EXPECT_EQ(l.text("txtAssessmentDate3"), "2001");
    EXPECT_EQ(prompts.boxes.size(), 1);  // a valid date: no further box

    // An impossible date is named when the year box is left, and the focus goes
    // back to the month; the values stay for the interviewer to correct.
    replaceIn("txtAssessmentDate1", "02");
    replaceIn("txtAssessmentDate2", "30");
    QTest::mouseClick(box("txtAssessmentDate3"), Qt::LeftButton);
    settle();
    tab();
    ASSERT_EQ(prompts.boxes.size(), 2);
    EXPECT_EQ(prompts.last().title, "Incorrect Date");
    EXPECT_EQ(prompts.last().text,
              "Invalid assessment date!!\r\nPlease check months and dates and change.");
    EXPECT_EQ(QApplication::focusWidget(), box("txtAssessmentDate1"));
    EXPECT_EQ(l.text("txtAssessmentDate2"), "30");

    typeInto("txtLastName", "Doe");
    typeInto("txtFirstName", "Jane");
    EXPECT_EQ(window->interview().identity().YRNDirectory(), "DoeJane02-30-2001");
}

TEST_F(TypingTest, TheHourBoxAdvancesAndTheFocusNeverGoesToADisabledBox) {
    typeInto("txtTime1", "9");
    tab();
    EXPECT_EQ(locator().text("txtTime1"), "09");
    EXPECT_EQ(QApplication::focusWidget(), box("txtTime2"));
    // The work boxes start disabled: a refused value elsewhere never sends the
    // focus there, and they take no typing.
    EXPECT_FALSE(box("txtWorkPlace")->isEnabled());
}

}  // namespace
