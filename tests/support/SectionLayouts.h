#pragma once

// Section files as a Windows machine writes them, and a fully answered client of
// every section file, written by hand from the field lists (never with the
// program's writer, so that a layout mistake cannot hide): each field's id in file
// order, its value line, and what the pane shows once read.

#include <QDir>
#include <QVariant>
#include <algorithm>
#include <iterator>
#include <optional>

#include "interview/Section.h"
#include "support/TestSupport.h"

namespace yrn::test {

// A text as Windows-1252 bytes: Latin-1, but for 0x80 to 0x9F, where Windows-1252
// keeps typographic characters ("–" is 0x96, "“" 0x93); the five bytes it leaves
// undefined stand for the C1 controls of the same value. A character it cannot
// write fails the test.
inline QByteArray windows1252(const QString& text) {
    static const char16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
    };
    QByteArray bytes;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += static_cast<char>(u);
            continue;
        }
        const auto* at = std::find(std::begin(kHigh), std::end(kHigh), u);
        if (at == std::end(kHigh)) {
            ADD_FAILURE() << "U+" << std::hex << static_cast<int>(u) << " is not in Windows-1252";
            bytes += '?';
            continue;
        }
        bytes += static_cast<char>(0x80 + (at - std::begin(kHigh)));
    }
    return bytes;
}

// Whether the last field of a file is followed by a ";" line like every other
// field (the demographic file) or stands bare (every later section's file).
enum class LastField { Bare, Separated };

// A section file as a Windows machine writes it: each value line in Windows-1252,
// ended by CR LF, a ";" line after every field but the last.
inline QByteArray windowsSectionFile(const QStringList& values, LastField last = LastField::Bare) {
    QByteArray bytes;
    for (qsizetype i = 0; i < values.size(); ++i) {
        bytes += windows1252(values.at(i)) + "\r\n";
        if (i + 1 < values.size() || last == LastField::Separated) bytes += ";\r\n";
    }
    return bytes;
}

struct StoredField {
    QString id;
    QString line;                  // the value line as typed (encoded when written)
    std::optional<QString> shows;  // as shows() takes it after "id="; none: the line as read
};

// "id=line" or "id=line=shows" entries parted by '|', the lines kept exactly,
// blanks and all; "stem(*)=a,b" stands for "stem(0)=a|stem(1)=b".
inline QList<StoredField> stored(const QString& entries) {
    QList<StoredField> out;
    for (const QString& entry : entries.split('|')) {
        const QStringList part = entry.split('=');
        const QStringList values = part.at(1).split(',');
        for (int i = 0; part.at(0).endsWith("(*)") && i < values.size(); ++i)
            out.append({arr(part.at(0).chopped(3), i), values.at(i), {}});
        if (!part.at(0).endsWith("(*)"))
            out.append({part.at(0), part.at(1),
                        part.size() > 2 ? std::optional(part.at(2)) : std::nullopt});
    }
    return out;
}

struct SectionLayout {
    QString module;
    QString fileName;
    LastField last = LastField::Bare;
    QList<StoredField> fields;

    QStringList lines() const {
        QStringList out;
        for (const StoredField& f : fields)
            out << f.line;
        return out;
    }
    QByteArray windowsFile() const { return windowsSectionFile(lines(), last); }
};

