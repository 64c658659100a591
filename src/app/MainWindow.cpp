#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QGridLayout>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QTreeWidget>
#include <QWindow>

#include "app/AboutBox.h"
#include "app/AccessKeys.h"
#include "app/ClientDialog.h"
#include "app/DrugCommentDialog.h"
#include "app/HelpMenu.h"
#include "app/PaneView.h"
#include "app/Recovery.h"
#include "app/ReviewPanel.h"
#include "app/SavedAnswers.h"
#include "interview/Interview.h"
#include "interview/ProgramError.h"
#include "interview/Prompts.h"
#include "interview/Review.h"
#include "interview/Section.h"
#include "records/ClientFolder.h"
#include "report/ReportAssembly.h"
#include "sections/Sections.h"
#include "sections/drugs/DrugsSection.h"

namespace yrn {

namespace {

const QString kInitialCaption = QStringLiteral("Halverin Drug Court YRN ");
const QStringList kMenuTitles{QStringLiteral("&File"), QStringLiteral("&View"),
                              QStringLiteral("&Help")};
constexpr double kStartWidth = 12000;  // twips: the size the window restores to
constexpr double kStartHeight = 8500;
constexpr int kViewReport = 9;
constexpr int kFileNotFound = 2;

const QStringList kViewCaptions{
    QStringLiteral("&Locator Information"),
    QStringLiteral("&Demographic Information"),
    QStringLiteral("&Medical Health Information"),
    QStringLiteral("&Education &&Employment "),
    QStringLiteral("&Drug && Alcohol"),
    QStringLiteral("&Criminal Justice Information"),
    QStringLiteral("&Family Social History "),
    QStringLiteral("Mental &Health Information"),
    QStringLiteral("&Interview Ratings"),
    QStringLiteral("&View Report"),
};

// The order in which the panes are re-sized when the window changes size.
const QStringList kResizeOrder{
    QStringLiteral("CriminalJustice"),
    QStringLiteral("Demographic"),
    QStringLiteral("Drugs"),
    QStringLiteral("Employment"),
    QStringLiteral("FamilySocialHistory"),
    QStringLiteral("LocatorInformation"),
    QStringLiteral("Medical"),
    QStringLiteral("MentalHealth"),
};

// How long the status bar says that the client was saved, and a note about a box.
constexpr int kSavedMessageTime = 6000;
constexpr int kNoticeTime = 5000;
// The unsaved mark catches up with typing after this many milliseconds.
constexpr int kTitleDelay = 150;

const QString kUnsavedTitle = QStringLiteral("Unsaved Answers");
const QString kUnansweredTitle = QStringLiteral("Unanswered Questions");
const QString kExitTitle = QStringLiteral("Exit YRN");
const QString kExitText = QStringLiteral("Do you really wish to end this session?");

// A result of the desktop's opener that means the document is not on screen
// although it exists: no application for it, or it could not be started.
bool notOpened(int code) {
    return code <= 32 && code != kFileNotFound;
}

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

const QString kCompletedTitle = QStringLiteral("YRN Completed");
const QString kCompletedText =
    QStringLiteral("Assessment completed.\r\nThank you for using the Halverin Drug Court YRN!!");

}  // namespace

// Boxes go to the prompts the window was given; focus requests and the
// hourglass are also carried out by the window.
class MainWindow::RoutingPrompts : public Prompts {
  public:
    RoutingPrompts(MainWindow& window, Prompts& outer) : window_(window), outer_(outer) {}
    void information(const QString& title, const QString& text) override {
        outer_.information(title, text);
    }
    void critical(const QString& title, const QString& text) override {
        outer_.critical(title, text);
    }
    bool yesNo(const QString& title, const QString& text) override {
        return outer_.yesNo(title, text);
    }
    bool okCancel(const QString& title, const QString& text) override {
        return outer_.okCancel(title, text);
    }
    SaveChoice saveChoice(const QString& title, const QString& text) override {
        return outer_.saveChoice(title, text);
    }
    int choice(const QString& title, const QString& text, const QStringList& buttons) override {
        return outer_.choice(title, text, buttons);
    }
    void failure(Severity severity, const QString& title, const QString& text,
                 const QString& detail) override {
        outer_.failure(severity, title, text, detail);
    }
    void focus(const QString& module, const QString& fieldId) override {
        window_.focusField(module, fieldId);
        outer_.focus(module, fieldId);
    }
    void busy(bool on) override {
        window_.setBusy(on);
        outer_.busy(on);
    }

