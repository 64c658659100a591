#pragma once

#include "sections/DeclaredSection.h"

namespace yrn {

// The medical pane: hospitalizations, chronic problems, eight infectious diseases,
// seizures, medication, a disability pension, smoking, sleeping late, health
// insurance and its kinds, problem days, the client's and the interviewer's
// ratings and the interviewer's comments.
class MedicalSection : public DeclaredSection {
  public:
    explicit MedicalSection(Interview& interview);

    static constexpr int kHealthProblems = 8;  // question 4
    static constexpr int kInsuranceRows = 6;   // question 12; the last is "Other"

    void ClientReport(ReportWriter& report) override;
    // Days in medical treatment with no hospitalization (MedicalReview.cpp).
    QList<ReviewItem> reviewWarnings() const override;
    // An answer to question 11 typed but never left is final once saved.
    bool SaveYRN(const QString& path) override;

  protected:
    void resetAnswers() override;
    void afterLoad() override;

  private:
    // Questionnaire (MedicalSection.cpp)
    void declarePage0();
    void declarePage1();
    void declarePage2();
    void declarePage3();

    // Rules (MedicalRules.cpp)
    void declareRules();
    void insuranceLeft();
    void insuranceFollowsMonths();
    // What question 11 says of the insurance: nothing (empty or not a number), no
    // month (0 by value, however typed), or some months. The rules and the report
    // both go by it.
    enum class Cover { Unanswered, None, Some };
    static Cover cover(const QString& months);

    // Section file (MedicalFile.cpp)
    void declareFile();

    // Report (MedicalReport.cpp)
    QString insurancePrograms() const;
    bool insuranceAnswered() const;
    QString sleepsLateSentence() const;

    // The months of question 11 that question 12 was last settled for: a leave
    // changes question 12 only when the months cross between zero and non-zero.
    QString settledMonths_;
};

}  // namespace yrn
