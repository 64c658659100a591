#pragma once

// A throwaway PostgreSQL server of the test's own: a cluster made by initdb in a
// temporary folder, listening only on a Unix socket in that folder (no TCP), run
// as the "postgres" user when the tests run as root (the server refuses root),
// stopped with the object. Any local user logs in as role "yrn" to "clients".

#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

namespace yrn::test {

struct PostgresServer {
    QTemporaryDir dir{QDir::tempPath() + "/yrn-pg-XXXXXX"};  // a socket's path is short
    QString log;
    bool started = false;

    PostgresServer() {
        const QStringList versions = QDir("/usr/lib/postgresql").entryList(QDir::Dirs);
        bin = "/usr/lib/postgresql/" + versions.value(versions.size() - 1) + "/bin/";
        if (geteuid() == 0) QProcess::execute("chown", {"postgres", dir.path()});
        const QString data = dir.filePath("data"), socket = "-k " + dir.path();
        started = run("initdb", {"-D", data, "-U", "yrn", "--auth=trust", "--locale=C.UTF-8"}) &&
                  run("pg_ctl", {"-D", data, "-w", "-l", dir.filePath("log"), "-o",
                                 socket + " -c listen_addresses=''", "start"}) &&
                  run("createdb", {"-h", dir.path(), "-U", "yrn", "clients"});
    }
    ~PostgresServer() {
        if (started) run("pg_ctl", {"-D", dir.filePath("data"), "-w", "-m", "immediate", "stop"});
    }
    // The address of its database, the socket's folder as the host.
    QString url() const {
        return "postgresql://yrn@" + QUrl::toPercentEncoding(dir.path()) + "/clients";
    }

  private:
    QString bin;
    bool run(const QString& program, const QStringList& args) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        const QStringList asPostgres{"--reuid=postgres", "--regid=postgres", "--init-groups"};
        geteuid() == 0 ? process.start("setpriv", asPostgres + QStringList{bin + program} + args)
                       : process.start(bin + program, args);
        const bool ok = process.waitForFinished(60000) && process.exitCode() == 0;
        log += bin + program + ": " + process.readAll();  // no server installed: says so
        return ok;
    }
};

}  // namespace yrn::test
