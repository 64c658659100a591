#pragma once

#include <QString>
#include <QVarLengthArray>

#include "interview/ReportWriter.h"
#include "report/DocumentOpener.h"
#include "report/RtfDocument.h"

namespace yrn {

class ClientIdentity;
class Interview;
class Pronouns;

// The report: the template loaded into an RtfDocument, its placeholders filled by
// the sections through RP, saved in the client folder and in "ClientReports".
class ReportAssembly : public ReportWriter {
  public:
    ReportAssembly(Interview& interview, QString programFolder, DocumentOpener& opener);

    // Replaces the first remaining "#field#" of the template's own text with the
    // value. When the placeholder is gone, the value follows the previous insertion
    // only if that was for the same field; otherwise nothing is inserted.
    void RP(const QString& field, const QString& value) override;
    // Counted in the template as loaded: a court's own template may hold a name
    // more or less often than the one shipped.
    int markers(const QString& field) const override;

    // Loads programFolder/YRN_TEMPLATE.RTF; "Template Error" box on failure.
    bool LoadTemplate();
    // Saves the client folder copy, then the ClientReports copy. False when the
    // client folder copy could not be written ("Report Save Error") or the document
    // is not a freshly filled template. A missing or unsafe client folder throws
    // ProgramError, which GenerateReport reports as its own program error.
    bool SaveReport();
    // True when both the template and the client's report file load.
    bool CheckDocs();
    // Loads the template, fills names, pronouns and every section's narrative and
    // saves. True when the report was made and saved.
    bool GenerateReport();
    // The making half of GenerateReport, from any template file: load it ("Template
    // Error" box on failure), fill names, pronouns and every section's narrative.
    // True when the report is made; it is then in document(), not yet saved.
    bool makeReport(const QString& templateFile);
    int OpenDocument(const QString& path);
    // As OpenDocument; a report the desktop then could not show is told to `failed`.
    int OpenDocument(const QString& path, const DocumentOpener::Failure& failed);

    // programFolder/YRNDirectory/YRNDirectory.RTF
    QString clientReportPath() const;
    // programFolder/ClientReports/YRNDirectory.RTF
    QString sharedReportPath() const;
    QString templatePath() const;
    const QString& programFolder() const { return programFolder_; }

    RtfDocument& document() { return document_; }
    const RtfDocument& document() const { return document_; }

  private:
    bool loadTemplateFile(const QString& path);
    // Makes "ClientReports" if need be, with the program folder's access, and clears
    // it of what killed saves left. False (and why) when it cannot be written into.
    bool prepareSharedFolder(QString* why) const;

    Interview& interview_;
    QString programFolder_;
    DocumentOpener& opener_;
    RtfDocument document_;
    bool templateLoaded_ = false;
    // "ClientReports" was made ready in this session.
    bool sharedFolderReady_ = false;
    // The field RP filled last; kept as characters, a copy no other string shares.
    QVarLengthArray<QChar, 64> lastField_;
};

// The name and pronoun placeholders, each filled as often as the template holds it.
void fillNameFields(ReportWriter& report, const ClientIdentity& identity);
void fillPronounFields(ReportWriter& report, const Pronouns& pronouns);

}  // namespace yrn
