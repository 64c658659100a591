#include "interview/AtomicFile.h"

#include <QFile>
#include <QSaveFile>

namespace yrn {

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    const auto fail = [&](const QString& why) {
        if (error) *error = why;
        file.cancelWriting();
        return false;
    };
    // Unbuffered, so that a short write (a full disk, a file-size limit) shows in
    // write()'s count: a buffered one reports every byte taken and commit() then
    // renames the cut-off file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail(file.errorString());
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(bytes) != bytes.size()) return fail(file.errorString());
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}

}  // namespace yrn
