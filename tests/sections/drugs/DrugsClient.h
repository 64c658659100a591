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
    answer(d, steps("cboMajorSubstance=11;txtMonthsAbstinence=7;txtEndAbstinence=3;txtNumDTs=1;"
                    "txtNumODs=2;cboUpLateOnDrugs=2;optAlcTreat=1;txtAlcAbuseL=1;txtAlcAbusePY=1;"
                    "txtDetoxL=1;txtDetoxPY=1;txtOutpatientL=1;txtOutpatientPY=0;optDrugTreat=1;"
                    "txtDrugAbuseL=2;txtDrugAbusePY=2;txtDrugDetoxL=2;txtDrugDetoxPY=2;"
                    "txtDrugOutpatientL=2;txtDrugOutpatientPY=2;txtOutpatientSettingPast30=4;"
                    "optAAL=1;optAAPY=1;txtAANAMeetings30=6;txtDollarsAlc30=120;"
                    "txtDollarsDrugs30=40;txtAlcProblemsDays=9;txtDrugProblemsDays=2;"
                    "cboAlcTroubled=3;cboDrugTroubled=1;cboAlcImportance=4;cboDrugImportance=2;"
                    "cboNeedAlcTreatment=6;cboNeedDrugTreatment=3;"
                    "txtDrugInformation:=motivated for treatment"));
}

}  // namespace yrn::test
