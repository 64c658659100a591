#pragma once

// A fully answered client of every section file, written by hand from the field
// lists (never with the program's writer, so that a layout mistake cannot hide):
// each field's id in file order, its value line, and what the pane shows once read.

#include <QDir>
#include <QVariant>
#include <optional>

#include "interview/Section.h"
#include "support/TestSupport.h"
#include "support/WindowsFile.h"

namespace yrn::test {

struct StoredField {
    QString id;
    QString line;                  // the value line as typed (encoded when written)
    std::optional<QString> shows;  // as shows() takes it after "id="; none: the line as read
};

// "id=line" or "id=line=shows" entries parted by '|', the lines kept exactly,
// blanks and all; "stem(*)=a,b" stands for "stem(0)=a|stem(1)=b".
inline QList<StoredField> stored(const QString& entries) {
    QList<StoredField> out;
    for (const QString& entry : entries.split('|')) {
        const QStringList part = entry.split('=');
        const QStringList values = part.at(1).split(',');
        for (int i = 0; part.at(0).endsWith("(*)") && i < values.size(); ++i)
            out.append({arr(part.at(0).chopped(3), i), values.at(i), {}});
        if (!part.at(0).endsWith("(*)"))
            out.append({part.at(0), part.at(1),
                        part.size() > 2 ? std::optional(part.at(2)) : std::nullopt});
    }
    return out;
}

struct SectionLayout {
    QString module;
    QString fileName;
    LastField last = LastField::Bare;
    QList<StoredField> fields;

    QStringList lines() const {
        QStringList out;
        for (const StoredField& f : fields)
            out << f.line;
        return out;
    }
    QByteArray windowsFile() const { return windowsSectionFile(lines(), last); }
};

// The eight section files in interview order, as tests/sections/section_layouts.txt
// holds them.
inline const QList<SectionLayout>& sectionLayouts() {
    static const QList<SectionLayout> all = [] {
        QList<SectionLayout> out;
        const QByteArray text = readFile(YRN_SOURCE_DIR "/tests/sections/section_layouts.txt");
        for (const QString& line : QString::fromUtf8(text).split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith('[')) {
                const QStringList head = line.mid(1).chopped(1).split(' ');
                const LastField last =
                    head.at(2) == "Bare" ? LastField::Bare : LastField::Separated;
                out.append({head.at(0), head.at(1), last, {}});
            } else if (!line.startsWith('#')) {
                out.last().fields += stored(line.chopped(1));
            }
        }
        return out;
    }();
    return all;
}

inline QStringList sectionFileNames() {
    QStringList names;
    for (const SectionLayout& layout : sectionLayouts())
        names << layout.fileName;
    return names;
}

inline const SectionLayout& layoutOf(const QString& fileName) {
    return sectionLayouts().at(sectionFileNames().indexOf(fileName));
}

// What a stored field shows once read, as shows() takes it ("id=value", " (off)"
// after the value of a closed field). A list shows the item at the stored position,
// or the item of the stored code where its items carry codes.
inline QString expectedShow(const Section& s, const StoredField& f) {
    if (f.shows) return f.id + '=' + *f.shows;
    const Field& field = s.field(f.id);
    QString value = f.line.trimmed();
    if (field.kind == FieldKind::List && value != "-1")
        value = field.items.value(field.hasCodes() ? field.codes.indexOf(value.toInt())
                                                   : value.toInt());
    if (value == "-1" && field.kind != FieldKind::Option) value.clear();
    return f.id + '=' + value;
}

// What the export gives for a stored field: a text, a button, a check box's 0 or
// 1, a list's code or position and then its shown item; null where unanswered.
inline QVariantList expectedCells(const Section& s, const StoredField& f) {
    const QString value = expectedShow(s, f).section('=', 1).remove(" (off)");
    const FieldKind kind = s.field(f.id).kind;
    if (kind == FieldKind::Text) return {value.isEmpty() ? QVariant() : QVariant(value)};
    if (kind != FieldKind::List) return {value == "-1" ? QVariant() : QVariant(value.toInt())};
    if (value.isEmpty()) return {QVariant(), QVariant()};
    return {f.line.trimmed().toInt(), value};
}

// Writes every section file of the layouts into a client folder, made if need be.
inline void writeClientFolder(const QString& folder) {
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const SectionLayout& layout : sectionLayouts())
        writeFile(folder + '/' + layout.fileName, layout.windowsFile());
}

}  // namespace yrn::test
