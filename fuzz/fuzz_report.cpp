// Section file bytes -> the whole report: the file is read into the section its
// first byte chooses and the report is made from the shipped template. Whatever
// the file holds, the report is made and is RTF that loads again.
#include "FuzzSupport.h"
#include "records/SectionFile.h"
#include "report/ReportAssembly.h"

using namespace yrn;

namespace {

struct NoOpener : DocumentOpener {
    int open(const QString&) override { return 2; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    fuzz::Client& client = fuzz::Client::instance();
    DeclaredSection* section = client.section(data[0]);
    if (!section) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    client.reset();
    readSectionBytes(*section, section->fileLayout(), bytes);
    client.done();
    static NoOpener opener;
    static ReportAssembly report(*client.interview, QStringLiteral(YRN_SOURCE_DIR "/resources"),
                                 opener);
    if (!report.makeReport(report.templatePath()))
        fuzz::fail("no report was made",
                   client.prompts.last().title + ": " + client.prompts.last().text);
    const QByteArray rtf = report.document().toRtf();
    RtfDocument again;
    if (!again.loadFromData(rtf)) fuzz::fail("the report does not load again", rtf);
    return 0;
}
