#include "report/RtfDocument.h"

#include <QChar>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <string_view>

#include "base/AtomicFile.h"
#include "report/RtfParser.h"

namespace yrn {

namespace {

char16_t folded(char16_t ch) {
    if (ch < 0x80) return ch >= u'A' && ch <= u'Z' ? char16_t(ch + (u'a' - u'A')) : ch;
    return char16_t(QChar::toCaseFolded(char32_t(ch)));
}

// The text a replacement shows: CR LF, a lone CR and a lone LF each a paragraph
// break; other control characters have no place in text.
template <class Take>
void forEachShown(QStringView plain, Take&& take) {
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const char16_t ch = plain.at(i).unicode();
        if (ch == u'\r' || ch == u'\n') {
            if (ch == u'\r' && i + 1 < plain.size() && plain.at(i + 1) == u'\n') ++i;
            take(u'\n');
        } else if (ch == u'\t' || (ch >= 0x20 && ch != 0x7F)) {
            take(ch);
        }
    }
}

QString shownText(QStringView plain) {
    QString text;
    text.reserve(plain.size());
    forEachShown(plain, [&](char16_t ch) { text += QChar(ch); });
    return text;
}

qsizetype shownLength(QStringView plain) {
    qsizetype n = 0;
    forEachShown(plain, [&](char16_t) { ++n; });
    return n;
}

// A marker's shape: "#" and "#" around anything but "#", no longer than this. Every
// occurrence of one in the template is one of its spans from a "#" to the next;
// longer spans are no marker and are left to the search.
constexpr qint32 kMaxMarker = 64;
bool isMarker(QStringView text) {
    return text.size() >= 2 && text.size() <= kMaxMarker && text.front() == u'#' &&
           text.back() == u'#' &&
           std::find(text.begin() + 1, text.end() - 1, u'#') == text.end() - 1;
}

// Cheap: the length and three characters. Spans that share it are told apart by
// their text.
std::size_t markerHash(QStringView text) {
    const qsizetype n = text.size();
    std::size_t hash = std::size_t(n);
    for (const qsizetype i : {qsizetype(1), n / 2, n - 2})
        hash = hash * 65599 + text[i].unicode();
    return hash;
}

}  // namespace

struct RtfDocument::Impl {
    // Kept: a character a replacement does not remove (Structural).
    enum State : std::uint8_t { Removed = 1, Barrier = 2, Kept = 4 };
    // The template's text from one "#" to the next (both included), by the hash of
    // its folded characters.
    struct Span {
        std::size_t hash;
        qint32 at;
        qint32 length;
        // How many spans from this one on are used up (a replacement took a character
        // of each, or stands inside it): a marker filled many times is not looked at
        // from its first occurrence again.
        mutable qint32 used = 0;
        bool operator<(const Span& other) const {
            return hash != other.hash ? hash < other.hash : at < other.at;
        }
    };

    bool loaded = false;
    // data, parsed, searchText and spans are those of the last document read
    // (loaded or not since).
    bool indexed = false;
    QByteArray data;
    rtf::Parsed parsed;
    // The template's own characters, case-folded, for find(); never changed after
    // loading (what a replacement removed is told by state).
    QString searchText;
    // Per template character: removed, and whether a replacement stands right
    // before it (a match may not run across that point); as loaded in loadedState.
    std::vector<std::uint8_t> state;
    std::vector<std::uint8_t> loadedState;
    // Per template character: the last of the characters from it on whose bytes
    // follow each other's with nothing between and none of which is Kept but it.
    std::vector<qint32> runLast;
    // Every span of searchText from a "#" to the next up to kMaxMarker long, in order
    // of hash, then position: the markers a report fills are looked up here instead
    // of searched for.
    std::vector<Span> spans;
    // What a replacement put before template character at (at == size: at the end), in
    // place of the length template characters from there (0 for a further piece in
    // the same place): its plain text and its RTF, stretches of pieceText and pieceRtf.
    struct Piece {
        int at;
        int length;
        qsizetype textAt, textSize;
        qsizetype rtfAt, rtfSize;
    };
    // In order of their place and, in one place, of their making.
    std::vector<Piece> pieces;
    QString pieceText;
    // Its bytes up to rtfEnd are the pieces'.
    QByteArray pieceRtf;
    qsizetype rtfEnd = 0;

