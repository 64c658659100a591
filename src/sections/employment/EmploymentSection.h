#pragma once

#include "sections/DeclaredSection.h"

namespace yrn {

class EmploymentSection : public DeclaredSection {
  public:
    explicit EmploymentSection(Interview& interview);
};

}  // namespace yrn
