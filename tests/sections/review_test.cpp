// The completeness review of a whole interview: which questions are listed as
// unanswered, in what order and with what text, and the warnings about answers
// that contradict each other.
#include <vector>

#include "interview/Review.h"
#include "records/ClientFolder.h"
#include "sections/ClientFixture.h"

namespace yrn::test {
namespace {

const QString kRivera = QStringLiteral(YRN_SOURCE_DIR "/tests/data/RiveraAnaM03-14-2024");

struct Interviewed {
    RecordingPrompts prompts;
    std::unique_ptr<Interview> interview = makeInterview(prompts);
    Section& operator[](const char* module) const { return *interview->section(module); }
    Review review() const { return reviewAnswers(*interview); }
    // "module|fieldId|page|warning" of every warning, in order.
    QStringList warnings() const {
        QStringList out;
        for (const ReviewItem& i : review().warnings)
            out << i.module + '|' + i.fieldId + '|' + QString::number(i.page) + '|' + i.warning;
        return out;
    }
};

// After some answers: these questions are listed in this order, with nothing
// between them, and these are not listed (optional, closed, or on a page Next skips).
struct ReviewCase {
    const char* module;
    const char* answers;  // as steps() takes them
    QStringList listed;   // field ids
    QStringList notListed;
};

// clang-format off
const ReviewCase kCases[] = {
    {"ctlLocatorInformation", "", {"txtAssessmentDate1", "txtTime1", "txtInterviewer", "cboSite",
      "txtLastName", "txtStreetAddress"}, {"txtMI", "txtC2Firstname", "txtLocationInformation", "txtWorkPlace"}},
    {"ctlLocatorInformation", "txtAssessmentDate1:=05;txtAssessmentDate3:=2024;txtTime1:=10;txtTime2:=30;"
     "txtLastName:=Doe;txtFirstName:=  ", {"txtAssessmentDate2", "optAMPM", "txtInterviewer", "cboSite",
      "txtFirstName"}, {"txtMI"}},
    {"ctlLocatorInformation", "optWorking=0", {"txtC1Firstname"}, {"optWorking", "txtWorkPlace", "txtWorkState"}},
    {"ctlDemographic", "optSex=1", {"cboReligion", "optContEnv", "txtPregnancies"}, {}},
    {"ctlDemographic", "txtChildren=2;optGender(0)=0", {"txtFirstBaby", "txtChildsDOBM(0)", "optGender(1)"},
     {"optGender(2)"}},
    {"ctlDemographic", "optSex=1;txtPregnancies=0", {}, {"txtFirstBaby", "txtChildren", "txtPregnancies",
      "txtLiveBirths"}},
    {"ctlMentalHealth", "optOutpatient=1;txtTimesTreated=0;optPrescMed=1", {"txtMedicationPrescribed",
      "optPrescMed30D"}, {"txtMentalHealthComments", "txtFinalComments"}},
    {"ctlFamilySocialHistory", "", {"optFamilyHistory(0)"}, {"txtFamilySocialComments"}},
    {"ctlDrugs", "optEverUse(0)=1;txtAge1stUse(0)=15", {"txtDaysUsedLast30(0)"},
     {"optDrugComments(0)", "txtDrugComments(0)", "txtDrugInformation"}},
    // Every interviewer comment is optional.
    {"ctlDemographic", "", {}, {"txtDemographicInformation"}},
    {"ctlMedical", "", {}, {"txtMedicalComments"}},
    {"ctlEmployment", "", {}, {"txtEmployment"}},
    {"ctlCriminalJustice", "", {}, {"txtCriminalJusticeInformation"}},
};
// clang-format on

TEST(Review, ListsTheQuestionsLeftInOrder) {
    for (const ReviewCase& c : kCases) {
        SCOPED_TRACE(c.answers);
        Interviewed client;
        if (*c.answers) answer(client[c.module], steps(c.answers));
        QStringList ids;
        for (const ReviewItem& item : client.review().unanswered)
            if (item.module == QLatin1String(c.module)) ids << item.fieldId;
        const qsizetype at = c.listed.isEmpty() ? 0 : ids.indexOf(c.listed.first());
        ASSERT_GE(at, 0);
        EXPECT_EQ(ids.mid(at, c.listed.size()), c.listed);
        for (const QString& id : c.notListed)
            EXPECT_FALSE(ids.contains(id)) << id.toStdString();
    }
}

TEST(Review, TheClientKeptWithTheTestsIsComplete) {
    Interviewed client;
    QTemporaryDir program;
    ASSERT_TRUE(ClientFolder(*client.interview, program.path()).openClient(kRivera).found);
    const Review review = client.review();
    QStringList listed;
    for (const ReviewItem& item : review.unanswered + review.warnings)
        listed << item.module + ' ' + item.fieldId + ' ' + item.text();
    EXPECT_TRUE(listed.isEmpty()) << listed.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(review.complete());
    EXPECT_EQ(review.reportQuestion(), QString());
    // One answer taken away is the one question left.
    client["ctlFamilySocialHistory"].setPosition("cboMaritalStatus", -1);
    const Review one = client.review();
    ASSERT_EQ(one.unanswered.size(), 1);
    EXPECT_EQ(one.reportQuestion(),
              "1 question is not answered (first: Family/Social History Information, 2. What "
              "is your current marital status?). Make the report anyway?");
}

// --- Warnings: each kind of contradiction, step by step ---

struct Step {
    const char* module;
    const char* answers;
    QStringList warnings;  // after the answers
};

const QString kNeverHospitalized =
    "ctlMedical|txtHospitalized|0|Never hospitalized for medical problems, but 2 days of medical "
    "treatment in a controlled environment in the past 30 days (Demographic Information).";

// clang-format off
const std::vector<std::vector<Step>> kContradictions{
    // Drug treatments above the treatments they are part of.
    {{"ctlDrugs", "optAlcTreat=1;txtOutpatientL=1;txtOutpatientPY=2;txtAlcAbuseL=2;txtDetoxL=3;"
                  "txtAlcAbusePY=3;txtDetoxPY=1",
      {"ctlDrugs|txtOutpatientPY|5|2 outpatient treatments for alcohol abuse in the past year, "
       "but 1 in the lifetime.",
       "ctlDrugs|txtAlcAbusePY|5|3 residential or inpatient treatments for alcohol abuse in the "
       "past year, but 2 in the lifetime.",
       "ctlDrugs|txtDetoxL|5|3 detox-only treatments for alcohol abuse in the lifetime, but 2 "
       "residential or inpatient ones."}}},
    // Outpatient days in the last 30 days with no outpatient treatment ever.
    {{"ctlDrugs", "optAlcTreat=0;optDrugTreat=1;txtDrugOutpatientL=0;txtOutpatientSettingPast30=4",
      {"ctlDrugs|txtOutpatientSettingPast30|6|4 days of outpatient treatment in the last 30 "
       "days, but no outpatient treatment program in the lifetime."}},
     {"ctlDrugs", "txtDrugOutpatientL=1", {}}},
    {{"ctlCriminalJustice", "txtCharges(2)=2;txtCharges(18)=1;txtConvictions=3", {}},
     {"ctlCriminalJustice", "txtConvictions=4",
      {"ctlCriminalJustice|txtConvictions|1|4 convictions, but 3 charges in all."}}},
    // Child rows answered past the number of children: while a smaller count is
    // typed the row is only held, nothing on screen; a value that reaches the row
    // anyway (as a file reader gives it) shows again.
    {{"ctlDemographic", "txtChildren=3;optGender(2)=1;txtChildren:=2", {}},
     {"ctlDemographic", "txtChildsDOBY(2):=2010",
      {"ctlDemographic|txtChildsDOBY(2)|2|Row 3 of the children is answered, but the client has "
       "2 children."}},
     {"ctlDemographic", "txtChildren=3", {}}},
    // Days of treatment in a controlled environment are a stay, so a count of no
    // stay contradicts them.
    {{"ctlDemographic", "optContEnv=1;optPsy=1;txtPsychiatricDays=5;optMed=1;txtMedicalDays=2", {}},
     {"ctlMentalHealth", "txtTimesTreated=1", {}}, {"ctlMedical", "txtHospitalized=1", {}},
     {"ctlMedical", "txtHospitalized=0", {kNeverHospitalized}},
     {"ctlMentalHealth", "txtTimesTreated=0",
      {kNeverHospitalized,
       "ctlMentalHealth|txtTimesTreated|0|Never treated in a hospital for psychological or "
       "emotional problems, but 5 days of psychiatric treatment in a controlled environment in "
       "the past 30 days (Demographic Information)."}}},
    // The past 30 days above the lifetime.
    {{"ctlMentalHealth", "optPrescMed=0;optPrescMed30D=1;optSymptoms(2)=1;optSymptoms(10)=0;"
                         "optSymptoms(3)=1;optSymptoms(11)=1",
      {"ctlMentalHealth|optPrescMed30D|0|Prescribed medication in the past 30 days, but never "
       "prescribed any (question 3).",
       "ctlMentalHealth|optSymptoms(2)|1|Yes in the past 30 days, but No in the lifetime."}}},
};
// clang-format on

TEST(ReviewWarnings, EachContradictionIsWarnedOfUntilCorrected) {
    for (const std::vector<Step>& contradiction : kContradictions) {
        Interviewed client;
        for (const Step& step : contradiction) {
            answer(client[step.module], steps(step.answers));
            EXPECT_EQ(client.warnings(), step.warnings) << step.answers;
        }
    }
}

}  // namespace
}  // namespace yrn::test
