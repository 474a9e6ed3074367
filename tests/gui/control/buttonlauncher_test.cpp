#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gui/control/groupmenu.h"
#include "launcherfixture.h"

namespace tavrin::gui::test {
namespace {

using file::fixture::utf8;

// Rebuilding follows the current sub-group, listed items only, in list order: each button
// has command id n + 1, its item, its caption and a tool tip; tools of a longer bar before
// are gone.
TEST_F(LauncherTest, RebuildShowsTheButtonsOfTheCurrentSubGroup) {
    start("Launcher/Button/Text:1\r\n");
    const struct {
        std::string group;
        std::string subGroup;
        std::vector<std::string> ids;
        std::vector<std::string> texts;
    } rows[]{
        {"Main", "Tools", {"edit", "probe", "gone"}, {"Editor", "probe", "Gone"}},
        {"Other", "Web", {"site"}, {"Site"}},
        {"Main", "Empty", {}, {}},
        {"Main", "Tools", {"edit", "probe", "gone"}, {"Editor", "probe", "Gone"}},
        {"", "", {}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.group + "/" + row.subGroup);
        show(row.group, row.subGroup);
        ASSERT_EQ(bar->buttonCount(), static_cast<int>(row.ids.size()));
        EXPECT_EQ(tip->toolCount(), static_cast<int>(row.ids.size()));
        for (std::size_t i = 0; i < row.ids.size(); ++i) {
            const int index = static_cast<int>(i);
            const std::optional<tvgui::TOOLBUTTON> button = bar->button(index);
            ASSERT_TRUE(button);
            EXPECT_EQ(button->command, index + 1);
            EXPECT_EQ(button->text, row.texts[i]);
            ASSERT_NE(bar->buttonItem(index), nullptr);
            EXPECT_EQ(bar->buttonItem(index)->id(), row.ids[i]);
            EXPECT_EQ(tip->toolText(*bar, i + 1), row.texts[i]);
        }
        EXPECT_EQ(bar->buttonItem(static_cast<int>(row.ids.size())), nullptr);
    }
}

// Icon size, text and list settings decide the fixed width of every button, in pixels of
// the bar's DPI; text shows only with the text setting, beside the icon only with the list.
TEST_F(LauncherTest, ButtonWidthFollowsIconTextAndList) {
    start();
    const struct {
        int icon;
        bool text;
        bool list;
        int iconPixels;
        bool smallestWindow;
    } rows[]{
        {0, false, false, 16, false}, {1, false, false, 32, false}, {0, false, true, 16, false},
        {0, true, false, 0, true},    {1, true, false, 0, true},    {0, true, true, 16, true},
        {1, true, true, 32, true},
    };
    const int dpi = bar->dpi();
    const int smallest = GetSystemMetricsForDpi(SM_CXMIN, static_cast<UINT>(dpi));
    std::optional<int> arrowWidth;
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.icon << row.text << row.list);
        file::App& settings = application->settings();
        settings.ButtonIcon(row.icon);
        settings.ButtonText(row.text);
        settings.ButtonList(row.list);
        const int width = MulDiv(row.iconPixels, dpi, 96) + (row.smallestWindow ? smallest : 0);
        EXPECT_EQ(TavrinToolBar::buttonWidth(settings, dpi), width);

        show("Main", "Tools");
        EXPECT_EQ(bar->isList(), row.list);
        ASSERT_EQ(bar->buttonCount(), 3);
        EXPECT_EQ(bar->button(0)->text.empty(), !row.text);
        const std::unique_ptr<tvgui::ImageList> images =
            bar->imageList(tvgui::ToolBar::IMAGE_TYPE::NORMAL);
        ASSERT_NE(images, nullptr);
        // "edit" and "probe" start the same program and share its one picture.
        EXPECT_EQ(images->count(), 2);
        EXPECT_EQ(bar->button(0)->image, bar->button(1)->image);
        int imageWidth = 0;
        int imageHeight = 0;
        ImageList_GetIconSize(images->get(), &imageWidth, &imageHeight);
        EXPECT_EQ(imageWidth, MulDiv(row.icon == 0 ? 16 : 32, dpi, 96));
        // Every button is the fixed width and its arrow, whatever the settings.
        for (int command = 1; command <= 3; ++command) {
            const RECT rect = bar->buttonRect(command).value();
            const int arrow = rect.right - rect.left - width;
            EXPECT_EQ(arrow, arrowWidth.value_or(arrow));
            arrowWidth = arrow;
        }
    }
}

