#include "sections/family/FamilySocialSection.h"

#include "sections/Pages.h"

namespace yrn {

FamilySocialSection::FamilySocialSection(Interview& interview)
    : DeclaredSection(
          interview,
          SectionInfo{
              QStringLiteral("ctlFamilySocialHistory"), QStringLiteral("FamilySocialHistory"),
              QStringLiteral("FamilySocial.YRN"),
              QStringLiteral("Halverin Drug Court YRN -- Family/Social History Information "), 6}) {
    addNavigationPages(*this, {0, 1, 2, 3, 4, 5}, QStringLiteral("cmdNextFS"),
                       QStringLiteral("cmdBackFS"), QStringLiteral("&Mental Health"));
    addPage(0).heading(QStringLiteral("Family / Social History Information"));
    captureStartState();
}

}  // namespace yrn
