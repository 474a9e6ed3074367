#pragma once

#include <string_view>

#include "etc/drevak/drevak.h"
#include "system/win32.h"

// The shell operations every launcher surface ends in. They return as soon as the shell has
// taken the request; nothing waits for the started program.
namespace tavrin::shell {

// How folders are opened: the values of the setting Folder.
enum class FOLDER : drevak::Integer {
    OPEN,    // the shell's "open"
    EXPLORE, // the shell's "explore"
    PROGRAM, // handed to the folder program item
};

// Starts a file, folder or command line; show is a show-window code. An existing file starts
// with options in workFolder when that is an existing folder, else in its own folder; an
// existing folder opens with "explore" or "open". A path that names nothing is a command
// line (see splitCommandLine), started without a work folder; its program, when written as a
// path, only when a file of exactly that name exists (see programIsPath). Raises TavrinException
// "ファイ ル実行例外" (FILE) with the failure as its cause: TavrinFileException FILE_EXECUTE_PATH
// "path[message]" for a command line the shell refused, FILE_EXECUTE_PROPERTY "path
// [message]" for an existing path.
HINSTANCE ExecuteFile(HWND owner, std::string_view path, std::string_view options,
                      std::string_view workFolder, int show, bool explore);

// Opens a folder the way mode says; folderProgram matters to PROGRAM only, which starts it
// with the folder as its one quoted argument and as its work folder. Raises TavrinException
// "フォルダ実行無 効," + path (FILE) with the failure as its cause, for PROGRAM with an empty path
// TavrinFileException "肝心のフォルダパスが完全に無効" (FILE_EXECUTE_FOLDER).
HINSTANCE ExecuteFolder(FOLDER mode, std::string_view path, int show,
                        std::string_view folderProgram = {});

// Opens the shell's properties sheet of a file or folder. Raises TavrinFileException
// "path[message]" (FILE_EXECUTE_PROPERTY) when the shell refuses.
HINSTANCE ShowProperties(HWND owner, std::string_view path);

} // namespace tavrin::shell
