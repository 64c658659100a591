#include "records/ClientFolder.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QUuid>
#include <algorithm>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/AtomicFile.h"
#include "base/Descriptor.h"
#include "base/FolderName.h"
#include "interview/Interview.h"
#include "interview/ProgramError.h"
#include "interview/Prompts.h"
#include "interview/Section.h"
#include "records/FieldCodec.h"

namespace yrn {

namespace {

const QString kSaveError = QStringLiteral("Save Error");

// A save holds this lock file in the client folder from its first file to its
// last rename, so that two programs' saves of one client never mix. A program
// killed while saving leaves it behind; QLockFile takes it over once the process
// that made it is gone (on this machine) or it is older than a save ever takes.
const QString kSaveLock = QStringLiteral(".yrn-save.lock");
constexpr int kSaveLockStaleMs = 10 * 60 * 1000;

// The mark of a client open in a program: a lock file held from the open (or the
// first save) to a new client, another open or the program's end.
const QString kInUseLock = QStringLiteral(".yrn-in-use.lock");
constexpr qint64 kInUseStaleSeconds = 24 * 60 * 60;  // a mark of another computer

// A save writes each section file under a staging name of its own first, then a
// commit record naming them; only then does it rename them into place and remove
// the record. A record found later belongs to a save killed during its renames.
const QString kStagingPrefix = QStringLiteral(".yrn-stage-");
const QString kCommitPrefix = QStringLiteral(".yrn-commit-");
constexpr qsizetype kMaxCommitRecord = 64 * 1024;
// How often an open reads a folder whose files another program's save replaced
// while they were read.
constexpr int kReadAttempts = 5;

// Whether a lock file was left by a program killed while it made it: it names no
// process, is not locked by any, and is older than making one takes.
bool abandonedLockFile(const QString& file) {
    qint64 pid = 0;
    QString host, application;
    const QFileInfo info(file);
    if (!info.exists() || QLockFile(file).getLockInfo(&pid, &host, &application) ||
        info.lastModified().secsTo(QDateTime::currentDateTime()) < 2)
        return false;
    const Descriptor fd(::open(QFile::encodeName(file).constData(),
                               O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    return fd.valid() && ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0;
}

// Takes a client folder's save lock, waiting for another program's save to end. The
// lock file of a program killed while it made it is removed: the lock, or one of
// those QLockFile makes beside it to take a stale lock over (".rmlock", and for a
// stale ".rmlock" its own ".rmlock", and so on), any of which would otherwise stop
// every later save until it is older than QLockFile's half minute.
bool takeSaveLock(QLockFile& lock, const QString& path, int waitMs) {
    constexpr int kMostNested = 8;
    lock.setStaleLockTime(kSaveLockStaleMs);
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        if (lock.tryLock(int(std::min<qint64>(deadline.remainingTime(), 100)))) {
            restrictToFolderAccess(path);
            return true;
        }
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired()) return false;
        QString file = path;
        for (int depth = 0; depth < kMostNested && QFileInfo::exists(file); ++depth) {
            if (abandonedLockFile(file)) QFile::remove(file);
            file += QStringLiteral(".rmlock");
        }
    }
}

// The folder's entries whose names start with prefix (links too, never followed).
QStringList entriesStartingWith(const QString& folder, const QString& prefix) {
    return QDir(folder).entryList({prefix + '*'}, QDir::Files | QDir::Hidden | QDir::System);
}

}  // namespace

ClientFolder::ClientFolder(Interview& interview, QString programFolder)
    : interview_(interview), programFolder_(std::move(programFolder)) {}

ClientFolder::~ClientFolder() = default;

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
    knownFolder_.clear();
    known_.clear();
    inUse_.reset();
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
        if (!makeFolder(outcome.folder, &why, FolderAccess::LikeParent)) {
            outcome.notSaved << name;
            prompts.failure(Prompts::Severity::Information, kSaveError,
                            "The client folder \"" + QDir::toNativeSeparators(outcome.folder) +
                                "\" could not be made or written to.\r\nNothing was saved; the "
                                "answers are still on screen.",
                            why);
            return;
        }
        saveSections(outcome);
    });
    if (outcome.allWritten) tell(Event::Saved);
    return outcome;
}

