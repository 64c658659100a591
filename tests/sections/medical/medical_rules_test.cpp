// The medical pane's rules, checks and reset. Each rule runs by the person's
// clicks and then again by reading the saved answers.
#include "interview/NumericCheck.h"
#include "sections/ClientFixture.h"
#include "sections/medical/MedicalAnswers.h"
#include "sections/medical/MedicalSection.h"
#include "support/WindowsFile.h"

namespace yrn::test {
namespace {

QString insurance(int row) {
    return arr("optHealthInsurance", row);
}

class MedicalRules : public ::testing::Test, public Client<MedicalSection> {
  protected:
    MedicalSection& med = pane;
    QTemporaryDir dir;
    const QString path = dir.filePath("Medical.YRN");

    // Every button of question 12: "id=choice" with " (off)" when closed.
    QStringList insuranceShown(const QString& answers, bool usable) const {
        QStringList out;
        for (int i = 0; i < MedicalSection::kInsuranceRows; ++i)
            out << insurance(i) + '=' + (answers[i] == '-' ? QString("-1") : QString(answers[i])) +
                       (usable ? "" : " (off)");
        return out;
    }
    void answerInsurance(const QString& answers) {
        for (int i = 0; i < MedicalSection::kInsuranceRows; ++i)
            if (answers[i] != '-') med.choose(insurance(i), answers[i].digitValue());
    }
};

TEST_F(MedicalRules, StartStateIsOpenAndResetReturnsToIt) {
    for (const QString& id : med.fieldOrder()) {
        EXPECT_TRUE(med.usable(id)) << id.toStdString();
        EXPECT_EQ(med.field(id).background, Background::Normal) << id.toStdString();
    }
    EXPECT_EQ(med.firstPage(), 0);
    EXPECT_EQ(med.lastPage(), 3);

    answerMedical(med);
    for (const char* id :
         {"optChrMedProb", "optPresMed", "optPension", "optSmokes", "optSleepLate"})
        med.choose(id, 0);
    type("txtInsurance", "0");
    type("txtHospitalized", "0");
    ASSERT_FALSE(med.usable("txtMedication"));
    ASSERT_FALSE(med.usable(insurance(0)));
    reset();
    EXPECT_TRUE(sameState(med, Client<MedicalSection>().pane));
    // The reset leaves question 11 settled as empty: "6" then opens question 12 as it stands.
    med.choose(insurance(1), 1);
    type("txtInsurance", "6");
    EXPECT_TRUE(shows(med, {insurance(1) + "=1"}));
}

TEST_F(MedicalRules, NoClosesAndEmptiesTheFollowUpAndYesOpensIt) {
    struct Pair {
        const char* question;
        const char* answer;
        const char* typed;
    };
    const Pair pairs[] = {{"optChrMedProb", "txtMedicalProblems", "asthma"},
                          {"optPresMed", "txtMedication", "insulin"},
                          {"optPension", "txtPension", "back injury"},
                          {"optSmokes", "txtCigarettes", "12"},
                          {"optHealthInsurance(5)", "txtOtherHI", "county plan"}};
    for (const Pair& p : pairs) {
        const QString answer = p.answer;
        med.choose(p.question, 1);
        type(answer, p.typed);
        med.choose(p.question, 1);  // the same answer again changes nothing
        EXPECT_TRUE(shows(med, {answer + '=' + p.typed})) << p.question;
        expectSameAfterReload();

        med.choose(p.question, 0);
        EXPECT_TRUE(shows(med, {answer + "= (off)"})) << p.question;
        EXPECT_EQ(med.field(answer).background, Background::NotApplicable) << p.question;
        expectSameAfterReload();

        med.choose(p.question, 1);
        EXPECT_TRUE(shows(med, {answer + '='})) << p.question;
        EXPECT_EQ(med.field(answer).background, Background::Normal) << p.question;
        type(answer, p.typed);
        expectSameAfterReload();
    }

    // Question 10: "No" closes and clears "Because of work hours?".
    med.choose("optSleepLate", 1);
    med.choose("optBecauseWork", 1);
    med.choose("optSleepLate", 1);
    EXPECT_TRUE(shows(med, {"optBecauseWork=1"}));
    med.choose("optSleepLate", 0);
    EXPECT_TRUE(shows(med, {"optBecauseWork=-1 (off)"}));
    EXPECT_EQ(med.field("optBecauseWork").background, Background::NotApplicable);
    expectSameAfterReload();
    med.choose("optSleepLate", 1);
    EXPECT_TRUE(shows(med, {"optBecauseWork=-1"}));
    EXPECT_EQ(med.field("optBecauseWork").background, Background::Normal);

    // "No" on the other rows of question 12 touches nothing else.
    type("txtOtherHI", "county plan");
    for (int i = 0; i < 5; ++i)
        med.choose(insurance(i), 0);
    EXPECT_TRUE(shows(med, {"txtOtherHI=county plan"}));
    expectSameAfterReload();
}

TEST_F(MedicalRules, HospitalizationCountGovernsTheLastHospitalization) {
    // "0" closes question 2 and, once left, empties it; "3" opens it with no choice.
    type("txtHospitalized", "2");
    med.setPosition("cboLastHospitalized", 1);
    type("txtHospitalized", "0");
    EXPECT_TRUE(shows(med, {"cboLastHospitalized= (off)"}));
    EXPECT_EQ(med.field("cboLastHospitalized").background, Background::NotApplicable);
    expectSameAfterReload();
    type("txtHospitalized", "3");
    EXPECT_TRUE(shows(med, {"cboLastHospitalized="}));
    EXPECT_EQ(med.field("cboLastHospitalized").background, Background::Normal);

    // Edited through "0" on the way from 20 to 30: the answer stays, also when the
    // 30 is refused.
    med.setPosition("cboLastHospitalized", 4);
    med.setText("txtHospitalized", "20");
    med.setText("txtHospitalized", "0");
    EXPECT_TRUE(shows(med, {"cboLastHospitalized=more than 3 years ago (off)"}));
    med.setText("txtHospitalized", "30");
    EXPECT_TRUE(shows(med, {"cboLastHospitalized=more than 3 years ago"}));
    med.leave("txtHospitalized");
    EXPECT_TRUE(shows(med, {"txtHospitalized=", "cboLastHospitalized=more than 3 years ago"}));
    prompts.clear();
    type("txtHospitalized", "15");

    // Empty or not a number: question 2 keeps its state; "00" is none.
    type("txtHospitalized", "");
    EXPECT_TRUE(shows(med, {"cboLastHospitalized=more than 3 years ago"}));
    med.setText("txtHospitalized", "x");
    EXPECT_TRUE(shows(med, {"cboLastHospitalized=more than 3 years ago"}));
    type("txtHospitalized", "00");
    EXPECT_TRUE(shows(med, {"cboLastHospitalized= (off)"}));
    expectSameAfterReload();

    // A count past 32 bits is no 0 (a file may hold one): it opens question 2.
    med.setText("txtHospitalized", "4294967296");
    EXPECT_TRUE(med.usable("cboLastHospitalized"));
}

TEST_F(MedicalRules, InsuranceKindsAreEmptiedOnlyWhenTheMonthsCrossZero) {
    const auto answered = [&] { return insuranceShown("1001-1", true); };
    // Leaving question 11 with "0" clears and closes question 12; "6" opens it empty.
    answerInsurance("1001-1");
    type("txtInsurance", "0");
    EXPECT_TRUE(shows(med, insuranceShown("------", false)));
    EXPECT_EQ(med.field(insurance(3)).background, Background::NotApplicable);
    expectSameAfterReload();
    type("txtInsurance", "6");
    EXPECT_TRUE(shows(med, insuranceShown("------", true)));
    EXPECT_EQ(med.field(insurance(3)).background, Background::Normal);

    // Tabbing through the box, correcting 6 to 5, or leaving it empty keeps them.
    answerInsurance("1001-1");
    type("txtInsurance", "6");
    EXPECT_TRUE(shows(med, answered()));
    type("txtInsurance", "5");
    EXPECT_TRUE(shows(med, answered()));
    type("txtInsurance", "");
    EXPECT_TRUE(shows(med, answered()));
    expectSameAfterReload();
    // From an empty box, a number of months opens them as they stand.
    type("txtInsurance", "12");
    EXPECT_TRUE(shows(med, answered()));
    // "0" after an empty box clears them; a refused "13" leaves them be.
    type("txtInsurance", "");
    type("txtInsurance", "0");
    EXPECT_TRUE(shows(med, insuranceShown("------", false)));
    type("txtInsurance", "0");
    type("txtInsurance", "13");
    EXPECT_EQ(lastBox(prompts), "Critical|Input Error|" + inputErrorText(0, 12));
    EXPECT_TRUE(shows(med, insuranceShown("------", false) << "txtInsurance="));
    // The "specify" box follows its own row only.
    EXPECT_TRUE(med.usable("txtOtherHI"));
}

TEST_F(MedicalRules, AfterAnOpenQuestion12FollowsTheLoadedMonthsWithoutLosingAnswers) {
    // Client B: six months and two kinds of insurance.
    type("txtInsurance", "6");
    answerInsurance("01---1");
    type("txtOtherHI", "county plan");
    ASSERT_TRUE(med.SaveYRN(path));
    // Client A on screen has no insurance: question 12 is closed.
    reset();
    type("txtInsurance", "0");
    ASSERT_FALSE(med.usable(insurance(1)));

    // B opened, with the reset of an open and without one.
    EXPECT_TRUE(load(path).complete);
    EXPECT_TRUE(shows(med, insuranceShown("01---1", true)));
    type("txtInsurance", "0");
    EXPECT_TRUE(med.LoadClientYRN(path).complete);
    EXPECT_TRUE(shows(med, insuranceShown("01---1", true) << "txtOtherHI=county plan"));
    // The loaded months are the ones the rule compares with: leaving them keeps B's answers.
    type("txtInsurance", "6");
    EXPECT_TRUE(shows(med, insuranceShown("01---1", true)));

    // A file with no month but kinds of insurance keeps them, closed, until the
    // months change to some.
    QStringList values = unansweredMedicalFile();
    values[21] = "0";
    values[22] = "1";
    values[23] = "0";
    writeFile(path, windowsSectionFile(values));
    EXPECT_TRUE(load(path).complete);
    EXPECT_TRUE(shows(med, insuranceShown("10----", false)));
    type("txtInsurance", "0");
    EXPECT_TRUE(shows(med, insuranceShown("10----", false)));
    type("txtInsurance", "3");
    EXPECT_TRUE(shows(med, insuranceShown("------", true)));
}

TEST_F(MedicalRules, ARecoveryCopyIsReadAsTheFileIs) {
    // No month of cover, yet kinds of insurance: closed, and kept by the next save.
    QStringList values = unansweredMedicalFile();
    values[21] = "0";
    values[22] = "1";
    values[23] = "0";
    const QByteArray bytes = windowsSectionFile(values);
    writeFile(path, bytes);
    EXPECT_TRUE(load(path).complete);
    const QStringList fromFile = stateOf(med);

    reset();
    interview->BeginLoading();
    EXPECT_TRUE(med.LoadClientBytes(bytes).complete);
    interview->EndLoading();
    EXPECT_TRUE(sameLines(stateOf(med), fromFile));
    EXPECT_TRUE(shows(med, insuranceShown("10----", false)));
    ASSERT_TRUE(med.SaveYRN(path));
    EXPECT_TRUE(shows(med, insuranceShown("10----", false)));
}

TEST_F(MedicalRules, AnswersTypedButNotLeftAreFinalWhenSaved) {
    type("txtHospitalized", "4");
    med.setPosition("cboLastHospitalized", 1);
    type("txtInsurance", "6");
    answerInsurance("11----");
    med.setText("txtHospitalized", "0");
    med.setText("txtInsurance", "0");
    ASSERT_TRUE(med.SaveYRN(path));
    EXPECT_TRUE(shows(med, {"cboLastHospitalized= (off)"}));
    EXPECT_TRUE(shows(med, insuranceShown("------", false)));
    expectSameAfterReload();
}

TEST_F(MedicalRules, RangeChecksRefuseWhatIsOutOfRange) {
    struct Case {
        const char* box;
        const char* refused;
        const char* accepted;
        qint32 max;
    };
    for (const Case& c :
         {Case{"txtHospitalized", "21", "20", 20}, Case{"txtCigarettes", "100", "99", 99},
          Case{"txtInsurance", "13", "12", 12}, Case{"txtExperienceProblems", "31", "30", 30}}) {
        prompts.clear();
        type(c.box, c.refused);
        EXPECT_EQ(lastBox(prompts), "Critical|Input Error|" + inputErrorText(0, c.max)) << c.box;
        EXPECT_EQ(focused(prompts), QStringList{c.box});
        EXPECT_EQ(med.text(c.box), "");
        type(c.box, c.accepted);
        type(c.box, "-1");
        EXPECT_EQ(med.text(c.box), "") << c.box;
        type(c.box, "7");
        EXPECT_EQ(med.text(c.box), "7") << c.box;  // never padded
    }
    // Past 32 bits fails like any other out-of-range number.
    prompts.clear();
    type("txtExperienceProblems", "4294967296");
    EXPECT_EQ(prompts.titles(), QStringList{"Input Error"});
}

}  // namespace
}  // namespace yrn::test
