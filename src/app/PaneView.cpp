#include "app/PaneView.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "app/AccessKeys.h"
#include "app/ButtonKeys.h"
#include "app/FieldBinder.h"
#include "app/PageRenderer.h"
#include "app/PaneHost.h"
#include "interview/Interview.h"
#include "interview/Section.h"

namespace yrn {

namespace {

// Pages grow with the window up to a width that still reads as one form.
constexpr int kColumnWidth = 1560;

QPushButton* commandButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // A long caption ("Demographic Information") keeps some room at its ends.
    button->setMinimumWidth(std::max(150, button->sizeHint().width() + 24));
    button->setAutoDefault(false);
    pressOnEnter(button);
    return button;
}

}  // namespace

PaneView::PaneView(Section& section, PaneHost& host, QWidget* parent)
    : QWidget(parent), section_(section), host_(host), binder_(new FieldBinder(section, this)) {
    setObjectName(section_.info().controlName);
    // A note beside a box (an answer cut at its limit) also stands in the status bar.
    connect(binder_, &FieldBinder::notice, this,
            [this](const QString& text) { host_.notice(text); });
    for (const Page& page : section_.pages())
        order_.append(page.index);
}

PaneView::~PaneView() = default;

QWidget* PaneView::makePage(int index) {
    if (QWidget* made = pages_.value(index)) return made;
    const Page* page = section_.page(index);
    if (!page) return nullptr;
    QWidget* widget = buildPage(*page);
    widget->hide();
    widget->setGeometry(rect());
    if (pageWatcher_) widget->installEventFilter(pageWatcher_);
    pages_.insert(index, widget);
    return widget;
}

void PaneView::watchPages(QObject* watcher) {
    pageWatcher_ = watcher;
    for (QWidget* page : std::as_const(pages_))
        page->installEventFilter(watcher);
}

QWidget* PaneView::buildPage(const Page& page) {
    auto* widget = new QWidget(this);
    widget->setObjectName(QStringLiteral("page%1").arg(page.index));
    auto* outer = new QVBoxLayout(widget);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    // The questions scroll, so that nothing is cut off on a small screen; the
    // buttons stay in sight below them.
    auto* scroll = new QScrollArea(widget);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // The keyboard goes from answer to answer (the area scrolls to each); the
    // area itself is no stop of the Tab key, where nothing would show the focus.
    scroll->setFocusPolicy(Qt::NoFocus);
    // Page Down and Page Up that no answer takes turn the page (see keyPressEvent).
    scroll->installEventFilter(this);
    auto* content = new QWidget(scroll);
    auto* centre = new QHBoxLayout(content);
    centre->setContentsMargins(28, 18, 28, 18);
    auto* columnWidget = new QWidget(content);
    columnWidget->setMaximumWidth(kColumnWidth);
    auto* column = new QVBoxLayout(columnWidget);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    centre->addStretch(1);
    centre->addWidget(columnWidget, 100);
    centre->addStretch(1);
    PageRenderer(*binder_, columnWidget, column).render(page);
    column->addStretch(1);
    scroll->setWidget(content);
    outer->addWidget(scroll, 1);

    auto* rule = new QFrame(widget);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    outer->addWidget(rule);
    auto* bar = new QWidget(widget);
    auto* buttons = new QHBoxLayout(bar);
    buttons->setContentsMargins(16, 8, 16, 10);
    buttons->setSpacing(10);
    const int index = page.index;
    // Each button's access letter is its own on the page and apart from the menus'.
    QStringList captions{page.nextCaption, page.backCaption};
    for (const auto& extra : page.buttons)
        captions << extra.second;
    captions = uniqueAccessKeys(captions, host_.accessKeysTaken());
    if (!page.backCaption.isEmpty()) {
        QPushButton* back = commandButton(page.backButton, captions.at(1), bar);
        connect(back, &QPushButton::clicked, this, [this, index] { goBack(index); });
        buttons->addWidget(back);
        buttons_.insert(page.backButton, back);
    }
    buttons->addStretch(1);
    for (qsizetype i = 0; i < page.buttons.size(); ++i) {
        const QString name = page.buttons.at(i).first;
        QPushButton* extra = commandButton(name, captions.at(2 + i), bar);
        connect(extra, &QPushButton::clicked, this,
                [this, name] { host_.pageButton(*this, name); });
        buttons->addWidget(extra);
        buttons_.insert(name, extra);
    }
    if (!page.nextCaption.isEmpty()) {
        QPushButton* next = commandButton(page.nextButton, captions.at(0), bar);
        connect(next, &QPushButton::clicked, this, [this, index] { goNext(index); });
        buttons->addWidget(next);
        buttons_.insert(page.nextButton, next);
    }
    outer->addWidget(bar);
    chainTabStops(page, bar);
    return widget;
}

