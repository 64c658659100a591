// The criminal justice part of the client report.
#include "interview/ReportWriter.h"
#include "records/FieldCodec.h"
#include "report/Phrases.h"
#include "sections/CommonAnswers.h"
#include "sections/criminal/CriminalJusticeLists.h"
#include "sections/criminal/CriminalJusticeSection.h"
#include "sections/demographic/DemographicSection.h"

namespace yrn {

// "shoplifting 2 times;  DWI 1 time", one entry per kind of crime charged, or
// "no charges". A count is left out when it is 0 by value ("0", "00", "000");
// a count that is listed is printed as typed.
QString CriminalJusticeSection::chargesList() const {
    QString list;
    for (int i = 0; i < kCrimeRows; ++i) {
        const QString count = text(arr(QStringLiteral("txtCharges"), i));
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
    return list.isEmpty() ? QStringLiteral("no charges") : list;
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
        report.RP(QStringLiteral("Charges"), chargesList());
        report.RP(QStringLiteral("NumCharges"), text(QStringLiteral("txtConvictions")));

        // The lifetime period follows "for"; with no answer (or "Never") there is
        // no period, and no bare "for" either.
        const int lifetime = position(QStringLiteral("cboIncarceration"));
        report.RP(QStringLiteral("NeverInc"),
                  lifetime == criminal::kNeverIncarcerated ? QStringLiteral("never") : QString());
        report.RP(QStringLiteral("LenIncarMonths"),
                  lifetime > criminal::kNeverIncarcerated
                      ? "for " + listText(QStringLiteral("cboIncarceration")).toLower()
                      : QString());
        const int last = position(QStringLiteral("cboLastIncarceration"));
        report.RP(QStringLiteral("LenLastIncar"),
                  last == criminal::kCurrentlyIncarcerated
                      ? QStringLiteral("is currently incarcerated")
                  : last >= 0 ? "last incarceration was for " +
                                    listText(QStringLiteral("cboLastIncarceration")).toLower()
                              : QString());
        report.RP(QStringLiteral("LastCrimes"), incarcerationList());
        reportAnswered(report, QStringLiteral("IsIsNotProb"),
                       noYesWords(choice(QStringLiteral("optProb")), QStringLiteral("is not"),
                                  QStringLiteral("is")));
        report.RP(QStringLiteral("CurrCharge"), chosen(QStringLiteral("optPresAwCharges"), 0)
                                                    ? QStringLiteral("no criminal activities")
                                                    : awaitingList());
        report.RP(QStringLiteral("IllegalDays"),
                  countPhrase(text(QStringLiteral("txtIllegalActivities")),
                              QStringLiteral("one day"), QStringLiteral("days")));
        report.RP(QStringLiteral("CriminalTroubled"),
                  listText(QStringLiteral("cboLegalProblems")).toLower());
        report.RP(QStringLiteral("CriminalNecessary"),
                  listText(QStringLiteral("cboCounselingImportance")).toLower());
        report.RP(QStringLiteral("CriminalComments"),
                  CapitalizeFirst(text(QStringLiteral("txtCriminalJusticeInformation"))));

        const auto* demographic = interview().find<DemographicSection>();
        const QString jailDays = demographic ? demographic->JailDays() : QString();
        report.RP(QStringLiteral("JailDays"),
                  countPhrase(jailDays, QStringLiteral("one day"), QStringLiteral("days"), true));
        reportRating(report, QStringLiteral("IRLegal"),
                     listText(QStringLiteral("cboNeedLegalTreatment")));
    });
}

}  // namespace yrn
