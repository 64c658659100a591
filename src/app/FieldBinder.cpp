#include "app/FieldBinder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <optional>

#include "app/FieldWidgets.h"
#include "app/PageRenderer.h"
#include "interview/Section.h"

namespace yrn {

namespace {

// Box widths follow the longest answer a box takes: every character of a box
// with a maximum length shows, up to the widest box of a page; a box without
// a limit starts at a common width.
constexpr int kDefaultChars = 28;
constexpr int kWidestChars = 50;
constexpr int kUnlimited = 32767;
// How long a note beside a box stays up.
constexpr int kNoteMs = 4000;

// The width of a line edit that shows chars characters of ordinary text: digits
// and lower-case words are about as wide as a '0' each.
int boxWidth(const QLineEdit* edit, int chars) {
    const QFontMetrics metrics(edit->font());
    const int charWidth =
        std::max(metrics.horizontalAdvance(QLatin1Char('0')), metrics.averageCharWidth());
    // The line edit's own margins: two pixels a side for the text and one for the cursor.
    const QSize text(charWidth * chars + 5, metrics.height());
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QMargins margins = edit->textMargins();
    return edit->style()
        ->sizeFromContents(QStyle::CT_LineEdit, &option,
                           text + QSize(margins.left() + margins.right(), 0), edit)
        .width();
}

int multiLineWidth(const QWidget* widget, int chars) {
    const QFontMetrics metrics(widget->font());
    return metrics.horizontalAdvance(QLatin1Char('0')) * chars + 16;
}

// Keeps a widget in sight in the scroll area of its page.
void reveal(QWidget* widget) {
    for (QWidget* up = widget->parentWidget(); up; up = up->parentWidget()) {
        if (auto* scroll = qobject_cast<QScrollArea*>(up)) {
            scroll->ensureWidgetVisible(widget, 8, 8);
            return;
        }
    }
}

// "optSymptoms" + 1 + index 3 -> "optSymptoms1(3)": the control name of one button.
QString buttonName(const Field& field, int button) {
    QString name = field.stem + QString::number(button);
    if (field.index >= 0) name += '(' + QString::number(field.index) + ')';
    return name;
}

}  // namespace

void paintBackground(QWidget* widget, Background background) {
    if (background == Background::Normal) {
        if (widget->testAttribute(Qt::WA_SetPalette)) widget->setPalette(QPalette());
        widget->setAutoFillBackground(false);
        return;
    }
    const QColor back =
        background == Background::NotApplicable ? QColor(192, 0, 0) : QColor(0, 0, 255);
    const QColor fore = background == Background::NotApplicable
                            ? QColor(Qt::white)
                            : QApplication::palette().color(QPalette::Active, QPalette::Base);
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role : {QPalette::Base, QPalette::Button, QPalette::Window})
            palette.setColor(group, role, back);
        for (const auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
            palette.setColor(group, role, fore);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

FieldBinder::FieldBinder(Section& section, QObject* parent) : QObject(parent), section_(section) {
    observer_ = section_.observe([this](const QString& id) { refresh(id); });
}

FieldBinder::~FieldBinder() {
    section_.unobserve(observer_);
}

QString FieldBinder::modelText(const QString& shownText) {
    QString out = shownText;
    out.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return out;
}

QString FieldBinder::shownText(const QString& modelText) {
    QString out = modelText;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace('\r', '\n');
    return out;
}

// --- Making the widgets ---

QWidget* FieldBinder::createField(const QString& id, QWidget* parent) {
    if (!section_.has(id)) {
        qWarning("Pane %s places an undeclared field %s", qPrintable(section_.info().module),
                 qPrintable(id));
        return nullptr;
    }
    const Field& field = section_.field(id);
    View view;
    switch (field.kind) {
        case FieldKind::Text:
            view = field.multiLine ? makeMultiLine(id, parent) : makeText(id, parent);
            break;
        case FieldKind::Option:
            view = makeOption(id, parent);
            break;
        case FieldKind::List:
            view = makeList(id, parent);
            break;
        case FieldKind::Check:
            view = makeCheck(id, parent);
            break;
    }
    if (!field.tip.isEmpty()) view.root->setToolTip(field.tip);
    // A field placed twice keeps its first widgets; the second place shows a copy
    // bound the same way would need a list, and no questionnaire does that.
    if (fields_.contains(id)) {
        qWarning("Pane %s places field %s twice", qPrintable(section_.info().module),
                 qPrintable(id));
        view.root->setEnabled(false);
        return view.root;
    }
    fields_.insert(id, view);
    refreshField(id);
    return view.root;
}

FieldBinder::View FieldBinder::makeText(const QString& id, QWidget* parent) {
    View view;
    auto* box = newAnswerBox(parent);
    view.line = box;
    view.line->setObjectName(id);
    const int length = section_.shownLength(id);
    if (length > 0) {
        // A box as wide as its longest answer; short boxes (dates, times, counts)
        // centre their few digits.
        // Short boxes get one character more: a state's capitals are wider than digits.
        const int chars = length <= 6 ? length + 1 : std::min(length, kWidestChars);
        view.line->setFixedWidth(boxWidth(view.line, chars));
        if (length <= 6) view.line->setAlignment(Qt::AlignCenter);
    } else {
        // A list of answers ("Separate answers with commas") needs room to be read
        // back; the box grows no further than the widest box of a page.
        view.line->setMinimumWidth(boxWidth(view.line, kDefaultChars));
        view.line->setMaximumWidth(boxWidth(view.line, kWidestChars));
    }
    view.root = view.line;
    connect(view.line, &QLineEdit::textEdited, this, [this, id](const QString& text) {
        if (updating_) return;
        forward(id, [this, id, text] { section_.setText(id, text); });
    });
    // The limit keeps what is typed or pasted exactly; what it refuses is said.
    connect(box, &QLineEdit::inputRejected, this, [this, id, box] {
        const int declared = section_.field(id).maxLength;
        const QString note = refusedNote(box, declared > 0 ? declared : box->maxLength());
        QToolTip::showText(box->mapToGlobal(QPoint(0, box->height() / 2)), note, box, QRect(),
                           kNoteMs);
        emit notice(note);
    });
    watch(view.line, id);
    typeNoAltKeys(view.line);
    return view;
}

FieldBinder::View FieldBinder::makeMultiLine(const QString& id, QWidget* parent) {
    View view;
    view.multi = newCommentBox(parent);
    view.multi->setObjectName(id);
    view.multi->setTabChangesFocus(true);
    const QFontMetrics metrics(view.multi->font());
    view.multi->setMinimumHeight(metrics.lineSpacing() * 10 + 12);
    view.multi->setMinimumWidth(multiLineWidth(view.multi, 40));
    view.root = view.multi;
    connect(view.multi, &QPlainTextEdit::textChanged, this, [this, id] {
        if (updating_) return;
        const QString text = modelText(fields_.value(id).multi->toPlainText());
        forward(id, [this, id, text] { section_.setText(id, text); });
    });
    watch(view.multi, id);
    typeNoAltKeys(view.multi);
    watch(view.multi->viewport(), id);
    return view;
}

FieldBinder::View FieldBinder::makeOption(const QString& id, QWidget* parent) {
    const Field& field = section_.field(id);
    View view;
    view.root = new QWidget(parent);
    view.root->setObjectName(id);
    auto* layout = new QHBoxLayout(view.root);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);
    view.group = new QButtonGroup(view.root);
    for (int b = 0; b < field.captions.size(); ++b) {
        QRadioButton* radio = field.captions.size() == 1
                                  ? newCommandOption(field.captions.at(b), view.root)
                                  : new QRadioButton(field.captions.at(b), view.root);
        radio->setObjectName(buttonName(field, b));
        view.group->addButton(radio, b);
        view.radios.append(radio);
        layout->addWidget(radio);
    }
    layout->addStretch(1);
    connect(view.group, &QButtonGroup::idClicked, this, [this, id](int button) {
        if (updating_) return;
        // A click on the chosen button changes nothing and fires nothing.
        if (section_.choice(id) != button)
            forward(id, [this, id, button] { section_.choose(id, button); });
        refreshField(id);
    });
    return view;
}

FieldBinder::View FieldBinder::makeList(const QString& id, QWidget* parent) {
    View view;
    view.combo = newPageList(parent);
    view.combo->setFocusPolicy(Qt::StrongFocus);
    view.combo->setObjectName(id);
    view.combo->setEditable(false);
    view.combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    view.combo->setMinimumContentsLength(8);
    view.root = view.combo;
    // activated comes only from the person (mouse, keys, wheel); the program's
    // own changes arrive through the model.
    connect(view.combo, &QComboBox::activated, this, [this, id](int position) {
        if (updating_) return;
        if (section_.position(id) != position)
            forward(id, [this, id, position] { section_.setPosition(id, position); });
        refreshField(id);
    });
    return view;
}

FieldBinder::View FieldBinder::makeCheck(const QString& id, QWidget* parent) {
    View view;
    view.check = new QCheckBox(section_.field(id).caption, parent);
    view.check->setObjectName(id);
    view.root = view.check;
    connect(view.check, &QCheckBox::clicked, this, [this, id](bool checked) {
        if (updating_) return;
        const CheckState state = checked ? CheckState::Ticked : CheckState::Clear;
        forward(id, [this, id, state] { section_.setCheck(id, state); });
        refreshField(id);
    });
    return view;
}

QLabel* FieldBinder::createLabel(const QString& labelId, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(labelId);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    labels_[labelId].append(label);
    refresh(labelId);
    return label;
}

void FieldBinder::bindFrame(const QString& frameId, QGroupBox* box) {
    frames_[frameId].append(box);
    refresh(frameId);
}

namespace {

// Swallows the key presses with Alt that no button or menu took (Alt+N pressed
// once too often on the last page of a pane): they are no typing, but a text box
// would take their letter.
class UntakenAltKeys : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        return (key->modifiers() & Qt::AltModifier) && !(key->modifiers() & Qt::ControlModifier) &&
               !key->text().isEmpty();
    }
};

}  // namespace

