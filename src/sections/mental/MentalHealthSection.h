#pragma once

#include "sections/DeclaredSection.h"

namespace yrn {

class MentalHealthSection : public DeclaredSection {
  public:
    explicit MentalHealthSection(Interview& interview);
};

}  // namespace yrn
