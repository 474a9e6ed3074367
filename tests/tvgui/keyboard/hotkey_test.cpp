#include "tvgui/keyboard/hotkey.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "system/controller.h"

namespace tavrin::tvgui {
namespace {

using testing::StartsWith;

const HOTKEY_ID FIRST{1};
const HOTKEY_ID SECOND{2};
const MOD CTRL_SHIFT = MOD::CONTROL | MOD::SHIFT;

struct Arrived {
    HWND window;
    WPARAM id;
    LPARAM combination;
};
std::vector<Arrived> arrived;

LRESULT CALLBACK recordHotKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY) {
        arrived.push_back({window, wParam, lParam});
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class HotKeyTest : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = recordHotKeys;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TavrinHotKeyTest";
        RegisterClassExW(&windowClass);
        for (HWND& window : windows) {
            window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0,
                                     200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
            ASSERT_NE(window, nullptr);
        }
        arrived.clear();
    }
    void TearDown() override {
        for (HWND window : windows) {
            DestroyWindow(window);
        }
    }

    // Presses Ctrl+Shift+key and lets go, as the user's keyboard would.
    static void type(KEY key) {
        std::vector<INPUT> inputs;
        for (const bool up : {false, true}) {
            for (const WORD code : {WORD{VK_CONTROL}, WORD{VK_SHIFT}, static_cast<WORD>(key)}) {
                INPUT input{};
                input.type = INPUT_KEYBOARD;
                input.ki.wVk = code;
                input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
                inputs.push_back(input);
            }
        }
        ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)),
                  inputs.size());
    }

    // Handles messages until a hot key arrives, for at most about two seconds.
    static void awaitHotKey() {
        for (int round = 0; round < 40 && arrived.empty(); ++round) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&message);
            }
        }
    }

    HWND windows[2]{};
};

TEST_F(HotKeyTest, ATypedCombinationArrivesAtItsWindowWithIdAndKey) {
    HotKey hotKey(windows[0], FIRST, CTRL_SHIFT, KEY::F9);
    ASSERT_TRUE(hotKey.registerKey());
    EXPECT_TRUE(hotKey.isRunning());

    type(KEY::F9);
    awaitHotKey();

    ASSERT_EQ(arrived.size(), 1u);
    EXPECT_EQ(arrived[0].window, windows[0]);
    EXPECT_EQ(arrived[0].id, WPARAM{1});
    EXPECT_EQ(LOWORD(arrived[0].combination), MOD_CONTROL | MOD_SHIFT);
    EXPECT_EQ(HIWORD(arrived[0].combination), VK_F9);
}

TEST_F(HotKeyTest, ATakenCombinationIsAConflictUntilItsHolderLetsGo) {
    HotKey holder(windows[0], FIRST, CTRL_SHIFT, KEY::F10);
    HotKey rival(windows[1], SECOND, CTRL_SHIFT, KEY::F10);
    holder.start();

    EXPECT_FALSE(rival.registerKey());
    EXPECT_FALSE(rival.isRegistered());
    try {
        rival.start();
        ADD_FAILURE() << "a taken combination was registered twice";
    } catch (const HotKeyConflictException& conflict) {
        EXPECT_THAT(conflict.message(), StartsWith("ホットキー競合？Ctrl+Shift+F10:"));
    }
    EXPECT_FALSE(rival.isRunning());

    // A refused registration leaves the id free to try again.
    holder.stop();
    EXPECT_FALSE(holder.isRunning());
    rival.start();
    EXPECT_TRUE(rival.isRunning());
    EXPECT_THROW(holder.start(), HotKeyConflictException);
    EXPECT_TRUE(rival.dispose());
    holder.start();
    EXPECT_TRUE(holder.isRunning());
}

TEST_F(HotKeyTest, APauseLetsTheCombinationGoForItsScopeOnly) {
    HotKey hotKey(windows[0], FIRST, CTRL_SHIFT, KEY::F11);
    hotKey.start();
    {
        system::Pause pause(hotKey);
        EXPECT_FALSE(hotKey.isRunning());
        HotKey meanwhile(windows[1], SECOND, CTRL_SHIFT, KEY::F11);
        EXPECT_TRUE(meanwhile.registerKey()) << "the paused combination is free";
    }
    EXPECT_TRUE(hotKey.isRunning());

    type(KEY::F11);
    awaitHotKey();
    ASSERT_EQ(arrived.size(), 1u);
    EXPECT_EQ(arrived[0].window, windows[0]);
}

TEST_F(HotKeyTest, ReleaseHappensOnceAndARefusedOneIsReported) {
    std::optional<HotKey> hotKey(std::in_place, windows[0], FIRST, CTRL_SHIFT, KEY::F12);
    hotKey->start();
    hotKey->start(); // registered already: nothing more to hold
    EXPECT_TRUE(hotKey->dispose());
    EXPECT_FALSE(hotKey->isRegistered());
    EXPECT_TRUE(hotKey->dispose());
    EXPECT_FALSE(UnregisterHotKey(windows[0], 1)) << "released once already";

    hotKey->start();
    // Taken away behind the holder's back, so that the system refuses the holder's own call.
    ASSERT_TRUE(UnregisterHotKey(windows[0], 1));
    EXPECT_THROW(hotKey->stop(), system::KeyBoardException);
    try {
        hotKey->dispose();
        ADD_FAILURE() << "dispose reported success";
    } catch (const system::TavrinException& refused) {
        EXPECT_THAT(refused.message(), testing::HasSubstr(".RAII失敗(ホットキー()["));
    }
    hotKey.reset();
}

TEST_F(HotKeyTest, AWindowTheSystemDoesNotKnowGetsNoHotKey) {
    HotKey hotKey(reinterpret_cast<HWND>(0x1234), FIRST, CTRL_SHIFT, KEY::F8);
    EXPECT_FALSE(hotKey.registerKey());
    try {
        hotKey.start();
        ADD_FAILURE() << "registered on no window";
    } catch (const HotKeyConflictException&) {
        ADD_FAILURE() << "a missing window is no conflict";
    } catch (const system::KeyBoardException& refused) {
        EXPECT_THAT(refused.message(), StartsWith("RegisterHotKey失敗:Ctrl+Shift+F8:"));
    }
}

} // namespace
} // namespace tavrin::tvgui
