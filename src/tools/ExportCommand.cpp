#include "tools/ExportCommand.h"

#include <unistd.h>
#include <QDeadlineTimer>
#include <cstdio>

#include "tools/ClientExport.h"
#include "tools/CsvExport.h"
#include "tools/SqliteExport.h"

namespace yrn {

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kWrongArguments = 2;

// Progress as "[123/5000]" on one line of stderr, only when stderr is a terminal;
// warnings as lines of their own.
class StderrProgress : public ExportProgress {
  public:
    StderrProgress() : terminal_(isatty(fileno(stderr)) != 0) {}
    ~StderrProgress() override {
        if (shown_) std::fputc('\n', stderr);
    }

    void client(int done, int total) override {
        if (!terminal_ || (done < total && !tick_.hasExpired())) return;
        tick_.setRemainingTime(100);
        std::fprintf(stderr, "\r[%d/%d]", done, total);
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
};

}  // namespace

bool isClientsExportCommand(const QString& command) {
    return command == QLatin1String("export-csv") || command == QLatin1String("export-sqlite");
}

int runClientsExport(const QStringList& args, QString& why) {
    const auto wrong = [&why](const QString& text) {
        why = text;
        return kWrongArguments;
    };
    const bool csv = args.first() == QLatin1String("export-csv");
    QString folder;
    QString output;
    auto style = CsvExport::Style::Spreadsheet;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("-o")) {
            if (!output.isEmpty()) return wrong(QStringLiteral("-o given twice"));
            if (i + 1 >= args.size() || args.at(i + 1).isEmpty())
                return wrong(QStringLiteral("-o needs a file name"));
            output = args.at(++i);
        } else if (csv && arg == QLatin1String("--raw")) {
            style = CsvExport::Style::Raw;
        } else if (arg.startsWith('-')) {
            return wrong("unknown option \"" + arg + "\"");
        } else if (!folder.isEmpty()) {
            return wrong(QStringLiteral("more than one program folder given"));
        } else {
            folder = arg;
        }
    }
    if (folder.isEmpty()) return wrong(QStringLiteral("no program folder given"));
    if (output.isEmpty()) return wrong(QStringLiteral("no output file (-o) given"));
    if (!csv && output == QLatin1String("-"))
        return wrong(QStringLiteral("an SQLite database cannot go to stdout"));

    ClientExport clients(folder);
    QString error;
    bool written = false;
    {
        StderrProgress progress;
        if (csv) {
            CsvExport sink(output, style);
            written = clients.run(sink, &progress, &error);
        } else {
            SqliteExport sink(output);
            written = clients.run(sink, &progress, &error);
        }
    }
    if (written && clients.skipped().isEmpty()) return kDone;
    // A client left out is no success: whoever reads the export must know.
    if (written)
        error = QString::number(clients.skipped().size()) +
                " client folder(s) could not be read and are not in the export: " +
                clients.skipped().join(QStringLiteral(", "));
    std::fprintf(stderr, "yrn-tool: %s\n", error.toUtf8().constData());
    return kFailed;
}

}  // namespace yrn
