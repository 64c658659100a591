// The follow-up rules, checks and page skips of the demographic pane, and its reset.
#include <algorithm>
#include <array>

#include "base/CalendarDate.h"
#include "interview/NumericCheck.h"
#include "interview/Prompts.h"
#include "sections/demographic/DemographicSection.h"

namespace yrn {

namespace {

const QString kChildren = QStringLiteral("txtChildren");
const QString kLiveBirths = QStringLiteral("txtLiveBirths");

// The rows of the controlled-environment table: option group and days box.
struct EnvironmentRow {
    QString option;
    QString days;
};
const std::array<EnvironmentRow, 5> kEnvironmentRows{{
    {QStringLiteral("optJail"), QStringLiteral("txtJailDays")},
    {QStringLiteral("optAlc"), QStringLiteral("txtAlcDrugDays")},
    {QStringLiteral("optMed"), QStringLiteral("txtMedicalDays")},
    {QStringLiteral("optPsy"), QStringLiteral("txtPsychiatricDays")},
    {QStringLiteral("optOther"), QStringLiteral("txtOtherDays")},
}};

QString dependent(const QString& prefix, int d, const QString& suffix) {
    return prefix + QString::number(d) + suffix;
}

}  // namespace

void DemographicSection::declareRules() {
    declareChecks();
    declareAdvances();
    declareDateChecks();

    // Social security numbers are often given from memory.
    onLeave(QStringLiteral("txtSSN"), [this] {
        if (IsLoading()) return;
        prompts().okCancel(
            QStringLiteral("Verify Social Security Number"),
            QStringLiteral("Interviewer, if possible verify this number with a social security "
                           "card.\r\nThis number needs to be accurate!"));
    });

    // Question 4: years in the U.S. only for clients born elsewhere.
    onClick(QStringLiteral("optOrigin"), [this](int button) {
        const QString years = QStringLiteral("txtYearsUS");
        if (button == 0) {
            clearField(years);
        } else if (button == 1) {
            openField(years);
            emptyField(years);
            if (!IsLoading()) requestFocus(years);
        }
    });

    // Question 3 words question 12 for the client's gender.
    onClick(QStringLiteral("optSex"), [this](int button) {
        if (button == 0) {
            setLabel(QStringLiteral("lblQuestion11"),
                     QStringLiteral("12.    How many pregnancies have you been responsible for?"));
            setLabel(QStringLiteral("lblQ11Caption"), QStringLiteral("Pregnancies"));
        } else if (button == 1) {
            setLabel(QStringLiteral("lblQuestion11"),
                     QStringLiteral("12.    How many times have you been pregnant?"));
            setLabel(QStringLiteral("lblQ11Caption"), QStringLiteral("Times"));
        } else {
            return;
        }
        setEnabled(QStringLiteral("txtPregnancies"), true);
    });

    declareControlledEnvironment();
    declarePregnancies();
    declareChildren();
    declareOtherChildren();
}

void DemographicSection::declareChecks() {
    const auto leave = [this](const QString& id, qint32 min, qint32 max, bool pad) {
        rangeCheck(id, min, max, pad, Event::Leave);
    };
    const auto change = [this](const QString& id, qint32 min, qint32 max) {
        rangeCheck(id, min, max, false, Event::Change);
    };
    leave(QStringLiteral("txtBDateMonth"), 0, 12, true);
    leave(QStringLiteral("txtBDateDay"), 0, 31, true);
    leave(QStringLiteral("txtBDateYear"), 1900, 2100, false);
    leave(QStringLiteral("txtYearsUS"), 0, 99, false);
    leave(QStringLiteral("txtJailDays"), 0, 30, false);
    leave(QStringLiteral("txtMedicalDays"), 0, 30, false);
    leave(QStringLiteral("txtPsychiatricDays"), 0, 30, false);
    leave(QStringLiteral("txtOtherDays"), 0, 30, false);
    change(QStringLiteral("txtAlcDrugDays"), 0, 30);
    change(QStringLiteral("txtPregnancies"), 0, 50);
    leave(kLiveBirths, 0, 15, false);
    leave(QStringLiteral("txtFirstBaby"), 0, 50, false);
    change(kChildren, 0, 10);
    rangeCheck(kChildren, 1, 10, false, Event::Click);
    for (int i = 0; i < kChildRows; ++i) {
        leave(arr(QStringLiteral("txtChildsDOBM"), i), 1, 12, true);
        leave(arr(QStringLiteral("txtChildsDOBD"), i), 1, 31, true);
        leave(arr(QStringLiteral("txtChildsDOBY"), i), 1900, 2100, false);
        leave(arr(QStringLiteral("txtVisitationDays"), i), 0, 30, true);
    }
    change(QStringLiteral("txtChildSupportOrdered"), 0, 99999);
    change(QStringLiteral("txtChildSupportActual"), 0, 99999);
    for (int d = 1; d <= 3; ++d) {
        leave(dependent(QStringLiteral("txtD"), d, QStringLiteral("DOBM")), 1, 12, true);
        leave(dependent(QStringLiteral("txtD"), d, QStringLiteral("DOBD")), 1, 31, true);
        leave(dependent(QStringLiteral("txtD"), d, QStringLiteral("DOBY")), 1900, 2100, false);
    }
}

// Two-digit month and day boxes hand the focus on as soon as they are full.
void DemographicSection::declareAdvances() {
    advanceWhenFull(QStringLiteral("txtBDateMonth"), QStringLiteral("txtBDateDay"));
    // The birth day hands on to the year as the assessment date's day does, or a
    // year typed straight after it would be lost.
    advanceWhenFull(QStringLiteral("txtBDateDay"), QStringLiteral("txtBDateYear"));
    for (int i = 0; i < kChildRows; ++i) {
        advanceWhenFull(arr(QStringLiteral("txtChildsDOBM"), i),
                        arr(QStringLiteral("txtChildsDOBD"), i));
        advanceWhenFull(arr(QStringLiteral("txtChildsDOBD"), i),
                        arr(QStringLiteral("txtChildsDOBY"), i));
    }
    for (int d = 1; d <= 3; ++d) {
        const QString stem = dependent(QStringLiteral("txtD"), d, QStringLiteral("DOB"));
        advanceWhenFull(stem + 'M', stem + 'D');
        advanceWhenFull(stem + 'D', stem + 'Y');
    }
}

void DemographicSection::declareDateChecks() {
    onLeave(QStringLiteral("txtBDateYear"), [this] {
        checkDate(QStringLiteral("txtBDateMonth"), QStringLiteral("txtBDateDay"),
                  QStringLiteral("txtBDateYear"));
    });
    for (int i = 0; i < kChildRows; ++i) {
        onLeave(arr(QStringLiteral("txtChildsDOBY"), i), [this, i] {
            checkDate(arr(QStringLiteral("txtChildsDOBM"), i),
                      arr(QStringLiteral("txtChildsDOBD"), i),
                      arr(QStringLiteral("txtChildsDOBY"), i));
        });
    }
}

// A typed date that is no calendar day is pointed out; the boxes keep their values.
void DemographicSection::checkDate(const QString& month, const QString& day, const QString& year) {
    if (text(year).isEmpty()) return;
    if (isCalendarDate(text(month) + '/' + text(day) + '/' + text(year))) return;
    prompts().critical(QStringLiteral("Incorrect Date"),
                       QStringLiteral("Invalid assessment date!!\r\nProbably invalid months and "
                                      "days and change."));
    if (!IsLoading()) requestFocus(month);
}

// Question 11 and its table.
void DemographicSection::declareControlledEnvironment() {
    onClick(QStringLiteral("optContEnv"), [this](int button) {
        if (button != 0 && button != 1) return;
        const bool yes = button == 1;
        const Background colour = yes ? Background::Normal : Background::NotApplicable;
        setFrameEnabled(QStringLiteral("fmeControlledEnv"), yes);
        for (const EnvironmentRow& row : kEnvironmentRows) {
            setBackground(row.option, colour);
            setBackground(row.days, colour);
            clearOption(row.option);
        }
        setBackground(QStringLiteral("txtOther"), colour);
        // With the rows' answers cleared their boxes are unanswered again, and so
        // open, as a saved client with unanswered rows reads back.
        setEnabled(QStringLiteral("txtOther"), true);
        for (const EnvironmentRow& row : kEnvironmentRows)
            setEnabled(row.days, true);
        // "Yes" keeps the days typed so far; "No" empties every box of the table.
        if (yes) return;
        emptyField(QStringLiteral("txtOther"));
        for (const EnvironmentRow& row : kEnvironmentRows)
            emptyField(row.days);
    });

    // "No" in a row means no days there; "Yes" asks for them.
    for (const EnvironmentRow& row : kEnvironmentRows) {
        const bool other = row.option == QStringLiteral("optOther");
        onClick(row.option, [this, row, other](int button) {
            const QString place = QStringLiteral("txtOther");
            if (button == 0) {
                setText(row.days, QStringLiteral("0"));
                setEnabled(row.days, false);
                if (other) {
                    emptyField(place);
                    setEnabled(place, false);
                }
            } else if (button == 1) {
                emptyField(row.days);
                setEnabled(row.days, true);
                if (other) {
                    emptyField(place);
                    setEnabled(place, true);
                }
            }
        });
    }
}

bool DemographicSection::liveBirthsZero() const {
    const QString births = text(kLiveBirths);
    return births == QStringLiteral("0") || births == QStringLiteral("00");
}

// Questions 12 and 13: live births follow the pregnancies; no live birth resets
// the children page.
void DemographicSection::declarePregnancies() {
    const QString pregnancies = QStringLiteral("txtPregnancies");
    onChange(pregnancies, [this, pregnancies] {
        const QString count = text(pregnancies);
        if (count.isEmpty()) return;
        if (count == QStringLiteral("0")) {
            setText(kLiveBirths, QStringLiteral("0"));
            setEnabled(kLiveBirths, false);
        } else {
            setEnabled(kLiveBirths, true);
        }
    });
    // No pregnancy gives no live birth, and the live-births box is then closed, so it
    // is never left: the children page it skips is reset here, once the count is
    // final, or it would keep (and report) children of an earlier answer.
    onChange(pregnancies, [this, pregnancies] {
        pregnanciesTurnedZero_ = !IsLoading() && text(pregnancies) == QStringLiteral("0");
    });
    onLeave(pregnancies, [this, pregnancies] {
        // Only a "0" the person just typed: leaving an unchanged "0" keeps the
        // answers of the children page (the child support amounts among them).
        const bool turnedZero = pregnanciesTurnedZero_;
        pregnanciesTurnedZero_ = false;
        if (turnedZero && text(pregnancies) == QStringLiteral("0") && liveBirthsZero())
            resetChildrenPage();
    });
    // "00" skips the children page as "0" does, so it resets the page as well.
    onLeave(kLiveBirths, [this] {
        if (liveBirthsZero()) resetChildrenPage();
    });
}

void DemographicSection::resetChildrenPage() {
    for (const QString& id : {QStringLiteral("txtFirstBaby"), kChildren})
        openField(id);
    setFrameEnabled(QStringLiteral("fmeChildren"), true);
    emptyField(QStringLiteral("txtFirstBaby"));
    setText(kChildren, QStringLiteral("0"));
    closeChildRows();
    for (const QString& id :
         {QStringLiteral("txtChildSupportOrdered"), QStringLiteral("txtChildSupportActual")}) {
        setEnabled(id, true);
        emptyField(id);
        setBackground(id, Background::Normal);
    }
}

// Question 15: the number of children opens that many rows of the table.
//
// A count is typed a digit at a time: going from 3 to 10 passes through "1", and
// clearing every row past the first there would lose the answers of rows 2 and 3.
// So while the count is typed (a change or a click in the box) the rows past it
// are only closed, keeping their answers; they are emptied once the count is
// final, when the box is left. A count set by a file reader is final at once, so
// loading rebuilds the rows as the file says before their answers are read.
void DemographicSection::declareChildren() {
    onChange(
        kChildren, [this] { applyChildCount(IsLoading()); },
        QStringLiteral("ctlDemographic.txtChildren_Change"));
    onClick(
        kChildren, [this](int) { applyChildCount(false); },
        QStringLiteral("ctlDemographic.txtChildren_Click"));
    onLeave(kChildren, [this] { finishChildCount(); });
}

// A final count of 0 closes and empties every row, as no live birth does, so that
// no child of an earlier answer stays in the table, left out of the report yet
// kept in the file; while it is typed a 0 changes no row.
void DemographicSection::applyChildCount(bool final) {
    if (text(kChildren).isEmpty()) return;
    setFrameEnabled(QStringLiteral("fmeChildren"), true);
    const auto count = roundedValue(text(kChildren));
    if (!count) return;
    if (*count <= 0) {
        if (final) closeChildRows();
        return;
    }
    for (int i = 0; i < kChildRows; ++i) {
        if (i < *count)
            openChildRow(i);
        else if (final)
            clearChildRow(i);
        else
            holdChildRow(i);
    }
    heldFrom_ = final ? kChildRows : static_cast<int>(std::min<qint64>(*count, kChildRows));
}

// The count is final: the rows past it lose their answers. A box left empty (a
// refused count is emptied) ends the rows the last count typed had closed.
void DemographicSection::finishChildCount() {
    if (!text(kChildren).isEmpty()) {
        applyChildCount(true);
        return;
    }
    for (int i = heldFrom_; i < kChildRows; ++i)
        clearChildRow(i);
    heldFrom_ = kChildRows;
}

bool DemographicSection::SaveYRN(const QString& path) {
    // A count typed but never left (saved straight from the menu) is final now, so
    // the file and the report never hold the answers of rows past it.
    guard(info().module + ".SaveYRN", [this] { finishChildCount(); });
    return DeclaredSection::SaveYRN(path);
}

void DemographicSection::closeChildRows() {
    for (int i = 0; i < kChildRows; ++i) {
        for (const QString& id : childRowFields(i)) {
            setBackground(id, Background::Normal);
            setEnabled(id, false);
        }
        emptyChildRow(i);
    }
}

void DemographicSection::openChildRow(int row) {
    for (const QString& id : childRowFields(row))
        openField(id);
}

// The row shows empty at once; its answers come back if the count returns.
void DemographicSection::holdChildRow(int row) {
    for (const QString& id : childRowFields(row))
        holdField(id);
}

void DemographicSection::clearChildRow(int row) {
    holdChildRow(row);
    emptyChildRow(row);
}

void DemographicSection::emptyChildRow(int row) {
    for (const QString& id : childRowFields(row))
        emptyField(id);
}

// Question 19 and the dependent rows.
void DemographicSection::declareOtherChildren() {
    onClick(QStringLiteral("optOtherChildren"), [this](int button) {
        if (button != 0 && button != 1) return;
        const bool yes = button == 1;
        setFrameEnabled(QStringLiteral("fmeOtherChildren"), yes);
        for (int d = 1; d <= 3; ++d) {
            setCheck(dependent(QStringLiteral("chkD"), d, {}), CheckState::Clear);
            const QStringList answers{
                dependent(QStringLiteral("optD"), d, QStringLiteral("Gender")),
                dependent(QStringLiteral("txtD"), d, QStringLiteral("DOBM")),
                dependent(QStringLiteral("txtD"), d, QStringLiteral("DOBD")),
                dependent(QStringLiteral("txtD"), d, QStringLiteral("DOBY"))};
            for (const QString& id : answers) {
                setBackground(id, yes ? Background::Normal : Background::NotApplicable);
                if (!yes) emptyField(id);
            }
        }
    });

    for (int d = 1; d <= 3; ++d) {
        const QStringList answers{dependent(QStringLiteral("optD"), d, QStringLiteral("Gender")),
                                  dependent(QStringLiteral("txtD"), d, QStringLiteral("DOBM")),
                                  dependent(QStringLiteral("txtD"), d, QStringLiteral("DOBD")),
                                  dependent(QStringLiteral("txtD"), d, QStringLiteral("DOBY"))};
        onClick(dependent(QStringLiteral("chkD"), d, {}), [this, answers](int state) {
            if (state == static_cast<int>(CheckState::Ticked)) {
                for (const QString& id : answers)
                    setEnabled(id, true);
            } else if (state == static_cast<int>(CheckState::Clear)) {
                for (const QString& id : answers) {
                    emptyField(id);
                    setEnabled(id, false);
                }
            }
            // The grey state changes nothing.
        });
    }
}

// --- Navigation ---

int DemographicSection::nextPage(int page) const {
    if (page == 1 && liveBirthsZero()) return 3;
    return DeclaredSection::nextPage(page);
}

int DemographicSection::backPage(int page) const {
    if (page == 3 && liveBirthsZero()) return 1;
    return DeclaredSection::backPage(page);
}

// --- Reset ---

// The start state has already come back (values, enabled states, colours,
// question 12's wording, frames); the lists are built anew, and every row of the
// children table is closed, its gender buttons too.
void DemographicSection::resetAnswers() {
    heldFrom_ = kChildRows;
    pregnanciesTurnedZero_ = false;
    ClearLists();
    FillLists();
    for (int i = 0; i < kChildRows; ++i)
        for (const QString& id : childRowFields(i))
            setEnabled(id, false);
}

}  // namespace yrn
