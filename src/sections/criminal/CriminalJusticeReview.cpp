// The criminal justice answers that contradict each other.
#include "interview/Section.h"
#include "sections/ReviewChecks.h"
#include "sections/criminal/CriminalJusticeSection.h"

namespace yrn {

// Question 4 asks how many of question 3's charges resulted in convictions.
QList<ReviewItem> CriminalJusticeSection::reviewWarnings() const {
    const QString convictions = QStringLiteral("txtConvictions");
    const auto convicted = answeredCount(*this, convictions);
    if (!convicted) return {};
    qint64 charges = 0;
    bool anyCharge = false;
    for (int i = 0; i < kCrimeRows; ++i) {
        if (const auto count = answeredCount(*this, arr(QStringLiteral("txtCharges"), i))) {
            charges += *count;
            anyCharge = true;
        }
    }
    if (!anyCharge || *convicted <= charges) return {};
    return {reviewWarning(
        *this, convictions,
        QStringLiteral("%1 convictions, but %2 charges in all.").arg(*convicted).arg(charges))};
}

}  // namespace yrn
