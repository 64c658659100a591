#include "sections/Sections.h"

#include "sections/criminal/CriminalJusticeSection.h"
#include "sections/demographic/DemographicSection.h"
#include "sections/drugs/DrugsSection.h"
#include "sections/employment/EmploymentSection.h"
#include "sections/family/FamilySocialSection.h"
#include "sections/locator/LocatorSection.h"
#include "sections/medical/MedicalSection.h"
#include "sections/mental/MentalHealthSection.h"

namespace yrn {

std::unique_ptr<Interview> makeInterview(Prompts& prompts) {
    auto interview = std::make_unique<Interview>(prompts);
    Interview& i = *interview;
    auto& locator = static_cast<LocatorSection&>(i.add(std::make_unique<LocatorSection>(i)));
    auto& demographic =
        static_cast<DemographicSection&>(i.add(std::make_unique<DemographicSection>(i)));
    i.add(std::make_unique<MedicalSection>(i));
    i.add(std::make_unique<EmploymentSection>(i));
    i.add(std::make_unique<DrugsSection>(i));
    i.add(std::make_unique<CriminalJusticeSection>(i));
    i.add(std::make_unique<FamilySocialSection>(i));
    i.add(std::make_unique<MentalHealthSection>(i));
    i.setIdentity(dynamic_cast<const ClientIdentity*>(&locator));
    i.setPronouns(dynamic_cast<const Pronouns*>(&demographic));
    i.setEnvironment(dynamic_cast<const ControlledEnvironment*>(&demographic));
    return interview;
}

}  // namespace yrn
