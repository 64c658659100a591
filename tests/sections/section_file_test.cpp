// Every section file, read and written as an open and a save do: the hand-written
// client field by field and the bytes written back, a file cut after every field,
// values that are no answer, junk, and answers that come back after a save. Then
// what one section's file alone does.
#include "records/FieldCodec.h"
#include "sections/ClientFixture.h"
#include "support/SectionLayouts.h"

namespace yrn::test {
namespace {

// The pane of one section file in a whole interview, read after a reset as an
// open reads it.
struct Pane : Client<Section> {
    explicit Pane(const QString& fileName)
        : Client(layoutOf(fileName).module), layout(layoutOf(fileName)) {}
    LoadResult read(const QString& file) {
        reset();
        return Client::load(file);
    }
    LoadResult load(const QByteArray& bytes) {
        writeFile(path, bytes);
        return read(path);
    }
    LoadResult load(const QList<StoredField>& fields) {
        return load(SectionLayout{{}, {}, layout.last, fields}.windowsFile());
    }
    // The stored fields from..to show as the layout says (or only hold its values).
    ::testing::AssertionResult showsLayout(qsizetype from = 0, qsizetype to = -1,
                                           bool valuesOnly = false) const {
        QStringList want;
        for (const StoredField& f : layout.fields.mid(from, to < 0 ? -1 : to - from))
            want << (valuesOnly ? expectedShow(pane, f).remove(" (off)") +
                                      (pane.usable(f.id) ? "" : " (off)")
                                : expectedShow(pane, f));
        return shows(pane, want);
    }
    bool quiet() const { return prompts.boxes.isEmpty() && prompts.focusRequests.isEmpty(); }

    const SectionLayout& layout;
    QTemporaryDir dir;
    const QString path = dir.filePath(layout.fileName);
    QList<StoredField> fields = layout.fields;
};

class SectionFile : public ::testing::TestWithParam<QString>, public Pane {
  protected:
    SectionFile() : Pane(GetParam()) {}
    Pane fresh{GetParam()};  // as a reset leaves it
};

TEST_P(SectionFile, ReadsTheHandWrittenFileFieldByFieldAndWritesTheSameBytesBack) {
    const QByteArray windows = layout.windowsFile();
    EXPECT_TRUE(load(windows).complete);
    EXPECT_TRUE(quiet()) << lastBox(prompts).toStdString();
    EXPECT_TRUE(showsLayout());
    ASSERT_TRUE(pane.SaveYRN(path));
    EXPECT_EQ(readFile(path), windows);
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
        EXPECT_TRUE(showsLayout(0, read, true));
        if (read < lines.size()) {
            EXPECT_EQ(shown(pane.field(fields.last().id)),
                      shown(fresh.pane.field(fields.last().id)));
        }
    }

    EXPECT_FALSE(load(junkBytes(37, 11)).complete);
    EXPECT_FALSE(load(QByteArray()).complete);
    fields[1].line = QString(SectionReader::kMaxLineChars + 1, 'x');
    EXPECT_FALSE(load(fields).complete);
    EXPECT_TRUE(sameState(pane, fresh.pane) && quiet());
    EXPECT_FALSE(read(dir.filePath("Missing.YRN")).found);
}

// A list value that is no number, or a position one past the list: the reader's
// box, the list unanswered, and the rest read.
TEST_P(SectionFile, AListValueThatIsNoItemIsReportedAndTheRestIsRead) {
    QStringList ids;
    for (const StoredField& f : layout.fields)
        if (pane.field(f.id).kind == FieldKind::List && !ids.contains(f.id)) ids << f.id;
    const auto with = [this](const QString& id, const QString& line) {
        QList<StoredField> changed = layout.fields;
        for (StoredField& f : changed)
            if (f.id == id) f.line = line;
        return changed;
    };
    for (const QString& id : ids) {
        SCOPED_TRACE(id.toStdString());
        const Field field = pane.field(id);
        for (const QString& bad : {QString("abc"), numberForm(field.items.size())}) {
            if (field.hasCodes() && bad != "abc") continue;
            EXPECT_FALSE(load(with(id, bad)).complete);
            EXPECT_EQ(prompts.titles().join(' ').remove("Program Error").trimmed(), "");
            EXPECT_TRUE(prompts.last().text.startsWith("Error in module MainModule.LoadCombo"));
            EXPECT_EQ(pane.position(id), -1);
            EXPECT_TRUE(showsLayout(fields.size() - 1));
        }
    }
}

// Answers clicked in as a person answers, saved and read into another interview:
// the pane comes back as it was, quietly, whatever its comments hold (the closing
// answers are the follow-up rules' own reload checks).
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
    answerFully(*interview, pane);
    if (auto* drugs = dynamic_cast<DrugsSection*>(&pane)) {
        writeComment(*drugs, 8, "");
        drugs->choose("optEverUse(9)", 0);
    }
    roundTrip("answered");
}

