#include "sections/ReviewChecks.h"

#include "interview/NumericCheck.h"
#include "interview/Section.h"

namespace yrn {

std::optional<qint32> answeredCount(const Section& section, const QString& id) {
    if (!hasAnswer(section, id)) return std::nullopt;
    return checkedValue(section.text(id));
}

void warnPartAboveWhole(QList<ReviewItem>& warnings, const Section& section, const QString& part,
                        const QString& whole, const QString& text) {
    const auto partCount = answeredCount(section, part);
    const auto wholeCount = answeredCount(section, whole);
    if (partCount && wholeCount && *partCount > *wholeCount)
        warnings.append(reviewWarning(section, part, text.arg(*partCount).arg(*wholeCount)));
}

}  // namespace yrn
