#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "app/application.h"
#include "gui/control/buttonlauncher.h"
#include "gui/control/tavrintoolbar.h"
#include "launchprobe_fixture.h"
#include "testwindow.h"
#include "tvgui/control/tooltip.h"

namespace tavrin::gui::test {

// The launcher's bar in a real window, over an application whose data folder the test
// writes: the main groups "Main" (sub-groups "Tools" and "Empty") and "Other" ("Web"); the
// items "edit" (named "Editor"), "probe" (no name) and "gone" start the probe program or a
// missing file, "site" is an address. Failures shown to the user are collected.
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

    std::unique_ptr<app::Application> application;
    std::unique_ptr<tvgui::test::RecordingWindow> window;
    std::unique_ptr<tvgui::ToolTip> tip;
    std::unique_ptr<TavrinToolBar> bar;
    std::unique_ptr<ButtonLauncher> launcher;

private:
    std::vector<std::unique_ptr<file::Item>> items_;
};

} // namespace tavrin::gui::test
