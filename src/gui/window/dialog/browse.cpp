#include "gui/window/dialog/browse.h"

#include "shell/com.h"
#include "shell/specialfolder.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"

namespace tavrin::gui {
namespace {

// The path buffer's length in UTF-16 units, as the launcher's other shell calls give.
constexpr DWORD PATH_UNITS = 0x8100;

std::wstring documentsFolder() {
    return shell::specialFolder(shell::SYS_FOLDER::PERSONAL, PATH_UNITS);
}

DWORD attributesOf(const std::wstring& path) {
    return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(path.c_str());
}

// The type list as the dialog reads it: name and pattern, each ended by a zero, and one more
// zero at the end.
std::wstring filterList(const std::vector<FileFilter>& filters) {
    std::wstring list;
    for (const FileFilter& filter : filters) {
        list += system::toWide(filter.name) + L'\0' + system::toWide(filter.pattern) + L'\0';
    }
    return list + L'\0';
}

// Selects the start folder once the folder dialog is up.
int CALLBACK startAt(HWND dialog, UINT message, LPARAM, LPARAM folder) {
    if (message == BFFM_INITIALIZED) {
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, folder);
    }
    return 0;
}

} // namespace

BrowseCalls& browseCalls() {
    static BrowseCalls calls{[](OPENFILENAMEW& request) { return GetOpenFileNameW(&request); },
                             [](BROWSEINFOW& request) { return SHBrowseForFolderW(&request); }};
    return calls;
}

std::optional<std::string> chooseFile(HWND owner, const std::string& title,
                                      const std::vector<FileFilter>& filters,
                                      const std::string& startPath) {
    const std::wstring start = system::toWide(startPath);
    const std::wstring folder = attributesOf(start) != INVALID_FILE_ATTRIBUTES
                                    ? start.substr(0, start.rfind(L'\\') + 1)
                                    : documentsFolder();
    const std::wstring caption = system::toWide(title);
    const std::wstring types = filterList(filters);
    std::wstring chosen(PATH_UNITS, L'\0');

    OPENFILENAMEW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = owner;
    request.lpstrFilter = filters.empty() ? nullptr : types.c_str();
    request.lpstrFile = chosen.data();
    request.nMaxFile = PATH_UNITS;
    request.lpstrInitialDir = folder.c_str();
    request.lpstrTitle = caption.empty() ? nullptr : caption.c_str();
    request.Flags = OPEN_FILE_FLAGS;
    if (browseCalls().openFile(request) == FALSE) {
        return std::nullopt;
    }
    chosen.resize(chosen.find(L'\0'));
    return system::toUtf8(chosen);
}

std::optional<std::string> chooseFolder(HWND owner, const std::string& startPath) {
    const std::wstring start = system::toWide(startPath);
    const DWORD attributes = attributesOf(start);
    const std::wstring folder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
            ? start
            : documentsFolder();
    BROWSEINFOW request{};
    request.hwndOwner = owner;
    request.ulFlags = BROWSE_FOLDER_FLAGS;
    request.lpfn = &startAt;
    request.lParam = reinterpret_cast<LPARAM>(folder.c_str());
    const shell::IdList chosen(
        [&](PIDLIST_ABSOLUTE* list) { *list = browseCalls().browseFolder(request); });
    if (chosen.get() == nullptr) {
        return std::nullopt;
    }
    const std::optional<std::wstring> path = chosen.path(PATH_UNITS);
    if (!path) {
        throw system::InputException("選択したフォルダのパス取得失敗");
    }
    return system::toUtf8(*path);
}

} // namespace tavrin::gui
