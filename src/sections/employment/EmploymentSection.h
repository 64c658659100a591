#pragma once

#include "sections/DeclaredSection.h"

namespace yrn {

// The education and employment pane: schooling, profession, driver's license and
// car, the current or last job, support, the employment pattern, income by source,
// dependants, money owed, problem days, the client's and the interviewer's ratings
// and the interviewer's comments. Its pages are 1 to 6; there is no page 0.
class EmploymentSection : public DeclaredSection {
  public:
    explicit EmploymentSection(Interview& interview);

    static constexpr int kMoneySources = 8;   // question 18
    static constexpr int kDebts = 5;          // questions 20 to 24; the last is "other"
    static constexpr int kNeverHadAJob = 14;  // the position in the job types

    void ClientReport(ReportWriter& report) override;

  protected:
    void resetAnswers() override;

  private:
    // Questionnaire (EmploymentSection.cpp)
    void declarePage1();
    void declarePage2();
    void declarePage3();
    void declarePage4();
    void declarePage5();
    void declarePage6();
    void ClearEmploymentLists();
    void FillEmploymentLists();

    // Rules (EmploymentRules.cpp)
    void declareRules();
    void declareChecks();
    void reopen(const QString& id);

    // Section file (EmploymentFile.cpp)
    void declareFile();

    // Report (EmploymentReport.cpp)
    QString professionalSkill() const;
    std::pair<QString, QString> jobSentences() const;
    QString moneySources() const;
    QString amountOwed() const;
};

}  // namespace yrn
