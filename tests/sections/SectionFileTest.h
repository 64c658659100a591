#pragma once

// The file tests of a section whose last field carries no separator: a section
// file written by hand into a temporary folder and read as an open reads it.

#include "sections/ClientFixture.h"

namespace yrn::test {

// A section file as a Windows machine writes it: value lines separated by ";"
// lines, CR LF line ends, Windows-1252 text; the last field has no separator.
inline QByteArray sectionFile(const QList<QByteArray>& values) {
    return values.join("\r\n;\r\n") + "\r\n";
}

template <class S>
class SectionFileTest : public ::testing::Test, public Client<S> {
  protected:
    using Client<S>::load;
    // Writes the values as the section's file and reads it after a reset.
    LoadResult load(const QList<QByteArray>& values) {
        writeFile(path, sectionFile(values));
        return Client<S>::load(path);
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(this->pane.info().fileName);
};

}  // namespace yrn::test
