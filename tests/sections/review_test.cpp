// The completeness review of a whole interview: which questions are listed as
// unanswered, in what order and with what text, and the warnings about answers
// that contradict each other.
#include <QSet>
#include <algorithm>
#include <string>
#include <vector>

#include "interview/Review.h"
#include "records/ClientFolder.h"
#include "sections/ClientFixture.h"

namespace yrn::test {
namespace {

const QString kRivera = QStringLiteral(YRN_SOURCE_DIR "/tests/data/RiveraAnaM03-14-2024");

using Lines = std::vector<std::string>;

struct Interviewed {
    RecordingPrompts prompts;
    std::unique_ptr<Interview> interview = makeInterview(prompts);
    Section& operator[](const char* module) const { return *interview->section(module); }
    Review review() const { return reviewAnswers(*interview); }
    // "module|fieldId|page|warning" of every warning, in order.
    Lines warnings() const {
        Lines out;
        for (const ReviewItem& item : review().warnings)
            out.push_back(QStringLiteral("%1|%2|%3|%4")
                              .arg(item.module, item.fieldId)
                              .arg(item.page)
                              .arg(item.warning)
                              .toStdString());
        return out;
    }
};

// --- Unanswered questions ---

struct ReviewCase {
    const char* name;
    const char* module;
    const char* answers;    // as steps() takes them
    QStringList listed;     // "fieldId|question": these, in this order, with nothing between
    QStringList notListed;  // field ids that no item names
};

// clang-format off
const ReviewCase kCases[] = {
    {"FreshLocatorPageByPage", "ctlLocatorInformation", "",
     {"txtAssessmentDate1|Date of Assessment", "txtTime1|Time assessment begun",
      "txtInterviewer|Interviewer:", "cboSite|Drug Court Site", "txtLastName|1. Client name",
      "txtStreetAddress|2. What is your current address?"},
     {"txtMI", "txtC2Firstname", "txtLocationInformation", "txtWorkPlace"}},
    // A question of several boxes names its first empty one, once; the middle
    // initial is never asked for.
    {"SeveralBoxesCountOnce", "ctlLocatorInformation",
     "txtAssessmentDate1:=05;txtAssessmentDate3:=2024;txtTime1:=10;txtTime2:=30;txtLastName:=Doe;"
     "txtFirstName:=  ",
     {"txtAssessmentDate2|Date of Assessment", "optAMPM|Time assessment begun",
      "txtInterviewer|Interviewer:", "cboSite|Drug Court Site", "txtFirstName|1. Client name"},
     {"txtMI"}},
    // "No" to question 7 closes the place of work.
    {"QuestionClosedByARule", "ctlLocatorInformation", "optWorking=0",
     {"txtC1Firstname|10. Please tell me the name of your mother or grandmother or other close "
      "relative that usually knows where you are or that you maintain regular contact with:"},
     {"optWorking", "txtWorkPlace", "txtWorkPhone", "txtWorkState"}},
    // Question 12 takes its wording from the gender; the table of question 11 is
    // closed until "Yes".
    {"BoundWording", "ctlDemographic", "optSex=1",
     {"cboReligion|10. Do you have a particular religion that you follow?",
      "optContEnv|11. Have you been in a controlled environment in the past 30 days like a "
      "hospital or jail (not a shelter)?",
      "txtPregnancies|12. How many times have you been pregnant?"}, {}},
    {"ChildRows", "ctlDemographic", "txtChildren=2;optGender(0)=0",
     {"txtFirstBaby|14. How old were you when the first baby was born?",
      "txtChildsDOBM(0)|16. Starting with the youngest child, please answer the following: — "
      "Row 1 — Childs DOB MM DD YYYY",
      "optGender(1)|16. Starting with the youngest child, please answer the following: — Row 2 "
      "— Childs Gender"}, {"optGender(2)"}},
    // No live birth: Next skips the children page, so it is not asked.
    {"PageThatNextSkips", "ctlDemographic", "optSex=1;txtPregnancies=0", {},
     {"txtFirstBaby", "txtChildren", "txtPregnancies", "txtLiveBirths"}},
    // A question without text of its own carries on the one before it.
    {"ContinuedQuestion", "ctlMentalHealth", "optOutpatient=1;txtTimesTreated=0;optPrescMed=1",
     {"txtMedicationPrescribed|3. Have you ever been prescribed medication for any "
      "psychological or emotional problems? If yes, what?",
      "optPrescMed30D|4. Have you been prescribed medication ( or taken any prescribed "
      "medication ) for any psychological or emotional problem in the past 30 days?"},
     {"txtMentalHealthComments", "txtFinalComments"}},
    {"TableRowsWithTitleAndGroups", "ctlFamilySocialHistory", "",
     {"optFamilyHistory(0)|1. Have any of your relatives had what you would call a significant "
      "drinking, drug use , or psychiatric problem -- one that did or should have led to "
      "treatment? — MOTHER'S SIDE — Grandmother — Alcohol problems"}, {"txtFamilySocialComments"}},
    {"SubstanceRow", "ctlDrugs", "optEverUse(0)=1;txtAge1stUse(0)=15",
     {"txtDaysUsedLast30(0)|1.1 Alcohol, any use — # Days used past 30 on street"},
     {"optDrugComments(0)", "txtDrugComments(0)"}},
    // Unnumbered questions after one without answers are its parts.
    {"PartsOfAQuestion", "ctlDrugs", "",
     {"txtNumDTs|5. How many times in your life have you: — Had DT's(horrors)?",
      "txtNumODs|5. How many times in your life have you: — Overdosed on drugs?",
      "cboUpLateOnDrugs|6. How many times in the last 30 days, or the last 30 days on the street "
      "did you stay up past 4 a.m. because of drug or alcohol use?"}, {}},
};
// clang-format on

class ReviewCaseTest : public ::testing::TestWithParam<ReviewCase> {};

TEST_P(ReviewCaseTest, ListsTheQuestionsLeftInOrder) {
    const ReviewCase& c = GetParam();
    Interviewed client;
    if (*c.answers) answer(client[c.module], steps(c.answers));
    QStringList listed, ids;
    for (const ReviewItem& item : client.review().unanswered)
        if (item.module == QLatin1String(c.module)) {
            listed << item.fieldId + '|' + item.question;
            ids << item.fieldId;
        }
    const qsizetype at = c.listed.isEmpty() ? 0 : listed.indexOf(c.listed.first());
    ASSERT_GE(at, 0) << listed.join('\n').toStdString();
    EXPECT_EQ(listed.mid(at, c.listed.size()), c.listed) << listed.join('\n').toStdString();
    for (const QString& id : c.notListed)
        EXPECT_FALSE(ids.contains(id)) << id.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Review, ReviewCaseTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Every section of a new client: each question listed once, in interview order,
// on the page that holds its box, with a one-line text; no optional answer and no
// closed box is asked for.
TEST(Review, ANewClientListsEverySectionInInterviewOrder) {
    Interviewed client;
    const Review review = client.review();
    const QList<Section*> sections = client.interview->sections();
    QList<qsizetype> lastPlace{-1, -1, -1};
    QSet<QString> modules, fields;
    for (const ReviewItem& item : review.unanswered) {
        SCOPED_TRACE((item.module + ' ' + item.fieldId).toStdString());
        const Section* section = client.interview->section(item.module);
        ASSERT_NE(section, nullptr);
        const Page* page = section->page(item.page);
        ASSERT_NE(page, nullptr);
        const QList<qsizetype> place{sections.indexOf(section), item.pageNumber,
                                     page->fields().indexOf(item.fieldId)};
        EXPECT_GE(place.at(2), 0);
        EXPECT_LT(lastPlace, place);
        lastPlace = place;
        EXPECT_FALSE(fields.contains(item.module + item.fieldId));
        fields.insert(item.module + item.fieldId);
        modules.insert(item.module);
        EXPECT_FALSE(section->field(item.fieldId).optional);
        EXPECT_TRUE(section->usable(item.fieldId));
        EXPECT_FALSE(item.question.isEmpty() || item.question.contains("  ") ||
                     item.question.contains('\n'));
        EXPECT_FALSE(item.sectionCaption.isEmpty() || item.sectionCaption.contains("--"));
        EXPECT_FALSE(item.isWarning());
        // The ratings page goes under its own caption.
        if (item.fieldId == "txtTimeEndedHours") {
            EXPECT_EQ(item.sectionCaption + ' ' + QString::number(item.page),
                      "Interviewer Ratings 4");
        }
    }
    EXPECT_EQ(modules.size(), sections.size());
    EXPECT_TRUE(fields.contains("ctlMentalHealthtxtTimeEndedHours"));
    EXPECT_TRUE(review.warnings.isEmpty());
    EXPECT_FALSE(review.complete());
    EXPECT_EQ(review.unanswered.first().where(), "Locator Information, page 1");
    EXPECT_EQ(review.reportQuestion(),
              QString::number(review.unanswered.size()) +
                  " questions are not answered (first: Locator Information, Date of "
                  "Assessment). Make the report anyway?");
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
    Lines warnings;  // after the answers
};

const std::string kNeverHospitalized =
    "ctlMedical|txtHospitalized|0|Never hospitalized for medical problems, but 2 days of medical "
    "treatment in a controlled environment in the past 30 days (Demographic Information).";

// clang-format off
const std::vector<std::vector<Step>> kContradictions{
    // Drug treatments above the treatments they are part of.
    {{"ctlDrugs", "optAlcTreat=1;txtOutpatientL=1;txtOutpatientPY=2;txtAlcAbuseL=2;txtDetoxL=3;"
                  "txtAlcAbusePY=1;txtDetoxPY=1",
      {"ctlDrugs|txtOutpatientPY|5|2 outpatient treatments for alcohol abuse in the past year, "
       "but 1 in the lifetime.",
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

TEST(ReviewWarnings, AWarningNamesItsQuestion) {
    Interviewed client;
    answer(client["ctlDrugs"], steps("optAlcTreat=1;txtOutpatientL=1;txtOutpatientPY=2"));
    answer(client["ctlMentalHealth"], steps("optSymptoms(2)=1;optSymptoms(10)=0"));
    const QList<ReviewItem> warnings = client.review().warnings;
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_EQ(warnings.first().question,
              "8. Please tell me how many times, not including AA/NA you have been treated for "
              "alcohol abuse: — Number of times treated for alcohol abuse in an outpatient "
              "treatment program? (not AA / NA ) — Past year");
    EXPECT_EQ(warnings.last().question,
              "6. Have you had a significant period (that was not a direct result of drug or "
              "alcohol use) in which you: — Experienced hallucinations? — Past 30 days?");
}

}  // namespace
}  // namespace yrn::test
