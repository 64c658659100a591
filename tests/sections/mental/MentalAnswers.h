#pragma once

// A mental health pane answered in full, the interviewer ratings and final
// comments included.

#include "sections/ClientFixture.h"

namespace yrn::test {

inline void answerMental(Section& mh) {
    // Past 30 days: anxiety only; lifetime: depression and anxiety; emotional
    // abuse "A little".
    answer(mh,
           steps("optOutpatient=1;txtTimesTreated=0;optPrescMed=1;"
                 "txtMedicationPrescribed:=sertraline;optPrescMed30D=1;"
                 "txtMedicationPrescribed30:=sertraline, trazodone;optPension=0;"
                 "optSymptoms(0)=0;optSymptoms(1)=1;optSymptoms(2)=0;optSymptoms(3)=0;"
                 "optSymptoms(4)=0;optSymptoms(5)=0;optSymptoms(6)=0;optSymptoms(7)=0;"
                 "optSymptoms(8)=1;optSymptoms(9)=1;optSymptoms(10)=0;optSymptoms(11)=0;"
                 "optSymptoms(12)=0;optSymptoms(13)=0;optSymptoms(14)=0;optSymptoms(15)=0;"
                 "cboPastExperiences(0)=1;cboPastExperiences(1)=2;cboPastExperiences(2)=0;"
                 "cboPastExperiences(3)=3;txtProblemsDays=4;cboPsychologicalTroubled=2;"
                 "cboPsychologicalTreatment=3;cboNeedPsycTreatment=4;"
                 "txtMentalHealthComments:=Sees a counselor monthly.;txtTimeEndedHours=3;"
                 "txtTimeEndedMinutes=45;optAMPM=1;optIntRatings(0)=0;optIntRatings(1)=0;"
                 "optIntRatings(2)=1;optIntRatings(3)=0;optIntRatings(4)=0;optIntRatings(5)=0;"
                 "optIntRatings(6)=0;optIntRatings(7)=1;"
                 "txtFinalComments:=client engaged well and asked about program requirements."));
}

}  // namespace yrn::test
