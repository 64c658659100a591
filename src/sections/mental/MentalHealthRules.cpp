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
    const auto medication = [this](const QString& group, const QString& box) {
        onClick(
            group,
            [this, box](int button) {
                if (button == 0) {
                    clearField(box);
                } else if (button == 1) {
                    openField(box);
                    emptyField(box);
                }
            },
            kSite);
    };
    medication(QStringLiteral("optPrescMed"), QStringLiteral("txtMedicationPrescribed"));
    medication(QStringLiteral("optPrescMed30D"), QStringLiteral("txtMedicationPrescribed30"));

    rangeCheck(QStringLiteral("txtTimesTreated"), 0, 200);
    rangeCheck(QStringLiteral("txtProblemsDays"), 0, 30);
    rangeCheck(QStringLiteral("txtTimeEndedHours"), 1, 12, true);
    rangeCheck(QStringLiteral("txtTimeEndedMinutes"), 0, 59, true);
}

}  // namespace yrn
