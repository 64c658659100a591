// The generic pane view against a small section of its own.
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
#include "support/TestSupport.h"

namespace yrn::test {
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
        addPage(1)
            .button("cmdExtra", "&Extra")
            .nav("&Done", "&Previous Page", "cmdNextV(1)", "cmdBackV(1)");
        captureStartState();
    }

    int sexClicks = 0;
    int nameClicks = 0;
};

struct FakeHost : PaneHost {
    void setCaption(const QString&) override {}
    void checkViewItem(int) override {}
    QString captionName() const override { return {}; }
    twips::Rect workArea() const override { return {0, 0, 11070, 20490}; }
    twips::Size mainSize() const override { return {8500, 12000}; }
    void handOver(PaneView&, bool) override {}
    void pageButton(PaneView&, const QString&) override {}
};

class PaneViewTest : public ::testing::Test {
  protected:
    PaneViewTest() : interview(prompts) {
        section =
            static_cast<ViewSection*>(&interview.add(std::make_unique<ViewSection>(interview)));
        pane = std::make_unique<PaneView>(*section, host);
        pane->resize(1000, 700);
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

    RecordingPrompts prompts;
    Interview interview;
    ViewSection* section = nullptr;
    FakeHost host;
    std::unique_ptr<PaneView> pane;
};

// How a declared text reads on the page.
TEST(ShownWording, FoldsRunsOfBlanksButThoseAfterTheNumber) {
    const QList<std::pair<QString, QString>> cases{
        {"13.  How many days have you experienced medical problems in             the past 30?",
         "13.  How many days have you experienced medical problems in the past 30?"},
        {"5.     Have you ever had a fit or seizure?",
         "5.     Have you ever had a fit or seizure?"},
        {"1.1    Alcohol, any use", "1.1    Alcohol, any use"},
        {"6a1.  Who else might answer the phone?", "6a1.  Who else might answer the phone?"},
        {"a.  With family members?", "a.  With family members?"},
        {"1.  Time assessment ended                              :", "1.  Time assessment ended:"},
        {"       (Exclude psychiatric disability)", "(Exclude psychiatric disability)"},
        {"Alcohol problems ", "Alcohol problems"},
        {"11.  How serious?\n(Exclude civil  problems)  ",
         "11.  How serious?\n(Exclude civil problems)"},
        {"Gonorrhea (GC,  clap, dose)", "Gonorrhea (GC, clap, dose)"},
        {"   ", ""},
        {"1.  ", "1."},
    };
    for (const auto& [declared, shown] : cases)
        EXPECT_EQ(FieldBinder::shownWording(declared), shown) << declared.toStdString();
}

TEST_F(PaneViewTest, RendersEveryKindOfBlockWithItsExactTexts) {
    // The page shows a run of blanks as one blank, but after the question's number;
    // the declaration keeps the text as given. Tables have their title, column
    // headings and rows.
    for (const char* text : {"Test Heading", "Name", "Sex?", "A note with blanks", "Symptoms",
                             "Past 30 days?", "In lifetime?"})
        EXPECT_NE(labelWithText(text), nullptr) << text;
    QLabel* question = labelWithText("1.  Have you ever been treated as an outpatient?");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->toolTip(), "A question tip");
    EXPECT_EQ(section->pages().first().blocks.at(1).text, kQuestion);

    // A question bound to a model label follows the label.
    QLabel* bound = widget<QLabel>("lblGender");
    ASSERT_NE(bound, nullptr);
    EXPECT_EQ(bound->text(), "Choose the gender first.");
    section->setLabel("lblGender", "12.  How many pregnancies?");
    EXPECT_EQ(bound->text(), "12.  How many pregnancies?");

    // Row labels with tips, a highlighted row in red.
    QLabel* plainRow = labelWithText("Experienced serious depression?");
    QLabel* redRow = labelWithText("Hallucinations");
    ASSERT_TRUE(plainRow && redRow);
    EXPECT_EQ(redRow->toolTip(), "Seeing things");
    EXPECT_EQ(redRow->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    EXPECT_NE(plainRow->palette().color(QPalette::WindowText), QColor(192, 0, 0));

    // Option buttons carry the control names of the buttons, arrays included.
    ASSERT_TRUE(widget<QRadioButton>("optSex0") && widget<QRadioButton>("optSex1"));
    EXPECT_EQ(widget<QRadioButton>("optSex0")->text(), "Male");
    EXPECT_EQ(widget<QRadioButton>("optSex1")->text(), "Female");
    EXPECT_NE(widget<QRadioButton>("optRow1(1)"), nullptr);
    EXPECT_EQ(widget<QLineEdit>("txtName")->toolTip(), "Up to five letters");
    EXPECT_EQ(widget<QCheckBox>("chkSkip")->text(), "Skip page 1");
    EXPECT_EQ(widget<QComboBox>("cboLevel")->count(), 2);

    // A frame is a group box with its caption; navigation buttons carry their
    // captions, and the first page has no Back.
    ASSERT_TRUE(widget<QGroupBox>("fmeWork") && pane->button("cmdNextV(0)"));
    EXPECT_EQ(widget<QGroupBox>("fmeWork")->title() + pane->button("cmdNextV(0)")->text() +
                  pane->button("cmdExtra")->text(),
              "Work&Next Page&Extra");
    EXPECT_EQ(pane->button("cmdBackV(0)"), nullptr);
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
    const auto middle = [work] {
        const QImage shot = work->grab().toImage();
        return shot.pixelColor(shot.width() / 2, shot.height() / 2);
    };
    EXPECT_EQ(middle(), QColor(192, 0, 0));
    QTest::mouseClick(widget<QRadioButton>("optSex1"), Qt::LeftButton);  // rule: open txtWork
    EXPECT_TRUE(work->isEnabled());
    EXPECT_NE(middle(), QColor(192, 0, 0));

    // A list shows the same red, not a shade the style makes of it.
    auto* level = widget<QComboBox>("cboLevel");
    section->setBackground("cboLevel", Background::NotApplicable);
    section->setEnabled("cboLevel", false);
    const QImage list = level->grab().toImage();
    EXPECT_EQ(list.pixelColor(list.width() / 3, list.height() / 2), QColor(192, 0, 0));
    section->setBackground("cboLevel", Background::Normal);
    section->setEnabled("cboLevel", true);

    // The highlight of a comment button: blue.
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

TEST_F(PaneViewTest, FocusGoesOnlyWhereItCan) {
    showActive();
    auto* days = widget<QLineEdit>("txtDays");
    // Requests for a disabled field or one on a hidden page are not carried out.
    pane->focusField("txtBlocked");
    QApplication::processEvents();
    EXPECT_FALSE(widget<QLineEdit>("txtBlocked")->hasFocus());
    pane->focusField("txtDays");
    QApplication::processEvents();
    EXPECT_TRUE(days->hasFocus());
    pane->next();
    pane->button("cmdNextV(1)")->setFocus();
    pane->focusField("txtDays");
    QApplication::processEvents();
    EXPECT_FALSE(days->hasFocus());
}

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
}  // namespace yrn::test
