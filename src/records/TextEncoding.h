#pragma once

#include <QByteArray>
#include <QString>

namespace yrn {

// Section files made on Windows machines are Windows-1252 text. A file is written
// in Windows-1252 when every character fits (and it does not start with the bytes
// of the mark), otherwise in UTF-8 starting with the UTF-8 byte-order mark. The mark
// decides the reading: a file that starts with it is UTF-8, any other file is
// Windows-1252, so no answer changes its characters between a save and an open.
bool fitsWindows1252(const QString& text);
QByteArray toWindows1252(const QString& text);  // characters that do not fit become '?'
QString fromWindows1252(const QByteArray& bytes);

QByteArray encodeSectionText(const QString& text);
// Bytes that are not UTF-8 after the mark read as U+FFFD; valid (when given) then
// tells that the file is damaged.
QString decodeSectionText(const QByteArray& bytes, bool* valid = nullptr);

// A value line holds no line break, so that a field stays one line. Line breaks
// and the few characters that a line-reading program would take for one are
// written as visible symbols; see docs/architecture.md, "Section files".
QString escapeValue(const QString& text);
QString unescapeValue(const QString& line);

}  // namespace yrn
