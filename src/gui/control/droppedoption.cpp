#include "gui/control/droppedoption.h"

#include "shell/shortcut.h"
#include "system/unicode.h"
#include "utility/pathrules.h"

namespace tavrin::gui {

namespace {

bool isShortcut(const std::string& path) {
    return lstrcmpiW(utility::extension(system::toWide(path)).c_str(), L"lnk") == 0;
}

std::string targetOf(const std::string& shortcut) {
    // Never ask the user to look for a moved target in the middle of a drop.
    shell::Shortcut link(SLR_NO_UI);
    link.load(system::toWide(shortcut));
    const std::wstring target = link.path();
    return target.empty() ? shortcut : system::toUtf8(target);
}

std::string quoted(const std::string& path) {
    return path.find(' ') == std::string::npos ? path : '"' + path + '"';
}

} // namespace

std::string droppedOption(const std::vector<std::string>& paths, bool followShortcuts) {
    std::string option;
    for (const std::string& path : paths) {
        if (!option.empty()) {
            option += ' ';
        }
        option += quoted(followShortcuts && isShortcut(path) ? targetOf(path) : path);
    }
    return option;
}

} // namespace tavrin::gui
