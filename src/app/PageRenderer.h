#pragma once

#include <QString>

class QGridLayout;
class QVBoxLayout;
class QWidget;

namespace yrn {

struct Block;
struct Page;
class FieldBinder;

// A question, label or heading as the page shows it. The declared texts keep
// the runs of blanks that once placed their words on a fixed-width form; on a
// page that wraps its texts they would only leave wide gaps. Each line loses
// the blanks at its ends, a run of blanks inside it becomes one blank (none
// before a closing ":", "?", ".", "," or ")"), and the blanks after a leading
// number ("5.     Have", "1.1    Alcohol") stay, since they line up the texts
// that follow the numbers.
QString shownWording(const QString& declared);

// Lays out the declared blocks of one page as widgets: headings, questions with
// their answers (aligned in one column of boxes), tables with column headings
// and row labels, notes, and frames as group boxes. The answer widgets come
// from the binder, which keeps them in step with the model.
class PageRenderer {
  public:
    PageRenderer(FieldBinder& binder, QWidget* content, QVBoxLayout* column);
    void render(const Page& page);

  private:
    QWidget* host() const;
    QVBoxLayout* target() const;
    void enterFrame(const Block& block);
    void heading(const Block& block);
    void question(const Block& block);
    void table(const Block& block);
    void note(const Block& block);
    QWidget* compactAnswers(const Block& block, QWidget* parent, bool firstCaptionApart);
    bool isCompact(const Block& block) const;
    int namedBoxes(const Block& block) const;

    FieldBinder& binder_;
    QWidget* content_;
    QVBoxLayout* column_;
    QString frame_;                // the frame being filled, if any
    QWidget* frameBox_ = nullptr;  // its group box
    QVBoxLayout* frameLayout_ = nullptr;
    QGridLayout* grid_ = nullptr;  // the question grid being filled
    int gridRow_ = 0;
    bool leadIn_ = false;  // the last question asked for parts (no answers of its own)
};

}  // namespace yrn
