// yrn-tool run as its own process on a program folder of hand-written clients (Ana
// whole, Roe without her demographic file, Zed damaged).
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSysInfo>
#include <QTest>
#include <csignal>

#include "ProgramInfo.h"
#include "records/ClientFolder.h"
#include "report/RtfDocument.h"
#include "sections/Sections.h"
#include "support/PostgresServer.h"
#include "support/SectionLayouts.h"

namespace yrn::test {
namespace {

const QString kRivera = QStringLiteral(YRN_SOURCE_DIR "/tests/data/RiveraAnaM03-14-2024");
const QString kTool = QStringLiteral(YRN_PROGRAM_DIR "/yrn-tool");

struct ToolRun {
    int exitCode = -1;  // -2 when the process crashed
    QByteArray out;
    QStringList errLines;
};

// Runs the tool (stdout added to a named file; a file size limit as on a full disk; as
// another user, by the user id).
ToolRun run(const QStringList& args, const QString& stdoutFile = {},
            rlim_t fileSizeLimit = RLIM_INFINITY, uid_t user = 0) {
    QProcess process;
    if (!stdoutFile.isEmpty()) process.setStandardOutputFile(stdoutFile, QIODevice::Append);
    process.setChildProcessModifier([fileSizeLimit, user] {
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
        if (user && (setgroups(0, nullptr) != 0 || setgid(user) != 0 || setuid(user) != 0))
            _exit(99);
    });
    process.start(kTool, args);
    EXPECT_TRUE(process.waitForFinished(60000)) << args.join(' ').toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts)};
}

QString typed(const QVariant& v) {
    if (v.isNull()) return "NULL";
    return v.typeId() == QMetaType::QString ? '\'' + v.toString() + '\'' : v.toString();
}

// The rows a query gives, each as its values parted by '|' (and the column names).
QStringList tableRows(const QSqlDatabase& db, const QString& sql, QStringList* columns = nullptr) {
    QSqlQuery query(db);
    EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << query.lastError().text().toStdString();
    QStringList out;
    for (int i = 0; columns && i < query.record().count(); ++i)
        *columns << query.record().fieldName(i);
    while (query.next()) {
        QStringList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << typed(query.value(i));
        out << row.join('|');
    }
    return out;
}

// The export of the whole client: SQL column names and values of each table.
struct Table {
    QString stem;
    QStringList columns;
    QVariantList values;
};
QList<Table> wholeClient(const Interview& interview) {
    QList<Table> tables;
    for (const SectionLayout& layout : sectionLayouts()) {
        const Section& s = *interview.section(layout.module);
        Table t{layout.fileName.chopped(4), {}, {}};
        for (const StoredField& f : layout.fields) {
            const QString sql = QString(f.id).replace('(', '_').remove(')');
            if (t.columns.contains(sql)) continue;  // stored twice, exported once
            t.values += expectedCells(s, f);
            t.columns << sql << (s.field(f.id).kind == FieldKind::List ? sql + "_text" : "");
        }
        t.columns.removeAll("");
        tables << t;
    }
    return tables;
}

// The CSV of the program folder as the hand-written clients make it.
QString expectedCsv(const Interview& interview) {
    static const QRegularExpression special("[,\"\r\n]");
    QStringList header{"folder"}, rows[3] = {{"Ana"}, {"Roe"}, {"Zed"}};
    int t = 0;
    for (const Table& table : wholeClient(interview)) {
        for (int i = 0; i < table.values.size(); ++i) {
            header << table.stem + '.' + QString(table.columns.at(i)).replace("_text", ".text");
            QString cell = table.values.at(i).toString();
            if (cell.contains(special)) cell = '"' + cell.replace("\"", "\"\"") + '"';
            rows[0] << cell;
            rows[1] << (t == 1 ? "" : cell);  // no demographic file
            // Zed: the date, the time and the site, then nothing; no language
            rows[2] << ((t == 0 && i > 8) || (t == 1 && (i == 11 || i == 12)) ? "" : cell);
        }
        ++t;
    }
    header.replaceInStrings(QRegularExpression("_(\\d+)"), "(\\1)");
    rows[2][1] = "02";
    rows[2][2] = "30";
    return QStringList{header.join(','), rows[0].join(','), rows[1].join(','), rows[2].join(','),
                       ""}
        .join("\r\n");
}

