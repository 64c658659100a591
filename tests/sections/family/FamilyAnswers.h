#pragma once

// A family and social pane answered in full, as an interviewer would answer it.

#include "sections/family/FamilySocialSection.h"
#include "support/TestSupport.h"

namespace yrn::test {

// The answers of the relatives' grid, relative by relative: alcohol, drug,
// psychiatric; 3 is "No relative", chosen in the first column only (it spreads).
inline const int kFamilyGrid[FamilySocialSection::kRelatives][3] = {
    {0, 0, 0}, {1, 0, 2}, {0, 0, 1}, {0, 0, 0}, {1, 1, 0}, {2, 2, 2}, {2, 2, 2},
    {1, 0, 0}, {3, 3, 3}, {0, 0, 0}, {0, 1, 0}, {3, 3, 3}, {0, 0, 0}, {3, 3, 3},
};

inline void answerFamily(Section& fs) {
    for (int r = 0; r < FamilySocialSection::kRelatives; ++r) {
        if (kFamilyGrid[r][0] == FamilySocialSection::kNoRelative) {
            fs.choose(FamilySocialSection::cell(0, r), FamilySocialSection::kNoRelative);
            continue;
        }
        for (int problem = 0; problem < 3; ++problem)
            fs.choose(FamilySocialSection::cell(problem, r), kFamilyGrid[r][problem]);
    }
    fs.setPosition("cboMaritalStatus", 4);  // Divorced
    typeAndLeave(fs, "txtMSYears", "3");
    typeAndLeave(fs, "txtMSMonths", "1");
    fs.choose("optMSSatisfied", 1);
    typeAndLeave(fs, "txtTimesMarried", "1");
    typeAndLeave(fs, "txtTimesDivorced", "1");
    typeAndLeave(fs, "txtLiveInSexPartnersNum", "2");
    fs.setPosition("cboUsualLivingArrangments", 3);  // With children alone
    typeAndLeave(fs, "txtUsualLivingArrangmentsY", "2");
    typeAndLeave(fs, "txtUsualLivingArrangmentsM", "0");
    fs.choose("optLASatisified", 1);
    fs.choose("optLivDA", 0);
    fs.choose("optHomeless", 1);
    fs.setPosition("cboHomelessLiving", 1);  // With friends
    typeAndLeave(fs, "txtDifferentPlaces", "2");
    typeAndLeave(fs, "txtCloseFriends", "3");
    for (int row = 0; row < 4; ++row)
        fs.choose(arr("optAbuse", row), row < 2 ? 1 : 0);
    typeAndLeave(fs, "txtConflictsFamily", "2");
    typeAndLeave(fs, "txtConflictsOthers", "1");
    fs.setPosition("cboFamilyProblems30", 1);
    fs.setPosition("cboSocialProblems30", 0);
    fs.setPosition("cboTreatmentFamily", 2);
    fs.setPosition("cboTreatmentSocial", 1);
    fs.setPosition("cboNeedFamilyTreatment", 2);
    fs.setText("txtFamilySocialComments", "relationship with her mother is supportive.");
}

}  // namespace yrn::test
