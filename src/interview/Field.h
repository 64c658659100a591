#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace yrn {

enum class FieldKind { Text, Option, List, Check };

// How a field is painted: its normal colour (window colour for boxes and lists,
// button face for option buttons), the dark red of a question that does not apply,
// or the blue highlight of a drug "Comments" button with a stored comment.
enum class Background { Normal, NotApplicable, Highlighted };

enum class CheckState { Clear = 0, Ticked = 1, Grey = 2 };

// The id of the n-th element of a control array: arr("txtCharges", 3) is "txtCharges(3)".
QString arr(const QString& stem, int index);

// One answer control of a pane: a text box, an option group (its buttons are one
// field, the value is the chosen button or -1), a drop-down list (a position, items
// optionally carrying integer codes) or a check box.
struct Field {
    QString id;      // "txtLastName", "txtCharges(3)", "optSex", "optEverUse(3)"
    QString stem;    // "txtCharges", "optSex"
    int index = -1;  // the control-array index; -1 for a single control
    FieldKind kind = FieldKind::Text;

    // Text box
    QString text;
    int maxLength = 0;  // 0: no limit
    bool multiLine = false;

    // Option group: one caption per button; the chosen button or -1.
    QStringList captions;
    int choice = -1;

    // Drop-down list: the position chosen or -1; codes are empty for a list stored
    // by position.
    QStringList items;
    QList<int> codes;
    int position = -1;

    // Check box
    QString caption;
    CheckState check = CheckState::Clear;

    // State shared by every kind
    bool enabled = true;
    Background background = Background::Normal;
    // A closed answer that is kept but not shown: a row of a table whose count is
    // still being typed. It shows again when the field opens; a new value ends it.
    bool held = false;
    QString tip;
    QString frame;  // the frame that holds the field, if any
    // An answer the interview may leave empty (the interviewer's comments, a middle
    // initial, a "Specify" box): the completeness review never asks for it.
    bool optional = false;

    bool hasCodes() const { return !codes.isEmpty(); }
    // The text a list shows: its chosen item, or "" when nothing is chosen.
    QString listText() const;
    // The item code of the chosen item, or -1.
    int code() const;
};

}  // namespace yrn
