#include "interview/Review.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

#include "interview/Interview.h"
#include "interview/Section.h"

namespace yrn {

namespace {

// One box of a question, with the heading of its table column (if any).
struct Box {
    QString field;
    QString column;
};

// A question as the review counts it: the declared question with its boxes, a
// question without text that carries on the one before it (the medication box
// under "If yes, what?"), or a table row.
struct Question {
    QString text;
    QList<Box> boxes;
};

// A declared text on one line with single blanks: the runs of blanks that placed
// the words on the old fixed-width forms, and line breaks, go; a run before a
// closing ":", "?", ".", "," or ")" goes entirely, as the pages show it.
QString fold(const QString& text) {
    static const QRegularExpression beforeClosing(QStringLiteral(" {2,}(?=[:?.,)])"));
    return QString(text).replace(beforeClosing, QString()).simplified();
}

QString joined(QStringList parts) {
    parts.removeAll(QString());
    return parts.join(QStringLiteral(" — "));
}

// The heading over a table column: its own, or that of the titled column it
// stands under ("Childs DOB" spans the day and year columns after it).
QString columnHeading(const QStringList& columns, qsizetype column) {
    for (qsizetype c = std::min(column, columns.size() - 1); c >= 0; --c)
        if (!fold(columns.at(c)).isEmpty()) return fold(columns.at(c));
    return {};
}

QString questionText(const Section& section, const Block& block) {
    return fold(block.labelId.isEmpty() ? block.text : section.label(block.labelId));
}

// The questions of a page in declared order. A table is led by its title, or else
// by the question without answers right before it ("4. Have you ever had any of the
// following health problems?"), and so are the unnumbered questions after such a
// question; table rows follow their group heading ("MOTHER'S SIDE"), and a row
// without a label is named by its number.
QList<Question> questionsOf(const Section& section, const Page& page) {
    QList<Question> out;
    QString lead;
    bool carriesOn = false;  // a question without text joins the last one
    for (const Block& block : page.blocks) {
        switch (block.kind) {
            case Block::Kind::Heading:
                lead.clear();
                carriesOn = false;
                break;
            case Block::Kind::Note:
                break;
            case Block::Kind::Question: {
                const QString text = questionText(section, block);
                if (block.answers.isEmpty()) {
                    lead = text;
                    carriesOn = false;
                    break;
                }
                QList<Box> boxes;
                for (const Answer& answer : block.answers)
                    if (!answer.field.isEmpty()) boxes.append(Box{answer.field, {}});
                if (text.isEmpty() && carriesOn) {
                    out.last().boxes += boxes;
                    break;
                }
                // An unnumbered question after one without answers is a part of it
                // ("5. How many times in your life have you:", "Had DT's?").
                QString asked = text.isEmpty() ? fold(block.answers.first().caption) : text;
                if (!lead.isEmpty() && !text.isEmpty() && !text.front().isDigit())
                    asked = joined({lead, text});
                else
                    lead.clear();
                out.append(Question{asked, boxes});
                carriesOn = true;
                break;
            }
            case Block::Kind::Table: {
                const QString title = fold(block.title).isEmpty() ? lead : fold(block.title);
                QString group;
                int number = 0;
                for (const TableRow& row : block.rows) {
                    QList<Box> boxes;
                    for (qsizetype c = 0; c < row.cells.size(); ++c)
                        if (!row.cells.at(c).isEmpty())
                            boxes.append(Box{row.cells.at(c), columnHeading(block.columns, c)});
                    if (boxes.isEmpty()) {
                        group = fold(row.label);
                        continue;
                    }
                    ++number;
                    const QString label = fold(row.label).isEmpty()
                                              ? QStringLiteral("Row ") + QString::number(number)
                                              : fold(row.label);
                    out.append(Question{joined({title, group, label}), boxes});
                }
                lead.clear();
                carriesOn = false;
                break;
            }
        }
    }
    return out;
}

// The pages of a section as Next goes through them from the first; a page that
// Next skips (the drug comments, the children after no live birth) is not asked.
QList<const Page*> pagesInOrder(const Section& section) {
    QList<const Page*> pages;
    QSet<int> seen;
    for (int index = section.firstPage(); index >= 0 && !seen.contains(index);
         index = section.nextPage(index)) {
        seen.insert(index);
        if (const Page* page = section.page(index)) pages.append(page);
    }
    return pages;
}

// "Halverin Drug Court YRN -- Drug Information " gives "Drug Information".
QString captionTitle(const QString& caption) {
    const qsizetype dash = caption.indexOf(QStringLiteral("--"));
    return fold(dash < 0 ? caption : caption.mid(dash + 2));
}

ReviewItem itemAt(const Section& section, const Page& page, int pageNumber, const QString& field,
                  const QString& question) {
    ReviewItem item;
    item.module = section.info().module;
    item.sectionCaption =
        captionTitle(page.caption.isEmpty() ? section.info().caption : page.caption);
    item.page = page.index;
    item.pageNumber = pageNumber;
    item.fieldId = field;
    item.question = question;
    return item;
}

bool applies(const Section& section, const Field& field) {
    return !field.optional && !field.held && section.usable(field.id);
}

bool empty(const Field& field) {
    switch (field.kind) {
        case FieldKind::Text:
            return fold(field.text).isEmpty();
        case FieldKind::Option:
            return field.choice < 0;
        case FieldKind::List:
            return field.position < 0;
        case FieldKind::Check:
            return false;
    }
    return false;
}

}  // namespace

QString ReviewItem::where() const {
    return sectionCaption + QStringLiteral(", page ") + QString::number(pageNumber);
}

QString Review::reportQuestion() const {
    if (complete()) return {};
    const ReviewItem& first = unanswered.first();
    const QString count = unanswered.size() == 1 ? QStringLiteral("1 question is")
                                                 : QString::number(unanswered.size()) +
                                                       QStringLiteral(" questions are");
    return count + QStringLiteral(" not answered (first: ") + first.sectionCaption +
           QStringLiteral(", ") + first.question + QStringLiteral("). Make the report anyway?");
}

QList<ReviewItem> unansweredQuestions(const Section& section) {
    QList<ReviewItem> items;
    const QList<const Page*> pages = pagesInOrder(section);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        for (const Question& question : questionsOf(section, *pages.at(p))) {
            const auto open = std::find_if(question.boxes.cbegin(), question.boxes.cend(),
                                           [&section](const Box& box) {
                                               const Field& field = section.field(box.field);
                                               return applies(section, field) && empty(field);
                                           });
            if (open != question.boxes.cend())
                items.append(itemAt(section, *pages.at(p), int(p) + 1, open->field,
                                    joined({question.text, open->column})));
        }
    }
    return items;
}

