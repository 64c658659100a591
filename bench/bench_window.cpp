// What the interviewer waits for in the main window, each action through the
// widget or menu item that a key press or a click reaches, on the offscreen
// platform with a 1366 x 768 screen (the window maximized on it, as the program
// starts). Each timed action includes what it leaves to the event loop: layouts,
// the paint of what changed, queued calls such as the recovery copy written when
// a page is shown. Every iteration is timed by the wall clock, less its wait for
// the disk (fsync), which is given apart: median_ms and worst_ms are those of the
// iterations, the time column their mean, fsync_ms the median wait, paints the
// paint events per action (recovery_writes: the copies written in the whole run).
// Target: 50 ms median, 100 ms worst.
//
//   BM_NextPage         Next Page onto the page of the section with the most
//                       answer widgets, from the page before it (fresh: the
//                       page's first showing in a window just started)
//   BM_PreviousPage     Previous Page from that page back to the page before it
//   BM_ViewSection      a View menu item: one section's pane for another's
//   BM_NewClient        File, New Client over a fully answered interview, its
//                       answers let go (the save question answered Don't Save)
//   BM_OpenClient       Load Assessment in the open-client dialog on a fully
//                       answered client, from a new one
//   BM_Save             File, Save Client of a fully answered client: the
//                       section files and the report; and View, View Report:
//                       the same, the review, and the desktop asked to open the
//                       report (it does nothing)
//   BM_SearchKeystroke  the open-client dialog over 5 000 client folders: File,
//                       Open Client (the folders read in the background once it
//                       is painted), and a key in its search box: the first typed
//                       as the dialog opens, until the list shows what it found
//                       (the rest of the reading in the wait), the first once the
//                       folders are read, a later one
//   BM_RangeRefused     Tab out of a box holding a number out of its range:
//                       the box shown (recorded) and the keyboard back in it
//
// The program folder and the recovery copies lie under the temporary folder
// (TMPDIR): on /dev/shm the flushes cost next to nothing, on the disk fsync_ms
// tells what they cost.
#include <benchmark/benchmark.h>

#include <QtWidgets/qtestsupport_widgets.h>
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QTemporaryFile>
#include <algorithm>
#include <chrono>
#include <memory>
#include <tuple>
#include <vector>

#include "BenchMain.h"
#include "FsyncWait.h"
#include "GeneratedClients.h"
#include "app/ClientDialog.h"
#include "app/MainWindow.h"
#include "app/PaneView.h"
#include "app/Recovery.h"
#include "base/CalendarDate.h"
#include "interview/Review.h"
#include "sections/ClientFixture.h"
#include "support/ProgramFolder.h"

using namespace yrn;

namespace {

const QString kLocator = QStringLiteral("ctlLocatorInformation");
// The sections whose heaviest pages are measured: the children, the substance
// table, the relatives' grid.
const QStringList kHeavySections{QStringLiteral("ctlDemographic"), QStringLiteral("ctlDrugs"),
                                 QStringLiteral("ctlFamilySocialHistory")};
constexpr int kViewReport = 9;

// Turns the event loop until what the last action posted is over: posted events
// that post more (a layout, then its paint; a queued call) take a few passes.
void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// Turns the event loop, without sleeping, until a condition holds (a second at most).
bool spinUntil(const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > 1000) return false;
        QApplication::processEvents();
    }
    return true;
}

// A key pressed and released on a widget, as the window system hands it over.
void press(QWidget* widget, Qt::Key key, const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &up);
}

void type(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        press(widget, Qt::Key(c.toUpper().unicode()), QString(c));
}

// Counts the paint events of every widget.
struct PaintCounter : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    long paints = 0;
};

PaintCounter& paintCounter() {
    static PaintCounter* const counter = [] {
        auto* c = new PaintCounter;
        qApp->installEventFilter(c);
        return c;
    }();
    return *counter;
}

