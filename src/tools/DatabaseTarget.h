#pragma once

#include <QString>

namespace yrn {

// Where the answers of all clients go: a PostgreSQL database, given as
// "postgresql://user@host[:port]/dbname" (a host that is a folder, "%2F"-encoded,
// is the folder of the server's Unix socket; user and host may be left out), or an
// SQLite file, "sqlite:<file>". A password never comes from the address: the
// PostgreSQL client library reads it from PGPASSWORD or ~/.pgpass.
struct DatabaseTarget {
    enum class Kind { PostgreSql, Sqlite };
    Kind kind = Kind::Sqlite;
    QString file;  // SQLite
    QString user, host, database;
    int port = -1;

    // For messages: "database clients on db1" or the file; never a password.
    QString describe() const;
};

// False (and why) for an address that is neither kind, or that holds a password.
bool parseDatabaseTarget(const QString& address, DatabaseTarget& target, QString& why);

}  // namespace yrn
