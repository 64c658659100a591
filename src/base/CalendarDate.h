#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace yrn {

// Reads "MM/DD/YYYY" built from typed boxes (one or two digits for month and day,
// up to four for the year) as month/day/year in every locale; nullopt unless that
// day exists (02/29 only in leap years).
std::optional<QDate> calendarDate(const QString& monthDayYear);

inline bool isCalendarDate(const QString& monthDayYear) {
    return calendarDate(monthDayYear).has_value();
}

}  // namespace yrn