TEST(YrnToolTest, ReportExportsFailuresAndTheCheckOnOneProgramFolder) {
    QTemporaryDir dir;
    const QString program = dir.filePath("program"), client = program + "/Ana";
    const QString zed = program + "/Zed", out = dir.filePath("out.rtf");
    const QString templateFile = dir.filePath("template.rtf");
    const QString csv = dir.filePath("clients.csv"), sqlite = dir.filePath("clients.sqlite");
    RecordingPrompts prompts;
    std::unique_ptr<Interview> interview = makeInterview(prompts);
    writeFile(templateFile,
              "{\\rtf1\\ansi\\pard Report of {\\b #WholeName#}: #himherself# "
              "says #himher# home is at #Address1#.\\par}");
    QDir(program).mkpath("not a client");
    writeClientFolder(client);
    writeClientFolder(program + "/Roe");
    QFile::remove(program + "/Roe/Demographic.YRN");
    // Zed: no calendar date, a locator file cut before the name, a language no number.
    writeClientFolder(zed);
    SectionLayout location = layoutOf("Location.YRN"), dem = layoutOf("Demographic.YRN");
    location.fields[0].line = "02";
    location.fields[1].line = "30";
    location.fields = location.fields.mid(0, 8);
    dem.fields[10].line = "abc";
    writeFile(zed + "/Location.YRN", location.windowsFile());
    writeFile(zed + "/Demographic.YRN", dem.windowsFile());
    const QString wrongArguments =
        "|print x|report folder|report folder -o|report a b -o out.rtf|report "
        "a -o x -o y|report a -o x --verbose|export|export a b|export a -o x|"
        "export-csv|export-csv folder|export-csv folder -o|export-csv a b -o x|"
        "export-csv a -o x -o y|export-csv a -o x --verbose|export-sqlite a -o "
        "-|export-sqlite -o x|export-sqlite a -o x --raw|export-csv --raw -o x|"
        "export -q|check|check --json|check --jason folder|sync a|sync a --database "
        "postgresql://yrn:secret@db/clients|sync a --database mysql://db/x|sync a -o x";
    for (const QString& line : wrongArguments.split('|')) {
        const ToolRun wrong = run(line.split(' ', Qt::SkipEmptyParts));
        EXPECT_EQ(wrong.exitCode, 2) << line.toStdString();
        EXPECT_TRUE(wrong.errLines.join('\n').contains("Usage: yrn-tool report <client-folder>"));
        EXPECT_TRUE(wrong.out.isEmpty());
    }
    const ToolRun help = run({"--help"}), version = run({"--version"});
    EXPECT_EQ(help.exitCode + version.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: yrn-tool report <client-folder>"));
    EXPECT_EQ(version.out, QByteArray("yrn-tool ") + kProgramVersion + "\n");
    ToolRun result = run({"report", "-o", out, client, "--template", templateFile});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.errLines.isEmpty()) << result.errLines.join('\n').toStdString();
    RtfDocument rtf;
    ASSERT_TRUE(rtf.load(out));
    EXPECT_EQ(rtf.visibleText(),
              "Report of Ana M. Mu\u00f1oz: herself says her home is at 12 Elm St.\n");
    QFile::remove(out);

    // What can be read of damaged section files makes the report.
    result = run({"report", zed, "-o", out, "--template", templateFile});
    EXPECT_EQ(result.exitCode, 0);
    ASSERT_EQ(result.errLines.size(), 2);
    EXPECT_EQ(result.errLines.at(0), "Program Error: Error in module MainModule.LoadCombo");
    EXPECT_TRUE(result.errLines.at(1).startsWith("Incomplete Client Files: "));
    EXPECT_TRUE(result.errLines.at(1).contains("Demographic.YRN, Location.YRN"));
    EXPECT_TRUE(QFile::exists(out));

    const ToolRun toOut = run({"report", client, "-o", "-", "--template", templateFile});
    EXPECT_EQ(toOut.exitCode, 0);
    ASSERT_TRUE(rtf.loadFromData(toOut.out));
    EXPECT_TRUE(rtf.visibleText().startsWith("Report of Ana"));
    EXPECT_FALSE(QFile::exists(QDir::current().filePath("-")));
    // The exports: JSON of one client, CSV and SQLite of the program folder.
    QFile::remove(client + "/Medical.YRN");
    result = run({"export", client});
    ASSERT_EQ(result.exitCode, 0) << result.errLines.join('\n').toStdString();
    const QJsonObject all = QJsonDocument::fromJson(result.out).object();
    QStringList names = sectionFileNames();
    names.removeAll("Medical.YRN");
    names.sort();
    EXPECT_EQ(all.keys(), names);
    for (const SectionLayout& layout : sectionLayouts()) {
        const QJsonObject answers = all.value(layout.fileName).toObject();
        const Section& s = *interview->section(layout.module);
        for (const StoredField& f : layout.fields) {
            const Field& field = s.field(f.id);
            const QVariantList cells = expectedCells(s, f);
            QJsonValue want = QJsonValue::fromVariant(cells.first());
            if (field.kind == FieldKind::Text) want = cells.first().toString();
            if (field.kind == FieldKind::Check) want = f.line.trimmed() == "1";
            if (field.kind == FieldKind::List && !cells.first().isNull())
                want = QJsonObject{{field.hasCodes() ? "code" : "position", want},
                                   {"text", cells.last().toString()}};
            if (layout.fileName == "Medical.YRN") continue;
            EXPECT_EQ(field.index < 0 ? answers.value(f.id)
                                      : answers.value(field.stem).toArray().at(field.index),
                      want)
                << f.id.toStdString();
            EXPECT_EQ(answers.contains(f.id), field.index < 0) << f.id.toStdString();
        }
    }
    writeFile(client + "/Medical.YRN", layoutOf("Medical.YRN").windowsFile());
    result = run({"export-csv", program, "-o", csv});
    EXPECT_EQ(result.exitCode, 0);
    // Not a terminal: no progress, only the warnings.
    EXPECT_EQ(result.errLines,
              (QStringList{"yrn-tool: warning: Roe: Demographic.YRN is missing",
                           "yrn-tool: warning: Zed: damaged or incomplete, read as far as it "
                           "goes: Demographic.YRN, Location.YRN",
                           "yrn-tool: warning: Zed: Program Error: Error in module "
                           "MainModule.LoadCombo"}));
    EXPECT_EQ(readFile(csv), "\xEF\xBB\xBF" + expectedCsv(*interview).toUtf8());
    EXPECT_EQ(QFile::permissions(csv) & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
              QFileDevice::Permissions());
    EXPECT_EQ(run({"export-csv", program, "-o", "-"}).out, readFile(csv));
    // At = + - @ TAB or CR a spreadsheet runs a text as a formula: it gets a "'" (a plain
    // number stays one); NUL is dropped; --raw: the answers as typed, without the mark.
    const QString formulas = dir.filePath("formulas"), folder = formulas + "/\r=1";
    const QStringList answers{
        "=1+2", "+A1", "-2+3", "@SUM(1)", "\t=2", "-2.5", QChar(0) + QStringLiteral("=4")};
    SectionLayout named = layoutOf("Location.YRN");
    for (int i = 0; i < answers.size(); ++i)
        named.fields[8 + i].line = answers.at(i);  // txtLastName to txtZipCode
    writeClientFolder(folder);
    writeFile(folder + "/Location.YRN", named.windowsFile());
    QByteArray raw = run({"export-csv", "--raw", formulas, "-o", "-"}).out;
    const QByteArray cells = ",=1+2,+A1,-2+3,@SUM(1),\t=2,-2.5,=4,";
    EXPECT_TRUE(raw.startsWith("folder,") && raw.contains("\n\"\r=1\",") && raw.contains(cells));
    EXPECT_EQ(run({"export-csv", formulas, "-o", "-"}).out,
              "\xEF\xBB\xBF" + raw.replace("\n\"\r", "\n\"'\r")
                                   .replace(cells, ",'=1+2,'+A1,'-2+3,'@SUM(1),'\t=2,-2.5,'=4,"));
    // On a terminal the progress counts the clients from the first up to the last.
    QProcess terminal;
    terminal.start("script",
                   {"-qec", kTool + " export-csv " + program + " -o " + csv, "/dev/null"});
    ASSERT_TRUE(terminal.waitForFinished(60000));
    const QByteArray shown = terminal.readAllStandardOutput();
    EXPECT_TRUE(shown.contains("\r[3/3]") && shown.count("\r[") >= 2) << shown.toStdString();

    // Clients another user keeps to themself (Hid: the folder; Shut: every file) are
    // named, the export fails, and the others are exported.
    const bool root = geteuid() == 0;
    for (const QString name : {"Hid", "Shut"}) {
        writeClientFolder(program + '/' + name);
        const QDir client(program + '/' + name);
        for (const QString& file : name == "Hid" ? QStringList{"."} : client.entryList(QDir::Files))
            QFile::setPermissions(client.filePath(file),
                                  root ? QFile::ReadOwner | QFile::ExeOwner : QFile::Permissions());
    }
    chmod(QFile::encodeName(dir.path()).constData(), 0755);
    result = run({"export-csv", program, "-o", "-"}, {}, RLIM_INFINITY, root ? 4242 : 0);
    EXPECT_EQ(result.errLines
                      .filter(QRegularExpression("^yrn-tool: warning: (Hid: skipped: the "
                                                 "folder cannot be read|Shut: skipped: no "
                                                 "section file can be read: Crim)"))
                      .size() +
                  result.exitCode,
              3);
    EXPECT_EQ(result.errLines.last(),
              "yrn-tool: 2 client folder(s) could not be read and are "
              "not in the export: Hid, Shut");
    EXPECT_TRUE(result.out.contains("\nZed,") && !result.out.contains("\nHid,"));
    for (const QString name : {"Hid", "Shut"}) {
        QFile::setPermissions(program + '/' + name,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(program + '/' + name).removeRecursively();
    }

    EXPECT_EQ(run({"export-sqlite", program, "-o", sqlite}).exitCode, 0);
    const QString foreign = dir.filePath("foreign.sqlite"), newer = dir.filePath("newer.sqlite");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test");
        db.setDatabaseName(sqlite);
        ASSERT_TRUE(db.open());
        const auto rows = [&db](const QString& sql, QStringList* columns = nullptr) {
            return tableRows(db, sql, columns);
        };
        EXPECT_EQ(rows("SELECT folder, name, assessment_date, court_site, complete FROM clients"),
                  (QStringList{"'Ana'|'Ana M. Mu\u00f1oz'|'2001-05-07'|'Franklin County'|1",
                               "'Roe'|'Ana M. Mu\u00f1oz'|'2001-05-07'|'Franklin County'|0",
                               "'Zed'|NULL|NULL|'Franklin County'|0"}));
        const QDateTime time = QDateTime::fromString(
            rows("SELECT files_time FROM clients").value(0).remove('\''), Qt::ISODate);
        EXPECT_LT(std::abs(time.secsTo(QDateTime::currentDateTimeUtc())), 600);
        EXPECT_EQ(rows("SELECT DISTINCT site FROM Drugs"),
                  QStringList{'\'' + QSysInfo::machineHostName() + '\''});
        EXPECT_EQ(rows("SELECT folder FROM Demographic"), (QStringList{"'Ana'", "'Zed'"}));

        // Exported again: the person's own table stays; one whose columns differ is remade;
        // the rows another computer exported go.
        for (const char* sql : {"CREATE TABLE notes (note TEXT)", "INSERT INTO notes VALUES ('x')",
                                "DROP TABLE Demographic", "CREATE TABLE Demographic (folder TEXT)",
                                "INSERT INTO clients (site, folder) VALUES ('laptop', 'Ana')"})
            rows(sql);
        db.close();
        QDir(program + "/Roe").removeRecursively();
        writeClientFolder(program + "/New");
        QFile::setPermissions(sqlite, QFile::permissions(sqlite) | QFile::ReadOther);
        EXPECT_EQ(run({"export-sqlite", program, "-o", sqlite}).exitCode, 0);
        EXPECT_FALSE(QFile::permissions(sqlite) & (QFile::ReadOther | QFile::WriteOther));
        ASSERT_TRUE(db.open());
        EXPECT_EQ(rows("SELECT folder FROM clients"), (QStringList{"'Ana'", "'New'", "'Zed'"}));
        EXPECT_EQ(rows("SELECT folder, optSex FROM Demographic"),
                  (QStringList{"'Ana'|1", "'New'|1", "'Zed'|1"}));
        EXPECT_EQ(rows("SELECT note FROM notes"), QStringList{"'x'"});
        rows("BEGIN EXCLUSIVE");  // held by another program: the reason is SQLite's own
        result = run({"export-sqlite", program, "-o", sqlite});
        EXPECT_TRUE(result.exitCode == 1 && result.errLines.last().contains("database is locked"));
        // Others' databases: a table "clients" the export did not make, a newer version's.
        for (const QString& sql : QStringList{
                 "ROLLBACK", "ATTACH '" + foreign + "' AS f", "CREATE TABLE f.clients (id INTEGER)",
                 "ATTACH '" + newer + "' AS n", "CREATE TABLE n.yrn_schema (table_name, version)",
                 "INSERT INTO n.yrn_schema VALUES ('Location', 1000)"})
            rows(sql);
    }
    const QByteArray foreignBytes = readFile(foreign), newerBytes = readFile(newer);
    QSqlDatabase::removeDatabase("test");

    // A failure: status 1, the reason last on stderr after warnings only, nothing on stdout,
    // every file as it was: only a regular file is replaced; a begun database is removed.
    const QByteArray oldCsv = readFile(csv), oldDatabase = readFile(sqlite);
    writeClientFolder(program + "/More");
    const QString bad = dir.filePath("bad.rtf"), notes = dir.filePath("notes.sqlite");
    const QString link = dir.filePath("link.rtf"), captured = dir.filePath("captured");
    writeFile(bad, "{\\rtf1 {\\b never closed");
    writeFile(notes, "my notes\n");
    writeFile(captured, "captured");
    ASSERT_TRUE(QFile::link(notes, link));
    QFile::remove(out);
    const QStringList files = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System);
    const QStringList report{"report", client, "--template", templateFile, "-o"};
    const QString cannot = "yrn-tool: cannot write ", noSuch = dir.filePath("no/such/clients.csv");
    struct Failure {
        QStringList args;
        QString starts, holds = {};
        QString stdoutTo = {};
        rlim_t limit = RLIM_INFINITY;
    };
    // clang-format off
    const QList<Failure> failures = {
        {{"report", program + "/not a client", "-o", out}, "Invalid directory: This directory contains no YRN files!!"},
        {{"report", client, "-o", out, "--template", bad}, "Template Error: "},
        {report + QStringList{dir.filePath("no/out.rtf")},
         "Report Save Error: Unable to save report. Please close all open reports and save again."},
        {report + QStringList{link}, "Report Save Error: ", link + "\" is "},
        {{"export", client}, "", "standard output", "/dev/full"},
        {{"export-csv", program, "-o", "-"}, "", "stdout", "/dev/full"},
        {{"export-csv", dir.filePath("gone"), "-o", csv}, "", "gone"},
        {{"export-csv", program, "-o", program}, cannot + program},
        {{"export-sqlite", program, "-o", program}, cannot + program},
        {{"export-csv", program, "-o", noSuch}, cannot + noSuch},
        {{"export-sqlite", program, "-o", noSuch}, cannot + noSuch},
        {{"export-sqlite", program, "-o", notes}, cannot + notes, "it is not an SQLite database"},
        {{"export-sqlite", program, "-o", link}, cannot + link, "\" is a link"},
        {{"export-sqlite", program, "-o", foreign}, cannot + foreign, "table \"clients\" this program did not make"},
        {{"export-sqlite", program, "-o", newer}, cannot + newer, "newer version"},
        {{"export-csv", program, "-o", csv}, cannot, {}, {}, 1024},
        {{"export-sqlite", program, "-o", sqlite}, cannot, {}, {}, 1024},
        {{"export-sqlite", program, "-o", dir.filePath("new.sqlite")}, cannot, {}, {}, 1024}};
    // clang-format on
    for (const Failure& failure : failures) {
        result = run(failure.args, failure.stdoutTo.isEmpty() ? captured : failure.stdoutTo,
                     failure.limit);
        const QString last = result.errLines.value(result.errLines.size() - 1);
        EXPECT_EQ(result.exitCode, 1) << qPrintable(failure.args.join(' '));
        EXPECT_TRUE(last.startsWith(failure.starts) && last.contains(failure.holds))
            << qPrintable(last);
        EXPECT_EQ(result.errLines.filter(QRegularExpression("^yrn-tool: warning: ")).size(),
                  result.errLines.size() - 1)
            << qPrintable(result.errLines.join('\n'));
    }
    EXPECT_TRUE(readFile(csv) == oldCsv && readFile(sqlite) == oldDatabase);
    EXPECT_TRUE(readFile(notes) == "my notes\n" && readFile(captured) == "captured");
    EXPECT_TRUE(readFile(foreign) == foreignBytes && readFile(newer) == newerBytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System), files);
    EXPECT_TRUE(QFileInfo(link).isSymLink());

    // "yrn-tool check": each client's block, and the status of the worst.
    interview->BeginLoading();
    nameClient(*interview->section("ctlLocatorInformation"), "Doe", "Jane", "");
    typeAndLeave(*interview->section("ctlCriminalJustice"), "txtConvictions", "2");
    interview->EndLoading();
    const QString partial = ClientFolder(*interview, dir.path()).SaveClientYRN().folder;
    const QString empty = program + "/not a client";
    // clang-format off
    for (const auto& [folders, status] : QList<std::pair<QStringList, int>>{
             {{kRivera}, 0}, {{partial}, 1}, {{kRivera, partial}, 1}, {{empty}, 2},
             {{dir.filePath("gone")}, 2}, {{zed, kRivera}, 2}}) {
        // clang-format on
        EXPECT_EQ(run(QStringList{"check"} + folders).exitCode, status) << status;
        EXPECT_EQ(run(QStringList{"check", "--json"} + folders).exitCode, status) << status;
    }

    const QStringList lines = QString::fromUtf8(run({"check", zed, kRivera, empty, partial}).out)
                                  .split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines.mid(0, 3),
              (QStringList{zed + ": damaged: Demographic.YRN did not load in full; Location.YRN "
                                 "did not load in full",
                           kRivera + ": complete", empty + ": damaged: holds no section file"}));
    EXPECT_TRUE(lines.at(3).startsWith(partial + ": ")) << lines.at(3).toStdString();
    EXPECT_TRUE(lines.at(3).endsWith(" questions not answered, 1 warning"));
    EXPECT_EQ(lines.at(4),
              "  unanswered: Locator Information, page 1, txtTime1: Time assessment begun");
    EXPECT_EQ(lines.last(),
              "  warning: Criminal Justice Information, page 2, txtConvictions: 2 convictions, "
              "but 0 charges in all. (4. How many of these charges resulted in convictions?)");
    EXPECT_EQ(lines.filter(QStringLiteral("unanswered: ")).size(),
              lines.at(3).section(": ", 1).section(' ', 0, 0).toInt());

    const QJsonArray clients =
        QJsonDocument::fromJson(run({"check", "--json", kRivera, partial, zed}).out).array();
    ASSERT_EQ(clients.size(), 3);
    EXPECT_EQ(QJsonDocument(clients.at(0).toObject()).toJson(QJsonDocument::Compact),
              R"({"complete":true,"damaged":[],"folder":")" + kRivera.toUtf8() +
                  R"(","unanswered":[],"warnings":[]})");
    EXPECT_FALSE(clients.at(1)["complete"].toBool() || clients.at(2)["complete"].toBool());
    EXPECT_EQ(
        QJsonDocument(clients.at(1)["unanswered"][0].toObject()).toJson(QJsonDocument::Compact),
        R"({"field":"txtTime1","page":0,"pageNumber":1,"question":"Time assessment )"
        R"(begun","section":"ctlLocatorInformation","sectionCaption":"Locator Information"})");
    EXPECT_EQ(clients.at(1)["warnings"][0]["warning"], "2 convictions, but 0 charges in all.");
    EXPECT_EQ(clients.at(2)["damaged"].toArray().size(), 2);
}

