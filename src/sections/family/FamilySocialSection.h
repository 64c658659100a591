#pragma once

#include <QString>

#include "sections/DeclaredSection.h"

namespace yrn {

// The seventh section: the drinking, drug and psychiatric problems of fourteen
// relatives, marital status and its history, living arrangements, homelessness,
// friends, abuse suffered, conflicts in the past 30 days, the client's view of
// family and social problems and the interviewer's rating and comments.
class FamilySocialSection : public DeclaredSection {
  public:
    explicit FamilySocialSection(Interview& interview);

    static constexpr int kRelatives = 14;
    static constexpr int kProblems = 3;  // alcohol, drug, psychiatric
    static constexpr int kNoRelative = 3;

    // The option group of a relative's cell for a problem: "optFamilyHistory(i)" with
    // i = problem x 14 + relative; its buttons are No, Yes, Uncertain, No relative.
    static QString cell(int problem, int relative);
    // The label shown as a relative's row, "Label(3)" ... "Label(18)".
    static QString relativeLabel(int relative);

    void ClientReport(ReportWriter& report) override;

  private:
    // Questionnaire (FamilySocialSection.cpp)
    void declarePage0();
    void declarePage1();
    void declarePage2();
    void declarePage3();
    void declarePage4();
    void declarePage5();

    // Rules (FamilySocialRules.cpp)
    void declareRules();
    void spreadNoRelative(int cellIndex);
    void maritalStatusChanged(int position);
    void timesMarriedChanged();

    // Section file (FamilySocialFile.cpp)
    void declareFile();

    // Report (FamilySocialReport.cpp)
    void writeReport(ReportWriter& report) const;
    QString familyRows(int from, int to) const;
    QString abuseList() const;
};

}  // namespace yrn