ReviewItem reviewWarning(const Section& section, const QString& fieldId, const QString& text) {
    // Pages Next skips are looked at last, so that a field is found where it is asked.
    QList<const Page*> pages = pagesInOrder(section);
    const qsizetype asked = pages.size();
    for (const Page& page : section.pages())
        if (!pages.contains(&page)) pages.append(&page);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        for (const Question& question : questionsOf(section, *pages.at(p))) {
            for (const Box& box : question.boxes) {
                if (box.field != fieldId) continue;
                ReviewItem item = itemAt(section, *pages.at(p), p < asked ? int(p) + 1 : 0, fieldId,
                                         joined({question.text, box.column}));
                item.warning = text;
                return item;
            }
        }
    }
    ReviewItem item;
    item.module = section.info().module;
    item.sectionCaption = captionTitle(section.info().caption);
    item.fieldId = fieldId;
    item.warning = text;
    return item;
}

bool hasAnswer(const Section& section, const QString& fieldId) {
    const Field& field = section.field(fieldId);
    if (field.held) return false;
    if (field.kind == FieldKind::Check) return field.check != CheckState::Clear;
    return !empty(field);
}

Review reviewAnswers(const Interview& interview) {
    Review review;
    for (const Section* section : interview.sections())
        review.unanswered += unansweredQuestions(*section);
    // A section's checks run under its error handler, as its rules do: a fault in
    // one shows the "Program Error" box and the review goes on.
    for (Section* section : interview.sections())
        section->guard(section->info().module + QStringLiteral(".reviewWarnings"),
                       [&] { review.warnings += section->reviewWarnings(); });
    return review;
}

}  // namespace yrn