// The eight section files in interview order.
inline const QList<SectionLayout>& sectionLayouts() {
    static const QList<SectionLayout> all = [] {
        // clang-format off
        const SectionLayout locator{"ctlLocatorInformation", "Location.YRN", LastField::Bare, stored(
            "txtAssessmentDate1=05|txtAssessmentDate2=07|txtAssessmentDate3=2001|txtTime1=09|"
            "txtTime2=30|optAMPM=1|txtInterviewer=R. Hale|cboSite= 25 =Franklin County|"
            "txtLastName=Muñoz|txtFirstName=Ana|txtMI=m|txtStreetAddress=12 Elm St|txtCity=Akron|"
            "txtState=OH|txtZipCode=44301|txtCurrAddressLen=3|optOwnRes=0|txtMStreetAddress=PO Box 7|"
            "txtMCity=Kent|txtMState=IN|txtMZipCode=44302|txtPhone=555-0101|txtPhoneAnswerer1=Rosa|"
            "txtPhoneAnswerer2=Luis|txtAnswererRelation1=Mother|txtAnswererRelation2=Brother|"
            "txtOtherPhone=555-0199|txtOtherAnswerer1=Tia|txtOtherAnswerer2=-1 |txtOtherRelation1=Aunt|"
            "txtOtherRelation2=Uncle|optWorking=1|txtWorkPlace=Café \"Roma\"|txtWorkPhone=555-0123|"
            "txtWorkAddress=1 Main St|txtWorkCity=Hudson|txtWorkState=MI|txtWorkZipCode=44236|"
            "txtC1Firstname=Rita|txtC1MI=L|txtC1Lastname=Vega|txtC1Address=4 Oak Ave|txtC1City=Canton|"
            "txtC1State=WV|txtC1ZipCode=44702|txtC1Phone=555-0144|txtC1Relationship=Sister|"
            "txtC2Firstname=Tina|txtC2MI=-1 |txtC2Lastname=Ortiz|txtC2Address=-1 |txtC2City=Massillon|"
            "txtC2State=KY|txtC2ZipCode=44646|txtC2Phone=-1 |txtC2Relationship=Cousin|"
            "txtLocationInformation=calls after 5 – cell only")};

        // Race 65 (Multi-race) is a code after Other (70); two children of ten; every
        // field, the last one too, is followed by a separator.
        SectionLayout dem{"ctlDemographic", "Demographic.YRN", LastField::Separated, stored(
            "txtBDateMonth=03|txtBDateDay=09|txtBDateYear=1970|txtSSN=123-45-6789|optSex=1|"
            "optOrigin=1|txtYearsUS=12|optMothersOrig=0|optFathersOrig=1|cboRace= 65 =Multi-race|"
            "cboLanguage= 1 =Spanish|cboReligion= 5 =None|optContEnv=1|optJail=0|optAlc=1|optMed=-1|"
            "optPsy=-1|optOther=1|txtOther=Maison d'été|txtJailDays=0=0 (off)|txtAlcDrugDays=14|"
            "txtMedicalDays=-1 |txtPsychiatricDays=-1 |txtOtherDays=5|txtPregnancies=2|"
            "txtLiveBirths=2|txtFirstBaby=19|txtChildren=2|"
            "optGender(0)=1|txtChildsDOBM(0)=03|txtChildsDOBD(0)=04|txtChildsDOBY(0)=2001|"
            "cboCustody(0)= 0 |cboCustudyStatus(0)= 3 =Sole mother|txtVisitationDays(0)=08|"
            "cboChildSupport(0)= 0 |optGender(1)=0|txtChildsDOBM(1)=11|txtChildsDOBD(1)=30|"
            "txtChildsDOBY(1)=2003|cboCustody(1)= 1 |cboCustudyStatus(1)= 0 |txtVisitationDays(1)=-1 |"
            "cboChildSupport(1)= 4 =NOT APPLICABLE")};
        for (int r = 2; r < 10; ++r)
            for (const char* stem : {"optGender", "txtChildsDOBM", "txtChildsDOBD", "txtChildsDOBY",
                    "cboCustody", "cboCustudyStatus", "txtVisitationDays", "cboChildSupport"})
                dem.fields += stored(arr(stem, r) + (stem[0] == 'o' ? "=-1=-1 (off)" : "=-1 = (off)"));
        dem.fields += stored(
            "txtChildSupportOrdered=250|txtChildSupportActual=100|optOtherChildren=1|optD1Gender=0|"
            "optD2Gender=-1=-1 (off)|optD3Gender=-1=-1 (off)|txtD1DOBM=02|txtD2DOBM=-1 = (off)|"
            "txtD3DOBM=-1 = (off)|txtD1DOBD=14|txtD2DOBD=-1 = (off)|txtD3DOBD=-1 = (off)|"
            "txtD1DOBY=2015|txtD2DOBY=-1 = (off)|txtD3DOBY=-1 = (off)|"
            "txtDemographicInformation=Lives with his grandmother; doing well|chkD1= 1 |chkD2= 0 |"
            "chkD3= 0 |optEthnicity=1");

        const SectionLayout medical{"ctlMedical", "Medical.YRN", LastField::Bare, stored(
            "txtHospitalized=3|cboLastHospitalized= 1 =6-12 months ago|optChrMedProb=1|"
            "txtMedicalProblems=asthma, diabète|optHealthProb(*)=0,0,1,0,-1,0,0,1|optFit=0|"
            "optPresMed=0|txtMedication=-1 = (off)|optPension=1|txtPension=back injury|optSmokes=1|"
            "txtCigarettes=20|optSleepLate=1|optBecauseWork=0|txtInsurance=8|"
            "optHealthInsurance(*)=0,1,-1,1,0,1|txtOtherHI=county plan|cboClientTroubled= 2 |"
            "txtExperienceProblems=05|cboImportant= 4 =extremely|"
            "cboInterviewerRating= 9 =9 - Extreme problem|txtMedicalComments=Seen by Dr. Müller; doing well")};

        // A licensed welder out of work since 2000, supported in part by a parent.
        const SectionLayout employment{"ctlEmployment", "Employment.YRN", LastField::Bare, stored(
            "txtEducation=12|txtTraining=6|optProfession=1|optDrLic=1|optAuto=0|"
            "txtProfession=soudure (welding)|txtNoDriversLicenseReason=-1 = (off)|"
            "txtDriversLicenseNumber=S123-4567|optCurrEmp=0|txtLastJobY=1|txtLastJobM=01|"
            "txtCurrJobY=-1 = (off)|txtCurrJobM=-1 = (off)|cboJob= 0 =Full Time|"
            "cboJobtype= 4 =Craft and kindred|txtStartJobM=03|txtStartJobY=1999|cboReasonLeft= 1 =Laid off|"
            "txtLeaveJobM=10|txtLeaveJobY=2000|optContributor=1|cboGreatestContributor= 1 =Parent/foster parent|"
            "optMajSupp=0|cboEmploymentPattern= 5 =Unemployed|txtDaysWorked=00|"
            "txtMoneySources(*)=-1 ,-1 ,0,-1 ,150,-1 ,00,-1 |txtDependants=2|optMoneyOwed(0)=1|"
            "cboAmountOwed(0)= 2 =$2,001-$5,000|optMoneyOwed(1)=1|cboAmountOwed(1)= 0 =Less than $500|"
            "optMoneyOwed(2)=0|cboAmountOwed(2)=-1 = (off)|optMoneyOwed(3)=-1|cboAmountOwed(3)=-1 |"
            "optMoneyOwed(4)=0|cboAmountOwed(4)=-1 = (off)|txtOtherDebt=-1 = (off)|"
            "txtEmploymentProblems=3|cboEmploymentTroubleE= 3 =considerably|cboImportantE= 1 =slightly|"
            "cboInterviewerRatingE= 7 =7 - Considerable problem|txtEmployment=Looking for work; résumé ready")};

        // Rows 0, 3, 4 and 11 used, 1 and 5 to 10 not, 2 unanswered; dual addiction;
        // treated for alcohol, not for drugs; meetings in the lifetime only.
        SectionLayout drugs{"ctlDrugs", "Drugs.YRN", LastField::Bare, {}};
        const QStringList uses{"1|15|20|17|Drinks on weekends", "0|-1 = (off)|-1 = (off)|-1 = (off)|-1 = (off)",
            "-1|-1 |-1 |-1 |-1 ", "1|19|04|06|Smokes crack at the café with his cousin", "1|22|00|03|-1 ",
            "1|14|30|10|Beer and pills"};
        for (int r = 0; r < 12; ++r) {
            const QStringList use = uses.at(r < 5 ? r : r == 11 ? 5 : 1).split('|');
            int c = 0;
            for (const char* stem : {"optEverUse", "txtAge1stUse", "txtDaysUsedLast30", "txtYearsUsedLife",
                                     "txtDrugComments"})
                drugs.fields += stored(arr(stem, r) + '=' + use.at(c++));
        }
        drugs.fields += stored(
            "cboMajorSubstance= 11 =Alcohol & Drug (dual addiction)|txtMonthsAbstinence=7|"
            "txtEndAbstinence=3|chkAbstinence= 0 |txtNumDTs=1|txtNumODs=0|cboUpLateOnDrugs= 2 =Twice|"
            "optAlcTreat=1|txtAlcAbuseL=1|txtAlcAbusePY=0|txtDetoxL=1|txtDetoxPY=0|txtOutpatientL=2|"
            "txtOutpatientPY=0|optDrugTreat=0|txtDrugAbuseL=-1 = (off)|txtDrugAbusePY=-1 = (off)|"
            "txtDrugDetoxL=-1 = (off)|txtDrugDetoxPY=-1 = (off)|txtDrugOutpatientL=-1 = (off)|"
            "txtDrugOutpatientPY=-1 = (off)|txtOutpatientSettingPast30=4|optAAL=1|optAAPY=0|"
            "txtAANAMeetings30=-1 = (off)|txtDollarsAlc30=120|txtDollarsDrugs30=40|"
            "txtAlcProblemsDays=9|txtDrugProblemsDays=2|cboAlcTroubled= 3 =Considerably|"
            "cboDrugTroubled= 1 |cboAlcImportance= 4 |cboDrugImportance= 2 |cboNeedAlcTreatment= 6 |"
            "cboNeedDrugTreatment= 3 =3 - Slight problem|txtDrugInformation=Motivated – asks for help");

        // Question 5 is stored twice (fields 24 and 45).
        const SectionLayout criminal{"ctlCriminalJustice", "CriminalJustice.YRN", LastField::Bare, stored(
            "optPrompted=1|optProb=0|txtCharges(*)=2,0,0,1,0,3,0,0,0,0,0,0,0,0,0,0,0,0,2|"
            "txtOther=Café brawl|txtConvictions=3|cboIncarceration= 2 =1-3 months|"
            "cboLastIncarceration= 1 =1-3 months|optReasonIncar(*)=0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1|"
            "cboIncarceration= 2 =1-3 months|txtOtherIncarceration=resisting arrest – twice|"
            "optPresAwCharges=1|optAwaitCharges(*)=-1,-1,0,1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,1|"
            "txtIllegalActivities=05|txtOtherChargeAwaited=fraud|cboLegalProblems= 3 =Considerably|"
            "cboCounselingImportance= 0 =Not at all|cboNeedLegalTreatment= 7 =7 - Considerable problem|"
            "txtCriminalJusticeInformation=Confirmed by P.O. “Smith”")};

        // The relatives' grid by column (alcohol, drug, psychiatric): the mother
        // (relative 2) has a mixed row, the father's aunt (8) no relative, brother #1
        // (10) no answer.
        const SectionLayout family{"ctlFamilySocialHistory", "FamilySocial.YRN", LastField::Bare, stored(
            "optFamilyHistory(*)=0,1,1,0,1,2,2,1,3,0,-1,3,0,3,0,0,2,0,1,2,2,0,3,0,-1,3,0,3,0,2,3,0,0,2,2,"
            "0,3,0,-1,3,1,3|cboMaritalStatus= 4 =Divorced|txtMSYears=3|txtMSMonths=-1 |optMSSatisfied=0|"
            "txtTimesMarried=2|txtTimesDivorced=1|txtLiveInSexPartnersNum=0|"
            "cboUsualLivingArrangments= 8 =No stable arrangements (include shelter)|"
            "txtUsualLivingArrangmentsY=12|txtUsualLivingArrangmentsM=6|optLASatisified=2|optLivDA=1|"
            "optHomeless=1|cboHomelessLiving= 5 =Other|txtDifferentPlaces=356|txtCloseFriends=-1 |"
            "optAbuse(*)=1,0,1,-1|txtConflictsFamily=0|txtConflictsOthers=30|"
            "cboFamilyProblems30= 0 =Not at all|cboSocialProblems30= 4 |cboTreatmentFamily= 2 =Moderately|"
            "cboTreatmentSocial=-1 |cboNeedFamilyTreatment= 9 =9 - Extreme problem|"
            "txtFamilySocialComments=Lives with Mom’s sister; “close”")};

        const SectionLayout mental{"ctlMentalHealth", "MentalHealth.YRN", LastField::Bare, stored(
            "optOutpatient=1|txtTimesTreated=3|optPrescMed=1|txtMedicationPrescribed=Zoloft, Ativan|"
            "optPrescMed30D=0|txtMedicationPrescribed30=-1 = (off)|optPension=-1|"
            "optSymptoms(*)=0,1,0,0,0,0,0,-1,1,1,0,0,0,1,1,0|cboPastExperiences(*)= 1 , 3 , 0 ,-1 |"
            "txtProblemsDays=12|cboPsychologicalTroubled= 2 =Moderately|"
            "cboPsychologicalTreatment= 4 =Extremely|cboNeedPsycTreatment= 6 =6 - Considerable problem|"
            "txtMentalHealthComments=Café visits help; she’s calmer|txtTimeEndedHours=07|"
            "txtTimeEndedMinutes=05|optAMPM=1|optIntRatings(*)=0,0,1,0,-1,0,0,1|"
            "txtFinalComments=Good rapport.")};
        // clang-format on
        return QList<SectionLayout>{locator, dem,      medical, employment,
                                    drugs,   criminal, family,  mental};
    }();
    return all;
}

