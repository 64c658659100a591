#pragma once

// A whole interview with one pane reset as at start-up, and helpers to answer it
// and to read its section file as an open does.

#include <QTemporaryDir>
#include <memory>

#include "sections/Sections.h"
#include "sections/demographic/DemographicSection.h"
#include "sections/drugs/DrugsClient.h"
#include "sections/family/FamilySocialSection.h"
#include "sections/locator/LocatorSection.h"
#include "support/TestSupport.h"

namespace yrn::test {

// Answers in order: "id=value" chooses an option group's button (an empty value
// clears it), a list's position, a check box's state, sets a label, or types a text
// and leaves it ("id:=text" stays in the box); "id(*)=value" answers every row of an
// array; "id@" clicks into a box, "id>" leaves it.
inline void answer(Section& s, const QStringList& steps) {
    for (const QString& step : steps) {
        if (step.endsWith('@') || step.endsWith('>')) {
            const QString id = step.trimmed().chopped(1);
            step.endsWith('@') ? s.textClick(id) : s.leave(id);
            continue;
        }
        const qsizetype at = step.indexOf('=');
        const bool stay = step.at(at - 1) == ':';
        const QString id = step.left(stay ? at - 1 : at).trimmed(), value = step.mid(at + 1);
        if (id.endsWith("(*)")) {
            for (int i = 0; s.has(arr(id.chopped(3), i)); ++i)
                answer(s, {arr(id.chopped(3), i) + (stay ? ":=" : "=") + value});
            continue;
        }
        if (s.labelIds().contains(id)) {
            s.setLabel(id, value);
            continue;
        }
        const FieldKind kind = s.field(id).kind;
        if (kind == FieldKind::Option && value.isEmpty()) s.clearOption(id);
        if (kind == FieldKind::Option && !value.isEmpty()) s.choose(id, value.toInt());
        if (kind == FieldKind::List) s.setPosition(id, value.toInt());
        if (kind == FieldKind::Check) s.setCheck(id, static_cast<CheckState>(value.toInt()));
        if (kind == FieldKind::Text) s.setText(id, value);
        if (kind == FieldKind::Text && !stay) s.leave(id);
    }
}
// The same over a whole interview: "D." and "L." before an id answer in the
// demographic or the locator pane instead of pane.
inline void answer(Interview& interview, Section& pane, const QString& steps) {
    for (const QString& step : steps.split(';', Qt::SkipEmptyParts)) {
        const QString id = step.trimmed();
        if (id.isEmpty()) continue;
        const bool other = id.startsWith("D.") || id.startsWith("L.");
        Section* s = &pane;
        if (other)
            s = interview.section(id.startsWith('D') ? "ctlDemographic" : "ctlLocatorInformation");
        answer(*s, {other ? step.mid(step.indexOf('.') + 1) : step});
    }
}
inline QStringList steps(const char* text) {
    return QString::fromUtf8(text).split(';');
}

// The pane of type S, or (for S = Section) the pane of a module name.
template <class S>
struct Client {
    RecordingPrompts prompts;
    std::unique_ptr<Interview> interview = makeInterview(prompts);
    S& pane;
    Section& locator = *interview->section(QStringLiteral("ctlLocatorInformation"));
    Section& demographic = *interview->section(QStringLiteral("ctlDemographic"));

    explicit Client(const QString& module = {})
        : pane(module.isEmpty() ? *interview->find<S>()
                                : dynamic_cast<S&>(*interview->section(module))) {
        reset();
    }
    void reset() {
        load({});
        prompts.clear();
    }
    // Reset first, then read with the loading flag set; an empty path only resets.
    LoadResult load(const QString& path) {
        interview->BeginLoading();
        pane.NewYRN();
        const LoadResult result = path.isEmpty() ? LoadResult{} : pane.LoadClientYRN(path);
        interview->EndLoading();
        return result;
    }
    void type(const QString& id, const QString& text) { typeAndLeave(pane, id, text); }
    // The readers replay the rules: saved and read into a fresh client, the pane
    // must come back as the clicks built it, quietly (no box, no focus request).
    void expectSameAfterReload() {
        if (!saved_) saved_ = std::make_unique<QTemporaryDir>();
        const QString path = saved_->filePath(pane.info().fileName);
        ASSERT_TRUE(pane.SaveYRN(path));
        Client<S> other(pane.info().module);
        EXPECT_TRUE(other.load(path).complete);
        EXPECT_TRUE(sameState(pane, other.pane));
        EXPECT_TRUE(other.prompts.boxes.isEmpty() && other.prompts.focusRequests.isEmpty());
    }

