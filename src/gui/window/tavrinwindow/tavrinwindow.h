#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dll/hookerdll.h"
#include "file/app.h"
#include "gui/control/buttonlauncher.h"
#include "gui/control/menulauncher.h"
#include "gui/control/processlistmenu.h"
#include "gui/control/tasktray.h"
#include "gui/control/tavrintoolbar.h"
#include "gui/control/tavrintooltip.h"
#include "gui/control/titlebar.h"
#include "gui/window/tavrinwindow/applicationdesktoptoolbar.h"
#include "gui/window/tavrinwindow/placement.h"
#include "system/raii.h"
#include "tvgui/keyboard/hotkey.h"
#include "tvgui/window/mainwindow.h"

namespace tavrin::app {
class Application;
}

namespace tavrin::gui {

class CommandDialog;

// The launcher: the one top-level window, docked at an edge, floating or hidden behind its tray
// icon, with the title bar and the button launcher inside.
class TavrinWindow final : public tvgui::MainWindow, public system::IInitialize {
public:
    using POSITION = file::App::POSITION;

    // The execute dialog's hot key.
    static constexpr auto HK_EXECUTE = tvgui::HOTKEY_ID{1};
    // The children.
    static constexpr auto CTRL_TOOLBAR = tvgui::ITEM_ID{1};
    static constexpr auto CTRL_TITLEBAR = tvgui::ITEM_ID{2};
    // Keeps the data files in step with the launcher's changes.
    static constexpr auto STEP_TIMER = tvgui::TIMER_ID{1};

    // Creates the window hidden with its children over the application. endSession writes
    // the data as the shutdown does; it is called when the user's session ends under the
    // running launcher, which is never told to close.
    TavrinWindow(std::unique_ptr<app::Application> application, std::function<void()> endSession);
    ~TavrinWindow() override;

    app::Application& application() noexcept { return *application_; }

    // Applies the settings: the current group, the hot key, the position and the front state.
    void initialize() override;
    // Moves the window to position; with save, the place of the position being left is stored
    // first.
    void setPosition(POSITION position, bool save);

