// The mental health pane's follow-ups: the medication is asked afresh after "Yes".
#include "sections/SectionRules.h"

namespace yrn::test {

const FollowUp kMentalFollowUps[] = {
    yesNo("ctlMentalHealth", "optPrescMed", {}, {"txtMedicationPrescribed"}),
    yesNo("ctlMentalHealth", "optPrescMed30D", {}, {"txtMedicationPrescribed30"}),
};
INSTANTIATE_TEST_SUITE_P(Mental, FollowUpTest, ::testing::ValuesIn(kMentalFollowUps), followUpName);

}  // namespace yrn::test
