#pragma once

#include <QByteArray>
#include <QString>

#include "tools/ClientExport.h"

namespace yrn {

// The answers of all clients as one CSV table (RFC 4180: CR LF rows, a field
// holding a comma, a quote or a line break in quotes, quotes doubled; UTF-8, no
// byte-order mark). The header names the columns "folder", then
// "<section file stem>.<control name>" in file order, with "<...>.text" after
// each list. An unanswered question is an empty field.
class CsvExport : public ExportSink {
  public:
    // "-" writes to stdout; any other file is replaced whole once every row is
    // written (through a temporary file), or left as it was.
    explicit CsvExport(QString path) : path_(std::move(path)) {}

    bool begin(const QList<AnswerTable>& tables) override;
    bool add(const ClientRecord& record) override;
    bool finish() override;
    QString error() const override { return error_; }

    const QByteArray& bytes() const { return bytes_; }

    // One field as it stands in a row.
    static QByteArray field(const QString& text);

  private:
    void endRow();
    QString path_;
    QByteArray bytes_;
    QString error_;
};

}  // namespace yrn