ClientFolder::FolderMarks ClientFolder::marksOf(const QString& folder) const {
    FolderMarks marks;
    for (const SectionFile& file : sectionFiles(folder)) {
        FileMark& mark = marks[file.module];
        QByteArray bytes;
        if (readFileLimited(file.path, SectionReader::kMaxFileBytes, bytes, FileLinks::Refuse) ==
            ReadOutcome::Read) {
            mark.size = bytes.size();
            mark.hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
        }
        mark.modified = QFileInfo(file.path).lastModified();
    }
    return marks;
}

// Asks before section files are replaced that the answers on screen did not come
// from. False when nothing is to be saved.
bool ClientFolder::mayReplace(SaveOutcome& outcome, const FolderMarks& found) {
    const bool known = QFileInfo(outcome.folder).canonicalFilePath() == knownFolder_;
    if (found.isEmpty() || (known && found == known_)) return true;
    QDateTime last;
    for (const FileMark& mark : found)
        last = std::max(last, mark.modified);
    const QString name = QFileInfo(outcome.folder).fileName();
    const QString when = last.toString(QStringLiteral("MM/dd/yyyy h:mm AP"));
    Prompts& prompts = interview_.prompts();
    if (!known) {
        outcome.cancelled =
            prompts.choice(QStringLiteral("Client Folder Exists"),
                           "A client folder " + name + " already exists (last saved " + when +
                               "). Replace it?",
                           {QStringLiteral("&Replace"), QStringLiteral("Cancel")}) != 0;
        return !outcome.cancelled;
    }
    // Who has the client open there, when it is not this program.
    QString holder;
    if (!inUse_ || inUsePath_ != QDir(outcome.folder).filePath(kInUseLock))
        holder = holderOf(outcome.folder);
    const int choice = prompts.choice(
        QStringLiteral("Client Saved Elsewhere"),
        "The client folder " + name + " was saved by another program at " + when +
            ", after these answers were opened or saved here." +
            (holder.isEmpty() ? QString() : " It is open in: " + holder + '.') +
            "\r\nOverwrite it with the answers "
            "on screen, or open the answers saved there? (The answers on screen are then kept "
            "in a recovery copy.)",
        {QStringLiteral("&Overwrite with my answers"), QStringLiteral("&Open theirs"),
         QStringLiteral("Cancel")});
    outcome.openTheirs = choice == 1;
    outcome.cancelled = choice != 0;
    return choice == 0;
}

QString ClientFolder::holderOf(const QString& folder, qint64* pid, QString* host) const {
    const QString path = QDir(folder).filePath(kInUseLock);
    QLockFile probe(path);
    qint64 process = 0;
    QString computer, application;
    if (!probe.getLockInfo(&process, &computer, &application)) return {};
    if (pid) *pid = process;
    if (host) *host = computer;
    const QFileInfo info(path);
    return info.owner() + " on " + computer + ", process " + QString::number(process) + ", since " +
           info.lastModified().toString(QStringLiteral("MM/dd/yyyy h:mm AP"));
}

