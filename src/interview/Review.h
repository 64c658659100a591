#pragma once

#include <QList>
#include <QString>

namespace yrn {

class Interview;
class Section;

// One entry of the completeness review: a question that applies and has no answer,
// or a warning about answers that contradict each other. It names the box to put
// the focus in: the section (Interview::section(module)), the page to show and the
// field.
struct ReviewItem {
    QString module;          // the section's module name ("ctlDrugs")
    QString sectionCaption;  // "Drug Information"; a page with a caption of its own gives
                             // that ("Interviewer Ratings")
    int page = -1;           // the index of the page that holds the field
    int pageNumber = 0;      // the page's place in its section as Next goes, 1 first
    QString fieldId;         // for a question of several boxes, its first unanswered one
    // The question as asked, folded to one line of single blanks; a table cell gives
    // the table's title (or the question that leads into it), the row's group and
    // label and the column heading, joined by " — ".
    QString question;
    QString warning;  // a warning's plain-English text; empty for an unanswered question

    bool isWarning() const { return !warning.isEmpty(); }
    // "Drug Information, page 3".
    QString where() const;
    // What to show of it: the question, or for a warning its text.
    QString text() const { return isWarning() ? warning : question; }
};

// The completeness review of the answers on screen: the unanswered questions in
// interview order (section by section, page by page as Next goes, question by
// question as the page declares them), and the warnings, section by section.
// Warnings never make a client incomplete.
struct Review {
    QList<ReviewItem> unanswered;
    QList<ReviewItem> warnings;

    bool complete() const { return unanswered.isEmpty(); }
    // The question asked before a report is made of an incomplete client:
    // "3 questions are not answered (first: Locator Information, Interviewer:). Make
    // the report anyway?"; empty for a complete client.
    QString reportQuestion() const;
};

// Reviews every section of the interview. A question applies when one of its boxes
// is usable (enabled, in an enabled frame), not held and not optional, on a page
// that Next reaches; it is unanswered when such a box is: a text box empty or all
// blanks, an option group with no button chosen, a list with no item chosen (a
// check box is always answered). A question with several boxes, and a table row,
// counts once.
Review reviewAnswers(const Interview& interview);

// The questions of one section that apply and have no answer, in order.
QList<ReviewItem> unansweredQuestions(const Section& section);

// A warning about a field of a section, for Section::reviewWarnings: the field's
// page and question are looked up in the section's declared pages.
ReviewItem reviewWarning(const Section& section, const QString& fieldId, const QString& text);

// Whether a field holds an answer the person can see: a held field holds none.
bool hasAnswer(const Section& section, const QString& fieldId);

}  // namespace yrn
