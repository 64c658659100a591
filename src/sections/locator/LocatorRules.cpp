// The rules of the locator section: the assessment date and time boxes and
// question 7's work boxes.
#include "base/CalendarDate.h"
#include "interview/Prompts.h"
#include "sections/locator/LocatorSection.h"

namespace yrn {

const QStringList& LocatorSection::workBoxes() {
    static const QStringList boxes{
        QStringLiteral("txtWorkPlace"),   QStringLiteral("txtWorkPhone"),
        QStringLiteral("txtWorkAddress"), QStringLiteral("txtWorkCity"),
        QStringLiteral("txtWorkState"),   QStringLiteral("txtWorkZipCode"),
    };
    return boxes;
}

void LocatorSection::declareRules() {
    // Typing a full month, day or hour moves on to the next box.
    advanceWhenFull(QStringLiteral("txtAssessmentDate1"), QStringLiteral("txtAssessmentDate2"));
    advanceWhenFull(QStringLiteral("txtAssessmentDate2"), QStringLiteral("txtAssessmentDate3"));
    advanceWhenFull(QStringLiteral("txtTime1"), QStringLiteral("txtTime2"));

    rangeCheck(QStringLiteral("txtAssessmentDate1"), 0, 12, true);
    rangeCheck(QStringLiteral("txtAssessmentDate2"), 0, 31, true);
    rangeCheck(QStringLiteral("txtAssessmentDate3"), 2000, 2200, false);
    rangeCheck(QStringLiteral("txtTime1"), 0, 12, true);
    rangeCheck(QStringLiteral("txtTime2"), 0, 59, true);
    rangeCheck(QStringLiteral("txtCurrAddressLen"), 0, 50, false);

    // Runs after the year's range check, so a refused year is already emptied.
    onLeave(QStringLiteral("txtAssessmentDate3"), [this] { checkAssessmentDate(); });

    onClick(QStringLiteral("optWorking"), [this](int button) { setWorkBoxesApply(button == 1); });
}

void LocatorSection::checkAssessmentDate() {
    if (text(QStringLiteral("txtAssessmentDate3")).isEmpty()) return;
    if (isCalendarDate(AssessmentDate())) return;
    // The typed values stay so that the interviewer can see what to correct.
    prompts().critical(QStringLiteral("Incorrect Date"),
                       QStringLiteral("Invalid assessment date!!\r\n"
                                      "Please check months and dates and change."));
    if (!IsLoading()) requestFocus(QStringLiteral("txtAssessmentDate1"));
}

void LocatorSection::setWorkBoxesApply(bool apply) {
    for (const QString& id : workBoxes()) {
        if (apply)
            openField(id);  // what was typed before "No" is not brought back
        else
            clearField(id);
    }
}

}  // namespace yrn
