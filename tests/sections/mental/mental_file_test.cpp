// "MentalHealth.YRN": a file written on a Windows machine, round trips and damage.
#include "sections/SectionFileTest.h"
#include "sections/mental/MentalAnswers.h"
#include "sections/mental/MentalHealthSection.h"

namespace yrn::test {
namespace {

QList<QByteArray> storedClient() {
    QList<QByteArray> v{"1", "3", "1", "Zoloft, Ativan", "0", "-1 ", "-1"};
    v += {"0", "1", "0", "0", "0", "0", "0", "-1"};  // past 30 days
    v += {"1", "1", "0", "0", "0", "1", "1", "0"};   // lifetime
    v += {" 1 ", " 3 ", " 0 ", "-1 ", "12", " 2 ", " 4 ", " 6 "};
    v += {"Caf\xe9 visits help; she\x92s calmer", "07", "05", "1"};
    v += {"0", "0", "1", "0", "-1", "0", "0", "1"};  // the interviewer's ratings
    v << "Good rapport.";
    return v;
}

class MentalFile : public SectionFileTest<MentalHealthSection> {
  protected:
    MentalHealthSection& mh = pane;
};

TEST_F(MentalFile, WindowsFileLoadsExactlyAndSavesBackUnchanged) {
    const QList<QByteArray> values = storedClient();
    ASSERT_EQ(values.size(), 44);
    EXPECT_TRUE(load(values).complete);
    EXPECT_TRUE(prompts.boxes.isEmpty() && prompts.focusRequests.isEmpty());
    EXPECT_TRUE(
        shows(mh, {"optOutpatient=1",
                   "txtTimesTreated=3",
                   "txtMedicationPrescribed=Zoloft, Ativan",
                   "txtMedicationPrescribed30= (off)",
                   "optPension=-1",
                   "optSymptoms(1)=1",
                   "optSymptoms(7)=-1",
                   "optSymptoms(13)=1",
                   "optSymptoms(15)=0",
                   "cboPastExperiences(0)=A little",
                   "cboPastExperiences(1)=A lot",
                   "cboPastExperiences(3)=",
                   "txtProblemsDays=12",
                   "cboPsychologicalTroubled=Moderately",
                   "cboPsychologicalTreatment=Extremely",
                   "cboNeedPsycTreatment=6 - Considerable problem",
                   QString::fromUtf8("txtMentalHealthComments=Café visits help; she’s calmer"),
                   "txtTimeEndedHours=07",
                   "txtTimeEndedMinutes=05",
                   "optAMPM=1",
                   "optIntRatings(2)=1",
                   "optIntRatings(4)=-1",
                   "optIntRatings(7)=1",
                   "txtFinalComments=Good rapport."}));
    EXPECT_EQ(mh.field("txtMedicationPrescribed30").background, Background::NotApplicable);

    ASSERT_TRUE(mh.SaveYRN(path));
    EXPECT_EQ(readFile(path), windowsSectionFile(values));
}

TEST_F(MentalFile, EveryAnswerSurvivesASaveAndALoad) {
    Client<MentalHealthSection> other;
    answerMental(mh);
    mh.setText("txtFinalComments", "Line one\r\nline two; -1\r\n");
    ASSERT_TRUE(mh.SaveYRN(path));
    EXPECT_TRUE(other.load(path).complete);
    EXPECT_TRUE(sameState(mh, other.pane));
    // Both medication texts come back after their questions' rules have run.
    EXPECT_TRUE(shows(other.pane, {"txtMedicationPrescribed=sertraline",
                                   "txtMedicationPrescribed30=sertraline, trazodone"}));
    EXPECT_EQ(readFile(path).count("\r\n;\r\n"), 43);
}

TEST_F(MentalFile, DamagedFilesKeepWhatWasReadAndNeverCrash) {
    const QByteArray bytes = windowsSectionFile(storedClient());
    writeFile(path, bytes.left(bytes.indexOf("Zoloft")));
    EXPECT_FALSE(load(path).complete);
    EXPECT_TRUE(shows(mh, {"optPrescMed=1", "txtMedicationPrescribed=", "optPension=-1"}));

    QList<QByteArray> values = storedClient();
    values[23] = " 4 ";  // the degree list has four items
    EXPECT_FALSE(load(values).complete);
    EXPECT_EQ(lastBox(prompts), "Critical|Program Error|Error in module MainModule.LoadCombo");
    EXPECT_EQ(mh.position("cboPastExperiences(0)"), -1);
    EXPECT_EQ(mh.text("txtFinalComments"), "Good rapport.");

    writeFile(path, QByteArray(300, '\0'));
    EXPECT_FALSE(load(path).complete);
    EXPECT_FALSE(load(dir.filePath("Missing.YRN")).found);
}

}  // namespace
}  // namespace yrn::test
