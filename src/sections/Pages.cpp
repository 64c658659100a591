#include "sections/Pages.h"

#include "interview/Field.h"

namespace yrn {

void addNavigationPages(Section& section, const QList<int>& indexes, const QString& nextStem,
                        const QString& backStem, const QString& lastNextCaption,
                        bool firstHasBack) {
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        const int index = indexes.at(i);
        const bool first = i == 0;
        const bool last = i == indexes.size() - 1;
        section.addPage(index).nav(
            last ? lastNextCaption : kNextPage, first && !firstHasBack ? QString() : kPreviousPage,
            arr(nextStem, index), first && !firstHasBack ? QString() : arr(backStem, index));
    }
}

}  // namespace yrn
