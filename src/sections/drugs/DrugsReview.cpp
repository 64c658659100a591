// The drug and alcohol answers that contradict each other.
#include "interview/Section.h"
#include "sections/ReviewChecks.h"
#include "sections/drugs/DrugsSection.h"

namespace yrn {

namespace {

// The count boxes of questions 8 and 10; each stem takes "L" (lifetime) and "PY"
// (past year).
struct TreatmentCounts {
    QString kind;
    QString outpatient;
    QString residential;
    QString detox;
};

const TreatmentCounts kTreatments[] = {
    {QStringLiteral("alcohol abuse"), QStringLiteral("txtOutpatient"),
     QStringLiteral("txtAlcAbuse"), QStringLiteral("txtDetox")},
    {QStringLiteral("drug abuse"), QStringLiteral("txtDrugOutpatient"),
     QStringLiteral("txtDrugAbuse"), QStringLiteral("txtDrugDetox")},
};

}  // namespace

// The past year is part of the lifetime, and detox-only stays are some of the
// residential or inpatient ones; question 11's outpatient days in the last 30 days
// need an outpatient treatment at some time.
QList<ReviewItem> DrugsSection::reviewWarnings() const {
    QList<ReviewItem> warnings;
    for (const TreatmentCounts& t : kTreatments) {
        const auto pastYear = [&](const QString& stem, const QString& what) {
            warnPartAboveWhole(warnings, *this, stem + "PY", stem + 'L',
                               "%1 " + what + " treatments for " + t.kind +
                                   " in the past year, but %2 in the lifetime.");
        };
        pastYear(t.outpatient, QStringLiteral("outpatient"));
        pastYear(t.residential, QStringLiteral("residential or inpatient"));
        pastYear(t.detox, QStringLiteral("detox-only"));
        warnPartAboveWhole(warnings, *this, t.detox + 'L', t.residential + 'L',
                           "%1 detox-only treatments for " + t.kind +
                               " in the lifetime, but %2 residential or inpatient ones.");
        warnPartAboveWhole(warnings, *this, t.detox + "PY", t.residential + "PY",
                           "%1 detox-only treatments for " + t.kind +
                               " in the past year, but %2 residential or inpatient ones.");
    }

    const QString days = QStringLiteral("txtOutpatientSettingPast30");
    const auto daysCount = answeredCount(*this, days);
    // Each kind was never treated as an outpatient: a count of 0, or no treatment.
    const auto never = [this](const TreatmentCounts& t) {
        const auto lifetime = answeredCount(*this, t.outpatient + 'L');
        return lifetime ? *lifetime == 0 : !usable(t.outpatient + 'L');
    };
    if (daysCount && *daysCount > 0 && never(kTreatments[0]) && never(kTreatments[1]))
        warnings.append(reviewWarning(
            *this, days,
            QString::number(*daysCount) +
                QStringLiteral(" days of outpatient treatment in the last 30 days, but no "
                               "outpatient treatment program in the lifetime.")));
    return warnings;
}

}  // namespace yrn
