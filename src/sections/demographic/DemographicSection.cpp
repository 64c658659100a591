#include "sections/demographic/DemographicSection.h"

#include "sections/Pages.h"

namespace yrn {

DemographicSection::DemographicSection(Interview& interview)
    : DeclaredSection(
          interview,
          SectionInfo{QStringLiteral("ctlDemographic"), QStringLiteral("Demographic"),
                      QStringLiteral("Demographic.YRN"),
                      QStringLiteral("Halverin Drug Court YRN -- Demographic Information "), 1}) {
    addNavigationPages(*this, {0, 1, 2, 3, 4}, QStringLiteral("cmdNextD"),
                       QStringLiteral("cmdBackD"), QStringLiteral("&Medical Information"));
    addPage(0).heading(QStringLiteral("Demographic Information"));
    captureStartState();
}

}  // namespace yrn
