#include <tuple>

#include "sections/ClientFixture.h"

namespace yrn::test {
namespace {

struct LocatorReport : ::testing::Test, Client<LocatorSection> {
    LocatorSection* loc = &pane;
};

TEST_F(LocatorReport, ReportFillsEveryPlaceholderInOrder) {
    // Each box holds its own name, so every value shows where it came from.
    for (const QString& id : loc->fieldOrder())
        if (loc->field(id).kind == FieldKind::Text) loc->setText(id, id.mid(3));
    set({{"txtStreetAddress", " 12 Elm St "}, {"txtLocationInformation", "calls after 5"}});
    loc->choose("optOwnRes", 1);
    // clang-format off
    const QList<std::pair<QString, QString>> expected{
        {"Address1", " 12 Elm St "}, {"Address2", "City, State ZipCode"},
        {"Phone1", "could be reached by telephone at Phone"}, {"Phone2", " or at OtherPhone"},
        {"Interviewer", "Interviewer"},
        {"DateOfInterview", "AssessmentDate1-AssessmentDate2-AssessmentDate3"},
        {"LengthOfStay", "CurrAddressLen"}, {"IsOrIsNot", "is"},
        {"Name1", "PhoneAnswerer1"}, {"P1Relationship1", " (AnswererRelation1)"},
        {"Name2", " or PhoneAnswerer2"}, {"P1Relationship2", " (AnswererRelation2)"},
        {"Name3", "OtherAnswerer1"}, {"P2Relationship1", " (OtherRelation1)"},
        {"Name4", " or OtherAnswerer2"}, {"P2Relationship2", " (OtherRelation2)"},
        {"MailingAddress1", "MStreetAddress"}, {"MailingAddress2", "MCity, MState MZipCode"},
        {"AddName", "C1Firstname C1MI. C1Lastname"}, {"AddAddress1", "C1Address"},
        {"AddAddress2", "C1City, C1State C1ZipCode"}, {"AddPhone", "C1Phone"},
        {"AddRelationship", "C1Relationship"}, {"Add2Name", "C2Firstname C2MI. C2Lastname"},
        {"Add2Address1", "C2Address"}, {"Add2Address2", "C2City, C2State C2ZipCode"},
        {"Add2Phone", "C2Phone"}, {"Add2Relationship", "C2Relationship"},
        {"LocatorComments", "Calls after 5"}};
    // clang-format on
    EXPECT_EQ(report().calls, expected);
}

TEST_F(LocatorReport, ReportEdgeCases) {
    // Question 4 unanswered: no call, so its marker stays.
    // Every answer not given keeps its marker, but the telephones and the people who
    // may answer them (left empty, they say so) and the second contact, whom the
    // client may not have.
    const RecordingReport empty = report();
    EXPECT_EQ(empty.fields(),
              QString("Phone1 Phone2 Name1 P1Relationship1 Name2 P1Relationship2 Name3 "
                      "P2Relationship1 Name4 P2Relationship2 Add2Name Add2Address1 Add2Address2 "
                      "Add2Phone Add2Relationship LocatorComments")
                  .split(' '));
    EXPECT_EQ(empty.value("Add2Address1"), "N/A");

    loc->choose("optOwnRes", 0);
    // The first contact's address: each line given stands; the second contact's
    // without a street is "N/A" and an empty second line, whatever else is typed.
    set({{"txtC1City", "Akron"},
         {"txtC1ZipCode", "44301"},
         {"txtC2Firstname", "Ann"},
         {"txtC2MI", "j"},
         {"txtC2Lastname", "Smith"},
         {"txtC2Address", "1 Main St"}});
    const RecordingReport r = report();
    EXPECT_EQ(r.value("IsOrIsNot"), "is not");
    EXPECT_EQ(r.value("AddAddress1"), "<no call>");
    EXPECT_EQ(r.value("AddAddress2"), "Akron,  44301");
    EXPECT_EQ(r.value("Add2Address1"), "1 Main St");
    EXPECT_EQ(r.value("Add2Address2"), "");
    EXPECT_EQ(r.value("Add2Name"), "Ann j. Smith") << "a contact's initial as typed";

    for (const auto& [typed, shown] : std::initializer_list<std::pair<QString, QString>>{
             {"x", "x"}, {"ok", "ok"}, {"fine", "Fine"}, {"\u00e9t\u00e9", "\u00c9t\u00e9"}}) {
        loc->setText("txtLocationInformation", typed);
        EXPECT_EQ(report().value("LocatorComments"), shown) << typed.toStdString();
    }
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(LocatorReport, AnEmptyPhoneOrPersonLeavesNoOrAndNoBrackets) {
    // The template sets each group's values side by side: "and #Phone1##Phone2#.",
    // "by #Name1##P1Relationship1##Name2##P1Relationship2#" and the same for Name3.
    const auto joined = [&](const QStringList& fields) {
        const RecordingReport r = report();
        QString text;
        for (const QString& field : fields)
            text += r.value(field);
        return text;
    };
    const QString reached = "could be reached by telephone at ";
    const std::tuple<QString, QString, QString> phones[] = {
        {"555-1", "555-2", reached + "555-1 or at 555-2"},
        {"555-1", "", reached + "555-1"},
        {" ", "555-2", reached + "555-2"},
        {"", "", "gave no telephone number"}};
    for (const auto& [first, second, sentence] : phones) {
        set({{"txtPhone", first}, {"txtOtherPhone", second}});
        EXPECT_EQ(joined({"Phone1", "Phone2"}), sentence);
    }

    // Name, relation, name, relation.
    const std::pair<QStringList, QString> people[] = {
        {{"Rosa", "mother", "Luis", "brother"}, "Rosa (mother) or Luis (brother)"},
        {{"Rosa", "mother", "", ""}, "Rosa (mother)"},
        {{"Rosa", "", "Luis", ""}, "Rosa or Luis"},
        {{"", "", "Luis", "brother"}, "Luis (brother)"},
        {{"", "aunt", " ", "friend"}, "no one named"}};
    for (const auto& [typed, clause] : people) {
        set({{"txtPhoneAnswerer1", typed[0]},
             {"txtAnswererRelation1", typed[1]},
             {"txtPhoneAnswerer2", typed[2]},
             {"txtAnswererRelation2", typed[3]},
             {"txtOtherAnswerer1", typed[0]},
             {"txtOtherRelation1", typed[1]},
             {"txtOtherAnswerer2", typed[2]},
             {"txtOtherRelation2", typed[3]}});
        EXPECT_EQ(joined({"Name1", "P1Relationship1", "Name2", "P1Relationship2"}), clause);
        EXPECT_EQ(joined({"Name3", "P2Relationship1", "Name4", "P2Relationship2"}), clause);
    }
}

}  // namespace
}  // namespace yrn::test
