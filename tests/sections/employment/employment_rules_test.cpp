// The education and employment pane's follow-ups, and what "Never had a job"
// does to the dates.
#include "sections/SectionRules.h"
#include "sections/employment/EmploymentSection.h"

namespace yrn::test {
namespace {

TEST(EmploymentRules, NeverHadAJobEmptiesTheLeaveDatesAndLeavesTheirStateToQuestion6) {
    Client<EmploymentSection> c;
    play(c, {{{"optCurrEmp=0", "txtLeaveJobM=10", "txtLeaveJobY=2000", "txtLastJobY=2",
               "cboJobtype=14"},
              {"txtLeaveJobM=", "txtLeaveJobY=", "txtLastJobY=2", "txtStartJobM= (off) [n/a]"}},
             {{"optCurrEmp=1", "cboJobtype=3", "cboJobtype=14", "cboJobtype=3", "reload"},
              {"txtLeaveJobM= (off) [n/a]", "txtStartJobM="}},
             // Only the last debt names its debts.
             {{"optMoneyOwed(4)=1", "txtOtherDebt:=card", "optMoneyOwed(3)=0"},
              {"txtOtherDebt=card"}}});
}

}  // namespace
}  // namespace yrn::test
