#pragma once

#include "interview/Section.h"
#include "records/SectionFile.h"

namespace yrn {

// A section whose file is a declared layout of fields. Saving writes the section
// file through a temporary file; loading replays the readers field by field. A
// section with no layout yet writes no file and reads nothing.
class DeclaredSection : public Section {
  public:
    using Section::Section;

    bool SaveYRN(const QString& path) override;
    LoadResult LoadClientYRN(const QString& path) override;

    const FileLayout& fileLayout() const { return layout_; }
    // The section file's content as SaveYRN writes it, and reading such content as
    // LoadClientYRN reads a file: the recovery copy of unsaved answers keeps and
    // restores every section this way. Empty for a section with no layout yet.
    QByteArray fileBytes() const;
    LoadResult LoadClientBytes(const QByteArray& bytes);
    // Why the last save failed.
    QString lastSaveError() const { return saveError_; }

  protected:
    // Adds a field to the file layout, in file order.
    void file(Codec codec, const QString& id, bool last = false);
    void fileCustom(const QString& id, std::function<void(SectionWriter&, bool)> write,
                    std::function<void(SectionReader&, bool)> read, bool last = false);
    // A month, day or hour box that holds two characters hands the focus to the
    // next box, except while a client is reset or read.
    void advanceWhenFull(const QString& from, const QString& to);
    // What "Yes" does to the answer a yes/no question asks for after it.
    enum class YesOpens {
        AsItStands,  // opened with what it holds
        Emptied,     // opened empty, to be answered afresh
    };
    // An answer asked for only after "Yes" to a question (button 1 of its option
    // group): "No" (button 0) closes it, paints it as not applying and empties it;
    // "Yes" opens it as `yes` says. A cleared group changes nothing.
    void followsYes(const QString& question, const QString& answer, YesOpens yes,
                    const QString& site = {});
    // Called by LoadClientYRN before the file is read (the locator shows its caption).
    virtual void beforeLoad() {}

  private:
    LoadResult load(const std::function<LoadResult()>& read);

    FileLayout layout_;
    QString saveError_;
};

}  // namespace yrn
