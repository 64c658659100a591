#pragma once

#include "sections/DeclaredSection.h"

namespace yrn {

class MedicalSection : public DeclaredSection {
  public:
    explicit MedicalSection(Interview& interview);
};

}  // namespace yrn
