#pragma once

#include <QString>
#include <optional>

namespace yrn {

// The numeric-string test: optional blanks around an optional sign, digits and an
// optional decimal part ("12", "-5", "12.5", ".5", "5."). "." is the decimal point in
// every locale. Exponents ("1e2"), thousands separators ("1,000") and currency
// signs are refused: no answer box needs them and they are mostly typing slips.
bool isNumeric(const QString& text);

// The value of a numeric text taken to the nearest whole number, a tie going to the
// even number (12.5 -> 12, 13.5 -> 14). Parsed exactly from the digits, so no text
// silently becomes 0; nullopt for a text that is not numeric or whose value lies
// beyond 18 digits.
std::optional<qint64> roundedValue(const QString& text);

// The rounded value of a numeric text when it fits a 32-bit integer; nullopt for a
// text that is not numeric and for a value past 32 bits, which lies outside every
// range an answer box has. Rules, narratives and the review take answers as
// numbers here or through roundedValue, so a long number never wraps round to a
// small one (or to 0).
std::optional<qint32> checkedValue(const QString& text);

// The message of a failed check.
QString inputErrorText(qint32 minimum, qint32 maximum);

}  // namespace yrn
