// The section file "Employment.YRN": 50 fields, the last without a separator. Each
// governing answer comes before the answers it governs.
#include "sections/employment/EmploymentSection.h"

namespace yrn {

void EmploymentSection::declareFile() {
    // Fields 1-9
    file(Codec::Text, QStringLiteral("txtEducation"));
    file(Codec::Text, QStringLiteral("txtTraining"));
    file(Codec::Opt, QStringLiteral("optProfession"));
    file(Codec::Opt, QStringLiteral("optDrLic"));
    file(Codec::Opt, QStringLiteral("optAuto"));
    file(Codec::Text, QStringLiteral("txtProfession"));
    file(Codec::Text, QStringLiteral("txtNoDriversLicenseReason"));
    file(Codec::Text, QStringLiteral("txtDriversLicenseNumber"));
    file(Codec::Opt, QStringLiteral("optCurrEmp"));
    // Fields 10-13
    for (const char* id : {"txtLastJobY", "txtLastJobM", "txtCurrJobY", "txtCurrJobM"})
        file(Codec::Text, QString::fromLatin1(id));
    // Fields 14-25
    file(Codec::Combo, QStringLiteral("cboJob"));
    file(Codec::Combo, QStringLiteral("cboJobtype"));
    file(Codec::Text, QStringLiteral("txtStartJobM"));
    file(Codec::Text, QStringLiteral("txtStartJobY"));
    file(Codec::Combo, QStringLiteral("cboReasonLeft"));
    file(Codec::Text, QStringLiteral("txtLeaveJobM"));
    file(Codec::Text, QStringLiteral("txtLeaveJobY"));
    file(Codec::Opt, QStringLiteral("optContributor"));
    file(Codec::Combo, QStringLiteral("cboGreatestContributor"));
    file(Codec::Opt, QStringLiteral("optMajSupp"));
    file(Codec::Combo, QStringLiteral("cboEmploymentPattern"));
    file(Codec::Text, QStringLiteral("txtDaysWorked"));
    // Fields 26-33
    for (int i = 0; i < kMoneySources; ++i)
        file(Codec::Text, arr(QStringLiteral("txtMoneySources"), i));
    // Field 34
    file(Codec::Text, QStringLiteral("txtDependants"));
    // Fields 35-44
    for (int i = 0; i < kDebts; ++i) {
        file(Codec::Opt, arr(QStringLiteral("optMoneyOwed"), i));
        file(Codec::Combo, arr(QStringLiteral("cboAmountOwed"), i));
    }
    // Fields 45-50
    file(Codec::Text, QStringLiteral("txtOtherDebt"));
    file(Codec::Text, QStringLiteral("txtEmploymentProblems"));
    file(Codec::Combo, QStringLiteral("cboEmploymentTroubleE"));
    file(Codec::Combo, QStringLiteral("cboImportantE"));
    file(Codec::Combo, QStringLiteral("cboInterviewerRatingE"));
    file(Codec::Text, QStringLiteral("txtEmployment"), true);
}

}  // namespace yrn
