// The completeness review of a whole interview: which questions are listed as
// unanswered, in what order and with what text, and the warnings about answers
// that contradict each other.
#include <QSet>
#include <algorithm>
#include <functional>
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

    QList<ReviewItem> unanswered(const char* module) const {
        QList<ReviewItem> items;
        for (const ReviewItem& item : reviewAnswers(*interview).unanswered)
            if (item.module == QLatin1String(module)) items << item;
        return items;
    }
    // "fieldId|question" of a section's unanswered questions, in order.
    QStringList listed(const char* module) const {
        QStringList out;
        for (const ReviewItem& item : unanswered(module))
            out << item.fieldId + '|' + item.question;
        return out;
    }
    // "module|fieldId|warning" of every warning, in order.
    Lines warnings() const {
        Lines out;
        for (const ReviewItem& item : reviewAnswers(*interview).warnings)
            out.push_back((item.module + '|' + item.fieldId + '|' + item.warning).toStdString());
        return out;
    }
};

// --- Unanswered questions ---

struct ReviewCase {
    const char* name;
    const char* module;
    std::function<void(Interviewed&)> answer;
    QStringList listed;     // these, in this order, with nothing between them
    QStringList notListed;  // field ids that no item names
};

const ReviewCase kCases[] = {
    {"FreshLocatorPageByPage",
     "ctlLocatorInformation",
     [](Interviewed&) {},
     {"txtAssessmentDate1|Date of Assessment", "txtTime1|Time assessment begun",
      "txtInterviewer|Interviewer:", "cboSite|Drug Court Site", "txtLastName|1. Client name",
      "txtStreetAddress|2. What is your current address?"},
     {"txtMI", "txtC2Firstname", "txtLocationInformation", "txtWorkPlace"}},
    // A question of several boxes names its first empty one, once; the middle
    // initial is never asked for.
    {"SeveralBoxesCountOnce",
     "ctlLocatorInformation",
     [](Interviewed& c) {
         c["ctlLocatorInformation"].setText("txtAssessmentDate1", "05");
         c["ctlLocatorInformation"].setText("txtAssessmentDate3", "2024");
         c["ctlLocatorInformation"].setText("txtTime1", "10");
         c["ctlLocatorInformation"].setText("txtTime2", "30");
         c["ctlLocatorInformation"].setText("txtLastName", "Doe");
         c["ctlLocatorInformation"].setText("txtFirstName", "  ");
     },
     {"txtAssessmentDate2|Date of Assessment", "optAMPM|Time assessment begun",
      "txtInterviewer|Interviewer:", "cboSite|Drug Court Site", "txtFirstName|1. Client name"},
     {"txtMI"}},
    // "No" to question 7 closes the place of work.
    {"QuestionClosedByARule",
     "ctlLocatorInformation",
     [](Interviewed& c) { c["ctlLocatorInformation"].choose("optWorking", 0); },
     {"txtC1Firstname|10. Please tell me the name of your mother or grandmother or other close "
      "relative that usually knows where you are or that you maintain regular contact with:"},
     {"optWorking", "txtWorkPlace", "txtWorkPhone", "txtWorkState"}},
    // Question 12 takes its wording from the gender; the table of question 11 is
    // closed until "Yes".
    {"BoundWording",
     "ctlDemographic",
     [](Interviewed& c) { c["ctlDemographic"].choose("optSex", 1); },
     {"cboReligion|10. Do you have a particular religion that you follow?",
      "optContEnv|11. Have you been in a controlled environment in the past 30 days like a "
      "hospital or jail (not a shelter)?",
      "txtPregnancies|12. How many times have you been pregnant?"},
     {}},
    {"ChildRows",
     "ctlDemographic",
     [](Interviewed& c) {
         Section& d = c["ctlDemographic"];
         typeAndLeave(d, "txtChildren", "2");
         d.choose(arr("optGender", 0), 0);
     },
     {"txtFirstBaby|14. How old were you when the first baby was born?",
      "txtChildsDOBM(0)|16. Starting with the youngest child, please answer the following: — "
      "Row 1 — Childs DOB MM DD YYYY",
      "optGender(1)|16. Starting with the youngest child, please answer the following: — Row 2 "
      "— Childs Gender"},
     {"optGender(2)"}},
    // No live birth: Next skips the children page, so it is not asked.
    {"PageThatNextSkips",
     "ctlDemographic",
     [](Interviewed& c) {
         Section& d = c["ctlDemographic"];
         d.choose("optSex", 1);
         typeAndLeave(d, "txtPregnancies", "0");
     },
     {},
     {"txtFirstBaby", "txtChildren", "txtPregnancies", "txtLiveBirths"}},
    // A question without text of its own carries on the one before it.
    {"ContinuedQuestion",
     "ctlMentalHealth",
     [](Interviewed& c) {
         Section& m = c["ctlMentalHealth"];
         m.choose("optOutpatient", 1);
         typeAndLeave(m, "txtTimesTreated", "0");
         m.choose("optPrescMed", 1);
     },
     {"txtMedicationPrescribed|3. Have you ever been prescribed medication for any "
      "psychological or emotional problems? If yes, what?",
      "optPrescMed30D|4. Have you been prescribed medication ( or taken any prescribed "
      "medication ) for any psychological or emotional problem in the past 30 days?"},
     {"txtMentalHealthComments", "txtFinalComments"}},
    {"TableRowsWithTitleAndGroups",
     "ctlFamilySocialHistory",
     [](Interviewed&) {},
     {"optFamilyHistory(0)|1. Have any of your relatives had what you would call a significant "
      "drinking, drug use , or psychiatric problem -- one that did or should have led to "
      "treatment? — MOTHER'S SIDE — Grandmother — Alcohol problems"},
     {"txtFamilySocialComments"}},
    {"SubstanceRow",
     "ctlDrugs",
     [](Interviewed& c) {
         Section& d = c["ctlDrugs"];
         d.choose(arr("optEverUse", 0), 1);
         typeAndLeave(d, arr("txtAge1stUse", 0), "15");
     },
     {"txtDaysUsedLast30(0)|1.1 Alcohol, any use — # Days used past 30 on street"},
     {"optDrugComments(0)", "txtDrugComments(0)"}},
    // Unnumbered questions after one without answers are its parts.
    {"PartsOfAQuestion",
     "ctlDrugs",
     [](Interviewed&) {},
     {"txtNumDTs|5. How many times in your life have you: — Had DT's(horrors)?",
      "txtNumODs|5. How many times in your life have you: — Overdosed on drugs?",
      "cboUpLateOnDrugs|6. How many times in the last 30 days, or the last 30 days on the street "
      "did you stay up past 4 a.m. because of drug or alcohol use?"},
     {}},
};

