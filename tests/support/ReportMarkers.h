#pragma once

// The shipped template's placeholders, as a report fills or leaves them.

#include <QRegularExpression>

#include "support/TestSupport.h"

namespace yrn::test {

// The name and pronoun fields, which the report fills before any section.
inline const QStringList kNameFields{"WholeName", "FirstName", "himherself", "hisher",
                                     "himher",    "heshe",     "HisHerC",    "HeSheC"};

// The "#field#" markers a report's visible text still holds, sorted.
inline QStringList markersIn(const QString& text) {
    QStringList fields;
    static const QRegularExpression marker(QStringLiteral("#([A-Za-z$0-9]+)#"));
    for (auto m = marker.globalMatch(text); m.hasNext();)
        fields << m.next().captured(1);
    fields.sort(Qt::CaseInsensitive);
    return fields;
}

}  // namespace yrn::test
