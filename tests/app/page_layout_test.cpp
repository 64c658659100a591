// Every page of every section, at the two screen sizes the program is used on:
// each answer box is wide enough for the answer it takes, each list for its
// longest item, nothing needs scrolling sideways, no text lies over another
// widget, and the Tab key stops only where the focus shows. The page reads as
// one form: the answers of consecutive questions stand in one column (notes
// between them included), texts show no wide gaps, sub-labels stand right beside
// their answers with their lines right-aligned, the boxes a hint line names stand
// side by side under it, and no row label of a table wraps to more than two lines.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

#include "AppFixture.h"
#include "app/FieldBinder.h"
#include "interview/Section.h"

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
    return w->metaObject()->className() + QStringLiteral(" '") + w->objectName() + "'" +
           (qobject_cast<const QLabel*>(w) ? " \"" + qobject_cast<const QLabel*>(w)->text() + "\""
                                           : QString());
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

    // The answer widgets of the page are as wide as their answers need.
    QStringList narrowAnswers(PaneView* pane, const Page& page) {
        QStringList out;
        const Section& section = pane->section();
        for (const QString& id : page.fields()) {
            QWidget* widget = pane->binder().fieldWidget(id);
            if (!widget) {
                out << id + " has no widget";
                continue;
            }
            const QFontMetrics metrics(widget->font());
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                const int chars = std::min(section.shownLength(id), kShownAtLeast);
                const int needed = metrics.horizontalAdvance(QString(chars, QLatin1Char('0')));
                if (textRoom(edit) < needed)
                    out << QStringLiteral("%1 shows %2 px of the %3 px that %4 characters need")
                               .arg(id)
                               .arg(textRoom(edit))
                               .arg(needed)
                               .arg(chars);
            } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                const Field& field = section.field(id);
                for (const QString& item : field.items) {
                    const int needed = metrics.horizontalAdvance(item);
                    if (comboTextRoom(combo) < needed && combo->view()->minimumWidth() < needed)
                        out << QStringLiteral("%1 cuts \"%2\"").arg(id, item);
                }
            } else {
                for (QAbstractButton* button : widget->findChildren<QAbstractButton*>())
                    if (button->width() < button->sizeHint().width())
                        out << QStringLiteral("%1 cuts its button \"%2\"").arg(id, button->text());
                if (auto* button = qobject_cast<QAbstractButton*>(widget);
                    button && button->width() < button->sizeHint().width())
                    out << id + " is cut";
            }
        }
        return out;
    }

    // No label lies over another widget, and none is cut.
    QStringList overlaps(QWidget* page) {
        QList<QWidget*> leaves;
        for (QWidget* w : page->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(page)) continue;
            if (qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w) ||
                qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                qobject_cast<QAbstractButton*>(w))
                leaves << w;
        }
        const auto area = [page](QWidget* w) { return QRect(w->mapTo(page, QPoint()), w->size()); };
        QStringList out;
        for (QWidget* w : leaves) {
            auto* label = qobject_cast<QLabel*>(w);
            if (!label || label->text().isEmpty()) continue;
            // A combo box's own line edit and the like are parts of one widget.
            for (QWidget* other : leaves)
                if (other != w && !other->isAncestorOf(w) && !w->isAncestorOf(other) &&
                    area(w).intersects(area(other)))
                    out << describe(w) + " lies over " + describe(other);
            const bool cut = label->wordWrap()
                                 ? label->height() < label->heightForWidth(label->width())
                                 : label->width() < label->sizeHint().width();
            if (cut) out << describe(w) + " is cut";
        }
        return out;
    }

    // Every stop of the Tab key is an answer or a button, which show the focus.
    QStringList blindStops(QWidget* page) {
        QStringList out;
        for (QWidget* w : page->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(page) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
                continue;
            if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QPlainTextEdit*>(w) &&
                !qobject_cast<QComboBox*>(w) && !qobject_cast<QAbstractButton*>(w))
                out << describe(w) + " takes the focus";
        }
        return out;
    }

    static QRect area(const QWidget* w, QWidget* page) {
        return {w->mapTo(page, QPoint()), w->size()};
    }

    // Where an answer is placed in its question grid: the widget under the grid
    // that holds it (a "$" beside a box, a row of short answers). nullptr for an
    // answer in a table.
    static QWidget* placement(QWidget* widget) {
        for (QWidget* w = widget; w && w->parentWidget(); w = w->parentWidget())
            if (w->parentWidget()->objectName() == QStringLiteral("questions")) return w;
        return nullptr;
    }

    // The answers of consecutive questions (with notes between them) start at one x.
    QStringList misalignedAnswers(PaneView* pane, const Page& page, QWidget* pageWidget) {
        QStringList out;
        int column = -1;
        QString first;
        for (const Block& block : page.blocks) {
            if (block.kind != Block::Kind::Question && block.kind != Block::Kind::Note) {
                column = -1;
                continue;
            }
            if (block.answers.isEmpty()) continue;
            QWidget* widget = pane->binder().fieldWidget(block.answers.first().field);
            QWidget* placed = widget ? placement(widget) : nullptr;
            if (!placed) continue;
            const int x = area(placed, pageWidget).left();
            if (column < 0) {
                column = x;
                first = block.answers.first().field;
            } else if (x != column) {
                out << QStringLiteral("%1 starts at x %2, %3 before it at %4")
                           .arg(block.answers.first().field)
                           .arg(x)
                           .arg(first)
                           .arg(column);
            }
        }
        return out;
    }

    // No shown text holds a run of blanks, but after the number it starts with.
    QStringList gaps(QWidget* page) {
        static const QRegularExpression number(
            QStringLiteral("^(\\d+[a-z]?\\d*(\\.\\d+)?\\.?|[a-z]\\.) +"));
        QStringList out;
        for (QLabel* label : page->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(page)) continue;
            for (QString line : label->text().split('\n')) {
                line.remove(number);
                if (line.contains(QStringLiteral("  ")) || line.startsWith(' ') ||
                    line.endsWith(' '))
                    out << QStringLiteral("\"%1\" shows a gap").arg(label->text());
            }
        }
        return out;
    }

    // Every sub-label stands just before its answer, level with its first line,
    // and its lines are right-aligned as the label is.
    QStringList strayCaptions(PaneView* pane, QWidget* page) {
        QStringList out;
        for (QLabel* label : page->findChildren<QLabel*>()) {
            const QString id = label->property("yrnCaptionOf").toString();
            if (id.isEmpty() || !label->isVisibleTo(page) || label->text().isEmpty()) continue;
            QWidget* answer = pane->binder().fieldWidget(id);
            if (!answer) continue;
            // The text's own right end, and the answer's (or its "$"'s) left end.
            const QRect text = area(label, page).marginsRemoved(label->contentsMargins());
            QRect box = area(answer, page);
            if (QWidget* pair = answer->parentWidget();
                pair && pair->findChild<QLabel*>("dollarSign", Qt::FindDirectChildrenOnly))
                box = area(pair, page);
            const int gap = box.left() - text.right();
            if (gap < 0 || gap > 40)
                out << QStringLiteral("\"%1\" stands %2 px from %3")
                           .arg(label->text())
                           .arg(gap)
                           .arg(id);
            const int lineHeight = label->fontMetrics().lineSpacing();
            if (text.top() - box.top() > lineHeight || text.bottom() < box.top())
                out << QStringLiteral("\"%1\" is not level with the top of %2")
                           .arg(label->text(), id);
            if (label->text().contains('\n') && !(label->alignment() & Qt::AlignRight))
                out << QStringLiteral("\"%1\" has its lines left-aligned").arg(label->text());
        }
        return out;
    }

    // The text boxes that a hint line names word by word stand side by side.
    QStringList stackedBoxes(PaneView* pane, const Page& page, QWidget* pageWidget) {
        QStringList out;
        const Section& section = pane->section();
        for (const Block& block : page.blocks) {
            const qsizetype words = block.hint.split(' ', Qt::SkipEmptyParts).size();
            QList<QWidget*> boxes;
            for (const Answer& a : block.answers)
                if (section.has(a.field) && section.field(a.field).kind == FieldKind::Text &&
                    !section.field(a.field).multiLine)
                    boxes << pane->binder().fieldWidget(a.field);
            if (words == 0 || boxes.size() < 2 || words > boxes.size()) continue;
            for (QWidget* box : boxes)
                if (box && area(box, pageWidget).top() != area(boxes.first(), pageWidget).top())
                    out << box->objectName() + " stands under " + boxes.first()->objectName();
        }
        return out;
    }

    // A table's row label takes one line, or two when it is long.
    QStringList tallRowLabels(const Page& page, QWidget* pageWidget) {
        QStringList out;
        QStringList texts;
        for (const Block& block : page.blocks)
            for (const TableRow& row : block.rows)
                texts << FieldBinder::shownWording(row.label);
        for (QLabel* label : pageWidget->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(pageWidget) || !texts.contains(label->text())) continue;
            if (label->height() >= 3 * label->fontMetrics().lineSpacing())
                out << QStringLiteral("\"%1\" takes %2 px").arg(label->text()).arg(label->height());
        }
        return out;
    }

    bool scrollsSideways(QWidget* page) {
        auto* scroll = page->findChild<QScrollArea*>();
        return scroll && scroll->horizontalScrollBar()->maximum() > 0;
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
                QWidget* widget = showPage(pane, page.index);
                const QString where = QStringLiteral("%1 page %2 at %3x%4")
                                          .arg(pane->section().info().controlName)
                                          .arg(page.index)
                                          .arg(size.width())
                                          .arg(size.height());
                const QStringList narrow = narrowAnswers(pane, page);
                EXPECT_TRUE(narrow.isEmpty()) << qPrintable(where + ":\n" + narrow.join('\n'));
                const QStringList over = overlaps(widget);
                EXPECT_TRUE(over.isEmpty()) << qPrintable(where + ":\n" + over.join('\n'));
                EXPECT_FALSE(scrollsSideways(widget)) << qPrintable(where);
                const QStringList blind = blindStops(widget);
                EXPECT_TRUE(blind.isEmpty()) << qPrintable(where + ":\n" + blind.join('\n'));
                QStringList form = misalignedAnswers(pane, page, widget);
                form << gaps(widget) << strayCaptions(pane, widget)
                     << stackedBoxes(pane, page, widget) << tallRowLabels(page, widget);
                EXPECT_TRUE(form.isEmpty()) << qPrintable(where + ":\n" + form.join('\n'));
                ++pages;
            }
        }
    }
    EXPECT_GE(pages, 2 * 10);  // the locator and demographic pages at least
}

