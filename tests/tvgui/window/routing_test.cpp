// Messages sent to a real toolkit window under Wine reach the right typed handler, and the
// handler's answer decides the message's result.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "system/win32.h"

#include <windowsx.h>

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logfiles.h"
#include "system/tavrinerrors.h"
#include "testwindow.h"
#include "tvgui/layout/layout.h"
#include "tvgui/window/pendingexception.h"

namespace tavrin::tvgui::test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

LPARAM at(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

class Routing : public testing::Test {
protected:
    RecordingWindow window;

    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        window.forget();
        return SendMessageW(window.hwnd(), message, wParam, lParam);
    }
    LRESULT sendKeepingCalls(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageW(window.hwnd(), message, wParam, lParam);
    }
};

TEST(RoutingCreation, TheObjectIsBoundFromTheFirstCreationMessageSoTheFramesMessagesReachIt) {
    RecordingWindow window;
    ASSERT_GE(window.calls.size(), 4u);
    EXPECT_THAT(std::vector(window.calls.begin(), window.calls.begin() + 4),
                ElementsAre(testing::StartsWith("OnOtherEvent(129,"),
                            testing::StartsWith("OnOtherEvent(131,"), "OnCreate", "OnCreated"));
    EXPECT_EQ(TvGui::getGuiObject(window.hwnd()), &window);
    ASSERT_NE(window.layoutManager(), nullptr);
}

TEST_F(Routing, PressAndReleaseAtOnePointGiveClickBeforeUp) {
    send(WM_LBUTTONDOWN, MK_LBUTTON, at(10, 20));
    EXPECT_EQ(GetCapture(), window.hwnd());
    sendKeepingCalls(WM_LBUTTONUP, 0, at(10, 20));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_THAT(window.calls, ElementsAre("OnMouseLeftDown(1,10,20)", "OnMouseLeftClick(0,10,20)",
                                          "OnMouseLeftUp(0,10,20)"));
}

TEST_F(Routing, ReleaseElsewhereGivesOnlyUp) {
    send(WM_RBUTTONDOWN, MK_RBUTTON, at(10, 20));
    sendKeepingCalls(WM_RBUTTONUP, 0, at(11, 20));
    EXPECT_THAT(window.calls, ElementsAre("OnMouseRightDown(2,10,20)", "OnMouseRightUp(0,11,20)"));
}

TEST_F(Routing, AHandledReleaseForgetsThePressAndAnUnhandledOneKeepsIt) {
    send(WM_MBUTTONDOWN, MK_MBUTTON, at(5, 6));
    sendKeepingCalls(WM_MBUTTONUP, 0, at(5, 6));
    window.forget();
    sendKeepingCalls(WM_MBUTTONUP, 0, at(5, 6));
    EXPECT_THAT(window.calls, ElementsAre("OnMouseMiddleUp(0,5,6)"));

    window.handled = false;
    send(WM_LBUTTONDOWN, MK_LBUTTON, at(7, 8));
    sendKeepingCalls(WM_LBUTTONUP, 0, at(7, 8));
    sendKeepingCalls(WM_LBUTTONUP, 0, at(7, 8));
    EXPECT_THAT(window.calls, ElementsAre("OnMouseLeftDown(1,7,8)", "OnMouseLeftClick(0,7,8)",
                                          "OnMouseLeftUp(0,7,8)", "OnMouseLeftClick(0,7,8)",
                                          "OnMouseLeftUp(0,7,8)"));
}

TEST_F(Routing, CoordinatesLeftOfAndAboveThePrimaryMonitorStayNegative) {
    send(WM_LBUTTONDOWN, MK_LBUTTON, at(-100, -5));
    sendKeepingCalls(WM_LBUTTONUP, 0, at(-100, -5));
    send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window.hwnd()), at(-1, -1));
    EXPECT_THAT(window.calls, ElementsAre("OnContextMenu(-1,-1) on this"));
    send(WM_LBUTTONDBLCLK, MK_LBUTTON, at(-1280, 300));
    EXPECT_THAT(window.calls, ElementsAre("OnMouseLeftDoubleClick(1,-1280,300)"));
}

