#pragma once

#include <QString>

namespace yrn {

inline const QString kCrLf = QStringLiteral("\r\n");

// x followed by blanks up to n characters; a longer x is kept whole.
QString padded(const QString& x, int n);

// A text longer than two characters gets an upper-case first character.
QString CapitalizeFirst(const QString& text);
// The label padded to 29, the value, " days".
QString DaysLine(const QString& label, const QString& value);
// "has not" for "0", "has" for any other text; "" for an empty box, whose question
// was not answered, so that the narrative leaves its placeholder alone.
QString HasPhrase(const QString& value);
// By the button chosen in a No/Yes group: "does not" for No, "does" for Yes; "" when
// neither is chosen (the placeholder stays).
QString DoesPhrase(int choice);
// a to 20, b, c and d to 16, CR LF.
QString FamilyTableLine(const QString& a, const QString& b, const QString& c, const QString& d);
// a to 27, b to 8, c to 11, d, CR LF.
QString DrugTableLine(const QString& a, const QString& b, const QString& c, const QString& d);
// The label's caption to 45, "$", the box's text, CR LF.
QString MoneyLine(const QString& labelCaption, const QString& text);
// The label text to 45, the list's chosen text, CR LF.
QString ComboLine(const QString& labelText, const QString& listText);
// A child chart row. The custody word is "Joint--w/mother" for position 0 of the
// custody status list, "Joint--w/father" for position 1, else the list's text; it is
// followed by 19 - n blanks, n being its length without outer blanks.
QString ChildLine(const QString& a, const QString& b, const QString& c, int custodyPosition,
                  const QString& custodyText, const QString& e, const QString& f);
// The child chart's heading: each title padded to the width of the column ChildLine
// fills under it, so that it stands over its column; no line break.
QString ChildChartHeading();

}  // namespace yrn
