#include "tools/ExportCommand.h"

#include <unistd.h>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSysInfo>
#include <cstdio>

#include "tools/ClientExport.h"
#include "tools/CsvExport.h"
#include "tools/DatabaseTarget.h"
#include "tools/SqlSync.h"

namespace yrn {

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kWrongArguments = 2;
constexpr int kUnreachable = 2;

// Progress as "[123/5000]" on one line of stderr, only when stderr is a terminal;
// warnings as lines of their own.
class StderrProgress : public ExportProgress {
  public:
    explicit StderrProgress(bool quiet = false) : terminal_(!quiet && isatty(fileno(stderr)) != 0) {
        started_.start();
    }
    ~StderrProgress() override {
        if (shown_) std::fputc('\n', stderr);
    }

    void client(int done, int total) override {
        if (!terminal_ || (done < total && !tick_.hasExpired())) return;
        tick_.setRemainingTime(100);
        std::fprintf(stderr, "\r[%d/%d] %.0f/s", done, total,
                     done * 1000.0 / double(std::max<qint64>(started_.elapsed(), 1)));
        std::fflush(stderr);
        shown_ = true;
    }

    void warning(const QString& folder, const QString& text) override {
        if (shown_) std::fputs("\r\033[K", stderr);
        shown_ = false;
        std::fprintf(stderr, "yrn-tool: warning: %s: %s\n", folder.toUtf8().constData(),
                     text.toUtf8().constData());
        std::fflush(stderr);
    }

  private:
    bool terminal_;
    bool shown_ = false;
    QDeadlineTimer tick_{0};
    QElapsedTimer started_;
};

}  // namespace

bool isClientsExportCommand(const QString& command) {
    return command == QLatin1String("export-csv") || command == QLatin1String("export-sqlite") ||
           command == QLatin1String("sync");
}

int runClientsExport(const QStringList& args, QString& why) {
    const auto wrong = [&why](const QString& text) {
        why = text;
        return kWrongArguments;
    };
    const bool csv = args.first() == QLatin1String("export-csv");
    const bool sync = args.first() == QLatin1String("sync");
    QString folder, output, address;
    // export-sqlite holds exactly the clients of this program folder, whatever
    // computer wrote them before.
    SqlSync::Options options{QSysInfo::machineHostName(), !sync, sync};
    bool quiet = false;
    auto style = CsvExport::Style::Spreadsheet;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        // An option's value: the next argument, which must be there.
        const auto value = [&](QString& into) {
            if (!into.isEmpty()) return arg + " given twice";
            if (i + 1 >= args.size() || args.at(i + 1).isEmpty()) return arg + " needs a value";
            into = args.at(++i);
            return QString();
        };
        QString problem;
        if (!sync && arg == QLatin1String("-o")) {
            problem = value(output);
        } else if (sync && arg == QLatin1String("--database")) {
            problem = value(address);
        } else if (sync && arg == QLatin1String("--site")) {
            options.site.clear();
            problem = value(options.site);
        } else if (sync && arg == QLatin1String("--prune")) {
            options.prune = true;
        } else if (sync && arg == QLatin1String("--quiet")) {
            quiet = true;
        } else if (csv && arg == QLatin1String("--raw")) {
            style = CsvExport::Style::Raw;
        } else if (arg.startsWith('-') && arg != QLatin1String("-")) {
            problem = "unknown option \"" + arg + "\"";
        } else if (!folder.isEmpty()) {
            problem = QStringLiteral("more than one program folder given");
        } else {
            folder = arg;
        }
        if (!problem.isEmpty()) return wrong(problem);
    }
    if (folder.isEmpty()) return wrong(QStringLiteral("no program folder given"));
    if (sync && address.isEmpty()) return wrong(QStringLiteral("no database (--database) given"));
    if (!sync && output.isEmpty()) return wrong(QStringLiteral("no output file (-o) given"));
    if (args.first() == QLatin1String("export-sqlite") && output == QLatin1String("-"))
        return wrong(QStringLiteral("an SQLite database cannot go to stdout"));
    DatabaseTarget target;
    if (!csv && !sync) target.file = output;
    if (sync && !parseDatabaseTarget(address, target, why)) return kWrongArguments;

    ClientExport clients(folder);
    clients.skipDamaged = sync;
    QString error;
    bool written = false;
    std::unique_ptr<SqlSync> database;
    {
        StderrProgress progress(quiet);
        if (csv) {
            CsvExport sink(output, style);
            written = clients.run(sink, &progress, &error);
        } else {
            database = std::make_unique<SqlSync>(target, options);
            written = clients.run(*database, &progress, &error);
        }
    }
    if (written && sync && !quiet) {
        const SqlSync::Counts& counts = database->counts();
        std::fprintf(stderr,
                     "yrn-tool: %s: %d client folder(s) written, %d unchanged, %d removed\n",
                     target.describe().toUtf8().constData(), counts.written, counts.unchanged,
                     counts.pruned);
    }
    if (written && clients.skipped().isEmpty()) return kDone;
    // A client left out is no success: whoever reads the export must know.
    if (written)
        error = QString::number(clients.skipped().size()) +
                " client folder(s) could not be read and are not in the export: " +
                clients.skipped().join(QStringLiteral(", "));
    std::fprintf(stderr, "yrn-tool: %s\n", error.toUtf8().constData());
    return database && database->unreachable() ? kUnreachable : kFailed;
}

}  // namespace yrn
