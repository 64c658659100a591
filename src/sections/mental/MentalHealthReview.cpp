// The mental health answers that contradict each other.
#include "interview/Interview.h"
#include "interview/Section.h"
#include "sections/ReviewChecks.h"
#include "sections/mental/MentalHealthSection.h"

namespace yrn {

namespace {

constexpr int kNo = 0;
constexpr int kYes = 1;

}  // namespace

// What holds for the past 30 days holds in the lifetime: a symptom (question 6),
// medication (question 4 against 3) and a psychiatric stay. Question 1 asks only
// whether the client was ever an outpatient, so no count stands against it; the
// hospital treatments of question 2 stand against the days of psychiatric
// treatment in a controlled environment of the demographic question 11.
QList<ReviewItem> MentalHealthSection::reviewWarnings() const {
    QList<ReviewItem> warnings;
    if (const Section* demographic = interview().section(QStringLiteral("ctlDemographic"))) {
        const QString treated = QStringLiteral("txtTimesTreated");
        const auto times = answeredCount(*this, treated);
        const auto days = answeredCount(*demographic, QStringLiteral("txtPsychiatricDays"));
        if (times && *times == 0 && demographic->choice(QStringLiteral("optPsy")) == kYes && days &&
            *days > 0)
            warnings.append(reviewWarning(
                *this, treated,
                QStringLiteral("Never treated in a hospital for psychological or emotional "
                               "problems, but %1 days of psychiatric treatment in a controlled "
                               "environment in the past 30 days (Demographic Information).")
                    .arg(*days)));
    }
    if (choice(QStringLiteral("optPrescMed30D")) == kYes &&
        choice(QStringLiteral("optPrescMed")) == kNo)
        warnings.append(reviewWarning(*this, QStringLiteral("optPrescMed30D"),
                                      QStringLiteral("Prescribed medication in the past 30 days, "
                                                     "but never prescribed any (question 3).")));
    for (int row = 0; row < kSymptomRows; ++row) {
        const QString past30 = arr(QStringLiteral("optSymptoms"), row);
        if (choice(past30) == kYes &&
            choice(arr(QStringLiteral("optSymptoms"), row + kSymptomRows)) == kNo)
            warnings.append(reviewWarning(
                *this, past30, QStringLiteral("Yes in the past 30 days, but No in the lifetime.")));
    }
    return warnings;
}

}  // namespace yrn
