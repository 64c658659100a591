#pragma once

#include "sections/DeclaredSection.h"

namespace yrn {

class CriminalJusticeSection : public DeclaredSection {
  public:
    explicit CriminalJusticeSection(Interview& interview);
};

}  // namespace yrn
