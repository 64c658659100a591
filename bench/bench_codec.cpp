// Writes and reads back a section file of 128 fields, the size of the demographic file.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "BenchMain.h"
#include "interview/Interview.h"
#include "interview/Section.h"
#include "records/SectionFile.h"
#include "support/RecordingPrompts.h"

using namespace yrn;

namespace {

class WideSection : public Section {
  public:
    explicit WideSection(Interview& i)
        : Section(i, SectionInfo{"ctlWide", "Wide", "Wide.YRN", "", 0}) {
        for (int f = 0; f < 128; ++f) {
            switch (f % 4) {
                case 0:
                    addText(arr("txt", f));
                    break;
                case 1:
                    addOption(arr("opt", f), {"No", "Yes"});
                    break;
                case 2:
                    addList(arr("cbo", f), {"a", "b", "c", "d", "e"});
                    break;
                default:
                    addMultiLine(arr("txtNote", f));
                    break;
            }
        }
        captureStartState();
        for (const QString& id : fieldOrder()) {
            const Field& f = field(id);
            if (f.kind == FieldKind::Option) layout.append({Codec::Opt, id});
            if (f.kind == FieldKind::List) layout.append({Codec::Combo, id});
            if (f.kind == FieldKind::Text) layout.append({Codec::Text, id});
        }
        for (const QString& id : fieldOrder()) {
            const Field& f = field(id);
            if (f.kind == FieldKind::Option) choose(id, 1);
            if (f.kind == FieldKind::List) setPosition(id, 3);
            if (f.kind == FieldKind::Text)
                setText(id, f.multiLine ? "Client reports two jobs;\nlives with mother, \"fine\""
                                        : "Muñoz 123 Main St.");
        }
    }
    FileLayout layout;
};

void BM_WriteAndReadDemographicSizedFile(benchmark::State& state) {
    RecordingPrompts prompts;
    Interview interview(prompts);
    auto& s = static_cast<WideSection&>(interview.add(std::make_unique<WideSection>(interview)));
    QTemporaryDir dir;
    const QString path = dir.filePath("Wide.YRN");
    for (auto _ : state) {
        saveSectionFile(s, s.layout, path);
        s.restoreStartState();
        benchmark::DoNotOptimize(loadSectionFile(s, s.layout, path));
    }
}
BENCHMARK(BM_WriteAndReadDemographicSizedFile)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    return yrn::bench::runBenchmarks(argc, argv, yrn::bench::Windows::No);
}
