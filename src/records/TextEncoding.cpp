#include "records/TextEncoding.h"

#include <QStringDecoder>

#include "base/Windows1252.h"

namespace yrn {

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

int toByte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (size_t i = 0; i < kWindows1252C1.size(); ++i)
        if (kWindows1252C1[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

constexpr char16_t kEscape = 0x241B;   // SYMBOL FOR ESCAPE
constexpr char16_t kNewLine = 0x2424;  // SYMBOL FOR NEWLINE: a line feed
constexpr char16_t kReturn = 0x240D;   // SYMBOL FOR CARRIAGE RETURN: a carriage return

// Characters that some line reader takes for a line end, other controls that do
// not belong in a text line, the invisible byte-order mark, and half a character
// (which no encoding can write); written as escape + 'u' + four hex digits.
bool needsCodeEscape(char16_t c) {
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F || c == 0x85 ||
           c == 0x2028 || c == 0x2029 || c == 0xFEFF;
}

QString codeEscape(char16_t c) {
    return QString(QChar(kEscape)) + 'u' + QString::number(c, 16).toUpper().rightJustified(4, '0');
}

}  // namespace

bool fitsWindows1252(const QString& text) {
    for (QChar c : text)
        if (toByte(c.unicode()) < 0) return false;
    return true;
}

QByteArray toWindows1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = toByte(c.unicode());
        out.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

QString fromWindows1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes)
        out.append(QChar(windows1252Char(static_cast<std::uint8_t>(ch))));
    return out;
}

QByteArray encodeSectionText(const QString& text) {
    // A text that starts with "ï»¿" would look like the mark in Windows-1252: it is
    // written in UTF-8, behind the mark.
    if (fitsWindows1252(text)) {
        QByteArray bytes = toWindows1252(text);
        if (!bytes.startsWith(kUtf8Mark)) return bytes;
    }
    return kUtf8Mark + text.toUtf8();
}

QString decodeSectionText(const QByteArray& bytes, bool* valid) {
    if (valid) *valid = true;
    if (!bytes.startsWith(kUtf8Mark)) return fromWindows1252(bytes);
    // Only the mark is taken off: a second one is part of the text.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8.decode(QByteArrayView(bytes).sliced(qsizetype(sizeof kUtf8Mark - 1)));
    if (valid) *valid = !utf8.hasError();
    return text;
}

QString escapeValue(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const bool edgeBlank = c == ' ' && (i == 0 || i == text.size() - 1);
        if (c == '\n') {
            out += QChar(kNewLine);
        } else if (c == '\r') {
            out += QChar(kReturn);
        } else if (c == kEscape || c == kNewLine || c == kReturn) {
            out += QChar(kEscape);
            out += QChar(c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                   text.at(i + 1).isLowSurrogate()) {
            out += QChar(c);
            out += text.at(++i);
        } else if (needsCodeEscape(c) || edgeBlank || QChar::isSurrogate(c)) {
            out += codeEscape(c);
        } else {
            out += QChar(c);
        }
    }
    // "-1" is the empty answer; a typed "-1" keeps its sign escaped.
    if (text == "-1") out = codeEscape('-') + "1";
    return out;
}

QString unescapeValue(const QString& line) {
    if (!line.contains(QChar(kEscape)) && !line.contains(QChar(kNewLine)) &&
        !line.contains(QChar(kReturn)))
        return line;
    QString out;
    out.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char16_t c = line.at(i).unicode();
        if (c == kNewLine) {
            out += '\n';
        } else if (c == kReturn) {
            out += '\r';
        } else if (c == kEscape && i + 1 < line.size()) {
            const char16_t n = line.at(i + 1).unicode();
            if (n == kEscape || n == kNewLine || n == kReturn) {
                out += QChar(n);
                ++i;
            } else if (n == 'u' && i + 5 < line.size()) {
                bool ok = false;
                const uint code = line.mid(i + 2, 4).toUInt(&ok, 16);
                if (ok) {
                    out += QChar(char16_t(code));
                    i += 5;
                } else {
                    out += QChar(c);
                }
            } else {
                out += QChar(c);
            }
        } else {
            out += QChar(c);
        }
    }
    return out;
}

}  // namespace yrn
