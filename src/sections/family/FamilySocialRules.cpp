// The follow-up rules and range checks of the family and social pane.
#include "sections/family/FamilySocialSection.h"

namespace yrn {

namespace {

const QString kTimesMarried = QStringLiteral("txtTimesMarried");
const QString kTimesDivorced = QStringLiteral("txtTimesDivorced");
constexpr int kNeverMarried = 5;

}  // namespace

void FamilySocialSection::declareRules() {
    // Question 1: "No relative" in one column holds for the relative's whole row.
    for (int i = 0; i < kProblems * kRelatives; ++i) {
        onClick(arr(QStringLiteral("optFamilyHistory"), i), [this, i](int button) {
            if (button == kNoRelative) spreadNoRelative(i);
        });
    }

    onClick(QStringLiteral("cboMaritalStatus"),
            [this](int position) { maritalStatusChanged(position); });
    onChange(kTimesMarried, [this] { timesMarriedChanged(); });

    // Question 12: where the client stayed is asked only of a client who was homeless.
    followsYes(QStringLiteral("optHomeless"), QStringLiteral("cboHomelessLiving"),
               YesOpens::Emptied);

    // None of these asks for a leading "0". The places lived in during twelve
    // months are bounded by 356, as the questionnaire has it.
    const struct {
        const char* id;
        qint32 minimum;
        qint32 maximum;
    } checks[] = {
        {"txtMSYears", 0, 99},
        {"txtMSMonths", 0, 11},
        {"txtTimesMarried", 0, 10},
        {"txtTimesDivorced", 0, 10},
        {"txtLiveInSexPartnersNum", 0, 50},
        {"txtUsualLivingArrangmentsY", 0, 99},
        {"txtUsualLivingArrangmentsM", 0, 11},
        {"txtDifferentPlaces", 0, 356},
        {"txtCloseFriends", 0, 50},
        {"txtConflictsFamily", 0, 30},
        {"txtConflictsOthers", 0, 30},
    };
    for (const auto& check : checks)
        rangeCheck(QString::fromLatin1(check.id), check.minimum, check.maximum);
}

// The relative's other two cells get "No relative" too; choosing what is already
// chosen fires nothing, so the spread ends there. A client being opened keeps the
// cells as they were stored: a row may hold "No relative" beside other answers,
// and the cell read last must not overwrite the two read before it.
void FamilySocialSection::spreadNoRelative(int cellIndex) {
    if (IsLoading()) return;
    const int relative = cellIndex % kRelatives;
    const int problem = cellIndex / kRelatives;
    for (int other = 0; other < kProblems; ++other)
        if (other != problem) choose(cell(other, relative), kNoRelative);
}

// Question 2: a client never married has been married and divorced no times; any
// other status, or none, opens both counts and keeps what they hold.
void FamilySocialSection::maritalStatusChanged(int position) {
    if (position == kNeverMarried) {
        setText(kTimesMarried, QStringLiteral("0"));
        setEnabled(kTimesMarried, false);
        setText(kTimesDivorced, QStringLiteral("0"));
        setEnabled(kTimesDivorced, false);
        return;
    }
    setEnabled(kTimesMarried, true);
    setEnabled(kTimesDivorced, true);
}

// Question 5: no marriage, no divorce.
void FamilySocialSection::timesMarriedChanged() {
    if (text(kTimesMarried) != QStringLiteral("0")) {
        setEnabled(kTimesDivorced, true);
        return;
    }
    setText(kTimesDivorced, QStringLiteral("0"));
    setEnabled(kTimesDivorced, false);
}

}  // namespace yrn
