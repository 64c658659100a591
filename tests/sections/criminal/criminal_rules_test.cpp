// The criminal justice pane's rules: question 5 governs questions 6 and 7,
// question 8 the charges awaited, row 18 its "Specify" boxes, and the counts.
#include "sections/SectionRules.h"
#include "sections/criminal/CriminalJusticeSection.h"

namespace yrn::test {
namespace {

// Every row of a list as "stem(i)=shown".
QStringList all(const QString& stem, const QString& shown) {
    QStringList out;
    for (const QString& id : rows(stem, CriminalJusticeSection::kCrimeRows))
        out << id + '=' + shown;
    return out;
}

struct CriminalRules : ::testing::Test, Client<CriminalJusticeSection> {};

TEST_F(CriminalRules, Question5ResetsQuestions6And7OnlyWhenTheyStartOrStopToApply) {
    play(*this,
         {{{}, all("txtCharges", "0") + all("optReasonIncar", "-1 (off)")},
          {{"cboIncarceration=0"},
           all("optReasonIncar", "-1 (off) [n/a]") << "txtOtherIncarceration= (off) [n/a]"},
          {{"cboIncarceration=2"},
           all("optReasonIncar", "0") << "txtOtherIncarceration= (off) [n/a]"},
          // A corrected period keeps the last incarceration and every reason.
          {{"cboLastIncarceration=1", "optReasonIncar(3)=1", "optReasonIncar(18)=1",
            "txtOtherIncarceration=trespassing", "cboIncarceration=3", "reload"},
           {"cboLastIncarceration=1-3 months", "optReasonIncar(3)=1", "optReasonIncar(18)=1",
            "txtOtherIncarceration=trespassing"}},
          // No answer closes them painted as unanswered.
          {{"cboIncarceration=-1"},
           all("optReasonIncar", "-1 (off) [n/a]") << "txtOtherIncarceration= (off)"
                                                   << "cboLastIncarceration= (off)"},
          {{"cboIncarceration=6", "optReasonIncar(17)=1"},
           all("optReasonIncar", "0").mid(0, 17) << "txtOtherIncarceration= (off) [n/a]"},
          // Question 8's "Yes" opens the rows cleared; "Specify" waits for row 18.
          {{"optPresAwCharges=1", "optAwaitCharges(17)=1"}, {"txtOtherChargeAwaited= (off)"}}});
    answer(pane, {"optReasonIncar(17)=0", "optReasonIncar(3)=1", "optReasonIncar(18)=1",
                  "txtOtherIncarceration=trespassing"});
    EXPECT_EQ(pane.incarcerationList(), "drug charges ; trespassing ");
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

// Row 18's count: a 0 closes "Specify" and keeps the crime, so that a count
// corrected through "0" keeps it; a count after a final 0 asks for it afresh.
TEST_F(CriminalRules, TheRow18CountKeepsTheCrimeWhileTheCountIsCorrected) {
    const QString count = "txtCharges(18)";
    play(*this,
         {{{count + "@", count + "=2", "txtOther=trespassing", "reload"}, {"txtOther=trespassing"}},
          {{count + "@", count + ":=", count + "=3"}, {"txtOther=trespassing"}},
          {{count + "=10", count + "@", count + ":=0"}, {"txtOther=trespassing (off) [n/a]"}},
          {{count + "=20"}, {"txtOther=trespassing"}},
          {{count + "=0", count + "=000"}, {"txtOther=trespassing (off) [n/a]"}},
          {{count + "=1"}, {"txtOther="}},
          {{"txtOther=arson", count + "=0"}, {"txtOther=arson (off) [n/a]"}}});
    QTemporaryDir dir;
    ASSERT_TRUE(pane.SaveYRN(dir.filePath("CriminalJustice.YRN")));
    reset();
    EXPECT_TRUE(load(dir.filePath("CriminalJustice.YRN")).complete);
    EXPECT_TRUE(shows(pane, {count + "=0", "txtOther=arson (off)"}));
    // So does a 0 read from a file, once the box is come to again.
    play(*this, {{{count + "@", count + ":=3"}, {"txtOther="}},
                 // Past 32 bits (a damaged file) is no 0; leaving refuses it.
                 {{"txtOther=arson", count + ":=99999999999"}, {"txtOther=arson"}},
                 {{count + "=99999999999"}, {count + "=", "txtOther=arson"}}});
    EXPECT_EQ(prompts.titles(), QStringList{"Input Error"});
}

TEST_F(CriminalRules, AClickIntoACountEmptiesOnlyTheResetZero) {
    const QString box = "txtCharges(4)";
    play(*this, {{{box + "@"}, {box + "="}},
                 {{box + "=3", box + "@"}, {box + "=3"}},
                 {{box + "=00", box + "@"}, {box + "=00"}},
                 {{box + "="}, {box + "="}}});  // left empty: accepted
    EXPECT_TRUE(prompts.boxes.isEmpty());
    EXPECT_EQ(pane.chargesList(), "no charges");
    pane.setText(box, "0");
    interview->BeginLoading();  // while a client is read nothing is emptied
    pane.textClick(box);
    interview->EndLoading();
    EXPECT_EQ(pane.text(box), "0");
}

}  // namespace
}  // namespace yrn::test
