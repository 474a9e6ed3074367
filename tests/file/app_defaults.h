#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace tavrin::file::fixture {

// The settings document as a first run writes it: the 28 settings with their defaults,
// sorted, without a header, every line ending in CR LF.
inline constexpr std::string_view defaultSettingsText = "Execute/Dialog:1\r\n"
                                                        "Execute/Shortcut:1\r\n"
                                                        "Folder:0\r\n"
                                                        "Folder/Program\\\\e\r\n"
                                                        "Launcher/Button/Icon:0\r\n"
                                                        "Launcher/Button/List:0\r\n"
                                                        "Launcher/Button/Text:0\r\n"
                                                        "Launcher/Command/Color/ID!*\t*\r\n"
                                                        "Launcher/Command/Color/Name!*\t*\r\n"
                                                        "Launcher/Command/Color/Normal!*\t*\r\n"
                                                        "Launcher/Command/Color/Tag!*\t*\r\n"
                                                        "Launcher/Command/Font/Name\\\\e\r\n"
                                                        "Launcher/Command/Font/Size:*\r\n"
                                                        "Launcher/Command/Icon:0\r\n"
                                                        "Launcher/Command/Keys=1\t78\r\n"
                                                        "Launcher/Command/Timer:0\r\n"
                                                        "Launcher/History:16\r\n"
                                                        "Launcher/Menu/Desktop:0\r\n"
                                                        "Launcher/Menu/Icon:0\r\n"
                                                        "Launcher/Menu/Text:0\r\n"
                                                        "Window:4\r\n"
                                                        "Window/Bottom:16\r\n"
                                                        "Window/Float/Pos=0\t0\r\n"
                                                        "Window/Float/Size=16\t16\r\n"
                                                        "Window/Front:0\r\n"
                                                        "Window/Left:16\r\n"
                                                        "Window/Right:16\r\n"
                                                        "Window/Top:16\r\n";

// The default text with whole lines replaced, each given as (default line, new line).
inline std::string defaultSettingsWith(
    std::initializer_list<std::pair<std::string_view, std::string_view>> replacements) {
    std::string text = "\r\n" + std::string(defaultSettingsText);
    for (const auto& [from, to] : replacements) {
        const std::size_t at = text.find("\r\n" + std::string(from) + "\r\n");
        if (at == std::string::npos) {
            throw std::invalid_argument("no default line " + std::string(from));
        }
        text.replace(at + 2, from.size(), to);
    }
    return text.substr(2);
}

} // namespace tavrin::file::fixture
