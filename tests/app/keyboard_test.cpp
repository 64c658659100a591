// The keyboard: date boxes, Tab and the focus, Enter, shortcuts, page keys, Alt
// keys no button takes, the limit note, list type-ahead, the drug comments.

#include "app/AppFixture.h"
#include "sections/drugs/DrugsClient.h"

namespace yrn::test {
namespace {

class KeyboardTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        activate();
    }
    DrugsSection& drugs() { return *window->interview().find<DrugsSection>(); }
    // The "Comments" button of a drug row, and a click on it as a person would click.
    QRadioButton* commentButton(int row) {
        return window->pane("Drugs")->binder().optionButtons(arr("optDrugComments", row)).value(0);
    }
    void clickComments(int row) {
        window->view(4);
        QTest::mouseClick(commentButton(row), Qt::LeftButton, {},
                          commentButton(row)->rect().center());
        ASSERT_TRUE(window->drugCommentDialog()->isVisible());
    }
    void typeComment(const QString& text) {
        window->drugCommentDialog()->textBox()->selectAll();
        QTest::keyClicks(window->drugCommentDialog()->textBox(), text);
    }
    // The comment dialog is gone and the main window can be used again.
    bool closedAndEnabled() {
        return !window->drugCommentDialog()->isVisible() && window->isEnabled() &&
               !drugs().commentDialog().isOpen();
    }
    QString comment(int row) { return drugs().text(arr("txtDrugComments", row)); }
};

TEST_F(KeyboardTest, DateBoxesPageKeysEnterAltKeysAndShortcuts) {
    ASSERT_TRUE(focusComesTo(box("txtAssessmentDate1")));
    // "13" fills the month box, the focus moves on, and leaving the box refuses it.
    keys("13");
    EXPECT_EQ(prompts.titles(), QStringList{"Input Error"});
    EXPECT_EQ(box("txtAssessmentDate1")->text(), "");
    ASSERT_TRUE(focusComesTo(box("txtAssessmentDate1")));
    // "2" then Tab becomes "02"; the day and the year follow by themselves.
    keys("2");
    tab();
    EXPECT_EQ(box("txtAssessmentDate1")->text(), "02");
    EXPECT_EQ(focus(), box("txtAssessmentDate2"));
    keys("30");
    EXPECT_EQ(focus(), box("txtAssessmentDate3"));
    keys("2001");
    tab();
    // The impossible date sends the focus back to the month, selected for retyping.
    EXPECT_EQ(prompts.titles(), (QStringList{"Input Error", "Incorrect Date"}));
    ASSERT_TRUE(focusComesTo(box("txtAssessmentDate1")));
    EXPECT_EQ(box("txtAssessmentDate1")->selectedText(), "02");
    keys("03");
    EXPECT_EQ(locator().text("txtAssessmentDate1"), "03");
    ASSERT_EQ(focus(), box("txtAssessmentDate2"));
    EXPECT_EQ(box("txtAssessmentDate2")->selectedText(), "30");
    keys("14");
    EXPECT_EQ(focus(), box("txtAssessmentDate3"));
    EXPECT_EQ(prompts.boxes.size(), 2) << lastBox(prompts).toStdString();
    // An Alt key no button takes types nothing.
    typeInto("txtInterviewer", "Pat");
    key(Qt::Key_J, Qt::AltModifier);
    key(Qt::Key_A);
    EXPECT_EQ(locator().text("txtInterviewer"), "Pata");
    // Page Down and Page Up turn the page from a box, as the buttons' keys would,
    // and from a list without changing its answer; Enter on a button presses it.
    window->findChild<QComboBox*>("cboSite")->setFocus();
    key(Qt::Key_PageDown);
    EXPECT_TRUE(QTest::qWaitFor([&] { return where() == "LocatorInformation:1"; }));
    EXPECT_TRUE(focusComesTo(box("txtMStreetAddress")));  // every page starts in its first answer
    EXPECT_EQ(locator().position("cboSite"), -1);
    QTest::mouseClick(box("txtPhone"), Qt::LeftButton);
    key(Qt::Key_PageUp);
    EXPECT_TRUE(QTest::qWaitFor([&] { return where() == "LocatorInformation:0"; }));
    current()->button("cmdNextL(0)")->setFocus();
    key(Qt::Key_Return);
    EXPECT_EQ(where(), "LocatorInformation:1");
    current()->button("cmdNextL(1)")->setFocus();
    key(Qt::Key_PageUp, Qt::ShiftModifier);
    key(Qt::Key_PageDown);
    EXPECT_TRUE(QTest::qWaitFor([&] { return where() == "LocatorInformation:2"; }));
    for (int i = 0; i < 10 && currentPage() != locator().lastPage(); ++i)
        current()->next();
    // Alt+N pressed once too often on a pane's last page adds no "n" to a comment.
    auto* comment = window->findChild<QPlainTextEdit*>("txtLocationInformation");
    EXPECT_TRUE(focusComesTo(comment));
    keys("ok");
    key(Qt::Key_N, Qt::AltModifier);
    key(Qt::Key_N, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(locator().text("txtLocationInformation"), "ok");
    current()->next();
    EXPECT_TRUE(focusComesTo(box("txtBDateMonth")));  // and the next pane's
    typeClient();
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith("Saved to "));
    key(Qt::Key_F1);
    EXPECT_EQ(opener.opened.value(0), program + "/YRN Help Files/YRN Introduction.doc");
    locator().setText("txtCity", "Springfield");
    prompts.clear();
    prompts.answerSave({Prompts::SaveChoice::Cancel});
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(prompts.titles(), QStringList{"Unsaved Answers"});
    EXPECT_EQ(locator().text("txtCity"), "Springfield");
}

