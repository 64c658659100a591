#pragma once

#include "sections/DeclaredSection.h"

namespace yrn {

class DrugsSection : public DeclaredSection {
  public:
    explicit DrugsSection(Interview& interview);
    // Page 2 holds the comment boxes and is never shown by Next and Back.
    int nextPage(int page) const override;
    int backPage(int page) const override;
};

}  // namespace yrn
