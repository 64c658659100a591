#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "interview/Review.h"

namespace yrn {

class Section;

// What the sections' review warnings share.

// The number an answered box holds; nothing for a box without an answer the person
// can see (empty, held) or one that is no number.
std::optional<qint32> answeredCount(const Section& section, const QString& id);

// A part larger than its whole: when both boxes hold numbers and the part's is
// larger, a warning on the part. The text takes the part's number as %1 and the
// whole's as %2.
void warnPartAboveWhole(QList<ReviewItem>& warnings, const Section& section, const QString& part,
                        const QString& whole, const QString& text);

}  // namespace yrn
