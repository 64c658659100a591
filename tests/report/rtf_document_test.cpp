// The RTF engine: visible text, search, replacement, escaping, round trips, damaged input.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringDecoder>

#include "report/RtfDocument.h"
#include "support/TestSupport.h"

using yrn::RtfDocument;

namespace {

// A document with most of what word processors put around the text: tables of
// fonts, colours and styles, a description, a revision table, a picture with hex
// and binary data, a field, a table, escapes and Unicode with its fallbacks.
const QByteArray kTricky =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n"
    "{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fmodern{\\*\\panose 02070309}Courier;}}\r\n"
    "{\\colortbl;\\red0\\green0\\blue0;}\r\n"
    "{\\stylesheet{\\s0 Normal;}{\\s1\\b heading 1;}}\r\n"
    "{\\*\\revtbl{Unknown;}{Jane Editor;}}\r\n"
    "{\\info{\\title The title}{\\author Somebody}}\r\n"
    "{\\*\\generator Some writer 1.0;}\r\n"
    "\\pard\\plain Caf\\'e9 {\\b bold {\\i nested}} text\\par\r\n"
    "Dash\\u8212?dash, \\u-4064?private, {\\uc2\\u8364\\'80\\'80euro} end\\par\r\n"
    "A\\~B\\-C\\_D\\tab E\\line F\\{G\\}H\\\\I\\par\r\n"
    "{\\pict\\wmetafile8\\picw10 0123456789abcdef}{\\*\\shppict{\\pict\\bin4 \x01}{\x02}}"
    "{\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}\\par\r\n"
    "\\trowd\\cellx1000\\cellx2000 a1\\cell b1\\cell\\row\r\n"
    "\\pard #First{\\b Na}me# and #Last{\\revised\\revauth1 Na}me#, "
    "#Mid{\\*\\bkmkstart x}{\\*\\bkmkend x}Name#\\par\r\n"
    "}\r\n";

const QString kTrickyText = QString::fromUtf8(
    "Café bold nested text\n"
    "Dash—dash, \uF020private, €euro end\n"
    "A\u00A0B\u00ADC\u2011D\tE\nF{G}H\\I\n"
    "7\n"
    "a1\tb1\t\n"
    "#FirstName# and #LastName#, #MidName#\n");

RtfDocument loaded(const QByteArray& rtf) {
    RtfDocument doc;
    EXPECT_TRUE(doc.loadFromData(rtf)) << rtf.constData();
    return doc;
}

// The visible text of RTF written by the engine, read back by the engine.
QString reread(const RtfDocument& doc) {
    RtfDocument again;
    EXPECT_TRUE(again.loadFromData(doc.toRtf())) << doc.toRtf().constData();
    return again.visibleText();
}

// The document of rtf after the first occurrence of found is replaced by value.
RtfDocument replaced(const QByteArray& rtf, const QString& found, const QString& value) {
    RtfDocument doc = loaded(rtf);
    EXPECT_TRUE(doc.find(found)) << rtf.constData();
    doc.replaceSelection(value);
    return doc;
}

}  // namespace

