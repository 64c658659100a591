#include "report/RtfParser.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "base/Windows1252.h"

namespace yrn::rtf {

namespace {

enum class Action : std::uint8_t {
    Skip,         // a destination that holds no visible text
    Char,         // a visible character
    Structural,   // a visible character that a replacement must keep
    Unicode,      // \uN
    UnicodeSkip,  // \ucN
    AnsiCodePage,
    CodePage,  // \mac, \pc, \pca
};

struct WordAction {
    Action action;
    char16_t ch = 0;
};

// The control words with an action, by their first letter: a document has more
// than a thousand words, most of them formatting that is in no list.
class WordTable {
  public:
    // A word listed twice keeps its first action.
    void emplace(std::string_view word, WordAction action) {
        if (!find(word)) buckets_[std::size_t(word.front() - 'a')].push_back({word, action});
    }
    const WordAction* find(std::string_view word) const {
        const char first = word.front();
        if (first < 'a' || first > 'z') return nullptr;
        for (const auto& [listed, action] : buckets_[std::size_t(first - 'a')])
            if (listed == word) return &action;
        return nullptr;
    }

  private:
    std::array<std::vector<std::pair<std::string_view, WordAction>>, 26> buckets_;
};

const WordTable& wordActions() {
    static const WordTable actions = [] {
        WordTable map;
        // Tables, descriptions, pictures, field codes, bookmarks, index and
        // contents entries: nothing of these is read as text.
        for (std::string_view word : {"fonttbl",
                                      "colortbl",
                                      "stylesheet",
                                      "info",
                                      "pict",
                                      "listtable",
                                      "listoverridetable",
                                      "revtbl",
                                      "rsidtbl",
                                      "generator",
                                      "xmlnstbl",
                                      "latentstyles",
                                      "datastore",
                                      "themedata",
                                      "colorschememapping",
                                      "fldinst",
                                      "objdata",
                                      "objclass",
                                      "objname",
                                      "bkmkstart",
                                      "bkmkend",
                                      "nonshppict",
                                      "shpinst",
                                      "pn",
                                      "xe",
                                      "tc",
                                      "txe",
                                      "rxe",
                                      "filetbl",
                                      "private",
                                      "pgdsctbl",
                                      "mmathPr",
                                      "docvar",
                                      "userprops",
                                      "listpicture",
                                      "protusertbl",
                                      "fchars",
                                      "lchars",
                                      "ftnsep",
                                      "ftnsepc",
                                      "ftncn",
                                      "aftnsep",
                                      "aftnsepc",
                                      "aftncn",
                                      "template",
                                      "annotation",
                                      "atnid",
                                      "atnauthor",
                                      "atndate",
                                      "atnref",
                                      "falt",
                                      "panose",
                                      "passwordhash",
                                      "password",
                                      "wgrffmtfilter",
                                      "mhtmltag",
                                      "htmltag",
                                      "ud"})
            map.emplace(word, WordAction{Action::Skip});
        const std::pair<std::string_view, char16_t> chars[] = {
            {"par", u'\n'},      {"sect", u'\n'},     {"page", u'\n'},       {"line", u'\n'},
            {"tab", u'\t'},      {"emdash", 0x2014},  {"endash", 0x2013},    {"bullet", 0x2022},
            {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
            {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},   {"zwj", 0x200D},
            {"zwnj", 0x200C},    {"ltrmark", 0x200E}, {"rtlmark", 0x200F},   {"zwbo", 0x200B}};
        for (const auto& [word, ch] : chars)
            map.emplace(word, WordAction{Action::Char, ch});
        map.emplace("cell", WordAction{Action::Structural, u'\t'});
        map.emplace("nestcell", WordAction{Action::Structural, u'\t'});
        map.emplace("row", WordAction{Action::Structural, u'\n'});
        map.emplace("nestrow", WordAction{Action::Structural, u'\n'});
        map.emplace("u", WordAction{Action::Unicode});
        map.emplace("uc", WordAction{Action::UnicodeSkip});
        map.emplace("ansicpg", WordAction{Action::AnsiCodePage});
        map.emplace("ansi", WordAction{Action::CodePage, 1252});
        map.emplace("mac", WordAction{Action::CodePage, 10000});
        map.emplace("pc", WordAction{Action::CodePage, 437});
        map.emplace("pca", WordAction{Action::CodePage, 850});
        return map;
    }();
    return actions;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
// A byte that stands for a character of its own: no group, no escape, no line end
// or other control byte.
bool isTextByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x20 || c == '\t') && c != '{' && c != '}' && c != '\\';
}
int hexValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class Reader {
  public:
    Reader(const QByteArray& data, Parsed& out)
        : p_(data.constData()), n_(qint32(data.size())), out_(out) {}

    bool run(QString* why);

  private:
    enum class Tok { Open, Close, Word, Symbol, Hex, Text, Ignored, End };
    struct Token {
        Tok kind = Tok::End;
        qint32 begin = 0;
        qint32 end = 0;
        std::string_view word;
        bool hasParam = false;
        qint64 param = 0;
        unsigned char byte = 0;
        // A control word that ends in its last letter or digit: no blank ended it
        // and no binary data follows it.
        bool bare = false;
    };
    struct Group {
        bool skip = false;
        int uc = 1;
    };

    bool next(Token& t);
    bool readWord(Token& t);
    void readText();
    bool fail(const QString& why) {
        error_ = why;
        return false;
    }
    void addUnit(const Token& t, char16_t ch, std::uint8_t flags = 0) {
        if (group().skip) return;
        if (afterBareWord_) flags |= Unit::AfterBareWord;
        out_.units.push_back(Unit{t.begin, t.end, ch, flags});
    }
    Group& group() { return stack_.back(); }
    void handleWord(const Token& t);
    void handleSymbol(const Token& t);

    const char* p_;
    qint32 n_;
    qint32 pos_ = 0;
    Parsed& out_;
    std::vector<Group> stack_;
    int pendingFallback_ = 0;
    qint64 fallbackUnit_ = -1;
    bool lastWasBareWord_ = false;
    bool afterBareWord_ = false;  // the token being handled follows a bare control word
    QString error_;
};

// Sets what the kind of token read has: the rest is left as it was (the token is
// reused from one to the next).
bool Reader::next(Token& t) {
    t.begin = pos_;
    if (pos_ >= n_) {
        t.kind = Tok::End;
        return true;
    }
    const char c = p_[pos_];
    switch (c) {
        case '{':
            t.kind = Tok::Open;
            t.end = ++pos_;
            return true;
        case '}':
            t.kind = Tok::Close;
            t.end = ++pos_;
            return true;
        case '\\':
            return readWord(t);
        case '\0':
            return fail(QStringLiteral("a zero byte inside the document"));
        default:
            break;
    }
    const auto byte = static_cast<unsigned char>(c);
    // Line ends are not text in RTF, and other control bytes mean nothing.
    t.kind = (byte < 0x20 && c != '\t') ? Tok::Ignored : Tok::Text;
    t.byte = byte;
    t.end = ++pos_;
    return true;
}

bool Reader::readWord(Token& t) {
    qint32 i = pos_ + 1;
    if (i >= n_) return fail(QStringLiteral("the document ends inside a control word"));
    const char d = p_[i];
    if (d == '\'') {
        if (i + 2 >= n_) return fail(QStringLiteral("the document ends inside a hex escape"));
        const int hi = hexValue(p_[i + 1]);
        const int lo = hexValue(p_[i + 2]);
        if (hi < 0 || lo < 0) return fail(QStringLiteral("a malformed hex escape"));
        t.kind = Tok::Hex;
        t.byte = static_cast<unsigned char>(hi * 16 + lo);
        t.end = pos_ = i + 3;
        return true;
    }
    if (!isLetter(d)) {
        t.kind = Tok::Symbol;
        t.byte = static_cast<unsigned char>(d);
        t.end = pos_ = i + 1;
        return true;
    }
    const qint32 wordBegin = i;
    t.hasParam = false;
    t.param = 0;
    while (i < n_ && isLetter(p_[i]))
        ++i;
    if (i - wordBegin > 32) return fail(QStringLiteral("an overlong control word"));
    t.word = std::string_view(p_ + wordBegin, std::size_t(i - wordBegin));
    bool negative = false;
    if (i + 1 < n_ && p_[i] == '-' && isDigit(p_[i + 1])) {
        negative = true;
        ++i;
    }
    if (i < n_ && isDigit(p_[i])) {
        const qint32 digitsBegin = i;
        qint64 value = 0;
        while (i < n_ && isDigit(p_[i])) {
            if (i - digitsBegin >= 10) return fail(QStringLiteral("an overlong number"));
            value = value * 10 + (p_[i] - '0');
            ++i;
        }
        t.hasParam = true;
        t.param = negative ? -value : value;
    }
    t.bare = !(i < n_ && p_[i] == ' ');
    if (!t.bare) ++i;
    if (t.word == "bin") {
        // Binary data: its length is the parameter, and it is never text.
        if (t.param < 0 || t.param > n_ - i)
            return fail(QStringLiteral("binary data runs past the end"));
        i += qint32(t.param);
        if (t.param > 0) t.bare = false;
    }
    t.kind = Tok::Word;
    t.end = pos_ = i;
    return true;
}

// A run of text bytes at once, each one character, as the loop reads a text token.
void Reader::readText() {
    qint32 end = pos_;
    while (end < n_ && isTextByte(p_[end]))
        ++end;
    if (!group().skip) {
        auto& units = out_.units;
        const std::size_t first = units.size();
        units.resize(first + std::size_t(end - pos_));
        Unit* unit = units.data() + first;
        for (qint32 i = pos_; i < end; ++i, ++unit)
            *unit = Unit{i, i + 1, out_.codePage.decode(static_cast<unsigned char>(p_[i])), 0};
        if (lastWasBareWord_) units[first].flags = Unit::AfterBareWord;
    }
    lastWasBareWord_ = false;
    pos_ = end;
}

void Reader::handleSymbol(const Token& t) {
    switch (t.byte) {
        case '\\':
        case '{':
        case '}':
            addUnit(t, char16_t(t.byte));
            break;
        case '~':
            addUnit(t, 0x00A0);
            break;
        case '-':
            addUnit(t, 0x00AD);
            break;
        case '_':
            addUnit(t, 0x2011);
            break;
        case '\t':
            addUnit(t, u'\t');
            break;
        case '\r':
        case '\n':
            addUnit(t, u'\n');  // a backslash before a line end is a paragraph end
            break;
        case '*':
            group().skip = true;
            break;
        default:
            break;  // \: \| and the like: index and formula marks, no text
    }
}

void Reader::handleWord(const Token& t) {
    const WordAction* found = wordActions().find(t.word);
    if (!found) return;  // formatting: kept as it stands, no text
    const WordAction& action = *found;
    switch (action.action) {
        case Action::Skip:
            group().skip = true;
            break;
        case Action::Char:
            addUnit(t, action.ch);
            break;
        case Action::Structural:
            addUnit(t, action.ch, Unit::Structural);
            break;
        case Action::Unicode: {
            if (!t.hasParam) break;
            const auto ch = char16_t(t.param & 0xFFFF);  // negative values count from 65536
            fallbackUnit_ = -1;
            if (ch != 0 && !group().skip) {
                addUnit(t, ch);
                fallbackUnit_ = qint64(out_.units.size()) - 1;
            }
            pendingFallback_ = group().uc;
            break;
        }
        case Action::UnicodeSkip:
            group().uc = int(std::clamp<qint64>(t.param, 0, 16));
            break;
        case Action::AnsiCodePage:
            if (t.hasParam) out_.codePage.select(int(t.param));
            break;
        case Action::CodePage:
            out_.codePage.select(action.ch);
            break;
    }
}

bool Reader::run(QString* why) {
    const auto failed = [&](const QString& reason) {
        if (why) *why = reason;
        return false;
    };
    while (pos_ < n_ &&
           (p_[pos_] == ' ' || p_[pos_] == '\r' || p_[pos_] == '\n' || p_[pos_] == '\t'))
        ++pos_;
    if (std::string_view(p_ + pos_, std::size_t(n_ - pos_)).substr(0, 5) != "{\\rtf")
        return failed(QStringLiteral("not an RTF document"));
    out_.units.reserve(std::size_t(n_ / 3));
    stack_.reserve(64);
    bool closed = false;
    Token t;
    while (!closed) {
        if (pendingFallback_ == 0 && pos_ < n_ && isTextByte(p_[pos_])) {
            readText();
            continue;
        }
        if (!next(t)) return failed(error_);
        if (t.kind == Tok::End) return failed(QStringLiteral("the document is truncated"));
        afterBareWord_ = lastWasBareWord_;
        lastWasBareWord_ = t.kind == Tok::Word && t.bare;
        if (pendingFallback_ > 0) {
            // The characters after \uN that readers without Unicode show instead.
            if (t.kind == Tok::Ignored) continue;
            if (t.kind != Tok::Open && t.kind != Tok::Close) {
                --pendingFallback_;
                if (fallbackUnit_ >= 0) out_.units[std::size_t(fallbackUnit_)].end = t.end;
                continue;
            }
            pendingFallback_ = 0;
        }
        switch (t.kind) {
            case Tok::Open:
                if (int(stack_.size()) >= kMaxGroupDepth)
                    return failed(QStringLiteral("groups nested too deeply"));
                stack_.push_back(stack_.empty() ? Group{} : group());
                break;
            case Tok::Close:
                stack_.pop_back();
                if (stack_.empty()) {
                    closed = true;
                    out_.endAnchor = t.begin;
                }
                break;
            case Tok::Word:
                handleWord(t);
                break;
            case Tok::Symbol:
                handleSymbol(t);
                break;
            case Tok::Hex:
                addUnit(t, out_.codePage.decode(t.byte));
                break;
            case Tok::Text:
                addUnit(t, t.byte == '\t' ? u'\t' : out_.codePage.decode(t.byte));
                break;
            case Tok::Ignored:
            case Tok::End:
                break;
        }
    }
    // After the document group only line ends, blanks and padding may follow.
    for (; pos_ < n_; ++pos_) {
        const char c = p_[pos_];
        if (c != ' ' && c != '\r' && c != '\n' && c != '\t' && c != '\0' && c != '\x1a')
            return failed(QStringLiteral("data after the end of the document"));
    }
    return true;
}

}  // namespace

CodePage::CodePage() {
    select(1252);
}

void CodePage::select(int number) {
    for (int i = 0; i < 128; ++i)
        high_[std::size_t(i)] = windows1252Char(std::uint8_t(0x80 + i));
    if (number == 1252) return;
    QByteArray name;
    if (number == 437 || number == 850)
        name = "IBM" + QByteArray::number(number);
    else if (number == 10000)
        name = "macintosh";
    else if (number == 874 || (number >= 1250 && number <= 1258))
        name = "windows-" + QByteArray::number(number);
    else
        return;  // double-byte and unknown code pages: read as Windows-1252
    QStringDecoder decoder(name.constData(), QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) return;
    for (int i = 0; i < 128; ++i) {
        const char byte = char(0x80 + i);
        const QString decoded = decoder.decode(QByteArrayView(&byte, 1));
        if (decoded.size() == 1) high_[std::size_t(i)] = decoded.at(0).unicode();
    }
}

unsigned char CodePage::encode(char16_t ch) const {
    if (ch < 0x80) return static_cast<unsigned char>(ch);
    const auto it = std::find(high_.begin(), high_.end(), ch);
    return it == high_.end() ? 0 : static_cast<unsigned char>(0x80 + (it - high_.begin()));
}

bool parse(const QByteArray& data, Parsed& out, QString* why) {
    // Emptied, keeping the room of the units read before: a report reads its
    // template anew each time.
    const auto empty = [&] {
        out.units.clear();
        out.endAnchor = 0;
        out.codePage = CodePage();
    };
    empty();
    if (data.size() > kMaxRtfBytes) {
        if (why) *why = QStringLiteral("the document is too large");
        return false;
    }
    Reader reader(data, out);
    if (!reader.run(why)) {
        empty();
        return false;
    }
    return true;
}

}  // namespace yrn::rtf
