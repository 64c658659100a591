// The completeness review in the window: View, Review Answers lists what is not
// answered and goes to a question; before a report an incomplete client is named,
// and No stops before the report with the keyboard in the first such question.
#include <QDockWidget>
#include <QPushButton>
#include <QTreeWidget>

#include "app/FieldBinder.h"
#include "app/ReviewPanel.h"
#include "app/TypingFixture.h"
#include "interview/Review.h"

namespace yrn::test {
namespace {

class ReviewWindow : public TypingTest {
  protected:
    QStringList fieldsOf(const QList<ReviewItem>& items) {
        QStringList out;
        for (const ReviewItem& item : items)
            out << item.module + ':' + item.fieldId;
        return out;
    }
    QStringList listed() { return fieldsOf(window->reviewPanel().entries()); }
    QStringList due() {
        const Review review = reviewAnswers(window->interview());
        return fieldsOf(review.unanswered + review.warnings);
    }
    // The keyboard ends in the box of a review entry, on its page.
    bool keyboardIn(const ReviewItem& item) {
        PaneView* pane = window->pane(item.module);
        return QTest::qWaitFor([&] {
            return current() == pane && currentPage() == item.page &&
                   focus() == pane->binder().focusWidget(item.fieldId);
        });
    }
};

TEST_F(ReviewWindow, ListsWhatIsMissingFollowsTheAnswersAndGoesToAQuestion) {
    typeClient();
    key(Qt::Key_R, Qt::ControlModifier);
    ASSERT_TRUE(window->reviewDock()->isVisible());
    EXPECT_EQ(listed(), due());
    ASSERT_GT(listed().size(), 10);

    // A question of the demographic section, chosen in the list.
    const QList<ReviewItem>& entries = window->reviewPanel().entries();
    const auto at = std::find_if(entries.cbegin(), entries.cend(),
                                 [](const ReviewItem& i) { return i.module == "ctlDemographic"; });
    ASSERT_NE(at, entries.cend());
    const ReviewItem chosen = *at;
    window->reviewPanel().choose(static_cast<int>(at - entries.cbegin()));
    EXPECT_TRUE(keyboardIn(chosen));

    // Answered, it leaves the list a moment later.
    locator().setText("txtCity", "Springfield");
    EXPECT_TRUE(QTest::qWaitFor([&] { return listed() == due(); }));
    EXPECT_FALSE(listed().contains("ctlLocatorInformation:txtCity"));
    window->reviewPanel().list()->setFocus();
    key(Qt::Key_Escape);
    EXPECT_FALSE(window->reviewDock()->isVisible());
}

TEST_F(ReviewWindow, NoToTheReportQuestionStopsBeforeTheReportAtTheFirstQuestion) {
    typeClient();
    const QString report = window->report().clientReportPath();
    const std::function<void()> ways[] = {
        [&] { window->viewAction(9)->trigger(); },
        [&] { window->saveAndViewReport(); },
        [&] { window->saveAndNew(); },
        [&] { window->saveAndExit(); },
    };
    for (const auto& way : ways) {
        prompts.clear();
        window->reviewDock()->hide();
        prompts.answer({false});
        way();
        const Review review = reviewAnswers(window->interview());
        EXPECT_EQ(boxText(prompts.boxes.value(0)),
                  "YesNo|Unanswered Questions|" + review.reportQuestion());
        EXPECT_EQ(prompts.boxes.size(), 1) << lastBox(prompts).toStdString();
        EXPECT_TRUE(QFileInfo::exists(clientFolder() + "/Location.YRN"));
        EXPECT_FALSE(QFileInfo::exists(report));
        EXPECT_TRUE(opener.opened.isEmpty());
        EXPECT_EQ(exits, 0);
        EXPECT_EQ(locator().text("txtLastName"), "Doe");
        EXPECT_TRUE(window->reviewDock()->isVisible());
        EXPECT_TRUE(keyboardIn(review.unanswered.first()));
    }
}

}  // namespace
}  // namespace yrn::test
