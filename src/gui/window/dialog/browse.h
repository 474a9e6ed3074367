#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "system/win32.h"

#include <commdlg.h>
#include <shlobj.h>

namespace tavrin::gui {

// One entry of the file-open dialog's type list: its caption and its patterns ("*.exe;*.lnk").
struct FileFilter {
    std::string name;
    std::string pattern;
};

// The system dialogs behind the browse actions, replaceable so that tests can answer for a
// user without a modal system window. The folder call hands out a list the caller frees.
struct BrowseCalls {
    std::function<BOOL(OPENFILENAMEW& request)> openFile;
    std::function<PIDLIST_ABSOLUTE(BROWSEINFOW& request)> browseFolder;
};
BrowseCalls& browseCalls();

// The flags of the file-open dialog: hide read-only, path and file must exist, explorer
// style, long names.
constexpr DWORD OPEN_FILE_FLAGS = 0x281804;
// The folder dialog's: file-system folders only, their ancestors, an edit box, the new style.
constexpr UINT BROWSE_FOLDER_FLAGS = 0x59;

// Asks for an existing file, starting in the folder that holds startPath when that path
// exists, else in the user's documents folder. Nothing when the user cancels.
std::optional<std::string> chooseFile(HWND owner, const std::string& title,
                                      const std::vector<FileFilter>& filters,
                                      const std::string& startPath);

// Asks for a folder, starting at startPath when that is an existing folder, else at the
// user's documents folder. Nothing when the user cancels.
std::optional<std::string> chooseFolder(HWND owner, const std::string& startPath);

} // namespace tavrin::gui
