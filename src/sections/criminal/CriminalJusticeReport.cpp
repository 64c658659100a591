// The criminal justice part of the client report.
#include "interview/Interview.h"
#include "interview/ReportWriter.h"
#include "records/FieldCodec.h"
#include "report/Phrases.h"
#include "sections/CommonAnswers.h"
#include "sections/criminal/CriminalJusticeLists.h"
#include "sections/criminal/CriminalJusticeSection.h"

namespace yrn {

// "shoplifting 2 times;  DWI 1 time", one entry per kind of crime charged, or
// "no charges". A count is left out when it is 0 by value ("0", "00", "000");
// a count that is listed is printed as typed. With every count box empty nothing
// is answered: "" (the marker stays).
QString CriminalJusticeSection::chargesList() const {
    QString list;
    bool answered = false;
    for (int i = 0; i < kCrimeRows; ++i) {
        const QString count = text(arr(QStringLiteral("txtCharges"), i));
        answered = answered || typedAnswer(count);
        if (zeroOrEmpty(count)) continue;
        const QString name =
            i == kOtherRow ? text(QStringLiteral("txtOther")) : criminal::crimes().at(i).name;
        list += name + ' ' + count +
                (isOne(count) ? QStringLiteral(" time") : QStringLiteral(" times")) +
                QStringLiteral(";  ");
    }
    // The last entry's ";  " goes; with an empty "Other" name leading the list, its
    // blank goes instead and the semicolon stays.
    if (list.size() >= 4) {
        const qsizetype length = list.size();
        list = trimBlanks(list).left(length - 3);
    }
    return list.isEmpty() && answered ? QStringLiteral("no charges") : list;
}

// Whether any row of a reasons list is answered.
bool CriminalJusticeSection::reasonAnswered(const QString& stem) const {
    for (int i = 0; i < kCrimeRows; ++i)
        if (choice(arr(stem, i)) >= 0) return true;
    return false;
}

// "vandalism ; DWI ": the crimes answered "Yes" in the rows of a reasons list,
// each followed by a blank, separated by "; ".
QString CriminalJusticeSection::reasonsList(const QString& stem, const QString& specify) const {
    QString list;
    int listed = 0;
    for (int i = 0; i < kCrimeRows; ++i) {
        if (!chosen(arr(stem, i), 1)) continue;
        if (listed++ > 0) list += QStringLiteral("; ");
        list += (i == kOtherRow ? text(specify) : criminal::crimes().at(i).name) + ' ';
    }
    return list;
}

QString CriminalJusticeSection::incarcerationList() const {
    return reasonsList(QStringLiteral("optReasonIncar"), QStringLiteral("txtOtherIncarceration"));
}

QString CriminalJusticeSection::awaitingList() const {
    return reasonsList(QStringLiteral("optAwaitCharges"), QStringLiteral("txtOtherChargeAwaited"));
}

void CriminalJusticeSection::ClientReport(ReportWriter& report) {
    guard(QStringLiteral("ctlCriminalJustice.ClientReport"), [&] {
        reportAnswered(report, QStringLiteral("Charges"), chargesList());
        reportAnswered(report, QStringLiteral("NumCharges"),
                       text(QStringLiteral("txtConvictions")));

        // The lifetime period follows "for"; "Never" has no period, and no bare
        // "for" either. Question 5 unanswered leaves both markers, and those of
        // questions 6 and 7, which it closes.
        const int lifetime = position(QStringLiteral("cboIncarceration"));
        const bool never = lifetime == criminal::kNeverIncarcerated;
        if (lifetime >= 0) {
            report.RP(QStringLiteral("NeverInc"), never ? QStringLiteral("never") : QString());
            report.RP(QStringLiteral("LenIncarMonths"),
                      never ? QString()
                            : "for " + listText(QStringLiteral("cboIncarceration")).toLower());
        }
        // Never incarcerated: no last incarceration and no reasons to state.
        const int last = position(QStringLiteral("cboLastIncarceration"));
        if (never || last >= 0)
            report.RP(QStringLiteral("LenLastIncar"),
                      last == criminal::kCurrentlyIncarcerated
                          ? QStringLiteral("is currently incarcerated")
                      : last >= 0 ? "last incarceration was for " +
                                        listText(QStringLiteral("cboLastIncarceration")).toLower()
                                  : QString());
        if (never || (lifetime > criminal::kNeverIncarcerated &&
                      reasonAnswered(QStringLiteral("optReasonIncar"))))
            report.RP(QStringLiteral("LastCrimes"), never ? QString() : incarcerationList());
        reportAnswered(report, QStringLiteral("IsIsNotProb"),
                       noYesWords(choice(QStringLiteral("optProb")), QStringLiteral("is not"),
                                  QStringLiteral("is")));
        // "Yes" to question 8 lists the charges awaited once a row of question 9 is
        // answered.
        if (chosen(QStringLiteral("optPresAwCharges"), 0))
            report.RP(QStringLiteral("CurrCharge"), QStringLiteral("no criminal activities"));
        else if (chosen(QStringLiteral("optPresAwCharges"), 1) &&
                 reasonAnswered(QStringLiteral("optAwaitCharges")))
            report.RP(QStringLiteral("CurrCharge"), awaitingList());
        reportAnswered(report, QStringLiteral("IllegalDays"),
                       countAnswer(text(QStringLiteral("txtIllegalActivities")),
                                   QStringLiteral("one day"), QStringLiteral("days")));
        reportAnswered(report, QStringLiteral("CriminalTroubled"),
                       listText(QStringLiteral("cboLegalProblems")).toLower());
        reportAnswered(report, QStringLiteral("CriminalNecessary"),
                       listText(QStringLiteral("cboCounselingImportance")).toLower());
        report.RP(QStringLiteral("CriminalComments"),
                  CapitalizeFirst(text(QStringLiteral("txtCriminalJusticeInformation"))));

        // The demographic question 11 "No" (no controlled environment) empties the
        // jail days: none. Otherwise an empty box is not answered.
        if (const auto* environment = interview().environment()) {
            const QString jailDays = environment->JailDays();
            reportAnswered(
                report, QStringLiteral("JailDays"),
                !typedAnswer(jailDays) && environment->NotInControlledEnvironment()
                    ? QStringLiteral("0 days")
                    : countAnswer(jailDays, QStringLiteral("one day"), QStringLiteral("days")));
        }
        reportRating(report, QStringLiteral("IRLegal"),
                     listText(QStringLiteral("cboNeedLegalTreatment")));
    });
}

}  // namespace yrn
