#include "sections/locator/LocatorSection.h"

#include "sections/Pages.h"

namespace yrn {

LocatorSection::LocatorSection(Interview& interview)
    : DeclaredSection(
          interview,
          SectionInfo{QStringLiteral("ctlLocatorInformation"), QStringLiteral("LocatorInformation"),
                      QStringLiteral("Location.YRN"),
                      QStringLiteral("Halverin Drug Court YRN -- Locator Information "), 0}) {
    addNavigationPages(*this, {0, 1, 2, 3, 4}, QStringLiteral("cmdNextL"),
                       QStringLiteral("cmdBackL"), QStringLiteral("&Demographic Information"),
                       false);
    addPage(0).heading(QStringLiteral("Locator Information"));
    captureStartState();
}

}  // namespace yrn
