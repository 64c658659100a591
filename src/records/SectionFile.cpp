#include "records/SectionFile.h"

#include "base/AtomicFile.h"
#include "records/FieldCodec.h"

namespace yrn {

void writeField(SectionWriter& w, const FileField& f) {
    switch (f.codec) {
        case Codec::Text:
            w.PrintText(f.last, f.id);
            break;
        case Codec::Opt:
            w.PrintOpt(f.last, f.id);
            break;
        case Codec::Opt3:
            w.PrintOpt3(f.last, f.id);
            break;
        case Codec::Opt4:
            w.PrintOpt4(f.last, f.id);
            break;
        case Codec::Combo:
            w.PrintCombo(f.last, f.id);
            break;
        case Codec::ComboNew:
            w.PrintComboNew(f.last, f.id);
            break;
        case Codec::CheckBox:
            w.PrintCheckBox(f.last, f.id);
            break;
        case Codec::Custom:
            f.write(w, f.last);
            break;
    }
}

void readField(SectionReader& r, const FileField& f) {
    switch (f.codec) {
        case Codec::Text:
            r.LoadText(f.last, f.id);
            break;
        case Codec::Opt:
            r.LoadOpt(f.last, f.id);
            break;
        case Codec::Opt3:
            r.LoadOpt3(f.last, f.id);
            break;
        case Codec::Opt4:
            r.LoadOpt4(f.last, f.id);
            break;
        case Codec::Combo:
            r.LoadCombo(f.last, f.id);
            break;
        case Codec::ComboNew:
            r.LoadComboNew(f.last, f.id);
            break;
        case Codec::CheckBox:
            r.LoadCheckBox(f.last, f.id);
            break;
        case Codec::Custom:
            f.read(r, f.last);
            break;
    }
}

QByteArray sectionFileBytes(const Section& section, const FileLayout& layout) {
    SectionWriter writer(section);
    for (const FileField& f : layout)
        writeField(writer, f);
    return writer.bytes();
}

LoadResult readSectionBytes(Section& section, const FileLayout& layout, const QByteArray& bytes) {
    SectionReader reader(section, bytes);
    for (const FileField& f : layout) {
        if (reader.stopped()) break;
        readField(reader, f);
    }
    return {true, !reader.damaged()};
}

bool saveSectionFile(const Section& section, const FileLayout& layout, const QString& path,
                     QString* error) {
    return writeFileAtomically(path, sectionFileBytes(section, layout), error, FolderLinks::Refuse);
}

LoadResult loadSectionFile(Section& section, const FileLayout& layout, const QString& path) {
    QByteArray bytes;
    switch (readFileLimited(path, SectionReader::kMaxFileBytes, bytes, FileLinks::Refuse)) {
        case ReadOutcome::Read:
            return readSectionBytes(section, layout, bytes);
        case ReadOutcome::Missing:
        case ReadOutcome::Failed:
            return {false, false};
        case ReadOutcome::NotRegular:
        case ReadOutcome::TooLarge:
            break;
    }
    return {true, false};
}

}  // namespace yrn
