// The answers of all clients: the CSV table and the SQLite database, read from
// a program folder whose section files are written here by hand from the field
// lists of "Location.YRN" and "Demographic.YRN".
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

#include "interview/Interview.h"
#include "sections/Sections.h"
#include "sections/demographic/DemographicSection.h"
#include "sections/locator/LocatorSection.h"
#include "support/ProgramFolder.h"
#include "support/TestSupport.h"
#include "tools/ClientExport.h"
#include "tools/CsvExport.h"
#include "tools/SqliteExport.h"

namespace yrn::test {
namespace {

enum class Kind { Text, Opt, List, Check };
struct StoredField {
    QString id;
    Kind kind;
};

// "Location.YRN" in file order: ";" after every field but the last.
QList<StoredField> locatorFields() {
    QList<StoredField> f;
    for (const char* id :
         {"txtAssessmentDate1", "txtAssessmentDate2", "txtAssessmentDate3", "txtTime1", "txtTime2"})
        f.append({id, Kind::Text});
    f.append({"optAMPM", Kind::Opt});
    f.append({"txtInterviewer", Kind::Text});
    f.append({"cboSite", Kind::List});
    for (const char* id : {"txtLastName", "txtFirstName", "txtMI", "txtStreetAddress", "txtCity",
                           "txtState", "txtZipCode", "txtCurrAddressLen"})
        f.append({id, Kind::Text});
    f.append({"optOwnRes", Kind::Opt});
    for (const char* id : {"txtMStreetAddress", "txtMCity", "txtMState", "txtMZipCode", "txtPhone",
                           "txtPhoneAnswerer1", "txtPhoneAnswerer2", "txtAnswererRelation1",
                           "txtAnswererRelation2", "txtOtherPhone", "txtOtherAnswerer1",
                           "txtOtherAnswerer2", "txtOtherRelation1", "txtOtherRelation2"})
        f.append({id, Kind::Text});
    f.append({"optWorking", Kind::Opt});
    for (const char* id : {"txtWorkPlace",          "txtWorkPhone", "txtWorkAddress",
                           "txtWorkCity",           "txtWorkState", "txtWorkZipCode",
                           "txtC1Firstname",        "txtC1MI",      "txtC1Lastname",
                           "txtC1Address",          "txtC1City",    "txtC1State",
                           "txtC1ZipCode",          "txtC1Phone",   "txtC1Relationship",
                           "txtC2Firstname",        "txtC2MI",      "txtC2Lastname",
                           "txtC2Address",          "txtC2City",    "txtC2State",
                           "txtC2ZipCode",          "txtC2Phone",   "txtC2Relationship",
                           "txtLocationInformation"})
        f.append({id, Kind::Text});
    return f;
}

// "Demographic.YRN" in file order: ";" after every field, the last one too.
QList<StoredField> demographicFields() {
    QList<StoredField> f;
    for (const char* id : {"txtBDateMonth", "txtBDateDay", "txtBDateYear", "txtSSN"})
        f.append({id, Kind::Text});
    f.append({"optSex", Kind::Opt});
    f.append({"optOrigin", Kind::Opt});
    f.append({"txtYearsUS", Kind::Text});
    f.append({"optMothersOrig", Kind::Opt});
    f.append({"optFathersOrig", Kind::Opt});
    for (const char* id : {"cboRace", "cboLanguage", "cboReligion"})
        f.append({id, Kind::List});
    for (const char* id : {"optContEnv", "optJail", "optAlc", "optMed", "optPsy", "optOther"})
        f.append({id, Kind::Opt});
    for (const char* id :
         {"txtOther", "txtJailDays", "txtAlcDrugDays", "txtMedicalDays", "txtPsychiatricDays",
          "txtOtherDays", "txtPregnancies", "txtLiveBirths", "txtFirstBaby", "txtChildren"})
        f.append({id, Kind::Text});
    for (int i = 0; i < 10; ++i) {
        const auto at = [i](const char* stem) { return QString("%1(%2)").arg(stem).arg(i); };
        f.append({at("optGender"), Kind::Opt});
        for (const char* stem : {"txtChildsDOBM", "txtChildsDOBD", "txtChildsDOBY"})
            f.append({at(stem), Kind::Text});
        f.append({at("cboCustody"), Kind::List});
        f.append({at("cboCustudyStatus"), Kind::List});
        f.append({at("txtVisitationDays"), Kind::Text});
        f.append({at("cboChildSupport"), Kind::List});
    }
    f.append({"txtChildSupportOrdered", Kind::Text});
    f.append({"txtChildSupportActual", Kind::Text});
    for (const char* id : {"optOtherChildren", "optD1Gender", "optD2Gender", "optD3Gender"})
        f.append({id, Kind::Opt});
    for (const char* id :
         {"txtD1DOBM", "txtD2DOBM", "txtD3DOBM", "txtD1DOBD", "txtD2DOBD", "txtD3DOBD", "txtD1DOBY",
          "txtD2DOBY", "txtD3DOBY", "txtDemographicInformation"})
        f.append({id, Kind::Text});
    for (const char* id : {"chkD1", "chkD2", "chkD3"})
        f.append({id, Kind::Check});
    f.append({"optEthnicity", Kind::Opt});
    return f;
}

// One stored answer: its value line and the CSV fields it gives (a list: its code
// or position, then its shown item).
struct Answer {
    QByteArray line;
    QStringList cells;
};
using Answers = QMap<QString, Answer>;

Answer unanswered(Kind kind) {
    switch (kind) {
        case Kind::Opt:
            return {"-1", {""}};
        case Kind::List:
            return {"-1 ", {"", ""}};
        case Kind::Check:
            return {" 0 ", {"0"}};
        default:
            return {"-1 ", {""}};
    }
}

// A file holding characters that Windows-1252 lacks is UTF-8 behind the byte-order
// mark, as the program writes it; any other is Windows-1252.
const QByteArray kUtf8Mark = "\xEF\xBB\xBF";

QByteArray fileOf(const QList<StoredField>& fields, const Answers& answers, bool separatorAfterLast,
                  int keep = -1) {
    QByteArray bytes;
    for (int i = 0; i < fields.size() && (keep < 0 || i < keep); ++i) {
        const StoredField& f = fields.at(i);
        bytes += answers.value(f.id, unanswered(f.kind)).line + "\r\n";
        if (separatorAfterLast || i + 1 < fields.size()) bytes += ";\r\n";
    }
    return bytes;
}

QStringList header(const QString& stem, const QList<StoredField>& fields) {
    QStringList names;
    for (const StoredField& f : fields) {
        names << stem + '.' + f.id;
        if (f.kind == Kind::List) names << stem + '.' + f.id + ".text";
    }
    return names;
}

// What a section gives to a row; a section whose file is missing gives empty fields.
QStringList cells(const QList<StoredField>& fields, const Answers& answers, bool present = true) {
    QStringList out;
    for (const StoredField& f : fields) {
        const QStringList given = answers.value(f.id, unanswered(f.kind)).cells;
        for (const QString& cell : given)
            out << (present ? cell : QString());
    }
    return out;
}

// A section that stores nothing yet.
class EmptySection : public DeclaredSection {
  public:
    explicit EmptySection(Interview& interview)
        : DeclaredSection(interview, SectionInfo{"ctlEmpty", "Empty", "Empty.YRN", "Empty ", 2}) {
        addText("txtNothing");
        captureStartState();
    }
};

// A section whose file stores one answer twice, as the criminal justice file
// stores its incarceration list.
class TwiceSection : public DeclaredSection {
  public:
    explicit TwiceSection(Interview& interview)
        : DeclaredSection(interview, SectionInfo{"ctlTwice", "Twice", "Twice.YRN", "Twice ", 3}) {
        addList("cboKind", {"Jail", "Prison"});
        addText("txtDays");
        captureStartState();
        file(Codec::Combo, "cboKind");
        file(Codec::Text, "txtDays");
        file(Codec::Combo, "cboKind", true);
    }
};

std::unique_ptr<Interview> locatorAndDemographic(Prompts& prompts) {
    auto interview = std::make_unique<Interview>(prompts);
    auto& locator =
        static_cast<LocatorSection&>(interview->add(std::make_unique<LocatorSection>(*interview)));
    auto& demographic = static_cast<DemographicSection&>(
        interview->add(std::make_unique<DemographicSection>(*interview)));
    interview->add(std::make_unique<EmptySection>(*interview));
    interview->setIdentity(&locator);
    interview->setPronouns(&demographic);
    return interview;
}

// Three clients: one whole, one without a demographic file, one damaged.
class ClientExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir(program.path).mkpath("ClientReports");
        QDir(program.path).mkpath("YRN Help Files");
        QDir(program.path).mkpath("not a client");
        writeFile(program.filePath("not a client/notes.txt"), "x");

