#include "sections/criminal/CriminalJusticeSection.h"

#include "sections/Pages.h"

namespace yrn {

CriminalJusticeSection::CriminalJusticeSection(Interview& interview)
    : DeclaredSection(
          interview,
          SectionInfo{QStringLiteral("ctlCriminalJustice"), QStringLiteral("CriminalJustice"),
                      QStringLiteral("CriminalJustice.YRN"),
                      QStringLiteral("Halverin Drug Court YRN -- Criminal Justice Information "),
                      5}) {
    addNavigationPages(*this, {0, 1, 2, 3, 4, 5, 6}, QStringLiteral("cmdNextCJ"),
                       QStringLiteral("cmdBackCJ"), QStringLiteral("&Family /  Social"));
    addPage(0).heading(QStringLiteral("Criminal Justice History Information"));
    captureStartState();
}

}  // namespace yrn
