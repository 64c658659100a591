#include "interview/Layout.h"

namespace yrn {

QStringList Page::fields() const {
    QStringList out;
    for (const Block& block : blocks) {
        for (const Answer& answer : block.answers)
            out.append(answer.field);
        for (const TableRow& row : block.rows)
            for (const QString& cell : row.cells)
                if (!cell.isEmpty()) out.append(cell);
    }
    return out;
}

Page& PageBuilder::page() {
    for (Page& p : pages_)
        if (p.index == index_) return p;
    pages_.append(Page{});
    pages_.last().index = index_;
    return pages_.last();
}

Block& PageBuilder::add(Block block) {
    block.frame = frame_;
    block.frameCaption = frameCaption_;
    page().blocks.append(std::move(block));
    return page().blocks.last();
}

PageBuilder& PageBuilder::heading(const QString& text) {
    Block b;
    b.kind = Block::Kind::Heading;
    b.text = text;
    add(std::move(b));
    return *this;
}

PageBuilder& PageBuilder::question(const QString& text, QList<Answer> answers,
                                   const QString& hint) {
    Block b;
    b.kind = Block::Kind::Question;
    b.text = text;
    b.answers = std::move(answers);
    b.hint = hint;
    add(std::move(b));
    return *this;
}

PageBuilder& PageBuilder::boundQuestion(const QString& labelId, QList<Answer> answers) {
    Block b;
    b.kind = Block::Kind::Question;
    b.labelId = labelId;
    b.answers = std::move(answers);
    add(std::move(b));
    return *this;
}

PageBuilder& PageBuilder::table(const QString& title, QStringList columns, QList<TableRow> rows) {
    Block b;
    b.kind = Block::Kind::Table;
    b.title = title;
    b.columns = std::move(columns);
    b.rows = std::move(rows);
    add(std::move(b));
    return *this;
}

PageBuilder& PageBuilder::note(const QString& text) {
    Block b;
    b.kind = Block::Kind::Note;
    b.text = text;
    add(std::move(b));
    return *this;
}

PageBuilder& PageBuilder::frame(const QString& name, const QString& caption) {
    frame_ = name;
    frameCaption_ = caption;
    return *this;
}

PageBuilder& PageBuilder::endFrame() {
    frame_.clear();
    frameCaption_.clear();
    return *this;
}

PageBuilder& PageBuilder::tip(const QString& text) {
    if (!page().blocks.isEmpty()) page().blocks.last().tip = text;
    return *this;
}

PageBuilder& PageBuilder::nav(const QString& nextCaption, const QString& backCaption,
                              const QString& nextButton, const QString& backButton) {
    page().nextCaption = nextCaption;
    page().backCaption = backCaption;
    page().nextButton = nextButton;
    page().backButton = backButton;
    return *this;
}

PageBuilder& PageBuilder::button(const QString& name, const QString& caption) {
    page().buttons.append({name, caption});
    return *this;
}

PageBuilder& PageBuilder::caption(const QString& text, int viewMenuItem) {
    page().caption = text;
    page().viewMenuItem = viewMenuItem;
    return *this;
}

}  // namespace yrn
