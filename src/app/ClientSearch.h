#pragma once

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace yrn {

// A client folder found by the search of the open-client dialog.
struct ClientMatch {
    QString name;    // the folder's name, "DoeJaneQ05-07-2001"
    QString path;    // its full path
    QDateTime time;  // the newest modification time of its section files
};

// The client folders of a program folder, read once, so that each keystroke of
// the search only filters names held in memory.
class ClientIndex {
  public:
    // A client folder holds one of these section files (names compared without
    // regard to case); with none given, any "*.yrn" file makes one.
    explicit ClientIndex(const QStringList& sectionFileNames = {});

    // Reads the folders directly under the program folder. A folder read by the
    // scan before, and not changed since, keeps what was read of it: a save renames
    // its files into the folder, which changes the folder's modification time.
    void scan(const QString& programFolder);
    // Asks for the next search to scan again (keeping what was read, as above).
    void clear() { scanned_ = false; }
    bool isScanned() const { return scanned_; }
    qsizetype size() const { return entries_.size(); }

    // The client folders whose name holds every word of the query, newest first.
    // Letter case and accents do not count ("munoz" finds "Muñoz"); a date such as
    // "5/7/2001" or "05-07" also finds the folder of that assessment date, with or
    // without leading zeros. An empty query finds nothing.
    QList<ClientMatch> find(const QString& query) const;

    // A text without letter case and accents, as names are compared.
    static QString fold(const QString& text);

  private:
    struct Entry {
        ClientMatch match;
        QString key;            // the folded name
        QStringList datePart;   // month, day, year of the name's assessment date, if any
        qint64 folderTime = 0;  // the folder's modification time when it was read, in ns
    };
    // A word of the query, and its parts when it is a date.
    struct Word {
        QString text;
        QStringList date;
    };
    bool isSectionFile(const QString& fileName) const;
    static bool matches(const Entry& entry, const Word& word);

    QSet<QString> sectionFiles_;  // upper-cased
    QList<Entry> entries_;        // newest first
    QString scannedFolder_;       // the program folder they were read from
    bool scanned_ = false;
};

}  // namespace yrn
