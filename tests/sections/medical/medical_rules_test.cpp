// The medical pane's follow-ups, and how the months of insurance (question 11)
// and the hospitalizations (question 1) govern what follows them.
#include "sections/SectionRules.h"
#include "sections/medical/MedicalSection.h"
#include "support/WindowsFile.h"

namespace yrn::test {
namespace {

// The six buttons of question 12 as "1001-1" gives them ('-': none), open or closed.
QStringList insurance(const QString& answers, bool open = true) {
    QStringList out;
    for (int i = 0; i < MedicalSection::kInsuranceRows; ++i)
        out << arr("optHealthInsurance", i) + '=' +
                   (answers[i] == '-' ? QString("-1") : QString(answers[i])) +
                   (open ? "" : " (off) [n/a]");
    return out;
}
QStringList answering(const QString& answers) {
    QStringList steps;
    for (const QString& step : insurance(answers))
        if (!step.endsWith("-1")) steps << step;
    return steps;
}

// The value lines of "Medical.YRN" for a client who answered nothing: an empty text
// box or list is "-1 ", an option group "-1"; line 22 holds the months of insurance,
// 23-28 its kinds.
QStringList unansweredFile() {
    return QStringLiteral(
               "-1 |-1 |-1|-1 |-1|-1|-1|-1|-1|-1|-1|-1|-1|-1|-1 |-1|-1 |-1|-1 |-1|-1|"
               "-1 |-1|-1|-1|-1|-1|-1|-1 |-1 |-1 |-1 |-1 |-1 ")
        .split('|');
}

struct MedicalRules : ::testing::Test, Client<MedicalSection> {
    QTemporaryDir dir;
    const QString path = dir.filePath("Medical.YRN");
};

TEST_F(MedicalRules, ACountTypedThroughZeroKeepsTheLastHospitalization) {
    const QString last = "cboLastHospitalized=more than 3 years ago";
    play(*this, {{{"txtHospitalized=2", "cboLastHospitalized=4", "txtHospitalized:=20",
                   "txtHospitalized:=0"},
                  {last + " (off) [n/a]"}},
                 {{"txtHospitalized:=30"}, {last}},
                 {{"txtHospitalized=30"}, {"txtHospitalized=", last}},  // refused
                 {{"txtHospitalized=15", "txtHospitalized=", "txtHospitalized:=x"}, {last}},
                 {{"txtHospitalized=00", "reload"}, {"cboLastHospitalized= (off) [n/a]"}},
                 // A count past 32 bits (a file may hold one) is no 0.
                 {{"txtHospitalized:=4294967296"}, {"cboLastHospitalized="}}});
}

TEST_F(MedicalRules, InsuranceKindsAreEmptiedOnlyWhenTheMonthsCrossZero) {
    play(*this, {{answering("1001-1") << "txtInsurance=6"
                                      << "txtInsurance=5",
                  insurance("1001-1")},
                 {{"txtInsurance=", "reload", "txtInsurance=12"}, insurance("1001-1")},
                 {{"txtInsurance=", "txtInsurance=0"}, insurance("------", false)},
                 {{"txtInsurance=13"}, insurance("------", false) << "txtInsurance="},
                 // Only its own row opens "Specify".
                 {{"txtOtherHI=plan", "optHealthInsurance(0)=0", "optHealthInsurance(4)=0"},
                  {"txtOtherHI=plan"}},
                 // A new client has no months settled: months open the kinds as they stand.
                 {{"reset", "optHealthInsurance(1)=1", "txtInsurance=6"}, insurance("-1----")}});
}

TEST_F(MedicalRules, AfterAnOpenQuestion12FollowsTheMonthsReadWithoutLosingAnswers) {
    play(*this, {{answering("01---1") << "txtInsurance=6"
                                      << "txtOtherHI=county plan",
                  {}}});
    ASSERT_TRUE(pane.SaveYRN(path));
    play(*this, {{{"reset", "txtInsurance=0"}, insurance("------", false)}});
    EXPECT_TRUE(load(path).complete);
    EXPECT_TRUE(looks(pane, insurance("01---1")));
    type("txtInsurance", "0");
    EXPECT_TRUE(pane.LoadClientYRN(path).complete);  // over closed kinds, without a reset
    play(*this, {{{}, insurance("01---1") << "txtOtherHI=county plan"},
                 {{"txtInsurance=6"}, insurance("01---1")}});

    // A file (or a recovery copy) with no month but kinds of insurance keeps them,
    // closed, until the months change to some.
    QStringList values = unansweredFile();
    values[21] = "0";
    values[22] = "1";
    values[23] = "0";
    writeFile(path, windowsSectionFile(values));
    EXPECT_TRUE(load(path).complete);
    const QStringList fromFile = stateOf(pane);
    reset();
    interview->BeginLoading();
    EXPECT_TRUE(pane.LoadClientBytes(windowsSectionFile(values)).complete);
    interview->EndLoading();
    EXPECT_TRUE(sameLines(stateOf(pane), fromFile));
    ASSERT_TRUE(pane.SaveYRN(path));
    play(*this, {{{"txtInsurance=0"}, insurance("10----", false)},
                 {{"txtInsurance=3"}, insurance("------")}});
}

TEST_F(MedicalRules, AnswersTypedButNotLeftAreFinalWhenSaved) {
    play(*this, {{answering("11----") << "txtHospitalized=4"
                                      << "cboLastHospitalized=1"
                                      << "txtInsurance=6"
                                      << "txtHospitalized:=0"
                                      << "txtInsurance:=0",
                  {}}});
    ASSERT_TRUE(pane.SaveYRN(path));
    EXPECT_TRUE(looks(pane, insurance("------", false) << "cboLastHospitalized= (off) [n/a]"));
    expectSameAfterReload();
}

}  // namespace
}  // namespace yrn::test
