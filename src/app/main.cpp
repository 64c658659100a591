// The program: the splash, then the main window with the open-client dialog.
//
// Two environment variables exist for measuring start-up only; a normal start
// uses neither:
//   YRN_SKIP_SPLASH=1   leaves out the two-second splash;
//   YRN_READY_PROBE=1   prints "ready <epoch ms> <peak resident KiB>" once the main
//                       window has been laid out and painted, then ends the program.
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

#include "ProgramInfo.h"
#include "app/MainWindow.h"
#include "app/Recovery.h"
#include "app/Splash.h"
#include "app/WidgetPrompts.h"
#include "base/AtomicFile.h"
#include "base/CalendarDate.h"
#include "records/ProgramLocation.h"

namespace {

// Peak resident memory of this process in KiB, from the kernel's accounting.
long peakResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return -1;
    QTextStream in(&status);
    for (QString line = in.readLine(); !line.isNull(); line = in.readLine())
        if (line.startsWith(QStringLiteral("VmHWM:")))
            return line.section(QLatin1Char(':'), 1)
                .trimmed()
                .section(QLatin1Char(' '), 0, 0)
                .toLong();
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    yrn::readTimeZoneOnce();
    yrn::keepFromOthers();
    QApplication app(argc, argv);
    // The name gives the per-user data folder (~/.local/share/halverin-yrn) and
    // ties the windows to the desktop file of an installed copy.
    QApplication::setApplicationName(QStringLiteral("halverin-yrn"));
    QApplication::setApplicationVersion(QString::fromLatin1(yrn::kProgramVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("halverin-yrn"));
    if (QStyleFactory::keys().contains(QStringLiteral("Fusion")))
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    // Beside the executable when it can keep the clients there, else a folder in
    // the per-user data folder (Help, About tells which). It is a folder of its own
    // there, so that the recovery copies beside it never lie in the program folder.
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const yrn::ProgramLocation location = yrn::resolveProgramFolder(
        QCoreApplication::applicationDirPath(),
        userData.isEmpty() ? QString() : userData + QStringLiteral("/program"));
    if (!location.problem.isEmpty())
        std::fprintf(stderr, "yrn: %s\n", location.problem.toLocal8Bit().constData());
    const QString programFolder = location.folder;

    if (!qEnvironmentVariableIsSet("YRN_SKIP_SPLASH")) yrn::Splash::showFor(2000);

    yrn::WidgetPrompts prompts;
    yrn::MainWindow window(prompts, programFolder);
    // Unsaved answers are kept in the user's own folder, never in the program folder.
    window.keepRecoveryCopies(yrn::Recovery::defaultFolder());
    window.startUp();

    if (qEnvironmentVariableIsSet("YRN_READY_PROBE")) {
        QTimer::singleShot(0, &window, [&window] {
            window.repaint();
            std::printf("ready %lld %ld\n",
                        static_cast<long long>(QDateTime::currentMSecsSinceEpoch()),
                        peakResidentKiB());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }
    return QApplication::exec();
}
