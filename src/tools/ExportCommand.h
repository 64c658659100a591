#pragma once

#include <QString>
#include <QStringList>

namespace yrn {

// "export-csv", "export-sqlite" and "sync": the answers of all clients of a program
// folder, to a CSV file or a database.
bool isClientsExportCommand(const QString& command);

// Runs one of them with its arguments (the command first). Exit status: 0 written
// (damaged clients are warned about, not fatal; sync skips them), 1 the program
// folder could not be read, a client was left out or the output not written, 2
// wrong arguments (the why is in `why`) or a database that cannot be reached.
int runClientsExport(const QStringList& args, QString& why);

}  // namespace yrn