bool ClientFolder::takeMark(const QString& folder, bool ask, std::unique_ptr<QLockFile>& taken) {
    taken.reset();
    if (!holdsClients) return true;
    const QString path = QDir(folder).filePath(kInUseLock);
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);  // taken over only as below
    qint64 pid = 0;
    QString host;
    if (const QString holder = holderOf(folder, &pid, &host); !holder.isEmpty()) {
        const bool here = host == QSysInfo::machineHostName();
        const bool gone = here ? ::kill(pid_t(pid), 0) != 0 && errno == ESRCH
                               : QFileInfo(path).lastModified().secsTo(
                                     QDateTime::currentDateTime()) > kInUseStaleSeconds;
        const QString name = QFileInfo(folder).fileName();
        Prompts& prompts = interview_.prompts();
        if (gone && ask &&
            prompts.yesNo(
                QStringLiteral("Client In Use"),
                "The client " + name + " was left open by " + holder +
                    (here ? ", whose program is no longer running" : ", more than a day ago") +
                    ".\r\nTake it over?"))
            lock->removeStaleLockFile();
        else if (!gone && ask)
            return prompts.choice(QStringLiteral("Client In Use"),
                                  "The client " + name + " is open in another program: " + holder +
                                      ".\r\nOpen it read-only? Saving it later asks before "
                                      "replacing what the other program saves.",
                                  {QStringLiteral("Open &read-only"), QStringLiteral("Cancel")}) ==
                   0;
        else if (ask)
            return false;
    }
    if (lock->tryLock(0)) {
        restrictToFolderAccess(path);
        taken = std::move(lock);
    }
    return true;
}

// Which files stand under a folder's section file names and which commit records it
// holds: a save's rename or commit changes it.
QByteArray ClientFolder::folderState(const QString& folder, const QList<SectionFile>& files) const {
    QStringList paths = entriesStartingWith(folder, kCommitPrefix);
    for (QString& path : paths)
        path = QDir(folder).filePath(path);
    for (const SectionFile& file : files)
        paths << file.path;
    QByteArray state;
    for (const QString& path : std::as_const(paths)) {
        struct stat st {};
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0) st = {};
        state += QFile::encodeName(path) + ' ' + QByteArray::number(qulonglong(st.st_ino)) + ' ' +
                 QByteArray::number(qlonglong(st.st_size)) + ' ' +
                 QByteArray::number(qlonglong(st.st_mtim.tv_sec)) + '.' +
                 QByteArray::number(qlonglong(st.st_mtim.tv_nsec)) + '\n';
    }
    return state;
}

bool ClientFolder::isSectionFileName(const QString& name) const {
    for (const Section* section : interview_.sections())
        if (section->info().fileName == name) return true;
    return false;
}

// The renames each commit record of a folder names (staging name, section file
// name), by the record's name. Only what a save of this program writes counts: a
// staging name of the record's own save for a section file, a regular file.
QList<std::pair<QString, QList<std::pair<QString, QString>>>> ClientFolder::commitRecords(
    const QString& folder) const {
    const QDir dir(folder);
    QList<std::pair<QString, QList<std::pair<QString, QString>>>> records;
    for (const QString& record : entriesStartingWith(folder, kCommitPrefix)) {
        const QString token = record.mid(kCommitPrefix.size());
        QByteArray bytes;
        QList<std::pair<QString, QString>> renames;
        if (readFileLimited(dir.filePath(record), kMaxCommitRecord, bytes, FileLinks::Refuse) ==
            ReadOutcome::Read) {
            for (const QByteArray& line : bytes.split('\n')) {
                const QList<QByteArray> names = line.split('\t');
                if (names.size() != 2) continue;
                const QString from = QFile::decodeName(names.at(0));
                const QString to = QFile::decodeName(names.at(1));
                const QFileInfo staged(dir.filePath(from));
                if (from == kStagingPrefix + token + '-' + to && isSectionFileName(to) &&
                    staged.isFile() && !staged.isSymLink())
                    renames.append({from, to});
            }
        }
        records.append({record, renames});
    }
    return records;
}

// Under the save lock no other save is running: a commit record is a save killed
// while renaming (its staged files that are still there are renamed into place),
// and staged files without a record are a save killed before it was complete
// (they are removed, and the files it would have replaced stay), and so are the
// temporary files of writes that were killed.
void ClientFolder::finishInterruptedSaves(const QString& folder) const {
    const QDir dir(folder);
    for (const auto& [record, renames] : commitRecords(folder)) {
        renameInFolder(folder, renames);
        QFile::remove(dir.filePath(record));
    }
    for (const QString& staged : entriesStartingWith(folder, kStagingPrefix))
        QFile::remove(dir.filePath(staged));
    removeTemporaryFiles(folder);
}

