#include "sections/DeclaredSection.h"

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

bool DeclaredSection::SaveYRN(const QString& path) {
    saveError_.clear();
    if (layout_.isEmpty()) return true;
    bool saved = false;
    guard(info().module + ".SaveYRN",
          [&] { saved = saveSectionFile(*this, layout_, path, &saveError_); });
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

LoadResult DeclaredSection::load(const std::function<LoadResult()>& read) {
    LoadResult result{true, false};
    guard(info().module + ".LoadClientYRN", [&] {
        beforeLoad();
        result = read();
    });
    return result;
}

}  // namespace yrn
