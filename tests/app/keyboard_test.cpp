// The keyboard and the pages as drawn: date boxes, page keys, Alt keys, the limit
// note, list type-ahead, the drug comments; and one walk over every page at the
// smaller screen in use: the layout, the Tab order, the access letters, the focus.

#include "app/AccessKeys.h"
#include "app/AppFixture.h"
#include "app/PageRenderer.h"
#include "sections/drugs/DrugsClient.h"

namespace yrn::test {
namespace {

// Every box shows at least this many characters, however long its answer may be.
constexpr int kShownAtLeast = 40;

// The room a line edit has for its text: its contents less the margins the edit
// keeps for the text and the cursor.
int textRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QMargins margins = edit->textMargins();
    return edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width() -
           margins.left() - margins.right() - 2 * 2 - 1;
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
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            const int chars = std::min(section.shownLength(id), kShownAtLeast);
            if (textRoom(edit) < edit->fontMetrics().horizontalAdvance(QString(chars, '0')))
                out << QStringLiteral("%1 is too narrow for %2 characters").arg(id).arg(chars);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            QStyleOptionComboBox option;  // its items fit the shown field or the open list
            option.initFrom(combo);
            const QStyle::SubControl field = QStyle::SC_ComboBoxEditField;
            const int room = std::max(
                combo->view()->minimumWidth(),
                combo->style()->subControlRect(QStyle::CC_ComboBox, &option, field, combo).width());
            for (const QString& item : section.field(id).items)
                if (room < combo->fontMetrics().horizontalAdvance(item))
                    out << QStringLiteral("%1 cuts \"%2\"").arg(id, item);
        } else {
            QList<QAbstractButton*> buttons = widget->findChildren<QAbstractButton*>();
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) buttons << button;
            for (QAbstractButton* button : buttons)
                if (button->width() < button->sizeHint().width())
                    out << QStringLiteral("%1 cuts \"%2\"").arg(id, button->text());
        }
    }
    // Every stop of the Tab key is an answer or a button, which show the focus.
    QList<QWidget*> leaves;
    for (QWidget* w : pageWidget->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(pageWidget)) continue;
        if (isLeaf(w)) leaves << w;
        if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !isLeaf(w))
            out << describe(w) + " takes the focus";
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
    // Every shown text is folded already: no run of blanks but after its number.
    QStringList rowLabels;
    for (const Block& block : page.blocks)
        for (const TableRow& row : block.rows)
            rowLabels << shownWording(row.label);
    for (QLabel* label : pageWidget->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(pageWidget)) continue;
        if (shownWording(label->text()) != label->text())
            out << QStringLiteral("\"%1\" shows a gap").arg(label->text());
        // A table's row label takes one line, or two when it is long.
        if (rowLabels.contains(label->text()) &&
            label->height() >= 3 * label->fontMetrics().lineSpacing())
            out << QStringLiteral("\"%1\" is too tall").arg(label->text());
        // No label lies over another widget, and none is cut.
        if (label->text().isEmpty()) continue;
        for (QWidget* other : leaves)
            if (other != label && !other->isAncestorOf(label) && !label->isAncestorOf(other) &&
                area(label, pageWidget).intersects(area(other, pageWidget)))
                out << describe(label) + " lies over " + describe(other);
        if (label->wordWrap() ? label->height() < label->heightForWidth(label->width())
                              : label->width() < label->sizeHint().width())
            out << describe(label) + " is cut";
        // A sub-label stands just before its answer, level with its first line,
        // its lines right-aligned.
        const QString id = label->property("yrnCaptionOf").toString();
        QWidget* answer = id.isEmpty() ? nullptr : binder.fieldWidget(id);
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

// A stop of the Tab key as drawn: a button whole, any other widget only its outer
// edge, where a focus frame shows.
QImage drawn(QWidget* w) {
    QImage image = w->grab().toImage();
    if (!qobject_cast<QAbstractButton*>(w))
        QPainter(&image).fillRect(image.rect().adjusted(2, 2, -2, -2), Qt::black);
    return image;
}

