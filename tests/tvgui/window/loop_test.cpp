// Message loops under Wine: the main loop and nested modal loops end where they should,
// dialogs' keys go through their accelerators, modeless dialogs take keyboard navigation
// only while active, and a handler's exception comes out of the loop whole.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "system/tavrinerrors.h"
#include "testwindow.h"
#include "tvgui/window/dialog.h"
#include "tvgui/window/mainwindow.h"
#include "tvgui/window/messageloop.h"

// After the Windows headers, on which it builds.
#include <commctrl.h>

namespace tavrin::tvgui::test {
namespace {

using testing::Contains;
using testing::ElementsAre;
using testing::Not;

// Runs the action bound to a private message when that message arrives.
template <class Base> class Scripted : public Base {
public:
    using Base::Base;

    std::map<UINT, std::function<void()>> actions;
    std::vector<std::string> calls;

    bool OnOtherEvent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (const auto action = actions.find(message); action != actions.end()) {
            action->second();
            return true;
        }
        return Base::OnOtherEvent(message, wParam, lParam, result);
    }
    bool OnCommand(ITEM_ID id, MESSAGETYPE type, TvGui&) override {
        calls.push_back("OnCommand(" + std::to_string(static_cast<int>(id)) + "," +
                        std::to_string(static_cast<int>(type)) + ")");
        return true;
    }
};

class TestMain final : public Scripted<MainWindow> {
public:
    TestMain() : Scripted(0, WS_CAPTION, nullptr) {
        creationInfo().width = 300;
        creationInfo().height = 200;
        createWindow();
    }
};

class TestModal final : public Scripted<ModalDialog> {
public:
    explicit TestModal(TvGui* owner) : Scripted(DIALOG_ID::INPUT, 0, WS_CAPTION, owner) {
        creationInfo().width = 240;
        creationInfo().height = 160;
        createWindow();
    }

