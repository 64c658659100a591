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

// Has the system's time zone read once for the process. With TZ unset, the C library
// reads the time zone file again at every local time conversion: listing 5 000
// client folders by time took up to a second so. Called first thing in main.
inline void readTimeZoneOnce() {
    if (!qEnvironmentVariableIsSet("TZ")) qputenv("TZ", ":/etc/localtime");
}

}  // namespace yrn
