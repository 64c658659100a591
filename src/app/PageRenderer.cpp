#include "app/PageRenderer.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <algorithm>

#include "app/FieldBinder.h"
#include "interview/Layout.h"
#include "interview/Section.h"

namespace yrn {

QString shownWording(const QString& declared) {
    // "5.", "6a1.", "1.12", "a.": the number a question or row starts with.
    static const QRegularExpression number(
        QStringLiteral("^(\\d+[a-z]?\\d*(\\.\\d+)?\\.?|[a-z]\\.) +"));
    QStringList lines = declared.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        qsizetype start = 0;
        qsizetype end = line.size();
        while (start < end && line.at(start) == QLatin1Char(' '))
            ++start;
        while (end > start && line.at(end - 1) == QLatin1Char(' '))
            --end;
        const QString body = line.sliced(start, end - start);
        QString out;
        out.reserve(body.size());
        qsizetype i = 0;
        if (const QRegularExpressionMatch m = number.match(body);
            m.hasMatch() && m.capturedLength() < body.size()) {
            out = m.captured(0);
            i = m.capturedLength();
        }
        while (i < body.size()) {
            if (body.at(i) != QLatin1Char(' ')) {
                out += body.at(i++);
                continue;
            }
            qsizetype j = i;
            while (j < body.size() && body.at(j) == QLatin1Char(' '))
                ++j;
            const bool closing = j - i > 1 && QStringLiteral(":?.,)").contains(body.at(j));
            if (!closing) out += QLatin1Char(' ');
            i = j;
        }
        line = out;
    }
    return lines.join(QLatin1Char('\n'));
}

