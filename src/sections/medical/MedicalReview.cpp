// The medical answers that contradict each other.
#include "interview/Interview.h"
#include "interview/Section.h"
#include "sections/ReviewChecks.h"
#include "sections/medical/MedicalSection.h"

namespace yrn {

// Days of medical treatment in a controlled environment in the past 30 days (the
// demographic question 11, "like a hospital") are a hospitalization, so question 1
// cannot count none.
QList<ReviewItem> MedicalSection::reviewWarnings() const {
    const Section* demographic = interview().section(QStringLiteral("ctlDemographic"));
    const QString hospitalized = QStringLiteral("txtHospitalized");
    const auto times = answeredCount(*this, hospitalized);
    if (!demographic || !times || *times != 0) return {};
    const auto days = answeredCount(*demographic, QStringLiteral("txtMedicalDays"));
    if (demographic->choice(QStringLiteral("optMed")) != 1 || !days || *days <= 0) return {};
    return {reviewWarning(*this, hospitalized,
                          QStringLiteral("Never hospitalized for medical problems, but %1 days of "
                                         "medical treatment in a controlled environment in the "
                                         "past 30 days (Demographic Information).")
                              .arg(*days))};
}

}  // namespace yrn