class ReviewCaseTest : public ::testing::TestWithParam<ReviewCase> {};

TEST_P(ReviewCaseTest, ListsTheQuestionsLeftInOrder) {
    const ReviewCase& c = GetParam();
    Interviewed client;
    c.answer(client);
    const QStringList listed = client.listed(c.module);
    if (!c.listed.isEmpty()) {
        const qsizetype at = listed.indexOf(c.listed.first());
        ASSERT_GE(at, 0) << listed.join('\n').toStdString();
        EXPECT_EQ(listed.mid(at, c.listed.size()), c.listed) << listed.join('\n').toStdString();
    }
    for (const ReviewItem& item : client.unanswered(c.module))
        EXPECT_FALSE(c.notListed.contains(item.fieldId)) << item.fieldId.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Review, ReviewCaseTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Every section of a new client: each question listed once, in interview order,
// on the page that holds its box, with a one-line text; no optional answer and no
// closed box is asked for.
TEST(Review, ANewClientListsEverySectionInInterviewOrder) {
    Interviewed client;
    const Review review = reviewAnswers(*client.interview);
    const QList<Section*> sections = client.interview->sections();
    QList<qsizetype> lastPlace{-1, -1, -1};
    QSet<QString> modules;
    QSet<QString> fields;
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
        const Field& field = section->field(item.fieldId);
        EXPECT_FALSE(field.optional);
        EXPECT_TRUE(section->usable(item.fieldId));
        EXPECT_FALSE(item.question.isEmpty());
        EXPECT_FALSE(item.question.contains(QStringLiteral("  ")) || item.question.contains('\n'));
        EXPECT_FALSE(item.sectionCaption.isEmpty() || item.sectionCaption.contains("--"));
        EXPECT_FALSE(item.isWarning());
    }
    EXPECT_EQ(modules.size(), sections.size());
    EXPECT_TRUE(review.warnings.isEmpty());
    EXPECT_FALSE(review.complete());

    const ReviewItem& first = review.unanswered.first();
    EXPECT_EQ(first.where(), "Locator Information, page 1");
    EXPECT_EQ(review.reportQuestion(),
              QString::number(review.unanswered.size()) +
                  " questions are not answered (first: Locator Information, Date of "
                  "Assessment). Make the report anyway?");
    // The ratings page goes under its own caption.
    const auto ended = std::find_if(
        review.unanswered.cbegin(), review.unanswered.cend(),
        [](const ReviewItem& i) { return i.fieldId == QLatin1String("txtTimeEndedHours"); });
    ASSERT_NE(ended, review.unanswered.cend());
    EXPECT_EQ(ended->sectionCaption, "Interviewer Ratings");
    EXPECT_EQ(ended->page, 4);
}