TEST_F(Routing, ExtraButtonsAndTheWheelReachTheirHandlers) {
    send(WM_XBUTTONDOWN, MAKEWPARAM(MK_XBUTTON1, XBUTTON1), at(3, 4));
    sendKeepingCalls(WM_XBUTTONUP, MAKEWPARAM(0, XBUTTON1), at(3, 4));
    EXPECT_THAT(window.calls,
                ElementsAre("OnMouseOtherButtonDown(32,3,4)", "OnMouseOtherButtonClick(0,3,4)",
                            "OnMouseOtherButtonUp(0,3,4)"));
    send(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), at(100, 200));
    sendKeepingCalls(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), at(100, 200));
    EXPECT_THAT(window.calls,
                ElementsAre("OnMouseWhellUp(8,100,200)", "OnMouseWhellDown(0,100,200)"));
}

TEST_F(Routing, NonClientPressAndReleaseFollowTheSameClickRule) {
    send(WM_NCLBUTTONDOWN, HTCAPTION, at(60, 55));
    sendKeepingCalls(WM_NCLBUTTONUP, HTCAPTION, at(60, 55));
    sendKeepingCalls(WM_NCLBUTTONDOWN, HTCAPTION, at(60, 55));
    sendKeepingCalls(WM_NCLBUTTONUP, HTCAPTION, at(61, 55));
    EXPECT_THAT(window.calls,
                ElementsAre("OnNonClientMouseLeftDown(2,60,55)",
                            "OnNonClientMouseLeftClick(2,60,55)", "OnNonClientMouseLeftUp(2,60,55)",
                            "OnNonClientMouseLeftDown(2,60,55)",
                            "OnNonClientMouseLeftUp(2,61,55)"));
}

TEST_F(Routing, NonClientExtraButtonsGetTheHitTestCodeWithoutTheButtonNumber) {
    struct Case {
        WPARAM button;
        HT area;
    };
    for (const Case& c : {Case{XBUTTON1, HT::CAPTION}, Case{XBUTTON2, HT::CLOSE}}) {
        const WPARAM wParam = MAKEWPARAM(static_cast<WORD>(c.area), c.button);
        const std::string area = std::to_string(static_cast<int>(c.area));
        send(WM_NCXBUTTONDOWN, wParam, at(60, 55));
        sendKeepingCalls(WM_NCXBUTTONUP, wParam, at(60, 55));
        sendKeepingCalls(WM_NCXBUTTONDBLCLK, wParam, at(60, 55));
        EXPECT_THAT(window.calls,
                    ElementsAre("OnNonClientMouseOtherButtonDown(" + area + ",60,55)",
                                "OnNonClientMouseOtherButtonClick(" + area + ",60,55)",
                                "OnNonClientMouseOtherButtonUp(" + area + ",60,55)",
                                "OnNonClientMouseOtherButtonDoubleClick(" + area + ",60,55)"));
    }
}

TEST_F(Routing, TheFirstMoveStartsHoverTrackingAndALeaveEndsIt) {
    send(WM_MOUSEMOVE, 0, at(1, 2));
    sendKeepingCalls(WM_MOUSEMOVE, 0, at(3, 4));
    sendKeepingCalls(WM_MOUSELEAVE);
    sendKeepingCalls(WM_MOUSEMOVE, MK_SHIFT, at(5, 6));
    EXPECT_THAT(window.calls,
                ElementsAre("OnMouseEnter(0,1,2)", "OnMouseMove(0,1,2)", "OnMouseMove(0,3,4)",
                            "OnMouseLeave(0,0,0)", "OnMouseEnter(4,5,6)", "OnMouseMove(4,5,6)"));
}

