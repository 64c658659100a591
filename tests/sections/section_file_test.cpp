// Every section file, read and written as an open and a save do: the hand-written
// client of each section field by field, the bytes written back, other encodings
// and line ends, a file cut after every field, values that are no answer, junk,
// and clicked answers that come back after a save. Then what one section's file
// alone does.
#include "records/ClientFolder.h"
#include "records/FieldCodec.h"
#include "sections/ClientFixture.h"
#include "sections/criminal/CriminalFixture.h"
#include "sections/drugs/DrugsClient.h"
#include "sections/employment/EmploymentAnswers.h"
#include "sections/family/FamilyAnswers.h"
#include "sections/medical/MedicalAnswers.h"
#include "sections/mental/MentalAnswers.h"
#include "support/SectionLayouts.h"

namespace yrn::test {
namespace {

// A whole interview and the pane of one section file, read after a reset as an
// open reads it.
struct Pane {
    explicit Pane(const QString& fileName)
        : layout(layoutOf(fileName)), pane(*interview->section(layout.module)) {}
    LoadResult read(const QString& file) {
        interview->BeginLoading();
        pane.NewYRN();
        prompts.clear();
        const LoadResult result = pane.LoadClientYRN(file);
        interview->EndLoading();
        return result;
    }
    LoadResult load(const QByteArray& bytes) {
        writeFile(path, bytes);
        return read(path);
    }
    LoadResult load(const QList<StoredField>& fields) {
        return load(SectionLayout{{}, {}, layout.last, fields}.windowsFile());
    }
    // The stored fields from..to show as the layout says, open or closed as it says
    // unless only the values count.
    ::testing::AssertionResult showsLayout(qsizetype from = 0, qsizetype to = -1,
                                           bool usability = true) const {
        QStringList wrong;
        for (qsizetype i = from; i < (to < 0 ? layout.fields.size() : to); ++i) {
            const StoredField& f = layout.fields.at(i);
            QString want = expectedShow(pane, f), got = f.id + '=' + shown(pane.field(f.id));
            if (!usability)
                want.remove(" (off)");
            else if (!pane.usable(f.id))
                got += " (off)";
            if (got != want) wrong << got + " instead of " + want;
        }
        if (wrong.isEmpty()) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << qPrintable(wrong.join('\n'));
    }
    bool quiet() const { return prompts.boxes.isEmpty() && prompts.focusRequests.isEmpty(); }

