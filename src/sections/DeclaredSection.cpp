#include "sections/DeclaredSection.h"

#include "interview/NumericCheck.h"
#include "sections/CommonAnswers.h"

namespace yrn {

void DeclaredSection::file(Codec codec, const QString& id, bool last) {
    field(id);  // a layout entry for an unknown field is a declaration fault
    layout_.append(FileField{codec, id, last});
}

void DeclaredSection::fileCustom(const QString& id, std::function<void(SectionWriter&, bool)> write,
                                 std::function<void(SectionReader&, bool)> read, bool last) {
    layout_.append(FileField{Codec::Custom, id, last, std::move(write), std::move(read)});
}

void DeclaredSection::advanceWhenFull(const QString& from, const QString& to) {
    onChange(from, [this, from, to] {
        if (!IsLoading() && text(from).size() == 2) requestFocus(to);
    });
}

void DeclaredSection::followsYes(const QString& question, const QString& answer, YesOpens yes,
                                 const QString& site) {
    onClick(
        question,
        [this, answer, yes](int button) {
            if (button == 0) {
                clearField(answer);
            } else if (button == 1) {
                openField(answer);
                if (yes == YesOpens::Emptied) emptyField(answer);
            }
        },
        site);
}

void DeclaredSection::countGoverns(const QString& count, const QString& answer,
                                   FinalZero finalZero) {
    const std::size_t index = counts_.size();
    counts_.push_back({count, answer, finalZero, text(count)});
    onChange(count, [this, index] { countChanged(counts_[index]); });
    onLeave(count, [this, index] { countFinal(counts_[index]); });
}

void DeclaredSection::countChanged(GoverningCount& governing) {
    const QString count = text(governing.count);
    if (!isNumeric(count)) return;
    // A number past 32 bits is no 0 either; its range check refuses it.
    if (!isZero(count)) {
        const bool closed = !field(governing.answer).enabled;
        openField(governing.answer);
        if (closed && zeroOrEmpty(governing.settled)) emptyField(governing.answer);
        return;
    }
    setEnabled(governing.answer, false);
    setBackground(governing.answer, Background::NotApplicable);
    if (reading_) countFinal(governing);
}

void DeclaredSection::countFinal(GoverningCount& governing) {
    governing.settled = text(governing.count);
    if (governing.finalZero == FinalZero::EmptiesAnswer && isZero(governing.settled))
        emptyField(governing.answer);
}

void DeclaredSection::NewYRN() {
    Section::NewYRN();
    for (GoverningCount& governing : counts_)
        governing.settled = text(governing.count);
}

bool DeclaredSection::SaveYRN(const QString& path) {
    saveError_.clear();
    if (layout_.isEmpty()) return true;
    bool saved = false;
    guard(info().module + ".SaveYRN", [&] {
        // Saved straight from the menu, the count last typed in was never left.
        for (GoverningCount& governing : counts_)
            countFinal(governing);
        saved = saveSectionFile(*this, layout_, path, &saveError_);
    });
    return saved;
}

LoadResult DeclaredSection::LoadClientYRN(const QString& path) {
    return load([&] { return loadSectionFile(*this, layout_, path); });
}

QByteArray DeclaredSection::fileBytes() const {
    return layout_.isEmpty() ? QByteArray() : sectionFileBytes(*this, layout_);
}

LoadResult DeclaredSection::LoadClientBytes(const QByteArray& bytes) {
    return load([&] { return readSectionBytes(*this, layout_, bytes); });
}

// A file and a recovery copy are read alike, and what follows a read (a count's
// value as the one the person comes to, the medical insurance's state) follows both.
LoadResult DeclaredSection::load(const std::function<LoadResult()>& read) {
    LoadResult result{true, false};
    guard(info().module + ".LoadClientYRN", [&] {
        beforeLoad();
        reading_ = true;
        result = read();
    });
    reading_ = false;
    for (GoverningCount& governing : counts_)
        governing.settled = text(governing.count);
    guard(info().module + ".LoadClientYRN", [this] { afterLoad(); });
    return result;
}

}  // namespace yrn
