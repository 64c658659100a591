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
#include <QStyleFactory>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

#include "app/MainWindow.h"
#include "app/Recovery.h"
#include "app/Splash.h"
#include "app/WidgetPrompts.h"

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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Halverin Drug Court YRN"));
    QApplication::setApplicationVersion(QStringLiteral("8.0"));
    if (QStyleFactory::keys().contains(QStringLiteral("Fusion")))
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    // Everything the program needs lies beside the executable.
    const QString programFolder = QCoreApplication::applicationDirPath();

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
