// One walk over every page of every pane at the smaller screen in use: the
// layout (answers wide enough, nothing cut or overlapping, one column, no gaps),
// the Tab order of the buttons, the access letters; and the focus as it is painted.

#include "app/AccessKeys.h"
#include "app/AppFixture.h"

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

// The access letters a person can reach at once in a window: its buttons' and
// labels', and the menu titles beside them.
QStringList accessKeysOf(const QWidget* window, QStringList keys = {}) {
    for (const QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (const QChar k = accessKey(b->text()); !k.isNull()) keys << k;
    for (const QLabel* l : window->findChildren<QLabel*>())
        if (const QChar k = accessKey(l->text()); l->buddy() && !k.isNull()) keys << k;
    return keys;
}

::testing::AssertionResult allDifferent(const QStringList& keys) {
    for (const QString& k : keys)
        if (keys.count(k) > 1)
            return ::testing::AssertionFailure()
                   << "Alt+" << k.toStdString() << " twice in " << keys.join(' ').toStdString();
    return ::testing::AssertionSuccess();
}

TEST(AccessKeys, ACaptionThatClashesTakesTheFirstFreeLetterOfAWordThenAnyLetter) {
    EXPECT_EQ(uniqueAccessKeys({"&Demographic", "&Drug && Alcohol", "&Family", "&&Both", "None",
                                "&Dd", "&Employ"},
                               "FVH"),
              (QStringList{"&Demographic", "Drug && &Alcohol", "Fa&mily", "&&Both", "None", "Dd",
                           "&Employ"}));
    EXPECT_EQ(
        (QList<QChar>{accessKey("Fa&Mily"), accessKey("&&&a"), accessKey("&&b"), accessKey("x&")}),
        (QList<QChar>{'m', 'a', QChar(), QChar()}));
}

// The pixels of a widget's outer edge, where a focus frame shows.
QList<QRgb> edge(QWidget* w) {
    const QImage image = w->grab().toImage();
    QList<QRgb> out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (x < 2 || y < 2 || x >= image.width() - 2 || y >= image.height() - 2)
                out << image.pixel(x, y);
    return out;
}

class PageWalkTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        activate();
    }
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
    // Tab from a page's last answer meets Next, the page's other buttons, Back last.
    void checkButtonOrder(PaneView* pane, const Page& page) {
        window->HideControls();
        pane->show();
        pane->goTo(page.index);
        settle();
        QList<QWidget*> buttons{pane->button(page.nextButton)};
        for (const auto& extra : page.buttons)
            buttons << pane->button(extra.first);
        buttons << pane->button(page.backButton);
        buttons.removeAll(nullptr);
        QWidget* last = nullptr;  // the last answer that takes the keyboard
        for (const QString& id : page.fields())
            for (QWidget* stop : pane->binder().tabStops(id))
                if (stop->isEnabled() && stop->isVisible()) last = stop;
        if (buttons.isEmpty() || !last) return;
        last->setFocus(Qt::TabFocusReason);
        QList<QWidget*> reached;
        while (reached.size() < buttons.size()) {
            tab();
            reached << focus();
        }
        EXPECT_EQ(reached, buttons);
    }
    // The year heading of a date stands over its box.
    void checkDateHeading(PaneView* pane, QWidget* page, const QString& year) {
        const QRect box = area(pane->binder().fieldWidget(year), page);
        bool headed = false;
        for (QLabel* label : page->findChildren<QLabel*>()) {
            const QRect heading = area(label, page);
            headed = headed ||
                     (label->text() == "YYYY" && heading.bottom() < box.top() &&
                      heading.center().x() >= box.left() && heading.center().x() <= box.right());
        }
        EXPECT_TRUE(headed) << qPrintable(year);
    }
};

