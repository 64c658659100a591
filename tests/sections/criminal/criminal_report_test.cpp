// The criminal justice narrative: the fourteen placeholders, the charges list and
// the two lists of crimes.
#include "sections/ClientFixture.h"
#include "sections/criminal/CriminalFixture.h"

namespace yrn::test {
namespace {

class CriminalReport : public ::testing::Test, public Client<CriminalJusticeSection> {
  protected:
    CriminalJusticeSection& cj = pane;

    void count(int row, const QString& times) { type(arr("txtCharges", row), times); }
};

TEST_F(CriminalReport, AnAnsweredClientFillsTheFourteenPlaceholdersInOrder) {
    demographic.setText("txtJailDays", "4");
    answerCriminal(cj);
    const RecordingReport r = report();
    EXPECT_EQ(r.fields(), (QStringList{"Charges", "NumCharges", "NeverInc", "LenIncarMonths",
                                       "LenLastIncar", "LastCrimes", "IsIsNotProb", "CurrCharge",
                                       "IllegalDays", "CriminalTroubled", "CriminalNecessary",
                                       "CriminalComments", "JailDays", "IRLegal"}));
    EXPECT_EQ(
        r.values(),
        (QStringList{"shoplifting 2 times;  DWI 1 time;  trespassing 3 times", "4", "",
                     "for 1-3 years", "last incarceration was for 3-6 months",
                     "vandalism ; DWI ; loitering ", "is not", "drug charges ; unpaid fines ",
                     "12 days", "moderately", "considerably",
                     "Probation officer confirmed the charges.", "4 days", "Moderate problem"}));
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(CriminalReport, ANewClientReadsAsNoChargesAndLeavesTheOtherMarkers) {
    // The counts start at "0"; every other question unanswered keeps its marker
    // (questions 6 and 7, closed while question 5 is unanswered, too).
    RecordingReport r = report();
    EXPECT_EQ(r.fields(), (QStringList{"Charges", "CriminalComments"}));
    EXPECT_EQ(r.value("Charges"), "no charges");
    // Every count box emptied: the charges are not answered either.
    for (int i = 0; i < CriminalJusticeSection::kCrimeRows; ++i)
        cj.setText(arr("txtCharges", i), "");
    EXPECT_EQ(report().value("Charges"), "<no call>");

    // "Never been incarcerated" states that nothing follows it.
    cj.setPosition("cboIncarceration", 0);
    r = report();
    EXPECT_EQ(r.values().mid(0, 4), (QStringList{"never", "", "", ""}));
    EXPECT_EQ(r.fields().mid(0, 4),
              (QStringList{"NeverInc", "LenIncarMonths", "LenLastIncar", "LastCrimes"}));
}

TEST_F(CriminalReport, TheChargesListNamesEveryCrimeCountedAsTyped) {
    count(0, "01");
    EXPECT_EQ(cj.chargesList(), "shoplifting 01 time");
    count(0, "2");
    count(5, "1");
    count(18, "3");
    type("txtOther", "trespassing");
    EXPECT_EQ(cj.chargesList(), "shoplifting 2 times;  DWI 1 time;  trespassing 3 times");

    // A count that is 0 by value is no charge; one that is listed reads as typed.
    count(0, "000");
    count(5, "00");
    count(7, "007");
    EXPECT_EQ(cj.chargesList(), "assault or domestic violence 007 times;  trespassing 3 times");

    // Every row.
    for (int i = 0; i < 18; ++i)
        count(i, "1");
    type("txtOther", "trespassing");
    EXPECT_EQ(cj.chargesList(),
              "shoplifting 1 time;  vandalism 1 time;  parole/probation violation 1 time;  "
              "drug charges 1 time;  disorderly conduct, vagrancy, PI 1 time;  DWI 1 time;  "
              "other major driving violation 1 time;  assault or domestic violence 1 time;  "
              "assault not related to domestic violence 1 time;  forgery 1 time;  "
              "weapons offense 1 time;  burglary, larceny, or BE 1 time;  robbery 1 time;  "
              "arson 1 time;  rape 1 time;  homicide/manslaughter 1 time;  prostitution 1 time;  "
              "contempt of court 1 time;  trespassing 3 times");
}

TEST_F(CriminalReport, AnOtherCountWithoutItsCrimeKeepsTheTrailingSemicolonAloneInTheList) {
    count(18, "2");
    EXPECT_EQ(cj.chargesList(), "2 times;");
    count(1, "4");
    EXPECT_EQ(cj.chargesList(), "vandalism 4 times;   2 times");
    type("txtOther", "fraud");
    EXPECT_EQ(cj.chargesList(), "vandalism 4 times;  fraud 2 times");
}

TEST_F(CriminalReport, IncarcerationAndAwaitingListsNameTheCrimesAnsweredYes) {
    cj.setPosition("cboIncarceration", 1);
    cj.choose(arr("optReasonIncar", 1), 1);
    cj.choose(arr("optReasonIncar", 5), 1);
    EXPECT_EQ(report().value("LastCrimes"), "vandalism ; DWI ");
    cj.choose(arr("optReasonIncar", 18), 1);
    EXPECT_EQ(report().value("LastCrimes"), "vandalism ; DWI ;  ");
    type("txtOtherIncarceration", "loitering, fraud");
    EXPECT_EQ(report().value("LastCrimes"), "vandalism ; DWI ; loitering, fraud ");

    // A period with every reason answered "No" lists none.
    for (int i = 0; i < CriminalJusticeSection::kCrimeRows; ++i)
        cj.choose(arr("optReasonIncar", i), 0);
    EXPECT_EQ(report().value("LastCrimes"), "");

    // Question 8: "No" whatever the rows held; "Yes" with no row answered leaves the
    // marker, and with rows answered "No" only is nothing.
    cj.choose("optPresAwCharges", 1);
    EXPECT_EQ(report().value("CurrCharge"), "<no call>");
    cj.choose(arr("optAwaitCharges", 0), 0);
    EXPECT_EQ(report().value("CurrCharge"), "");
    cj.choose(arr("optAwaitCharges", 11), 1);
    EXPECT_EQ(report().value("CurrCharge"), "burglary, larceny, or BE ");
    cj.choose("optPresAwCharges", 0);
    EXPECT_EQ(report().value("CurrCharge"), "no criminal activities");
}

TEST_F(CriminalReport, IncarcerationPeriodsReadForEveryAnswer) {
    const QStringList lifetime{"",
                               "for less than 1 month",
                               "for 1-3 months",
                               "for 3-6 months",
                               "for 6 months to 1 year",
                               "for 1-3 years",
                               "for more than 3 years"};
    for (int p = 0; p < 7; ++p) {
        cj.setPosition("cboIncarceration", p);
        const RecordingReport r = report();
        EXPECT_EQ(r.value("NeverInc"), p == 0 ? "never" : "") << p;
        EXPECT_EQ(r.value("LenIncarMonths"), lifetime.at(p)) << p;
    }
    const QStringList last{"last incarceration was for less than 1 month",
                           "last incarceration was for 1-3 months",
                           "last incarceration was for 3-6 months",
                           "last incarceration was for 6 months to 1 year",
                           "last incarceration was for 1-3 years",
                           "last incarceration was for more than 3 years",
                           "is currently incarcerated"};
    for (int p = 0; p < 7; ++p) {
        cj.setPosition("cboLastIncarceration", p);
        EXPECT_EQ(report().value("LenLastIncar"), last.at(p)) << p;
    }
    cj.setPosition("cboLastIncarceration", -1);
    EXPECT_EQ(report().value("LenLastIncar"), "<no call>");
}

TEST_F(CriminalReport, DaysRatingsAndCommentsReadAsTyped) {
    for (const auto& [typed, days] :
         {std::pair{"", "<no call>"}, std::pair{"1", "one day"}, std::pair{"01", "one day"},
          std::pair{"0", "0 days"}, std::pair{"12", "12 days"}}) {
        demographic.setText("txtJailDays", typed);
        cj.setText("txtIllegalActivities", typed);
        const RecordingReport r = report();
        EXPECT_EQ(r.value("JailDays"), days) << typed;
        EXPECT_EQ(r.value("IllegalDays"), days) << typed;
    }
    // No controlled environment (demographic question 11) empties the jail days:
    // none; a row answered "No" sets them to 0.
    demographic.choose("optContEnv", 0);
    EXPECT_EQ(report().value("JailDays"), "0 days");
    demographic.choose("optContEnv", 1);
    EXPECT_EQ(report().value("JailDays"), "<no call>");
    demographic.choose("optJail", 0);
    EXPECT_EQ(report().value("JailDays"), "0 days");
    cj.choose("optProb", 1);
    cj.setPosition("cboLegalProblems", 4);
    cj.setPosition("cboCounselingImportance", 0);
    cj.setPosition("cboNeedLegalTreatment", 9);
    cj.setText("txtCriminalJusticeInformation", "ok");
    RecordingReport r = report();
    EXPECT_EQ(r.value("IsIsNotProb"), "is");
    EXPECT_EQ(r.value("CriminalTroubled"), "extremely");
    EXPECT_EQ(r.value("CriminalNecessary"), "not at all");
    EXPECT_EQ(r.value("IRLegal"), "Extreme problem");
    EXPECT_EQ(r.value("CriminalComments"), "ok");
    cj.setText("txtCriminalJusticeInformation", "court date is 5/12.\r\nwill attend");
    EXPECT_EQ(report().value("CriminalComments"), "Court date is 5/12.\r\nwill attend");
}

}  // namespace
}  // namespace yrn::test