inline QStringList sectionFileNames() {
    QStringList names;
    for (const SectionLayout& layout : sectionLayouts())
        names << layout.fileName;
    return names;
}

inline const SectionLayout& layoutOf(const QString& fileName) {
    return sectionLayouts().at(sectionFileNames().indexOf(fileName));
}

// What a stored field shows once read, as shows() takes it ("id=value", " (off)"
// after the value of a closed field). A list shows the item at the stored position,
// or the item of the stored code where its items carry codes.
inline QString expectedShow(const Section& s, const StoredField& f) {
    if (f.shows) return f.id + '=' + *f.shows;
    const Field& field = s.field(f.id);
    QString value = f.line.trimmed();
    if (field.kind == FieldKind::List && value != "-1")
        value = field.items.value(field.hasCodes() ? field.codes.indexOf(value.toInt())
                                                   : value.toInt());
    if (value == "-1" && field.kind != FieldKind::Option) value.clear();
    return f.id + '=' + value;
}

// What the export gives for a stored field: a text, a button, a check box's 0 or
// 1, a list's code or position and then its shown item; null where unanswered.
inline QVariantList expectedCells(const Section& s, const StoredField& f) {
    const QString value = expectedShow(s, f).section('=', 1).remove(" (off)");
    const FieldKind kind = s.field(f.id).kind;
    if (kind == FieldKind::Text) return {value.isEmpty() ? QVariant() : QVariant(value)};
    if (kind != FieldKind::List) return {value == "-1" ? QVariant() : QVariant(value.toInt())};
    if (value.isEmpty()) return {QVariant(), QVariant()};
    return {f.line.trimmed().toInt(), value};
}

// Writes every section file of the layouts into a client folder, made if need be.
inline void writeClientFolder(const QString& folder) {
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const SectionLayout& layout : sectionLayouts())
        writeFile(folder + '/' + layout.fileName, layout.windowsFile());
}

}  // namespace yrn::test
