#pragma once

// Helpers shared by the test programs: files, recorded boxes and focus requests, a
// recorded report, the client's name, and what a person sees of a pane.

#include <gtest/gtest.h>
#include <utime.h>
#include <QDir>
#include <QFile>

#include "interview/Interview.h"
#include "interview/ReportWriter.h"
#include "interview/Section.h"
#include "support/Fakes.h"
#include "support/RecordingPrompts.h"

// Readable failures: a text as the text it is.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace yrn::test {

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(bytes);
}

// Sets a file's or a folder's times `seconds` back from now.
inline bool makeOlder(const QString& path, qint64 seconds) {
    const qint64 when = QDateTime::currentSecsSinceEpoch() - seconds;
    const utimbuf times{when, when};
    return ::utime(QFile::encodeName(path).constData(), &times) == 0;
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a folder holds, hidden and system entries too.
inline QStringList entries(const QString& path,
                           QDir::Filters kinds = QDir::NoDotAndDotDot | QDir::AllEntries,
                           const QStringList& names = {}) {
    return QDir(path).entryList(names, kinds | QDir::Hidden | QDir::System);
}

// 4096 bytes of binary junk: byte i is (i * step + offset) modulo 256.
inline QByteArray junkBytes(int step, int offset) {
    QByteArray junk(4096, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = static_cast<char>((i * step + offset) % 256);
    return junk;
}

// Types a text into a box and leaves it, as the interviewer does.
inline void typeAndLeave(Section& s, const QString& id, const QString& text) {
    s.setText(id, text);
    s.leave(id);
}

// A box as "Kind|Title|Text", so that one comparison checks all three.
inline QString boxText(const RecordingPrompts::Box& box) {
    static const char* const kinds[] = {"Information", "Critical",   "YesNo",
                                        "OkCancel",    "SaveChoice", "Choice"};
    return kinds[static_cast<int>(box.kind)] + ('|' + box.title) + '|' + box.text +
           (box.detail.isEmpty() ? QString() : "\r\n[" + box.detail + ']');
}

inline QString lastBox(const RecordingPrompts& prompts) {
    return prompts.boxes.isEmpty() ? "none" : boxText(prompts.boxes.last());
}

inline QStringList focused(const RecordingPrompts& prompts) {
    QStringList out;
    for (const auto& request : prompts.focusRequests)
        out << request.fieldId;
    return out;
}

// The answers that name the client folder "DoeJaneQ05-07-2001".
inline void nameClient(Section& locator, const QString& last = "Doe", const QString& first = "Jane",
                       const QString& mi = "Q") {
    const QStringList ids{"txtAssessmentDate1", "txtAssessmentDate2", "txtAssessmentDate3",
                          "txtLastName",        "txtFirstName",       "txtMI"};
    const QStringList texts{"05", "07", "2001", last, first, mi};
    for (int i = 0; i < ids.size(); ++i)
        locator.setText(ids.at(i), texts.at(i));
}

// The shipped report template as it stands in the file (ASCII RTF whose markers each
// stand in one run), and how often it holds "#field#", in any case.
inline const QString& shippedTemplate() {
    static const QString rtf = [] {
        QFile file(QStringLiteral(YRN_SOURCE_DIR "/resources/YRN_TEMPLATE.RTF"));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }();
    return rtf;
}
inline int shippedMarkers(const QString& field) {
    return int(shippedTemplate().count('#' + field + '#', Qt::CaseInsensitive));
}

// Keeps every RP call in order; the report it stands for holds the shipped template.
struct RecordingReport : ReportWriter {
    void RP(const QString& field, const QString& value) override { calls.append({field, value}); }
    int markers(const QString& field) const override { return shippedMarkers(field); }
    QStringList fields() const {
        QStringList out;
        for (const auto& call : calls)
            out << call.first;
        return out;
    }
    QStringList all(const QString& field) const {
        QStringList out;
        for (const auto& [f, v] : calls)
            if (f == field) out << v;
        return out;
    }
    QString value(const QString& field) const { return all(field).value(0, "<no call>"); }
    QList<std::pair<QString, QString>> calls;
};

// What a field shows: a text box its text, an option group the chosen button, a
// list the text of its item, a check box 0 (clear), 1 (ticked) or 2 (grey).
inline QString shown(const Field& f) {
    if (f.kind == FieldKind::Option) return QString::number(f.choice);
    if (f.kind == FieldKind::List) return f.listText();
    return f.kind == FieldKind::Check ? QString::number(static_cast<int>(f.check)) : f.text;
}

// Each "id=value" is what the field shows; " (off)" follows for a field that cannot
// be answered and, where asked, " [n/a]" for one painted as not applying.
inline ::testing::AssertionResult shows(const Section& s, const QStringList& expected,
                                        bool painted = false) {
    QStringList wrong;
    for (const QString& e : expected) {
        const QString id = e.section('=', 0, 0);
        const Field& f = s.field(id);
        const QString got = id + '=' + shown(f) + (s.usable(id) ? "" : " (off)") +
                            (painted && f.background == Background::NotApplicable ? " [n/a]" : "");
        if (got != e) wrong << got + " instead of " + e;
    }
    if (wrong.isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << qPrintable(wrong.join('\n'));
}

// What a person sees of a pane, one line per field, frame and label: every value, list,
// enabled state and colour (frames and labels in name order, the same in every process).
inline QStringList stateOf(const Section& s) {
    QStringList out;
    for (const QString& id : s.fieldOrder()) {
        const Field& f = s.field(id);
        out << QString::asprintf("%s '%s' %d %d %d enabled=%d bg=%d %s", qUtf8Printable(id),
                                 qUtf8Printable(f.text), f.choice, f.position, int(f.check),
                                 int(f.enabled), int(f.background),
                                 qUtf8Printable(f.items.join('|')));
    }
    QStringList frames = s.frameIds(), labels = s.labelIds();
    frames.sort();
    labels.sort();
    for (const QString& frame : std::as_const(frames))
        out << frame + " enabled=" + QString::number(s.frameEnabled(frame));
    for (const QString& label : std::as_const(labels))
        out << label + '=' + s.label(label);
    return out;
}

// Two states of a pane are the same; or the lines in which they differ.
inline ::testing::AssertionResult sameLines(const QStringList& x, const QStringList& y) {
    QStringList wrong;
    for (qsizetype i = 0; i < std::max(x.size(), y.size()); ++i)
        if (x.value(i) != y.value(i)) wrong << x.value(i) + " | " + y.value(i);
    if (wrong.isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << qPrintable(wrong.join('\n'));
}

// Two panes look the same to a person.
inline ::testing::AssertionResult sameState(const Section& a, const Section& b) {
    return sameLines(stateOf(a), stateOf(b));
}

}  // namespace yrn::test
