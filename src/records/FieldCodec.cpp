#include "records/FieldCodec.h"

#include "interview/NumericCheck.h"
#include "interview/ProgramError.h"
#include "interview/Section.h"
#include "records/TextEncoding.h"

namespace yrn {

QString numberForm(qint64 value) {
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value) + ' ';
}

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == ' ')
        ++first;
    while (last > first && text.at(last - 1) == ' ')
        --last;
    return text.mid(first, last - first);
}

// --- Writer ---

void SectionWriter::writeLine(bool last, const QString& value) {
    lines_.append(value);
    if (!last) lines_.append(QStringLiteral(";"));
}

void SectionWriter::PrintText(bool last, const QString& id) {
    const QString& text = section_.field(id).text;
    writeLine(last, IsNull(text) ? numberForm(-1) : escapeValue(text));
}

void SectionWriter::printOption(bool last, const QString& id, int buttons) {
    const int choice = section_.field(id).choice;
    writeLine(last, QString::number(choice >= 0 && choice < buttons ? choice : -1));
}

void SectionWriter::PrintOpt(bool last, const QString& id) {
    printOption(last, id, 2);
}
void SectionWriter::PrintOpt3(bool last, const QString& id) {
    printOption(last, id, 3);
}
void SectionWriter::PrintOpt4(bool last, const QString& id) {
    printOption(last, id, 4);
}

void SectionWriter::PrintCombo(bool last, const QString& id) {
    writeLine(last, numberForm(section_.field(id).position));
}

void SectionWriter::PrintComboNew(bool last, const QString& id) {
    const Field& f = section_.field(id);
    writeLine(last, numberForm(f.position >= 0 ? f.code() : -1));
}

void SectionWriter::PrintCheckBox(bool last, const QString& id) {
    writeLine(last, numberForm(section_.field(id).check == CheckState::Clear ? 0 : 1));
}

QByteArray SectionWriter::bytes() const {
    QString text;
    for (const QString& line : lines_)
        text += line + QStringLiteral("\r\n");
    return encodeSectionText(text);
}

// --- Reader ---

// The lines are found as the reading goes: the text is held once, and a line is
// copied out only when it is read. CR LF, LF and a lone CR all end a line; a line
// break at the very end starts no further line.
SectionReader::SectionReader(Section& section, const QByteArray& bytes) : section_(section) {
    if (bytes.size() > kMaxFileBytes) {
        stopped_ = true;
        return;
    }
    // A file whose UTF-8 is broken is read as far as it goes, and told as damaged.
    bool valid = true;
    text_ = decodeSectionText(bytes, &valid);
    faulty_ = !valid;
}

qsizetype SectionReader::lineEnd(qsizetype from) const {
    const QChar* chars = text_.constData();
    for (qsizetype i = from; i < text_.size(); ++i)
        if (chars[i] == '\r' || chars[i] == '\n') return i;
    return text_.size();
}

qsizetype SectionReader::afterLineBreak(qsizetype end) const {
    if (end >= text_.size()) return end;
    if (text_.at(end) == '\r' && end + 1 < text_.size() && text_.at(end + 1) == '\n')
        return end + 2;
    return end + 1;
}

bool SectionReader::nextLine(QString& line) {
    if (stopped_) return false;
    const qsizetype end = lineEnd(next_);
    if (next_ >= text_.size() || end - next_ > kMaxLineChars) {
        stopped_ = true;
        return false;
    }
    line = text_.mid(next_, end - next_);
    next_ = afterLineBreak(end);
    return true;
}

bool SectionReader::readValue(QString& value) {
    QString line;
    if (!nextLine(line)) return false;
    value = trimBlanks(line);
    return true;
}

// A separator line holds ";" (blanks around it, and anything after a comma, aside).
bool SectionReader::isSeparatorAt(qsizetype from) const {
    QStringView line = QStringView(text_).mid(from, lineEnd(from) - from);
    const qsizetype comma = line.indexOf(u',');
    if (comma >= 0) line = line.left(comma);
    while (!line.isEmpty() && line.front() == u' ')
        line = line.mid(1);
    while (!line.isEmpty() && line.back() == u' ')
        line.chop(1);
    return line == u";";
}

