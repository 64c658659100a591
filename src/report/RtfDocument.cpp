#include "report/RtfDocument.h"

#include <QChar>
#include <map>

#include "base/AtomicFile.h"
#include "report/RtfParser.h"

namespace yrn {

namespace {

// Marks a character of the search text that a replacement removed.
constexpr char16_t kRemoved = 0xFFFF;

char16_t folded(char16_t ch) {
    return char16_t(QChar::toCaseFolded(char32_t(ch)));
}

}  // namespace

struct RtfDocument::Impl {
    // Text that a replacement put in: its RTF and its visible characters.
    struct Piece {
        QByteArray rtf;
        QString text;
    };
    enum State : std::uint8_t { Removed = 1, Barrier = 2 };

    bool loaded = false;
    QByteArray data;
    rtf::Parsed parsed;
    // The template's own characters, case-folded, for find(); removed ones are kRemoved.
    QString searchText;
    // Per template character: removed, and whether a replacement stands right
    // before it (a match may not run across that point).
    std::vector<std::uint8_t> state;
    // The inserted pieces standing before template character i (i == size: at the end).
    std::map<int, std::vector<Piece>> pieces;

    // The selection: it starts before template character selUnit, after the first
    // selPiece pieces standing there, and covers selLength template characters.
    int selUnit = 0;
    int selPiece = 0;
    int selLength = 0;

    void clear() { *this = Impl{}; }
    int unitCount() const { return int(parsed.units.size()); }
    bool alive(int i) const { return !(state[std::size_t(i)] & Removed); }
    Piece makePiece(const QString& plain) const;
    // Where the first whole occurrence of the folded needle at or after from
    // starts in the template's own text; -1 when there is none.
    qsizetype match(const QString& needle, qsizetype from) const;
};

RtfDocument::Impl::Piece RtfDocument::Impl::makePiece(const QString& plain) const {
    Piece piece;
    QByteArray body;
    bool unicode = false;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const char16_t ch = plain.at(i).unicode();
        switch (ch) {
            case u'\\':
                body += "\\\\";
                piece.text += QChar(ch);
                continue;
            case u'{':
                body += "\\{";
                piece.text += QChar(ch);
                continue;
            case u'}':
                body += "\\}";
                piece.text += QChar(ch);
                continue;
            case u'\t':
                body += "\\tab ";
                piece.text += QChar(ch);
                continue;
            case u'\r':
            case u'\n':
                // CR LF, a lone CR and a lone LF each end a paragraph.
                if (ch == u'\r' && i + 1 < plain.size() && plain.at(i + 1) == u'\n') ++i;
                body += "\\par ";
                piece.text += u'\n';
                continue;
            default:
                break;
        }
        if (ch < 0x20 || ch == 0x7F) continue;  // control characters have no place in text
        piece.text += QChar(ch);
        if (ch < 0x80) {
            body += char(ch);
            continue;
        }
        unicode = true;
        body += "\\u" + QByteArray::number(qint16(ch));
        const unsigned char fallback = parsed.codePage.encode(ch);
        if (fallback) {
            static const char hex[] = "0123456789abcdef";
            body += "\\'";
            body += hex[fallback >> 4];
            body += hex[fallback & 15];
        } else {
            body += '?';
        }
    }
    // A group of its own: it takes the format in force where it stands, cannot run
    // into a control word before it, and its \uc1 ends with it.
    piece.rtf = "{" + QByteArray(unicode ? "\\uc1 " : "") + body + "}";
    return piece;
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
    if (!rtf::parse(rtfData, d->parsed)) return false;
    d->data = rtfData;
    const auto& units = d->parsed.units;
    d->searchText.resize(qsizetype(units.size()));
    char16_t* out = reinterpret_cast<char16_t*>(d->searchText.data());
    for (std::size_t i = 0; i < units.size(); ++i)
        out[i] = folded(units[i].ch);
    d->state.assign(units.size(), 0);
    d->loaded = true;
    return true;
}

bool RtfDocument::isLoaded() const {
    return d->loaded;
}

