// The answer widgets of the pages that Qt's own do not give as they are.
#include "app/FieldWidgets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QWheelEvent>
#include <optional>

namespace yrn {

namespace {

// A one-line answer box that knows what the person is putting into it, so that
// what its maximum length refuses can be told: QLineEdit cuts it without a word.
// Every way text comes in is followed as QLineEdit takes it: typing, the paste
// keys, the context menu's Paste, the middle button's selection paste, a drop.
class AnswerBox : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

    // What the insertion under way offered and how much of it did not fit; read
    // on inputRejected, which QLineEdit sends once it has put in what fits.
    struct Refusal {
        bool typed = true;
        QString source;  // "pasted" or "dropped"
        qsizetype offered = 0;
        qsizetype leftOut = 0;
    };
    Refusal refusal() const {
        if (!insertion_ || insertion_->way == Way::Typed) return {};
        const QString offered = insertion_->way == Way::Dropped
                                    ? insertion_->dropped
                                    : QGuiApplication::clipboard()->text(insertion_->mode);
        const qsizetype fitted = text().size() - insertion_->kept;
        const QString source =
            insertion_->way == Way::Dropped ? QStringLiteral("dropped") : QStringLiteral("pasted");
        return {false, source, offered.size(), offered.size() - fitted};
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!event->matches(QKeySequence::Paste)) {
            const Noted noted(insertion_, Insertion{Way::Typed, {}, {}, keptLength()});
            QLineEdit::keyPressEvent(event);
            return;
        }
        // Where the system's keys make Ctrl+Shift+Insert a paste, it pastes the selection.
        const bool selection = event->key() == Qt::Key_Insert &&
                               event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                               QGuiApplication::clipboard()->supportsSelection();
        const Noted noted(insertion_,
                          Insertion{Way::Pasted,
                                    selection ? QClipboard::Selection : QClipboard::Clipboard,
                                    {},
                                    keptLength()});
        QLineEdit::keyPressEvent(event);
    }
    void inputMethodEvent(QInputMethodEvent* event) override {
        const Noted noted(insertion_, Insertion{Way::Typed, {}, {}, keptLength()});
        QLineEdit::inputMethodEvent(event);
    }
    // The middle button pastes the selection at the pointer; QLineEdit drops a
    // selection of the box first rather than replacing it.
    void mouseReleaseEvent(QMouseEvent* event) override {
        const Noted noted(insertion_,
                          Insertion{Way::Pasted, QClipboard::Selection, {}, text().size()});
        QLineEdit::mouseReleaseEvent(event);
    }
    // A drop goes in at the pointer, beside a selection, never over it.
    void dropEvent(QDropEvent* event) override {
        const QString dropped = event->mimeData() ? event->mimeData()->text() : QString();
        const Noted noted(insertion_,
                          Insertion{Way::Dropped, QClipboard::Clipboard, dropped, text().size()});
        QLineEdit::dropEvent(event);
    }
    // The menu stays up after the event; its Paste, the one insertion it can make,
    // comes from it later.
    void contextMenuEvent(QContextMenuEvent* event) override {
        QMenu* menu = createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        insertion_ = Insertion{Way::Pasted, QClipboard::Clipboard, {}, keptLength()};
        connect(menu, &QObject::destroyed, this, [this] { insertion_.reset(); });
        menu->popup(event->globalPos());
    }

  private:
    enum class Way { Typed, Pasted, Dropped };
    struct Insertion {
        Way way = Way::Typed;
        QClipboard::Mode mode = QClipboard::Clipboard;
        QString dropped;
        qsizetype kept = 0;  // the length the box keeps of its text: a selection makes room
    };
    using Noted = QScopedValueRollback<std::optional<Insertion>>;
    qsizetype keptLength() const { return text().size() - selectedText().size(); }

    std::optional<Insertion> insertion_;
};

QString characters(qsizetype count) {
    return count == 1 ? QStringLiteral("1 character") : QStringLiteral("%1 characters").arg(count);
}

// "This answer holds at most 50 characters", and for a paste or drop how much of
// it was left out. Line breaks in a pasted text stay in the box and count.
QString limitNote(qsizetype limit, const AnswerBox::Refusal& refusal) {
    QString note = QStringLiteral("This answer holds at most ") + characters(limit);
    if (refusal.typed || refusal.leftOut <= 0) return note;
    if (refusal.leftOut >= refusal.offered)
        return note + QStringLiteral(": the %1 text was left out.").arg(refusal.source);
    if (refusal.leftOut == 1)
        return note + QStringLiteral(": the last character of the %1 text was left out.")
                          .arg(refusal.source);
    return note + QStringLiteral(": the last %1 of the %2 text were left out.")
                      .arg(characters(refusal.leftOut), refusal.source);
}

// A comment box draws its frame in the highlight colour while it has the focus, as
// the one-line boxes do; the style leaves a text area's frame plain.
class CommentBox : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;

  protected:
    bool event(QEvent* event) override {
        const bool handled = QPlainTextEdit::event(event);
        if (event->type() == QEvent::Paint && hasFocus()) {
            QPainter painter(this);
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
            painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        }
        return handled;
    }
};

