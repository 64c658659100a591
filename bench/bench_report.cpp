// Report speed: loading and saving the template, and a whole GenerateReport. A
// GenerateReport's wait for the disk (its fsync calls) is given apart: fsync_us, and
// but_fsync_us what the report costs besides, both per report.
#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <chrono>
#include <string>
#include <string_view>
#include <unordered_map>

#include "FsyncWait.h"
#include "base/AtomicFile.h"
#include "interview/Interview.h"
#include "interview/Section.h"
#include "report/ReportAssembly.h"
#include "report/RtfParser.h"
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

// The value of the n-th placeholder filled: mostly a short answer, every fifth a
// chart of two rows.
QString placeholderValue(int n) {
    return n % 5 ? QString("answer %1").arg(n)
                 : QString("Alcohol       2       10\r\nHeroin        0\r\n");
}

// Fills every placeholder of the template that the name and pronoun filling
// leaves, one call per occurrence, so the measure does not depend on how many
// section narratives exist.
class EveryPlaceholder : public Section {
  public:
    EveryPlaceholder(Interview& interview, const QStringList& fields)
        : Section(interview, SectionInfo{"ctlAll", "All", "All.YRN", "All", 0}) {
        for (const QString& field : fields)
            calls_.append({field, placeholderValue(int(calls_.size()) + 1)});
    }
    // The values are made beforehand, as the plain pass's table is: what is measured is
    // the report, not the making of the values.
    void ClientReport(ReportWriter& report) override {
        for (const auto& [field, value] : calls_)
            report.RP(field, value);
    }

