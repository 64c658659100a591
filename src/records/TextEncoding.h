#pragma once

#include <QByteArray>
#include <QString>

namespace yrn {

// Section files made on Windows machines are Windows-1252 text. A file is written
// in Windows-1252 when every character fits, in UTF-8 otherwise; on reading, a
// file that is valid UTF-8 and holds a non-ASCII byte is UTF-8, anything else is
// Windows-1252.
bool fitsWindows1252(const QString& text);
QByteArray toWindows1252(const QString& text);  // characters that do not fit become '?'
QString fromWindows1252(const QByteArray& bytes);

QByteArray encodeSectionText(const QString& text);
QString decodeSectionText(const QByteArray& bytes);

// A value line holds no line break, so that a field stays one line. Line breaks
// and the few characters that a line-reading program would take for one are
// written as visible symbols; see docs/architecture.md, "Section files".
QString escapeValue(const QString& text);
QString unescapeValue(const QString& line);

}  // namespace yrn
