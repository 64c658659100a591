#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace yrn {

// Opens a file with the application the desktop has registered for it.
// The result follows the shell's codes: above 32 is success, 2 means that the
// file was not found, 31 that no application could open it.
class DocumentOpener {
  public:
    virtual ~DocumentOpener() = default;
    virtual int open(const QString& path) = 0;

    // As open; and when the desktop, having taken the document, could not show it
    // after all, `failed` is told so later with the code open would have given.
    using Failure = std::function<void(int code)>;
    virtual int openWatched(const QString& path, const Failure& failed) {
        Q_UNUSED(failed);
        return open(path);
    }
};

// The desktop's open-document service. The path is handed over as one argument
// of a process, never pasted into a shell command. The opener's exit status is
// awaited without holding up the window: one that fails (no application is
// registered for the file, the common case on a fresh desktop) is a failure.
class DesktopOpener : public DocumentOpener {
  public:
    explicit DesktopOpener(QString program = QStringLiteral("xdg-open"));
    int open(const QString& path) override;
    int openWatched(const QString& path, const Failure& failed) override;

  private:
    QString program_;
    QObject context_;  // failures are told only while this opener lives
};

}  // namespace yrn
