#include "app/Recovery.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>
#include <QWidget>
#include <algorithm>

#include "app/SavedAnswers.h"
#include "base/AtomicFile.h"
#include "interview/Interview.h"
#include "interview/ProgramError.h"
#include "interview/Prompts.h"
#include "interview/Section.h"
#include "records/ClientFolder.h"

namespace yrn {

namespace {

const QString kCopySuffix = QStringLiteral(".recovery");
const QString kLockSuffix = QStringLiteral(".lock");
const QString kSlotPrefix = QStringLiteral("interview-");
// A copy costs a few milliseconds: written after two seconds without a change,
// and during steady typing at least every ten.
constexpr int kQuietTime = 2'000;
constexpr int kLongestWait = 5;  // intervals

const QString kTitle = QStringLiteral("Interview Not Saved");
const QString kNotWrittenTitle = QStringLiteral("Recovery Copy Not Saved");

}  // namespace

// --- The keeper ---

QString Recovery::defaultFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // A relative location would put client answers in the current folder.
    if (data.isEmpty() || !QDir::isAbsolutePath(data)) return {};
    return QDir(data).filePath(QStringLiteral("recovery"));
}

Recovery::Recovery(Interview& interview, ClientFolder& clients, const SavedAnswers& saved,
                   QString folder, QObject* parent)
    : QObject(parent),
      interview_(interview),
      clients_(clients),
      saved_(saved),
      folder_(std::move(folder)),
      interval_(kQuietTime) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Recovery::checkpoint);
    for (Section* section : interview_.sections())
        observers_ << section->observe([this](const QString&) { changed(); });
    clientObserver_ = clients_.observe([this](ClientFolder::Event) { clientEvent(); });
}

Recovery::~Recovery() {
    clients_.unobserve(clientObserver_);
    const QList<Section*> sections = interview_.sections();
    for (qsizetype i = 0; i < sections.size() && i < observers_.size(); ++i)
        sections.at(i)->unobserve(observers_.at(i));
}

QString Recovery::pathOf(const QString& slot, const QString& suffix) const {
    return QDir(folder_).filePath(slot + suffix);
}

QString Recovery::copyPath() const {
    return slot_.isEmpty() ? QString() : pathOf(slot_, kCopySuffix);
}

// --- Start-up ---

bool Recovery::offer() {
    bool restored = false;
    Prompts& prompts = interview_.prompts();
    guarded(prompts, ErrorSite::module(QStringLiteral("frmMain.RestoreInterview")), [&] {
        if (folder_.isEmpty()) return;
        for (const QString& slot : leftCopies()) {
            std::unique_ptr<QLockFile> lock = lockSlot(slot);
            if (!lock) continue;  // the copy of a program that is still running
            const std::optional<RecoveryCopy> copy = read(slot);
            if (!copy) {
                prompts.information(kTitle,
                                    QStringLiteral("An interview that was not saved was found, "
                                                   "but its recovery copy is damaged and cannot "
                                                   "be restored."));
                dropSlot(slot, *lock);
                continue;
            }
            const QString name =
                copy->name.trimmed().isEmpty() ? QStringLiteral("no name entered") : copy->name;
            const QString when =
                copy->written.toLocalTime().toString(QStringLiteral("MM/dd/yyyy h:mm AP"));
            if (!prompts.yesNo(kTitle, "An interview that was not saved was found (" + name + ", " +
                                           when + "). Restore it?")) {
                dropSlot(slot, *lock);
                continue;
            }
            // The restored answers are not saved: the copy stays, and this program keeps it.
            slot_ = slot;
            lock_ = std::move(lock);
            restore(*copy);
            restoredPlace_ = copy->place;
            copyOnDisk_ = true;
            writtenPlace_ = copy->place;
            restored = true;
            return;
        }
    });
    watching_ = true;
    return restored;
}

QStringList Recovery::leftCopies() const {
    const QDir dir(folder_);
    // A lock without a copy is left by a program that ended before its first write.
    for (const QString& name :
         dir.entryList({kSlotPrefix + '*' + kLockSuffix}, QDir::Files | QDir::Hidden)) {
        const QString slot = name.chopped(kLockSuffix.size());
        if (QFileInfo::exists(pathOf(slot, kCopySuffix))) continue;
        if (std::unique_ptr<QLockFile> lock = lockSlot(slot)) lock->unlock();
    }
    QStringList out;
    for (const QString& name : dir.entryList({kSlotPrefix + '*' + kCopySuffix},
                                             QDir::Files | QDir::Hidden | QDir::System, QDir::Time))
        out << name.chopped(kCopySuffix.size());
    return out;
}

