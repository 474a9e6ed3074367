#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <stdexcept>
#include <vector>

#include "image/iconloader.h"

namespace tavrin::image {
namespace {

constexpr UINT FOUND = WM_APP + 1;

// A window that only receives posted messages.
class Receiver {
public:
    Receiver()
        : window_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                  nullptr)) {}
    ~Receiver() { DestroyWindow(window_); }
    HWND get() const { return window_; }

    // The serials of the messages that arrive within the time given.
    std::vector<WPARAM> serialsWithin(DWORD milliseconds) const {
        std::vector<WPARAM> serials;
        const ULONGLONG giveUp = GetTickCount64() + milliseconds;
        while (GetTickCount64() < giveUp) {
            MSG message;
            while (PeekMessageW(&message, window_, FOUND, FOUND, PM_REMOVE)) {
                serials.push_back(message.wParam);
            }
            Sleep(5);
        }
        return serials;
    }

private:
    HWND window_;
};

Icon stock() {
    return Icon(CopyIcon(LoadIconW(nullptr, IDI_APPLICATION)), true);
}

// Every picture found reaches the window with its place among the look-ups, in order; a
// look-up that raises or finds nothing is left out and the others still come; a message comes only
// from the loader that found something, so an older loader's is told apart.
TEST(IconLoaderTest, PicturesComeWithTheirPlacesAndFailuresAreLeftOut) {
    const Receiver window;
    std::vector<IconLoader::LookUp> lookUps = {
        stock,
        []() -> Icon { throw std::runtime_error("unreadable"); },
        [] { return Icon(); },
        stock,
    };
    IconLoader loader(window.get(), FOUND, std::move(lookUps));
    std::map<std::size_t, bool> found;
    for (const WPARAM serial : window.serialsWithin(500)) {
        ASSERT_TRUE(loader.sent(serial));
        for (const auto& [place, icon] : loader.take()) {
            found[place] = icon.get() != nullptr;
        }
    }
    for (const auto& [place, icon] : loader.take()) {
        found[place] = icon.get() != nullptr;
    }
    EXPECT_EQ(found, (std::map<std::size_t, bool>{{0, true}, {3, true}}));
    EXPECT_FALSE(loader.sent(0));
}

// A loader given up while its look-up runs does not wait for it, and what that look-up
// finds never reaches the window.
TEST(IconLoaderTest, LoaderGivenUpDropsWhatItsRunningLookUpFinds) {
    const Receiver window;
    std::atomic<bool> started{false};
    std::atomic<bool> release{false};
    {
        IconLoader loader(window.get(), FOUND, {[&started, &release] {
                              started = true;
                              while (!release) {
                                  Sleep(1);
                              }
                              return stock();
                          }});
        while (!started) {
            Sleep(1);
        }
    }
    release = true;
    IconLoader::waitForAll(2000);
    EXPECT_TRUE(window.serialsWithin(100).empty());
}

} // namespace
} // namespace tavrin::image
