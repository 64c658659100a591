#pragma once

// yrn-tool run as its own process, as a person or a script runs it.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <QProcess>
#include <csignal>

namespace yrn::test {

inline const QString kTool = QStringLiteral(YRN_PROGRAM_DIR "/yrn-tool");

struct ToolRun {
    int exitCode = -1;  // -2 when the process crashed, -1 when it did not finish
    QByteArray out;
    QStringList errLines;
};

// Runs the program (the tool unless another copy of it is named) and waits up to a
// minute for it; with a file size limit, as on a full disk, a write past the limit
// fails instead of ending the process. Its stdout goes to a file when one is named
// (added to what the file holds).
inline ToolRun runTool(const QStringList& args, const QString& program = kTool,
                       rlim_t fileSizeLimit = RLIM_INFINITY, const QString& stdoutFile = {}) {
    QProcess process;
    if (!stdoutFile.isEmpty()) process.setStandardOutputFile(stdoutFile, QIODevice::Append);
    if (fileSizeLimit != RLIM_INFINITY) {
        process.setChildProcessModifier([fileSizeLimit] {
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, SIG_IGN);
        });
    }
    process.start(program, args);
    ToolRun result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "yrn-tool did not finish: " << args.join(' ').toStdString();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = process.readAllStandardOutput();
    result.errLines =
        QString::fromUtf8(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    return result;
}

}  // namespace yrn::test
