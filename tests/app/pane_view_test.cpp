// The generic pane view against a small section of its own.

#include "app/AppFixture.h"
#include "app/PageRenderer.h"
#include "app/PaneHost.h"
#include "app/Twips.h"

namespace yrn::test {
namespace {

const QString kQuestion = "1.  Have you ever been treated as an          outpatient?";
const QColor kRed(192, 0, 0);

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
            button == 0 ? clearField("txtWork") : openField("txtWork");
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
        addPage(1).nav("&Done", "&Previous Page", "cmdNextV(1)", "cmdBackV(1)");
        captureStartState();
    }
    int sexClicks = 0, nameClicks = 0;
};

// Captions, the View menu and the hand-over are the main window's, tested there.
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
    PaneViewTest() {
        pane->resize(1000, 700);
        pane->pageWidget(0);
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
    static void settle() { QApplication::processEvents(); }
    RecordingPrompts prompts;
    Interview interview{prompts};
    ViewSection* section =
        static_cast<ViewSection*>(&interview.add(std::make_unique<ViewSection>(interview)));
    FakeHost host;
    std::unique_ptr<PaneView> pane = std::make_unique<PaneView>(*section, host);
};

TEST(ShownWording, FoldsRunsOfBlanksButThoseAfterTheNumber) {
    const QList<std::pair<QString, QString>> cases{
        {"13.  How many days in             the past 30?", "13.  How many days in the past 30?"},
        {"6a1.  Who else might answer?", "6a1.  Who else might answer?"},
        {"a.  With family members?", "a.  With family members?"},
        {"1.  Time assessment ended                              :", "1.  Time assessment ended:"},
        {"       (Exclude psychiatric disability)", "(Exclude psychiatric disability)"},
        {"11.  How serious?\n(Exclude civil  problems)  ",
         "11.  How serious?\n(Exclude civil problems)"},
        {"Gonorrhea (GC,  clap, dose)", "Gonorrhea (GC, clap, dose)"},
        {"1.  ", "1."}};
    for (const auto& [declared, shown] : cases)
        EXPECT_EQ(shownWording(declared), shown) << declared.toStdString();
    EXPECT_EQ(FieldBinder::shownText("a\r\nb\rc"), "a\nb\nc");
}

