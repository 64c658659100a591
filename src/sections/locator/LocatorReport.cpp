#include <array>

#include "interview/ReportWriter.h"
#include "report/Phrases.h"
#include "sections/CommonAnswers.h"
#include "sections/locator/LocatorSection.h"

namespace yrn {

namespace {

// "City, ST 12345" of an address's last three boxes; empty boxes still give ", "
// and the blank, as the template's sentence expects. "" when all three are empty.
QString cityLine(const Section& s, const QString& city, const QString& state, const QString& zip) {
    if (!typedAnswer(s.text(city) + s.text(state) + s.text(zip))) return {};
    return s.text(city) + ", " + s.text(state) + ' ' + s.text(zip);
}

// A street and its city line; each part not answered leaves its marker.
void address(const Section& s, ReportWriter& report, const QString& box, const QString& field1,
             const QString& field2) {
    reportAnswered(report, field1, s.text("txt" + box + "Address"));
    reportAnswered(
        report, field2,
        cityLine(s, "txt" + box + "City", "txt" + box + "State", "txt" + box + "ZipCode"));
}

// A contact's name with the middle initial as typed.
QString contactName(const Section& s, const QString& c) {
    const QString first = s.text("txt" + c + "Firstname");
    const QString mi = s.text("txt" + c + "MI");
    const QString last = s.text("txt" + c + "Lastname");
    if (mi.isEmpty()) return first + ' ' + last;
    return first + ' ' + mi + ". " + last;
}

// The second contact, whom the client may not have, without a street address reads
// "N/A" however much of the rest is typed.
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

// Whether a box holds more than blanks.
bool typed(const QString& text) {
    return !text.trimmed().isEmpty();
}

// The client's two telephones: "could be reached by telephone at 1 or at 2". A number
// left empty is left out with its "or at"; with none, the client "gave no telephone
// number".
void phones(const Section& s, ReportWriter& report) {
    const QString first = s.text(QStringLiteral("txtPhone"));
    const QString second = s.text(QStringLiteral("txtOtherPhone"));
    const QString reached = QStringLiteral("could be reached by telephone at ");
    report.RP(QStringLiteral("Phone1"), typed(first) ? reached + first
                                        : typed(second)
                                            ? reached
                                            : QStringLiteral("gave no telephone number"));
    report.RP(QStringLiteral("Phone2"), !typed(second) ? QString()
                                        : typed(first) ? QStringLiteral(" or at ") + second
                                                       : second);
}

// The two people who may also answer one telephone: "Ann (sister) or Bob (friend)".
// A person whose name is empty is left out with the "or" and brackets that would
// join them, an empty relation with its brackets; nobody named reads "no one named".
void answerers(const Section& s, ReportWriter& report, const std::array<QString, 4>& fields,
               const std::array<QString, 4>& boxes) {
    const QString name1 = s.text(boxes[0]);
    const QString relation1 = s.text(boxes[1]);
    const QString name2 = s.text(boxes[2]);
    const QString relation2 = s.text(boxes[3]);
    const auto inBrackets = [](const QString& name, const QString& relation) {
        return typed(name) && typed(relation) ? " (" + relation + ')' : QString();
    };
    report.RP(fields[0], typed(name1)   ? name1
                         : typed(name2) ? QString()
                                        : QStringLiteral("no one named"));
    report.RP(fields[1], inBrackets(name1, relation1));
    report.RP(fields[2], !typed(name2) ? QString() : typed(name1) ? " or " + name2 : name2);
    report.RP(fields[3], inBrackets(name2, relation2));
}

}  // namespace

void LocatorSection::ClientReport(ReportWriter& report) {
    guard(info().module + ".ClientReport", [&] { writeReport(report); });
}

void LocatorSection::writeReport(ReportWriter& report) const {
    const auto t = [this](const char* id) { return text(QString::fromLatin1(id)); };

    // What is not answered leaves its marker; the telephones and the people who may
    // answer them are answered by leaving them empty, and say so.
    reportAnswered(report, QStringLiteral("Address1"), t("txtStreetAddress"));
    reportAnswered(report, QStringLiteral("Address2"),
                   cityLine(*this, QStringLiteral("txtCity"), QStringLiteral("txtState"),
                            QStringLiteral("txtZipCode")));
    phones(*this, report);
    reportAnswered(report, QStringLiteral("Interviewer"), t("txtInterviewer"));
    const QString date =
        t("txtAssessmentDate1") + '-' + t("txtAssessmentDate2") + '-' + t("txtAssessmentDate3");
    reportAnswered(report, QStringLiteral("DateOfInterview"),
                   typedAnswer(QString(date).remove('-')) ? date : QString());
    reportAnswered(report, QStringLiteral("LengthOfStay"), t("txtCurrAddressLen"));
    // Unanswered: the marker stays, as for every question the narrative cannot word.
    if (chosen(QStringLiteral("optOwnRes"), 0))
        report.RP(QStringLiteral("IsOrIsNot"), QStringLiteral("is not"));
    else if (chosen(QStringLiteral("optOwnRes"), 1))
        report.RP(QStringLiteral("IsOrIsNot"), QStringLiteral("is"));

    answerers(*this, report,
              {QStringLiteral("Name1"), QStringLiteral("P1Relationship1"), QStringLiteral("Name2"),
               QStringLiteral("P1Relationship2")},
              {QStringLiteral("txtPhoneAnswerer1"), QStringLiteral("txtAnswererRelation1"),
               QStringLiteral("txtPhoneAnswerer2"), QStringLiteral("txtAnswererRelation2")});
    answerers(*this, report,
              {QStringLiteral("Name3"), QStringLiteral("P2Relationship1"), QStringLiteral("Name4"),
               QStringLiteral("P2Relationship2")},
              {QStringLiteral("txtOtherAnswerer1"), QStringLiteral("txtOtherRelation1"),
               QStringLiteral("txtOtherAnswerer2"), QStringLiteral("txtOtherRelation2")});
    reportAnswered(report, QStringLiteral("MailingAddress1"), t("txtMStreetAddress"));
    reportAnswered(report, QStringLiteral("MailingAddress2"),
                   cityLine(*this, QStringLiteral("txtMCity"), QStringLiteral("txtMState"),
                            QStringLiteral("txtMZipCode")));

    reportAnswered(report, QStringLiteral("AddName"), contactName(*this, QStringLiteral("C1")));
    address(*this, report, QStringLiteral("C1"), QStringLiteral("AddAddress1"),
            QStringLiteral("AddAddress2"));
    reportAnswered(report, QStringLiteral("AddPhone"), t("txtC1Phone"));
    reportAnswered(report, QStringLiteral("AddRelationship"), t("txtC1Relationship"));

    report.RP(QStringLiteral("Add2Name"), contactName(*this, QStringLiteral("C2")));
    contactAddress(*this, report, QStringLiteral("C2"), QStringLiteral("Add2Address1"),
                   QStringLiteral("Add2Address2"));
    report.RP(QStringLiteral("Add2Phone"), t("txtC2Phone"));
    report.RP(QStringLiteral("Add2Relationship"), t("txtC2Relationship"));

    report.RP(QStringLiteral("LocatorComments"), CapitalizeFirst(t("txtLocationInformation")));
}

}  // namespace yrn
