#pragma once

// A whole interview with one pane reset as at start-up, and helpers to answer it
// and to read its section file as an open does.

#include <QTemporaryDir>
#include <memory>

#include "sections/Sections.h"
#include "sections/demographic/DemographicSection.h"
#include "sections/locator/LocatorSection.h"
#include "support/TestSupport.h"

namespace yrn::test {

template <class S>
struct Client {
    RecordingPrompts prompts;
    std::unique_ptr<Interview> interview = makeInterview(prompts);
    S& pane = *interview->find<S>();
    Section& locator = *interview->section(QStringLiteral("ctlLocatorInformation"));
    Section& demographic = *interview->section(QStringLiteral("ctlDemographic"));

    Client() { reset(); }
    void reset() {
        load({});
        prompts.clear();
    }
    // Reset first, then read with the loading flag set; an empty path only resets.
    LoadResult load(const QString& path) {
        interview->BeginLoading();
        pane.NewYRN();
        const LoadResult result = path.isEmpty() ? LoadResult{} : pane.LoadClientYRN(path);
        interview->EndLoading();
        return result;
    }
    // Types a text and leaves the box.
    void type(const QString& id, const QString& text) { typeAndLeave(pane, id, text); }
    void set(std::initializer_list<std::pair<QString, QString>> texts) {
        for (const auto& [id, text] : texts)
            pane.setText(id, text);
    }
    // What the pane's narrative fills in.
    RecordingReport report() {
        RecordingReport r;
        pane.ClientReport(r);
        return r;
    }
    // The readers replay the rules: saved and read into a fresh client, the pane
    // must come back as the clicks built it, quietly (no box, no focus request).
    void expectSameAfterReload() {
        if (!saved_) saved_ = std::make_unique<QTemporaryDir>();
        const QString path = saved_->filePath(pane.info().fileName);
        ASSERT_TRUE(pane.SaveYRN(path));
        Client<S> other;
        EXPECT_TRUE(other.load(path).complete);
        EXPECT_TRUE(sameState(pane, other.pane));
        EXPECT_TRUE(other.prompts.boxes.isEmpty() && other.prompts.focusRequests.isEmpty());
    }

  private:
    std::unique_ptr<QTemporaryDir> saved_;  // made on the first reload
};

// The client's name and assessment date, and an answer to every demographic
// question: two children, a controlled environment, other children.
inline void answerDemographic(Section& locator, Section& dem) {
    nameClient(locator);
    dem.setText("txtBDateMonth", "03");
    dem.setText("txtBDateDay", "09");
    dem.setText("txtBDateYear", "1970");
    dem.setText("txtSSN", "123-45-6789");
    for (const char* id : {"optSex", "optOrigin", "optContEnv", "optJail", "optOther"})
        dem.choose(id, 1);
    dem.choose("optAlc", 0);
    dem.setPosition("cboRace", 3);
    dem.setPosition("cboLanguage", 3);
    dem.setPosition("cboReligion", 1);
    typeAndLeave(dem, "txtJailDays", "4");
    typeAndLeave(dem, "txtOther", "Shelter");
    typeAndLeave(dem, "txtChildren", "2");
    dem.choose(arr("optGender", 0), 0);
    typeAndLeave(dem, arr("txtChildsDOBM", 0), "1");
    typeAndLeave(dem, arr("txtChildsDOBD", 0), "2");
    typeAndLeave(dem, arr("txtChildsDOBY", 0), "1999");
    dem.setPosition(arr("cboCustody", 0), 0);
    dem.setPosition(arr("cboCustudyStatus", 0), 0);
    typeAndLeave(dem, arr("txtVisitationDays", 0), "3");
    dem.setPosition(arr("cboChildSupport", 0), 3);
    dem.setPosition(arr("cboCustudyStatus", 1), 3);
    dem.setPosition(arr("cboChildSupport", 1), 2);
    typeAndLeave(dem, "txtChildSupportOrdered", "300");
    typeAndLeave(dem, "txtChildSupportActual", "150");
    dem.choose("optOtherChildren", 1);
    dem.setText("txtDemographicInformation", "cooperative");
}

inline const QStringList kWorkBoxes{"txtWorkPlace", "txtWorkPhone", "txtWorkAddress",
                                    "txtWorkCity",  "txtWorkState", "txtWorkZipCode"};

}  // namespace yrn::test