    // The selection: it starts before template character selUnit, after every piece
    // standing there (a replacement goes after those made before it), and covers
    // selLength template characters.
    int selUnit = 0;
    int selLength = 0;

    // Empties the document. What was read of the last one stays, not loaded: a
    // report reads its template anew each time, and the same bytes are not parsed
    // and indexed again.
    void clear();
    // Takes in a document just parsed: its text folded for find() and its markers indexed.
    void read(const QByteArray& rtf);
    // The document as read: no replacement, the selection at the start.
    void start();
    int unitCount() const { return int(parsed.units.size()); }
    bool alive(int i) const { return !(state[std::size_t(i)] & Removed); }
    // No character of [at, at + n) removed and no replacement inside it.
    bool whole(qsizetype at, qsizetype n) const;
    // Writes the RTF of the plain text after the pieces' in pieceRtf.
    void appendRtf(QStringView plain);
    QStringView textOf(const Piece& piece) const {
        return QStringView(pieceText).sliced(piece.textAt, piece.textSize);
    }
    // The first piece at or after template character at.
    std::vector<Piece>::const_iterator firstPiece(int at) const {
        return std::partition_point(pieces.begin(), pieces.end(),
                                    [at](const Piece& piece) { return piece.at < at; });
    }
    // Where the first whole occurrence of the folded needle at or after from
    // starts in the template's own text; -1 when there is none.
    qsizetype match(QStringView needle, qsizetype from) const;
    // find() and count() of a folded needle.
    bool select(QStringView needle);
    int count(QStringView needle) const;
};

void RtfDocument::Impl::clear() {
    loaded = false;
    pieces.clear();
    // Emptied, not freed: the next report fills them again.
    pieceText.resize(0);
    rtfEnd = 0;
    selUnit = selLength = 0;
}

void RtfDocument::Impl::read(const QByteArray& rtf) {
    data = rtf;
    const auto& units = parsed.units;
    searchText.resize(qsizetype(units.size()));
    char16_t* out = reinterpret_cast<char16_t*>(searchText.data());
    spans.clear();
    loadedState.assign(units.size(), 0);
    qint32 previous = -1;  // the last "#"
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i].flags & rtf::Unit::Structural) loadedState[i] = Kept;
        out[i] = folded(units[i].ch);
        if (out[i] != u'#') continue;
        if (const qint32 length = qint32(i) - previous + 1; previous >= 0 && length <= kMaxMarker)
            spans.push_back({markerHash(QStringView(out + previous, length)), previous, length});
        previous = qint32(i);
    }
    std::sort(spans.begin(), spans.end());
    runLast.resize(units.size());
    for (std::size_t i = units.size(); i-- > 0;)
        runLast[i] = i + 1 < units.size() && units[i + 1].begin == units[i].end &&
                             !(loadedState[i + 1] & Kept)
                         ? runLast[i + 1]
                         : qint32(i);
    indexed = true;
}

void RtfDocument::Impl::start() {
    clear();
    state = loadedState;
    for (const Span& span : spans)
        span.used = 0;
    loaded = true;
}