  private:
    MainWindow& window_;
    Prompts& outer_;
};

MainWindow::MainWindow(Prompts& prompts, QString programFolder, DocumentOpener* opener,
                       QWidget* parent)
    : QMainWindow(parent),
      outer_(prompts),
      prompts_(std::make_unique<RoutingPrompts>(*this, prompts)),
      programFolder_(std::move(programFolder)),
      exitHandler_([] { QCoreApplication::quit(); }) {
    setObjectName(QStringLiteral("frmMain"));
    setCaption(kInitialCaption);
    if (!opener) {
        ownOpener_ = std::make_unique<DesktopOpener>();
        opener = ownOpener_.get();
    }
    opener_ = opener;
    interview_ = makeInterview(*prompts_);
    clientFolder_ = std::make_unique<ClientFolder>(*interview_, programFolder_);
    clientFolder_->holdsClients = true;
    saved_ = std::make_unique<SavedAnswers>(*interview_, *clientFolder_);
    report_ = std::make_unique<ReportAssembly>(*interview_, programFolder_, *opener_);
    // The title bar marks answers that are not saved.
    titleTimer_.setSingleShot(true);
    titleTimer_.setInterval(kTitleDelay);
    connect(&titleTimer_, &QTimer::timeout, this, &MainWindow::refreshTitle);
    for (Section* section : interview_->sections())
        sectionObservers_ << section->observe([this](const QString&) {
            if (!titleTimer_.isActive()) titleTimer_.start();
        });
    clientObserver_ = clientFolder_->observe([this](ClientFolder::Event) { refreshTitle(); });

    auto* central = new QWidget(this);
    auto* stack = new QGridLayout(central);
    stack->setContentsMargins(0, 0, 0, 0);
    for (Section* section : interview_->sections()) {
        auto* pane = new PaneView(*section, *this, central);
        pane->hide();
        stack->addWidget(pane, 0, 0);
        panes_.append(pane);
    }
    setCentralWidget(central);
    buildMenus();
    statusBar()->setObjectName(QStringLiteral("statusBar"));

    // The dialog is a window of its own, so that it stays usable while the main
    // window is disabled behind it.
    dialog_ = std::make_unique<ClientDialog>(programFolder_, *prompts_);
    dialog_->setSectionCounter([this](const QString& folder) {
        return static_cast<int>(clientFolder_->sectionFiles(folder).size());
    });
    QStringList sectionFiles;
    for (const Section* section : interview_->sections())
        sectionFiles << section->info().fileName;
    dialog_->setSectionFileNames(sectionFiles);
    connect(dialog_.get(), &ClientDialog::newRequested, this, &MainWindow::dialogNew);
    connect(dialog_.get(), &ClientDialog::cancelRequested, this, &MainWindow::dialogCancel);
    connect(dialog_.get(), &ClientDialog::loadRequested, this, &MainWindow::dialogLoad);

    if (auto* drugs = interview_->find<DrugsSection>())
        drugComments_ = std::make_unique<DrugCommentDialog>(drugs->commentDialog(), *this);
    // The review stands under the pages, so that the list and the question it names
    // are on screen together; it follows the answers as they change.
    reviewDock_ = new QDockWidget(QStringLiteral("Review Answers"), this);
    reviewDock_->setObjectName(QStringLiteral("dockReview"));
    reviewDock_->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    reviewDock_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    review_ = new ReviewPanel(reviewDock_);
    reviewDock_->setWidget(review_);
    addDockWidget(Qt::BottomDockWidgetArea, reviewDock_);
    reviewDock_->hide();
    connect(review_, &ReviewPanel::chosen, this, &MainWindow::goToQuestion);
    connect(review_, &ReviewPanel::closeRequested, this, [this] {
        reviewDock_->hide();
        if (PaneView* p = currentPane()) p->focusFirstAnswer();
    });
}

MainWindow::~MainWindow() {
    setBusy(false);
    recovery_.reset();
    clientFolder_->unobserve(clientObserver_);
    const QList<Section*> sections = interview_->sections();
    for (qsizetype i = 0; i < sections.size() && i < sectionObservers_.size(); ++i)
        sections.at(i)->unobserve(sectionObservers_.at(i));
    // The panes unbind from the sections before the interview goes.
    for (PaneView* pane : std::as_const(panes_))
        delete pane;
    panes_.clear();
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(kMenuTitles.at(0));
    file->setObjectName(QStringLiteral("mnuFile"));
    const auto addFile = [&](const QString& name, const QString& caption, const QKeySequence& keys,
                             void (MainWindow::*slot)()) {
        QAction* action = file->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        fileActions_.append(action);
    };
    addFile(QStringLiteral("mnuNewClient"), QStringLiteral("&New Client"),
            QKeySequence(Qt::CTRL | Qt::Key_N), &MainWindow::newClient);
    addFile(QStringLiteral("mnuOpenClient"), QStringLiteral("&Open Client ..."),
            QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::openClient);
    addFile(QStringLiteral("mnuSaveClient"), QStringLiteral("&Save Client"),
            QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::saveClient);
    file->addSeparator();
    addFile(QStringLiteral("mnuClientExit"), QStringLiteral("E&xit"),
            QKeySequence(Qt::CTRL | Qt::Key_Q), &MainWindow::exitItem);

    // Items that share an access letter ("&Demographic ...", "&Drug && Alcohol")
    // get letters of their own, so that Alt and a letter always chooses.
    QMenu* viewMenu = menuBar()->addMenu(kMenuTitles.at(1));
    viewMenu->setObjectName(QStringLiteral("mnuView"));
    const QStringList viewCaptions =
        uniqueAccessKeys(kViewCaptions + QStringList{QStringLiteral("&Review Answers ...")});
    for (int i = 0; i < kViewCaptions.size(); ++i) {
        if (i == kViewReport) viewMenu->addSeparator();
        QAction* action = viewMenu->addAction(viewCaptions.at(i));
        action->setObjectName(QStringLiteral("mnuViewSub(%1)").arg(i));
        action->setCheckable(i != kViewReport);
        connect(action, &QAction::triggered, this, [this, i] {
            // The menu ticks an item by itself; the check mark is the panes' business.
            checkViewItem(checkedItem_);
            view(i);
        });
        viewActions_.append(action);
    }
    viewMenu->addSeparator();
    reviewAction_ = viewMenu->addAction(viewCaptions.last());
    reviewAction_->setObjectName(QStringLiteral("mnuReviewAnswers"));
    reviewAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(reviewAction_, &QAction::triggered, this, &MainWindow::reviewAnswers);

    QMenu* helpMenu = menuBar()->addMenu(kMenuTitles.at(2));
    helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    const QList<HelpItem>& items = helpItems();
    QStringList helpCaptions;
    for (const HelpItem& item : items)
        helpCaptions << item.caption;
    helpCaptions = uniqueAccessKeys(helpCaptions << QStringLiteral("&About"));
    for (int i = 0; i < items.size(); ++i) {
        if (i == items.size() - 1) helpMenu->addSeparator();
        QAction* action = helpMenu->addAction(helpCaptions.at(i));
        action->setObjectName(items.at(i).name);
        if (i == 0) action->setShortcut(QKeySequence(Qt::Key_F1));
        connect(action, &QAction::triggered, this, [this, i] { help(i); });
        helpActions_.append(action);
    }
    helpMenu->addSeparator();
    QAction* about = helpMenu->addAction(helpCaptions.last());
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, [this] { AboutBox::showFor(programFolder_, this); });
}

