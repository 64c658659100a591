#include "sections/demographic/DemographicSection.h"

#include "sections/CommonAnswers.h"
#include "sections/Pages.h"
#include "sections/demographic/DemographicLists.h"

namespace yrn {

namespace {

const QStringList kMaleFemale{QStringLiteral("Male"), QStringLiteral("Female")};
const QStringList kOrigins{QStringLiteral("US"), QStringLiteral("Non-US born")};

}  // namespace

DemographicSection::DemographicSection(Interview& interview)
    : DeclaredSection(
          interview,
          SectionInfo{QStringLiteral("ctlDemographic"), QStringLiteral("Demographic"),
                      QStringLiteral("Demographic.YRN"),
                      QStringLiteral("Halverin Drug Court YRN -- Demographic Information "), 1,
                      QStringLiteral("NewYRN")}) {
    addNavigationPages(*this, {0, 1, 2, 3, 4}, QStringLiteral("cmdNextD"),
                       QStringLiteral("cmdBackD"), QStringLiteral("&Medical Information"));
    declarePage0();
    declarePage1();
    declarePage2();
    declarePage3();
    declarePage4();
    declareRules();
    declareFile();
    captureStartState();
}

QStringList DemographicSection::childRowFields(int row) {
    return {
        arr(QStringLiteral("optGender"), row),         arr(QStringLiteral("txtChildsDOBM"), row),
        arr(QStringLiteral("txtChildsDOBD"), row),     arr(QStringLiteral("txtChildsDOBY"), row),
        arr(QStringLiteral("cboCustody"), row),        arr(QStringLiteral("cboCustudyStatus"), row),
        arr(QStringLiteral("txtVisitationDays"), row), arr(QStringLiteral("cboChildSupport"), row)};
}

// --- Page 0: birth, identity, origin, race and language ---

void DemographicSection::declarePage0() {
    addText(QStringLiteral("txtBDateMonth"), 2);
    addText(QStringLiteral("txtBDateDay"), 2);
    addText(QStringLiteral("txtBDateYear"), 4);
    addText(QStringLiteral("txtSSN"), 11);
    addOption(QStringLiteral("optSex"), kMaleFemale);
    addOption(QStringLiteral("optOrigin"), kOrigins);
    addText(QStringLiteral("txtYearsUS"), 2).enabled = false;
    addOption(QStringLiteral("optMothersOrig"), kOrigins);
    addOption(QStringLiteral("optFathersOrig"), kOrigins);
    addOption(QStringLiteral("optEthnicity"), noYes());
    addList(QStringLiteral("cboRace"), demographic::raceItems(), demographic::raceCodes());
    addList(QStringLiteral("cboLanguage"), demographic::languageItems());

    addPage(0)
        .heading(QStringLiteral("Demographic Information"))
        .question(QStringLiteral("1.  What is your birth date?"),
                  {{QStringLiteral("txtBDateMonth"), {}},
                   {QStringLiteral("txtBDateDay"), {}},
                   {QStringLiteral("txtBDateYear"), {}}},
                  QStringLiteral("MM        DD         YYYY"))
        .question(QStringLiteral("2.  What is your Social Security Number?  "),
                  {{QStringLiteral("txtSSN"), QStringLiteral("SSN         ###-##-####")}})
        .question(QStringLiteral("3.  What is the client's gender?"),
                  {{QStringLiteral("optSex"), QStringLiteral("Gender")}})
        .question(QStringLiteral("4.  In what country were you born?"),
                  {{QStringLiteral("optOrigin"), QStringLiteral("Origin")}})
        .question(QStringLiteral("4a.  How many years have you lived in the U.S.?"),
                  {{QStringLiteral("txtYearsUS"), QStringLiteral("Years living in the U.S.")}})
        .question(QStringLiteral("5.  What country was your mother born?"),
                  {{QStringLiteral("optMothersOrig"), QStringLiteral("Mother's origin")}})
        .question(QStringLiteral("6.  What country was your father born?"),
                  {{QStringLiteral("optFathersOrig"), QStringLiteral("Father's origin")}})
        .question(QStringLiteral("7.  Are you Hispanic or Latino?"),
                  {{QStringLiteral("optEthnicity"), QStringLiteral("Ethnicity?")}})
        .question(QStringLiteral("8.  What race do you consider yourself to be?"),
                  {{QStringLiteral("cboRace"), QStringLiteral("Race")}})
        .question(QStringLiteral("9.  What language do you usually speak?"),
                  {{QStringLiteral("cboLanguage"), QStringLiteral("Language client speaks")}});
}

// --- Page 1: religion, controlled environments, pregnancies ---

void DemographicSection::declarePage1() {
    addList(QStringLiteral("cboReligion"), demographic::religionItems());
    addOption(QStringLiteral("optContEnv"), noYes());
    addOption(QStringLiteral("optJail"), noYes());
    addText(QStringLiteral("txtJailDays"), 2);
    addOption(QStringLiteral("optAlc"), noYes());
    addText(QStringLiteral("txtAlcDrugDays"), 2);
    addOption(QStringLiteral("optMed"), noYes());
    addText(QStringLiteral("txtMedicalDays"), 2);
    addOption(QStringLiteral("optPsy"), noYes());
    addText(QStringLiteral("txtPsychiatricDays"), 2);
    addOption(QStringLiteral("optOther"), noYes());
    addText(QStringLiteral("txtOther"), 30).optional = true;
    addText(QStringLiteral("txtOtherDays"), 2);
    addFrame(QStringLiteral("fmeControlledEnv"),
             {QStringLiteral("optJail"), QStringLiteral("txtJailDays"), QStringLiteral("optAlc"),
              QStringLiteral("txtAlcDrugDays"), QStringLiteral("optMed"),
              QStringLiteral("txtMedicalDays"), QStringLiteral("optPsy"),
              QStringLiteral("txtPsychiatricDays"), QStringLiteral("optOther"),
              QStringLiteral("txtOther"), QStringLiteral("txtOtherDays")},
             false);
    // Question 12 is worded for the client's gender once question 3 is answered.
    addLabel(QStringLiteral("lblQuestion11"),
             QStringLiteral("You must go back and select client's sex before answering question "
                            "12."));
    addLabel(QStringLiteral("lblQ11Caption"), QString());
    addText(QStringLiteral("txtPregnancies"), 2).enabled = false;
    addText(QStringLiteral("txtLiveBirths"), 2).enabled = false;

    // The "Other" row names the place in a box between its option and its days.
    const auto row = [](const QString& label, const QString& option, const QString& place,
                        const QString& days) {
        return TableRow{label, {}, {option, place, days}};
    };
    addPage(1)
        .question(QStringLiteral("10.    Do you have a particular religion that you follow?"),
                  {{QStringLiteral("cboReligion"), QStringLiteral("Religion")}})
        .question(QStringLiteral("11.   Have you been in a controlled environment in the past 30 "
                                 "days         like a hospital or jail (not a shelter)?"),
                  {{QStringLiteral("optContEnv"), QStringLiteral("Controlled environment")}})
        .frame(QStringLiteral("fmeControlledEnv"), QStringLiteral("Controlled Environments"))
        .table({}, {QStringLiteral("Spent time?"), {}, QStringLiteral("Days in 30")},
               {row(QStringLiteral("Jail"), QStringLiteral("optJail"), {},
                    QStringLiteral("txtJailDays")),
                row(QStringLiteral("Alcohol or Drug Treatment"), QStringLiteral("optAlc"), {},
                    QStringLiteral("txtAlcDrugDays")),
                row(QStringLiteral("Medical Treatment"), QStringLiteral("optMed"), {},
                    QStringLiteral("txtMedicalDays")),
                row(QStringLiteral("Psychiatric Treatment"), QStringLiteral("optPsy"), {},
                    QStringLiteral("txtPsychiatricDays")),
                row(QStringLiteral("Other(specify)"), QStringLiteral("optOther"),
                    QStringLiteral("txtOther"), QStringLiteral("txtOtherDays"))})
        .endFrame()
        .boundQuestion(QStringLiteral("lblQuestion11"),
                       {{QStringLiteral("txtPregnancies"), {}, QStringLiteral("lblQ11Caption")}})
        .question(QStringLiteral("13.  How many of these pregnancies resulted in a live birth?"),
                  {{QStringLiteral("txtLiveBirths"), QStringLiteral("Live births")}});
}

// --- Page 2: the children ---

void DemographicSection::declarePage2() {
    addText(QStringLiteral("txtFirstBaby"), 2);
    addText(QStringLiteral("txtChildren"), 2);

    QStringList members;
    QList<TableRow> rows;
    for (int i = 0; i < kChildRows; ++i) {
        addOption(arr(QStringLiteral("optGender"), i), kMaleFemale);
        addText(arr(QStringLiteral("txtChildsDOBM"), i), 2).enabled = false;
        addText(arr(QStringLiteral("txtChildsDOBD"), i), 2).enabled = false;
        addText(arr(QStringLiteral("txtChildsDOBY"), i), 4).enabled = false;
        addList(arr(QStringLiteral("cboCustody"), i), demographic::custodyItems()).enabled = false;
        addList(arr(QStringLiteral("cboCustudyStatus"), i), demographic::custodyStatusItems())
            .enabled = false;
        addText(arr(QStringLiteral("txtVisitationDays"), i), 2).enabled = false;
        addList(arr(QStringLiteral("cboChildSupport"), i), demographic::childSupportItems())
            .enabled = false;
        const QStringList cells = childRowFields(i);
        members += cells;
        rows.append(TableRow{{}, {}, cells});
    }
    addFrame(QStringLiteral("fmeChildren"), members, false);

    // The birth date heading spans the three date columns.
    addPage(2)
        .question(QStringLiteral("14.  How old were you when the first baby was born?"),
                  {{QStringLiteral("txtFirstBaby"), QStringLiteral("Years old")}})
        .question(QStringLiteral("15.  How many children do you have?"),
                  {{QStringLiteral("txtChildren"), QStringLiteral("Children")}})
        .frame(QStringLiteral("fmeChildren"))
        .question(
            QStringLiteral("16.  Starting with the youngest child, please answer the following:"))
        .table({},
               {QStringLiteral("Childs Gender"),
                QStringLiteral("           Childs DOB             MM     DD      YYYY          "
                               "                                     "),
                {},
                {},
                QStringLiteral("Who does child live with?"),
                QStringLiteral("Legal Custody Status?"),
                QStringLiteral("Visits W / Client     #Days/Month     "),
                QStringLiteral("Does Client Pay Child Support?")},
               rows)
        .endFrame();
}

// --- Page 3: child support and the other children ---

void DemographicSection::declarePage3() {
    addText(QStringLiteral("txtChildSupportOrdered"));
    addText(QStringLiteral("txtChildSupportActual"));
    addOption(QStringLiteral("optOtherChildren"), noYes());

    QStringList members;
    QList<TableRow> rows;
    for (int d = 1; d <= 3; ++d) {
        const QString n = QString::number(d);
        const QStringList cells{"chkD" + n, "optD" + n + "Gender", "txtD" + n + "DOBM",
                                "txtD" + n + "DOBD", "txtD" + n + "DOBY"};
        // A row opens when its check box is ticked and closes when it is cleared, so
        // an unticked row starts closed too; a saved client then reads back with
        // the rows open and closed as they were.
        addCheck(cells.at(0));
        addOption(cells.at(1), kMaleFemale).enabled = false;
        addText(cells.at(2)).enabled = false;
        addText(cells.at(3)).enabled = false;
        addText(cells.at(4)).enabled = false;
        members += cells;
        rows.append(TableRow{"Dependent" + n, {}, cells});
    }
    addFrame(QStringLiteral("fmeOtherChildren"), members, false);

    // The emphasised middle words of questions 17 and 18 are their own labels on
    // screen; here they are joined into one sentence.
    const QString perMonth = QStringLiteral("per month?                                       $");
    addPage(3)
        .question(
            QStringLiteral("17.  How much child support are you ") +
                QStringLiteral("ordered to pay") + ' ' + perMonth,
            {{QStringLiteral("txtChildSupportOrdered"), QStringLiteral("Child support / month")}})
        .question(
            QStringLiteral("18.  How much child support are you ") +
                QStringLiteral("actually paying") + ' ' + perMonth,
            {{QStringLiteral("txtChildSupportActual"), QStringLiteral("Child support / month")}})
        .question(
            QStringLiteral("19.  Are there other children living with you now that you take care "
                           "of?"),
            {{QStringLiteral("optOtherChildren"), QStringLiteral("Other children?")}})
        .frame(QStringLiteral("fmeOtherChildren"))
        .table({}, {{}, QStringLiteral("Gender"), QStringLiteral("DOB MM/DD/YYYY"), {}, {}}, rows)
        .endFrame();
}

// --- Page 4: comments ---

void DemographicSection::declarePage4() {
    addMultiLine(QStringLiteral("txtDemographicInformation")).optional = true;
    addPage(4).question(
        QStringLiteral("20.  Interviewer comments on client demographic and child(ren) "
                       "information:"),
        {{QStringLiteral("txtDemographicInformation"), {}}});
}

// --- Lists ---

void DemographicSection::ClearLists() {
    const QStringList single{QStringLiteral("cboRace"), QStringLiteral("cboLanguage"),
                             QStringLiteral("cboReligion")};
    for (const QString& id : single)
        setItems(id, {});
    for (int i = 0; i < kChildRows; ++i) {
        setItems(arr(QStringLiteral("cboCustody"), i), {});
        setItems(arr(QStringLiteral("cboCustudyStatus"), i), {});
        setItems(arr(QStringLiteral("cboChildSupport"), i), {});
    }
}

void DemographicSection::FillLists() {
    setItems(QStringLiteral("cboRace"), demographic::raceItems(), demographic::raceCodes());
    setItems(QStringLiteral("cboLanguage"), demographic::languageItems());
    setItems(QStringLiteral("cboReligion"), demographic::religionItems());
    for (int i = 0; i < kChildRows; ++i) {
        setItems(arr(QStringLiteral("cboCustody"), i), demographic::custodyItems());
        setItems(arr(QStringLiteral("cboCustudyStatus"), i), demographic::custodyStatusItems());
        setItems(arr(QStringLiteral("cboChildSupport"), i), demographic::childSupportItems());
    }
}

}  // namespace yrn
