#include "tools/SqlSync.h"

#include <sys/stat.h>

#include <QDateTime>
#include <QFile>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include "base/AtomicFile.h"

namespace yrn {

namespace {

// The tables (and the view) the sync made, with the version of their layout.
const QString kSchemaTable = QStringLiteral("yrn_schema");
constexpr int kSchemaVersion = 2;
const QString kView = QStringLiteral("client_statistics");
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

// The statistics view's columns: what each is, from which table and column.
struct Figure {
    QString name, table, column;
};
const QList<Figure> kFigures = {{"primary_substance", "Drugs", "cboMajorSubstance_text"},
                                {"medical_need", "Medical", "cboInterviewerRating"},
                                {"employment_need", "Employment", "cboInterviewerRatingE"},
                                {"alcohol_need", "Drugs", "cboNeedAlcTreatment"},
                                {"drug_need", "Drugs", "cboNeedDrugTreatment"},
                                {"legal_need", "CriminalJustice", "cboNeedLegalTreatment"},
                                {"family_social_need", "FamilySocial", "cboNeedFamilyTreatment"},
                                {"psychiatric_need", "MentalHealth", "cboNeedPsycTreatment"}};

}  // namespace

SqlSync::SqlSync(DatabaseTarget target, Options options)
    : target_(std::move(target)), options_(std::move(options)) {}

SqlSync::~SqlSync() {
    if (inTransaction_) rollBack();
    tables_.clear();  // the prepared statements go before their connection
    storedHash_.reset();
    if (!connection_.isEmpty()) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
    // A database file this sync began and could not fill is not left behind.
    if (created_ && !committed_) QFile::remove(target_.file);
}

bool SqlSync::fail(const QString& why) {
    error_ = "cannot write " + target_.describe() +
             (why.isEmpty() ? QString() : ": " + why.simplified());
    if (inTransaction_) rollBack();
    return false;
}

void SqlSync::rollBack() {
    inTransaction_ = false;
    pending_ = 0;
    QSqlDatabase::database(connection_, false).rollback();
}

bool SqlSync::exec(QSqlQuery& query) {
    return query.exec() || fail(query.lastError().text());
}

bool SqlSync::run(const QString& statement) {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    return query.exec(statement) || fail(query.lastError().text());
}

bool SqlSync::transaction() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction()) return fail(db.lastError().text());
    inTransaction_ = true;
    return true;
}

bool SqlSync::commit() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.commit()) return fail(db.lastError().text());
    inTransaction_ = false;
    pending_ = 0;
    return true;
}

bool SqlSync::open() {
    const bool sqlite = target_.kind == DatabaseTarget::Kind::Sqlite;
    const QString driver = sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        unreachable_ = !sqlite;
        return fail(sqlite ? QStringLiteral("the SQLite driver of Qt is not installed (Debian "
                                            "package libqt6sql6-sqlite)")
                           : QStringLiteral("the PostgreSQL driver of Qt is not installed "
                                            "(Debian package libqt6sql6-psql)"));
    }
    if (sqlite) {
        if (const QString refusal = replaceRefusal(target_.file); !refusal.isEmpty())
            return fail(refusal);
        const QByteArray name = QFile::encodeName(target_.file);
        struct stat st {};
        if (::stat(name.constData(), &st) != 0) {
            // Client answers are confidential: the database is its owner's only.
            QFile file(target_.file);
            if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
                return fail(file.errorString());
            created_ = true;
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        } else if ((st.st_mode & S_IRWXO) && ::chmod(name.constData(), st.st_mode & 0770) != 0) {
            return fail(QStringLiteral("others may read it, and that cannot be changed"));
        }
    }
    connection_ = QStringLiteral("yrn-sync-%1").arg(reinterpret_cast<quintptr>(this));
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, connection_);
    if (sqlite) {
        db.setDatabaseName(target_.file);
    } else {
        db.setDatabaseName(target_.database);
        if (!target_.host.isEmpty()) db.setHostName(target_.host);
        if (target_.port > 0) db.setPort(target_.port);
        if (!target_.user.isEmpty()) db.setUserName(target_.user);
        db.setConnectOptions(QStringLiteral("connect_timeout=10"));
    }
    if (!db.open()) {
        unreachable_ = !sqlite;
        error_ = (sqlite ? "cannot write " : "cannot reach ") + target_.describe() + ": " +
                 db.lastError().text().simplified();
        return false;
    }
    QSqlQuery probe(db);
    // The server's notices ("already exists, skipping") are no news to a person.
    if (!sqlite) probe.exec(QStringLiteral("SET client_min_messages TO WARNING"));
    if (sqlite && (!probe.exec(QStringLiteral("PRAGMA schema_version")) || !probe.next()))
        return fail(probe.lastError().nativeErrorCode() == kNotADatabase
                        ? QStringLiteral("it is not an SQLite database")
                        : probe.lastError().text());
    return true;
}

