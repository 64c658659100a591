#pragma once

#include <QJsonObject>
#include <QJsonValue>

namespace yrn {

struct Field;
class Section;

// One answer as JSON: a text box's text; an option group's chosen button or null;
// a list's {"position", "text"} (or {"code", "text"} for a list with item codes)
// or null; a check box's true or false.
QJsonValue answerJson(const Field& field);

// Every answer of a section keyed by control name; a control array is keyed by its
// stem and holds its elements in index order (null where an index is missing).
QJsonObject sectionAnswers(const Section& section);

}  // namespace yrn