void SectionReader::readSeparator(bool last) {
    if (last || stopped_) return;
    if (next_ >= text_.size() || !isSeparatorAt(next_)) {
        stopped_ = true;
        return;
    }
    // The separator is one item: the text up to a comma or the line end. What
    // follows a comma is read as the next line.
    const qsizetype end = lineEnd(next_);
    const qsizetype comma = QStringView(text_).mid(next_, end - next_).indexOf(u',');
    next_ = comma >= 0 ? next_ + comma + 1 : afterLineBreak(end);
}

bool SectionReader::atEnd() const {
    return stopped_ || next_ >= text_.size();
}

void SectionReader::fault(const QString& procedure) {
    faulty_ = true;
    reportProgramError(section_.prompts(), ErrorSite::shared(procedure), {});
}

void SectionReader::LoadText(bool last, const QString& id) {
    QString line;
    if (!nextLine(line)) return;
    // A comment written raw over several lines by an older program runs on up to
    // its separator (or to the end of the file for the last field). Only a
    // multi-line box can hold such a comment: after any other box the next line
    // must be its separator.
    if (section_.field(id).multiLine) {
        qsizetype end = next_;
        while (end < text_.size() && (last || !isSeparatorAt(end)))
            end = afterLineBreak(lineEnd(end));
        if (end > next_) {
            if (line.size() + (end - next_) > kMaxLineChars) {
                stopped_ = true;
                return;
            }
            line.reserve(line.size() + (end - next_) + 1);
            for (qsizetype from = next_; from < end;) {
                const qsizetype to = lineEnd(from);
                line += '\n';
                line += QStringView(text_).mid(from, to - from);
                from = afterLineBreak(to);
            }
            next_ = end;
        }
    }
    const QString value = trimBlanks(line);
    section_.setText(id, value == QStringLiteral("-1") ? QString() : unescapeValue(value));
    readSeparator(last);
}

void SectionReader::loadOption(bool last, const QString& id, int buttons) {
    QString value;
    if (!readValue(value)) return;
    for (int b = 0; b < buttons; ++b)
        if (value == QString::number(b)) section_.choose(id, b);
    readSeparator(last);
}

void SectionReader::LoadOpt(bool last, const QString& id) {
    loadOption(last, id, 2);
}
void SectionReader::LoadOpt3(bool last, const QString& id) {
    loadOption(last, id, 3);
}
void SectionReader::LoadOpt4(bool last, const QString& id) {
    loadOption(last, id, 4);
}

void SectionReader::LoadCombo(bool last, const QString& id) {
    QString value;
    if (!readValue(value)) return;
    if (value == QStringLiteral("-1")) {
        section_.setPosition(id, -1);
    } else {
        const auto position = roundedValue(value);
        const int count = static_cast<int>(section_.field(id).items.size());
        if (!position || *position < -32768 || *position > 32767 || *position < 0 ||
            *position >= count)
            fault(QStringLiteral("LoadCombo"));
        else
            section_.setPosition(id, static_cast<int>(*position));
    }
    readSeparator(last);
}

void SectionReader::LoadComboNew(bool last, const QString& id) {
    QString value;
    if (!readValue(value)) return;
    if (value == QStringLiteral("-1")) {
        section_.setPosition(id, -1);
    } else if (!isNumeric(value)) {
        fault(QStringLiteral("LoadComboNew"));
    } else {
        const double number = value.trimmed().toDouble();
        const Field& f = section_.field(id);
        for (int i = 0; i < f.items.size(); ++i) {
            const int code = f.hasCodes() ? f.codes.value(i, -1) : i;
            if (code == number) {
                section_.setPosition(id, i);
                break;
            }
        }
    }
    readSeparator(last);
}

void SectionReader::LoadCheckBox(bool last, const QString& id) {
    QString value;
    if (!readValue(value)) return;
    section_.setCheck(id, value == QStringLiteral("0") ? CheckState::Clear : CheckState::Ticked);
    readSeparator(last);
}

}  // namespace yrn
