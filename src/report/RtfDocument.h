#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace yrn {

// A small RTF engine: just enough to fill the report template. It keeps the
// document as it was read (control words, groups and all) and knows which
// characters of it are visible text, so text can be found and replaced without
// disturbing the formatting around it.
//
// The selection: right after loading it is empty and stands at the start of the
// visible text. find() searches the whole original text from its start and
// selects the first occurrence; replaceSelection() leaves an empty selection
// right after the inserted text.
class RtfDocument {
  public:
    RtfDocument();
    ~RtfDocument();
    RtfDocument(const RtfDocument&);
    RtfDocument& operator=(const RtfDocument&);
    RtfDocument(RtfDocument&&) noexcept;
    RtfDocument& operator=(RtfDocument&&) noexcept;

    // False for a missing, unreadable, damaged or non-RTF file; the document is
    // then empty.
    bool load(const QString& path);
    bool loadFromData(const QByteArray& rtf);
    bool isLoaded() const;

    QByteArray toRtf() const;
    // Written to a temporary file and renamed into place; a file that is a link or
    // not a regular file is refused and left alone (the folder may be reached
    // through a link). False (and why) when it was not written.
    bool save(const QString& path, QString* error = nullptr) const;

    // The visible text; paragraph breaks as "\n", tabs as "\t".
    QString visibleText() const;

    // Case-insensitive search of the template's own text (never text that an
    // earlier replacement inserted); selects the first occurrence on success.
    bool find(const QString& text);
    // How many times find() would still find the text, one occurrence after another.
    int count(const QString& text) const;
    // find() and count() of the marker "#field#". Markers are indexed when the
    // document is loaded, so filling a report does not search its whole text for each.
    bool findMarker(QStringView field);
    int countMarkers(QStringView field) const;
    // Replaces the selection with plain text in the format of the first selected
    // character (CR LF becomes a paragraph break, a tab a tab). The selection
    // ends empty, right after the inserted text. With an empty selection the
    // text is inserted at the selection's position.
    void replaceSelection(const QString& plain);
    int selectionStart() const;
    int selectionLength() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace yrn
