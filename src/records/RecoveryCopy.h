#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

namespace yrn {

class ClientFolder;
class Interview;

// Where the interviewer was: a section (its module name) and its page.
struct RecoveryPlace {
    QString module;
    int page = -1;
    bool operator==(const RecoveryPlace&) const = default;
};

// What a recovery copy holds: when it was written, whose interview it is, where
// the interviewer was, and the content of every section file as the section's
// declared layout writes it. So a section added to the interview is kept and
// restored without further code.
struct RecoveryCopy {
    QDateTime written;
    QString name;                                 // the client's whole name; "" when none is typed
    QList<std::pair<QString, QByteArray>> files;  // section file name, content
    RecoveryPlace place;                          // no module: not known (an older copy)

    // The section files of the answers on screen, in interview order.
    static QList<std::pair<QString, QByteArray>> filesOf(const Interview& interview);

    QByteArray encode() const;
    // Nothing for bytes that are not one whole copy.
    static std::optional<RecoveryCopy> decode(const QByteArray& bytes);

    // Reads the copy into the interview as an open reads a client folder: a reset
    // for a new client, then the section files in name order with the
    // client-loading flag set. Returns the files that were not read in full.
    QStringList restoreInto(Interview& interview, ClientFolder& clients) const;

    // Larger copies are not read.
    static constexpr qint64 kMaxBytes = 64 * 1024 * 1024;
    // A copy whose name line holds more is damaged; a longer name is cut when written.
    static constexpr qsizetype kMaxNameBytes = 1024;
};

}  // namespace yrn
