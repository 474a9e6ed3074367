#pragma once

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "system/win32.h"

// Starts the real launcher and closes it again as a user would, answering what it shows on
// the way: the run that every end-to-end test of tavrin.exe is built on.
namespace tavrin::systemtest {

// Answers the message boxes and the exception dialog the process shows that are not in
// answered yet; their texts are added to shown.
void answerMessageBoxes(DWORD processId, std::set<HWND>& answered, std::vector<std::string>& shown);

// Runs the program with the arguments in the work folder to its end and returns its exit
// code. What it shows is answered into shown. Once the launcher's window is up, drive gets
// it; then the launcher is closed as Alt+F4 closes it, unless it has ended already. A run
// that does not end within a minute is killed and fails the test.
DWORD runLauncher(const std::filesystem::path& program, std::wstring_view arguments,
                  const std::filesystem::path& workFolder, std::vector<std::string>& shown,
                  const std::function<void(DWORD processId, HWND launcher)>& drive = {});

} // namespace tavrin::systemtest
