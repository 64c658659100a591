#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

#include "tools/AnswerColumns.h"

namespace yrn {

class Interview;
class CollectingPrompts;
class Prompts;

// One client folder as read for the export.
struct ClientRecord {
    QString folder;          // the client folder's name, the key of every table
    QDateTime filesTime;     // the newest modification time of its section files
    QString name;            // "First M. Last"; empty when no name is stored
    QString assessmentDate;  // "YYYY-MM-DD"; empty when the stored date is no calendar date
    QString courtSite;       // the court site's name; empty when none is chosen
    QString lastName, firstName, interviewer;  // as typed on the locator's first page
    std::optional<int> age;                    // completed years on the assessment date
    QByteArray contentHash;  // SHA-256 (hex) of its section files' names and bytes
    // Per answer table: whether the folder holds its section file, and the values
    // of its columns (null where unanswered, or where the file is missing).
    QList<bool> hasFile;
    QList<QList<QVariant>> values;
    // What went wrong while reading it: damaged or missing section files, and
    // the messages their readers gave. Empty for a whole client.
    QStringList warnings;
    bool complete() const { return warnings.isEmpty(); }
    // Why nothing of it could be read (its folder or every section file is
    // another's, say): it is left out of the export, named. Empty otherwise.
    QString skipped;
};

// Where the records go: a CSV file or an SQLite database.
class ExportSink {
  public:
    virtual ~ExportSink() = default;
    virtual bool begin(const QList<AnswerTable>& tables) = 0;
    // Whether the sink keeps the section files' hash of each client (then each
    // record has it), and whether a client folder whose files hash so is to be read
    // and added (a sync skips what it holds already).
    virtual bool keepsHashes() const { return false; }
    virtual bool wants(const QString& /*folder*/, const QByteArray& /*contentHash*/) {
        return true;
    }
    virtual bool add(const ClientRecord& record) = 0;
    // After the last client; present names every client folder there is now.
    virtual bool finish(const QStringList& present) = 0;
    // Why the last step failed.
    virtual QString error() const = 0;
};

// Told of each client as it is read (for progress and warnings).
class ExportProgress {
  public:
    virtual ~ExportProgress() = default;
    virtual void client(int done, int total) = 0;
    virtual void warning(const QString& folder, const QString& text) = 0;
};

// Reads every client folder of a program folder (a folder directly under it that
// holds a section file) with the sections of the interview, as the open-client
// dialog reads one, and hands each to a sink. A damaged or incomplete client
// still gives its record (what could be read) and warnings; it never stops the
// export. A folder that cannot be read at all, or a client none of whose section
// files can, is skipped: named as a warning and in skipped().
class ClientExport {
  public:
    // The sections to read with: the whole interview, unless a test says otherwise.
    using InterviewFactory = std::function<std::unique_ptr<Interview>(Prompts&)>;
    explicit ClientExport(QString programFolder, const InterviewFactory& makeSections = {});
    ~ClientExport();

    const QList<AnswerTable>& tables() const { return tables_; }

    // The names of the client folders, in name order; false when the program
    // folder cannot be read.
    bool clientFolders(QStringList& names, QString* error = nullptr) const;

    ClientRecord read(const QString& folderName);
    // The hash of a client folder's section files; empty when one cannot be read.
    QByteArray contentHash(const QString& folderName) const;

    // Reads all clients into the sink; false (and why) when the program folder
    // cannot be read or the sink fails.
    bool run(ExportSink& sink, ExportProgress* progress, QString* error);
    // The folders the last run skipped, in name order.
    const QStringList& skipped() const { return skipped_; }
    // Whether a damaged or incomplete client is skipped (named) rather than given
    // with what could be read.
    bool skipDamaged = false;

  private:
    QString programFolder_;
    std::unique_ptr<CollectingPrompts> prompts_;
    std::unique_ptr<Interview> interview_;
    QList<AnswerTable> tables_;
    QStringList skipped_;
    mutable QStringList unreadable_;  // folders the listing could not look into
};

}  // namespace yrn
