// Window objects over real windows under Wine: binding and lookup, creation failures,
// properties read from and written to the window, geometry, and subclassing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include <string>

#include "logfiles.h"
#include "system/tavrinerrors.h"
#include "testwindow.h"
#include "tvgui/window/subclass.h"
#include "tvgui/window/windowclass.h"

namespace tavrin::tvgui::test {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::StartsWith;

// A plain system window that no toolkit object wraps.
struct ForeignWindow {
    HWND handle = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                  nullptr, nullptr);
    ~ForeignWindow() { DestroyWindow(handle); }
};

class FailingWindow final : public TvWindow {
public:
    FailingWindow() : TvWindow(WS_EX_TOOLWINDOW, WS_CAPTION, nullptr) { createWindow(); }
    void OnCreate() override { throw system::TvGuiException("作れない"); }
};

TEST(WindowLookup, OnlyALiveObjectBoundToThatVeryWindowIsTrusted) {
    ForeignWindow foreign;
    EXPECT_EQ(TvGui::getGuiObject(foreign.handle), nullptr);
    EXPECT_EQ(TvGui::getGuiObject(nullptr), nullptr);
    EXPECT_EQ(TvGui::guiFromHandle(nullptr), nullptr);

    // Another library's pointer in the slot, or an object of the toolkit bound elsewhere.
    SetWindowLongPtrW(foreign.handle, GWLP_USERDATA, 0x12345678);
    EXPECT_EQ(TvGui::getGuiObject(foreign.handle), nullptr);
    RecordingWindow window;
    SetWindowLongPtrW(foreign.handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&window));
    EXPECT_EQ(TvGui::getGuiObject(foreign.handle), nullptr);
    EXPECT_EQ(TvGui::getGuiObject(window.hwnd()), &window);
    EXPECT_EQ(TvGui::guiFromHandle(window.hwnd()).get(), &window);
}

TEST(WindowLookup, AForeignWindowGetsANewWrapperEachTime) {
    ForeignWindow foreign;
    const auto first = TvGui::guiFromHandle(foreign.handle);
    const auto second = TvGui::guiFromHandle(foreign.handle);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first.get(), second.get());
    EXPECT_EQ(first->hwnd(), foreign.handle);
    EXPECT_NE(dynamic_cast<OtherGui*>(first.get()), nullptr);
    EXPECT_NE(dynamic_cast<OtherWindow*>(Window::windowFromHandle(foreign.handle).get()), nullptr);
    // The desktop belongs to another process: never one of ours, whatever its slot holds.
    EXPECT_EQ(TvGui::getGuiObject(GetDesktopWindow()), nullptr);
}

TEST(WindowLookup, FindingATopLevelWindowByClassAndTitle) {
    RecordingWindow window;
    window.setText("検索される窓");
    EXPECT_EQ(Window::find("TvGuiWindow", "検索される窓").get(), &window);
    EXPECT_EQ(Window::find("TvGuiWindow", "無い窓"), nullptr);
    ForeignWindow foreign;
    SetWindowTextW(foreign.handle, L"外の窓");
    const auto wrapped = Window::find("STATIC", "外の窓");
    ASSERT_NE(wrapped, nullptr);
    EXPECT_EQ(wrapped->hwnd(), foreign.handle);
    EXPECT_NE(dynamic_cast<OtherWindow*>(wrapped.get()), nullptr);
}

TEST(WindowLookup, ParentOfATopLevelWindowIsNullAndRootOfAControlIsItsWindow) {
    RecordingWindow window;
    RecordingWindow owned(&window);
    ButtonControl button(window, ITEM_ID{4});
    // An owned window is top-level too: its owner is neither its parent nor its root.
    for (const RecordingWindow* top : {&window, &owned}) {
        EXPECT_EQ(top->parent(), nullptr);
        const auto root = top->root();
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(root->hwnd(), top->hwnd());
    }
    EXPECT_EQ(button.parent().get(), &window);
    const auto root = button.root();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->hwnd(), window.hwnd());
    EXPECT_EQ(window.item(ITEM_ID{4}), &button);
    EXPECT_THAT(window.children(), ElementsAre(&button));
    EXPECT_EQ(window.childAt(POINT{15, 15}), &button);
    EXPECT_EQ(window.childAt(POINT{200, 150}), &window);
    EXPECT_EQ(button.id(), ITEM_ID{4});
}

