// The criminal justice pane's questionnaire, rules, checks and reset. Each rule
// runs by the person's clicks and then again by reading the saved answers.
#include "interview/NumericCheck.h"
#include "sections/ClientFixture.h"
#include "sections/criminal/CriminalFixture.h"

namespace yrn::test {
namespace {

const QString kOtherCount = arr("txtCharges", 18);

class CriminalRules : public ::testing::Test, public Client<CriminalJusticeSection> {
  protected:
    CriminalJusticeSection& cj = pane;
    QTemporaryDir dir;

    // Every row of a list: the choice, whether it can be answered, its colour.
    ::testing::AssertionResult rows(const QString& stem, int choice, bool usable,
                                    Background colour) const {
        for (int i = 0; i < CriminalJusticeSection::kCrimeRows; ++i) {
            const Field& f = cj.field(arr(stem, i));
            if (f.choice != choice || f.enabled != usable || f.background != colour)
                return ::testing::AssertionFailure()
                       << qPrintable(f.id) << " choice " << f.choice << " enabled " << f.enabled
                       << " colour " << static_cast<int>(f.background);
        }
        return ::testing::AssertionSuccess();
    }
    Background colour(const QString& id) const { return cj.field(id).background; }
};

TEST_F(CriminalRules, ANewClientHasEveryCountZeroAndTheFollowUpsClosed) {
    for (int i = 0; i < 19; ++i)
        EXPECT_TRUE(shows(cj, {arr("txtCharges", i) + "=0"})) << i;
    EXPECT_TRUE(shows(
        cj, {"optPrompted=-1", "optProb=-1", "txtOther= (off)",
             "txtConvictions=", "cboIncarceration=", "cboLastIncarceration= (off)",
             "txtOtherIncarceration= (off)", "optPresAwCharges=-1", "txtOtherChargeAwaited= (off)",
             "txtIllegalActivities=", "cboLegalProblems=", "cboCounselingImportance=",
             "cboNeedLegalTreatment=", "txtCriminalJusticeInformation="}));
    EXPECT_TRUE(rows("optReasonIncar", -1, false, Background::Normal));
    EXPECT_TRUE(rows("optAwaitCharges", -1, false, Background::Normal));
    for (const QString& id : cj.fieldOrder())
        EXPECT_EQ(colour(id), Background::Normal) << id.toStdString();

    // A client answered in full and then reset is a new client again, with the
    // lists filled anew.
    answerCriminal(cj);
    ASSERT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    cj.choose("optPresAwCharges", 0);
    reset();
    EXPECT_TRUE(sameState(cj, Client<CriminalJusticeSection>().pane));
    EXPECT_EQ(cj.field("cboLastIncarceration").items.last(), "Currently incarcerated");
    EXPECT_EQ(cj.field("cboNeedLegalTreatment").items.size(), 10);
}

TEST_F(CriminalRules, TheCrimeListAndThePagesReadAsTheQuestionnaire) {
    // One ampersand, as the row shows it; the misspelling is the questionnaire's.
    const Page* page1 = cj.page(1);
    ASSERT_NE(page1, nullptr);
    const Block& charges = page1->blocks.first();
    EXPECT_EQ(charges.rows.at(3).label, "Burglary, larceny, B & E");
    EXPECT_EQ(charges.rows.at(7).label, "Homicide / manslaugter");
    EXPECT_EQ(charges.rows.last().label, "Other");
    EXPECT_EQ(charges.rows.last().cells, (QStringList{kOtherCount, "txtOther"}));
    EXPECT_EQ(charges.columns,
              (QStringList{"Total # times", "Specify Crime\n(Separate answers with commas)"}));
    // Every row of each list stands on one of its two pages, in row order.
    const auto rowsOf = [&](int first, int second) {
        QStringList labels;
        for (int p : {first, second})
            for (const Block& b : cj.page(p)->blocks)
                for (const TableRow& row : b.rows)
                    labels << row.label + ':' + row.cells.first();
        return labels;
    };
    for (const auto& [first, stem] : {std::pair{0, "txtCharges"}, std::pair{2, "optReasonIncar"},
                                      std::pair{4, "optAwaitCharges"}}) {
        const QStringList labels = rowsOf(first, first + 1);
        ASSERT_EQ(labels.size(), 19) << stem;
        EXPECT_EQ(labels.first(), QString("Shoplifting:") + arr(stem, 0));
        EXPECT_EQ(labels.at(6),
                  "Other major driving violations (reckless driving, speeding, "
                  "etc):" +
                      arr(stem, 6));
        EXPECT_EQ(labels.last(), "Other:" + arr(stem, 18));
    }
    EXPECT_EQ(cj.field("txtCharges(4)").maxLength, 3);
    EXPECT_EQ(cj.field("txtConvictions").maxLength, 3);
    EXPECT_EQ(cj.page(0)->blocks.at(1).text,
              "1.  Was this program admission prompted by or suggested  by            someone in "
              "the criminal justice system like a judge, a                         "
              "probation/parole officer, etc.?");
    EXPECT_EQ(cj.page(0)->blocks.at(3).text,
              "3.  Please tell me how many times have you been charged with:");
    EXPECT_EQ(cj.page(6)->nextCaption, "&Family /  Social");
    EXPECT_EQ(cj.nextPage(6), -1);
    EXPECT_EQ(cj.backPage(0), -1);
}

TEST_F(CriminalRules, Question5OpensQuestions6And7AndResetsThemOnlyWhenTheyStopOrStartToApply) {
    cj.setPosition("cboIncarceration", 0);  // never been incarcerated
    EXPECT_TRUE(shows(cj, {"cboLastIncarceration= (off)", "txtOtherIncarceration= (off)"}));
    EXPECT_EQ(colour("cboLastIncarceration"), Background::NotApplicable);
    EXPECT_EQ(colour("txtOtherIncarceration"), Background::NotApplicable);
    EXPECT_TRUE(rows("optReasonIncar", -1, false, Background::NotApplicable));
    expectSameAfterReload();

    cj.setPosition("cboIncarceration", 2);  // 1-3 months
    EXPECT_TRUE(shows(cj, {"cboLastIncarceration=", "txtOtherIncarceration= (off)"}));
    EXPECT_EQ(colour("cboLastIncarceration"), Background::Normal);
    EXPECT_EQ(colour("txtOtherIncarceration"), Background::NotApplicable);
    EXPECT_TRUE(rows("optReasonIncar", 0, true, Background::Normal));
    cj.setPosition("cboLastIncarceration", 1);
    cj.choose(arr("optReasonIncar", 3), 1);
    cj.choose(arr("optReasonIncar", 18), 1);
    type("txtOtherIncarceration", "trespassing");
    expectSameAfterReload();

    // A corrected period keeps the last incarceration and every reason.
    cj.setPosition("cboIncarceration", 3);  // 3-6 months
    EXPECT_TRUE(shows(cj, {"cboLastIncarceration=1-3 months", "optReasonIncar(3)=1",
                           "optReasonIncar(18)=1", "txtOtherIncarceration=trespassing"}));
    EXPECT_EQ(cj.incarcerationList(), "drug charges ; trespassing ");
    expectSameAfterReload();

    // Never again: everything closed and cleared; and once more a period opens
    // them with "No" everywhere.
    cj.setPosition("cboIncarceration", 0);
    EXPECT_TRUE(shows(cj, {"cboLastIncarceration= (off)", "txtOtherIncarceration= (off)"}));
    EXPECT_TRUE(rows("optReasonIncar", -1, false, Background::NotApplicable));
    expectSameAfterReload();
    cj.setPosition("cboIncarceration", 6);
    EXPECT_TRUE(rows("optReasonIncar", 0, true, Background::Normal));
    EXPECT_TRUE(shows(cj, {"cboLastIncarceration=", "txtOtherIncarceration= (off)"}));
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(CriminalRules, NoAnswerToQuestion5ClosesQuestion6WithTheWindowColour) {
    cj.setPosition("cboIncarceration", 4);
    cj.setPosition("cboLastIncarceration", 6);
    cj.choose(arr("optReasonIncar", 18), 1);
    type("txtOtherIncarceration", "arson");
    cj.setPosition("cboIncarceration", -1);
    EXPECT_TRUE(shows(cj, {"cboLastIncarceration= (off)", "txtOtherIncarceration= (off)"}));
    EXPECT_EQ(colour("cboLastIncarceration"), Background::Normal);
    EXPECT_EQ(colour("txtOtherIncarceration"), Background::Normal);
    EXPECT_TRUE(rows("optReasonIncar", -1, false, Background::NotApplicable));
}

TEST_F(CriminalRules, Row18OfTheReasonsAndOfTheChargesAwaitedOpensItsSpecifyBox) {
    cj.setPosition("cboIncarceration", 1);
    cj.choose("optPresAwCharges", 1);
    for (const auto& [stem, specify] : {std::pair{"optReasonIncar", "txtOtherIncarceration"},
                                        std::pair{"optAwaitCharges", "txtOtherChargeAwaited"}}) {
        const QString row18 = arr(stem, 18);
        cj.choose(row18, 1);
        EXPECT_TRUE(shows(cj, {QString(specify) + "="})) << stem;
        EXPECT_EQ(colour(specify), Background::Normal);
        type(specify, "jaywalking");
        expectSameAfterReload();
        cj.choose(row18, 0);
        EXPECT_TRUE(shows(cj, {QString(specify) + "= (off)"})) << stem;
        EXPECT_EQ(colour(specify), Background::NotApplicable);
        cj.choose(row18, 1);
        EXPECT_TRUE(shows(cj, {QString(specify) + "="})) << "emptied, not brought back";
        // The other rows open nothing.
        cj.choose(row18, 0);
        cj.choose(arr(stem, 17), 1);
        EXPECT_FALSE(cj.usable(specify));
    }
}

TEST_F(CriminalRules, Question8OpensTheChargesAwaitedClearedAndNoClosesThem) {
    cj.choose("optPresAwCharges", 1);
    EXPECT_TRUE(rows("optAwaitCharges", -1, true, Background::Normal));
    EXPECT_TRUE(shows(cj, {"txtOtherChargeAwaited= (off)"}));
    EXPECT_EQ(colour("txtOtherChargeAwaited"), Background::Normal);
    cj.choose(arr("optAwaitCharges", 2), 1);
    cj.choose(arr("optAwaitCharges", 18), 1);
    type("txtOtherChargeAwaited", "fraud");
    expectSameAfterReload();

    cj.choose("optPresAwCharges", 0);
    EXPECT_TRUE(rows("optAwaitCharges", -1, false, Background::NotApplicable));
    EXPECT_TRUE(shows(cj, {"txtOtherChargeAwaited= (off)"}));
    EXPECT_EQ(colour("txtOtherChargeAwaited"), Background::NotApplicable);
    expectSameAfterReload();

    cj.choose("optPresAwCharges", 1);
    EXPECT_TRUE(rows("optAwaitCharges", -1, true, Background::Normal));
    EXPECT_EQ(colour("txtOtherChargeAwaited"), Background::Normal);
}

TEST_F(CriminalRules, TheRow18CountOpensSpecifyAndKeepsTheCrimeWhileTheCountIsCorrected) {
    type(kOtherCount, "2");
    EXPECT_TRUE(shows(cj, {"txtOther="}));
    EXPECT_EQ(colour("txtOther"), Background::Normal);
    type("txtOther", "trespassing");
    expectSameAfterReload();

    // "2" to "3" passes through an empty box; leaving re-applies the rule.
    cj.textClick(kOtherCount);
    cj.setText(kOtherCount, "");
    EXPECT_TRUE(shows(cj, {"txtOther=trespassing"}));
    cj.setText(kOtherCount, "3");
    cj.leave(kOtherCount);
    EXPECT_TRUE(shows(cj, {"txtOther=trespassing"}));

    // "10" to "20" through "0": the 0 only closes the box while the count is typed.
    type(kOtherCount, "10");
    cj.textClick(kOtherCount);
    cj.setText(kOtherCount, "0");
    EXPECT_TRUE(shows(cj, {"txtOther=trespassing (off)"}));
    cj.setText(kOtherCount, "20");
    cj.leave(kOtherCount);
    EXPECT_TRUE(shows(cj, {"txtOther=trespassing"}));

    // A 0 left closes the box and keeps its text; a new count asks for the crime.
    type(kOtherCount, "0");
    EXPECT_TRUE(shows(cj, {"txtOther=trespassing (off)"}));
    EXPECT_EQ(colour("txtOther"), Background::NotApplicable);
    type(kOtherCount, "000");
    EXPECT_TRUE(shows(cj, {"txtOther=trespassing (off)"}));
    type(kOtherCount, "1");
    EXPECT_TRUE(shows(cj, {"txtOther="}));
    EXPECT_TRUE(prompts.boxes.isEmpty());

    // So does a 0 read from a file, once the box is come to again.
    type("txtOther", "arson");
    type(kOtherCount, "0");
    ASSERT_TRUE(cj.SaveYRN(dir.filePath("CriminalJustice.YRN")));
    reset();
    EXPECT_TRUE(load(dir.filePath("CriminalJustice.YRN")).complete);
    EXPECT_TRUE(shows(cj, {kOtherCount + "=0", "txtOther=arson (off)"}));
    cj.textClick(kOtherCount);
    cj.setText(kOtherCount, "3");
    EXPECT_TRUE(shows(cj, {"txtOther="}));

    // A number beyond 32 bits (from a damaged file) is no 0: it opens the box, and
    // the check refuses it on leaving.
    type("txtOther", "arson");
    cj.setText(kOtherCount, "99999999999");
    EXPECT_TRUE(shows(cj, {"txtOther=arson"}));
    cj.leave(kOtherCount);
    EXPECT_EQ(prompts.titles(), QStringList{"Input Error"});
    EXPECT_TRUE(shows(cj, {kOtherCount + "=", "txtOther=arson"}));
}

TEST_F(CriminalRules, AClickIntoACountEmptiesOnlyTheResetZero) {
    const QString box = arr("txtCharges", 4);
    cj.textClick(box);
    EXPECT_EQ(cj.text(box), "");
    cj.setText(box, "3");
    cj.leave(box);
    cj.textClick(box);
    EXPECT_EQ(cj.text(box), "3");
    type(box, "00");
    cj.textClick(box);
    EXPECT_EQ(cj.text(box), "00");
    // Left empty: accepted, and the report counts no charge.
    cj.setText(box, "");
    cj.leave(box);
    EXPECT_TRUE(prompts.boxes.isEmpty());
    EXPECT_EQ(cj.chargesList(), "no charges");

    // While a client is read nothing is emptied.
    cj.setText(box, "0");
    interview->BeginLoading();
    cj.textClick(box);
    interview->EndLoading();
    EXPECT_EQ(cj.text(box), "0");
}

TEST_F(CriminalRules, CountsConvictionsAndDaysKeepToTheirRanges) {
    const std::tuple<QString, const char*, const char*> boxes[] = {
        {arr("txtCharges", 0), "250", "251"},
        {arr("txtCharges", 18), "250", "251"},
        {"txtConvictions", "250", "251"},
        {"txtIllegalActivities", "30", "31"},
    };
    for (const auto& [id, highest, beyond] : boxes) {
        prompts.clear();
        type(id, highest);
        type(id, "0");
        EXPECT_TRUE(prompts.boxes.isEmpty()) << id.toStdString();
        for (const char* wrong : {beyond, "-1", "abc", "1e2"}) {
            prompts.clear();
            type(id, wrong);
            EXPECT_EQ(cj.text(id), "") << id.toStdString() << ' ' << wrong;
            const qint32 top = id == "txtIllegalActivities" ? 30 : 250;
            EXPECT_EQ(lastBox(prompts), "Critical|Input Error|" + inputErrorText(0, top));
            EXPECT_EQ(focused(prompts), QStringList{id});
        }
    }
    // One digit is never padded.
    type("txtIllegalActivities", "5");
    EXPECT_EQ(cj.text("txtIllegalActivities"), "5");
}

}  // namespace
}  // namespace yrn::test
