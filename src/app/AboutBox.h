#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace yrn {

// Help, About: the program's name and version, and the program folder in use
// (where the client folders, "ClientReports", the template and the help
// documents are), with whether it is the program's own folder or the per-user
// data folder.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    AboutBox(const QString& programFolder, QWidget* parent = nullptr);

    QString text() const;

    // Shows the box without waiting for it; it goes when closed.
    static AboutBox* showFor(const QString& programFolder, QWidget* parent);

  private:
    QLabel* text_;
};

}  // namespace yrn
