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
        lastField_.clear();
        lastField_.append(field.constData(), field.size());
        return;
    }
    // The placeholder is used up. Only a further value of the field just filled
    // follows it (the rows of a chart under one marker); anything else would land
    // in an unrelated sentence.
    if (!lastField_.isEmpty() && QStringView(lastField_.constData(), lastField_.size())
                                         .compare(field, Qt::CaseInsensitive) == 0) {
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

    const QByteArray rtf = document_.toRtf();
    QString why;
    if (!writeFileAtomically(clientReportPath(), rtf, &why, FolderLinks::Refuse)) {
        if (!QFileInfo(programFolder_ + "/" + name).isDir())
            throw ProgramError(QStringLiteral("Path not found"));
        // Why, in the system's words: a full disk, or a report file that is a link or
        // no regular file and is left alone.
        interview_.prompts().failure(
            Prompts::Severity::Critical, "Report Save Error",
            "Unable to save report.\r\nPlease close all open reports and save again.", why);
        return false;
    }
    // The folder is made ready at the first report, and again when the copy cannot be
    // written into it (another program may have removed it since).
    bool copied = sharedFolderReady_ &&
                  writeFileAtomically(sharedReportPath(), rtf, nullptr, FolderLinks::Refuse);
    if (!copied) {
        sharedFolderReady_ = prepareSharedFolder(&why);
        copied = sharedFolderReady_ &&
                 writeFileAtomically(sharedReportPath(), rtf, &why, FolderLinks::Refuse);
    }
    if (!copied) {
        interview_.prompts().information(
            "Report Copy Not Saved",
            "The report is saved in the client folder, but its copy could not be saved as:\r\n" +
                QDir::toNativeSeparators(sharedReportPath()) + "\r\n" + why);
    }
    return true;
}

bool ReportAssembly::prepareSharedFolder(QString* why) const {
    // The report names are the clients' names: the folder is as private as the
    // program folder.
    const QString shared = programFolder_ + "/" + kSharedFolder;
    if (!makeFolder(shared, why, FolderAccess::LikeParent)) return false;
    // Left by a report save that was killed; a young one may be another program's.
    removeTemporaryFiles(shared, kAbandonedAfterSeconds);
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
    static const QString wholeName = QStringLiteral("WholeName"),
                         firstName = QStringLiteral("FirstName");
    for (int i = report.markers(wholeName); i > 0; --i)
        report.RP(wholeName, identity.WholeName());
    for (int i = report.markers(firstName); i > 0; --i)
        report.RP(firstName, identity.FirstName());
}

void fillPronounFields(ReportWriter& report, const Pronouns& pronouns) {
    const auto fill = [&](const QString& field, QString (Pronouns::*value)() const) {
        for (int i = report.markers(field); i > 0; --i)
            report.RP(field, (pronouns.*value)());
    };
    fill(QStringLiteral("himherself"), &Pronouns::himherself);
    fill(QStringLiteral("hisher"), &Pronouns::hisher);
    fill(QStringLiteral("himher"), &Pronouns::himher);
    fill(QStringLiteral("heshe"), &Pronouns::heshe);
    fill(QStringLiteral("HisHerC"), &Pronouns::HisHerC);
    fill(QStringLiteral("HeSheC"), &Pronouns::HeSheC);
}

}  // namespace yrn
