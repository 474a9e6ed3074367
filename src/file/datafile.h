#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "etc/drevak/dvkdocument.h"

namespace tavrin::file {

// Lines end at CR LF, LF or CR; the last line needs no end; the ends are not kept.
// Empty text gives no lines.
std::vector<std::string_view> splitLines(std::string_view text);

// Exactly the bytes SaveDocument writes: the UTF-8 byte-order mark, then every line
// of the document text followed by CR LF.
std::string documentFileBytes(const drevak::DvkDocument& document);

// A data file's text: UTF-8 without the byte-order mark, UTF-16 decoded (textencoding.h).
// Bytes that are no text raise FileError naming the path, the line, the byte offset and the
// reason, since a document read from them would be saved back corrupted.
std::string documentText(std::string_view bytes, const std::string& path);

// A line of a file that its document does not hold, so that the next write loses it.
struct DroppedLine {
    std::size_t lineNumber; // from 1, the byte-order mark not counted
    std::string reason;
    std::string line;
};

// Reads the lines into the document, emptied first, as every reader of data files does;
// returns the lines it does not hold, in line order: values that did not apply, and lines
// that are neither a value, a comment, blank nor an empty list as a save writes it.
std::vector<DroppedLine> readLines(drevak::DvkDocument& document,
                                   std::span<const std::string_view> lines);

// Builds a document from the bytes of the file at path (named in errors): its text, then
// lines. Raises FileError for bytes that are no text and "いやいや、むりむり"
// (DrevakException) when there are no lines. With dropped, it receives the lines the document
// does not hold (readLines).
drevak::DvkDocument parseDocumentFile(std::string_view bytes, const std::string& path,
                                      std::vector<DroppedLine>* dropped = nullptr);

// Raises FileError when the file cannot be read or is no text, DrevakException when it has
// no lines.
drevak::DvkDocument LoadDocument(const std::string& path);

// A document loaded for the application. Only a missing file or a file without lines
// gives a new empty document that may be saved; any other failure keeps the empty
// document from being saved, so a locked, unreadable or undecodable file is never
// overwritten.
struct LoadedDocument {
    drevak::DvkDocument document;
    std::string failure; // empty when the document may be saved
    std::vector<DroppedLine> dropped;

    bool saveable() const noexcept { return failure.empty(); }
};
LoadedDocument LoadOrNewDocument(const std::string& path);

// An independent copy of the document, header and comments included: what a dialog edits
// until the user confirms.
drevak::DvkDocument copyDocument(const drevak::DvkDocument& document);

// Writes the document atomically: a crash or a full disk leaves the old file intact.
void SaveDocument(const drevak::DvkDocument& document, const std::string& path);

// A document and the file it is written to.
struct DocumentFile {
    const drevak::DvkDocument& document;
    std::string path;
};

// Writes the documents together (replaceFiles): after a failure every file keeps its old
// bytes.
void SaveDocuments(std::span<const DocumentFile> documents);

} // namespace tavrin::file
