#include "tools/ClientExport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>

#include "base/AtomicFile.h"
#include "base/CalendarDate.h"
#include "interview/Interview.h"
#include "interview/Prompts.h"
#include "records/ClientFolder.h"
#include "records/FieldCodec.h"
#include "sections/DeclaredSection.h"
#include "sections/Sections.h"
#include "sections/demographic/DemographicSection.h"
#include "tools/ToolPrompts.h"

namespace yrn {

ClientExport::ClientExport(QString programFolder, const InterviewFactory& makeSections)
    : programFolder_(std::move(programFolder)),
      // The open's own summary of damaged files speaks to a person at the window;
      // the export says it in its own words.
      prompts_(std::make_unique<CollectingPrompts>(
          QStringList{QStringLiteral("Incomplete Client Files")})),
      interview_(makeSections ? makeSections(*prompts_) : makeInterview(*prompts_)),
      tables_(answerTables(*interview_)) {}

ClientExport::~ClientExport() = default;

bool ClientExport::clientFolders(QStringList& names, QString* error) const {
    names.clear();
    const QFileInfo info(programFolder_);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable()) {
        if (error)
            *error = "cannot read the program folder " + QDir::toNativeSeparators(programFolder_);
        return false;
    }
    const QDir program(programFolder_);
    const ClientFolder client(*interview_, programFolder_);
    unreadable_.clear();
    // One entry at a time: a listing of thousands of folders is not held whole.
    for (QDirIterator it(programFolder_, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
         it.hasNext();) {
        it.next();
        const QString name = it.fileName();
        const QFileInfo folder(program.filePath(name));
        if (!folder.isSymLink() && (!folder.isReadable() || !folder.isExecutable()))
            unreadable_ << name;  // whether it is a client's cannot be told
        else if (!client.sectionFiles(folder.filePath()).isEmpty())
            names << name;
    }
    names << unreadable_;
    // Code-point order: the same rows in the same order on every machine.
    std::sort(names.begin(), names.end());
    return true;
}

ClientRecord ClientExport::read(const QString& folderName) {
    ClientRecord record;
    record.folder = folderName;
    const QString path = QDir(programFolder_).filePath(folderName);
    ClientFolder client(*interview_, programFolder_);
    const QList<ClientFolder::SectionFile> files = client.sectionFiles(path);
    for (const ClientFolder::SectionFile& file : files) {
        const QDateTime time = QFileInfo(file.path).lastModified().toUTC();
        if (!record.filesTime.isValid() || time > record.filesTime) record.filesTime = time;
    }

    if (unreadable_.contains(folderName)) {
        record.skipped = QStringLiteral("the folder cannot be read (permission denied)");
        return record;
    }
    prompts_->take();
    const ClientFolder::OpenOutcome opened = client.openClient(path);
    if (!files.isEmpty() && opened.unreadable.size() == files.size()) {
        record.skipped = "no section file can be read: " + opened.unreadable.join(", ");
        return record;
    }
    if (!opened.incomplete.isEmpty() && skipDamaged) {
        record.skipped = "damaged or incomplete: " + opened.incomplete.join(QStringLiteral(", "));
        return record;
    }
    if (!opened.incomplete.isEmpty())
        record.warnings << "damaged or incomplete, read as far as it goes: " +
                               opened.incomplete.join(QStringLiteral(", "));
    record.warnings << prompts_->take();

    for (const AnswerTable& table : tables_) {
        const QString module = table.section->info().module;
        const bool found =
            opened.found && std::any_of(files.cbegin(), files.cend(),
                                        [&](const auto& file) { return file.module == module; });
        if (!found) record.warnings << table.fileName + " is missing";
        QList<QVariant> values;
        values.reserve(table.columns.size());
        for (const AnswerColumn& column : table.columns)
            values << (found ? answerValue(*table.section, column) : QVariant());
        record.hasFile << found;
        record.values << values;
    }

    if (opened.found) {
        const ClientIdentity& identity = interview_->identity();
        record.name = identity.WholeName().trimmed();
        if (const auto date = calendarDate(identity.AssessmentDate()))
            record.assessmentDate = date->toString(Qt::ISODate);
        const Section* locator = interview_->section(QStringLiteral("LocatorInformation"));
        if (locator && locator->has(QStringLiteral("cboSite")))
            record.courtSite = locator->listText(QStringLiteral("cboSite"));
        for (const auto& [id, text] : {std::pair{"txtLastName", &record.lastName},
                                       {"txtFirstName", &record.firstName},
                                       {"txtInterviewer", &record.interviewer}})
            if (locator && locator->has(id)) *text = locator->text(id).trimmed();
        if (const auto* demographic = interview_->find<DemographicSection>())
            record.age = demographic->Age();
    }
    return record;
}

QByteArray ClientExport::contentHash(const QString& folderName) const {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const ClientFolder client(*interview_, programFolder_);
    for (const ClientFolder::SectionFile& file :
         client.sectionFiles(QDir(programFolder_).filePath(folderName))) {
        QByteArray bytes;
        if (readFileLimited(file.path, SectionReader::kMaxFileBytes, bytes, FileLinks::Refuse) !=
            ReadOutcome::Read)
            return {};  // read in full, to be told why
        hash.addData(QFileInfo(file.path).fileName().toUtf8() + '\0' +
                     QByteArray::number(bytes.size()) + '\0' + bytes);
    }
    return hash.result().toHex();
}

bool ClientExport::run(ExportSink& sink, ExportProgress* progress, QString* error) {
    QStringList names;
    if (!clientFolders(names, error)) return false;
    const auto fail = [&] {
        if (error) *error = sink.error();
        return false;
    };
    if (!sink.begin(tables_)) return fail();
    skipped_.clear();
    for (int i = 0; i < names.size(); ++i) {
        const QByteArray hash = sink.keepsHashes() ? contentHash(names.at(i)) : QByteArray();
        if (!hash.isEmpty() && !sink.wants(names.at(i), hash)) {
            if (progress) progress->client(i + 1, static_cast<int>(names.size()));
            continue;
        }
        ClientRecord record = read(names.at(i));
        record.contentHash = hash;
        if (!record.skipped.isEmpty()) skipped_ << record.folder;
        if (progress) {
            for (const QString& warning : record.warnings)
                progress->warning(record.folder, warning);
            if (!record.skipped.isEmpty())
                progress->warning(record.folder, "skipped: " + record.skipped);
            progress->client(i + 1, static_cast<int>(names.size()));
        }
        if (record.skipped.isEmpty() && !sink.add(record)) return fail();
    }
    return sink.finish(names) || fail();
}

}  // namespace yrn
