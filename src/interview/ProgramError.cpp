#include "interview/ProgramError.h"

#include <exception>

#include "interview/Prompts.h"

namespace yrn {

QString ErrorSite::message(const QString& description) const {
    QString out = "Error in module " + text;
    if (withDescription) out += "\r\nError description:  " + description;
    return out;
}

void reportProgramError(Prompts& prompts, const ErrorSite& site, const QString& description) {
    prompts.critical("Program Error", site.message(description));
}

bool guarded(Prompts& prompts, const ErrorSite& site, const std::function<void()>& operation) {
    try {
        operation();
        return true;
    } catch (const ProgramError& error) {
        reportProgramError(prompts, site, error.description());
    } catch (const std::exception& error) {
        reportProgramError(prompts, site, QString::fromLocal8Bit(error.what()));
    }
    return false;
}

}  // namespace yrn