    // Runs first when the window is being destroyed, when set.
    std::function<void()> destroying;
    void OnDestroy() override {
        if (destroying) {
            destroying();
        }
        Scripted::OnDestroy();
    }
};

class TestModeless final : public Scripted<ModelessDialog> {
public:
    TestModeless(TvGui* owner, DIALOG_ID id) : Scripted(id, 0, WS_CAPTION, owner) {
        creationInfo().width = 200;
        creationInfo().height = 120;
        createWindow();
    }
};

// Ends a loop that a failing test would leave waiting.
class LoopGuard {
public:
    LoopGuard() : timer_(SetTimer(nullptr, 0, 10000, &LoopGuard::expire)) { expired = false; }
    ~LoopGuard() {
        KillTimer(nullptr, timer_);
        EXPECT_FALSE(expired) << "a loop did not end by itself";
    }

private:
    static void CALLBACK expire(HWND, UINT, UINT_PTR, DWORD) {
        expired = true;
        PostQuitMessage(99);
    }
    static inline bool expired = false;
    UINT_PTR timer_;
};

void post(const TvGui& window, UINT message) {
    PostMessageW(window.hwnd(), message, 0, 0);
}

TEST(MessageLoop, AModalDialogsEndFinishesOnlyItsOwnLoop) {
    LoopGuard guard;
    TestMain main;
    TestModeless beside(&main, DIALOG_ID::EXECUTE);
    std::vector<std::string> events;
    main.actions[WM_USER + 1] = [&] {
        TestModal dialog(&main);
        dialog.actions[WM_USER + 2] = [&] {
            events.push_back(std::string("owner enabled: ") +
                             (IsWindowEnabled(main.hwnd()) ? "yes" : "no"));
            dialog.destroy();
        };
        post(dialog, WM_USER + 2);
        events.push_back("modal ended " + std::to_string(dialog.showModal()));
        events.push_back(std::string("owner enabled: ") +
                         (IsWindowEnabled(main.hwnd()) ? "yes" : "no"));
        post(main, WM_USER + 3);
    };
    main.actions[WM_USER + 3] = [&] {
        events.push_back(std::string("modeless still there: ") + (beside.exists() ? "yes" : "no"));
        main.destroy();
    };
    post(main, WM_USER + 1);
    EXPECT_EQ(main.run(), 0);
    EXPECT_THAT(events, ElementsAre("owner enabled: no", "modal ended 0", "owner enabled: yes",
                                    "modeless still there: yes"));
}

TEST(MessageLoop, DestroyingTheMainWindowUnderAModalDialogEndsBothLoops) {
    LoopGuard guard;
    TestMain main;
    std::vector<std::string> events;
    main.actions[WM_USER + 1] = [&] {
        TestModal dialog(&main);
        dialog.actions[WM_USER + 2] = [&] { main.destroy(); };
        post(dialog, WM_USER + 2);
        events.push_back("modal ended " + std::to_string(dialog.showModal()));
    };
    post(main, WM_USER + 1);
    EXPECT_EQ(main.run(), 0);
    EXPECT_THAT(events, ElementsAre("modal ended 0"));
}

TEST(MessageLoop, AHandlersExceptionComesOutOfRunWithItsCauses) {
    LoopGuard guard;
    TestMain main;
    main.actions[WM_USER + 1] = [] {
        auto root = std::make_shared<system::ItemException>("ファイル実行例外");
        auto middle = std::make_shared<system::ItemException>("アイテム(メモ帳)実行例外",
                                                              system::CODE::NONE, root);
        throw system::TvGuiException("起動失敗", system::CODE::GUI, middle);
    };
    post(main, WM_USER + 1);
    try {
        main.run();
        FAIL() << "run returned";
    } catch (const system::TvGuiException& thrown) {
        EXPECT_EQ(thrown.message(), "起動失敗");
        EXPECT_EQ(thrown.Code(), system::CODE::GUI);
        ASSERT_NE(thrown.next(), nullptr);
        EXPECT_STREQ(thrown.next()->what(), "アイテム(メモ帳)実行例外");
        const auto* middle = dynamic_cast<const system::ItemException*>(thrown.next().get());
        ASSERT_NE(middle, nullptr);
        ASSERT_NE(middle->next(), nullptr);
        EXPECT_STREQ(middle->next()->what(), "ファイル実行例外");
    }
    EXPECT_TRUE(main.exists());
}

TEST(MessageLoop, AnExceptionInAModalDialogLeavesTheOwnerEnabled) {
    LoopGuard guard;
    TestMain main;
    TestModal dialog(&main);
    dialog.actions[WM_USER + 5] = [] { throw system::InputException("入力不正"); };
    post(dialog, WM_USER + 5);
    EXPECT_THROW(dialog.showModal(), system::InputException);
    EXPECT_TRUE(IsWindowEnabled(main.hwnd()));
}

TEST(MessageLoop, HoweverAModalDialogGoesItsOwnerIsEnabledBeforeItsWindowIsDestroyed) {
    struct Case {
        const char* name;
        std::function<void(TestModal&)> close;
    };
    const Case cases[] = {
        {"destroy", [](TestModal& dialog) { dialog.destroy(); }},
        {"close", [](TestModal& dialog) { post(dialog, WM_CLOSE); }},
        {"escape",
         [](TestModal& dialog) { PostMessageW(dialog.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0x00010001); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoopGuard guard;
        TestMain main;
        TestModal dialog(&main);
        std::vector<bool> ownerEnabled;
        dialog.destroying = [&] { ownerEnabled.push_back(main.isEnabled()); };
        dialog.actions[WM_USER + 2] = [&] { c.close(dialog); };
        post(dialog, WM_USER + 2);
        EXPECT_EQ(dialog.showModal(), 0);
        EXPECT_THAT(ownerEnabled, ElementsAre(true));
    }
}

TEST(DialogKeys, EnterClicksTheDefaultButtonAndEscapeClosesTheDialog) {
    LoopGuard guard;
    TestMain main;
    TestModal dialog(&main);
    ButtonControl ok(dialog, ITEM_ID{1});
    dialog.setDefaultButton(&ok);
    ASSERT_NE(dialog.accelerator(), nullptr);
    PostMessageW(dialog.hwnd(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageW(dialog.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    EXPECT_EQ(dialog.showModal(), 0);
    EXPECT_THAT(dialog.calls, ElementsAre("OnCommand(1,0)"));
    EXPECT_FALSE(dialog.exists());
}

TEST(DialogKeys, AModelessDialogsKeysGoThroughItsOwnTableInItsOwnersLoop) {
    LoopGuard guard;
    TestMain main;
    TestModeless dialog(&main, DIALOG_ID::EXECUTE);
    ButtonControl ok(dialog, ITEM_ID{1});
    dialog.setDefaultButton(&ok);
    dialog.show(SHOW::SHOW);
    std::vector<std::string> events;
    main.actions[WM_USER + 1] = [&] {
        events.insert(events.end(), dialog.calls.begin(), dialog.calls.end());
        events.push_back(std::string("dialog open: ") + (dialog.exists() ? "yes" : "no"));
        main.destroy();
    };
    PostMessageW(ok.hwnd(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageW(dialog.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    post(main, WM_USER + 1);
    EXPECT_EQ(main.run(), 0);
    EXPECT_THAT(events, ElementsAre("OnCommand(1,0)", "dialog open: no"));
}

// A system control of any class, made through the toolkit's control base.
class Child final : public Control {
public:
    Child(TvGui& owner, const char* className, DWORD style, int height)
        : Control(info(owner, className, style, height)) {}

private:
    static GUIINFO info(TvGui& owner, const char* className, DWORD style, int height) {
        GUIINFO child;
        child.ClassName = className;
        child.Style = style;
        child.Owner = &owner;
        child.Id = 30;
        child.y = 40;
        child.width = 150;
        child.height = height;
        return child;
    }
};

TEST(DialogKeys, AControlThatTakesTheKeyGetsItBeforeTheDialog) {
    struct Case {
        const char* name;
        const char* className;
        DWORD style;
        UINT key;
        std::string expected;
    };
    const Case cases[] = {
        {"escape closes an open list", "COMBOBOX", CBS_DROPDOWNLIST, VK_ESCAPE,
         "list open: no, label edit: no, text: 一"},
        {"enter closes an open list", "COMBOBOX", CBS_DROPDOWNLIST, VK_RETURN,
         "list open: no, label edit: no, text: 一"},
        {"enter makes a new line", "EDIT", ES_MULTILINE | ES_WANTRETURN, VK_RETURN,
         "list open: no, label edit: no, text: 一\r\n"},
        {"enter ends a label edit", "SysTreeView32", TVS_EDITLABELS, VK_RETURN,
         "list open: no, label edit: no, text: 一"},
        {"escape ends a label edit", "SysTreeView32", TVS_EDITLABELS, VK_ESCAPE,
         "list open: no, label edit: no, text: 一"},
    };
    INITCOMMONCONTROLSEX trees{sizeof(trees), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&trees);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoopGuard guard;
        TestMain main;
        TestModal dialog(&main);
        ButtonControl ok(dialog, ITEM_ID{1});
        dialog.setDefaultButton(&ok);
        Child control(dialog, c.className, c.style, 100);
        std::vector<std::string> events;
        dialog.actions[WM_USER + 1] = [&] {
            SendMessageW(control.hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"一"));
            SendMessageW(control.hwnd(), CB_SETCURSEL, 0, 0);
            control.setText("一");
            control.focus();
            SendMessageW(control.hwnd(), EM_SETSEL, 2, 2);
            SendMessageW(control.hwnd(), CB_SHOWDROPDOWN, TRUE, 0);
            TVINSERTSTRUCTW entry{};
            entry.item.mask = TVIF_TEXT;
            entry.item.pszText = const_cast<wchar_t*>(L"一");
            SendMessageW(
                control.hwnd(), TVM_EDITLABELW, 0,
                SendMessageW(control.hwnd(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry)));
            PostMessageW(GetFocus(), WM_KEYDOWN, c.key,
                         c.key == VK_RETURN ? 0x001C0001 : 0x00010001);
            post(dialog, WM_USER + 2);
        };
        // The character the key makes is posted behind this message, so look one turn later.
        dialog.actions[WM_USER + 2] = [&] { post(dialog, WM_USER + 3); };
        dialog.actions[WM_USER + 3] = [&] {
            const bool open = SendMessageW(control.hwnd(), CB_GETDROPPEDSTATE, 0, 0) != 0;
            const bool editing = FindWindowExW(control.hwnd(), nullptr, L"Edit", nullptr);
            events.push_back(std::string("list open: ") + (open ? "yes" : "no") + ", label edit: " +
                             (editing ? "yes" : "no") + ", text: " + control.text());
            dialog.destroy();
        };
        post(dialog, WM_USER + 1);
        EXPECT_EQ(dialog.showModal(), 0);
        EXPECT_THAT(events, ElementsAre(c.expected));
        // The control's own notifications arrive; the default button's click must not.
        EXPECT_THAT(dialog.calls, Not(Contains("OnCommand(1,0)")));
    }
}

TEST(DialogKeys, EnterWithoutADefaultButtonIsNotHandled) {
    TestMain main;
    TestModal dialog(&main);
    EXPECT_FALSE(dialog.OnAccelerator(COMMAND_ID{0xFFFF}));
    EXPECT_FALSE(dialog.OnAccelerator(COMMAND_ID{5}));
    EXPECT_TRUE(dialog.exists());
}

TEST(DialogPanes, ADialogMadeAChildIsEmbeddedInItsOwnerWithoutCaption) {
    TestMain main;
    TestModeless pane(&main, DIALOG_ID::SETTING);
    ASSERT_TRUE(pane.caption());
    pane.makeChild();
    const LONG_PTR style = GetWindowLongPtrW(pane.hwnd(), GWL_STYLE);
    EXPECT_EQ(style & WS_POPUP, 0);
    EXPECT_NE(style & WS_CHILD, 0);
    EXPECT_FALSE(pane.caption());
    EXPECT_EQ(GetParent(pane.hwnd()), main.hwnd());
    EXPECT_TRUE(main.isChild(pane));

    // Sizing a pane keeps it where it is in its parent.
    main.move(100, 80, 400, 300, true);
    pane.move(10, 20, 150, 90, true);
    ASSERT_TRUE(pane.setClientSize(120, 60));
    RECT placed = pane.windowRect();
    MapWindowPoints(nullptr, main.hwnd(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 10);
    EXPECT_EQ(placed.top, 20);
    EXPECT_EQ(pane.clientSize().cx, 120);
}

TEST(ModelessDialog, KeyboardNavigationFollowsTheActivationState) {
    TestMain main;
    {
        TestModeless dialog(&main, DIALOG_ID::VERSION);
        EXPECT_EQ(modelessEntry(DIALOG_ID::VERSION), dialog.hwnd());
        SendMessageW(dialog.hwnd(), WM_ACTIVATE, WA_CLICKACTIVE, 0);
        EXPECT_EQ(modelessEntry(DIALOG_ID::VERSION), nullptr);
        SendMessageW(dialog.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
        EXPECT_EQ(modelessEntry(DIALOG_ID::VERSION), dialog.hwnd());
        SendMessageW(dialog.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
        EXPECT_EQ(modelessEntry(DIALOG_ID::VERSION), nullptr);
        dialog.destroy();
        EXPECT_FALSE(hasModelessEntry(DIALOG_ID::VERSION));
    }
    {
        TestModeless dialog(&main, DIALOG_ID::VERSION);
        EXPECT_TRUE(hasModelessEntry(DIALOG_ID::VERSION));
    }
    EXPECT_FALSE(hasModelessEntry(DIALOG_ID::VERSION));
}

TEST(ModelessDialog, TheMainLoopMovesTheFocusOnlyInTheActiveDialog) {
    LoopGuard guard;
    TestMain main;
    TestModeless dialog(&main, DIALOG_ID::MAIN);
    ButtonControl first(dialog, ITEM_ID{1}, 10, 10);
    ButtonControl second(dialog, ITEM_ID{2}, 10, 40);
    dialog.show(SHOW::SHOW);
    std::vector<std::string> focus;
    auto focusName = [&] {
        return GetFocus() == first.hwnd()    ? "first"
               : GetFocus() == second.hwnd() ? "second"
                                             : "other";
    };
    main.actions[WM_USER + 1] = [&] {
        first.focus();
        SendMessageW(dialog.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
        PostMessageW(first.hwnd(), WM_KEYDOWN, VK_TAB, 0x000F0001);
        post(main, WM_USER + 2);
    };
    main.actions[WM_USER + 2] = [&] {
        focus.push_back(focusName());
        first.focus();
        SendMessageW(dialog.hwnd(), WM_ACTIVATE, WA_CLICKACTIVE, 0);
        PostMessageW(first.hwnd(), WM_KEYDOWN, VK_TAB, 0x000F0001);
        post(main, WM_USER + 3);
    };
    main.actions[WM_USER + 3] = [&] {
        focus.push_back(focusName());
        main.destroy();
    };
    post(main, WM_USER + 1);
    EXPECT_EQ(main.run(), 0);
    EXPECT_THAT(focus, ElementsAre("second", "first"));
}

} // namespace
} // namespace tavrin::tvgui::test