TEST_F(Routing, KeysWithThePreviousStateBitAreRepeats) {
    send(WM_KEYDOWN, 'A', 0x001E0001);
    sendKeepingCalls(WM_KEYDOWN, 'A', 0x401E0003);
    sendKeepingCalls(WM_KEYUP, 'A', static_cast<LPARAM>(0xC01E0001u));
    EXPECT_THAT(window.calls,
                ElementsAre("OnKeyDown(65,1,0)", "OnKeyRepeat(65,3,1)", "OnKeyRepeat(65,1,1)"));
}

TEST_F(Routing, CommandsFromABoundControlNameTheirSender) {
    ButtonControl button(window, ITEM_ID{7});
    const LRESULT result =
        send(WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), reinterpret_cast<LPARAM>(button.hwnd()));
    EXPECT_EQ(result, 0);
    EXPECT_THAT(window.calls, ElementsAre("OnCommand(7,0) from " + window.name(&button)));
}

TEST_F(Routing, CommandsFromAForeignChildAreMenuOrAcceleratorCommandsByTheirCode) {
    HWND foreign = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 10, 10, window.hwnd(),
                                   reinterpret_cast<HMENU>(9), nullptr, nullptr);
    ASSERT_NE(foreign, nullptr);
    const auto from = reinterpret_cast<LPARAM>(foreign);
    send(WM_COMMAND, MAKEWPARAM(9, 0), from);
    sendKeepingCalls(WM_COMMAND, MAKEWPARAM(9, 1), from);
    EXPECT_THAT(window.calls, ElementsAre("OnMenuCommand(9)", "OnAccelerator(9)"));

    send(WM_COMMAND, MAKEWPARAM(9, BN_SETFOCUS), from);
    EXPECT_THAT(window.calls,
                ElementsAre("OnOtherEvent(273," + std::to_string(MAKEWPARAM(9, BN_SETFOCUS)) + "," +
                            std::to_string(from) + ")"));
    DestroyWindow(foreign);
}

TEST_F(Routing, AnUnhandledMenuCommandFallsToTheOtherEventHandler) {
    window.handled = false;
    send(WM_COMMAND, MAKEWPARAM(40, 0), 0);
    EXPECT_THAT(window.calls, ElementsAre("OnMenuCommand(40)", "OnOtherEvent(273,40,0)"));
}

TEST_F(Routing, AnOtherEventHandlerGivesTheAnswerOfMessagesThatNeedOne) {
    struct Case {
        UINT message;
        std::optional<LRESULT> answer;
        LRESULT result;
    };
    const Case cases[] = {
        {WM_QUERYENDSESSION, std::nullopt, TRUE}, // handled, the session may still end
        {WM_QUERYENDSESSION, FALSE, FALSE},
        {WM_GETDLGCODE, DLGC_WANTALLKEYS, DLGC_WANTALLKEYS},
        {WM_SETCURSOR, TRUE, TRUE},
        {WM_MOUSEACTIVATE, MA_NOACTIVATE, MA_NOACTIVATE},
        {WM_CTLCOLORSTATIC, 0x1234, 0x1234},
        {WM_USER + 9, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        window.otherAnswers = {{c.message, c.answer}};
        EXPECT_EQ(send(c.message, 0, 0), c.result) << c.message;
    }
}

TEST_F(Routing, RefusingToCloseKeepsTheWindowAndAgreeingDestroysAndUnbindsIt) {
    window.closeAnswer = false;
    EXPECT_EQ(send(WM_CLOSE), 0);
    EXPECT_TRUE(window.exists());
    EXPECT_THAT(window.calls, ElementsAre("OnClose"));

    window.closeAnswer = true;
    const HWND handle = window.hwnd();
    EXPECT_EQ(send(WM_CLOSE), 0);
    EXPECT_THAT(window.calls, ElementsAre("OnClose", "OnDestroy"));
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(window.hwnd(), nullptr);
    EXPECT_EQ(TvGui::getGuiObject(handle), nullptr);
}

TEST_F(Routing, TheWindowsOwnMessagesReachTheirHandlers) {
    send(WM_HOTKEY, 5, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'K'));
    EXPECT_THAT(window.calls, ElementsAre("OnHotKey(5,3,75)"));
    send(WM_TIMER, 12);
    EXPECT_THAT(window.calls, ElementsAre("OnTimer(12)"));
    send(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 300), 0);
    EXPECT_THAT(window.calls, ElementsAre("OnScroll(1,5,300) bar null"));
}

