#pragma once

// A whole interview with the demographic pane reset as at start-up, and helpers to
// save, load and compare it.

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include <gtest/gtest.h>

#include "interview/RecordingPrompts.h"
#include "interview/ReportWriter.h"
#include "sections/Sections.h"
#include "sections/demographic/DemographicSection.h"

namespace yrn::test {

// Keeps every RP call in order.
struct RecordingReport : ReportWriter {
    void RP(const QString& field, const QString& value) override {
        fields.append(field);
        values.append(value);
    }
    QStringList all(const QString& field) const {
        QStringList out;
        for (qsizetype i = 0; i < fields.size(); ++i)
            if (fields.at(i) == field) out.append(values.at(i));
        return out;
    }
    QString value(const QString& field) const {
        const qsizetype at = fields.indexOf(field);
        return at < 0 ? QStringLiteral("<no call>") : values.at(at);
    }
    QStringList fields, values;
};

// What a person sees of the pane: every value, enabled state and colour, the
// frames and the labels, one line each.
inline QStringList paneState(const Section& s) {
    QStringList out;
    for (const QString& id : s.fieldOrder()) {
        const Field& f = s.field(id);
        out.append(QStringLiteral("%1 '%2' %3 %4 %5 enabled=%6 bg=%7")
                       .arg(id, f.text)
                       .arg(f.choice)
                       .arg(f.position)
                       .arg(static_cast<int>(f.check))
                       .arg(f.enabled)
                       .arg(static_cast<int>(f.background)));
    }
    for (const QString& frame : s.frameIds())
        out.append(frame + QStringLiteral(" enabled=") + QString::number(s.frameEnabled(frame)));
    for (const QString& label : s.labelIds())
        out.append(label + '=' + s.label(label));
    return out;
}

// The lines of a state that differ in another, for readable failures.
inline std::string differences(const QStringList& a, const QStringList& b) {
    QStringList out;
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i)
        if (a.value(i) != b.value(i)) out.append(a.value(i) + " | " + b.value(i));
    return out.join('\n').toStdString();
}

// One interview, its demographic pane reset for a new client.
struct Client {
    RecordingPrompts prompts;
    std::unique_ptr<Interview> interview = makeInterview(prompts);
    DemographicSection& dem = *interview->find<DemographicSection>();
    Section& locator = *interview->section(QStringLiteral("ctlLocatorInformation"));

    Client() { reset(); }
    void reset() {
        interview->BeginLoading();
        dem.NewYRN();
        interview->EndLoading();
        prompts.clear();
    }
    // Reads a section file as an open does: reset first, the loading flag set.
    LoadResult load(const QString& path) {
        interview->BeginLoading();
        dem.NewYRN();
        const LoadResult result = dem.LoadClientYRN(path);
        interview->EndLoading();
        return result;
    }
    // Types a text and leaves the box.
    void type(const QString& id, const QString& text) {
        dem.setText(id, text);
        dem.leave(id);
    }
};

// A section file from its value lines as a Windows machine writes it: each line
// followed by ";", CR LF line ends, Windows-1252 text.
inline QByteArray sectionFile(const QStringList& values) {
    QByteArray bytes;
    for (const QString& value : values)
        bytes += value.toLatin1() + "\r\n;\r\n";
    return bytes;
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace yrn::test
