#include "app/PageRenderer.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "app/FieldBinder.h"
#include "interview/Layout.h"
#include "interview/Section.h"

namespace yrn {

namespace {

// Where the first row of answers stands in an answer box, in pixels.
const char* const kRowTop = "yrnRowTop";
const char* const kRowHeight = "yrnRowHeight";

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QFont smallFont(const QWidget* widget) {
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    return font;
}

QLabel* smallLabel(const QString& text, QWidget* parent) {
    QLabel* label = plainLabel(text, parent);
    label->setWordWrap(false);
    label->setFont(smallFont(label));
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

// A sub-label of an answer: bound to a model label or plain text.
QLabel* captionLabel(FieldBinder& binder, const Answer& answer, QWidget* parent) {
    if (!answer.labelId.isEmpty()) {
        QLabel* label = binder.createLabel(answer.labelId, parent);
        label->setWordWrap(false);
        return label;
    }
    if (answer.caption.isEmpty()) return nullptr;
    QLabel* label = plainLabel(answer.caption, parent);
    label->setWordWrap(false);
    return label;
}

}  // namespace

PageRenderer::PageRenderer(FieldBinder& binder, QWidget* content, QVBoxLayout* column)
    : binder_(binder), content_(content), column_(column) {}

QWidget* PageRenderer::host() const {
    return frameBox_ ? frameBox_ : content_;
}

QVBoxLayout* PageRenderer::target() const {
    return frameLayout_ ? frameLayout_ : column_;
}

void PageRenderer::render(const Page& page) {
    for (const Block& block : page.blocks) {
        if (block.frame != frame_) enterFrame(block);
        switch (block.kind) {
            case Block::Kind::Heading:
                heading(block);
                break;
            case Block::Kind::Question:
                question(block);
                break;
            case Block::Kind::Table:
                table(block);
                break;
            case Block::Kind::Note:
                note(block);
                break;
        }
    }
}

// Consecutive blocks of one frame share a group box, enabled with the frame.
void PageRenderer::enterFrame(const Block& block) {
    frame_ = block.frame;
    grid_ = nullptr;
    frameBox_ = nullptr;
    frameLayout_ = nullptr;
    if (frame_.isEmpty()) return;
    auto* box = new QGroupBox(block.frameCaption, content_);
    box->setObjectName(frame_);
    frameLayout_ = new QVBoxLayout(box);
    frameLayout_->setSpacing(10);
    column_->addWidget(box);
    frameBox_ = box;
    binder_.bindFrame(frame_, box);
}

void PageRenderer::heading(const Block& block) {
    grid_ = nullptr;
    QLabel* label = plainLabel(block.text, host());
    label->setObjectName(QStringLiteral("heading"));
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.45);
    font.setBold(true);
    label->setFont(font);
    label->setForegroundRole(QPalette::Highlight);
    if (!block.tip.isEmpty()) label->setToolTip(block.tip);
    target()->addWidget(label);
    auto* rule = new QFrame(host());
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    target()->addWidget(rule);
}

void PageRenderer::note(const Block& block) {
    grid_ = nullptr;
    QLabel* label = plainLabel(block.text, host());
    QFont font = label->font();
    font.setItalic(true);
    label->setFont(font);
    if (!block.tip.isEmpty()) label->setToolTip(block.tip);
    target()->addWidget(label);
}

// Consecutive questions share one grid, so that their answers line up across the
// page: the question text, then the sub-labels (right-aligned), then the boxes.
void PageRenderer::question(const Block& block) {
    if (!grid_) {
        auto* holder = new QWidget(host());
        grid_ = new QGridLayout(holder);
        grid_->setContentsMargins(0, 4, 0, 4);
        grid_->setHorizontalSpacing(12);
        grid_->setVerticalSpacing(6);
        grid_->setColumnStretch(0, 5);
        grid_->setColumnMinimumWidth(0, 260);
        grid_->setColumnStretch(2, 6);
        gridRow_ = 0;
        target()->addWidget(holder);
    }
    QWidget* holder = grid_->parentWidget();
    if (gridRow_ > 0) grid_->setRowMinimumHeight(gridRow_++, 8);  // room between questions

    QLabel* text = block.labelId.isEmpty() ? plainLabel(block.text, holder)
                                           : binder_.createLabel(block.labelId, holder);
    if (!block.tip.isEmpty()) text->setToolTip(block.tip);
    if (block.answers.isEmpty()) {
        grid_->addWidget(text, gridRow_, 0, 1, block.hint.isEmpty() ? 3 : 1, Qt::AlignTop);
        if (!block.hint.isEmpty())
            grid_->addWidget(smallLabel(block.hint, holder), gridRow_, 1, 1, 2, Qt::AlignTop);
        ++gridRow_;
        return;
    }

    int firstRow = gridRow_;
    int rowTop = 0;
    int rowHeight = 0;
    if (block.answers.size() > 1 && isCompact(block)) {
        QWidget* box = compactAnswers(block, holder);
        // A row that starts with a box lines up with the boxes of the page.
        const bool captioned =
            !block.answers.first().caption.isEmpty() || !block.answers.first().labelId.isEmpty();
        grid_->addWidget(box, gridRow_, captioned ? 1 : 2, 1, captioned ? 2 : 1,
                         Qt::AlignLeft | Qt::AlignTop);
        if (!block.tip.isEmpty()) box->setToolTip(block.tip);
        rowTop = box->property(kRowTop).toInt();
        rowHeight = box->property(kRowHeight).toInt();
        ++gridRow_;
    } else {
        if (!block.hint.isEmpty()) {
            grid_->addWidget(smallLabel(block.hint, holder), gridRow_++, 2, Qt::AlignLeft);
            firstRow = gridRow_;
        }
        for (const Answer& answer : block.answers) {
            QWidget* widget = binder_.createField(answer.field, holder);
            if (!widget) continue;
            if (QLabel* caption = captionLabel(binder_, answer, holder))
                grid_->addWidget(caption, gridRow_, 1, Qt::AlignRight | Qt::AlignVCenter);
            grid_->addWidget(widget, gridRow_, 2, Qt::AlignLeft | Qt::AlignVCenter);
            if (!block.tip.isEmpty() && widget->toolTip().isEmpty()) widget->setToolTip(block.tip);
            if (gridRow_ == firstRow) rowHeight = widget->sizeHint().height();
            ++gridRow_;
        }
    }
    // The question's first line stands level with the middle of its first answer row.
    const int lineHeight = text->fontMetrics().height();
    text->setContentsMargins(0, rowTop + std::max(0, (rowHeight - lineHeight) / 2), 0, 0);
    grid_->addWidget(text, firstRow, 0, std::max(1, gridRow_ - firstRow), 1, Qt::AlignTop);
}

// Short answers (dates, times, option groups) stand in one row.
bool PageRenderer::isCompact(const Block& block) const {
    if (block.answers.size() > 4) return false;
    const Section& section = binder_.section();
    return std::all_of(block.answers.cbegin(), block.answers.cend(), [&](const Answer& a) {
        if (!section.has(a.field)) return true;
        const Field& f = section.field(a.field);
        if (f.kind == FieldKind::Text) return !f.multiLine && f.maxLength > 0 && f.maxLength <= 6;
        return f.kind != FieldKind::List || a.caption.isEmpty();
    });
}

QWidget* PageRenderer::compactAnswers(const Block& block, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    const Section& section = binder_.section();

    // A hint line ("MM        DD          YYYY") names the text boxes below it:
    // put each word over its box when the words and boxes match up.
    const QStringList words = block.hint.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int textBoxes = 0;
    for (const Answer& a : block.answers)
        if (section.has(a.field) && section.field(a.field).kind == FieldKind::Text) ++textBoxes;
    const bool spread = !words.isEmpty() && words.size() <= textBoxes;
    if (!block.hint.isEmpty() && !spread) grid->addWidget(smallLabel(block.hint, box), 0, 0, 1, -1);

    int column = 0;
    int word = 0;
    int rowHeight = 0;
    for (const Answer& answer : block.answers) {
        if (QLabel* caption = captionLabel(binder_, answer, box))
            grid->addWidget(caption, 1, column++, Qt::AlignVCenter);
        QWidget* widget = binder_.createField(answer.field, box);
        if (!widget) continue;
        const bool isText = section.field(answer.field).kind == FieldKind::Text;
        if (spread && isText && word < words.size())
            grid->addWidget(smallLabel(words.at(word++), box), 0, column, Qt::AlignHCenter);
        grid->addWidget(widget, 1, column++);
        rowHeight = std::max(rowHeight, widget->sizeHint().height());
    }
    grid->setColumnStretch(column, 1);
    if (spread) box->setToolTip(block.hint);
    const int hintHeight = block.hint.isEmpty() ? 0 : QFontMetrics(smallFont(box)).height();
    box->setProperty(kRowTop, hintHeight > 0 ? hintHeight + grid->verticalSpacing() : 0);
    box->setProperty(kRowHeight, rowHeight);
    return box;
}

void PageRenderer::table(const Block& block) {
    grid_ = nullptr;
    auto* frame = new QFrame(host());
    // Inside a group box the box itself is the border.
    frame->setFrameShape(frameBox_ ? QFrame::NoFrame : QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(frame);
    if (!block.title.isEmpty()) {
        QLabel* title = plainLabel(block.title, frame);
        QFont font = title->font();
        font.setBold(true);
        title->setFont(font);
        layout->addWidget(title);
    }
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(4);
    layout->addLayout(grid);

    qsizetype cells = 0;
    for (const TableRow& row : block.rows)
        cells = std::max(cells, row.cells.size());
    // Headings that outnumber the cells start over the row labels.
    const int first = block.columns.size() > cells ? 0 : 1;
    for (int c = 0; c < block.columns.size(); ++c) {
        QLabel* heading = plainLabel(block.columns.at(c), frame);
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);
        // The heading fills its column, so that a heading wrapped to the column's
        // width gets the height of its lines.
        heading->setAlignment((c + first == 0 ? Qt::AlignLeft : Qt::AlignHCenter) |
                              Qt::AlignVCenter);
        grid->addWidget(heading, 0, first + c);
    }
    // Row labels get room to stand on one line, but no more than their longest
    // needs: a grid of many answers per row keeps its width for them.
    // A row without answers heads the group of rows below it, in bold.
    QFont groupFont = frame->font();
    groupFont.setBold(true);
    int labelWidth = 0;
    for (const TableRow& row : block.rows) {
        const QFontMetrics metrics(row.cells.isEmpty() ? groupFont : frame->font());
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(row.label) + 8);
    }
    int r = 1;
    for (const TableRow& row : block.rows) {
        QLabel* label = plainLabel(row.label, frame);
        label->setMinimumWidth(std::min(220, labelWidth));
        if (row.cells.isEmpty()) label->setFont(groupFont);
        if (!row.tip.isEmpty()) label->setToolTip(row.tip);
        if (row.highlight) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, QColor(192, 0, 0));
            label->setPalette(palette);
        }
        grid->addWidget(label, r, 0, Qt::AlignVCenter);
        for (int c = 0; c < row.cells.size(); ++c) {
            if (row.cells.at(c).isEmpty()) continue;
            if (QWidget* widget = binder_.createField(row.cells.at(c), frame))
                grid->addWidget(widget, r, c + 1, Qt::AlignHCenter);
        }
        ++r;
    }
    // The answers stay close to their row labels; the room left over goes last.
    grid->setColumnStretch(static_cast<int>(std::max<qsizetype>(cells, block.columns.size())) + 1,
                           1);
    if (!block.tip.isEmpty()) frame->setToolTip(block.tip);
    target()->addWidget(frame);
}

}  // namespace yrn
