#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstring>
#include <utility>

namespace yrn {

// How the program touches files on disk: section files, reports and the folders
// they live in. A client folder may hold anything (a link planted in it, a device,
// a FIFO, a file of any size), and a disk may fill up at any moment; nothing here
// writes through a link, waits on a device or reads without limit, and a write
// either lands whole or leaves the old file as it was.

// Whether the folder a file is written into may itself be a link. Folders that
// typed names lead to (client folders, "ClientReports") may not; a folder a person
// names on the command line may.
enum class FolderLinks { Follow, Refuse };

// Who may reach what the program makes. Client answers and reports are
// confidential: what is made in a folder is its owner's only (files 0600, folders
// 0700), unless the folder is shared, that is its group may write into it and
// others may not (a program folder on a court's shared drive). Then what is made
// in it is the group's too, with the folder's group: files 0660, folders 2770, so
// that what is made in those follows in turn. Never wider, whatever the umask.
//
// Writes a file through a temporary file in the same folder that is fsynced,
// checked and renamed over the old one, so a crash, a kill or a full disk never
// leaves half a file. The file gets the access its folder gives, as above. A file that is a link or
// not a regular file (a folder, a device, a FIFO) is refused and left alone, and so is a folder
// that is a link when links say so. False (and why) when it could not be written; the old file is
// then untouched.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                         FolderLinks links = FolderLinks::Follow);

// Why a file may not be replaced by a write, as a sentence naming it: it is a
// link, it is not a regular file, or (with FolderLinks::Refuse) its folder is a
// link. Empty when it is a regular file or there is none yet.
QString replaceRefusal(const QString& path, FolderLinks links = FolderLinks::Follow);

// Whether a folder is its owner's only (recovery copies, whatever folder they lie
// in) or follows the folder it is made in, as above (client folders, reports).
enum class FolderAccess { OwnerOnly, LikeParent };
// Makes a folder, or takes the folder that is there, with the access asked for (a
// folder of another owner keeps its own). False (and why, naming the folder) when
// it cannot be made or written to, or when what is there is a link or not a
// folder; permissions are never changed through a link.
bool makeFolder(const QString& path, QString* error = nullptr,
                FolderAccess access = FolderAccess::OwnerOnly);

// Takes others' permissions out of the process's umask, so that nothing it makes
// by any means (lock files, a database's journal, the folders above the recovery
// folder) is others' to read or write, whatever umask it was started with.
void keepFromOthers();

// Gives a file the program has just made by other means (a lock file) the access
// its folder gives, as above: never through a link, and only a file of this user.
void restrictToFolderAccess(const QString& path);

// Renames files of one folder over others, one after another (never through a
// link), and makes the renames durable. The names that could not be renamed are
// added to failed; false when there was one.
bool renameInFolder(const QString& folder, const QList<std::pair<QString, QString>>& renames,
                    QStringList* failed = nullptr);

// Every temporary file of a write starts with this; none of the program's own
// files does.
inline constexpr char kTemporaryPrefix[] = ".yrn-tmp-";
// Whether an entry of a folder is named as such a file.
inline bool isTemporaryName(const char* name) {
    return std::strncmp(name, kTemporaryPrefix, sizeof kTemporaryPrefix - 1) == 0;
}
// Removes the temporary files that writes killed before their rename left in a
// folder (never following a link). Only those older than minimumAgeSeconds go: in a
// folder that other programs write into, a young one may be theirs, still being
// written.
void removeTemporaryFiles(const QString& folder, int minimumAgeSeconds = 0);
// The same for one entry of an open folder, found by a listing of the caller's: true
// when it was such a file, and removed.
bool removeTemporaryFile(int folder, const char* name, int minimumAgeSeconds);
// No write takes this long: a temporary file older than this was left by one that
// was killed.
inline constexpr int kAbandonedAfterSeconds = 600;

// Whether a file that is read may be a link. Files of a client folder may not: a
// link planted there would show what it points to (another client's answers, a
// private file) as the client's own.
enum class FileLinks { Follow, Refuse };

enum class ReadOutcome {
    Read,
    Missing,     // there is no such file, or it cannot be opened
    NotRegular,  // a folder, a device, a FIFO, a socket, a link to one, or a refused link
    TooLarge,    // more than the limit
    Failed,      // a read error
};
// Reads a whole file of at most maxBytes. Only a regular file is read (a link is
// followed to a regular file only, and not at all when links are refused: then a
// link, dangling or not, is NotRegular), never a byte more than the limit allows,
// whatever size the file claims (files of /proc claim none), and never waiting on
// a FIFO or a device.
ReadOutcome readFileLimited(const QString& path, qsizetype maxBytes, QByteArray& bytes,
                            FileLinks links = FileLinks::Follow);

}  // namespace yrn
