// The mental health part of the client report and the interviewer's observations.
// The time the assessment ended is not reported.
#include "interview/Interview.h"
#include "interview/ReportWriter.h"
#include "report/Phrases.h"
#include "sections/CommonAnswers.h"
#include "sections/mental/MentalHealthSection.h"

namespace yrn {

namespace {

constexpr int kALittle = 1;

}  // namespace

void MentalHealthSection::ClientReport(ReportWriter& report) {
    guard(info().module + ".ClientReport", [&] { writeReport(report); });
}

// The rows answered "Yes" in one column of question 6, from the first group of the
// column on: each row's label without its last character (the question mark; the
// eating disorders row has none and loses its last letter), in lower case. "no
// problems" needs a row of the column answered; with none, "" (the marker stays).
QString MentalHealthSection::symptomList(int firstGroup) const {
    QString list;
    bool answered = false;
    for (int row = 0; row < kSymptomRows; ++row) {
        const QString group = arr(QStringLiteral("optSymptoms"), firstGroup + row);
        answered = answered || choice(group) >= 0;
        if (!chosen(group, 1)) continue;
        const QString shown = label(arr(QStringLiteral("Label"), kFirstSymptomLabel + row));
        list += shown.left(shown.size() - 1).toLower() + QStringLiteral("; ");
    }
    if (list.isEmpty()) return answered ? QStringLiteral("no problems") : QString();
    return list.left(list.size() - 2);
}

bool MentalHealthSection::pastExperienceAnswered() const {
    for (int row = 0; row < kPastExperienceRows; ++row)
        if (position(arr(QStringLiteral("cboPastExperiences"), row)) >= 0) return true;
    return false;
}

// The past experiences of question 7 that bother the client "A little" (the
// report's sentence says so); other degrees are not listed. Empty when none does;
// the narrative asks pastExperienceAnswered() first.
QString MentalHealthSection::pastExperiences() const {
    QString list;
    for (int row = 0; row < kPastExperienceRows; ++row) {
        if (position(arr(QStringLiteral("cboPastExperiences"), row)) != kALittle) continue;
        list +=
            label(arr(QStringLiteral("Label"), kFirstExperienceLabel + row)) + QStringLiteral("; ");
    }
    if (list.size() <= 2) return list;
    return list.left(list.size() - 2).toLower();
}

// Every past experience of question 7 with the degree it bothers the client, so that
// the court also reads "somewhat" and "a lot"; a row left unanswered says so. Empty
// when no row is answered.
QString MentalHealthSection::pastExperienceDegrees() const {
    if (!pastExperienceAnswered()) return {};
    QStringList degrees;
    for (int row = 0; row < kPastExperienceRows; ++row) {
        const QString list = arr(QStringLiteral("cboPastExperiences"), row);
        const bool rowAnswered = position(list) >= 0;
        const QString experience =
            label(arr(QStringLiteral("Label"), kFirstExperienceLabel + row)).trimmed().toLower();
        degrees << experience + QStringLiteral(": ") +
                       (rowAnswered ? listText(list).toLower() : QStringLiteral("not answered"));
    }
    return kCrLf + QStringLiteral("Degree to which past experiences bothered ") +
           interview().identity().FirstName() + QStringLiteral(" in the past 30 days: ") +
           degrees.join(QStringLiteral("; ")) + '.';
}

void MentalHealthSection::writeReport(ReportWriter& report) const {
    const auto t = [this](const char* id) { return text(QString::fromLatin1(id)); };

    reportAnswered(report, QStringLiteral("HasHasNotTPE"),
                   noYesWords(choice(QStringLiteral("optOutpatient")), QStringLiteral("has not"),
                              QStringLiteral("has")));
    reportAnswered(
        report, QStringLiteral("TimesHosp"),
        countAnswer(t("txtTimesTreated"), QStringLiteral("one time"), QStringLiteral("times")));
    // Questions 3 and 4 unanswered leave both their markers.
    if (chosen(QStringLiteral("optPrescMed"), 0)) {
        report.RP(QStringLiteral("HasHasNotPM"), QStringLiteral("has not"));
        report.RP(QStringLiteral("Medications"), QString());
    } else if (chosen(QStringLiteral("optPrescMed"), 1)) {
        report.RP(QStringLiteral("HasHasNotPM"), QStringLiteral("has"));
        report.RP(QStringLiteral("Medications"),
                  QStringLiteral(" including:  ") + t("txtMedicationPrescribed"));
    }
    reportAnswered(report, QStringLiteral("ExperiencedProblems"), symptomList(kSymptomRows));
    if (chosen(QStringLiteral("optPrescMed30D"), 0)) {
        report.RP(QStringLiteral("HasHasNotPMM"), QStringLiteral("has not"));
        report.RP(QStringLiteral("MedicationsM"), QString());
    } else if (chosen(QStringLiteral("optPrescMed30D"), 1)) {
        report.RP(QStringLiteral("HasHasNotPMM"), QStringLiteral("has"));
        report.RP(QStringLiteral("MedicationsM"),
                  QStringLiteral("including:  ") + t("txtMedicationPrescribed30"));
    }
    reportAnswered(report, QStringLiteral("PEProblems"), symptomList(0));
    // Question 7 unanswered leaves both its markers.
    if (pastExperienceAnswered()) {
        report.RP(QStringLiteral("BotheredBy30"), pastExperiences());
        report.RP(QStringLiteral("ExperiencesDegree"), pastExperienceDegrees());
    }
    reportAnswered(report, QStringLiteral("MenTroubled"),
                   listText(QStringLiteral("cboPsychologicalTroubled")).toLower());
    reportAnswered(report, QStringLiteral("MenNecessary"),
                   listText(QStringLiteral("cboPsychologicalTreatment")).toLower());
    report.RP(QStringLiteral("MentalComments"), t("txtMentalHealthComments"));
    reportRating(report, QStringLiteral("IRPsychiatric"),
                 listText(QStringLiteral("cboNeedPsycTreatment")));

    // An observation not answered "No" is marked for the court team's attention.
    for (int row = 0; row < 6; ++row)
        report.RP("W" + QString::number(row), chosen(arr(QStringLiteral("optIntRatings"), row), 0)
                                                  ? QStringLiteral("Was not")
                                                  : QStringLiteral("*Was"));
    for (int row = 6; row < kRatingRows; ++row)
        report.RP("D" + QString::number(row - 6),
                  chosen(arr(QStringLiteral("optIntRatings"), row), 0)
                      ? QStringLiteral("I do not believe")
                      : QStringLiteral("*I do believe"));
    report.RP(QStringLiteral("FinalComments"), CapitalizeFirst(t("txtFinalComments")));
}

}  // namespace yrn
