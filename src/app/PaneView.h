#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "app/Twips.h"

class QKeyEvent;
class QPushButton;

namespace yrn {

class FieldBinder;
class PaneHost;
class Section;
struct Page;

// One section pane: renders the section's declared pages, binds their answer
// widgets to the model, and fulfils the pane contract (Start, Finish, Caption,
// HideFrames, ShowFrames, FSettings, ResizeFrames) with Next / Back navigation
// and the section's page skips. Exactly one page is visible while the pane is.
//
// A page is made when it is first shown or looked into, not with the pane: the
// answers live in the model, and the widgets take them from it when they are made,
// so a window starts with only the page it shows.
class PaneView : public QWidget {
    Q_OBJECT
  public:
    PaneView(Section& section, PaneHost& host, QWidget* parent = nullptr);
    ~PaneView() override;

    Section& section() const { return section_; }
    FieldBinder& binder() const { return *binder_; }

    // --- The pane contract ---
    void Start();
    void Finish();
    void FSettings();
    void Caption();
    void HideFrames();
    void ShowFrames();
    void ResizeFrames();
    // Shows the page that carries a caption of its own (the interviewer ratings
    // page of the mental health pane) with that caption and check mark.
    void Frame3();
    // True when one of the pages carries its own caption and View item.
    bool hasCaptionPage(int viewItem) const;

    // The Next and Back buttons of the page on screen.
    void next();
    void back();
    // Shows a page of the pane with its caption and check mark, as coming back
    // to it would (a restored interview returns to where it was).
    void goTo(int page);

    // --- Looking in (the window and the tests) ---
    // The page on screen, or -1.
    int currentPage() const;
    QList<int> visiblePages() const;
    // A page of the pane, made if it is not made yet.
    QWidget* pageWidget(int index);
    // A command button by control name ("cmdNextMH(5)", "cmdSave"), its page made.
    QPushButton* button(const QString& name);
    // How many of the pages are made.
    qsizetype pagesMade() const { return pages_.size(); }
    // An event filter installed on every page, those made later too (the recovery
    // copies follow page changes so).
    void watchPages(QObject* watcher);
    // Where the pane was placed and the page size last applied, in twips.
    void setPaneTwips(const twips::Rect& rect) { paneTwips_ = rect; }
    twips::Rect paneTwips() const { return paneTwips_; }
    twips::Rect pageTwips() const { return pageTwips_; }
    // Moves the keyboard to a field of this pane (when it can take it).
    void focusField(const QString& id);
    // Moves the keyboard to the first answer of the page on screen that takes it.
    void focusFirstAnswer();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* makePage(int index);
    QWidget* buildPage(const Page& page);
    void chainTabStops(const Page& page, QWidget* bar);
    void showPage(int index);
    void goNext(int from);
    void goBack(int from);
    void applyPageSize();
    // A page with a caption of its own (the ratings page) sets it and its View
    // check mark; any other page the section's, when asked.
    void captionFor(int index, bool orSection);
    bool turnPage(const QKeyEvent* key);
    // The module text of the pane's page buttons in a "Program Error" box.
    QString buttonSite() const;

    Section& section_;
    PaneHost& host_;
    FieldBinder* binder_;
    QHash<int, QWidget*> pages_;
    QList<int> order_;
    QHash<QString, QPushButton*> buttons_;
    QPointer<QObject> pageWatcher_;
    twips::Rect paneTwips_;
    twips::Rect pageTwips_;
};

}  // namespace yrn
