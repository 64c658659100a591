#include "base/AtomicFile.h"

#include "base/Descriptor.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace yrn {

namespace {

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

QString quoted(const QString& path) {
    return '"' + QDir::toNativeSeparators(path) + '"';
}

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString isALink(const QString& path) {
    return quoted(path) + QStringLiteral(" is a link; it was left as it is.");
}

QString folderIsALink(const QString& path) {
    return quoted(path) + QStringLiteral(" is a link; nothing is written through it.");
}

QString notRegular(const QString& path) {
    return quoted(path) + QStringLiteral(" is not a regular file; it was left as it is.");
}

int openFolder(const QString& folder, FolderLinks links) {
    int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    if (links == FolderLinks::Refuse) flags |= O_NOFOLLOW;
    return ::open(encoded(folder).constData(), flags);
}

// Why the entry of a folder may not be replaced; empty when it is a regular file
// or missing.
QString entryRefusal(int folder, const QByteArray& name, const QString& path) {
    struct stat st {};
    if (::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) return {};
    if (S_ISLNK(st.st_mode)) return isALink(path);
    if (!S_ISREG(st.st_mode)) return notRegular(path);
    return {};
}

// Why the folder of a file cannot be written into, after its open failed.
QString folderRefusal(const QString& folder, int error) {
    struct stat st {};
    if (error == ELOOP || (::lstat(encoded(folder).constData(), &st) == 0 && S_ISLNK(st.st_mode)))
        return folderIsALink(folder);
    return "The folder " + quoted(folder) + " cannot be opened: " + systemError(error) + '.';
}

QByteArray temporaryName() {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = kTemporaryPrefix;
    for (int i = 0; i < 10; ++i)
        name += letters[QRandomGenerator::system()->bounded(int(sizeof letters - 1))];
    return name;
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

// Whether what is made in a folder is its group's too: its group may write into it
// and others may not.
bool sharedByGroup(const struct stat& folder) {
    return S_ISDIR(folder.st_mode) && (folder.st_mode & S_IWGRP) && (folder.st_mode & S_IXGRP) &&
           !(folder.st_mode & S_IWOTH);
}

// Gives what was just made in a folder its access (see AtomicFile.h): the group's
// too in a shared folder, when it has (or can be given) the folder's group;
// otherwise its owner's only. own: what fstat told of it.
void setAccess(int fd, const struct stat& parent, bool isFolder, const struct stat& own) {
    const bool regrouped = sharedByGroup(parent) && own.st_gid != parent.st_gid &&
                           ::fchown(fd, uid_t(-1), parent.st_gid) == 0;
    const bool group = sharedByGroup(parent) && (own.st_gid == parent.st_gid || regrouped);
    const mode_t mode = isFolder ? (group ? 02770 : 0700) : (group ? 0660 : 0600);
    // A change of group may take the set-group-ID bit away.
    if (regrouped || (own.st_mode & 07777) != mode) ::fchmod(fd, mode);
}

// writeTemporary's answer when the folder takes no unnamed file.
constexpr int kNoUnnamedFiles = -1;

// Writes the bytes to a new temporary file of the folder, fsynced and checked for its
// size, and gives it a temporary name. Unnamed, the file gets its name only when it
// is whole. 0, or the error; kNoUnnamedFiles when an unnamed file cannot be made or
// named here.
int writeTemporary(int folder, const QByteArray& bytes, bool unnamed, QByteArray& temporary,
                   struct stat& written) {
    temporary.clear();
    struct stat parent {};
    if (::fstat(folder, &parent) != 0) return errno;
    Descriptor file;
    if (unnamed) {
        file.reset(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
        if (!file.valid()) return kNoUnnamedFiles;
    } else {
        for (int attempt = 0; attempt < 100 && !file.valid(); ++attempt) {
            temporary = temporaryName();
            file.reset(::openat(folder, temporary.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
            if (!file.valid() && errno != EEXIST) break;
        }
        if (!file.valid()) {
            temporary.clear();
            return errno;
        }
    }
    const auto failed = [&](int error) {
        if (!temporary.isEmpty()) ::unlinkat(folder, temporary.constData(), 0);
        temporary.clear();
        return error;
    };
    if (::fstat(file.get(), &written) != 0) return failed(errno);
    setAccess(file.get(), parent, false, written);
    // Every byte must reach the disk before the rename: a full disk shows itself in
    // the write, the fsync or the close.
    if (!writeAll(file.get(), bytes) || ::fsync(file.get()) != 0) return failed(errno);
    if (unnamed) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(file.get());
        for (int attempt = 0; attempt < 100 && temporary.isEmpty(); ++attempt) {
            const QByteArray name = temporaryName();
            if (::linkat(AT_FDCWD, self.constData(), folder, name.constData(), AT_SYMLINK_FOLLOW) ==
                0)
                temporary = name;
            else if (errno != EEXIST)
                return kNoUnnamedFiles;
        }
        if (temporary.isEmpty()) return EEXIST;
    }
    if (!file.close()) return failed(errno);
    return 0;
}

}  // namespace

QString replaceRefusal(const QString& path, FolderLinks links) {
    const QFileInfo info(path);
    const Descriptor folder(openFolder(info.absolutePath(), links));
    if (!folder.valid()) {
        const int error = errno;
        return error == ENOENT ? QString() : folderRefusal(info.absolutePath(), error);
    }
    return entryRefusal(folder.get(), encoded(info.fileName()), path);
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error,
                         FolderLinks links) {
    const auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    const QFileInfo info(path);
    const QByteArray name = encoded(info.fileName());
    const Descriptor folder(openFolder(info.absolutePath(), links));
    if (!folder.valid()) return fail(folderRefusal(info.absolutePath(), errno));
    if (const QString refusal = entryRefusal(folder.get(), name, path); !refusal.isEmpty())
        return fail(refusal);

    // Written unnamed where the system allows it (O_TMPFILE), so that a kill while it
    // is written leaves nothing behind; otherwise under a temporary name from the start.
    QByteArray temporary;
    struct stat written {};
    int failure = writeTemporary(folder.get(), bytes, true, temporary, written);
    if (failure == kNoUnnamedFiles)
        failure = writeTemporary(folder.get(), bytes, false, temporary, written);
    if (failure != 0)
        return fail("Cannot write " + quoted(path) + ": " + systemError(failure) + '.');
    const auto discard = [&](int why) {
        ::unlinkat(folder.get(), temporary.constData(), 0);
        return fail("Cannot write " + quoted(path) + ": " + systemError(why) + '.');
    };
    if (::renameat(folder.get(), temporary.constData(), folder.get(), name.constData()) != 0)
        return discard(errno);
    ::fsync(folder.get());  // the rename itself; some file systems cannot, which is no error

    // What now stands under the name is the file just written, whole.
    struct stat committed {};
    if (::fstatat(folder.get(), name.constData(), &committed, AT_SYMLINK_NOFOLLOW) != 0 ||
        committed.st_ino != written.st_ino || committed.st_size != bytes.size())
        return fail("Cannot write " + quoted(path) + ": the file on disk is not the one written.");
    return true;
}

bool renameInFolder(const QString& folder, const QList<std::pair<QString, QString>>& renames,
                    QStringList* failed) {
    const Descriptor dir(openFolder(folder, FolderLinks::Refuse));
    bool all = true;
    for (const auto& [from, to] : renames) {
        if (dir.valid() && ::renameat(dir.get(), encoded(from).constData(), dir.get(),
                                      encoded(to).constData()) == 0)
            continue;
        all = false;
        if (failed) *failed << to;
    }
    if (dir.valid()) ::fsync(dir.get());
    return all;
}

bool makeFolder(const QString& path, QString* error, FolderAccess access) {
    const auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    const QByteArray name = encoded(path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return fail("The folder " + quoted(path) + " cannot be made: " + systemError(errno) + '.');
    const Descriptor folder(
        ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.valid()) {
        const int why = errno;
        struct stat st {};
        if (why == ELOOP || (::lstat(name.constData(), &st) == 0 && S_ISLNK(st.st_mode)))
            return fail(folderIsALink(path));
        if (why == ENOTDIR)
            return fail(quoted(path) + QStringLiteral(" is not a folder; it was left as it is."));
        return fail("The folder " + quoted(path) + " cannot be opened: " + systemError(why) + '.');
    }
    // A folder of another owner keeps its permissions: the changes fail.
    struct stat parent {
    }, own{};
    if (access == FolderAccess::LikeParent &&
        ::stat(encoded(QFileInfo(path).absolutePath()).constData(), &parent) == 0 &&
        ::fstat(folder.get(), &own) == 0)
        setAccess(folder.get(), parent, true, own);
    else
        ::fchmod(folder.get(), 0700);
    if (::faccessat(AT_FDCWD, name.constData(), W_OK | X_OK, 0) != 0)
        return fail("The folder " + quoted(path) + " cannot be written to: " + systemError(errno) +
                    '.');
    return true;
}

void keepFromOthers() {
    ::umask(::umask(0) | S_IRWXO);
}

void restrictToFolderAccess(const QString& path) {
    const Descriptor file(
        ::open(encoded(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat own {
    }, parent{};
    if (file.valid() && ::fstat(file.get(), &own) == 0 && S_ISREG(own.st_mode) &&
        own.st_uid == ::geteuid() &&
        ::stat(encoded(QFileInfo(path).absolutePath()).constData(), &parent) == 0)
        setAccess(file.get(), parent, false, own);
}

void removeTemporaryFiles(const QString& folder, int minimumAgeSeconds) {
    const int fd = openFolder(folder, FolderLinks::Refuse);
    if (fd < 0) return;
    DIR* entries = ::fdopendir(fd);  // owns fd from here on
    if (!entries) {
        ::close(fd);
        return;
    }
    while (const dirent* entry = ::readdir(entries))
        removeTemporaryFile(fd, entry->d_name, minimumAgeSeconds);
    ::closedir(entries);
}

bool removeTemporaryFile(int folder, const char* name, int minimumAgeSeconds) {
    if (!isTemporaryName(name)) return false;
    struct stat st {};
    return ::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
           (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)) &&
           ::time(nullptr) - st.st_mtime >= minimumAgeSeconds && ::unlinkat(folder, name, 0) == 0;
}

ReadOutcome readFileLimited(const QString& path, qsizetype maxBytes, QByteArray& bytes,
                            FileLinks links) {
    bytes.clear();
    const QByteArray name = encoded(path);
    const bool refuse = links == FileLinks::Refuse;
    struct stat st {};
    if ((refuse ? ::lstat(name.constData(), &st) : ::stat(name.constData(), &st)) != 0)
        return ReadOutcome::Missing;
    if (!S_ISREG(st.st_mode)) return ReadOutcome::NotRegular;
    // Not blocking: should a FIFO have taken the file's place since, the open does
    // not wait for a writer. Nor following a link that took its place, when refused.
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC |
                                                       (refuse ? O_NOFOLLOW : 0)));
    if (!file.valid()) return errno == ELOOP ? ReadOutcome::NotRegular : ReadOutcome::Missing;
    if (::fstat(file.get(), &st) != 0) return ReadOutcome::Failed;
    if (!S_ISREG(st.st_mode)) return ReadOutcome::NotRegular;
    if (st.st_size > maxBytes) return ReadOutcome::TooLarge;

    // Read up to one byte past the limit, so a file larger than it claims is seen.
    constexpr qsizetype kChunk = 64 * 1024;
    bytes.reserve(qsizetype(st.st_size) + 1);
    for (;;) {
        const qsizetype room = std::min(kChunk, maxBytes + 1 - bytes.size());
        if (room <= 0) {
            bytes.clear();
            return ReadOutcome::TooLarge;
        }
        const qsizetype had = bytes.size();
        bytes.resize(had + room);
        const ssize_t n = ::read(file.get(), bytes.data() + had, size_t(room));
        if (n < 0 && errno == EINTR) {
            bytes.resize(had);
            continue;
        }
        if (n < 0) {
            bytes.clear();
            return ReadOutcome::Failed;
        }
        bytes.resize(had + n);
        // A read of a regular file that comes short has reached its end; one that
        // brings the size the file had when opened needs no further read to say so.
        if (n == 0 || (n < room && bytes.size() == qsizetype(st.st_size))) return ReadOutcome::Read;
    }
}

}  // namespace yrn
