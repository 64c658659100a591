// The section file "Location.YRN", in file order; the last field carries no
// separator.
#include "sections/locator/LocatorSection.h"

namespace yrn {

namespace {

// Runs of text boxes between the other answers.
const QStringList kFileTexts1{
    QStringLiteral("txtAssessmentDate1"), QStringLiteral("txtAssessmentDate2"),
    QStringLiteral("txtAssessmentDate3"), QStringLiteral("txtTime1"),
    QStringLiteral("txtTime2"),
};
const QStringList kFileTexts2{
    QStringLiteral("txtLastName"), QStringLiteral("txtFirstName"),
    QStringLiteral("txtMI"),       QStringLiteral("txtStreetAddress"),
    QStringLiteral("txtCity"),     QStringLiteral("txtState"),
    QStringLiteral("txtZipCode"),  QStringLiteral("txtCurrAddressLen"),
};
const QStringList kFileTexts3{
    QStringLiteral("txtMStreetAddress"),
    QStringLiteral("txtMCity"),
    QStringLiteral("txtMState"),
    QStringLiteral("txtMZipCode"),
    QStringLiteral("txtPhone"),
    QStringLiteral("txtPhoneAnswerer1"),
    QStringLiteral("txtPhoneAnswerer2"),
    QStringLiteral("txtAnswererRelation1"),
    QStringLiteral("txtAnswererRelation2"),
    QStringLiteral("txtOtherPhone"),
    QStringLiteral("txtOtherAnswerer1"),
    QStringLiteral("txtOtherAnswerer2"),
    QStringLiteral("txtOtherRelation1"),
    QStringLiteral("txtOtherRelation2"),
};
const QStringList kFileTexts4{
    QStringLiteral("txtC1Firstname"),    QStringLiteral("txtC1MI"),
    QStringLiteral("txtC1Lastname"),     QStringLiteral("txtC1Address"),
    QStringLiteral("txtC1City"),         QStringLiteral("txtC1State"),
    QStringLiteral("txtC1ZipCode"),      QStringLiteral("txtC1Phone"),
    QStringLiteral("txtC1Relationship"), QStringLiteral("txtC2Firstname"),
    QStringLiteral("txtC2MI"),           QStringLiteral("txtC2Lastname"),
    QStringLiteral("txtC2Address"),      QStringLiteral("txtC2City"),
    QStringLiteral("txtC2State"),        QStringLiteral("txtC2ZipCode"),
    QStringLiteral("txtC2Phone"),        QStringLiteral("txtC2Relationship"),
};

}  // namespace

void LocatorSection::declareFile() {
    // Fields 1-5
    for (const QString& id : kFileTexts1)
        file(Codec::Text, id);
    // Fields 6-8
    file(Codec::Opt, QStringLiteral("optAMPM"));
    file(Codec::Text, QStringLiteral("txtInterviewer"));
    // The site is stored by its code, which survives a re-ordered or longer list.
    file(Codec::ComboNew, QStringLiteral("cboSite"));
    // Fields 9-16
    for (const QString& id : kFileTexts2)
        file(Codec::Text, id);
    // Field 17
    file(Codec::Opt, QStringLiteral("optOwnRes"));
    // Fields 18-31
    for (const QString& id : kFileTexts3)
        file(Codec::Text, id);
    // Field 32
    // Question 7 comes before the boxes it governs, so that reading it replays the
    // rule first and the stored work answers then land in boxes in the right state.
    file(Codec::Opt, QStringLiteral("optWorking"));
    // Fields 33-38
    for (const QString& id : workBoxes())
        file(Codec::Text, id);
    // Fields 39-56
    for (const QString& id : kFileTexts4)
        file(Codec::Text, id);
    // Field 57
    file(Codec::Text, QStringLiteral("txtLocationInformation"), true);
}

}  // namespace yrn
