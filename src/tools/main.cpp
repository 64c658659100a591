// yrn-tool: the client reports and answers of a client folder, without a window.
#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "ProgramInfo.h"
#include "base/AtomicFile.h"
#include "base/CalendarDate.h"
#include "interview/Interview.h"
#include "interview/Section.h"
#include "records/ClientFolder.h"
#include "records/ProgramLocation.h"
#include "report/ReportAssembly.h"
#include "sections/Sections.h"
#include "tools/AnswerExport.h"
#include "tools/CheckCommand.h"
#include "tools/ExportCommand.h"
#include "tools/ToolPrompts.h"

using namespace yrn;

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kWrongArguments = 2;

const char kUsage[] =
    "Usage: yrn-tool report <client-folder> -o <out.rtf> [--template <file>]\n"
    "       yrn-tool export <client-folder>\n"
    "       yrn-tool export-csv <program-folder> -o <clients.csv> [--raw]\n"
    "       yrn-tool export-sqlite <program-folder> -o <clients.sqlite>\n"
    "       yrn-tool sync <program-folder> --database <address> [--site NAME]\n"
    "                [--prune] [--quiet]\n"
    "       yrn-tool check [--json] <client-folder>...\n"
    "       yrn-tool --version\n"
    "\n"
    "report  reads the client folder's section files and writes the client report;\n"
    "        the template defaults to YRN_TEMPLATE.RTF beside this program (or the\n"
    "        one installed with it). An output that is there already must be a\n"
    "        regular file; \"-o -\" writes the report on stdout.\n"
    "export  writes every answer of the client folder as JSON on stdout.\n"
    "export-csv, export-sqlite  write the answers of every client folder of the\n"
    "        program folder, one row per client, to a CSV file (\"-o -\": stdout)\n"
    "        or an SQLite database; damaged clients are warned about on stderr.\n"
    "        The CSV starts with a byte-order mark, and a text a spreadsheet would\n"
    "        take for a formula (first character = + - @, a tab or a CR; a plain\n"
    "        number aside) gets a leading '; --raw writes neither, for statistics\n"
    "        tools. NUL characters are dropped.\n"
    "sync    brings a database up to date with the program folder's clients,\n"
    "        writing only those whose section files changed: <address> is\n"
    "        postgresql://user@host[:port]/dbname (the password from PGPASSWORD or\n"
    "        ~/.pgpass) or sqlite:<file>. --site (default: this computer's name)\n"
    "        keeps sites apart; --prune removes the rows of client folders that are\n"
    "        gone. Damaged or unreadable clients are named and skipped (status 1);\n"
    "        a database that cannot be reached gives status 2, nothing written.\n"
    "        export-sqlite is a sync with --prune into an SQLite file.\n"
    "check   lists the questions each client folder leaves unanswered and the\n"
    "        answers that contradict each other (--json: one JSON document); exit\n"
    "        status 0 every client complete, 1 questions unanswered, 2 a damaged or\n"
    "        unreadable folder or wrong arguments.\n"
    "Messages go to stderr as \"Title: text\". Exit status: 0 done, 1 no section file,\n"
    "no usable template, or the report or the answers not written, 2 wrong arguments.\n";

// Writes all of the bytes on stdout and flushes them; false (with the message on
// stderr) when any of it could not be written, a full disk for one.
bool writeStdout(const QByteArray& bytes, const char* what) {
    const bool written = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) ==
                             std::size_t(bytes.size()) &&
                         std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (!written)
        std::fprintf(stderr, "yrn-tool: %s could not be written to standard output: %s\n", what,
                     std::strerror(errno));
    return written;
}

int wrongArguments(const QString& why) {
    std::fprintf(stderr, "yrn-tool: %s\n\n%s", why.toUtf8().constData(), kUsage);
    return kWrongArguments;
}

struct Arguments {
    QString command;
    QString folder;
    std::optional<QString> output;
    std::optional<QString> templateFile;
};

