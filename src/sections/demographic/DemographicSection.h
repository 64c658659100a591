#pragma once

#include <QStringList>
#include <optional>

#include "interview/Interview.h"
#include "sections/DeclaredSection.h"

namespace yrn {

class SectionReader;

// The demographic pane: birth date, gender (the source of every pronoun of the
// report), origin, race, language, religion, controlled environments, pregnancies,
// the children table and the other children the client cares for.
class DemographicSection : public DeclaredSection, public Pronouns, public ControlledEnvironment {
  public:
    explicit DemographicSection(Interview& interview);

    static constexpr int kChildRows = 10;

    // Live births of "0" or "00" skip the children page, going forward and back.
    int nextPage(int page) const override;
    int backPage(int page) const override;

    void ClientReport(ReportWriter& report) override;
    // Child rows answered past the number of children (DemographicReview.cpp).
    QList<ReviewItem> reviewWarnings() const override;
    // The children count typed last is final once the client is saved.
    bool SaveYRN(const QString& path) override;

    // month + "-" + day + "-" + year, as typed.
    QString BirthDate() const;
    // The race as it reads in a report sentence; "" when none was chosen.
    QString GetRace() const;
    // The days in jail during the past 30 days, as typed.
    QString JailDays() const override;
    bool NotInControlledEnvironment() const override;

    QString himherself() const override;
    QString hisher() const override;
    QString HisHerC() const override;
    QString himher() const override;
    QString heshe() const override;
    QString HeSheC() const override;

    // The client's age in completed years on the assessment date ("MM/DD/YYYY");
    // none when either date is missing or impossible, 0 when the birth date is later.
    std::optional<int> Age() const;

    // The ids of the eight answers of a children-table row, in file order.
    static QStringList childRowFields(int row);

  protected:
    void resetAnswers() override;

  private:
    // Rows from this one on are closed by a children count still being typed but
    // keep their answers until the count is final.
    int heldFrom_ = kChildRows;
    // The pregnancies were changed to "0" by the person since the box was entered.
    bool pregnanciesTurnedZero_ = false;
    // Questionnaire (DemographicSection.cpp)
    void declarePage0();
    void declarePage1();
    void declarePage2();
    void declarePage3();
    void declarePage4();
    void ClearLists();
    void FillLists();

    // Rules (DemographicRules.cpp)
    void declareRules();
    void declareAdvances();
    void declareChecks();
    void declareDateChecks();
    void declareControlledEnvironment();
    void declarePregnancies();
    void declareChildren();
    void declareOtherChildren();
    void checkDate(const QString& month, const QString& day, const QString& year);
    bool liveBirthsZero() const;
    void resetChildrenPage();
    void applyChildCount(bool final);
    void finishChildCount();
    void closeChildRows();
    void openChildRow(int row);
    void holdChildRow(int row);
    void clearChildRow(int row);
    void emptyChildRow(int row);

    // Section file (DemographicFile.cpp)
    void declareFile();
    void readRace(SectionReader& reader, bool last);
    void readEthnicity(SectionReader& reader, bool last);

    // Report (DemographicReport.cpp)
    // The number typed in the children box: nullopt when it is empty or not a number.
    std::optional<int> childCount() const;
    QString childChartRow(int row) const;
    std::optional<QString> controlledEnvironments() const;
    QString pronoun(const QString& male, const QString& female) const;

    // Whether the file being read carries the ethnicity answer after its other
    // fields; decided by the race field.
    bool readEthnicity_ = true;
};

}  // namespace yrn