// yrn-tool sync into a PostgreSQL server of the test's own: site by site, only the
// clients that changed, what is gone only with --prune, damaged clients skipped, an
// unreachable server refused with nothing written, a killed sync finished by a rerun.
TEST(YrnToolTest, SyncKeepsAPostgreSqlDatabaseCurrentSiteBySite) {
    PostgresServer server;
    ASSERT_TRUE(server.started) << qPrintable(server.log);
    QTemporaryDir dir;
    const QString program = dir.filePath("program"), many = dir.filePath("many");
    for (const char* name : {"/Ana", "/Roe", "/Zed"})
        writeClientFolder(program + name);
    writeFile(program + "/Zed/Location.YRN", "05\r\n;\r\n");  // cut short: damaged
    const auto sync = [&](const QString& site, const QStringList& more = {}) {
        return run(QStringList{"sync", program, "--database", server.url(), "--site", site} + more);
    };
    ToolRun result = sync("east");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.errLines.first().startsWith("yrn-tool: warning: Zed: skipped: damaged"));
    QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "pg");
    db.setHostName(server.dir.path());
    db.setDatabaseName("clients");
    ASSERT_TRUE(db.open("yrn", {})) << qPrintable(db.lastError().text());
    const auto rows = [&db](const QString& sql, QStringList* columns = nullptr) {
        return tableRows(db, sql, columns);
    };
    EXPECT_EQ(rows("SELECT folder, last_name, first_name, age_at_assessment, interviewer, "
                   "complete FROM clients ORDER BY folder")
                  .join(' '),
              "'Ana'|'Mu\u00f1oz'|'Ana'|31|'R. Hale'|1 'Roe'|'Mu\u00f1oz'|'Ana'|31|'R. Hale'|1");
    // Every answer arrives exactly: quotes, line breaks, Windows-1252 letters.
    RecordingPrompts prompts;
    for (const Table& t : wholeClient(*makeInterview(prompts))) {
        QStringList columns, row{"'east'", "'Ana'"};
        for (const QVariant& v : t.values)
            row << typed(v);
        EXPECT_EQ(rows("SELECT * FROM \"" + t.stem + "\" WHERE folder = 'Ana'", &columns),
                  QStringList{row.join('|')});
        EXPECT_EQ(columns, QStringList({"site", "folder"}) + t.columns);
    }
    EXPECT_EQ(
        rows("SELECT * FROM client_statistics WHERE folder = 'Ana'"),
        QStringList{"'east'|'Ana'|31|'female'|'Alcohol & Drug (dual addiction)'|9|7|6|3|7|9|6"});
    // Again: nothing changed, nothing written; one answer changed, one client written;
    // another site beside it; Roe gone, kept until --prune, and at that site only.
    QDir(program + "/Zed").removeRecursively();
    const QString counts = ": %1 client folder(s) written, %2 unchanged, %3 removed";
    EXPECT_EQ(sync("east").errLines.last(),
              "yrn-tool: database clients on " + server.dir.path() + counts.arg(0).arg(2).arg(0));
    SectionLayout location = layoutOf("Location.YRN");
    location.fields[9].line = "Anna";  // txtFirstName
    location.fields.last().line = "calls after 5\r\n\"cell\" only";
    writeFile(program + "/Roe/Location.YRN", location.windowsFile());
    EXPECT_TRUE(sync("east").errLines.last().endsWith(counts.arg(1).arg(1).arg(0)));
    EXPECT_TRUE(sync("west").errLines.last().endsWith(counts.arg(2).arg(0).arg(0)));
    QDir(program + "/Roe").removeRecursively();
    EXPECT_TRUE(sync("east").errLines.last().endsWith(counts.arg(0).arg(1).arg(0)));
    EXPECT_TRUE(sync("east", {"--prune"}).errLines.last().endsWith(counts.arg(0).arg(1).arg(1)));
    EXPECT_EQ(rows("SELECT \"txtLocationInformation\" FROM \"Location\" WHERE folder = 'Roe'"),
              QStringList{"'calls after 5\n\"cell\" only'"});
    EXPECT_EQ(rows("SELECT site, folder, first_name FROM clients ORDER BY site, folder"),
              (QStringList{"'east'|'Ana'|'Ana'", "'west'|'Ana'|'Ana'", "'west'|'Roe'|'Anna'"}));
    // No server there: status 2, the database and host named, nothing written.
    result = run({"sync", program, "--database", "postgresql://yrn@%2Fnowhere/clients"});
    EXPECT_TRUE(
        result.exitCode == 2 &&
        result.errLines.last().startsWith("yrn-tool: cannot reach database clients on /nowhere: "));
    // A sync killed mid-way and run again gives what one sync gives.
    for (int i = 0; i < 600; ++i)
        writeClientFolder(many + QString("/C%1").arg(i, 3, 10, QChar('0')));
    QProcess killed;
    killed.start(kTool, {"sync", many, "--database", server.url(), "--site", "killed"});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return rows("SELECT folder FROM clients WHERE site = 'killed'").size() > 0; },
        30000));
    killed.kill();
    killed.waitForFinished();
    EXPECT_LT(rows("SELECT folder FROM clients WHERE site = 'killed'").size(), 600);
    EXPECT_EQ(run({"sync", many, "--database", server.url(), "--site", "killed"}).exitCode, 0);
    EXPECT_EQ(run({"sync", many, "--database", server.url(), "--site", "whole"}).exitCode, 0);
    for (const QString table : {"clients", "Location", "Drugs"}) {
        const QString select = "SELECT * FROM \"" + table + "\" WHERE site = '%1' ORDER BY folder";
        QStringList whole = rows(select.arg("whole")), rerun = rows(select.arg("killed"));
        for (QStringList* list : {&whole, &rerun})
            for (QString& row : *list)
                row = row.section('|', 1, table == "clients" ? -2 : -1);  // site, synced_at
        EXPECT_TRUE(whole == rerun && whole.size() == 600) << qPrintable(table);
    }
}

}  // namespace
}  // namespace yrn::test
