// The follow-up rules and checks of the medical pane, and its reset.
#include "interview/NumericCheck.h"
#include "sections/CommonAnswers.h"
#include "sections/medical/MedicalSection.h"

namespace yrn {

namespace {

const QString kHospitalized = QStringLiteral("txtHospitalized");
const QString kLastHospitalized = QStringLiteral("cboLastHospitalized");
const QString kInsurance = QStringLiteral("txtInsurance");

// A "No" closes and empties the answer that follows from the question; a "Yes"
// opens it again as it stands.
struct FollowUp {
    QString question;
    QString answer;
};
const FollowUp kFollowUps[] = {
    {QStringLiteral("optChrMedProb"), QStringLiteral("txtMedicalProblems")},
    {QStringLiteral("optPresMed"), QStringLiteral("txtMedication")},
    {QStringLiteral("optPension"), QStringLiteral("txtPension")},
    {QStringLiteral("optSmokes"), QStringLiteral("txtCigarettes")},
    {QStringLiteral("optSleepLate"), QStringLiteral("optBecauseWork")},
    {QStringLiteral("optHealthInsurance(5)"), QStringLiteral("txtOtherHI")},
};

QString insuranceRow(int row) {
    return arr(QStringLiteral("optHealthInsurance"), row);
}

}  // namespace

void MedicalSection::declareRules() {
    rangeCheck(kHospitalized, 0, 20);
    rangeCheck(QStringLiteral("txtCigarettes"), 0, 99);
    rangeCheck(kInsurance, 0, 12);
    rangeCheck(QStringLiteral("txtExperienceProblems"), 0, 30);

    for (const FollowUp& f : kFollowUps)
        followsYes(f.question, f.answer, YesOpens::AsItStands);

    // Question 1 governs question 2; no hospitalization leaves no answer behind.
    countGoverns(kHospitalized, kLastHospitalized, FinalZero::EmptiesAnswer);
    onLeave(kInsurance, [this] { insuranceLeft(); });
}

MedicalSection::Cover MedicalSection::cover(const QString& months) {
    if (!isNumeric(months)) return Cover::Unanswered;
    return isZero(months) ? Cover::None : Cover::Some;
}

// Question 11 governs the twelve buttons of question 12 when the box is left (after
// its range check). Only a change between no month and some months touches their
// answers, so tabbing through the box, or correcting 6 to 5, keeps them: no month
// closes and empties them, some months after none open them empty, some months
// after an empty box open them as they stand.
void MedicalSection::insuranceLeft() {
    const Cover now = cover(text(kInsurance));
    if (now == Cover::Unanswered) return;
    const Cover before = cover(settledMonths_);
    settledMonths_ = text(kInsurance);
    for (int i = 0; i < kInsuranceRows; ++i) {
        if (now == Cover::None) {
            if (before != Cover::None) clearField(insuranceRow(i));
        } else {
            if (before == Cover::None) emptyField(insuranceRow(i));
            openField(insuranceRow(i));
        }
    }
}

// After a reset or a read, question 12 is open or closed as question 11 says, and
// keeps every answer it holds; question 11 counts as settled.
void MedicalSection::insuranceFollowsMonths() {
    settledMonths_ = text(kInsurance);
    const bool none = cover(settledMonths_) == Cover::None;
    for (int i = 0; i < kInsuranceRows; ++i) {
        setEnabled(insuranceRow(i), !none);
        setBackground(insuranceRow(i), none ? Background::NotApplicable : Background::Normal);
    }
}

// --- Reset, save and load ---

// The start state has come back: every answer empty, every box, list and button
// open with its normal background.
void MedicalSection::resetAnswers() {
    insuranceFollowsMonths();
}

// A file or a recovery copy sets question 11 without leaving it: question 12
// follows the months read.
void MedicalSection::afterLoad() {
    insuranceFollowsMonths();
}

bool MedicalSection::SaveYRN(const QString& path) {
    // Saved straight from the menu, the box last typed in was never left.
    guard(info().module + ".SaveYRN", [this] { insuranceLeft(); });
    return DeclaredSection::SaveYRN(path);
}

}  // namespace yrn
