#pragma once

// What the fuzz targets share: the whole interview, built once; the section an
// input's first byte chooses; the answers of a section as one text; and a failure
// that stops the fuzzer with the reason.

#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "sections/DeclaredSection.h"
#include "sections/Sections.h"
#include "support/RecordingPrompts.h"

namespace yrn::fuzz {

struct Client {
    RecordingPrompts prompts;
    std::unique_ptr<Interview> interview = makeInterview(prompts);

    static Client& instance() {
        static Client client;
        return client;
    }
    // The section that reads an input whose first byte is this; null when that
    // section has no file yet.
    DeclaredSection* section(std::uint8_t choice) const {
        const QList<Section*> all = interview->sections();
        auto* chosen = dynamic_cast<DeclaredSection*>(all.at(choice % all.size()));
        return chosen && !chosen->fileLayout().isEmpty() ? chosen : nullptr;
    }
    // A new client (or a new state of one section), as an open starts, with the
    // loading flag set until done().
    void reset(Section* only = nullptr) {
        interview->BeginLoading();
        for (Section* s : interview->sections())
            if (!only || s == only) s->NewYRN();
        prompts.clear();
    }
    void done() { interview->EndLoading(); }
};

// Every answer of a section, one line per field.
inline QString answers(const Section& section) {
    QStringList out;
    for (const QString& id : section.fieldOrder()) {
        const Field& f = section.field(id);
        out << QStringLiteral("%1 '%2' %3 %4 %5")
                   .arg(id, f.text)
                   .arg(f.choice)
                   .arg(f.position)
                   .arg(static_cast<int>(f.check));
    }
    return out.join('\n');
}

[[noreturn]] inline void fail(const char* what, const QString& detail = {}) {
    std::fprintf(stderr, "%s\n%s\n", what, detail.toUtf8().constData());
    std::abort();
}

}  // namespace yrn::fuzz
