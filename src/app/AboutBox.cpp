#include "app/AboutBox.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

#include "ProgramInfo.h"

namespace yrn {

AboutBox::AboutBox(const QString& programFolder, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Halverin Drug Court YRN"));
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const bool beside = QDir(programFolder) == QDir(executableFolder);
    const QString where = beside ? QStringLiteral("This is the program's own folder.")
                                 : "This is your own data folder: the program's folder (" +
                                       QDir::toNativeSeparators(executableFolder) +
                                       ") does not hold them.";

    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("<b>Halverin Drug Court YRN</b>"), this);
    title->setTextFormat(Qt::RichText);
    layout->addWidget(title);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("lblAbout"));
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setText(QStringLiteral("Version %1\n\n").arg(QString::fromLatin1(kProgramVersion)) +
                   "Program folder (client folders, \"ClientReports\", the report template "
                   "and \"YRN Help Files\"):\n" +
                   QDir::toNativeSeparators(programFolder) + "\n" + where + "\n\nBuilt with Qt " +
                   QString::fromLatin1(QT_VERSION_STR) + '.');
    text_->setMinimumWidth(420);
    layout->addWidget(text_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QString AboutBox::text() const {
    return text_->text();
}

AboutBox* AboutBox::showFor(const QString& programFolder, QWidget* parent) {
    auto* box = new AboutBox(programFolder, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

}  // namespace yrn