// Times each action by the wall clock, with the events it leaves, and reports the
// median and the worst of the iterations when the benchmark ends.
class Stopwatch {
  public:
    explicit Stopwatch(benchmark::State& state) : state_(state) {}
    Stopwatch(const Stopwatch&) = delete;
    Stopwatch& operator=(const Stopwatch&) = delete;
    ~Stopwatch() {
        if (ms_.empty()) return;
        const auto median = [](std::vector<double>& ms) {
            std::sort(ms.begin(), ms.end());
            const std::size_t n = ms.size();
            return n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
        };
        const std::size_t n = ms_.size();
        state_.counters["median_ms"] = median(ms_);
        state_.counters["worst_ms"] = ms_.back();
        state_.counters["fsync_ms"] = median(fsyncMs_);
        state_.counters["paints"] = static_cast<double>(paints_) / static_cast<double>(n);
    }

    template <class Action>
    void time(Action&& action) {
        const long paintsBefore = paintCounter().paints;
        const double waitBefore = bench::fsyncWait();
        const auto start = std::chrono::steady_clock::now();
        action();
        settle();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        const double wait = bench::fsyncWait() - waitBefore;
        state_.SetIterationTime(took.count() - wait);
        ms_.push_back((took.count() - wait) * 1e3);
        fsyncMs_.push_back(wait * 1e3);
        paints_ += paintCounter().paints - paintsBefore;
    }

  private:
    benchmark::State& state_;
    std::vector<double> ms_;
    std::vector<double> fsyncMs_;
    long paints_ = 0;
};

// The time column is the mean of the iterations' wall times, in milliseconds: 30
// iterations, or 5 where each starts a window of its own (a first showing).
void repeated(benchmark::internal::Benchmark* b) {
    b->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);
}
void newWindows(benchmark::internal::Benchmark* b) {
    b->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
}

// An opener that opens nothing and says it did.
struct NoOpener : DocumentOpener {
    int open(const QString&) override {
        ++opened;
        return 42;
    }
    int opened = 0;
};

// The main window as the program starts it, recovery copies kept, on a program
// folder of its own (or the one given); New Assessment pressed in the open-client
// dialog and the window active.
struct Window {
    explicit Window(const QString& programFolder = {})
        : program(programFolder.isEmpty() ? folder.path : programFolder) {
        window.setExitHandler([] {});
        window.keepRecoveryCopies(recovery.filePath(QStringLiteral("recovery")));
        window.startUp();
        window.clientDialog().newButton()->click();
        // The dialog going away may take the activation along.
        for (int i = 0; i < 3 && !active; ++i) {
            window.activateWindow();
            active = QTest::qWaitForWindowActive(&window, 500);
        }
        settle();
    }

    Section& section(const QString& module) { return *window.interview().section(module); }
    // Every question of every pane answered as an interviewer answers it; what the
    // review then finds open gets a 1, its first button or its first item.
    void answerEveryQuestion() {
        Interview& interview = window.interview();
        for (Section* s : interview.sections())
            test::answerFully(interview, *s);
        for (int round = 0; round < 50 && !reviewAnswers(interview).complete(); ++round) {
            for (const ReviewItem& item : reviewAnswers(interview).unanswered) {
                Section& s = *interview.section(item.module);
                const FieldKind kind = s.field(item.fieldId).kind;
                if (kind == FieldKind::Text) s.setText(item.fieldId, QStringLiteral("1"));
                if (kind == FieldKind::Option) s.choose(item.fieldId, 0);
                if (kind == FieldKind::List) s.setPosition(item.fieldId, 0);
            }
        }
        settle();
        prompts.clear();
    }
    // A page put on screen as the View menu and the page buttons would.
    void show(PaneView* pane, int page) {
        window.view(pane->section().info().viewMenuItem);
        if (pane->currentPage() != page) pane->goTo(page);
        settle();
    }
    std::pair<PaneView*, int> where() const {
        PaneView* pane = window.currentPane();
        return {pane, pane ? pane->currentPage() : -1};
    }
    QPushButton* pageButton(bool next) const {
        const auto [pane, index] = where();
        const Page* page = pane ? pane->section().page(index) : nullptr;
        return page ? pane->button(next ? page->nextButton : page->backButton) : nullptr;
    }

    test::ProgramFolder folder;
    QString program;
    QTemporaryDir recovery;
    RecordingPrompts prompts;
    NoOpener opener;
    MainWindow window{prompts, program, &opener};
    bool active = false;
};

