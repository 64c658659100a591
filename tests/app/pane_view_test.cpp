// The generic pane view against a small section of its own: rendering of every
// kind of block, both-way binding, colours, frames, focus, leave checks, and
// page navigation with skips and a page that carries its own caption.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "app/FieldBinder.h"
#include "app/PaneHost.h"
#include "app/PaneView.h"
#include "interview/Interview.h"
#include "interview/RecordingPrompts.h"
#include "interview/Section.h"

namespace yrn {
namespace {

const QString kQuestion =
    QStringLiteral("1.  Have you ever been treated as an          outpatient?");

class ViewSection : public Section {
  public:
    explicit ViewSection(Interview& interview)
        : Section(interview, SectionInfo{"ctlView", "View", "View.YRN", "View caption ", 3}) {
        addText("txtName", 5).tip = "Up to five letters";
        addText("txtDays", 2);
        addMultiLine("txtComments");
        addOption("optSex", {"Male", "Female"});
        addList("cboLevel", {"Low", "High"});
        addCheck("chkSkip", "Skip page 1");
        addText("txtWork", 10);
        addText("txtBlocked", 10).enabled = false;
        for (int i = 0; i < 2; ++i)
            addOption(arr("optRow", i), {"No", "Yes"});
        addLabel("lblGender", "Choose the gender first.");
        addFrame("fmeWork", {"txtWork"});
        rangeCheck("txtDays", 0, 30);
        onClick("txtName", [this](int) { ++nameClicks; });
        onClick("optSex", [this](int button) {
            ++sexClicks;
            if (button == 0)
                clearField("txtWork");
            else
                openField("txtWork");
        });

        addPage(0)
            .heading("Test Heading")
            .question(kQuestion, {{"txtName", "Name"}, {"optSex", "Sex?"}})
            .tip("A question tip")
            .boundQuestion("lblGender", {{"txtDays", "Days"}})
            .question("Level and skip", {{"cboLevel", {}}, {"chkSkip", {}}})
            .table("Symptoms", {"Past 30 days?", "In lifetime?"},
                   {{"Experienced serious depression?", "", {arr("optRow", 0), ""}},
                    {"Hallucinations", "Seeing things", {"", arr("optRow", 1)}, true}})
            .frame("fmeWork", "Work")
            .question("Where do you work?", {{"txtWork", "Place"}})
            .endFrame()
            .note("A note  with  blanks")
            .question("Comments:", {{"txtComments", {}}})
            .question("Blocked", {{"txtBlocked", {}}})
            .nav("&Next Page", {}, "cmdNextV(0)");
        addPage(1).heading("Second").nav("&Next Page", "&Previous Page", "cmdNextV(1)",
                                         "cmdBackV(1)");
        addPage(2)
            .heading("Ratings")
            .caption("Special caption", 8)
            .button("cmdExtra", "&Extra")
            .nav("&Done", "&Previous Page", "cmdNextV(2)", "cmdBackV(2)");
        captureStartState();
    }

    int nextPage(int page) const override {
        if (page == 0 && checkState("chkSkip") == CheckState::Ticked) return 2;
        return Section::nextPage(page);
    }
    int backPage(int page) const override {
        if (page == 2 && checkState("chkSkip") == CheckState::Ticked) return 0;
        return Section::backPage(page);
    }

    int sexClicks = 0;
    int nameClicks = 0;
};

class FakeHost : public PaneHost {
  public:
    void setCaption(const QString& c) override { caption = c; }
    void checkViewItem(int item) override { checked = item; }
    QString captionName() const override { return "  [Doe, Jane Q]"; }
    twips::Rect workArea() const override { return {0, 0, 11070, 20490}; }
    twips::Size mainSize() const override { return {8500, 12000}; }
    void handOver(PaneView&, bool forward) override { handOvers << forward; }
    void pageButton(PaneView&, const QString& name) override { buttons << name; }

