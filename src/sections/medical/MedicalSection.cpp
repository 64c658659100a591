#include "sections/medical/MedicalSection.h"

#include "sections/CommonAnswers.h"
#include "sections/Pages.h"

namespace yrn {

namespace {

const QString kSeparateAnswers = QStringLiteral("(Separate answers with commas)");

// The rows of question 4, by index.
const QStringList kHealthProblemRows{
    QStringLiteral("Hepatitis (B, C)"),
    QStringLiteral("Chlamydia (NGU)"),
    QStringLiteral("Syphillis"),
    QStringLiteral("Gonorrhea (GC,  clap, dose)"),
    QStringLiteral("Pelvic Inflammatory Disease (PID)"),
    QStringLiteral("Genital Warts (HPV, venereal warts)"),
    QStringLiteral("HIV +"),
    QStringLiteral("AIDS"),
};

// The rows of question 12, by index; the public programs are shown in red and
// described when the mouse rests on them.
struct InsuranceRow {
    QString label;
    QString description;
};
const InsuranceRow kInsuranceRowTexts[] = {
    {QStringLiteral("Employer provided Health insurance"), {}},
    {QStringLiteral("Private health insurance"), {}},
    {QStringLiteral("MEDICAID "),
     QStringLiteral("A public assistance program that pays for medical care")},
    {QStringLiteral("MEDICARE "),
     QStringLiteral("A public health insurance program for person 65 and older and for certain "
                    "disabled persons")},
    {QStringLiteral("VA/CHAMPUS "),
     QStringLiteral("A series of public health programs for active duty and retired career "
                    "military personnel and their dependants and survivors and also disabled "
                    "veterans and their dependents and survivors")},
    {QStringLiteral("Other insurance, specify:"), {}},
};

const QStringList kLastHospitalizedItems{
    QStringLiteral("less than 6 months ago"), QStringLiteral("6-12 months ago"),
    QStringLiteral("1-2 years ago"),          QStringLiteral("2-3 years ago"),
    QStringLiteral("more than 3 years ago"),
};

}  // namespace

MedicalSection::MedicalSection(Interview& interview)
    : DeclaredSection(
          interview,
          SectionInfo{QStringLiteral("ctlMedical"), QStringLiteral("Medical"),
                      QStringLiteral("Medical.YRN"),
                      QStringLiteral("Halverin Drug Court YRN -- Medical Information "), 2}) {
    addNavigationPages(*this, {0, 1, 2, 3}, QStringLiteral("cmdNextM"), QStringLiteral("cmdBackM"),
                       QStringLiteral("&Employment"));
    declarePage0();
    declarePage1();
    declarePage2();
    declarePage3();
    declareRules();
    declareFile();
    captureStartState();
}

// --- Page 0: hospitalizations, chronic problems, infectious diseases ---

void MedicalSection::declarePage0() {
    addText(QStringLiteral("txtHospitalized"), 2);
    addList(QStringLiteral("cboLastHospitalized"), kLastHospitalizedItems);
    addOption(QStringLiteral("optChrMedProb"), noYes());
    addText(QStringLiteral("txtMedicalProblems"));
    QList<TableRow> rows;
    for (int i = 0; i < kHealthProblems; ++i) {
        addOption(arr(QStringLiteral("optHealthProb"), i), noYes());
        rows.append(
            TableRow{kHealthProblemRows.at(i), {}, {arr(QStringLiteral("optHealthProb"), i)}});
    }

    addPage(0)
        .heading(QStringLiteral("Medical Information"))
        .question(QStringLiteral("1.  How many times in your life have you been hospitalized       "
                                 "for medical problems?"),
                  {{QStringLiteral("txtHospitalized"), QStringLiteral("Times hospitalized ")}})
        .note(QStringLiteral("(Include ODs and DTs; Exclude birth of a child)"))
        .question(QStringLiteral("2.  How long ago was your last hospitalization for a physical  "
                                 "     problem?"),
                  {{QStringLiteral("cboLastHospitalized"), QStringLiteral("Last hospitalized?")}})
        .note(QStringLiteral("(Exclude birth of a child)"))
        .question(QStringLiteral("3.  Do you have any chronic medical problems that continue to  "
                                 "        interfere with your life?"),
                  {{QStringLiteral("optChrMedProb"), QStringLiteral("Chronic medical problems?")},
                   {QStringLiteral("txtMedicalProblems"), kSeparateAnswers}})
        .question(QStringLiteral("4.  Have you ever had any of the following health problems?"))
        .table({}, {QStringLiteral("Health problems?")}, rows);
}

// --- Page 1: seizures, medication, pension, smoking, sleep, insured months ---

void MedicalSection::declarePage1() {
    addOption(QStringLiteral("optFit"), noYes());
    addOption(QStringLiteral("optPresMed"), noYes());
    addText(QStringLiteral("txtMedication"));
    addOption(QStringLiteral("optPension"), noYes());
    addText(QStringLiteral("txtPension"));
    addOption(QStringLiteral("optSmokes"), noYes());
    addText(QStringLiteral("txtCigarettes"), 2);
    addOption(QStringLiteral("optSleepLate"), noYes());
    addOption(QStringLiteral("optBecauseWork"), noYes());
    addText(QStringLiteral("txtInsurance"), 2);

    // Question 11 stands on screen as six labels, two of its words emphasised;
    // here they are joined into one sentence.
    addPage(1)
        .question(QStringLiteral("5.     Have you ever had a fit or seizure?"),
                  {{QStringLiteral("optFit"), QStringLiteral("Fit or seizure?")}})
        .question(QStringLiteral("6.     Are you taking any prescribed medication on a regular "
                                 "basis          for a physical problem?  What?"),
                  {{QStringLiteral("optPresMed"), QStringLiteral("Prescribed medication?")},
                   {QStringLiteral("txtMedication"), kSeparateAnswers}})
        .question(
            QStringLiteral("7.    Do you receive a pension for a physical disability?  What?"),
            {{QStringLiteral("optPension"), QStringLiteral("Pension?")},
             {QStringLiteral("txtPension"), kSeparateAnswers}})
        .note(QStringLiteral("       (Exclude psychiatric disability)"))
        .question(QStringLiteral("8.     Do you smoke cigarettes?   "),
                  {{QStringLiteral("optSmokes"), QStringLiteral("Smoke cigarettes?")}})
        .question(QStringLiteral("9.     On average, about how many cigarettes did you smoke a "
                                 "day          in the last 30 days on the street?   "),
                  {{QStringLiteral("txtCigarettes"), QStringLiteral("Cigarettes")}})
        .question(QStringLiteral("10.  Do you sleep past 11 a.m. most days?  Is this because of   "
                                 "                working hours?"),
                  {{QStringLiteral("optSleepLate"), QStringLiteral("Sleep late?")},
                   {QStringLiteral("optBecauseWork"), QStringLiteral("Because of work hours?")}})
        .question(QStringLiteral("11.  How many") + ' ' + QStringLiteral("months") +
                      QStringLiteral(", in the") + ' ' + QStringLiteral("last year") + ' ' +
                      QStringLiteral("have you been covered by") + ' ' +
                      QStringLiteral("any type of health insurance, including Medicaid/Medicare?"),
                  {{QStringLiteral("txtInsurance"), QStringLiteral("Months")}});
}

// --- Page 2: kinds of insurance, problem days, the client's ratings ---

void MedicalSection::declarePage2() {
    QList<TableRow> rows;
    for (int i = 0; i < kInsuranceRows; ++i) {
        const InsuranceRow& row = kInsuranceRowTexts[i];
        addOption(arr(QStringLiteral("optHealthInsurance"), i), noYes());
        rows.append(TableRow{row.label,
                             row.description,
                             {arr(QStringLiteral("optHealthInsurance"), i)},
                             !row.description.isEmpty()});
    }
    addText(QStringLiteral("txtOtherHI")).optional = true;
    rows.last().cells.append(QStringLiteral("txtOtherHI"));
    addText(QStringLiteral("txtExperienceProblems"));
    addList(QStringLiteral("cboClientTroubled"), lowerCaseFiveStepItems());
    addList(QStringLiteral("cboImportant"), lowerCaseFiveStepItems());

    addPage(2)
        .question(QStringLiteral("12.  Which of the following best describes the type(s) of "
                                 "health                            insurance or health programs "
                                 "you are/were covered by?"))
        .note(QStringLiteral("(Items in red have descriptions on mouse over)"))
        .table({}, {QStringLiteral("Health insurance?"), kSeparateAnswers}, rows)
        .question(QStringLiteral("13.  How many days have you experienced medical problems in    "
                                 "         the past 30?"),
                  {{QStringLiteral("txtExperienceProblems"), QStringLiteral("Days")}})
        .note(QStringLiteral("(Not pregnancy related)"))
        .question(
            QStringLiteral("14.  How troubled or bothered have you been by medical problems "
                           "          in the past 30 days?"),
            {{QStringLiteral("cboClientTroubled"), QStringLiteral("Medical problems severity")}})
        .question(
            QStringLiteral("15.  How important to you now is treatment for your medical     "
                           "                       problems?"),
            {{QStringLiteral("cboImportant"), QStringLiteral("Medical treatment importance")}});
}

// --- Page 3: the interviewer's rating and comments ---

void MedicalSection::declarePage3() {
    addList(QStringLiteral("cboInterviewerRating"), ratingItems());
    addMultiLine(QStringLiteral("txtMedicalComments")).optional = true;
    addPage(3)
        .question(
            QStringLiteral("16.  How would you (interviewer) rate the client's need for     "
                           "                medical treatment "),
            {{QStringLiteral("cboInterviewerRating"), QStringLiteral("Interviewer's rating")}})
        .question(QStringLiteral("17.  Interviewer comments on medical health information:"),
                  {{QStringLiteral("txtMedicalComments"), {}}});
}

}  // namespace yrn
