#pragma once

#include "sections/DeclaredSection.h"

namespace yrn {

class FamilySocialSection : public DeclaredSection {
  public:
    explicit FamilySocialSection(Interview& interview);
};

}  // namespace yrn
