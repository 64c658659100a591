#pragma once

#include <QList>
#include <QWidget>

#include "interview/Review.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace yrn {

// The completeness review on screen, in a panel under the pages: the questions that
// apply and are not answered, by section and page in interview order, and the
// warnings about answers that contradict each other. Choosing one (Enter, a double
// click, Go to Question) hands it to the window, which goes to its question; the
// window brings the list up to the answers as they change. Escape hands the
// keyboard back to the page.
class ReviewPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ReviewPanel(QWidget* parent = nullptr);

    // Lists the review; the entry chosen before stays chosen while it is listed.
    void setReview(const Review& review);

    QTreeWidget* list() const { return list_; }
    QPushButton* goButton() const { return go_; }
    QLabel* summary() const { return summary_; }
    // The entries in the order they are listed (unanswered first, then warnings).
    const QList<ReviewItem>& entries() const { return entries_; }
    // Chooses the entry at that place of entries().
    void choose(int entry);

  signals:
    void chosen(const ReviewItem& item);
    void closeRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void goToCurrent();
    void addGroup(const QString& title, const QList<ReviewItem>& items);
    int currentEntry() const;

    QLabel* summary_;
    QTreeWidget* list_;
    QPushButton* go_;
    QList<ReviewItem> entries_;
};

}  // namespace yrn
