// Every page of every section, at the two screen sizes the program is used on:
// each answer box is wide enough for the answer it takes, each list for its
// longest item, nothing needs scrolling sideways, no text lies over another
// widget, and the Tab key stops only where the focus shows.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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
