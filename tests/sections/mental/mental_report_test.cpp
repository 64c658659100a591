// The mental health part of the client report and the interviewer's observations.
#include "sections/ClientFixture.h"
#include "sections/mental/MentalAnswers.h"
#include "sections/mental/MentalHealthSection.h"

namespace yrn::test {
namespace {

class MentalReport : public ::testing::Test, public Client<MentalHealthSection> {
  protected:
    MentalHealthSection& mh = pane;
    void symptoms(int firstGroup, QList<int> yesRows) {
        for (int row = 0; row < 8; ++row)
            mh.choose(arr("optSymptoms", firstGroup + row), yesRows.contains(row) ? 1 : 0);
    }
};

TEST_F(MentalReport, AFullClientFillsEveryPlaceholderInOrder) {
    nameClient(locator);
    answerMental(mh);
    const RecordingReport r = report();
    EXPECT_EQ(r.fields(),
              QString("HasHasNotTPE TimesHosp HasHasNotPM Medications "
                      "ExperiencedProblems HasHasNotPMM MedicationsM PEProblems "
                      "BotheredBy30 ExperiencesDegree MenTroubled MenNecessary MentalComments "
                      "IRPsychiatric W0 W1 W2 W3 W4 W5 D0 D1 FinalComments")
                  .split(' '));
    EXPECT_EQ(r.values(),
              (QStringList{"has",
                           "0 times",
                           "has",
                           " including:  sertraline",
                           "experienced serious depression; experienced serious anxiety or tension",
                           "has",
                           "including:  sertraline, trazodone",
                           "experienced serious anxiety or tension",
                           "emotional abuse",
                           "\r\nDegree to which past experiences bothered Jane in the past 30 "
                           "days: emotional abuse: a little; physical abuse: somewhat; sexual "
                           "abuse or rape: not at all; sexual harassment: a lot.",
                           "moderately",
                           "considerably",
                           "Sees a counselor monthly.",
                           "Moderate problem",
                           "Was not",
                           "Was not",
                           "*Was",
                           "Was not",
                           "Was not",
                           "Was not",
                           "I do not believe",
                           "*I do believe",
                           "Client engaged well and asked about program requirements."}));
}

TEST_F(MentalReport, SymptomListsDropTheLastCharacterOfEachLabel) {
    // A column with no row answered keeps its marker.
    EXPECT_EQ(report().value("ExperiencedProblems"), "<no call>");
    EXPECT_EQ(report().value("PEProblems"), "<no call>");
    symptoms(8, {0, 6});
    EXPECT_EQ(report().value("ExperiencedProblems"),
              "experienced serious depression; attempted suicide");
    // The eating disorders row has no question mark and loses its last letter.
    symptoms(0, {3, 4, 7});
    EXPECT_EQ(report().value("PEProblems"),
              "experienced trouble understanding, concentrating, or remembering; experienced "
              "troubled controlling violent behavior; experienced anorexia, bulimia, or other "
              "eating disorder");
    symptoms(0, {});
    EXPECT_EQ(report().value("PEProblems"), "no problems");
    EXPECT_EQ(report().value("ExperiencedProblems"),
              "experienced serious depression; attempted suicide");
}

TEST_F(MentalReport, PastExperiencesListOnlyWhatBothersALittle) {
    const auto bothered = [&](QList<int> degrees) {
        for (int row = 0; row < 4; ++row)
            mh.setPosition(arr("cboPastExperiences", row), degrees.at(row));
        return report().value("BotheredBy30");
    };
    EXPECT_EQ(bothered({3, 1, 2, 0}), "physical abuse");
    EXPECT_EQ(bothered({0, 0, 0, 0}), "");
    EXPECT_EQ(bothered({-1, -1, -1, -1}), "<no call>");
    // The rape row's label keeps its final blank.
    EXPECT_EQ(bothered({1, 1, 1, 1}),
              "emotional abuse; physical abuse; sexual abuse or rape ; sexual harassment");
}

TEST_F(MentalReport, ExperiencesDegreeNamesEveryExperienceWithItsDegree) {
    nameClient(locator, "Doe", "Ada");
    const QString lead = "\r\nDegree to which past experiences bothered Ada in the past 30 days: ";
    // Positions of the four rows (-1: unanswered), and what the sentence lists.
    const std::pair<QList<int>, QString> cases[] = {
        {{-1, -1, -1, -1}, "<no call>"},
        {{3, 2, 1, 0},
         "emotional abuse: a lot; physical abuse: somewhat; sexual abuse or rape: a little; "
         "sexual harassment: not at all."},
        {{-1, 3, -1, -1},
         "emotional abuse: not answered; physical abuse: a lot; sexual abuse or rape: not "
         "answered; sexual harassment: not answered."},
        {{0, 0, 0, 0},
         "emotional abuse: not at all; physical abuse: not at all; sexual abuse or rape: not at "
         "all; sexual harassment: not at all."}};
    for (const auto& [degrees, listed] : cases) {
        for (int row = 0; row < 4; ++row)
            mh.setPosition(arr("cboPastExperiences", row), degrees.at(row));
        const RecordingReport r = report();
        // Question 7 unanswered: neither the list nor the degrees, their markers stay.
        EXPECT_EQ(r.value("ExperiencesDegree"), listed.startsWith('<') ? listed : lead + listed);
        // Filled right after the "a little" list, as the template holds it.
        if (!listed.startsWith('<')) {
            EXPECT_EQ(r.fields().indexOf("ExperiencesDegree"),
                      r.fields().indexOf("BotheredBy30") + 1);
        }
    }
}

TEST_F(MentalReport, MedicationAndTreatmentPhrases) {
    // Questions 1, 3 and 4 unanswered leave their markers.
    RecordingReport r = report();
    for (const char* field :
         {"HasHasNotTPE", "HasHasNotPM", "Medications", "HasHasNotPMM", "MedicationsM"})
        EXPECT_FALSE(r.fields().contains(field)) << field;
    for (const char* field : {"TimesHosp", "IRPsychiatric", "MenTroubled", "MenNecessary"})
        EXPECT_FALSE(r.fields().contains(field)) << field;

    mh.choose("optOutpatient", 0);
    mh.setText("txtTimesTreated", "01");
    mh.choose("optPrescMed", 0);
    mh.choose("optPrescMed30D", 0);
    mh.setPosition("cboNeedPsycTreatment", 9);
    r = report();
    EXPECT_EQ(r.value("HasHasNotTPE"), "has not");
    EXPECT_EQ(r.value("TimesHosp"), "one time");
    EXPECT_EQ(r.all("HasHasNotPM") + r.all("Medications"), (QStringList{"has not", ""}));
    EXPECT_EQ(r.all("HasHasNotPMM") + r.all("MedicationsM"), (QStringList{"has not", ""}));
    EXPECT_EQ(r.value("IRPsychiatric"), "Extreme problem");
    mh.setText("txtTimesTreated", "3");
    mh.choose("optOutpatient", 1);
    mh.choose("optPrescMed", 1);
    mh.setText("txtMedicationPrescribed", "lithium");
    mh.choose("optPrescMed30D", 1);
    r = report();
    EXPECT_EQ(r.value("HasHasNotTPE"), "has");
    EXPECT_EQ(r.value("TimesHosp"), "3 times");
    EXPECT_EQ(r.value("Medications"), " including:  lithium");
    EXPECT_EQ(r.all("HasHasNotPMM") + r.all("MedicationsM"), (QStringList{"has", "including:  "}));
}

TEST_F(MentalReport, ObservationsNotAnsweredNoAreMarked) {
    RecordingReport r = report();
    EXPECT_EQ(r.all("W0") + r.all("W5") + r.all("D0") + r.all("D1"),
              (QStringList{"*Was", "*Was", "*I do believe", "*I do believe"}));
    for (int row = 0; row < 8; ++row)
        mh.choose(arr("optIntRatings", row), row % 2);
    r = report();
    EXPECT_EQ(r.values().mid(r.fields().indexOf("W0"), 8),
              (QStringList{"Was not", "*Was", "Was not", "*Was", "Was not", "*Was",
                           "I do not believe", "*I do believe"}));
    mh.setText("txtFinalComments", "ok");
    EXPECT_EQ(report().value("FinalComments"), "ok");
}

}  // namespace
}  // namespace yrn::test
