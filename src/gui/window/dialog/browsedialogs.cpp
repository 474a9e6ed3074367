#include "gui/window/dialog/browsedialogs.h"

#include <vector>

#include "shell/com.h"
#include "shell/specialfolder.h"
#include "system/log.h"
#include "system/staticdata.h"
#include "system/unicode.h"
#include "utility/filter.h"

namespace tavrin::gui {

namespace {

// What the shell's own dialogs hold at most; it is also what a typed path may take.
constexpr DWORD PATH_BUFFER = 0x8100;

// Return only file-system folders and ancestors, with an edit box, in the new style.
constexpr UINT FOLDER_FLAGS =
    BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | BIF_EDITBOX | BIF_NEWDIALOGSTYLE;
static_assert(FOLDER_FLAGS == 0x59);
// Hide read-only, path and file must exist, explorer style, long names.
constexpr DWORD FILE_FLAGS =
    OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_LONGNAMES;
static_assert(FILE_FLAGS == 0x281804);

bool isExistingFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Called by the shell: the start folder is selected once the dialog is there.
int CALLBACK selectStart(HWND dialog, UINT message, LPARAM, LPARAM start) noexcept {
    if (message == BFFM_INITIALIZED && start != 0) {
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, start);
    }
    return 0;
}

// The folder part of start (up to its last backslash) when that folder exists.
std::wstring startFolderOf(const std::wstring& start) {
    const std::size_t cut = start.rfind(L'\\');
    if (cut != std::wstring::npos && isExistingFolder(start.substr(0, cut + 1))) {
        return start.substr(0, cut + 1);
    }
    return shell::specialFolder(shell::SYS_FOLDER::PERSONAL, PATH_BUFFER);
}

// The file dialog's library is loaded when a file is first asked for: it weighs on every
// start of a launcher that rarely browses. Without it the user gets no choice, and the log
// says why.
BOOL openFileDialog(OPENFILENAMEW& request) {
    using OpenFile = BOOL WINAPI(OPENFILENAMEW*);
    static OpenFile* const open = [] {
        const HMODULE library =
            LoadLibraryExW(L"comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        return library == nullptr ? nullptr
                                  : reinterpret_cast<OpenFile*>(reinterpret_cast<void*>(
                                        GetProcAddress(library, "GetOpenFileNameW")));
    }();
    if (open == nullptr) {
        system::WriteLog("comdlg32.dll:GetOpenFileNameW を読み込めない");
        return FALSE;
    }
    return open(&request);
}

} // namespace

BrowseCalls& browseCalls() {
    static BrowseCalls calls{&openFileDialog,
                             [](BROWSEINFOW& request) { return SHBrowseForFolderW(&request); }};
    return calls;
}

std::optional<std::string> browseForFolder(HWND owner, const std::string& start) {
    const std::wstring wideStart = system::toWide(start);
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.ulFlags = FOLDER_FLAGS;
    if (isExistingFolder(wideStart)) {
        info.lpfn = &selectStart;
        info.lParam = reinterpret_cast<LPARAM>(wideStart.c_str());
    }
    const shell::IdList chosen(
        [&info](PIDLIST_ABSOLUTE* list) { *list = browseCalls().browseFolder(info); });
    const std::optional<std::wstring> path = chosen.path(PATH_BUFFER);
    if (!path) {
        return std::nullopt;
    }
    return system::toUtf8(*path);
}

std::optional<std::string> browseForFile(HWND owner, const std::string& start) {
    return browseForFileWith(owner, start, {}, system::StaticData::Filters());
}

std::optional<std::string>
browseForFileWith(HWND owner, const std::string& start, const std::string& title,
                  const std::vector<std::vector<std::wstring>>& filters) {
    const std::wstring folder = startFolderOf(system::toWide(start));
    const std::wstring caption = system::toWide(title);
    const std::wstring filter = utility::dialogFilter(filters);
    std::vector<wchar_t> chosen(PATH_BUFFER, L'\0');
    OPENFILENAMEW info{};
    info.lStructSize = sizeof info;
    info.hwndOwner = owner;
    info.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    info.lpstrFile = chosen.data();
    info.nMaxFile = PATH_BUFFER;
    info.lpstrInitialDir = folder.c_str();
    info.lpstrTitle = caption.empty() ? nullptr : caption.c_str();
    info.Flags = FILE_FLAGS;
    if (!browseCalls().openFile(info)) {
        return std::nullopt;
    }
    return system::toUtf8(chosen.data());
}

} // namespace tavrin::gui