TEST(RtfDocument, VisibleTextSkipsTablesPicturesAndStarredGroupsAndSearchSeesOnlyIt) {
    RtfDocument doc = loaded(kTricky);
    EXPECT_EQ(doc.visibleText(), kTrickyText);
    // Right after loading the selection is empty at the start.
    EXPECT_EQ(doc.selectionStart() + doc.selectionLength(), 0);
    struct {
        QByteArray rtf;
        const char *text, *codec = nullptr;
    } const texts[] = {
        {"\xEF\xBB\xBF{\\rtf1 x}", "x"},  // an editor's UTF-8 mark is no part of it
        // \ucN counts the fallback characters; \uc0 has none; \u0 is nothing.
        {"{\\rtf1 {\\uc0\\u233 x}{\\uc3\\u233 abcd}\\u0 yz}", "éxédz"},
        {"{\\rtf1 \\u233{\\b x}}", "éx"},  // a group ends the fallback
        // A line end after a backslash ends a paragraph; bare line ends are no text.
        {"{\\rtf1 a\r\nb\\\r\nc}", "ab\nc"},
        {" \r\n{\\rtf1 \\emdash\\bullet\\ldblquote\\-x\\:\\|y\\u} \r\n\x1a", "—•“\u00ADxy"},
        {"{\\rtf1 \\tab\\page\\sect\\nestcell\\nestrow\\rquote\\\t}", "\t\n\n\t\n’\t"},
        {"{\\rtf1 {\\*\\unknown gone}{\\xe gone}{\\tc gone}a\\b0 b\\fs-20 c}", "abc"},
        // The document's code page decodes \'hh; one not known reads as 1252.
        {"{\\rtf1\\ansi\\ansicpg1251 \\'e9}", "й", "windows-1251"},
        {"{\\rtf1\\ansi\\ansicpg1251 \\'e9 \\ansicpg1252\\'e9}", "й é", "windows-1251"},
        {"{\\rtf1\\mac \\'8e}", "é", "macintosh"},
        {"{\\rtf1\\pc \\'82}", "é", "IBM437"},
        {"{\\rtf1\\ansicpg932 \\'e9}", "é"},
        {"{\\rtf1 caf\\'e9 \\'93}", "café “"}};
    for (const auto& [rtf, text, codec] : texts) {
        if (codec && !QStringDecoder(codec).isValid()) continue;
        EXPECT_EQ(loaded(rtf).visibleText(), QString::fromUtf8(text)) << rtf.constData();
    }
    // Search ignores case and formatting runs: split by formatting, by a revision mark, with
    // bookmarks inside; non-ASCII folds too.
    const std::pair<const char*, const char*> found[] = {{"#firstNAME#", "#FirstName#"},
                                                         {"#LASTNAME#", "#LastName#"},
                                                         {"#midname#", "#MidName#"},
                                                         {"CAFÉ", "Café"}};
    for (const auto& [sought, at] : found) {
        ASSERT_TRUE(doc.find(QString::fromUtf8(sought))) << sought;
        EXPECT_EQ(doc.selectionStart(), kTrickyText.indexOf(QString::fromUtf8(at))) << sought;
        EXPECT_EQ(doc.selectionLength(), QString::fromUtf8(at).size()) << sought;
    }
    // Text of skipped groups is not found; a failed search keeps the selection.
    for (const char* skipped : {"Times New Roman", "Jane Editor", "PAGE", ""})
        EXPECT_FALSE(doc.find(skipped)) << skipped;
    EXPECT_EQ(doc.selectionStart() * 100 + doc.selectionLength(), 4);
}