    QString caption;
    int checked = -1;
    QList<bool> handOvers;
    QStringList buttons;
};

// Records the boxes and hands focus requests to the pane, as the main window does.
class RoutingRecorder : public RecordingPrompts {
  public:
    void focus(const QString& module, const QString& fieldId) override {
        RecordingPrompts::focus(module, fieldId);
        if (pane) pane->focusField(fieldId);
    }
    PaneView* pane = nullptr;
};

class PaneViewTest : public ::testing::Test {
  protected:
    PaneViewTest() : interview(prompts) {
        section =
            static_cast<ViewSection*>(&interview.add(std::make_unique<ViewSection>(interview)));
        pane = std::make_unique<PaneView>(*section, host);
        pane->resize(1000, 700);
        prompts.pane = pane.get();
    }
    template <class T>
    T* widget(const QString& name) {
        return pane->findChild<T*>(name);
    }
    QLabel* labelWithText(const QString& text) {
        for (QLabel* label : pane->findChildren<QLabel*>())
            if (label->text() == text) return label;
        return nullptr;
    }
    // Shows the pane in an active window, so that focus events are real.
    void showActive() {
        pane->show();
        pane->Start();
        QApplication::setActiveWindow(pane.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(pane.get()));
    }

    RoutingRecorder prompts;
    Interview interview;
    ViewSection* section = nullptr;
    FakeHost host;
    std::unique_ptr<PaneView> pane;
};

TEST_F(PaneViewTest, RendersEveryKindOfBlockWithItsExactTexts) {
    ASSERT_NE(labelWithText("Test Heading"), nullptr);
    QLabel* question = labelWithText(kQuestion);  // runs of blanks kept
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->toolTip(), "A question tip");
    EXPECT_NE(labelWithText("Name"), nullptr);
    EXPECT_NE(labelWithText("Sex?"), nullptr);
    EXPECT_NE(labelWithText("A note  with  blanks"), nullptr);

    // A question bound to a model label follows the label.
    QLabel* bound = widget<QLabel>("lblGender");
    ASSERT_NE(bound, nullptr);
    EXPECT_EQ(bound->text(), "Choose the gender first.");
    section->setLabel("lblGender", "12.  How many pregnancies?");
    EXPECT_EQ(bound->text(), "12.  How many pregnancies?");

    // Tables: title, column headings, row labels with tips, a highlighted row in red.
    EXPECT_NE(labelWithText("Symptoms"), nullptr);
    EXPECT_NE(labelWithText("Past 30 days?"), nullptr);
    EXPECT_NE(labelWithText("In lifetime?"), nullptr);
    QLabel* plainRow = labelWithText("Experienced serious depression?");
    QLabel* redRow = labelWithText("Hallucinations");
    ASSERT_TRUE(plainRow && redRow);
    EXPECT_EQ(redRow->toolTip(), "Seeing things");
    EXPECT_EQ(redRow->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    EXPECT_NE(plainRow->palette().color(QPalette::WindowText), QColor(192, 0, 0));

    // Option buttons carry the control names of the buttons, arrays included.
    auto* male = widget<QRadioButton>("optSex0");
    auto* female = widget<QRadioButton>("optSex1");
    ASSERT_TRUE(male && female);
    EXPECT_EQ(male->text(), "Male");
    EXPECT_EQ(female->text(), "Female");
    EXPECT_NE(widget<QRadioButton>("optRow1(1)"), nullptr);
    EXPECT_EQ(widget<QLineEdit>("txtName")->toolTip(), "Up to five letters");
    EXPECT_EQ(widget<QCheckBox>("chkSkip")->text(), "Skip page 1");
    EXPECT_EQ(widget<QComboBox>("cboLevel")->count(), 2);

    // A frame is a group box with its caption; navigation buttons carry their captions.
    auto* frame = widget<QGroupBox>("fmeWork");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), "Work");
    EXPECT_EQ(pane->button("cmdNextV(0)")->text(), "&Next Page");
    EXPECT_EQ(pane->button("cmdBackV(0)"), nullptr);  // first page: no Back
    EXPECT_EQ(pane->button("cmdExtra")->text(), "&Extra");
}

