#include "gui/control/droppedoption.h"

#include "shell/shortcut.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "utility/pathrules.h"

namespace tavrin::gui {

namespace {

bool isShortcut(const std::string& path) {
    return lstrcmpiW(utility::extension(system::toWide(path)).c_str(), L"lnk") == 0;
}

std::string targetOf(const std::string& shortcut) {
    shell::Shortcut link(shell::QUIET_RESOLVE);
    link.load(system::toWide(shortcut));
    const std::wstring target = link.path();
    return target.empty() ? shortcut : system::toUtf8(target);
}

} // namespace

std::string droppedOption(const std::vector<std::string>& paths, bool followShortcuts,
                          shell::LINE_READER reader) {
    std::vector<std::string> arguments;
    arguments.reserve(paths.size());
    for (const std::string& path : paths) {
        arguments.push_back(followShortcuts && isShortcut(path) ? targetOf(path) : path);
    }
    shell::ArgumentLine line = shell::argumentLine(arguments, reader);
    if (line.refused) {
        throw system::DropFileException(
            "「" + arguments[*line.refused] +
            "」は改行を含むため、cmd.exe が読むコマンドラインには渡せません");
    }
    return std::move(line.line);
}

} // namespace tavrin::gui