TEST(RtfDocument, ReplacementTakesTheFormatOfTheFirstCharacterAndIsEscaped) {
    // The document after each match of found is replaced by its value ("|" between
    // steps; an empty step inserts where the last insertion ended): its RTF where
    // given, and the text it shows, which reads back the same from the RTF written.
    struct {
        QByteArray rtf;
        const char *found, *value, *written, *text;
    } const rows[] = {
        // The value goes where the first placeholder character stands: inside the bold
        // group, so it is bold; the rest of the placeholder's runs stay as they were.
        {"{\\rtf1 A {\\b #Fir}st# B}", "#first#", "John", "{\\rtf1 A {\\b {John}} B}", "A John B"},
        {"{\\rtf1 #V#}", "#V#", "plain", "{\\rtf1 {plain}}", "plain"},
        // A formatting switch inside the placeholder still applies after it.
        {"{\\rtf1 #X\\b Y# tail}", "#XY#", "v", "{\\rtf1 {v}\\b  tail}", "v tail"},
        // Removing a character that ended a control word must not glue the word to
        // what follows ("\bY" would be another word and swallow the Y).
        {"{\\rtf1 #X\\b#Y\\par\\par Z}", "#X#", "J", nullptr, "JY\n\nZ"},
        // Binary data is no control word, even when it ends in a backslash and a
        // letter: no blank is put after it, where it would be text.
        {"{\\rtf1 x\\bin2\\Ayz}", "xy", "Q", nullptr, "Qz"},
        {"{\\rtf1 x\\bin2 \\Ayz}", "xy", "Q", nullptr, "Qz"},
        {"{\\rtf1 x\\bin3\\b1yz}", "xy", "Q", nullptr, "Qz"},
        {"{\\rtf1 x\\bin0 yz}", "xy", "Q", nullptr, "Qz"},
        // A table cell end is kept: removing it would break the table.
        {"{\\rtf1\\trowd\\cellx100 a\\cell b\\cell\\row}", "a\tb", "X", nullptr, "X\t\t\n"},
        // Text that meets only because something between was replaced is no match.
        {"{\\rtf1 #Fir#X#stName#}", "#X#", "", nullptr, "#FirstName#"},
        {"{\\rtf1 ab}", "b", "c", nullptr, "ac"},
        // A \uc2 in force where the value goes does not eat its characters.
        {"{\\rtf1\\uc2 #V#x}", "#V#", "é!", nullptr, "é!x"},
        {"{\\rtf1 #X\\b#Y\\par\\par Z}", "#X#|\n\nz", "J|", nullptr, "JY"},
        // Empty selections insert in order; the second of two equal markers is found
        // once the first is filled.
        {"{\\rtf1 [{\\b #R#}] end}", "#R#|", "one\r\n|two\r\n",
         "{\\rtf1 [{\\b {one\\par }{two\\par }}] end}", "[one\ntwo\n] end"},
        {"{\\rtf1 #A# and #A#}", "#A#|#a#", "1|2", nullptr, "1 and 2"}};
    for (const auto& row : rows) {
        RtfDocument doc = loaded(row.rtf);
        const QStringList found = QString::fromUtf8(row.found).split('|');
        QStringList values = QString::fromUtf8(row.value).split('|');
        for (qsizetype i = 0; i < found.size(); ++i) {
            EXPECT_TRUE(found[i].isEmpty() || doc.find(found[i])) << row.rtf.constData();
            doc.replaceSelection(values.value(i));
        }
        // The selection ends right after the last value.
        const QString last = values.last().replace("\r\n", "\n");
        EXPECT_TRUE(doc.visibleText().left(doc.selectionStart()).endsWith(last))
            << qPrintable(last);
        EXPECT_TRUE(!row.written || doc.toRtf() == row.written) << doc.toRtf().constData();
        EXPECT_EQ(doc.visibleText(), QString::fromUtf8(row.text)) << row.rtf.constData();
        EXPECT_EQ(reread(doc), QString::fromUtf8(row.text)) << row.rtf.constData();
    }
    // A match does not run across a value put before a table cell end, which stays.
    EXPECT_FALSE(
        replaced("{\\rtf1\\trowd\\cellx100 a\\cell b\\cell\\row}", "\tb", "X").find("a\t"));
    RtfDocument doc = replaced("{\\rtf1 #Fir#X#stName#}", "#X#", "");
    EXPECT_TRUE(!doc.find("#FirstName#") && doc.find("stName#"));
    // count() counts what find() would find one after another: whatever the case and
    // the runs, never in a value put in, nor a filled marker.
    EXPECT_EQ(doc.count("#FirstName#") * 10 + doc.count("stName#"), 1);
    EXPECT_EQ(loaded("{\\rtf1 #A# and {\\b #a#} #A#A#}").count("#a#"), 3);
    RtfDocument marks = replaced("{\\rtf1 #A# and {\\b #a#} #A#A#}", "#A#", "#A#");
    EXPECT_EQ(marks.count("#A#") * 10 + marks.count("") + RtfDocument().count("#A#"), 20);
    // Inserted text is escaped, and kept to ASCII.
    doc = replaced("{\\rtf1\\ansi {\\b #V#}}", "#V#",
                   "a\\b{c}\td\u00e9\u2014\u4e2d\U0001F600 \r\nnext\nthird\rfourth\u0080\x01");
    const QByteArray rtf = doc.toRtf();
    EXPECT_TRUE(
        rtf.contains("{\\uc1 a\\\\b\\{c\\}\\tab d\\u233\\'e9\\u8212\\'97\\u20013?\\u-10179?"
                     "\\u-8704? \\par next\\par third\\par fourth\\u128?}"))
        << rtf.constData();
    EXPECT_TRUE(std::ranges::all_of(rtf, [](char c) { return uchar(c) < 0x80; }));
    const QString expected = "a\\b{c}\td\u00e9\u2014\u4e2d\U0001F600 \nnext\nthird\nfourth\u0080";
    EXPECT_TRUE(doc.visibleText() == expected && reread(doc) == expected);
    // A long value, its line break across the thousands of characters written at a
    // time, then characters that each take many bytes.
    const QString longValue = QString(4095, 'a') + "\r\n" + QString(3000, QChar(0xE9)) + "}";
    doc = replaced("{\\rtf1\\ansi #V#}", "#V#", longValue);
    EXPECT_EQ(doc.toRtf(), "{\\rtf1\\ansi {\\uc1 " + QByteArray(4095, 'a') + "\\par " +
                               QByteArray("\\u233\\'e9").repeated(3000) + "\\}}}");
}

