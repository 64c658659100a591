#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "interview/AtomicFile.h"
#include "interview/Interview.h"
#include "interview/RecordingPrompts.h"
#include "records/FieldCodec.h"
#include "records/SectionFile.h"
#include "records/TextEncoding.h"
#include "support/SampleSection.h"

using namespace yrn;
using yrn::test::SampleSection;

namespace {

// Every kind once, the last field flagged last.
FileLayout sampleLayout() {
    return {{Codec::Text, "txtName"},           {Codec::Opt, "optWorking"},
            {Codec::Opt3, "optLiving"},         {Codec::Opt4, "optFamily"},
            {Codec::Combo, "cboLanguage"},      {Codec::ComboNew, "cboRace"},
            {Codec::CheckBox, "chkAbstinence"}, {Codec::Text, "txtComments", true}};
}

struct CodecTest : ::testing::Test {
    RecordingPrompts prompts;
    Interview interview{prompts};
    Section& s = interview.add(std::make_unique<SampleSection>(interview));

    QByteArray write() { return sectionFileBytes(s, sampleLayout()); }
    LoadResult read(const QByteArray& bytes) {
        s.NewYRN();
        return readSectionBytes(s, sampleLayout(), bytes);
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
              QByteArray("Main St.\r\n;\r\n1\r\n;\r\n-1\r\n;\r\n3\r\n;\r\n 2 \r\n;\r\n 65 \r\n;\r\n"
                         " 1 \r\n;\r\n-1 \r\n"));
    s.NewYRN();
    EXPECT_EQ(write(),
              QByteArray("-1 \r\n;\r\n-1\r\n;\r\n-1\r\n;\r\n-1\r\n;\r\n-1 \r\n;\r\n-1 \r\n;"
                         "\r\n 0 \r\n;\r\n-1 \r\n"));
}

TEST_F(CodecTest, ReadsAHandWrittenWindowsFileExactly) {
    // "Muñoz" and "café – déjà" in Windows-1252, CR LF lines, blanks around values.
    const QByteArray file =
        "  Mu\xf1oz  \r\n;\r\n0\r\n;\r\n2\r\n;\r\n 1 \r\n;\r\n 1 \r\n;\r\n 40 \r\n;\r\n 0 \r\n;\r\n"
        "caf\xe9 \x96 d\xe9j\xe0 \x93ok\x94\r\n";
    const LoadResult result = read(file);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(s.text("txtName"), QString::fromUtf8("Muñoz"));
    EXPECT_EQ(s.choice("optWorking"), 0);
    EXPECT_EQ(s.choice("optLiving"), 2);
    EXPECT_EQ(s.choice("optFamily"), 1);
    EXPECT_EQ(s.position("cboLanguage"), 1);
    EXPECT_EQ(s.listText("cboRace"), "Asian");
    EXPECT_EQ(s.checkState("chkAbstinence"), CheckState::Clear);
    EXPECT_EQ(s.text("txtComments"), QString::fromUtf8("café – déjà “ok”"));
    EXPECT_TRUE(prompts.boxes.isEmpty());
    // And it is written back the same way, in Windows-1252.
    s.setText("txtName", QString::fromUtf8("Muñoz"));
    EXPECT_TRUE(write().startsWith("Mu\xf1oz\r\n;\r\n"));
}

TEST_F(CodecTest, EveryTypedOrPastedTextComesBackExactly) {
    const QStringList texts = {
        "C:\\temp\\new\\file.txt; a, b, \"c\"",
        "-1",
        " -1 ",
        "   ",
        " leading and trailing ",
        "line one\nline two\r\nline three\rend",
        "\n\nstarts with breaks\n",
        QString::fromUtf8("pilcrow ¶ and ␤ ␍ ␛ ␛u0041 symbols"),
        QString::fromUtf8("tab\there, nul \0 bell \a esc \x1b ff \f vt \v", 42),
        QString::fromUtf8("next line \u0085 line sep \u2028 para sep \u2029 done"),
        QString::fromUtf8("emoji 😀 and Ελληνικά and 中文"),
        ";",
        "-1 ",
        "\\n is not a line break",
    };
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

TEST_F(CodecTest, EncodingIsWindows1252WhenEverythingFitsAndUtf8Otherwise) {
    s.setText("txtName", QString::fromUtf8("Zoë €5"));
    EXPECT_TRUE(
        write().startsWith("Zo\xeb \x80"
                           "5\r\n"));
    s.setText("txtComments", QString::fromUtf8("Łódź"));
    const QByteArray utf8 = write();
    EXPECT_TRUE(utf8.startsWith(QString::fromUtf8("Zoë €5").toUtf8()));
    read(utf8);
    EXPECT_EQ(s.text("txtComments"), QString::fromUtf8("Łódź"));
    EXPECT_EQ(s.text("txtName"), QString::fromUtf8("Zoë €5"));
    // Every Windows-1252 byte reads and writes back unchanged.
    QByteArray all;
    for (int b = 0x20; b < 0x100; ++b)
        all.append(char(b));
    EXPECT_EQ(toWindows1252(fromWindows1252(all)), all);
}

TEST_F(CodecTest, OldRawLineBreaksInATextAreJoinedBack) {
    const QByteArray file =
        "first\r\nsecond line\r\n;\r\n1\r\n;\r\n-1\r\n;\r\n-1\r\n;\r\n-1 \r\n;\r\n-1 \r\n;\r\n 1 "
        "\r\n;"
        "\r\ncomment\r\nruns on\r\n\r\nto the end\r\n";
    EXPECT_TRUE(read(file).complete);
    EXPECT_EQ(s.text("txtName"), "first\nsecond line");
    EXPECT_EQ(s.choice("optWorking"), 1);
    EXPECT_EQ(s.checkState("chkAbstinence"), CheckState::Ticked);
    EXPECT_EQ(s.text("txtComments"), "comment\nruns on\n\nto the end");
}

TEST_F(CodecTest, ReaderEdgeCases) {
    // Three blanks and "-1" typed in an old file read as empty; "2" leaves a
    // two-button group alone; a check box reads any non-zero value as ticked;
    // a list position ties to even.
    const QByteArray file =
        "   \r\n;\r\n2\r\n;\r\n3\r\n;\r\n4\r\n;\r\n 0.5 \r\n;\r\n 12 \r\n;\r\n 7 \r\n;\r\n-1\r\n";
    s.choose("optWorking", 0);
    EXPECT_TRUE(read(file).complete);
    EXPECT_EQ(s.text("txtName"), "");
    EXPECT_EQ(s.choice("optWorking"), -1);
    EXPECT_EQ(s.choice("optLiving"), -1);
    EXPECT_EQ(s.choice("optFamily"), -1);
    EXPECT_EQ(s.position("cboLanguage"), 0);  // 0.5 -> 0
    EXPECT_EQ(s.position("cboRace"), -1);     // no item has code 12
    EXPECT_EQ(s.checkState("chkAbstinence"), CheckState::Ticked);
    EXPECT_EQ(s.text("txtComments"), "");
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(CodecTest, ALastFieldWithoutItsFlagEndsWithASeparatorAndReadsBack) {
    FileLayout layout = {{Codec::Text, "txtName"}, {Codec::Opt, "optWorking"}};
    s.setText("txtName", "x");
    s.choose("optWorking", 0);
    const QByteArray bytes = sectionFileBytes(s, layout);
    EXPECT_EQ(bytes, QByteArray("x\r\n;\r\n0\r\n;\r\n"));
    s.NewYRN();
    EXPECT_TRUE(readSectionBytes(s, layout, bytes).complete);
    EXPECT_EQ(s.choice("optWorking"), 0);
}

TEST_F(CodecTest, ReadersReplayTheRulesAsTheyGo) {
    s.onClick("optWorking", [&](int b) {
        if (b == 0) s.clearField("txtComments");
    });
    s.setText("txtComments", "kept?");
    s.choose("optWorking", 0);
    const QByteArray bytes = write();
    read(bytes);
    EXPECT_FALSE(s.field("txtComments").enabled);
    EXPECT_EQ(s.field("txtComments").background, Background::NotApplicable);
}

TEST(SectionFileTest, WritesThroughATemporaryFileOwnerOnly) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Sample.YRN");
    ASSERT_TRUE(writeFileAtomically(path, "old\r\n"));
    EXPECT_EQ(QFile::permissions(path) & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
              QFileDevice::Permissions());
    ASSERT_TRUE(writeFileAtomically(path, "new\r\n"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "new\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"Sample.YRN"}));
    QString why;
    EXPECT_FALSE(writeFileAtomically(dir.filePath("missing/Sample.YRN"), "x", &why));
    EXPECT_FALSE(why.isEmpty());
}

}  // namespace
