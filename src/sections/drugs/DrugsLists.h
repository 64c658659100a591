#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace yrn::drugs {

// One row of the substance table: how the questionnaire, the comment dialog and
// the report name the substance.
struct Substance {
    QString rowLabel;      // the table's row label, blanks as asked
    QString commentLabel;  // lblDrugs(i): names the substance in the comment dialog
    QString reportName;    // the drug chart's first column
    QString heading;       // the heading of its comment block in the report
};

inline constexpr int kSubstances = 12;
// The last row: its comment block ends after the comment.
inline constexpr int kMultiSubstance = 11;
// Rows 0 to 9 stand on page 0, rows 10 and 11 on page 1.
inline constexpr int kFirstRowOfPage1 = 10;

const std::array<Substance, kSubstances>& substances();

// List A of cboMajorSubstance; "No problem" closes the abstinence questions.
QStringList majorSubstanceItems();
inline constexpr int kNoProblem = 13;
// List B of cboUpLateOnDrugs.
QStringList upLateItems();

}  // namespace yrn::drugs
