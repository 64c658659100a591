#include "sections/locator/LocatorSection.h"

#include "sections/CommonAnswers.h"
#include "sections/CourtSites.h"
#include "sections/Pages.h"

namespace yrn {

namespace {

const QString kModule = QStringLiteral("ctlLocatorInformation");

// Maximum lengths shared by several boxes.
constexpr int kNameLength = 25;
constexpr int kStreetLength = 50;
constexpr int kCityLength = 30;
constexpr int kStateLength = 2;
constexpr int kZipLength = 12;
constexpr int kPhoneLength = 16;
constexpr int kRelationLength = 20;

// One answer box of a question with its sub-label.
Answer ans(const QString& field, const QString& caption = {}) {
    return Answer{field, caption, {}};
}

// The four boxes of an address, with their sub-labels.
QList<Answer> addressAnswers(const QString& street, const QString& city, const QString& state,
                             const QString& zip, const QString& streetCaption) {
    return {ans(street, streetCaption), ans(city, QStringLiteral("City")),
            ans(state, QStringLiteral("State")), ans(zip, QStringLiteral("Zip code"))};
}

}  // namespace

LocatorSection::LocatorSection(Interview& interview)
    : DeclaredSection(
          interview,
          SectionInfo{kModule, QStringLiteral("LocatorInformation"), QStringLiteral("Location.YRN"),
                      QStringLiteral("Halverin Drug Court YRN -- Locator Information "), 0}) {
    addNavigationPages(*this, {0, 1, 2, 3, 4}, QStringLiteral("cmdNextL"),
                       QStringLiteral("cmdBackL"), QStringLiteral("&Demographic Information"),
                       false);
    declarePages();
    declareRules();
    declareFile();
    captureStartState();
}

// --- Questionnaire ---

void LocatorSection::declarePages() {
    // Page 0: the assessment and the client's name and home.
    addText(QStringLiteral("txtAssessmentDate1"), 2).tip = QStringLiteral("Range: 01 - 12");
    addText(QStringLiteral("txtAssessmentDate2"), 2);
    addText(QStringLiteral("txtAssessmentDate3"), 4);
    addText(QStringLiteral("txtTime1"), 2);
    addText(QStringLiteral("txtTime2"), 2);
    addOption(QStringLiteral("optAMPM"), {QStringLiteral("AM"), QStringLiteral("PM")});
    addText(QStringLiteral("txtInterviewer"), 40);
    addList(QStringLiteral("cboSite"), courtSiteNames(), courtSiteCodes());
    addText(QStringLiteral("txtLastName"), kNameLength);
    addText(QStringLiteral("txtFirstName"), kNameLength);
    addText(QStringLiteral("txtMI"), 1).optional = true;
    addText(QStringLiteral("txtStreetAddress"), kStreetLength);
    addText(QStringLiteral("txtCity"), kCityLength);
    addText(QStringLiteral("txtState"), kStateLength);
    addText(QStringLiteral("txtZipCode"), kZipLength);
    addText(QStringLiteral("txtCurrAddressLen"), 2);
    addOption(QStringLiteral("optOwnRes"), noYes());

    addPage(0)
        .heading(QStringLiteral("Locator Information"))
        .question(
            QStringLiteral("Date of Assessment"),
            {ans(QStringLiteral("txtAssessmentDate1")), ans(QStringLiteral("txtAssessmentDate2")),
             ans(QStringLiteral("txtAssessmentDate3"))},
            QStringLiteral("MM        DD          YYYY"))
        .question(QStringLiteral("Time assessment begun"),
                  {ans(QStringLiteral("txtTime1")), ans(QStringLiteral("txtTime2")),
                   ans(QStringLiteral("optAMPM"))},
                  QStringLiteral("HH        MM  "))
        .question(QStringLiteral("Interviewer:"),
                  {ans(QStringLiteral("txtInterviewer"), QStringLiteral("Interviewer's name"))})
        .question(QStringLiteral("Drug Court Site"),
                  {ans(QStringLiteral("cboSite"), QStringLiteral("Drug Court Location"))})
        .question(QStringLiteral("1.   Client name"),
                  {ans(QStringLiteral("txtLastName"), QStringLiteral("Last name")),
                   ans(QStringLiteral("txtFirstName"), QStringLiteral("First name")),
                   ans(QStringLiteral("txtMI"), QStringLiteral("MI"))})
        .question(QStringLiteral("2.   What is your current address?"),
                  addressAnswers(QStringLiteral("txtStreetAddress"), QStringLiteral("txtCity"),
                                 QStringLiteral("txtState"), QStringLiteral("txtZipCode"),
                                 QStringLiteral("Street address")))
        .question(QStringLiteral("3.  How long have you lived at this address?"),
                  {ans(QStringLiteral("txtCurrAddressLen"), QStringLiteral("Years"))})
        .question(QStringLiteral("4.  Is your current residence owned by you  or your family?"),
                  {ans(QStringLiteral("optOwnRes"), QStringLiteral("Own residence?"))});

    // Page 1: mailing address, phones and who answers them, work.
    addText(QStringLiteral("txtMStreetAddress"), kStreetLength);
    addText(QStringLiteral("txtMCity"), kCityLength);
    addText(QStringLiteral("txtMState"), kStateLength);
    addText(QStringLiteral("txtMZipCode"), kZipLength);
    addText(QStringLiteral("txtPhone"), kPhoneLength);
    addText(QStringLiteral("txtPhoneAnswerer1"), kRelationLength);
    addText(QStringLiteral("txtAnswererRelation1"), kRelationLength);
    addText(QStringLiteral("txtPhoneAnswerer2"), kRelationLength);
    addText(QStringLiteral("txtAnswererRelation2"), kRelationLength);
    addText(QStringLiteral("txtOtherPhone"), kPhoneLength);
    addText(QStringLiteral("txtOtherAnswerer1"), kRelationLength);
    addText(QStringLiteral("txtOtherRelation1"), kRelationLength);
    addText(QStringLiteral("txtOtherAnswerer2"), kRelationLength);
    addText(QStringLiteral("txtOtherRelation2"), kRelationLength);
    addOption(QStringLiteral("optWorking"), noYes());

    const QString phoneCaption = QStringLiteral("Phone (###) ###-####");
    addPage(1)
        .question(QStringLiteral("5.     What is your best mailing address?"),
                  addressAnswers(QStringLiteral("txtMStreetAddress"), QStringLiteral("txtMCity"),
                                 QStringLiteral("txtMState"), QStringLiteral("txtMZipCode"),
                                 QStringLiteral("Street address")))
        .question(QStringLiteral("6a.  What is the best phone number to reach you?"),
                  {ans(QStringLiteral("txtPhone"), phoneCaption)})
        .question(QStringLiteral("6a1.  Who else might answer the phone?"),
                  {ans(QStringLiteral("txtPhoneAnswerer1"), QStringLiteral("Person #1")),
                   ans(QStringLiteral("txtAnswererRelation1"), QStringLiteral("Relation")),
                   ans(QStringLiteral("txtPhoneAnswerer2"), QStringLiteral("Person #2")),
                   ans(QStringLiteral("txtAnswererRelation2"), QStringLiteral("Relation"))})
        .question(QStringLiteral("6b.  Is there another number that you may be reached at?"),
                  {ans(QStringLiteral("txtOtherPhone"), phoneCaption)})
        .question(QStringLiteral("6b1.  Who else might answer the phone?"),
                  {ans(QStringLiteral("txtOtherAnswerer1"), QStringLiteral("Person #1")),
                   ans(QStringLiteral("txtOtherRelation1"), QStringLiteral("Relation")),
                   ans(QStringLiteral("txtOtherAnswerer2"), QStringLiteral("Person #2")),
                   ans(QStringLiteral("txtOtherRelation2"), QStringLiteral("Relation"))})
        .question(
            QStringLiteral("7.    Do you currently work or know where you plan to work in "
                           "        the near future?"),
            {ans(QStringLiteral("optWorking"), QStringLiteral("Working or planning to work?"))});

    // Page 2: the place of work (open only after "Yes" to question 7; the state box
    // starts open) and the first contact person.
    addText(QStringLiteral("txtWorkPlace"), kNameLength).enabled = false;
    addText(QStringLiteral("txtWorkPhone"), kPhoneLength).enabled = false;
    addText(QStringLiteral("txtWorkAddress"), kStreetLength).enabled = false;
    addText(QStringLiteral("txtWorkCity"), kCityLength).enabled = false;
    addText(QStringLiteral("txtWorkState"), kStateLength);
    addText(QStringLiteral("txtWorkZipCode"), kZipLength).enabled = false;

    // The two contact persons share one set of boxes and sub-labels.
    const auto contact = [&](const QString& c) {
        addText("txt" + c + "Firstname", kNameLength);
        addText("txt" + c + "MI", 1).optional = true;
        addText("txt" + c + "Lastname", kNameLength);
        addText("txt" + c + "Address", kStreetLength);
        addText("txt" + c + "City", kCityLength);
        addText("txt" + c + "State", kStateLength);
        addText("txt" + c + "ZipCode", kZipLength);
        addText("txt" + c + "Phone", kPhoneLength);
        addText("txt" + c + "Relationship", kRelationLength);
        QList<Answer> answers{ans("txt" + c + "Firstname", QStringLiteral("Firstname")),
                              ans("txt" + c + "MI", QStringLiteral("MI")),
                              ans("txt" + c + "Lastname", QStringLiteral("Lastname"))};
        answers += addressAnswers("txt" + c + "Address", "txt" + c + "City", "txt" + c + "State",
                                  "txt" + c + "ZipCode", QStringLiteral("Street address"));
        answers += {ans("txt" + c + "Phone", phoneCaption),
                    ans("txt" + c + "Relationship", QStringLiteral("Relationship"))};
        return answers;
    };

    addPage(2)
        .question(QStringLiteral("8.    What is the name of the place you work or plan to work?"),
                  {ans(QStringLiteral("txtWorkPlace"), QStringLiteral("Work place"))})
        .question(QStringLiteral("8a.  What is your work phone number?"),
                  {ans(QStringLiteral("txtWorkPhone"), QStringLiteral("Work phone"))})
        .question(QStringLiteral("9.    Work address"),
                  addressAnswers(QStringLiteral("txtWorkAddress"), QStringLiteral("txtWorkCity"),
                                 QStringLiteral("txtWorkState"), QStringLiteral("txtWorkZipCode"),
                                 QStringLiteral("Work street address")))
        .question(QStringLiteral("10.   Please tell me the name of your mother or grandmother or "
                                 "other               close relative  that usually knows where "
                                 "you are or that you                         maintain regular "
                                 "contact with:"),
                  contact(QStringLiteral("C1")));

    // Page 3: the second contact person, whom the client may not have; nor need
    // anyone else answer the phones.
    addPage(3).question(QStringLiteral("11.  Do you have any other relatives or friends who "
                                       "usually know                 how to reach you?"),
                        contact(QStringLiteral("C2")));
    markOptional({QStringLiteral("txtC2Firstname"), QStringLiteral("txtC2Lastname"),
                  QStringLiteral("txtC2Address"), QStringLiteral("txtC2City"),
                  QStringLiteral("txtC2State"), QStringLiteral("txtC2ZipCode"),
                  QStringLiteral("txtC2Phone"), QStringLiteral("txtC2Relationship"),
                  QStringLiteral("txtPhoneAnswerer2"), QStringLiteral("txtAnswererRelation2"),
                  QStringLiteral("txtOtherAnswerer2"), QStringLiteral("txtOtherRelation2")});

    // Page 4: the interviewer's comments.
    addMultiLine(QStringLiteral("txtLocationInformation")).optional = true;
    addPage(4).question(QStringLiteral("12.  Interviewer comments on client contact information:"),
                        {ans(QStringLiteral("txtLocationInformation"))});
}

// --- Reset ---

void LocatorSection::FillSiteList() {
    setItems(QStringLiteral("cboSite"), courtSiteNames(), courtSiteCodes());
}

void LocatorSection::resetAnswers() {
    // The start state already holds empty answers, normal backgrounds and the work
    // boxes closed as for a client who has not answered question 7; so a new or
    // opened client never inherits the last client's open or closed work boxes.
    FillSiteList();  // which also leaves no site chosen
}

}  // namespace yrn
