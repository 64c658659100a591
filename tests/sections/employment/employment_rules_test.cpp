// The education and employment pane's follow-ups, and what "Never had a job"
// does to the dates.
#include "sections/SectionRules.h"
#include "sections/employment/EmploymentSection.h"

namespace yrn::test {
namespace {

const QString kEmp = "ctlEmployment";
const QStringList kStart{"txtStartJobM", "txtStartJobY"};
const QStringList kEndedJob{"txtLastJobY", "txtLastJobM", "txtLeaveJobM", "txtLeaveJobY",
                            "cboReasonLeft"};

const FollowUp kEmploymentFollowUps[] = {
    yesNo(kEmp, "optProfession", {}, {"txtProfession"}),
    {kEmp, {"optDrLic=1"}, {"optDrLic=0"}, {}, {"txtDriversLicenseNumber"}},
    {kEmp, {"optDrLic=0"}, {"optDrLic=1"}, {}, {"txtNoDriversLicenseReason"}},
    {kEmp, {"optCurrEmp=1"}, {"optCurrEmp=0"}, {}, {"txtCurrJobY", "txtCurrJobM"}},
    {kEmp, {"optCurrEmp=0"}, {"optCurrEmp=1"}, {}, kEndedJob},
    {kEmp, {"cboJobtype=2"}, {"cboJobtype=14"}, kStart},
    {kEmp, {"cboJobtype=-1"}, {"cboJobtype=14"}, kStart},
    yesNo(kEmp, "optContributor", {"cboGreatestContributor", "optMajSupp"}),
    yesNo(kEmp, "optMoneyOwed(0)", {"cboAmountOwed(0)"}),
    yesNo(kEmp, "optMoneyOwed(1)", {"cboAmountOwed(1)"}),
    yesNo(kEmp, "optMoneyOwed(2)", {"cboAmountOwed(2)"}),
    yesNo(kEmp, "optMoneyOwed(3)", {"cboAmountOwed(3)"}),
    yesNo(kEmp, "optMoneyOwed(4)", {"cboAmountOwed(4)"}, {"txtOtherDebt"}),
};
INSTANTIATE_TEST_SUITE_P(Employment, FollowUpTest, ::testing::ValuesIn(kEmploymentFollowUps),
                         followUpName);

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
