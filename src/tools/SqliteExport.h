#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "tools/ClientExport.h"

class QSqlDatabase;
class QSqlQuery;

namespace yrn {

// The answers of all clients as an SQLite database, for queries across clients
// with any SQL tool: a table "clients" (folder, name, assessment date, court
// site, the section files' time, whether the folder read whole) and one table
// per section file ("Location", "Demographic", ...) with a row for each client
// folder that holds the file, keyed by the folder name. Columns are the control
// names ("txtCharges(3)" as txtCharges_3, a list's shown item as <name>_text).
//
// Running it again brings the database up to date in one transaction: the
// tables are filled anew (a table whose columns changed is made anew), so they
// hold exactly the clients of this export. Only tables the export made are
// changed: it lists them in a table of its own, "yrn_schema", with the version
// of their layout. A table of the same name it did not make (unless it has
// exactly the export's columns, as an export made before the list was kept) and
// a database of a newer version are refused. Nothing is changed when the export
// fails. The database is never readable by others than its owner and group; it
// is never written through a link.
class SqliteExport : public ExportSink {
  public:
    explicit SqliteExport(QString path);
    ~SqliteExport() override;

    bool begin(const QList<AnswerTable>& tables) override;
    bool add(const ClientRecord& record) override;
    bool finish() override;
    QString error() const override { return error_; }

  private:
    struct Table {
        QString name;
        QStringList columns;  // with their SQL types, "folder" first
        std::unique_ptr<QSqlQuery> insert;
    };
    bool open();
    bool prepare(Table& table);
    bool checkSchema();
    bool fail(const QString& what, const QString& why);
    void rollBack();

    QString path_;
    QString connection_;
    bool created_ = false;  // the file did not exist before
    bool inTransaction_ = false;
    bool committed_ = false;
    std::vector<Table> tables_;  // "clients" first, then one per answer table
    QStringList made_;           // the tables yrn_schema lists as the export's
    QString error_;
};

}  // namespace yrn
