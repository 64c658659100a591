#pragma once

#include <QList>
#include <QString>

#include "interview/Section.h"

namespace yrn {

inline const QString kNextPage = QStringLiteral("&Next Page");
inline const QString kPreviousPage = QStringLiteral("&Previous Page");

// Adds a section's pages with the usual Next / Back buttons: control arrays named
// nextStem(i) and backStem(i), "&Next Page" on every page but the last, which
// carries the hand-over caption, and "&Previous Page" on every page (on the first
// page only when firstHasBack). Returns nothing; the pages are then filled by
// section->addPage... through Section::pages() order.
void addNavigationPages(Section& section, const QList<int>& indexes, const QString& nextStem,
                        const QString& backStem, const QString& lastNextCaption,
                        bool firstHasBack = true);

}  // namespace yrn
