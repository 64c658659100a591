#pragma once

#include <QString>
#include <QStringList>

#include "sections/DeclaredSection.h"
#include "sections/drugs/DrugCommentDialogModel.h"

namespace yrn {

// The drug and alcohol pane: the substance table with a comment per substance,
// the major problem substance and the last abstinence from it, delirium tremens
// and overdoses, treatment for alcohol and for drug abuse, self-help meetings,
// money spent, problem days, the client's and the interviewer's ratings, and the
// interviewer's comments.
class DrugsSection : public DeclaredSection {
  public:
    explicit DrugsSection(Interview& interview);

    // Page 2 holds the comment boxes and is never shown by Next and Back.
    int nextPage(int page) const override;
    int backPage(int page) const override;

    void ClientReport(ReportWriter& report) override;
    // Treatments of a kind above those they are part of (DrugsReview.cpp).
    QList<ReviewItem> reviewWarnings() const override;

    // The comment dialog; a row's "Comments" button opens it.
    DrugCommentDialogModel& commentDialog() { return commentDialog_; }
    const DrugCommentDialogModel& commentDialog() const { return commentDialog_; }
    // OK in the comment dialog: row DIndex takes the comment and the label
    // caption; its "Comments" button can be clicked again and shows whether a
    // comment is stored.
    void ReturnComments(const QString& DComments, const QString& DLabel, int DIndex);
    // Cancel in the comment dialog: the row keeps its comment.
    void CancelledComments(int N);
    // Whether row i's "Comments" button shows a stored comment (blue).
    bool commentIndicator(int i) const;

    // The five fields of substance row i, in file order: ever used, age of first
    // use, days in the past 30, years in the lifetime, comment.
    static QStringList rowFields(int i);

  protected:
    void resetAnswers() override;

  private:
    // Questionnaire (DrugsSection.cpp)
    void declareTable();
    void declarePage1();
    void declarePage2();
    void declarePage5();
    void declarePage6();
    void declarePage7();
    void declarePage8();
    void ClearDrugLists();
    void FillDrugLists();

    // Rules (DrugsRules.cpp)
    void declareRules();
    void declareChecks();
    void declareRowRules(int i);
    void declareAbstinence();
    void declareTreatment();
    void declareMeetings();
    void showCommentIndicator(int i);
    void applyOutpatientSetting();
    void checkRow(int i) const;

    // Section file (DrugsFile.cpp)
    void declareFile();

    // Report (DrugsReport.cpp)
    void writeReport(ReportWriter& report) const;
    QString drugChart() const;
    QString drugComments() const;

    DrugCommentDialogModel commentDialog_{*this};
};

}  // namespace yrn
