#include "file/datafile.h"

#include <exception>
#include <span>
#include <string>
#include <utility>

#include "etc/drevak/drevakexception.h"
#include "file/rawfile.h"
#include "file/textencoding.h"

namespace tavrin::file {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
// What the document raises for a text without lines: for a data file that is an empty file.
constexpr std::string_view noLines = "いやいや、むりむり";

} // namespace

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
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

drevak::DvkDocument parseDocumentFile(std::string_view bytes, const std::string& path) {
    const std::string text = documentText(bytes, path);
    const std::vector<std::string_view> lines = splitLines(text);
    return drevak::DvkDocument(std::span<const std::string_view>(lines));
}

drevak::DvkDocument LoadDocument(const std::string& path) {
    return parseDocumentFile(readFile(path), path);
}

LoadedDocument LoadOrNewDocument(const std::string& path) {
    try {
        if (fileMissing(path)) {
            return {};
        }
        return {LoadDocument(path), {}};
    } catch (const FileError& error) {
        return {{}, error.what()};
    } catch (const drevak::DrevakException& error) {
        if (error.text() == noLines) {
            return {};
        }
        return {{}, "cannot load \"" + path + "\": " + error.text()};
    } catch (const std::exception& error) {
        return {{}, "cannot load \"" + path + "\": " + error.what()};
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
