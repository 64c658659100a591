#include "tools/DatabaseTarget.h"

#include <QByteArray>
#include <QDir>

namespace yrn {

namespace {

QString decoded(const QString& part) {
    return QString::fromUtf8(QByteArray::fromPercentEncoding(part.toUtf8()));
}

}  // namespace

QString DatabaseTarget::describe() const {
    if (kind == Kind::Sqlite) return QDir::toNativeSeparators(file);
    return "database " + database + " on " + (host.isEmpty() ? QStringLiteral("localhost") : host) +
           (port > 0 ? ':' + QString::number(port) : QString());
}

bool parseDatabaseTarget(const QString& address, DatabaseTarget& target, QString& why) {
    target = {};
    if (address.startsWith(QLatin1String("sqlite:"))) {
        target.file = address.mid(7);
        if (target.file.isEmpty()) why = QStringLiteral("sqlite: needs a file name");
        return !target.file.isEmpty();
    }
    QString rest;
    for (const char* scheme : {"postgresql://", "postgres://"})
        if (address.startsWith(QLatin1String(scheme)))
            rest = address.mid(qsizetype(strlen(scheme)));
    const qsizetype slash = rest.indexOf('/');
    if (rest.isEmpty() || slash < 0 || rest.contains('?') || rest.contains('#')) {
        why = "\"" + address +
              "\" is no database address (postgresql://user@host[:port]/dbname or sqlite:<file>)";
        return false;
    }
    target.kind = DatabaseTarget::Kind::PostgreSql;
    target.database = decoded(rest.mid(slash + 1));
    QString authority = rest.left(slash);
    if (const qsizetype at = authority.lastIndexOf('@'); at >= 0) {
        const QString user = authority.left(at);
        if (user.contains(':')) {
            why = QStringLiteral(
                "a password is never given in the address; put it in "
                "PGPASSWORD or ~/.pgpass");
            return false;
        }
        target.user = decoded(user);
        authority = authority.mid(at + 1);
    }
    if (const qsizetype colon = authority.lastIndexOf(':'); colon >= 0) {
        bool ok = false;
        target.port = authority.mid(colon + 1).toInt(&ok);
        if (!ok || target.port <= 0 || target.port > 65535) {
            why = "\"" + authority.mid(colon + 1) + "\" is no port";
            return false;
        }
        authority = authority.left(colon);
    }
    target.host = decoded(authority);
    if (target.database.isEmpty()) why = QStringLiteral("the address names no database");
    return !target.database.isEmpty();
}

}  // namespace yrn