class KeyboardTest : public AppTest {
  protected:
    DrugsSection& drugs() { return *window->interview().find<DrugsSection>(); }
    // The "Comments" button of a drug row, and a click on it as a person would click.
    QRadioButton* commentButton(int row) {
        return window->pane("Drugs")->binder().optionButtons(arr("optDrugComments", row)).value(0);
    }
    void clickComments(int row) {
        window->view(4);
        QTest::mouseClick(commentButton(row), Qt::LeftButton);
        ASSERT_TRUE(window->drugCommentDialog()->isVisible());
    }
    void typeComment(const QString& text) {
        window->drugCommentDialog()->textBox()->selectAll();
        QTest::keyClicks(window->drugCommentDialog()->textBox(), text);
    }
    // The comment dialog is gone and the main window can be used again.
    bool closedAndEnabled() {
        return !window->drugCommentDialog()->isVisible() && window->isEnabled() &&
               !drugs().commentDialog().isOpen();
    }
    QString comment(int row) { return drugs().text(arr("txtDrugComments", row)); }
};

TEST_F(KeyboardTest, ABoxSaysWhatItsLimitLeavesOutAndDateBoxesPageKeysEnterAltKeysAndShortcuts) {
    activate();
    QSignalSpy notices(&current()->binder(), &FieldBinder::notice);
    const auto said = [&] {  // the one notice since the last look
        return notices.size() == 1 ? notices.takeFirst().at(0).toString()
                                   : QString::number(notices.size()) + " notices";
    };
    // A keystroke at the limit of a 25-character name: said in a tip and in the status bar.
    typeInto("txtLastName", QString(25, 'a') + "b");
    EXPECT_EQ(locator().text("txtLastName"), QString(25, 'a'));
    EXPECT_EQ((QStringList{said(), QToolTip::text(), window->statusBar()->currentMessage()}),
              QStringList(3, "This answer holds at most 25 characters"));
    // A paste over a selection: the selection makes room, the line break stays and
    // counts, what fits goes in, and undo takes the paste back.
    typeInto("txtStreetAddress", "1423 Elm St");
    QLineEdit* street = box("txtStreetAddress");
    street->setSelection(9, 2);
    QApplication::clipboard()->setText("Street, Apartment 3B, rear entrance\nby the gate");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(locator().text("txtStreetAddress"),
              "1423 Elm Street, Apartment 3B, rear entrance\nby th");
    EXPECT_EQ(said(),
              "This answer holds at most 50 characters: the last 6 characters of the pasted "
              "text were left out.");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(locator().text("txtStreetAddress"), "1423 Elm St");
    street->selectAll();
    QApplication::clipboard()->setText(QString(49, 'x') + "yz");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(said().endsWith("the last character of the pasted text was left out."));
    // A drop of which nothing fits.
    street->setText(QString(50, 'x'));
    QMimeData dragged;
    dragged.setText("1234567");
    const QPoint end(street->width() - 4, 5);
    QDragEnterEvent enter(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(street, &enter);
    QDropEvent drop(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(street, &drop);
    EXPECT_EQ(street->text(), QString(50, 'x'));
    EXPECT_EQ(said(), "This answer holds at most 50 characters: the dropped text was left out.");
    QTest::mouseClick(box("txtAssessmentDate1"), Qt::LeftButton);
    // "13" fills the month box, the focus moves on, and leaving the box refuses it;
    // "2" then Tab becomes "02"; the day and the year follow by themselves; the
    // impossible date sends the focus back to the month, selected for retyping.
    const QStringList refused{"Input Error"}, impossible{"Input Error", "Incorrect Date"};
    // (typed, then Tab, the date box with the focus, the month, its selection, the boxes)
    const std::tuple<QString, bool, int, QString, QString, QStringList> steps[] = {
        {"", false, 1, "", "", {}},
        {"13", false, 1, "", "", refused},
        {"2", true, 2, "02", "", refused},
        {"30", false, 3, "02", "", refused},
        {"2001", true, 1, "02", "02", impossible},
        {"03", false, 2, "03", "30", impossible},
        {"14", false, 3, "03", "2001", impossible}};
    for (const auto& [typed, thenTab, at, month, selected, titles] : steps) {
        keys(typed);
        if (thenTab) key(Qt::Key_Tab);
        const QLineEdit* focused = box("txtAssessmentDate" + QString::number(at));
        ASSERT_TRUE(focusComesTo(focused)) << qPrintable(typed);
        EXPECT_EQ(focused->selectedText(), selected);
        EXPECT_EQ(box("txtAssessmentDate1")->text(), month);
        EXPECT_EQ(prompts.titles(), titles);
    }
    // Page Down and Page Up turn the page from a box, as the buttons' keys would,
    // and from a list without changing its answer; Enter on a button presses it.
    window->findChild<QComboBox*>("cboSite")->setFocus();
    key(Qt::Key_PageDown);
    EXPECT_TRUE(QTest::qWaitFor([&] { return where() == "LocatorInformation:1"; }));
    EXPECT_TRUE(focusComesTo(box("txtMStreetAddress")));  // every page starts in its first answer
    EXPECT_EQ(locator().position("cboSite"), -1);
    QTest::mouseClick(box("txtPhone"), Qt::LeftButton);
    key(Qt::Key_PageUp);
    EXPECT_TRUE(QTest::qWaitFor([&] { return where() == "LocatorInformation:0"; }));
    current()->button("cmdNextL(0)")->setFocus();
    key(Qt::Key_Return);
    EXPECT_EQ(where(), "LocatorInformation:1");
    for (int i = 0; i < 10 && currentPage() != locator().lastPage(); ++i)
        current()->next();
    // Alt+N pressed once too often on a pane's last page adds no "n" to a comment.
    EXPECT_TRUE(focusComesTo(window->findChild<QPlainTextEdit*>("txtLocationInformation")));
    keys("ok");
    key(Qt::Key_N, Qt::AltModifier);
    key(Qt::Key_N, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(locator().text("txtLocationInformation"), "ok");
    current()->next();
    EXPECT_TRUE(focusComesTo(box("txtBDateMonth")));  // and the next pane's
    typeClient();
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith("Saved to "));
    key(Qt::Key_F1);
    EXPECT_EQ(opener.opened.value(0), program + "/YRN Help Files/YRN Introduction.doc");
    locator().setText("txtCity", "Springfield");
    prompts.clear();
    prompts.answerSave({Prompts::SaveChoice::Cancel});
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(prompts.titles(), QStringList{"Unsaved Answers"});
}

// A child row the typed count closes shows empty at once; its answers come back
// when the count does, and go for good once the count is final. A list picks by
// type-ahead and opens only on its keys.
TEST_F(KeyboardTest, ARowTheCountClosesAListPicksByTypeAheadAndTheCommentDialogCloses) {
    activate();
    Section& d = section("ctlDemographic");
    window->view(1);
    current()->goTo(2);
    settle();
    typeInto("txtChildren", "3");
    d.setText(arr("txtChildsDOBY", 2), "2004");
    d.choose(arr("optGender", 2), 1);
    d.setPosition(arr("cboCustody", 2), 2);
    auto* year = box(arr("txtChildsDOBY", 2));
    auto* custody = window->findChild<QComboBox*>(arr("cboCustody", 2));
    auto* female = window->findChild<QRadioButton*>("optGender1(2)");
    ASSERT_TRUE(year && custody && female);
    ASSERT_EQ(focus(), box("txtChildren"));
    for (const QString count : {"1", "3", "1"}) {
        key(Qt::Key_Backspace);
        keys(count);
        const bool open = count == "3";
        EXPECT_TRUE(year->text() == (open ? "2004" : "") && year->isEnabled() == open &&
                    custody->currentIndex() == (open ? 2 : -1) && female->isChecked() == open)
            << qPrintable(count);
    }
    key(Qt::Key_Tab);  // the count is final
    EXPECT_EQ(d.text(arr("txtChildsDOBY", 2)), "");
    const QString id = arr("cboCustody", 0);
    auto* list = window->findChild<QComboBox*>(id);
    ASSERT_TRUE(list && list->isEnabled());
    list->setFocus();
    ASSERT_TRUE(focusComesTo(list));
    QSignalSpy picks(list, &QComboBox::activated);
    const auto pause = [] { QTest::qWait(QApplication::keyboardInputInterval() + 100); };
    // The whole text, blanks included, reaches the model; the list stays shut.
    keys("other family member");
    EXPECT_TRUE(d.position(id) == 2 && !list->view()->isVisible());
    // The same letter goes round the items that begin with it.
    pause();
    for (const int item : {9, 1, 2}) {
        keys("O");
        EXPECT_EQ(d.position(id), item);
    }
    // The only item with its letter is chosen once; typed again, nothing fires.
    pause();
    keys("n");
    EXPECT_EQ(d.position(id), 10);
    const qsizetype fired = picks.size();
    pause();
    keys("n");
    EXPECT_EQ(picks.size(), fired);
    // The arrows still move; Alt+Up and an Alt key no button takes do nothing; F4 opens the list.
    key(Qt::Key_Up);
    EXPECT_EQ(d.position(id), 9);
    key(Qt::Key_Up, Qt::AltModifier);
    pause();
    key(Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(d.position(id) == 9 && !list->view()->isVisible());
    key(Qt::Key_F4);
    EXPECT_TRUE(list->view()->isVisible());
    list->hidePopup();
    // The drug comment dialog: OK, Cancel, its window control, Escape and a Load
    // close it, the main window enabled after every way out.
    prompts.clear();
    DrugCommentDialog* dialog = window->drugCommentDialog();
    window->view(4);
    drugs().choose(arr("optEverUse", 3), 1);
    settle();
    QRadioButton* button = commentButton(3);
    button->setFocus();
    ASSERT_TRUE(focusComesTo(button));
    key(Qt::Key_Space);
    EXPECT_TRUE(dialog->isVisible() && dialog->isWindow() && dialog->isEnabled() &&
                !window->isEnabled());
    EXPECT_EQ(dialog->label()->text(), "Crack cocaine comments");
    EXPECT_EQ(dialog->textBox()->toPlainText(), "");
    typeComment("uses daily");
    QTest::keyClick(dialog->textBox(), Qt::Key_Return);  // a new line, not OK
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClicks(dialog->textBox(), "since 2019");
    QTest::keyClick(dialog->textBox(), Qt::Key_N, Qt::AltModifier);  // no button takes it
    dialog->okButton()->setFocus();
    QTest::keyClick(dialog->okButton(), Qt::Key_Return);  // Enter presses OK
    EXPECT_TRUE(closedAndEnabled());
    EXPECT_EQ(comment(3), "uses daily\r\nsince 2019");
    EXPECT_FALSE(button->isChecked());
    // The interviewer goes on with the next substance, not from the top of the page.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isActiveWindow(); }));
    EXPECT_TRUE(focusComesTo(button)) << qPrintable(fieldOf(focus()));
    const std::function<void()> ways[] = {
        [&] { QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton); },
        [&] { closeByControl(dialog); },
        [&] { QTest::keyClick(dialog->textBox(), Qt::Key_Escape); },
        // Load on a folder that holds no client: the client stays, the comment goes all the same.
        [&] { load(folder.root.path()); },
    };
    for (const auto& way : ways) {
        clickComments(3);
        EXPECT_EQ(dialog->textBox()->toPlainText(), "uses daily\nsince 2019");
        typeComment("not kept");
        way();
        EXPECT_TRUE(closedAndEnabled());
        EXPECT_EQ(comment(3), "uses daily\r\nsince 2019");
        EXPECT_EQ(drugs().choice(arr("optDrugComments", 3)), -1);
    }
    EXPECT_EQ(prompts.titles(), QStringList{"Invalid directory"});
    typeClient();
    drugs().choose(arr("optEverUse", 0), 1);
    writeComment(drugs(), 0, "kept");
    // The open-client dialog's window control leaves the main window disabled
    // while a comment is up; New Assessment closes the comment first.
    clickComments(0);
    window->clientDialog().show();
    closeByControl(&window->clientDialog());
    EXPECT_TRUE(!window->isEnabled() && dialog->isVisible());
    window->clientDialog().offerNewAssessment(true);
    window->clientDialog().show();
    typeComment("typed, then New Assessment");
    window->clientDialog().newButton()->click();
    EXPECT_TRUE(closedAndEnabled());
    EXPECT_EQ(comment(0), "kept");
}

TEST_F(KeyboardTest, EveryPageFitsTakesTabInOrderShowsTheFocusAndHasAccessLettersOfItsOwn) {
    activate();
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
    window->showNormal();
    window->resize(1366, 768);
    QApplication::processEvents();
    for (PaneView* pane : window->panes()) {
        for (const Page& page : pane->section().pages()) {
            SCOPED_TRACE(pane->objectName().toStdString() + ':' + std::to_string(page.index));
            EXPECT_TRUE(allDifferent(accessKeysOf(pane->pageWidget(page.index), menuTitles)));
            window->HideControls();
            pane->show();
            pane->goTo(page.index);
            settle();
            QWidget* last = nullptr;  // the last answer that takes the keyboard
            for (const QString& id : page.fields())
                for (QWidget* stop : pane->binder().tabStops(id))
                    if (stop->isEnabled() && stop->isVisible()) last = stop;
            if (last) last->setFocus(Qt::TabFocusReason);
            // Only the underlined letter moves, the caption reads as declared; and Tab
            // from the page's last answer meets Next, its other buttons, Back last.
            QList<std::pair<QString, QString>> declared{{page.nextButton, page.nextCaption}};
            declared << page.buttons << std::pair{page.backButton, page.backCaption};
            for (const auto& [name, caption] : declared) {
                if (name.isEmpty()) continue;
                EXPECT_EQ(plain(pane->button(name)->text()), plain(caption)) << qPrintable(name);
                if (!last) continue;
                key(Qt::Key_Tab);
                EXPECT_EQ(focus(), pane->button(name)) << qPrintable(name);
            }
            pane->HideFrames();
            QWidget* shown = pane->pageWidget(page.index);
            shown->setGeometry(pane->rect());
            shown->show();
            QApplication::processEvents();
            const QStringList wrong = faults(pane, page, shown);
            EXPECT_TRUE(wrong.isEmpty()) << qPrintable(wrong.join('\n'));
            // The year heading of a date stands over its box.
            if (pane->objectName() == "Demographic" && page.index == 3) {
                const QRect box = area(pane->binder().fieldWidget("txtD3DOBY"), shown);
                EXPECT_TRUE(std::ranges::any_of(shown->findChildren<QLabel*>(), [&](QLabel* label) {
                    const QRect heading = area(label, shown);
                    return label->text() == "YYYY" && heading.bottom() < box.top() &&
                           box.contains(heading.center().x(), box.center().y());
                }));
            }
        }
    }
    // Every stop of the Tab key looks different while it has the focus: boxes, lists
    // and comment boxes at their frame, option buttons, check boxes and buttons whole.
    // On the first page Tab visits the answers in the order the page declares them,
    // then Next, and comes round.
    QStringList blind, seen, order;
    section("ctlDemographic").choose("optOtherChildren", 1);
    section("ctlDemographic").setCheck("chkD1", CheckState::Ticked);
    for (const auto& [item, page] : {std::pair{0, 0}, {0, 4}, {1, 3}}) {
        window->view(item);
        current()->goTo(page);
        settle();
        QWidget* first = focus();
        for (int i = 0; i < 60 && first; ++i) {
            QWidget* w = focus();
            if (item == 0 && page == 0 && (order.isEmpty() || fieldOf(w) != order.last()))
                order << fieldOf(w);
            const QImage focused = drawn(w);
            key(Qt::Key_Tab);
            if (drawn(w) == focused) blind << fieldOf(w);
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
