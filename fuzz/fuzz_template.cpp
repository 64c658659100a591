// Template bytes -> RTF engine: load, replace, save, reload. Whatever loads, the
// saved document loads again and shows exactly the text the replacements left.
#include <QString>
#include <cstdint>

#include "FuzzSupport.h"
#include "report/RtfDocument.h"

using namespace yrn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RtfDocument doc;
    if (!doc.loadFromData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))))
        return 0;
    // Values as the report puts them in: plain, empty, with escapes, breaks and
    // characters outside the code page.
    static const QString values[] = {
        QStringLiteral("Jane"), QString(),
        QString::fromUtf8("a\\b{c}\td\u00e9\u2014\U0001F600\r\nnext\nthird\x01 end")};
    const QString text = doc.visibleText();
    for (int k = 0; k < 3 && !text.isEmpty(); ++k) {
        const qsizetype at = qsizetype((size * std::size_t(7 + k)) % std::size_t(text.size()));
        if (doc.find(text.mid(at, 1 + k))) doc.replaceSelection(values[k]);
        // A value that follows the previous one, as the child chart's rows do.
        if (k == 1) doc.replaceSelection(values[2]);
    }
    const QString expected = doc.visibleText();
    const QByteArray saved = doc.toRtf();
    RtfDocument again;
    if (!again.loadFromData(saved)) fuzz::fail("the saved document does not load", saved);
    if (again.visibleText() != expected)
        fuzz::fail("the saved document shows other text",
                   expected + "\n---\n" + again.visibleText() + "\n---\n" + saved);
    return 0;
}