TEST_F(Routing, ANotificationAnswerIsTheResultAndZeroMeansDefaultProcessing) {
    NMHDR header{window.hwnd(), 3, static_cast<UINT>(-2) /* a click notification */};
    window.notifyAnswer = 42;
    EXPECT_EQ(send(WM_NOTIFY, 3, reinterpret_cast<LPARAM>(&header)), 42);
    EXPECT_THAT(window.calls, ElementsAre("OnNotify(-2,3)"));
    window.notifyAnswer = 0;
    EXPECT_EQ(send(WM_NOTIFY, 3, reinterpret_cast<LPARAM>(&header)), 0);
    EXPECT_THAT(
        window.calls,
        ElementsAre("OnNotify(-2,3)", "OnOtherEvent(78,3," +
                                          std::to_string(reinterpret_cast<LPARAM>(&header)) + ")"));
}

TEST_F(Routing, AnEraseDelegateGivesTheResultAndNoDelegateGivesDefaultErasing) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    window.eraser = [] { return LRESULT{77}; };
    EXPECT_EQ(send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory)), 77);
    window.eraser = nullptr;
    EXPECT_EQ(send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory)), 1);
    EXPECT_THAT(window.calls, ElementsAre("OnEraseBackGround"));
    // The canvas over the message's device context leaves it to its owner.
    EXPECT_NE(GetObjectType(memory), 0u);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST_F(Routing, PaintingGetsTheUpdateRectangle) {
    window.show(SHOW::SHOWNA);
    pumpMessages();
    const RECT dirty{10, 20, 30, 40};
    window.forget();
    window.invalidate(dirty, false);
    window.update();
    EXPECT_THAT(window.calls, ElementsAre("OnPaint(10,20,30,40)"));
    // A painted window is valid again: nothing is left to paint.
    RECT left{};
    EXPECT_FALSE(GetUpdateRect(window.hwnd(), &left, FALSE));
}

class RecordingLayout final : public Layout {
public:
    std::vector<Rect> laidOut;

protected:
    void arrange(const Rect& area) override { laidOut.push_back(area); }
};

TEST_F(Routing, SizingRunsTheLayoutBeforeTheSizeHandler) {
    RecordingLayout root;
    window.layoutManager()->setRootLayout(&root);
    send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300));
    const int cx = GetSystemMetrics(SM_CXDLGFRAME);
    const int cy = GetSystemMetrics(SM_CYDLGFRAME);
    ASSERT_EQ(root.laidOut.size(), 1u);
    EXPECT_EQ(root.laidOut[0], (Rect{cx, cy, 400 - 2 * cx, 300 - 2 * cy}));
    EXPECT_THAT(window.calls, ElementsAre("OnSize(0,400,300)"));
    window.layoutManager()->setRootLayout(nullptr);
}

TEST_F(Routing, ChildrenAnnounceTheirCreationDestructionAndPresses) {
    window.forget();
    auto button = std::make_unique<ButtonControl>(window, ITEM_ID{3}, 20, 30, 80, 24);
    const std::string buttonName = window.name(button.get());
    EXPECT_THAT(window.calls, ElementsAre("OnChildCreate " + buttonName));

    send(WM_PARENTNOTIFY, MAKEWPARAM(WM_LBUTTONDOWN, 0), at(25, 35));
    EXPECT_THAT(window.calls, ElementsAre("OnChildMouseLeftDown(25,35) on " + buttonName));
    // A press beside every child is a press on the window itself: no child event.
    send(WM_PARENTNOTIFY, MAKEWPARAM(WM_LBUTTONDOWN, 0), at(200, 150));
    EXPECT_THAT(window.calls, IsEmpty());

    window.forget();
    button.reset();
    EXPECT_THAT(window.calls, ElementsAre("OnChildDestroy " + buttonName));
}

