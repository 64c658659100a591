// The drug comment dialog on screen: opened by a row's "Comments" button, OK,
// Cancel, its window control and Escape, and the open-client dialog of start-up
// pressed while it is up. The main window is enabled after every way out.
#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "AppFixture.h"
#include "app/ClientDialog.h"
#include "app/DrugCommentDialog.h"
#include "app/FieldBinder.h"
#include "sections/drugs/DrugsClient.h"

namespace yrn::test {
namespace {

class DrugCommentDialogTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        window->view(4);
        ASSERT_EQ(where(), "Drugs:0");
        dialog = window->drugCommentDialog();
        ASSERT_NE(dialog, nullptr);
    }
    DrugsSection& drugs() { return *window->interview().find<DrugsSection>(); }
    // The "Comments" button of a row, clicked as a person would.
    QRadioButton* commentButton(int row) {
        const auto buttons =
            window->pane("Drugs")->binder().optionButtons(arr("optDrugComments", row));
        return buttons.isEmpty() ? nullptr : buttons.first();
    }
    void clickComments(int row) {
        QRadioButton* button = commentButton(row);
        ASSERT_TRUE(button && button->isVisible() && button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    void typeComment(const QString& text) {
        dialog->textBox()->selectAll();
        QTest::keyClicks(dialog->textBox(), text);
    }
    // The comment dialog is gone and the main window can be used again.
    ::testing::AssertionResult closedAndEnabled() {
        if (dialog->isVisible()) return ::testing::AssertionFailure() << "dialog still up";
        if (!window->isEnabled()) return ::testing::AssertionFailure() << "window disabled";
        if (drugs().commentDialog().isOpen())
            return ::testing::AssertionFailure() << "dialog still open in the model";
        return ::testing::AssertionSuccess();
    }
    QString comment(int row) { return drugs().text(arr("txtDrugComments", row)); }
    // Row 0 used, with the comment "kept".
    void writeKeptComment() {
        drugs().choose(arr("optEverUse", 0), 1);
        writeComment(drugs(), 0, "kept");
        ASSERT_TRUE(closedAndEnabled());
    }

    DrugCommentDialog* dialog = nullptr;
};

TEST_F(DrugCommentDialogTest, OkReturnsTheTypedCommentAndTurnsTheButtonBlue) {
    drugs().choose(arr("optEverUse", 3), 1);
    clickComments(3);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isWindow());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(dialog->isEnabled());
    EXPECT_EQ(dialog->windowTitle(), "Drug Comments");
    EXPECT_EQ(dialog->label()->text(), "Crack cocaine comments");
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
    EXPECT_TRUE(drugs().commentIndicator(3));
    QRadioButton* button = commentButton(3);
    EXPECT_FALSE(button->isChecked());
    EXPECT_EQ(button->palette().color(QPalette::Button), QColor(0, 0, 255));

    // Opened again, it shows the stored comment.
    clickComments(3);
    EXPECT_EQ(dialog->textBox()->toPlainText(), "uses daily\nsince 2019");
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    EXPECT_TRUE(closedAndEnabled());
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(DrugCommentDialogTest, CancelTheWindowControlAndEscapeKeepTheStoredComment) {
    writeKeptComment();
    clickComments(0);
    typeComment("not kept");
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    EXPECT_TRUE(closedAndEnabled());
    EXPECT_EQ(comment(0), "kept");
    EXPECT_TRUE(drugs().commentIndicator(0));
    EXPECT_EQ(drugs().choice(arr("optDrugComments", 0)), -1);

    clickComments(0);
    typeComment("not kept either");
    QCloseEvent close;
    QApplication::sendEvent(dialog, &close);
    EXPECT_TRUE(closedAndEnabled());
    EXPECT_EQ(comment(0), "kept");

    clickComments(0);
    typeComment("nor this");
    QTest::keyClick(dialog->textBox(), Qt::Key_Escape);
    EXPECT_TRUE(closedAndEnabled());
    EXPECT_EQ(comment(0), "kept");
    EXPECT_EQ(drugs().choice(arr("optDrugComments", 0)), -1);
}

TEST_F(DrugCommentDialogTest, TheOpenClientDialogClosesItAsCancelBeforeAnotherClientComes) {
    ASSERT_TRUE(window->clientDialog().isVisible());  // still up from start-up
    ASSERT_TRUE(hasTemplate);
    typeClient();
    writeKeptComment();
    window->saveClient();
    ASSERT_TRUE(QFileInfo::exists(clientFolder() + "/Drugs.YRN"));
    window->view(4);
    writeComment(drugs(), 5, "of the unsaved client");

    // Load Assessment while a comment is being written, on a folder that holds
    // no client: the client stays, the comment dialog is closed all the same.
    clickComments(5);
    typeComment("typed, then Load");
    window->clientDialog().setCurrentFolder(folder.root.path());
    window->clientDialog().loadButton()->click();
    EXPECT_EQ(lastBox(prompts).section('|', 1, 1), "Invalid directory");
    prompts.clear();
    EXPECT_TRUE(closedAndEnabled());
    EXPECT_EQ(comment(5), "of the unsaved client");
    window->view(4);

    // On the saved client, the unsaved one let go.
    clickComments(5);
    typeComment("typed for the old client");
    window->clientDialog().setCurrentFolder(clientFolder());
    prompts.answerSave({Prompts::SaveChoice::DontSave});
    window->clientDialog().loadButton()->click();
    EXPECT_EQ(prompts.titles(), QStringList{"Unsaved Answers"});
    prompts.clear();
    EXPECT_TRUE(closedAndEnabled());
    EXPECT_EQ(comment(0), "kept");
    EXPECT_EQ(comment(5), "");
    EXPECT_FALSE(drugs().commentIndicator(5));
    window->view(4);

    // The window control of the open-client dialog leaves the main window
    // disabled while a comment is up; New Assessment closes the comment first.
    window->fileAction("mnuOpenClient")->trigger();
    window->clientDialog().cancelButton()->click();
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
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
}

}  // namespace
}  // namespace yrn::test