        doe = {{"txtAssessmentDate1", {"05", {"05"}}},
               {"txtAssessmentDate2", {"07", {"07"}}},
               {"txtAssessmentDate3", {"2001", {"2001"}}},
               {"optAMPM", {"1", {"1"}}},
               {"txtInterviewer", {"R. Hale, MSW", {"\"R. Hale, MSW\""}}},
               {"cboSite", {" 25 ", {"25", "Franklin County"}}},
               {"txtLastName", {"Mu\xC3\xB1oz", {"Mu\u00f1oz"}}},
               {"txtFirstName", {"Ana", {"Ana"}}},
               {"txtMI", {"Q", {"Q"}}},
               {"optWorking", {"1", {"1"}}},
               {"txtWorkPlace", {"Caf\xC3\xA9 \"Roma\"", {"\"Caf\u00e9 \"\"Roma\"\"\""}}},
               {"txtLocationInformation",
                {"calls after 5\xE2\x90\xA4"
                 "cell only",
                 {"\"calls after 5\ncell only\""}}}};
        doeDemographic = {{"txtBDateMonth", {"11", {"11"}}},
                          {"txtSSN", {"123-45-6789", {"123-45-6789"}}},
                          {"optSex", {"1", {"1"}}},
                          {"cboRace", {" 45 ", {"45", "White"}}},
                          {"cboLanguage", {" 1 ", {"1", "Spanish"}}},
                          {"optOtherChildren", {"1", {"1"}}},
                          {"txtDemographicInformation", {"lives with aunt", {"lives with aunt"}}},
                          {"chkD1", {" 1 ", {"1"}}},
                          {"optEthnicity", {"0", {"0"}}}};
        roe = {{"txtAssessmentDate1", {"11", {"11"}}},
               {"txtAssessmentDate2", {"30", {"30"}}},
               {"txtAssessmentDate3", {"2003", {"2003"}}},
               {"txtLastName", {"Roe", {"Roe"}}},
               {"txtFirstName", {"Rick", {"Rick"}}},
               // Windows-1252, as a Windows machine writes it.
               {"txtCity", {"Caf\xE9ville", {"Caf\u00e9ville"}}}};
        zed = {{"txtAssessmentDate1", {"02", {"02"}}},
               {"txtAssessmentDate2", {"30", {"30"}}},
               {"txtAssessmentDate3", {"2004", {"2004"}}},
               {"optAMPM", {"0", {"0"}}},
               {"txtInterviewer", {"Lee", {"Lee"}}},
               {"cboSite", {" 2 ", {"2", "Ashland County"}}},
               {"txtLastName", {"Zed", {"Zed"}}}};
        zedDemographic = {{"optSex", {"0", {"0"}}},
                          {"cboLanguage", {"abc", {"", ""}}},
                          {"txtSSN", {"999", {"999"}}}};

