#pragma once

// The markers a report leaves unfilled.

#include <gtest/gtest.h>
#include <QRegularExpression>

#include "support/TestSupport.h"

namespace yrn::test {

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