TEST(Review, TheClientKeptWithTheTestsIsComplete) {
    Interviewed client;
    QTemporaryDir program;
    ASSERT_TRUE(ClientFolder(*client.interview, program.path()).openClient(kRivera).found);
    const Review review = reviewAnswers(*client.interview);
    QStringList listed;
    for (const ReviewItem& item : review.unanswered + review.warnings)
        listed << item.module + ' ' + item.fieldId + ' ' + item.text();
    EXPECT_TRUE(listed.isEmpty()) << listed.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(review.complete());
    EXPECT_EQ(review.reportQuestion(), QString());

    // One answer taken away is the one question left.
    client["ctlFamilySocialHistory"].setPosition("cboMaritalStatus", -1);
    const Review one = reviewAnswers(*client.interview);
    ASSERT_EQ(one.unanswered.size(), 1);
    EXPECT_EQ(one.reportQuestion(),
              "1 question is not answered (first: Family/Social History Information, 2. What "
              "is your current marital status?). Make the report anyway?");
}

// --- Warnings: one test per kind of contradiction ---

TEST(ReviewWarnings, DrugTreatmentsAboveTheTreatmentsTheyArePartOf) {
    Interviewed client;
    Section& d = client["ctlDrugs"];
    d.choose("optAlcTreat", 1);
    typeAndLeave(d, "txtOutpatientL", "1");
    typeAndLeave(d, "txtOutpatientPY", "2");
    typeAndLeave(d, "txtAlcAbuseL", "2");
    typeAndLeave(d, "txtDetoxL", "3");
    typeAndLeave(d, "txtAlcAbusePY", "1");
    typeAndLeave(d, "txtDetoxPY", "1");
    EXPECT_EQ(client.warnings(),
              (Lines{"ctlDrugs|txtOutpatientPY|2 outpatient treatments for alcohol abuse "
                     "in the past year, but 1 in the lifetime.",
                     "ctlDrugs|txtDetoxL|3 detox-only treatments for alcohol abuse in the "
                     "lifetime, but 2 residential or inpatient ones."}));
    const ReviewItem item = reviewAnswers(*client.interview).warnings.first();
    EXPECT_EQ(item.page, 5);
    EXPECT_EQ(item.question,
              "8. Please tell me how many times, not including AA/NA you have been treated for "
              "alcohol abuse: — Number of times treated for alcohol abuse in an outpatient "
              "treatment program? (not AA / NA ) — Past year");

    // Outpatient days in the last 30 days with no outpatient treatment ever.
    Interviewed days;
    Section& e = days["ctlDrugs"];
    e.choose("optAlcTreat", 0);
    e.choose("optDrugTreat", 1);
    typeAndLeave(e, "txtDrugOutpatientL", "0");
    typeAndLeave(e, "txtOutpatientSettingPast30", "4");
    EXPECT_EQ(days.warnings(),
              Lines{"ctlDrugs|txtOutpatientSettingPast30|4 days of outpatient treatment "
                    "in the last 30 days, but no outpatient treatment program in the "
                    "lifetime."});
    typeAndLeave(e, "txtDrugOutpatientL", "1");
    EXPECT_EQ(days.warnings(), Lines{});
}

