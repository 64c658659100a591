#include "tools/SqliteExport.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include "base/AtomicFile.h"

namespace yrn {

namespace {

const QString kDriver = QStringLiteral("QSQLITE");
// The tables the export made, with the version of their layout.
const QString kSchemaTable = QStringLiteral("yrn_schema");
constexpr int kSchemaVersion = 1;
// SQLite's code for a file that is not a database.
const QString kNotADatabase = QStringLiteral("26");

QString quoted(const QString& name) {
    return '"' + QString(name).replace('"', QLatin1String("\"\"")) + '"';
}

QString column(const QString& name, bool integer) {
    return name + (integer ? QStringLiteral(" INTEGER") : QStringLiteral(" TEXT"));
}

QVariant orNull(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

}  // namespace

SqliteExport::SqliteExport(QString path) : path_(std::move(path)) {}

SqliteExport::~SqliteExport() {
    if (inTransaction_) rollBack();
    tables_.clear();  // the prepared statements go before their connection
    if (!connection_.isEmpty()) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
    // A database this export began and could not finish is not left behind.
    if (created_ && !committed_) QFile::remove(path_);
}

bool SqliteExport::fail(const QString& what, const QString& why) {
    error_ = what + (why.isEmpty() ? QString() : ": " + why);
    if (inTransaction_) rollBack();
    return false;
}

void SqliteExport::rollBack() {
    inTransaction_ = false;
    for (Table& table : tables_)
        table.insert.reset();
    QSqlDatabase::database(connection_, false).rollback();
}

bool SqliteExport::open() {
    const QString where = "cannot write " + path_;
    if (!QSqlDatabase::isDriverAvailable(kDriver))
        return fail(where, QStringLiteral("the SQLite driver of Qt is not installed "
                                          "(Debian package libqt6sql6-sqlite)"));
    if (const QString refusal = replaceRefusal(path_); !refusal.isEmpty())
        return fail(where, refusal);
    const QByteArray name = QFile::encodeName(path_);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        // Client answers are confidential: the database is its owner's only.
        QFile file(path_);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return fail(where, file.errorString());
        created_ = true;
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    } else if (st.st_mode & S_IRWXO) {
        // An answers database is never others' to read, whoever made it so.
        if (::chmod(name.constData(), st.st_mode & 0770) != 0)
            return fail(where, QStringLiteral("others may read it, and that cannot be changed"));
    }
    connection_ = QStringLiteral("yrn-export-%1").arg(reinterpret_cast<quintptr>(this));
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, connection_);
    db.setDatabaseName(path_);
    if (!db.open()) return fail(where, db.lastError().text());
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("PRAGMA schema_version")) || !probe.next())
        return fail(where, probe.lastError().nativeErrorCode() == kNotADatabase
                               ? QStringLiteral("it is not an SQLite database")
                               : probe.lastError().text());
    if (!db.transaction()) return fail(where, db.lastError().text());
    inTransaction_ = true;
    return checkSchema();
}

// Reads which tables the export made, and refuses a layout newer than its own.
bool SqliteExport::checkSchema() {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    const auto run = [&](const QString& statement) {
        return query.exec(statement) || fail("cannot write " + path_, query.lastError().text());
    };
    if (!run("CREATE TABLE IF NOT EXISTS " + kSchemaTable +
             " (table_name TEXT PRIMARY KEY NOT NULL, version INTEGER NOT NULL)") ||
        !run("SELECT table_name, version FROM " + kSchemaTable))
        return false;
    made_.clear();
    while (query.next()) {
        if (query.value(1).toInt() > kSchemaVersion)
            return fail("cannot write " + path_,
                        "its table \"" + query.value(0).toString() +
                            "\" was made by a newer version of this program; nothing was written");
        made_ << query.value(0).toString();
    }
    return true;
}