// Reads which tables the sync made, and refuses a layout newer than its own.
bool SqlSync::checkSchema() {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!run("CREATE TABLE IF NOT EXISTS " + kSchemaTable +
             " (table_name TEXT PRIMARY KEY NOT NULL, version INTEGER NOT NULL)"))
        return false;
    if (!query.exec("SELECT table_name, version FROM " + kSchemaTable))
        return fail(query.lastError().text());
    made_.clear();
    while (query.next()) {
        if (query.value(1).toInt() > kSchemaVersion)
            return fail("its table \"" + query.value(0).toString() +
                        "\" was made by a newer version of this program; nothing was written");
        made_ << query.value(0).toString();
    }
    return true;
}

// Lists a table (or the view) as the sync's, at this version of its layout.
bool SqlSync::list(const QString& name) {
    QSqlQuery listed(QSqlDatabase::database(connection_, false));
    listed.prepare("DELETE FROM " + kSchemaTable + " WHERE table_name = ?");
    listed.addBindValue(name);
    if (!exec(listed)) return false;
    listed.prepare("INSERT INTO " + kSchemaTable + " VALUES (?, ?)");
    listed.addBindValue(name);
    listed.addBindValue(kSchemaVersion);
    if (!exec(listed)) return false;
    if (!made_.contains(name)) made_ << name;
    return true;
}

// Makes the table anew when its columns differ from the sync's, and prepares its
// statements.
bool SqlSync::prepare(Table& table) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    const bool sqlite = target_.kind == DatabaseTarget::Kind::Sqlite;
    if (sqlite) {
        query.prepare("SELECT name, type FROM pragma_table_info(?)");
    } else {
        query.prepare(QStringLiteral(
            "SELECT column_name, data_type FROM information_schema.columns WHERE table_schema "
            "= current_schema() AND table_name = ? ORDER BY ordinal_position"));
    }
    query.addBindValue(table.name);
    if (!exec(query)) return false;
    QStringList present;
    while (query.next())
        present << column(query.value(0).toString(),
                          query.value(1).toString().compare("INTEGER", Qt::CaseInsensitive) == 0);
    // A table of another program's (or a person's) is never changed; one an export
    // made before tables were listed has the export's columns of then.
    if (present == table.legacy && !made_.contains(table.name)) made_ << table.name;
    if (!present.isEmpty() && present != table.columns && !made_.contains(table.name))
        return fail("it has a table \"" + table.name +
                    "\" this program did not make; nothing was written (choose another database)");
    if (!present.isEmpty() && present != table.columns && !run("DROP TABLE " + quoted(table.name)))
        return false;
    if (present != table.columns) {
        remade_ = true;
        QStringList definitions;
        for (const QString& name : table.columns) {
            const qsizetype blank = name.lastIndexOf(' ');
            definitions << quoted(name.left(blank)) + name.mid(blank);
        }
        definitions << QStringLiteral("PRIMARY KEY (site, folder)");
        if (!run("CREATE TABLE " + quoted(table.name) + " (" + definitions.join(", ") + ')'))
            return false;
    }
    if (!list(table.name)) return false;
    table.insert = std::make_unique<QSqlQuery>(db);
    const QString marks = QStringLiteral("?, ").repeated(table.columns.size()).chopped(2);
    table.remove = std::make_unique<QSqlQuery>(db);
    if (!table.insert->prepare("INSERT INTO " + quoted(table.name) + " VALUES (" + marks + ')') ||
        !table.remove->prepare("DELETE FROM " + quoted(table.name) +
                               " WHERE site = ? AND folder = ?"))
        return fail(table.insert->lastError().text() + table.remove->lastError().text());
    return true;
}

