#include "records/ClientFolder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "interview/FolderName.h"
#include "interview/Interview.h"
#include "interview/ProgramError.h"
#include "interview/Prompts.h"
#include "interview/Section.h"

namespace yrn {

namespace {

const QString kSaveError = QStringLiteral("Save Error");

}  // namespace

ClientFolder::ClientFolder(Interview& interview, QString programFolder)
    : interview_(interview), programFolder_(std::move(programFolder)) {}

void ClientFolder::NewClientYRN() {
    interview_.BeginLoading();
    guarded(interview_.prompts(), ErrorSite::shared("NewClientYRN"), [&] {
        for (Section* section : interview_.sections())
            section->guard(section->info().module + '.' + section->info().resetProcedure,
                           [section] { section->NewYRN(); });
    });
    interview_.EndLoading();
    tell(Event::Reset);
}

QString ClientFolder::clientFolderPath() const {
    return QDir(programFolder_).filePath(interview_.identity().YRNDirectory());
}

bool ClientFolder::isSafeFolderName(const QString& name) {
    return yrn::isSafeFolderName(name);
}

ClientFolder::SaveOutcome ClientFolder::SaveClientYRN() {
    SaveOutcome outcome;
    Prompts& prompts = interview_.prompts();
    const ClientIdentity& identity = interview_.identity();
    guarded(prompts, ErrorSite::shared("SaveClientYRN"), [&] {
        if (!identity.CheckSaveValues()) {
            outcome.identityMissing = true;
            prompts.information(
                kSaveError,
                QStringLiteral(
                    "You must enter client's name and the date of assessment before saving."));
            return;
        }
        const QString name = identity.YRNDirectory();
        if (!isSafeFolderName(name)) {
            outcome.notSaved << name;
            prompts.information(
                kSaveError,
                "The client's name and assessment date give the folder name \"" + name +
                    "\", which cannot be used: a folder name may not hold a path separator, "
                    "\"..\", a control character or any of < > : \" | ? *, nor begin or end "
                    "with a blank.\r\nPlease correct the name or the date. Nothing was saved.");
            return;
        }
        outcome.folder = clientFolderPath();
        QDir program(programFolder_);
        const bool made = program.exists(name) || program.mkdir(name);
        if (!made || !QFileInfo(outcome.folder).isDir() ||
            !QFileInfo(outcome.folder).isWritable()) {
            outcome.notSaved << name;
            prompts.information(kSaveError,
                                "The client folder \"" + QDir::toNativeSeparators(outcome.folder) +
                                    "\" could not be made or written to.\r\nNothing was saved; "
                                    "the answers are still on screen.");
            return;
        }
        QFile::setPermissions(outcome.folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
        // A section that fails to write keeps its older file; the others are still saved.
        for (Section* section : interview_.sections()) {
            const QString file = section->info().fileName;
            if (!section->SaveYRN(QDir(outcome.folder).filePath(file))) outcome.notSaved << file;
        }
        if (!outcome.notSaved.isEmpty()) {
            prompts.information(kSaveError,
                                "These section files could not be saved in \"" +
                                    QDir::toNativeSeparators(outcome.folder) +
                                    "\": " + outcome.notSaved.join(QStringLiteral(", ")) +
                                    ".\r\nThe answers are still on screen; please save again.");
            return;
        }
        outcome.allWritten = true;
    });
    if (outcome.allWritten) tell(Event::Saved);
    return outcome;
}

QList<ClientFolder::SectionFile> ClientFolder::sectionFiles(const QString& folder) const {
    QList<SectionFile> found;
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    std::sort(names.begin(), names.end());
    for (Section* section : interview_.sections()) {
        const QString written = section->info().fileName;
        QString chosen;
        for (const QString& name : std::as_const(names)) {
            if (name.compare(written, Qt::CaseInsensitive) != 0) continue;
            if (chosen.isEmpty() || name == written) chosen = name;
        }
        if (!chosen.isEmpty())
            found.append({section->info().module, QDir(folder).filePath(chosen)});
    }
    std::sort(found.begin(), found.end(), [](const SectionFile& a, const SectionFile& b) {
        return QFileInfo(a.path).fileName() < QFileInfo(b.path).fileName();
    });
    return found;
}

ClientFolder::OpenOutcome ClientFolder::openClient(const QString& folder) {
    OpenOutcome outcome;
    Prompts& prompts = interview_.prompts();
    const QList<SectionFile> files = sectionFiles(folder);
    if (files.isEmpty()) {
        prompts.critical(QStringLiteral("Invalid directory"),
                         QStringLiteral("This directory contains no YRN files!!"));
        return outcome;
    }
    NewClientYRN();
    interview_.BeginLoading();
    guarded(prompts, ErrorSite::module(QStringLiteral("frmDialog.cmdOKButton_Click")), [&] {
        for (const SectionFile& file : files) {
            prompts.busy(true);
            Section* section = interview_.section(file.module);
            const LoadResult result = section->LoadClientYRN(file.path);
            outcome.found = true;
            if (!result.found || !result.complete)
                outcome.incomplete << QFileInfo(file.path).fileName();
        }
    });
    prompts.busy(false);
    interview_.EndLoading();
    if (outcome.found) tell(Event::Opened);
    if (!outcome.incomplete.isEmpty()) {
        prompts.information(
            QStringLiteral("Incomplete Client Files"),
            "These section files are damaged or incomplete and could not be read in full: " +
                outcome.incomplete.join(QStringLiteral(", ")) +
                ".\r\nEverything that could be read is on screen. Saving this client will "
                "replace them.");
    }
    return outcome;
}

}  // namespace yrn
