#include "records/ProgramLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ProgramInfo.h"

namespace yrn {

namespace {

bool holdsTemplate(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(QDir(folder).filePath(kProgramTemplateFile)).isFile();
}

// Copies a file that the target lacks; a file already there is the person's own
// (an edited template stays as it is).
bool copyIfMissing(const QString& from, const QString& to, QStringList& failed) {
    if (QFileInfo::exists(to) || QFileInfo(to).isSymLink()) return true;
    if (QFile::copy(from, to)) {
        QFile::setPermissions(to, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return true;
    }
    failed << QFileInfo(to).fileName();
    return false;
}

// Gives the folder the template and the help documents it lacks.
QString seed(const QString& source, const QString& target) {
    QStringList failed;
    copyIfMissing(QDir(source).filePath(kProgramTemplateFile),
                  QDir(target).filePath(kProgramTemplateFile), failed);
    const QDir helpSource(QDir(source).filePath(kProgramHelpFolder));
    const QStringList documents =
        helpSource.exists() ? helpSource.entryList(QDir::Files | QDir::NoSymLinks) : QStringList();
    if (!documents.isEmpty()) {
        const QString helpTarget = QDir(target).filePath(kProgramHelpFolder);
        if (!QDir().mkpath(helpTarget)) {
            failed << kProgramHelpFolder;
        } else {
            for (const QString& name : documents)
                copyIfMissing(helpSource.filePath(name), QDir(helpTarget).filePath(name), failed);
        }
    }
    if (failed.isEmpty()) return {};
    return "Could not copy into " + QDir::toNativeSeparators(target) + ": " +
           failed.join(QStringLiteral(", "));
}

}  // namespace

QString installedDataFolder(const QString& executableFolder) {
    return QDir::cleanPath(QDir(executableFolder).filePath(kInstalledDataFromBin));
}

ProgramLocation resolveProgramFolder(const QString& executableFolder,
                                     const QString& userDataFolder) {
    const QFileInfo beside(executableFolder);
    if (holdsTemplate(executableFolder) && beside.isDir() && beside.isWritable())
        return {executableFolder, true, {}};

    ProgramLocation location{executableFolder, true, {}};
    if (userDataFolder.isEmpty() || !QDir().mkpath(userDataFolder)) {
        location.problem = "Could not make the folder " + QDir::toNativeSeparators(userDataFolder) +
                           " for the client folders.";
        return location;
    }
    // Client answers are confidential: the folder is its owner's only.
    QFile::setPermissions(userDataFolder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    location = {QDir::cleanPath(userDataFolder), false, {}};
    const QString installed = installedDataFolder(executableFolder);
    const QString source = holdsTemplate(installed)          ? installed
                           : holdsTemplate(executableFolder) ? executableFolder
                                                             : QString();
    if (!source.isEmpty()) location.problem = seed(source, location.folder);
    if (location.problem.isEmpty() && !holdsTemplate(location.folder))
        location.problem = QStringLiteral("No report template was found to copy into the folder.");
    return location;
}

QString defaultTemplate(const QString& executableFolder) {
    const QString installed = installedDataFolder(executableFolder);
    return QDir(holdsTemplate(executableFolder) || !holdsTemplate(installed) ? executableFolder
                                                                             : installed)
        .filePath(kProgramTemplateFile);
}

}  // namespace yrn
