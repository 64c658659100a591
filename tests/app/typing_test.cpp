// An interviewer types a client into the real window: the keyboard starts in the
// first answer of every page, the date boxes advance by themselves, a one-digit
// month gets its leading zero, a month out of range is refused with the "Input
// Error" box and the focus back in the box, and Tab follows the questionnaire.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>

#include "app/DrugCommentDialog.h"
#include "app/FieldBinder.h"
#include "app/TypingFixture.h"

namespace yrn::test {
namespace {

TEST_F(TypingTest, DateBoxesAdvancePadAndRefuseAsAPersonTypes) {
    Section& l = locator();

    // "13" fills the month box, the focus moves on, and leaving the box refuses it.
    typeInto("txtAssessmentDate1", "13");
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(lastBox(prompts),
              "Critical|Input Error|Invalid data range or type!\r\n"
              "Must be a numeric value between 0 and 12");
    EXPECT_EQ(l.text("txtAssessmentDate1"), "");
    EXPECT_EQ(box("txtAssessmentDate1")->text(), "");
    EXPECT_EQ(focus(), box("txtAssessmentDate1"));

    // "5" then Tab becomes "05"; the day and the year follow.
    keys("5");
    tab();
    EXPECT_EQ(l.text("txtAssessmentDate1"), "05");
    EXPECT_EQ(box("txtAssessmentDate1")->text(), "05");
    EXPECT_EQ(focus(), box("txtAssessmentDate2"));
    keys("07");
    EXPECT_EQ(focus(), box("txtAssessmentDate3"));
    keys("2001");
    tab();
    EXPECT_EQ(l.text("txtAssessmentDate3"), "2001");
    EXPECT_EQ(prompts.boxes.size(), 1);  // a valid date: no further box

    // The hour box pads and advances the same way.
    typeInto("txtTime1", "9");
    tab();
    EXPECT_EQ(l.text("txtTime1"), "09");
    EXPECT_EQ(focus(), box("txtTime2"));

    // An impossible date is named when the year box is left, and the focus goes
    // back to the month; the values stay for the interviewer to correct.
    typeInto("txtAssessmentDate1", "02");
    typeInto("txtAssessmentDate2", "30");
    QTest::mouseClick(box("txtAssessmentDate3"), Qt::LeftButton);
    settle();
    tab();
    EXPECT_EQ(prompts.boxes.size(), 2);
    EXPECT_EQ(lastBox(prompts),
              "Critical|Incorrect Date|Invalid assessment date!!\r\n"
              "Please check months and dates and change.");
    EXPECT_EQ(focus(), box("txtAssessmentDate1"));
    EXPECT_EQ(l.text("txtAssessmentDate2"), "30");

    typeInto("txtLastName", "Doe");
    typeInto("txtFirstName", "Jane");
    EXPECT_EQ(window->interview().identity().YRNDirectory(), "DoeJane02-30-2001");
}

// From "New Assessment" on, the keyboard alone fills page 0 of the locator, moves
// on with the access keys, and types the birth date in one go.
TEST_F(TypingTest, AClientIsTypedWithTheKeyboardAlone) {
    ASSERT_TRUE(focusComesTo("txtAssessmentDate1"));
    keys("05");
    keys("07");
    keys("2001");
    tab();
    keys("9");
    tab();
    keys("30");
    tab();
    key(Qt::Key_Space);  // AM
    tab();
    keys("Pat Interviewer");
    tab();
    key(Qt::Key_Down);  // the first court site
    tab();
    for (const char* text :
         {"Doe", "Jane", "Q", "1423 Elm Street, Apt 4B", "Springfield", "MA", "01103", "4"}) {
        keys(text);
        tab();
    }
    key(Qt::Key_Space);  // No: the residence is not owned
    EXPECT_TRUE(shows(locator(),
                      {"txtAssessmentDate1=05", "txtAssessmentDate2=07", "txtAssessmentDate3=2001",
                       "txtTime1=09", "txtTime2=30", "optAMPM=0", "txtInterviewer=Pat Interviewer",
                       "txtLastName=Doe", "txtFirstName=Jane", "txtMI=Q",
                       "txtStreetAddress=1423 Elm Street, Apt 4B", "txtCity=Springfield",
                       "txtState=MA", "txtZipCode=01103", "txtCurrAddressLen=4", "optOwnRes=0"}));
    EXPECT_EQ(locator().position("cboSite"), 0);
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();

    // Every page starts with the keyboard in its first answer.
    press("cmdNextL(0)");
    EXPECT_EQ(where(), "LocatorInformation:1");
    EXPECT_EQ(focus(), box("txtMStreetAddress"));
    for (int page = 1; page <= 3; ++page)
        press(QStringLiteral("cmdNextL(%1)").arg(page));
    EXPECT_EQ(where(), "LocatorInformation:4");
    EXPECT_EQ(fieldOf(focus()), "txtLocationInformation");
    press("cmdNextL(4)");
    EXPECT_EQ(where(), "Demographic:0");
    EXPECT_EQ(focus(), box("txtBDateMonth"));

    // Month, day and year typed in a row all land.
    keys("03");
    keys("14");
    keys("1988");
    tab();
    EXPECT_TRUE(shows(demographic(), {"txtBDateMonth=03", "txtBDateDay=14", "txtBDateYear=1988"}));
    EXPECT_EQ(focus(), box("txtSSN"));
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
}

// A value sent back for correction is selected, so what is typed replaces it.
TEST_F(TypingTest, ARefusedValueIsReplacedByRetyping) {
    ASSERT_TRUE(focusComesTo("txtAssessmentDate1"));
    keys("02");
    keys("30");
    keys("2001");
    tab();
    EXPECT_EQ(prompts.titles(), QStringList{"Incorrect Date"});
    ASSERT_EQ(focus(), box("txtAssessmentDate1"));
    EXPECT_EQ(focusedBox()->selectedText(), "02");
    keys("03");
    EXPECT_EQ(locator().text("txtAssessmentDate1"), "03");
    ASSERT_EQ(focus(), box("txtAssessmentDate2"));
    EXPECT_EQ(focusedBox()->selectedText(), "30");
    keys("14");
    EXPECT_EQ(locator().text("txtAssessmentDate2"), "14");
    EXPECT_EQ(focus(), box("txtAssessmentDate3"));

    // A month out of range: emptied, the focus back, and the next try lands.
    window->view(1);
    ASSERT_TRUE(focusComesTo("txtBDateMonth"));
    keys("13");
    EXPECT_EQ(prompts.titles(), (QStringList{"Incorrect Date", "Input Error"}));
    ASSERT_EQ(focus(), box("txtBDateMonth"));
    keys("12");
    EXPECT_EQ(demographic().text("txtBDateMonth"), "12");
    EXPECT_EQ(focus(), box("txtBDateDay"));
}

// An Alt key that no button or menu takes types nothing into a box, one-line or
// comment: Alt+N pressed once too often on a pane's last page adds no "n".
TEST_F(TypingTest, AnAltKeyNoButtonTakesTypesNothing) {
    typeInto("txtInterviewer", "Pat");
    key(Qt::Key_J, Qt::AltModifier);
    EXPECT_EQ(locator().text("txtInterviewer"), "Pat");
    key(Qt::Key_A);
    EXPECT_EQ(locator().text("txtInterviewer"), "Pata");

    for (int i = 0; i < 10 && currentPage() != locator().lastPage(); ++i)
        current()->next();
    auto* comment = window->findChild<QPlainTextEdit*>("txtLocationInformation");
    ASSERT_NE(comment, nullptr);
    QTest::mouseClick(comment->viewport(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return focus() == static_cast<QWidget*>(comment); }));
    keys("ok");
    key(Qt::Key_N, Qt::AltModifier);
    key(Qt::Key_N, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(locator().text("txtLocationInformation"), "ok");
}

// Tab visits the answers of a page in the order the questionnaire declares them,
// then the page's buttons, and comes round to the first answer with no stop that
// shows nothing in between.
TEST_F(TypingTest, TabFollowsTheDeclaredOrderOfThePage) {
    ASSERT_TRUE(focusComesTo("txtAssessmentDate1"));
    const Page* page = locator().page(0);
    ASSERT_NE(page, nullptr);
    QStringList expected;
    for (const QString& id : page->fields())
        if (locator().usable(id)) expected << id;
    expected << page->nextButton << expected.first();

    QStringList visited{fieldOf(focus())};
    for (int i = 0; i < 60 && visited.size() < expected.size(); ++i) {
        tab();
        if (fieldOf(focus()) != visited.last()) visited << fieldOf(focus());
    }
    EXPECT_EQ(visited, expected);
}

// The pixels of a widget's outer edge, where a focus frame shows.
QList<QRgb> edge(QWidget* w) {
    const QImage image = w->grab().toImage();
    QList<QRgb> out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (x < 2 || y < 2 || x >= image.width() - 2 || y >= image.height() - 2)
                out << image.pixel(x, y);
    return out;
}

// Every stop of the Tab key looks different while it has the focus: boxes, lists
// and comment boxes at their frame, option buttons, check boxes and buttons as a
// whole.
TEST_F(TypingTest, EveryTabStopShowsTheFocus) {
    ASSERT_TRUE(focusComesTo("txtAssessmentDate1"));
    QStringList blind;
    QStringList seen;
    // Tabs once round the page on screen, comparing each stop with and without the focus.
    const auto round = [&] {
        QWidget* first = focus();
        for (int i = 0; i < 60; ++i) {
            QWidget* w = focus();
            ASSERT_NE(w, nullptr);
            const bool whole = qobject_cast<QAbstractButton*>(w) != nullptr;
            const QImage focusedImage = w->grab().toImage();
            const QList<QRgb> focusedEdge = edge(w);
            tab();
            const bool same = whole ? w->grab().toImage() == focusedImage : edge(w) == focusedEdge;
            if (same) blind << fieldOf(w);
            seen << w->metaObject()->className();
            if (focus() == first) return;
        }
    };
    round();
    for (int page = 1; page <= 4; ++page)
        current()->next();
    settle();
    ASSERT_EQ(where(), "LocatorInformation:4");
    round();
    demographic().choose("optOtherChildren", 1);
    demographic().setCheck("chkD1", CheckState::Ticked);
    window->view(1);
    for (int page = 1; page <= 3; ++page)
        current()->next();
    settle();
    ASSERT_EQ(where(), "Demographic:3");
    round();
    EXPECT_TRUE(blind.isEmpty()) << qPrintable(blind.join(", "));
    // Every kind of answer and the buttons were among the stops.
    for (const char* kind :
         {"QLineEdit", "QPlainTextEdit", "QRadioButton", "QComboBox", "QCheckBox", "QPushButton"})
        EXPECT_TRUE(seen.contains(kind)) << kind;
}

// The focus the program gives the first answer of a page shows at once, before
// any Tab: an option button there shows its frame.
TEST_F(TypingTest, TheFirstAnswerOfAPageShowsItsFocusAtOnce) {
    window->view(2);
    current()->next();
    settle();
    QRadioButton* radio = nullptr;
    for (int i = 0; i < 50 && !radio; ++i) {
        radio = qobject_cast<QRadioButton*>(focus());
        if (!radio) QTest::qWait(10);
    }
    ASSERT_NE(radio, nullptr) << qPrintable(where());
    const QImage focused = radio->grab().toImage();
    radio->clearFocus();
    settle();
    EXPECT_NE(radio->grab().toImage(), focused);
}

// A child row the typed count closes shows empty at once; its answers come back
// when the count does, and go for good once the count is final.
TEST_F(TypingTest, ARowTheCountClosesShowsEmptyAtOnce) {
    Section& d = demographic();
    toChildrenPage("3");
    d.setText(arr("txtChildsDOBY", 2), "2004");
    d.choose(arr("optGender", 2), 1);
    d.setPosition(arr("cboCustody", 2), 2);
    auto* year = box(arr("txtChildsDOBY", 2));
    auto* custody = window->findChild<QComboBox*>(arr("cboCustody", 2));
    auto* female = window->findChild<QRadioButton*>("optGender1(2)");
    ASSERT_TRUE(year && custody && female);
    EXPECT_EQ(year->text(), "2004");
    ASSERT_EQ(focus(), box("txtChildren")) << qPrintable(fieldOf(focus()));

    key(Qt::Key_Backspace);
    keys("1");
    EXPECT_EQ(year->text(), "");
    EXPECT_EQ(custody->currentIndex(), -1);
    EXPECT_FALSE(female->isChecked());
    EXPECT_FALSE(year->isEnabled());
    EXPECT_EQ(d.text(arr("txtChildsDOBY", 2)), "2004");  // kept while the count is typed

    key(Qt::Key_Backspace);
    keys("3");
    EXPECT_EQ(year->text(), "2004");
    EXPECT_EQ(custody->currentIndex(), 2);
    EXPECT_TRUE(female->isChecked());

    key(Qt::Key_Backspace);
    keys("1");
    tab();  // the count is final
    EXPECT_EQ(d.text(arr("txtChildsDOBY", 2)), "");
    EXPECT_EQ(year->text(), "");
}

// Back from the comment dialog the keyboard is on the row's "Comments" button, so
// the interviewer goes on with the next substance, not from the top of the page.
TEST_F(TypingTest, TheCommentDialogGivesTheKeyboardBackToItsRow) {
    window->view(4);
    settle();
    Section& drugs = current()->section();
    drugs.choose(arr("optEverUse", 3), 1);
    settle();
    QRadioButton* button = current()->binder().optionButtons(arr("optDrugComments", 3)).value(0);
    ASSERT_NE(button, nullptr);
    button->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return focus() == static_cast<QWidget*>(button); }));
    key(Qt::Key_Space);
    DrugCommentDialog* dialog = window->drugCommentDialog();
    ASSERT_TRUE(dialog && dialog->isVisible());
    QTest::keyClicks(dialog->textBox(), "weekends");
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    settle();
    EXPECT_EQ(drugs.text(arr("txtDrugComments", 3)), "weekends");
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isActiveWindow(); }));
    settle();
    EXPECT_EQ(focus(), static_cast<QWidget*>(button))
        << (focus() ? focus()->objectName().toStdString() : "no focus");
}

}  // namespace
}  // namespace yrn::test
