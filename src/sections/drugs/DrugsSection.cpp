#include "sections/drugs/DrugsSection.h"

#include "sections/CommonAnswers.h"
#include "sections/Pages.h"
#include "sections/drugs/DrugsLists.h"

namespace yrn {

namespace {

Answer ans(const QString& field, const QString& caption = {}) {
    return Answer{field, caption, {}};
}

// The column headings of the substance table, on both pages that hold it; the
// "Comments" buttons stand in the last column.
const QStringList kTableColumns{QStringLiteral("Ever used?"), QStringLiteral("Age of 1st Use"),
                                QStringLiteral("# Days used past 30 on street"),
                                QStringLiteral("# Years used in lifetime"), QString()};

// The rows of the table from row first up to, not including, row end.
QList<TableRow> tableRows(int first, int end) {
    QList<TableRow> rows;
    for (int i = first; i < end; ++i) {
        QStringList cells = DrugsSection::rowFields(i);
        cells.removeLast();  // the comment itself stands on page 2
        cells.append(arr(QStringLiteral("optDrugComments"), i));
        rows.append(TableRow{drugs::substances().at(i).rowLabel, {}, cells});
    }
    return rows;
}

}  // namespace

DrugsSection::DrugsSection(Interview& interview)
    : DeclaredSection(
          interview,
          SectionInfo{QStringLiteral("ctlDrugs"), QStringLiteral("Drugs"),
                      QStringLiteral("Drugs.YRN"),
                      QStringLiteral("Halverin Drug Court YRN -- Drug Information "), 4}) {
    addNavigationPages(*this, {0, 1, 2, 5, 6, 7, 8}, QStringLiteral("cmdNextD"),
                       QStringLiteral("cmdBackD"), QStringLiteral("&Criminal History"));
    // Page 2 holds the per-substance comments; it has no buttons of its own.
    addPage(2).nav(QString(), QString());
    declareTable();
    declarePage1();
    declarePage2();
    declarePage5();
    declarePage6();
    declarePage7();
    declarePage8();
    declareRules();
    declareFile();
    captureStartState();
}

QStringList DrugsSection::rowFields(int i) {
    return {arr(QStringLiteral("optEverUse"), i), arr(QStringLiteral("txtAge1stUse"), i),
            arr(QStringLiteral("txtDaysUsedLast30"), i), arr(QStringLiteral("txtYearsUsedLife"), i),
            arr(QStringLiteral("txtDrugComments"), i)};
}

int DrugsSection::nextPage(int page) const {
    if (page == 1) return 5;
    return DeclaredSection::nextPage(page);
}

int DrugsSection::backPage(int page) const {
    if (page == 5) return 1;
    return DeclaredSection::backPage(page);
}

// --- Page 0 and the substance table ---

void DrugsSection::declareTable() {
    for (int i = 0; i < drugs::kSubstances; ++i) {
        addOption(arr(QStringLiteral("optEverUse"), i), noYes());
        addText(arr(QStringLiteral("txtAge1stUse"), i), 2);
        addText(arr(QStringLiteral("txtDaysUsedLast30"), i), 2);
        addText(arr(QStringLiteral("txtYearsUsedLife"), i));
        // A button-like option that opens the comment dialog; blue while the row
        // holds a comment. A row needs no comment.
        Field& comments =
            addOption(arr(QStringLiteral("optDrugComments"), i), {QStringLiteral("Comments")});
        comments.tip = drugs::substances().at(i).commentLabel;
        comments.optional = true;
    }
    addPage(0)
        .heading(QStringLiteral("Drug and Alcohol Information"))
        .table({}, kTableColumns, tableRows(0, drugs::kFirstRowOfPage1));
}

// --- Page 1: the last two substances, the major substance, abstinence ---

void DrugsSection::declarePage1() {
    addList(QStringLiteral("cboMajorSubstance"), drugs::majorSubstanceItems());
    addText(QStringLiteral("txtMonthsAbstinence"), 3);
    addCheck(QStringLiteral("chkAbstinence"),
             QStringLiteral("Click here if client has no periods of abstince"));
    addText(QStringLiteral("txtEndAbstinence"));
    addText(QStringLiteral("txtNumDTs"));
    addText(QStringLiteral("txtNumODs"));
    addList(QStringLiteral("cboUpLateOnDrugs"), drugs::upLateItems());

    addPage(1)
        .table({}, kTableColumns, tableRows(drugs::kFirstRowOfPage1, drugs::kSubstances))
        .question(QStringLiteral("2.  Which substance is the major problem?"),
                  {ans(QStringLiteral("cboMajorSubstance"), QStringLiteral("Major substance"))})
        .question(QStringLiteral("3.  How many months long was you last period of voluntary      "
                                 "                       abstinence from this major substance?"),
                  {ans(QStringLiteral("txtMonthsAbstinence"), QStringLiteral("Months abstinent")),
                   ans(QStringLiteral("chkAbstinence"))})
        .question(QStringLiteral("4.  How many months ago did this abstinence end?"),
                  {ans(QStringLiteral("txtEndAbstinence"), QStringLiteral("Months"))})
        .question(QStringLiteral("5.  How many times in your life have you:"))
        .question(QStringLiteral("Had DT's(horrors)?"),
                  {ans(QStringLiteral("txtNumDTs"), QStringLiteral("Times "))})
        .question(QStringLiteral("Overdosed on drugs?"),
                  {ans(QStringLiteral("txtNumODs"), QStringLiteral("Times"))})
        .question(QStringLiteral("6.  How many times in the last 30 days, or the last 30 days on "
                                 "the                 street did you stay up past 4 a.m. because "
                                 "of drug or alcohol use?"),
                  {ans(QStringLiteral("cboUpLateOnDrugs"))});
}

// --- Page 2: the comments, written in the comment dialog ---

void DrugsSection::declarePage2() {
    PageBuilder page = addPage(2);
    for (int i = 0; i < drugs::kSubstances; ++i) {
        const QString label = arr(QStringLiteral("lblDrugs"), i);
        addLabel(label, drugs::substances().at(i).commentLabel);
        addMultiLine(arr(QStringLiteral("txtDrugComments"), i)).optional = true;
        page.boundQuestion(label, {ans(arr(QStringLiteral("txtDrugComments"), i))});
    }
}

// --- Page 5: treatment for alcohol and for drug abuse ---

void DrugsSection::declarePage5() {
    addOption(QStringLiteral("optAlcTreat"), noYes());
    addText(QStringLiteral("txtOutpatientL"), 2);
    addText(QStringLiteral("txtOutpatientPY"), 2);
    addText(QStringLiteral("txtAlcAbuseL"), 2);
    addText(QStringLiteral("txtAlcAbusePY"), 2);
    addText(QStringLiteral("txtDetoxL"), 2);
    addText(QStringLiteral("txtDetoxPY"), 2);
    addOption(QStringLiteral("optDrugTreat"), noYes());
    addText(QStringLiteral("txtDrugOutpatientL"));
    addText(QStringLiteral("txtDrugOutpatientPY"));
    addText(QStringLiteral("txtDrugAbuseL"));
    addText(QStringLiteral("txtDrugAbusePY"));
    addText(QStringLiteral("txtDrugDetoxL"));
    addText(QStringLiteral("txtDrugDetoxPY"));

    const QStringList columns{QStringLiteral("Lifetime"), QStringLiteral("Past year")};
    const QString notAA = QStringLiteral("\n(not AA / NA )");
    const auto counts = [&](const QString& kind, const QString& outpatient, const QString& abuse,
                            const QString& detox) {
        return QList<TableRow>{
            {"Number of times treated for " + kind + " in an outpatient treatment program?" + notAA,
             {},
             {outpatient + 'L', outpatient + "PY"}},
            {"How many times were you treated for " + kind +
                 "  in a residential or inpatient program?",
             {},
             {abuse + 'L', abuse + "PY"}},
            {QStringLiteral("How many of those were detox only?"), {}, {detox + 'L', detox + "PY"}},
        };
    };
    addPage(5)
        .question(QStringLiteral("7.    Have you ever been treated for alcohol abuse?"),
                  {ans(QStringLiteral("optAlcTreat"), QStringLiteral("Alcohol abuse treatment?"))})
        .question(QStringLiteral("8.    Please tell me how many times, not including AA/NA you "
                                 "have               been treated for alcohol abuse:"))
        .table({}, columns,
               counts(QStringLiteral("alcohol abuse"), QStringLiteral("txtOutpatient"),
                      QStringLiteral("txtAlcAbuse"), QStringLiteral("txtDetox")))
        .question(QStringLiteral("9.    Have you ever been treated for drug abuse?"),
                  {ans(QStringLiteral("optDrugTreat"), QStringLiteral("Treated for drug abuse?"))})
        .question(QStringLiteral("10.  Please tell me how many times, not including AA/NA you "
                                 "have               been treated for drug abuse:"))
        .table({}, columns,
               counts(QStringLiteral("drug abuse"), QStringLiteral("txtDrugOutpatient"),
                      QStringLiteral("txtDrugAbuse"), QStringLiteral("txtDrugDetox")));
}

// --- Page 6: outpatient days, meetings, money spent ---

void DrugsSection::declarePage6() {
    addText(QStringLiteral("txtOutpatientSettingPast30"), 2);
    addOption(QStringLiteral("optAAL"), noYes());
    addOption(QStringLiteral("optAAPY"), noYes());
    addText(QStringLiteral("txtAANAMeetings30"));
    addText(QStringLiteral("txtDollarsAlc30"), 7).tip = QStringLiteral("Dollars spent on alcohol");
    addText(QStringLiteral("txtDollarsDrugs30"), 7).tip = QStringLiteral("Dollars spent on drugs");

    addPage(6)
        .question(QStringLiteral("11.  How many days have you been treated in an outpatient "
                                 "setting          for alcohol or drugs in the last 30 days, or "
                                 "the last 30 days on              the street?\n"
                                 "(Not including AA / NA )"),
                  {ans(QStringLiteral("txtOutpatientSettingPast30"), QStringLiteral("Days"))})
        .question(QStringLiteral("12.  Have you ever attended AA/NA meetings?"),
                  {ans(QStringLiteral("optAAL"), QStringLiteral("Attended AA/NA meetings?"))})
        .question(QStringLiteral("13.  Have you attended AA/NA in the past year?"),
                  {ans(QStringLiteral("optAAPY"), QStringLiteral("Attended AA/NA in past year?"))})
        .question(QStringLiteral("14.  How many days have you attended AA or NA meetings in the  "
                                 "               past 30 days on the street?"),
                  {ans(QStringLiteral("txtAANAMeetings30"), QStringLiteral("Days"))})
        .question(QStringLiteral("15.  How much money in the past 30 days on the street did you "
                                 "            spend on:"),
                  {ans(QStringLiteral("txtDollarsAlc30"), QStringLiteral("Alcohol          $")),
                   ans(QStringLiteral("txtDollarsDrugs30"), QStringLiteral("Drugs            $"))});
}

// --- Page 7: problem days and ratings ---

void DrugsSection::declarePage7() {
    addText(QStringLiteral("txtAlcProblemsDays"));
    addText(QStringLiteral("txtDrugProblemsDays"));
    for (const char* id :
         {"cboAlcTroubled", "cboDrugTroubled", "cboAlcImportance", "cboDrugImportance"})
        addList(QString::fromLatin1(id), fiveStepItems());
    addList(QStringLiteral("cboNeedAlcTreatment"), ratingItems());
    addList(QStringLiteral("cboNeedDrugTreatment"), ratingItems());

    addPage(7)
        .question(QStringLiteral("16.  How many days in the past 30 days on the street have you   "
                                 "               experienced?"))
        .question(QStringLiteral("Alcohol problems?"),
                  {ans(QStringLiteral("txtAlcProblemsDays"), QStringLiteral("Days"))})
        .question(QStringLiteral("Drug problems?"),
                  {ans(QStringLiteral("txtDrugProblemsDays"), QStringLiteral("Days"))})
        .question(QStringLiteral("17. How troubled or bothered in the past 30 days have you been   "
                                 "          by alcohol problems?"),
                  {ans(QStringLiteral("cboAlcTroubled"), QStringLiteral("Alcohol problems "))})
        .question(QStringLiteral("18.  How troubled or bothered in the past 30 days have you been  "
                                 "           by drug problems?"),
                  {ans(QStringLiteral("cboDrugTroubled"), QStringLiteral("Drug problems "))})
        .question(
            QStringLiteral("19.  How important to you now is treatment for alcohol problems?"),
            {ans(QStringLiteral("cboAlcImportance"),
                 QStringLiteral("Importance of alcohol treatment"))})
        .question(QStringLiteral("20.  How important to you now is treatment for drug problems?"),
                  {ans(QStringLiteral("cboDrugImportance"),
                       QStringLiteral("Importance of drug treatment"))})
        .question(QStringLiteral("21.  How would you (interviewer) rate the client's need for "
                                 "alcohol              treatment?"),
                  {ans(QStringLiteral("cboNeedAlcTreatment"),
                       QStringLiteral("Need for alcohol treatment"))})
        .question(QStringLiteral("22.  How would you (interviewer) rate the client's need for "
                                 "drug                   treatment?"),
                  {ans(QStringLiteral("cboNeedDrugTreatment"),
                       QStringLiteral("Need for drug treatment"))});
}

// --- Page 8: the interviewer's comments ---

void DrugsSection::declarePage8() {
    addMultiLine(QStringLiteral("txtDrugInformation")).optional = true;
    addPage(8).question(
        QStringLiteral("23.  Interviewer comments on drug and alcohol information:"),
        {ans(QStringLiteral("txtDrugInformation"))});
}

// --- Lists ---

void DrugsSection::ClearDrugLists() {
    for (const char* id :
         {"cboMajorSubstance", "cboUpLateOnDrugs", "cboAlcTroubled", "cboDrugTroubled",
          "cboAlcImportance", "cboDrugImportance", "cboNeedAlcTreatment", "cboNeedDrugTreatment"})
        setItems(QString::fromLatin1(id), {});
}

void DrugsSection::FillDrugLists() {
    setItems(QStringLiteral("cboMajorSubstance"), drugs::majorSubstanceItems());
    setItems(QStringLiteral("cboUpLateOnDrugs"), drugs::upLateItems());
    for (const char* id :
         {"cboAlcTroubled", "cboDrugTroubled", "cboAlcImportance", "cboDrugImportance"})
        setItems(QString::fromLatin1(id), fiveStepItems());
    setItems(QStringLiteral("cboNeedAlcTreatment"), ratingItems());
    setItems(QStringLiteral("cboNeedDrugTreatment"), ratingItems());
}

}  // namespace yrn
