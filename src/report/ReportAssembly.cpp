#include "report/ReportAssembly.h"

#include <QDir>
#include <QFileInfo>

#include "base/AtomicFile.h"
#include "base/FolderName.h"
#include "interview/Interview.h"
#include "interview/ProgramError.h"
#include "interview/Prompts.h"
#include "interview/Section.h"

namespace yrn {

namespace {

const QString kTemplateName = QStringLiteral("YRN_TEMPLATE.RTF");
const QString kSharedFolder = QStringLiteral("ClientReports");

}  // namespace

ReportAssembly::ReportAssembly(Interview& interview, QString programFolder, DocumentOpener& opener)
    : interview_(interview), programFolder_(std::move(programFolder)), opener_(opener) {}

QString ReportAssembly::templatePath() const {
    return programFolder_ + "/" + kTemplateName;
}

QString ReportAssembly::clientReportPath() const {
    const QString name = interview_.identity().YRNDirectory();
    return programFolder_ + "/" + name + "/" + name + ".RTF";
}

QString ReportAssembly::sharedReportPath() const {
    return programFolder_ + "/" + kSharedFolder + "/" + interview_.identity().YRNDirectory() +
           ".RTF";
}

void ReportAssembly::RP(const QString& field, const QString& value) {
    if (document_.findMarker(field)) {
        document_.replaceSelection(value);
        lastField_ = field;
        return;
    }
    // The placeholder is used up. Only a further value of the field just filled
    // follows it (the rows of a chart under one marker); anything else would land
    // in an unrelated sentence.
    if (!lastField_.isEmpty() && lastField_.compare(field, Qt::CaseInsensitive) == 0) {
        document_.replaceSelection(value);
        return;
    }
    lastField_.clear();
}

int ReportAssembly::markers(const QString& field) const {
    return document_.countMarkers(field);
}

bool ReportAssembly::LoadTemplate() {
    return loadTemplateFile(templatePath());
}

bool ReportAssembly::loadTemplateFile(const QString& path) {
    lastField_.clear();
    templateLoaded_ = document_.load(path);
    if (!templateLoaded_)
        interview_.prompts().critical(
            "Template Error", "Unable to load template!\r\nPlease close template file if opened.");
    return templateLoaded_;
}

bool ReportAssembly::SaveReport() {
    // Only a report made from a freshly loaded template is saved; after CheckDocs
    // the document holds an earlier report.
    if (!templateLoaded_ || !document_.isLoaded()) return false;
    const QString name = interview_.identity().YRNDirectory();
    if (!isSafeFolderName(name))
        throw ProgramError(QStringLiteral("The client folder name is not valid."));
    if (!QFileInfo(programFolder_ + "/" + name).isDir())
        throw ProgramError(QStringLiteral("Path not found"));

    const QByteArray rtf = document_.toRtf();
    QString why;
    if (!writeFileAtomically(clientReportPath(), rtf, &why, FolderLinks::Refuse)) {
        // Why, in the system's words: a full disk, or a report file that is a link or
        // no regular file and is left alone.
        interview_.prompts().failure(
            Prompts::Severity::Critical, "Report Save Error",
            "Unable to save report.\r\nPlease close all open reports and save again.", why);
        return false;
    }
    // The report names are the clients' names: the folder is as private as the
    // program folder.
    const QString shared = programFolder_ + "/" + kSharedFolder;
    const bool sharedFolder = makeFolder(shared, &why, FolderAccess::LikeParent);
    // Left by a report save that was killed; a young one may be another program's.
    if (sharedFolder) removeTemporaryFiles(shared, kAbandonedAfterSeconds);
    if (!sharedFolder || !writeFileAtomically(sharedReportPath(), rtf, &why, FolderLinks::Refuse)) {
        interview_.prompts().information(
            "Report Copy Not Saved",
            "The report is saved in the client folder, but its copy could not be saved as:\r\n" +
                QDir::toNativeSeparators(sharedReportPath()) + "\r\n" + why);
    }
    return true;
}

bool ReportAssembly::CheckDocs() {
    templateLoaded_ = false;
    lastField_.clear();
    return document_.load(templatePath()) && document_.load(clientReportPath());
}

bool ReportAssembly::makeReport(const QString& templateFile) {
    bool made = false;
    guarded(interview_.prompts(), ErrorSite::shared("GenerateReport"), [&] {
        // Nothing is filled into anything but a freshly loaded template.
        if (!loadTemplateFile(templateFile)) return;
        fillNameFields(*this, interview_.identity());
        fillPronounFields(*this, interview_.pronouns());
        for (Section* section : interview_.sections())
            section->ClientReport(*this);
        made = true;
    });
    // A report cut short by an error is not saved either.
    if (!made) templateLoaded_ = false;
    return made;
}

bool ReportAssembly::GenerateReport() {
    if (!makeReport(templatePath())) return false;
    bool saved = false;
    guarded(interview_.prompts(), ErrorSite::shared("GenerateReport"),
            [&] { saved = SaveReport(); });
    return saved;
}

int ReportAssembly::OpenDocument(const QString& path) {
    return opener_.open(path);
}

int ReportAssembly::OpenDocument(const QString& path, const DocumentOpener::Failure& failed) {
    return opener_.openWatched(path, failed);
}

// The name and pronoun fields are filled as often as the report holds them, each
// value fetched anew for every call.
void fillNameFields(ReportWriter& report, const ClientIdentity& identity) {
    for (int i = report.markers("WholeName"); i > 0; --i)
        report.RP("WholeName", identity.WholeName());
    for (int i = report.markers("FirstName"); i > 0; --i)
        report.RP("FirstName", identity.FirstName());
}

void fillPronounFields(ReportWriter& report, const Pronouns& pronouns) {
    const auto fill = [&](const QString& field, QString (Pronouns::*value)() const) {
        for (int i = report.markers(field); i > 0; --i)
            report.RP(field, (pronouns.*value)());
    };
    fill("himherself", &Pronouns::himherself);
    fill("hisher", &Pronouns::hisher);
    fill("himher", &Pronouns::himher);
    fill("heshe", &Pronouns::heshe);
    fill("HisHerC", &Pronouns::HisHerC);
    fill("HeSheC", &Pronouns::HeSheC);
}

}  // namespace yrn