// The Tab key goes through the answers in the order the page declares them, then
// to the button that goes on (Next, or the page's last step), the page's other
// buttons from left to right, and Back last: after the last answer the
// interviewer mostly goes on.
void PaneView::chainTabStops(const Page& page, QWidget* bar) {
    QList<QWidget*> chain;
    for (const QString& id : page.fields())
        chain += binder_->tabStops(id);
    QPushButton* next = buttons_.value(page.nextButton);
    if (next) chain.append(next);
    for (QPushButton* child : bar->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        if (child != next && child->objectName() != page.backButton) chain.append(child);
    if (QPushButton* back = buttons_.value(page.backButton)) chain.append(back);
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

void PaneView::focusFirstAnswer() {
    const Page* page = section_.page(currentPage());
    if (!page) return;
    for (const QString& id : page->fields()) {
        if (section_.has(id) && section_.usable(id) && binder_->fieldWidget(id)) {
            binder_->focusField(id);
            return;
        }
    }
}

QString PaneView::buttonSite() const {
    // The mental health pane reports its page buttons under its short form name.
    const QString module = section_.info().module;
    return module == QStringLiteral("ctlMentalHealth") ? QStringLiteral("ctlMental") : module;
}

// --- The pane contract ---

void PaneView::Start() {
    section_.guard(section_.info().module + QStringLiteral(".Start"), [this] {
        // The first pane's Start ends any client loading that is still flagged.
        const QList<Section*> sections = section_.interview().sections();
        if (!sections.isEmpty() && sections.first() == &section_) section_.interview().EndLoading();
        HideFrames();
        FSettings();
        showPage(section_.firstPage());
        Caption();
        host_.checkViewItem(section_.info().viewMenuItem);
    });
}

void PaneView::Finish() {
    section_.guard(section_.info().module + QStringLiteral(".Finish"), [this] {
        HideFrames();
        showPage(section_.lastPage());
        Caption();
        host_.checkViewItem(section_.info().viewMenuItem);
    });
}

void PaneView::Caption() {
    host_.setCaption(section_.info().caption + host_.captionName());
}

void PaneView::HideFrames() {
    for (QWidget* page : std::as_const(pages_))
        page->hide();
}

void PaneView::ShowFrames() {
    for (int index : std::as_const(order_))
        makePage(index);
    for (QWidget* page : std::as_const(pages_))
        page->show();
}

void PaneView::FSettings() {
    const twips::Rect work = host_.workArea();
    pageTwips_ = twips::FrameSettings(work.height, work.width);
    applyPageSize();
}

void PaneView::ResizeFrames() {
    const twips::Size main = host_.mainSize();
    const twips::Size size = twips::FrameResize(main.height, main.width);
    pageTwips_.height = size.height;
    pageTwips_.width = size.width;
    applyPageSize();
}

bool PaneView::hasCaptionPage(int viewItem) const {
    return std::any_of(
        section_.pages().cbegin(), section_.pages().cend(),
        [viewItem](const Page& p) { return !p.caption.isEmpty() && p.viewMenuItem == viewItem; });
}

void PaneView::Frame3() {
    section_.guard(buttonSite(), [this] {
        for (const Page& page : section_.pages()) {
            if (page.caption.isEmpty()) continue;
            HideFrames();
            showPage(page.index);
            captionFor(page.index, false);
            return;
        }
    });
}

// --- Navigation ---

void PaneView::next() {
    const int page = currentPage();
    if (page >= 0) goNext(page);
}

void PaneView::back() {
    const int page = currentPage();
    if (page >= 0) goBack(page);
}

void PaneView::goNext(int from) {
    const int to = section_.nextPage(from);
    if (to < 0) {
        host_.handOver(*this, true);
        return;
    }
    section_.guard(buttonSite(), [this, to] {
        HideFrames();
        showPage(to);
        captionFor(to, false);
    });
}

void PaneView::goBack(int from) {
    const int to = section_.backPage(from);
    if (to < 0) {
        host_.handOver(*this, false);
        return;
    }
    section_.guard(buttonSite(), [this, from, to] {
        HideFrames();
        showPage(to);
        // Leaving a page with a caption of its own gives the section its own back.
        const Page* page = section_.page(from);
        if (page && !page->caption.isEmpty()) {
            Caption();
            host_.checkViewItem(section_.info().viewMenuItem);
        }
    });
}

void PaneView::goTo(int index) {
    if (!section_.page(index)) return;
    section_.guard(buttonSite(), [this, index] {
        HideFrames();
        showPage(index);
        captionFor(index, true);
    });
}

void PaneView::captionFor(int index, bool orSection) {
    const Page* page = section_.page(index);
    if (page && !page->caption.isEmpty()) {
        host_.setCaption(page->caption + host_.captionName());
        host_.checkViewItem(page->viewMenuItem);
    } else if (orSection) {
        Caption();
        host_.checkViewItem(section_.info().viewMenuItem);
    }
}

void PaneView::showPage(int index) {
    QWidget* page = makePage(index);
    if (!page)
        throw ProgramError(QStringLiteral("Control array element '%1' doesn't exist").arg(index));
    applyPageSize();
    page->show();
    page->raise();
    // The person goes on typing where the page starts.
    focusFirstAnswer();
}

// --- Geometry ---

void PaneView::applyPageSize() {
    // The layout rules size a page from the work area (at Start) or from the
    // window (after a resize); both aim at the part of the window below the menu
    // bar, which is exactly what the pane shows. A page therefore fills the pane:
    // the buttons stay in one place whichever rule ran last, and what does not
    // fit scrolls instead of being cut off.
    for (QWidget* page : std::as_const(pages_))
        page->setGeometry(rect());
}

void PaneView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyPageSize();
}

// --- Keys ---

// Page Down and Page Up press Next Page and Previous Page as their access keys
// would (a box being left is checked first), wherever no answer takes the keys
// itself: a list steps through its items and a comment box scrolls with them.
// They reach the pane from the buttons and, through the page's scroll area
// (which would scroll with them), from the boxes and option buttons.
bool PaneView::turnPage(const QKeyEvent* key) {
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier) return false;
    if (key->key() != Qt::Key_PageDown && key->key() != Qt::Key_PageUp) return false;
    const Page* page = section_.page(currentPage());
    if (!page) return false;
    QPushButton* button =
        buttons_.value(key->key() == Qt::Key_PageDown ? page->nextButton : page->backButton);
    if (!button || !button->isVisible() || !button->isEnabled()) return true;
    button->setFocus(Qt::ShortcutFocusReason);
    button->animateClick();
    return true;
}

void PaneView::keyPressEvent(QKeyEvent* event) {
    if (!turnPage(event)) QWidget::keyPressEvent(event);
}

bool PaneView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && turnPage(static_cast<QKeyEvent*>(event))) return true;
    return QWidget::eventFilter(watched, event);
}

// --- Looking in ---

int PaneView::currentPage() const {
    const QList<int> visible = visiblePages();
    return visible.isEmpty() ? -1 : visible.first();
}

QList<int> PaneView::visiblePages() const {
    QList<int> out;
    for (int index : order_)
        if (const QWidget* page = pages_.value(index); page && page->isVisibleTo(this))
            out.append(index);
    return out;
}

QWidget* PaneView::pageWidget(int index) {
    return makePage(index);
}

QPushButton* PaneView::button(const QString& name) {
    for (const Page& page : section_.pages())
        if (page.nextButton == name || page.backButton == name ||
            std::any_of(page.buttons.cbegin(), page.buttons.cend(),
                        [&name](const auto& button) { return button.first == name; }))
            makePage(page.index);
    return buttons_.value(name);
}

void PaneView::focusField(const QString& id) {
    binder_->focusField(id);
}

}  // namespace yrn
