#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "tools/ClientExport.h"
#include "tools/DatabaseTarget.h"

class QSqlQuery;

namespace yrn {

// Keeps the answers of all clients of a program folder in a database, PostgreSQL
// or SQLite alike (the same tables, through Qt SQL): a table "clients" (site,
// folder, name, last and first name, assessment date as YYYY-MM-DD, age at
// assessment, interviewer, court site, the section files' newest time in UTC,
// whether the folder read whole, a content hash of its section files, when its
// rows were last written) and one table per section file ("Location",
// "Demographic", ...) with a row for each client folder holding that file. Every
// table is keyed by (site, folder), so several sites share one database. Columns
// are the control names ("txtCharges(3)" as txtCharges_3, a list's shown item as
// <name>_text). A view "client_statistics" gives the usual figures: age at
// assessment, gender, primary substance and the interviewer's need ratings.
//
// Incremental: a client whose section files hash as last time is not read again;
// the others are written in batches, each one transaction, so an interrupted sync
// leaves every client old or new, never mixed, and a rerun finishes it. With prune,
// the rows of the site's client folders that are gone are removed (for an export,
// which holds one program folder's clients, every other site's rows too).
//
// Only tables the sync made are changed: it lists them in a table of its own,
// "yrn_schema", with the version of their layout. A table of the same name it did
// not make, and a database of a newer version, are refused, nothing written. An
// SQLite file is never written through a link, and never readable by others than
// its owner and group; one this sync made and could not fill is removed.
class SqlSync : public ExportSink {
  public:
    struct Options {
        QString site;          // the key's first part
        bool prune = false;    // remove the rows of client folders that are gone
        bool onlySite = true;  // ... at this site; else every other site's rows too
        int batch = 200;       // clients per transaction
    };
    SqlSync(DatabaseTarget target, Options options);
    ~SqlSync() override;

    bool begin(const QList<AnswerTable>& tables) override;
    bool keepsHashes() const override { return true; }
    bool wants(const QString& folder, const QByteArray& contentHash) override;
    bool add(const ClientRecord& record) override;
    bool finish(const QStringList& present) override;
    QString error() const override { return error_; }

    // The database could not be reached, or refused the login.
    bool unreachable() const { return unreachable_; }
    struct Counts {
        int written = 0, unchanged = 0, pruned = 0;
    };
    const Counts& counts() const { return counts_; }

  private:
    struct Table {
        QString name;
        QStringList columns;  // with their SQL types, the key first
        QStringList legacy;   // as an export wrote it before sites and yrn_schema
        std::unique_ptr<QSqlQuery> insert, remove;
    };
    bool open();
    bool checkSchema();
    bool list(const QString& name);
    bool makeView(bool ours);
    bool prepare(Table& table);
    bool exec(QSqlQuery& query);
    bool run(const QString& statement);
    bool transaction();
    bool commit();
    bool remove(const QString& site, const QString& folder);
    bool fail(const QString& why);
    void rollBack();

    DatabaseTarget target_;
    Options options_;
    QString connection_;
    bool created_ = false;  // the SQLite file did not exist before
    bool inTransaction_ = false;
    bool committed_ = false;
    bool unreachable_ = false;
    bool remade_ = false;        // a table was made anew
    int pending_ = 0;            // clients written in this transaction
    std::vector<Table> tables_;  // "clients" first, then one per answer table
    std::unique_ptr<QSqlQuery> storedHash_;
    QStringList made_;  // the tables yrn_schema lists as the sync's
    Counts counts_;
    QString error_;
};

}  // namespace yrn
