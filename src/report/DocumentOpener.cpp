#include "report/DocumentOpener.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <memory>

namespace yrn {

namespace {

constexpr int kOpened = 42;
constexpr int kFileNotFound = 2;
constexpr int kNoApplication = 31;
// An opener may run the application itself and end only with it; what ends
// after this long was on screen, whatever its exit status says.
constexpr qint64 kShowingTime = 60'000;

}  // namespace

DesktopOpener::DesktopOpener(QString program) : program_(std::move(program)) {}

int DesktopOpener::open(const QString& path) {
    return openWatched(path, {});
}

int DesktopOpener::openWatched(const QString& path, const Failure& failed) {
    const QFileInfo info(path);
    if (!info.isFile()) return kFileNotFound;
    // Not a child of anything: the process is never killed with the window, so an
    // application it runs stays open when the program ends.
    auto* process = new QProcess;
    process->setProgram(program_);
    // An absolute path never starts with "-", so the opener cannot take it for
    // an option; and it is one argument, never part of a command line.
    process->setArguments({info.absoluteFilePath()});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    const auto tell = [failed, clock] {
        if (failed && clock->elapsed() < kShowingTime) failed(kNoApplication);
    };
    QObject::connect(process, &QProcess::finished, &context_,
                     [tell](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0) tell();
                     });
    QObject::connect(process, &QProcess::errorOccurred, &context_,
                     [tell](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) tell();
                     });
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) process->deleteLater();
                     });
    process->start();
    return kOpened;
}

}  // namespace yrn