  private:
    std::unique_ptr<QTemporaryDir> saved_;  // made on the first reload
};

// The client's name and assessment date, and an answer to every demographic
// question: two children, a controlled environment, other children.
inline void answerDemographic(Section& locator, Section& dem) {
    nameClient(locator);
    answer(dem, steps("txtBDateMonth:=03;txtBDateDay:=09;txtBDateYear:=1970;txtSSN:=123-45-6789;"
                      "optSex=1;optOrigin=1;optContEnv=1;optJail=1;optOther=1;optAlc=0;cboRace=3;"
                      "cboLanguage=3;cboReligion=1;txtJailDays=4;txtOther=Shelter;txtChildren=2;"
                      "optGender(0)=0;txtChildsDOBM(0)=1;txtChildsDOBD(0)=2;txtChildsDOBY(0)=1999;"
                      "cboCustody(0)=0;cboCustudyStatus(0)=0;txtVisitationDays(0)=3;"
                      "cboChildSupport(0)=3;cboCustudyStatus(1)=3;cboChildSupport(1)=2;"
                      "txtChildSupportOrdered=300;txtChildSupportActual=150;optOtherChildren=1;"
                      "txtDemographicInformation:=cooperative"));
}

// Every question of the pane answered as an interviewer answers it; every text box
// of the locator holds its own name, but for the client's name and assessment date.
inline void answerFully(Interview& interview, Section& pane) {
    // clang-format off
    static const QMap<QString, const char*> kSteps{
        {"ctlLocatorInformation", "txtLocationInformation:=calls after 5;optAMPM=0;optOwnRes=1;"
            "optWorking=1;cboSite=3"},
        // Insured eight months by private insurance, Medicaid and a county plan.
        {"ctlMedical", "txtHospitalized=2;cboLastHospitalized=2;optChrMedProb=1;"
            "txtMedicalProblems=asthma, back pain;optHealthProb(*)=0;optHealthProb(2)=1;optFit=0;"
            "optPresMed=1;txtMedication=inhaler;optPension=1;txtPension=back injury;optSmokes=1;"
            "txtCigarettes=10;optSleepLate=1;optBecauseWork=1;txtInsurance=8;optHealthInsurance(*)=0;"
            "optHealthInsurance(1)=1;optHealthInsurance(2)=1;optHealthInsurance(5)=1;"
            "txtOtherHI=county plan;txtExperienceProblems=3;cboClientTroubled=1;cboImportant=3;"
            "cboInterviewerRating=3;txtMedicalComments:=asthma is controlled.\r\nSees a doctor monthly."},
        // A welder in work, supported in part by a parent, with two debts, one "other".
        {"ctlEmployment", "txtEducation=12;txtTraining=6;optProfession=1;txtProfession=welding;"
            "optDrLic=1;txtDriversLicenseNumber=S123-4567;optAuto=1;optCurrEmp=1;txtCurrJobY=1;"
            "txtCurrJobM=3;cboJob=0;cboJobtype=4;txtStartJobM=2;txtStartJobY=2000;optContributor=1;"
            "cboGreatestContributor=1;optMajSupp=0;cboEmploymentPattern=0;txtDaysWorked=20;"
            "txtMoneySources(*)=;txtMoneySources(0)=900;txtMoneySources(2)=0;txtMoneySources(4)=150;"
            "txtDependants=2;optMoneyOwed(*)=0;optMoneyOwed(1)=1;optMoneyOwed(4)=1;cboAmountOwed(1)=1;"
            "cboAmountOwed(4)=0;txtOtherDebt:=credit card,\r\nphone bill;txtEmploymentProblems=4;"
            "cboEmploymentTroubleE=2;cboImportantE=4;cboInterviewerRatingE=5;txtEmployment:=wants more hours."},
        // After every substance row (below).
        {"ctlDrugs", "cboMajorSubstance=11;txtMonthsAbstinence=7;txtEndAbstinence=3;txtNumDTs=1;"
            "txtNumODs=2;cboUpLateOnDrugs=2;optAlcTreat=1;txtAlcAbuseL=1;txtAlcAbusePY=1;txtDetoxL=1;"
            "txtDetoxPY=1;txtOutpatientL=1;txtOutpatientPY=0;optDrugTreat=1;txtDrugAbuseL=2;"
            "txtDrugAbusePY=2;txtDrugDetoxL=2;txtDrugDetoxPY=2;txtDrugOutpatientL=2;"
            "txtDrugOutpatientPY=2;txtOutpatientSettingPast30=4;optAAL=1;optAAPY=1;"
            "txtAANAMeetings30=6;txtDollarsAlc30=120;txtDollarsDrugs30=40;txtAlcProblemsDays=9;"
            "txtDrugProblemsDays=2;cboAlcTroubled=3;cboDrugTroubled=1;cboAlcImportance=4;"
            "cboDrugImportance=2;cboNeedAlcTreatment=6;cboNeedDrugTreatment=3;"
            "txtDrugInformation:=motivated for treatment"},
        // Each count box clicked into first.
        {"ctlCriminalJustice", "optPrompted=1;optProb=0;txtCharges(0)@;txtCharges(0)=2;"
            "txtCharges(5)@;txtCharges(5)=1;txtCharges(18)@;txtCharges(18)=3;txtOther@;"
            "txtOther=trespassing;txtConvictions@;txtConvictions=4;cboIncarceration=5;"
            "cboLastIncarceration=2;optReasonIncar(1)=1;optReasonIncar(5)=1;optReasonIncar(18)=1;"
            "txtOtherIncarceration@;txtOtherIncarceration=loitering;optPresAwCharges=1;"
            "optAwaitCharges(*)=0;optAwaitCharges(3)=1;optAwaitCharges(18)=1;"
            "txtOtherChargeAwaited@;txtOtherChargeAwaited=unpaid fines;txtIllegalActivities@;"
            "txtIllegalActivities=12;cboLegalProblems=2;cboCounselingImportance=3;"
            "cboNeedLegalTreatment=4;txtCriminalJusticeInformation:=probation officer confirmed the charges."},
        // Divorced, living with children alone, homeless with friends (after the grid).
        {"ctlFamilySocialHistory", "cboMaritalStatus=4;txtMSYears=3;txtMSMonths=1;optMSSatisfied=1;"
            "txtTimesMarried=1;txtTimesDivorced=1;txtLiveInSexPartnersNum=2;"
            "cboUsualLivingArrangments=3;txtUsualLivingArrangmentsY=2;txtUsualLivingArrangmentsM=0;"
            "optLASatisified=1;optLivDA=0;optHomeless=1;cboHomelessLiving=1;txtDifferentPlaces=2;"
            "txtCloseFriends=3;optAbuse(*)=0;optAbuse(0)=1;optAbuse(1)=1;txtConflictsFamily=2;"
            "txtConflictsOthers=1;cboFamilyProblems30=1;cboSocialProblems30=0;cboTreatmentFamily=2;"
            "cboTreatmentSocial=1;cboNeedFamilyTreatment=2;"
            "txtFamilySocialComments:=relationship with her mother is supportive."},
        {"ctlMentalHealth", "optOutpatient=1;txtTimesTreated=0;optPrescMed=1;"
            "txtMedicationPrescribed:=sertraline;optPrescMed30D=1;"
            "txtMedicationPrescribed30:=sertraline, trazodone;optPension=0;optSymptoms(*)=0;"
            "optSymptoms(1)=1;optSymptoms(8)=1;optSymptoms(9)=1;cboPastExperiences(0)=1;"
            "cboPastExperiences(1)=2;cboPastExperiences(2)=0;cboPastExperiences(3)=3;"
            "txtProblemsDays=4;cboPsychologicalTroubled=2;cboPsychologicalTreatment=3;"
            "cboNeedPsycTreatment=4;txtMentalHealthComments:=Sees a counselor monthly.;"
            "txtTimeEndedHours=3;txtTimeEndedMinutes=45;optAMPM=1;optIntRatings(*)=0;"
            "optIntRatings(2)=1;optIntRatings(7)=1;"
            "txtFinalComments:=client engaged well and asked about program requirements."}};
    // clang-format on
    Section& locator = *interview.section(QStringLiteral("ctlLocatorInformation"));
    if (&pane == &locator) {
        for (const QString& id : locator.fieldOrder())
            if (locator.field(id).kind == FieldKind::Text) locator.setText(id, id.mid(3));
        nameClient(locator);
    }
    if (&pane == interview.section(QStringLiteral("ctlDemographic")))
        answerDemographic(locator, pane);
    // Every substance used, each with a comment, the age typed one-digit so that it
    // is padded.
    if (auto* drugs = dynamic_cast<DrugsSection*>(&pane)) {
        for (int i = 0; i < 12; ++i) {
            drugs->choose(arr("optEverUse", i), 1);
            typeAndLeave(pane, arr("txtAge1stUse", i), QString::number(10 + i));
            typeAndLeave(pane, arr("txtDaysUsedLast30", i), QString::number(i));
            typeAndLeave(pane, arr("txtYearsUsedLife", i), QString::number(20 + i));
            writeComment(*drugs, i, "comment on row " + QString::number(i));
        }
    }
    if (pane.info().module == QLatin1String("ctlFamilySocialHistory")) {
        // The relatives' grid, relative by relative (alcohol, drug, psychiatric); 3 is
        // "No relative", chosen in the first column only (it spreads).
        static const int kGrid[FamilySocialSection::kRelatives][3] = {
            {0, 0, 0}, {1, 0, 2}, {0, 0, 1}, {0, 0, 0}, {1, 1, 0}, {2, 2, 2}, {2, 2, 2},
            {1, 0, 0}, {3, 3, 3}, {0, 0, 0}, {0, 1, 0}, {3, 3, 3}, {0, 0, 0}, {3, 3, 3},
        };
        for (int r = 0; r < FamilySocialSection::kRelatives; ++r)
            for (int problem = 0; problem < (kGrid[r][0] == 3 ? 1 : 3); ++problem)
                pane.choose(FamilySocialSection::cell(problem, r), kGrid[r][problem]);
    }
    answer(interview, pane, QString::fromUtf8(kSteps.value(pane.info().module)));
}

inline const QStringList kWorkBoxes{"txtWorkPlace", "txtWorkPhone", "txtWorkAddress",
                                    "txtWorkCity",  "txtWorkState", "txtWorkZipCode"};

}  // namespace yrn::test