        writeClient("MunozAnaQ05-07-2001", kUtf8Mark + fileOf(locatorFields(), doe, false),
                    fileOf(demographicFields(), doeDemographic, true));
        writeFile(program.filePath("MunozAnaQ05-07-2001/Empty.YRN"), "whatever\r\n");
        writeClient("RoeRick11-30-2003", fileOf(locatorFields(), roe, false), {});
        // The locator file ends before the last name; the language is no number.
        writeClient("Zed02-30-2004", fileOf(locatorFields(), zed, false, 8),
                    fileOf(demographicFields(), zedDemographic, true));
    }

    void writeClient(const QString& name, const QByteArray& location,
                     const QByteArray& demographic) {
        ASSERT_TRUE(QDir(program.path).mkpath(name));
        writeFile(program.filePath(name + "/Location.YRN"), location);
        if (!demographic.isEmpty())
            writeFile(program.filePath(name + "/Demographic.YRN"), demographic);
    }

    QString expectedCsv() const {
        const QList<StoredField> loc = locatorFields();
        const QList<StoredField> dem = demographicFields();
        QStringList lines{
            (QStringList{"folder"} + header("Location", loc) + header("Demographic", dem))
                .join(',')};
        lines << (QStringList{"MunozAnaQ05-07-2001"} + cells(loc, doe) + cells(dem, doeDemographic))
                     .join(',');
        lines << (QStringList{"RoeRick11-30-2003"} + cells(loc, roe) + cells(dem, {}, false))
                     .join(',');
        Answers readOfZed = zed;
        readOfZed.remove("txtLastName");  // the file ends before it
        lines << (QStringList{"Zed02-30-2004"} + cells(loc, readOfZed) + cells(dem, zedDemographic))
                     .join(',');
        return lines.join("\r\n") + "\r\n";
    }

