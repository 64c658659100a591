#pragma once

#include "sections/DeclaredSection.h"

namespace yrn {

// The criminal justice pane: whether the criminal justice system prompted the
// admission, probation or parole, charges by kind of crime and convictions, the
// lifetime and last incarceration with its reasons, charges awaited, illegal
// activity for profit, the client's view of the legal problems and the
// interviewer's rating and comments.
class CriminalJusticeSection : public DeclaredSection {
  public:
    explicit CriminalJusticeSection(Interview& interview);

    // The rows of the crime list shared by questions 3, 7 and 9; row 18 is "Other",
    // named by the row's "Specify" box.
    static constexpr int kCrimeRows = 19;
    static constexpr int kOtherRow = 18;

    void ClientReport(ReportWriter& report) override;
    // More convictions than charges (CriminalJusticeReview.cpp).
    QList<ReviewItem> reviewWarnings() const override;

    // The report's lists, as they are filled into the template.
    QString chargesList() const;
    QString incarcerationList() const;
    QString awaitingList() const;

  protected:
    void resetAnswers() override;

  private:
    // Questionnaire (CriminalJusticeSection.cpp)
    void declarePage0();
    void declarePage1();
    void declarePage2();
    void declarePage3();
    void declarePage4();
    void declarePage5();
    void declarePage6();
    void ClearLists();
    void FillLists();

    // Rules (CriminalJusticeRules.cpp)
    void declareRules();
    void declareIncarceration();
    void declareAwaiting();
    void declareCounts();
    void setIncarcerationApplies(int position);

    // Section file (CriminalJusticeFile.cpp)
    void declareFile();

    // Report (CriminalJusticeReport.cpp)
    // The crimes whose "Yes" button of the stem's rows is chosen, in row order.
    QString reasonsList(const QString& stem, const QString& specify) const;
    bool reasonAnswered(const QString& stem) const;
};

}  // namespace yrn
