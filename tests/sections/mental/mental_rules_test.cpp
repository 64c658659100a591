// The mental health pane's rules, range checks, reset and pages.
#include "sections/ClientFixture.h"
#include "sections/mental/MentalAnswers.h"
#include "sections/mental/MentalHealthSection.h"

namespace yrn::test {
namespace {

class MentalRules : public ::testing::Test, public Client<MentalHealthSection> {
  protected:
    MentalHealthSection& mh = pane;
};

TEST_F(MentalRules, MedicationIsAskedOnlyAfterYes) {
    for (const auto& [group, box] :
         {std::pair<QString, QString>{"optPrescMed", "txtMedicationPrescribed"},
          {"optPrescMed30D", "txtMedicationPrescribed30"}}) {
        mh.choose(group, 1);
        mh.setText(box, "lithium");
        mh.choose(group, 0);
        EXPECT_TRUE(shows(mh, {box + "= (off)"}));
        EXPECT_EQ(mh.field(box).background, Background::NotApplicable);
        mh.choose(group, 1);
        EXPECT_TRUE(shows(mh, {box + "="}));
        EXPECT_EQ(mh.field(box).background, Background::Normal);
        mh.setText(box, "lithium");
        mh.choose(group, 1);  // chosen again: the text stays
        EXPECT_EQ(mh.text(box), "lithium");
        EXPECT_EQ(mh.field(box).maxLength, 30);
    }
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(MentalRules, RangeChecksRefuseAndPadAsTheBoxesAsk) {
    const struct {
        const char* id;
        const char* typed;
        const char* shown;  // "" when refused
    } cases[] = {
        {"txtTimeEndedHours", "0", ""},     {"txtTimeEndedHours", "13", ""},
        {"txtTimeEndedHours", "7", "07"},   {"txtTimeEndedHours", "12", "12"},
        {"txtTimeEndedMinutes", "5", "05"}, {"txtTimeEndedMinutes", "60", ""},
        {"txtTimeEndedMinutes", "0", "00"}, {"txtTimesTreated", "201", ""},
        {"txtTimesTreated", "7", "7"},      {"txtTimesTreated", "200", "200"},
        {"txtProblemsDays", "31", ""},      {"txtProblemsDays", "3", "3"},
        {"txtProblemsDays", "two", ""},
    };
    for (const auto& c : cases) {
        prompts.clear();
        type(c.id, c.typed);
        EXPECT_EQ(mh.text(c.id), c.shown) << c.id << " " << c.typed;
        const bool refused = QString(c.shown).isEmpty();
        EXPECT_EQ(prompts.titles(), refused ? QStringList{"Input Error"} : QStringList{})
            << c.id << " " << c.typed;
    }
    EXPECT_EQ(prompts.last().text,
              "Invalid data range or type!\r\nMust be a numeric value between 0 and 30");
}

TEST_F(MentalRules, NewClientClearsEveryAnswerAndReopensTheMedicationBoxes) {
    answerMental(mh);
    mh.choose("optPrescMed", 0);
    mh.choose("optPrescMed30D", 0);
    Client<MentalHealthSection> fresh;
    EXPECT_FALSE(sameState(mh, fresh.pane));
    reset();
    EXPECT_TRUE(sameState(mh, fresh.pane));
    EXPECT_TRUE(mh.usable("txtMedicationPrescribed"));
    EXPECT_EQ(mh.field("txtMedicationPrescribed30").background, Background::Normal);
}

TEST_F(MentalRules, PagesEndWithTheRatingsAndTheClosingButtons) {
    ASSERT_EQ(mh.pages().size(), 6);
    EXPECT_EQ(mh.nextPage(5), -1);
    EXPECT_EQ(mh.nextPage(3), 4);
    EXPECT_EQ(mh.page(3)->nextCaption, "&Interviewer Ratings");
    EXPECT_EQ(mh.page(2)->nextCaption, "&Next Page");
    EXPECT_EQ(mh.page(4)->nextCaption, "&Next Page");
    EXPECT_EQ(mh.page(4)->caption, "Halverin Drug Court YRN -- Interviewer Ratings");
    EXPECT_EQ(mh.page(4)->viewMenuItem, 8);
    for (int p : {0, 1, 2, 3, 5})
        EXPECT_TRUE(mh.page(p)->caption.isEmpty()) << p;
    const Page& closing = *mh.page(5);
    EXPECT_EQ(closing.backCaption, "&Previous Page");
    EXPECT_EQ(closing.nextButton, "cmdNextMH(5)");
    EXPECT_EQ(closing.nextCaption, "&Save && Exit");
    EXPECT_EQ(closing.buttons,
              (QList<std::pair<QString, QString>>{{"cmdSave", "&Save / View Report"},
                                                  {"cmdSaveNew", "&Save && New"}}));
    // The symptom rows: lifetime groups 8 to 15 beside the past 30 days.
    const Block& symptoms = mh.page(1)->blocks.last();
    ASSERT_EQ(symptoms.rows.size(), 8);
    EXPECT_EQ(symptoms.rows.at(7).cells, (QStringList{"optSymptoms(7)", "optSymptoms(15)"}));
    EXPECT_EQ(mh.label("Label(24)"), symptoms.rows.at(7).label);
    EXPECT_EQ(mh.label("Label(30)"), "Sexual abuse or rape ");
}

}  // namespace
}  // namespace yrn::test
