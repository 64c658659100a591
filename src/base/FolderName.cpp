#include "base/FolderName.h"

namespace yrn {

namespace {

// File names take 255 bytes at most; the longest file named after the client
// folder is its report, the folder name and ".RTF".
constexpr qsizetype kMaxNameBytes = 255 - 4;

bool isControl(char16_t u) {
    return u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0) || u == 0x2028 || u == 0x2029 ||
           u == 0xFEFF;
}

bool isBidiControl(char16_t u) {
    return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x200E ||
           u == 0x200F || u == 0x061C;
}

}  // namespace

QString folderNameProblem(const QString& name) {
    if (name.isEmpty()) return QStringLiteral("is empty");
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t u = name.at(i).unicode();
        if (u == '/' || u == '\\') return QStringLiteral("holds a path separator");
        if (isControl(u)) return QStringLiteral("holds a control character");
        if (isBidiControl(u))
            return QStringLiteral(
                "holds a bidirectional control character, which makes it "
                "read otherwise than it is");
        if (QStringLiteral("<>:\"|?*").contains(QChar(u)))
            return QStringLiteral("holds one of < > : \" | ? *");
        const bool paired =
            name.at(i).isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate();
        if (paired)
            ++i;
        else if (name.at(i).isSurrogate())
            return QStringLiteral("holds a broken character");
    }
    if (name.contains(QStringLiteral(".."))) return QStringLiteral("holds \"..\"");
    if (name.startsWith('.'))
        return QStringLiteral("would begin with \".\", which makes a hidden folder");
    if (name.endsWith('.')) return QStringLiteral("would end with \".\"");
    if (name.startsWith(' ') || name.endsWith(' '))
        return QStringLiteral("would begin or end with a blank");
    if (name.toUtf8().size() > kMaxNameBytes)
        return QStringLiteral("is too long: the report's file name would pass 255 bytes");
    return {};
}

bool isSafeFolderName(const QString& name) {
    return folderNameProblem(name).isEmpty();
}

}  // namespace yrn