TEST(WindowLookup, ForeignChildrenAreLeftOutOfTheChildren) {
    RecordingWindow window;
    HWND foreign = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, window.hwnd(), nullptr,
                                   nullptr, nullptr);
    ButtonControl button(window, ITEM_ID{2}, 100, 100);
    EXPECT_THAT(window.children(), ElementsAre(&button));
    EXPECT_EQ(window.childAt(POINT{2, 2}), nullptr);
    DestroyWindow(foreign);
}

TEST(WindowCreation, AnUnknownClassFailsWithTheCreationRecordInTheCauses) {
    class Unregistered final : public TvGui {
    public:
        HWND tryCreate() {
            GUIINFO info;
            info.ClassName = "NoSuchClass";
            info.ExStyle = 0x80;
            info.Style = 0x10CF0000;
            info.Id = 12;
            return create(info);
        }
    } object;
    try {
        object.tryCreate();
        FAIL() << "created";
    } catch (const system::TvGuiException& failure) {
        EXPECT_EQ(failure.message(), "Gui生成失敗");
        EXPECT_EQ(failure.Code(), system::CODE::GUI);
        const auto* systemText = dynamic_cast<const system::TvGuiException*>(failure.next().get());
        ASSERT_NE(systemText, nullptr);
        EXPECT_EQ(systemText->Code(), system::CODE::GUI_CREATE);
        EXPECT_FALSE(systemText->message().empty());
        const auto* record = dynamic_cast<const system::TvGuiException*>(systemText->next().get());
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->Code(), system::CODE::NONE);
        EXPECT_EQ(record->message(), "[GUIINFO]  ClassName = NoSuchClass, ExStyle = 00000080, "
                                     "Style = 10cf0000, Owner = null, Id = 12, EventLoop = false");
    }
}

TEST(WindowCreation, AFailingCreationHandlerFailsTheCreation) {
    try {
        FailingWindow window;
        FAIL() << "created";
    } catch (const system::TvGuiException& failure) {
        EXPECT_EQ(failure.message(), "Gui生成失敗");
        const auto* record = dynamic_cast<const system::TvGuiException*>(
            failure.next()
                ? dynamic_cast<const system::TvGuiException&>(*failure.next()).next().get()
                : nullptr);
        ASSERT_NE(record, nullptr);
        EXPECT_THAT(record->message(), StartsWith("[GUIINFO]  ClassName = TvGuiWindow, "
                                                  "ExStyle = 00010080, Style = 82c00000"));
        EXPECT_THAT(record->message(), HasSubstr("EventLoop = true"));
    }
}

TEST(WindowTrace, AFailedCreationAndADestructionAreWrittenToTheLog) {
    systemtest::TestLog log;
    EXPECT_THROW(FailingWindow{}, system::TvGuiException);
    {
        RecordingWindow window;
        window.destroy();
    }
    const auto messages = systemtest::logMessages(log.end());
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_THAT(messages[0], StartsWith("WM_CREATE: tests/tvgui/window/tvgui_test.cpp("));
    EXPECT_THAT(messages[0], HasSubstr("作れない"));
    EXPECT_EQ(messages[1], "tavrin::tvgui::test::RecordingWindow.TvGuiDestroy()");
}

TEST(WindowProperties, TextsAndStyleBitsReadAndWriteTheWindow) {
    RecordingWindow window;
    EXPECT_EQ(window.text(), "TvGuiWindow");
    EXPECT_TRUE(window.setText(""));
    EXPECT_EQ(window.text(), "");
    EXPECT_TRUE(window.setText("ランチャー設定 – 𠮷"));
    EXPECT_EQ(window.text(), "ランチャー設定 – 𠮷");
    EXPECT_EQ(window.textLength(), 12);

    EXPECT_TRUE(window.caption());
    EXPECT_FALSE(window.thickFrame());
    const LONG_PTR before = window.thickFrame(true);
    EXPECT_EQ(before & WS_THICKFRAME, 0);
    EXPECT_TRUE(window.thickFrame());
    EXPECT_TRUE(window.sizeBox());
    window.caption(false);
    EXPECT_FALSE(window.caption());
    // One of the two caption bits alone is not a caption.
    SetWindowLongPtrW(window.hwnd(), GWL_STYLE,
                      GetWindowLongPtrW(window.hwnd(), GWL_STYLE) | WS_BORDER);
    EXPECT_FALSE(window.caption());
    EXPECT_TRUE(window.border());
    EXPECT_TRUE(window.controlParent());
    EXPECT_FALSE(window.clientEdge());
    window.clientEdge(true);
    EXPECT_TRUE(window.clientEdge());
}