QString MainWindow::accessKeysTaken() const {
    QString keys;
    for (const QString& title : kMenuTitles)
        keys += accessKey(title);
    return keys;
}

void MainWindow::run(const QString& site, const std::function<void()>& action) {
    guarded(*prompts_, ErrorSite::module(site), action);
}

// --- Start-up ---

void MainWindow::startUp() {
    guarded(*prompts_, ErrorSite{QStringLiteral("frmmain.Form_Load"), false}, [this] {
        show();
        // The size the window takes when restored from maximized.
        const QSize frame = frameGeometry().size() - geometry().size();
        resize(twips::toPixels(kStartWidth, dpi()) - frame.width(),
               twips::toPixels(kStartHeight, dpi()) - frame.height());
        showMaximized();
        // The dialogs stay over the main window.
        const auto stayOver = [this](QWidget* dialog) {
            dialog->winId();
            if (windowHandle() && dialog->windowHandle())
                dialog->windowHandle()->setTransientParent(windowHandle());
        };
        stayOver(dialog_.get());
        if (drugComments_) stayOver(drugComments_.get());
        HideControls();
        const twips::Rect work = workArea();
        for (PaneView* pane : std::as_const(panes_))
            pane->setPaneTwips(twips::PaneSettings(work.top, work.left, work.height, work.width));
        for (PaneView* pane : std::as_const(panes_))
            pane->FSettings();
        showLocator();
        newClient();
        // Before the open-client dialog: an interview a crash left unsaved. Once
        // restored, the dialog offers Cancel to keep it rather than New Assessment.
        const bool restored = recovery_ && recovery_->offer();
        if (restored) showPlace(recovery_->restoredPlace().module, recovery_->restoredPlace().page);
        dialog_->offerNewAssessment(!restored);
        if (const QScreen* s = screen())
            dialog_->move(s->availableGeometry().center() - dialog_->rect().center());
        dialog_->show();
        dialog_->raise();
        started_ = true;
        resizeRule();
    });
    started_ = true;
}