    struct Warnings : ExportProgress {
        void client(int done, int total) override {
            counts << QString("%1/%2").arg(done).arg(total);
        }
        void warning(const QString& folder, const QString& text) override {
            lines << folder + ": " + text;
        }
        QStringList counts;
        QStringList lines;
    };

    bool exportTo(ExportSink& sink, Warnings* warnings = nullptr) {
        ClientExport clients(program.path, locatorAndDemographic);
        QString error;
        const bool done = clients.run(sink, warnings, &error);
        EXPECT_TRUE(done) << error.toStdString();
        return done;
    }

    ProgramFolder program;
    Answers doe, doeDemographic, roe, zed, zedDemographic;
};

TEST_F(ClientExportTest, CsvHoldsOneRowPerClientInFileOrderAndWarnsOfDamagedClients) {
    const QString out = program.root.filePath("clients.csv");
    CsvExport csv(out);
    Warnings warnings;
    ASSERT_TRUE(exportTo(csv, &warnings));
    // Line by line first, so that a difference shows where it is.
    const QStringList written = QString::fromUtf8(readFile(out)).split("\r\n");
    const QStringList expected = expectedCsv().split("\r\n");
    for (int i = 0; i < std::min(written.size(), expected.size()); ++i)
        EXPECT_EQ(written.at(i).toStdString(), expected.at(i).toStdString()) << "line " << i;
    EXPECT_EQ(QString::fromUtf8(readFile(out)), expectedCsv());
    EXPECT_EQ(readFile(out).left(60),
              "folder,Location.txtAssessmentDate1,Location.txtAssessmentDat");
    EXPECT_EQ(warnings.counts, (QStringList{"1/3", "2/3", "3/3"}));
    EXPECT_EQ(warnings.lines,
              (QStringList{"RoeRick11-30-2003: Demographic.YRN is missing",
                           "Zed02-30-2004: damaged or incomplete, read as far as it goes: "
                           "Demographic.YRN, Location.YRN",
                           "Zed02-30-2004: Program Error: Error in module MainModule.LoadCombo"}));
    // The empty section has no column, and its file is not missed.
    EXPECT_FALSE(readFile(out).contains("Empty."));
    // Readable by its owner only, as the client folders.
    EXPECT_EQ(QFile::permissions(out) & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
              QFileDevice::Permissions());
}

