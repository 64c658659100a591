#pragma once

#include <functional>

#include "interview/Interview.h"
#include "sections/DeclaredSection.h"

namespace yrn {

// The first section of the interview: when and where the assessment takes place,
// who conducts it, the client's name, addresses and phones, the place of work, two
// contact persons and the interviewer's comments. It also tells the rest of the
// program who the client is (folder name, window caption, report names).
class LocatorSection : public DeclaredSection, public ClientIdentity {
  public:
    explicit LocatorSection(Interview& interview);

    // --- Client identity ---
    // True when the assessment date boxes, the last name and the first name all
    // hold something (blanks count).
    bool CheckSaveValues() const override;
    // Last name, first name, MI, then month-day-year, all as typed. The result is
    // the raw name; whether it is a safe folder name is decided where the folder
    // is made.
    QString YRNDirectory() const override;
    // "  [Last, First MI]", or "" while no last name is typed.
    QString frmMainCaptionName() const override;
    QString FirstName() const override;
    // "First M. Last" (the initial upper-cased), or "First Last" without an initial.
    QString WholeName() const override;
    // "MM/DD/YYYY" as typed.
    QString AssessmentDate() const override;

    void ClientReport(ReportWriter& report) override;

    // Refills the court site list (item code = position); nothing is chosen after.
    void FillSiteList();

  protected:
    void resetAnswers() override;

  private:
    // The question 7 follow-ups, in the order they are closed and opened.
    static const QStringList& workBoxes();

    void declarePages();
    void declareRules();
    void declareFile();
    void checkAssessmentDate();
    void setWorkBoxesApply(bool apply);
    void writeReport(ReportWriter& report) const;
    // Runs an identity function under the pane's error handler; "" when it fails.
    QString identityValue(const QString& site, const std::function<QString()>& value) const;
};

}  // namespace yrn
