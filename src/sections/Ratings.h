#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace yrn {

// Lists and answers that several sections ask alike.

// The two buttons of a yes/no question, "No" first.
QStringList noYes();

// How troubled or bothered the client has been, and how important treatment is:
// "not at all" to "extremely".
QStringList severityItems();

// The interviewer's rating of the need for treatment, "0 - No real problem" to
// "9 - Extreme problem"; every item starts with a digit, a blank, "-" and a blank.
QStringList interviewerRatingItems();

// The words of a chosen rating for the report: the text without its first four
// characters ("6 - Considerable problem" gives "Considerable problem"); nullopt when
// the text is four characters or shorter, as when nothing is chosen.
std::optional<QString> ratingWords(const QString& chosenText);

}  // namespace yrn
