#include "app/DrugCommentDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ButtonKeys.h"
#include "app/FieldBinder.h"
#include "sections/drugs/DrugCommentDialogModel.h"

namespace yrn {

DrugCommentDialog::DrugCommentDialog(DrugCommentDialogModel& model, QWidget& mainWindow)
    : QDialog(nullptr), model_(model), main_(mainWindow) {
    setObjectName(QStringLiteral("frmDialogDrugComments"));
    setWindowTitle(QStringLiteral("Drug Comments"));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    label_ = new QLabel(model_.label(), this);
    label_->setObjectName(QStringLiteral("lblDrugComments"));
    label_->setTextFormat(Qt::PlainText);
    QFont bold = label_->font();
    bold.setBold(true);
    label_->setFont(bold);
    text_ = new QPlainTextEdit(FieldBinder::shownText(model_.comments()), this);
    text_->setObjectName(QStringLiteral("txtDrugComments"));
    text_->setTabChangesFocus(true);
    FieldBinder::typeNoAltKeys(text_);
    label_->setBuddy(text_);
    layout->addWidget(label_);
    layout->addWidget(text_, 1);

    auto* buttons = new QHBoxLayout();
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("CancelButton"));
    // Enter makes a new line in the comment; OK is pressed on purpose (Enter
    // presses the button that has the keyboard).
    ok_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    pressOnEnter(ok_);
    pressOnEnter(cancel_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    resize(520, 300);

    connect(ok_, &QPushButton::clicked, this, [this] {
        model_.setComments(FieldBinder::modelText(text_->toPlainText()));
        model_.OKButton();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] { model_.CancelButton(); });
    observer_ = model_.observe([this] { follow(); });
}

DrugCommentDialog::~DrugCommentDialog() {
    model_.unobserve(observer_);
}

// Opened: the row's comment and label, the main window disabled behind. Closed
// (OK, Cancel, or a new client while it was up): hidden, the main window enabled.
void DrugCommentDialog::follow() {
    if (model_.isOpen()) {
        if (!isVisible()) {
            QWidget* focus = QApplication::focusWidget();
            returnTo_ = focus && focus->window() == &main_ ? focus : nullptr;
        }
        label_->setText(model_.label());
        text_->setPlainText(FieldBinder::shownText(model_.comments()));
        main_.setEnabled(false);
        show();
        raise();
        activateWindow();
        text_->setFocus();
        text_->moveCursor(QTextCursor::End);
    } else {
        main_.setEnabled(true);
        hide();
        // The interviewer goes on from the row the comment belongs to.
        if (returnTo_ && returnTo_->isVisible() && returnTo_->isEnabled()) {
            main_.activateWindow();
            returnTo_->setFocus(Qt::OtherFocusReason);
        }
        returnTo_ = nullptr;
    }
}

// The close control (through QDialog's closeEvent) and Escape come here.
void DrugCommentDialog::reject() {
    if (model_.isOpen())
        model_.CancelButton();
    else
        follow();
}

}  // namespace yrn
