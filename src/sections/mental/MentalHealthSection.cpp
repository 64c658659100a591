#include "sections/mental/MentalHealthSection.h"

#include "sections/CommonAnswers.h"
#include "sections/Pages.h"

namespace yrn {

namespace {

// The symptom rows of question 6 (labels 17 to 24) and the past experiences of
// question 7 (labels 28 to 31), as the questionnaire words them; the report
// reads them from the screen.
const QStringList kSymptoms{
    QStringLiteral("Experienced serious depression?"),
    QStringLiteral("Experienced serious anxiety or tension?"),
    QStringLiteral("Experienced hallucinations?"),
    QStringLiteral("Experienced trouble understanding, concentrating, or remembering?"),
    QStringLiteral("Experienced troubled controlling violent behavior?"),
    QStringLiteral("Experienced thoughts of suicide?"),
    QStringLiteral("Attempted suicide?"),
    QStringLiteral("Experienced anorexia, bulimia, or other eating disorders"),
};
const QStringList kExperiences{
    QStringLiteral("Emotional abuse"),
    QStringLiteral("Physical abuse"),
    QStringLiteral("Sexual abuse or rape "),
    QStringLiteral("Sexual harassment"),
};

const QStringList kRatingRowLabels{
    QStringLiteral("Obviously depressed/withdrawn."),
    QStringLiteral("Obviously hostile."),
    QStringLiteral("Obviously anxious/nervous."),
    QStringLiteral("Having trouble with reality testing, thought disorders, or paranoid "
                   "thinking."),
    QStringLiteral("Having trouble comprehending , concentrating, or remembering ."),
    QStringLiteral("Having suicidal thoughts."),
    QStringLiteral("Do you believe any of the client answers were significantly distorted by "
                   "misrepresentation?"),
    QStringLiteral("Do you believe any of the client answers were signifcantly distorted "
                   "because the client did not understand the questions"),
};

}  // namespace

MentalHealthSection::MentalHealthSection(Interview& interview)
    : DeclaredSection(
          interview,
          SectionInfo{QStringLiteral("ctlMentalHealth"), QStringLiteral("MentalHealth"),
                      QStringLiteral("MentalHealth.YRN"),
                      QStringLiteral("Halverin Drug Court YRN -- Mental Health Information "), 7}) {
    addNavigationPages(*this, {0, 1, 2, 3, 4, 5}, QStringLiteral("cmdNextMH"),
                       QStringLiteral("cmdBackMH"), QStringLiteral("&Save && Exit"));
    declarePage0();
    declarePage1();
    declarePage2();
    declarePage3();
    declarePage4();
    declarePage5();
    declareRules();
    declareFile();
    captureStartState();
}

// The words "outpatient", "hospital" and "past 30 days" are labels of their own on
// screen, standing in gaps left in questions 1, 2 and 4; here they are joined into
// the sentences.

// The number boxes take as many digits as their largest answer has.

// --- Page 0: treatment, medication, pension ---

void MentalHealthSection::declarePage0() {
    addOption(QStringLiteral("optOutpatient"), noYes());
    addText(QStringLiteral("txtTimesTreated"), 3);
    addOption(QStringLiteral("optPrescMed"), noYes());
    addText(QStringLiteral("txtMedicationPrescribed"), 30);
    addOption(QStringLiteral("optPrescMed30D"), noYes());
    addText(QStringLiteral("txtMedicationPrescribed30"), 30);
    addOption(QStringLiteral("optPension"), noYes());

    const QString separate = QStringLiteral("(Separate with commas)");
    addPage(0)
        .heading(QStringLiteral("Mental Health Information"))
        .question(
            QStringLiteral("1.  Have you ever been treated as an outpatient for "
                           "psychological         or emotional problems?"),
            {{QStringLiteral("optOutpatient"), QStringLiteral("Ever treated as outpatient?")}})
        .question(QStringLiteral("2.  How many times have you ever been treated for any "
                                 "psychological         or emotional problems in a hospital?"),
                  {{QStringLiteral("txtTimesTreated"), QStringLiteral("Times")}})
        .question(QStringLiteral("3.  Have you ever been prescribed medication for any "
                                 "psychological          or emotional problems?  If yes, what?"),
                  {{QStringLiteral("optPrescMed"), QStringLiteral("Prescribed medication?")}})
        .question({}, {{QStringLiteral("txtMedicationPrescribed"), QStringLiteral("Medication ")}},
                  separate)
        .question(QStringLiteral("4.  Have you been prescribed medication ( or taken any "
                                 "prescribed             medication ) for any psychological or "
                                 "emotional problem in the past 30 days?"),
                  {{QStringLiteral("optPrescMed30D"), QStringLiteral("Prescribed medication?")}})
        .question({}, {{QStringLiteral("txtMedicationPrescribed30"), QStringLiteral("Medication")}},
                  separate)
        .question(QStringLiteral("5.  Do you receive a pension for a psychiatric disability?"),
                  {{QStringLiteral("optPension"), QStringLiteral("Receive pension?")}});
}

// --- Page 1: symptoms ---

void MentalHealthSection::declarePage1() {
    // Groups 0 to 7 are the past 30 days, 8 to 15 the lifetime, row by row.
    for (int i = 0; i < 2 * kSymptomRows; ++i)
        addOption(arr(QStringLiteral("optSymptoms"), i), noYes());
    QList<TableRow> rows;
    for (int row = 0; row < kSymptomRows; ++row) {
        addLabel(arr(QStringLiteral("Label"), kFirstSymptomLabel + row), kSymptoms.at(row));
        rows.append(TableRow{kSymptoms.at(row),
                             {},
                             {arr(QStringLiteral("optSymptoms"), row),
                              arr(QStringLiteral("optSymptoms"), row + kSymptomRows)}});
    }
    addPage(1)
        .question(QStringLiteral("6.  Have you had a significant period (that was not a direct "
                                 "result of drug      or alcohol use) in which you:"))
        .table({}, {QStringLiteral("Past 30 days?"), QStringLiteral("In lifetime?")}, rows);
}

// --- Page 2: past experiences, days, the client's view, the rating ---

void MentalHealthSection::declarePage2() {
    const QStringList degrees{QStringLiteral("Not at all"), QStringLiteral("A little"),
                              QStringLiteral("Somewhat"), QStringLiteral("A lot")};
    QList<TableRow> rows;
    for (int row = 0; row < kPastExperienceRows; ++row) {
        const QString id = arr(QStringLiteral("cboPastExperiences"), row);
        addList(id, degrees);
        addLabel(arr(QStringLiteral("Label"), kFirstExperienceLabel + row), kExperiences.at(row));
        rows.append(TableRow{kExperiences.at(row), {}, {id}});
    }
    addText(QStringLiteral("txtProblemsDays"), 2);
    addList(QStringLiteral("cboPsychologicalTroubled"), fiveStepItems());
    addList(QStringLiteral("cboPsychologicalTreatment"), fiveStepItems());
    addList(QStringLiteral("cboNeedPsycTreatment"), ratingItems());

    addPage(2)
        .question(QStringLiteral("7.    In the past 30 days, to what degree have you been bothered "
                                 "          by past experiences involving:"))
        .table({}, {QStringLiteral("Bothered by past experiences?")}, rows)
        .question(QStringLiteral("8.    How many days in the past 30 have you experienced "
                                 "                                psychological problems?"),
                  {{QStringLiteral("txtProblemsDays"), QStringLiteral("Days")}})
        .question(QStringLiteral("9.    How much have you been troubled or bothered by "
                                 "psychological         or emotional problems in the past 30 "
                                 "days?"),
                  {{QStringLiteral("cboPsychologicalTroubled"),
                    QStringLiteral("How troubled psychologically?")}})
        .question(QStringLiteral("10.  How important to you now is treatment for psychological "
                                 "or                      emotional problems?"),
                  {{QStringLiteral("cboPsychologicalTreatment"),
                    QStringLiteral("How important is psychological treatment?")}})
        .question(QStringLiteral("11.  How would you (interviewer) rate the client's need for "
                                 "                                  psychiatric/psychological "
                                 "treatment?"),
                  {{QStringLiteral("cboNeedPsycTreatment"),
                    QStringLiteral("Need for psychological treatment?")}});
}

// --- Page 3: comments ---

void MentalHealthSection::declarePage3() {
    addMultiLine(QStringLiteral("txtMentalHealthComments")).optional = true;
    addPage(3)
        .question(QStringLiteral("12.  Interviewer comments on mental health information:"),
                  {{QStringLiteral("txtMentalHealthComments"), {}}})
        .nav(QStringLiteral("&Interviewer Ratings"), kPreviousPage, QStringLiteral("cmdNextMH(3)"),
             QStringLiteral("cmdBackMH(3)"));
}

// --- Page 4: the interviewer ratings, under a caption of their own ---

void MentalHealthSection::declarePage4() {
    addText(QStringLiteral("txtTimeEndedHours"), 2);
    addText(QStringLiteral("txtTimeEndedMinutes"), 2);
    addOption(QStringLiteral("optAMPM"), {QStringLiteral("AM"), QStringLiteral("PM")});
    QList<TableRow> rows;
    for (int row = 0; row < kRatingRows; ++row) {
        const QString id = arr(QStringLiteral("optIntRatings"), row);
        addOption(id, noYes());
        rows.append(TableRow{kRatingRowLabels.at(row), {}, {id}});
    }
    addPage(4)
        .heading(QStringLiteral("Interviewer Ratings"))
        .question(QStringLiteral("1.  Time assessment ended                                       "
                                 "                                                          :"),
                  {{QStringLiteral("txtTimeEndedHours"), {}},
                   {QStringLiteral("txtTimeEndedMinutes"), {}},
                   {QStringLiteral("optAMPM"), {}}},
                  QStringLiteral("HH        MM   "))
        .question(QStringLiteral("2.  Please rate the client interview on each of the questions:"))
        .table(QStringLiteral("AT THE TIME OF THE INTERVIEW, CLIENT WAS:"), {}, rows)
        .caption(QStringLiteral("Halverin Drug Court YRN -- Interviewer Ratings"), 8);
}

// --- Page 5: final comments and the closing buttons ---

void MentalHealthSection::declarePage5() {
    addMultiLine(QStringLiteral("txtFinalComments")).optional = true;
    // A doubled ampersand shows as one.
    addPage(5)
        .question(QStringLiteral("3.  Please record any final comments you have about this client "
                                 "and/or this client's interview:"),
                  {{QStringLiteral("txtFinalComments"), {}}})
        .button(QStringLiteral("cmdSave"), QStringLiteral("&Save / View Report"))
        .button(QStringLiteral("cmdSaveNew"), QStringLiteral("&Save && New"));
}

}  // namespace yrn
