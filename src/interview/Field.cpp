#include "interview/Field.h"

namespace yrn {

QString arr(const QString& stem, int index) {
    return stem + '(' + QString::number(index) + ')';
}

QString Field::listText() const {
    return position >= 0 && position < items.size() ? items.at(position) : QString();
}

int Field::code() const {
    if (position < 0 || position >= items.size()) return -1;
    return hasCodes() ? codes.value(position, -1) : position;
}

}  // namespace yrn