void MainWindow::keepRecoveryCopies(const QString& folder) {
    recovery_ = std::make_unique<Recovery>(*interview_, *clientFolder_, *saved_, folder);
    recovery_->setPlaceSource([this] {
        const PaneView* p = currentPane();
        return p ? RecoveryPlace{p->section().info().module, p->currentPage()} : RecoveryPlace{};
    });
    for (PaneView* pane : std::as_const(panes_))
        pane->watchPages(recovery_.get());
}

// A restored interview comes back on the page where the interviewer was; the
// review goes to the page of a question.
void MainWindow::showPlace(const QString& module, int page) {
    PaneView* p = pane(module);
    if (!p || !p->pageWidget(page)) {
        showLocator();
        return;
    }
    showPane(p);
    if (p->currentPage() != page) p->goTo(page);
}

// --- Geometry ---

double MainWindow::dpi() const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->logicalDotsPerInchY() : 96.0;
}

twips::Rect MainWindow::workArea() const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return {};
    const QRect area = s->availableGeometry();
    const double x = s->logicalDotsPerInchX();
    const double y = s->logicalDotsPerInchY();
    return {twips::fromPixels(area.top(), y), twips::fromPixels(area.left(), x),
            twips::fromPixels(area.height(), y), twips::fromPixels(area.width(), x)};
}

twips::Size MainWindow::mainSize() const {
    const QRect outer = frameGeometry();
    return {twips::fromPixels(outer.height(), dpi()), twips::fromPixels(outer.width(), dpi())};
}

float MainWindow::SystemSettingsHeight() const {
    return static_cast<float>(workArea().height);
}
float MainWindow::SystemSettingsLeft() const {
    return static_cast<float>(workArea().left);
}
float MainWindow::SystemSettingsTop() const {
    return static_cast<float>(workArea().top);
}
float MainWindow::SystemSettingsWidth() const {
    return static_cast<float>(workArea().width);
}
float MainWindow::MainWidth() const {
    return static_cast<float>(mainSize().width);
}
float MainWindow::MainHeight() const {
    return static_cast<float>(mainSize().height);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (started_) resizeRule();
}

void MainWindow::resizeRule() {
    run(QStringLiteral("frmMain.Form_Resize"), [this] {
        for (const QString& name : kResizeOrder)
            if (PaneView* p = pane(name)) p->ResizeFrames();
    });
}

