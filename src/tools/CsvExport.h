#pragma once

#include <QByteArray>
#include <QString>

#include "tools/ClientExport.h"

namespace yrn {

// The answers of all clients as one CSV table (RFC 4180: CR LF rows, a field
// holding a comma, a quote or a line break in quotes, quotes doubled; UTF-8). The
// header names the columns "folder", then "<section file stem>.<control name>" in
// file order, with "<...>.text" after each list. An unanswered question is an
// empty field. NUL characters are never written.
//
// For a spreadsheet (the default) the table starts with a UTF-8 byte-order mark,
// and a field that a spreadsheet would take for a formula (one starting with '=',
// '+', '-', '@', a tab or a CR that is not a plain number such as "-2.5") starts
// with a "'" that keeps it text. Raw, for statistics tools, has neither.
class CsvExport : public ExportSink {
  public:
    enum class Style { Spreadsheet, Raw };

    // "-" writes to stdout; any other file is replaced whole once every row is
    // written (through a temporary file), or left as it was.
    explicit CsvExport(QString path, Style style = Style::Spreadsheet)
        : path_(std::move(path)), style_(style) {}

    bool begin(const QList<AnswerTable>& tables) override;
    bool add(const ClientRecord& record) override;
    bool finish(const QStringList& present) override;
    QString error() const override { return error_; }

    const QByteArray& bytes() const { return bytes_; }

    // One field as it stands in a row.
    static QByteArray field(QString text, Style style);

  private:
    void endRow();
    QString path_;
    Style style_;
    QByteArray bytes_;
    QString error_;
};

}  // namespace yrn