std::unique_ptr<Window> answeredWindow() {
    auto w = std::make_unique<Window>();
    w->answerEveryQuestion();
    return w;
}

// The page of a section with the most answer widgets (each option button counted).
std::pair<int, int> heaviestPage(const Section& s) {
    std::pair<int, int> heaviest{-1, -1};
    for (const Page& page : s.pages()) {
        int widgets = 0;
        for (const QString& id : page.fields()) {
            const Field& f = s.field(id);
            widgets += f.kind == FieldKind::Option ? static_cast<int>(f.captions.size()) : 1;
        }
        if (widgets > heaviest.second) heaviest = {page.index, widgets};
    }
    return heaviest;
}

// The heavy page of a section, and the place Previous Page goes to from it (where
// Next Page comes from), found in a fully answered window.
struct HeavyPage {
    explicit HeavyPage(const QString& heavyModule) : module(heavyModule) {
        const std::unique_ptr<Window> answered = answeredWindow();
        Window& w = *answered;
        PaneView* pane = w.window.pane(module);
        std::tie(page, answerWidgets) = heaviestPage(pane->section());
        w.show(pane, page);
        w.pageButton(false)->click();
        settle();
        const auto [before, beforeIndex] = w.where();
        beforeModule = before ? before->section().info().module : QString();
        beforePage = beforeIndex;
    }
    std::pair<PaneView*, int> place(const Window& w) const { return {w.window.pane(module), page}; }
    std::pair<PaneView*, int> placeBefore(const Window& w) const {
        return {w.window.pane(beforeModule), beforePage};
    }
    std::string label() const {
        return QStringLiteral("%1 page %2 (%3 answer widgets), page before: %4 page %5")
            .arg(module)
            .arg(page)
            .arg(answerWidgets)
            .arg(beforeModule)
            .arg(beforePage)
            .toStdString();
    }
    QString module;
    int page = -1;
    int answerWidgets = 0;
    QString beforeModule;
    int beforePage = -1;
};

// Next Page from the page before the heavy page. Arguments: the section, and 1
// for the page's first showing (a window started for each iteration).
void BM_NextPage(benchmark::State& state) {
    const HeavyPage heavy(kHeavySections.at(state.range(0)));
    const bool fresh = state.range(1) != 0;
    state.SetLabel(heavy.label());
    std::unique_ptr<Window> w = answeredWindow();
    Stopwatch watch(state);
    for (auto _ : state) {
        if (fresh) w = answeredWindow();
        const auto [before, beforePage] = heavy.placeBefore(*w);
        w->show(before, beforePage);
        QPushButton* next = w->pageButton(true);
        watch.time([&] { next->click(); });
        if (w->where() != heavy.place(*w)) {
            state.SkipWithError("Next Page did not show the heavy page");
            break;
        }
    }
    state.counters["widgets"] = static_cast<double>(
        w->window.pane(heavy.module)->pageWidget(heavy.page)->findChildren<QWidget*>().size());
    state.counters["recovery_writes"] = static_cast<double>(w->window.recovery()->writes());
}
BENCHMARK(BM_NextPage)->ArgsProduct({{0, 1, 2}, {0}})->Apply(repeated);
BENCHMARK(BM_NextPage)->ArgsProduct({{0, 1, 2}, {1}})->Apply(newWindows);

// Previous Page from the heavy page back to the page before it.
void BM_PreviousPage(benchmark::State& state) {
    const HeavyPage heavy(kHeavySections.at(state.range(0)));
    state.SetLabel(heavy.label());
    Window w;
    w.answerEveryQuestion();
    Stopwatch watch(state);
    for (auto _ : state) {
        w.show(w.window.pane(heavy.module), heavy.page);
        QPushButton* back = w.pageButton(false);
        watch.time([&] { back->click(); });
        if (w.where() != heavy.placeBefore(w)) {
            state.SkipWithError("Previous Page did not go back");
            break;
        }
    }
}
BENCHMARK(BM_PreviousPage)->DenseRange(0, 2)->Apply(repeated);

