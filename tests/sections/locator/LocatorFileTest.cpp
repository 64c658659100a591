// "Location.YRN": a file written on a Windows machine, the round trip, question
// 7 replayed by the reader, and damaged files.
#include <QRandomGenerator>

#include "sections/SectionFileTest.h"

namespace yrn::test {
namespace {

// Location.YRN field by field, as a Windows machine writes it (Windows-1252), and
// what each field reads as (the text, the chosen button, the site's code).
struct Stored {
    const char* id;
    QByteArray raw;
    const char* reads = nullptr;  // nullptr: as stored
};
// clang-format off
const QList<Stored> kStored{
    {"txtAssessmentDate1", "05"}, {"txtAssessmentDate2", "07"}, {"txtAssessmentDate3", "2001"},
    {"txtTime1", "09"}, {"txtTime2", "30"}, {"optAMPM", "1"}, {"txtInterviewer", "R. Hale"},
    {"cboSite", " 25 ", "25"}, {"txtLastName", "Mu\xF1oz", "Mu\u00f1oz"}, {"txtFirstName", "Ana"},
    {"txtMI", "m"}, {"txtStreetAddress", "12 Elm St"}, {"txtCity", "Akron"}, {"txtState", "OH"},
    {"txtZipCode", "44301"}, {"txtCurrAddressLen", "3"}, {"optOwnRes", "0"},
    {"txtMStreetAddress", "PO Box 7"}, {"txtMCity", "Kent"}, {"txtMState", "IN"},
    {"txtMZipCode", "44302"}, {"txtPhone", "555-0101"}, {"txtPhoneAnswerer1", "Rosa"},
    {"txtPhoneAnswerer2", "Luis"}, {"txtAnswererRelation1", "Mother"},
    {"txtAnswererRelation2", "Brother"}, {"txtOtherPhone", "555-0199"},
    {"txtOtherAnswerer1", "Tia"}, {"txtOtherAnswerer2", "-1 ", ""}, {"txtOtherRelation1", "Aunt"},
    {"txtOtherRelation2", "Uncle"}, {"optWorking", "1"},
    {"txtWorkPlace", "Caf\xE9 Roma", "Caf\u00e9 Roma"}, {"txtWorkPhone", "555-0123"},
    {"txtWorkAddress", "1 Main St"}, {"txtWorkCity", "Hudson"}, {"txtWorkState", "MI"},
    {"txtWorkZipCode", "44236"}, {"txtC1Firstname", "Rita"}, {"txtC1MI", "L"},
    {"txtC1Lastname", "Vega"}, {"txtC1Address", "4 Oak Ave"}, {"txtC1City", "Canton"},
    {"txtC1State", "WV"}, {"txtC1ZipCode", "44702"}, {"txtC1Phone", "555-0144"},
    {"txtC1Relationship", "Sister"}, {"txtC2Firstname", "Tina"}, {"txtC2MI", "-1 ", ""},
    {"txtC2Lastname", "Ortiz"}, {"txtC2Address", "-1 ", ""}, {"txtC2City", "Massillon"},
    {"txtC2State", "KY"}, {"txtC2ZipCode", "44646"}, {"txtC2Phone", "-1 ", ""},
    {"txtC2Relationship", "Cousin"},
    {"txtLocationInformation", "calls after 5 \x96 cell only", "calls after 5 \u2013 cell only"},
};
// clang-format on

QByteArray windowsFile(const QList<Stored>& fields) {
    QList<QByteArray> values;
    for (const Stored& f : fields)
        values.append(f.raw);
    return windowsSectionFile(values);
}

QString valueOf(const Section& s, const QString& id) {
    const Field& f = s.field(id);
    if (f.kind == FieldKind::Option) return QString::number(f.choice);
    if (f.kind == FieldKind::List) return QString::number(f.code());
    return f.text;
}

struct LocatorFileTest : SectionFileTest<LocatorSection> {
    LocatorSection* loc = &pane;
};

TEST_F(LocatorFileTest, ReadsAWindowsFileExactlyAndSavesEveryFieldBack) {
    ASSERT_EQ(kStored.size(), 57);
    EXPECT_TRUE(loadBytes(windowsFile(kStored)).complete);
    for (const Stored& f : kStored)
        EXPECT_EQ(valueOf(*loc, f.id), f.reads ? f.reads : QString::fromLatin1(f.raw)) << f.id;
    EXPECT_EQ(loc->listText("cboSite"), "Franklin County");
    EXPECT_TRUE(loc->usable("txtWorkPlace"));
    EXPECT_TRUE(prompts.boxes.isEmpty());
    EXPECT_TRUE(prompts.focusRequests.isEmpty()) << "no automatic advance while reading";

    // Saved and read again, every field comes back.
    set({{"txtLocationInformation", "first line\r\nsecond; line\r\n"},
         {"txtInterviewer", "\u0141ukasz"},
         {"txtC2Phone", " -1 "}});
    const QString saved = dir.filePath("saved.YRN");
    ASSERT_TRUE(loc->SaveYRN(saved));
    const QList<QByteArray> lines = readFile(saved).split('\n');
    ASSERT_EQ(lines.size(), 2 * 57);  // 113 lines, each ending in CR LF
    EXPECT_EQ(lines.at(14), " 25 \r") << "the site by its code";
    EXPECT_EQ(lines.at(111), ";\r");
    EXPECT_TRUE(lines.at(112).startsWith("first line")) << "the comment last, no separator";

    Client<LocatorSection> other;
    EXPECT_TRUE(other.load(saved).complete);
    EXPECT_TRUE(sameState(*loc, other.pane));
}

TEST_F(LocatorFileTest, QuestionSevenReplaysWhenRead) {
    // A stored "No" closes the work boxes before their (empty) answers are read.
    loc->choose("optWorking", 0);
    ASSERT_TRUE(loc->SaveYRN(dir.filePath("no.YRN")));
    loadBytes(windowsFile(kStored));
    EXPECT_TRUE(load(dir.filePath("no.YRN")).complete);
    for (const QString& id : kWorkBoxes) {
        EXPECT_FALSE(loc->usable(id));
        EXPECT_EQ(loc->field(id).background, Background::NotApplicable);
        EXPECT_EQ(loc->text(id), "");
    }
    // A stored "Yes" opens them with their answers; unanswered leaves the start state.
    EXPECT_TRUE(loadBytes(windowsFile(kStored)).complete);
    for (const QString& id : kWorkBoxes)
        EXPECT_TRUE(loc->usable(id) && loc->field(id).background == Background::Normal);
    EXPECT_EQ(loc->text("txtWorkCity"), "Hudson");
    QList<Stored> unanswered = kStored;
    unanswered[31].raw = "-1";
    loadBytes(windowsFile(unanswered));
    EXPECT_FALSE(loc->usable("txtWorkPlace"));
    EXPECT_TRUE(loc->usable("txtWorkState"));
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(LocatorFileTest, DamagedFilesNeverCrashAndKeepWhatWasRead) {
    const QByteArray whole = windowsFile(kStored);
    LoadResult result = loadBytes(whole.left(whole.indexOf("Ana")));
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(loc->text("txtLastName"), "Mu\u00f1oz") << "read before the cut";
    EXPECT_EQ(loc->text("txtFirstName"), "");

    // A site that is no number is reported; the fields after it are still read.
    QList<Stored> fields = kStored;
    fields[7].raw = "Summit";
    result = loadBytes(windowsFile(fields));
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(prompts.titles(), QStringList{"Program Error"});
    EXPECT_EQ(prompts.last().text, "Error in module MainModule.LoadComboNew");
    EXPECT_EQ(loc->text("txtC2Relationship"), "Cousin");

    // A code no site has leaves the list unchosen, quietly.
    fields[7].raw = " 99 ";
    EXPECT_TRUE(loadBytes(windowsFile(fields)).complete);
    EXPECT_EQ(loc->position("cboSite"), -1);
    EXPECT_EQ(prompts.boxes.size(), 1);

    // A lost separator puts the rest out of step: the file is reported incomplete.
    QByteArray shifted = whole;
    EXPECT_FALSE(loadBytes(shifted.replace("Ana\r\n;\r\n", "Ana\r\n")).complete);

    QByteArray junk(4096, '\0');
    QRandomGenerator random(7);
    for (char& c : junk)
        c = static_cast<char>(random.bounded(256));
    EXPECT_TRUE(loadBytes(junk).found);
    EXPECT_FALSE(loadBytes({}).complete);
    EXPECT_FALSE(load(dir.filePath("missing.YRN")).found);
    EXPECT_TRUE(prompts.focusRequests.isEmpty());
}

}  // namespace
}  // namespace yrn::test