TEST(ReviewWarnings, ConvictionsAboveTheCharges) {
    Interviewed client;
    Section& c = client["ctlCriminalJustice"];
    typeAndLeave(c, "txtCharges(2)", "2");
    typeAndLeave(c, "txtCharges(18)", "1");
    typeAndLeave(c, "txtConvictions", "3");
    EXPECT_EQ(client.warnings(), Lines{});
    typeAndLeave(c, "txtConvictions", "4");
    EXPECT_EQ(client.warnings(),
              Lines{"ctlCriminalJustice|txtConvictions|4 convictions, but 3 charges in all."});
}

TEST(ReviewWarnings, ChildRowsAnsweredPastTheNumberOfChildren) {
    Interviewed client;
    Section& d = client["ctlDemographic"];
    typeAndLeave(d, "txtChildren", "3");
    d.choose(arr("optGender", 2), 1);
    // While a smaller count is typed the row is only held: nothing on screen.
    d.setText("txtChildren", "2");
    EXPECT_EQ(client.warnings(), Lines{});
    // A value that reaches the row anyway (as a file reader gives it) shows again;
    // the gender, still held, is not on screen.
    d.setText(arr("txtChildsDOBY", 2), "2010");
    EXPECT_EQ(client.warnings(),
              Lines{"ctlDemographic|txtChildsDOBY(2)|Row 3 of the children is answered, but "
                    "the client has 2 children."});
    typeAndLeave(d, "txtChildren", "3");
    EXPECT_EQ(client.warnings(), Lines{});
}

// Days of treatment in a controlled environment (demographic question 11) are a
// stay, so a count of no stay contradicts them: psychiatric against the mental
// health hospital treatments, medical against the hospitalizations.
TEST(ReviewWarnings, AStayInTheLast30DaysAgainstNoStayEver) {
    Interviewed client;
    Section& d = client["ctlDemographic"];
    d.choose("optContEnv", 1);
    d.choose("optPsy", 1);
    typeAndLeave(d, "txtPsychiatricDays", "5");
    d.choose("optMed", 1);
    typeAndLeave(d, "txtMedicalDays", "2");
    typeAndLeave(client["ctlMentalHealth"], "txtTimesTreated", "1");
    typeAndLeave(client["ctlMedical"], "txtHospitalized", "1");
    EXPECT_EQ(client.warnings(), Lines{});
    typeAndLeave(client["ctlMentalHealth"], "txtTimesTreated", "0");
    typeAndLeave(client["ctlMedical"], "txtHospitalized", "0");
    EXPECT_EQ(client.warnings(),
              (Lines{"ctlMedical|txtHospitalized|Never hospitalized for medical problems, "
                     "but 2 days of medical treatment in a controlled environment in the "
                     "past 30 days (Demographic Information).",
                     "ctlMentalHealth|txtTimesTreated|Never treated in a hospital for "
                     "psychological or emotional problems, but 5 days of psychiatric "
                     "treatment in a controlled environment in the past 30 days "
                     "(Demographic Information)."}));
}

TEST(ReviewWarnings, ThePast30DaysAboveTheLifetime) {
    Interviewed client;
    Section& m = client["ctlMentalHealth"];
    m.choose("optPrescMed", 0);
    m.choose("optPrescMed30D", 1);
    m.choose(arr("optSymptoms", 2), 1);
    m.choose(arr("optSymptoms", 2 + 8), 0);
    m.choose(arr("optSymptoms", 3), 1);
    m.choose(arr("optSymptoms", 3 + 8), 1);
    EXPECT_EQ(client.warnings(),
              (Lines{"ctlMentalHealth|optPrescMed30D|Prescribed medication in the past 30 "
                     "days, but never prescribed any (question 3).",
                     "ctlMentalHealth|optSymptoms(2)|Yes in the past 30 days, but No in the "
                     "lifetime."}));
    EXPECT_EQ(reviewAnswers(*client.interview).warnings.last().question,
              "6. Have you had a significant period (that was not a direct result of drug or "
              "alcohol use) in which you: — Experienced hallucinations? — Past 30 days?");
}

}  // namespace
}  // namespace yrn::test