TEST_F(ClientExportTest, AFieldIsQuotedOnlyWhenItHoldsACommaAQuoteOrALineBreak) {
    EXPECT_EQ(CsvExport::field("plain text; 'single'"), "plain text; 'single'");
    EXPECT_EQ(CsvExport::field("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvExport::field("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvExport::field("one\r\ntwo"), "\"one\r\ntwo\"");
    EXPECT_EQ(CsvExport::field("\u00e9"), "\xC3\xA9");
    EXPECT_EQ(CsvExport::field(""), "");
}

TEST_F(ClientExportTest, AnEmptyProgramFolderGivesTheHeaderAndAMissingOneFails) {
    QTemporaryDir empty;
    ClientExport clients(empty.path(), locatorAndDemographic);
    CsvExport csv(empty.filePath("clients.csv"));
    QString error;
    ASSERT_TRUE(clients.run(csv, nullptr, &error));
    EXPECT_EQ(QString::fromUtf8(readFile(empty.filePath("clients.csv"))),
              expectedCsv().section("\r\n", 0, 0) + "\r\n");

    ClientExport missing(empty.filePath("gone"), locatorAndDemographic);
    EXPECT_FALSE(missing.run(csv, nullptr, &error));
    EXPECT_TRUE(error.contains("gone")) << error.toStdString();
}

// A connection of its own for each test, closed before the file goes.
struct Database {
    explicit Database(const QString& path) {
        db = QSqlDatabase::addDatabase("QSQLITE", "test-" + QString::number(++count));
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
    }
    ~Database() {
        const QString name = db.connectionName();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    // Each row as "value|value|...", NULL for a null.
    QStringList rows(const QString& sql) {
        QSqlQuery query(db);
        EXPECT_TRUE(query.exec(sql)) << sql.toStdString();
        QStringList out;
        while (query.next()) {
            QStringList row;
            for (int i = 0; i < query.record().count(); ++i)
                row << (query.isNull(i) ? QString("NULL") : query.value(i).toString());
            out << row.join('|');
        }
        return out;
    }
    QString one(const QString& sql) { return rows(sql).value(0); }
    QSqlDatabase db;
    static inline int count = 0;
};

TEST_F(ClientExportTest, SqliteHoldsAClientsTableAndOneTablePerSectionFile) {
    const QString out = program.root.filePath("clients.sqlite");
    {
        SqliteExport sqlite(out);
        ASSERT_TRUE(exportTo(sqlite));
    }
    Database db(out);
    EXPECT_EQ(db.rows("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"),
              (QStringList{"Demographic", "Location", "clients"}));
    EXPECT_EQ(db.rows("SELECT folder, name, assessment_date, court_site, complete FROM clients "
                      "ORDER BY folder"),
              (QStringList{"MunozAnaQ05-07-2001|Ana Q. Mu\u00f1oz|2001-05-07|Franklin County|1",
                           // No demographic file, so not whole; no site chosen.
                           "RoeRick11-30-2003|Rick Roe|2003-11-30|NULL|0",
                           // A date that is no calendar date; a name the damaged file lost.
                           "Zed02-30-2004|NULL|NULL|Ashland County|0"}));
    const QDateTime time =
        QDateTime::fromString(db.one("SELECT files_time FROM clients LIMIT 1"), Qt::ISODate);
    EXPECT_LT(std::abs(time.secsTo(QDateTime::currentDateTimeUtc())), 600);

    // Answers keep their kind: lists their code and shown item, options their button.
    EXPECT_EQ(db.rows("SELECT cboSite, cboSite_text, optAMPM, txtMI, txtLocationInformation "
                      "FROM Location WHERE folder = 'MunozAnaQ05-07-2001'"),
              (QStringList{"25|Franklin County|1|Q|calls after 5\ncell only"}));
    EXPECT_EQ(db.one("SELECT typeof(cboSite) FROM Location LIMIT 1"), "integer");
    EXPECT_EQ(db.one("SELECT count(*) FROM Location WHERE txtMStreetAddress IS NULL"), "3");
    EXPECT_EQ(
        db.rows("SELECT folder, cboLanguage, cboLanguage_text, chkD1, "
                "\"cboCustody_0\" FROM Demographic ORDER BY folder"),
        (QStringList{"MunozAnaQ05-07-2001|1|Spanish|1|NULL", "Zed02-30-2004|NULL|NULL|0|NULL"}));
    // A query across clients and sections.
    EXPECT_EQ(db.one("SELECT count(*) FROM clients JOIN Demographic USING (folder) "
                     "WHERE Demographic.optSex = 1 AND clients.court_site = 'Franklin County'"),
              "1");
}

TEST_F(ClientExportTest, SqliteExportAgainUpdatesTheDatabaseInsteadOfAddingRows) {
    const QString out = program.root.filePath("clients.sqlite");
    {
        SqliteExport sqlite(out);
        ASSERT_TRUE(exportTo(sqlite));
    }
    {
        // A table of the person's own, and a section table of an older export
        // whose columns differ.
        Database db(out);
        db.rows("CREATE TABLE notes (folder TEXT, note TEXT)");
        db.rows("INSERT INTO notes VALUES ('RoeRick11-30-2003', 'moved')");
        db.rows("DROP TABLE Demographic");
        db.rows("CREATE TABLE Demographic (folder TEXT, optSex INTEGER)");
        db.rows("INSERT INTO Demographic VALUES ('old', 1)");
    }
    // One client changes, one goes, one comes.
    doe["txtFirstName"] = {"Anna", {"Anna"}};
    writeFile(program.filePath("MunozAnaQ05-07-2001/Location.YRN"),
              kUtf8Mark + fileOf(locatorFields(), doe, false));
    QDir(program.filePath("Zed02-30-2004")).removeRecursively();
    writeClient("NewNed01-02-2005", fileOf(locatorFields(), roe, false),
                fileOf(demographicFields(), doeDemographic, true));
    {
        SqliteExport sqlite(out);
        ASSERT_TRUE(exportTo(sqlite));
    }
    Database db(out);
    EXPECT_EQ(db.rows("SELECT folder, name FROM clients ORDER BY folder"),
              (QStringList{"MunozAnaQ05-07-2001|Anna Q. Mu\u00f1oz", "NewNed01-02-2005|Rick Roe",
                           "RoeRick11-30-2003|Rick Roe"}));
    EXPECT_EQ(db.one("SELECT count(*) FROM Location"), "3");
    EXPECT_EQ(db.rows("SELECT folder FROM Demographic ORDER BY folder"),
              (QStringList{"MunozAnaQ05-07-2001", "NewNed01-02-2005"}));
    EXPECT_EQ(db.one("SELECT note FROM notes"), "moved");
}

TEST_F(ClientExportTest, AFailedSqliteExportLeavesTheDatabaseAsItWas) {
    // Not a database: refused, the file untouched.
    const QString text = program.root.filePath("notes.sqlite");
    writeFile(text, "these are my notes, not a database\n");
    {
        SqliteExport sqlite(text);
        ClientExport clients(program.path, locatorAndDemographic);
        QString error;
        EXPECT_FALSE(clients.run(sqlite, nullptr, &error));
        EXPECT_TRUE(error.contains("not an SQLite database")) << error.toStdString();
    }
    EXPECT_EQ(readFile(text), "these are my notes, not a database\n");

    // A folder in the way, a missing folder: nothing is left behind.
    for (const QString& bad : {program.path, program.root.filePath("no/such.sqlite")}) {
        SqliteExport sqlite(bad);
        ClientExport clients(program.path, locatorAndDemographic);
        QString error;
        EXPECT_FALSE(clients.run(sqlite, nullptr, &error));
        EXPECT_TRUE(error.startsWith("cannot write ")) << error.toStdString();
    }
    EXPECT_FALSE(QFile::exists(program.root.filePath("no")));
}

TEST(AnswerTablesTest, AnAnswerAFileStoresTwiceHasOneColumn) {
    RecordingPrompts prompts;
    Interview interview(prompts);
    interview.add(std::make_unique<TwiceSection>(interview));
    const QList<AnswerTable> tables = answerTables(interview);
    ASSERT_EQ(tables.size(), 1);
    QStringList names;
    for (const AnswerColumn& column : tables.first().columns)
        names << column.csvName + "|" + column.sqlName;
    EXPECT_EQ(names, (QStringList{"Twice.cboKind|cboKind", "Twice.cboKind.text|cboKind_text",
                                  "Twice.txtDays|txtDays"}));
}

TEST(AnswerTablesTest, EverySectionWithAFileLayoutHasATableInFileOrder) {
    RecordingPrompts prompts;
    const auto interview = makeInterview(prompts);
    const QList<AnswerTable> tables = answerTables(*interview);
    QStringList stems;
    QSet<QString> csvNames;
    for (const AnswerTable& table : tables) {
        stems << table.stem;
        EXPECT_EQ(table.stem + ".YRN", table.fileName);
        EXPECT_FALSE(table.section->fileLayout().isEmpty());
        // The columns follow the layout, one per stored field, with a list's shown item
        // after it.
        qsizetype column = 0;
        QSet<QString> sqlNames{"folder"};
        QSet<QString> seen;
        for (const FileField& stored : table.section->fileLayout()) {
            if (seen.contains(stored.id)) continue;  // stored twice, exported once
            seen.insert(stored.id);
            ASSERT_LT(column, table.columns.size());
            EXPECT_EQ(table.columns.at(column).fieldId, stored.id);
            EXPECT_EQ(table.columns.at(column).csvName, table.stem + '.' + stored.id);
            column += table.section->field(stored.id).kind == FieldKind::List ? 2 : 1;
        }
        EXPECT_EQ(column, table.columns.size());
        for (const AnswerColumn& c : table.columns) {
            EXPECT_FALSE(sqlNames.contains(c.sqlName)) << c.sqlName.toStdString();
            EXPECT_FALSE(csvNames.contains(c.csvName)) << c.csvName.toStdString();
            sqlNames << c.sqlName;
            csvNames << c.csvName;
        }
    }
    // In interview order; the sections that store nothing yet have none.
    ASSERT_GE(stems.size(), 2);
    EXPECT_EQ(stems.mid(0, 2), (QStringList{"Location", "Demographic"}));
    for (const Section* section : interview->sections()) {
        const auto* declared = dynamic_cast<const DeclaredSection*>(section);
        const bool stores = declared && !declared->fileLayout().isEmpty();
        EXPECT_EQ(stems.contains(QFileInfo(section->info().fileName).completeBaseName()), stores);
    }
}

}  // namespace
}  // namespace yrn::test
