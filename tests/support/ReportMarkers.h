#pragma once

// What a whole report must look like against the shipped template's placeholders.

#include <gtest/gtest.h>
#include <QMap>
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

// The report made of these sections' answers fills each field its narratives fill
// exactly as often as the template holds it (the child chart's rows follow one
// another in the place of one marker), and the markers it leaves are exactly those
// of the fields no narrative fills; the name and pronoun fields are always filled.
inline ::testing::AssertionResult reportMatchesTemplate(const QList<Section*>& sections,
                                                        const QString& reportText) {
    RecordingReport recorder;
    for (Section* section : sections)
        section->ClientReport(recorder);
    QMap<QString, int> calls;
    for (const QString& field : recorder.fields())
        ++calls[field];
    QStringList wrong;
    for (auto it = calls.cbegin(); it != calls.cend(); ++it) {
        const int held = shippedMarkers(it.key());
        if (held == 0 || (it.key() != QStringLiteral("ChildChart") && it.value() != held))
            wrong << QStringLiteral("%1 filled %2 times, held %3")
                         .arg(it.key())
                         .arg(it.value())
                         .arg(held);
    }
    QStringList unfilled;
    for (const QString& field : markersIn(shippedTemplate()))
        if (!calls.contains(field) && !kNameFields.contains(field)) unfilled << field;
    unfilled.sort(Qt::CaseInsensitive);
    const QStringList left = markersIn(reportText);
    if (left != unfilled)
        wrong << "markers left: " + left.join(' ') + "\nexpected: " + unfilled.join(' ');
    if (wrong.isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << qPrintable(wrong.join('\n'));
}

}  // namespace yrn::test
