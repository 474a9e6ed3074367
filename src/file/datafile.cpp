#include "file/datafile.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <span>
#include <string>
#include <utility>

#include "etc/drevak/convert.h"
#include "etc/drevak/drevakexception.h"
#include "file/rawfile.h"
#include "file/textencoding.h"

namespace tavrin::file {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
// What the document raises for a text without lines: for a data file that is an empty file.
constexpr std::string_view noLines = "いやいや、むりむり";

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// A save writes an empty list as its address and the list mark alone; the reader skips the
// line and loses nothing by it, so it is no damage to report.
bool isEmptyList(std::string_view line) {
    if (!line.ends_with('$')) {
        return false;
    }
    const std::string_view address = line.substr(0, line.size() - 1);
    return drevak::Convert::isAddress(address) && std::ranges::all_of(address, [](char c) {
               return c == '/' || drevak::Convert::isNameChar(c);
           });
}

LoadedDocument notLoaded(std::string failure) {
    LoadedDocument loaded;
    loaded.failure = std::move(failure);
    return loaded;
}

} // namespace

// memchr finds the LF of a line far faster than a search for either break; a lone CR
// before it is looked for in the line found.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* start = begin;
    while (start != end) {
        const auto* lf = static_cast<const char*>(
            std::memchr(start, '\n', static_cast<std::size_t>(end - start)));
        const char* const limit = lf != nullptr ? lf : end;
        const auto* cr = static_cast<const char*>(
            std::memchr(start, '\r', static_cast<std::size_t>(limit - start)));
        if (cr == nullptr && lf == nullptr) {
            lines.emplace_back(start, static_cast<std::size_t>(end - start));
            break;
        }
        const char* const lineEnd = cr != nullptr ? cr : lf;
        lines.emplace_back(start, static_cast<std::size_t>(lineEnd - start));
        start = lineEnd + 1;
        if (lineEnd == cr && start == lf) {
            ++start;
        }
    }
    return lines;
}

std::string documentFileBytes(const drevak::DvkDocument& document) {
    std::string bytes(byteOrderMark);
    bytes += document.toString();
    return bytes;
}

std::string documentText(std::string_view bytes, const std::string& path) {
    DecodedText decoded = decodeText(bytes);
    if (const auto& fault = decoded.fault) {
        // No system call failed: the system code stays 0.
        throw FileError("cannot read \"" + path + "\" as text: line " +
                            std::to_string(fault->line) + ", byte offset " +
                            std::to_string(fault->offset) + ": " + std::string(fault->reason),
                        path, 0);
    }
    return std::move(decoded.text);
}

drevak::DvkDocument parseDocumentFile(std::string_view bytes, const std::string& path,
                                      std::vector<DroppedLine>* dropped) {
    const std::string text = documentText(bytes, path);
    const std::vector<std::string_view> lines = splitLines(text);
    if (!dropped || lines.empty()) {
        // Refuses a file without lines the way every document does.
        return drevak::DvkDocument(std::span<const std::string_view>(lines));
    }
    drevak::DvkDocument document;
    *dropped = readLines(document, lines);
    return document;
}

std::vector<DroppedLine> readLines(drevak::DvkDocument& document,
                                   std::span<const std::string_view> lines) {
    std::vector<DroppedLine> dropped;
    for (drevak::DvkDocument::LoadFailure& failure : document.LoadWithReasons(true, lines)) {
        dropped.push_back({failure.lineNumber, std::move(failure.reason),
                           std::string(lines[failure.lineNumber - 1])});
    }
    // The reader passes over lines without a value in silence; a person who typed one wants
    // to hear of it as much as of a value that did not apply.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (!isBlank(line) && !drevak::Convert::isComment(line) &&
            !drevak::Convert::isDataLine(line) && !isEmptyList(line)) {
            dropped.push_back({i + 1, "not a value line", std::string(line)});
        }
    }
    std::ranges::stable_sort(dropped, {}, &DroppedLine::lineNumber);
    return dropped;
}

drevak::DvkDocument LoadDocument(const std::string& path) {
    return parseDocumentFile(readFile(path), path);
}

LoadedDocument LoadOrNewDocument(const std::string& path) {
    try {
        if (fileMissing(path)) {
            return {};
        }
        LoadedDocument loaded;
        loaded.document = parseDocumentFile(readFile(path), path, &loaded.dropped);
        return loaded;
    } catch (const FileError& error) {
        return notLoaded(error.what());
    } catch (const drevak::DrevakException& error) {
        if (error.text() == noLines) {
            return {};
        }
        return notLoaded("cannot load \"" + path + "\": " + error.text());
    } catch (const std::exception& error) {
        return notLoaded("cannot load \"" + path + "\": " + error.what());
    }
}

void SaveDocument(const drevak::DvkDocument& document, const std::string& path) {
    replaceFile(path, documentFileBytes(document));
}

drevak::DvkDocument copyDocument(const drevak::DvkDocument& document) {
    const std::string text = document.toString();
    drevak::DvkDocument copy;
    copy.Load(true, splitLines(text));
    return copy;
}

void SaveDocuments(std::span<const DocumentFile> documents) {
    std::vector<FileContent> files;
    files.reserve(documents.size());
    for (const DocumentFile& saved : documents) {
        files.push_back({saved.path, documentFileBytes(saved.document)});
    }
    replaceFiles(files);
}

} // namespace tavrin::file
