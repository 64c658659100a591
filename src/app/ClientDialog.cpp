#include "app/ClientDialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QResizeEvent>
#include <QStorageInfo>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <memory>
#include <utility>

#include "app/ClientSearch.h"
#include "interview/Prompts.h"

namespace yrn {

namespace {

// The folder model's column of modification times.
constexpr int kModifiedColumn = 3;

QString cleanFolder(const QString& folder) {
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

}  // namespace

// The folder being listed, shortened in the middle when the dialog is narrow;
// the tip holds it whole.
class FolderLine : public QLabel {
  public:
    explicit FolderLine(QWidget* parent) : QLabel(parent) {
        setTextFormat(Qt::PlainText);
        // The dialog's width decides, not the length of the path.
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    void setFolder(const QString& path) {
        full_ = path;
        setToolTip(path);
        elide();
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        elide();
    }

  private:
    void elide() { setText(fontMetrics().elidedText(full_, Qt::ElideMiddle, width())); }
    QString full_;
};

// The folder tree's model: folders only, and a folder that holds section files
// stands out (bold, in the highlight colour, with a count in its tip), so that
// a client is found at a glance.
class SectionFolderModel : public QFileSystemModel {
  public:
    using QFileSystemModel::QFileSystemModel;

    // The section files of a folder, counted as an open would recognise them; until
    // the window says how, every "*.yrn" file (in any letter case) counts.
    int sectionFileCount(const QString& folder) const {
        if (counter_) return counter_(folder);
        return static_cast<int>(
            QDir(folder).entryList({QStringLiteral("*.yrn")}, QDir::Files | QDir::Hidden).size());
    }
    void setCounter(ClientDialog::SectionCounter counter) {
        counter_ = std::move(counter);
        forget();
    }

    void forget() { counts_.clear(); }

    QVariant data(const QModelIndex& index, int role) const override {
        if (index.column() == 0 &&
            (role == Qt::FontRole || role == Qt::ForegroundRole || role == Qt::ToolTipRole)) {
            const int count = countFor(filePath(index));
            if (count > 0) {
                if (role == Qt::FontRole) {
                    QFont font;
                    font.setBold(true);
                    return font;
                }
                if (role == Qt::ForegroundRole) return QColor(0, 70, 150);
                return tr("Client folder: %n section file(s)", nullptr, count);
            }
        }
        return QFileSystemModel::data(index, role);
    }

  private:
    int countFor(const QString& path) const {
        const auto it = counts_.constFind(path);
        if (it != counts_.cend()) return it.value();
        const int count = sectionFileCount(path);
        counts_.insert(path, count);
        return count;
    }
    mutable QHash<QString, int> counts_;
    ClientDialog::SectionCounter counter_;
};

// The client folders the search found: name and the time of their files.
class ClientMatchModel : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;

    void setMatches(QList<ClientMatch> matches) {
        beginResetModel();
        matches_ = std::move(matches);
        endResetModel();
    }
    QString path(int row) const {
        return row >= 0 && row < matches_.size() ? matches_.at(row).path : QString();
    }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(matches_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= matches_.size()) return {};
        const ClientMatch& match = matches_.at(index.row());
        if (role == Qt::DisplayRole)
            return match.name + QStringLiteral("    ") +
                   match.time.toString(QStringLiteral("MM/dd/yyyy hh:mm"));
        if (role == Qt::ToolTipRole) return QDir::toNativeSeparators(match.path);
        return {};
    }

