// The follow-up rules and checks of the criminal justice pane, and its reset.
#include "sections/criminal/CriminalJusticeLists.h"
#include "sections/criminal/CriminalJusticeSection.h"

namespace yrn {

namespace {

const QString kLifetime = QStringLiteral("cboIncarceration");
const QString kLast = QStringLiteral("cboLastIncarceration");
const QString kReasons = QStringLiteral("optReasonIncar");
const QString kOtherIncarceration = QStringLiteral("txtOtherIncarceration");
const QString kAwaiting = QStringLiteral("optAwaitCharges");
const QString kOtherAwaited = QStringLiteral("txtOtherChargeAwaited");
const QString kCharges = QStringLiteral("txtCharges");
const QString kOtherCharge = QStringLiteral("txtOther");

}  // namespace

void CriminalJusticeSection::declareRules() {
    for (int i = 0; i < kCrimeRows; ++i)
        rangeCheck(arr(kCharges, i), 0, 250);
    rangeCheck(QStringLiteral("txtConvictions"), 0, 250);
    rangeCheck(QStringLiteral("txtIllegalActivities"), 0, 30);

    declareIncarceration();
    declareAwaiting();
    declareCounts();
}

// Questions 5 to 7: the last incarceration and its reasons apply to a client who
// has been incarcerated.
void CriminalJusticeSection::declareIncarceration() {
    onClick(kLifetime, [this](int position) { setIncarcerationApplies(position); });
    // Row 18: "Yes" asks for the crime, "No" closes the box.
    followsYes(arr(kReasons, kOtherRow), kOtherIncarceration, YesOpens::Emptied);
}

// "Never been incarcerated" closes questions 6 and 7 as not applying; no answer
// closes them too, painted as unanswered. A time in prison opens them with no last
// incarceration chosen and "No" for every reason.
//
// Only a move between the two kinds resets them: correcting "1-3 months" to
// "3-6 months" keeps the last incarceration and every reason the interviewer gave.
// A reset or opened client moves from no answer to the stored one, so the stored
// answers of questions 6 and 7, read after it, land in open boxes.
void CriminalJusticeSection::setIncarcerationApplies(int position) {
    const bool applied = field(kLast).enabled;
    if (position > criminal::kNeverIncarcerated) {
        if (applied) return;
        openField(kLast);
        setPosition(kLast, -1);
        emptyField(kOtherIncarceration);
        openField(kOtherIncarceration);
        // "No" in row 18 closes its "Specify" box again.
        for (int i = 0; i < kCrimeRows; ++i) {
            openField(arr(kReasons, i));
            choose(arr(kReasons, i), 0);
        }
        return;
    }
    const Background closed =
        position == criminal::kNeverIncarcerated ? Background::NotApplicable : Background::Normal;
    setEnabled(kLast, false);
    setBackground(kLast, closed);
    setPosition(kLast, -1);
    emptyField(kOtherIncarceration);
    setBackground(kOtherIncarceration, closed);
    setEnabled(kOtherIncarceration, false);
    for (int i = 0; i < kCrimeRows; ++i)
        clearField(arr(kReasons, i));
}

// Questions 8 and 9: the charges awaited, asked once question 8 is "Yes".
void CriminalJusticeSection::declareAwaiting() {
    onClick(QStringLiteral("optPresAwCharges"), [this](int button) {
        if (button != 0 && button != 1) return;
        const bool yes = button == 1;
        const Background colour = yes ? Background::Normal : Background::NotApplicable;
        // The "Specify" box opens only with "Yes" in row 18.
        emptyField(kOtherAwaited);
        setBackground(kOtherAwaited, colour);
        setEnabled(kOtherAwaited, false);
        for (int i = 0; i < kCrimeRows; ++i) {
            clearOption(arr(kAwaiting, i));
            setBackground(arr(kAwaiting, i), colour);
            setEnabled(arr(kAwaiting, i), yes);
        }
    });
    followsYes(arr(kAwaiting, kOtherRow), kOtherAwaited, YesOpens::Emptied);
}

// Question 3: the count boxes start at "0", and row 18's count opens its "Specify"
// box. A 0 closes the box and keeps the crime named, so that a count corrected
// through "0" ("10" to "20") keeps it; a count after a final 0 asks for the crime
// afresh.
void CriminalJusticeSection::declareCounts() {
    countGoverns(arr(kCharges, kOtherRow), kOtherCharge, FinalZero::KeepsUntilReopened);
    // A click into a box still holding the "0" of a new client empties it, so that
    // the interviewer types over it; a count typed before stays when clicked into.
    for (int i = 0; i < kCrimeRows; ++i) {
        const QString id = arr(kCharges, i);
        onClick(id, [this, id](int) {
            if (!IsLoading() && text(id) == QStringLiteral("0")) setText(id, QString());
        });
    }
}

// --- Reset ---

// The start state has already come back: every count "0", nothing chosen, the
// boxes empty, questions 6, 7 and 9 and the "Specify" boxes closed, every colour
// normal. The lists are built anew.
void CriminalJusticeSection::resetAnswers() {
    ClearLists();
    FillLists();
}

}  // namespace yrn
