#pragma once

// A throwaway PostgreSQL server of the test's own: a cluster made by initdb in a
// temporary folder, listening only on a Unix socket in that folder (no TCP), run
// as the "postgres" user when the tests run as root (the server refuses root),
// stopped and removed with the object. Any local user logs in as role "yrn".

#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

namespace yrn::test {

struct PostgresServer {
    QTemporaryDir dir{QDir::tempPath() + "/yrn-pg-XXXXXX"};  // short: a socket path is
    QString data = dir.filePath("data"), log;
    bool started = false;

    PostgresServer() {
        const QStringList found =
            QDir("/usr/lib/postgresql").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        if (found.isEmpty()) {
            log = "no PostgreSQL server installed (Debian package postgresql)";
            return;
        }
        bin = "/usr/lib/postgresql/" + found.last() + "/bin/";
        if (geteuid() == 0) QProcess::execute("chown", {"postgres", dir.path()});
        started = run("initdb", {"-D", data, "-U", "yrn", "--auth=trust", "-E", "UTF8",
                                 "--locale=C.UTF-8"}) &&
                  run("pg_ctl", {"-D", data, "-w", "-l", dir.filePath("server.log"), "-o",
                                 "-k " + dir.path() + " -c listen_addresses=''", "start"}) &&
                  run("createdb", {"-h", dir.path(), "-U", "yrn", "clients"});
    }
    ~PostgresServer() {
        if (started) run("pg_ctl", {"-D", data, "-w", "-m", "immediate", "stop"});
    }
    // The address of a database of the server (the socket folder as its host).
    QString url(const QString& database = "clients") const {
        return "postgresql://yrn@" + QString(QUrl::toPercentEncoding(dir.path())) + '/' + database;
    }

  private:
    QString bin;
    bool run(const QString& program, const QStringList& args) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        if (geteuid() == 0)
            process.start("setpriv", QStringList{"--reuid=postgres", "--regid=postgres",
                                                 "--init-groups", bin + program} +
                                         args);
        else
            process.start(bin + program, args);
        const bool ok = process.waitForFinished(60000) && process.exitCode() == 0;
        log += process.readAll();
        return ok;
    }
};

}  // namespace yrn::test