void FieldBinder::typeNoAltKeys(QWidget* box) {
    box->installEventFilter(new UntakenAltKeys(box));
}

void FieldBinder::watch(QObject* object, const QString& id) {
    watched_.insert(object, id);
    object->installEventFilter(this);
    connect(object, &QObject::destroyed, this, [this, object] { watched_.remove(object); });
}

// --- Model to widgets ---

void FieldBinder::refresh(const QString& id) {
    if (fields_.contains(id)) refreshField(id);
    if (const auto it = labels_.constFind(id); it != labels_.cend()) {
        QString text;
        try {
            text = shownWording(section_.label(id));
        } catch (const ProgramError&) {
            text.clear();  // a label the section never declared stays empty
        }
        for (QLabel* label : it.value())
            if (label->text() != text) label->setText(text);
    }
    if (const auto it = frames_.constFind(id); it != frames_.cend()) {
        const bool enabled = section_.frameEnabled(id);
        for (QGroupBox* box : it.value())
            box->setEnabled(enabled);
        for (const QString& member : section_.frameMembers(id))
            if (fields_.contains(member)) refreshField(member);
    }
}

void FieldBinder::refreshField(const QString& id) {
    auto it = fields_.find(id);
    if (it == fields_.end()) return;
    const QScopedValueRollback<bool> guard(updating_, true);
    refreshView(id, it.value());
}