// --- Panes ---

PaneView* MainWindow::pane(const QString& name) const {
    for (PaneView* p : panes_)
        if (p->section().info().module == name || p->section().info().controlName == name) return p;
    return nullptr;
}

QList<PaneView*> MainWindow::visiblePanes() const {
    QList<PaneView*> out;
    for (PaneView* p : panes_)
        if (p->isVisibleTo(this)) out.append(p);
    return out;
}

PaneView* MainWindow::currentPane() const {
    const QList<PaneView*> visible = visiblePanes();
    return visible.size() == 1 ? visible.first() : nullptr;
}

void MainWindow::HideControls() {
    for (PaneView* p : std::as_const(panes_))
        p->hide();
}

void MainWindow::showPane(PaneView* pane, bool atEnd) {
    if (!pane) return;
    HideControls();
    pane->show();
    if (atEnd)
        pane->Finish();
    else
        pane->Start();
}

void MainWindow::showLocator() {
    showPane(panes_.value(0));
}

void MainWindow::handOver(PaneView& from, bool forward) {
    const qsizetype at = panes_.indexOf(&from);
    if (at < 0) return;
    if (forward) {
        if (at + 1 < panes_.size())
            showPane(panes_.at(at + 1));
        else
            saveAndExit();  // Next on the interview's last page
    } else if (at > 0) {
        showPane(panes_.at(at - 1), true);
    }
}

void MainWindow::pageButton(PaneView&, const QString& name) {
    if (name == QStringLiteral("cmdSave"))
        saveAndViewReport();
    else if (name == QStringLiteral("cmdSaveNew"))
        saveAndNew();
    else
        qWarning("No action for page button %s", qPrintable(name));
}

void MainWindow::setCaption(const QString& caption) {
    caption_ = caption;
    // "[*]" marks unsaved answers; a "[*]" typed into a name stays as it is.
    QString title = caption;
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(QStringLiteral("[*]") + title);
}

bool MainWindow::unsaved() const {
    return saved_->unsaved();
}

void MainWindow::refreshTitle() {
    titleTimer_.stop();
    setWindowModified(saved_->unsaved());
    refreshReview();
}

void MainWindow::notice(const QString& text) {
    statusBar()->showMessage(text, kNoticeTime);
}

void MainWindow::checkViewItem(int item) {
    checkedItem_ = item;
    for (int i = 0; i < viewActions_.size(); ++i)
        if (i != kViewReport) viewActions_.at(i)->setChecked(i == item);
}

int MainWindow::checkedViewItem() const {
    int checked = -1;
    for (int i = 0; i < viewActions_.size(); ++i) {
        if (!viewActions_.at(i)->isChecked()) continue;
        if (checked != -1) return -2;
        checked = i;
    }
    return checked;
}

QString MainWindow::captionName() const {
    return interview_->identity().frmMainCaptionName();
}

void MainWindow::focusField(const QString& module, const QString& fieldId) {
    if (PaneView* p = pane(module)) p->focusField(fieldId);
}

// --- Menus ---

QAction* MainWindow::fileAction(const QString& name) const {
    for (QAction* action : fileActions_)
        if (action->objectName() == name) return action;
    return nullptr;
}

QList<QMenu*> MainWindow::menus() const {
    QList<QMenu*> out;
    for (QAction* action : menuBar()->actions())
        if (action->menu()) out.append(action->menu());
    return out;
}

void MainWindow::newClient() {
    run(QStringLiteral("frmMain.mnuNewClient_Click"), [this] {
        if (!settleUnsaved()) return;
        clientFolder_->NewClientYRN();
        showLocator();
    });
}

void MainWindow::openClient() {
    run(QStringLiteral("frmMain.mnuOpenClient_Click"), [this] {
        setEnabled(false);
        dialog_->show();
        dialog_->raise();
        dialog_->activateWindow();
    });
}

void MainWindow::saveClient() {
    run(QStringLiteral("frmMain.mnuSaveClient_Click"), [this] { saveWithReport(); });
}

