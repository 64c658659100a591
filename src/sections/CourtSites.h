#pragma once

#include <QList>
#include <QStringList>

namespace yrn {

// The drug court sites offered by the locator's site list, each named by the county
// it serves, in list order. A site's item code is its position in this list, and the
// code is what a client's section file keeps, so a new site is only ever appended.
const QStringList& courtSiteNames();

// The item code of each site: 0, 1, ... in list order.
QList<int> courtSiteCodes();

}  // namespace yrn