// The buttons come at once and each picture follows from the shell: the shared place of
// "edit" and "probe" ends up showing the program's picture, not the empty one it starts with.
TEST_F(LauncherTest, ButtonPicturesArriveAfterTheButtons) {
    start();
    show("Main", "Tools");
    ASSERT_EQ(bar->buttonCount(), 3);
    const std::unique_ptr<tvgui::ImageList> images =
        bar->imageList(tvgui::ToolBar::IMAGE_TYPE::NORMAL);
    ASSERT_NE(images, nullptr);
    int size = 0;
    ImageList_GetIconSize(images->get(), &size, &size);
    // Whether the picture leaves a magenta ground as it was.
    const auto empty = [&images, size](int image) {
        const HDC screen = GetDC(nullptr);
        const HDC canvas = CreateCompatibleDC(screen);
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
        const HGDIOBJ old = SelectObject(canvas, bitmap);
        const HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
        const RECT all{0, 0, size, size};
        FillRect(canvas, &all, magenta);
        ImageList_Draw(images->get(), image, canvas, 0, 0, ILD_NORMAL);
        bool untouched = true;
        for (int y = 0; y < size && untouched; ++y) {
            for (int x = 0; x < size && untouched; ++x) {
                untouched = GetPixel(canvas, x, y) == RGB(255, 0, 255);
            }
        }
        SelectObject(canvas, old);
        DeleteObject(magenta);
        DeleteObject(bitmap);
        DeleteDC(canvas);
        ReleaseDC(nullptr, screen);
        return untouched;
    };
    const int image = bar->button(0)->image;
    const ULONGLONG giveUp = GetTickCount64() + 5000;
    while (empty(image) && GetTickCount64() < giveUp) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
    EXPECT_FALSE(empty(image));
}

// A choice of the group menu names a main group and one of its sub-groups; the current
// group stands in for group number 0, and numbers outside the groups choose nothing.
TEST_F(LauncherTest, GroupMenuCommandsNameTheirGroupAndSubGroup) {
    start();
    const file::Main& groups = application->mainGroups();
    const GroupMenu menu(groups, {"Main", "Empty"});
    int entries = 0;
    for (int group = 0; group < GetMenuItemCount(menu.get()); ++group) {
        HMENU subMenu = GetSubMenu(menu.get(), group);
        ASSERT_NE(subMenu, nullptr);
        for (int sub = 0; sub < GetMenuItemCount(subMenu); ++sub) {
            const UINT command = GetMenuItemID(subMenu, sub);
            const auto chosen = GroupMenu::selection(command, groups, "");
            ASSERT_TRUE(chosen);
            EXPECT_EQ(chosen->group, groups.name(static_cast<std::size_t>(group)));
            EXPECT_EQ(chosen->subGroup, groups.childNames(static_cast<std::size_t>(group))[sub]);
            const bool current = chosen->group == "Main" && chosen->subGroup == "Empty";
            EXPECT_EQ((GetMenuState(subMenu, command, MF_BYCOMMAND) & MF_CHECKED) != 0, current);
            ++entries;
        }
    }
    EXPECT_EQ(entries, 3);

    const struct {
        UINT command;
        std::string current;
        std::optional<std::pair<std::string, std::string>> chosen;
    } rows[]{
        {0x00020001, "", std::pair<std::string, std::string>{"Other", "Web"}},
        {0x00000002, "Main", std::pair<std::string, std::string>{"Main", "Empty"}},
        {0x00000001, "Other", std::pair<std::string, std::string>{"Other", "Web"}},
        {0x00010003, "", std::nullopt},
        {0x00030001, "", std::nullopt},
        {0x00010000, "", std::nullopt},
        {0, "Main", std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.command);
        const auto chosen = GroupMenu::selection(row.command, groups, row.current);
        ASSERT_EQ(chosen.has_value(), row.chosen.has_value());
        if (chosen) {
            EXPECT_EQ(chosen->group, row.chosen->first);
            EXPECT_EQ(chosen->subGroup, row.chosen->second);
        }
    }
}

