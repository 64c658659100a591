// The field codec: byte-exact writing, hand-written Windows files, every typed
// text back exactly, the encodings, old raw line breaks, and damaged files.
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
};

TEST_F(CodecTest, WritesTheValueLinesByteForByte) {
    s.setText("txtName", "Main St.");
    s.choose("optWorking", 1);
    s.choose("optFamily", 3);
    s.setPosition("cboLanguage", 2);
    s.setPosition("cboRace", 3);
    s.setCheck("chkAbstinence", CheckState::Grey);
    EXPECT_EQ(write(),
              "Main St.\r\n;\r\n1\r\n;\r\n-1\r\n;\r\n3\r\n;\r\n 2 \r\n;\r\n 65 \r\n;\r\n"
              " 1 \r\n;\r\n-1 \r\n");
    s.NewYRN();
    EXPECT_EQ(write(),
              "-1 \r\n;\r\n-1\r\n;\r\n-1\r\n;\r\n-1\r\n;\r\n-1 \r\n;\r\n-1 \r\n;\r\n"
              " 0 \r\n;\r\n-1 \r\n");

    // A last field without its flag ends with a separator and reads back.
    const FileLayout two = {{Codec::Text, "txtName"}, {Codec::Opt, "optWorking"}};
    s.setText("txtName", "x");
    s.choose("optWorking", 0);
    EXPECT_EQ(write(two), "x\r\n;\r\n0\r\n;\r\n");
    EXPECT_TRUE(read(write(two), two).complete);
    EXPECT_EQ(s.choice("optWorking"), 0);
}

