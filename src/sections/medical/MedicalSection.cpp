#include "sections/medical/MedicalSection.h"

#include "sections/Pages.h"

namespace yrn {

MedicalSection::MedicalSection(Interview& interview)
    : DeclaredSection(
          interview,
          SectionInfo{QStringLiteral("ctlMedical"), QStringLiteral("Medical"),
                      QStringLiteral("Medical.YRN"),
                      QStringLiteral("Halverin Drug Court YRN -- Medical Information "), 2}) {
    addNavigationPages(*this, {0, 1, 2, 3}, QStringLiteral("cmdNextM"), QStringLiteral("cmdBackM"),
                       QStringLiteral("&Employment"));
    addPage(0).heading(QStringLiteral("Medical Information"));
    captureStartState();
}

}  // namespace yrn
