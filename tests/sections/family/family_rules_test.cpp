// The family and social pane's rules: "No relative" spreads across a relative's
// row, the marital status and the times married govern the counts after them.
#include "sections/SectionRules.h"
#include "sections/family/FamilySocialSection.h"

namespace yrn::test {
namespace {

struct FamilyRules : ::testing::Test, Client<FamilySocialSection> {};

// A relative's row is cells r, r + 14 and r + 28 (alcohol, drugs, psychiatric).
TEST_F(FamilyRules, NoRelativeSpreadsAcrossItsRowOnlyAndNotWhileAClientIsOpened) {
    play(*this,
         {{{"optFamilyHistory(17)=3"}, {"optFamilyHistory(3)=3", "optFamilyHistory(31)=3"}},
          {{"optFamilyHistory(21)=1", "optFamilyHistory(7)=3"},
           {"optFamilyHistory(21)=3", "optFamilyHistory(35)=3"}},
          {{"optFamilyHistory(41)=3", "optFamilyHistory(41)=1"},
           {"optFamilyHistory(13)=3", "optFamilyHistory(27)=3", "optFamilyHistory(41)=1"}},
          {{"optFamilyHistory(0)=2"}, {"optFamilyHistory(14)=-1", "optFamilyHistory(28)=-1"}}});
    int answered = 0;
    for (int i = 0; i < 3 * FamilySocialSection::kRelatives; ++i)
        answered += pane.choice(arr("optFamilyHistory", i)) != -1;
    EXPECT_EQ(answered, 10);

    interview->BeginLoading();  // a stored row of mixed answers stays as it is
    answer(pane, {"optFamilyHistory(2)=1", "optFamilyHistory(16)=2", "optFamilyHistory(30)=3"});
    interview->EndLoading();
    play(*this, {{{}, {"optFamilyHistory(2)=1", "optFamilyHistory(16)=2"}},
                 {{"optFamilyHistory(30)=0", "optFamilyHistory(30)=3"},
                  {"optFamilyHistory(2)=3", "optFamilyHistory(16)=3"}}});
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(FamilyRules, NeverMarriedZeroesTheCountsAndNoMarriageClosesTheDivorces) {
    play(*this, {{{"txtTimesMarried:=2", "txtTimesDivorced:=1", "cboMaritalStatus=5"},
                  {"txtTimesMarried=0 (off)", "txtTimesDivorced=0 (off)"}},
                 {{"cboMaritalStatus=4"}, {"txtTimesMarried=0", "txtTimesDivorced=0"}},
                 {{"cboMaritalStatus=5", "cboMaritalStatus=-1"},
                  {"txtTimesMarried=0", "txtTimesDivorced=0"}},
                 {{"txtTimesMarried:=2", "txtTimesDivorced:=1", "txtTimesMarried:=0"},
                  {"txtTimesDivorced=0 (off)"}},
                 {{"txtTimesMarried:=3"}, {"txtTimesDivorced=0"}},
                 {{"txtTimesMarried:=0", "txtTimesMarried:="}, {"txtTimesDivorced=0"}}});
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

}  // namespace
}  // namespace yrn::test
