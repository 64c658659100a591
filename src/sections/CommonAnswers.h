#pragma once

#include <QString>
#include <QStringList>

namespace yrn {

class ReportWriter;

// Lists and report wordings that several sections share.

// The two buttons of a yes/no question, "No" first.
QStringList noYes();

// "Not at all" to "Extremely": how troubled the client is, how important treatment is.
QStringList fiveStepItems();
// The same steps in lower case, as the medical and employment panes list them.
QStringList lowerCaseFiveStepItems();
// "0 - No real problem" to "9 - Extreme problem": the interviewer's rating of a need.
QStringList ratingItems();

// The words of a rating for the report: the list text without its "n - " (the first
// four characters); "" when the text is not longer than four characters (no rating
// chosen), in which case the narrative leaves its placeholder alone.
QString ratingWords(const QString& ratingText);
// Fills the placeholder with the rating's words; with no rating chosen its marker
// stays.
void reportRating(ReportWriter& report, const QString& field, const QString& ratingText);

// Fills the placeholder with a phrase of an answer; an empty phrase, or one of blanks
// only (the question was not answered), leaves its marker, so the report states
// nothing not answered.
void reportAnswered(ReportWriter& report, const QString& field, const QString& phrase);
// Whether a box holds an answer: anything but blanks (a typed 0 is an answer).
bool typedAnswer(const QString& typed);
// The words for the button chosen in a No/Yes group; "" when neither is chosen.
QString noYesWords(int choice, const QString& no, const QString& yes);

// A count typed as one: "1" or "01".
bool isOne(const QString& typed);
// A count that is 0 by value ("0", "00", ".0"); an empty box is none.
bool isZero(const QString& typed);
// An empty box, or a count that is 0 by value.
bool zeroOrEmpty(const QString& typed);

// A count typed in a box, in words: `one` for "1" or "01"; otherwise the text as
// typed, a blank and `many` ("12 years", "0 years"); an empty box gives just the
// blank and `many` (" times"), a gap inside a sentence built of several answers.
QString countPhrase(const QString& typed, const QString& one, const QString& many);
// A count that fills a placeholder of its own: as countPhrase, but "" for a box
// without an answer, so that reportAnswered leaves the marker.
QString countAnswer(const QString& typed, const QString& one, const QString& many);

}  // namespace yrn
