// The follow-up rules and range checks of the mental health pane.
#include "sections/mental/MentalHealthSection.h"

namespace yrn {

namespace {

// The page buttons, the ratings page and the rules report errors under the
// pane's short form name.
const QString kSite = QStringLiteral("ctlMental");

}  // namespace

void MentalHealthSection::declareRules() {
    // Questions 3 and 4: the medication is asked only after "Yes"; either answer
    // empties the box.
    followsYes(QStringLiteral("optPrescMed"), QStringLiteral("txtMedicationPrescribed"),
               YesOpens::Emptied, kSite);
    followsYes(QStringLiteral("optPrescMed30D"), QStringLiteral("txtMedicationPrescribed30"),
               YesOpens::Emptied, kSite);

    rangeCheck(QStringLiteral("txtTimesTreated"), 0, 200);
    rangeCheck(QStringLiteral("txtProblemsDays"), 0, 30);
    rangeCheck(QStringLiteral("txtTimeEndedHours"), 1, 12, true);
    rangeCheck(QStringLiteral("txtTimeEndedMinutes"), 0, 59, true);
}

}  // namespace yrn
