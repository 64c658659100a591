#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <utility>

class QLockFile;

namespace yrn {

class Interview;

// The client operations: a new client, saving the client on screen to its client
// folder, and opening a client folder. The program folder is passed in; nothing
// here relies on the process's current folder.
class ClientFolder {
  public:
    ClientFolder(Interview& interview, QString programFolder);
    ~ClientFolder();
    ClientFolder(const ClientFolder&) = delete;
    ClientFolder& operator=(const ClientFolder&) = delete;

    // Whether the client on screen is marked as in use in its folder (the window's
    // clients are; yrn-tool only reads). The mark is taken when a client is opened
    // or first saved and let go by a new client, another open and the end of the
    // program. Opening a client another program has open asks first: "Open
    // read-only" (a save then asks before replacing their answers) or Cancel; a mark
    // whose program is gone (on this computer) or older than a day (on another) is
    // taken over after a question.
    bool holdsClients = false;
    bool holdsMark() const { return inUse_ != nullptr; }

    const QString& programFolder() const { return programFolder_; }

    // What became of the answers on screen: reset for a new client, saved in full,
    // or read from a client folder. Told to whoever keeps track of unsaved answers
    // (the window's unsaved mark and its recovery copy), in the order they asked.
    enum class Event { Reset, Saved, Opened };
    int observe(std::function<void(Event)> observer);
    void unobserve(int id);

    // Resets every section for a new client, with the client-loading flag set.
    // (Showing the locator pane is the window's part.)
    void NewClientYRN();

    struct SaveOutcome {
        bool identityMissing = false;  // name or assessment date missing: nothing written
        bool allWritten = false;       // all eight section files are on disk
        QStringList notSaved;          // the files (or the folder) that could not be written
        QString folder;                // the client folder
        bool cancelled = false;        // the interviewer chose not to replace what is there
        bool openTheirs = false;       // ... and to open the files another program saved
    };
    // Saves the eight section files into programFolder/YRNDirectory. A missing
    // name or date gives the "Save Error" notice of a missing name; an unsafe
    // folder name, a folder that cannot be made or is a link, and a file that
    // cannot be written or is a link give a "Save Error" box naming what was not
    // saved and why. The files are replaced together or not at all, also when two
    // programs save the same client at once or the program is killed while saving.
    // Section files the answers on screen were not opened from or last saved as (a
    // new client of the same name and date, or a save by another program since) are
    // not replaced without a question: Replace or Cancel for a folder the answers
    // did not come from; Overwrite, Open theirs or Cancel for one that changed.
    SaveOutcome SaveClientYRN();

    // The client folder of the client on screen: programFolder/YRNDirectory.
    QString clientFolderPath() const;

    // See interview/FolderName.h.
    static bool isSafeFolderName(const QString& name);

    struct SectionFile {
        QString module;  // the section that reads it
        QString path;    // the file's actual path
    };
    // The section files a folder holds, recognised without regard to case, in name
    // order; where two names differ only in case the one spelled as the program
    // writes it wins.
    QList<SectionFile> sectionFiles(const QString& folder) const;

    struct OpenOutcome {
        bool found = false;      // at least one section file was read
        QStringList incomplete;  // section files that loaded incompletely
        QStringList unreadable;  // ... of them those that could not be read at all
    };
    // Opens a client folder: looks for section files first (none: "Invalid
    // directory", and the client on screen stays untouched); then resets for a new
    // client and reads each file with the client-loading flag set. The files read are
    // all of one save, whatever another program's save does meanwhile: a program that
    // holds clients first finishes or undoes a save that was killed; one that only
    // reads (yrn-tool) changes nothing and reads what such a save committed. After
    // files that loaded incompletely one information box names them.
    OpenOutcome openClient(const QString& folder);

    // The steps of a save, told to saveStep as each is done (tests pause a save
    // there to let another program in between).
    enum class SaveStep { Locked, Staged, Committed };
    std::function<void(SaveStep)> saveStep;
    // How long a save or an open waits for another program's save of the same
    // client folder to end.
    int saveLockWaitMs = 10000;

  private:
    // What a section file was when the answers on screen were read from it or
    // saved to it: enough to see that another program has saved it since.
    struct FileMark {
        qint64 size = -1;
        QByteArray hash;
        QDateTime modified;
        bool operator==(const FileMark& other) const {
            return size == other.size && hash == other.hash;
        }
    };
    using FolderMarks = QMap<QString, FileMark>;  // by the section's module
    FolderMarks marksOf(const QString& folder) const;
    bool takeMark(const QString& folder, bool ask, std::unique_ptr<QLockFile>& taken);
    // Who holds a folder's in-use mark, as a sentence's end ("Pat on host desk-2,
    // process 4711, since 12/08/2026 9:14 AM"), and its process and computer; "" when
    // no one does.
    QString holderOf(const QString& folder, qint64* pid = nullptr, QString* host = nullptr) const;
    bool mayReplace(SaveOutcome& outcome, const FolderMarks& found);

    void saveSections(SaveOutcome& outcome);
    void finishInterruptedSaves(const QString& folder) const;
    QList<std::pair<QString, QList<std::pair<QString, QString>>>> commitRecords(
        const QString& folder) const;
    QByteArray folderState(const QString& folder, const QList<SectionFile>& files) const;
    bool isSectionFileName(const QString& name) const;
    void tell(Event event) const;

    Interview& interview_;
    QString programFolder_;
    QString knownFolder_;  // the client folder the answers on screen came from or went to
    FolderMarks known_;    // its section files then
    std::unique_ptr<QLockFile> inUse_;  // the in-use mark of its folder, when held
    QString inUsePath_;                 // that mark's file
    QList<std::pair<int, std::function<void(Event)>>> observers_;
    int lastObserver_ = 0;
};

}  // namespace yrn
