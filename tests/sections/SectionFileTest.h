#pragma once

// The file tests of a section: a section file written by hand into a temporary
// folder and read as an open reads it.

#include "sections/ClientFixture.h"
#include "support/WindowsFile.h"

namespace yrn::test {

template <class S>
class SectionFileTest : public ::testing::Test, public Client<S> {
  protected:
    using Client<S>::load;
    // Writes the bytes as the section's file and reads it after a reset.
    LoadResult loadBytes(const QByteArray& bytes) {
        writeFile(path, bytes);
        return Client<S>::load(path);
    }
    // Writes the values as a Windows machine writes them and reads them after a
    // reset.
    LoadResult load(const QList<QByteArray>& values) {
        return loadBytes(windowsSectionFile(values, lastField));
    }
    LoadResult load(const QStringList& values) {
        return loadBytes(windowsSectionFile(values, lastField));
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(this->pane.info().fileName);
    LastField lastField = LastField::Bare;
};

}  // namespace yrn::test
