#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace yrn::rtf {

// The single-byte code page of a document, for "\'hh" and raw 8-bit text.
class CodePage {
  public:
    CodePage();  // Windows-1252
    // A Windows code page number; code pages this build cannot decode (and the
    // double-byte ones) fall back to Windows-1252.
    void select(int number);
    char16_t decode(unsigned char byte) const {
        return byte < 0x80 ? char16_t(byte) : high_[byte - 0x80];
    }
    // The byte of a character in this code page, or 0 when it has none.
    unsigned char encode(char16_t ch) const;

  private:
    std::array<char16_t, 128> high_{};
};

// One visible character of the document and the bytes of the RTF that make it:
// a text byte, "\'e9", "\u8212?" with its fallback, "\par ", "\tab ", "\~" ...
struct Unit {
    enum Flag : std::uint8_t {
        // A table cell or row end: removing it would break the table, so a
        // replacement keeps it.
        Structural = 1,
        // Right before the character's bytes ends a control word with no delimiter
        // ("\b0" in "\b0x"): text put after the word in its place would run into it.
        AfterBareWord = 2,
    };
    qint32 begin = 0;
    qint32 end = 0;
    char16_t ch = 0;
    std::uint8_t flags = 0;
};

struct Parsed {
    std::vector<Unit> units;
    // The offset of the closing brace of the document group: text added at the
    // very end goes before it.
    qint32 endAnchor = 0;
    CodePage codePage;
};

// Documents larger than this are not a report template or a report.
inline constexpr qsizetype kMaxRtfBytes = 16 * 1024 * 1024;
// Deeper group nesting than this is damage (word processors stay far below it).
inline constexpr int kMaxGroupDepth = 1000;

// Reads an RTF document into its visible characters. False, with a reason, for
// anything that is not a complete, well-formed RTF document: no "{\rtf" start,
// unbalanced or unclosed groups, bad escapes, binary junk, too large or too deep.
bool parse(const QByteArray& data, Parsed& out, QString* why = nullptr);

}  // namespace yrn::rtf