TEST_F(CodecTest, ReadsAHandWrittenWindowsFileExactly) {
    // "Muñoz" and "café – déjà" in Windows-1252, CR LF lines, blanks around values.
    EXPECT_TRUE(read("  Mu\xf1oz  \r\n;\r\n0\r\n;\r\n2\r\n;\r\n 1 \r\n;\r\n 1 \r\n;\r\n 40 \r\n;"
                     "\r\n 0 \r\n;\r\ncaf\xe9 \x96 d\xe9j\xe0 \x93ok\x94\r\n")
                    .complete);
    EXPECT_TRUE(shows(
        s, {"txtName=Muñoz", "optWorking=0", "optLiving=2", "optFamily=1", "cboLanguage=Spanish",
            "cboRace=Asian", "chkAbstinence=0", "txtComments=café – déjà “ok”"}));
    EXPECT_TRUE(prompts.boxes.isEmpty());
    // And it is written back the same way, in Windows-1252.
    s.setText("txtName", QString::fromUtf8("Muñoz"));
    EXPECT_TRUE(write().startsWith("Mu\xf1oz\r\n;\r\n"));

    // Three blanks and "-1" read as empty; "2" leaves a two-button group alone;
    // a check box reads any non-zero value as ticked; a list position ties to even.
    EXPECT_TRUE(read("   \r\n;\r\n2\r\n;\r\n3\r\n;\r\n4\r\n;\r\n 0.5 \r\n;\r\n 12 \r\n;\r\n 7 "
                     "\r\n;\r\n-1\r\n")
                    .complete);
    EXPECT_TRUE(shows(s, {"txtName=", "optWorking=-1", "optLiving=-1", "optFamily=-1",
                          "cboLanguage=English",  // 0.5 -> 0
                          "cboRace=",             // no item has code 12
                          "chkAbstinence=1", "txtComments="}));
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(CodecTest, EveryTypedOrPastedTextComesBackExactly) {
    const QStringList texts = {
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
        QString::fromUtf8("pilcrow ¶ and ␤ ␍ ␛ ␛u0041 symbols"),
        QString::fromUtf8("tab\there, nul \0 bell \a esc \x1b ff \f vt \v", 42),
        QString::fromUtf8("next line \u0085 line sep \u2028 para sep \u2029 done"),
        QString::fromUtf8("emoji 😀 and Ελληνικά and 中文")};
    for (const QString& text : texts) {
        s.setText("txtComments", text);
        s.setText("txtName", text);
        const QByteArray bytes = write();
        // A field stays one line: the file has exactly its 15 lines.
        EXPECT_EQ(bytes.count("\r\n"), 15) << qPrintable(text);
        EXPECT_EQ(bytes.count('\n'), 15) << qPrintable(text);
        EXPECT_EQ(bytes.count('\r'), 15) << qPrintable(text);
        ASSERT_TRUE(read(bytes).complete) << qPrintable(text);
        EXPECT_EQ(s.text("txtComments"), text);
        EXPECT_EQ(s.text("txtName"), text);
    }
}

TEST_F(CodecTest, EncodingIsWindows1252WhenEverythingFitsAndUtf8WithItsMarkOtherwise) {
    s.setText("txtName", QString::fromUtf8("Zoë €5"));
    EXPECT_TRUE(
        write().startsWith("Zo\xeb \x80"
                           "5\r\n"));
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
    // valid UTF-8; with the mark it is UTF-8.
    const FileLayout name = {{Codec::Text, "txtName", true}};
    EXPECT_TRUE(read("\xC3\xA9\r\n", name).complete);
    EXPECT_EQ(s.text("txtName"), QString::fromUtf8("Ã©"));
    EXPECT_TRUE(read("\xEF\xBB\xBF\xC3\xA9\r\n", name).complete);
    EXPECT_EQ(s.text("txtName"), QString::fromUtf8("é"));
    // An answer that starts with the mark's three characters in Windows-1252 is
    // written in UTF-8, so that it does not read as the mark.
    s.setText("txtName", QString::fromUtf8("ï»¿ and more"));
    EXPECT_TRUE(write(name).startsWith("\xEF\xBB\xBF" + QString::fromUtf8("ï»¿").toUtf8()));
    read(write(name), name);
    EXPECT_EQ(s.text("txtName"), QString::fromUtf8("ï»¿ and more"));
}

// Typed answers whose characters all fit Windows-1252 come back exactly, even where
// two of them side by side make bytes that are also valid UTF-8: every such pair.
TEST_F(CodecTest, EveryWindows1252PairThatLooksLikeUtf8ComesBackExactly) {
    QStringList changed;
    int pairs = 0;
    for (int lead = 0xC2; lead <= 0xDF; ++lead) {
        for (int next = 0x80; next <= 0xBF; ++next) {
            const QString pair = fromWindows1252(QByteArray(1, char(lead)) + char(next));
            ++pairs;
            s.setText("txtName", "JOS" + pair + "S CAR");
            s.setText("txtComments", pair);
            read(write());
            if (s.text("txtName") != "JOS" + pair + "S CAR" || s.text("txtComments") != pair)
                changed << pair + " -> " + s.text("txtComments");
        }
    }
    EXPECT_EQ(pairs, 30 * 64);
    EXPECT_TRUE(changed.isEmpty()) << changed.size() << " pairs changed, among them "
                                   << qPrintable(changed.mid(0, 8).join(", "));
    s.setText("txtName", QString::fromUtf8("JOSÉ’S CAR"));
    read(write());
    EXPECT_EQ(s.text("txtName"), QString::fromUtf8("JOSÉ’S CAR"));
}

TEST_F(CodecTest, OldRawLineBreaksInACommentAreJoinedBackAndRulesReplay) {
    s.onClick("optWorking", [&](int b) {
        if (b == 0) s.clearField("txtDays");
    });
    EXPECT_TRUE(read("first\r\n;\r\n0\r\n;\r\n-1\r\n;\r\n-1\r\n;\r\n-1 \r\n;\r\n"
                     "-1 \r\n;\r\n 1 \r\n;\r\ncomment\r\nruns on\r\n\r\nto the end\r\n")
                    .complete);
    // The readers run the rules as the person's clicks would: txtDays is closed.
    EXPECT_TRUE(shows(s, {"txtName=first", "optWorking=0", "chkAbstinence=1",
                          "txtComments=comment\nruns on\n\nto the end", "txtDays= (off)"}));
    EXPECT_EQ(s.field("txtDays").background, Background::NotApplicable);
}

TEST_F(CodecTest, AFileThatEndsEarlyOrLosesStepKeepsWhatWasRead) {
    EXPECT_FALSE(read("Doe\r\n;\r\n1\r\n;\r\n-1\r\n;\r\n-1\r\n;\r\n 1 \r\n;\r\n 40").complete);
    // The race's value came, its separator did not.
    EXPECT_TRUE(shows(s, {"txtName=Doe", "optWorking=1", "cboLanguage=Spanish", "cboRace=Asian",
                          "chkAbstinence=0"}));
    EXPECT_TRUE(prompts.boxes.isEmpty());
    EXPECT_FALSE(read("").complete);

    // A separator line that is not ";" stops the reading there.
    EXPECT_FALSE(read("Doe\r\n;\r\n1\r\nX\r\n-1\r\n;\r\n-1\r\n;\r\n 1 \r\n;\r\n 40 \r\n;\r\n 1 "
                      "\r\n;\r\nend\r\n")
                     .complete);
    EXPECT_TRUE(shows(s, {"optWorking=1", "cboLanguage=", "txtComments="}));
    // A separator item followed by a comma leaves the rest of its line as the next line.
    EXPECT_TRUE(read("Doe\r\n;, 1 \r\n;\r\n-1\r\n;\r\n-1\r\n;\r\n 2 \r\n;\r\n-1 \r\n;\r\n 0 "
                     "\r\n;\r\nend\r\n")
                    .complete);
    EXPECT_TRUE(shows(s, {"optWorking=1", "cboLanguage=French"}));
}

// Continuation lines are joined only for a multi-line box: after a one-line text
// box a line that is not ";" stops the reading like any damaged separator, and no
// later answer lands in the wrong box.
TEST_F(CodecTest, ADamagedSeparatorAfterAOneLineTextStopsTheReading) {
    const FileLayout texts = {{Codec::Text, "txtName"},
                              {Codec::Text, "txtDays"},
                              {Codec::Opt, "optWorking"},
                              {Codec::Text, "txtComments"},
                              {Codec::Text, arr("txtCharges", 0), true}};
    EXPECT_FALSE(read("Smith\r\nx\r\n 3\r\n;\r\n1\r\n;\r\n-1 \r\n;\r\nJones\r\n", texts).complete);
    EXPECT_TRUE(shows(s, {"txtName=Smith", "txtDays=", "optWorking=-1", "txtCharges(0)="}));

    // The multi-line box still joins an old raw comment up to its separator.
    EXPECT_TRUE(read("Smith\r\n;\r\n 3 \r\n;\r\n1\r\n;\r\nline one\r\nline two\r\n;\r\n"
                     "Jones\r\n",
                     texts)
                    .complete);
    EXPECT_TRUE(shows(s, {"txtName=Smith", "txtDays=3", "optWorking=1",
                          "txtComments=line one\nline two", "txtCharges(0)=Jones"}));
    // A one-line box that is last reads its one line only.
    EXPECT_TRUE(
        read("Smith\r\n;\r\n 3 \r\n;\r\n1\r\n;\r\n-1 \r\n;\r\nJones\r\nrest\r\n", texts).complete);
    EXPECT_EQ(s.text(arr("txtCharges", 0)), "Jones");
}

TEST_F(CodecTest, ABadListValueIsReportedAndSkippedAndTheRestStillReads) {
    const auto file = [](const QByteArray& language, const QByteArray& race) {
        return "Doe\r\n;\r\n1\r\n;\r\n-1\r\n;\r\n-1\r\n;\r\n" + language + "\r\n;\r\n" + race +
               "\r\n;\r\n 1 \r\n;\r\nend\r\n";
    };
    for (const char* bad : {"abc", " 7 ", " 40000 ", " -2 ", " 1e3 ", "\x01\x02\xff\xfe"}) {
        EXPECT_FALSE(read(file(bad, " 40 ")).complete) << bad;
        EXPECT_EQ(prompts.boxes.size(), 1) << bad;
        EXPECT_EQ(lastBox(prompts), "Critical|Program Error|Error in module MainModule.LoadCombo");
        EXPECT_TRUE(shows(s, {"cboLanguage=", "cboRace=Asian", "txtComments=end"})) << bad;
    }
    read(file(" 1 ", "xyz"));
    EXPECT_EQ(prompts.last().text, "Error in module MainModule.LoadComboNew");
    EXPECT_EQ(s.text("txtComments"), "end");
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
