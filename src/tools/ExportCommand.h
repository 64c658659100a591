#pragma once

#include <QString>
#include <QStringList>

namespace yrn {

// "export-csv" and "export-sqlite": the answers of all clients of a program folder.
bool isClientsExportCommand(const QString& command);

// Runs one of them with its arguments (the command first). Exit status: 0 written
// (damaged clients are warned about, not fatal), 1 the program folder could not
// be read or the output not written, 2 wrong arguments (the why is in `why`).
int runClientsExport(const QStringList& args, QString& why);

}  // namespace yrn