std::unique_ptr<QLockFile> Recovery::lockSlot(const QString& slot) const {
    auto lock = std::make_unique<QLockFile>(pathOf(slot, kLockSuffix));
    // A lock is stale only when its program is gone, however long that one runs.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

void Recovery::dropSlot(const QString& slot, QLockFile& lock) const {
    QFile::remove(pathOf(slot, kCopySuffix));
    lock.unlock();
}

std::optional<RecoveryCopy> Recovery::read(const QString& slot) const {
    // Only a regular file is read, and never past the limit: a device or a FIFO
    // could hang or flood the start.
    QByteArray bytes;
    if (readFileLimited(pathOf(slot, kCopySuffix), RecoveryCopy::kMaxBytes, bytes) !=
        ReadOutcome::Read)
        return std::nullopt;
    return RecoveryCopy::decode(bytes);
}

void Recovery::restore(const RecoveryCopy& copy) {
    const QStringList incomplete = copy.restoreInto(interview_, clients_);
    pending_ = false;
    if (!incomplete.isEmpty())
        interview_.prompts().information(
            kTitle, "Parts of the interview that was not saved could not be read in full: " +
                        incomplete.join(QStringLiteral(", ")) +
                        ".\r\nEverything that could be read is on screen.");
}

// --- Watching the answers ---

void Recovery::watchPage(QWidget* page) {
    if (page) page->installEventFilter(this);
}

bool Recovery::eventFilter(QObject* watched, QEvent* event) {
    // After the page change is over, so that no box comes up in its middle.
    if (event->type() == QEvent::Show && (pending_ || copyOnDisk_))
        QMetaObject::invokeMethod(this, &Recovery::pageShown, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void Recovery::setInterval(int milliseconds) {
    interval_ = milliseconds;
    if (timer_.isActive()) timer_.start(std::min(timer_.remainingTime(), interval_));
}

// A copy on disk follows the interviewer from page to page, so that a restore
// comes back where the interviewer was.
void Recovery::pageShown() {
    if (!pending_ && copyOnDisk_ && placeSource_ && placeSource_() != writtenPlace_)
        pending_ = true;
    checkpoint();
}

void Recovery::changed() {
    if (!watching_ || interview_.IsLoading()) return;
    if (!pending_) pendingSince_.start();
    pending_ = true;
    // Each change puts the write off, but never past the longest wait.
    const qint64 left = qint64(interval_) * kLongestWait - pendingSince_.elapsed();
    timer_.start(static_cast<int>(std::clamp<qint64>(left, 0, interval_)));
}

void Recovery::clientEvent() {
    if (!watching_) return;
    pending_ = false;
    failing_ = false;
    timer_.stop();
    removeCopy();
}

void Recovery::checkpoint() {
    if (!watching_ || !pending_) return;
    if (interview_.IsLoading()) {
        timer_.start();
        return;
    }
    pending_ = false;
    timer_.stop();
    guarded(interview_.prompts(), ErrorSite::module(QStringLiteral("frmMain.Recovery")), [this] {
        RecoveryCopy copy{
            QDateTime::currentDateTimeUtc(), interview_.identity().WholeName().trimmed(),
            RecoveryCopy::filesOf(interview_), placeSource_ ? placeSource_() : RecoveryPlace{}};
        // Answers changed back to the saved ones need no copy.
        if (!saved_.differ(copy.files))
            removeCopy();
        else
            write(copy);
    });
}

bool Recovery::setAside() {
    bool kept = false;
    guarded(interview_.prompts(), ErrorSite::module(QStringLiteral("frmMain.Recovery")), [&] {
        const RecoveryCopy copy{
            QDateTime::currentDateTimeUtc(), interview_.identity().WholeName().trimmed(),
            RecoveryCopy::filesOf(interview_), placeSource_ ? placeSource_() : RecoveryPlace{}};
        QString why;
        const QString slot = kSlotPrefix + QUuid::createUuid().toString(QUuid::Id128);
        kept =
            makeFolder(&why) && writeFileAtomically(pathOf(slot, kCopySuffix), copy.encode(), &why);
        if (!kept) writeFailed(why);
    });
    return kept;
}

void Recovery::discard() {
    watching_ = false;
    pending_ = false;
    timer_.stop();
    removeCopy();
    lock_.reset();
    slot_.clear();
}

// --- Writing ---

bool Recovery::makeFolder(QString* why) const {
    if (folder_.isEmpty()) {
        *why = QStringLiteral("the system names no folder for application data");
        return false;
    }
    // The folder itself is the owner's only (never through a link); the folders
    // above it are the system's.
    QDir().mkpath(QFileInfo(folder_).absolutePath());
    QString detail;
    if (yrn::makeFolder(folder_, &detail)) return true;
    *why = "the folder could not be made. " + detail;
    return false;
}

bool Recovery::takeSlot() {
    for (int attempt = 0; !lock_ && attempt < 3; ++attempt) {
        const QString slot = kSlotPrefix + QUuid::createUuid().toString(QUuid::Id128);
        if (std::unique_ptr<QLockFile> lock = lockSlot(slot)) {
            slot_ = slot;
            lock_ = std::move(lock);
        }
    }
    return lock_ != nullptr;
}

void Recovery::write(const RecoveryCopy& copy) {
    QString why;
    if (!makeFolder(&why)) return writeFailed(why);
    if (!takeSlot()) return writeFailed(QStringLiteral("its lock could not be taken"));
    if (!writeFileAtomically(copyPath(), copy.encode(), &why)) return writeFailed(why);
    copyOnDisk_ = true;
    writtenPlace_ = copy.place;
    failing_ = false;
    ++writes_;
}

void Recovery::writeFailed(const QString& why) {
    pending_ = true;  // tried again at the next change or page
    if (failing_) return;
    failing_ = true;
    QString reason = why;  // a sentence of its own or a phrase; the text ends it
    if (reason.endsWith('.')) reason.chop(1);
    interview_.prompts().information(
        kNotWrittenTitle, "The recovery copy of this interview could not be written in \"" +
                              QDir::toNativeSeparators(folder_) + "\": " + reason +
                              ".\r\nThe answers are still on screen; save the client to keep "
                              "them safe.");
}

void Recovery::removeCopy() {
    if (!slot_.isEmpty()) QFile::remove(copyPath());
    copyOnDisk_ = false;
}

}  // namespace yrn
