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
// No month of cover (0 by value, as the rules take it) is no insurance programs,
// whatever question 12 holds; with question 11 unanswered the kinds answered "Yes"
// still stand, and only with none is it no insurance programs. The narrative asks
// insuranceAnswered() first.
QString MedicalSection::insurancePrograms() const {
    const QString none = QStringLiteral("no insurance programs");
    const Cover months = cover(text(QStringLiteral("txtInsurance")));
    if (months == Cover::None) return none;

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
    return list.isEmpty() && months == Cover::Unanswered ? none : list;
}

// Whether the insurance phrase rests on an answer: no month of cover, or a row of
// question 12 answered.
bool MedicalSection::insuranceAnswered() const {
    if (cover(text(QStringLiteral("txtInsurance"))) == Cover::None) return true;
    for (int row = 0; row < kInsuranceRows; ++row)
        if (choice(arr(QStringLiteral("optHealthInsurance"), row)) >= 0) return true;
    return false;
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

        // A count of 0, however it is typed ("0", "00"), says the client has not been
        // hospitalized; an empty box says nothing, and leaves the sentence after it
        // as well, as does question 2 unanswered (as for the other follow-ups).
        const QString times = text(QStringLiteral("txtHospitalized"));
        const QString has = HasPhrase(times);
        if (!has.isEmpty()) {
            const bool never = isZero(times);
            report.RP(QStringLiteral("Hospitalization"),
                      never ? firstName + " has not been hospitalized in " + hisher + " life."
                            : firstName + ' ' + has + " been hospitalized " + times + " times in " +
                                  hisher + " life.");
            const QString last = listText(QStringLiteral("cboLastHospitalized"));
            if (never)
                report.RP(QStringLiteral("RecentHosp"), QString());
            else if (!last.isEmpty())
                report.RP(QStringLiteral("RecentHosp"),
                          "  The most recent of these hospitalizations occurred " + last + '.');
        }

        reportAnswered(report, QStringLiteral("DoesDoesNotCHP"),
                       DoesPhrase(choice(QStringLiteral("optChrMedProb"))));
        if (chosen(QStringLiteral("optChrMedProb"), 0))
            report.RP(QStringLiteral("CHealthProblems"), QString());
        else if (chosen(QStringLiteral("optChrMedProb"), 1))
            report.RP(QStringLiteral("CHealthProblems"),
                      " including: " + text(QStringLiteral("txtMedicalProblems")));

        // "has not" needs at least one disease answered, and none "Yes".
        bool answered = false;
        bool disease = false;
        for (int i = 0; i < kHealthProblems; ++i) {
            const int answer = choice(arr(QStringLiteral("optHealthProb"), i));
            answered = answered || answer >= 0;
            disease = disease || answer == 1;
        }
        if (answered)
            report.RP(QStringLiteral("HasHasNotSTD"),
                      disease ? QStringLiteral("has") : QStringLiteral("has not"));
        reportAnswered(report, QStringLiteral("HasHasNotSeizure"),
                       noYesWords(choice(QStringLiteral("optFit")), QStringLiteral("has not"),
                                  QStringLiteral("has")));

        if (chosen(QStringLiteral("optPension"), 0))
            report.RP(QStringLiteral("Receiving"), QStringLiteral("is not receiving"));
        else if (chosen(QStringLiteral("optPension"), 1))
            report.RP(QStringLiteral("Receiving"), QStringLiteral("is receiving"));
        // No pension: no disability to name (the box is closed and empty).
        const QString disability = text(QStringLiteral("txtPension"));
        if (typedAnswer(disability) || chosen(QStringLiteral("optPension"), 0))
            report.RP(QStringLiteral("PDisabilities"), disability);

        const QString months = text(QStringLiteral("txtInsurance"));
        if (typedAnswer(months))
            report.RP(QStringLiteral("MonthsInsured"), months == QStringLiteral("1")
                                                           ? QStringLiteral("one month")
                                                           : months + " months");
        if (insuranceAnswered()) report.RP(QStringLiteral("IPrograms"), insurancePrograms());

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
        if (typedAnswer(days))
            report.RP(QStringLiteral("MProblemsDays"),
                      days == QStringLiteral("1") ? QStringLiteral("one day") : days + " days");
        reportAnswered(report, QStringLiteral("MedTResponse"),
                       listText(QStringLiteral("cboClientTroubled")).toLower());
        reportAnswered(report, QStringLiteral("MedIResponse"),
                       listText(QStringLiteral("cboImportant")).toLower());
        report.RP(QStringLiteral("MedicalComments"),
                  CapitalizeFirst(text(QStringLiteral("txtMedicalComments"))));
        reportRating(report, QStringLiteral("IRMedical"),
                     listText(QStringLiteral("cboInterviewerRating")));
    });
}

}  // namespace yrn
