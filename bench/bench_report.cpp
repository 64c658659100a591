// Report speed: loading and saving the template, and a whole GenerateReport.
#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include "interview/Interview.h"
#include "interview/Section.h"
#include "report/ReportAssembly.h"
#include "sections/Sections.h"
#include "support/Fakes.h"
#include "support/RecordingPrompts.h"

using namespace yrn;

namespace {

const QString kTemplate = QStringLiteral(YRN_SOURCE_DIR "/resources/YRN_TEMPLATE.RTF");
const QString kClient = QStringLiteral("DoeJaneQ05-07-2001");

struct NoOpener : DocumentOpener {
    int open(const QString&) override { return 42; }
};

// A program folder with the template and a client folder.
struct ProgramFolder {
    QTemporaryDir dir;
    bool ready = false;
    ProgramFolder() {
        ready = dir.isValid() && QFile::copy(kTemplate, dir.filePath("YRN_TEMPLATE.RTF")) &&
                QDir(dir.path()).mkdir(kClient);
    }
};

// Fills every placeholder of the template that the name and pronoun filling
// leaves, one call per occurrence, so the measure does not depend on how many
// section narratives exist.
class EveryPlaceholder : public Section {
  public:
    EveryPlaceholder(Interview& interview, QStringList fields)
        : Section(interview, SectionInfo{"ctlAll", "All", "All.YRN", "All", 0}),
          fields_(std::move(fields)) {}
    void ClientReport(ReportWriter& report) override {
        int n = 0;
        for (const QString& field : fields_)
            report.RP(field, ++n % 5 ? QString("answer %1").arg(n)
                                     : QString("Alcohol       2       10\r\nHeroin        0\r\n"));
    }

  private:
    QStringList fields_;
};

QStringList sectionPlaceholders() {
    RtfDocument doc;
    if (!doc.load(kTemplate)) return {};
    static const QSet<QString> filledFirst = {"wholename", "firstname", "himherself", "hisher",
                                              "himher",    "heshe",     "hisherc",    "heshec"};
    QStringList fields;
    auto it = QRegularExpression("#([A-Za-z0-9_$]+)#").globalMatch(doc.visibleText());
    while (it.hasNext()) {
        const QString field = it.next().captured(1);
        if (!filledFirst.contains(field.toLower())) fields << field;
    }
    return fields;
}

void BM_LoadTemplate(benchmark::State& state) {
    for (auto _ : state) {
        RtfDocument doc;
        benchmark::DoNotOptimize(doc.load(kTemplate));
    }
}
BENCHMARK(BM_LoadTemplate)->Unit(benchmark::kMillisecond);

void BM_LoadAndSaveTemplate(benchmark::State& state) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.rtf");
    for (auto _ : state) {
        RtfDocument doc;
        if (!doc.load(kTemplate) || !doc.save(out)) state.SkipWithError("template not usable");
    }
}
BENCHMARK(BM_LoadAndSaveTemplate)->Unit(benchmark::kMillisecond);

// GenerateReport filling every placeholder the template holds, then saving both copies.
void BM_GenerateReport_EveryPlaceholder(benchmark::State& state) {
    ProgramFolder folder;
    RecordingPrompts prompts;
    Interview interview(prompts);
    test::FakeIdentity identity;
    test::FakePronouns pronouns;
    interview.setIdentity(&identity);
    interview.setPronouns(&pronouns);
    interview.add(std::make_unique<EveryPlaceholder>(interview, sectionPlaceholders()));
    NoOpener opener;
    ReportAssembly report(interview, folder.dir.path(), opener);
    for (auto _ : state)
        if (!folder.ready || !report.GenerateReport()) state.SkipWithError("no report");
    state.counters["placeholders left"] =
        double(report.document().visibleText().count(QRegularExpression("#[A-Za-z0-9_$]+#")));
}
BENCHMARK(BM_GenerateReport_EveryPlaceholder)->Unit(benchmark::kMillisecond);

// GenerateReport with the program's own sections and a named client.
void BM_GenerateReport_Sections(benchmark::State& state) {
    ProgramFolder folder;
    RecordingPrompts prompts;
    auto interview = makeInterview(prompts);
    if (Section* locator = interview->section("ctlLocatorInformation")) {
        interview->BeginLoading();
        for (const auto& [id, value] : {std::pair<QString, QString>{"txtAssessmentDate1", "05"},
                                        {"txtAssessmentDate2", "07"},
                                        {"txtAssessmentDate3", "2001"},
                                        {"txtLastName", "Doe"},
                                        {"txtFirstName", "Jane"},
                                        {"txtMI", "Q"}})
            if (locator->has(id)) locator->setText(id, value);
        interview->EndLoading();
    }
    QDir(folder.dir.path()).mkdir(interview->identity().YRNDirectory());
    NoOpener opener;
    ReportAssembly report(*interview, folder.dir.path(), opener);
    for (auto _ : state)
        if (!folder.ready || !report.GenerateReport()) state.SkipWithError("no report");
}
BENCHMARK(BM_GenerateReport_Sections)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