// The piece in a group of its own: it takes the format in force where it stands,
// cannot run into a control word before it, and its \uc1 ends with it.
void RtfDocument::Impl::appendRtf(QStringView plain) {
    // Printable ASCII but the RTF's own three goes out as it is.
    static constexpr auto kAsIs = [] {
        std::array<bool, 128> asIs{};
        for (char16_t ch = 0x20; ch < 0x7F; ++ch)
            asIs[ch] = ch != u'\\' && ch != u'{' && ch != u'}';
        return asIs;
    }();
    // Written in place, a block of characters at a time: each takes at most
    // "\\u-32768\\'xx", and the group around the piece seven more.
    constexpr qsizetype kBlock = 4096, kMostPerChar = 12;
    const char16_t* chars = plain.utf16();
    const qsizetype n = plain.size();
    const qsizetype start = rtfEnd;
    char* to = nullptr;
    const auto room = [&](qsizetype bytes) {
        const qsizetype used = to ? to - pieceRtf.constData() : rtfEnd;
        if (pieceRtf.size() < used + bytes)
            pieceRtf.resize(std::max(used + bytes, 2 * pieceRtf.size()));
        to = pieceRtf.data() + used;
    };
    const auto put = [&](std::string_view text) {
        std::memcpy(to, text.data(), text.size());
        to += text.size();
    };
    room(7 + kMostPerChar * std::min(n, kBlock));
    *to++ = '{';
    bool unicode = false;
    for (qsizetype i = 0, blockEnd = kBlock; i < n;) {
        if (i >= blockEnd) {
            room(7 + kMostPerChar * std::min(n - i, kBlock));
            blockEnd = i + kBlock;
        }
        const char16_t ch = chars[i++];
        if (ch < 0x80 && kAsIs[ch]) {
            *to++ = char(ch);
            continue;
        }
        switch (ch) {
            case u'\\':
                put("\\\\");
                continue;
            case u'{':
                put("\\{");
                continue;
            case u'}':
                put("\\}");
                continue;
            case u'\t':
                put("\\tab ");
                continue;
            case u'\r':
                // CR LF, a lone CR and a lone LF are each a paragraph break.
                if (i < n && chars[i] == u'\n') ++i;
                put("\\par ");
                continue;
            case u'\n':
                put("\\par ");
                continue;
            default:
                break;
        }
        // Other control characters have no place in text.
        if (ch < 0x80) continue;
        unicode = true;
        put("\\u");
        to = std::to_chars(to, to + 6, int(qint16(ch))).ptr;
        if (const unsigned char fallback = parsed.codePage.encode(ch)) {
            static const char hex[] = "0123456789abcdef";
            const char escape[] = {'\\', '\'', hex[fallback >> 4], hex[fallback & 15]};
            put({escape, sizeof escape});
        } else {
            *to++ = '?';
        }
    }
    *to++ = '}';
    if (unicode) {
        // The group starts with \uc1: one fallback character after each \u.
        constexpr std::string_view kUc1 = "\\uc1 ";
        std::memmove(pieceRtf.data() + start + 1 + kUc1.size(), pieceRtf.constData() + start + 1,
                     std::size_t(to - pieceRtf.constData() - start - 1));
        std::memcpy(pieceRtf.data() + start + 1, kUc1.data(), kUc1.size());
        to += kUc1.size();
    }
    rtfEnd = to - pieceRtf.constData();
}

RtfDocument::RtfDocument() : d(std::make_unique<Impl>()) {}
RtfDocument::~RtfDocument() = default;
RtfDocument::RtfDocument(const RtfDocument& other) : d(std::make_unique<Impl>(*other.d)) {}
RtfDocument& RtfDocument::operator=(const RtfDocument& other) {
    if (this != &other) *d = *other.d;
    return *this;
}
RtfDocument::RtfDocument(RtfDocument&& other) noexcept : d(std::move(other.d)) {
    other.d = std::make_unique<Impl>();
}
RtfDocument& RtfDocument::operator=(RtfDocument&& other) noexcept {
    std::swap(d, other.d);
    return *this;
}

bool RtfDocument::load(const QString& path) {
    d->clear();
    QByteArray bytes;
    if (readFileLimited(path, rtf::kMaxRtfBytes, bytes) != ReadOutcome::Read) return false;
    return loadFromData(bytes);
}

bool RtfDocument::loadFromData(const QByteArray& bytes) {
    d->clear();
    // A template saved by an editor that marks its files as UTF-8 starts with a
    // byte-order mark, which is no part of the RTF.
    const QByteArray rtfData = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    if (!d->indexed || rtfData != d->data) {
        d->indexed = false;
        if (!rtf::parse(rtfData, d->parsed)) return false;
        d->read(rtfData);
    }
    d->start();
    return true;
}

bool RtfDocument::isLoaded() const {
    return d->loaded;
}

