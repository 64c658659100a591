#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace yrn {

// The declared look of a section's pages. The generic pane view renders these
// blocks; none of them holds an answer (answers live in the section's fields).

// One answer control placed in a question: the field and the sub-label shown with it.
// A sub-label whose text rules change names the model label in labelId.
struct Answer {
    QString field;
    QString caption = {};
    QString labelId = {};
};

struct TableRow {
    QString label;
    QString tip;             // description shown when the mouse rests on the row label
    QStringList cells;       // one field id per column ("" for an empty cell)
    bool highlight = false;  // row label shown in red (it carries a description)
};

struct Block {
    enum class Kind { Heading, Question, Table, Note };
    Kind kind = Kind::Question;

    QString text;     // heading, question or note text, exactly as given
    QString labelId;  // question text bound to a model label whose text rules change
    QString hint;     // a line of sub-labels over the answers ("MM        DD          YYYY")
    QList<Answer> answers;

    QString title;        // a table's title
    QStringList columns;  // a table's column headings
    QList<TableRow> rows;

    QString frame;  // the frame (group box) that holds the block, if any
    QString frameCaption;
    QString tip;
};

struct Page {
    int index = 0;
    QList<Block> blocks;
    QString nextCaption;  // "" when the page has no Next button
    QString backCaption;  // "" when the page has no Back button
    QString nextButton;   // control names of the buttons ("cmdNextL(0)")
    QString backButton;
    // Further command buttons of the page: (control name, caption).
    QList<std::pair<QString, QString>> buttons;
    // A page with a caption of its own (the interviewer ratings page) sets it, and
    // the View menu check mark of viewMenuItem, when it is entered by Next or shown
    // directly; going Back from it restores the section's caption and check mark.
    QString caption;
    int viewMenuItem = -1;

    // The answer fields of the page in the order they are declared: the answers of
    // each question, the cells of each table row by row. This is the order the
    // keyboard goes through them.
    QStringList fields() const;
};

// A small builder so that a section's questionnaire reads like the questionnaire.
class PageBuilder {
  public:
    // Builds on the page of the given index in a section's page list.
    PageBuilder(QList<Page>& pages, int index) : pages_(pages), index_(index) {}

    PageBuilder& heading(const QString& text);
    PageBuilder& question(const QString& text, QList<Answer> answers = {},
                          const QString& hint = {});
    PageBuilder& boundQuestion(const QString& labelId, QList<Answer> answers = {});
    PageBuilder& table(const QString& title, QStringList columns, QList<TableRow> rows);
    PageBuilder& note(const QString& text);
    // Puts the blocks added from now on into a frame, until endFrame().
    PageBuilder& frame(const QString& name, const QString& caption = {});
    PageBuilder& endFrame();
    // The tip of the last block added.
    PageBuilder& tip(const QString& text);
    // The Next and Back buttons: captions ("" for no button) and control names.
    PageBuilder& nav(const QString& nextCaption, const QString& backCaption,
                     const QString& nextButton = {}, const QString& backButton = {});
    PageBuilder& button(const QString& name, const QString& caption);
    PageBuilder& caption(const QString& text, int viewMenuItem);

  private:
    Block& add(Block block);
    Page& page();
    QList<Page>& pages_;
    int index_;
    QString frame_;
    QString frameCaption_;
};

}  // namespace yrn