TEST_F(Routing, AHandlersExceptionIsKeptForTheLoopNotThrownThroughTheSystem) {
    window.hookedMessage = WM_USER + 1;
    window.hook = [] { throw system::TvGuiException("handler failed"); };
    EXPECT_EQ(send(WM_USER + 1), 0);
    EXPECT_THROW(
        try { rethrowPendingException(); } catch (const system::TvGuiException& kept) {
            EXPECT_STREQ(kept.what(), "handler failed");
            throw;
        },
        system::TvGuiException);
    EXPECT_NO_THROW(rethrowPendingException());
}

bool timerFired = false;

void CALLBACK failingTimer(HWND, UINT, UINT_PTR, DWORD) {
    timerFired = true;
    throw system::TvGuiException("timer failed");
}

TEST_F(Routing, ATimerProceduresExceptionIsKeptForTheLoopNotThrownThroughTheSystem) {
    timerFired = false;
    ASSERT_TRUE(window.setTimer(TIMER_ID{5}, 1, &failingTimer));
    MSG message{};
    while (!timerFired && GetMessageW(&message, nullptr, 0, 0) > 0) {
        EXPECT_NO_THROW(DispatchMessageW(&message));
    }
    EXPECT_TRUE(window.killTimer(TIMER_ID{5}));
    EXPECT_THROW(rethrowPendingException(), system::TvGuiException);
}

TEST_F(Routing, SizingAndMovingHandlersMayChangeTheRectangleAndPositionChangesGoOnToDefault) {
    RECT rect{10, 20, 500, 400};
    send(WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&rect));
    EXPECT_EQ(rect.right, 110);
    sendKeepingCalls(WM_MOVING, WMSZ_TOP, reinterpret_cast<LPARAM>(&rect));
    sendKeepingCalls(WM_ENTERSIZEMOVE);
    sendKeepingCalls(WM_EXITSIZEMOVE);
    EXPECT_THAT(window.calls, ElementsAre("OnSizing(2,10,500)", "OnMoving(3,20,400)",
                                          "OnEnterSizeMove", "OnExitSizeMove"));
    WINDOWPOS position{window.hwnd(), nullptr, 7, 8, 100, 100, SWP_NOSIZE};
    send(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&position));
    EXPECT_THAT(window.calls, ElementsAre("OnPositionChanging(7,8)"));
}

TEST_F(Routing, AHandledMinMaxKeepsTheHandlersSizesAndAnUnhandledOneGoesToDefault) {
    MINMAXINFO info{};
    info.ptMaxSize = {800, 600};
    EXPECT_EQ(send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 0);
    EXPECT_EQ(info.ptMinTrackSize.x, 123);
    EXPECT_THAT(window.calls, ElementsAre("OnMinMax(800,0)"));
}

TEST_F(Routing, OwnerDrawnItemsAreMeasuredAndDrawnAndAnswerOne) {
    MEASUREITEMSTRUCT measure{};
    measure.itemID = 4;
    EXPECT_EQ(send(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), 1);
    EXPECT_EQ(measure.itemHeight, 19u);
    DRAWITEMSTRUCT draw{};
    draw.itemID = 5;
    EXPECT_EQ(sendKeepingCalls(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), 1);
    EXPECT_THAT(window.calls, ElementsAre("OnMeasureItem(4)", "OnDrawItem(5)"));
}

TEST_F(Routing, ActivationMenusAndEnablingReachTheirHandlers) {
    send(WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1), 0);
    sendKeepingCalls(WM_ACTIVATEAPP, 1, 77);
    sendKeepingCalls(WM_ENABLE, 0);
    EXPECT_THAT(window.calls,
                ElementsAre("OnActivate(2,1,0)", "OnActivateApp(1,77)", "OnEnable(0)"));
    HMENU menu = CreatePopupMenu();
    const auto menuValue = std::to_string(reinterpret_cast<std::intptr_t>(menu));
    send(WM_INITMENU, reinterpret_cast<WPARAM>(menu));
    sendKeepingCalls(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(2, 1));
    sendKeepingCalls(WM_MENUSELECT, MAKEWPARAM(40, MF_POPUP | MF_HILITE),
                     reinterpret_cast<LPARAM>(menu));
    EXPECT_THAT(window.calls, ElementsAre("OnInitMenu(" + menuValue + ")",
                                          "OnInitMenuPopup(" + menuValue + ",2,1)",
                                          "OnMenuSelect(40,144," + menuValue + ")"));
    DestroyMenu(menu);
}