// A save the interviewer turned into opening what another program saved keeps the
// answers on screen in a recovery copy of their own first (offered at the next
// start); without one nothing is opened.
ClientFolder::SaveOutcome MainWindow::saveClientFolder() {
    const ClientFolder::SaveOutcome outcome = clientFolder_->SaveClientYRN();
    if (!outcome.openTheirs) return outcome;
    if (!recovery_ || !recovery_->setAside()) {
        prompts_->information(
            QStringLiteral("Client Not Opened"),
            QStringLiteral("The answers on screen could not be kept in a recovery copy, so the "
                           "answers saved by the other program were not opened.\r\nThe answers "
                           "on screen are unchanged."));
        return outcome;
    }
    if (DrugCommentDialogModel* comment = drugComment()) comment->CancelButton();
    if (clientFolder_->openClient(outcome.folder).found) showLocator();
    setBusy(false);
    return outcome;
}

bool MainWindow::saveWithReport() {
    const ClientFolder::SaveOutcome outcome = saveClientFolder();
    if (!interview_->identity().CheckSaveValues()) {
        showLocator();  // so that the name or date can be filled in
        return false;
    }
    if (!outcome.allWritten) return false;  // the save box said what is missing
    announceSaved(outcome.folder, report_->GenerateReport());
    return true;
}

void MainWindow::announceSaved(const QString& folder, bool reportSaved) {
    QString text = QStringLiteral("Saved to ") + shownPath(folder);
    if (reportSaved)
        text += QStringLiteral("; the report ") +
                QFileInfo(report_->clientReportPath()).fileName() +
                QStringLiteral(" there and in ") +
                shownPath(QFileInfo(report_->sharedReportPath()).absolutePath());
    statusBar()->showMessage(text, kSavedMessageTime);
}

// --- Answers not saved ---

bool MainWindow::settleUnsaved() {
    if (!saved_->unsaved()) return true;
    QString name = captionName().trimmed();  // "[Doe, Jane Q]"
    if (name.startsWith('[') && name.endsWith(']')) name = name.mid(1, name.size() - 2).trimmed();
    if (name.isEmpty()) name = interview_->identity().WholeName().trimmed();
    if (name.isEmpty()) name = QStringLiteral("the client on screen");
    switch (
        prompts_->saveChoice(kUnsavedTitle, QStringLiteral("Save the answers of ") + name + '?')) {
        case Prompts::SaveChoice::Save:
            return saveWithReport();
        case Prompts::SaveChoice::DontSave:
            return true;
        case Prompts::SaveChoice::Cancel:
            break;
    }
    return false;
}

// Unsaved answers are settled by the save question, which also answers whether
// to leave; otherwise the exit question asks.
bool MainWindow::confirmExit() {
    if (saved_->unsaved()) return settleUnsaved();
    return prompts_->yesNo(kExitTitle, kExitText);
}

void MainWindow::exitItem() {
    UnloadForm();
}

void MainWindow::view(int item) {
    run(QStringLiteral("frmMain.mnuViewSub_Click"), [this, item] {
        HideControls();
        if (item == kViewReport) {
            const ClientFolder::SaveOutcome outcome = saveClientFolder();
            showLocator();
            if (!interview_->identity().CheckSaveValues()) {
                prompts_->information(
                    QStringLiteral("Report Generating Error"),
                    QStringLiteral("Not enough information provided to generate a report."));
                return;
            }
            // A client that is not on disk gets no report, and an old report is
            // not opened in place of one that could not be made.
            if (!outcome.allWritten || !reportAnyway() || !report_->GenerateReport()) return;
            announceSaved(outcome.folder, true);
            const int code = openReport();
            if (code == kFileNotFound)
                prompts_->information(QStringLiteral("Report Not Found or Unavailable"),
                                      QStringLiteral("Unable to open this report!"));
            reportNotOpened(code, report_->clientReportPath());
            return;
        }
        for (PaneView* p : std::as_const(panes_)) {
            if (p->hasCaptionPage(item)) {
                p->show();
                p->Start();
                p->HideFrames();
                p->Frame3();
                return;
            }
        }
        for (PaneView* p : std::as_const(panes_)) {
            if (p->section().info().viewMenuItem == item) {
                showPane(p);
                return;
            }
        }
    });
}

