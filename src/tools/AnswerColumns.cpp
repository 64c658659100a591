#include "tools/AnswerColumns.h"

#include <QFileInfo>
#include <QSet>

#include "interview/Field.h"
#include "interview/Interview.h"
#include "sections/DeclaredSection.h"

namespace yrn {

namespace {

// "txtCharges(3)" as an SQL name: "txtCharges_3".
QString sqlName(const QString& id) {
    QString name = id;
    name.replace(QLatin1Char('('), QLatin1Char('_')).remove(QLatin1Char(')'));
    return name;
}

}  // namespace

QList<AnswerTable> answerTables(const Interview& interview) {
    QList<AnswerTable> tables;
    for (const Section* section : interview.sections()) {
        const auto* declared = dynamic_cast<const DeclaredSection*>(section);
        if (!declared || declared->fileLayout().isEmpty()) continue;
        AnswerTable table;
        table.section = declared;
        table.fileName = section->info().fileName;
        table.stem = QFileInfo(table.fileName).completeBaseName();
        QSet<QString> seen;
        for (const FileField& stored : declared->fileLayout()) {
            // A field of a section's own reader is exported by what the field is; a
            // field a file stores twice (the criminal justice file's incarceration
            // list) is one answer, with one column.
            if (!section->has(stored.id) || seen.contains(stored.id)) continue;
            seen.insert(stored.id);
            const Field& field = section->field(stored.id);
            const QString name = table.stem + '.' + stored.id;
            table.columns.append(
                {stored.id, false, field.kind != FieldKind::Text, name, sqlName(stored.id)});
            if (field.kind == FieldKind::List)
                table.columns.append({stored.id, true, false, name + QStringLiteral(".text"),
                                      sqlName(stored.id) + QStringLiteral("_text")});
        }
        tables.append(table);
    }
    return tables;
}

QVariant answerValue(const DeclaredSection& section, const AnswerColumn& column) {
    const Field& field = section.field(column.fieldId);
    switch (field.kind) {
        case FieldKind::Text:
            return field.text.isEmpty() ? QVariant() : QVariant(field.text);
        case FieldKind::Option:
            return field.choice < 0 ? QVariant() : QVariant(field.choice);
        case FieldKind::List:
            if (field.position < 0) return {};
            if (column.shownText) return field.listText();
            return field.hasCodes() ? field.code() : field.position;
        case FieldKind::Check:
            // As the file stores it: any tick, grey included, is 1.
            return field.check == CheckState::Clear ? 0 : 1;
    }
    return {};
}

}  // namespace yrn
