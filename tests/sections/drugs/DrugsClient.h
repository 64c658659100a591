#pragma once

// A drug row's comment written as a person writes it.

#include "sections/drugs/DrugsSection.h"
#include "support/TestSupport.h"

namespace yrn::test {

// Writes a row's comment as the comment dialog does: the row's button opens it,
// the text is typed, OK.
inline void writeComment(DrugsSection& drugs, int row, const QString& comment) {
    drugs.choose(arr("optDrugComments", row), 0);
    drugs.commentDialog().setComments(comment);
    drugs.commentDialog().OKButton();
}

}  // namespace yrn::test