// A View menu item: from one section's pane to another's. Arguments: the View
// items, and 1 for the first showing of the second (a window for each iteration).
void BM_ViewSection(benchmark::State& state) {
    const int from = static_cast<int>(state.range(0));
    const int to = static_cast<int>(state.range(1));
    const bool fresh = state.range(2) != 0;
    std::unique_ptr<Window> w = answeredWindow();
    Stopwatch watch(state);
    for (auto _ : state) {
        if (fresh) w = answeredWindow();
        w->window.viewAction(from)->trigger();
        settle();
        watch.time([&] { w->window.viewAction(to)->trigger(); });
        const PaneView* pane = w->window.currentPane();
        if (!pane || pane->section().info().viewMenuItem != to) {
            state.SkipWithError("the View item did not show its section");
            break;
        }
    }
    const auto paneOf = [&](int item) {
        for (const PaneView* pane : w->window.panes())
            if (pane->section().info().viewMenuItem == item) return pane->objectName();
        return QString();
    };
    state.SetLabel((paneOf(from) + " to " + paneOf(to)).toStdString());
}
BENCHMARK(BM_ViewSection)->Args({0, 4, 0})->Args({4, 6, 0})->Apply(repeated);
BENCHMARK(BM_ViewSection)->Args({0, 4, 1})->Args({4, 6, 1})->Apply(newWindows);

void BM_NewClient(benchmark::State& state) {
    Window w;
    Stopwatch watch(state);
    for (auto _ : state) {
        w.answerEveryQuestion();
        w.window.viewAction(7)->trigger();  // the interview's last section
        settle();
        w.prompts.answerSave({Prompts::SaveChoice::DontSave});
        watch.time([&] { w.window.fileAction(QStringLiteral("mnuNewClient"))->trigger(); });
        if (w.window.unsaved() ||
            !w.section(kLocator).text(QStringLiteral("txtLastName")).isEmpty()) {
            state.SkipWithError("New Client kept the answers");
            break;
        }
    }
}
BENCHMARK(BM_NewClient)->Apply(repeated);

void BM_OpenClient(benchmark::State& state) {
    Window w;
    w.answerEveryQuestion();
    w.window.fileAction(QStringLiteral("mnuSaveClient"))->trigger();
    settle();
    const QString folder = w.window.clientFolder().clientFolderPath();
    ClientDialog& dialog = w.window.clientDialog();
    Stopwatch watch(state);
    for (auto _ : state) {
        w.window.fileAction(QStringLiteral("mnuNewClient"))->trigger();
        w.window.fileAction(QStringLiteral("mnuOpenClient"))->trigger();
        dialog.setCurrentFolder(folder);
        settle();
        watch.time([&] { dialog.loadButton()->click(); });
        if (dialog.isVisible() ||
            w.section(kLocator).text(QStringLiteral("txtLastName")) != "Doe") {
            state.SkipWithError("the client was not opened");
            break;
        }
    }
}
BENCHMARK(BM_OpenClient)->Apply(repeated);

// A fully answered client saved after one answer changed (the first iteration makes
// the client folder). Argument: 0 File, Save Client: the section files and the
// report; 1 View, View Report: the same, the review between, and the desktop asked
// to open the report.
void BM_Save(benchmark::State& state) {
    const bool viewReport = state.range(0) != 0;
    Window w;
    w.answerEveryQuestion();
    QAction* action = viewReport ? w.window.viewAction(kViewReport)
                                 : w.window.fileAction(QStringLiteral("mnuSaveClient"));
    int i = 0;
    Stopwatch watch(state);
    for (auto _ : state) {
        w.section(kLocator).setText(QStringLiteral("txtCity"), QStringLiteral("City %1").arg(++i));
        settle();
        w.prompts.clear();
        const int opened = w.opener.opened;
        watch.time([&] { action->trigger(); });
        if (w.window.unsaved() || !w.prompts.boxes.isEmpty() ||
            w.opener.opened != opened + (viewReport ? 1 : 0)) {
            const std::string why =
                "not saved; boxes: " + w.prompts.titles().join(", ").toStdString();
            state.SkipWithError(why.c_str());
            break;
        }
    }
    state.SetLabel(action->text().remove('&').toStdString() + " in " +
                   QDir::tempPath().toStdString());
}
BENCHMARK(BM_Save)->DenseRange(0, 1)->Apply(repeated);

