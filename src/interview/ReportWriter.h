#pragma once

#include <QString>

namespace yrn {

// Where a section's report narrative puts its texts: RP replaces the first
// remaining "#" + field + "#" placeholder of the report with the value.
class ReportWriter {
  public:
    virtual ~ReportWriter() = default;
    virtual void RP(const QString& field, const QString& value) = 0;
};

}  // namespace yrn