  private:
    QList<ClientMatch> matches_;
};

ClientDialog::ClientDialog(QString programFolder, Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      programFolder_(cleanFolder(programFolder)),
      prompts_(prompts),
      index_(std::make_unique<ClientIndex>()) {
    setObjectName(QStringLiteral("frmDialog"));
    setWindowTitle(QStringLiteral("QMT-YRN Client Assessments"));
    setModal(false);
    resize(560, 520);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    auto* volumeRow = new QHBoxLayout();
    auto* volumeLabel = new QLabel(tr("Drive:"), this);
    volumes_ = new QComboBox(this);
    volumes_->setObjectName(QStringLiteral("drvYRN"));
    volumeLabel->setBuddy(volumes_);
    volumeRow->addWidget(volumeLabel);
    volumeRow->addWidget(volumes_, 1);
    layout->addLayout(volumeRow);

    auto* searchRow = new QHBoxLayout();
    auto* searchLabel = new QLabel(tr("&Find client:"), this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("txtFindClient"));
    search_->setPlaceholderText(tr("part of a last or first name, or a date"));
    searchLabel->setBuddy(search_);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search_, 1);
    layout->addLayout(searchRow);
    matches_ = new ClientMatchModel(this);
    results_ = new QListView(this);
    results_->setObjectName(QStringLiteral("lstFoundClients"));
    results_->setModel(matches_);
    results_->setUniformItemSizes(true);
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->setMaximumHeight(results_->fontMetrics().height() * 8);
    results_->hide();
    layout->addWidget(results_);
    found_ = new QLabel(this);
    found_->setTextFormat(Qt::PlainText);
    found_->hide();
    layout->addWidget(found_);

    auto* hint = new QLabel(QStringLiteral("Select clients folder"), this);
    layout->addWidget(hint);
    auto* listedRow = new QHBoxLayout();
    up_ = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogToParent), tr("&Up"), this);
    up_->setObjectName(QStringLiteral("cmdUpFolder"));
    up_->setToolTip(tr("List the folder above (Backspace)"));
    listedLine_ = new FolderLine(this);
    listedRow->addWidget(up_);
    listedRow->addWidget(listedLine_, 1);
    layout->addLayout(listedRow);
    model_ = new SectionFolderModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setReadOnly(true);
    // Newest first, as the search lists clients; the model keeps the order as
    // it reads the folders in the background.
    model_->sort(kModifiedColumn, Qt::DescendingOrder);
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("dirYRN"));
    tree_->setToolTip(QStringLiteral("Select clients folder"));
    tree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        tree_->hideColumn(column);
    tree_->header()->hide();
    tree_->setUniformRowHeights(true);
    tree_->setExpandsOnDoubleClick(false);  // a double click opens the row
    tree_->installEventFilter(this);
    layout->addWidget(tree_, 1);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText);
    layout->addWidget(status_);

    auto* buttons = new QHBoxLayout();
    load_ = new QPushButton(QStringLiteral("&Load Assessment"), this);
    load_->setObjectName(QStringLiteral("cmdOKButton"));
    load_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cmdCancelButton"));
    new_ = new QPushButton(QStringLiteral("&New Assessment"), this);
    new_->setObjectName(QStringLiteral("cmdNewYRN"));
    buttons->addStretch(1);
    buttons->addWidget(load_);
    buttons->addWidget(cancel_);
    buttons->addWidget(new_);
    layout->addLayout(buttons);
    setTabOrder(load_, cancel_);
    setTabOrder(cancel_, new_);
    setTabOrder(new_, volumes_);
    setTabOrder(volumes_, up_);
    setTabOrder(up_, search_);
    setTabOrder(search_, results_);
    setTabOrder(results_, tree_);
    offerNewAssessment(true);

    connect(load_, &QPushButton::clicked, this, [this] { emit loadRequested(folder_); });
    connect(cancel_, &QPushButton::clicked, this, [this] { emit cancelRequested(); });
    connect(new_, &QPushButton::clicked, this, [this] { emit newRequested(); });
    connect(volumes_, &QComboBox::activated, this, &ClientDialog::chooseVolume);
    connect(up_, &QPushButton::clicked, this, &ClientDialog::goUp);
    connect(search_, &QLineEdit::textChanged, this, &ClientDialog::search);
    search_->installEventFilter(this);
    connect(results_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { chooseResult(current.row()); });
    // A double click opens the client; Enter on a result presses Load Assessment.
    connect(results_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        chooseResult(index.row());
        emit loadRequested(folder_);
    });
    // The selected row is the chosen folder. A row that only has the keyboard
    // focus (the tree gives it to the first row) is not: Load Assessment then
    // still opens the listed folder.
    connect(tree_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList rows = tree_->selectionModel()->selectedRows();
        following_ = false;  // the person chose; stop following the loading
        folder_ = rows.isEmpty() ? listed_ : QDir::cleanPath(model_->filePath(rows.first()));
        describeFolder();
    });
    connect(tree_, &QTreeView::doubleClicked, this, &ClientDialog::openRow);

    // The tree fills in as folders are read; keep the chosen folder in sight.
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString& path) {
        if (!following_ || folder_ == listed_ || !folder_.startsWith(path)) return;
        // The rows are laid out (and sorted) after this signal; scroll once they are.
        QTimer::singleShot(20, this, [this] {
            const QModelIndex index = model_->index(folder_);
            if (following_ && folder_ != listed_ && index.isValid()) keepInSight(index);
        });
    });

    fillVolumes();
    setCurrentFolder(programFolder_);
    load_->setFocus();
}

