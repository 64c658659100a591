#include "tools/CsvExport.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

#include "base/AtomicFile.h"

namespace yrn {

namespace {

// Whether a spreadsheet would read the text as a formula: it starts with one of
// the characters that open one and is not a plain number ("-1", "+2.5", "-.5").
bool opensFormula(const QString& text) {
    static const QRegularExpression plainNumber(
        QStringLiteral("\\A[+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)\\z"));
    return !text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()) &&
           !plainNumber.match(text).hasMatch();
}

}  // namespace

QByteArray CsvExport::field(QString text, Style style) {
    text.remove(QChar(0));
    if (style == Style::Spreadsheet && opensFormula(text)) text.prepend(u'\'');
    QByteArray bytes = text.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\n') &&
        !bytes.contains('\r'))
        return bytes;
    bytes.replace('"', "\"\"");
    return '"' + bytes + '"';
}

void CsvExport::endRow() {
    bytes_.chop(1);  // the last comma
    bytes_ += "\r\n";
}

bool CsvExport::begin(const QList<AnswerTable>& tables) {
    bytes_ = style_ == Style::Spreadsheet ? QByteArray("\xEF\xBB\xBF") : QByteArray();  // BOM
    bytes_ += "folder,";
    for (const AnswerTable& table : tables)
        for (const AnswerColumn& column : table.columns)
            bytes_ += field(column.csvName, style_) + ',';
    endRow();
    return true;
}

bool CsvExport::add(const ClientRecord& record) {
    bytes_ += field(record.folder, style_) + ',';
    for (const QList<QVariant>& values : record.values) {
        for (const QVariant& value : values) {
            if (!value.isNull()) bytes_ += field(value.toString(), style_);
            bytes_ += ',';
        }
    }
    endRow();
    return true;
}

bool CsvExport::finish(const QStringList& /*present*/) {
    if (path_ == QLatin1String("-")) {
        if (std::fwrite(bytes_.constData(), 1, std::size_t(bytes_.size()), stdout) ==
                std::size_t(bytes_.size()) &&
            std::fflush(stdout) == 0)
            return true;
        error_ = QStringLiteral("cannot write to stdout");
        return false;
    }
    if (const QFileInfo info(path_); info.exists() && !info.isFile()) {
        error_ = "cannot write " + path_ + ": not a regular file";
        return false;
    }
    QString why;
    if (writeFileAtomically(path_, bytes_, &why)) return true;
    error_ = "cannot write " + path_ + ": " + why;
    return false;
}

}  // namespace yrn
