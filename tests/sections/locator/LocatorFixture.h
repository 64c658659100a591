#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "interview/Interview.h"
#include "interview/RecordingPrompts.h"
#include "interview/ReportWriter.h"
#include "sections/locator/LocatorSection.h"

namespace yrn::locator_test {

// A report that keeps every RP call in order.
struct RecordingReport : ReportWriter {
    void RP(const QString& field, const QString& value) override { calls.append({field, value}); }
    QString value(const QString& field) const {
        for (const auto& [f, v] : calls)
            if (f == field) return v;
        return QStringLiteral("<none>");
    }
    QList<std::pair<QString, QString>> calls;
};

inline const QStringList kWorkBoxes{"txtWorkPlace", "txtWorkPhone", "txtWorkAddress",
                                    "txtWorkCity",  "txtWorkState", "txtWorkZipCode"};

// A locator of its own interview, reset for a new client as at start-up.
class LocatorTest : public ::testing::Test {
  protected:
    LocatorTest() : interview(prompts) {
        loc = &static_cast<LocatorSection&>(
            interview.add(std::make_unique<LocatorSection>(interview)));
        reset();
    }
    void reset() {
        interview.BeginLoading();
        loc->NewYRN();
        interview.EndLoading();
        prompts.clear();
    }
    QStringList focused() const {
        QStringList out;
        for (const auto& request : prompts.focusRequests)
            out << request.fieldId;
        return out;
    }
    void set(std::initializer_list<std::pair<const char*, const char*>> texts) {
        for (const auto& [id, text] : texts)
            loc->setText(id, text);
    }

    RecordingPrompts prompts;
    Interview interview;
    LocatorSection* loc = nullptr;
};

}  // namespace yrn::locator_test