TEST_F(PageWalkTest, EveryPageFitsTakesTabInOrderShowsTheFocusAndHasAccessLettersOfItsOwn) {
    QStringList menuTitles;
    for (QMenu* menu : window->menus()) {
        menuTitles << accessKey(menu->title());
        QStringList items;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator()) items << accessKey(action->text());
        EXPECT_TRUE(allDifferent(items)) << menu->title().toStdString();
    }
    EXPECT_TRUE(allDifferent(accessKeysOf(&window->clientDialog())));
    EXPECT_TRUE(allDifferent(accessKeysOf(window->drugCommentDialog())));
    const auto plain = [](QString caption) { return caption.remove(QRegularExpression("&(?!&)")); };
    int pages = 0;
    window->showNormal();
    window->resize(1366, 768);
    QApplication::processEvents();
    for (PaneView* pane : window->panes()) {
        for (const Page& page : pane->section().pages()) {
            SCOPED_TRACE(pane->objectName().toStdString() + ':' + std::to_string(page.index));
            EXPECT_TRUE(allDifferent(accessKeysOf(pane->pageWidget(page.index), menuTitles)));
            // Only the underlined letter moves; the caption reads as declared.
            QList<std::pair<QString, QString>> declared = page.buttons;
            declared << std::pair{page.nextButton, page.nextCaption}
                     << std::pair{page.backButton, page.backCaption};
            for (const auto& [name, caption] : declared)
                EXPECT_TRUE(name.isEmpty() || plain(pane->button(name)->text()) == plain(caption))
                    << qPrintable(name);
            checkButtonOrder(pane, page);
            QWidget* shown = showPage(pane, page.index);
            const QStringList wrong = faults(pane, page, shown);
            EXPECT_TRUE(wrong.isEmpty()) << qPrintable(wrong.join('\n'));
            if (pane->objectName() == "Demographic" && page.index == 3)
                checkDateHeading(pane, shown, "txtD3DOBY");
            ++pages;
        }
    }
    EXPECT_GE(pages, 10);
    EXPECT_EQ(window->pane("CriminalJustice")->button("cmdNextCJ(6)")->text(), "Family /  &Social");
    // Every stop of the Tab key looks different while it has the focus: boxes, lists
    // and comment boxes at their frame, option buttons, check boxes and buttons whole;
    // the first answer of a page shows it before any Tab. On the first page Tab visits
    // the answers in the order the page declares them, then Next, and comes round.
    window->view(2);
    current()->next();
    auto* radio = qobject_cast<QRadioButton*>(focus());
    for (int i = 0; i < 50 && !radio; ++i, QTest::qWait(10))
        radio = qobject_cast<QRadioButton*>(focus());
    ASSERT_NE(radio, nullptr) << qPrintable(where());
    const QImage shown = radio->grab().toImage();
    radio->clearFocus();
    settle();
    EXPECT_NE(radio->grab().toImage(), shown);
    QStringList blind, seen, order;
    demographic().choose("optOtherChildren", 1);
    demographic().setCheck("chkD1", CheckState::Ticked);
    for (const auto& [item, page] : {std::pair{0, 0}, {0, 4}, {1, 3}}) {
        window->view(item);
        current()->goTo(page);
        settle();
        QWidget* first = focus();
        for (int i = 0; i < 60 && first; ++i) {
            QWidget* w = focus();
            if (item == 0 && page == 0 && (order.isEmpty() || fieldOf(w) != order.last()))
                order << fieldOf(w);
            const bool whole = qobject_cast<QAbstractButton*>(w) != nullptr;
            const QImage focusedImage = w->grab().toImage();
            const QList<QRgb> focusedEdge = edge(w);
            tab();
            if (whole ? w->grab().toImage() == focusedImage : edge(w) == focusedEdge)
                blind << fieldOf(w);
            seen << w->metaObject()->className();
            if (focus() == first) break;
        }
    }
    EXPECT_TRUE(blind.isEmpty()) << qPrintable(blind.join(", "));
    for (const char* kind :
         {"QLineEdit", "QPlainTextEdit", "QRadioButton", "QComboBox", "QCheckBox", "QPushButton"})
        EXPECT_TRUE(seen.contains(kind)) << kind;
    QStringList expected;
    for (const QString& id : locator().page(0)->fields())
        if (locator().usable(id)) expected << id;
    EXPECT_EQ(order, expected << locator().page(0)->nextButton);
}

}  // namespace
}  // namespace yrn::test
