#pragma once

#include <vector>

#include "interview/Section.h"
#include "records/SectionFile.h"

namespace yrn {

// A section whose file is a declared layout of fields. Saving writes the section
// file through a temporary file; loading replays the readers field by field. A
// section with no layout yet writes no file and reads nothing.
class DeclaredSection : public Section {
  public:
    using Section::Section;

    void NewYRN() override;
    bool SaveYRN(const QString& path) override;
    LoadResult LoadClientYRN(const QString& path) override;

    const FileLayout& fileLayout() const { return layout_; }
    // Empty for a section with no layout yet.
    QByteArray fileBytes() const override;
    LoadResult LoadClientBytes(const QByteArray& bytes) override;
    QString lastSaveError() const override { return saveError_; }

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
    // What a final 0 of a governing count does to the answer it closed.
    enum class FinalZero {
        EmptiesAnswer,      // the answer is emptied at once
        KeepsUntilReopened  // the closed answer keeps its text; a count opens it empty
    };
    // A count (a number typed in a box) governing an answer asked only when it is
    // above 0: 0 closes the answer and a count above 0 opens it; an empty box or a
    // text that is no number changes nothing. A count is typed a digit at a time,
    // and going from 10 to 20 may pass through "0": such a 0 only closes the answer,
    // and the count after it opens the answer as it stands. A 0 is final when the box
    // is left at it, a file sets it or the client is saved; a box that held 0 or
    // nothing when the person came to it held a final one. A count after a final 0
    // opens the answer empty.
    void countGoverns(const QString& count, const QString& answer, FinalZero finalZero);
    // Called by LoadClientYRN and LoadClientBytes before the section is read (the
    // locator shows its caption) and after it (whatever the reading came to).
    virtual void beforeLoad() {}
    virtual void afterLoad() {}

  private:
    struct GoverningCount {
        QString count;
        QString answer;
        FinalZero finalZero;
        // The count when the box was last left, read, reset or saved: what it held
        // when the person came to it.
        QString settled;
    };

    LoadResult load(const std::function<LoadResult()>& read);
    void countChanged(GoverningCount& governing);
    void countFinal(GoverningCount& governing);

    FileLayout layout_;
    QString saveError_;
    std::vector<GoverningCount> counts_;
    bool reading_ = false;  // a file sets the answers: every count it sets is final
};

}  // namespace yrn