ClientDialog::~ClientDialog() {
    if (reading_) {
        reading_->wait();
        delete reading_;
    }
}

void ClientDialog::fillVolumes() {
    volumes_->clear();
    const QString programRoot = QStorageInfo(programFolder_).rootPath();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid()) continue;
        const QString root = volume.rootPath();
        // Pseudo file systems hold no clients.
        const QByteArray type = volume.fileSystemType();
        if (root != programRoot && (type == "proc" || type == "sysfs" || type == "tmpfs" ||
                                    type == "devtmpfs" || type == "cgroup2" || type == "overlay"))
            continue;
        const QString name = volume.displayName();
        const QString text =
            name == root ? QDir::toNativeSeparators(root)
                         : QStringLiteral("%1  (%2)").arg(QDir::toNativeSeparators(root), name);
        volumes_->addItem(text, root);
    }
    if (volumes_->findData(programRoot) < 0) volumes_->insertItem(0, programRoot, programRoot);
    volume_ = volumes_->findData(programRoot);
    volumes_->setCurrentIndex(volume_);
}

void ClientDialog::chooseVolume(int index) {
    const QString root = volumes_->itemData(index).toString();
    const QStorageInfo info(root);
    const QFileInfo dir(root);
    if (root.isEmpty() || !info.isValid() || !info.isReady() || !dir.isDir() || !dir.isReadable() ||
        !dir.isExecutable()) {
        prompts_.critical(QStringLiteral("Drive Error"), QStringLiteral("Drive not available!"));
        volumes_->setCurrentIndex(volume_);
        return;
    }
    volume_ = index;
    // A volume that holds the program folder lists the client folders; another
    // its root.
    const QString programRoot = QStorageInfo(programFolder_).rootPath();
    const QString listed = root == programRoot ? programFolder_ : cleanFolder(root);
    list(listed, listed);
}

void ClientDialog::setCurrentFolder(const QString& folder) {
    const QString chosen = cleanFolder(folder);
    if (chosen == programFolder_ || chosen.startsWith(programFolder_ + QLatin1Char('/')))
        list(programFolder_, chosen);
    else
        list(QDir(chosen).isRoot() ? chosen : QFileInfo(chosen).absolutePath(), chosen);
}

void ClientDialog::list(const QString& listed, QString chosen) {
    listed_ = listed;
    model_->setRootPath(listed_);
    tree_->setRootIndex(model_->index(listed_));
    const QModelIndex index = chosen == listed_ ? QModelIndex() : model_->index(chosen);
    if (index.isValid())
        keepInSight(index);
    else
        tree_->selectionModel()->clear();
    folder_ = std::move(chosen);
    following_ = true;
    // The chooser names the volume of the folder listed, also after going up.
    if (const int volume = volumes_->findData(QStorageInfo(listed_).rootPath()); volume >= 0) {
        volume_ = volume;
        volumes_->setCurrentIndex(volume);
    }
    up_->setEnabled(!QDir(listed_).isRoot());
    listedLine_->setFolder(QDir::toNativeSeparators(listed_));
    describeFolder();
}

void ClientDialog::keepInSight(const QModelIndex& index) {
    const bool following = following_;
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    following_ = following;
}

// The folder left stays chosen, so that Enter goes back into it.
void ClientDialog::goUp() {
    if (QDir(listed_).isRoot()) return;
    const bool fromButton = up_->hasFocus();
    list(QFileInfo(listed_).absolutePath(), listed_);
    // At the root the button is disabled; the keyboard stays with the folders.
    if (fromButton && !up_->isEnabled()) tree_->setFocus();
}

void ClientDialog::openRow(const QModelIndex& index) {
    const QString path = QDir::cleanPath(model_->filePath(index));
    if (model_->sectionFileCount(path) > 0)
        emit loadRequested(path);
    else
        list(path, path);
}

void ClientDialog::describeFolder() {
    const int count = model_->sectionFileCount(folder_);
    const QString where = QDir::toNativeSeparators(folder_);
    status_->setText(count > 0 ? tr("%1\nholds %n section file(s).", nullptr, count).arg(where)
                               : tr("%1\nholds no section files.").arg(where));
}