TEST_F(KeyboardTest, ABoxSaysWhatItsLimitLeavesOut) {
    QSignalSpy notices(&current()->binder(), &FieldBinder::notice);
    const auto said = [&] {
        QStringList out;
        for (const QList<QVariant>& signal : std::as_const(notices))
            out << signal.at(0).toString();
        notices.clear();
        return out.join('\n');
    };
    // A keystroke at the limit of a 25-character name.
    typeInto("txtLastName", QString(25, 'a') + "b");
    EXPECT_EQ(locator().text("txtLastName"), QString(25, 'a'));
    EXPECT_EQ(said(), "This answer holds at most 25 characters");
    EXPECT_EQ(QToolTip::text(), "This answer holds at most 25 characters");
    EXPECT_EQ(window->statusBar()->currentMessage(), "This answer holds at most 25 characters");
    // A paste over a selection: the selection makes room, the line break stays and
    // counts, what fits goes in, and undo takes the paste back.
    typeInto("txtStreetAddress", "1423 Elm St");
    QLineEdit* street = box("txtStreetAddress");
    street->setSelection(9, 2);
    QApplication::clipboard()->setText("Street, Apartment 3B, rear entrance\nby the gate");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(locator().text("txtStreetAddress"),
              "1423 Elm Street, Apartment 3B, rear entrance\nby th");
    EXPECT_EQ(said(),
              "This answer holds at most 50 characters: the last 6 characters of the pasted "
              "text were left out.");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(locator().text("txtStreetAddress"), "1423 Elm St");
    street->selectAll();
    QApplication::clipboard()->setText(QString(49, 'x') + "yz");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(said().endsWith("the last character of the pasted text was left out."));
    // A drop of which nothing fits.
    street->setText(QString(50, 'x'));
    QMimeData dragged;
    dragged.setText("1234567");
    const QPoint end(street->width() - 4, 5);
    QDragEnterEvent enter(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(street, &enter);
    QDropEvent drop(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(street, &drop);
    EXPECT_EQ(street->text(), QString(50, 'x'));
    EXPECT_EQ(said(), "This answer holds at most 50 characters: the dropped text was left out.");
    // A longer text the program puts in shows whole, without a note.
    locator().setText("txtLastName", QString(30, 'z'));
    settle();
    EXPECT_EQ(box("txtLastName")->text(), QString(30, 'z'));
    EXPECT_EQ(said(), "");
}

// A child row the typed count closes shows empty at once; its answers come back
// when the count does, and go for good once the count is final. A list picks by
// type-ahead and opens only on its keys.
TEST_F(KeyboardTest, ARowTheCountClosesShowsEmptyAndAListPicksByTypeAhead) {
    Section& d = demographic();
    window->view(1);
    current()->goTo(2);
    settle();
    typeInto("txtChildren", "3");
    d.setText(arr("txtChildsDOBY", 2), "2004");
    d.choose(arr("optGender", 2), 1);
    d.setPosition(arr("cboCustody", 2), 2);
    auto* year = box(arr("txtChildsDOBY", 2));
    auto* custody = window->findChild<QComboBox*>(arr("cboCustody", 2));
    auto* female = window->findChild<QRadioButton*>("optGender1(2)");
    ASSERT_TRUE(year && custody && female);
    ASSERT_EQ(focus(), box("txtChildren"));
    key(Qt::Key_Backspace);
    keys("1");
    EXPECT_EQ(year->text(), "");
    EXPECT_EQ(custody->currentIndex(), -1);
    EXPECT_FALSE(female->isChecked() || year->isEnabled());
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
    const QString id = arr("cboCustody", 0);
    auto* list = window->findChild<QComboBox*>(id);
    ASSERT_TRUE(list && list->isEnabled());
    list->setFocus();
    ASSERT_TRUE(focusComesTo(list));
    QSignalSpy picks(list, &QComboBox::activated);
    const auto pause = [] { QTest::qWait(QApplication::keyboardInputInterval() + 100); };
    // The whole text, blanks included, reaches the model; the list stays shut.
    keys("other family member");
    EXPECT_EQ(d.position(id), 2);
    EXPECT_FALSE(list->view()->isVisible());
    // The same letter goes round the items that begin with it.
    pause();
    QList<int> round;
    for (int i = 0; i < 3; ++i) {
        keys("O");
        round << d.position(id);
    }
    EXPECT_EQ(round, (QList<int>{9, 1, 2}));
    // The only item with its letter is chosen once; typed again, nothing fires.
    pause();
    keys("n");
    EXPECT_EQ(d.position(id), 10);
    const qsizetype fired = picks.size();
    pause();
    keys("n");
    EXPECT_EQ(picks.size(), fired);
    // The arrows still move; Alt+Up and an Alt key no button takes do nothing; F4 opens the list.
    key(Qt::Key_Up);
    EXPECT_EQ(d.position(id), 9);
    key(Qt::Key_Up, Qt::AltModifier);
    pause();
    key(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(d.position(id), 9);
    EXPECT_FALSE(list->view()->isVisible());
    key(Qt::Key_F4);
    EXPECT_TRUE(list->view()->isVisible());
    list->hidePopup();
}

// The drug comment dialog: opened by a row's "Comments" button; OK, Cancel, its
// window control, Escape and another client coming close it, the main window
// enabled after every way out.
TEST_F(KeyboardTest, TheCommentDialogKeepsWhatOkTakesAndClosesAsCancelOtherwise) {
    DrugCommentDialog* dialog = window->drugCommentDialog();
    window->view(4);
    drugs().choose(arr("optEverUse", 3), 1);
    settle();
    QRadioButton* button = commentButton(3);
    button->setFocus();
    ASSERT_TRUE(focusComesTo(button));
    key(Qt::Key_Space);
    EXPECT_TRUE(dialog->isVisible() && dialog->isWindow() && dialog->isEnabled());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(dialog->windowTitle() + ": " + dialog->label()->text(),
              "Drug Comments: Crack cocaine comments");
    EXPECT_EQ(dialog->textBox()->toPlainText(), "");
    typeComment("uses daily");
    QTest::keyClick(dialog->textBox(), Qt::Key_Return);  // a new line, not OK
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClicks(dialog->textBox(), "since 2019");
    QTest::keyClick(dialog->textBox(), Qt::Key_N, Qt::AltModifier);  // no button takes it
    dialog->okButton()->setFocus();
    QTest::keyClick(dialog->okButton(), Qt::Key_Return);  // Enter presses OK
    EXPECT_TRUE(closedAndEnabled());
    EXPECT_EQ(comment(3), "uses daily\r\nsince 2019");
    EXPECT_FALSE(button->isChecked());
    EXPECT_EQ(button->palette().color(QPalette::Button), QColor(0, 0, 255));
    // The interviewer goes on with the next substance, not from the top of the page.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isActiveWindow(); }));
    EXPECT_TRUE(focusComesTo(button)) << qPrintable(fieldOf(focus()));
    const std::function<void()> ways[] = {
        [&] { QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton); },
        [&] {
            QCloseEvent close;
            QApplication::sendEvent(dialog, &close);
        },
        [&] { QTest::keyClick(dialog->textBox(), Qt::Key_Escape); },
    };
    for (const auto& way : ways) {
        clickComments(3);
        EXPECT_EQ(dialog->textBox()->toPlainText(), "uses daily\nsince 2019");
        typeComment("not kept");
        way();
        EXPECT_TRUE(closedAndEnabled());
        EXPECT_EQ(comment(3), "uses daily\r\nsince 2019");
        EXPECT_EQ(drugs().choice(arr("optDrugComments", 3)), -1);
    }
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    typeClient();
    drugs().choose(arr("optEverUse", 0), 1);
    writeComment(drugs(), 0, "kept");
    window->saveClient();
    ASSERT_TRUE(QFileInfo::exists(clientFolder() + "/Drugs.YRN"));
    writeComment(drugs(), 5, "of the unsaved client");
    // Load while a comment is being written, on a folder that holds no client:
    // the client stays, the comment dialog is closed all the same.
    window->clientDialog().show();
    clickComments(5);
    typeComment("typed, then Load");
    load(folder.root.path());
    EXPECT_EQ(prompts.titles(), QStringList{"Invalid directory"});
    EXPECT_TRUE(closedAndEnabled());
    EXPECT_EQ(comment(5), "of the unsaved client");
    // On the saved client, the unsaved one let go.
    clickComments(5);
    typeComment("typed for the old client");
    prompts.clear();
    prompts.answerSave({Prompts::SaveChoice::DontSave});
    load(clientFolder());
    EXPECT_EQ(prompts.titles(), QStringList{"Unsaved Answers"});
    EXPECT_TRUE(closedAndEnabled());
    EXPECT_EQ(comment(0), "kept");
    EXPECT_EQ(comment(5), "");
    // The open-client dialog's window control leaves the main window disabled
    // while a comment is up; New Assessment closes the comment first.
    clickComments(0);
    window->clientDialog().show();
    QCloseEvent close;
    QApplication::sendEvent(&window->clientDialog(), &close);
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(dialog->isVisible());
    window->clientDialog().offerNewAssessment(true);
    window->clientDialog().show();
    typeComment("typed, then New Assessment");
    window->clientDialog().newButton()->click();
    EXPECT_TRUE(closedAndEnabled());
    EXPECT_EQ(comment(0), "kept");
}

}  // namespace
}  // namespace yrn::test