TEST_F(Routing, HitTestingStartsFromTheDefaultCodeAndAnswersTheHandlers) {
    RECT client{};
    GetClientRect(window.hwnd(), &client);
    POINT inside{client.right / 2, client.bottom / 2};
    ClientToScreen(window.hwnd(), &inside);
    EXPECT_EQ(send(WM_NCHITTEST, 0, at(inside.x, inside.y)), HTCAPTION);
    EXPECT_THAT(window.calls, ElementsAre("OnHitTest(" + std::to_string(inside.x) + "," +
                                          std::to_string(inside.y) + ",1)"));
    send(WM_NCMOUSEMOVE, HTCAPTION, at(-20, 5));
    EXPECT_THAT(window.calls, ElementsAre("OnNonClientMouseMove(2,-20,5)"));
}

TEST_F(Routing, FocusHoverPrintingAndDisplayChangesReachTheirHandlers) {
    ButtonControl button(window, ITEM_ID{8});
    send(WM_SETFOCUS, reinterpret_cast<WPARAM>(button.hwnd()));
    EXPECT_THAT(window.calls, ElementsAre("OnSetFocus from " + window.name(&button)));
    send(WM_MOUSEHOVER, MK_LBUTTON, at(9, 10));
    EXPECT_THAT(window.calls, ElementsAre("OnMouseHover(1,9,10)"));
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(screen), PRF_CLIENT), 0);
    EXPECT_THAT(window.calls, ElementsAre("OnPrintClient(4)"));
    ReleaseDC(nullptr, screen);
    send(WM_DISPLAYCHANGE, 32, MAKELPARAM(1920, 1080));
    EXPECT_THAT(window.calls, ElementsAre("OnDisplayChange(32,1920,1080)"));
}

// A drop handle as the shell hands it over: the record, then the paths, then an empty one.
HGLOBAL dropOf(const std::wstring& path, bool nonClient) {
    const std::size_t bytes = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GHND, bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->pt = {12, 13};
    header->fNC = nonClient;
    header->fWide = TRUE;
    std::copy(path.begin(), path.end(),
              reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(header) + sizeof(DROPFILES)));
    GlobalUnlock(block);
    return block;
}

TEST_F(Routing, DroppedFilesAreReadAndTheDropIsFinished) {
    HGLOBAL drop = dropOf(L"C:\\資料\\一覧.txt", false);
    send(WM_DROPFILES, reinterpret_cast<WPARAM>(drop));
    EXPECT_THAT(window.calls, ElementsAre("OnDropFiles C:\\資料\\一覧.txt"));
    EXPECT_EQ(GlobalFlags(drop), static_cast<UINT>(GMEM_INVALID_HANDLE));
}

TEST_F(Routing, ADropOnTheCaptionIsFinishedAndLoggedWithoutEndingAnything) {
    systemtest::TestLog log;
    HGLOBAL outside = dropOf(L"C:\\a.txt", true);
    send(WM_DROPFILES, reinterpret_cast<WPARAM>(outside));
    EXPECT_THAT(window.calls, IsEmpty());
    EXPECT_NO_THROW(rethrowPendingException());
    EXPECT_EQ(GlobalFlags(outside), static_cast<UINT>(GMEM_INVALID_HANDLE));
    EXPECT_THAT(systemtest::logMessages(log.end()),
                ElementsAre(testing::HasSubstr("座標取得失敗")));
}

} // namespace
} // namespace tavrin::tvgui::test