void ClientDialog::setSectionCounter(SectionCounter counter) {
    model_->setCounter(std::move(counter));
    describeFolder();
}

void ClientDialog::setSectionFileNames(const QStringList& names) {
    index_ = std::make_unique<ClientIndex>(names);
}

void ClientDialog::search(const QString& query) {
    const bool searching = !query.trimmed().isEmpty();
    results_->setVisible(searching);
    found_->setVisible(searching);
    if (!searching) {
        matches_->setMatches({});
        return;
    }
    // The folders are read once after each showing; the keystrokes filter names in
    // memory. Until the reading ends the search finds what the last reading found,
    // or says that it reads, and it searches again then.
    if (!index_->isScanned()) {
        startReading();
        if (index_->size() == 0) {
            matches_->setMatches({});
            found_->setText(tr("Reading the client folders ..."));
            return;
        }
    }
    QList<ClientMatch> found = index_->find(query);
    const auto count = found.size();
    matches_->setMatches(std::move(found));
    found_->setText(
        count > 0
            ? tr("%n client folder(s) found, newest first.", nullptr, count)
            : tr("No client folder in %1 matches.").arg(QDir::toNativeSeparators(programFolder_)));
}

void ClientDialog::chooseResult(int row) {
    const QString path = matches_->path(row);
    if (path.isEmpty()) return;
    setCurrentFolder(path);
}

bool ClientDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tree_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Backspace) {
            goUp();
            return true;
        }
        // Enter on a folder without section files lists it; on a client folder,
        // or with no row chosen, it presses Load Assessment.
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && folder_ != listed_ &&
            model_->sectionFileCount(folder_) == 0) {
            list(folder_, folder_);
            return true;
        }
        return QDialog::eventFilter(watched, event);
    }
    // The folders are read when the person goes to the search box, so that the
    // first keystroke finds them read. The box's clear button comes then too: its
    // icon is looked up in the icon theme, which cost the start-up some 10 ms.
    if (watched == search_ && event->type() == QEvent::FocusIn) {
        search_->setClearButtonEnabled(true);
        if (!index_->isScanned()) startReading();
    }
    if (watched != search_ || event->type() != QEvent::KeyPress ||
        search_->text().trimmed().isEmpty())
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Down)
        return QDialog::eventFilter(watched, event);
    // Enter or Down chooses the first client found and goes to the list, where
    // Enter loads it; Enter never loads a folder the search did not find.
    if (matches_->rowCount({}) > 0) {
        if (!results_->currentIndex().isValid()) results_->setCurrentIndex(matches_->index(0));
        results_->setFocus();
    }
    return true;
}

void ClientDialog::offerNewAssessment(bool offer) {
    new_->setVisible(offer);
    cancel_->setVisible(!offer);
}

void ClientDialog::showEvent(QShowEvent* event) {
    // Folders may have been saved since the last showing.
    model_->forget();
    describeFolder();
    index_->clear();
    if (!search_->text().trimmed().isEmpty()) search(search_->text());
    QDialog::showEvent(event);
    // Read the folders as soon as the dialog is painted, before the person can
    // reach the search box; neither the dialog nor a keystroke waits for it. A dialog
    // closed at once has them read all the same, for its next showing.
    QTimer::singleShot(0, this, [this] {
        if (!index_->isScanned()) startReading();
    });
}

bool ClientDialog::clientsRead() const {
    return !reading_ && index_->isScanned();
}

void ClientDialog::startReading() {
    if (reading_) {
        readAgain_ = true;
        return;
    }
    // The copy keeps what was read before, so that unchanged folders are not read again.
    auto index = std::make_shared<ClientIndex>(*index_);
    reading_ = QThread::create([index, folder = programFolder_] { index->scan(folder); });
    connect(reading_, &QThread::finished, this, [this, index] {
        reading_->deleteLater();
        reading_ = nullptr;
        *index_ = std::move(*index);
        if (std::exchange(readAgain_, false)) {
            index_->clear();
            startReading();
        } else if (!search_->text().trimmed().isEmpty()) {
            search(search_->text());
        }
    });
    reading_->start();
}

void ClientDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit cancelRequested();
}

void ClientDialog::reject() {
    emit cancelRequested();
}

}  // namespace yrn
