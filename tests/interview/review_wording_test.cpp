// The completeness review of a made-up section: which questions it lists, in what
// order and in what words, and where a warning points.
#include <stdexcept>

#include "interview/Interview.h"
#include "interview/Review.h"
#include "interview/Section.h"
#include "support/RecordingPrompts.h"

namespace yrn::test {
namespace {

class Words : public Section {
  public:
    bool fail = false;  // reviewWarnings throws
    Words(Interview& i, const QString& module)
        : Section(i, {module, "Words", "Words.YRN", "Halverin Drug Court YRN -- Words  Section "}) {
        for (const char* id :
             {"txtFirst", "txtLast", "optBound", "optYes", "txtWhat",    "txtDTs",   "optNext",
              "txtPart",  "txtHead", "txtOwn",   "txtOff", "txtHeld",    "txtMaybe", "txtDOBM",
              "txtDOBD",  "optR2",   "txtCap",   "optLed", "txtSkipped", "optRating"})
            id[0] == 't' ? addText(id) : addOption(id, {"No", "Yes"});
        addCheck("chkNone");
        addLabel("lblBound", "2.  Bound  question  ?");
        markOptional({"txtMaybe"});
        // clang-format off
        addPage(0).question("1.  Your\n  name (first ,  last)   :", {{"txtFirst"}, {"txtLast"}})
            .boundQuestion("lblBound", {{"optBound"}})
            .question("3. Used?", {{"optYes"}}).question("", {{"txtWhat"}})  // carries on 3
            .question("4. How often have you:").question("Had DTs?", {{"txtDTs"}})
            .question("5. Next?", {{"optNext"}}).question("Apart?", {{"txtPart"}})
            .question("6. Lead:").heading("Head").question("", {{"txtHead", "Under  head"}})
            .question("Own words?", {{"txtOwn"}})
            .question("7. Check", {{"chkNone"}, {"txtOff"}, {"txtHeld"}, {"txtMaybe"}})
            .note("A note").question("8. Children:")
            .table("", {"DOB", "", "", "Sex"}, {{"GROUP  ONE", {}, {}},
                   {"Mother", {}, {"txtDOBM", "txtDOBD"}}, {"", {}, {"", "", "", "", "optR2"}}})
            .question("", {{"txtCap", "Caption   here"}})
            .table("9.  Titled", {"", "Col"}, {{"Row", {}, {"", "optLed"}}});
        addPage(1).question("10. Skipped", {{"txtSkipped"}});
        addPage(2).caption("-- Ratings", 1)
            .question("", {{"optRating", "11.  Rate"}});  // the page starts with no text
        // clang-format on
        captureStartState();
        setEnabled("txtOff", false);
        setHeld("txtHeld", true);
    }
    int nextPage(int page) const override { return page == 0 ? 2 : -1; }
    QList<ReviewItem> reviewWarnings() const override {
        if (fail) throw std::runtime_error("broken");
        return {reviewWarning(*this, "txtSkipped", "w1"), reviewWarning(*this, "optLed", "w2"),
                reviewWarning(*this, "nowhere", "w3")};
    }
};

// "field|question|section caption|page|page number" of each item of ctlWords.
QStringList lines(const QList<ReviewItem>& items) {
    QStringList out;
    for (const ReviewItem& i : items)
        if (i.module == "ctlWords")
            out << i.fieldId + '|' + i.text() + '|' + i.where() + '|' + QString::number(i.page);
    return out;
}

TEST(ReviewWording, ListsTheQuestionsLeftInOrderInOneLineOfWordsAndWhatCountsAsAnAnswer) {
    RecordingPrompts prompts;
    Interview interview{prompts};
    auto& broken = static_cast<Words&>(interview.add(std::make_unique<Words>(interview, "ctlX")));
    auto& s = static_cast<Words&>(interview.add(std::make_unique<Words>(interview, "ctlWords")));
    broken.fail = true;
    const Review fresh = reviewAnswers(interview);
    const QString p1 = "Words Section, page 1|0";
    EXPECT_EQ(
        lines(fresh.unanswered),
        QStringList(
            {"txtFirst|1. Your name (first , last):|" + p1, "optBound|2. Bound question?|" + p1,
             "optYes|3. Used?|" + p1, "txtDTs|4. How often have you: — Had DTs?|" + p1,
             "optNext|5. Next?|" + p1, "txtPart|Apart?|" + p1, "txtHead|Under head|" + p1,
             "txtOwn|Own words?|" + p1, "txtDOBM|8. Children: — GROUP ONE — Mother — DOB|" + p1,
             "optR2|8. Children: — GROUP ONE — Row 2 — Sex|" + p1, "txtCap|Caption here|" + p1,
             "optLed|9. Titled — Row — Col|" + p1, "optRating|11. Rate|Ratings, page 2|2"}));
    // A fault in one section's checks is reported and the others still run.
    EXPECT_EQ(prompts.titles(), QStringList{"Program Error"});
    EXPECT_EQ(lines(fresh.warnings),
              QStringList({"txtSkipped|w1|Words Section, page 0|1", "optLed|w2|" + p1,
                           "nowhere|w3|Words Section, page 0|-1"}));
    EXPECT_EQ(fresh.warnings.at(1).question, "9. Titled — Row — Col");
    EXPECT_TRUE(fresh.warnings.at(0).isWarning() && !fresh.unanswered.at(0).isWarning());

    // A question of several boxes names its first empty one (blanks are empty).
    s.setText("txtFirst", "Ann");
    s.setText("txtLast", "  ");
    s.choose("optYes", 1);
    s.setText("txtDOBM", "1");
    s.setLabel("lblBound", "2. Changed ?");
    s.setEnabled("txtOff", true);
    const QStringList now = lines(reviewAnswers(interview).unanswered);
    EXPECT_EQ(now.mid(0, 3),
              QStringList({"txtLast|1. Your name (first , last):|" + p1,
                           "optBound|2. Changed ?|" + p1, "txtWhat|3. Used?|" + p1}));
    EXPECT_TRUE(now.contains("txtOff|7. Check|" + p1));
    EXPECT_TRUE(now.contains("txtDOBD|8. Children: — GROUP ONE — Mother — DOB|" + p1));
    // A check box is answered when ticked or grey; a held answer is none.
    EXPECT_FALSE(hasAnswer(s, "chkNone"));
    for (CheckState state : {CheckState::Ticked, CheckState::Grey}) {
        s.setCheck("chkNone", state);
        EXPECT_TRUE(hasAnswer(s, "chkNone"));
    }
    s.setText("txtHeld", "5");
    s.setHeld("txtHeld", true);
    EXPECT_FALSE(hasAnswer(s, "txtHeld"));
    s.setText("txtWhat", " ");
    EXPECT_FALSE(hasAnswer(s, "txtWhat"));
    s.setText("txtWhat", "x");
    EXPECT_TRUE(hasAnswer(s, "txtWhat"));
}

}  // namespace
}  // namespace yrn::test
