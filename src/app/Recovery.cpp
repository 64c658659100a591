#include "app/Recovery.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "app/SavedAnswers.h"
#include "base/AtomicFile.h"
#include "base/Descriptor.h"
#include "interview/Interview.h"
#include "interview/ProgramError.h"
#include "interview/Prompts.h"
#include "interview/Section.h"
#include "records/ClientFolder.h"

namespace yrn {

namespace {

// The program's own files are named "interview-", the 32 hex digits of a
// QUuid::Id128, then ".recovery" for a copy or ".lock" for its lock. Nothing else in
// the folder counts.
constexpr char kSlotPrefix[] = "interview-";
constexpr char kCopySuffix[] = ".recovery";
constexpr char kLockSuffix[] = ".lock";
constexpr std::size_t kSlotDigits = 32;
// A copy costs a few milliseconds: written after two seconds without a change,
// and during steady typing at least every ten.
constexpr int kQuietTime = 2'000;
constexpr int kLongestWait = 5;  // intervals

const QString kTitle = QStringLiteral("Interview Not Saved");
const QString kNotWrittenTitle = QStringLiteral("Recovery Copy Not Saved");

// What one start looks at, whatever the folder holds, so that it takes a fraction
// of a second: so many entries of the folder, so many copies among them examined,
// the newest so many of those tried (some may be held by running programs), and
// so many locks left without a copy, and copies left under a temporary name, cleared.
constexpr int kMostEntries = 200'000;
constexpr int kMostExamined = 25'000;
constexpr int kMostTried = 3 * Recovery::kMostOffered;
constexpr int kMostCleared = 20;
// A lock file holds a process id and two names.
constexpr off_t kMostLockBytes = 4096;
// Characters of a client's name shown in a box.
constexpr qsizetype kShownName = 100;

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString quoted(const QString& path) {
    return '"' + QDir::toNativeSeparators(path) + '"';
}

// Opens the folder of the copies, never through a link. Its descriptor when it is
// a folder of the user's own that nobody else may reach; otherwise -1, and why not
// (nothing when there is no folder).
int openOwnFolder(const QString& path, QString* refusal) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat st {};
    if (fd < 0) {
        const int error = errno;
        if (error == ELOOP || (::lstat(name.constData(), &st) == 0 && S_ISLNK(st.st_mode)))
            *refusal = QStringLiteral("it is a link");
        else if (error == ENOTDIR)
            *refusal = QStringLiteral("it is not a folder");
        else if (error != ENOENT)
            *refusal = "it cannot be opened (" + systemError(error) + ')';
        return -1;
    }
    if (::fstat(fd, &st) != 0)
        *refusal = "it cannot be examined (" + systemError(errno) + ')';
    else if (st.st_uid != ::geteuid())
        *refusal = QStringLiteral("it belongs to another user");
    else if (st.st_mode & (S_IRWXG | S_IRWXO))
        *refusal = QStringLiteral("others may reach it, as it gives access to its group or to all");
    if (refusal->isEmpty()) return fd;
    ::close(fd);
    return -1;
}

// A slot's hex digits as a number: a folder of many entries costs no allocation
// for each.
struct SlotId {
    quint64 high = 0, low = 0;
    auto operator<=>(const SlotId&) const = default;
    QString name() const {
        return QLatin1StringView(kSlotPrefix) + QStringLiteral("%1%2")
                                                    .arg(high, 16, 16, QLatin1Char('0'))
                                                    .arg(low, 16, 16, QLatin1Char('0'));
    }
};
size_t qHash(const SlotId& id, size_t seed = 0) {
    return qHashMulti(seed, id.high, id.low);
}

enum class Own { None, Copy, Lock };

// Which of the program's own files a name is, and of which slot.
Own ownFile(std::string_view name, SlotId& id) {
    const std::string_view prefix = kSlotPrefix;
    if (!name.starts_with(prefix) || name.size() < prefix.size() + kSlotDigits) return Own::None;
    id = {};
    for (std::size_t i = 0; i < kSlotDigits; ++i) {
        const char c = name[prefix.size() + i];
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0) return Own::None;
        quint64& half = i < kSlotDigits / 2 ? id.high : id.low;
        half = half << 4 | quint64(digit);
    }
    const std::string_view suffix = name.substr(prefix.size() + kSlotDigits);
    if (suffix == kCopySuffix) return Own::Copy;
    return suffix == kLockSuffix ? Own::Lock : Own::None;
}