TEST(WindowGeometry, ClientSizeTopMostAndCentring) {
    RecordingWindow window;
    EXPECT_TRUE(window.setClientSize(200, 100));
    const SIZE client = window.clientSize();
    EXPECT_EQ(client.cx, 200);
    EXPECT_EQ(client.cy, 100);

    const RECT before = window.windowRect();
    EXPECT_TRUE(window.topMost(true));
    EXPECT_TRUE(window.topMost(false));
    const RECT after = window.windowRect();
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
    EXPECT_EQ(before.right, after.right);
    EXPECT_EQ(before.bottom, after.bottom);
    EXPECT_EQ(GetWindowLongPtrW(window.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = work.right - work.left + 301;
    const int height = work.bottom - work.top + 201;
    EXPECT_TRUE(window.move(0, 0, width, height, false));
    const SIZE size = window.windowSize();
    EXPECT_TRUE(window.center(Window::CENTER::WORKAREA));
    const RECT centred = window.windowRect();
    EXPECT_EQ(centred.left, (work.right - work.left) / 2 + work.left - size.cx / 2);
    EXPECT_EQ(centred.top, (work.bottom - work.top) / 2 + work.top - size.cy / 2);
    EXPECT_LT(centred.left, 0);
    EXPECT_LT(centred.top, 0);
}

TEST(WindowGeometry, PositioningNeverActivatesAndOnlyARefreshChangesTheFrame) {
    struct Case {
        const char* name;
        std::function<bool(TvGui&)> position;
        bool frameChanged;
    };
    const Case cases[] = {
        {"location",
         [](TvGui& gui) {
             return gui.location(POINT{70, 80});
         },
         false},
        {"size",
         [](TvGui& gui) {
             return gui.size(SIZE{200, 150});
         },
         false},
        {"topMost", [](TvGui& gui) { return gui.topMost(true) && gui.topMost(false); }, false},
        {"refreshFrame", [](TvGui& gui) { return gui.refreshFrame(); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingWindow active;
        RecordingWindow other;
        other.show(SHOW::SHOWNA);
        active.show(SHOW::SHOW);
        active.activate();
        pumpMessages();
        ASSERT_EQ(GetActiveWindow(), active.hwnd());
        other.positionFlags.clear();
        EXPECT_TRUE(c.position(other));
        pumpMessages();
        EXPECT_EQ(GetActiveWindow(), active.hwnd());
        ASSERT_FALSE(other.positionFlags.empty());
        for (UINT flags : other.positionFlags) {
            EXPECT_NE(flags & SWP_NOACTIVATE, 0u);
            EXPECT_EQ((flags & SWP_FRAMECHANGED) != 0, c.frameChanged);
        }
    }
}

TEST(WindowGeometry, CentringOnAnotherWindow) {
    RecordingWindow owner(nullptr, 400, 300);
    RecordingWindow window(&owner, 100, 50);
    owner.move(100, 200, 400, 300, false);
    EXPECT_TRUE(window.center(Window::CENTER::WINDOW, &owner));
    const RECT rect = window.windowRect();
    EXPECT_EQ(rect.left, 100 + 200 - 50);
    EXPECT_EQ(rect.top, 200 + 150 - 25);
    EXPECT_THROW(window.center(Window::CENTER::WINDOW), system::WindowError);

    // A window larger than the one it centres on, near the work area's corner, stays inside
    // the work area with its caption in reach.
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RecordingWindow large(&owner, 300, 200);
    owner.move(work.left, work.top, 100, 60, false);
    EXPECT_TRUE(large.center(Window::CENTER::WINDOW, &owner));
    EXPECT_EQ(large.windowRect().left, work.left);
    EXPECT_EQ(large.windowRect().top, work.top);
}

TEST(WindowClasses, RegisteringTwiceIsHarmless) {
    registerWindowClasses();
    registerWindowClasses();
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"TvGuiControl", &info));
    // Double clicks must arrive for the double-click handlers.
    EXPECT_EQ(info.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    EXPECT_EQ(info.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

// An edit control whose messages pass through the object first.
class WatchedEdit final : public Control, public ISubClass {
public:
    explicit WatchedEdit(TvGui& owner) : Control(info(owner)), hook(*this) {}

    SubClass hook;
    std::vector<std::string> seen;

    LRESULT procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETTEXT) {
            seen.push_back("WM_SETTEXT");
        }
        return hook.callOriginal(hwnd, message, wParam, lParam);
    }
    void OnDestroy() override { seen.push_back("OnDestroy"); }

private:
    static GUIINFO info(TvGui& owner) {
        GUIINFO edit;
        edit.ClassName = "EDIT";
        edit.Owner = &owner;
        edit.Id = 21;
        edit.width = 100;
        edit.height = 20;
        return edit;
    }
};

TEST(Subclassing, MessagesPassThroughTheObjectAndTheOldProcedureComesBack) {
    RecordingWindow window;
    WatchedEdit edit(window);
    const auto original = GetWindowLongPtrW(edit.hwnd(), GWLP_WNDPROC);
    ASSERT_TRUE(edit.hook.subclass());
    EXPECT_TRUE(edit.hook.isInstalled());
    EXPECT_TRUE(edit.setText("入力"));
    EXPECT_EQ(edit.text(), "入力");
    EXPECT_THAT(edit.seen, ElementsAre("WM_SETTEXT"));

    EXPECT_TRUE(edit.hook.dispose());
    EXPECT_FALSE(edit.hook.isInstalled());
    EXPECT_EQ(GetWindowLongPtrW(edit.hwnd(), GWLP_WNDPROC), original);
    edit.setText("素通り");
    EXPECT_THAT(edit.seen, ElementsAre("WM_SETTEXT"));
}

// A procedure the common controls hook in after ours, as tool tips do to their tools.
LRESULT CALLBACK countSetText(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              UINT_PTR /*id*/, DWORD_PTR counter) {
    if (message == WM_SETTEXT) {
        ++*reinterpret_cast<int*>(counter);
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

TEST(Subclassing, ReleasingLeavesAProcedureHookedLaterInPlace) {
    RecordingWindow window;
    WatchedEdit edit(window);
    ASSERT_TRUE(edit.hook.subclass());
    int later = 0;
    ASSERT_TRUE(
        SetWindowSubclass(edit.hwnd(), countSetText, 7, reinterpret_cast<DWORD_PTR>(&later)));
    edit.setText("両方");
    EXPECT_EQ(later, 1);
    EXPECT_THAT(edit.seen, ElementsAre("WM_SETTEXT"));

    EXPECT_TRUE(edit.hook.dispose());
    edit.setText("後の方だけ");
    EXPECT_EQ(later, 2);
    EXPECT_EQ(edit.text(), "後の方だけ");
    EXPECT_THAT(edit.seen, ElementsAre("WM_SETTEXT"));
    EXPECT_TRUE(RemoveWindowSubclass(edit.hwnd(), countSetText, 7));
}

TEST(Subclassing, DestroyingTheWindowRunsTheObjectThenTheControlAndUnbindsIt) {
    RecordingWindow window;
    WatchedEdit edit(window);
    ASSERT_TRUE(edit.hook.subclass());
    const HWND handle = edit.hwnd();
    EXPECT_TRUE(edit.destroy());
    EXPECT_THAT(edit.seen, ElementsAre("OnDestroy"));
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(edit.hook.isInstalled());
    EXPECT_EQ(edit.hwnd(), nullptr);
    // Nothing is left to put back.
    EXPECT_NO_THROW(edit.hook.dispose());
}

TEST(Subclassing, OnlyAnObjectThatSuppliesAProcedureCanBeSubclassed) {
    RecordingWindow window;
    ButtonControl button(window, ITEM_ID{1});
    EXPECT_THROW(SubClass{button}, system::TvGuiError);
}

} // namespace
} // namespace tavrin::tvgui::test