namespace {

// Where the first row of answers stands in an answer box, in pixels.
const char* const kRowTop = "yrnRowTop";
const char* const kRowHeight = "yrnRowHeight";

// How far the parts of a question stand in from it, in pixels.
constexpr int kPartIndent = 24;
// The widest a table's row label gets before it wraps, in pixels.
constexpr int kRowLabelWidth = 560;
// A column heading up to this wide stays on one line, in pixels.
constexpr int kHeadingWidth = 150;

// A declared text as the page shows it.
QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(shownWording(text), parent);
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

// A question or row label that ends in a "$" (padded with blanks to it) asks for
// an amount of dollars: the sign goes beside the box, not at the far end of the
// text. Returns the text without the sign, or the text itself.
QString withoutDollarSign(const QString& text, bool* dollar) {
    QString trimmed = text;
    while (!trimmed.isEmpty() && trimmed.back().isSpace())
        trimmed.chop(1);
    *dollar = trimmed.endsWith(QLatin1Char('$')) && trimmed.size() > 1 &&
              trimmed.at(trimmed.size() - 2).isSpace();
    if (!*dollar) return text;
    trimmed.chop(1);
    while (!trimmed.isEmpty() && trimmed.back().isSpace())
        trimmed.chop(1);
    return trimmed;
}

// Puts a "$" before an answer widget; the pair stays together in the layout.
QWidget* besideDollarSign(QWidget* widget, QWidget* parent) {
    auto* pair = new QWidget(parent);
    auto* row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    auto* sign = new QLabel(QStringLiteral("$"), pair);
    sign->setObjectName(QStringLiteral("dollarSign"));
    row->addWidget(sign);
    widget->setParent(pair);
    row->addWidget(widget);
    return pair;
}

// The property that names the answer a sub-label belongs to (its field id).
const char* const kCaptionOf = "yrnCaptionOf";

// A sub-label of an answer: bound to a model label or plain text. Its lines stand
// right-aligned, next to the answer, as the label itself does.
QLabel* captionLabel(FieldBinder& binder, const Answer& answer, QWidget* parent,
                     bool* dollar = nullptr) {
    QLabel* label = nullptr;
    if (!answer.labelId.isEmpty()) {
        label = binder.createLabel(answer.labelId, parent);
    } else {
        QString text = shownWording(answer.caption);
        if (dollar) text = withoutDollarSign(text, dollar);
        if (text.isEmpty()) return nullptr;
        label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
    }
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setProperty(kCaptionOf, answer.field);
    return label;
}

bool isCommentBox(const FieldBinder& binder, const QString& id) {
    const Section& section = binder.section();
    return section.has(id) && section.field(id).multiLine;
}

bool isPartName(const QString& word) {
    return !word.isEmpty() && word.size() <= 4 &&
           std::all_of(word.cbegin(), word.cend(), [](QChar c) { return c.isUpper(); });
}

// A heading over several columns may end in the names of their parts ("Childs DOB
// MM DD YYYY", "DOB MM/DD/YYYY"): then each part name stands over its own column
// and the rest of the heading over them all. Returns the part names, or none.
QStringList columnParts(const QString& heading, int columns, QString* title) {
    QStringList words = heading.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (columns < 2 || words.isEmpty()) return {};
    QStringList parts;
    const QStringList slashed = words.last().split(QLatin1Char('/'));
    if (slashed.size() == columns && std::all_of(slashed.cbegin(), slashed.cend(), isPartName)) {
        parts = slashed;
        words.removeLast();
    } else if (words.size() > columns &&
               std::all_of(words.cend() - columns, words.cend(), isPartName)) {
        parts = words.mid(words.size() - columns);
        words = words.mid(0, words.size() - columns);
    } else {
        return {};
    }
    *title = words.join(QLatin1Char(' '));
    return parts;
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
    leadIn_ = false;
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

// A note between questions stands under the question it qualifies, in the grid
// of the questions, so the answers before and after it stay in one column.
void PageRenderer::note(const Block& block) {
    leadIn_ = false;
    QLabel* label = plainLabel(block.text, grid_ ? grid_->parentWidget() : host());
    QFont font = label->font();
    font.setItalic(true);
    label->setFont(font);
    if (!block.tip.isEmpty()) label->setToolTip(block.tip);
    if (grid_) {
        grid_->addWidget(label, gridRow_++, 0, Qt::AlignTop);
        return;
    }
    target()->addWidget(label);
}

// Consecutive questions share one grid, so that their answers line up across the
// page: the question text, then the sub-labels (right-aligned), then the boxes.
void PageRenderer::question(const Block& block) {
    if (!grid_) {
        auto* holder = new QWidget(host());
        holder->setObjectName(QStringLiteral("questions"));
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

    // The unnumbered questions that follow a question without answers ("5.  How
    // many times in your life have you:" - "Had DT's?", "Overdosed?") are its parts.
    const QString wordingShown = shownWording(block.text);
    const bool numbered = !wordingShown.isEmpty() && wordingShown.front().isDigit();
    const bool part = leadIn_ && !wordingShown.isEmpty() && !numbered;
    if (!part) leadIn_ = block.answers.isEmpty() && numbered;

    const bool compact = block.answers.size() > 1 && isCompact(block);
    bool dollar = false;
    const QString wording =
        compact || block.answers.isEmpty() ? block.text : withoutDollarSign(block.text, &dollar);
    QLabel* text = block.labelId.isEmpty() ? plainLabel(wording, holder)
                                           : binder_.createLabel(block.labelId, holder);
    if (!block.tip.isEmpty()) text->setToolTip(block.tip);
    const int indent = part ? kPartIndent : 0;
    if (block.answers.isEmpty()) {
        text->setContentsMargins(indent, 0, 0, 0);
        grid_->addWidget(text, gridRow_, 0, 1, block.hint.isEmpty() ? 3 : 1, Qt::AlignTop);
        if (!block.hint.isEmpty())
            grid_->addWidget(smallLabel(block.hint, holder), gridRow_, 1, 1, 2, Qt::AlignTop);
        ++gridRow_;
        return;
    }

    int firstRow = gridRow_;
    int rowTop = 0;
    int rowHeight = 0;
    if (compact) {
        // The first sub-label stands with the other sub-labels and the first
        // answer in the column of answers, so that the row lines up with the page.
        QLabel* lead = captionLabel(binder_, block.answers.first(), holder);
        QWidget* box = compactAnswers(block, holder, lead != nullptr);
        grid_->addWidget(box, gridRow_, 2, Qt::AlignLeft | Qt::AlignTop);
        if (!block.tip.isEmpty()) box->setToolTip(block.tip);
        rowTop = box->property(kRowTop).toInt();
        rowHeight = box->property(kRowHeight).toInt();
        if (lead) {
            lead->setContentsMargins(
                0, rowTop + std::max(0, (rowHeight - lead->sizeHint().height()) / 2), 0, 0);
            grid_->addWidget(lead, gridRow_, 1, Qt::AlignRight | Qt::AlignTop);
        }
        ++gridRow_;
    } else {
        if (!block.hint.isEmpty()) {
            grid_->addWidget(smallLabel(block.hint, holder), gridRow_++, 2, Qt::AlignLeft);
            firstRow = gridRow_;
        }
        for (const Answer& answer : block.answers) {
            QWidget* widget = binder_.createField(answer.field, holder);
            if (!widget) continue;
            const bool comment = isCommentBox(binder_, answer.field);
            bool signed_ = false;
            if (QLabel* caption = captionLabel(binder_, answer, holder, &signed_)) {
                // Beside a comment box the sub-label reads from the box's first line.
                grid_->addWidget(caption, gridRow_, 1,
                                 Qt::AlignRight | (comment ? Qt::AlignTop : Qt::AlignVCenter));
                if (comment) caption->setContentsMargins(0, 4, 0, 0);
            }
            if (!block.tip.isEmpty() && widget->toolTip().isEmpty()) widget->setToolTip(block.tip);
            if (signed_ || (dollar && gridRow_ == firstRow))
                widget = besideDollarSign(widget, holder);
            // A comment box takes the width of its column; other answers their own.
            if (comment)
                grid_->addWidget(widget, gridRow_, 2);
            else
                grid_->addWidget(widget, gridRow_, 2, Qt::AlignLeft | Qt::AlignVCenter);
            if (gridRow_ == firstRow) rowHeight = widget->sizeHint().height();
            ++gridRow_;
        }
    }
    // The question's first line stands level with the middle of its first answer row.
    const int lineHeight = text->fontMetrics().height();
    text->setContentsMargins(indent, rowTop + std::max(0, (rowHeight - lineHeight) / 2), 0, 0);
    grid_->addWidget(text, firstRow, 0, std::max(1, gridRow_ - firstRow), 1, Qt::AlignTop);
}

// The text boxes of a question that a hint line names word by word ("Month
// Year", "MM DD YYYY"), or 0 when the hint does not name them.
int PageRenderer::namedBoxes(const Block& block) const {
    const QStringList words = block.hint.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const Section& section = binder_.section();
    int textBoxes = 0;
    for (const Answer& a : block.answers)
        if (section.has(a.field) && section.field(a.field).kind == FieldKind::Text &&
            !section.field(a.field).multiLine)
            ++textBoxes;
    return !words.isEmpty() && words.size() <= textBoxes ? textBoxes : 0;
}

// Short answers (dates, times, option groups) stand in one row, and so do the
// boxes that a hint line names one by one, however long their answers may be.
bool PageRenderer::isCompact(const Block& block) const {
    if (block.answers.size() > 4) return false;
    const Section& section = binder_.section();
    const bool named = namedBoxes(block) > 0;
    return std::all_of(block.answers.cbegin(), block.answers.cend(), [&](const Answer& a) {
        if (!section.has(a.field)) return true;
        const Field& f = section.field(a.field);
        if (f.kind == FieldKind::Text) {
            if (f.multiLine) return false;
            const int length = section.shownLength(a.field);
            return named || (length > 0 && length <= 6);
        }
        return f.kind != FieldKind::List || a.caption.isEmpty();
    });
}

QWidget* PageRenderer::compactAnswers(const Block& block, QWidget* parent, bool firstCaptionApart) {
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    const Section& section = binder_.section();

    // A hint line ("MM        DD          YYYY") names the text boxes below it:
    // put each word over its box when the words and boxes match up.
    const QStringList words = block.hint.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const bool spread = namedBoxes(block) > 0;
    if (!block.hint.isEmpty() && !spread) grid->addWidget(smallLabel(block.hint, box), 0, 0, 1, -1);

    int column = 0;
    int word = 0;
    int rowHeight = 0;
    for (const Answer& answer : block.answers) {
        const bool apart = firstCaptionApart && &answer == &block.answers.first();
        if (QLabel* caption = apart ? nullptr : captionLabel(binder_, answer, box)) {
            // A sub-label between two answers leaves room after the answer before it.
            if (column > 0) caption->setContentsMargins(8, 0, 0, 0);
            grid->addWidget(caption, 1, column++, Qt::AlignVCenter);
        }
        QWidget* widget = binder_.createField(answer.field, box);
        if (!widget) continue;
        const bool isText = section.field(answer.field).kind == FieldKind::Text;
        if (spread && isText && word < words.size())
            grid->addWidget(smallLabel(words.at(word++), box), 0, column, Qt::AlignHCenter);
        grid->addWidget(widget, 1, column++);
        rowHeight = std::max(rowHeight, widget->sizeHint().height());
    }
    grid->setColumnStretch(column, 1);
    if (spread) box->setToolTip(shownWording(block.hint));
    const int hintHeight = block.hint.isEmpty() ? 0 : QFontMetrics(smallFont(box)).height();
    box->setProperty(kRowTop, hintHeight > 0 ? hintHeight + grid->verticalSpacing() : 0);
    box->setProperty(kRowHeight, rowHeight);
    return box;
}

void PageRenderer::table(const Block& block) {
    grid_ = nullptr;
    leadIn_ = false;
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
    // Columns of option buttons stay apart from each other more than the buttons
    // of one answer do.
    grid->setHorizontalSpacing(28);
    grid->setVerticalSpacing(4);
    layout->addLayout(grid);

    qsizetype cells = 0;
    bool labelled = false;
    for (const TableRow& row : block.rows) {
        cells = std::max(cells, row.cells.size());
        labelled = labelled || !row.label.isEmpty();
    }
    // Headings that outnumber the cells start over the row labels; rows without
    // labels leave no empty column before their answers.
    const int headingsFrom = block.columns.size() > cells ? 0 : 1;
    const int shift = labelled || headingsFrom == 0 ? 0 : -1;
    const auto boldLabel = [frame](const QString& text) {
        QLabel* label = plainLabel(text, frame);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        return label;
    };
    // A heading stands over its column and the untitled columns that follow it;
    // such a heading may name each of its columns (see columnParts).
    struct Heading {
        QLabel* label;
        int column;
        int span;
    };
    QList<Heading> headings;
    for (int c = 0; c < block.columns.size(); ++c) {
        if (block.columns.at(c).isEmpty()) continue;
        int span = 1;
        while (c + span < block.columns.size() && block.columns.at(c + span).isEmpty())
            ++span;
        const int column = headingsFrom + c + shift;
        if (column < 0) continue;
        QString title = block.columns.at(c);
        const QStringList parts = columnParts(block.columns.at(c), span, &title);
        // Headings stand right over the answers; one over several columns starts
        // at the first of them.
        const Qt::Alignment align = span > 1 || (column == 0 && labelled)
                                        ? Qt::AlignLeft | Qt::AlignBottom
                                        : Qt::AlignHCenter | Qt::AlignBottom;
        if (parts.isEmpty()) {
            QLabel* heading = boldLabel(block.columns.at(c));
            grid->addWidget(heading, 0, column, 2, span, align);
            headings.append({heading, column, span});
            continue;
        }
        grid->addWidget(boldLabel(title), 0, column, 1, span, Qt::AlignHCenter | Qt::AlignBottom);
        for (int p = 0; p < parts.size(); ++p)
            grid->addWidget(boldLabel(parts.at(p)), 1, column + p,
                            Qt::AlignHCenter | Qt::AlignBottom);
    }

    // Long rows of answers are easier to follow across the page on alternate
    // shades; a row of group heading starts the shading over.
    const int lastColumn =
        static_cast<int>(std::max<qsizetype>(cells, block.columns.size())) + shift;
    const bool striped = block.rows.size() > 3;
    int shade = 0;
    QHash<int, int> widths;  // the widest answer or label of each column
    const auto occupy = [&widths](int column, int width) {
        widths[column] = std::max(widths.value(column), width);
    };
    int r = 2;
    for (const TableRow& row : block.rows) {
        if (row.cells.isEmpty()) {
            shade = 0;
        } else if (striped && shade++ % 2 == 1) {
            auto* stripe = new QWidget(frame);
            stripe->setObjectName(QStringLiteral("stripe"));
            stripe->setAutoFillBackground(true);
            QPalette palette = stripe->palette();
            palette.setColor(QPalette::Window, palette.color(QPalette::Window).darker(106));
            stripe->setPalette(palette);
            grid->addWidget(stripe, r, 0, 1, lastColumn + 1);
        }
        bool dollar = false;
        if (labelled) {
            QLabel* label = plainLabel(withoutDollarSign(row.label, &dollar), frame);
            // A row without answers heads the group of rows below it, in bold.
            if (row.cells.isEmpty()) {
                QFont font = label->font();
                font.setBold(true);
                label->setFont(font);
            }
            // A row label keeps to one line unless it is long; a long one takes two.
            int longest = 0;
            for (const QString& line : label->text().split(QLatin1Char('\n')))
                longest = std::max(longest, label->fontMetrics().horizontalAdvance(line));
            label->setMinimumWidth(std::min(longest + 2, kRowLabelWidth));
            occupy(0, label->minimumWidth());
            if (!row.tip.isEmpty()) label->setToolTip(row.tip);
            if (row.highlight) {
                QPalette palette = label->palette();
                palette.setColor(QPalette::WindowText, QColor(192, 0, 0));
                label->setPalette(palette);
            }
            grid->addWidget(label, r, 0, Qt::AlignVCenter);
        }
        for (int c = 0; c < row.cells.size(); ++c) {
            if (row.cells.at(c).isEmpty()) continue;
            QWidget* widget = binder_.createField(row.cells.at(c), frame);
            if (!widget) continue;
            if (dollar) widget = besideDollarSign(widget, frame);
            dollar = false;
            grid->addWidget(widget, r, c + 1 + shift, Qt::AlignCenter);
            occupy(c + 1 + shift, widget->sizeHint().width());
        }
        ++r;
    }
    // A heading keeps to one line where its columns leave the room for it
    // ("Psychiatric problems" over four buttons) or where it is short; a long one
    // wraps over a narrow box ("# Days used past 30 on street").
    for (const Heading& heading : std::as_const(headings)) {
        int room = (heading.span - 1) * grid->horizontalSpacing();
        for (int c = heading.column; c < heading.column + heading.span; ++c)
            room += widths.value(c);
        int longest = 0;
        for (const QString& line : heading.label->text().split(QLatin1Char('\n')))
            longest = std::max(longest, heading.label->fontMetrics().horizontalAdvance(line));
        heading.label->setMinimumWidth(std::min(longest + 2, std::max(room, kHeadingWidth)));
    }
    // The answers stay close to their row labels; the room left over goes last.
    grid->setColumnStretch(lastColumn + 1, 1);
    if (!block.tip.isEmpty()) frame->setToolTip(block.tip);
    target()->addWidget(frame);
}

}  // namespace yrn
