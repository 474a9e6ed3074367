#include "gui/control/itemfilemenu.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "gui/control/menutag.h"
#include "shell/finder.h"
#include "system/longpath.h"
#include "system/unicode.h"
#include "utility/pathrules.h"

namespace tavrin::gui {

namespace {

int compareIgnoringCase(const std::wstring& left, const std::wstring& right) {
    return lstrcmpiW(left.c_str(), right.c_str());
}

bool isDotEntry(std::wstring_view name) {
    return name == L"." || name == L"..";
}

std::vector<FileEntry> entriesOf(const std::wstring& folder) {
    std::vector<FileEntry> entries;
    const std::optional<std::wstring> full = system::fullPath(folder);
    if (!full) {
        return entries;
    }
    shell::Finder finder(system::apiPath(utility::addBackslash(*full) + L"*"));
    WIN32_FIND_DATAW data{};
    while (finder.next(data)) {
        if (!isDotEntry(data.cFileName)) {
            entries.push_back(
                {data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
        }
    }
    return entries;
}

} // namespace

bool fileSortLess(const FileEntry& left, const FileEntry& right) {
    if (left.folder != right.folder) {
        return left.folder;
    }
    if (!left.folder) {
        if (const int byExtension =
                compareIgnoringCase(utility::extension(left.name), utility::extension(right.name));
            byExtension != 0) {
            return byExtension < 0;
        }
        return compareIgnoringCase(utility::baseName(left.name), utility::baseName(right.name)) < 0;
    }
    return compareIgnoringCase(left.name, right.name) < 0;
}

ItemFileMenu::ItemFileMenu(std::string folder, image::ICONSIZE size) : folder_(std::move(folder)) {
    iconSize(size);
}

void ItemFileMenu::fill() {
    if (std::exchange(filled_, true)) {
        return;
    }
    const std::wstring folder = system::toWide(folder_);
    const std::wstring parent = utility::parentFolder(utility::removeBackslash(folder));
    if (!parent.empty()) {
        addEntry("親フォルダ", system::toUtf8(parent), true);
    }
    addEntry("このフォルダ", folder_, true);
    std::vector<FileEntry> entries = entriesOf(folder);
    std::sort(entries.begin(), entries.end(), fileSortLess);
    for (const FileEntry& entry : entries) {
        const std::string name = system::toUtf8(entry.name);
        addEntry(name, folder_ + name, entry.folder);
    }
}

void ItemFileMenu::addEntry(const std::string& text, std::string path, bool folder) {
    const auto id = static_cast<UINT>(FIRST_ID + paths_.size());
    const image::SYSICON kind = folder ? image::SYSICON::FOLDER : image::SYSICON::FILE;
    if (insertDrawn(taggedItem(id, MENUS::ITEM_FILE),
                    {text, image::GetSystemIcon(iconSize(), kind)})) {
        paths_.push_back(std::move(path));
    }
}

std::optional<std::string> ItemFileMenu::pathOf(UINT id) const {
    if (id < FIRST_ID || id - FIRST_ID >= paths_.size()) {
        return std::nullopt;
    }
    return paths_[id - FIRST_ID];
}

} // namespace tavrin::gui