  private:
    QList<std::pair<QString, QString>> calls_;
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

// The floor GenerateReport is held against: the template's bytes already in memory
// and every marker replaced from a table (the same values, written as RTF) in one
// pass, with no document model, no file and no case-insensitive matching.
void BM_PlainMarkerPass(benchmark::State& state) {
    QFile file(kTemplate);
    const QByteArray rtf = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    struct Hash : std::hash<std::string_view> {
        using is_transparent = void;
    };
    std::unordered_map<std::string, QByteArray, Hash, std::equal_to<>> table;
    const auto add = [&](const QString& field, QString value) {
        value.replace("\r\n", "\\par ");
        table.emplace(field.toStdString(), "{" + value.toLatin1() + "}");
    };
    for (const char* field :
         {"WholeName", "FirstName", "himherself", "hisher", "himher", "heshe", "HisHerC", "HeSheC"})
        add(field, "Jane");
    int n = 0;
    for (const QString& field : sectionPlaceholders())
        add(field, placeholderValue(++n));
    qsizetype replaced = 0;
    for (auto _ : state) {
        QByteArray out;
        out.reserve(rtf.size() * 2);
        replaced = 0;
        qsizetype from = 0;
        for (qsizetype at = rtf.indexOf('#'); at >= 0; at = rtf.indexOf('#', from)) {
            const qsizetype end = rtf.indexOf('#', at + 1);
            if (end < 0) break;
            const auto value =
                table.find(std::string_view(rtf.constData() + at + 1, std::size_t(end - at - 1)));
            if (value == table.end()) {
                out.append(rtf.constData() + from, at + 1 - from);
                from = at + 1;
                continue;
            }
            out.append(rtf.constData() + from, at - from);
            out += value->second;
            from = end + 1;
            ++replaced;
        }
        out.append(rtf.constData() + from, rtf.size() - from);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["placeholders"] = double(replaced);
}
BENCHMARK(BM_PlainMarkerPass)->Unit(benchmark::kMicrosecond);

// Runs the benchmark's iterations of report, counting its wait for the disk apart.
template <class Report>
void timeApartFromFsync(benchmark::State& state, Report&& report) {
    const double waitBefore = bench::fsyncWait();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        if (!report()) state.SkipWithError("no report");
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const double wait = bench::fsyncWait() - waitBefore;
    state.counters["fsync_us"] = benchmark::Counter(wait * 1e6, benchmark::Counter::kAvgIterations);
    state.counters["but_fsync_us"] =
        benchmark::Counter((took.count() - wait) * 1e6, benchmark::Counter::kAvgIterations);
}

// A report of the EveryPlaceholder section on the shipped template.
struct EveryPlaceholderReport {
    ProgramFolder folder;
    RecordingPrompts prompts;
    Interview interview{prompts};
    test::FakeIdentity identity;
    test::FakePronouns pronouns;
    NoOpener opener;
    ReportAssembly report{interview, folder.dir.path(), opener};
    EveryPlaceholderReport() {
        interview.setIdentity(&identity);
        interview.setPronouns(&pronouns);
        interview.add(std::make_unique<EveryPlaceholder>(interview, sectionPlaceholders()));
    }
    void count(benchmark::State& state) const {
        state.counters["placeholders left"] =
            double(report.document().visibleText().count(QRegularExpression("#[A-Za-z0-9_$]+#")));
    }
};

// GenerateReport filling every placeholder the template holds, then saving both copies.
void BM_GenerateReport_EveryPlaceholder(benchmark::State& state) {
    EveryPlaceholderReport every;
    timeApartFromFsync(state, [&] { return every.folder.ready && every.report.GenerateReport(); });
    every.count(state);
}
BENCHMARK(BM_GenerateReport_EveryPlaceholder)->Unit(benchmark::kMicrosecond);

// What GenerateReport asks of the file system, with no report made: the template
// read, and the report's bytes written to the client folder and to ClientReports, by
// the program's own calls. GenerateReport less this is what making the report costs.
void BM_ReportFiles(benchmark::State& state) {
    EveryPlaceholderReport every;
    if (!every.report.makeReport(every.report.templatePath()) ||
        !QDir(every.folder.dir.path()).mkdir("ClientReports")) {
        state.SkipWithError("no report");
        return;
    }
    const QByteArray rtf = every.report.document().toRtf();
    timeApartFromFsync(state, [&] {
        QByteArray bytes;
        return readFileLimited(every.report.templatePath(), rtf::kMaxRtfBytes, bytes) ==
                   ReadOutcome::Read &&
               writeFileAtomically(every.report.clientReportPath(), rtf, nullptr,
                                   FolderLinks::Refuse) &&
               writeFileAtomically(every.report.sharedReportPath(), rtf, nullptr,
                                   FolderLinks::Refuse);
    });
}
BENCHMARK(BM_ReportFiles)->Unit(benchmark::kMicrosecond);

// The same report made and written as RTF in memory: GenerateReport but for the two
// file writes.
void BM_MakeReport_EveryPlaceholder(benchmark::State& state) {
    EveryPlaceholderReport every;
    for (auto _ : state) {
        if (!every.folder.ready || !every.report.makeReport(every.report.templatePath()))
            state.SkipWithError("no report");
        benchmark::DoNotOptimize(every.report.document().toRtf().size());
    }
    every.count(state);
}
BENCHMARK(BM_MakeReport_EveryPlaceholder)->Unit(benchmark::kMicrosecond);

// The same with a template that changed since the report before (two copies that differ
// by a line end after the document, in turn): each report parses and indexes it anew.
void BM_MakeReport_ChangedTemplate(benchmark::State& state) {
    EveryPlaceholderReport every;
    const QString other = every.folder.dir.filePath("other.rtf");
    QFile copy(other);
    if (!copy.open(QIODevice::WriteOnly) || !QFile::exists(every.report.templatePath())) {
        state.SkipWithError("no template");
        return;
    }
    QFile shipped(kTemplate);
    if (shipped.open(QIODevice::ReadOnly)) copy.write(shipped.readAll() + "\r\n");
    copy.close();
    const QString templates[] = {every.report.templatePath(), other};
    int n = 0;
    for (auto _ : state) {
        if (!every.report.makeReport(templates[++n % 2])) state.SkipWithError("no report");
        benchmark::DoNotOptimize(every.report.document().toRtf().size());
    }
    every.count(state);
}
BENCHMARK(BM_MakeReport_ChangedTemplate)->Unit(benchmark::kMicrosecond);

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
    timeApartFromFsync(state, [&] { return folder.ready && report.GenerateReport(); });
}
BENCHMARK(BM_GenerateReport_Sections)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