// Every section writes its file under a staging name of this save first; only when
// all of them are on disk does a commit record name them, and they are renamed into
// place, one after another. A failure before the record leaves every section's
// older file; a kill after it is finished by the next open or save (see
// finishInterruptedSaves), so a folder never holds files of two saves.
void ClientFolder::saveSections(SaveOutcome& outcome) {
    const QDir folder(outcome.folder);
    Prompts& prompts = interview_.prompts();
    QLockFile lock(folder.filePath(kSaveLock));
    if (!takeSaveLock(lock, folder.filePath(kSaveLock), saveLockWaitMs)) {
        outcome.notSaved << QFileInfo(outcome.folder).fileName();
        prompts.information(kSaveError,
                            "Another program is saving into \"" +
                                QDir::toNativeSeparators(outcome.folder) +
                                "\" at this moment, or its save lock \"" + kSaveLock +
                                "\" cannot be made there.\r\nNothing was saved; the answers are "
                                "still on screen. Please save again in a moment.");
        return;
    }
    finishInterruptedSaves(outcome.folder);
    if (saveStep) saveStep(SaveStep::Locked);
    const QString token = QUuid::createUuid().toString(QUuid::Id128);
    QStringList reasons;
    QList<std::pair<QString, QString>> staged;  // staging name, section file name
    for (Section* section : interview_.sections()) {
        const QString file = section->info().fileName;
        const QString staging = kStagingPrefix + token + '-' + file;
        if (const QString refusal = replaceRefusal(folder.filePath(file), FolderLinks::Refuse);
            !refusal.isEmpty()) {
            outcome.notSaved << file;
            reasons << refusal;
        } else if (!section->SaveYRN(folder.filePath(staging))) {
            outcome.notSaved << file;
            reasons << section->lastSaveError();
        } else if (QFileInfo::exists(folder.filePath(staging))) {
            staged.append({staging, file});  // a section without a file layout writes none
        }
    }
    bool committed = false;
    if (outcome.notSaved.isEmpty() && mayReplace(outcome, marksOf(outcome.folder))) {
        if (saveStep) saveStep(SaveStep::Staged);
        QByteArray record;
        for (const auto& [from, to] : std::as_const(staged))
            record += QFile::encodeName(from) + '\t' + QFile::encodeName(to) + '\n';
        QString why;
        committed = writeFileAtomically(folder.filePath(kCommitPrefix + token), record, &why,
                                        FolderLinks::Refuse);
        if (!committed) {
            outcome.notSaved << QFileInfo(outcome.folder).fileName();
            reasons << why;
        }
    }
    if (committed) {
        if (saveStep) saveStep(SaveStep::Committed);
        renameInFolder(outcome.folder, staged, &outcome.notSaved);
        QFile::remove(folder.filePath(kCommitPrefix + token));
    }
    for (const auto& names : std::as_const(staged))
        QFile::remove(folder.filePath(names.first));
    if (outcome.cancelled) return;
    if (outcome.notSaved.isEmpty()) {
        outcome.allWritten = true;
        knownFolder_ = QFileInfo(outcome.folder).canonicalFilePath();
        known_ = marksOf(outcome.folder);
        if (const QString path = folder.filePath(kInUseLock); !inUse_ || inUsePath_ != path) {
            inUse_.reset();
            takeMark(outcome.folder, false, inUse_);
            inUsePath_ = path;
        }
        return;
    }
    lock.unlock();
    reasons.removeAll(QString());
    prompts.failure(Prompts::Severity::Information, kSaveError,
                    "These section files could not be saved in \"" +
                        QDir::toNativeSeparators(outcome.folder) +
                        "\": " + outcome.notSaved.join(QStringLiteral(", ")) + ".\r\n" +
                        (committed ? QStringLiteral("The other section files were saved. ")
                                   : QStringLiteral("No section file was replaced. ")) +
                        "The answers are still on screen; please save again.",
                    reasons.join(QStringLiteral("\r\n")));
}

