// The client report: what each section's answers read as (one table per section),
// and a client who answered every question, held to the template's markers.
#include <QRegularExpression>

#include "report/Phrases.h"
#include "sections/ClientFixture.h"
#include "sections/medical/MedicalSection.h"
#include "support/ProgramFolder.h"
#include "support/ReportMarkers.h"

namespace yrn::test {
namespace {

// One row of a table: answers given to a new client (steps as answer() takes them),
// the fields read, what they read. Fields: "A|B" gives the values ("<no call>" where
// the field is not filled), "A#" how often A is filled, "*" the fields filled, in order.
struct Row {
    QString answers, fields, expected;
};

QString read(const RecordingReport& r, const QString& fields) {
    if (fields == "*") return r.fields().join(' ');
    QStringList out;
    for (const QString& f : fields.split('|'))
        out << (f.endsWith('#') ? QString::number(r.all(f.chopped(1)).size()) : r.value(f));
    return out.join('|');
}

// What a new client's pane reports after the answers; a box shown fails the test.
RecordingReport reportOf(const QString& module, const QString& answers) {
    RecordingPrompts prompts;
    const auto interview = makeInterview(prompts);
    Section& pane = *interview->section(module);
    answer(*interview, pane, answers);
    RecordingReport report;
    pane.ClientReport(report);
    EXPECT_TRUE(prompts.boxes.isEmpty()) << qPrintable(answers + ": " + lastBox(prompts));
    return report;
}

void expectRows(const QString& module, const QString& base, const QList<Row>& rows) {
    for (qsizetype i = 0; i < rows.size(); ++i)
        EXPECT_EQ(read(reportOf(module, base + ';' + rows[i].answers), rows[i].fields),
                  rows[i].expected)
            << qPrintable(module + " row " + QString::number(i) + ": " + rows[i].answers);
}

TEST(ClientReport, Locator) {
    const QString people = "Name1|P1Relationship1|Name2|P1Relationship2";
    expectRows(
        "ctlLocatorInformation", "",
        {// Nothing answered: the markers stay, but for the telephones, the people who
         // may answer them and the second contact, whom the client may not have.
         {"", "*",
          "Phone1 Phone2 Name1 P1Relationship1 Name2 P1Relationship2 Name3 P2Relationship1 Name4 "
          "P2Relationship2 Add2Name Add2Address1 Add2Address2 Add2Phone Add2Relationship "
          "LocatorComments"},
         {"", "Add2Address1|Add2Address2|Phone1|Phone2", "N/A||gave no telephone number|"},
         {"optOwnRes=0", "IsOrIsNot", "is not"},
         {"txtC1City:=Akron; txtC1ZipCode:=44301", "AddAddress1|AddAddress2",
          "<no call>|Akron,  44301"},
         {"txtC2Firstname:=Ann; txtC2MI:=j; txtC2Lastname:=Smith; txtC2Address:=1 Main St",
          "Add2Name|Add2Address1|Add2Address2", "Ann j. Smith|1 Main St|"},
         {"txtPhone:=1; txtOtherPhone:=2", "Phone1|Phone2",
          "could be reached by telephone at 1| or at 2"},
         {"txtPhone:= ; txtOtherPhone:=2", "Phone1|Phone2", "could be reached by telephone at |2"},
         {"txtPhoneAnswerer1:=Rosa; txtAnswererRelation1:=mother", people, "Rosa| (mother)||"},
         {"txtPhoneAnswerer1:=Rosa; txtPhoneAnswerer2:=Luis", people, "Rosa|| or Luis|"},
         {"txtPhoneAnswerer2:=Luis; txtAnswererRelation2:=brother", people, "||Luis| (brother)"},
         {"txtAnswererRelation1:=aunt; txtPhoneAnswerer2:= ; txtAnswererRelation2:=friend", people,
          "no one named|||"}});
}

TEST(ClientReport, Demographic) {
    const auto age = [](const QString& birth, const QString& assessed) {
        const QStringList b = birth.split('/'), a = assessed.split('/');
        return QString(
                   "txtBDateMonth:=%1; txtBDateDay:=%2; txtBDateYear:=%3; "
                   "L.txtAssessmentDate1:=%4; "
                   "L.txtAssessmentDate2:=%5; L.txtAssessmentDate3:=%6")
            .arg(b[0], b[1], b[2], a[0], a[1], a[2]);
    };
    const QString jane =
        "\r\n\r\nAt this time Jane is ordered to pay $300 in child support per "
        "month and currently is paying $150 per month of this total.\r\n";
    QList<Row> rows{
        // Nothing answered: the chart, the notes and the explanation are emptied.
        {"", "*",
         "ChildChartTop ChildChart DaysSpent ChildSupportSentence SpecificCE CE Explanation "
         "DemographicComments"},
        {"", "ChildChartTop|ChildChart|DaysSpent|ChildSupportSentence|SpecificCE|CE|Explanation",
         "|||\r\n|||"},
        {"optContEnv=0; optOrigin=0; optSex=0; cboLanguage=6; cboReligion=4; optOtherChildren=0",
         "HasHasNotCE|BornIn|Gender|Language|Religion|CE|OtherChildren",
         "has not|born in U.S.|male|an unspecified language|an unspecified||"},
        {"cboLanguage=7; cboReligion=5", "Language|Religion", "an unknown language|no"},
        // "Yes" with no row answered leaves the list's marker; days typed without a
        // button answer their row; rows answered "No" only give an empty list.
        {"optContEnv=1", "CE", "<no call>"},
        {"optContEnv=1; txtMedicalDays=3", "CE", DaysLine("Medical Treatment", "3") + "\r\n"},
        {"optContEnv=1; optJail=0; optAlc=0; optMed=0; optPsy=0; optOther=0", "CE", ""},
        // Children are counted by value.
        {"txtChildren=00",
         "NumberOfChildren|ChildChartTop|ChildChart|DaysSpent|ChildSupportSentence",
         "0 children||||\r\n"},
        {"txtChildren=01; cboChildSupport(0)=0; L.txtFirstName:=Jane; txtChildSupportOrdered=300; "
         "txtChildSupportActual=150",
         "NumberOfChildren|ChildChart#|ChildSupportSentence", "one child|1|" + jane},
        {"txtChildren=10; cboChildSupport(0)=3",
         "NumberOfChildren|ChildChart#|ChildSupportSentence", "10 children|10|\r\n"},
        // Completed years on the assessment date; no date, no age.
        {age("12/31/1970", "01/01/2001"), "Age", "30"},
        {age("01/01/1970", "01/01/2001"), "Age", "31"},
        {age("01/02/2001", "01/01/2001"), "Age", "0"},
        {age("02/29/2000", "02/28/2005"), "Age", "4"},
        {age("02/30/1970", "01/01/2001"), "Age", "<no call>"},
        {age("12/31/1970", "//"), "Age", "<no call>"}};
    // The race's word is looked up by the list's code, first and last alike.
    rows << Row{"cboRace=0", "Race", "African American"} << Row{"cboRace=8", "Race", "multiracial"};
    expectRows("ctlDemographic", "", rows);
    // The pronouns of the gender, none before it is chosen.
    RecordingPrompts prompts;
    const auto interview = makeInterview(prompts);
    const Pronouns& p = interview->pronouns();
    QStringList pronouns;
    for (const int sex : {-1, 0, 1}) {
        if (sex >= 0) interview->section("ctlDemographic")->choose("optSex", sex);
        pronouns << p.himherself() + p.hisher() + p.HisHerC() + p.himher() + p.heshe() + p.HeSheC();
    }
    EXPECT_EQ(pronouns.join(' '), " himselfhisHishimheHe herselfherHerhersheShe");
}

TEST(ClientReport, CriminalJustice) {
    expectRows(
        "ctlCriminalJustice", "",
        {// The counts start at "0": no charges; every count box emptied is no answer.
         {"", "*", "Charges CriminalComments"},
         {"", "Charges", "no charges"},
         {"txtCharges(*):=", "Charges", "<no call>"},
         // "Never been incarcerated" states that nothing follows it.
         {"cboIncarceration=0", "NeverInc|LenIncarMonths|LenLastIncar|LastCrimes", "never|||"},
         {"cboIncarceration=1; optReasonIncar(*)=", "NeverInc|LastCrimes", "|<no call>"},
         {"cboLastIncarceration=0", "LenLastIncar", "last incarceration was for less than 1 month"},
         // A count that is 0 by value is no charge; one that is listed reads as typed.
         {"txtCharges(0)=01", "Charges", "shoplifting 01 time"},
         {"txtCharges(0)=000; txtCharges(5)=00; txtCharges(7)=007; txtCharges(18)=3; "
          "txtOther=trespassing",
          "Charges", "assault or domestic violence 007 times;  trespassing 3 times"},
         // An "Other" count without its crime keeps the semicolon alone in the list.
         {"txtCharges(18)=2", "Charges", "2 times;"},
         {"txtCharges(18)=2; txtCharges(1)=4", "Charges", "vandalism 4 times;   2 times"},
         {"cboIncarceration=1; optReasonIncar(1)=1; optReasonIncar(5)=1; optReasonIncar(18)=1",
          "LastCrimes", "vandalism ; DWI ;  "},
         {"cboIncarceration=1; optReasonIncar(*)=0", "LastCrimes", ""},
         // Question 8 "Yes" lists the charges awaited once a row is answered.
         {"optPresAwCharges=1", "CurrCharge", "<no call>"},
         {"optPresAwCharges=1; optAwaitCharges(0)=0", "CurrCharge", ""},
         {"optPresAwCharges=1; optAwaitCharges(11)=1", "CurrCharge", "burglary, larceny, or BE "},
         {"optPresAwCharges=0", "CurrCharge", "no criminal activities"},
         {"D.txtJailDays:=01; txtIllegalActivities=0", "JailDays|IllegalDays", "one day|0 days"},
         // No controlled environment empties the jail days: none.
         {"D.optContEnv=0", "JailDays", "0 days"},
         {"D.optContEnv=1", "JailDays", "<no call>"},
         {"D.optContEnv=1; D.optJail=0", "JailDays", "0 days"},
         {"optProb=1; cboLegalProblems=4; cboCounselingImportance=0; cboNeedLegalTreatment=9",
          "IsIsNotProb|CriminalTroubled|CriminalNecessary|IRLegal",
          "is|extremely|not at all|Extreme problem"}});
}

TEST(ClientReport, Drugs) {
    const auto use = [](int row, const QString& age, const QString& days, const QString& years) {
        return QString(
                   "optEverUse(%1)=1; txtAge1stUse(%1):=%2; txtDaysUsedLast30(%1):=%3; "
                   "txtYearsUsedLife(%1):=%4;")
            .arg(row)
            .arg(age, days, years);
    };
    expectRows(
        "ctlDrugs", "L.txtFirstName:=Jane; D.optSex=0",
        {// Nothing answered: no count, amount or rating is stated; the comments stand.
         {"", "*", "DrugComments DAComments"},
         {"optEverUse(2)=0", "DrugChart", ""},
         // Rows answered "No" or not at all stay out.
         {"optEverUse(0)=0;" + use(1, "13", "30", "10") + use(4, "16", "05", "12") +
              use(11, "18", "02", "100") + use(5, "17", "", ""),
          "DrugChart",
          "Marijuana                  13      30         10\r\n"
          "Amphetamine                16      05         12\r\n"
          "Barbiturates               17                 \r\n"
          "Multi-substance            18      02         100\r\n"},
         {use(0, "14", "", "") + use(11, "16", "", "") +
              "txtDrugComments(0):=drinks beer daily; txtDrugComments(11):=ok",
          "DrugComments", "Alcohol: \r\n\tDrinks beer daily\r\n\r\nMulti-substance: \r\n\tok"},
         {use(0, "14", "", "") + use(3, "18", "", ""), "DrugComments",
          "Alcohol: \r\n\t\r\n\r\nCrack cocaine: \r\n\t\r\n\r\n"},
         {"D.optSex=1; cboMajorSubstance=13", "MajorProblem|AbstinenceSentence",
          "no problem|She has had no periods of abstinence from this substance"},
         {"D.optSex=1; cboMajorSubstance=11; txtMonthsAbstinence:=01; txtEndAbstinence:=12",
          "MajorProblem|AbstinenceSentence",
          "alcohol & drug (dual addiction)|Her longest period of abstinence was for one month "
          "which occured 12 months ago"},
         {"cboMajorSubstance=11; txtEndAbstinence:=1", "AbstinenceSentence",
          "His longest period of abstinence was for  months which occured one month ago"},
         {"optAlcTreat=0; optDrugTreat=0",
          "AlcoholAbuseSentence1#|AlcoholAbuseSentence2|DrugAbuseSentence1|DrugAbuseSentence2",
          "1||Jane has never been treated for drug abuse in his lifetime.|"},
         // Days a "No" before them closes are none; open and empty they are not answered.
         {"optAlcTreat=0; optAAL=1", "NumOutpatient30|AADays", "<no call>|<no call>"},
         {"optAlcTreat=0; optDrugTreat=0; optAAL=1; optAAPY=0", "NumOutpatient30|AADays",
          "0 days|0 days"},
         {"optDrugTreat=1; optAAL=1; optAAPY=1; txtOutpatientSettingPast30:=0; "
          "txtAANAMeetings30:=00",
          "NumOutpatient30|AADays", "0 days|00 days"},
         {"optAlcTreat=1; txtOutpatientSettingPast30:=01; txtNumDTs:=1; txtNumODs:=01; "
          "txtDrugProblemsDays:=1; txtAlcProblemsDays:=00; optAAL=1; txtAANAMeetings30:=12; "
          "cboAlcTroubled=2; cboDrugImportance=4; cboNeedAlcTreatment=4; cboNeedDrugTreatment=0",
          "NumOutpatient30|NumberDTs|NumberOD|DrugProblemsDays|AlcProblemsDays|hashasnotAAL|"
          "hashasnotAAY|AADays|AlcTroubled|DrugsNecessary|IRAlcohol|IRDrugs",
          "one day|one D.T.|one O.D.|one day|00 days|has|<no call>|12 days|moderately|extremely|"
          "Moderate problem|No real problem"},
         {"optAAL=1; optAAPY=1", "hashasnotAAY", "has"},
         {"optAAL=1; optAAPY=0", "hashasnotAAY", "has not"},
         // Never at a meeting says none in the past year, which is then not asked.
         {"optAAL=0", "hashasnotAAL|hashasnotAAY|AADays", "has not|has not|0 days"}});
}

TEST(ClientReport, Employment) {
    expectRows(
        "ctlEmployment", "L.txtFirstName:=Jane; D.optSex=0",
        {// Nothing answered: no count, amount, list or "none" is stated.
         {"", "*", "EmploymentComments"},
         {"optDrLic=1", "DLN", "<no call>"},
         {"optDrLic=0; txtDriversLicenseNumber:=S1", "DLN", "S1"},
         {"optProfession=0; optDrLic=0; txtNoDriversLicenseReason=suspended; optAuto=0; "
          "optContributor=0",
          "ProfessionalSkill|DoesDoesNotDL|DriversLicenseReason|DoesDoesNotAuto|"
          "ContributorSentence|DLN",
          "has no professional skills|does not have| due to the following reasons:  "
          "suspended|does not|There is no one currently contributing to Jane's support|N/A"},
         // Never had a job wins over question 6; question 6 unanswered says nothing.
         {"optCurrEmp=0; cboJobtype=14", "JobSentence1|JobSentence2",
          "Jane has never been employed in his lifetime.|"},
         {"optCurrEmp=0; cboJobtype=2; txtStartJobM=3; txtStartJobY=1999; txtLeaveJobM=10; "
          "txtLeaveJobY=2000; cboReasonLeft=1",
          "JobSentence2",
          "He started that job in 03/1999 and ended this job in 10/2000 because: Laid off."},
         {"optCurrEmp=1; cboJobtype=6; txtStartJobM=12; txtStartJobY=2010", "JobSentence2",
          "He started this job in 12/2010 and is still working there."},
         {"cboJobtype=0", "JobSentence1|JobSentence2|IsIsNotCE", "<no call>|<no call>|<no call>"},
         // No source answered: neither the net income nor "no income"; a source of 0
         // however typed is no income; every other amount is listed as typed.
         {"txtMoneySources(3)=0", "NetIncome|MoneySources", "<no call>|*No extra income received*"},
         {"txtMoneySources(*)=00", "NetIncome|MoneySources", "00|*No extra income received*"},
         {"txtMoneySources(1)=050; txtMoneySources(6)=00; txtMoneySources(7)=7.50",
          "NetIncome|MoneySources",
          "<no call>|" + MoneyLine("Unemployment compensation", "050") +
              MoneyLine("Illegal activities", "7.50")},
         {"optMoneyOwed(2)=0", "AmountOwed", "*Client currently has no debts*"},
         {"optMoneyOwed(0)=1; cboAmountOwed(0)=8; optMoneyOwed(1)=0; optMoneyOwed(3)=1; "
          "optMoneyOwed(4)=1; cboAmountOwed(4)=0; txtOtherDebt:=credit card",
          "AmountOwed",
          ComboLine("Child support", "$30,001 or above") + ComboLine("Legal fees", "") +
              ComboLine("Other debts", "Less than $500")},
         {"optContributor=1", "ContributorSentence", "<no call>"},
         {"optContributor=1; cboGreatestContributor=0; optMajSupp=1", "ContributorSentence",
          "Spouse/partner contributes to Jane's support which  constitutes the majority of his "
          "support"},
         {"cboInterviewerRatingE=2; cboEmploymentTroubleE=4; cboEmploymentPattern=1",
          "IREmployment|EResponse|EmploymentPattern", "Slight problem|extremely|Part -Time"}});
}

TEST(ClientReport, FamilySocial) {
    QString emptyRows;
    for (const char* label : {"Grandfather", "Mother", "Aunt", "Uncle"})
        emptyRows += FamilyTableLine(label, "", "", "");
    expectRows(
        "ctlFamilySocialHistory", "",
        {// The psychiatric "No relative" spreads, so it is chosen first.
         {FamilySocialSection::cell(2, 0) + "=3;" + FamilySocialSection::cell(0, 0) + "=1;" +
              FamilySocialSection::cell(1, 0) + "=",
          "MothersSide", FamilyTableLine("Grandmother", "Yes", "", "No relative") + emptyRows},
         {"", "*", "MothersSide FathersSide Siblings FSComments"},
         {"optLASatisified=0; optLivDA=1; optHomeless=0; optMSSatisfied=0; cboMaritalStatus=5",
          "LivingHappiness|DoesDoesNotLDA|WasWasNotHomeless|WhereHomeless|IsIsNotMS|"
          "CurrMaritalStatus",
          "unsatisfied|does|was not||is not|never married"},
         {"optLASatisified=1; optLivDA=0; optMSSatisfied=1",
          "LivingHappiness|DoesDoesNotLDA|IsIsNotMS", "satisfied|does not|is"},
         {"optAbuse(0)=1; optAbuse(1)=0; optAbuse(2)=0; optAbuse(3)=1", "BotheredBy",
          "emotional abuse; sexual harassment"},
         {"optAbuse(*)=1", "BotheredBy",
          "emotional abuse; physical abuse; sexual abuse; sexual harassment"},
         {"optAbuse(1)=0", "BotheredBy", "no problems"},
         {"optHomeless=1", "WasWasNotHomeless|WhereHomeless",
          "was| and that  stayed in  during the homeless period"}});
}

// The kinds of insurance answered "Yes" (a bit per row of question 12).
QString insurance(const QString& months, int rows, const QString& other = "county plan") {
    QString answers = "txtInsurance=" + months + "; txtOtherHI:=" + other + ';';
    for (int i = 0; i < MedicalSection::kInsuranceRows; ++i)
        answers += QString("optHealthInsurance(%1)=%2;").arg(i).arg((rows >> i) & 1);
    return answers;
}

TEST(ClientReport, Medical) {
    const int employer = 1, priv = 2, medicaid = 4, medicare = 8, va = 16, other = 32;
    expectRows(
        "ctlMedical", "L.txtFirstName:=Jane; D.optSex=1",
        {{"", "*", "MedicalComments"},
         {"optPension=1", "PDisabilities", "<no call>"},
         // Every "No"; one disease answered "No" is enough to have had none.
         {"optChrMedProb=0; optFit=0; optPresMed=0; optPension=0; optSmokes=0; optSleepLate=0; "
          "optHealthProb(7)=0; txtInsurance=1; txtExperienceProblems=1",
          "CHealthProblems|HasHasNotSTD|DoesDoesNotCHP|HasHasNotSeizure|Receiving|IsIsNotPM|"
          "TypesMedicine|SmokingSentence|SleepsLateSentence|PDisabilities|MonthsInsured|"
          "IPrograms|MProblemsDays",
          "|has not|does not|has not|is not receiving|is not||does not smoke cigarettes|Jane does "
          "not sleep past 11am on most days.||one month|<no call>|one day"},
         {"optSleepLate=1; optHealthProb(0)=1", "SleepsLateSentence|HasHasNotSTD", "<no call>|has"},
         {"optSleepLate=1; optBecauseWork=0", "SleepsLateSentence",
          "Jane sleeps past 11am on most days, this is not due to working hours"},
         {"txtInsurance=01; txtExperienceProblems=01", "MonthsInsured|MProblemsDays",
          "01 months|01 days"},
         // Every 0 is no hospitalization; no count or no time of the last one: no call.
         {"txtHospitalized:=00; cboLastHospitalized=1", "Hospitalization|RecentHosp",
          "Jane has not been hospitalized in her life.|"},
         {"txtHospitalized:=2", "Hospitalization|RecentHosp",
          "Jane has been hospitalized 2 times in her life.|<no call>"},
         {"txtHospitalized:=1; cboLastHospitalized=1", "RecentHosp",
          "  The most recent of these hospitalizations occurred 6-12 months ago."},
         // The kinds are joined and never end in a separator.
         {insurance("5", employer | medicaid), "IPrograms",
          "employer provided health insurance, and Medicaid"},
         {insurance("5", priv | medicare | other), "IPrograms",
          "private health insurance, Medicare, county plan"},
         {insurance("5", employer | priv | va), "IPrograms",
          "employer provided health insurance, and private health insurance, VA/Champus"},
         // No month however typed is none; unanswered months leave the kinds standing.
         {insurance("00", employer | medicaid), "IPrograms", "no insurance programs"},
         {insurance("", employer | medicaid), "IPrograms",
          "employer provided health insurance, and Medicaid"},
         {insurance("", 0), "IPrograms", "no insurance programs"}});
    for (const QString& specified : {QString("county plan"), QString()}) {
        for (int rows = 0; rows < 64; ++rows) {
            const QString phrase =
                reportOf("ctlMedical", insurance("7", rows, specified)).value("IPrograms");
            EXPECT_FALSE(phrase.endsWith(", ") || phrase.endsWith(", and") ||
                         phrase.startsWith(", "))
                << rows << ": " << phrase.toStdString();
            EXPECT_EQ(phrase.isEmpty(), rows == 0 || (rows == other && specified.isEmpty()))
                << rows;
        }
    }
}

TEST(ClientReport, MentalHealth) {
    // Rows of one column of question 6 (from its first group) answered "Yes", the others "No".
    const auto symptoms = [](int first, QList<int> yes) {
        QString answers;
        for (int row = 0; row < 8; ++row)
            answers += QString("optSymptoms(%1)=%2;").arg(first + row).arg(int(yes.contains(row)));
        return answers;
    };
    const auto bothered = [](QList<int> degrees) {
        QString answers;
        for (int row = 0; row < 4; ++row)
            answers += QString("cboPastExperiences(%1)=%2;").arg(row).arg(degrees.at(row));
        return answers;
    };
    expectRows(
        "ctlMentalHealth", "L.txtFirstName:=Jane",
        {// Questions not answered keep their markers; an observation not answered "No" is
         // marked.
         {"", "*", "MentalComments W0 W1 W2 W3 W4 W5 D0 D1 FinalComments"},
         {"", "W0|W5|D0|D1", "*Was|*Was|*I do believe|*I do believe"},
         {"optIntRatings(0)=0; optIntRatings(1)=1; optIntRatings(6)=0; optIntRatings(7)=1",
          "W0|W1|D0|D1", "Was not|*Was|I do not believe|*I do believe"},
         // Each label loses its last character (the eating disorders row its last letter).
         {symptoms(8, {0, 6}), "ExperiencedProblems",
          "experienced serious depression; attempted suicide"},
         {symptoms(0, {3, 4, 7}), "PEProblems",
          "experienced trouble understanding, concentrating, or remembering; experienced "
          "troubled controlling violent behavior; experienced anorexia, bulimia, or other "
          "eating disorder"},
         {symptoms(0, {}), "PEProblems|ExperiencedProblems", "no problems|<no call>"},
         // Only what bothers "A little" is listed (the rape row's label keeps its blank).
         {bothered({3, 1, 2, 0}), "BotheredBy30", "physical abuse"},
         {bothered({0, 0, 0, 0}), "BotheredBy30", ""},
         {bothered({1, 1, 1, 1}), "BotheredBy30",
          "emotional abuse; physical abuse; sexual abuse or rape ; sexual harassment"},
         {bothered({-1, 3, -1, -1}), "BotheredBy30|ExperiencesDegree",
          "|\r\nDegree to which past experiences bothered Jane in the past 30 days: emotional "
          "abuse: not answered; physical abuse: a lot; sexual abuse or rape: not answered; "
          "sexual harassment: not answered."},
         {"optOutpatient=0; txtTimesTreated:=01; optPrescMed=0; optPrescMed30D=0; "
          "cboNeedPsycTreatment=9",
          "HasHasNotTPE|TimesHosp|HasHasNotPM|Medications|HasHasNotPMM|MedicationsM|"
          "IRPsychiatric",
          "has not|one time|has not||has not||Extreme problem"},
         {"txtTimesTreated:=3; optOutpatient=1; optPrescMed=1; txtMedicationPrescribed:=lithium; "
          "optPrescMed30D=1",
          "HasHasNotTPE|TimesHosp|Medications|HasHasNotPMM|MedicationsM",
          "has|3 times| including:  lithium|has|including:  "}});
}

// A client who answered every question: the report on the shipped template fills each
// placeholder exactly as often as the template holds it, in the template's order, so
// that no marker is left and no value spills after another.
TEST(ClientReport, AFullClientFillsEveryPlaceholderOfTheTemplateInItsOrder) {
    RecordingPrompts prompts;
    auto interview = makeInterview(prompts);
    for (Section* section : interview->sections())
        answerFully(*interview, *section);
    ASSERT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    RecordingReport recorder;
    for (Section* section : interview->sections())
        section->ClientReport(recorder);
    QStringList filled, expected;
    for (const QString& field : recorder.fields())
        if (filled.isEmpty() || filled.last() != field) filled << field;
    static const QRegularExpression marker("#([A-Za-z$0-9]+)#");
    for (auto m = marker.globalMatch(shippedTemplate()); m.hasNext();) {
        const QString field = m.next().captured(1);
        if (!expected.contains(field) && !kNameFields.contains(field)) expected << field;
    }
    EXPECT_EQ(filled, expected) << "all but the name and pronoun fields, in the template's order";
    // The child chart's rows follow one another in the place of one marker.
    QMap<QString, int> calls;
    for (const QString& field : recorder.fields())
        ++calls[field];
    for (auto it = calls.cbegin(); it != calls.cend(); ++it)
        EXPECT_TRUE(it.key() == "ChildChart" || it.value() == shippedMarkers(it.key()))
            << qPrintable(it.key()) << " filled " << it.value() << " times";
    // What each field reads, line by line as in full_client.txt (field="value", line
    // breaks written \r and \n).
    QStringList values;
    for (const auto& [field, value] : recorder.calls)
        values << field + "=\"" + QString(value).replace("\r", "\\r").replace("\n", "\\n") + '"';
    EXPECT_EQ(values, QString::fromUtf8(readFile(YRN_SOURCE_DIR "/tests/sections/full_client.txt"))
                          .remove('\r')
                          .split('\n', Qt::SkipEmptyParts));
    ProgramFolder program;
    ASSERT_TRUE(program.hasTemplate);
    ASSERT_TRUE(QDir(program.path).mkdir(interview->identity().YRNDirectory()));
    RecordingOpener opener;
    ReportAssembly report(*interview, program.path, opener);
    ASSERT_TRUE(report.GenerateReport());
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    RtfDocument saved;
    ASSERT_TRUE(saved.load(report.clientReportPath()));
    const QString text = saved.visibleText();
    EXPECT_TRUE(markersIn(text).isEmpty()) << qPrintable(markersIn(text).join(' '));
    EXPECT_EQ(readFile(program.filePath("ClientReports/DoeJaneQ05-07-2001.RTF")),
              readFile(report.clientReportPath()));
    // The rows of a chart stand together, in table order.
    EXPECT_TRUE(text.contains("NO, not court ordered\n\n        //"));
    EXPECT_TRUE(
        text.contains("Alcohol                    10      00         20\n"
                      "Marijuana                  11      01         21\n"));
    EXPECT_TRUE(text.contains("Jane Q. Doe") && text.contains(QRegularExpression("\\bshe\\b")));
}

}  // namespace
}  // namespace yrn::test
