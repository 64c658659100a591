#include "tools/ToolPrompts.h"

#include <QRegularExpression>

namespace yrn {

QString ToolPrompts::line(const QString& title, const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return title + QStringLiteral(": ") + QString(text).replace(lineBreak, QStringLiteral(" "));
}

void ToolPrompts::print(const QString& title, const QString& text) {
    std::fputs((line(title, text) + '\n').toUtf8().constData(), out_);
    std::fflush(out_);
}

bool ToolPrompts::yesNo(const QString& title, const QString& text) {
    print(title, text);
    return true;
}

bool ToolPrompts::okCancel(const QString& title, const QString& text) {
    print(title, text);
    return true;
}

}  // namespace yrn