QList<ClientFolder::SectionFile> ClientFolder::sectionFiles(const QString& folder) const {
    QList<SectionFile> found;
    // Devices, FIFOs, links and folders named like a section file are listed too:
    // the open names them as files it could not read, rather than passing over them
    // in silence. Folders (and links to them) only beside a file, though: a folder
    // that holds nothing but folders holds no section file.
    const QDir dir(folder);
    QStringList names = dir.entryList(
        QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    std::sort(names.begin(), names.end());
    bool anyFile = false;
    for (Section* section : interview_.sections()) {
        const QString written = section->info().fileName;
        QString chosen;
        for (const QString& name : std::as_const(names)) {
            if (name.compare(written, Qt::CaseInsensitive) != 0) continue;
            if (chosen.isEmpty() || name == written) chosen = name;
        }
        if (chosen.isEmpty()) continue;
        found.append({section->info().module, dir.filePath(chosen)});
        anyFile = anyFile || !QFileInfo(found.last().path).isDir();
    }
    if (!anyFile) return {};
    std::sort(found.begin(), found.end(), [](const SectionFile& a, const SectionFile& b) {
        return QFileInfo(a.path).fileName() < QFileInfo(b.path).fileName();
    });
    return found;
}

ClientFolder::OpenOutcome ClientFolder::openClient(const QString& folder) {
    OpenOutcome outcome;
    Prompts& prompts = interview_.prompts();
    // A save of this folder that was killed is finished or undone before it is read,
    // and one still renaming is waited for, by a program that holds clients. One that
    // only reads, and any program where the folder cannot be written, reads without
    // a lock and changes nothing (see below).
    if (holdsClients &&
        (!entriesStartingWith(folder, kCommitPrefix).isEmpty() ||
         !entriesStartingWith(folder, kStagingPrefix).isEmpty()) &&
        QFileInfo(folder).isWritable()) {
        const QString path = QDir(folder).filePath(kSaveLock);
        QLockFile lock(path);
        if (takeSaveLock(lock, path, saveLockWaitMs)) finishInterruptedSaves(folder);
    }
    const QList<SectionFile> files = sectionFiles(folder);
    if (files.isEmpty()) {
        prompts.critical(QStringLiteral("Invalid directory"),
                         QStringLiteral("This directory contains no YRN files!!"));
        return outcome;
    }
    FolderMarks read;
    // The client on screen keeps its mark should the open be cancelled.
    const QString markPath = QDir(folder).filePath(kInUseLock);
    std::unique_ptr<QLockFile> mark;
    if (inUse_ && inUsePath_ == markPath)
        mark = std::move(inUse_);
    else if (!takeMark(folder, true, mark))
        return outcome;
    // A save of another program may rename its files while they are read: whatever
    // its state, the files read are those of one save, read again (a few times at
    // most) when the folder changed meanwhile. Where a committed save's renames are
    // not all done, its staged files are read in place of the ones they replace.
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        const QByteArray before = folderState(folder, files);
        read = marksOf(folder);
        QMap<QString, QString> committed;  // section file name -> staged file
        for (const auto& [record, renames] : commitRecords(folder))
            for (const auto& [from, to] : renames)
                committed.insert(to, QDir(folder).filePath(from));
        NewClientYRN();
        outcome = {};
        interview_.BeginLoading();
        guarded(prompts, ErrorSite::module(QStringLiteral("frmDialog.cmdOKButton_Click")), [&] {
            for (const SectionFile& file : files) {
                prompts.busy(true);
                const QString name = QFileInfo(file.path).fileName();
                Section* section = interview_.section(file.module);
                const LoadResult result =
                    section->LoadClientYRN(committed.value(section->info().fileName, file.path));
                outcome.found = true;
                if (!result.found || !result.complete) outcome.incomplete << name;
                if (!result.found) outcome.unreadable << name;
            }
        });
        prompts.busy(false);
        interview_.EndLoading();
        if (folderState(folder, files) == before) break;
    }
    inUse_ = std::move(mark);
    inUsePath_ = markPath;
    knownFolder_ = QFileInfo(folder).canonicalFilePath();
    known_ = read;
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
