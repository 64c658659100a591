#include "interview/ReportWriter.h"
#include "report/Phrases.h"
#include "sections/locator/LocatorSection.h"

namespace yrn {

namespace {

// "City, ST 12345" of an address's last three boxes; empty boxes still give ", "
// and the blank, as the template's sentence expects.
QString cityLine(const Section& s, const QString& city, const QString& state, const QString& zip) {
    return s.text(city) + ", " + s.text(state) + ' ' + s.text(zip);
}

// A contact's name with the middle initial as typed.
QString contactName(const Section& s, const QString& c) {
    const QString first = s.text("txt" + c + "Firstname");
    const QString mi = s.text("txt" + c + "MI");
    const QString last = s.text("txt" + c + "Lastname");
    if (mi.isEmpty()) return first + ' ' + last;
    return first + ' ' + mi + ". " + last;
}

// A contact without a street address reads "N/A" however much of the rest is typed.
void contactAddress(const Section& s, ReportWriter& report, const QString& c, const QString& field1,
                    const QString& field2) {
    const QString street = s.text("txt" + c + "Address");
    if (street.isEmpty()) {
        report.RP(field1, QStringLiteral("N/A"));
        report.RP(field2, QString());
        return;
    }
    report.RP(field1, street);
    report.RP(field2, cityLine(s, "txt" + c + "City", "txt" + c + "State", "txt" + c + "ZipCode"));
}

}  // namespace

void LocatorSection::ClientReport(ReportWriter& report) {
    guard(info().module + ".ClientReport", [&] { writeReport(report); });
}

void LocatorSection::writeReport(ReportWriter& report) const {
    const auto t = [this](const char* id) { return text(QString::fromLatin1(id)); };

    report.RP(QStringLiteral("Address1"), t("txtStreetAddress"));
    report.RP(QStringLiteral("Address2"),
              cityLine(*this, QStringLiteral("txtCity"), QStringLiteral("txtState"),
                       QStringLiteral("txtZipCode")));
    report.RP(QStringLiteral("Phone1"), t("txtPhone"));
    report.RP(QStringLiteral("Phone2"), t("txtOtherPhone"));
    report.RP(QStringLiteral("Interviewer"), t("txtInterviewer"));
    report.RP(
        QStringLiteral("DateOfInterview"),
        t("txtAssessmentDate1") + '-' + t("txtAssessmentDate2") + '-' + t("txtAssessmentDate3"));
    report.RP(QStringLiteral("LengthOfStay"), t("txtCurrAddressLen"));
    // Unanswered: the marker stays, as for every question the narrative cannot word.
    if (chosen(QStringLiteral("optOwnRes"), 0))
        report.RP(QStringLiteral("IsOrIsNot"), QStringLiteral("is not"));
    else if (chosen(QStringLiteral("optOwnRes"), 1))
        report.RP(QStringLiteral("IsOrIsNot"), QStringLiteral("is"));

    report.RP(QStringLiteral("Name1"), t("txtPhoneAnswerer1"));
    report.RP(QStringLiteral("P1Relationship1"), t("txtAnswererRelation1"));
    report.RP(QStringLiteral("Name2"), t("txtPhoneAnswerer2"));
    report.RP(QStringLiteral("P1Relationship2"), t("txtAnswererRelation2"));
    report.RP(QStringLiteral("Name3"), t("txtOtherAnswerer1"));
    report.RP(QStringLiteral("P2Relationship1"), t("txtOtherRelation1"));
    report.RP(QStringLiteral("Name4"), t("txtOtherAnswerer2"));
    report.RP(QStringLiteral("P2Relationship2"), t("txtOtherRelation2"));
    report.RP(QStringLiteral("MailingAddress1"), t("txtMStreetAddress"));
    report.RP(QStringLiteral("MailingAddress2"),
              cityLine(*this, QStringLiteral("txtMCity"), QStringLiteral("txtMState"),
                       QStringLiteral("txtMZipCode")));

    report.RP(QStringLiteral("AddName"), contactName(*this, QStringLiteral("C1")));
    contactAddress(*this, report, QStringLiteral("C1"), QStringLiteral("AddAddress1"),
                   QStringLiteral("AddAddress2"));
    report.RP(QStringLiteral("AddPhone"), t("txtC1Phone"));
    report.RP(QStringLiteral("AddRelationship"), t("txtC1Relationship"));

    report.RP(QStringLiteral("Add2Name"), contactName(*this, QStringLiteral("C2")));
    contactAddress(*this, report, QStringLiteral("C2"), QStringLiteral("Add2Address1"),
                   QStringLiteral("Add2Address2"));
    report.RP(QStringLiteral("Add2Phone"), t("txtC2Phone"));
    report.RP(QStringLiteral("Add2Relationship"), t("txtC2Relationship"));

    report.RP(QStringLiteral("LocatorComments"), CapitalizeFirst(t("txtLocationInformation")));
}

}  // namespace yrn
