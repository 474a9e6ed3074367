#include "launcherrun.h"

#include <gtest/gtest.h>

#include <optional>

#include "launcherdriver.h"
#include "system/unicode.h"

namespace tavrin::systemtest {

void answerMessageBoxes(DWORD processId, std::set<HWND>& answered,
                        std::vector<std::string>& shown) {
    struct Search {
        DWORD processId;
        std::vector<HWND> boxes;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t className[16]{};
            GetClassNameW(window, className, 16);
            if (owner == search.processId && std::wstring_view(className) == L"#32770" &&
                IsWindowVisible(window)) {
                search.boxes.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    for (const HWND box : search.boxes) {
        if (!answered.insert(box).second) {
            continue;
        }
        // The message text of a message box is its control 0xFFFF.
        wchar_t text[4096]{};
        GetDlgItemTextW(box, 0xFFFF, text, 4096);
        shown.push_back(system::toUtf8(text));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    if (const std::optional<ShownFailure> failure = exceptionDialog(processId)) {
        if (answered.insert(failure->dialog).second) {
            shown.push_back(failure->text);
            closeExceptionDialog(failure->dialog);
        }
    }
}

DWORD runLauncher(const std::filesystem::path& program, std::wstring_view arguments,
                  const std::filesystem::path& workFolder, std::vector<std::string>& shown,
                  const std::function<void(DWORD processId, HWND launcher)>& drive) {
    std::wstring commandLine = L"\"" + program.wstring() + L"\" " + std::wstring(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workFolder.c_str(), &startup, &process)) {
        ADD_FAILURE() << "cannot start " << system::toUtf8(program.wstring()) << ": "
                      << GetLastError();
        return ~DWORD(0);
    }
    CloseHandle(process.hThread);
    std::set<HWND> answered;
    bool driven = false;
    const ULONGLONG deadline = GetTickCount64() + 60000;
    while (WaitForSingleObject(process.hProcess, 100) == WAIT_TIMEOUT &&
           GetTickCount64() < deadline) {
        answerMessageBoxes(process.dwProcessId, answered, shown);
        const HWND launcher = driven ? nullptr : launcherWindow(process.dwProcessId);
        if (launcher) {
            driven = true;
            if (drive) {
                drive(process.dwProcessId, launcher);
            }
            PostMessageW(launcher, WM_CLOSE, 0, 0);
        }
    }
    DWORD exitCode = ~DWORD(0);
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &exitCode);
    } else {
        ADD_FAILURE() << system::toUtf8(program.wstring()) << " did not end";
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, INFINITE);
    }
    CloseHandle(process.hProcess);
    return exitCode;
}

} // namespace tavrin::systemtest
