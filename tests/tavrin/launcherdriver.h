#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "system/win32.h"

// After the Windows headers, on which it builds.
#include <commctrl.h>

// Drives a running launcher from outside, as the shell and a user reach it: finds its windows
// by its process, reads its tool bar across the process boundary and posts what the shell
// would post.
namespace tavrin::systemtest {

// The build hands over Linux paths; Wine shows the Linux root as drive Z:.
std::wstring winePath(std::string_view built);

// Polls until done answers true or about ten seconds have passed; the last answer.
bool waitFor(const std::function<bool()>& done);

// The launcher's main window: the visible top-level window of the process that holds the
// tool bar (control 1), or a hidden one when asked for. Null until there is one.
HWND launcherWindow(DWORD processId, bool hiddenToo = false);
HWND toolBarOf(HWND launcher);

// An exception dialog the process shows: its window and the text of its text box.
struct ShownFailure {
    HWND dialog = nullptr;
    std::string text;
};
std::optional<ShownFailure> exceptionDialog(DWORD processId);
// Closes it with its close button.
void closeExceptionDialog(HWND dialog);

int buttonCount(HWND toolBar);
// The texts of the tool bar's buttons, read through a buffer in the launcher's process.
std::vector<std::string> buttonTexts(HWND toolBar);

// A click on the tool bar's button with the command, as the tool bar reports it.
void pressButton(HWND launcher, HWND toolBar, int command);

// The process's visible pop-up menu window, null when none is open.
HWND openMenu(DWORD processId);

// The process's pop-up menu once its thread is in its menu loop, ready for keys; null before.
HWND trackedMenu(DWORD processId);

// Whether the process has loaded a library of that file name (compared without case).
bool moduleLoaded(DWORD processId, std::wstring_view fileName);

// The identifiers of the process's threads.
std::set<DWORD> threadsOf(DWORD processId);

// Types the keys with SendInput.
void typeKeys(const std::vector<WORD>& keys);
// Presses the key with the modifier keys held, with SendInput.
void typeCombination(const std::vector<WORD>& modifiers, WORD key);

// The place of the tool bar's button with the command, in the tool bar's client area.
std::optional<RECT> buttonRect(HWND toolBar, int command);
// A left click with SendInput at the point of the screen.
void clickAt(POINT screen);
POINT middleOf(const RECT& rect);
// A click with SendInput on the drop-down arrow of the button with the command.
void pressDropDown(HWND toolBar, int command);
// Drops the files on the target window at the point of its client area, as the shell hands a
// drop over; the drop block is written into the target's process.
bool dropFiles(HWND target, const std::vector<std::wstring>& paths, POINT point);
// Drops the files at the point of the screen where the system would: on the window there that
// takes files, or the nearest of its parents that does. False when none there takes files.
bool dropFilesAt(POINT screen, const std::vector<std::wstring>& paths);
// The place of the button with the command on the screen.
std::optional<RECT> buttonOnScreen(HWND toolBar, int command);
// A click with SendInput on the button with the command, away from its arrow.
void clickButton(HWND toolBar, int command);
// A press of the left button at the point of the screen, moves by step (each its own input, as
// a hand makes them) until the pointer went by way to the right, and the release.
void dragRight(POINT from, int way, int step);
// The process's visible top-level window of the toolkit's class with the title; null when
// none.
HWND toolkitWindow(DWORD processId, std::string_view title);
// The process's visible top-level window of the toolkit's class that holds a child of the
// class with the id; null when none.
HWND toolkitWindowHolding(DWORD processId, std::wstring_view className, int id);
// The text of the dialog's child of the class with the id, and a new text for it; the
// messages cross the process boundary.
std::string childText(HWND dialog, std::wstring_view className, int id);
// The texts of the dialog's list box with the id, read through a buffer in its process.
std::vector<std::string> listTexts(HWND dialog, int id);
void setChildText(HWND dialog, std::wstring_view className, int id, std::string_view text);

// Opens the window menu as the tray icon's right click does and waits until it takes keys;
// false when no menu opened.
bool openWindowMenu(DWORD processId, HWND launcher);

// The entries of the window menu's "ウィンドウ" sub-menu, counted up from its last one.
enum class WindowEntry {
    HIDDEN = 1,
    FRONT = 2,
    FLOAT = 3,
    BOTTOM = 4,
    RIGHT = 5,
    TOP = 6,
    LEFT = 7
};
// Chooses the entry from the window menu with the keys a user would type.
bool chooseWindowEntry(DWORD processId, HWND launcher, WindowEntry entry);

// Opens the settings dialog from the window menu; its window, null when it did not come.
HWND openSettings(DWORD processId, HWND launcher);
// A click on the settings dialog's tool-bar button with the command (1 to 3 the pages, 7 "ok").
void pressSettingsButton(HWND settings, int command);

// Types each list of keys into the next pop-up menu the process opens, a menu that re-opens
// after a choice counting as the next one; whether every menu came.
bool typeInMenus(DWORD processId, const std::vector<std::vector<WORD>>& keysPerMenu);

// Answers the message boxes (with ok) and exception dialogs (with their close button) the
// process shows that are not answered yet; their texts go to shown. The number of exception
// dialogs among them.
int answerShown(DWORD processId, std::set<HWND>& answered, std::vector<std::string>& shown);

// How a run of the launcher ended.
struct LauncherRun {
    bool started = false;
    // False when the run outlived its time and was killed.
    bool ended = false;
    DWORD exitCode = ~DWORD(0);
    int exceptionDialogs = 0;
};
// Runs the program in the folder to its end. Message boxes and exception dialogs it shows are
// answered and their texts kept in shown. Once the launcher's window is up, drive gets it; then
// the launcher is closed as Alt+F4 closes it, unless it has ended already; a launcher that
// stays hidden is taken after ten seconds. A run that has not
// ended after timeout milliseconds is killed.
LauncherRun runLauncher(const std::filesystem::path& program, std::wstring_view arguments,
                        const std::filesystem::path& folder, std::vector<std::string>& shown,
                        const std::function<void(DWORD processId, HWND launcher)>& drive = {},
                        DWORD timeout = 60000);

// Waits until the launcher has looked at its data files, free to reload, count more times than
// now: the proof that looks have passed, before a test trusts that they changed nothing.
bool waitForDiskLooks(HWND launcher, int count);

// Opens the settings dialog from the window menu and waits until it is in front, ready for a
// click; its window, null when it did not come.
HWND openSettingsInFront(DWORD processId, HWND launcher);
// A left click with SendInput at the middle of the window.
void clickOn(HWND window);
// Clicks the settings dialog's tool-bar button with the command where it shows.
void clickSettingsButton(HWND settings, int command);
// The visible control of the class inside the window, at any depth; null when none.
HWND visibleDescendant(HWND window, std::wstring_view className);
// The tree view's first entry, and an entry's label read through a buffer in its process.
HTREEITEM firstTreeEntry(HWND tree);
std::string treeLabel(HWND tree, HTREEITEM entry);
// Clicks the tree's blank below its entries, which gives it the focus and selects nothing.
void focusTree(HWND tree);

// The command box: the process's toolkit window that holds its edit line.
HWND commandBox(DWORD processId);
// Presses the command box's hot key and waits for the box in front; null when it did not come.
HWND showCommandBox(DWORD processId);

} // namespace tavrin::systemtest
