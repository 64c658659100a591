#include "records/ClientFolder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "base/AtomicFile.h"
#include "base/FolderName.h"
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

int ClientFolder::observe(std::function<void(Event)> observer) {
    observers_.append({++lastObserver_, std::move(observer)});
    return lastObserver_;
}

void ClientFolder::unobserve(int id) {
    observers_.removeIf([id](const auto& o) { return o.first == id; });
}

void ClientFolder::tell(Event event) const {
    // An observer may stop observing while it is told.
    const auto observers = observers_;
    for (const auto& [id, observer] : observers)
        observer(event);
}

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
        if (const QString problem = folderNameProblem(name); !problem.isEmpty()) {
            outcome.notSaved << name;
            prompts.information(
                kSaveError, "The client's name and assessment date give the folder name \"" + name +
                                "\", which cannot be used: it " + problem +
                                ".\r\nPlease correct the name or the date. Nothing was saved.");
            return;
        }
        outcome.folder = clientFolderPath();
        QString why;
        if (!makePrivateFolder(outcome.folder, &why)) {
            outcome.notSaved << name;
            prompts.information(kSaveError,
                                "The client folder \"" + QDir::toNativeSeparators(outcome.folder) +
                                    "\" could not be made or written to.\r\n" + why +
                                    "\r\nNothing was saved; the answers are still on screen.");
            return;
        }
        saveSections(outcome);
    });
    if (outcome.allWritten) tell(Event::Saved);
    return outcome;
}

// Every section writes its file under a temporary name first; only when all of
// them are on disk are they renamed into place, one after another, so that a
// failure or a kill leaves no folder holding files of two saves (but for the
// instant of the renames). When a section fails, every section keeps its older file.
void ClientFolder::saveSections(SaveOutcome& outcome) {
    const QDir folder(outcome.folder);
    removeTemporaryFiles(outcome.folder);
    QStringList reasons;
    QList<std::pair<QString, QString>> staged;  // temporary name, section file name
    for (Section* section : interview_.sections()) {
        const QString file = section->info().fileName;
        const QString temporary = kTemporaryPrefix + file;
        if (const QString refusal = replaceRefusal(folder.filePath(file), FolderLinks::Refuse);
            !refusal.isEmpty()) {
            outcome.notSaved << file;
            reasons << refusal;
        } else if (!section->SaveYRN(folder.filePath(temporary))) {
            outcome.notSaved << file;
        } else if (QFileInfo::exists(folder.filePath(temporary))) {
            staged.append({temporary, file});  // a section without a file layout writes none
        }
    }
    const bool replacing = outcome.notSaved.isEmpty();
    if (replacing) renameInFolder(outcome.folder, staged, &outcome.notSaved);
    removeTemporaryFiles(outcome.folder);
    if (outcome.notSaved.isEmpty()) {
        outcome.allWritten = true;
        return;
    }
    interview_.prompts().information(
        kSaveError, "These section files could not be saved in \"" +
                        QDir::toNativeSeparators(outcome.folder) +
                        "\": " + outcome.notSaved.join(QStringLiteral(", ")) + ".\r\n" +
                        (reasons.isEmpty() ? QString() : reasons.join(' ') + "\r\n") +
                        (replacing ? QStringLiteral("The other section files were saved. ")
                                   : QStringLiteral("No section file was replaced. ")) +
                        "The answers are still on screen; please save again.");
}

QList<ClientFolder::SectionFile> ClientFolder::sectionFiles(const QString& folder) const {
    QList<SectionFile> found;
    // Devices, FIFOs and links to them are listed too: the open names them as
    // files it could not read, rather than passing over them in silence.
    QStringList names =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
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
