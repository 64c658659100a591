// The field codec: byte-exact writing, every typed text back exactly, the encodings,
// hand-written old and damaged files.
#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "records/FieldCodec.h"
#include "records/SectionFile.h"
#include "records/TextEncoding.h"
#include "support/SampleSection.h"
#include "support/TestSupport.h"

using namespace yrn;
using namespace yrn::test;

namespace {

// Every kind once, the last field flagged last.
const FileLayout kLayout = {{Codec::Text, "txtName"},           {Codec::Opt, "optWorking"},
                            {Codec::Opt3, "optLiving"},         {Codec::Opt4, "optFamily"},
                            {Codec::Combo, "cboLanguage"},      {Codec::ComboNew, "cboRace"},
                            {Codec::CheckBox, "chkAbstinence"}, {Codec::Text, "txtComments", true}};

struct CodecTest : ::testing::Test {
    RecordingPrompts prompts;
    Interview interview{prompts};
    Section& s = interview.add(std::make_unique<SampleSection>(interview));
    QByteArray write(const FileLayout& layout = kLayout) { return sectionFileBytes(s, layout); }
    LoadResult read(const QByteArray& bytes, const FileLayout& layout = kLayout) {
        s.NewYRN();
        prompts.clear();
        return readSectionBytes(s, layout, bytes);
    }
    // The value lines between the "|" as a file.
    static QByteArray file(const QByteArray& values) {
        return QByteArray(values).replace("|", "\r\n;\r\n") + "\r\n";
    }
};

TEST_F(CodecTest, WritesTheValueLinesByteForByteInWindows1252OrUtf8) {
    s.setText("txtName", "Main St.");
    s.choose("optWorking", 1);
    s.choose("optLiving", 2);
    s.choose("optFamily", 3);
    s.setPosition("cboLanguage", 2);
    s.setPosition("cboRace", 3);
    s.setCheck("chkAbstinence", CheckState::Grey);
    EXPECT_EQ(write(), file("Main St.|1|2|3| 2 | 65 | 1 |-1 "));
    s.NewYRN();
    EXPECT_EQ(write(), file("-1 |-1|-1|-1|-1 |-1 | 0 |-1 "));
    // A last field without its flag ends with a separator.
    const FileLayout two = {{Codec::Text, "txtName"}, {Codec::Opt, "optWorking"}};
    s.setText("txtName", "x");
    s.choose("optWorking", 0);
    EXPECT_EQ(write(two), "x\r\n;\r\n0\r\n;\r\n");
    EXPECT_TRUE(read(write(two), two).complete);
    EXPECT_EQ(s.choice("optWorking"), 0);
    // Windows-1252 when everything fits, UTF-8 with its mark otherwise.
    s.NewYRN();
    s.setText("txtName", QString::fromUtf8("Zoë €5"));
    EXPECT_TRUE(
        write().startsWith("Zo\xeb \x80"
                           "5\r\n"));
    EXPECT_TRUE(fitsWindows1252(QString::fromUtf8("Zoë €5 ÿ")));
    EXPECT_FALSE(fitsWindows1252(QString::fromUtf8("Ā")) || fitsWindows1252(QChar(0x80)));
    EXPECT_EQ(toWindows1252(QString::fromUtf8("aŁb")), "a?b");
    s.setText("txtComments", QString::fromUtf8("Łódź"));
    const QByteArray utf8 = write();
    EXPECT_TRUE(utf8.startsWith("\xEF\xBB\xBF" + QString::fromUtf8("Zoë €5").toUtf8()));
    read(utf8);
    EXPECT_EQ(s.text("txtComments"), QString::fromUtf8("Łódź"));
    EXPECT_EQ(s.text("txtName"), QString::fromUtf8("Zoë €5"));
    // Every Windows-1252 byte reads and writes back unchanged.
    QByteArray all;
    for (int b = 0x20; b < 0x100; ++b)
        all.append(char(b));
    EXPECT_EQ(toWindows1252(fromWindows1252(all)), all);
    // A file without the mark is Windows-1252, even where its bytes would also be
    // valid UTF-8; with the mark it is UTF-8, and only the first mark is taken off.
    const FileLayout name = {{Codec::Text, "txtName", true}};
    EXPECT_TRUE(read("\xC3\xA9\r\n", name).complete);
    EXPECT_EQ(s.text("txtName"), QString::fromUtf8("Ã©"));
    EXPECT_TRUE(read("\xEF\xBB\xBF\xC3\xA9\r\n", name).complete);
    EXPECT_EQ(s.text("txtName"), QString::fromUtf8("é"));
    // An answer that starts with the mark's three characters in Windows-1252 is
    // written in UTF-8, so that it does not read as the mark.
    for (const QString& text : {QString::fromUtf8("ï»¿ and more"), QString(QChar(0xFEFF)) + "x"}) {
        s.setText("txtName", text);
        read(write(name), name);
        EXPECT_EQ(s.text("txtName"), text);
    }
}

const char kControls[] = "tab\there, nul \0 bell \a esc \x1b ff \f vt \v del \x7f";

// With every pair of Windows-1252 characters that is also valid UTF-8, alone and
// within a name.
TEST_F(CodecTest, EveryTypedTextAndEveryWindows1252PairThatLooksLikeUtf8ComesBackExactly) {
    QStringList texts = {
        "C:\\temp\\new\\file.txt; a, b, \"c\"",
        "-1",
        " -1 ",
        "-1 ",
        "   ",
        ";",
        " leading and trailing ",
        "line one\nline two\r\nline three\rend",
        "\n\nstarts with breaks\n",
        "\\n is not a line break",
        QString::fromUtf8("pilcrow ¶ and ␤ ␍ ␛ ␛u0041 ␛u00zz symbols ␛"),
        QString::fromUtf8(kControls, sizeof kControls - 1),
        QString::fromUtf8("next line \u0085 line sep \u2028 para sep \u2029 mark \uFEFF done"),
        QString::fromUtf8("emoji 😀 and Ελληνικά and 中文") + QChar(0xD800) + 'x' + QChar(0xDC00)};
    for (int lead = 0xC2; lead <= 0xDF; ++lead) {
        for (int next = 0x80; next <= 0xBF; ++next) {
            const QString pair = fromWindows1252(QByteArray(1, char(lead)) + char(next));
            texts << pair << "JOS" + pair + "S CAR";
        }
    }
    for (const QString& text : texts) {
        s.setText("txtComments", text);
        s.setText("txtName", text);
        const QByteArray bytes = write();
        // A field stays one line.
        const QList<qsizetype> ends{bytes.count("\r\n"), bytes.count('\n'), bytes.count('\r')};
        EXPECT_EQ(ends, (QList<qsizetype>{15, 15, 15})) << qPrintable(text);
        ASSERT_TRUE(read(bytes).complete) << qPrintable(text);
        EXPECT_TRUE(s.text("txtComments") == text && s.text("txtName") == text) << qPrintable(text);
    }
}

// Hand-written files: whether each reads whole, what the fields then show and the
// boxes shown.
TEST_F(CodecTest, ReadsHandWrittenOldAndDamagedFiles) {
    // The readers run the rules as the person's clicks would.
    s.onClick("optWorking", [&](int b) {
        if (b == 0) s.clearField("txtDays");
    });
    const FileLayout texts = {{Codec::Text, "txtName"},
                              {Codec::Text, "txtDays"},
                              {Codec::Opt, "optWorking"},
                              {Codec::Text, "txtComments"},
                              {Codec::Text, arr("txtCharges", 0), true}};
    const auto withLists = [](const QByteArray& language, const QByteArray& race) {
        return file("Doe|1|-1|-1|" + language + "|" + race + "| 1 |end");
    };
    struct Row {
        QByteArray bytes;
        QString expected;  // "1" when it reads whole, what fields show, boxes ("Critical|...")
        const FileLayout* layout = &kLayout;
    };
    QList<Row> rows = {
        // "Muñoz" and "café – déjà" in Windows-1252, CR LF lines, blanks around values.
        {file("  Mu\xf1oz  |0|2| 1 | 1 | 40 | 0 |caf\xe9 \x96 d\xe9j\xe0 \x93ok\x94"),
         "1; txtName=Muñoz; optWorking=0; optLiving=2; optFamily=1; cboLanguage=Spanish; "
         "cboRace=Asian; chkAbstinence=0; txtComments=café – déjà “ok”"},
        // Three blanks and "-1" read as empty; a number past a group's buttons leaves it
        // alone; a check box reads any non-zero value as ticked; a list position ties to even.
        {file("   |2|3|4| 0.5 | 12 | 7 |-1"),
         "1; txtName=; optWorking=-1; optLiving=-1; optFamily=-1; cboLanguage=English; cboRace=; "
         "chkAbstinence=1; txtComments="},
        {file("x|1|1|3| -1 | 30 | 2 |y"),
         "1; optWorking=1; optLiving=1; optFamily=3; cboLanguage=; cboRace=Black; chkAbstinence=1"},
        // Old raw line breaks in a comment are joined back; the rule closed txtDays.
        {file("first|0|-1|-1|-1 |-1 | 1 |comment\r\nruns on\r\n\r\nto the end"),
         "1; txtName=first; optWorking=0; chkAbstinence=1; txtComments=comment\nruns on\n\nto the "
         "end; txtDays= (off)"},
        // Lone CRs and LFs end lines too.
        {"first\r;\n0\r\n;\r-1\n;\n-1\n;\n-1 \n;\n-1 \n;\n 1 \n;\nend\rmore",
         "1; txtName=first; optWorking=0; txtComments=end\nmore"},
        // A file that ends early keeps what was read: the race's value came, its
        // separator did not.
        {"Doe\r\n;\r\n1\r\n;\r\n-1\r\n;\r\n-1\r\n;\r\n 1 \r\n;\r\n 40",
         "0; txtName=Doe; optWorking=1; cboLanguage=Spanish; cboRace=Asian; chkAbstinence=0"},
        {"", "0"},
        // A separator line that is not ";" stops the reading there.
        {"Doe\r\n;\r\n1\r\nX\r\n-1\r\n;\r\n-1\r\n;\r\n 1 \r\n;\r\n 40 \r\n;\r\n 1 \r\n;\r\nend\r\n",
         "0; optWorking=1; cboLanguage=; txtComments="},
        // A separator item followed by a comma leaves the rest of its line as the next
        // line; blanks around the ";" are no matter.
        {"Doe\r\n ; , 1 \r\n;\r\n-1\r\n;\r\n-1\r\n;\r\n 2 \r\n;\r\n-1 \r\n;\r\n 0 \r\n;\r\nend\r\n",
         "1; optWorking=1; cboLanguage=French"},
        // Continuation lines are joined only for a multi-line box: after a one-line
        // text box a line that is not ";" stops the reading; a one-line box that is last
        // reads its one line only.
        {"Smith\r\nx\r\n 3\r\n;\r\n1\r\n;\r\n-1 \r\n;\r\nJones\r\n",
         "0; txtName=Smith; txtDays=; optWorking=-1; txtCharges(0)=", &texts},
        {file("Smith| 3 |1|line one\r\nline two|Jones"),
         "1; txtName=Smith; txtDays=3; optWorking=1; txtComments=line one\nline two; "
         "txtCharges(0)=Jones",
         &texts},
        {file("Smith| 3 |1|-1 |Jones\r\nrest"), "1; txtCharges(0)=Jones", &texts},
        // A bad list value is reported and skipped, and the rest still reads.
        {withLists(" 2.4 ", " 70.0 "), "1; cboLanguage=French; cboRace=Other"},
        {withLists(" 1 ", "xyz"),
         "0; txtComments=end; Critical|Program Error|Error in module MainModule.LoadComboNew"}};
    for (const char* bad : {"abc", " 3 ", " 40000 ", " -2 ", " 1e3 ", " -40000 ", "\x01\xff"})
        rows.append({withLists(bad, " 40 "),
                     "0; cboLanguage=; cboRace=Asian; txtComments=end; "
                     "Critical|Program Error|Error in module MainModule.LoadCombo"});
    for (const Row& row : rows) {
        QStringList expected = row.expected.split("; "), boxes;
        EXPECT_EQ(read(row.bytes, *row.layout).complete, expected.takeFirst() == "1")
            << row.bytes.constData();
        for (const auto& box : prompts.boxes)
            boxes << boxText(box);
        EXPECT_TRUE(shows(s, expected.filter("=")) && expected.filter("|") == boxes)
            << row.bytes.constData() << qPrintable(boxes.join('\n'));
    }
    s.setText("txtName", QString::fromUtf8("Muñoz"));
    EXPECT_TRUE(write().startsWith("Mu\xf1oz\r\n;\r\n"));
}

TEST_F(CodecTest, JunkAndHugeInputsNeverCrashOrHang) {
    QByteArray junk(64 * 1024, '\0');
    for (char& c : junk)
        c = char(QRandomGenerator::global()->bounded(256));
    read(junk);  // whatever it holds: no crash
    EXPECT_LE(s.text("txtName").size(), junk.size());
    EXPECT_FALSE(read(QByteArray(50 * 1024 * 1024, 'A') + "\r\n;\r\n").complete);
    EXPECT_EQ(s.text("txtName"), "");
}

}  // namespace
