#pragma once

// A small section with one field of every kind, used by the foundation tests.

#include "interview/Interview.h"
#include "interview/Section.h"
#include "support/RecordingPrompts.h"

namespace yrn::test {

class SampleSection : public Section {
  public:
    explicit SampleSection(Interview& interview, const QString& module = "ctlSample",
                           const QString& fileName = "Sample.YRN")
        : Section(interview, SectionInfo{module, "Sample", fileName, "Sample ", 0}) {
        addText("txtName", 25);
        addMultiLine("txtComments");
        addText("txtDays", 2);
        addOption("optWorking", {"No", "Yes"});
        addOption("optLiving", {"No", "Yes", "Indifferent"});
        addOption("optFamily", {"No", "Yes", "Uncertain", "No relative"});
        addList("cboLanguage", {"English", "Spanish", "French"});
        addList("cboRace", {"Black", "Asian", "Other", "Multi-race"}, {30, 40, 70, 65});
        addCheck("chkAbstinence", "No periods");
        for (int i = 0; i < 3; ++i)
            addText(arr("txtCharges", i), 3);
        addText("txtWorkPlace", 25);
        addLabel("lblQuestion", "Choose the gender first.");
        addFrame("fmeWork", {"txtWorkPlace"}, false);
        addPage(0).heading("Sample").nav("&Next Page", {});
        addPage(1).nav("&Done", "&Previous Page");
        captureStartState();
    }
};

}  // namespace yrn::test