    const SectionLayout& layout;
    RecordingPrompts prompts;
    std::unique_ptr<Interview> interview = makeInterview(prompts);
    Section& pane;
    QTemporaryDir dir;
    const QString path = dir.filePath(layout.fileName);
    QList<StoredField> fields = layout.fields;
};

class SectionFile : public ::testing::TestWithParam<QString>, public Pane {
  protected:
    SectionFile() : Pane(GetParam()) { fresh.read({}); }
    Pane fresh{GetParam()};  // as a reset leaves it
};

TEST_P(SectionFile, ReadsTheHandWrittenFileFieldByFieldAndWritesTheSameBytesBack) {
    const QByteArray windows = layout.windowsFile();
    EXPECT_TRUE(load(windows).complete);
    EXPECT_TRUE(quiet()) << lastBox(prompts).toStdString();
    EXPECT_TRUE(showsLayout());
    ASSERT_TRUE(pane.SaveYRN(path));
    EXPECT_EQ(readFile(path), windows);

    // UTF-8 behind its mark with LF line ends, and lone CR line ends, read alike.
    const QStringList windowsState = stateOf(pane);
    for (const QByteArray& bytes : {layout.utf8File(), QByteArray(windows).replace("\r\n", "\r")}) {
        EXPECT_TRUE(load(bytes).complete);
        EXPECT_TRUE(sameLines(windowsState, stateOf(pane)));
    }
}

// A file that ends after any field, or whose separator is none there: the fields
// before keep the values read, quietly, and nothing after is read. Junk, a line
// longer than any answer and values too large for any box never crash.
TEST_P(SectionFile, AFileCutAfterAnyFieldKeepsWhatWasReadAndJunkNeverCrashes) {
    const QStringList lines = layout.lines();
    for (qsizetype k = 0; k < lines.size(); ++k) {
        SCOPED_TRACE("cut after field " + fields.at(k).id.toStdString());
        const QByteArray head = windowsSectionFile(lines.mid(0, k), LastField::Separated);
        const QByteArray value = windows1252(lines.at(k)) + "\r\n";
        // A comment of several lines runs on over a line that is no separator, as an
        // older program wrote it.
        const bool lastBare = k + 1 == lines.size() && layout.last == LastField::Bare;
        const int kind = lastBare                                           ? 1
                         : k % 3 == 2 && pane.field(fields[k].id).multiLine ? 0
                                                                            : k % 3;
        const LoadResult result =
            load(kind == 0   ? head
                 : kind == 1 ? head + value
                             : head + value + "x\r\n" + windowsSectionFile(lines.mid(k + 1)));
        EXPECT_TRUE(result.found);
        EXPECT_EQ(result.complete, lastBare);
        EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
        const qsizetype read = kind == 0 ? k : k + 1;
        EXPECT_TRUE(showsLayout(0, read, false));
        if (read < lines.size()) {
            EXPECT_EQ(shown(pane.field(fields.last().id)),
                      shown(fresh.pane.field(fields.last().id)));
        }
    }

    EXPECT_FALSE(load(junkBytes(37, 11)).complete);
    EXPECT_FALSE(load(QByteArray()).complete);
    EXPECT_TRUE(sameState(pane, fresh.pane));
    fields[1].line = QString(SectionReader::kMaxLineChars + 1, 'x');
    EXPECT_FALSE(load(fields).complete);
    EXPECT_TRUE(sameState(pane, fresh.pane));
    EXPECT_TRUE(quiet());
    for (StoredField& f : fields)
        f.line = "99999999999";
    EXPECT_TRUE(load(fields).found);
    for (const auto& box : prompts.boxes)
        EXPECT_TRUE(box.title == "Program Error" || box.title == "Input Error")
            << box.text.toStdString();
    EXPECT_FALSE(read(dir.filePath("Missing.YRN")).found);
}

// A list value that is no number, or a position one past the list: the reader's
// box, the list unanswered, the rest read; the last position reads. A button the
// question lacks reads as no answer.
TEST_P(SectionFile, AValueThatIsNoAnswerIsReportedOrLeftUnanswered) {
    QStringList ids;
    for (const StoredField& f : layout.fields)
        if (pane.field(f.id).kind != FieldKind::Text && !ids.contains(f.id)) ids << f.id;
    const auto with = [this](const QString& id, const QString& line) {
        QList<StoredField> changed = layout.fields;
        for (StoredField& f : changed)
            if (f.id == id) f.line = line;
        return changed;
    };
    for (const QString& id : ids) {
        SCOPED_TRACE(id.toStdString());
        const Field field = pane.field(id);
        if (field.kind == FieldKind::Option) {
            EXPECT_TRUE(load(with(id, "-1")).complete);
            const QStringList unanswered = stateOf(pane);
            EXPECT_TRUE(load(with(id, QString::number(field.captions.size()))).complete);
            EXPECT_TRUE(sameLines(unanswered, stateOf(pane)));
            EXPECT_TRUE(quiet());
        }
        if (field.kind != FieldKind::List) continue;
        for (const QString& bad : {QString("abc"), numberForm(field.items.size())}) {
            if (field.hasCodes() && bad != "abc") continue;
            EXPECT_FALSE(load(with(id, bad)).complete);
            QStringList titles = prompts.titles();
            titles.removeDuplicates();
            EXPECT_EQ(titles, QStringList{"Program Error"});
            EXPECT_TRUE(prompts.last().text.startsWith("Error in module MainModule.LoadCombo"));
            EXPECT_EQ(pane.position(id), -1);
            EXPECT_TRUE(showsLayout(fields.size() - 1));
        }
        if (field.hasCodes()) continue;
        EXPECT_TRUE(load(with(id, numberForm(field.items.size() - 1))).complete);
        EXPECT_EQ(pane.listText(id), field.items.last());
    }
}

// Answers clicked in as a person answers, then the answers that close what they
// govern, each saved and read into another interview: the pane comes back as it
// was, quietly, whatever its comments hold.
TEST_P(SectionFile, EveryAnswerAndEveryClosedBoxComesBackAfterASave) {
    const auto roundTrip = [this](const char* step) {
        SCOPED_TRACE(step);
        ASSERT_TRUE(pane.SaveYRN(path));
        Pane other(layout.fileName);
        EXPECT_TRUE(other.read(path).complete);
        EXPECT_TRUE(sameState(pane, other.pane));
        EXPECT_TRUE(other.quiet()) << lastBox(other.prompts).toStdString();
    };
    load(layout.windowsFile());
    for (const QString& id : pane.fieldOrder())
        if (pane.field(id).multiLine) pane.setText(id, " one\r\n;\r\n-1\r\n\u0141\u00f3d\u017a ");
    roundTrip("the hand-written client, with comments of several lines");
    EXPECT_TRUE(readFile(path).startsWith("\xEF\xBB\xBF"));

    read({});
    Section& s = pane;
    Section& locator = *interview->section("ctlLocatorInformation");
    auto& drugs = static_cast<DrugsSection&>(*interview->section("ctlDrugs"));
    // clang-format off
    const QMap<QString, std::function<void()>> answer{
        {"Location.YRN", [&] { nameClient(locator); }},
        {"Demographic.YRN", [&] { answerDemographic(locator, s); }},
        {"Medical.YRN", [&] { answerMedical(s); }},
        {"Employment.YRN", [&] { answerEmployment(s); }},
        {"Drugs.YRN", [&] { answerDrugs(drugs); writeComment(drugs, 8, ""); }},
        {"CriminalJustice.YRN", [&] { answerCriminal(s); }},
        {"FamilySocial.YRN", [&] { answerFamily(s); }},
        {"MentalHealth.YRN", [&] { answerMental(s); }}};
    const QMap<QString, std::function<void()>> closing{
        {"Location.YRN", [&] { s.choose("optWorking", 0); }},
        {"Medical.YRN", [&] { for (const char* id : {"optChrMedProb", "optPension", "optSmokes"}) s.choose(id, 0);
                              typeAndLeave(s, "txtHospitalized", "0"); typeAndLeave(s, "txtInsurance", "00"); }},
        {"Employment.YRN", [&] { for (const char* id : {"optDrLic", "optCurrEmp", "optContributor"}) s.choose(id, 0); }},
        {"Drugs.YRN", [&] { drugs.choose("optEverUse(9)", 0); drugs.setCheck("chkAbstinence", CheckState::Ticked); }},
        {"CriminalJustice.YRN", [&] { s.setPosition("cboIncarceration", 0); s.choose("optPresAwCharges", 0); }},
        {"FamilySocial.YRN", [&] { s.setPosition("cboMaritalStatus", 5); s.choose("optHomeless", 0); }}};
    // clang-format on
    answer[layout.fileName]();
    roundTrip("answered");
    if (!closing.contains(layout.fileName)) return;
    closing[layout.fileName]();
    roundTrip("closing answers");
}

INSTANTIATE_TEST_SUITE_P(EverySection, SectionFile, ::testing::ValuesIn(sectionFileNames()),
                         [](const auto& info) { return info.param.chopped(4).toStdString(); });

TEST(EverySection, HasAFileOfItsOwnThatASaveWrites) {
    RecordingPrompts prompts;
    auto interview = makeInterview(prompts);
    nameClient(*interview->section("ctlLocatorInformation"));
    QTemporaryDir dir;
    const ClientFolder::SaveOutcome saved = ClientFolder(*interview, dir.path()).SaveClientYRN();
    EXPECT_TRUE(saved.allWritten && prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    QStringList names = sectionFileNames();
    names.sort();
    EXPECT_EQ(QDir(saved.folder).entryList(QDir::Files, QDir::Name), names);
}

// Question 5 is stored twice: the second copy wins, a matching one changes nothing.
TEST(CriminalFile, TheSecondCopyOfQuestion5Wins) {
    Pane p("CriminalJustice.YRN");
    QList<StoredField>& f = p.fields;
    ASSERT_EQ(f.at(23).id, f.at(44).id);
    f[44].line = " 3 ";  // a corrected period keeps questions 6 and 7 as read
    EXPECT_TRUE(p.load(f).complete);
    EXPECT_TRUE(shows(p.pane, {"cboIncarceration=3-6 months", "cboLastIncarceration=1-3 months",
                               "optReasonIncar(3)=1", "optReasonIncar(18)=1",
                               "txtOtherIncarceration=resisting arrest \u2013 twice"}));
    f[23].line = " 0 ";  // "Never" first: the period second opens questions 6 and 7 afresh
    f[44].line = " 2 ";
    EXPECT_TRUE(p.load(f).complete);
    EXPECT_TRUE(shows(p.pane, {"cboIncarceration=1-3 months", "cboLastIncarceration=",
                               "optReasonIncar(3)=0", "optReasonIncar(18)=0"}));
    f[23].line = " 2 ";  // "Never" second: questions 6 and 7 cleared and closed
    f[44].line = " 0 ";
    EXPECT_TRUE(p.load(f).complete);
    EXPECT_TRUE(shows(p.pane, {"cboIncarceration=Never been incarcerated",
                               "cboLastIncarceration= (off)", "optReasonIncar(3)=-1 (off)"}));
    EXPECT_TRUE(p.prompts.boxes.isEmpty());
}

// The older format kept a position of another race list (0 to 9) and no
// ethnicity; no race or a code no item has is the current format.
TEST(DemographicFile, AnOlderFileAsksForRaceAndEthnicityAgainAndReadsTheRest) {
    Pane p("Demographic.YRN");
    QList<StoredField>& f = p.fields;
    EXPECT_TRUE(p.load(f).complete);
    EXPECT_EQ(p.pane.label("lblQ11Caption"), "Times");
    for (const char* race : {"-1 ", " 999 ", " 10 ", " -7 ", "40.0", " 3 "}) {
        f[9].line = race;
        EXPECT_TRUE(p.load(f).complete) << race;
        EXPECT_EQ(p.pane.listText("cboRace"), race == QString("40.0") ? "Asian" : "") << race;
        EXPECT_EQ(p.pane.choice("optEthnicity"), race == QString(" 3 ") ? -1 : 1) << race;
    }
    EXPECT_EQ(lastBox(p.prompts),
              "Information|Older version|This client was saved using an older version of the "
              "YRN. \r\nPlease re-enter the answers for Demographic questions 8 & 9.");
    EXPECT_EQ(p.pane.checkState("chkD1"), CheckState::Ticked);
    f.removeLast();  // such files end before the ethnicity answer
    EXPECT_TRUE(p.load(f).complete);
    EXPECT_EQ(p.prompts.titles(), QStringList{"Older version"});
    f[9].line = "-1 ";
    EXPECT_TRUE(p.load(f).complete);
    EXPECT_TRUE(p.quiet());
    EXPECT_TRUE(shows(p.pane, {"optEthnicity=-1", "cboLanguage=Spanish"}));
}

// An older program wrote a comment's line break raw: its lines run on up to the
// separator, and every field after it still reads in step.
TEST(DrugsFile, ARawCommentOfSeveralLinesReadsWithTheFieldsAfterItInStep) {
    Pane p("Drugs.YRN");
    auto& drugs = static_cast<DrugsSection&>(p.pane);
    EXPECT_TRUE(p.load(p.fields).complete);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(drugs.commentIndicator(i), i == 0 || i == 3 || i == 11) << i;
    p.fields[3 * 5 + 4].line = "Smokes crack with his cousin\r\nand his friends at the caf\u00e9";
    EXPECT_TRUE(p.load(p.fields).complete);
    EXPECT_TRUE(p.quiet());
    EXPECT_EQ(drugs.text("txtDrugComments(3)"),
              "Smokes crack with his cousin\nand his friends at the caf\u00e9");
    EXPECT_TRUE(drugs.commentIndicator(3));
    EXPECT_TRUE(p.showsLayout(3 * 5 + 5));
    ASSERT_TRUE(drugs.SaveYRN(p.path));
    EXPECT_EQ(readFile(p.path).count("\r\n"), 96 * 2 - 1);  // the line break kept in its field
}

// Question 7 is read before the work boxes and replays its rule; a site code no
// site has leaves the list unchosen.
TEST(LocatorFile, QuestionSevenIsReplayedAndASiteCodeNoSiteHasIsLeftUnchosen) {
    Pane p("Location.YRN");
    QList<StoredField>& f = p.fields;
    EXPECT_TRUE(p.load(f).complete);
    for (const QString& id : kWorkBoxes)
        EXPECT_EQ(p.pane.field(id).background, Background::Normal);
    f[31].line = "0";
    for (int i = 32; i < 38; ++i)
        f[i].line = "-1 ";
    EXPECT_TRUE(p.load(f).complete);
    for (const QString& id : kWorkBoxes)
        EXPECT_TRUE(shows(p.pane, {id + "= (off)"}) &&
                    p.pane.field(id).background == Background::NotApplicable);
    f[31].line = "-1";  // unanswered: the start state
    f[7].line = " 99 ";
    EXPECT_TRUE(p.load(f).complete);
    EXPECT_TRUE(shows(p.pane, {"txtWorkPlace= (off)", "txtWorkState=", "cboSite="}));
    EXPECT_TRUE(p.quiet());
}

// No month insured: the kinds of insurance are closed after the read and keep
// what the file holds.
TEST(MedicalFile, NoMonthInsuredClosesTheKindsOfInsuranceAfterTheRead) {
    Pane p("Medical.YRN");
    p.fields[21].line = "0";
    EXPECT_TRUE(p.load(p.fields).complete);
    EXPECT_TRUE(shows(p.pane, {"optHealthInsurance(0)=0 (off)", "optHealthInsurance(1)=1 (off)",
                               "optHealthInsurance(2)=-1 (off)", "txtOtherHI=county plan"}));
    EXPECT_EQ(p.pane.field("optHealthInsurance(5)").background, Background::NotApplicable);
}

}  // namespace
}  // namespace yrn::test
