#include "tools/AnswerExport.h"

#include <QJsonArray>
#include <map>

#include "interview/Field.h"
#include "interview/Section.h"

namespace yrn {

QJsonValue answerJson(const Field& field) {
    switch (field.kind) {
        case FieldKind::Text:
            return field.text;
        case FieldKind::Option:
            return field.choice < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(field.choice);
        case FieldKind::List: {
            if (field.position < 0) return QJsonValue(QJsonValue::Null);
            QJsonObject list;
            if (field.hasCodes())
                list.insert(QStringLiteral("code"), field.code());
            else
                list.insert(QStringLiteral("position"), field.position);
            list.insert(QStringLiteral("text"), field.listText());
            return list;
        }
        case FieldKind::Check:
            return field.check == CheckState::Ticked;
    }
    return QJsonValue(QJsonValue::Null);
}

QJsonObject sectionAnswers(const Section& section) {
    QJsonObject answers;
    std::map<QString, std::map<int, QJsonValue>> arrays;
    for (const QString& id : section.fieldOrder()) {
        const Field& field = section.field(id);
        if (field.index < 0)
            answers.insert(field.id, answerJson(field));
        else
            arrays[field.stem][field.index] = answerJson(field);
    }
    for (const auto& [stem, elements] : arrays) {
        QJsonArray array;
        for (const auto& [index, value] : elements) {
            while (array.size() < index)
                array.append(QJsonValue(QJsonValue::Null));
            array.append(value);
        }
        answers.insert(stem, array);
    }
    return answers;
}

}  // namespace yrn
