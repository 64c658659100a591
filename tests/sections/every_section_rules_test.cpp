// What every pane does alike, driven by its declarations: a new client after any
// answers, the range checks of its boxes, its pages; and the follow-up rows that
// each section's rules test lists.
#include <QRegularExpression>

#include "interview/NumericCheck.h"
#include "sections/Pages.h"
#include "sections/SectionRules.h"

namespace yrn::test {

TEST_P(FollowUpTest, NoClosesAndEmptiesAndYesOpensAgain) {
    const FollowUp& row = GetParam();
    Client<Section> c(row.module);
    Section& s = c.pane;
    const QStringList all = row.emptied + row.kept;  // an emptied one may empty a kept one
    const auto expectOpen = [&] {
        for (const QString& id : all)
            EXPECT_TRUE(s.usable(id) && s.field(id).background == Background::Normal)
                << qPrintable(id);
    };
    answer(s, row.yes);
    expectOpen();
    QStringList filled;
    for (const QString& id : all)
        filled << fill(s, id, true);
    answer(s, row.yes);  // the same answers again change nothing
    EXPECT_TRUE(shows(s, filled));
    c.expectSameAfterReload();

    answer(s, row.no);
    for (const QString& id : all) {
        const Field& f = s.field(id);
        EXPECT_TRUE(!s.usable(id) && f.background == row.closed && unanswered(f)) << qPrintable(id);
    }
    c.expectSameAfterReload();

    // What a file left in the closed boxes: the kept answers show again.
    QStringList planted;
    for (const QString& id : all)
        planted << fill(s, id, false);
    answer(s, row.yes);
    expectOpen();
    for (const QString& id : row.emptied)
        EXPECT_TRUE(unanswered(s.field(id))) << qPrintable(id);
    EXPECT_TRUE(shows(s, planted.mid(row.emptied.size())));
    c.expectSameAfterReload();

    answer(s, row.no);
    c.reset();
    EXPECT_TRUE(sameState(s, Client<Section>(row.module).pane));
}

namespace {

// Every follow-up pair of every section.
std::vector<FollowUp> followUps() {
    const QString L = "ctlLocatorInformation", D = "ctlDemographic", M = "ctlMedical",
                  E = "ctlEmployment", R = "ctlDrugs", C = "ctlCriminalJustice",
                  H = "ctlMentalHealth";
    const QStringList abstinence{"txtMonthsAbstinence", "txtEndAbstinence"},
        start{"txtStartJobM", "txtStartJobY"};
    // clang-format off
    std::vector<FollowUp> out{
        yesNo(L, "optWorking", kWorkBoxes),
        yesNo(D, "optOrigin", {}, {"txtYearsUS"}),
        // A dependent's tick opens the row as it stands; clearing it closes it unpainted.
        {D, {"optOtherChildren=1", "chkD2=1"}, {"chkD2=0"}, {"optD2Gender", "txtD2DOBM", "txtD2DOBD",
         "txtD2DOBY"}, {}, Background::Normal},
        yesNo(M, "optChrMedProb", {"txtMedicalProblems"}), yesNo(M, "optPresMed", {"txtMedication"}),
        yesNo(M, "optPension", {"txtPension"}), yesNo(M, "optSmokes", {"txtCigarettes"}),
        yesNo(M, "optSleepLate", {"optBecauseWork"}), yesNo(M, "optHealthInsurance(5)", {"txtOtherHI"}),
        {M, {"txtHospitalized=3"}, {"txtHospitalized=0"}, {}, {"cboLastHospitalized"}},
        {M, {"txtInsurance=6"}, {"txtInsurance=0"}, {}, rows("optHealthInsurance", 6)},
        yesNo(E, "optProfession", {}, {"txtProfession"}),
        yesNo(E, "optDrLic", {}, {"txtDriversLicenseNumber"}),
        {E, {"optDrLic=0"}, {"optDrLic=1"}, {}, {"txtNoDriversLicenseReason"}},
        yesNo(E, "optCurrEmp", {}, {"txtCurrJobY", "txtCurrJobM"}),
        {E, {"optCurrEmp=0"}, {"optCurrEmp=1"}, {}, {"txtLastJobY", "txtLastJobM", "txtLeaveJobM",
         "txtLeaveJobY", "cboReasonLeft"}},
        {E, {"cboJobtype=2"}, {"cboJobtype=14"}, start}, {E, {"cboJobtype=-1"}, {"cboJobtype=14"}, start},
        yesNo(E, "optContributor", {"cboGreatestContributor", "optMajSupp"}),
        yesNo(R, "optAlcTreat", {}, {"txtAlcAbuseL", "txtAlcAbusePY", "txtDetoxL", "txtDetoxPY",
              "txtOutpatientL", "txtOutpatientPY"}),
        yesNo(R, "optDrugTreat", {}, {"txtDrugAbuseL", "txtDrugAbusePY", "txtDrugDetoxL",
              "txtDrugDetoxPY", "txtDrugOutpatientL", "txtDrugOutpatientPY"}),
        yesNo(R, "optAAL", {}, {"optAAPY", "txtAANAMeetings30"}),
        yesNo(R, "optAAPY", {}, {"txtAANAMeetings30"}, {"optAAL=1"}),
        {R, {"cboMajorSubstance=0"}, {"cboMajorSubstance=13"}, abstinence},
        {R, {"chkAbstinence=0"}, {"chkAbstinence=1"}, abstinence},
        {C, {"cboIncarceration=2"}, {"cboIncarceration=0"}, {}, {"cboLastIncarceration"}},
        yesNo(C, "optReasonIncar(18)", {}, {"txtOtherIncarceration"}, {"cboIncarceration=1"}),
        yesNo(C, "optPresAwCharges", {}, rows("optAwaitCharges", 19)),
        yesNo(C, "optAwaitCharges(18)", {}, {"txtOtherChargeAwaited"}, {"optPresAwCharges=1"}),
        yesNo("ctlFamilySocialHistory", "optHomeless", {}, {"cboHomelessLiving"}),
        // The medication is asked afresh after "Yes".
        yesNo(H, "optPrescMed", {}, {"txtMedicationPrescribed"}),
        yesNo(H, "optPrescMed30D", {}, {"txtMedicationPrescribed30"})};
    // clang-format on
    for (int i = 0; i < 5; ++i)  // only the last debt names its debts
        out.push_back(yesNo(E, arr("optMoneyOwed", i), {arr("cboAmountOwed", i)},
                            i == 4 ? QStringList{"txtOtherDebt"} : QStringList{}));
    // A substance row: what it holds stays when "Yes" opens it.
    for (int i = 0; i < 12; ++i)
        out.push_back(yesNo(R, arr("optEverUse", i), DrugsSection::rowFields(i).mid(1)));
    return out;
}
INSTANTIATE_TEST_SUITE_P(Rules, FollowUpTest, ::testing::ValuesIn(followUps()), followUpName);

struct SectionCase {
    QString module;
    int checkedBoxes;            // text boxes with a range check
    QStringList padded;          // the stems of those that write one digit as two
    QList<int> walk;             // the pages Next goes through ({}: every page)
    QStringList closing;         // after an answer to every question, answers that close some
    QString closedAtStart = {};  // the fields closed for a new client
};
void PrintTo(const SectionCase& c, std::ostream* out) {
    *out << c.module.toStdString();
}

// clang-format off
const SectionCase kSections[] = {
    {"ctlLocatorInformation", 6, {"txtAssessmentDate1", "txtAssessmentDate2", "txtTime1", "txtTime2"}, {},
     {"txtTime1=10", "txtTime2=30", "optAMPM=1", "cboSite=26", "optWorking=1", "txtWorkPlace=Mill",
      "txtLocationInformation:=x"}, "txtWork(Place|Phone|Address|City|ZipCode)"},
    {"ctlDemographic", 64, {"txtBDateMonth", "txtBDateDay", "txtChildsDOBM", "txtChildsDOBD",
      "txtVisitationDays", "txtD1DOBM", "txtD1DOBD", "txtD2DOBM", "txtD2DOBD", "txtD3DOBM", "txtD3DOBD"}, {},
     {"optEthnicity=1", "chkD1=1", "txtD1DOBY=2012", "optOrigin=0", "txtPregnancies:=2"},
     "txtYearsUS|txtPregnancies|txtLiveBirths|optD.Gender|txtD.DOB.|"
     "(optGender|txtChildsDOB.|cboCust.*|txtVisitationDays|cboChildSupport)\\(.\\)"},
    {"ctlMedical", 4, {}, {},
     {"optChrMedProb=0", "optPresMed=0", "optPension=0", "optSmokes=0", "optSleepLate=0",
      "txtInsurance=0", "txtHospitalized=0"}},
    {"ctlEmployment", 21, {"txtStartJobM", "txtLeaveJobM"}, {},
     {"optProfession=0", "optContributor=0", "cboJobtype=14", "optMoneyOwed(4)=0"}},
    {"ctlDrugs", 58, {"txtAge1stUse", "txtDaysUsedLast30", "txtYearsUsedLife"}, {0, 1, 5, 6, 7, 8},
     {"optEverUse(4)=0", "optAAL=0", "optAlcTreat=0", "optDrugTreat=0", "cboMajorSubstance=13"}},
    {"ctlCriminalJustice", 21, {}, {},
     {"optPresAwCharges=0"},
     "txtOther|cboLastIncarceration|opt(ReasonIncar|AwaitCharges)\\(\\d+\\)|txtOther(Incarceration|ChargeAwaited)"},
    {"ctlFamilySocialHistory", 11, {}, {},
     {"cboMaritalStatus=5", "optHomeless=0"}},
    {"ctlMentalHealth", 4, {"txtTimeEndedHours", "txtTimeEndedMinutes"}, {}, {"optPrescMed=0", "optPrescMed30D=0"}},
};
// clang-format on

class EverySection : public ::testing::TestWithParam<SectionCase> {
  protected:
    Client<Section> c{GetParam().module};
    Section& s = c.pane;

