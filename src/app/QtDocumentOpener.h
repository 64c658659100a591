#pragma once

#include "report/ReportAssembly.h"

namespace yrn {

// Opens documents through the desktop's open-document service. Answers like the
// shell: 2 when the file does not exist, 31 when no application would take it,
// 42 on success.
class QtDocumentOpener : public DocumentOpener {
  public:
    int open(const QString& path) override;
};

}  // namespace yrn
