// What the keys do at the edges of the answers: a box's limit that refuses typing
// or cuts a paste says so beside the box, and a list picks by type-ahead without
// ever opening on a typed key.
#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QToolTip>
#include <algorithm>

#include "app/FieldBinder.h"
#include "app/TypingFixture.h"

namespace yrn::test {
namespace {

class AnswerKeysTest : public TypingTest {
  protected:
    // The notices given, one a line, readable when a check fails.
    static std::string said(const QSignalSpy& spy) {
        QStringList out;
        for (const QList<QVariant>& signal : spy)
            out << signal.at(0).toString();
        return out.join('\n').toStdString();
    }
    static std::string tip() { return QToolTip::text().toStdString(); }
};

TEST_F(AnswerKeysTest, ABoxSaysWhatItsLimitLeavesOut) {
    Section& l = locator();
    QSignalSpy notices(&current()->binder(), &FieldBinder::notice);
    const QString full(25, 'a');

    // A keystroke at the limit of a 25-character name.
    typeInto("txtLastName", full + "b");
    EXPECT_EQ(l.text("txtLastName"), full);
    EXPECT_EQ(said(notices), "This answer holds at most 25 characters");
    EXPECT_EQ(tip(), "This answer holds at most 25 characters");

    // A paste over a selection: the selection makes room, the line break stays
    // and counts, what fits goes in, and undo takes the paste back.
    notices.clear();
    typeInto("txtStreetAddress", "1423 Elm St");
    QLineEdit* street = box("txtStreetAddress");
    street->setSelection(9, 2);
    QApplication::clipboard()->setText("Street, Apartment 3B, rear entrance\nby the gate");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(l.text("txtStreetAddress"), "1423 Elm Street, Apartment 3B, rear entrance\nby th");
    const std::string cut =
        "This answer holds at most 50 characters: the last 6 characters of the "
        "pasted text were left out.";
    EXPECT_EQ(said(notices), cut);
    EXPECT_EQ(tip(), cut);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(street->text(), "1423 Elm St");
    EXPECT_EQ(l.text("txtStreetAddress"), "1423 Elm St");

    // The context menu's Paste over the whole text.
    notices.clear();
    street->selectAll();
    QApplication::clipboard()->setText(QString(49, 'x') + "yz");
    QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                street->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(street, &menuEvent);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    const auto paste = std::find_if(actions.cbegin(), actions.cend(), [](const QAction* a) {
        return a->text().startsWith("&Paste");
    });
    ASSERT_NE(paste, actions.cend());
    (*paste)->trigger();
    menu->close();
    settle();
    EXPECT_EQ(l.text("txtStreetAddress"), QString(49, 'x') + "y");
    EXPECT_EQ(said(notices),
              "This answer holds at most 50 characters: the last character of "
              "the pasted text was left out.");

    // A drop.
    notices.clear();
    street->setText(QString(45, 'x'));
    QMimeData dragged;
    dragged.setText("1234567");
    const QPoint end(street->width() - 4, 5);
    QDragEnterEvent enter(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(street, &enter);
    QDropEvent drop(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(street, &drop);
    EXPECT_EQ(street->text(), QString(45, 'x') + "12345");
    EXPECT_EQ(said(notices),
              "This answer holds at most 50 characters: the last 2 characters of "
              "the dropped text were left out.");

    // A longer text the program puts in shows whole, without a note.
    notices.clear();
    l.setText("txtLastName", QString(30, 'z'));
    settle();
    EXPECT_EQ(box("txtLastName")->text(), QString(30, 'z'));
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(AnswerKeysTest, AListPicksByTypeAheadAndOpensOnlyOnItsKeys) {
    Section& d = demographic();
    toChildrenPage("1");
    const QString id = arr("cboCustody", 0);
    auto* list = window->findChild<QComboBox*>(id);
    ASSERT_TRUE(list && list->isEnabled());
    list->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return focus() == static_cast<QWidget*>(list); }));
    QSignalSpy picks(list, &QComboBox::activated);
    const auto pause = [] { QTest::qWait(QApplication::keyboardInputInterval() + 100); };

    // The whole text, blanks included, reaches the model; the list stays shut.
    keys("other family member");
    EXPECT_EQ(d.position(id), 2);
    EXPECT_FALSE(list->view()->isVisible());

    // The same letter goes round the items that begin with it.
    pause();
    QList<int> round;
    for (int i = 0; i < 3; ++i) {
        keys("O");
        round << d.position(id);
    }
    EXPECT_EQ(round, (QList<int>{9, 1, 2}));

    // The only item with its letter is chosen once; typed again, nothing fires.
    pause();
    keys("n");
    EXPECT_EQ(d.position(id), 10);
    const qsizetype fired = picks.size();
    pause();
    keys("n");
    EXPECT_EQ(picks.size(), fired);

    // The arrows still move; Alt+Up and an Alt key no button takes do nothing;
    // F4 opens the list.
    key(Qt::Key_Up);
    EXPECT_EQ(d.position(id), 9);
    key(Qt::Key_Up, Qt::AltModifier);
    pause();
    key(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(d.position(id), 9);
    EXPECT_FALSE(list->view()->isVisible());
    key(Qt::Key_F4);
    EXPECT_TRUE(list->view()->isVisible());
    list->hidePopup();
}

}  // namespace
}  // namespace yrn::test
