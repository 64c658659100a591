#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace yrn {

class DrugCommentDialogModel;

// The comment dialog "Drug Comments" (frmDialogDrugComments) on screen: the
// substance's label, its comment to edit, OK and Cancel. A window of its own,
// not a child of the main window, so that it stays usable while the main window
// is disabled behind it. It shows whatever the model opens, keeps the main window
// disabled while it is up and enables it again however it closes; the window's
// close control and Escape act as Cancel.
class DrugCommentDialog : public QDialog {
    Q_OBJECT
  public:
    DrugCommentDialog(DrugCommentDialogModel& model, QWidget& mainWindow);
    ~DrugCommentDialog() override;

    QPlainTextEdit* textBox() const { return text_; }
    QLabel* label() const { return label_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    void reject() override;

  private:
    void follow();

    DrugCommentDialogModel& model_;
    QWidget& main_;
    int observer_ = 0;
    QLabel* label_;
    QPlainTextEdit* text_;
    QPushButton* ok_;
    QPushButton* cancel_;
    // Where the keyboard was in the main window when the dialog opened (the row's
    // "Comments" button); it goes back there when the dialog closes.
    QPointer<QWidget> returnTo_;
};

}  // namespace yrn