// A middle press on the bar goes to the window, at the same place in the window's client
// area, with the same keys.
TEST_F(LauncherTest, MiddlePressReachesTheWindowWhereItHappened) {
    start();
    show("Main", "Tools");
    SendMessageW(bar->hwnd(), WM_MBUTTONDOWN, MK_MBUTTON | MK_SHIFT, MAKELPARAM(5, 6));
    const POINT corner = bar->position();
    ASSERT_EQ(window->middlePresses.size(), 1u);
    EXPECT_EQ(window->middlePresses[0].x, corner.x + 5);
    EXPECT_EQ(window->middlePresses[0].y, corner.y + 6);
    EXPECT_EQ(window->middleKeys[0], static_cast<WPARAM>(MK_MBUTTON | MK_SHIFT));
}

// The menus around the bar, chosen from with the keyboard: the group menu makes its choice
// current, the button list starts its item, so does the item menu, which also asks for the
// execute dialog for it or, for a folder, lists the folder's files as its file menu opens;
// owner-drawn items reach their menu.
TEST_F(LauncherTest, MenusActOnTheChoice) {
    start();
    show("Main", "Tools");

    window->typeInMenu({VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN});
    launcher->showGroupMenu(*window);
    EXPECT_EQ(application->currentGroup(), "Other");
    EXPECT_EQ(application->currentSubGroup(), "Web");
    EXPECT_EQ(bar->buttonCount(), 1);

    show("Main", "Tools");
    window->typeInMenu({VK_DOWN, VK_DOWN, VK_RETURN});
    launcher->showButtonList(*window);
    EXPECT_EQ(records.wait(1).size(), 1u);
    EXPECT_GT(window->measured, 0);
    EXPECT_GT(window->drawn, 0);

    window->typeInMenu({VK_DOWN, VK_RETURN});
    NMTOOLBARW arrow{};
    arrow.iItem = 2;
    arrow.rcButton = bar->buttonRect(2).value();
    launcher->onDropDown(arrow, *window);
    EXPECT_EQ(records.wait(2).size(), 2u);
    EXPECT_EQ(item("probe").useCount(), 2);
    window->typeInMenu({VK_DOWN, VK_DOWN, VK_RETURN});
    launcher->onDropDown(arrow, *window);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].id, "probe");
    EXPECT_EQ(opened[0].option, std::nullopt);

    item("edit").setFileAddress(utf8(scratch.root()));
    show("Main", "Tools");
    window->measured = 0;
    window->typeInMenu({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_ESCAPE});
    arrow.iItem = 1;
    arrow.rcButton = bar->buttonRect(1).value();
    launcher->onDropDown(arrow, *window);
    EXPECT_EQ(window->filled, 1);
    EXPECT_GT(window->measured, 0);
    // Once the item menu has closed, no menu is its file menu.
    const tvgui::PopUp other;
    EXPECT_FALSE(launcher->fillFileMenu(other.get()));
    EXPECT_TRUE(failures.empty());

    // Without buttons no list opens (it would wait for keys) and nothing starts.
    show("", "");
    launcher->showButtonList(*window);
    EXPECT_EQ(item("probe").useCount(), 2);
}

} // namespace
} // namespace tavrin::gui::test