QByteArray RtfDocument::toRtf() const {
    if (!d->loaded) return {};
    if (d->pieces.empty()) return d->data;
    const auto& units = d->parsed.units;
    QByteArray out;
    out.reserve(d->data.size() + d->data.size() / 4);
    qint32 from = 0;
    // The output ends where this character of the document begins (-1: it ends in
    // an inserted piece or a blank).
    int tail = -1;
    for (int i = 0; i < d->unitCount(); ++i) {
        const auto piecesHere = d->pieces.find(i);
        const bool removed = !d->alive(i);
        if (piecesHere == d->pieces.end() && !removed) continue;
        const rtf::Unit& unit = units[std::size_t(i)];
        if (unit.begin > from) {
            out.append(d->data.constData() + from, unit.begin - from);
            tail = i;
        }
        from = unit.begin;
        if (piecesHere != d->pieces.end()) {
            for (const auto& piece : piecesHere->second)
                out += piece.rtf;
            tail = -1;
        }
        if (removed) {
            // What follows the removed character must not run into a control
            // word before it: a blank ends the word and is no text.
            if (tail >= 0 && (units[std::size_t(tail)].flags & rtf::Unit::AfterBareWord)) {
                out += ' ';
                tail = -1;
            }
            from = unit.end;
        }
    }
    const auto copyUpTo = [&](qint32 to) {
        out.append(d->data.constData() + from, to - from);
        from = to;
    };
    copyUpTo(d->parsed.endAnchor);
    if (const auto atEnd = d->pieces.find(d->unitCount()); atEnd != d->pieces.end())
        for (const auto& piece : atEnd->second)
            out += piece.rtf;
    copyUpTo(qint32(d->data.size()));
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
        if (piece != d->pieces.end() && piece->first == i) {
            for (const auto& p : piece->second)
                text += p.text;
            ++piece;
        }
        if (i < d->unitCount() && d->alive(i)) text += QChar(units[std::size_t(i)].ch);
    }
    return text;
}

qsizetype RtfDocument::Impl::match(const QString& needle, qsizetype from) const {
    const auto n = needle.size();
    for (;;) {
        const qsizetype at = searchText.indexOf(needle, from, Qt::CaseSensitive);
        if (at < 0) return -1;
        bool whole = true;
        for (qsizetype k = 0; k < n && whole; ++k) {
            const std::uint8_t s = state[std::size_t(at + k)];
            whole = !(s & Removed) && (k == 0 || !(s & Barrier));
        }
        if (whole) return at;
        from = at + 1;
    }
}

namespace {

QString foldedText(QString text) {
    for (QChar& ch : text)
        ch = QChar(folded(ch.unicode()));
    return text;
}

}  // namespace

bool RtfDocument::find(const QString& text) {
    if (!d->loaded || text.isEmpty()) return false;
    const QString needle = foldedText(text);
    const qsizetype at = d->match(needle, 0);
    if (at < 0) return false;
    d->selUnit = int(at);
    const auto here = d->pieces.find(d->selUnit);
    d->selPiece = here == d->pieces.end() ? 0 : int(here->second.size());
    d->selLength = int(needle.size());
    return true;
}

int RtfDocument::count(const QString& text) const {
    if (!d->loaded || text.isEmpty()) return 0;
    const QString needle = foldedText(text);
    int found = 0;
    for (qsizetype at = d->match(needle, 0); at >= 0; at = d->match(needle, at + needle.size()))
        ++found;
    return found;
}

void RtfDocument::replaceSelection(const QString& plain) {
    if (!d->loaded) return;
    auto& here = d->pieces[d->selUnit];
    here.insert(here.begin() + d->selPiece, d->makePiece(plain));
    const auto& units = d->parsed.units;
    for (int i = d->selUnit; i < d->selUnit + d->selLength; ++i) {
        if (units[std::size_t(i)].flags & rtf::Unit::Structural) continue;
        d->state[std::size_t(i)] |= Impl::Removed;
        d->searchText[i] = QChar(kRemoved);
    }
    if (d->selUnit < d->unitCount()) d->state[std::size_t(d->selUnit)] |= Impl::Barrier;
    ++d->selPiece;
    d->selLength = 0;
}

int RtfDocument::selectionStart() const {
    if (!d->loaded) return 0;
    int position = 0;
    for (int i = 0; i < d->selUnit; ++i)
        position += d->alive(i) ? 1 : 0;
    for (auto it = d->pieces.begin(); it != d->pieces.end() && it->first <= d->selUnit; ++it) {
        const int count = it->first < d->selUnit ? int(it->second.size()) : d->selPiece;
        for (int k = 0; k < count; ++k)
            position += int(it->second[std::size_t(k)].text.size());
    }
    return position;
}

int RtfDocument::selectionLength() const {
    return d->loaded ? d->selLength : 0;
}

}  // namespace yrn
