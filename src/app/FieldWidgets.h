#pragma once

#include <QString>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace yrn {

// A one-line answer box that knows what the person is putting into it (typed,
// pasted by key, menu or middle button, dropped), so that what its maximum length
// refuses can be told.
QLineEdit* newAnswerBox(QWidget* parent);
// What a box made by newAnswerBox just refused: "This answer holds at most 50
// characters", and for a paste or drop how much of it was left out.
QString refusedNote(const QLineEdit* box, qsizetype limit);
// A comment box that draws its frame in the highlight colour while it has the focus.
QPlainTextEdit* newCommentBox(QWidget* parent);
// An option group of one button: a command in the shape of an option button.
QRadioButton* newCommandOption(const QString& caption, QWidget* parent);
// A list that turns with the wheel only when it has the focus, picks items by
// typing and opens only on Alt+Down and F4.
QComboBox* newPageList(QWidget* parent);

}  // namespace yrn