TEST_F(PaneViewTest, WidgetsAndModelStayInStepBothWays) {
    showActive();
    auto* name = widget<QLineEdit>("txtName");
    name->setFocus();
    QTest::keyClicks(name, "Abcdefgh");  // typing stops at the maximum length
    EXPECT_EQ(section->text("txtName"), "Abcde");

    // A click into the box runs its click rules.
    QTest::mouseClick(name, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(section->nameClicks, 1);

    // A longer text put in by the program (a file written elsewhere) is shown whole.
    section->setText("txtName", "Bartholomew");
    EXPECT_EQ(name->text(), "Bartholomew");
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(section->text("txtName"), "Bartholome");

    // Multi-line texts keep CR LF in the model.
    auto* comments = widget<QPlainTextEdit>("txtComments");
    comments->setFocus();
    QTest::keyClicks(comments, "one");
    QTest::keyClick(comments, Qt::Key_Return);
    QTest::keyClicks(comments, "two");
    EXPECT_EQ(section->text("txtComments"), "one\r\ntwo");
    section->setText("txtComments", "a\r\nb");
    EXPECT_EQ(comments->toPlainText(), "a\nb");

    // Option buttons: a click chooses and runs the rules once; a click on the
    // chosen button does nothing.
    auto* male = widget<QRadioButton>("optSex0");
    QTest::mouseClick(male, Qt::LeftButton);
    EXPECT_EQ(section->choice("optSex"), 0);
    EXPECT_EQ(section->sexClicks, 1);
    QTest::mouseClick(male, Qt::LeftButton);
    EXPECT_EQ(section->sexClicks, 1);
    EXPECT_TRUE(male->isChecked());
    // A reset clears the group on screen too.
    section->clearOption("optSex");
    EXPECT_FALSE(male->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("optSex1")->isChecked());

    // Lists and check boxes.
    auto* level = widget<QComboBox>("cboLevel");
    EXPECT_EQ(level->currentIndex(), -1);
    level->setFocus();
    QTest::keyClick(level, Qt::Key_Down);
    EXPECT_EQ(section->position("cboLevel"), level->currentIndex());
    EXPECT_GE(section->position("cboLevel"), 0);
    section->setPosition("cboLevel", 1);
    EXPECT_EQ(level->currentIndex(), 1);
    section->setItems("cboLevel", {"One", "Two", "Three"});
    EXPECT_EQ(level->count(), 3);
    EXPECT_EQ(level->currentIndex(), -1);
    auto* skip = widget<QCheckBox>("chkSkip");
    QTest::mouseClick(skip, Qt::LeftButton);
    EXPECT_EQ(section->checkState("chkSkip"), CheckState::Ticked);
    section->setCheck("chkSkip", CheckState::Clear);
    EXPECT_FALSE(skip->isChecked());
}

TEST_F(PaneViewTest, ColoursShowOnDisabledWidgetsAndFramesDisableTheirMembers) {
    showActive();
    auto* work = widget<QLineEdit>("txtWork");
    QTest::mouseClick(widget<QRadioButton>("optSex0"), Qt::LeftButton);  // rule: clear txtWork
    EXPECT_FALSE(work->isEnabled());
    // The not-applicable red is what the person sees on the disabled box.
    const QImage shot = work->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() / 2), QColor(192, 0, 0));

    QTest::mouseClick(widget<QRadioButton>("optSex1"), Qt::LeftButton);  // rule: open txtWork
    EXPECT_TRUE(work->isEnabled());
    const QImage normal = work->grab().toImage();
    EXPECT_NE(normal.pixelColor(normal.width() / 2, normal.height() / 2), QColor(192, 0, 0));

    // The highlight of a comment button: blue with window-coloured text.
    section->setBackground(arr("optRow", 0), Background::Highlighted);
    auto* row = widget<QRadioButton>("optRow0(0)");
    EXPECT_EQ(row->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_TRUE(row->autoFillBackground());
    section->setBackground(arr("optRow", 0), Background::Normal);
    EXPECT_FALSE(row->autoFillBackground());

    // A disabled frame disables its group box and the boxes in it.
    section->setFrameEnabled("fmeWork", false);
    EXPECT_FALSE(widget<QGroupBox>("fmeWork")->isEnabled());
    EXPECT_FALSE(work->isEnabled());
    section->setFrameEnabled("fmeWork", true);
    EXPECT_TRUE(work->isEnabled());
    EXPECT_FALSE(widget<QLineEdit>("txtBlocked")->isEnabled());
}