QByteArray RtfDocument::toRtf() const {
    if (!d->loaded) return {};
    if (d->pieces.empty()) return d->data;
    const auto& units = d->parsed.units;
    // Written in place: the document's bytes, the pieces' and at most a blank for
    // every character.
    QByteArray out(d->data.size() + d->rtfEnd + d->unitCount(), Qt::Uninitialized);
    char* to = out.data();
    const auto put = [&](const char* bytes, qsizetype n) {
        std::memcpy(to, bytes, std::size_t(n));
        to += n;
    };
    qint32 from = 0;
    // The output ends where this character of the document begins (-1: it ends in
    // an inserted piece or a blank).
    int tail = -1;
    auto piece = d->pieces.cbegin();
    const auto visit = [&](int i) {
        const bool piecesHere = piece != d->pieces.cend() && piece->at == i;
        const bool removed = !d->alive(i);
        if (!piecesHere && !removed) return;
        const rtf::Unit& unit = units[std::size_t(i)];
        if (unit.begin > from) {
            put(d->data.constData() + from, unit.begin - from);
            tail = i;
        }
        from = unit.begin;
        if (piecesHere) {
            for (; piece != d->pieces.cend() && piece->at == i; ++piece)
                put(d->pieceRtf.constData() + piece->rtfAt, piece->rtfSize);
            tail = -1;
        }
        if (removed) {
            // What follows the removed character must not run into a control
            // word before it: a blank ends the word and is no text.
            if (tail >= 0 && (units[std::size_t(tail)].flags & rtf::Unit::AfterBareWord)) {
                *to++ = ' ';
                tail = -1;
            }
            from = unit.end;
        }
    };
    // Only the characters a replacement took or stands before need a look, in order.
    int next = 0;
    for (const Impl::Piece& taken : d->pieces) {
        const int end = std::min(d->unitCount(), taken.at + std::max(taken.length, 1));
        for (int i = std::max(next, taken.at); i < end; ++i) {
            visit(i);
            // The characters after a removed one up to the end of its run are removed too
            // (no piece stands before a removed character but the first of a
            // replacement's): nothing of them goes out.
            if (!d->alive(i) && (piece == d->pieces.cend() || piece->at > i)) {
                const int last = std::min(end - 1, d->runLast[std::size_t(i)]);
                if (last > i && (piece == d->pieces.cend() || piece->at > last)) {
                    from = units[std::size_t(last)].end;
                    i = last;
                }
            }
        }
        next = std::max(next, end);
    }
    const auto copyUpTo = [&](qint32 end) {
        put(d->data.constData() + from, end - from);
        from = end;
    };
    copyUpTo(d->parsed.endAnchor);
    for (; piece != d->pieces.cend(); ++piece)  // the pieces at the very end
        put(d->pieceRtf.constData() + piece->rtfAt, piece->rtfSize);
    copyUpTo(qint32(d->data.size()));
    out.truncate(to - out.constData());
    return out;
}

bool RtfDocument::save(const QString& path, QString* error) const {
    if (!d->loaded) return false;
    return writeFileAtomically(path, toRtf(), error);
}

QString RtfDocument::visibleText() const {
    QString text;
    if (!d->loaded) return text;
    text.reserve(d->searchText.size());
    auto piece = d->pieces.begin();
    const auto& units = d->parsed.units;
    for (int i = 0; i <= d->unitCount(); ++i) {
        for (; piece != d->pieces.end() && piece->at == i; ++piece)
            text += shownText(d->textOf(*piece));
        if (i < d->unitCount() && d->alive(i)) text += QChar(units[std::size_t(i)].ch);
    }
    return text;
}

bool RtfDocument::Impl::whole(qsizetype at, qsizetype n) const {
    for (qsizetype k = 0; k < n; ++k) {
        const std::uint8_t s = state[std::size_t(at + k)];
        if ((s & Removed) || (k > 0 && (s & Barrier))) return false;
    }
    return true;
}

