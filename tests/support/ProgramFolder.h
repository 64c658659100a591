#pragma once

// A program folder inside a temporary folder (so that nothing may be written beside
// it) with the shipped report template, and an opener that records what it opens.

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "report/ReportAssembly.h"

namespace yrn::test {

struct RecordingOpener : DocumentOpener {
    int open(const QString& path) override {
        opened << path;
        if (result != 0) return result;
        return QFileInfo(path).isFile() ? 42 : 2;
    }
    QStringList opened;
    int result = 0;  // when set, what every open returns (31: no application for the file)
};

struct ProgramFolder {
    ProgramFolder() {
        QDir().mkpath(path);
        hasTemplate =
            QFile::copy(YRN_SOURCE_DIR "/resources/YRN_TEMPLATE.RTF", path + "/YRN_TEMPLATE.RTF");
    }
    QString filePath(const QString& name) const { return path + '/' + name; }

    QTemporaryDir root;
    QString path = root.path() + "/program";
    bool hasTemplate = false;
};

}  // namespace yrn::test
