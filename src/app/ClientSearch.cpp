#include "app/ClientSearch.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

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

void ClientIndex::clear() {
    entries_.clear();
    scanned_ = false;
}

void ClientIndex::scan(const QString& programFolder) {
    static const QRegularExpression assessmentDate(
        QStringLiteral("(\\d{1,2})-(\\d{1,2})-(\\d{1,4})$"));
    clear();
    scanned_ = true;
    QDirIterator folders(programFolder, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    while (folders.hasNext()) {
        const QString path = folders.next();
        Entry entry;
        QDirIterator files(path, QDir::Files | QDir::Hidden);
        while (files.hasNext()) {
            files.next();
            if (!isSectionFile(files.fileName())) continue;
            const QDateTime time = files.fileInfo().lastModified();
            if (!entry.match.time.isValid() || time > entry.match.time) entry.match.time = time;
        }
        if (!entry.match.time.isValid()) continue;  // no section file: not a client
        entry.match.name = folders.fileName();
        entry.match.path = path;
        entry.key = fold(entry.match.name);
        if (const auto date = assessmentDate.match(entry.match.name); date.hasMatch())
            entry.datePart = {date.captured(1), date.captured(2), date.captured(3)};
        entries_.append(std::move(entry));
    }
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        if (a.match.time != b.match.time) return a.match.time > b.match.time;
        return a.match.name < b.match.name;
    });
}

bool ClientIndex::matches(const Entry& entry, const QString& word) {
    if (entry.key.contains(word)) return true;
    const QStringList typed = dateWords(word);
    if (typed.isEmpty() || entry.datePart.isEmpty()) return false;
    for (int i = 0; i < typed.size(); ++i)
        if (!datePartMatches(typed.at(i), entry.datePart.at(i), i == typed.size() - 1))
            return false;
    return true;
}

QList<ClientMatch> ClientIndex::find(const QString& query) const {
    static const QRegularExpression between(QStringLiteral("[\\s,]+"));
    const QStringList words = fold(query).split(between, Qt::SkipEmptyParts);
    QList<ClientMatch> found;
    if (words.isEmpty()) return found;
    for (const Entry& entry : entries_) {
        if (std::all_of(words.cbegin(), words.cend(),
                        [&](const QString& word) { return matches(entry, word); }))
            found.append(entry.match);
    }
    return found;
}

}  // namespace yrn