// Parses the arguments after the program name; an error text when they are wrong.
QString parse(const QStringList& args, Arguments& out) {
    if (args.isEmpty()) return QStringLiteral("no command given");
    out.command = args.first();
    if (out.command != "report" && out.command != "export")
        return "unknown command \"" + out.command + "\"";
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (out.command == "report" && (arg == "-o" || arg == "--template")) {
            auto& slot = arg == "-o" ? out.output : out.templateFile;
            if (slot) return arg + " given twice";
            if (i + 1 >= args.size() || args.at(i + 1).isEmpty()) return arg + " needs a file name";
            slot = args.at(++i);
        } else if (arg.startsWith('-') && arg != "-") {
            return "unknown option \"" + arg + "\"";
        } else if (out.folder.isEmpty()) {
            out.folder = arg;
        } else {
            return "more than one client folder given";
        }
    }
    if (out.folder.isEmpty()) return QStringLiteral("no client folder given");
    if (out.command == "report" && !out.output) return QStringLiteral("no output file (-o) given");
    return {};
}

// Reads the client folder as the open-client dialog does; false when it holds
// no section file (the "Invalid directory" message is then on stderr).
bool openClient(Interview& interview, const QString& folder,
                QList<ClientFolder::SectionFile>& files) {
    ClientFolder client(interview, QCoreApplication::applicationDirPath());
    files = client.sectionFiles(folder);
    return client.openClient(folder).found;
}

int report(const Arguments& args) {
    ToolPrompts prompts;
    auto interview = makeInterview(prompts);
    QList<ClientFolder::SectionFile> files;
    if (!openClient(*interview, args.folder, files)) return kFailed;

    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString templateFile = args.templateFile.value_or(defaultTemplate(programFolder));
    struct NoOpener : DocumentOpener {
        int open(const QString&) override { return 2; }
    } opener;
    ReportAssembly assembly(*interview, programFolder, opener);
    if (!assembly.makeReport(templateFile)) return kFailed;
    if (*args.output == "-")
        return writeStdout(assembly.document().toRtf(), "the report") ? kDone : kFailed;
    // Only a regular file is replaced: never a device, a FIFO or a link, which
    // would carry the report somewhere else or destroy what they stand for.
    QString why;
    if (!assembly.document().save(*args.output, &why)) {
        prompts.failure(Prompts::Severity::Critical, "Report Save Error",
                        replaceRefusal(*args.output).isEmpty()
                            ? QStringLiteral("Unable to save report.\r\nPlease "
                                             "close all open reports and save again.")
                            : QStringLiteral("Unable to save report."),
                        why);
        return kFailed;
    }
    return kDone;
}

int exportAnswers(const Arguments& args) {
    ToolPrompts prompts;
    auto interview = makeInterview(prompts);
    QList<ClientFolder::SectionFile> files;
    if (!openClient(*interview, args.folder, files)) return kFailed;
    QJsonObject all;
    for (const ClientFolder::SectionFile& file : files)
        if (const Section* section = interview->section(file.module))
            all.insert(section->info().fileName, sectionAnswers(*section));
    return writeStdout(QJsonDocument(all).toJson(QJsonDocument::Indented), "the answers") ? kDone
                                                                                          : kFailed;
}

}  // namespace

int main(int argc, char** argv) {
    yrn::readTimeZoneOnce();
    yrn::keepFromOthers();
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.size() == 1 && (args.first() == "--help" || args.first() == "-h")) {
        std::fputs(kUsage, stdout);
        return kDone;
    }
    if (args == QStringList{"--version"}) {
        std::printf("yrn-tool %s\n", kProgramVersion);
        return kDone;
    }
    if (!args.isEmpty() && isCheckCommand(args.first())) {
        QString why;
        const int status = runCheck(args, why);
        return why.isEmpty() ? status : wrongArguments(why);
    }
    if (!args.isEmpty() && isClientsExportCommand(args.first())) {
        QString why;
        const int status = runClientsExport(args, why);
        return why.isEmpty() ? status : wrongArguments(why);
    }
    Arguments parsed;
    if (const QString why = parse(args, parsed); !why.isEmpty()) return wrongArguments(why);
    return parsed.command == "report" ? report(parsed) : exportAnswers(parsed);
}
