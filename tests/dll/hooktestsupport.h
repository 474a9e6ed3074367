#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "system/win32.h"

// Real windows and real clicks for the tests of the hook: stand-ins for the shell's desktop
// windows, a middle click through the system's input, and a message pump.
namespace tavrin::dll::test {

// The project's Hooker.dll as this process sees it.
std::filesystem::path hookerLibrary();

// A shown top-level window of its own class and title over the given screen rectangle, above
// every other window, which records the messages it is given, with a child of childClass filling it
// when one is given.
class StandIn {
public:
    StandIn(const wchar_t* className, const wchar_t* title, RECT where,
            const wchar_t* childClass = nullptr);
    ~StandIn();
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    HWND hwnd() const noexcept { return window_; }
    POINT centre() const;
    // The messages of the kind the window has been given so far, in order.
    std::vector<MSG> received(UINT message) const;

private:
    HWND window_;
    std::vector<MSG> received_;
};

// Presses and releases the middle button at the screen point through SendInput.
void middleClick(POINT screen);

// Pumps this thread's messages until done answers true or about five seconds have passed;
// the last answer.
bool pumpUntil(const std::function<bool()>& done);

} // namespace tavrin::dll::test
