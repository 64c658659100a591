// Section file bytes -> reader -> writer -> reader -> writer. Whatever a file holds,
// reading it never crashes, hangs or grows without bound; what was read is saved
// in a file that reads back completely, to the same answers and the same bytes.
#include "FuzzSupport.h"
#include "records/SectionFile.h"

using namespace yrn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    fuzz::Client& client = fuzz::Client::instance();
    DeclaredSection* section = client.section(data[0]);
    if (!section) return 0;
    const FileLayout& layout = section->fileLayout();
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    client.reset(section);
    readSectionBytes(*section, layout, bytes);
    client.done();
    const QString read = fuzz::answers(*section);
    const QByteArray written = sectionFileBytes(*section, layout);

    client.reset(section);
    const LoadResult again = readSectionBytes(*section, layout, written);
    client.done();
    if (!again.complete) fuzz::fail("a written file does not read back completely", written);
    if (fuzz::answers(*section) != read)
        fuzz::fail("the answers changed in a save and a second read",
                   read + "\n---\n" + fuzz::answers(*section));
    if (sectionFileBytes(*section, layout) != written)
        fuzz::fail("a second save wrote other bytes", written);
    return 0;
}
