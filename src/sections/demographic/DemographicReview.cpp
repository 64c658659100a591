// The demographic answers that contradict each other.
#include <algorithm>

#include "interview/Section.h"
#include "sections/ReviewChecks.h"
#include "sections/demographic/DemographicSection.h"

namespace yrn {

// A row of the children table past the number of children (question 15) holds
// answers that the report leaves out.
QList<ReviewItem> DemographicSection::reviewWarnings() const {
    const qint32 children = answeredCount(*this, QStringLiteral("txtChildren")).value_or(0);
    const QString have = children <= 0   ? QStringLiteral("no children")
                         : children == 1 ? QStringLiteral("1 child")
                                         : QString::number(children) + " children";
    QList<ReviewItem> warnings;
    for (int row = std::max(children, 0); row < kChildRows; ++row) {
        for (const QString& id : childRowFields(row)) {
            if (!hasAnswer(*this, id)) continue;
            warnings.append(reviewWarning(*this, id,
                                          QStringLiteral("Row %1 of the children is answered, but "
                                                         "the client has %2.")
                                              .arg(row + 1)
                                              .arg(have)));
            break;
        }
    }
    return warnings;
}

}  // namespace yrn
