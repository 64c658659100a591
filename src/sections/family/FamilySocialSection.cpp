#include "sections/family/FamilySocialSection.h"

#include "sections/CommonAnswers.h"
#include "sections/Pages.h"

namespace yrn {

namespace {

const QStringList kCellButtons{QStringLiteral("No"), QStringLiteral("Yes"),
                               QStringLiteral("Uncertain"), QStringLiteral("No relative")};
const QStringList kProblemColumns{QStringLiteral("Alcohol problems"),
                                  QStringLiteral("Drug problems"),
                                  QStringLiteral("Psychiatric problems")};

// The relatives of question 1 in cell order: the group heading that opens a group,
// the row label and its index in the pane's label array.
struct Relative {
    QString group;
    QString label;
    int labelIndex;
};
const Relative kRelativeRows[FamilySocialSection::kRelatives] = {
    {QStringLiteral("MOTHER'S SIDE"), QStringLiteral("Grandmother"), 3},
    {{}, QStringLiteral("Grandfather"), 4},
    {{}, QStringLiteral("Mother"), 5},
    {{}, QStringLiteral("Aunt"), 6},
    {{}, QStringLiteral("Uncle"), 7},
    {QStringLiteral("FATHER'S SIDE"), QStringLiteral("Grandmother"), 9},
    {{}, QStringLiteral("Grandfather"), 10},
    {{}, QStringLiteral("Father"), 11},
    {{}, QStringLiteral("Aunt"), 12},
    {{}, QStringLiteral("Uncle"), 13},
    {QStringLiteral("SIBLINGS"), QStringLiteral("Brother #1"), 15},
    {{}, QStringLiteral("Brother #2"), 16},
    {{}, QStringLiteral("Sister #1"), 17},
    {{}, QStringLiteral("Sister #2"), 18},
};

QStringList maritalItems() {
    return {QStringLiteral("Married"),  QStringLiteral("Remarried"),
            QStringLiteral("Widowed"),  QStringLiteral("Separated"),
            QStringLiteral("Divorced"), QStringLiteral("Never Married")};
}

QStringList livingItems() {
    return {QStringLiteral("Alone"),
            QStringLiteral("With sexual partner and children"),
            QStringLiteral("With sexual partner alone"),
            QStringLiteral("With children alone"),
            QStringLiteral("With parents"),
            QStringLiteral("With other family members"),
            QStringLiteral("With friends"),
            QStringLiteral("In a controlled environment like jail or hospital"),
            QStringLiteral("No stable arrangements (include shelter)")};
}

QStringList homelessItems() {
    return {QStringLiteral("In a shelter"), QStringLiteral("With friends"),
            QStringLiteral("In a car"),     QStringLiteral("In a building"),
            QStringLiteral("Outside"),      QStringLiteral("Other")};
}

}  // namespace

FamilySocialSection::FamilySocialSection(Interview& interview)
    : DeclaredSection(
          interview,
          SectionInfo{
              QStringLiteral("ctlFamilySocialHistory"), QStringLiteral("FamilySocialHistory"),
              QStringLiteral("FamilySocial.YRN"),
              QStringLiteral("Halverin Drug Court YRN -- Family/Social History Information "), 6}) {
    addNavigationPages(*this, {0, 1, 2, 3, 4, 5}, QStringLiteral("cmdNextFS"),
                       QStringLiteral("cmdBackFS"), QStringLiteral("&Mental Health"));
    declarePage0();
    declarePage1();
    declarePage2();
    declarePage3();
    declarePage4();
    declarePage5();
    declareRules();
    declareFile();
    captureStartState();
}

QString FamilySocialSection::cell(int problem, int relative) {
    return arr(QStringLiteral("optFamilyHistory"), problem * kRelatives + relative);
}

QString FamilySocialSection::relativeLabel(int relative) {
    return arr(QStringLiteral("Label"), kRelativeRows[relative].labelIndex);
}

// --- Page 0: the relatives' problems ---

void FamilySocialSection::declarePage0() {
    // One four-button group per cell, in cell order; the pointer resting on a cell
    // says whose problem it asks about.
    for (int problem = 0; problem < kProblems; ++problem) {
        QString side;
        for (int r = 0; r < kRelatives; ++r) {
            const Relative& relative = kRelativeRows[r];
            // The mother's and the father's side are named; siblings have no side.
            if (!relative.group.isEmpty())
                side = r < 10 ? " (" + relative.group.toLower() + ')' : QString();
            addOption(cell(problem, r), kCellButtons).tip =
                kProblemColumns.at(problem) + ": " + relative.label + side;
        }
    }
    // The report reads the row labels as the screen shows them.
    QList<TableRow> rows;
    for (int r = 0; r < kRelatives; ++r) {
        const Relative& relative = kRelativeRows[r];
        addLabel(relativeLabel(r), relative.label);
        if (!relative.group.isEmpty()) rows.append(TableRow{relative.group, {}, {}});
        rows.append(TableRow{relative.label, {}, {cell(0, r), cell(1, r), cell(2, r)}});
    }
    addPage(0)
        .heading(QStringLiteral("Family / Social History Information"))
        .question(QStringLiteral("1.  Have any of your relatives had what you would call a "
                                 "significant drinking, drug use , or psychiatric problem -- one "
                                 "           that did or should have led to treatment?"))
        .table({}, kProblemColumns, rows);
}

// --- Page 1: marital status and living arrangements ---

// The number boxes take as many digits as their largest answer has.

void FamilySocialSection::declarePage1() {
    addList(QStringLiteral("cboMaritalStatus"), maritalItems());
    addText(QStringLiteral("txtMSYears"), 2);
    addText(QStringLiteral("txtMSMonths"), 2);
    addOption(QStringLiteral("optMSSatisfied"), noYes());
    addText(QStringLiteral("txtTimesMarried"), 2);
    addText(QStringLiteral("txtTimesDivorced"), 2);
    addText(QStringLiteral("txtLiveInSexPartnersNum"), 2);
    addList(QStringLiteral("cboUsualLivingArrangments"), livingItems());
    addText(QStringLiteral("txtUsualLivingArrangmentsY"), 2);
    addText(QStringLiteral("txtUsualLivingArrangmentsM"), 2);

    addPage(1)
        .question(QStringLiteral("2.  What is your current marital status?"),
                  {{QStringLiteral("cboMaritalStatus"), QStringLiteral("Marital status")}})
        .question(QStringLiteral("3.  How long have you been in this current marital status?\n"
                                 "(If never married, estimate time since 18 years old)"),
                  {{QStringLiteral("txtMSYears"), QStringLiteral("Years")},
                   {QStringLiteral("txtMSMonths"), QStringLiteral("Months")}})
        .question(
            QStringLiteral("4.  Are you satisfied with marital status?"),
            {{QStringLiteral("optMSSatisfied"), QStringLiteral("Satisfied with marital status?")}})
        .question(QStringLiteral("5.  How many times have you been married?"),
                  {{QStringLiteral("txtTimesMarried"), QStringLiteral("Times")}})
        .question(QStringLiteral("6.  How many times have you been divorced?"),
                  {{QStringLiteral("txtTimesDivorced"), QStringLiteral("Times")}})
        .question(QStringLiteral("7.  How many different sexual partners have you lived with that "
                                 "             you were not married to?"),
                  {{QStringLiteral("txtLiveInSexPartnersNum"), QStringLiteral("Partners")}})
        .question(QStringLiteral("8.  What has your usual living arrangements been in past "
                                 "         12 months (past year)?"),
                  {{QStringLiteral("cboUsualLivingArrangments"),
                    QStringLiteral("Usual living arrangements")}})
        .question(QStringLiteral("9.  How long have you lived in these usual living "
                                 "arrangments?\n(If living with parents or family and always has "
                                 "estimate time since 18 years old)"),
                  {{QStringLiteral("txtUsualLivingArrangmentsY"), QStringLiteral("Years")},
                   {QStringLiteral("txtUsualLivingArrangmentsM"), QStringLiteral("Months")}});
}

// --- Page 2: living arrangements, homelessness, friends ---

void FamilySocialSection::declarePage2() {
    addOption(QStringLiteral("optLASatisified"),
              {QStringLiteral("No"), QStringLiteral("Yes"), QStringLiteral("Indifferent")});
    addOption(QStringLiteral("optLivDA"), noYes());
    addOption(QStringLiteral("optHomeless"), noYes());
    addList(QStringLiteral("cboHomelessLiving"), homelessItems());
    addText(QStringLiteral("txtDifferentPlaces"), 3);
    addText(QStringLiteral("txtCloseFriends"), 2);

    addPage(2)
        .question(QStringLiteral("10.  Are you satisified with these living arrangements, with "
                                 "the people         you are living with?"),
                  {{QStringLiteral("optLASatisified"),
                    QStringLiteral("Satisfied with living arrangment?")}})
        .question(
            QStringLiteral("11.  Do you live with anyone that has a drug and/or alcohol problem?"),
            {{QStringLiteral("optLivDA"), QStringLiteral("Living with drugs/alcohol?")}})
        .question(QStringLiteral("12.  Have you been homeless at all in the last 30 days, or the "
                                 "last 30             days on the street?"),
                  {{QStringLiteral("optHomeless"), QStringLiteral("Been homeless past 30 days?")}})
        .question(QStringLiteral("13.  Where did you stay mostly during homeless period?"),
                  {{QStringLiteral("cboHomelessLiving"), QStringLiteral("Stayed when homeless")}})
        .question(
            QStringLiteral("14.  How many different places have you lived in the past 12 months?"),
            {{QStringLiteral("txtDifferentPlaces"), QStringLiteral("Places")}})
        .question(QStringLiteral("15.  How many close friends do you have?"),
                  {{QStringLiteral("txtCloseFriends"), QStringLiteral("Friends")}});
}

// --- Page 3: abuse and conflicts ---

void FamilySocialSection::declarePage3() {
    for (int row = 0; row < 4; ++row)
        addOption(arr(QStringLiteral("optAbuse"), row), noYes());
    addText(QStringLiteral("txtConflictsFamily"), 2);
    addText(QStringLiteral("txtConflictsOthers"), 2);

    // The three kinds of abuse carry a description, shown when the pointer rests on
    // their labels (lblEmotionally, lblPhysically, lblSexually).
    const auto row = [](const QString& label, const QString& tip, int index) {
        return TableRow{label, tip, {arr(QStringLiteral("optAbuse"), index)}, !tip.isEmpty()};
    };
    addPage(3)
        .question(QStringLiteral("16.  Have any family members or any others such as strangers, "
                                 "          acquaintances, intimate partners ever abused you:"))
        .table({}, {QStringLiteral("Abused?")},
               {row(QStringLiteral("Emotionally?"),
                    QStringLiteral("Made to feel bad through harsh words, humiliation, "
                                   "manipulation"),
                    0),
                row(QStringLiteral("Physically?"),
                    QStringLiteral("Cause or threaten to cause physical harm such as slapping, "
                                   "punching, kicking, hitting with an object, assaulting with a "
                                   "knife or other weapon, etc."),
                    1),
                row(QStringLiteral("Sexually?"),
                    QStringLiteral("Rape, forced sexual advances or non-consensual acts"), 2),
                row(QStringLiteral("Has anyone ever sexually harassed you?"), {}, 3)})
        .note(QStringLiteral("(Do not include verbal abuse by strangers)"))
        .question(QStringLiteral("17.  How many days in the past 30 have you had serious "
                                 "conflicts               (problems which threaten your "
                                 "relationship):"))
        .question(QStringLiteral("a.  With family members?"),
                  {{QStringLiteral("txtConflictsFamily"), QStringLiteral("Days")}})
        .question(QStringLiteral("b.  With other people (excluding family)?"),
                  {{QStringLiteral("txtConflictsOthers"), QStringLiteral("Days")}});
}

// --- Page 4: the client's view and the interviewer's rating ---

void FamilySocialSection::declarePage4() {
    for (const char* id :
         {"cboFamilyProblems30", "cboSocialProblems30", "cboTreatmentFamily", "cboTreatmentSocial"})
        addList(QString::fromLatin1(id), fiveStepItems());
    addList(QStringLiteral("cboNeedFamilyTreatment"), ratingItems());

    addPage(4)
        .question(QStringLiteral("18.  How troubled or bothered have you been in the past 30 days "
                                 "by             family problems?"),
                  {{QStringLiteral("cboFamilyProblems30"),
                    QStringLiteral("How troubled by family problems?")}})
        .question(QStringLiteral("19.  How troubled or bothered have you been in the past 30 days "
                                 "by             social problems?"),
                  {{QStringLiteral("cboSocialProblems30"),
                    QStringLiteral("How troubled by social problems?")}})
        .question(QStringLiteral("20.  How important to you now is treatment or counseling for "
                                 "family                 problems?"),
                  {{QStringLiteral("cboTreatmentFamily"),
                    QStringLiteral("Importance of family counseling?")}})
        .question(QStringLiteral("21.  How important to you now is treatment or counseling for "
                                 "social                 problems?"),
                  {{QStringLiteral("cboTreatmentSocial"),
                    QStringLiteral("Importance of social counseling?")}})
        .question(QStringLiteral("22.  How would you (interviewer) rate the client's need for "
                                 "family                      and/or social counseling?"),
                  {{QStringLiteral("cboNeedFamilyTreatment"),
                    QStringLiteral("Need for family or social counseling?")}});
}

// --- Page 5: comments ---

void FamilySocialSection::declarePage5() {
    addMultiLine(QStringLiteral("txtFamilySocialComments")).optional = true;
    addPage(5).question(
        QStringLiteral("23.  Interviewer comments on family and/or social history information:"),
        {{QStringLiteral("txtFamilySocialComments"), {}}});
}

}  // namespace yrn