void FieldBinder::refreshView(const QString& id, View& view) {
    const Field& field = section_.field(id);
    view.root->setEnabled(section_.usable(id));
    // A held answer is kept by the model but shows empty until its field opens.
    const bool held = field.held;
    if (view.line) {
        // The limit holds for typing only: a longer text that the program put in
        // (a file written elsewhere) is shown whole, never cut.
        const int limit = field.maxLength > 0
                              ? std::max<int>(field.maxLength, static_cast<int>(field.text.size()))
                              : kUnlimited;
        if (view.line->maxLength() != limit) view.line->setMaxLength(limit);
        const QString shown = held ? QString() : field.text;
        if (view.line->text() != shown) view.line->setText(shown);
        paintBackground(view.line, field.background);
    } else if (view.multi) {
        const QString shown = held ? QString() : shownText(field.text);
        if (view.multi->toPlainText() != shown) view.multi->setPlainText(shown);
        paintBackground(view.multi, field.background);
    } else if (view.group) {
        // An exclusive group cannot show "none chosen" on its own.
        const int choice = held ? -1 : field.choice;
        view.group->setExclusive(false);
        for (int b = 0; b < view.radios.size(); ++b)
            view.radios.at(b)->setChecked(b == choice);
        view.group->setExclusive(true);
        for (QRadioButton* radio : std::as_const(view.radios))
            paintBackground(radio, field.background);
    } else if (view.combo) {
        if (view.items != field.items) {
            view.combo->clear();
            view.combo->addItems(field.items);
            view.items = field.items;
            // The open list shows every item whole, however narrow the box.
            view.combo->view()->setMinimumWidth(
                view.combo->view()->sizeHintForColumn(0) +
                view.combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view.combo));
        }
        const int position = held ? -1 : field.position;
        if (view.combo->currentIndex() != position) view.combo->setCurrentIndex(position);
        paintBackground(view.combo, field.background);
    } else if (view.check) {
        const CheckState check = held ? CheckState::Clear : field.check;
        const Qt::CheckState state = check == CheckState::Ticked ? Qt::Checked
                                     : check == CheckState::Grey ? Qt::PartiallyChecked
                                                                 : Qt::Unchecked;
        if (state == Qt::PartiallyChecked) view.check->setTristate(true);
        if (view.check->checkState() != state) view.check->setCheckState(state);
        paintBackground(view.check, field.background);
    }
}

