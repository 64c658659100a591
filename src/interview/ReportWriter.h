#pragma once

#include <QString>

namespace yrn {

// Where a section's report narrative puts its texts: RP replaces the first
// remaining "#" + field + "#" placeholder of the report with the value.
class ReportWriter {
  public:
    virtual ~ReportWriter() = default;
    virtual void RP(const QString& field, const QString& value) = 0;
    // How many "#" + field + "#" placeholders the report holds: the name and pronoun
    // fields stand in many sentences and are filled as often as they stand there.
    virtual int markers(const QString& field) const = 0;
};

}  // namespace yrn
