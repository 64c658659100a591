#pragma once

#include <QString>
#include <QStringList>

namespace yrn {

// "check": the completeness review of client folders (interview/Review.h).
bool isCheckCommand(const QString& command);

// Runs "check [--json] <client-folder>..." (the command first): every folder is
// read as the open-client dialog reads it and reviewed, one after another; a
// damaged folder never stops the others. Exit status: 0 every client complete
// (warnings do not count), 1 a client has unanswered questions, 2 a folder is
// damaged or unreadable (no section file, or a file that did not load in full),
// the listing could not be written, or the arguments are wrong (the why is in
// `why`).
int runCheck(const QStringList& args, QString& why);

}  // namespace yrn
