#pragma once

#include <QByteArray>
#include <QString>

namespace yrn {

// Writes a file through a temporary file in the same folder that is renamed over
// the old one, so a crash, a kill or a full disk never leaves half a file. The
// file is readable by its owner only: client answers and reports are confidential.
// False (and why) when it could not be written; the old file is then untouched.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

}  // namespace yrn
