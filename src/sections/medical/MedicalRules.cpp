// The follow-up rules and checks of the medical pane, and its reset.
#include "interview/NumericCheck.h"
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

// What question 11 says of the insurance: nothing (empty or not a number), no
// month, or some months.
enum class Cover { Unanswered, None, Some };

Cover cover(const QString& months) {
    if (!isNumeric(months)) return Cover::Unanswered;
    return checkedValue(months) == 0 ? Cover::None : Cover::Some;
}

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

    onChange(kHospitalized, [this] { hospitalizedChanged(); });
    onLeave(kHospitalized, [this] { hospitalizedFinal(); });
    onLeave(kInsurance, [this] { insuranceLeft(); });
}

// Question 1 governs question 2. A count is typed a digit at a time, and going from
// 20 to 30 may pass through "0": while it is typed a 0 only closes question 2; the
// answer is emptied once the 0 is final (the box is left, or a file sets it).
void MedicalSection::hospitalizedChanged() {
    const QString count = text(kHospitalized);
    if (!isNumeric(count)) return;  // an empty or non-numeric text changes nothing
    if (checkedValue(count) != 0) {
        openField(kLastHospitalized);
        return;
    }
    setEnabled(kLastHospitalized, false);
    setBackground(kLastHospitalized, Background::NotApplicable);
    if (reading_) emptyField(kLastHospitalized);
}

void MedicalSection::hospitalizedFinal() {
    if (cover(text(kHospitalized)) == Cover::None) emptyField(kLastHospitalized);
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
    reading_ = false;
    insuranceFollowsMonths();
}

bool MedicalSection::SaveYRN(const QString& path) {
    // Saved straight from the menu, the box last typed in was never left.
    guard(info().module + ".SaveYRN", [this] {
        hospitalizedFinal();
        insuranceLeft();
    });
    return DeclaredSection::SaveYRN(path);
}

LoadResult MedicalSection::LoadClientYRN(const QString& path) {
    reading_ = true;
    const LoadResult result = DeclaredSection::LoadClientYRN(path);
    reading_ = false;
    guard(info().module + ".LoadClientYRN", [this] { insuranceFollowsMonths(); });
    return result;
}

}  // namespace yrn
