#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "records/RecoveryCopy.h"

class QLockFile;

namespace yrn {

class ClientFolder;
class Interview;
class SavedAnswers;

// Keeps a recovery copy of the interview on screen while its answers differ from
// the ones last saved, opened or reset, so that a crash, a killed session or a
// power cut does not cost them. The copy lies in a folder of the user's own,
// readable by the owner only, and is written atomically: a short while after
// the last change (and during steady typing at least every few such whiles),
// and whenever a page comes on screen after a change. A complete save, a new
// client, an open and a confirmed exit remove it.
//
// Each running program holds a lock beside its copy, so a second program started
// meanwhile leaves the first one's copy alone; a copy whose program is gone is
// offered at the next start.
class Recovery : public QObject {
    Q_OBJECT
  public:
    // The user's own folder for recovery copies: the application data location
    // + "/recovery"; "" when the system names none.
    static QString defaultFolder();

    Recovery(Interview& interview, ClientFolder& clients, const SavedAnswers& saved, QString folder,
             QObject* parent = nullptr);
    ~Recovery() override;
    Recovery(const Recovery&) = delete;
    Recovery& operator=(const Recovery&) = delete;

    // At start-up, with a new client on screen: offers each copy left by a program
    // that ended without saving, newest first ("Restore it?"). Yes restores it (the
    // copy stays until the client is saved), No removes it. From then on the
    // answers are watched. True when a copy was restored.
    //
    // Only what this program writes is trusted: a folder of the user's own that
    // nobody else may reach (otherwise a box says why and nothing is offered), and in
    // it regular files of the user's, not links, under the names the program gives.
    // Whatever the folder holds, a start looks at a bounded number of its entries
    // and offers at most kMostOffered copies, the newest; the others wait for later
    // starts.
    bool offer();
    static constexpr int kMostOffered = 20;
    // Where the restored interviewer was; no module when the copy did not say.
    const RecoveryPlace& restoredPlace() const { return restoredPlace_; }
    // Tells where the interviewer is, for the copy.
    void setPlaceSource(std::function<RecoveryPlace()> source) { placeSource_ = std::move(source); }

    // Writes the copy now if answers changed since the last write, or removes it
    // when they are back to the ones last saved, opened or reset.
    void checkpoint();
    // Keeps the answers on screen in a copy of their own that no running program
    // holds, so that the next start offers it; for answers about to be replaced
    // by an open. False (after a box saying why) when it could not be written.
    bool setAside();
    // The confirmed exit: the copy goes and nothing more is written.
    void discard();

    // Milliseconds of quiet after a change before the copy is written (two
    // seconds); during steady typing it is written at least every five of them.
    void setInterval(int milliseconds);
    int interval() const { return interval_; }
    const QString& folder() const { return folder_; }
    // This program's copy, once it has one ("" before).
    QString copyPath() const;
    // Copies written by this program so far.
    int writes() const { return writes_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void changed();
    void pageShown();
    void clientEvent();
    void write(const RecoveryCopy& copy);
    // The box: what could not be done, in the program's words ("" for no more than
    // that the copy could not be written), and the system's reason.
    void writeFailed(const QString& cause, const QString& detail);
    void removeCopy();
    bool makeFolder(QString* cause, QString* detail) const;
    bool takeSlot(QString* detail);
    QString pathOf(const QString& slot, const char* suffix) const;
    // The copies in the open folder that may be offered, newest first, as slot
    // names; locks left without a copy are cleared on the way.
    QStringList leftCopies(int folder) const;
    // The lock of a slot, when no running program holds it. A lock file that is not
    // a small regular file of the user's is never handed to QLockFile (which would
    // read it, and follow a link); its slot is passed over.
    std::unique_ptr<QLockFile> lockSlot(const QString& slot, QString* detail = nullptr) const;
    void dropSlot(const QString& slot, QLockFile& lock) const;
    std::optional<RecoveryCopy> read(const QString& slot) const;
    void restore(const RecoveryCopy& copy);

    Interview& interview_;
    ClientFolder& clients_;
    const SavedAnswers& saved_;
    QString folder_;
    QList<int> observers_;
    int clientObserver_ = 0;
    std::function<RecoveryPlace()> placeSource_;
    RecoveryPlace restoredPlace_;
    QTimer timer_;
    QElapsedTimer pendingSince_;  // the first change not yet in a copy
    int interval_;
    QString slot_;
    std::unique_ptr<QLockFile> lock_;
    bool watching_ = false;
    bool pending_ = false;     // answers changed since the last write
    bool copyOnDisk_ = false;  // this program's copy is on disk
    RecoveryPlace writtenPlace_;
    bool failing_ = false;  // the last write failed and was reported
    int writes_ = 0;
};

}  // namespace yrn
