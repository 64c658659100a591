#pragma once

#include <QAnyStringView>
#include <QList>

namespace yrn {

struct PlaceholderCount {
    const char* field;
    int count;
};

// Every placeholder field and how many times the code fills it for a client who
// answered every question. The report template holds each "#field#" exactly this
// often: a field filled more often than the template holds it would spill its
// surplus values after the last replacement, and one filled less often would
// leave a bare marker in the client's report.
//
// ChildChart counts once: the first child row replaces the marker and every
// further row is inserted right after the one before, so the rows stand together
// in the marker's place.
//
// The name and pronoun fields come first, in the order they are filled; then each
// section's fields in the order its narrative fills them.
const QList<PlaceholderCount>& placeholderManifest();

// The sum of all counts: the number of markers in the template.
int placeholderMarkerTotal();

// How many times the field is filled (0 for a name that is not a placeholder).
// Field names are matched without regard to case, as the report matches them.
int placeholderCount(QAnyStringView field);

}  // namespace yrn
