#include "app/ReviewPanel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <optional>

#include "app/ButtonKeys.h"

namespace yrn {

namespace {

constexpr int kEntryRole = Qt::UserRole;

bool sameEntry(const ReviewItem& a, const ReviewItem& b) {
    return a.module == b.module && a.fieldId == b.fieldId && a.warning == b.warning;
}

}  // namespace

ReviewPanel::ReviewPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmReview"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 8);
    auto* top = new QHBoxLayout();
    summary_ = new QLabel(this);
    summary_->setTextFormat(Qt::PlainText);
    top->addWidget(summary_, 1);
    go_ = new QPushButton(QStringLiteral("&Go to Question"), this);
    go_->setObjectName(QStringLiteral("cmdGoToQuestion"));
    pressOnEnter(go_);
    top->addWidget(go_);
    layout->addLayout(top);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lstReview"));
    list_->setColumnCount(2);
    list_->setHeaderLabels({QStringLiteral("Where"), QStringLiteral("Question")});
    list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->installEventFilter(this);
    layout->addWidget(list_, 1);

    connect(go_, &QPushButton::clicked, this, &ReviewPanel::goToCurrent);
    connect(list_, &QTreeWidget::itemActivated, this, [this] { goToCurrent(); });
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this] { go_->setEnabled(currentEntry() >= 0); });
}

void ReviewPanel::addGroup(const QString& title, const QList<ReviewItem>& items) {
    auto* group = new QTreeWidgetItem(list_, {title});
    group->setFirstColumnSpanned(true);
    QFont bold = group->font(0);
    bold.setBold(true);
    group->setFont(0, bold);
    for (const ReviewItem& item : items) {
        auto* row = new QTreeWidgetItem(group, {item.where(), item.text()});
        row->setData(0, kEntryRole, static_cast<int>(entries_.size()));
        row->setToolTip(1, item.isWarning() ? item.question : item.text());
        entries_.append(item);
    }
    group->setExpanded(true);
}

void ReviewPanel::setReview(const Review& review) {
    const int before = currentEntry();
    const std::optional<ReviewItem> chosen =
        before >= 0 ? std::optional(entries_.at(before)) : std::nullopt;
    list_->clear();
    entries_.clear();
    const auto n = review.unanswered.size();
    summary_->setText(review.complete() ? QStringLiteral("Every question that applies is answered.")
                      : n == 1          ? QStringLiteral("1 question is not answered.")
                                        : QStringLiteral("%1 questions are not answered.").arg(n));
    if (!review.unanswered.isEmpty())
        addGroup(QStringLiteral("Not answered (%1)").arg(n), review.unanswered);
    if (!review.warnings.isEmpty())
        addGroup(
            QStringLiteral("Answers that contradict each other (%1)").arg(review.warnings.size()),
            review.warnings);
    int current = entries_.isEmpty() ? -1 : 0;
    for (int i = 0; chosen && i < entries_.size(); ++i)
        if (sameEntry(entries_.at(i), *chosen)) current = i;
    for (QTreeWidgetItemIterator it(list_); *it; ++it)
        if ((*it)->data(0, kEntryRole).isValid() && (*it)->data(0, kEntryRole).toInt() == current)
            list_->setCurrentItem(*it);
    go_->setEnabled(currentEntry() >= 0);
}

int ReviewPanel::currentEntry() const {
    const QTreeWidgetItem* item = list_->currentItem();
    return item && item->data(0, kEntryRole).isValid() ? item->data(0, kEntryRole).toInt() : -1;
}

void ReviewPanel::choose(int entry) {
    if (entry < 0 || entry >= entries_.size()) return;
    emit chosen(entries_.at(entry));
}

void ReviewPanel::goToCurrent() {
    choose(currentEntry());
}

bool ReviewPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            emit closeRequested();
            return true;
        }
        // Enter goes to the question once; the list would pass it on as well.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            goToCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace yrn
