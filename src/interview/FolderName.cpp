#include "interview/FolderName.h"

namespace yrn {

bool isSafeFolderName(const QString& name) {
    if (name.isEmpty() || name.size() > 200) return false;
    if (name.contains(QStringLiteral(".."))) return false;
    if (name.endsWith('.') || name.endsWith(' ') || name.startsWith(' ')) return false;
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0)) return false;
        if (QStringLiteral("/\\<>:\"|?*").contains(c)) return false;
        if (c.isSurrogate() || u == 0x2028 || u == 0x2029 || u == 0xFEFF) return false;
    }
    return true;
}

}  // namespace yrn
