#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace yrn {

class Section;

// The state of one answer written as a value line of a section file. Every
// writer takes the last-field flag first: when it is false the value line is
// followed by the separator line ";".
class SectionWriter {
  public:
    explicit SectionWriter(const Section& section) : section_(section) {}

    void PrintText(bool last, const QString& id);
    void PrintOpt(bool last, const QString& id);
    void PrintOpt3(bool last, const QString& id);
    void PrintOpt4(bool last, const QString& id);
    void PrintCombo(bool last, const QString& id);
    void PrintComboNew(bool last, const QString& id);
    void PrintCheckBox(bool last, const QString& id);
    // A value line as it stands, for writers of a section's own.
    void writeLine(bool last, const QString& value);

    const QStringList& lines() const { return lines_; }
    // The file's bytes: CR LF lines, Windows-1252 when every character fits.
    QByteArray bytes() const;

  private:
    void printOption(bool last, const QString& id, int buttons);
    const Section& section_;
    QStringList lines_;
};

// True when a text box holds nothing at all (a text of blanks is not empty); such a
// box is written as the empty answer "-1 ".
inline bool IsNull(const QString& text) {
    return text.isEmpty();
}

// Number form: " 5 " for 5, "-1 " for -1.
QString numberForm(qint64 value);

// Reads the value lines of a section file into a section's fields, firing their
// rules as the person's answers would. A value that cannot be set (not a number,
// a position outside the list) leaves the field as the reset left it; a file that
// ends early or whose separator line is not ";" stops the reading there, since the
// fields after it could no longer be told apart. Fields read before keep their
// values.
class SectionReader {
  public:
    // Files larger than this are not a section file (which takes a few kilobytes).
    static constexpr qsizetype kMaxFileBytes = 1024 * 1024;
    // A value line longer than this is damage.
    static constexpr qsizetype kMaxLineChars = 1024 * 1024;

    SectionReader(Section& section, const QByteArray& bytes);

    void LoadText(bool last, const QString& id);
    void LoadOpt(bool last, const QString& id);
    void LoadOpt3(bool last, const QString& id);
    void LoadOpt4(bool last, const QString& id);
    void LoadCombo(bool last, const QString& id);
    void LoadComboNew(bool last, const QString& id);
    void LoadCheckBox(bool last, const QString& id);

    // For readers of a section's own: the next value line, trimmed of blanks, or
    // false when the reading has stopped; then the separator.
    bool readValue(QString& value);
    void readSeparator(bool last);

    // The reading stopped early or a value could not be set.
    bool damaged() const { return stopped_ || faulty_; }
    bool stopped() const { return stopped_; }
    // No value line is left: the reading stopped or the file ended after the
    // last separator. Lets a reader of a field that older files lack end quietly.
    bool atEnd() const;
    // Marks a value that could not be set and shows the "Program Error" box of
    // the reader named.
    void fault(const QString& procedure);

  private:
    bool nextLine(QString& line);
    void loadOption(bool last, const QString& id, int buttons);
    // The end of the line that starts at from (its line break or the text's end),
    // and where the next line starts after a line's end.
    qsizetype lineEnd(qsizetype from) const;
    qsizetype afterLineBreak(qsizetype end) const;
    bool isSeparatorAt(qsizetype from) const;

    Section& section_;
    QString text_;
    qsizetype next_ = 0;  // where the next line starts
    bool stopped_ = false;
    bool faulty_ = false;
};

// Removes the blanks (not tabs) around a text, as the readers do.
QString trimBlanks(const QString& text);

}  // namespace yrn
