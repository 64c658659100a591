// The medical part of the client report.
#include "sections/ClientFixture.h"
#include "sections/medical/MedicalAnswers.h"
#include "sections/medical/MedicalSection.h"

namespace yrn::test {
namespace {

class MedicalReport : public ::testing::Test, public Client<MedicalSection> {
  protected:
    MedicalSection& med = pane;

    void SetUp() override {
        nameClient(locator);
        demographic.choose("optSex", 1);
    }
    // The insurance phrase for months and the rows answered "Yes" (a bit per row).
    QString programs(const QString& months, int yesRows, const QString& other = "county plan") {
        reset();
        type("txtInsurance", months);
        med.setText("txtOtherHI", other);
        for (int i = 0; i < MedicalSection::kInsuranceRows; ++i)
            med.choose(arr("optHealthInsurance", i), (yesRows >> i) & 1);
        return report().value("IPrograms");
    }
};

TEST_F(MedicalReport, AFullClientFillsEveryPlaceholderInOrder) {
    answerMedical(med);
    const RecordingReport r = report();
    EXPECT_EQ(r.fields(), QString("Hospitalization RecentHosp DoesDoesNotCHP CHealthProblems "
                                  "HasHasNotSTD HasHasNotSeizure Receiving PDisabilities "
                                  "MonthsInsured IPrograms IsIsNotPM TypesMedicine "
                                  "SmokingSentence SleepsLateSentence MProblemsDays MedTResponse "
                                  "MedIResponse MedicalComments IRMedical")
                              .split(' '));
    EXPECT_EQ(
        r.values(),
        (QStringList{"Jane has been hospitalized 2 times in her life.",
                     "  The most recent of these hospitalizations occurred 1-2 years ago.", "does",
                     " including: asthma, back pain", "has", "has not", "is receiving",
                     "back injury", "8 months", "private health insurance, Medicaid, county plan",
                     "is", " which includes inhaler",
                     "averages smoking 10 cigarettes per day in the last 30 days",
                     "Jane sleeps past 11am on most days, this is due to working hours", "3 days",
                     "slightly", "considerably", "Asthma is controlled.\r\nSees a doctor monthly.",
                     "Slight problem"}));
}

TEST_F(MedicalReport, NoAnswersAndUnansweredQuestions) {
    // Nothing answered: the questions without an answer make no call; the comments
    // stand.
    RecordingReport r = report();
    EXPECT_EQ(r.fields(), QStringList{"MedicalComments"});
    med.choose("optPension", 1);  // a pension, but no disability named
    EXPECT_EQ(report().value("PDisabilities"), "<no call>");

    // Every "No"; one disease answered "No" is enough to have had none.
    for (const char* id :
         {"optChrMedProb", "optFit", "optPresMed", "optPension", "optSmokes", "optSleepLate"})
        med.choose(id, 0);
    med.choose(arr("optHealthProb", 7), 0);
    type("txtInsurance", "1");
    type("txtExperienceProblems", "1");
    r = report();
    for (const auto& [field, value] :
         {std::pair{"CHealthProblems", ""},
          {"HasHasNotSTD", "has not"},
          {"DoesDoesNotCHP", "does not"},
          {"HasHasNotSeizure", "has not"},
          {"Receiving", "is not receiving"},
          {"IsIsNotPM", "is not"},
          {"TypesMedicine", ""},
          {"SmokingSentence", "does not smoke cigarettes"},
          {"SleepsLateSentence", "Jane does not sleep past 11am on most days."},
          {"PDisabilities", ""},
          {"MonthsInsured", "one month"},
          {"IPrograms", "<no call>"},  // question 12 unanswered
          {"MProblemsDays", "one day"}})
        EXPECT_EQ(r.value(field), value) << field;

    // Sleeping late, for work or not; unanswered leaves the placeholder.
    med.choose("optSleepLate", 1);
    med.choose(arr("optHealthProb", 0), 1);
    EXPECT_EQ(report().value("SleepsLateSentence"), "<no call>");
    EXPECT_EQ(report().value("HasHasNotSTD"), "has");
    med.choose("optBecauseWork", 0);
    EXPECT_EQ(report().value("SleepsLateSentence"),
              "Jane sleeps past 11am on most days, this is not due to working hours");
    // "01" months and days are not "one".
    type("txtInsurance", "01");
    EXPECT_EQ(report().value("MonthsInsured"), "01 months");
}

TEST_F(MedicalReport, HospitalizationSaysNoneForEveryZeroAndNothingUnanswered) {
    const auto sentences = [&](const QString& count, int last = 1) {
        med.setText("txtHospitalized", count);
        med.setPosition("cboLastHospitalized", last);
        const RecordingReport r = report();
        return r.value("Hospitalization") + '|' + r.value("RecentHosp");
    };
    for (const char* none : {"0", "00"})
        EXPECT_EQ(sentences(none), "Jane has not been hospitalized in her life.|") << none;
    // No count, or no time of the last hospitalization: their markers stay.
    EXPECT_EQ(sentences(""), "<no call>|<no call>");
    EXPECT_EQ(sentences("2", -1), "Jane has been hospitalized 2 times in her life.|<no call>");
    EXPECT_EQ(sentences("1"),
              "Jane has been hospitalized 1 times in her life.|  The most recent of these "
              "hospitalizations occurred 6-12 months ago.");
    EXPECT_EQ(sentences("02").left(40), "Jane has been hospitalized 02 times in h");
    demographic.choose("optSex", 0);
    EXPECT_EQ(sentences("0"), "Jane has not been hospitalized in his life.|");
}

TEST_F(MedicalReport, InsuranceProgramsAreJoinedAndNeverEndInASeparator) {
    const int employer = 1, priv = 2, medicaid = 4, medicare = 8, va = 16, other = 32;
    EXPECT_EQ(programs("5", employer | medicaid),
              "employer provided health insurance, and Medicaid");
    EXPECT_EQ(programs("5", priv | medicare | other),
              "private health insurance, Medicare, county plan");
    EXPECT_EQ(programs("5", employer | priv | va),
              "employer provided health insurance, and private health insurance, VA/Champus");
    EXPECT_EQ(programs("5", medicaid | medicare | va | other),
              "Medicaid, Medicare, VA/Champus, "
              "county plan");
    EXPECT_EQ(programs("5", other), "county plan");
    // Nothing after the separator: it is left off.
    EXPECT_EQ(programs("5", employer), "employer provided health insurance");
    EXPECT_EQ(programs("5", employer | other, ""), "employer provided health insurance");
    EXPECT_EQ(programs("5", priv | other, ""), "private health insurance");
    EXPECT_EQ(programs("5", 0), "");
    // No month however typed (as the rules take it) is none whatever question 12 holds;
    // unanswered months leave the kinds answered "Yes" standing.
    for (const char* none : {"0", "00", ".0"})
        EXPECT_EQ(programs(none, employer | medicaid), "no insurance programs") << none;
    EXPECT_EQ(programs("", employer | medicaid),
              "employer provided health insurance, and Medicaid");
    EXPECT_EQ(programs("", 0), "no insurance programs");
    // Neither question answered: the marker stays.
    reset();
    EXPECT_EQ(report().value("IPrograms"), "<no call>");

    for (const QString& specified : {QString("county plan"), QString()}) {
        for (int rows = 0; rows < 64; ++rows) {
            const QString phrase = programs("7", rows, specified);
            EXPECT_FALSE(phrase.endsWith(", ") || phrase.endsWith(", and") ||
                         phrase.startsWith(", "))
                << rows << ": " << phrase.toStdString();
            EXPECT_EQ(phrase.isEmpty(), rows == 0 || (rows == other && specified.isEmpty()));
        }
    }
}

TEST_F(MedicalReport, InterviewerRatingWordsOrNoCall) {
    for (int i = 0; i < 10; ++i) {
        med.setPosition("cboInterviewerRating", i);
        const QString words = report().value("IRMedical");
        EXPECT_EQ(QString::number(i) + " - " + words, med.listText("cboInterviewerRating"));
    }
    med.setPosition("cboInterviewerRating", -1);
    EXPECT_EQ(report().value("IRMedical"), "<no call>");
}

}  // namespace
}  // namespace yrn::test
