// The answer model: rules, frames, the start state, observers, program errors, lists, held
// answers, pages, the numeric check, dates; how the review words and finds a question.
#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

#include "base/CalendarDate.h"
#include "interview/NumericCheck.h"
#include "interview/Review.h"
#include "support/SampleSection.h"
#include "support/TestSupport.h"

using namespace yrn;
using namespace yrn::test;

namespace {

struct ModelTest : ::testing::Test {
    RecordingPrompts prompts;
    Interview interview{prompts};
    Section& s = interview.add(std::make_unique<SampleSection>(interview));
};

TEST_F(ModelTest, RulesListsArraysHeldAnswersPagesObserversTheStartStateAndFaults) {
    QStringList log;
    for (const char* id : {"optWorking", "cboLanguage", "chkAbstinence"})
        s.onClick(id, [&log, id](int v) { log << id + QString::number(v); });
    s.onChange("txtName", [&] { log << "change " + s.text("txtName"); });
    s.onLeave("txtName", [&] { log << "leave"; });
    s.onClick("txtName", [&](int) { log << "into"; });
    // Twice the same value fires once; clearing a group fires nothing.
    for (int twice = 0; twice < 2; ++twice) {
        s.choose("optWorking", 1);
        s.setText("txtName", "Doe");
        s.setCheck("chkAbstinence", CheckState::Grey);
    }
    s.clearOption("optWorking");
    s.textClick("txtName");
    s.leave("txtName");
    s.setPosition("cboLanguage", 2);
    s.setPosition("cboLanguage", -1);
    EXPECT_EQ(log.join(','),
              "optWorking1,change Doe,chkAbstinence2,into,leave,cboLanguage2,cboLanguage-1");
    EXPECT_EQ(s.choice("optWorking"), -1);
    for (const int b : {-1, 2})
        EXPECT_THROW(s.choose("optWorking", b), ProgramError);
    for (const int p : {-2, 3})
        EXPECT_THROW(s.setPosition("cboLanguage", p), ProgramError);
    // Rules change other fields, whose rules run in turn, and frames guard the focus.
    s.onClick("optWorking",
              [&](int b) { b == 0 ? s.clearField("txtWorkPlace") : s.openField("txtWorkPlace"); });
    int changes = 0;
    s.onChange("txtWorkPlace", [&] { ++changes; });
    // A closed frame makes its members unusable: no focus is sent there.
    EXPECT_TRUE(s.field("txtWorkPlace").enabled && !s.usable("txtWorkPlace"));
    EXPECT_EQ(s.frameMembers("fmeWork"), QStringList{"txtWorkPlace"});
    s.requestFocus("txtWorkPlace");
    EXPECT_TRUE(prompts.focusRequests.isEmpty());
    s.setFrameEnabled("fmeWork", true);
    s.requestFocus("txtWorkPlace");
    EXPECT_EQ(focused(prompts), QStringList{"txtWorkPlace"});
    EXPECT_EQ(prompts.focusRequests.value(0).module, "ctlSample");
    s.setText("txtWorkPlace", "Mill");
    s.choose("optWorking", 0);
    EXPECT_TRUE(shows(s, {"txtWorkPlace= (off)"}));
    EXPECT_TRUE(s.field("txtWorkPlace").background == Background::NotApplicable && changes == 2);
    s.requestFocus("txtWorkPlace");
    EXPECT_EQ(prompts.focusRequests.size(), 1);
    s.choose("optWorking", 1);
    EXPECT_TRUE(shows(s, {"txtWorkPlace="}));
    EXPECT_EQ(s.field("txtWorkPlace").background, Background::Normal);
    s.setPosition("cboRace", 1);
    s.setCheck("chkAbstinence", CheckState::Ticked);
    for (const char* id : {"optWorking", "cboRace", "chkAbstinence"})
        s.clearField(id);
    EXPECT_TRUE(shows(s, {"optWorking=-1 (off)", "cboRace= (off)", "chkAbstinence=0 (off)"}));
    const auto codeOf = [&](const char* id, int position) {
        s.setPosition(id, position);
        return QString::number(s.field(id).code()) + ' ' + s.listText(id);
    };
    EXPECT_EQ(
        codeOf("cboRace", 3) + '|' + codeOf("cboLanguage", 1) + '|' + codeOf("cboLanguage", -1),
        "65 Multi-race|1 Spanish|-1 ");
    const Field& charge = s.field("txtCharges(2)");
    EXPECT_TRUE(charge.stem == "txtCharges" && charge.index == 2 && s.field("txtName").index == -1);
    // A held answer is closed and hidden but kept (opening shows it); a new value ends it.
    s.setText("txtName", "Doe");
    s.choose("optWorking", 1);
    s.holdField("txtName");
    s.holdField("optWorking");
    const Field& name = s.field("txtName");
    EXPECT_TRUE(name.held && !name.enabled && name.background == Background::NotApplicable);
    s.openField("txtName");
    EXPECT_TRUE(!name.held && s.text("txtName") == "Doe");
    s.holdField("txtName");
    s.setText("txtName", "Roe");
    s.clearOption("optWorking");
    EXPECT_FALSE(name.held || s.field("optWorking").held);
    // A box is drawn for its maximum length, or the digits of its range.
    EXPECT_TRUE(s.shownLength("txtName") == 25 && s.shownLength("txtComments") == 0);
    s.rangeCheck("txtComments", -1000, 99);
    EXPECT_EQ(s.shownLength("txtComments"), 5);
    EXPECT_EQ((QList<int>{s.firstPage(), s.lastPage(), s.nextPage(0), s.nextPage(1), s.backPage(1),
                          s.backPage(0)}),
              (QList<int>{0, 1, 1, -1, 0, -1}));
    EXPECT_EQ(s.page(2), nullptr);
    EXPECT_TRUE(interview.section("Sample") == &s && interview.section("ctlSample") == &s);
    EXPECT_EQ(interview.section("ctlOther"), nullptr);
    // Without a locator and a demographic pane the identity and pronouns are empty.
    EXPECT_TRUE(!interview.identity().CheckSaveValues() && interview.pronouns().heshe().isEmpty());
    QList<Page> pages;
    PageBuilder(pages, 0)
        .heading("Heading")
        .question("1.", {{"txtA"}, {"optB"}})
        .table({}, {"One", "Two"}, {{"Row 1", {}, {"optC(0)", ""}}, {"Row 2", {}, {"", "txtD"}}})
        .note("A note")
        .question("2.", {{"cboE"}});
    EXPECT_EQ(pages.first().fields(), QStringList({"txtA", "optB", "optC(0)", "txtD", "cboE"}));
    // Observers hear every change; a reset restores the start state.
    s.NewYRN();
    int fired = 0;
    s.onChange("txtName", [&] { ++fired; });
    s.onClick("optWorking", [&](int) { ++fired; });
    QStringList seen;
    const int handle = s.observe([&](const QString& id) { seen << id; });
    s.setText("txtName", "x");
    s.setLabel("lblQuestion", "12.    How many times have you been pregnant?");
    s.setFrameEnabled("fmeWork", true);
    s.setEnabled("txtDays", false);
    s.setBackground("txtDays", Background::NotApplicable);
    s.setHeld("txtDays", true);
    s.setLabel("lblQuestion", "12.    How many times have you been pregnant?");  // unchanged
    s.setEnabled("txtDays", false);
    EXPECT_EQ(seen.join(','), "txtName,lblQuestion,fmeWork,txtDays,txtDays,txtDays");
    // A reset runs no rule, and the view hears of every field, label and frame.
    s.choose("optWorking", 1);
    s.setPosition("cboRace", 3);
    fired = 0;
    seen.clear();
    s.NewYRN();
    EXPECT_EQ(fired, 0);
    EXPECT_TRUE(
        shows(s, {"txtName=", "optWorking=-1", "txtDays=", "cboRace=", "txtWorkPlace= (off)"}));
    EXPECT_TRUE(s.field("txtDays").background == Background::Normal && !s.field("txtDays").held);
    EXPECT_EQ(s.label("lblQuestion"), "Choose the gender first.");
    EXPECT_TRUE(seen.contains("txtComments") && seen.contains("lblQuestion") &&
                seen.contains("fmeWork"));
    seen.clear();
    s.unobserve(handle);
    s.setText("txtName", "z");
    EXPECT_TRUE(seen.isEmpty());
    s.onChange(
        "txtName", [&] { s.setText("txtNoSuchBox", "1"); }, "ctlSample.txtName_Change");
    s.setText("txtName", "again");
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_TRUE(lastBox(prompts).startsWith(
        "Critical|Program Error|Error in module ctlSample.txtName_Change\r\nError description:  "));
    EXPECT_EQ(s.text("txtName"), "again");
    // A rule without a site of its own is named by its module.
    s.onClick("optWorking", [](int) { throw ProgramError("Overflow"); });
    s.choose("optWorking", 0);
    EXPECT_EQ(prompts.last().text, "Error in module ctlSample\r\nError description:  Overflow");
    prompts.clear();
    EXPECT_FALSE(guarded(prompts, ErrorSite::shared("CD"), [] { throw std::runtime_error("x"); }));
    EXPECT_TRUE(guarded(prompts, ErrorSite::shared("CD"), [] {}));
    EXPECT_EQ(prompts.titles(), QStringList({"Program Error"}));
}

// --- The completeness review: how a made-up section's questions are worded and found ---

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

TEST_F(ModelTest, NumericCheckRoundingDatesAndHowTheReviewWordsAndFindsAQuestion) {
    // "typed min max pad kept"; "12.5" is taken as 12 and kept as typed, "-5" is two
    // characters (not padded); numbers beyond 32 bits fail like any out of range.
    const QString rows =
        "|0|30|0|;5|0|12|1|05;0|0|12|1|00;05|0|12|1|05;5|0|12|0|5;30|0|30|0|30;"
        "0|0|30|0|0;12.5|0|31|0|12.5;-5|-10|10|1|-5; 7 |0|10|0| 7 ;+3|0|10|0|+3;"
        "10|0|12|1|10;31.6|0|30|0|;-1|0|30|0|;abc|0|30|0|;1e2|0|30|0|;1,000|0|30|0|;"
        "$5|0|30|0|;12abc|0|30|0|;.|0|30|0|;-|0|30|0|;123456789012|0|30|0|;"
        "99999999999999999999999999|0|30|0|;"
        "99999999999999999999999999|-2147483648|2147483647|0|";
    const QString refusal =
        "Critical|Input Error|Invalid data range or type!\r\n"
        "Must be a numeric value between %1 and %2txtDays";
    for (const QString& row : rows.split(';')) {
        const QStringList c = row.split('|');
        s.setText("txtDays", c[0]);
        prompts.clear();
        CD(s, "txtDays", c[1].toInt(), c[2].toInt(), c[3] == "1");
        EXPECT_EQ(s.text("txtDays"), c[4]) << qPrintable(row);
        EXPECT_EQ((prompts.boxes.size() == 1 ? lastBox(prompts) : "") + focused(prompts).join(','),
                  !c[0].isEmpty() && c[4].isEmpty() ? refusal.arg(c[1], c[2]) : "")
            << qPrintable(row);
    }
    s.setEnabled("txtDays", false);
    s.setText("txtDays", "99");
    prompts.clear();
    CD(s, "txtDays", 0, 30, false);
    EXPECT_EQ(s.text("txtDays") + QString::number(prompts.boxes.size()), "1");
    EXPECT_TRUE(prompts.focusRequests.isEmpty());
    // Declared range checks run on their event, before the rules.
    QString seenByRule = "unset";
    s.rangeCheck("txtName", 0, 10, false, Event::Change);
    s.onChange("txtName", [&] { seenByRule = s.text("txtName"); });
    s.setText("txtName", "11");
    EXPECT_EQ(seenByRule, "");
    s.setEnabled("txtDays", true);
    s.rangeCheck("txtDays", 1, 12, true, Event::Leave);
    s.setText("txtDays", "3");
    EXPECT_EQ(s.text("txtDays"), "3");
    s.leave("txtDays");
    EXPECT_EQ(s.text("txtDays"), "03");
    // Rounding ties go to even, and parsing is exact.
    const std::pair<const char*, int> rounded[] = {
        {"12.5", 12}, {"13.5", 14}, {"2.5000001", 3}, {"-2.5", -2}, {"-3.5", -4}, {".5", 0},
        {"0.51", 1},  {"0.49", 0},  {"007", 7},       {"5.", 5},    {"0", 0},     {"-0", 0}};
    for (const auto& [text, value] : rounded)
        EXPECT_EQ(roundedValue(text), value) << text;
    // Digits of other scripts are letters here.
    for (const char* text : {"1234567890123456789", "", "1 2", "١٢", "+", "1.2.3", "--1"})
        EXPECT_FALSE(roundedValue(QString::fromUtf8(text)).has_value()) << text;
    EXPECT_EQ(roundedValue("123456789012345678"), 123456789012345678);
    EXPECT_TRUE(isNumeric(" 5 ") && isNumeric(".5") && !isNumeric("5a"));
    // The checked conversion keeps to 32 bits: one past either end is no number.
    EXPECT_EQ(checkedValue(" 2147483647 "), 2147483647);
    EXPECT_EQ(checkedValue("-2147483648.4"), std::numeric_limits<qint32>::min());
    for (const char* text : {"2147483648", "2147483647.5", "-2147483649", "99999999999", "x"})
        EXPECT_FALSE(checkedValue(text).has_value()) << text;
    // A date exactly when that day exists.
    for (const char* date : {"05/07/2001", "5/7/2001", "02/29/2000", "12/31/0001"})
        EXPECT_TRUE(isCalendarDate(date)) << date;
    for (const char* date : {"02/29/2001", "02/30/2001", "13/01/2001", "00/10/2001", "04/31/2001",
                             "/07/2001", "05/07/", "05/07/20011", "5a/07/2001", "05-07-2001",
                             "05/07/0000", "005/07/2001", "05/007/2001", "05/07/2001/1"})
        EXPECT_FALSE(isCalendarDate(date)) << date;
    EXPECT_EQ(calendarDate("12/31/1970"), QDate(1970, 12, 31));  // month first in every locale
    prompts.clear();
    auto& broken = static_cast<Words&>(interview.add(std::make_unique<Words>(interview, "ctlX")));
    auto& w = static_cast<Words&>(interview.add(std::make_unique<Words>(interview, "ctlWords")));
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
    w.setText("txtFirst", "Ann");
    w.setText("txtLast", "  ");
    w.choose("optYes", 1);
    w.setText("txtDOBM", "1");
    w.setLabel("lblBound", "2. Changed ?");
    w.setEnabled("txtOff", true);
    const QStringList now = lines(reviewAnswers(interview).unanswered);
    EXPECT_EQ(now.mid(0, 3),
              QStringList({"txtLast|1. Your name (first , last):|" + p1,
                           "optBound|2. Changed ?|" + p1, "txtWhat|3. Used?|" + p1}));
    EXPECT_TRUE(now.contains("txtOff|7. Check|" + p1));
    EXPECT_TRUE(now.contains("txtDOBD|8. Children: — GROUP ONE — Mother — DOB|" + p1));
    // A check box is answered when ticked or grey; a held answer is none.
    EXPECT_FALSE(hasAnswer(w, "chkNone"));
    for (CheckState state : {CheckState::Ticked, CheckState::Grey}) {
        w.setCheck("chkNone", state);
        EXPECT_TRUE(hasAnswer(w, "chkNone"));
    }
    w.setText("txtHeld", "5");
    w.setHeld("txtHeld", true);
    EXPECT_FALSE(hasAnswer(w, "txtHeld"));
    w.setText("txtWhat", " ");
    EXPECT_FALSE(hasAnswer(w, "txtWhat"));
    w.setText("txtWhat", "x");
    EXPECT_TRUE(hasAnswer(w, "txtWhat"));
}

}  // namespace
