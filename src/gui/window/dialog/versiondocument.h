#pragma once

#include <string>
#include <string_view>

namespace tavrin::gui {

// What the version dialog tells about the program.
struct VersionInfo {
    std::string name;
    std::string version;
    std::string webSite;
    std::string mail;
};

// The version document compiled into the program, as tree-document text.
std::string_view versionDocumentText();

// The four strings "Name", "Version", "WebSite" and "Mail" of a version document's text; a
// missing key, or one that holds no string, raises the document's typed-access error.
VersionInfo readVersion(std::string_view text);

} // namespace tavrin::gui
