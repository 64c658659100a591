#include "base/CalendarDate.h"

#include <QStringList>

namespace yrn {

namespace {

std::optional<int> digits(const QString& part, int maxDigits) {
    if (part.isEmpty() || part.size() > maxDigits) return std::nullopt;
    for (QChar c : part)
        if (c < '0' || c > '9') return std::nullopt;
    return part.toInt();
}

}  // namespace

std::optional<QDate> calendarDate(const QString& monthDayYear) {
    const QStringList parts = monthDayYear.split('/');
    if (parts.size() != 3) return std::nullopt;
    const auto month = digits(parts[0], 2);
    const auto day = digits(parts[1], 2);
    const auto year = digits(parts[2], 4);
    if (!month || !day || !year || *year < 1) return std::nullopt;
    const QDate date(*year, *month, *day);
    if (!date.isValid()) return std::nullopt;
    return date;
}

}  // namespace yrn