void MainWindow::help(int item) {
    if (item < 0 || item >= helpItems().size()) return;
    run(QStringLiteral("frmMain.") + helpItems().at(item).name + QStringLiteral("_Click"),
        [this, item] {
            const HelpItem& help = helpItems().at(item);
            const QString path = helpPath(programFolder_, help);
            const auto notOpenedBox = [this, path](int code) {
                if (!notOpened(code)) return;
                prompts_->information(
                    QStringLiteral("Help File Not Opened"),
                    QStringLiteral("No program on this computer could open the help file.\r\n"
                                   "It can be opened by hand from:\r\n") +
                        shownPath(path));
            };
            notOpenedBox(
                openHelp(programFolder_, help, *opener_, *prompts_,
                         later(QStringLiteral("frmMain.") + help.name + QStringLiteral("_Click"),
                               notOpenedBox)));
        });
}

DocumentOpener::Failure MainWindow::later(const QString& site, std::function<void(int)> action) {
    // The window may be gone by the time the desktop answers.
    return [window = QPointer<MainWindow>(this), site, action = std::move(action)](int code) {
        if (window) window->run(site, [&] { action(code); });
    };
}

int MainWindow::openReport() {
    const QString path = report_->clientReportPath();
    return report_->OpenDocument(path,
                                 later(QStringLiteral("frmMain.OpenDocument"),
                                       [this, path](int code) { reportNotOpened(code, path); }));
}

void MainWindow::reportNotOpened(int code, const QString& path) {
    if (!notOpened(code)) return;
    prompts_->information(
        QStringLiteral("Report Not Opened"),
        QStringLiteral("The report was saved, but no program on this computer could open it.\r\n"
                       "It can be opened by hand from:\r\n") +
            shownPath(path));
}

// --- The closing save ---

// Each closing button goes on only while every step before it succeeded. After a
// save that failed (its "Save Error" box said so) or a report that could not be
// made or saved (its own box said so), the button stops: nothing is announced as
// completed, no report is opened, the answers stay on screen and no exit question
// comes, so that the interviewer can mend the cause and press the button again.

bool MainWindow::closingSave() {
    const ClientFolder::SaveOutcome outcome = saveClientFolder();
    if (!interview_->identity().CheckSaveValues()) {
        showLocator();
        return false;
    }
    if (!outcome.allWritten || !reportAnyway() || !report_->GenerateReport()) return false;
    announceSaved(outcome.folder, true);
    return true;
}

// --- The completeness review ---

bool MainWindow::reportAnyway() {
    const Review review = yrn::reviewAnswers(*interview_);
    if (review.complete() || prompts_->yesNo(kUnansweredTitle, review.reportQuestion()))
        return true;
    review_->setReview(review);
    showReviewPanel();
    goToQuestion(review.unanswered.first());
    return false;
}

void MainWindow::reviewAnswers() {
    run(QStringLiteral("frmMain.mnuReviewAnswers_Click"), [this] {
        review_->setReview(yrn::reviewAnswers(*interview_));
        showReviewPanel();
        reviewDock_->raise();
        review_->list()->setFocus();
    });
}

// The panel takes a quarter of the window at first, so that the page keeps most of it.
void MainWindow::showReviewPanel() {
    if (reviewDock_->isVisible()) return;
    reviewDock_->show();
    resizeDocks({reviewDock_}, {std::max(160, height() / 4)}, Qt::Vertical);
}

void MainWindow::refreshReview() {
    if (reviewDock_ && reviewDock_->isVisible())
        run(QStringLiteral("frmMain.Review"),
            [this] { review_->setReview(yrn::reviewAnswers(*interview_)); });
}

void MainWindow::goToQuestion(const ReviewItem& item) {
    run(QStringLiteral("frmMain.GoToQuestion"), [this, item] {
        showPlace(item.module, item.page);
        if (PaneView* p = pane(item.module)) p->focusField(item.fieldId);
    });
}

