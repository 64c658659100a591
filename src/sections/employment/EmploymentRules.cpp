// The follow-up rules and checks of the education and employment pane, and its
// reset. "Clear" empties an answer, closes it and paints it as not applying;
// "reopen" empties it and opens it; "open" (Section::openField) opens it as it stands.
#include "sections/employment/EmploymentSection.h"

namespace yrn {

namespace {

const QString kStartMonth = QStringLiteral("txtStartJobM");
const QString kStartYear = QStringLiteral("txtStartJobY");
const QString kLeaveMonth = QStringLiteral("txtLeaveJobM");
const QString kLeaveYear = QStringLiteral("txtLeaveJobY");
const QString kOtherDebt = QStringLiteral("txtOtherDebt");

// The answers of question 6 that belong to a job that has ended, and to the
// current one.
const QStringList kEndedJob{QStringLiteral("txtLastJobY"), QStringLiteral("txtLastJobM"),
                            kLeaveMonth, kLeaveYear, QStringLiteral("cboReasonLeft")};
const QStringList kCurrentJob{QStringLiteral("txtCurrJobY"), QStringLiteral("txtCurrJobM")};

// The answers of questions 14 and 15, asked when someone contributes.
const QStringList kSupport{QStringLiteral("cboGreatestContributor"), QStringLiteral("optMajSupp")};

}  // namespace

void EmploymentSection::reopen(const QString& id) {
    emptyField(id);
    openField(id);
}

void EmploymentSection::declareRules() {
    declareChecks();

    // Question 3: the profession is asked after "Yes".
    followsYes(QStringLiteral("optProfession"), QStringLiteral("txtProfession"), YesOpens::Emptied);

    // Question 4: why not, or the license number.
    onClick(QStringLiteral("optDrLic"), [this](int button) {
        const QString reason = QStringLiteral("txtNoDriversLicenseReason");
        const QString number = QStringLiteral("txtDriversLicenseNumber");
        if (button == 0) {
            reopen(reason);
            clearField(number);
        } else if (button == 1) {
            clearField(reason);
            reopen(number);
        }
    });

    // Question 6: the last job and how it ended, or the current job.
    onClick(QStringLiteral("optCurrEmp"), [this](int button) {
        if (button != 0 && button != 1) return;
        const bool employed = button == 1;
        for (const QString& id : kEndedJob) {
            if (employed)
                clearField(id);
            else
                reopen(id);
        }
        for (const QString& id : kCurrentJob) {
            if (employed)
                reopen(id);
            else
                clearField(id);
        }
    });

    // Question 9: no job, no dates; any other type (or none) asks for the start.
    onClick(QStringLiteral("cboJobtype"), [this](int position) {
        if (position == kNeverHadAJob) {
            for (const QString& id : {kStartMonth, kStartYear, kLeaveMonth, kLeaveYear})
                emptyField(id);
            for (const QString& id : {kStartMonth, kStartYear}) {
                setEnabled(id, false);
                setBackground(id, Background::NotApplicable);
            }
        } else {
            openField(kStartMonth);
            openField(kStartYear);
        }
    });

    // Question 13: questions 14 and 15 are asked when someone contributes.
    for (const QString& id : kSupport)
        followsYes(QStringLiteral("optContributor"), id, YesOpens::AsItStands);

    // Questions 20 to 24: the amount of a debt owed; question 24 names its debts.
    for (int i = 0; i < kDebts; ++i)
        followsYes(arr(QStringLiteral("optMoneyOwed"), i), arr(QStringLiteral("cboAmountOwed"), i),
                   YesOpens::AsItStands);
    followsYes(arr(QStringLiteral("optMoneyOwed"), kDebts - 1), kOtherDebt, YesOpens::Emptied);
}

void EmploymentSection::declareChecks() {
    rangeCheck(QStringLiteral("txtEducation"), 0, 25);
    rangeCheck(QStringLiteral("txtTraining"), 0, 99);
    rangeCheck(QStringLiteral("txtLastJobY"), 0, 50);
    rangeCheck(QStringLiteral("txtLastJobM"), 0, 11);
    rangeCheck(QStringLiteral("txtCurrJobY"), 0, 50);
    rangeCheck(QStringLiteral("txtCurrJobM"), 0, 11);
    rangeCheck(kStartMonth, 1, 12, true);
    rangeCheck(kStartYear, 1900, 9999);
    rangeCheck(kLeaveMonth, 1, 12, true);
    rangeCheck(kLeaveYear, 1900, 9999);
    rangeCheck(QStringLiteral("txtDaysWorked"), 0, 30);
    for (int i = 0; i < kMoneySources; ++i)
        rangeCheck(arr(QStringLiteral("txtMoneySources"), i), 0, 999999);
    rangeCheck(QStringLiteral("txtDependants"), 0, 20);
    rangeCheck(QStringLiteral("txtEmploymentProblems"), 0, 30);
}

// The start state has come back: every answer empty, every box, list and button
// open with its normal background. The lists are built anew.
void EmploymentSection::resetAnswers() {
    ClearEmploymentLists();
    FillEmploymentLists();
}

}  // namespace yrn
