#include "sections/criminal/CriminalJusticeSection.h"

#include "sections/CommonAnswers.h"
#include "sections/Pages.h"
#include "sections/criminal/CriminalJusticeLists.h"

namespace yrn {

namespace {

const QString kTotalTimes = QStringLiteral("Total # times");
const QString kReasonHeading = QStringLiteral("Reason for incarceration?");
const QString kAwaitingHeading = QStringLiteral("Awaiting charges?");
// The "Specify" box of row 18 of each list has its two labels over it.
const QString kSpecifyHeading = QStringLiteral("Specify Crime\n(Separate answers with commas)");

// The rows first to last of the crime list, each with its answer (and, in row
// 18, the "Specify" box beside it).
QList<TableRow> crimeRows(int first, int last, const QString& stem, const QString& specify) {
    QList<TableRow> rows;
    for (int i = first; i <= last; ++i) {
        QStringList cells{arr(stem, i)};
        if (i == CriminalJusticeSection::kOtherRow) cells.append(specify);
        rows.append(TableRow{criminal::crimes().at(i).label, {}, cells});
    }
    return rows;
}

}  // namespace

CriminalJusticeSection::CriminalJusticeSection(Interview& interview)
    : DeclaredSection(
          interview,
          SectionInfo{QStringLiteral("ctlCriminalJustice"), QStringLiteral("CriminalJustice"),
                      QStringLiteral("CriminalJustice.YRN"),
                      QStringLiteral("Halverin Drug Court YRN -- Criminal Justice Information "),
                      5}) {
    addNavigationPages(*this, {0, 1, 2, 3, 4, 5, 6}, QStringLiteral("cmdNextCJ"),
                       QStringLiteral("cmdBackCJ"), QStringLiteral("&Family /  Social"));
    declarePage0();
    declarePage1();
    declarePage2();
    declarePage3();
    declarePage4();
    declarePage5();
    declarePage6();
    declareRules();
    declareFile();
    captureStartState();
}

// --- Page 0: prompted admission, probation, charges (rows 0 to 7) ---

void CriminalJusticeSection::declarePage0() {
    addOption(QStringLiteral("optPrompted"), noYes());
    addOption(QStringLiteral("optProb"), noYes());
    // A new client starts with no charge of any kind: the interviewer types over the 0.
    for (int i = 0; i < kCrimeRows; ++i)
        addText(arr(QStringLiteral("txtCharges"), i), 3).text = QStringLiteral("0");

    // The word "charged" of question 3 is a label of its own on the screen, standing
    // in the gap its question leaves; here it is joined into the sentence.
    addPage(0)
        .heading(QStringLiteral("Criminal Justice History Information"))
        .question(QStringLiteral("1.  Was this program admission prompted by or suggested  by     "
                                 "       someone in the criminal justice system like a judge, a  "
                                 "                       probation/parole officer, etc.?"),
                  {{QStringLiteral("optPrompted"),
                    QStringLiteral("Prompted by criminal justice official?")}})
        .question(QStringLiteral("2.  Are you on probation or parole now?"),
                  {{QStringLiteral("optProb"), QStringLiteral("Probation or parole?")}})
        .question(QStringLiteral("3.  Please tell me how many times have you been charged with:"))
        .table({}, {kTotalTimes}, crimeRows(0, 7, QStringLiteral("txtCharges"), {}));
}

// --- Page 1: charges (rows 8 to 18), convictions ---

void CriminalJusticeSection::declarePage1() {
    // No count, no crime to name: the box opens with a count of 1 or more.
    Field& other = addText(QStringLiteral("txtOther"));
    other.enabled = false;
    other.optional = true;
    addText(QStringLiteral("txtConvictions"), 3);
    addPage(1)
        .table({}, {kTotalTimes, kSpecifyHeading},
               crimeRows(8, kOtherRow, QStringLiteral("txtCharges"), QStringLiteral("txtOther")))
        .question(QStringLiteral("4.  How many of these charges resulted in convictions?"),
                  {{QStringLiteral("txtConvictions"), QStringLiteral("Convictions")}});
}

// --- Page 2: lifetime and last incarceration, reasons (rows 0 to 8) ---

void CriminalJusticeSection::declarePage2() {
    addList(QStringLiteral("cboIncarceration"), criminal::lifetimeItems());
    // Questions 6 and 7 apply once question 5 says the client was incarcerated.
    addList(QStringLiteral("cboLastIncarceration"), criminal::lastIncarcerationItems()).enabled =
        false;
    for (int i = 0; i < kCrimeRows; ++i)
        addOption(arr(QStringLiteral("optReasonIncar"), i), noYes()).enabled = false;
    addPage(2)
        .question(QStringLiteral("5.  How long have you been incarcerated in your life?"),
                  {{QStringLiteral("cboIncarceration"),
                    QStringLiteral("Length of lifetime incarceration")}})
        .question(QStringLiteral("6.  How long was your last incarceration?"),
                  {{QStringLiteral("cboLastIncarceration"),
                    QStringLiteral("Length of last incarceration")}})
        .question(QStringLiteral("7.  Reason(s) for your last incarceration?"))
        .table({}, {kReasonHeading}, crimeRows(0, 8, QStringLiteral("optReasonIncar"), {}));
}

// --- Page 3: reasons (rows 9 to 18), awaiting charges ---

void CriminalJusticeSection::declarePage3() {
    Field& otherIncarceration = addText(QStringLiteral("txtOtherIncarceration"));
    otherIncarceration.enabled = false;
    otherIncarceration.optional = true;
    addOption(QStringLiteral("optPresAwCharges"), noYes());
    addPage(3)
        .table({}, {kReasonHeading, kSpecifyHeading},
               crimeRows(9, kOtherRow, QStringLiteral("optReasonIncar"),
                         QStringLiteral("txtOtherIncarceration")))
        .question(QStringLiteral("8.  Are you presently awaiting charges, trial, or sentence?"),
                  {{QStringLiteral("optPresAwCharges"),
                    QStringLiteral("Awaiting charges, trial or sentence?")}});
}

// --- Page 4: charges awaited (rows 0 to 11) ---

void CriminalJusticeSection::declarePage4() {
    // Question 9 applies once question 8 is answered "Yes".
    for (int i = 0; i < kCrimeRows; ++i)
        addOption(arr(QStringLiteral("optAwaitCharges"), i), noYes()).enabled = false;
    addPage(4)
        .question(QStringLiteral("9.  Reason(s) for awaiting charges?"))
        .table({}, {kAwaitingHeading}, crimeRows(0, 11, QStringLiteral("optAwaitCharges"), {}));
}

// --- Page 5: charges awaited (rows 12 to 18), illegal activity, legal problems ---

void CriminalJusticeSection::declarePage5() {
    Field& otherAwaited = addText(QStringLiteral("txtOtherChargeAwaited"));
    otherAwaited.enabled = false;
    otherAwaited.optional = true;
    addText(QStringLiteral("txtIllegalActivities"), 2);
    addList(QStringLiteral("cboLegalProblems"), fiveStepItems());
    addList(QStringLiteral("cboCounselingImportance"), fiveStepItems());
    addPage(5)
        .table({}, {kAwaitingHeading, kSpecifyHeading},
               crimeRows(12, kOtherRow, QStringLiteral("optAwaitCharges"),
                         QStringLiteral("txtOtherChargeAwaited")))
        .question(QStringLiteral("10.  How many days in the past 30 were you engaged in illegal   "
                                 "           activities for profit?"),
                  {{QStringLiteral("txtIllegalActivities"), QStringLiteral("Days")}})
        .question(QStringLiteral("11.  How serious do you feel your present legal problems are?\n"
                                 "(Exclude civil problems)"),
                  {{QStringLiteral("cboLegalProblems"), QStringLiteral("Legal problem feelings")}})
        .question(QStringLiteral("12.  How important to you now is counseling or referral for "
                                 "legal                  problems?"),
                  {{QStringLiteral("cboCounselingImportance"),
                    QStringLiteral("Importance of counseling")}});
}

// --- Page 6: the interviewer ---

void CriminalJusticeSection::declarePage6() {
    addList(QStringLiteral("cboNeedLegalTreatment"), ratingItems());
    addMultiLine(QStringLiteral("txtCriminalJusticeInformation")).optional = true;
    addPage(6)
        .question(QStringLiteral("13.  How would you (interviewer) rate the client's need for "
                                 "legal          services or counseling?"),
                  {{QStringLiteral("cboNeedLegalTreatment"),
                    QStringLiteral("Need for legal counseling")}})
        .question(QStringLiteral("14.  Interviewer comments on criminal justice involvment "
                                 "information:"),
                  {{QStringLiteral("txtCriminalJusticeInformation"), {}}});
}

// --- Lists ---

void CriminalJusticeSection::ClearLists() {
    for (const char* id : {"cboIncarceration", "cboLastIncarceration", "cboLegalProblems",
                           "cboCounselingImportance", "cboNeedLegalTreatment"})
        setItems(QString::fromLatin1(id), {});
}

void CriminalJusticeSection::FillLists() {
    setItems(QStringLiteral("cboIncarceration"), criminal::lifetimeItems());
    setItems(QStringLiteral("cboLastIncarceration"), criminal::lastIncarcerationItems());
    setItems(QStringLiteral("cboLegalProblems"), fiveStepItems());
    setItems(QStringLiteral("cboCounselingImportance"), fiveStepItems());
    setItems(QStringLiteral("cboNeedLegalTreatment"), ratingItems());
}

}  // namespace yrn
