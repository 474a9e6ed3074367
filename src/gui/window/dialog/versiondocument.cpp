#include "gui/window/dialog/versiondocument.h"

#include <vector>

#include "etc/drevak/dvkdocument.h"

namespace tavrin::gui {
namespace {

// The version comes from the build, so that the dialog and the project never disagree.
constexpr std::string_view VERSION_DOCUMENT = ";名前\n"
                                              "Name\\Tavrin\n"
                                              ";版\n"
                                              "Version\\" TAVRIN_VERSION "\n"
                                              ";ウェブサイト\n"
                                              "WebSite\\https://tavrin.example/\n"
                                              ";連絡先\n"
                                              "Mail\\support@tavrin.example\n";

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

} // namespace

std::string_view versionDocumentText() {
    return VERSION_DOCUMENT;
}

VersionInfo readVersion(std::string_view text) {
    const std::vector<std::string_view> lines = splitLines(text);
    const drevak::DvkDocument document(lines);
    return {document.GetChild("Name").GetString(), document.GetChild("Version").GetString(),
            document.GetChild("WebSite").GetString(), document.GetChild("Mail").GetString()};
}

} // namespace tavrin::gui
