// The demographic part of the client report and the functions other report
// narratives ask of this pane.
#include <algorithm>

#include "base/CalendarDate.h"
#include "interview/NumericCheck.h"
#include "interview/ReportWriter.h"
#include "report/Phrases.h"
#include "sections/CommonAnswers.h"
#include "sections/demographic/DemographicLists.h"
#include "sections/demographic/DemographicSection.h"

namespace yrn {

QString DemographicSection::BirthDate() const {
    return text(QStringLiteral("txtBDateMonth")) + '-' + text(QStringLiteral("txtBDateDay")) + '-' +
           text(QStringLiteral("txtBDateYear"));
}

QString DemographicSection::GetRace() const {
    return demographic::raceWord(field(QStringLiteral("cboRace")).code());
}

QString DemographicSection::JailDays() const {
    return text(QStringLiteral("txtJailDays"));
}

bool DemographicSection::NotInControlledEnvironment() const {
    return chosen(QStringLiteral("optContEnv"), 0);
}

std::optional<int> DemographicSection::Age() const {
    const auto birth = calendarDate(text(QStringLiteral("txtBDateMonth")) + '/' +
                                    text(QStringLiteral("txtBDateDay")) + '/' +
                                    text(QStringLiteral("txtBDateYear")));
    const auto assessed = calendarDate(interview().identity().AssessmentDate());
    if (!birth || !assessed) return std::nullopt;
    // Completed years: the birthday of the assessment year counts once it is reached.
    int years = assessed->year() - birth->year();
    if (assessed->month() < birth->month() ||
        (assessed->month() == birth->month() && assessed->day() < birth->day()))
        --years;
    return std::max(years, 0);
}

std::optional<int> DemographicSection::childCount() const {
    const auto count = roundedValue(text(QStringLiteral("txtChildren")));
    if (!count) return std::nullopt;
    return static_cast<int>(std::clamp<qint64>(*count, 0, 1000));
}

QString DemographicSection::childChartRow(int row) const {
    const Field& gender = field(arr(QStringLiteral("optGender"), row));
    const QString genderWord = gender.choice >= 0 && gender.choice < gender.captions.size()
                                   ? gender.captions.at(gender.choice)
                                   : QString();
    const QString born = text(arr(QStringLiteral("txtChildsDOBM"), row)) + '/' +
                         text(arr(QStringLiteral("txtChildsDOBD"), row)) + '/' +
                         text(arr(QStringLiteral("txtChildsDOBY"), row));
    const QString status = arr(QStringLiteral("cboCustudyStatus"), row);
    return ChildLine(genderWord, born, listText(arr(QStringLiteral("cboCustody"), row)),
                     position(status), listText(status),
                     text(arr(QStringLiteral("txtVisitationDays"), row)),
                     listText(arr(QStringLiteral("cboChildSupport"), row)));
}

// The places of question 11 (answered "Yes") the client was in: every row answered
// "Yes", or with days typed and neither button chosen. None when no row holds an
// answer (the narrative leaves the marker).
std::optional<QString> DemographicSection::controlledEnvironments() const {
    struct Row {
        const char* option;
        QString label;
        const char* days;
    };
    const Row rows[] = {
        {"optJail", QStringLiteral("Jail"), "txtJailDays"},
        {"optAlc", QStringLiteral("Alcohol or Drugs Treatment"), "txtAlcDrugDays"},
        {"optMed", QStringLiteral("Medical Treatment"), "txtMedicalDays"},
        {"optPsy", QStringLiteral("Psychiatric Treatment"), "txtPsychiatricDays"},
        {"optOther", text(QStringLiteral("txtOther")), "txtOtherDays"},
    };
    QString list;
    bool answered = false;
    for (const Row& row : rows) {
        const QString option = QString::fromLatin1(row.option);
        const QString days = text(QString::fromLatin1(row.days));
        const bool rowAnswered = choice(option) >= 0 || typedAnswer(days);
        answered = answered || rowAnswered;
        if (rowAnswered && !chosen(option, 0)) list += DaysLine(row.label, days) + kCrLf;
    }
    if (!answered) return std::nullopt;
    return list;
}

void DemographicSection::ClientReport(ReportWriter& report) {
    guard(QStringLiteral("ctlDemographic.ClientReport"), [&] {
        const QString firstName = interview().identity().FirstName();
        const bool yesCE = chosen(QStringLiteral("optContEnv"), 1);

        // A date not given at all leaves its marker; a part of one stands as typed.
        reportAnswered(report, QStringLiteral("DateOfBirth"),
                       BirthDate().remove('-').isEmpty() ? QString() : BirthDate());
        reportAnswered(report, QStringLiteral("SSN"), text(QStringLiteral("txtSSN")));
        // No age is stated from a date not given or not in the calendar.
        if (const auto age = Age()) report.RP(QStringLiteral("Age"), QString::number(*age));
        reportAnswered(report, QStringLiteral("Race"), GetRace());
        if (chosen(QStringLiteral("optOrigin"), 0))
            report.RP(QStringLiteral("BornIn"), QStringLiteral("born in U.S."));
        else if (chosen(QStringLiteral("optOrigin"), 1))
            report.RP(QStringLiteral("BornIn"), QStringLiteral("non U.S. born"));
        if (chosen(QStringLiteral("optSex"), 0))
            report.RP(QStringLiteral("Gender"), QStringLiteral("male"));
        else if (chosen(QStringLiteral("optSex"), 1))
            report.RP(QStringLiteral("Gender"), QStringLiteral("female"));

        // Nothing chosen leaves the language's and the religion's markers.
        const int language = position(QStringLiteral("cboLanguage"));
        reportAnswered(
            report, QStringLiteral("Language"),
            language == demographic::kLanguageOther     ? QStringLiteral("an unspecified language")
            : language == demographic::kLanguageUnknown ? QStringLiteral("an unknown language")
                                                        : listText(QStringLiteral("cboLanguage")));
        const int religion = position(QStringLiteral("cboReligion"));
        if (religion >= 0)
            report.RP(QStringLiteral("Religion"),
                      religion == demographic::kReligionOther ? QStringLiteral("an unspecified")
                      : religion == demographic::kReligionNone
                          ? QStringLiteral("no")
                          : "the " + listText(QStringLiteral("cboReligion")));

        // The number of children is taken by its value: "00" is no child and "01" one;
        // an empty box leaves the marker, and no chart; the table has ten rows.
        const QString typed = text(QStringLiteral("txtChildren"));
        const auto count = childCount();
        const bool hasChildren = count && *count > 0;
        if (count == 1)
            report.RP(QStringLiteral("NumberOfChildren"), QStringLiteral("one child"));
        else if (typedAnswer(typed))
            report.RP(QStringLiteral("NumberOfChildren"),
                      (count ? QString::number(*count) : typed) + QStringLiteral(" children"));
        report.RP(QStringLiteral("ChildChartTop"),
                  hasChildren ? kCrLf + ChildChartHeading() + kCrLf + kCrLf : QString());
        if (hasChildren) {
            // Each row after the first is placed where the one before it ended.
            for (int i = 0; i < std::min(*count, kChildRows); ++i)
                report.RP(QStringLiteral("ChildChart"), childChartRow(i));
        } else {
            report.RP(QStringLiteral("ChildChart"), QString());
        }
        report.RP(QStringLiteral("DaysSpent"),
                  hasChildren
                      ? QStringLiteral("*Days represents days spent with child in last month.")
                      : QString());
        int supported = 0;
        for (int i = 0; i < kChildRows; ++i) {
            const int support = position(arr(QStringLiteral("cboChildSupport"), i));
            if (support >= 0 && support < demographic::kSupportCountedPositions) ++supported;
        }
        report.RP(QStringLiteral("ChildSupportSentence"),
                  hasChildren && supported > 0
                      ? kCrLf + kCrLf + "At this time " + firstName + " is ordered to pay $" +
                            text(QStringLiteral("txtChildSupportOrdered")) +
                            " in child support per month and currently is paying $" +
                            text(QStringLiteral("txtChildSupportActual")) +
                            " per month of this total." + kCrLf
                      : kCrLf);

        if (chosen(QStringLiteral("optContEnv"), 0))
            report.RP(QStringLiteral("HasHasNotCE"), QStringLiteral("has not"));
        else if (yesCE)
            report.RP(QStringLiteral("HasHasNotCE"), QStringLiteral("has"));
        report.RP(QStringLiteral("SpecificCE"),
                  yesCE ? "Specifically " + heshe() + " has been in:" + kCrLf + kCrLf : QString());
        if (const auto places = yesCE ? controlledEnvironments() : QString())
            report.RP(QStringLiteral("CE"), *places);
        report.RP(QStringLiteral("Explanation"),
                  yesCE ? kCrLf + kCrLf + firstName +
                              " was in a controlled environment in the past 30 days, all "
                              "questions referring to past 30 days refer to the past 30 days on "
                              "the street (i.e., not including the time spent in the controlled "
                              "environment)."
                        : QString());
        if (chosen(QStringLiteral("optOtherChildren"), 0))
            report.RP(QStringLiteral("OtherChildren"), QString());
        else if (chosen(QStringLiteral("optOtherChildren"), 1))
            report.RP(QStringLiteral("OtherChildren"),
                      QStringLiteral(" and takes care of additional children"));
        report.RP(QStringLiteral("DemographicComments"),
                  CapitalizeFirst(text(QStringLiteral("txtDemographicInformation"))));
    });
}

}  // namespace yrn
