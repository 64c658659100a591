#pragma once

// Answers for the drug and alcohol pane, and what a person sees of its rows.

#include "sections/ClientFixture.h"
#include "sections/drugs/DrugsSection.h"

namespace yrn::test {

// Writes a row's comment as the comment dialog does: the row's button opens it,
// the text is typed, OK.
inline void writeComment(DrugsSection& drugs, int row, const QString& comment) {
    drugs.choose(arr("optDrugComments", row), 0);
    drugs.commentDialog().setComments(comment);
    drugs.commentDialog().OKButton();
}

// Every question answered: all twelve substances used (each with a comment, the
// age typed one-digit so that it is padded), a major substance with an abstinence,
// treatment for alcohol and for drugs, meetings, money, problem days and ratings.
inline void answerDrugs(DrugsSection& d) {
    for (int i = 0; i < 12; ++i) {
        d.choose(arr("optEverUse", i), 1);
        typeAndLeave(d, arr("txtAge1stUse", i), QString::number(10 + i));
        typeAndLeave(d, arr("txtDaysUsedLast30", i), QString::number(i));
        typeAndLeave(d, arr("txtYearsUsedLife", i), QString::number(20 + i));
        writeComment(d, i, "comment on row " + QString::number(i));
    }
    d.setPosition("cboMajorSubstance", 11);
    typeAndLeave(d, "txtMonthsAbstinence", "7");
    typeAndLeave(d, "txtEndAbstinence", "3");
    typeAndLeave(d, "txtNumDTs", "1");
    typeAndLeave(d, "txtNumODs", "2");
    d.setPosition("cboUpLateOnDrugs", 2);
    d.choose("optAlcTreat", 1);
    for (const char* id :
         {"txtAlcAbuseL", "txtAlcAbusePY", "txtDetoxL", "txtDetoxPY", "txtOutpatientL"})
        typeAndLeave(d, id, "1");
    typeAndLeave(d, "txtOutpatientPY", "0");
    d.choose("optDrugTreat", 1);
    for (const char* id : {"txtDrugAbuseL", "txtDrugAbusePY", "txtDrugDetoxL", "txtDrugDetoxPY",
                           "txtDrugOutpatientL", "txtDrugOutpatientPY"})
        typeAndLeave(d, id, "2");
    typeAndLeave(d, "txtOutpatientSettingPast30", "4");
    d.choose("optAAL", 1);
    d.choose("optAAPY", 1);
    typeAndLeave(d, "txtAANAMeetings30", "6");
    typeAndLeave(d, "txtDollarsAlc30", "120");
    typeAndLeave(d, "txtDollarsDrugs30", "40");
    typeAndLeave(d, "txtAlcProblemsDays", "9");
    typeAndLeave(d, "txtDrugProblemsDays", "2");
    d.setPosition("cboAlcTroubled", 3);
    d.setPosition("cboDrugTroubled", 1);
    d.setPosition("cboAlcImportance", 4);
    d.setPosition("cboDrugImportance", 2);
    d.setPosition("cboNeedAlcTreatment", 6);
    d.setPosition("cboNeedDrugTreatment", 3);
    d.setText("txtDrugInformation", "motivated for treatment");
}

}  // namespace yrn::test
