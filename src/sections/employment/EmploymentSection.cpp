#include "sections/employment/EmploymentSection.h"

#include "sections/Pages.h"

namespace yrn {

EmploymentSection::EmploymentSection(Interview& interview)
    : DeclaredSection(
          interview,
          SectionInfo{QStringLiteral("ctlEmployment"), QStringLiteral("Employment"),
                      QStringLiteral("Employment.YRN"),
                      QStringLiteral("Halverin Drug Court YRN -- Employment Information "), 3}) {
    const QList<int> pages{1, 2, 3, 4, 5, 6};
    for (int page : pages) {
        const bool last = page == 6;
        addPage(page).nav(
            last ? QStringLiteral("&Drugs && Alcohol") : kNextPage, kPreviousPage,
            last ? QStringLiteral("cmdDrugs") : "cmdNextE" + QString::number(page + 1),
            page == 1 ? QStringLiteral("cmdMedical") : "cmdBackE" + QString::number(page - 1));
    }
    addPage(1).heading(QStringLiteral("Education and Employment Information"));
    captureStartState();
}

}  // namespace yrn