// The statistics view over the tables there are: a figure whose table or column
// the interview lacks is NULL. A view of that name the sync did not make is refused.
bool SqlSync::makeView(bool ours) {
    const auto has = [this](const QString& table, const QString& name = {}) {
        return std::any_of(tables_.cbegin(), tables_.cend(), [&](const Table& t) {
            return t.name == table &&
                   (name.isEmpty() ||
                    std::any_of(t.columns.cbegin(), t.columns.cend(),
                                [&](const QString& c) { return c.section(' ', 0, 0) == name; }));
        });
    };
    QStringList figures, joins;
    for (const Figure& f : kFigures) {
        const bool known = has(f.table, f.column);
        figures << (known ? quoted(f.table) + '.' + quoted(f.column) : QStringLiteral("NULL")) +
                       " AS " + f.name;
        if (known && !joins.contains(f.table)) joins << f.table;
    }
    const bool demographic = has(QStringLiteral("Demographic"));
    if (demographic && !joins.contains("Demographic")) joins << QStringLiteral("Demographic");
    QString from = QStringLiteral("clients");
    for (const QString& table : std::as_const(joins))
        from += " LEFT JOIN " + quoted(table) + " ON " + quoted(table) +
                ".site = clients.site AND " + quoted(table) + ".folder = clients.folder";
    const QString gender = demographic
                               ? QStringLiteral(
                                     "CASE \"Demographic\".\"optSex\" WHEN 0 THEN 'male' WHEN 1 "
                                     "THEN 'female' END")
                               : QStringLiteral("NULL");
    if (!ours) {
        QSqlQuery exists(QSqlDatabase::database(connection_, false));
        exists.prepare(target_.kind == DatabaseTarget::Kind::Sqlite
                           ? QStringLiteral("SELECT name FROM sqlite_master WHERE name = ?")
                           : QStringLiteral("SELECT table_name FROM information_schema.tables "
                                            "WHERE table_schema = current_schema() AND "
                                            "table_name = ?"));
        exists.addBindValue(kView);
        if (!exec(exists)) return false;
        if (exists.next())
            return fail("it has a table or view \"" + kView +
                        "\" this program did not make; nothing was written");
        if (!list(kView)) return false;
    }
    return run("CREATE VIEW " + kView +
               " AS SELECT clients.site, clients.folder, clients.age_at_assessment, " + gender +
               " AS gender, " + figures.join(", ") + " FROM " + from);
}

bool SqlSync::begin(const QList<AnswerTable>& tables) {
    if (!open() || !transaction() || !checkSchema()) return false;
    tables_.clear();
    const QStringList key{column("site", false), column("folder", false)};
    const QStringList legacyClients{column("folder", false),          column("name", false),
                                    column("assessment_date", false), column("court_site", false),
                                    column("files_time", false),      column("complete", true)};
    tables_.push_back(
        {QStringLiteral("clients"),
         key + QStringList{column("name", false), column("last_name", false),
                           column("first_name", false), column("assessment_date", false),
                           column("age_at_assessment", true), column("interviewer", false),
                           column("court_site", false), column("files_time", false),
                           column("complete", true), column("content_hash", false),
                           column("synced_at", false)},
         legacyClients,
         {},
         {}});
    for (const AnswerTable& answers : tables) {
        Table table{answers.stem, key, {column("folder", false)}, {}, {}};
        for (const AnswerColumn& c : answers.columns) {
            table.columns << column(c.sqlName, c.integer);
            table.legacy << column(c.sqlName, c.integer);
        }
        tables_.push_back(std::move(table));
    }
    // The view stands on the tables: it goes first, and is made again over them.
    const bool view = made_.contains(kView);
    if (view && !run("DROP VIEW IF EXISTS " + kView)) return false;
    for (Table& table : tables_)
        if (!prepare(table)) return false;
    if (!makeView(view)) return false;
    // A table made anew holds none of the clients written before: all are written again.
    if (remade_ && !run(QStringLiteral("UPDATE clients SET content_hash = NULL"))) return false;
    storedHash_ = std::make_unique<QSqlQuery>(QSqlDatabase::database(connection_, false));
    if (!storedHash_->prepare(
            QStringLiteral("SELECT content_hash FROM clients WHERE site = ? AND folder = ?")))
        return fail(storedHash_->lastError().text());
    return commit();
}