TEST_F(PaneViewTest, FocusGoesOnlyWhereItCanAndAFailedCheckDoesNotLoop) {
    showActive();
    auto* name = widget<QLineEdit>("txtName");
    auto* days = widget<QLineEdit>("txtDays");

    // Requests for a disabled field or one on a hidden page are not carried out.
    pane->focusField("txtBlocked");
    QApplication::processEvents();
    EXPECT_FALSE(widget<QLineEdit>("txtBlocked")->hasFocus());
    pane->focusField("txtDays");
    QApplication::processEvents();
    EXPECT_TRUE(days->hasFocus());

    // Leaving a box with a value out of range: one box, the box emptied and the
    // focus back; the box the person went to is not checked in turn.
    QTest::keyClicks(days, "99");
    name->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes.first().title, "Input Error");
    EXPECT_EQ(section->text("txtDays"), "");
    EXPECT_TRUE(days->hasFocus());
    EXPECT_EQ(prompts.boxes.size(), 1);

    // A valid value passes without a box.
    QTest::keyClicks(days, "7");
    name->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(section->text("txtDays"), "7");

    // Going to another page: a field there cannot take the focus from here.
    pane->next();
    pane->button("cmdNextV(1)")->setFocus();
    pane->focusField("txtName");
    QApplication::processEvents();
    EXPECT_FALSE(name->hasFocus());
}

TEST_F(PaneViewTest, NavigationFollowsSkipsCaptionPagesAndHandOvers) {
    const auto onePage = [&](int expected) {
        EXPECT_EQ(pane->visiblePages(), QList<int>{expected});
    };
    pane->show();
    pane->Start();
    onePage(0);
    EXPECT_EQ(host.caption, "View caption   [Doe, Jane Q]");
    EXPECT_EQ(host.checked, 3);
    EXPECT_DOUBLE_EQ(pane->pageTwips().height, 11070 - 443);

    pane->next();
    onePage(1);
    pane->next();  // the page with its own caption and View item
    onePage(2);
    EXPECT_EQ(host.caption, "Special caption  [Doe, Jane Q]");
    EXPECT_EQ(host.checked, 8);
    pane->back();  // the section's caption and item come back
    onePage(1);
    EXPECT_EQ(host.caption, "View caption   [Doe, Jane Q]");
    EXPECT_EQ(host.checked, 3);

    // The section's skip: with the box ticked, page 1 is passed both ways.
    pane->back();
    section->setCheck("chkSkip", CheckState::Ticked);
    pane->next();
    onePage(2);
    pane->back();
    onePage(0);

    // Hand-overs at both ends, the extra button, and Frame3.
    pane->back();
    EXPECT_EQ(host.handOvers, QList<bool>{false});
    pane->Finish();
    onePage(2);
    pane->next();
    EXPECT_EQ(host.handOvers, (QList<bool>{false, true}));
    pane->button("cmdExtra")->click();
    EXPECT_EQ(host.buttons, QStringList{"cmdExtra"});
    pane->Start();
    pane->HideFrames();
    EXPECT_TRUE(pane->visiblePages().isEmpty());
    pane->Frame3();
    onePage(2);
    EXPECT_EQ(host.checked, 8);

    // After a resize the pages take their size from the main window.
    pane->ResizeFrames();
    EXPECT_DOUBLE_EQ(pane->pageTwips().height, 7948);
    EXPECT_DOUBLE_EQ(pane->pageTwips().width, 11892);
    EXPECT_LE(pane->pageWidget(2)->height(), pane->height());
}

}  // namespace
}  // namespace yrn

namespace yrn {
namespace {

// Scrolling the page with the pointer over a list that does not have the focus
// leaves the answer alone; once the person has the list focused, the wheel turns it.
TEST_F(PaneViewTest, TheWheelTurnsOnlyAFocusedList) {
    showActive();
    auto* level = widget<QComboBox>("cboLevel");
    ASSERT_NE(level, nullptr);
    const auto wheel = [level] {
        QWheelEvent event(QPointF(5, 5), level->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(level, &event);
    };
    wheel();
    EXPECT_EQ(section->position("cboLevel"), -1);
    level->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    wheel();
    EXPECT_NE(section->position("cboLevel"), -1);
}

}  // namespace
}  // namespace yrn
