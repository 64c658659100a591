#pragma once

#include <QString>
#include <functional>
#include <stdexcept>

namespace yrn {

class Prompts;

// A run-time error inside an operation: caught at the operation's boundary and
// shown as "Program Error"; the program goes on.
class ProgramError : public std::runtime_error {
  public:
    explicit ProgramError(const QString& description)
        : std::runtime_error(description.toStdString()) {}
    QString description() const { return QString::fromStdString(what()); }
};

// Where an operation lives, which decides the text of its "Program Error" box.
struct ErrorSite {
    // A procedure of the shared module: "Error in module MainModule." + name.
    static ErrorSite shared(const QString& procedure) { return {"MainModule." + procedure, false}; }
    // A pane or form: "Error in module " + text, CR LF, "Error description:  " + description.
    static ErrorSite module(const QString& text) { return {text, true}; }

    QString text;
    bool withDescription = false;

    QString message(const QString& description) const;
};

// Runs one operation; a ProgramError or any other exception it throws is reported
// through the prompts with the site's text. Returns false when the operation failed.
bool guarded(Prompts& prompts, const ErrorSite& site, const std::function<void()>& operation);

// Shows the "Program Error" box of a site directly.
void reportProgramError(Prompts& prompts, const ErrorSite& site, const QString& description);

}  // namespace yrn