// The date columns of the children and dependents tables have their own headings
// right over their boxes.
TEST_F(PageLayoutTest, DateHeadingsStandOverTheirBoxes) {
    window->showNormal();
    window->resize(1366, 768);
    PaneView* demographic = window->pane("Demographic");
    const QStringList parts{"MM", "DD", "YYYY"};
    const QList<std::pair<int, QStringList>> rows{
        {2, {arr("txtChildsDOBM", 0), arr("txtChildsDOBD", 0), arr("txtChildsDOBY", 0)}},
        {2, {arr("txtChildsDOBM", 9), arr("txtChildsDOBD", 9), arr("txtChildsDOBY", 9)}},
        {3, {"txtD1DOBM", "txtD1DOBD", "txtD1DOBY"}},
        {3, {"txtD3DOBM", "txtD3DOBD", "txtD3DOBY"}}};
    for (const auto& [index, boxes] : rows) {
        QWidget* page = showPage(demographic, index);
        for (int i = 0; i < 3; ++i) {
            QWidget* box = demographic->binder().fieldWidget(boxes.at(i));
            ASSERT_NE(box, nullptr);
            const QRect boxArea(box->mapTo(page, QPoint()), box->size());
            bool headed = false;
            for (QLabel* label : page->findChildren<QLabel*>()) {
                const QRect area(label->mapTo(page, QPoint()), label->size());
                const int middle = area.center().x();
                headed = headed || (label->text() == parts.at(i) && area.bottom() < boxArea.top() &&
                                    middle >= boxArea.left() && middle <= boxArea.right());
            }
            EXPECT_TRUE(headed) << qPrintable(boxes.at(i));
        }
    }
}

// The narrowest a box of a long answer gets is still room for a street address.
TEST_F(PageLayoutTest, AStreetAddressShowsWhole) {
    QWidget* page = showPage(current(), 0);
    auto* street = page->findChild<QLineEdit*>("txtStreetAddress");
    ASSERT_NE(street, nullptr);
    EXPECT_GE(textRoom(street),
              street->fontMetrics().horizontalAdvance("1423 Elm Street, Apt 4B, Springfield"));
}

}  // namespace
}  // namespace yrn::test