// The open-client dialog over 5 000 client folders. Argument: 0 File, Open Client,
// the dialog shown (it reads the folders once painted); 1 the first key typed as
// the dialog opens, the folders read in the wait; 2 the first key once the dialog
// is up; 3 a second key.
void BM_SearchKeystroke(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    // The clients are generated before the clock runs, and their files written out,
    // so that no writeback of them meets the reading.
    Window w(bench::clients().path);
    ::sync();
    ClientDialog& dialog = w.window.clientDialog();
    QLineEdit* box = dialog.searchBox();
    QAction* openClient = w.window.fileAction(QStringLiteral("mnuOpenClient"));
    // The reading the start-up began (bench_search times it) ends first, as it does
    // long before a person first opens a client.
    spinUntil([&] { return dialog.clientsRead(); });
    Stopwatch watch(state);
    for (auto _ : state) {
        box->clear();
        if (dialog.isVisible()) dialog.cancelButton()->click();
        settle();
        if (which == 0) {
            watch.time([&] { openClient->trigger(); });
            continue;
        }
        openClient->trigger();
        const auto found = [&] { return dialog.searchResults()->model()->rowCount() > 0; };
        if (which > 1) spinUntil([&] { return dialog.clientsRead(); });
        if (which == 3) {
            type(box, QStringLiteral("s"));
            settle();
        }
        // Typed as the dialog opens, the list comes once the reading is over.
        watch.time([&] {
            type(box, which == 3 ? QStringLiteral("m") : QStringLiteral("s"));
            if (which == 1) spinUntil(found);
        });
        if (!found()) {
            state.SkipWithError("the search found nothing");
            break;
        }
    }
    state.SetLabel(QStringLiteral("\"%1\" among %2 folders, %3 found")
                       .arg(box->text())
                       .arg(bench::kClients)
                       .arg(dialog.searchResults()->model()->rowCount())
                       .toStdString());
}
BENCHMARK(BM_SearchKeystroke)->DenseRange(0, 3)->Apply(repeated);

// "45" in the number of days of the last 30 a substance was used (0 to 30), on the
// substance table, then Tab.
void BM_RangeRefused(benchmark::State& state) {
    Window w;
    w.answerEveryQuestion();
    const QString id = QStringLiteral("txtDaysUsedLast30(0)");
    PaneView* drugs = w.window.pane(QStringLiteral("ctlDrugs"));
    for (const Page& page : drugs->section().pages())
        if (page.fields().contains(id)) w.show(drugs, page.index);
    auto* edit = w.window.findChild<QLineEdit*>(id);
    if (!w.active || !edit || !edit->isVisible()) state.SkipWithError("the box is not on screen");
    Stopwatch watch(state);
    for (auto _ : state) {
        edit->setFocus(Qt::TabFocusReason);
        settle();
        edit->selectAll();
        type(edit, QStringLiteral("45"));
        settle();
        w.prompts.clear();
        watch.time([&] {
            press(edit, Qt::Key_Tab);
            spinUntil([&] { return !w.prompts.boxes.isEmpty() && edit->hasFocus(); });
        });
        if (w.prompts.titles() != QStringList{QStringLiteral("Input Error")} || !edit->hasFocus() ||
            !edit->text().isEmpty()) {
            state.SkipWithError("the refused number did not bring the keyboard back");
            break;
        }
    }
}
BENCHMARK(BM_RangeRefused)->Apply(repeated);

}  // namespace

int main(int argc, char** argv) {
    yrn::readTimeZoneOnce();  // as the program does
    // A 1366 x 768 screen, unless a platform is chosen.
    QTemporaryFile screens;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && screens.open()) {
        screens.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1366,
                          "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96}]})");
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    }
    return bench::runBenchmarks(argc, argv, bench::Windows::Yes, [] {
        // The program's own style.
        if (QStyleFactory::keys().contains(QStringLiteral("Fusion")))
            QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        benchmark::AddCustomContext(
            "screen",
            QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height()).toStdString());
        paintCounter();
    });
}
