#include "sections/drugs/DrugCommentDialogModel.h"

#include <algorithm>

#include "sections/drugs/DrugsSection.h"

namespace yrn {

namespace {
const QString kModule = QStringLiteral("frmDialogDrugComments");
}

void DrugCommentDialogModel::PassComments(const QString& DComments, const QString& DLabel,
                                          int DIndex) {
    // The main window is disabled while the dialog is up, so a second row cannot
    // ask; should one all the same, the first row keeps its comment.
    if (open_) CancelButton();
    pane_.guard(kModule + QStringLiteral(".PassComments"), [&] {
        index_ = DIndex;
        comments_ = DComments;
        label_ = DLabel;
        open_ = true;
    });
    if (open_) notify();
}

void DrugCommentDialogModel::OKButton() {
    if (!open_) return;
    // The dialog closes whatever happens, so the main window is never left disabled.
    const int row = index_;
    const QString text = comments_;
    const QString label = label_;
    close();
    pane_.guard(kModule + QStringLiteral(".OKButton_Click"),
                [&] { pane_.ReturnComments(text, label, row); });
}

void DrugCommentDialogModel::CancelButton() {
    if (!open_) return;
    const int row = index_;
    close();
    pane_.guard(kModule + QStringLiteral(".CancelButton_Click"),
                [&] { pane_.CancelledComments(row); });
}

void DrugCommentDialogModel::close() {
    open_ = false;
    notify();
}

void DrugCommentDialogModel::notify() {
    // A copy: an observer may stop observing while it is told.
    for (const auto& [handle, observer] : std::vector(observers_))
        observer();
}

int DrugCommentDialogModel::observe(Observer observer) {
    observers_.emplace_back(nextObserver_, std::move(observer));
    return nextObserver_++;
}

void DrugCommentDialogModel::unobserve(int handle) {
    std::erase_if(observers_, [handle](const auto& entry) { return entry.first == handle; });
}

}  // namespace yrn
