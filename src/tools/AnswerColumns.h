#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace yrn {

class DeclaredSection;
class Interview;

// One column of the answers of all clients: a stored answer of a section file,
// or the item a list shows beside its stored code or position.
struct AnswerColumn {
    QString fieldId;         // "cboSite", "txtCharges(3)"
    bool shownText = false;  // the list's shown item rather than its code or position
    bool integer = false;    // an option, list or check-box value rather than text
    QString csvName;         // "Location.cboSite", "Location.cboSite.text"
    QString sqlName;         // "cboSite", "cboSite_text", "txtCharges_3"
};

// The answers of one section file: its stem names the table ("Location" for
// "Location.YRN") and the columns follow the file's declared layout, so a section
// exports whatever its file stores, in file order (a field stored twice once, where
// it first stands).
struct AnswerTable {
    const DeclaredSection* section = nullptr;
    QString stem;
    QString fileName;
    QList<AnswerColumn> columns;
};

// The tables of an interview's sections in interview order; a section with no file
// layout stores nothing and has no table.
QList<AnswerTable> answerTables(const Interview& interview);

// A column's value in the section as it stands: a text, an option's button, a
// list's code (where its items carry codes) or position, the list's shown item,
// a check box's 1 or 0. Null for an unanswered question (an empty text, no button
// or item chosen).
QVariant answerValue(const DeclaredSection& section, const AnswerColumn& column);

}  // namespace yrn