void MainWindow::saveAndExit() {
    run(QStringLiteral("ctlMental"), [this] {
        if (!closingSave()) return;
        prompts_->information(kCompletedTitle, kCompletedText);
        UnloadForm();
    });
}

void MainWindow::saveAndViewReport() {
    run(QStringLiteral("ctlMental.cmdSave_Click"), [this] {
        if (!closingSave()) return;
        if (report_->CheckDocs()) {
            prompts_->information(QStringLiteral("Report Information"),
                                  QStringLiteral("Please run spell check options before printing "
                                                 "report."));
            reportNotOpened(openReport(), report_->clientReportPath());
        }
    });
}

void MainWindow::saveAndNew() {
    run(QStringLiteral("ctlMental.cmdSaveNew_Click"), [this] {
        if (!closingSave()) return;
        if (!interview_->identity().CheckSaveValues()) {
            showLocator();
            return;
        }
        prompts_->information(kCompletedTitle, kCompletedText);
        HideControls();
        clientFolder_->NewClientYRN();
        showLocator();
    });
}

// --- The open-client dialog ---

DrugCommentDialogModel* MainWindow::drugComment() const {
    auto* drugs = interview_->find<DrugsSection>();
    return drugs ? &drugs->commentDialog() : nullptr;
}

// New and Load close a comment dialog that is still up as Cancel first, so that
// a comment of one client is never written into another client's row.
void MainWindow::dialogNew() {
    if (DrugCommentDialogModel* comment = drugComment()) comment->CancelButton();
    dialog_->offerNewAssessment(false);
    setEnabled(true);
    dialog_->hide();
    takeKeyboard();
}

// Back from the dialog, the keyboard is in the first answer of the page on screen.
void MainWindow::takeKeyboard() {
    raise();
    activateWindow();
    if (PaneView* p = currentPane()) p->focusFirstAnswer();
}

void MainWindow::dialogCancel() {
    dialog_->hide();
    // A comment being written keeps the main window disabled until it is done.
    setEnabled(!drugComment() || !drugComment()->isOpen());
    dialog_->offerNewAssessment(false);
}

void MainWindow::dialogLoad(const QString& folder) {
    // Unsaved answers are settled before they are replaced; a folder without
    // section files replaces nothing, and says so itself.
    bool settled = true;
    guarded(*prompts_, ErrorSite::module(QStringLiteral("frmDialog.cmdOKButton_Click")),
            [&] { settled = clientFolder_->sectionFiles(folder).isEmpty() || settleUnsaved(); });
    if (!settled) return;
    if (DrugCommentDialogModel* comment = drugComment()) comment->CancelButton();
    guarded(*prompts_, ErrorSite::module(QStringLiteral("frmDialog.cmdOKButton_Click")),
            [this, &folder] {
                const ClientFolder::OpenOutcome outcome = clientFolder_->openClient(folder);
                if (!outcome.found) return;  // "Invalid directory": the dialog stays
                dialog_->offerNewAssessment(false);
                setEnabled(true);
                dialog_->hide();
                showLocator();
                takeKeyboard();
            });
    // Whatever happened, the pointer, the loading flag and the window come back.
    setBusy(false);
    interview_->EndLoading();
    setEnabled(true);
}

void MainWindow::setBusy(bool on) {
    if (on == busy_) return;
    busy_ = on;
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

// --- Exit ---

void MainWindow::UnloadForm() {
    if (confirmExit()) endProgram();
}

void MainWindow::endProgram() {
    if (recovery_) recovery_->discard();  // the person chose to leave the answers
    exiting_ = true;
    dialog_->hide();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible()) window->hide();
    close();
    exitHandler_();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (exiting_) {
        event->accept();
        return;
    }
    bool leaving = false;
    run(QStringLiteral("frmMain.Form_QueryUnload"), [&] { leaving = confirmExit(); });
    if (!leaving) {
        event->ignore();
        return;
    }
    event->accept();
    if (recovery_) recovery_->discard();  // the person chose to leave the answers
    exiting_ = true;
    dialog_->hide();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible()) window->hide();
    exitHandler_();
}

}  // namespace yrn