// What the folder holds of a slot.
struct SlotEntry {
    bool copy = false;     // an entry under the copy's name, whatever it is
    bool trusted = false;  // that entry is a regular file of the user's with no other name
    bool lock = false;
    qint64 written = 0;  // the copy's modification time in nanoseconds
};

// Why a lock could not be taken, in the system's words.
QString lockFailure(const QString& path, QLockFile::LockError error, int systemErrno) {
    if (error == QLockFile::LockFailedError) return quoted(path) + " is held by another program.";
    if (error == QLockFile::PermissionError && !systemErrno) systemErrno = EACCES;
    return "Cannot make " + quoted(path) + ": " +
           (systemErrno ? systemError(systemErrno) : QStringLiteral("unknown error")) + '.';
}

// A client's name as a box shows it: at most kShownName characters, the rest elided.
QString shownName(const QString& name) {
    if (name.trimmed().isEmpty()) return QStringLiteral("no name entered");
    if (name.size() <= kShownName) return name;
    QString cut = name.left(kShownName - 1);
    if (cut.back().isHighSurrogate()) cut.chop(1);
    return cut + QChar(0x2026);
}

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

QString Recovery::pathOf(const QString& slot, const char* suffix) const {
    return QDir(folder_).filePath(slot + QLatin1StringView(suffix));
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
        QString refusal;
        const Descriptor folder(openOwnFolder(folder_, &refusal));
        if (!refusal.isEmpty())
            prompts.information(kTitle, "Interviews that were not saved are not looked for in " +
                                            quoted(folder_) + ": " + refusal +
                                            ".\r\nRecovery copies are trusted only in a folder "
                                            "that is yours and that only you may reach.");
        if (folder.get() < 0) return;
        int offered = 0;
        for (const QString& slot : leftCopies(folder.get())) {
            if (offered == kMostOffered) break;  // the others at a later start
            std::unique_ptr<QLockFile> lock = lockSlot(slot);
            if (!lock) continue;  // held by a program still running, or not a lock of ours
            ++offered;
            const std::optional<RecoveryCopy> copy = read(slot);
            if (!copy) {
                prompts.information(kTitle,
                                    QStringLiteral("An interview that was not saved was found, "
                                                   "but its recovery copy is damaged and cannot "
                                                   "be restored."));
                dropSlot(slot, *lock);
                continue;
            }
            const QString when =
                copy->written.toLocalTime().toString(QStringLiteral("MM/dd/yyyy h:mm AP"));
            if (!prompts.yesNo(kTitle, "An interview that was not saved was found (" +
                                           shownName(copy->name) + ", " + when +
                                           "). Restore it?")) {
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

// One listing of the folder, and everything decided from it in linear time: only
// the program's own names count, and a copy only when it is a regular file of the
// user's (a link, or a file of another user, is passed over and left alone). A
// copy that a kill left under its temporary name, whole but never renamed, is
// removed once it is old enough not to be another program's write.
QStringList Recovery::leftCopies(int folder) const {
    QHash<SlotId, SlotEntry> found;
    DIR* listing = ::fdopendir(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!listing) return {};
    const uid_t user = ::geteuid();
    int seen = 0, examined = 0, removed = 0;
    while (const dirent* entry = ::readdir(listing)) {
        if (++seen > kMostEntries) break;
        if (isTemporaryName(entry->d_name)) {
            if (removed < kMostCleared && ++examined <= kMostExamined &&
                removeTemporaryFile(folder, entry->d_name, kAbandonedAfterSeconds))
                ++removed;
            continue;
        }
        SlotId id;
        const Own own = ownFile(entry->d_name, id);
        if (own == Own::None) continue;
        SlotEntry& slot = found[id];
        if (own == Own::Lock) {
            slot.lock = true;
            continue;
        }
        struct stat st {};
        slot.copy = true;
        if (++examined > kMostExamined) continue;
        slot.trusted = ::fstatat(folder, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                       S_ISREG(st.st_mode) && st.st_uid == user && st.st_nlink == 1;
        slot.written = qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    }
    ::closedir(listing);

    QList<std::pair<qint64, SlotId>> copies;
    copies.reserve(found.size());
    int cleared = 0;
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        if (it->trusted) copies.append({it->written, it.key()});
        // A lock without a copy is left by a program that ended before its first write.
        if (it->copy || !it->lock || cleared == kMostCleared) continue;
        ++cleared;
        if (std::unique_ptr<QLockFile> lock = lockSlot(it.key().name())) lock->unlock();
    }
    // The newest first; the same order at every start.
    const auto newest = copies.begin() + std::min<qsizetype>(copies.size(), kMostTried);
    std::partial_sort(copies.begin(), newest, copies.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QStringList out;
    for (auto it = copies.begin(); it != newest; ++it)
        out << it->second.name();
    return out;
}

std::unique_ptr<QLockFile> Recovery::lockSlot(const QString& slot, QString* detail) const {
    const QString path = pathOf(slot, kLockSuffix);
    // QLockFile reads the lock it finds, and the one it takes beside it to remove a
    // stale lock: neither may be a link, a pipe or a large file.
    for (const QString& file : {path, path + QStringLiteral(".rmlock")}) {
        struct stat st {};
        if (::lstat(QFile::encodeName(file).constData(), &st) == 0 &&
            !(S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_nlink == 1 &&
              st.st_size <= kMostLockBytes)) {
            if (detail)
                *detail = quoted(file) + " is not a lock of this program; it was left as it is.";
            return nullptr;
        }
    }
    auto lock = std::make_unique<QLockFile>(path);
    // A lock is stale only when its program is gone, however long that one runs.
    lock->setStaleLockTime(0);
    errno = 0;
    if (lock->tryLock(0)) return lock;
    if (detail) *detail = lockFailure(path, lock->error(), errno);
    return nullptr;
}

void Recovery::dropSlot(const QString& slot, QLockFile& lock) const {
    QFile::remove(pathOf(slot, kCopySuffix));
    lock.unlock();
}

std::optional<RecoveryCopy> Recovery::read(const QString& slot) const {
    // Only a regular file is read, and never past the limit: a device or a FIFO
    // could hang or flood the start.
    QByteArray bytes;
    if (readFileLimited(pathOf(slot, kCopySuffix), RecoveryCopy::kMaxBytes, bytes,
                        FileLinks::Refuse) != ReadOutcome::Read)
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

// An event filter of the window's pages: a page's coming on screen writes the
// copy if answers changed, or if the copy on disk names another page.
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
        QString cause, detail;
        const QString slot =
            QLatin1StringView(kSlotPrefix) + QUuid::createUuid().toString(QUuid::Id128);
        kept = makeFolder(&cause, &detail) &&
               writeFileAtomically(pathOf(slot, kCopySuffix), copy.encode(), &detail);
        if (!kept) writeFailed(cause, detail);
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

bool Recovery::makeFolder(QString* cause, QString* detail) const {
    if (folder_.isEmpty()) {
        *cause = QStringLiteral("the system names no folder for application data");
        return false;
    }
    // The folder itself is the owner's only (never through a link); the folders
    // above it are the system's.
    QDir().mkpath(QFileInfo(folder_).absolutePath());
    if (!yrn::makeFolder(folder_, detail)) {
        *cause = QStringLiteral("the folder could not be made");
        return false;
    }
    // Copies are written only where they would be offered.
    if (Descriptor(openOwnFolder(folder_, cause)).get() >= 0) return true;
    if (cause->isEmpty()) *cause = QStringLiteral("the folder could not be made");
    return false;
}

bool Recovery::takeSlot(QString* detail) {
    for (int attempt = 0; !lock_ && attempt < 3; ++attempt) {
        const QString slot =
            QLatin1StringView(kSlotPrefix) + QUuid::createUuid().toString(QUuid::Id128);
        if (std::unique_ptr<QLockFile> lock = lockSlot(slot, detail)) {
            slot_ = slot;
            lock_ = std::move(lock);
        }
    }
    return lock_ != nullptr;
}

void Recovery::write(const RecoveryCopy& copy) {
    QString cause, detail;
    if (!makeFolder(&cause, &detail)) return writeFailed(cause, detail);
    if (!takeSlot(&detail))
        return writeFailed(QStringLiteral("its lock could not be taken"), detail);
    if (!writeFileAtomically(copyPath(), copy.encode(), &detail)) return writeFailed({}, detail);
    copyOnDisk_ = true;
    writtenPlace_ = copy.place;
    failing_ = false;
    ++writes_;
}

void Recovery::writeFailed(const QString& cause, const QString& detail) {
    pending_ = true;  // tried again at the next change or page
    if (failing_) return;
    failing_ = true;
    interview_.prompts().failure(
        Prompts::Severity::Information, kNotWrittenTitle,
        "The recovery copy of this interview could not be written in " + quoted(folder_) +
            (cause.isEmpty() ? QString() : ": " + cause) +
            ".\r\nThe answers are still on screen; save the client to keep them safe.",
        detail);
}

void Recovery::removeCopy() {
    if (!slot_.isEmpty()) QFile::remove(copyPath());
    copyOnDisk_ = false;
}

}  // namespace yrn
