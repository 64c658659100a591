#pragma once

#include <QDialog>
#include <QHash>
#include <QModelIndex>
#include <QString>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QThread;
class QTreeView;

namespace yrn {

class ClientIndex;
class ClientMatchModel;
class FolderLine;
class Prompts;
class SectionFolderModel;

// The open-client dialog: a volume chooser and a folder tree that lists the
// folders of one folder, at first the program folder's client folders, newest
// first (folders that hold section files are shown in bold with a count); Up
// and Backspace list the folder above. The buttons are Load Assessment, Cancel
// and New Assessment. Above the tree a search box finds the client folders of
// the program folder by name or date; choosing one selects it in the tree. The
// dialog only shows and asks; the main window does the opening, since it owns
// the client.
class ClientDialog : public QDialog {
    Q_OBJECT
  public:
    ClientDialog(QString programFolder, Prompts& prompts, QWidget* parent = nullptr);
    ~ClientDialog() override;

    // The folder chosen in the tree; the listed folder while no row is chosen.
    QString currentFolder() const { return folder_; }
    // Chooses a folder: one in the program folder is chosen among the program
    // folder's own, another among the folders beside it.
    void setCurrentFolder(const QString& folder);
    // The folder whose folders the tree lists at its top level.
    QString listedFolder() const { return listed_; }
    // How the folder tree counts a folder's section files (the open's own rule).
    using SectionCounter = std::function<int(const QString& folder)>;
    void setSectionCounter(SectionCounter counter);
    // The section files that make a folder a client folder for the search (any
    // "*.yrn" file until told).
    void setSectionFileNames(const QStringList& names);
    // Offers New Assessment (first showing after start-up) or Cancel instead.
    void offerNewAssessment(bool offer);

    QPushButton* loadButton() const { return load_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* newButton() const { return new_; }
    QPushButton* upButton() const { return up_; }
    QComboBox* volumes() const { return volumes_; }
    QTreeView* folders() const { return tree_; }
    QLineEdit* searchBox() const { return search_; }
    QListView* searchResults() const { return results_; }
    // Whether the search has the client folders read since the dialog was shown.
    bool clientsRead() const;

    // A volume chosen in the chooser; "Drive Error" when it cannot be read.
    void chooseVolume(int index);

  signals:
    void loadRequested(const QString& folder);
    void newRequested();
    void cancelRequested();

  protected:
    // The window's close control and Escape act as Cancel.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;
    void showEvent(QShowEvent* event) override;

  private:
    void fillVolumes();
    // Lists the folders of `listed` and chooses `chosen`, one of them or `listed`.
    void list(const QString& listed, QString chosen);
    void goUp();
    // Enter or a double click on a row: a client folder is loaded, another listed.
    void openRow(const QModelIndex& index);
    void keepInSight(const QModelIndex& index);
    void describeFolder();
    void search(const QString& query);
    void startReading();
    void chooseResult(int row);

    QString programFolder_;
    Prompts& prompts_;
    QString folder_;
    QString listed_;
    int volume_ = -1;
    bool following_ = true;  // keep the chosen folder in sight while the tree loads
    QComboBox* volumes_;
    QLineEdit* search_;
    QListView* results_;
    ClientMatchModel* matches_;
    QLabel* found_;
    std::unique_ptr<ClientIndex> index_;
    // The client folders are read by a thread of their own into a copy of the index,
    // which replaces index_ when the reading ends; a showing during a reading has
    // them read once more after it.
    QThread* reading_ = nullptr;
    bool readAgain_ = false;
    QPushButton* up_;
    FolderLine* listedLine_;
    QTreeView* tree_;
    SectionFolderModel* model_;
    QLabel* status_;
    QPushButton* load_;
    QPushButton* cancel_;
    QPushButton* new_;
};

}  // namespace yrn