// An occurrence in the text as loaded is one now when none of its characters was
// removed, as replacements only remove and never put template text back.
qsizetype RtfDocument::Impl::match(QStringView needle, qsizetype from) const {
    const auto n = needle.size();
    const QStringView text(searchText);
    if (isMarker(needle)) {
        const std::size_t hash = markerHash(needle);
        const auto first =
            std::lower_bound(spans.begin(), spans.end(), Span{hash, qint32(from), 0});
        bool usedUp = true;  // every span from first to this one
        for (auto span = first; span != spans.end() && span->hash == hash;) {
            if (span->used > 0) {
                span += span->used;
                continue;
            }
            if (!whole(span->at, span->length)) {
                ++span;
                if (usedUp) first->used = qint32(span - first);
                continue;
            }
            usedUp = false;
            if (span->length == n &&
                std::equal(needle.begin(), needle.end(), text.begin() + span->at))
                return span->at;
            ++span;
        }
        return -1;
    }
    for (;;) {
        const qsizetype at = text.indexOf(needle, from, Qt::CaseSensitive);
        if (at < 0) return -1;
        if (whole(at, n)) return at;
        from = at + 1;
    }
}

namespace {

// A text to search for, case-folded; a marker's fits without a heap allocation.
class Needle {
  public:
    explicit Needle(QStringView text) { append(text); }
    Needle(char16_t around, QStringView text) {
        chars_.append(around);
        append(text);
        chars_.append(around);
    }
    QStringView view() const { return QStringView(chars_.constData(), chars_.size()); }

  private:
    void append(QStringView text) {
        for (const QChar ch : text)
            chars_.append(folded(ch.unicode()));
    }
    QVarLengthArray<char16_t, 64> chars_;
};

}  // namespace

bool RtfDocument::Impl::select(QStringView needle) {
    if (!loaded || needle.isEmpty()) return false;
    const qsizetype at = match(needle, 0);
    if (at < 0) return false;
    selUnit = int(at);
    selLength = int(needle.size());
    return true;
}

int RtfDocument::Impl::count(QStringView needle) const {
    if (!loaded || needle.isEmpty()) return 0;
    int found = 0;
    for (qsizetype at = match(needle, 0); at >= 0; at = match(needle, at + needle.size()))
        ++found;
    return found;
}

bool RtfDocument::find(const QString& text) {
    return d->select(Needle(text).view());
}

int RtfDocument::count(const QString& text) const {
    return d->count(Needle(text).view());
}

bool RtfDocument::findMarker(QStringView field) {
    return d->select(Needle(u'#', field).view());
}

int RtfDocument::countMarkers(QStringView field) const {
    return d->count(Needle(u'#', field).view());
}

void RtfDocument::replaceSelection(const QString& plain) {
    if (!d->loaded) return;
    Impl::Piece piece{d->selUnit, d->selLength, d->pieceText.size(), plain.size(), d->rtfEnd, 0};
    d->pieceText.append(plain);
    d->appendRtf(plain);
    piece.rtfSize = d->rtfEnd - piece.rtfAt;
    // A report mostly fills its template from the start to the end.
    if (d->pieces.empty() || d->pieces.back().at <= d->selUnit)
        d->pieces.push_back(piece);
    else
        d->pieces.insert(d->firstPiece(d->selUnit + 1), piece);
    std::uint8_t* state = d->state.data() + d->selUnit;
    for (int k = 0; k < d->selLength; ++k)
        if (!(state[k] & Impl::Kept)) state[k] |= Impl::Removed;
    if (d->selUnit < d->unitCount()) d->state[std::size_t(d->selUnit)] |= Impl::Barrier;
    d->selLength = 0;
}

int RtfDocument::selectionStart() const {
    if (!d->loaded) return 0;
    int position = 0;
    for (int i = 0; i < d->selUnit; ++i)
        position += d->alive(i) ? 1 : 0;
    // The pieces before the selection: those of earlier characters and of its own.
    const auto end = d->firstPiece(d->selUnit + 1);
    for (auto it = d->pieces.cbegin(); it != end; ++it)
        position += int(shownLength(d->textOf(*it)));
    return position;
}

int RtfDocument::selectionLength() const {
    return d->loaded ? d->selLength : 0;
}

}  // namespace yrn
