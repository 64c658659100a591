#pragma once

#include "sections/DeclaredSection.h"

namespace yrn {

class LocatorSection : public DeclaredSection {
  public:
    explicit LocatorSection(Interview& interview);
};

}  // namespace yrn
