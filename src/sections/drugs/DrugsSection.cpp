#include "sections/drugs/DrugsSection.h"

#include "sections/Pages.h"

namespace yrn {

DrugsSection::DrugsSection(Interview& interview)
    : DeclaredSection(
          interview,
          SectionInfo{QStringLiteral("ctlDrugs"), QStringLiteral("Drugs"),
                      QStringLiteral("Drugs.YRN"),
                      QStringLiteral("Halverin Drug Court YRN -- Drug Information "), 4}) {
    addNavigationPages(*this, {0, 1, 2, 5, 6, 7, 8}, QStringLiteral("cmdNextD"),
                       QStringLiteral("cmdBackD"), QStringLiteral("&Criminal History"));
    // Page 2 holds the per-substance comments; it has no buttons of its own.
    addPage(2).nav(QString(), QString());
    addPage(0).heading(QStringLiteral("Drug and Alcohol Information"));
    captureStartState();
}

int DrugsSection::nextPage(int page) const {
    if (page == 1) return 5;
    return Section::nextPage(page);
}

int DrugsSection::backPage(int page) const {
    if (page == 5) return 1;
    return Section::backPage(page);
}

}  // namespace yrn