TEST_F(PaneViewTest, RendersEveryBlockKeepsWidgetsAndModelInStepAndShowsColoursFramesAndFocus) {
    const QString question = "1.  Have you ever been treated as an outpatient?";
    for (const QString& text : QStringList{
             "Test Heading", "Name", "Sex?", "A note with blanks", "Symptoms", "Past 30 days?",
             "In lifetime?", "Experienced serious depression?", "Hallucinations", question})
        ASSERT_NE(labelWithText(text), nullptr) << qPrintable(text);
    EXPECT_EQ(labelWithText(question)->toolTip(), "A question tip");
    // A question bound to a model label follows the label.
    section->setLabel("lblGender", "12.  How many   pregnancies?");
    EXPECT_EQ(widget<QLabel>("lblGender")->text(), "12.  How many pregnancies?");
    // A highlighted table row is red, with its tip.
    QLabel* redRow = labelWithText("Hallucinations");
    EXPECT_EQ(redRow->toolTip(), "Seeing things");
    EXPECT_EQ(redRow->palette().color(QPalette::WindowText), kRed);
    EXPECT_NE(labelWithText("Symptoms")->palette().color(QPalette::WindowText), kRed);
    EXPECT_EQ(widget<QRadioButton>("optSex1")->text(), "Female");
    EXPECT_EQ(widget<QLineEdit>("txtName")->toolTip(), "Up to five letters");
    EXPECT_EQ(widget<QCheckBox>("chkSkip")->text(), "Skip page 1");
    EXPECT_EQ(widget<QGroupBox>("fmeWork")->title(), "Work");
    EXPECT_EQ(pane->button("cmdBackV(0)"), nullptr);
    // The pane in an active window, so that focus events are real.
    pane->show();
    pane->Start();
    QApplication::setActiveWindow(pane.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(pane.get()));
    auto* name = widget<QLineEdit>("txtName");
    EXPECT_TRUE(QTest::qWaitFor([&] { return name->hasFocus(); }));
    QTest::mouseClick(name, Qt::LeftButton);
    settle();
    EXPECT_EQ(section->nameClicks, 1);
    // A longer text the program puts in (a file written elsewhere) is kept as edited.
    section->setText("txtName", "Bartholomew");
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(section->text("txtName"), "Bartholome");
    auto* comments = widget<QPlainTextEdit>("txtComments");
    comments->setFocus();
    QTest::keyClicks(comments, "one");
    QTest::keyClick(comments, Qt::Key_Return);
    QTest::keyClicks(comments, "two");
    EXPECT_EQ(section->text("txtComments"), "one\r\ntwo");
    section->setText("txtComments", "a\r\nb");
    EXPECT_EQ(comments->toPlainText(), "a\nb");
    // Option buttons: a click chooses and runs the rules once; a click on the
    // chosen button does nothing; a reset clears the group on screen too.
    auto* male = widget<QRadioButton>("optSex0");
    QTest::mouseClick(male, Qt::LeftButton);
    EXPECT_EQ(section->choice("optSex"), 0);
    QTest::mouseClick(male, Qt::LeftButton);
    EXPECT_TRUE(section->sexClicks == 1 && male->isChecked());
    section->clearOption("optSex");
    EXPECT_FALSE(male->isChecked() || widget<QRadioButton>("optSex1")->isChecked());
    // Each element of an array is a group of its own.
    QTest::mouseClick(widget<QRadioButton>("optRow1(0)"), Qt::LeftButton);
    QTest::mouseClick(widget<QRadioButton>("optRow0(1)"), Qt::LeftButton);
    EXPECT_TRUE(widget<QRadioButton>("optRow1(0)")->isChecked() &&
                section->choice(arr("optRow", 0)) == 1 && section->choice(arr("optRow", 1)) == 0);
    auto* level = widget<QComboBox>("cboLevel");
    EXPECT_EQ(level->currentIndex(), -1);
    level->setFocus();
    QTest::keyClick(level, Qt::Key_Down);
    EXPECT_EQ(section->position("cboLevel"), 0);
    section->setPosition("cboLevel", 1);
    EXPECT_EQ(level->currentIndex(), 1);
    section->setItems("cboLevel", {"One", "Two", "Three"});
    EXPECT_TRUE(level->count() == 3 && level->currentIndex() == -1);
    auto* skip = widget<QCheckBox>("chkSkip");
    QTest::mouseClick(skip, Qt::LeftButton);
    EXPECT_EQ(section->checkState("chkSkip"), CheckState::Ticked);
    section->setCheck("chkSkip", CheckState::Grey);
    EXPECT_EQ(skip->checkState(), Qt::PartiallyChecked);
    section->setCheck("chkSkip", CheckState::Clear);
    EXPECT_FALSE(skip->isChecked());
    // The not-applicable red is what the person sees on the disabled box.
    const auto middle = [](QWidget* w, int x) {
        const QImage shot = w->grab().toImage();
        return shot.pixelColor(shot.width() / x, shot.height() / 2);
    };
    auto* work = widget<QLineEdit>("txtWork");
    QTest::mouseClick(male, Qt::LeftButton);  // rule: clear txtWork
    EXPECT_TRUE(!work->isEnabled() && middle(work, 2) == kRed);
    QTest::mouseClick(widget<QRadioButton>("optSex1"), Qt::LeftButton);  // rule: open txtWork
    EXPECT_TRUE(work->isEnabled() && middle(work, 2) != kRed);
    // A list shows the same red, not a shade the style makes of it.
    section->setBackground("cboLevel", Background::NotApplicable);
    section->setEnabled("cboLevel", false);
    EXPECT_EQ(middle(widget<QComboBox>("cboLevel"), 3), kRed);
    section->setEnabled("cboLevel", true);
    // The highlight of a comment button: blue.
    section->setBackground(arr("optRow", 0), Background::Highlighted);
    auto* row = widget<QRadioButton>("optRow0(0)");
    EXPECT_TRUE(row->autoFillBackground() &&
                row->palette().color(QPalette::Window) == QColor(0, 0, 255));
    section->setBackground(arr("optRow", 0), Background::Normal);
    EXPECT_FALSE(row->autoFillBackground());
    // A disabled frame disables its group box and the boxes in it.
    section->setFrameEnabled("fmeWork", false);
    EXPECT_FALSE(widget<QGroupBox>("fmeWork")->isEnabled() || work->isEnabled());
    section->setFrameEnabled("fmeWork", true);
    EXPECT_TRUE(work->isEnabled() && !widget<QLineEdit>("txtBlocked")->isEnabled());
    // Requests for a disabled field or one on a hidden page are not carried out.
    const auto focusTaken = [&](const QString& id) {
        pane->focusField(id);
        settle();
        return widget<QWidget>(id)->hasFocus();
    };
    EXPECT_FALSE(focusTaken("txtBlocked"));
    EXPECT_TRUE(focusTaken("txtDays"));
    // The wheel turns only a list that has the focus.
    const auto wheel = [level] {
        QWheelEvent event(QPointF(5, 5), level->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(level, &event);
    };
    wheel();
    EXPECT_EQ(section->position("cboLevel"), -1);
    level->setFocus(Qt::MouseFocusReason);
    settle();
    wheel();
    EXPECT_NE(section->position("cboLevel"), -1);
    pane->next();
    pane->button("cmdNextV(1)")->setFocus();
    EXPECT_FALSE(focusTaken("txtDays"));
    pane->goTo(7);  // no such page
    EXPECT_EQ(pane->currentPage(), 1);
}

TEST(Twips, RoundingConversionAndTheLayoutRules) {
    using namespace twips;
    // Ties to even; out of range saturates.
    const std::pair<double, int> cases[] = {
        {552.5, 552},  {553.5, 554}, {-0.5, 0},      {-1.5, -2},
        {183.51, 184}, {1e9, 32767}, {-1e9, -32768}, {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(nearest(value), rounded) << value;
    // A main window of 12000 x 8500 twips: 0.065 x 8500 = 552.5 is taken as 552.
    const Size resized = FrameResize(8500, 12000);
    EXPECT_EQ((QList<double>{resized.height, resized.width}), (QList<double>{7948, 11892}));
    // A 1366 x 738 work area is 20490 x 11070 twips: 442.8 and 184.41 off; 4.5 takes 4.
    const auto sides = [](Rect r) { return QList<double>{r.top, r.left, r.height, r.width}; };
    EXPECT_EQ(sides(FrameSettings(11070, 20490)), (QList<double>{0, 0, 11070 - 443, 20490 - 184}));
    EXPECT_DOUBLE_EQ(FrameSettings(0, 500).width, 496);
    EXPECT_EQ(sides(PaneSettings(450, 0, 11070, 20490)), (QList<double>{450, 0, 21070, 30490}));
    // 8500 twips are 566.67 pixels; a missing resolution falls back to 96.
    EXPECT_EQ((QList<int>{toPixels(1440, 96), toPixels(8500, 96), toPixels(12000, 120),
                          toPixels(1440, 0)}),
              (QList<int>{96, 567, 1000, 96}));
    EXPECT_EQ((QList<double>{fromPixels(96, 96), fromPixels(738, 96), fromPixels(96, 0)}),
              (QList<double>{1440, 11070, 1440}));
}

}  // namespace
}  // namespace yrn::test