bool SqlSync::wants(const QString& folder, const QByteArray& contentHash) {
    storedHash_->addBindValue(options_.site);
    storedHash_->addBindValue(folder);
    if (!storedHash_->exec()) return true;  // written anew; a real failure shows there
    const bool same = storedHash_->next() && storedHash_->value(0).toByteArray() == contentHash;
    storedHash_->finish();
    if (same) ++counts_.unchanged;
    return !same;
}

bool SqlSync::remove(const QString& site, const QString& folder) {
    for (Table& table : tables_) {
        table.remove->addBindValue(site);
        table.remove->addBindValue(folder);
        if (!exec(*table.remove)) return false;
    }
    return true;
}

bool SqlSync::add(const ClientRecord& record) {
    if (!inTransaction_ && !transaction()) return false;
    if (!remove(options_.site, record.folder)) return false;
    const auto insert = [&](Table& table, const QVariantList& values) {
        table.insert->addBindValue(options_.site);
        table.insert->addBindValue(record.folder);
        for (const QVariant& value : values)
            table.insert->addBindValue(value);
        return exec(*table.insert);
    };
    const QVariant time =
        record.filesTime.isValid() ? QVariant(record.filesTime.toString(Qt::ISODate)) : QVariant();
    if (!insert(tables_[0],
                {orNull(record.name), orNull(record.lastName), orNull(record.firstName),
                 orNull(record.assessmentDate),
                 record.age ? QVariant(*record.age) : QVariant(QMetaType(QMetaType::Int)),
                 orNull(record.interviewer), orNull(record.courtSite), time,
                 record.complete() ? 1 : 0, QString::fromLatin1(record.contentHash),
                 QDateTime::currentDateTimeUtc().toString(Qt::ISODate)}))
        return false;
    for (qsizetype t = 0; t < record.values.size() && std::size_t(t) + 1 < tables_.size(); ++t)
        if (record.hasFile.at(t) && !insert(tables_[std::size_t(t) + 1], record.values.at(t)))
            return false;
    ++counts_.written;
    return ++pending_ < options_.batch || commit();
}

bool SqlSync::finish(const QStringList& present) {
    if (options_.prune) {
        if (!inTransaction_ && !transaction()) return false;
        QSqlQuery listed(QSqlDatabase::database(connection_, false));
        listed.prepare(QStringLiteral("SELECT site, folder FROM clients") +
                       (options_.onlySite ? QStringLiteral(" WHERE site = ?") : QString()));
        if (options_.onlySite) listed.addBindValue(options_.site);
        if (!exec(listed)) return false;
        const QSet<QString> kept(present.cbegin(), present.cend());
        QList<std::pair<QString, QString>> gone;
        while (listed.next())
            if (listed.value(0).toString() != options_.site ||
                !kept.contains(listed.value(1).toString()))
                gone.append({listed.value(0).toString(), listed.value(1).toString()});
        for (const auto& [site, folder] : std::as_const(gone))
            if (!remove(site, folder)) return false;
        counts_.pruned = int(gone.size());
    }
    if (inTransaction_ && !commit()) return false;
    committed_ = true;
    return true;
}

}  // namespace yrn