// --- Widgets to model ---

void FieldBinder::forward(const QString& id, const std::function<void()>& action) {
    Q_UNUSED(id);
    section_.guard(section_.info().module, action);
}

bool FieldBinder::eventFilter(QObject* watched, QEvent* event) {
    const auto it = watched_.constFind(watched);
    if (it == watched_.cend()) return false;
    const QString id = it.value();
    if (event->type() == QEvent::FocusOut) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A box is left only when the focus goes to another widget of the same
        // window: not when a menu or message box opens, nor when the program
        // itself moves the focus back after a failed check.
        if (movingFocus_ || leaving_ || reason == Qt::ActiveWindowFocusReason ||
            reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
            return false;
        QWidget* next = QApplication::focusWidget();
        if (!widget || !next || next == widget || next->window() != widget->window()) return false;
        // The check may show a modal box; let the focus change finish first.
        QTimer::singleShot(0, this, [this, id] { runLeave(id); });
    } else if (event->type() == QEvent::MouseButtonPress) {
        QTimer::singleShot(0, this,
                           [this, id] { forward(id, [this, id] { section_.textClick(id); }); });
    }
    return false;
}

void FieldBinder::runLeave(const QString& id) {
    if (leaving_) return;
    const QScopedValueRollback<bool> guard(leaving_, true);
    forward(id, [this, id] { section_.leave(id); });
}

void FieldBinder::focusField(const QString& id) {
    // A request made while a box is being left sends the focus back after a failed
    // check (or to a box a leave rule names): the box the person had gone to is not
    // left in turn, so two refused boxes never pull the focus to and fro. Any other
    // request (the automatic advance while typing) leaves the box like a Tab does,
    // so a value typed there is still checked.
    const bool returning = leaving_;
    QTimer::singleShot(0, this, [this, id, returning] {
        QWidget* target = focusWidget(id);
        if (!target || !target->isVisible() || !target->isEnabled()) return;
        const QScopedValueRollback<bool> guard(movingFocus_, returning);
        // The style draws the focus of an option button, check box or list only
        // once the keyboard has moved it; the program moving it counts the same, so
        // that the interviewer sees where typing goes before the first Tab.
        target->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        target->setFocus(Qt::OtherFocusReason);
        // What the box holds is selected, as after a Tab: typing replaces a value
        // that was refused or is to be corrected.
        if (auto* line = qobject_cast<QLineEdit*>(target)) line->selectAll();
        reveal(target);
    });
}

// --- Access ---

QWidget* FieldBinder::fieldWidget(const QString& id) const {
    return fields_.value(id).root;
}

QWidget* FieldBinder::focusWidget(const QString& id) const {
    const auto it = fields_.constFind(id);
    if (it == fields_.cend()) return nullptr;
    const View& view = it.value();
    if (view.group) {
        const int chosen = section_.choice(id);
        if (chosen >= 0 && chosen < view.radios.size()) return view.radios.at(chosen);
        return view.radios.isEmpty() ? nullptr : view.radios.first();
    }
    return view.root;
}

QList<QWidget*> FieldBinder::tabStops(const QString& id) const {
    const auto it = fields_.constFind(id);
    if (it == fields_.cend()) return {};
    if (it->group) return {it->radios.cbegin(), it->radios.cend()};
    return {it->root};
}

QList<QRadioButton*> FieldBinder::optionButtons(const QString& id) const {
    return fields_.value(id).radios;
}

QList<QLabel*> FieldBinder::labelWidgets(const QString& labelId) const {
    return labels_.value(labelId);
}

}  // namespace yrn
