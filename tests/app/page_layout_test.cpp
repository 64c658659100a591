// Every page of every section at the two screen sizes in use: answers wide enough,
// nothing cut, over another widget or scrolling sideways; one column, no gaps.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

#include "app/AppFixture.h"
#include "app/FieldBinder.h"

namespace yrn::test {
namespace {

// Every box shows at least this many characters, however long its answer may be.
constexpr int kShownAtLeast = 40;

// The room a line edit has for its text: its contents less the margins the edit
// keeps for the text and the cursor.
int textRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2 - 1;
}

int comboTextRoom(const QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.rect = combo->rect();
    return combo->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
        .width();
}

QString describe(const QWidget* w) {
    const auto* label = qobject_cast<const QLabel*>(w);
    return w->metaObject()->className() + QStringLiteral(" '") + w->objectName() + "'" +
           (label ? " \"" + label->text() + "\"" : QString());
}

bool isLeaf(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractButton*>(w);
}

QRect area(const QWidget* w, const QWidget* page) {
    return {w->mapTo(page, QPoint()), w->size()};
}

// Where an answer is placed in its question grid: the widget under the grid that
// holds it (a "$" beside a box, a row of short answers); nullptr in a table.
QWidget* placement(QWidget* widget) {
    for (QWidget* w = widget; w && w->parentWidget(); w = w->parentWidget())
        if (w->parentWidget()->objectName() == QStringLiteral("questions")) return w;
    return nullptr;
}

// What is wrong with a page as it is on screen, one line each.
QStringList faults(PaneView* pane, const Page& page, QWidget* pageWidget) {
    QStringList out;
    const Section& section = pane->section();
    FieldBinder& binder = pane->binder();
    // The answer widgets are as wide as their answers need.
    for (const QString& id : page.fields()) {
        QWidget* widget = binder.fieldWidget(id);
        if (!widget) {
            out << id + " has no widget";
            continue;
        }
        const QFontMetrics metrics(widget->font());
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            const int chars = std::min(section.shownLength(id), kShownAtLeast);
            if (textRoom(edit) < metrics.horizontalAdvance(QString(chars, '0')))
                out << QStringLiteral("%1 is too narrow for %2 characters").arg(id).arg(chars);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (const QString& item : section.field(id).items)
                if (comboTextRoom(combo) < metrics.horizontalAdvance(item) &&
                    combo->view()->minimumWidth() < metrics.horizontalAdvance(item))
                    out << QStringLiteral("%1 cuts \"%2\"").arg(id, item);
        } else {
            QList<QAbstractButton*> buttons = widget->findChildren<QAbstractButton*>();
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) buttons << button;
            for (QAbstractButton* button : buttons)
                if (button->width() < button->sizeHint().width())
                    out << QStringLiteral("%1 cuts \"%2\"").arg(id, button->text());
        }
    }
    // No label lies over another widget, and none is cut; every stop of the Tab key
    // is an answer or a button, which show the focus.
    QList<QWidget*> leaves;
    for (QWidget* w : pageWidget->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(pageWidget)) continue;
        if (isLeaf(w)) leaves << w;
        if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !isLeaf(w))
            out << describe(w) + " takes the focus";
    }
    for (QWidget* w : leaves) {
        auto* label = qobject_cast<QLabel*>(w);
        if (!label || label->text().isEmpty()) continue;
        for (QWidget* other : leaves)
            if (other != w && !other->isAncestorOf(w) && !w->isAncestorOf(other) &&
                area(w, pageWidget).intersects(area(other, pageWidget)))
                out << describe(w) + " lies over " + describe(other);
        if (label->wordWrap() ? label->height() < label->heightForWidth(label->width())
                              : label->width() < label->sizeHint().width())
            out << describe(w) + " is cut";
    }
    if (auto* scroll = pageWidget->findChild<QScrollArea*>();
        scroll && scroll->horizontalScrollBar()->maximum() > 0)
        out << "the page scrolls sideways";
    // The answers of consecutive questions (with notes between them) start at one x.
    int column = -1;
    for (const Block& block : page.blocks) {
        if (block.kind != Block::Kind::Question && block.kind != Block::Kind::Note) {
            column = -1;
            continue;
        }
        if (block.answers.isEmpty()) continue;
        QWidget* placed = placement(binder.fieldWidget(block.answers.first().field));
        if (!placed) continue;
        const int x = area(placed, pageWidget).left();
        if (column >= 0 && x != column) out << block.answers.first().field + " is out of line";
        column = x;
    }
    // No shown text holds a run of blanks, but after the number it starts with.
    static const QRegularExpression number("^(\\d+[a-z]?\\d*(\\.\\d+)?\\.?|[a-z]\\.) +");
    QStringList rowLabels;
    for (const Block& block : page.blocks)
        for (const TableRow& row : block.rows)
            rowLabels << FieldBinder::shownWording(row.label);
    for (QLabel* label : pageWidget->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(pageWidget)) continue;
        for (QString line : label->text().split('\n'))
            if (line.remove(number).contains("  ") || line.startsWith(' ') || line.endsWith(' '))
                out << QStringLiteral("\"%1\" shows a gap").arg(label->text());
        // A table's row label takes one line, or two when it is long.
        if (rowLabels.contains(label->text()) &&
            label->height() >= 3 * label->fontMetrics().lineSpacing())
            out << QStringLiteral("\"%1\" is too tall").arg(label->text());
        // A sub-label stands just before its answer, level with its first line,
        // its lines right-aligned.
        const QString id = label->property("yrnCaptionOf").toString();
        QWidget* answer =
            id.isEmpty() || label->text().isEmpty() ? nullptr : binder.fieldWidget(id);
        if (!answer) continue;
        const QRect text = area(label, pageWidget).marginsRemoved(label->contentsMargins());
        QRect box = area(answer, pageWidget);
        if (QWidget* pair = answer->parentWidget();
            pair && pair->findChild<QLabel*>("dollarSign", Qt::FindDirectChildrenOnly))
            box = area(pair, pageWidget);
        const int gap = box.left() - text.right();
        if (gap < 0 || gap > 40)
            out << QStringLiteral("\"%1\" stands %2 px off").arg(label->text()).arg(gap);
        if (text.top() - box.top() > label->fontMetrics().lineSpacing() ||
            text.bottom() < box.top())
            out << QStringLiteral("\"%1\" is not level with %2").arg(label->text(), id);
        if (label->text().contains('\n') && !(label->alignment() & Qt::AlignRight))
            out << QStringLiteral("\"%1\" has its lines left-aligned").arg(label->text());
    }
    // The text boxes that a hint line names word by word stand side by side.
    for (const Block& block : page.blocks) {
        const qsizetype words = block.hint.split(' ', Qt::SkipEmptyParts).size();
        QList<QWidget*> boxes;
        for (const Answer& a : block.answers)
            if (section.has(a.field) && section.field(a.field).kind == FieldKind::Text &&
                !section.field(a.field).multiLine)
                boxes << binder.fieldWidget(a.field);
        if (words == 0 || boxes.size() < 2 || words > boxes.size()) continue;
        for (QWidget* box : boxes)
            if (area(box, pageWidget).top() != area(boxes.first(), pageWidget).top())
                out << box->objectName() + " stands under " + boxes.first()->objectName();
    }
    return out;
}

