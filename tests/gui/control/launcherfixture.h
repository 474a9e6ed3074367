#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "app/application.h"
#include "gui/control/buttonlauncher.h"
#include "gui/control/tavrintoolbar.h"
#include "launchprobe_fixture.h"
#include "tvgui/control/tooltip.h"
#include "tvgui/window/tvwindow.h"

namespace tavrin::gui::test {

// The launcher's window as far as the bar and its menus need one: it hands the launcher its
// owner-drawn items and opening menus, counting those the launcher took, notes the middle
// presses it gets, and presses the keys given, one at a time, while a menu is open.
class HostWindow final : public tvgui::TvWindow {
public:
    HostWindow();

    // Presses the keys one by one, once a menu shows, from the next menu loop on.
    void typeInMenu(std::vector<WORD> keys);

    bool OnMouseMiddleDown(tvgui::MOUSE_KEY key, int x, int y) override;
    void OnMeasureItem(MEASUREITEMSTRUCT& item) override;
    void OnDrawItem(DRAWITEMSTRUCT& item) override;
    bool OnInitMenuPopup(HMENU menu, int index, bool windowMenu) override;

    ButtonLauncher* launcher = nullptr;
    std::vector<POINT> middlePresses;
    std::vector<WPARAM> middleKeys;
    int measured = 0;
    int drawn = 0;
    int filled = 0;

private:
    static void CALLBACK typeNext(HWND window, UINT, UINT_PTR timer, DWORD);

    std::vector<WORD> keys_;
};

// The launcher's bar in a real window, over an application whose data folder the test
// writes: the main groups "Main" (sub-groups "Tools" and "Empty") and "Other" ("Web"); the
// items "edit" (named "Editor"), "probe" (no name) and "gone" start the probe program or a
// missing file, "site" is an address. Failures shown to the user and the execute dialogs
// asked for are collected.
class LauncherTest : public ::testing::Test {
protected:
    LauncherTest();

    // The application over the data files, with the settings document given (app.dvk), and
    // the window, tip, bar and launcher over it.
    void start(std::string_view settings = {});
    file::Item& item(const std::string& id);
    // Makes the group and sub-group current and rebuilds the bar.
    void show(const std::string& group, const std::string& subGroup);

    file::fixture::ScratchFolder scratch;
    file::fixture::ProbeRecords records;
    std::filesystem::path data = scratch.root() / L"data";
    std::filesystem::path probe = file::fixture::copyProbe(scratch.root() / L"bin", L"probe.exe");
    std::vector<std::string> failures;
    struct Opened {
        std::string id;
        std::optional<std::string> option;
    };
    std::vector<Opened> opened;
    // The paths of each drop beside the buttons.
    std::vector<std::vector<std::string>> added;

    std::unique_ptr<app::Application> application;
    std::unique_ptr<HostWindow> window;
    std::unique_ptr<tvgui::ToolTip> tip;
    std::unique_ptr<TavrinToolBar> bar;
    std::unique_ptr<ButtonLauncher> launcher;

private:
    std::vector<std::unique_ptr<file::Item>> items_;
};

} // namespace tavrin::gui::test