INSTANTIATE_TEST_SUITE_P(EverySection, SectionFile, ::testing::ValuesIn(sectionFileNames()),
                         [](const auto& info) { return info.param.chopped(4).toStdString(); });

// What one section's file alone does: fields of the hand-written client changed
// (a line of -1 drops the fields from there on), what the pane then shows, and the
// box the read shows, if any.
struct Row {
    const char* file;
    QList<std::pair<int, QString>> lines;
    QStringList shows;
    QString box = {};
};
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.file << " " << row.shows.join(", ").toStdString();
}
const QString kOlder =
    "Information|Older version|This client was saved using an older version of "
    "the YRN. \r\nPlease re-enter the answers for Demographic questions 8 & 9.";
// clang-format off
const Row kRows[] = {
    // Question 5 is stored twice: the second copy wins; a corrected period keeps
    // questions 6 and 7 as read, a period after "Never" opens them afresh, "Never"
    // second closes them.
    {"CriminalJustice.YRN", {{44, " 3 "}}, {"cboIncarceration=3-6 months", "cboLastIncarceration=1-3 months",
        "optReasonIncar(3)=1", "txtOtherIncarceration=resisting arrest \u2013 twice"}},
    {"CriminalJustice.YRN", {{23, " 0 "}}, {"cboIncarceration=1-3 months", "cboLastIncarceration=",
        "optReasonIncar(3)=0", "optReasonIncar(18)=0"}},
    {"CriminalJustice.YRN", {{44, " 0 "}}, {"cboIncarceration=Never been incarcerated",
        "cboLastIncarceration= (off)", "optReasonIncar(3)=-1 (off)"}},
    // The race is a code; no race or a code no item has is the current format, and
    // codes compare as numbers. The older format kept a position (0 to 9) of another
    // race list and no ethnicity: both are asked again.
    {"Demographic.YRN", {{9, " 999 "}}, {"cboRace=", "optEthnicity=1"}},
    {"Demographic.YRN", {{9, "40.0"}}, {"cboRace=Asian", "optEthnicity=1"}},
    {"Demographic.YRN", {{9, " 9 "}}, {"cboRace=", "optEthnicity=-1", "chkD1=1"}, kOlder},
    {"Demographic.YRN", {{9, "0"}, {127, "-1"}}, {"cboRace=", "cboLanguage=Spanish"}, kOlder},
    {"Demographic.YRN", {{9, "-1 "}, {127, "-1"}}, {"optEthnicity=-1", "txtDemographicInformation=Lives "
        "with his grandmother; doing well"}},
    // Question 7 is read before the work boxes and replays its rule; a site code no
    // site has leaves the list unchosen.
    {"Location.YRN", {{31, "0"}, {32, "-1 "}, {33, "-1 "}, {34, "-1 "}, {35, "-1 "}, {36, "-1 "}, {37, "-1 "}},
        {"txtWorkPlace= (off)", "txtWorkZipCode= (off)", "txtC1Firstname=Rita"}},
    {"Location.YRN", {{31, "-1"}, {7, " 99 "}}, {"txtWorkPlace=Caf\u00e9 \"Roma\" (off)", "txtWorkState=MI", "cboSite="}},
    // No month insured: the kinds of insurance are closed after the read and keep
    // what the file holds.
    {"Medical.YRN", {{21, "0"}}, {"optHealthInsurance(0)=0 (off)", "optHealthInsurance(1)=1 (off)",
        "optHealthInsurance(2)=-1 (off)", "txtOtherHI=county plan"}},
};
// clang-format on

class OneSectionFile : public ::testing::TestWithParam<Row> {};

TEST_P(OneSectionFile, ReadsAsTheSectionSays) {
    Pane p(GetParam().file);
    for (const auto& [field, line] : GetParam().lines)
        if (line == "-1" && field + 1 == p.fields.size())
            p.fields.removeLast();
        else
            p.fields[field].line = line;
    EXPECT_TRUE(p.load(p.fields).complete);
    EXPECT_TRUE(shows(p.pane, GetParam().shows));
    EXPECT_EQ(p.prompts.boxes.isEmpty() ? QString() : lastBox(p.prompts), GetParam().box);
    EXPECT_EQ(p.prompts.boxes.size(), GetParam().box.isEmpty() ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, OneSectionFile, ::testing::ValuesIn(kRows));

}  // namespace
}  // namespace yrn::test
