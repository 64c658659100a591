#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

#include "interview/Section.h"

namespace yrn {

class SectionReader;
class SectionWriter;

// The kind of a field in a section file.
enum class Codec { Text, Opt, Opt3, Opt4, Combo, ComboNew, CheckBox, Custom };

// One field of a section file's declared layout. A Custom field brings its own
// writer and reader (the demographic race field).
struct FileField {
    Codec codec = Codec::Text;
    QString id;
    bool last = false;
    std::function<void(SectionWriter&, bool last)> write = {};
    std::function<void(SectionReader&, bool last)> read = {};
};
using FileLayout = QList<FileField>;

// Writes or reads one declared field.
void writeField(SectionWriter& writer, const FileField& field);
void readField(SectionReader& reader, const FileField& field);

// The bytes of a section file for the layout.
QByteArray sectionFileBytes(const Section& section, const FileLayout& layout);

// Reads the bytes of a section file into the section, field by field.
LoadResult readSectionBytes(Section& section, const FileLayout& layout, const QByteArray& bytes);

// Writes the section file; false when it could not be written. Neither the file
// nor its client folder may be a link.
bool saveSectionFile(const Section& section, const FileLayout& layout, const QString& path,
                     QString* error = nullptr);

// Reads a section file; a file that cannot be opened is "not found". A file
// that is not a regular file (a folder, a device, a FIFO, any link, even one to a
// regular file or to nothing) or is larger than a section file can be is found
// but not read.
LoadResult loadSectionFile(Section& section, const FileLayout& layout, const QString& path);

}  // namespace yrn
