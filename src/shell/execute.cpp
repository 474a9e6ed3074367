#include "shell/execute.h"

#include <cstdint>
#include <string>

#include "shell/argumentline.h"
#include "shell/commandline.h"
#include "shell/path.h"
#include "shell/shellresult.h"
#include "system/caughtcause.h"
#include "system/systemmessage.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"

#include <shellapi.h>

namespace tavrin::shell {
namespace {

using system::caughtCause;
using system::CODE;
using system::toUtf8;
using system::toWide;
using utility::addBackslash;
using utility::parentFolder;

HWND windowOf(HWND owner) {
    return owner != nullptr ? owner : GetDesktopWindow();
}

// The message text of the error the thread's last error holds.
std::string lastErrorText() {
    return system::systemMessage(GetLastError());
}

enum class FOUND { NOTHING, FILE, FOLDER };

// Any failure to look the path up counts as nothing there: such a path is left to the shell
// as a command line.
FOUND found(std::string_view path) {
    try {
        return isFolder(toWide(path)) ? FOUND::FOLDER : FOUND::FILE;
    } catch (const system::TavrinFileException&) {
        return FOUND::NOTHING;
    }
}

[[noreturn]] void throwNotStarted(std::string_view path, DWORD code) {
    SetLastError(code);
    throw system::TavrinFileException(std::string(path) + "[" + lastErrorText() + "]",
                                      CODE::FILE_EXECUTE_PATH);
}

HINSTANCE startCommandLine(HWND window, std::string_view path, std::string_view options, int show) {
    const CommandLine line = splitCommandLine(path, options);
    // Never a guess: a program written as a path is that file or nothing, and the failure
    // names the whole address the user wrote.
    if (!path.starts_with('"') && programIsPath(line.file) && found(line.file) != FOUND::FILE) {
        throwNotStarted(path, ERROR_FILE_NOT_FOUND);
    }
    const HINSTANCE instance = ShellExecuteW(window, nullptr, toWide(line.file).c_str(),
                                             toWide(line.parameters).c_str(), nullptr, show);
    const auto result = reinterpret_cast<std::intptr_t>(instance);
    if (result > 32) {
        return instance;
    }
    throwNotStarted(path, systemCodeOfShellResult(result));
}

HINSTANCE startExisting(SHELLEXECUTEINFOW& request, std::string_view path, FOUND kind,
                        std::string_view options, std::string_view workFolder, bool explore) {
    const std::wstring file = toWide(path);
    std::wstring parameters;
    std::wstring directory;
    request.lpFile = file.c_str();
    if (kind == FOUND::FOLDER) {
        request.lpVerb = explore ? L"explore" : L"open";
    } else {
        request.lpVerb = L"open";
        parameters = toWide(options);
        request.lpParameters = parameters.c_str();
        directory = !workFolder.empty() && found(workFolder) == FOUND::FOLDER ? toWide(workFolder)
                                                                              : parentFolder(file);
        request.lpDirectory = directory.c_str();
    }
    SetLastError(0);
    if (!ShellExecuteExW(&request)) {
        throw system::TavrinFileException(std::string(path) + " [" + lastErrorText() + "]",
                                          CODE::FILE_EXECUTE_PROPERTY);
    }
    return request.hInstApp;
}

} // namespace

HINSTANCE ExecuteFile(HWND owner, std::string_view path, std::string_view options,
                      std::string_view workFolder, int show, bool explore) {
    try {
        SHELLEXECUTEINFOW request{};
        request.cbSize = sizeof(request);
        request.fMask = SEE_MASK_DOENVSUBST | SEE_MASK_FLAG_NO_UI;
        request.hwnd = windowOf(owner);
        request.nShow = show;
        const FOUND kind = found(path);
        if (kind == FOUND::NOTHING) {
            return startCommandLine(request.hwnd, path, options, show);
        }
        return startExisting(request, path, kind, options, workFolder, explore);
    } catch (const std::exception& failure) {
        throw system::TavrinException("ファイル実行例外", CODE::FILE, caughtCause(failure));
    }
}

HINSTANCE ExecuteFolder(FOLDER mode, std::string_view path, int show,
                        std::string_view folderProgram) {
    try {
        if (mode != FOLDER::PROGRAM) {
            return ExecuteFile(nullptr, toUtf8(addBackslash(toWide(path))), "", "", show,
                               mode == FOLDER::EXPLORE);
        }
        if (path.empty()) {
            throw system::TavrinFileException("肝心のフォルダパスが完全に無効",
                                              CODE::FILE_EXECUTE_FOLDER);
        }
        return ExecuteFile(nullptr, folderProgram, runtimeArgument(path, true), path, show, false);
    } catch (const std::exception& failure) {
        throw system::TavrinException("フォルダ実行無効," + std::string(path), CODE::FILE,
                                      caughtCause(failure));
    }
}

HINSTANCE ShowProperties(HWND owner, std::string_view path) {
    const std::wstring file = toWide(path);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof(request);
    request.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    request.hwnd = windowOf(owner);
    request.lpVerb = L"properties";
    request.lpFile = file.c_str();
    request.nShow = SW_SHOWNORMAL;
    SetLastError(0);
    if (!ShellExecuteExW(&request)) {
        throw system::TavrinFileException(std::string(path) + "[" + lastErrorText() + "]",
                                          CODE::FILE_EXECUTE_PROPERTY);
    }
    // No process handle is kept: the sheet belongs to the shell.
    if (request.hProcess != nullptr) {
        CloseHandle(request.hProcess);
    }
    return request.hInstApp;
}

} // namespace tavrin::shell