    QList<const Field*> lists() const {
        QList<const Field*> out;
        for (const QString& id : s.fieldOrder())
            if (s.field(id).kind == FieldKind::List) out << &s.field(id);
        return out;
    }
    // Every box open, so that a refused answer can take the focus back.
    void openEverything() {
        for (const QString& id : s.fieldOrder())
            s.setEnabled(id, true);
        for (const QString& frame : s.frameIds())
            s.setFrameEnabled(frame, true);
    }
    QStringList inputErrors() const {
        QStringList out;
        for (const RecordingPrompts::Box& box : c.prompts.boxes)
            if (box.title == "Input Error") out << boxText(box);
        return out;
    }
};

TEST_P(EverySection, ANewClientStartsAsAtProgramStartAfterAnyAnswers) {
    const QRegularExpression closed(QRegularExpression::anchoredPattern(GetParam().closedAtStart));
    for (const QString& id : s.fieldOrder()) {
        EXPECT_EQ(s.field(id).enabled, !closed.match(id).hasMatch()) << qPrintable(id);
        EXPECT_EQ(s.field(id).background, Background::Normal) << qPrintable(id);
    }
    for (const QString& frame : s.frameIds())
        EXPECT_FALSE(s.frameEnabled(frame)) << qPrintable(frame);
    answerFully(*c.interview, s);
    answer(s, GetParam().closing);
    Client<Section> fresh(GetParam().module);
    EXPECT_FALSE(sameState(s, fresh.pane));
    for (const Field* list : lists())
        s.setItems(list->id, {"stale"});
    c.reset();
    EXPECT_TRUE(sameState(s, fresh.pane));
    for (const Field* list : lists()) {
        const Field& start = fresh.pane.field(list->id);
        EXPECT_TRUE(list->items.size() > 1 && list->items == start.items) << qPrintable(list->id);
        EXPECT_EQ(list->codes, start.codes) << qPrintable(list->id);
    }
}

// Each checked box, found by the number past 32 bits that every check refuses: both
// bounds pass, one past either (or no number) is refused with the "Input Error" box, the box is
// emptied and the focus goes back; a single digit is padded where the box asks.
TEST_P(EverySection, EveryRangeCheckKeepsItsBoundsAndPadding) {
    struct Check {
        QString id;
        Event event;
        qint32 min, max;
    };
    QList<Check> checks;
    const auto enter = [&](const QString& id, Event event, const QString& text) {
        c.prompts.clear();
        s.setText(id, {});
        s.setText(id, text);
        if (event == Event::Leave) s.leave(id);
        if (event == Event::Click) s.textClick(id);
        return inputErrors();
    };
    static const QRegularExpression bounds("between (-?\\d+) and (-?\\d+)$");
    for (const QString& id : s.fieldOrder()) {
        if (s.field(id).kind != FieldKind::Text || s.field(id).multiLine) continue;
        for (Event event : {Event::Change, Event::Leave, Event::Click}) {
            const QStringList boxes = enter(id, event, "99999999999");
            if (boxes.isEmpty()) continue;
            const auto m = bounds.match(boxes.first());
            ASSERT_TRUE(m.hasMatch()) << qPrintable(boxes.first());
            checks.append({id, event, m.captured(1).toInt(), m.captured(2).toInt()});
            break;
        }
        s.setText(id, {});
    }
    EXPECT_EQ(checks.size(), GetParam().checkedBoxes);

    for (const Check& k : checks) {
        SCOPED_TRACE(k.id.toStdString());
        openEverything();
        for (qint32 value : {k.min, k.max}) {
            EXPECT_EQ(enter(k.id, k.event, QString::number(value)), QStringList());
            EXPECT_EQ(s.text(k.id).toInt(), value);
        }
        for (const QString& value : {QString::number(k.min - 1), QString::number(k.max + 1),
                                     QString("1e2"), QString("x")}) {
            openEverything();
            EXPECT_EQ(enter(k.id, k.event, value),
                      QStringList{"Critical|Input Error|" + inputErrorText(k.min, k.max)});
            EXPECT_EQ(s.text(k.id), "");
            EXPECT_EQ(focused(c.prompts).last(), k.id);
        }
        const QString digit = QString::number(std::min(k.max, 9));
        if (k.max < 0 || k.min > 9) continue;
        const bool pads = GetParam().padded.contains(s.field(k.id).stem);
        enter(k.id, k.event, digit);
        EXPECT_EQ(s.text(k.id), pads ? '0' + digit : digit);
        enter(k.id, k.event, '0' + digit);
        EXPECT_EQ(s.text(k.id), '0' + digit);
    }
}

TEST_P(EverySection, NextAndBackWalkThePagesAndHandOverAtTheEnds) {
    QList<int> forward{s.firstPage()}, backward{s.lastPage()};
    while (forward.last() >= 0 && forward.size() < 20)
        forward << s.nextPage(forward.last());
    while (backward.last() >= 0 && backward.size() < 20)
        backward << s.backPage(backward.last());
    forward.removeLast();
    backward.removeLast();
    QList<int> walk = GetParam().walk;
    QStringList placed;
    for (const Page& page : s.pages()) {
        if (GetParam().walk.isEmpty()) walk << page.index;
        placed += page.fields();
        EXPECT_EQ(page.nextCaption.isEmpty(), page.nextButton.isEmpty()) << page.index;
        EXPECT_EQ(page.backCaption.isEmpty(), page.backButton.isEmpty()) << page.index;
    }
    EXPECT_EQ(forward, walk);
    std::reverse(walk.begin(), walk.end());
    EXPECT_EQ(backward, walk);
    // The last page hands over to the next pane; only the first pane has no way back.
    EXPECT_EQ(s.page(walk.at(1))->nextCaption, kNextPage);
    EXPECT_NE(s.page(walk.first())->nextCaption, kNextPage);
    EXPECT_EQ(s.page(walk.last())->backCaption.isEmpty(), &s == c.interview->sections().first());
    // Every answer stands on one page.
    std::sort(placed.begin(), placed.end());
    QStringList declared = s.fieldOrder();
    std::sort(declared.begin(), declared.end());
    EXPECT_EQ(placed, declared);
}

INSTANTIATE_TEST_SUITE_P(Rules, EverySection, ::testing::ValuesIn(kSections),
                         [](const auto& info) { return info.param.module.mid(3).toStdString(); });

}  // namespace
}  // namespace yrn::test
