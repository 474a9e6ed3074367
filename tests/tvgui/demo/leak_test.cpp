#include <set>

#include <gtest/gtest.h>

#include "democontrols.h"
#include "guiresources.h"
#include "pumpmessages.h"
#include "tvgui/draw/brush.h"
#include "tvgui/draw/canvas.h"
#include "tvgui/draw/font.h"
#include "tvgui/draw/pen.h"
#include "tvgui/window/dialog.h"
#include "tvgui/window/subclass.h"
#include "tvgui/window/tvwindow.h"

// Real windows, controls, canvases, subclassed controls and modal dialogs are made and done
// away with again and again. Where the system counts a process's GDI and USER objects the
// counts must end where they began; under Wine, which counts nothing, every window and every
// GDI object the loop made must be dead afterwards.
namespace tavrin::tvgui {
namespace {

using demo::CustomControl;
using demo::SystemControl;
using test::GuiResourceProbe;
using test::pumpMessages;

constexpr int ROUNDS = 1000;
// A modal dialog shown over its owner costs Wine a window of the X server, 12 ms to show and
// destroy: fewer rounds keep this file under 20 s and still show any per-dialog leak plainly.
constexpr int DIALOG_ROUNDS = 300;
// A dialog ended by its timer waits for the timer's first tick, which the system holds back
// for at least 10 ms: a thousand rounds would spend most of the file's time asleep.
constexpr int TIMER_ROUNDS = 100;

bool windowAlive(const void* handle) {
    return IsWindow(static_cast<HWND>(const_cast<void*>(handle))) != FALSE;
}

bool acceleratorAlive(const void* handle) {
    return CopyAcceleratorTableW(static_cast<HACCEL>(const_cast<void*>(handle)), nullptr, 0) > 0;
}

bool quitPending() {
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

// The windows of these loops: small, with a caption, made by the most derived class.
class TestWindow : public TvWindow {
protected:
    TestWindow() : TvWindow(0, WS_CAPTION | WS_SYSMENU, nullptr) {
        creationInfo().width = 200;
        creationInfo().height = 120;
    }
};

class PlainWindow final : public TestWindow {
public:
    PlainWindow() { createWindow(); }

    void OnDestroy() override {
        ++destroyed;
        TestWindow::OnDestroy();
    }

    int destroyed = 0;
};

// The parent of the controls: counts what its children announce.
class HostWindow final : public TestWindow {
public:
    HostWindow() { createWindow(); }

    void OnChildCreate(TvGui&) override { ++childrenCreated; }
    void OnChildDestroy(TvGui*) override { ++childrenDestroyed; }

    int childrenCreated = 0;
    int childrenDestroyed = 0;
};

class CountingControl final : public CustomControl {
public:
    explicit CountingControl(TvGui& owner) : CustomControl(owner, ITEM_ID{7}) { createControl(); }

    void OnCreate() override { ++created; }

    int created = 0;
};

// An edit control whose messages pass through its own procedure while subclassed.
class CountingEdit final : public SystemControl, public ISubClass {
public:
    explicit CountingEdit(TvGui& owner) : SystemControl(owner, "EDIT", ITEM_ID{8}) {}

    LRESULT procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
        textsSet += message == WM_SETTEXT ? 1 : 0;
        return hook.callOriginal(hwnd, message, wParam, lParam);
    }
    void OnDestroy() override { ++destroyed; }

    SubClass hook{*this};
    int textsSet = 0;
    int destroyed = 0;
};

// Paints through the canvas the window procedure hands it, with objects of its own that it
// puts back before they go.
class PaintedWindow final : public TestWindow {
public:
    explicit PaintedWindow(GuiResourceProbe& probe) : probe(probe) { createWindow(); }

    bool OnPaint(Canvas& canvas, const RECT&, bool) override {
        const Pen pen(Pen::STYLE::DASH, 1, RGB(200, 0, 0));
        const Brush brush(Brush::HATCH::CROSS, RGB(0, 0, 200));
        probe.watchGdi(pen.get());
        probe.watchGdi(brush.get());
        canvas.setPen(pen);
        canvas.setBrush(brush);
        canvas.rectangle(4, 4, 60, 40);
        canvas.restorePen();
        canvas.restoreBrush();
        ++painted;
        return true;
    }