// An option group of one button is a command in the shape of an option button
// (the drug "Comments" buttons): it looks and is clicked like a push button, and
// its colour tells something (blue while the row holds a comment).
class CommandOption : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;
    QSize sizeHint() const override {
        const QStyleOptionButton option = buttonOption();
        const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
        return style()->sizeFromContents(QStyle::CT_PushButton, &option, text, this);
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        if (!autoFillBackground()) {
            painter.drawControl(QStyle::CE_PushButton, buttonOption());
            return;
        }
        // An answer colour shows pure (styles lighten a dark button face): the
        // background is already filled with it, so only the frame and the text.
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.drawControl(QStyle::CE_PushButtonLabel, buttonOption());
    }

  private:
    QStyleOptionButton buttonOption() const {
        QStyleOptionButton option;
        option.initFrom(this);
        option.text = text();
        option.state |= isDown() || isChecked() ? QStyle::State_Sunken : QStyle::State_Raised;
        return option;
    }
};

// A list turns with the wheel only when it has the focus: a person scrolling the
// page with the pointer over a list must not change the answer. An answer colour
// shows pure on it, as on the other answers (styles shade a list's face).
//
// Typing picks an item as on the lists interviewers know from Windows: what is
// typed in quick succession, blanks included, chooses the first item that begins
// with it, and a letter the chosen item begins with goes on to the next item that
// begins with it. The list opens with Alt+Down and F4 only (a blank is typing here, not a key that
// opens it), so no keystroke is lost to an open list.
class PageComboBox : public QComboBox {
  public:
    using QComboBox::QComboBox;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const Qt::KeyboardModifiers modifiers = event->modifiers();
        // Alt+Up would open a Windows list as well; here it leaves the list alone.
        if (event->key() == Qt::Key_Up && (modifiers & Qt::AltModifier)) {
            event->accept();
            return;
        }
        // Page Down and Page Up turn the page (the pane takes them): a list stepped
        // by them would change its answer under a person paging through.
        if (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp) {
            event->ignore();
            return;
        }
        const QString text = event->text();
        if (text.isEmpty() || !text.at(0).isPrint()) {
            QComboBox::keyPressEvent(event);
            return;
        }
        // An Alt or Ctrl key no button took is no typing (Ctrl+Alt is AltGr on Windows).
        const bool ctrl = modifiers & Qt::ControlModifier;
        const bool alt = modifiers & Qt::AltModifier;
        if (ctrl != alt || (modifiers & Qt::MetaModifier)) {
            event->ignore();
            return;
        }
        typeAhead(text);
    }
    void paintEvent(QPaintEvent* event) override {
        if (!autoFillBackground()) {
            QComboBox::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        QStyleOption arrow = option;
        arrow.rect =
            style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
        painter.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }
    void wheelEvent(QWheelEvent* event) override {
        if (!hasFocus()) {
            event->ignore();
            return;
        }
        QComboBox::wheelEvent(event);
    }

  private:
    // What is typed within the keyboard input interval is one search for the first
    // item that begins with it, case aside. A search of one letter, typed once or
    // again and again, goes round from the item chosen when that item begins with
    // it. The item found is chosen as a click would choose it; the item already
    // chosen fires nothing.
    void typeAhead(const QString& text) {
        const bool goesOn =
            typed_.isValid() && typed_.elapsed() <= QApplication::keyboardInputInterval();
        typed_.start();
        search_ = goesOn ? search_ + text : text;
        const bool oneLetter =
            search_.count(search_.front(), Qt::CaseInsensitive) == search_.size();
        const QString wanted = oneLetter ? search_.left(1) : search_;
        const int chosen = currentIndex();
        const bool goesRound =
            oneLetter && chosen >= 0 && itemText(chosen).startsWith(wanted, Qt::CaseInsensitive);
        const int first = goesRound ? chosen + 1 : 0;
        for (int step = 0; step < count(); ++step) {
            const int row = (first + step) % count();
            if (!itemText(row).startsWith(wanted, Qt::CaseInsensitive)) continue;
            if (row == chosen) return;
            setCurrentIndex(row);
            emit activated(row);
            emit textActivated(itemText(row));
            return;
        }
    }

    QString search_;
    QElapsedTimer typed_;
};

}  // namespace

QLineEdit* newAnswerBox(QWidget* parent) {
    return new AnswerBox(parent);
}

QString refusedNote(const QLineEdit* box, qsizetype limit) {
    const auto* answer = dynamic_cast<const AnswerBox*>(box);
    return limitNote(limit, answer ? answer->refusal() : AnswerBox::Refusal{});
}

QPlainTextEdit* newCommentBox(QWidget* parent) {
    return new CommentBox(parent);
}

QRadioButton* newCommandOption(const QString& caption, QWidget* parent) {
    return new CommandOption(caption, parent);
}

QComboBox* newPageList(QWidget* parent) {
    return new PageComboBox(parent);
}

}  // namespace yrn
