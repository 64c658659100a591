// The medical part of the client report: 19 placeholders, in template order.
#include "interview/Interview.h"
#include "interview/ReportWriter.h"
#include "report/Phrases.h"
#include "sections/CommonAnswers.h"
#include "sections/medical/MedicalSection.h"

namespace yrn {

namespace {

// What the "Yes" rows of question 12 read as in the report, rows 2 to 4.
const QString kPublicPrograms[] = {QStringLiteral("Medicaid"), QStringLiteral("Medicare"),
                                   QStringLiteral("VA/Champus")};

}  // namespace

// The kinds of insurance answered "Yes", as one phrase. The employer row is joined
// to what follows by ", and " and the others by ", "; a separator that nothing
// follows (the employer alone, or "Other" with nothing specified last) is left off.
QString MedicalSection::insurancePrograms() const {
    const QString months = text(QStringLiteral("txtInsurance"));
    if (months.isEmpty() || months == QStringLiteral("0") || months == QStringLiteral("00"))
        return QStringLiteral("no insurance programs");

    const auto yes = [this](int row) {
        return chosen(arr(QStringLiteral("optHealthInsurance"), row), 1);
    };
    // A separator is written once something follows it.
    QString list;
    QString separator;
    int count = 0;
    const auto append = [&](const QString& words) {
        if (words.isEmpty()) return;
        list += separator + words;
        separator.clear();
    };
    if (yes(0)) {
        append(QStringLiteral("employer provided health insurance"));
        separator = QStringLiteral(", and ");
    }
    if (yes(1)) {
        count = 1;
        append(QStringLiteral("private health insurance"));
    }
    for (int row = 2; row <= 4; ++row) {
        if (!yes(row)) continue;
        if (count > 0) separator += QStringLiteral(", ");
        ++count;
        append(kPublicPrograms[row - 2]);
    }
    if (yes(5)) {
        if (count > 0) separator += QStringLiteral(", ");
        append(text(QStringLiteral("txtOtherHI")));
    }
    return list;
}

QString MedicalSection::sleepsLateSentence() const {
    const QString firstName = interview().identity().FirstName();
    if (chosen(QStringLiteral("optSleepLate"), 0))
        return firstName + " does not sleep past 11am on most days.";
    if (!chosen(QStringLiteral("optSleepLate"), 1)) return {};
    if (chosen(QStringLiteral("optBecauseWork"), 0))
        return firstName + " sleeps past 11am on most days, this is not due to working hours";
    if (chosen(QStringLiteral("optBecauseWork"), 1))
        return firstName + " sleeps past 11am on most days, this is due to working hours";
    return {};
}

void MedicalSection::ClientReport(ReportWriter& report) {
    guard(QStringLiteral("ctlMedical.ClientReport"), [&] {
        const QString firstName = interview().identity().FirstName();
        const QString hisher = interview().pronouns().hisher();

        // A count of 0, however it is typed ("0", "00"), or none says the client has
        // not been hospitalized.
        const QString times = text(QStringLiteral("txtHospitalized"));
        const bool never = zeroOrEmpty(times);
        report.RP(QStringLiteral("Hospitalization"),
                  never ? firstName + " has not been hospitalized in " + hisher + " life."
                        : firstName + ' ' + HasPhrase(times) + " been hospitalized " + times +
                              " times in " + hisher + " life.");
        report.RP(QStringLiteral("RecentHosp"),
                  never ? QString()
                        : QStringLiteral("  The most recent ") +
                              "of these hospitalizations occurred " +
                              listText(QStringLiteral("cboLastHospitalized")) + '.');

        report.RP(QStringLiteral("DoesDoesNotCHP"),
                  DoesPhrase(chosen(QStringLiteral("optChrMedProb"), 0)));
        if (chosen(QStringLiteral("optChrMedProb"), 0))
            report.RP(QStringLiteral("CHealthProblems"), QString());
        else if (chosen(QStringLiteral("optChrMedProb"), 1))
            report.RP(QStringLiteral("CHealthProblems"),
                      " including: " + text(QStringLiteral("txtMedicalProblems")));

        bool disease = false;
        for (int i = 0; i < kHealthProblems; ++i)
            disease = disease || chosen(arr(QStringLiteral("optHealthProb"), i), 1);
        report.RP(QStringLiteral("HasHasNotSTD"),
                  disease ? QStringLiteral("has") : QStringLiteral("has not"));
        report.RP(QStringLiteral("HasHasNotSeizure"), chosen(QStringLiteral("optFit"), 0)
                                                          ? QStringLiteral("has not")
                                                          : QStringLiteral("has"));

        if (chosen(QStringLiteral("optPension"), 0))
            report.RP(QStringLiteral("Receiving"), QStringLiteral("is not receiving"));
        else if (chosen(QStringLiteral("optPension"), 1))
            report.RP(QStringLiteral("Receiving"), QStringLiteral("is receiving"));
        report.RP(QStringLiteral("PDisabilities"), text(QStringLiteral("txtPension")));

        const QString months = text(QStringLiteral("txtInsurance"));
        report.RP(QStringLiteral("MonthsInsured"),
                  months == QStringLiteral("1") ? QStringLiteral("one month") : months + " months");
        report.RP(QStringLiteral("IPrograms"), insurancePrograms());

        if (chosen(QStringLiteral("optPresMed"), 0)) {
            report.RP(QStringLiteral("IsIsNotPM"), QStringLiteral("is not"));
            report.RP(QStringLiteral("TypesMedicine"), QString());
        } else if (chosen(QStringLiteral("optPresMed"), 1)) {
            report.RP(QStringLiteral("IsIsNotPM"), QStringLiteral("is"));
            report.RP(QStringLiteral("TypesMedicine"),
                      " which includes " + text(QStringLiteral("txtMedication")));
        }
        if (chosen(QStringLiteral("optSmokes"), 0))
            report.RP(QStringLiteral("SmokingSentence"),
                      QStringLiteral("does not smoke cigarettes"));
        else if (chosen(QStringLiteral("optSmokes"), 1))
            report.RP(QStringLiteral("SmokingSentence"),
                      "averages smoking " + text(QStringLiteral("txtCigarettes")) +
                          " cigarettes per day in the last 30 days");
        const QString sleeps = sleepsLateSentence();
        if (!sleeps.isEmpty()) report.RP(QStringLiteral("SleepsLateSentence"), sleeps);

        const QString days = text(QStringLiteral("txtExperienceProblems"));
        report.RP(QStringLiteral("MProblemsDays"),
                  days == QStringLiteral("1") ? QStringLiteral("one day") : days + " days");
        report.RP(QStringLiteral("MedTResponse"),
                  listText(QStringLiteral("cboClientTroubled")).toLower());
        report.RP(QStringLiteral("MedIResponse"),
                  listText(QStringLiteral("cboImportant")).toLower());
        report.RP(QStringLiteral("MedicalComments"),
                  CapitalizeFirst(text(QStringLiteral("txtMedicalComments"))));
        reportRating(report, QStringLiteral("IRMedical"),
                     listText(QStringLiteral("cboInterviewerRating")));
    });
}

}  // namespace yrn