    GuiResourceProbe& probe;
    int painted = 0;
};

// A dialog id that no dialog of the product uses.
constexpr auto TEST_DIALOG = static_cast<DIALOG_ID>(90);
constexpr auto CLOSE_TIMER = TIMER_ID{3};

class ClosingDialog final : public ModalDialog {
public:
    explicit ClosingDialog(TvGui& owner)
        : ModalDialog(TEST_DIALOG, WS_EX_DLGMODALFRAME, WS_CAPTION | WS_SYSMENU, &owner) {
        creationInfo().width = 160;
        creationInfo().height = 90;
        createWindow();
    }

    void OnTimer(TIMER_ID id) override {
        killTimer(id);
        destroy();
    }
};

TEST(WindowLeakTest, TvWindowsDestroyedOrDestructedLeaveNothing) {
    GuiResourceProbe probe;
    for (int round = 0; round < ROUNDS; ++round) {
        PlainWindow window;
        ASSERT_NE(window.hwnd(), nullptr);
        probe.watch(window.hwnd(), windowAlive);
        if (round % 2 == 0) {
            HWND handle = window.hwnd();
            ASSERT_TRUE(window.destroy());
            EXPECT_EQ(window.destroyed, 1);
            EXPECT_EQ(window.hwnd(), nullptr);
            EXPECT_EQ(TvGui::getGuiObject(handle), nullptr);
        }
    }
    pumpMessages();
    EXPECT_EQ(probe.watched(), static_cast<std::size_t>(ROUNDS));
    EXPECT_TRUE(probe.nothingLeft());
}

TEST(WindowLeakTest, TvControlsLeaveNothingAndEachIsAnnouncedOnce) {
    HostWindow host;
    GuiResourceProbe probe;
    for (int round = 0; round < ROUNDS; ++round) {
        CountingControl control(host);
        ASSERT_EQ(control.created, 1);
        ASSERT_TRUE(host.isChild(control));
        probe.watch(control.hwnd(), windowAlive);
        if (round % 2 == 0) {
            ASSERT_TRUE(control.destroy());
        }
    }
    pumpMessages();
    EXPECT_TRUE(probe.nothingLeft());
    // The system announces a new child to its parent itself; a control of the toolkit's
    // class is bound by then, so that announcement already reaches OnChildCreate.
    EXPECT_EQ(host.childrenCreated, ROUNDS);
    EXPECT_EQ(host.childrenDestroyed, ROUNDS);
}

TEST(WindowLeakTest, SystemClassControlsLeaveNothingAndEachIsAnnouncedOnce) {
    HostWindow host;
    GuiResourceProbe probe;
    for (int round = 0; round < ROUNDS; ++round) {
        SystemControl button(host, "BUTTON", ITEM_ID{5}, BS_PUSHBUTTON);
        ASSERT_EQ(TvGui::getGuiObject(button.hwnd()), &button);
        button.setText("押す");
        probe.watch(button.hwnd(), windowAlive);
        if (round % 2 == 0) {
            ASSERT_TRUE(button.destroy());
        }
    }
    pumpMessages();
    EXPECT_TRUE(probe.nothingLeft());
    EXPECT_EQ(host.childrenCreated, ROUNDS);
    EXPECT_EQ(host.childrenDestroyed, ROUNDS);
}

TEST(WindowLeakTest, CanvasesOverAPaintedWindowGiveEverythingBack) {
    GuiResourceProbe probe;
    PaintedWindow window(probe);
    window.show(SHOW::SHOWNOACTIVATE);
    std::set<HDC> windowContexts;
    for (int round = 0; round < ROUNDS; ++round) {
        ASSERT_TRUE(window.invalidate(true));
        ASSERT_TRUE(window.update());
        ASSERT_EQ(window.painted, round + 1);

        // Declared before the canvas, so that the canvas puts them back before they go.
        const Pen pen(Pen::STYLE::SOLID, 2, RGB(0, round % 256, 0));
        const Brush brush(RGB(round % 256, 0, 0));
        Font font;
        font.pointSize(9 + round % 4);
        probe.watchGdi(pen.get());
        probe.watchGdi(brush.get());
        probe.watchGdi(font.get());
        Canvas canvas(window.hwnd());
        windowContexts.insert(canvas.get());
        canvas.setPen(pen);
        canvas.setBrush(brush);
        canvas.setFont(font);
        EXPECT_TRUE(canvas.rectangle(2, 2, 50, 30));
        EXPECT_TRUE(canvas.textOut(4, 4, "描画"));
        if (round % 2 == 0) {
            ASSERT_TRUE(canvas.dispose());
        }
    }
    probe.watch(window.hwnd(), windowAlive);
    window.destroy();
    pumpMessages();
    EXPECT_TRUE(probe.nothingLeft());
    // A context given back returns to the system's cache and comes out again; one kept
    // would give every round a new one.
    EXPECT_LE(windowContexts.size(), 8u);
}

TEST(WindowLeakTest, SubclassedEditControlsLeaveNothing) {
    HostWindow host;
    GuiResourceProbe probe;
    for (int round = 0; round < ROUNDS; ++round) {
        CountingEdit edit(host);
        probe.watch(edit.hwnd(), windowAlive);
        const auto original = GetWindowLongPtrW(edit.hwnd(), GWLP_WNDPROC);
        ASSERT_TRUE(edit.hook.subclass());
        edit.setText("入力");
        ASSERT_EQ(edit.textsSet, 1);
        if (round % 2 == 0) {
            // Removed while the control lives: its messages go the old way again.
            ASSERT_TRUE(edit.hook.dispose());
            EXPECT_EQ(GetWindowLongPtrW(edit.hwnd(), GWLP_WNDPROC), original);
            edit.setText("戻った");
            EXPECT_EQ(edit.textsSet, 1);
            EXPECT_EQ(edit.text(), "戻った");
        } else {
            // Destroyed while subclassed: the control's own destroy handler runs, and
            // nothing is left to put back.
            ASSERT_TRUE(edit.destroy());
            EXPECT_EQ(edit.destroyed, 1);
            EXPECT_FALSE(edit.hook.isInstalled());
        }
    }
    pumpMessages();
    EXPECT_TRUE(probe.nothingLeft());
}

TEST(WindowLeakTest, ModalDialogsEndedByPostedMessagesLeaveNothing) {
    HostWindow owner;
    GuiResourceProbe probe;
    for (int round = 0; round < DIALOG_ROUNDS; ++round) {
        ClosingDialog dialog(owner);
        probe.watch(dialog.hwnd(), windowAlive);
        ASSERT_NE(dialog.accelerator(), nullptr);
        probe.watch(dialog.accelerator()->get(), acceleratorAlive);
        if (round % 2 == 0) {
            PostMessageW(dialog.hwnd(), WM_CLOSE, 0, 0);
        } else {
            // Escape reaches the dialog's own accelerator table.
            PostMessageW(dialog.hwnd(), WM_KEYDOWN, VK_ESCAPE, 1);
        }
        ASSERT_EQ(dialog.showModal(), 0);
        EXPECT_FALSE(dialog.exists());
        EXPECT_TRUE(owner.isEnabled());
        EXPECT_FALSE(quitPending());
    }
    pumpMessages();
    EXPECT_TRUE(probe.nothingLeft());
}

TEST(WindowLeakTest, ModalDialogsEndedByTheirTimerLeaveNothing) {
    HostWindow owner;
    GuiResourceProbe probe;
    for (int round = 0; round < TIMER_ROUNDS; ++round) {
        ClosingDialog dialog(owner);
        probe.watch(dialog.hwnd(), windowAlive);
        probe.watch(dialog.accelerator()->get(), acceleratorAlive);
        ASSERT_TRUE(dialog.setTimer(CLOSE_TIMER, 1));
        ASSERT_EQ(dialog.showModal(), 0);
        EXPECT_FALSE(dialog.exists());
        EXPECT_TRUE(owner.isEnabled());
        EXPECT_FALSE(quitPending());
    }
    pumpMessages();
    EXPECT_TRUE(probe.nothingLeft());
}

TEST(WindowLeakTest, TheProbeSeesAWindowLeftAlive) {
    GuiResourceProbe probe;
    PlainWindow kept;
    probe.watch(kept.hwnd(), windowAlive);
    EXPECT_FALSE(probe.nothingLeft());
    kept.destroy();
    EXPECT_TRUE(probe.nothingLeft());
}

} // namespace
} // namespace tavrin::tvgui
