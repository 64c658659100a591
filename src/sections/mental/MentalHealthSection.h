#pragma once

#include <QString>

#include "sections/DeclaredSection.h"

namespace yrn {

// The last section: psychiatric treatment, medication, pension, symptoms in the
// client's lifetime and in the past 30 days, past experiences that still bother the
// client, the client's view of psychological problems and the interviewer's rating
// and comments; then the interviewer ratings page (page 4, with a caption of its own)
// and the closing page, whose buttons end the interview (the window carries them out).
class MentalHealthSection : public DeclaredSection {
  public:
    explicit MentalHealthSection(Interview& interview);

    static constexpr int kSymptomRows = 8;
    static constexpr int kPastExperienceRows = 4;
    static constexpr int kRatingRows = 8;
    // The row labels of questions 6 and 7 in the pane's label array: "Label(17)" on.
    static constexpr int kFirstSymptomLabel = 17;
    static constexpr int kFirstExperienceLabel = 28;

    void ClientReport(ReportWriter& report) override;
    // The past 30 days above the lifetime (MentalHealthReview.cpp).
    QList<ReviewItem> reviewWarnings() const override;

  private:
    // Questionnaire (MentalHealthSection.cpp)
    void declarePage0();
    void declarePage1();
    void declarePage2();
    void declarePage3();
    void declarePage4();
    void declarePage5();

    // Rules (MentalHealthRules.cpp)
    void declareRules();

    // Section file (MentalHealthFile.cpp)
    void declareFile();

    // Report (MentalHealthReport.cpp)
    void writeReport(ReportWriter& report) const;
    QString symptomList(int firstGroup) const;
    bool pastExperienceAnswered() const;
    QString pastExperiences() const;
    QString pastExperienceDegrees() const;
};

}  // namespace yrn