    void OnCreate() override;
    void OnSize(tvgui::SIZE_TYPE type, int width, int height) override;
    void OnEnterSizeMove() override;
    void OnSizing(tvgui::SIDEFLAG side, RECT& rect) override;
    bool OnMinMax(POINT& maxSize, POINT& maxPosition, POINT& maxTrackSize,
                  POINT& minTrackSize) override;
    void OnPositionChanged(WINDOWPOS& position) override;
    void OnExitSizeMove() override;
    void OnDestroy() override;
    void OnMeasureItem(MEASUREITEMSTRUCT& item) override;
    void OnDrawItem(DRAWITEMSTRUCT& item) override;
    void OnActivate(tvgui::WINDOW_ACTIVE state, bool minimized, HWND other) override;
    bool OnInitMenuPopup(HMENU menu, int index, bool windowMenu) override;
    bool OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE type, tvgui::TvGui& sender) override;
    void OnContextMenu(tvgui::TvGui* window, int x, int y) override;
    tvgui::HT OnHitTest(int x, int y, tvgui::HT code) override;
    bool OnNonClientMouseLeftDown(tvgui::HT code, int x, int y) override;
    bool OnMouseMiddleDown(tvgui::MOUSE_KEY key, int x, int y) override;
    void OnEnable(bool enabled) override;
    LRESULT OnNotify(NMHDR& header, tvgui::ITEM_ID id) override;
    bool OnOtherEvent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDisplayChange(int bitsPerPixel, int width, int height) override;
    void OnDpiChanged(int dpi, const RECT& suggested) override;
    void OnTimer(tvgui::TIMER_ID id) override;
    // Files dropped on the window beside the bar (its title strip) become new items.
    void OnDropFiles(shell::DropFile& files) override;
    // The command box at the pointer: made on the first hot key, and again when its window
    // is gone.
    void OnHotKey(tvgui::HOTKEY_ID id, tvgui::MOD modifiers, UINT key) override;

private:
    void buildChildren();
    void releaseChildren();
    void addTrayIcon();
    void registerHotKey();
    void onTray(UINT mouseMessage);
    void comeForward();
    void showWindowMenu();
    void storeLeaving(POSITION current);
    // The stored floating place, or, while no user chose the size, the place that fits the
    // buttons (or the empty bar's hint) on the primary monitor's work area.
    placement::Placement floatingPlace() const;
    placement::Placement fittedPlace() const;
    // After the buttons changed: the tray names the group shown, and a floating window whose
    // size no user chose fits the buttons again.
    void buttonsChanged();
    // Adds the dropped files as items once the drop's handling has returned and the
    // application is free, then builds the launcher anew from the files written, on the group
    // that holds them.
    void addDropped(const std::vector<std::string>& paths);
    void addPendingDrop();
    void showFailure(const std::exception& failure);
    // A modal warning that the timer's look at the disk does not read past: the window is
    // disabled while it shows.
    void warn(const std::string& text);
    void openExecuteDialog(file::Item& item, const std::optional<std::string>& option);
    // The settings dialog; once it has written the files the launcher is rebuilt from them.
    void openSettings();
    // Draws the frame anew; the window comes to the top only when the user asked for it.
    void refreshOwnFrame();
    // The title bar along its side of the client area, the tool bar in the rest.
    void placeChildren();
    // Builds a new application from the data files and everything over it; the running one
    // stays when that fails.
    void reload();
    // Whether no modal dialog, menu or command box holds on to the running application, so
    // that it may be built anew.
    bool applicationFree() const;
    // Reads the data files again when someone else changed them, once the application is free.
    void followDisk();
    // Builds the window over fresh in place of the running application.
    void swapIn(std::unique_ptr<app::Application> fresh);

    SIZE frameSize() const;
    SIZE buttonSize() const;
    SIZE titleSize() const;

    std::unique_ptr<app::Application> application_;
    std::function<void()> endSession_;
    std::unique_ptr<TavrinTaskTray> taskTray_;
    std::unique_ptr<TavrinToolBar> toolBar_;
    std::unique_ptr<TavrinToolTip> toolTip_;
    std::unique_ptr<TavrinTitleBar> titleBar_;
    std::unique_ptr<ButtonLauncher> buttonLauncher_;
    std::unique_ptr<tvgui::HotKey> hotKey_;
    std::unique_ptr<CommandDialog> commandDialog_;
    bool initialized_ = false;
    std::uintptr_t diskLooks_ = 0;
    // The user's drag of the frame; none outside a drag.
    std::optional<placement::Drag> drag_;
    std::vector<std::string> droppedToAdd_;
    // While the launcher rebuilds for an edit of its files elsewhere, which the user did not
    // ask it for.
    bool unasked_ = false;

    // Desktop docking: the shell's bar while docked, null otherwise.
    void redock();
    void onAppBar(UINT notification, bool fullScreenOpened);
    std::unique_ptr<ApplicationDesktopToolBar> appBar_;

    // The menu launcher and the process menu (tavrinwindow_menus.cpp).
    void showMenuLauncher();
    void showProcessMenu();
    bool measureLauncherMenus(MEASUREITEMSTRUCT& item);
    bool drawLauncherMenus(const DRAWITEMSTRUCT& item);
    std::unique_ptr<MenuLauncher> menuLauncher_;
    // Only while the process menu is shown.
    std::unique_ptr<ProcessListMenu> processMenu_;

    // The hook library: a middle click on the desktop opens the menu launcher. Null when
    // switched off in the settings or when the library cannot be used.
    void loadHooker();
    void switchHooker(bool on);
    void onHookMouse(UINT mouseMessage, POINT screen);
    std::unique_ptr<dll::HookerDLL> hooker_;
};

} // namespace tavrin::gui
