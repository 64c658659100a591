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

SectionReader::SectionReader(Section& section, const QByteArray& bytes) : section_(section) {
    if (bytes.size() > kMaxFileBytes) {
        stopped_ = true;
        return;
    }
    const QString text = decodeSectionText(bytes);
    // CR LF, LF and a lone CR all end a line.
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != '\r' && c != '\n') continue;
        lines_.append(text.mid(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines_.append(text.mid(start));
}

bool SectionReader::nextLine(QString& line) {
    if (stopped_) return false;
    if (next_ >= lines_.size() || lines_.at(next_).size() > kMaxLineChars) {
        stopped_ = true;
        return false;
    }
    line = lines_.at(next_++);
    return true;
}

bool SectionReader::readValue(QString& value) {
    QString line;
    if (!nextLine(line)) return false;
    value = trimBlanks(line);
    return true;
}

bool SectionReader::isSeparatorLine(const QString& line) const {
    return trimBlanks(line.section(',', 0, 0)) == QStringLiteral(";");
}

void SectionReader::readSeparator(bool last) {
    if (last || stopped_) return;
    if (next_ >= lines_.size()) {
        stopped_ = true;
        return;
    }
    const QString line = lines_.at(next_);
    if (!isSeparatorLine(line)) {
        stopped_ = true;
        return;
    }
    // The separator is one item: the text up to a comma or the line end. What
    // follows a comma is read as the next line.
    const qsizetype comma = line.indexOf(',');
    if (comma >= 0)
        lines_[next_] = line.mid(comma + 1);
    else
        ++next_;
}

void SectionReader::fault(const QString& procedure) {
    faulty_ = true;
    reportProgramError(section_.prompts(), ErrorSite::shared(procedure), {});
}

void SectionReader::LoadText(bool last, const QString& id) {
    QString line;
    if (!nextLine(line)) return;
    // A comment written raw over several lines by an older program runs on up to
    // its separator (or to the end of the file for the last field).
    while (next_ < lines_.size() && (last || !isSeparatorLine(lines_.at(next_)))) {
        if (lines_.at(next_).size() > kMaxLineChars || line.size() > kMaxLineChars) {
            stopped_ = true;
            return;
        }
        line += '\n' + lines_.at(next_++);
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
