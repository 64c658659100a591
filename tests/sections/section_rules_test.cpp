// The answers' rules of every pane: first what every pane does alike, driven by its
// declarations (follow-up pairs, a new client, range checks, pages), then each
// pane's own rules as scenarios.
#include <QRegularExpression>
#include <algorithm>

#include "interview/NumericCheck.h"
#include "sections/ClientFixture.h"
#include "sections/Pages.h"
#include "sections/criminal/CriminalJusticeSection.h"
#include "sections/employment/EmploymentSection.h"
#include "sections/medical/MedicalSection.h"

namespace yrn::test {
namespace {

struct FollowUp {
    QString module;
    QStringList yes;                                // answers that open the follow-ups
    QStringList no;                                 // answers that close and empty them
    QStringList kept = {};                          // opened again as they stand
    QStringList emptied = {};                       // opened empty
    Background closed = Background::NotApplicable;  // the colour they are closed with
};
// The row of a yes/no question, after the answers that make it asked: button 1
// opens the follow-ups, button 0 closes them.
inline FollowUp yesNo(const QString& module, const QString& question, const QStringList& kept,
                      const QStringList& emptied = {}, QStringList before = {}) {
    return {module, before << question + "=1", {question + "=0"}, kept, emptied};
}
class FollowUpTest : public ::testing::TestWithParam<FollowUp> {};
// The test name of a row: its last opening answer and the closing value.
inline std::string followUpName(const ::testing::TestParamInfo<FollowUp>& info) {
    std::string name =
        (info.param.yes.last() + '_' + info.param.no.last().section('=', 1)).toStdString();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

// The field ids stem(0) to stem(count - 1).
inline QStringList rows(const QString& stem, int count) {
    QStringList ids;
    for (int i = 0; i < count; ++i)
        ids << arr(stem, i);
    return ids;
}

inline bool unanswered(const Field& f) {
    return f.text.isEmpty() && f.choice == -1 && f.position == -1 && f.check == CheckState::Clear;
}

// Gives a field an answer, typed and left or set as a file sets it: 7 (or the
// year 2007 for a box that refuses 7), the second button or item, a tick.
inline QString fill(Section& s, const QString& id, bool typed) {
    const bool text = s.field(id).kind == FieldKind::Text;
    for (const char* value : {"7", "2007"}) {
        answer(s, {id + (typed || !text ? "=" : ":=") + (text ? value : "1")});
        if (!unanswered(s.field(id))) break;
    }
    return id + '=' + shown(s.field(id));
}

// A scenario: answers as answer() takes them ("reload" checks that reading the
// saved answers gives the same pane, "reset" starts a new client, "loading" and
// "loaded" bracket answers given as a file reader gives them, "quiet" forgets the
// boxes and focus moves so far), each group followed by what the pane looks like;
// "boxes=" and "focus=" there give the boxes' titles and the focus moves since.
using Script = QList<std::pair<QStringList, QStringList>>;
template <class S>
void play(Client<S>& c, const Script& script) {
    for (const auto& [answers, expected] : script) {
        SCOPED_TRACE(answers.join(", ").toStdString());
        for (const QString& step : answers) {
            if (step == "reload")
                c.expectSameAfterReload();
            else if (step == "reset")
                c.reset();
            else if (step == "loading" || step == "loaded")
                step == "loading" ? c.interview->BeginLoading() : c.interview->EndLoading();
            else if (step == "quiet")
                c.prompts.clear();
            else
                answer(c.pane, {step});
        }
        QStringList fields;
        for (const QString& e : expected) {
            if (e.startsWith("boxes="))
                EXPECT_EQ(c.prompts.titles().join(',').toStdString(), e.mid(6).toStdString());
            else if (e.startsWith("focus="))
                EXPECT_EQ(focused(c.prompts).join(',').toStdString(), e.mid(6).toStdString());
            else
                fields << e;
        }
        EXPECT_TRUE(shows(c.pane, fields, true));
    }
}

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
    {"ctlMedical", 4, {}, {}, {"optChrMedProb=0", "optPresMed=0", "optPension=0", "optSmokes=0",
      "optSleepLate=0", "txtInsurance=0", "txtHospitalized=0"}},
    {"ctlEmployment", 21, {"txtStartJobM", "txtLeaveJobM"}, {},
     {"optProfession=0", "optContributor=0", "cboJobtype=14", "optMoneyOwed(4)=0"}},
    {"ctlDrugs", 58, {"txtAge1stUse", "txtDaysUsedLast30", "txtYearsUsedLife"}, {0, 1, 5, 6, 7, 8},
     {"optEverUse(4)=0", "optAAL=0", "optAlcTreat=0", "optDrugTreat=0", "cboMajorSubstance=13"}},
    {"ctlCriminalJustice", 21, {}, {}, {"optPresAwCharges=0"},
     "txtOther|cboLastIncarceration|opt(ReasonIncar|AwaitCharges)\\(\\d+\\)|txtOther(Incarceration|ChargeAwaited)"},
    {"ctlFamilySocialHistory", 11, {}, {}, {"cboMaritalStatus=5", "optHomeless=0"}},
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
        // A page the walk passes by (the drug comments) has no buttons leading on.
        EXPECT_TRUE(walk.contains(page.index) || page.nextButton.isEmpty()) << page.index;
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

// --- The locator pane ---

struct LocatorTest : ::testing::Test, Client<LocatorSection> {};

TEST_F(LocatorTest, DatesMoveOnWhenFullAndAreCheckedOnLeaving) {
    play(*this,
         {{steps("txtAssessmentDate1:=1;txtAssessmentDate1:=12;txtAssessmentDate2:=07;"
                 "txtAssessmentDate3:=20;txtTime1:=10;txtTime2:=60"),
           {"focus=txtAssessmentDate2,txtAssessmentDate3,txtTime2", "boxes="}},
          {{"txtAssessmentDate3>"}, {"boxes=Input Error"}},  // a year refused is no date
          {steps("quiet;loading;txtAssessmentDate1:=05;txtAssessmentDate2:=09;txtTime1:=11;loaded"),
           {"focus="}},
          // The wrong values stay; while a client is read, the box but no focus move.
          {steps("txtAssessmentDate1:=02;txtAssessmentDate2:=30;txtAssessmentDate3:=2001;quiet;"
                 "txtAssessmentDate3>;loading;txtAssessmentDate3>;loaded"),
           {"boxes=Incorrect Date,Incorrect Date", "focus=txtAssessmentDate1",
            "txtAssessmentDate2=30"}},
          // A leap day and an empty year pass.
          {steps("quiet;txtAssessmentDate2:=29;txtAssessmentDate3=2000;txtAssessmentDate2:=30;"
                 "txtAssessmentDate3="),
           {"boxes="}}});
    answer(pane, steps("txtAssessmentDate3:=2001;txtAssessmentDate3>"));
    EXPECT_EQ(lastBox(prompts),
              "Critical|Incorrect Date|Invalid assessment date!!\r\n"
              "Please check months and dates and change.");
}

// --- The demographic pane ---

struct DemographicRules : ::testing::Test, Client<DemographicSection> {
    void fillRow(int r) {
        answer(pane, {arr("optGender", r) + "=1", arr("txtChildsDOBM", r) + "=4",
                      arr("txtChildsDOBD", r) + "=15", arr("txtChildsDOBY", r) + "=2001",
                      arr("cboChildSupport", r) + "=0"});
    }
    bool rowFilled(int r) const {
        return pane.choice(arr("optGender", r)) == 1 &&
               pane.text(arr("txtChildsDOBM", r)) == "04" &&
               pane.position(arr("cboChildSupport", r)) == 0;
    }
    bool rowEmptyAndClosed(int r) const {
        for (const QString& id : DemographicSection::childRowFields(r))
            if (pane.field(id).enabled || !unanswered(pane.field(id))) return false;
        return true;
    }
    QString q12() const { return pane.label("lblQuestion11") + '|' + pane.label("lblQ11Caption"); }
};

TEST_F(DemographicRules, SexWordsQuestion12OriginAsksTheYearsAndTheControlledEnvironmentTable) {
    EXPECT_EQ(q12(), "You must go back and select client's sex before answering question 12.|");
    play(*this,
         {{{"optSex=0", "optOrigin=1"}, {"txtPregnancies=", "txtYearsUS=", "focus=txtYearsUS"}}});
    EXPECT_EQ(q12(), "12.    How many pregnancies have you been responsible for?|Pregnancies");
    play(*this, {{{"optSex=1", "reload"}, {}}});
    EXPECT_EQ(q12(), "12.    How many times have you been pregnant?|Times");
    play(*this, {{{"reset", "optContEnv=1", "optJail=0", "optOther=0"},
                  {"txtJailDays=0 (off)", "txtOther= (off)"}},
                 {{"optJail=1"}, {"txtJailDays="}},
                 {{"txtJailDays=4", "optOther=1", "txtOther=Halfway house", "optPsy=0", "reload"},
                  {"txtJailDays=4", "txtOther=Halfway house", "txtPsychiatricDays=0 (off)"}},
                 // "No" empties every box (no "0") and greys the table out.
                 {{"optContEnv=0", "reload"},
                  {"txtOther= (off) [n/a]", "txtJailDays= (off) [n/a]",
                   "txtPsychiatricDays= (off) [n/a]", "optPsy=-1 (off) [n/a]"}},
                 {{"optContEnv=1", "reload"}, {"txtPsychiatricDays=", "optJail=-1"}}});
    EXPECT_TRUE(pane.frameEnabled("fmeControlledEnv"));
}

TEST_F(DemographicRules, NoLiveBirthResetsTheChildrenPageAndTheCountOpensRowsLosingNoneWhileTyped) {
    play(*this, {{{"optSex=1", "txtPregnancies:=3"}, {"txtLiveBirths="}}});
    answer(pane, steps("txtLiveBirths=2;txtFirstBaby=19;txtChildren=2"));
    fillRow(1);
    type("txtChildSupportOrdered", "200");
    EXPECT_TRUE(pane.nextPage(1) == 2 && pane.backPage(3) == 2);
    expectSameAfterReload();
    for (const char* none : {"0", "00"}) {  // leaving live births at none
        answer(pane, {"txtChildren=1"});
        fillRow(0);
        type("txtLiveBirths", none);
        EXPECT_TRUE(shows(pane, {"txtChildren=0", "txtFirstBaby=", "txtChildSupportOrdered="}));
        EXPECT_TRUE(rowEmptyAndClosed(0) && rowEmptyAndClosed(1)) << none;
        EXPECT_TRUE(pane.nextPage(1) == 3 && pane.backPage(3) == 1) << none;
    }
    expectSameAfterReload();
    // No pregnancy closes live births at a "0" never left: leaving the pregnancies
    // resets the page; a "0" on the way to "05" loses nothing.
    answer(pane, {"txtLiveBirths=1", "txtChildren=1"});
    fillRow(0);
    answer(pane, {"txtPregnancies:=0", "txtPregnancies=05"});
    EXPECT_TRUE(rowFilled(0));
    play(*this, {{{"txtPregnancies=0", "reload"}, {"txtLiveBirths=0 (off)"}}});
    EXPECT_TRUE(rowEmptyAndClosed(0));
    // Leaving an unchanged "0" keeps the page's answers; a "0" just typed resets it.
    play(*this,
         {{{"txtChildSupportOrdered=200", "txtPregnancies=0"}, {"txtChildSupportOrdered=200"}},
          {{"txtPregnancies=2", "txtPregnancies=0"}, {"txtChildSupportOrdered="}}});
    reset();
    type("txtChildren", "3");
    for (int i = 0; i < 3; ++i)
        fillRow(i);
    play(*this, {{{"reload"}, {"cboCustody(2)=", "cboCustody(3)= (off) [n/a]"}},
                 {{"txtChildren:=1"}, {"cboCustody(1)= (off) [n/a]"}}});
    // The rows closed while typed are held: shown empty, their answers kept.
    EXPECT_TRUE(pane.field("txtChildsDOBM(2)").held && rowFilled(2));
    EXPECT_FALSE(pane.field("txtChildsDOBM(0)").held);
    answer(pane, {"txtChildren=10"});
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(pane.usable(arr("cboCustody", i)) && !pane.field(arr("cboCustody", i)).held);
    EXPECT_TRUE(rowFilled(1) && rowFilled(2));
    expectSameAfterReload();
    pane.setText("txtChildren", "1");  // typed, not left: final once saved
    expectSameAfterReload();
    EXPECT_TRUE(rowFilled(0) && rowEmptyAndClosed(1) && rowEmptyAndClosed(2));
    // A refused count (emptied) ends the rows the count typed before it had closed.
    type("txtChildren", "3");
    fillRow(1);
    fillRow(2);
    answer(pane, {"txtChildren:=1", "txtChildren:=11"});
    EXPECT_TRUE(shows(pane, {"txtChildren="}));
    pane.leave("txtChildren");
    EXPECT_TRUE(rowFilled(0) && rowEmptyAndClosed(1) && rowEmptyAndClosed(2));
    pane.setText("txtChildren", "0");  // a 0 typed changes no row; left, it empties all
    EXPECT_TRUE(rowFilled(0));
    pane.leave("txtChildren");
    EXPECT_TRUE(rowEmptyAndClosed(0));
    expectSameAfterReload();
    // A click checks 1 to 10.
    prompts.clear();
    answer(pane, {"txtChildren:=0", "txtChildren@"});
    EXPECT_EQ(lastBox(prompts), "Critical|Input Error|" + inputErrorText(1, 10));
}

// --- The medical pane ---

// The six buttons of question 12 as "1001-1" gives them ('-': none), open or closed.
QStringList insurance(const QString& answers, bool open = true) {
    QStringList out;
    for (int i = 0; i < MedicalSection::kInsuranceRows; ++i)
        out << arr("optHealthInsurance", i) + '=' +
                   (answers[i] == '-' ? QString("-1") : QString(answers[i])) +
                   (open ? "" : " (off) [n/a]");
    return out;
}

struct MedicalRules : ::testing::Test, Client<MedicalSection> {};

TEST_F(MedicalRules, ACountTypedThroughZeroKeepsTheLastHospitalization) {
    const QString last = "cboLastHospitalized=more than 3 years ago";
    play(*this,
         {{{"txtHospitalized=2", "cboLastHospitalized=4", "txtHospitalized:=20",
            "txtHospitalized:=0"},
           {last + " (off) [n/a]"}},
          {{"txtHospitalized:=30"}, {last}},
          {{"txtHospitalized=30"}, {"txtHospitalized=", last}},  // refused
          {{"txtHospitalized=15", "txtHospitalized=", "txtHospitalized:=x"}, {last}},
          {{"txtHospitalized=00", "reload"}, {"cboLastHospitalized= (off) [n/a]"}},
          // A count past 32 bits (a file may hold one) is no 0.
          {{"txtHospitalized:=4294967296"}, {"cboLastHospitalized="}},
          // Answers typed but not left are final when saved.
          {steps("optHealthInsurance(0)=1;optHealthInsurance(1)=1;txtInsurance=6;"
                 "txtInsurance:=0;reload"),
           insurance("------", false)},
          // The kinds of insurance are emptied only when the months cross zero.
          {steps("reset;optHealthInsurance(0)=1;optHealthInsurance(1)=0;optHealthInsurance(2)=0;"
                 "optHealthInsurance(3)=1;optHealthInsurance(5)=1;txtInsurance=6;txtInsurance=5"),
           insurance("1001-1")},
          {{"txtInsurance=", "reload", "txtInsurance=12"}, insurance("1001-1")},
          {{"txtInsurance=", "txtInsurance=0"}, insurance("------", false)},
          {{"txtInsurance=13"}, insurance("------", false) << "txtInsurance="},
          // Only its own row opens "Specify".
          {{"txtOtherHI=plan", "optHealthInsurance(0)=0", "optHealthInsurance(4)=0"},
           {"txtOtherHI=plan"}},
          // A new client has no months settled: months open the kinds as they stand.
          {{"reset", "optHealthInsurance(1)=1", "txtInsurance=6"}, insurance("-1----")}});
}

// --- The education and employment pane ---

TEST(EmploymentRules, NeverHadAJobEmptiesTheLeaveDatesAndLeavesTheirStateToQuestion6) {
    Client<EmploymentSection> c;
    play(c, {{{"optCurrEmp=0", "txtLeaveJobM=10", "txtLeaveJobY=2000", "txtLastJobY=2",
               "cboJobtype=14"},
              {"txtLeaveJobM=", "txtLeaveJobY=", "txtLastJobY=2", "txtStartJobM= (off) [n/a]"}},
             {{"optCurrEmp=1", "cboJobtype=3", "cboJobtype=14", "cboJobtype=3", "reload"},
              {"txtLeaveJobM= (off) [n/a]", "txtStartJobM="}},
             // Only the last debt names its debts.
             {{"optMoneyOwed(4)=1", "txtOtherDebt:=card", "optMoneyOwed(3)=0"},
              {"txtOtherDebt=card"}}});
}

// --- The drug and alcohol pane ---

struct DrugsRules : ::testing::Test, Client<DrugsSection> {
    DrugCommentDialogModel& dialog = pane.commentDialog();
};

// Typed and written before "Yes": kept; "No" empties the comment and the button
// goes off and plain. One blank is a comment; nothing at all is none.
TEST_F(DrugsRules, CommentsAbstinenceAndOutpatientDays) {
    type(arr("txtAge1stUse", 3), "9");
    writeComment(pane, 3, "first tried at a party");
    EXPECT_TRUE(pane.commentIndicator(3));
    prompts.clear();
    // Yes moves on, not No; not again, nor while loading.
    play(*this, {{{"optEverUse(3)=1"}, {"txtAge1stUse(3)=09", "optDrugComments(3)=-1"}},
                 {{"optEverUse(3)=0", "reload"},
                  {"optDrugComments(3)=-1 (off)", "focus=txtAge1stUse(3)"}}});
    EXPECT_FALSE(pane.commentIndicator(3));
    play(*this, {{steps("optEverUse(3)=1;optEverUse(3)=1;loading;optEverUse(4)=1;loaded"),
                  {"focus=txtAge1stUse(3),txtAge1stUse(3)"}}});
    writeComment(pane, 7, " ");
    EXPECT_TRUE(pane.commentIndicator(7));
    writeComment(pane, 7, "");
    EXPECT_FALSE(pane.commentIndicator(7));
    reset();
    // The dialog's model: OK returns, Cancel keeps, a second row or a new client cancels.
    int told = 0;
    dialog.observe([&] { ++told; });
    answer(pane, {"optEverUse(2)=1", "optDrugComments(2)=0"});
    EXPECT_TRUE(dialog.isOpen() && told == 1 && dialog.index() == 2 && dialog.comments() == "");
    EXPECT_EQ(dialog.label(), "Cocaine comments");
    dialog.setComments("uses\r\nat weekends");
    dialog.OKButton();
    EXPECT_TRUE(!dialog.isOpen() && told == 2);
    const QStringList kept{"txtDrugComments(2)=uses\r\nat weekends", "optDrugComments(2)=-1"};
    EXPECT_TRUE(shows(pane, kept));  // the button can be clicked again
    answer(pane, {"optDrugComments(2)=0"});
    EXPECT_EQ(dialog.comments(), "uses\r\nat weekends");
    dialog.setComments("thrown away");
    dialog.CancelButton();
    EXPECT_TRUE(!dialog.isOpen() && shows(pane, kept) && pane.commentIndicator(2));
    answer(pane, {"optDrugComments(2)=0"});
    dialog.setComments("lost");
    answer(pane, {"optDrugComments(4)=0"});
    EXPECT_TRUE(dialog.index() == 4 && shows(pane, kept));
    dialog.setComments("of the old client");
    reset();
    EXPECT_FALSE(dialog.isOpen());
    dialog.OKButton();
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(pane.text(arr("txtDrugComments", i)), "");
    EXPECT_TRUE(prompts.boxes.isEmpty());
    // A row outside the table is a program error.
    pane.ReturnComments("x", "Heroin comments", 12);
    pane.CancelledComments(-1);
    EXPECT_EQ(prompts.titles(), (QStringList{"Program Error", "Program Error"}));
    const QString days = "txtOutpatientSettingPast30=";
    play(*this,
         {{{"reset", "cboMajorSubstance=13"}, {"chkAbstinence=1 (off)"}},
          {{"cboMajorSubstance=0"}, {"chkAbstinence=0"}},
          {{"chkAbstinence=2"}, {"txtEndAbstinence= (off) [n/a]"}},
          // Choosing the chosen substance again leaves the box as it is.
          {{"chkAbstinence=1", "cboMajorSubstance=0", "reload"},
           {"chkAbstinence=1", "txtMonthsAbstinence= (off) [n/a]"}},
          // Question 11 closes only when neither alcohol nor drugs were treated.
          {{"optDrugTreat=1", "txtOutpatientSettingPast30=5", "optAlcTreat=0"}, {days + "5"}},
          {{"reset", "optAlcTreat=1", "txtOutpatientSettingPast30=4", "optDrugTreat=0", "reload"},
           {days + "4"}},
          {{"optAlcTreat=0", "reload"}, {days + " (off) [n/a]"}},
          {{"optDrugTreat=1"}, {days}},
          {{"reset", "optDrugTreat=1", "txtOutpatientSettingPast30=3", "optAlcTreat=1"},
           {days + "3"}}});
}

// --- The criminal justice pane ---

// Every row of a list as "stem(i)=shown".
QStringList all(const QString& stem, const QString& shown) {
    QStringList out;
    for (const QString& id : rows(stem, CriminalJusticeSection::kCrimeRows))
        out << id + '=' + shown;
    return out;
}

struct CriminalRules : ::testing::Test, Client<CriminalJusticeSection> {};

TEST_F(CriminalRules, Question5ResetsQuestions6And7AndTheRow18CountKeepsTheCrimeWhileCorrected) {
    play(*this,
         {{{}, all("txtCharges", "0") + all("optReasonIncar", "-1 (off)")},
          {{"cboIncarceration=0"},
           all("optReasonIncar", "-1 (off) [n/a]") << "txtOtherIncarceration= (off) [n/a]"},
          {{"cboIncarceration=2"},
           all("optReasonIncar", "0") << "txtOtherIncarceration= (off) [n/a]"},
          // A corrected period keeps the last incarceration and every reason.
          {{"cboLastIncarceration=1", "optReasonIncar(3)=1", "optReasonIncar(18)=1",
            "txtOtherIncarceration=trespassing", "cboIncarceration=3", "reload"},
           {"cboLastIncarceration=1-3 months", "optReasonIncar(3)=1", "optReasonIncar(18)=1",
            "txtOtherIncarceration=trespassing"}},
          // No answer closes them painted as unanswered.
          {{"cboIncarceration=-1"},
           all("optReasonIncar", "-1 (off) [n/a]") << "txtOtherIncarceration= (off)"
                                                   << "cboLastIncarceration= (off)"},
          {{"cboIncarceration=6", "optReasonIncar(17)=1"},
           all("optReasonIncar", "0").mid(0, 17) << "txtOtherIncarceration= (off) [n/a]"},
          // Question 8's "Yes" opens the rows cleared; "Specify" waits for row 18.
          {{"optPresAwCharges=1", "optAwaitCharges(17)=1"}, {"txtOtherChargeAwaited= (off)"}},
          {{"optReasonIncar(17)=0", "optReasonIncar(3)=1", "optReasonIncar(18)=1",
            "txtOtherIncarceration=trespassing"},
           {"boxes="}}});
    EXPECT_EQ(pane.incarcerationList(), "drug charges ; trespassing ");
    // Row 18's count: a 0 closes "Specify" and keeps the crime, so that a count
    // corrected through "0" keeps it; a count after a final 0 asks for it afresh.
    const QString count = "txtCharges(18)";
    play(*this,
         {{{"reset", count + "@", count + "=2", "txtOther=trespassing", "reload"},
           {"txtOther=trespassing"}},
          {{count + "@", count + ":=", count + "=3"}, {"txtOther=trespassing"}},
          {{count + "=10", count + "@", count + ":=0"}, {"txtOther=trespassing (off) [n/a]"}},
          {{count + "=20"}, {"txtOther=trespassing"}},
          {{count + "=0", count + "=000"}, {"txtOther=trespassing (off) [n/a]"}},
          {{count + "=1"}, {"txtOther="}},
          {{"txtOther=arson", count + "=0"}, {"txtOther=arson (off) [n/a]"}}});
    QTemporaryDir dir;
    ASSERT_TRUE(pane.SaveYRN(dir.filePath("CriminalJustice.YRN")));
    reset();
    EXPECT_TRUE(load(dir.filePath("CriminalJustice.YRN")).complete);
    EXPECT_TRUE(shows(pane, {count + "=0", "txtOther=arson (off)"}));
    // So does a 0 read from a file, once the box is come to again.
    play(*this, {{{count + "@", count + ":=3"}, {"txtOther="}},
                 // Past 32 bits (a damaged file) is no 0; leaving refuses it.
                 {{"txtOther=arson", count + ":=99999999999"}, {"txtOther=arson"}},
                 {{count + "=99999999999"}, {count + "=", "txtOther=arson", "boxes=Input Error"}}});
    const QString box = "txtCharges(4)";
    play(*this, {{{"reset", box + "@"}, {box + "="}},
                 {{box + "=3", box + "@"}, {box + "=3"}},
                 {{box + "=00", box + "@"}, {box + "=00"}},
                 {{box + "="}, {box + "=", "boxes="}}});  // left empty: accepted
    EXPECT_EQ(pane.chargesList(), "no charges");
    pane.setText(box, "0");
    interview->BeginLoading();  // while a client is read nothing is emptied
    pane.textClick(box);
    interview->EndLoading();
    EXPECT_EQ(pane.text(box), "0");
}

// --- The family and social pane ---

struct FamilyRules : ::testing::Test, Client<FamilySocialSection> {};

// A relative's row is cells r, r + 14 and r + 28 (alcohol, drugs, psychiatric).
TEST_F(FamilyRules, NoRelativeSpreadsAndNeverMarriedZeroesTheCounts) {
    play(*this,
         {{{"optFamilyHistory(17)=3"}, {"optFamilyHistory(3)=3", "optFamilyHistory(31)=3"}},
          {{"optFamilyHistory(21)=1", "optFamilyHistory(7)=3"},
           {"optFamilyHistory(21)=3", "optFamilyHistory(35)=3"}},
          {{"optFamilyHistory(41)=3", "optFamilyHistory(41)=1"},
           {"optFamilyHistory(13)=3", "optFamilyHistory(27)=3", "optFamilyHistory(41)=1"}},
          {{"optFamilyHistory(0)=2"}, {"optFamilyHistory(14)=-1", "optFamilyHistory(28)=-1"}}});
    int answered = 0;
    for (int i = 0; i < 3 * FamilySocialSection::kRelatives; ++i)
        answered += pane.choice(arr("optFamilyHistory", i)) != -1;
    EXPECT_EQ(answered, 10);

    interview->BeginLoading();  // a stored row of mixed answers stays as it is
    answer(pane, {"optFamilyHistory(2)=1", "optFamilyHistory(16)=2", "optFamilyHistory(30)=3"});
    interview->EndLoading();
    play(*this, {{{}, {"optFamilyHistory(2)=1", "optFamilyHistory(16)=2"}},
                 {{"optFamilyHistory(30)=0", "optFamilyHistory(30)=3"},
                  {"optFamilyHistory(2)=3", "optFamilyHistory(16)=3", "boxes="}}});
    play(*this, {{{"reset", "txtTimesMarried:=2", "txtTimesDivorced:=1", "cboMaritalStatus=5"},
                  {"txtTimesMarried=0 (off)", "txtTimesDivorced=0 (off)"}},
                 {{"cboMaritalStatus=4"}, {"txtTimesMarried=0", "txtTimesDivorced=0"}},
                 {{"cboMaritalStatus=5", "cboMaritalStatus=-1"},
                  {"txtTimesMarried=0", "txtTimesDivorced=0"}},
                 {{"txtTimesMarried:=2", "txtTimesDivorced:=1", "txtTimesMarried:=0"},
                  {"txtTimesDivorced=0 (off)"}},
                 {{"txtTimesMarried:=3"}, {"txtTimesDivorced=0"}},
                 {{"txtTimesMarried:=0", "txtTimesMarried:="}, {"txtTimesDivorced=0", "boxes="}}});
}

}  // namespace
}  // namespace yrn::test