class PageLayoutTest : public AppTest {
  protected:
    // Shows one page of a pane with everything laid out.
    QWidget* showPage(PaneView* pane, int index) {
        window->HideControls();
        pane->show();
        pane->HideFrames();
        QWidget* page = pane->pageWidget(index);
        page->setGeometry(pane->rect());
        page->show();
        QApplication::processEvents();
        return page;
    }
};

TEST_F(PageLayoutTest, EveryPageFitsItsAnswersAtBothScreenSizes) {
    int pages = 0;
    for (const QSize size : {QSize(1366, 768), QSize(1920, 1080)}) {
        window->showNormal();
        window->resize(size);
        QApplication::processEvents();
        for (PaneView* pane : window->panes()) {
            for (const Page& page : pane->section().pages()) {
                const QStringList wrong = faults(pane, page, showPage(pane, page.index));
                EXPECT_TRUE(wrong.isEmpty()) << qPrintable(pane->objectName()) << page.index
                                             << " at " << size.width() << ":\n"
                                             << qPrintable(wrong.join('\n'));
                ++pages;
            }
        }
    }
    EXPECT_GE(pages, 2 * 10);
}

TEST_F(PageLayoutTest, DateHeadingsStandOverTheirBoxes) {
    window->showNormal();
    window->resize(1366, 768);
    PaneView* demographic = window->pane("Demographic");
    const QStringList parts{"MM", "DD", "YYYY"};
    for (const auto& [index, boxes] : QList<std::pair<int, QStringList>>{
             {2, {arr("txtChildsDOBM", 9), arr("txtChildsDOBD", 9), arr("txtChildsDOBY", 9)}},
             {3, {"txtD3DOBM", "txtD3DOBD", "txtD3DOBY"}}}) {
        QWidget* page = showPage(demographic, index);
        for (int i = 0; i < 3; ++i) {
            const QRect box = area(demographic->binder().fieldWidget(boxes.at(i)), page);
            bool headed = false;
            for (QLabel* label : page->findChildren<QLabel*>()) {
                const QRect heading = area(label, page);
                headed = headed || (label->text() == parts.at(i) && heading.bottom() < box.top() &&
                                    heading.center().x() >= box.left() &&
                                    heading.center().x() <= box.right());
            }
            EXPECT_TRUE(headed) << qPrintable(boxes.at(i));
        }
    }
}

}  // namespace
}  // namespace yrn::test
