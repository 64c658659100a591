#pragma once

#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace yrn {

class DrugsSection;

// What the comment dialog "Drug Comments" (frmDialogDrugComments) does, without
// its widgets: it is opened with one substance row's comment and label, keeps the
// index of that row while it is up, and ends with OK (the edited comment goes back
// to the row) or Cancel (the row keeps its comment). The window shows it while it
// is open and keeps the main window disabled meanwhile; every way it closes lets
// the window enable the main window again.
class DrugCommentDialogModel {
  public:
    explicit DrugCommentDialogModel(DrugsSection& pane) : pane_(pane) {}
    DrugCommentDialogModel(const DrugCommentDialogModel&) = delete;
    DrugCommentDialogModel& operator=(const DrugCommentDialogModel&) = delete;

    // Opens the dialog on row DIndex: its comment and the caption of its label.
    // A dialog that is still up for another row is first cancelled.
    void PassComments(const QString& DComments, const QString& DLabel, int DIndex);
    // OK: the row gets the edited comment. Cancel: the row keeps its own.
    void OKButton();
    void CancelButton();

    bool isOpen() const { return open_; }
    int index() const { return index_; }
    // The dialog's text box and label.
    const QString& comments() const { return comments_; }
    void setComments(const QString& text) { comments_ = text; }
    const QString& label() const { return label_; }

    // Called whenever the dialog opens or closes.
    using Observer = std::function<void()>;
    int observe(Observer observer);
    void unobserve(int handle);

  private:
    void close();
    void notify();

    DrugsSection& pane_;
    bool open_ = false;
    int index_ = 0;
    QString comments_ = QStringLiteral("Text1");
    QString label_ = QStringLiteral("Label1");
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserver_ = 1;
};

}  // namespace yrn
