// The recovery copy of unsaved answers: one file that holds every section file of
// an interview, with when it was written, whose it is and where the interviewer was.
#include "records/RecoveryCopy.h"

#include <algorithm>

#include "interview/Interview.h"
#include "interview/ProgramError.h"
#include "interview/Section.h"
#include "records/ClientFolder.h"

namespace yrn {

namespace {

const QByteArray kHeading = "YRN recovery copy 1";
const QByteArray kEnd = "end";
const QByteArray kLineEnd = "\r\n";

// A text for one header line: line breaks and other control characters become blanks.
QString oneLine(QString text) {
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = u' ';
    return text;
}

// The client's name for its header line, in whole characters of at most
// kMaxNameBytes bytes.
QByteArray nameLine(const QString& name) {
    QByteArray bytes = oneLine(name.left(RecoveryCopy::kMaxNameBytes)).toUtf8();
    if (bytes.size() <= RecoveryCopy::kMaxNameBytes) return bytes;
    qsizetype end = RecoveryCopy::kMaxNameBytes;
    while (end > 0 && (static_cast<uchar>(bytes.at(end)) & 0xc0) == 0x80)  // inside a character
        --end;
    return bytes.left(end);
}

// Reads a copy from its bytes; every step refuses what is not exactly as written.
class CopyReader {
  public:
    explicit CopyReader(const QByteArray& bytes) : bytes_(bytes) {}

    std::optional<QByteArray> line() {
        const qsizetype end = bytes_.indexOf(kLineEnd, at_);
        if (end < 0) return std::nullopt;
        QByteArray out = bytes_.mid(at_, end - at_);
        at_ = end + kLineEnd.size();
        return out;
    }
    // The value of a line "key value".
    std::optional<QByteArray> value(const QByteArray& key) {
        const std::optional<QByteArray> l = line();
        if (!l || !l->startsWith(key + ' ')) return std::nullopt;
        return l->mid(key.size() + 1);
    }
    // A block of so many bytes followed by a line end.
    std::optional<QByteArray> block(qint64 size) {
        if (size < 0 || size > bytes_.size() - at_ - kLineEnd.size()) return std::nullopt;
        QByteArray out = bytes_.mid(at_, size);
        at_ += size;
        if (bytes_.mid(at_, kLineEnd.size()) != kLineEnd) return std::nullopt;
        at_ += kLineEnd.size();
        return out;
    }
    bool atEnd() const { return at_ == bytes_.size(); }

  private:
    const QByteArray& bytes_;
    qsizetype at_ = 0;
};

}  // namespace

QList<std::pair<QString, QByteArray>> RecoveryCopy::filesOf(const Interview& interview) {
    QList<std::pair<QString, QByteArray>> files;
    for (const Section* section : interview.sections()) {
        QByteArray bytes = section->fileBytes();
        if (!bytes.isEmpty()) files.append({section->info().fileName, std::move(bytes)});
    }
    return files;
}

QByteArray RecoveryCopy::encode() const {
    QByteArray out = kHeading + kLineEnd;
    out += "written " + written.toUTC().toString(Qt::ISODateWithMs).toUtf8() + kLineEnd;
    out += "name " + nameLine(name) + kLineEnd;
    // Module names hold no blank; a copy written before places were kept has no line.
    if (!place.module.isEmpty() && !place.module.contains(' '))
        out += "place " + oneLine(place.module).toUtf8() + ' ' + QByteArray::number(place.page) +
               kLineEnd;
    for (const auto& [file, bytes] : files)
        out += "file " + oneLine(file).toUtf8() + ' ' + QByteArray::number(bytes.size()) +
               kLineEnd + bytes + kLineEnd;
    out += kEnd + kLineEnd;
    return out;
}

std::optional<RecoveryCopy> RecoveryCopy::decode(const QByteArray& bytes) {
    if (bytes.size() > kMaxBytes) return std::nullopt;
    CopyReader reader(bytes);
    if (reader.line() != kHeading) return std::nullopt;
    RecoveryCopy copy;
    const std::optional<QByteArray> written = reader.value("written");
    if (!written) return std::nullopt;
    copy.written = QDateTime::fromString(QString::fromLatin1(*written), Qt::ISODateWithMs);
    if (!copy.written.isValid()) return std::nullopt;
    const std::optional<QByteArray> name = reader.value("name");
    if (!name || name->size() > kMaxNameBytes) return std::nullopt;
    copy.name = QString::fromUtf8(*name);
    for (bool first = true;; first = false) {
        const std::optional<QByteArray> line = reader.line();
        if (!line) return std::nullopt;
        if (*line == kEnd) break;
        if (first && line->startsWith("place ")) {
            const QList<QByteArray> parts = line->split(' ');
            bool ok = false;
            copy.place = {QString::fromUtf8(parts.value(1)), parts.value(2).toInt(&ok)};
            if (parts.size() != 3 || !ok || copy.place.module.isEmpty()) return std::nullopt;
            continue;
        }
        if (!line->startsWith("file ")) return std::nullopt;
        const qsizetype blank = line->lastIndexOf(' ');
        if (blank <= 5) return std::nullopt;
        const QString file = QString::fromUtf8(line->mid(5, blank - 5));
        bool ok = false;
        const qint64 size = line->mid(blank + 1).toLongLong(&ok);
        if (!ok) return std::nullopt;
        if (std::any_of(copy.files.cbegin(), copy.files.cend(),
                        [&](const auto& f) { return f.first == file; }))
            return std::nullopt;
        const std::optional<QByteArray> content = reader.block(size);
        if (!content) return std::nullopt;
        copy.files.append({file, *content});
    }
    if (!reader.atEnd()) return std::nullopt;
    return copy;
}

QStringList RecoveryCopy::restoreInto(Interview& interview, ClientFolder& clients) const {
    clients.NewClientYRN();
    auto ordered = files;
    std::sort(ordered.begin(), ordered.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList incomplete;
    interview.BeginLoading();
    guarded(interview.prompts(), ErrorSite::module(QStringLiteral("frmMain.RestoreInterview")),
            [&] {
                for (const auto& [file, bytes] : std::as_const(ordered)) {
                    for (Section* section : interview.sections()) {
                        if (section->info().fileName != file) continue;
                        if (!section->LoadClientBytes(bytes).complete) incomplete << file;
                    }
                }
            });
    interview.EndLoading();
    return incomplete;
}

}  // namespace yrn