TEST(RtfDocument, RoundTripKeepsTheDocumentAndFilesThatCannotBeReadAreRefused) {
    EXPECT_EQ(loaded(kTricky).toRtf(), kTricky);  // nothing replaced: byte for byte
    RtfDocument doc = replaced(kTricky, "#FirstName#", "Jane");
    QTemporaryDir dir;
    const QString path = dir.filePath("out.rtf");
    ASSERT_TRUE(doc.save(path));
    RtfDocument again;
    ASSERT_TRUE(again.load(path));
    EXPECT_EQ(QFile(path).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
    // Copies and moves keep the document; the moved-from one is empty.
    RtfDocument copy(doc);
    EXPECT_EQ(copy.toRtf(), doc.toRtf());
    copy = again;
    RtfDocument moved(std::move(copy));
    EXPECT_TRUE(moved.visibleText() == doc.visibleText() && !copy.isLoaded());
    EXPECT_FALSE(doc.load(dir.filePath("missing.rtf")) || doc.isLoaded());  // nothing old kept
    EXPECT_TRUE(!doc.save(dir.filePath("x.rtf")) && !QFile::exists(dir.filePath("x.rtf")));
    EXPECT_FALSE(doc.load(dir.path()));  // a folder
    // A 50 MB file is refused without being read into memory whole.
    yrn::test::writeFile(dir.filePath("big.rtf"), "{\\rtf1 ");
    ASSERT_TRUE(QFile::resize(dir.filePath("big.rtf"), 50 * 1024 * 1024));
    EXPECT_FALSE(doc.load(dir.filePath("big.rtf")));
    EXPECT_FALSE(doc.loadFromData(QByteArray(50 * 1024 * 1024, 'a').prepend("{\\rtf1 ")));
}

TEST(RtfDocument, DamagedInputFailsCleanly) {
    // Empty or no RTF, a group never closed, cut in the middle or inside an escape, a
    // brace too many, text after the end, bad hex, binary data past the end or of a
    // negative size, an overlong control word or number, a zero byte, deep nesting.
    QList<QByteArray> damaged;
    damaged << QByteArray() << kTricky.left(kTricky.size() / 2)
            << kTricky.left(kTricky.indexOf("\\'e9") + 2)
            << "{\\rtf1 \\" + QByteArray(33, 'a') + " x}" << QByteArray("{\\rtf1 a\0b}", 11)
            << "{\\rtf1 " + QByteArray(100000, '{') + QByteArray(100000, '}') + "}";
    for (const char* rtf :
         {"plain text, not RTF", "{\\rtf1 truncated", "{\\rtf1 a}}", "{\\rtf1 a} trailing text",
          "{\\rtf1 bad \\'zz hex}", "{\\rtf1 bad \\'4", "{\\rtf1 {\\pict\\bin99999 abc}}",
          "{\\rtf1 {\\pict\\bin-1 abc}}", "{\\rtf1 \\li12345678901 x}", "{\\rtf1 x\\"})
        damaged << rtf;
    for (const QByteArray& rtf : damaged) {
        RtfDocument doc;
        EXPECT_FALSE(doc.loadFromData(rtf)) << rtf.left(80).constData();
        doc.replaceSelection("x");  // harmless on an empty document
        EXPECT_TRUE(!doc.isLoaded() && doc.visibleText().isEmpty() && !doc.find("a") &&
                    doc.toRtf().isEmpty() && doc.selectionStart() + doc.selectionLength() == 0);
    }
    // What is just inside the limits loads.
    for (const QByteArray& rtf :
         {"{\\rtf1 \\" + QByteArray(32, 'a') + " x}", QByteArray("{\\rtf1 \\li1234567890 x}"),
          "{\\rtf1 " + QByteArray(100, '{') + QByteArray(100, '}') + "}"})
        EXPECT_TRUE(RtfDocument().loadFromData(rtf)) << rtf.left(80).constData();
    // Damaged copies of a real document: never a crash, and whatever loads must save
    // as RTF that reads back to the same text after a replacement. A fixed seed, so
    // that a failure can be replayed.
    QRandomGenerator random(20261206);
    for (int round = 0; round < 2000; ++round) {
        QByteArray copy = kTricky;
        for (int k = 0, n = int(random.bounded(1, 4)); k < n; ++k) {
            const int at = int(random.bounded(copy.size())), kind = int(random.bounded(3));
            if (kind == 0) copy[at] = "\\{}#ab 0-'*?\r\n"[random.bounded(14)];
            if (kind == 1) copy.remove(at, int(random.bounded(1, 8)));
            if (kind == 2) copy.insert(at, copy.mid(int(random.bounded(copy.size())), 6));
        }
        RtfDocument doc;
        if (!doc.loadFromData(copy)) continue;
        const QString text = doc.visibleText();
        if (text.size() > 4) {
            ASSERT_TRUE(doc.find(text.mid(int(random.bounded(text.size() - 3)), 3)));
            doc.replaceSelection(round % 2 ? "x\\y" : "");
        }
        EXPECT_EQ(reread(doc), doc.visibleText()) << copy.constData();
    }
}
