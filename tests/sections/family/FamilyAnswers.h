#pragma once

// A family and social pane answered in full, as an interviewer would answer it.

#include "sections/ClientFixture.h"
#include "sections/family/FamilySocialSection.h"

namespace yrn::test {

// The answers of the relatives' grid, relative by relative: alcohol, drug,
// psychiatric; 3 is "No relative", chosen in the first column only (it spreads).
inline const int kFamilyGrid[FamilySocialSection::kRelatives][3] = {
    {0, 0, 0}, {1, 0, 2}, {0, 0, 1}, {0, 0, 0}, {1, 1, 0}, {2, 2, 2}, {2, 2, 2},
    {1, 0, 0}, {3, 3, 3}, {0, 0, 0}, {0, 1, 0}, {3, 3, 3}, {0, 0, 0}, {3, 3, 3},
};

inline void answerFamily(Section& fs) {
    for (int r = 0; r < FamilySocialSection::kRelatives; ++r)
        for (int problem = 0; problem < (kFamilyGrid[r][0] == 3 ? 1 : 3); ++problem)
            fs.choose(FamilySocialSection::cell(problem, r), kFamilyGrid[r][problem]);
    // Divorced, living with children alone, homeless with friends.
    answer(fs, steps("cboMaritalStatus=4;txtMSYears=3;txtMSMonths=1;optMSSatisfied=1;"
                     "txtTimesMarried=1;txtTimesDivorced=1;txtLiveInSexPartnersNum=2;"
                     "cboUsualLivingArrangments=3;txtUsualLivingArrangmentsY=2;"
                     "txtUsualLivingArrangmentsM=0;optLASatisified=1;optLivDA=0;optHomeless=1;"
                     "cboHomelessLiving=1;txtDifferentPlaces=2;txtCloseFriends=3;optAbuse(0)=1;"
                     "optAbuse(1)=1;optAbuse(2)=0;optAbuse(3)=0;txtConflictsFamily=2;"
                     "txtConflictsOthers=1;cboFamilyProblems30=1;cboSocialProblems30=0;"
                     "cboTreatmentFamily=2;cboTreatmentSocial=1;cboNeedFamilyTreatment=2;"
                     "txtFamilySocialComments:=relationship with her mother is supportive."));
}

}  // namespace yrn::test
