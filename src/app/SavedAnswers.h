#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

namespace yrn {

class ClientFolder;
class Interview;

// The answers as they were last saved, opened or reset, kept as the section files
// they make. The answers on screen are unsaved exactly when the files they would
// make now differ: answers changed and changed back are saved.
class SavedAnswers {
  public:
    using Files = QList<std::pair<QString, QByteArray>>;  // section file name, content

    SavedAnswers(Interview& interview, ClientFolder& clients);
    ~SavedAnswers();
    SavedAnswers(const SavedAnswers&) = delete;
    SavedAnswers& operator=(const SavedAnswers&) = delete;

    bool unsaved() const;
    bool differ(const Files& files) const { return files != files_; }
    // Takes the answers on screen as the saved ones.
    void rebase();

  private:
    Interview& interview_;
    ClientFolder& clients_;
    Files files_;
    int observer_ = 0;
};

}  // namespace yrn
