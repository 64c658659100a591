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

// Answers in order: "id=value" chooses an option group's button (an empty value
// clears it), a list's position, a check box's state, sets a label, or types a text
// and leaves it ("id:=text" stays in the box); "id(*)=value" answers every row of an
// array; "id@" clicks into a box.
inline void answer(Section& s, const QStringList& steps) {
    for (const QString& step : steps) {
        if (step.endsWith('@')) {
            s.textClick(step.trimmed().chopped(1));
            continue;
        }
        const qsizetype at = step.indexOf('=');
        const bool stay = step.at(at - 1) == ':';
        const QString id = step.left(stay ? at - 1 : at).trimmed(), value = step.mid(at + 1);
        if (id.endsWith("(*)")) {
            for (int i = 0; s.has(arr(id.chopped(3), i)); ++i)
                answer(s, {arr(id.chopped(3), i) + (stay ? ":=" : "=") + value});
            continue;
        }
        if (s.labelIds().contains(id)) {
            s.setLabel(id, value);
            continue;
        }
        const FieldKind kind = s.field(id).kind;
        if (kind == FieldKind::Option && value.isEmpty()) s.clearOption(id);
        if (kind == FieldKind::Option && !value.isEmpty()) s.choose(id, value.toInt());
        if (kind == FieldKind::List) s.setPosition(id, value.toInt());
        if (kind == FieldKind::Check) s.setCheck(id, static_cast<CheckState>(value.toInt()));
        if (kind == FieldKind::Text) s.setText(id, value);
        if (kind == FieldKind::Text && !stay) s.leave(id);
    }
}
// The same over a whole interview: "D." and "L." before an id answer in the
// demographic or the locator pane instead of pane.
inline void answer(Interview& interview, Section& pane, const QString& steps) {
    for (const QString& step : steps.split(';', Qt::SkipEmptyParts)) {
        const QString id = step.trimmed();
        if (id.isEmpty()) continue;
        const bool other = id.startsWith("D.") || id.startsWith("L.");
        Section* s = &pane;
        if (other)
            s = interview.section(id.startsWith('D') ? "ctlDemographic" : "ctlLocatorInformation");
        answer(*s, {other ? step.mid(step.indexOf('.') + 1) : step});
    }
}
// Steps as one text, separated by ';'.
inline QStringList steps(const char* text) {
    return QString::fromUtf8(text).split(';');
}

// The pane of type S, or (for S = Section) the pane of a module name.
template <class S>
struct Client {
    RecordingPrompts prompts;
    std::unique_ptr<Interview> interview = makeInterview(prompts);
    S& pane;
    Section& locator = *interview->section(QStringLiteral("ctlLocatorInformation"));
    Section& demographic = *interview->section(QStringLiteral("ctlDemographic"));

    explicit Client(const QString& module = {})
        : pane(module.isEmpty() ? *interview->find<S>()
                                : dynamic_cast<S&>(*interview->section(module))) {
        reset();
    }
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
    // The readers replay the rules: saved and read into a fresh client, the pane
    // must come back as the clicks built it, quietly (no box, no focus request).
    void expectSameAfterReload() {
        if (!saved_) saved_ = std::make_unique<QTemporaryDir>();
        const QString path = saved_->filePath(pane.info().fileName);
        ASSERT_TRUE(pane.SaveYRN(path));
        Client<S> other(pane.info().module);
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
    answer(dem, steps("txtBDateMonth:=03;txtBDateDay:=09;txtBDateYear:=1970;txtSSN:=123-45-6789;"
                      "optSex=1;optOrigin=1;optContEnv=1;optJail=1;optOther=1;optAlc=0;cboRace=3;"
                      "cboLanguage=3;cboReligion=1;txtJailDays=4;txtOther=Shelter;txtChildren=2;"
                      "optGender(0)=0;txtChildsDOBM(0)=1;txtChildsDOBD(0)=2;txtChildsDOBY(0)=1999;"
                      "cboCustody(0)=0;cboCustudyStatus(0)=0;txtVisitationDays(0)=3;"
                      "cboChildSupport(0)=3;cboCustudyStatus(1)=3;cboChildSupport(1)=2;"
                      "txtChildSupportOrdered=300;txtChildSupportActual=150;optOtherChildren=1;"
                      "txtDemographicInformation:=cooperative"));
}

inline const QStringList kWorkBoxes{"txtWorkPlace", "txtWorkPhone", "txtWorkAddress",
                                    "txtWorkCity",  "txtWorkState", "txtWorkZipCode"};

}  // namespace yrn::test
