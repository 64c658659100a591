#pragma once

#include "sections/DeclaredSection.h"

namespace yrn {

class DemographicSection : public DeclaredSection {
  public:
    explicit DemographicSection(Interview& interview);
};

}  // namespace yrn
