#include "app/ClientSearch.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <cstring>
#include <functional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace yrn {

namespace {

// Letters that carry no separable accent but are written without one by many.
QString plainLetter(QChar c) {
    switch (c.unicode()) {
        case 0x00DF:  // sharp s
            return QStringLiteral("ss");
        case 0x00E6:  // ae
            return QStringLiteral("ae");
        case 0x0153:  // oe
            return QStringLiteral("oe");
        case 0x00F8:  // o with stroke
            return QStringLiteral("o");
        case 0x0142:  // l with stroke
            return QStringLiteral("l");
        case 0x0111:  // d with stroke
        case 0x00F0:  // eth
            return QStringLiteral("d");
        case 0x0131:  // dotless i
            return QStringLiteral("i");
        default:
            return QString(c);
    }
}

// "05/07/2001", "5-7", "2001." as its parts; empty unless the word is a date.
QStringList dateWords(const QString& word) {
    static const QRegularExpression date(QStringLiteral("^\\d{0,4}([/.-]\\d{0,4}){1,2}$"));
    if (!date.match(word).hasMatch()) return {};
    static const QRegularExpression separator(QStringLiteral("[/.-]"));
    return word.split(separator);
}

// A typed part of a date against the folder's: the same number, or, for the
// part still being typed, the beginning of it.
bool datePartMatches(const QString& typed, const QString& stored, bool beingTyped) {
    if (typed.isEmpty()) return true;
    if (typed.toInt() == stored.toInt()) return true;
    return beingTyped &&
           (stored.startsWith(typed) || QString::number(stored.toInt()).startsWith(typed));
}

}  // namespace

ClientIndex::ClientIndex(const QStringList& sectionFileNames) {
    for (const QString& name : sectionFileNames)
        sectionFiles_.insert(name.toUpper());
}

QString ClientIndex::fold(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing)
            continue;
        folded += plainLetter(c.toCaseFolded());
    }
    return folded;
}

bool ClientIndex::isSectionFile(const QString& fileName) const {
    if (sectionFiles_.isEmpty())
        return fileName.endsWith(QLatin1String(".yrn"), Qt::CaseInsensitive);
    return sectionFiles_.contains(fileName.toUpper());
}

namespace {

// The newest modification time of the section files a folder holds, or 0 when it
// holds none. Read with the system's own calls: a program folder may hold
// thousands of client folders, and this is what the first search waits for.
qint64 newestSectionFile(int folder, const std::function<bool(const char*)>& isSectionFile) {
    DIR* files = fdopendir(folder);
    if (!files) {
        close(folder);
        return 0;
    }
    qint64 newest = 0;
    while (const dirent* file = readdir(files)) {
        if (!isSectionFile(file->d_name)) continue;
        struct stat info {};
        if (fstatat(folder, file->d_name, &info, 0) != 0 || !S_ISREG(info.st_mode)) continue;
        const qint64 ms = qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
        newest = std::max(newest, ms);
    }
    closedir(files);  // closes the folder too
    return newest;
}

}  // namespace

void ClientIndex::scan(const QString& programFolder) {
    static const QRegularExpression assessmentDate(
        QStringLiteral("(\\d{1,2})-(\\d{1,2})-(\\d{1,4})$"));
    QHash<QString, Entry> before;
    if (programFolder == scannedFolder_)
        for (Entry& entry : entries_)
            before.insert(entry.match.name, std::move(entry));
    entries_.clear();
    scanned_ = true;
    scannedFolder_ = programFolder;
    DIR* program = opendir(QFile::encodeName(programFolder).constData());
    if (!program) return;
    const auto isSectionFile = [this](const char* name) {
        return this->isSectionFile(QFile::decodeName(name));
    };
    while (const dirent* folder = readdir(program)) {
        if (folder->d_type != DT_DIR && folder->d_type != DT_LNK && folder->d_type != DT_UNKNOWN)
            continue;
        if (std::strcmp(folder->d_name, ".") == 0 || std::strcmp(folder->d_name, "..") == 0)
            continue;
        struct stat info {};
        if (fstatat(dirfd(program), folder->d_name, &info, 0) != 0 || !S_ISDIR(info.st_mode))
            continue;
        const qint64 folderTime = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        const QString name = QFile::decodeName(folder->d_name);
        if (const auto known = before.constFind(name);
            known != before.cend() && known->folderTime == folderTime) {
            entries_.append(*known);
            continue;
        }
        const int fd =
            openat(dirfd(program), folder->d_name, O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) continue;
        const qint64 newest = newestSectionFile(fd, isSectionFile);
        if (newest == 0) continue;  // no section file: not a client
        Entry entry;
        entry.folderTime = folderTime;
        entry.match.name = name;
        entry.match.path = QDir(programFolder).filePath(entry.match.name);
        entry.match.time = QDateTime::fromMSecsSinceEpoch(newest);
        entry.key = fold(entry.match.name);
        if (const auto date = assessmentDate.match(entry.match.name); date.hasMatch())
            entry.datePart = {date.captured(1), date.captured(2), date.captured(3)};
        entries_.append(std::move(entry));
    }
    closedir(program);
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        if (a.match.time != b.match.time) return a.match.time > b.match.time;
        return a.match.name < b.match.name;
    });
}

bool ClientIndex::matches(const Entry& entry, const Word& word) {
    if (entry.key.contains(word.text)) return true;
    if (word.date.isEmpty() || entry.datePart.isEmpty()) return false;
    for (int i = 0; i < word.date.size(); ++i)
        if (!datePartMatches(word.date.at(i), entry.datePart.at(i), i == word.date.size() - 1))
            return false;
    return true;
}

QList<ClientMatch> ClientIndex::find(const QString& query) const {
    static const QRegularExpression between(QStringLiteral("[\\s,]+"));
    QList<Word> words;
    for (const QString& text : fold(query).split(between, Qt::SkipEmptyParts))
        words.append({text, dateWords(text)});
    QList<ClientMatch> found;
    if (words.isEmpty()) return found;
    for (const Entry& entry : entries_) {
        if (std::all_of(words.cbegin(), words.cend(),
                        [&](const Word& word) { return matches(entry, word); }))
            found.append(entry.match);
    }
    return found;
}

}  // namespace yrn
