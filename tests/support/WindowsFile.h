#pragma once

// Section files as a Windows machine writes them, put together by hand for the
// file tests (never with the program's own writer, so that a layout mistake
// cannot hide).

#include <gtest/gtest.h>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <iterator>

namespace yrn::test {

// A text as Windows-1252 bytes: Latin-1, but for 0x80 to 0x9F, where Windows-1252
// keeps typographic characters ("–" is 0x96, "“" 0x93); the five bytes it leaves
// undefined stand for the C1 controls of the same value. A character it cannot
// write fails the test.
inline QByteArray windows1252(const QString& text) {
    static const char16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
    };
    QByteArray bytes;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += static_cast<char>(u);
            continue;
        }
        const auto* at = std::find(std::begin(kHigh), std::end(kHigh), u);
        if (at == std::end(kHigh)) {
            ADD_FAILURE() << "U+" << std::hex << static_cast<int>(u) << " is not in Windows-1252";
            bytes += '?';
            continue;
        }
        bytes += static_cast<char>(0x80 + (at - std::begin(kHigh)));
    }
    return bytes;
}

// Whether the last field of a file is followed by a ";" line like every other
// field (the demographic file) or stands bare (every later section's file).
enum class LastField { Bare, Separated };

// A section file as a Windows machine writes it: each value line in Windows-1252,
// ended by CR LF, a ";" line after every field but the last.
inline QByteArray windowsSectionFile(const QStringList& values, LastField last = LastField::Bare) {
    QByteArray bytes;
    for (qsizetype i = 0; i < values.size(); ++i) {
        bytes += windows1252(values.at(i)) + "\r\n";
        if (i + 1 < values.size() || last == LastField::Separated) bytes += ";\r\n";
    }
    return bytes;
}

}  // namespace yrn::test