// Makes the table anew when its columns differ from the export's, empties it and
// prepares its insert.
bool SqliteExport::prepare(Table& table) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    const auto run = [&](const QString& statement) {
        return query.exec(statement) || fail("cannot write " + path_, query.lastError().text());
    };
    if (!run("PRAGMA table_info(" + quoted(table.name) + ')')) return false;
    QStringList present;
    while (query.next())
        present << column(query.value(1).toString(),
                          query.value(2).toString().compare("INTEGER", Qt::CaseInsensitive) == 0);
    // A table of another program's (or a person's) is never changed.
    if (!present.isEmpty() && present != table.columns && !made_.contains(table.name))
        return fail("cannot write " + path_,
                    "it has a table \"" + table.name +
                        "\" this program did not make; nothing was written (choose another file)");
    if (!present.isEmpty() && present != table.columns && !run("DROP TABLE " + quoted(table.name)))
        return false;
    if (!made_.contains(table.name)) {
        QSqlQuery listed(db);
        listed.prepare("INSERT OR REPLACE INTO " + kSchemaTable + " VALUES (?, ?)");
        listed.addBindValue(table.name);
        listed.addBindValue(kSchemaVersion);
        if (!listed.exec()) return fail("cannot write " + path_, listed.lastError().text());
        made_ << table.name;
    }
    if (present != table.columns) {
        QStringList definitions;
        for (const QString& name : table.columns) {
            const qsizetype blank = name.lastIndexOf(' ');
            definitions << quoted(name.left(blank)) + name.mid(blank);
        }
        definitions.first() += QStringLiteral(" PRIMARY KEY NOT NULL");
        if (!run("CREATE TABLE " + quoted(table.name) + " (" + definitions.join(", ") + ')'))
            return false;
    }
    if (!run("DELETE FROM " + quoted(table.name))) return false;
    table.insert = std::make_unique<QSqlQuery>(db);
    const QString marks = QStringLiteral("?, ").repeated(table.columns.size()).chopped(2);
    if (!table.insert->prepare("INSERT INTO " + quoted(table.name) + " VALUES (" + marks + ')'))
        return fail("cannot write " + path_, table.insert->lastError().text());
    return true;
}

bool SqliteExport::begin(const QList<AnswerTable>& tables) {
    if (!open()) return false;
    tables_.clear();
    Table clients{
        QStringLiteral("clients"),
        {column("folder", false), column("name", false), column("assessment_date", false),
         column("court_site", false), column("files_time", false), column("complete", true)},
        {}};
    tables_.push_back(std::move(clients));
    for (const AnswerTable& answers : tables) {
        Table table{answers.stem, {column("folder", false)}, {}};
        for (const AnswerColumn& c : answers.columns)
            table.columns << column(c.sqlName, c.integer);
        tables_.push_back(std::move(table));
    }
    for (Table& table : tables_)
        if (!prepare(table)) return false;
    return true;
}

bool SqliteExport::add(const ClientRecord& record) {
    const auto insert = [&](Table& table, const QVariantList& values) {
        for (int i = 0; i < values.size(); ++i)
            table.insert->bindValue(i, values.at(i));
        return table.insert->exec() ||
               fail("cannot write " + path_, table.insert->lastError().text());
    };
    const QVariant time =
        record.filesTime.isValid() ? QVariant(record.filesTime.toString(Qt::ISODate)) : QVariant();
    if (!insert(tables_[0], {record.folder, orNull(record.name), orNull(record.assessmentDate),
                             orNull(record.courtSite), time, record.complete() ? 1 : 0}))
        return false;
    for (qsizetype t = 0; t < record.values.size() && std::size_t(t) + 1 < tables_.size(); ++t) {
        if (!record.hasFile.at(t)) continue;
        QVariantList values{record.folder};
        values << record.values.at(t);
        if (!insert(tables_[std::size_t(t) + 1], values)) return false;
    }
    return true;
}

bool SqliteExport::finish() {
    for (Table& table : tables_)
        table.insert.reset();
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.commit()) return fail("cannot write " + path_, db.lastError().text());
    inTransaction_ = false;
    committed_ = true;
    return true;
}

}  // namespace yrn
