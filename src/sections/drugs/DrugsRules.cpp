// The follow-up rules, range checks and reset of the drug and alcohol pane, and
// what the comment dialog hands back to it.
#include "interview/ProgramError.h"
#include "sections/drugs/DrugsLists.h"
#include "sections/drugs/DrugsSection.h"

namespace yrn {

namespace {

const QString kMajorSubstance = QStringLiteral("cboMajorSubstance");
const QString kAbstinence = QStringLiteral("chkAbstinence");
const QStringList kAbstinenceBoxes{QStringLiteral("txtMonthsAbstinence"),
                                   QStringLiteral("txtEndAbstinence")};
const QString kOutpatientSetting = QStringLiteral("txtOutpatientSettingPast30");
const QStringList kAlcoholTreatment{
    QStringLiteral("txtAlcAbuseL"),   QStringLiteral("txtAlcAbusePY"),
    QStringLiteral("txtDetoxL"),      QStringLiteral("txtDetoxPY"),
    QStringLiteral("txtOutpatientL"), QStringLiteral("txtOutpatientPY"),
};
const QStringList kDrugTreatment{
    QStringLiteral("txtDrugAbuseL"),      QStringLiteral("txtDrugAbusePY"),
    QStringLiteral("txtDrugDetoxL"),      QStringLiteral("txtDrugDetoxPY"),
    QStringLiteral("txtDrugOutpatientL"), QStringLiteral("txtDrugOutpatientPY"),
};
const QString kMeetingsPastYear = QStringLiteral("optAAPY");
const QString kMeetingDays = QStringLiteral("txtAANAMeetings30");

QString commentButton(int i) {
    return arr(QStringLiteral("optDrugComments"), i);
}

}  // namespace

void DrugsSection::declareRules() {
    declareChecks();
    for (int i = 0; i < drugs::kSubstances; ++i)
        declareRowRules(i);
    declareAbstinence();
    declareTreatment();
    declareMeetings();
}

void DrugsSection::declareChecks() {
    for (int i = 0; i < drugs::kSubstances; ++i) {
        rangeCheck(arr(QStringLiteral("txtAge1stUse"), i), 5, 50, true);
        rangeCheck(arr(QStringLiteral("txtDaysUsedLast30"), i), 0, 30, true);
        rangeCheck(arr(QStringLiteral("txtYearsUsedLife"), i), 0, 50, true);
    }
    rangeCheck(QStringLiteral("txtMonthsAbstinence"), 1, 200);
    rangeCheck(QStringLiteral("txtEndAbstinence"), 0, 200);
    rangeCheck(QStringLiteral("txtNumDTs"), 0, 20);
    rangeCheck(QStringLiteral("txtNumODs"), 0, 20);
    rangeCheck(QStringLiteral("txtOutpatientL"), 0, 30);
    // Fourteen, not fifteen like the other counts of the past year.
    rangeCheck(QStringLiteral("txtOutpatientPY"), 0, 14);
    for (const char* id :
         {"txtAlcAbuseL", "txtDetoxL", "txtDrugOutpatientL", "txtDrugAbuseL", "txtDrugDetoxL"})
        rangeCheck(QString::fromLatin1(id), 0, 30);
    for (const char* id :
         {"txtAlcAbusePY", "txtDetoxPY", "txtDrugOutpatientPY", "txtDrugAbusePY", "txtDrugDetoxPY"})
        rangeCheck(QString::fromLatin1(id), 0, 15);
    for (const char* id : {"txtOutpatientSettingPast30", "txtAANAMeetings30", "txtAlcProblemsDays",
                           "txtDrugProblemsDays"})
        rangeCheck(QString::fromLatin1(id), 0, 30);
    rangeCheck(QStringLiteral("txtDollarsAlc30"), 0, 999999);
    rangeCheck(QStringLiteral("txtDollarsDrugs30"), 0, 999999);
}

// --- The substance rows ---

void DrugsSection::declareRowRules(int i) {
    const QStringList row = rowFields(i);
    const QStringList boxes = row.mid(1);  // the three numbers and the comment

    onClick(row.at(0), [this, i, boxes](int button) {
        if (button == 0) {
            // Never used: nothing to count and nothing to comment on.
            for (const QString& id : boxes)
                clearField(id);
            const QString comments = commentButton(i);
            setEnabled(comments, false);
            clearOption(comments);
            showCommentIndicator(i);
        } else if (button == 1) {
            // What the row holds stays: after "No" it is empty anyway, and an age
            // typed or a comment written before "Yes" was chosen is kept.
            for (const QString& id : boxes)
                openField(id);
            setEnabled(commentButton(i), true);
            if (!IsLoading()) requestFocus(boxes.first());
        }
    });

    // The button opens the comment dialog on the row's comment.
    onClick(commentButton(i), [this, i](int button) {
        if (button != 0) return;
        commentDialog_.PassComments(text(arr(QStringLiteral("txtDrugComments"), i)),
                                    label(arr(QStringLiteral("lblDrugs"), i)), i);
    });

    // The button is blue exactly while the row holds a comment, however the
    // comment came or went (the dialog, a rule, a file).
    onChange(arr(QStringLiteral("txtDrugComments"), i), [this, i] { showCommentIndicator(i); });
}

void DrugsSection::showCommentIndicator(int i) {
    const bool stored = !text(arr(QStringLiteral("txtDrugComments"), i)).isEmpty();
    setBackground(commentButton(i), stored ? Background::Highlighted : Background::Normal);
}

bool DrugsSection::commentIndicator(int i) const {
    return field(commentButton(i)).background == Background::Highlighted;
}

void DrugsSection::checkRow(int i) const {
    if (i < 0 || i >= drugs::kSubstances)
        throw ProgramError(QStringLiteral("Control array element '%1' doesn't exist").arg(i));
}

void DrugsSection::ReturnComments(const QString& DComments, const QString& DLabel, int DIndex) {
    guard(info().module, [&] {
        checkRow(DIndex);
        setText(arr(QStringLiteral("txtDrugComments"), DIndex), DComments);
        clearOption(commentButton(DIndex));
        setLabel(arr(QStringLiteral("lblDrugs"), DIndex), DLabel);
        showCommentIndicator(DIndex);
    });
}

void DrugsSection::CancelledComments(int N) {
    guard(info().module, [&] {
        checkRow(N);
        clearOption(commentButton(N));
    });
}

// --- Major substance and abstinence ---

void DrugsSection::declareAbstinence() {
    onClick(kMajorSubstance, [this](int position) {
        if (position == drugs::kNoProblem) {
            setEnabled(kAbstinence, false);
            for (const QString& id : kAbstinenceBoxes)
                clearField(id);
            setCheck(kAbstinence, CheckState::Ticked);
        } else {
            setEnabled(kAbstinence, true);
            for (const QString& id : kAbstinenceBoxes)
                openField(id);
            setCheck(kAbstinence, CheckState::Clear);
        }
    });
    // No period of abstinence: no months to ask about.
    onClick(kAbstinence, [this](int state) {
        for (const QString& id : kAbstinenceBoxes) {
            if (state != static_cast<int>(CheckState::Clear))
                clearField(id);
            else
                openField(id);
        }
    });
}

// --- Treatment (questions 7 to 11) ---

void DrugsSection::declareTreatment() {
    // "Yes" asks for the counts afresh: the boxes are emptied and enabled.
    for (const QString& id : kAlcoholTreatment)
        followsYes(QStringLiteral("optAlcTreat"), id, YesOpens::Emptied);
    onClick(QStringLiteral("optAlcTreat"), [this](int) { applyOutpatientSetting(); });
    for (const QString& id : kDrugTreatment)
        followsYes(QStringLiteral("optDrugTreat"), id, YesOpens::Emptied);
    onClick(QStringLiteral("optDrugTreat"), [this](int) { applyOutpatientSetting(); });
}

// Question 11 asks about outpatient days for alcohol or drugs: it does not apply
// only when the client was never treated for either, and applies as soon as one
// of the two was treated (what it holds is kept: the other question may have
// opened it already).
void DrugsSection::applyOutpatientSetting() {
    const bool alcohol = choice(QStringLiteral("optAlcTreat")) == 1;
    const bool drugs = choice(QStringLiteral("optDrugTreat")) == 1;
    const bool neither =
        choice(QStringLiteral("optAlcTreat")) == 0 && choice(QStringLiteral("optDrugTreat")) == 0;
    if (neither)
        clearField(kOutpatientSetting);
    else if (alcohol || drugs)
        openField(kOutpatientSetting);
}

// --- Meetings (questions 12 to 14) ---

void DrugsSection::declareMeetings() {
    // Meetings in the lifetime: the past year is asked again, and the days afresh.
    onClick(QStringLiteral("optAAL"), [this](int button) {
        if (button != 0 && button != 1) return;
        const bool yes = button == 1;
        clearOption(kMeetingsPastYear);
        setEnabled(kMeetingsPastYear, yes);
        setBackground(kMeetingsPastYear, yes ? Background::Normal : Background::NotApplicable);
    });
    followsYes(QStringLiteral("optAAL"), kMeetingDays, YesOpens::Emptied);
    followsYes(kMeetingsPastYear, kMeetingDays, YesOpens::Emptied);
}

// --- Reset ---

// The start state has already come back: empty answers, every box enabled with
// its normal colour, no comment indicator. A comment dialog still up for the
// client that goes is cancelled, so that its text never reaches the next one.
void DrugsSection::resetAnswers() {
    commentDialog_.CancelButton();
    ClearDrugLists();
    FillDrugLists();
}

}  // namespace yrn
