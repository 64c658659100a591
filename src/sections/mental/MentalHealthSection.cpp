#include "sections/mental/MentalHealthSection.h"

#include "sections/Pages.h"

namespace yrn {

MentalHealthSection::MentalHealthSection(Interview& interview)
    : DeclaredSection(
          interview,
          SectionInfo{QStringLiteral("ctlMentalHealth"), QStringLiteral("MentalHealth"),
                      QStringLiteral("MentalHealth.YRN"),
                      QStringLiteral("Halverin Drug Court YRN -- Mental Health Information "), 7}) {
    addNavigationPages(*this, {0, 1, 2, 3, 4, 5}, QStringLiteral("cmdNextMH"),
                       QStringLiteral("cmdBackMH"), QStringLiteral("&Save && Exit"));
    addPage(0).heading(QStringLiteral("Mental Health Information"));
    addPage(4).heading(QStringLiteral("Interviewer Ratings"));
    addPage(3).nav(QStringLiteral("&Interviewer Ratings"), kPreviousPage,
                   QStringLiteral("cmdNextMH(3)"), QStringLiteral("cmdBackMH(3)"));
    addPage(4).caption(QStringLiteral("Halverin Drug Court YRN -- Interviewer Ratings"), 8);
    addPage(5)
        .button(QStringLiteral("cmdSave"), QStringLiteral("&Save / View Report"))
        .button(QStringLiteral("cmdSaveNew"), QStringLiteral("&Save && New"));
    captureStartState();
}

}  // namespace yrn
