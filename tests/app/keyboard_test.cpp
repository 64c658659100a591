// The keys a Windows-trained interviewer presses by habit: access letters that
// press rather than move, Enter on a button, the usual shortcuts, Page Down and
// Page Up, and the Tab key reaching Next after a page's last answer.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include "app/AccessKeys.h"
#include "app/DrugCommentDialog.h"
#include "app/FieldBinder.h"
#include "app/TypingFixture.h"

namespace yrn::test {
namespace {

// The access letters a person can reach at once in a window: its buttons'
// and labels', the menu titles beside them.
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

QString withoutAccessKey(QString caption) {
    return caption.replace("&&", "\x01").remove('&').replace('\x01', "&");
}

class AccessKeysTest : public AppTest {};

TEST_F(AccessKeysTest, EveryPageAndMenuHasAccessLettersOfItsOwnAndTheTabKeyGoesOnFirst) {
    QStringList menuTitles;
    for (QMenu* menu : window->menus()) {
        menuTitles << accessKey(menu->title());
        QStringList items;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator()) items << accessKey(action->text());
        EXPECT_TRUE(allDifferent(items)) << menu->title().toStdString();
    }
    for (PaneView* pane : window->panes()) {
        for (const Page& page : pane->section().pages()) {
            const QString where = pane->section().info().module + ' ' + QString::number(page.index);
            EXPECT_TRUE(allDifferent(accessKeysOf(pane->pageWidget(page.index), menuTitles)))
                << where.toStdString();
            // Only the underlined letter moves; the caption reads as declared.
            QList<std::pair<QString, QString>> declared = page.buttons;
            declared << std::pair{page.nextButton, page.nextCaption}
                     << std::pair{page.backButton, page.backCaption};
            for (const auto& [name, caption] : declared) {
                if (name.isEmpty()) continue;
                EXPECT_EQ(withoutAccessKey(pane->button(name)->text()), withoutAccessKey(caption));
            }
        }
    }
    EXPECT_EQ(window->pane("CriminalJustice")->button("cmdNextCJ(6)")->text(), "Family /  &Social");
    EXPECT_TRUE(allDifferent(accessKeysOf(&window->clientDialog())));
    EXPECT_TRUE(allDifferent(accessKeysOf(window->drugCommentDialog())));
}

class KeyboardTest : public TypingTest {};

TEST_F(KeyboardTest, TabGoesFromThePagesLastAnswerToTheButtonThatGoesOnAndBackLast) {
    for (PaneView* pane : window->panes()) {
        for (const Page& page : pane->section().pages()) {
            const QString at = pane->section().info().module + ' ' + QString::number(page.index);
            window->HideControls();
            pane->show();
            pane->goTo(page.index);
            settle();
            QList<QWidget*> expected{pane->button(page.nextButton)};
            for (const auto& extra : page.buttons)
                expected << pane->button(extra.first);
            expected << pane->button(page.backButton);
            expected.removeAll(nullptr);
            if (expected.isEmpty()) continue;
            // From the last answer that takes the keyboard.
            QWidget* last = nullptr;
            for (const QString& id : page.fields())
                for (QWidget* stop : pane->binder().tabStops(id))
                    if (stop->isEnabled() && stop->isVisible()) last = stop;
            if (!last) continue;
            last->setFocus(Qt::TabFocusReason);
            QList<QWidget*> reached;
            while (reached.size() < expected.size()) {
                tab();
                reached << focus();
            }
            EXPECT_EQ(reached, expected) << at.toStdString();
        }
    }
}

TEST_F(KeyboardTest, EnterShortcutsAndPageKeysDoWhatTheySay) {
    // Enter on the focused Next button presses it.
    QPushButton* next = current()->button("cmdNextL(0)");
    next->setFocus();
    key(Qt::Key_Return);
    EXPECT_EQ(where(), "LocatorInformation:1");

    // Page Down and Page Up turn the page from a box, as the buttons' keys would,
    // and from a list without changing its answer.
    QTest::mouseClick(box("txtPhone"), Qt::LeftButton);
    key(Qt::Key_PageDown);
    EXPECT_TRUE(QTest::qWaitFor([&] { return where() == "LocatorInformation:2"; }));
    key(Qt::Key_PageUp);
    EXPECT_TRUE(QTest::qWaitFor([&] { return where() == "LocatorInformation:1"; }));
    window->view(0);
    window->findChild<QComboBox*>("cboSite")->setFocus();
    key(Qt::Key_PageDown);
    EXPECT_TRUE(QTest::qWaitFor([&] { return where() == "LocatorInformation:1"; }));
    EXPECT_EQ(locator().position("cboSite"), -1);

    // The usual shortcuts, shown in the menus.
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
    EXPECT_EQ(locator().text("txtCity"), "Springfield");
    for (const auto& [name, keys] : {std::pair{"mnuNewClient", "Ctrl+N"},
                                     {"mnuOpenClient", "Ctrl+O"},
                                     {"mnuSaveClient", "Ctrl+S"},
                                     {"mnuClientExit", "Ctrl+Q"}})
        EXPECT_EQ(window->fileAction(name)->shortcut().toString(), keys);
}

}  // namespace
}  // namespace yrn::test
