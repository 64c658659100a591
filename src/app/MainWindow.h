#pragma once

#include <QList>
#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/PaneHost.h"
#include "records/ClientFolder.h"
#include "report/DocumentOpener.h"

class QAction;
class QDockWidget;
class QMenu;

namespace yrn {

class ClientDialog;
class ClientFolder;
class DrugCommentDialog;
class DrugCommentDialogModel;
class Interview;
class PaneView;
class Prompts;
class Recovery;
class ReportAssembly;
class ReviewPanel;
class SavedAnswers;
struct RecoveryPlace;
struct Review;
struct ReviewItem;

// The main window frmMain: the menus, the eight section panes (one on screen at a
// time), the client operations of the File menu, the View menu, the help
// documents, the closing save of the last page, and the exit question. Message
// boxes go to the given prompts; focus requests of the sections are carried out
// here and passed on to the prompts as well.
class MainWindow : public QMainWindow, public PaneHost {
    Q_OBJECT
  public:
    // The program folder holds the template, the help documents, "ClientReports"
    // and the client folders. Without an opener, documents open through the desktop.
    MainWindow(Prompts& prompts, QString programFolder, DocumentOpener* opener = nullptr,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up after the splash: the window at its size and maximized, the
    // panes placed and laid out, a new client on the locator pane, the open-client
    // dialog beside it, and the pages sized to the window.
    void startUp();

    // --- Operations of the main window ---
    void HideControls();
    // The exit question; Yes ends the program.
    void UnloadForm();
    float SystemSettingsHeight() const;
    float SystemSettingsLeft() const;
    float SystemSettingsTop() const;
    float SystemSettingsWidth() const;
    float MainWidth() const;
    float MainHeight() const;

    // --- Menu items ---
    void newClient();
    void openClient();
    void saveClient();
    void exitItem();
    void view(int item);
    void help(int item);
    // View, Review Answers: the questions not answered and the answers that
    // contradict each other; choosing one goes to its question.
    void reviewAnswers();

    // --- The closing page's buttons ---
    void saveAndViewReport();
    void saveAndNew();
    void saveAndExit();

    // --- Looking in ---
    // The caption the panes set; the title bar shows it marked while answers are unsaved.
    const QString& caption() const { return caption_; }
    // True while the answers on screen differ from the ones last saved, opened or reset.
    bool unsaved() const;
    Interview& interview() const { return *interview_; }
    ClientFolder& clientFolder() const { return *clientFolder_; }
    ReportAssembly& report() const { return *report_; }
    ClientDialog& clientDialog() const { return *dialog_; }
    ReviewPanel& reviewPanel() const { return *review_; }
    QDockWidget* reviewDock() const { return reviewDock_; }
    // The drug comment dialog; nullptr without a drug and alcohol section.
    DrugCommentDialog* drugCommentDialog() const { return drugComments_.get(); }
    const QString& programFolder() const { return programFolder_; }
    const QList<PaneView*>& panes() const { return panes_; }
    PaneView* pane(const QString& name) const;
    // The one visible pane, or nullptr.
    PaneView* currentPane() const;
    QList<PaneView*> visiblePanes() const;
    // The View item carrying the check mark, -1 for none, -2 for more than one.
    int checkedViewItem() const;
    QAction* viewAction(int item) const { return viewActions_.value(item); }
    QAction* reviewAction() const { return reviewAction_; }
    QAction* helpAction(int item) const { return helpActions_.value(item); }
    QAction* fileAction(const QString& name) const;
    QList<QMenu*> menus() const;

    // Keeps a recovery copy of unsaved answers in the folder (the program gives
    // Recovery::defaultFolder()). Call before startUp, which then offers a copy a
    // crashed or killed session left behind.
    void keepRecoveryCopies(const QString& folder);
    Recovery* recovery() const { return recovery_.get(); }

    // What ends the program (tests put a recorder here).
    void setExitHandler(std::function<void()> handler) { exitHandler_ = std::move(handler); }

    // --- PaneHost ---
    void setCaption(const QString& caption) override;
    void checkViewItem(int item) override;
    QString captionName() const override;
    twips::Rect workArea() const override;
    twips::Size mainSize() const override;
    // The screen's logical resolution, which turns twips into pixels.
    double dpi() const;
    void handOver(PaneView& from, bool forward) override;
    void pageButton(PaneView& pane, const QString& name) override;
    QString accessKeysTaken() const override;
    void notice(const QString& text) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    class RoutingPrompts;

    void buildMenus();
    void showPane(PaneView* pane, bool atEnd = false);
    void showLocator();
    void resizeRule();
    void endProgram();
    void setBusy(bool on);
    void focusField(const QString& module, const QString& fieldId);
    // Runs a menu or button action under the program's error handler.
    void run(const QString& site, const std::function<void()>& action);
    // The closing save's common start: true when the client is saved and the
    // button may go on.
    bool closingSave();
    // After the desktop could not open the saved report, names where it lies;
    // also when the desktop says so later.
    void reportNotOpened(int code, const QString& path);
    int openReport();
    // Wraps an action for a failure the desktop reports once this operation is over.
    DocumentOpener::Failure later(const QString& site, std::function<void(int)> action);
    // Answers that differ from the last save or open are saved or let go as the
    // interviewer says before they are replaced. False when the interviewer
    // cancels or the save fails: the action then stops.
    bool settleUnsaved();
    // The exit question, or the save question when answers are unsaved.
    bool confirmExit();
    // File, Save Client: the save and the report. True when the answers are on disk.
    bool saveWithReport();
    ClientFolder::SaveOutcome saveClientFolder();
    // Says in the status bar where the client and its report were saved.
    void announceSaved(const QString& folder, bool reportSaved);
    void refreshTitle();
    // Shows a page of a section; the locator's first page when there is no such page.
    void showPlace(const QString& module, int page);
    // Before a report is made: with questions not answered, the interviewer is asked
    // whether to make it anyway. No shows the review and the first such question.
    bool reportAnyway();
    void goToQuestion(const ReviewItem& item);
    void refreshReview();
    void showReviewPanel();
    // Activates the window with the keyboard in the first answer on screen.
    void takeKeyboard();

    // dialog buttons
    void dialogNew();
    void dialogCancel();
    void dialogLoad(const QString& folder);
    // The drug comment dialog's model, or nullptr.
    DrugCommentDialogModel* drugComment() const;

    Prompts& outer_;
    std::unique_ptr<RoutingPrompts> prompts_;
    QString programFolder_;
    std::unique_ptr<DocumentOpener> ownOpener_;
    DocumentOpener* opener_;
    std::unique_ptr<Interview> interview_;
    std::unique_ptr<ClientFolder> clientFolder_;
    std::unique_ptr<SavedAnswers> saved_;
    std::unique_ptr<ReportAssembly> report_;
    std::unique_ptr<ClientDialog> dialog_;
    QDockWidget* reviewDock_ = nullptr;
    ReviewPanel* review_ = nullptr;
    std::unique_ptr<DrugCommentDialog> drugComments_;
    QList<PaneView*> panes_;
    QList<QAction*> viewActions_;
    QList<QAction*> helpActions_;
    QList<QAction*> fileActions_;
    QAction* reviewAction_ = nullptr;
    std::function<void()> exitHandler_;
    QString caption_;
    QTimer titleTimer_;  // the unsaved mark follows typing a moment later
    QList<int> sectionObservers_;
    int clientObserver_ = 0;
    bool started_ = false;
    bool exiting_ = false;
    bool busy_ = false;
    int checkedItem_ = -1;                // the View item the panes last checked
    std::unique_ptr<Recovery> recovery_;  // last: it lets go of the interview first
};

}  // namespace yrn
