// Every control of the toolkit's catalogue in one window, with an owner-drawn menu opened over
// it, so that a person (or a screenshot) sees them together at the screen's DPI. The window
// closes itself after the given milliseconds, but never before the menu has been drawn, and
// the program answers 0 only when every control was made and every menu item measured and
// drawn.

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "demoprogram.h"
#include "gallerylayout.h"
#include "image/icon.h"
#include "tvgui/control/button.h"
#include "tvgui/control/combobox.h"
#include "tvgui/control/datetimepicker.h"
#include "tvgui/control/editbox.h"
#include "tvgui/control/excombobox.h"
#include "tvgui/control/group.h"
#include "tvgui/control/groupbox.h"
#include "tvgui/control/header.h"
#include "tvgui/control/hotkeycontrol.h"
#include "tvgui/control/listbox.h"
#include "tvgui/control/listview.h"
#include "tvgui/control/picturelabel.h"
#include "tvgui/control/statc.h"
#include "tvgui/control/toggle.h"
#include "tvgui/control/toolbar.h"
#include "tvgui/control/tooltip.h"
#include "tvgui/control/treeview.h"
#include "tvgui/control/updown.h"
#include "tvgui/draw/imagelist.h"
#include "tvgui/menu/ownerdrawmenu.h"
#include "tvgui/window/mainwindow.h"

namespace tavrin::tvgui::gallery {
namespace {

constexpr auto MENU_TIMER = TIMER_ID{1};
constexpr auto CLOSE_TIMER = TIMER_ID{2};
constexpr UINT MENU_DELAY = 300;
constexpr UINT FIRST_MENU_ID = 100;

class GalleryWindow final : public MainWindow {
public:
    // closeAfter: milliseconds until the window closes itself; 0 keeps it open.
    explicit GalleryWindow(UINT closeAfter)
        : MainWindow(0, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX, nullptr),
          closeAfter(closeAfter) {
        creationInfo().x = 20;
        creationInfo().y = 20;
        createWindow();
    }

    // Whether every menu item was measured and drawn (a control that could not be made
    // threw already).
    bool complete() const { return measuredItems == menuItems && drawnItems >= menuItems; }
    int controlCount() const { return static_cast<int>(controls.size()); }
    int drawnMenuItems() const { return drawnItems; }
    int shownDpi() const { return createdDpi; }

    void OnCreate() override {
        setText("コントロール見本");
        createdDpi = dpi();
        // The window is given in 96-DPI pixels, as a person sized it on such a screen.
        move(20, 20, scale(760), scale(540), false);
        buildToolBar();
        buildButtons();
        buildTexts();
        buildLists();
        buildPickers();
        buildViews();
        buildMenu();
        arrange();
        setTimer(MENU_TIMER, MENU_DELAY);
        if (closeAfter > 0) {
            setTimer(CLOSE_TIMER, closeAfter);
        }
    }

    void OnMeasureItem(MEASUREITEMSTRUCT& item) override {
        if (menu.measure(hwnd(), item)) {
            ++measuredItems;
        }
    }

    void OnDrawItem(DRAWITEMSTRUCT& item) override {
        if (menu.draw(item)) {
            ++drawnItems;
            if (closeDue) {
                setTimer(CLOSE_TIMER, 50);
            }
        }
    }

    void OnTimer(TIMER_ID timer) override {
        killTimer(timer);
        if (timer == MENU_TIMER) {
            showMenu();
            return;
        }
        closeDue = true;
        if (menuOpen && drawnItems >= menuItems) {
            EndMenu();
        } else if (!menuOpen && drawnItems >= menuItems) {
            destroy();
        }
    }

private:
    template <typename C, typename... Args> C& add(Args&&... args) {
        auto control = std::make_unique<C>(std::forward<Args>(args)...);
        C& made = *control;
        controls.push_back(std::move(control));
        return made;
    }

    ITEM_ID nextId() { return static_cast<ITEM_ID>(++lastId); }

    // A bar of buttons with icons and text beside them, each named by a tool tip, as the
    // launcher shows its items.
    void buildToolBar() {
        auto& bar = add<ToolBar>(nextId(), *this,
                                 CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_FLAT | TBSTYLE_WRAPABLE);
        bar.setList(true);
        barImages.emplace(scale(16), scale(16), ImageList::COLOR_TYPE::COLOR32, 4, 0);
        const LPCWSTR icons[] = {IDI_APPLICATION, IDI_INFORMATION, IDI_WARNING, IDI_QUESTION};
        const char* texts[] = {"メモ帳", "フォルダー", "ウェブ", "設定"};
        for (int i = 0; i < 4; ++i) {
            barImages->add(image::Icon(LoadIconW(nullptr, icons[i]), false));
            TOOLBUTTON button;
            button.image = i;
            button.command = i + 1;
            button.style = TOOLBUTTON::STYLE::AUTOSIZE | TOOLBUTTON::STYLE::SHOWTEXT;
            button.text = texts[i];
            bar.insertButton(i, button);
        }
        bar.setImageList(ToolBar::IMAGE_TYPE::NORMAL, *barImages);
        bar.setExtendedStyle(ToolBar::EXTENDED::MIXEDBUTTONS);
        bar.autoSize();
        tip.emplace(*this);
        for (int i = 0; i < 4; ++i) {
            tip->addTool(bar, static_cast<std::uintptr_t>(i + 1), *bar.buttonRect(i + 1), texts[i]);
        }
        page.add(bar, 30);
    }

    void buildButtons() {
        auto& push = add<Push>(nextId(), *this);
        push.setText("押しボタン");
        auto& defaultPush = add<Push>(nextId(), *this);
        defaultPush.setText("既定のボタン");
        defaultPush.defaultButton(true);
        auto& check = add<CheckBox>(nextId(), *this);
        check.setText("チェックボックス");
        check.check(Toggle::CHECK::CHECKED);
        auto& box = add<GroupBox>(nextId(), *this);
        box.setText("グループボックス");
        auto& first = add<Radio>(nextId(), *this);
        first.setText("ラジオボタン一");
        auto& second = add<Radio>(nextId(), *this);
        second.setText("ラジオボタン二");
        radioGroup.add(first);
        radioGroup.add(second);
        radioGroup.checkIndex(0);
        radios.add(first, 22).add(second, 22);
        box.groupLayout().setRootLayout(&radios.panel());
        left.add(push, 26).add(defaultPush, 26).add(check, 22).add(box, 80);
    }

    void buildTexts() {
        auto& line = add<EditLine>(nextId(), *this);
        line.setText("一行の入力欄");
        auto& pass = add<PassLine>(nextId(), *this);
        pass.setText("secret");
        auto& multi = add<MultiEdit>(nextId(), *this);
        multi.setText("複数行の入力欄\r\n二行目\r\n三行目");
        auto& label = add<TextLabel>(nextId(), *this, "文字ラベル（右寄せ）");
        label.horizonAlign(HORIZON_ALIGN::RIGHT);
        auto& icon = add<IconLabel>(nextId(), *this);
        // The label shows the icon in the size it is given: one for the window's DPI.
        labelIcon = image::Icon(static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON,
                                                              scale(32), scale(32), LR_SHARED)),
                                false);
        icon.setImage(labelIcon);
        icon.imagePosition(PictureLabel::POSITION::CENTER);
        // A frame is see-through, as a dialog's separating line: two pixels high.
        auto& rule = add<BoxLabel>(nextId(), *this, BoxLabel::BOX::BORDER);
        auto& area = add<BoxLabel>(nextId(), *this, BoxLabel::AREA::DESKTOP);
        left.add(line, 22)
            .add(pass, 22)
            .add(multi, 60)
            .add(label, 20)
            .add(icon, 36)
            .add(rule, 2)
            .add(area, 16);
    }

    void buildLists() {
        const char* texts[] = {"メモ帳", "フォルダー", "ウェブ"};
        auto& editable = add<ComboBox>(nextId(), *this, ComboBox::TYPE::DROPDOWN);
        auto& fixed = add<ComboBox>(nextId(), *this, ComboBox::TYPE::DROPDOWNLIST);
        auto& pictured = add<ExComboBox>(nextId(), *this, ComboBox::TYPE::DROPDOWNLIST);
        auto& list = add<ListBox>(nextId(), *this);
        pictured.setImageList(*barImages);
        for (int i = 0; i < 3; ++i) {
            for (IListBox* box : {static_cast<IListBox*>(&editable), static_cast<IListBox*>(&fixed),
                                  static_cast<IListBox*>(&list)}) {
                box->add(texts[i]);
            }
            COMBOBOXITEM item;
            item.mask = COMBOBOXITEM_MASK::TEXT | COMBOBOXITEM_MASK::IMAGE |
                        COMBOBOXITEM_MASK::SELECTEDIMAGE;
            item.index = i;
            item.text = texts[i];
            item.image = item.selectedImage = i;
            pictured.insertItem(item);
        }
        editable.setText("編集できるコンボ");
        fixed.selectIndex(1);
        pictured.selectIndex(2);
        list.selectIndex(1);
        // The list's own style has no frame; dialogs give it the sunken one of edit boxes.
        list.clientEdge(true);
        list.refreshFrame();
        middle.add(editable, 24).add(fixed, 24).add(pictured, 24).add(list, 64);
    }

    void buildPickers() {
        auto& number = add<EditLine>(nextId(), *this);
        auto& arrows = add<UpDown>(nextId(), *this);
        arrows.setRange(0, 100);
        arrows.setValue(42);
        spin.add(number, 120).add(arrows, 20);
        auto& keys = add<control::HotKey>(nextId(), *this);
        // Ctrl+Alt+T, as the launcher's own hot key is often set.
        keys.setCombination(0x5406);
        auto& date = add<DatePicker>(nextId(), *this);
        auto& time = add<TimePicker>(nextId(), *this);
        const SYSTEMTIME shown{2026, 12, 1, 7, 13, 45, 10, 0};
        date.pick(shown);
        time.pick(shown);
        middle.add(spin.panel(), 22).add(keys, 22).add(date, 22).add(time, 22);
    }

    void buildViews() {
        auto& columns = add<Header>(nextId(), *this);
        columns.insertItem(0, "見出し一", scale(100));
        columns.insertItem(1, "見出し二", scale(100));
        auto& list = add<ListView>(nextId(), *this, ListView::TYPE::REPORT);
        list.fullRowSelect(true);
        list.gridLines(true);
        list.setImageList(*barImages, ListView::IMAGE_TYPE::SMALL);
        const char* captions[] = {"名前", "場所"};
        for (int i = 0; i < 2; ++i) {
            LISTCOLUMN column;
            column.mask = LISTCOLUMN::MASK::TEXT | LISTCOLUMN::MASK::WIDTH;
            column.text = captions[i];
            column.width = scale(i == 0 ? 90 : 150);
            list.insertColumn(i, column);
        }
        const char* rows[][2] = {{"メモ帳", "C:\\Windows\\notepad.exe"},
                                 {"文書", "C:\\Users\\文書"},
                                 {"ウェブ", "https://example.org/"}};
        for (int i = 0; i < 3; ++i) {
            LISTITEM item;
            item.mask = LISTITEM::MASK::TEXT | LISTITEM::MASK::IMAGE;
            item.item = i;
            item.text = rows[i][0];
            item.image = i;
            list.insertItem(item);
            list.itemText(i, 1, rows[i][1]);
        }
        list.selectOnly(1);
        auto& tree = add<TreeView>(nextId(), *this);
        const HTREEITEM all = tree.insert(nullptr, "すべてのグループ");
        const HTREEITEM tools = tree.insert(all, "ツール");
        tree.insert(tools, "エディタ");
        tree.insert(tools, "端末");
        tree.insert(all, "文書");
        tree.expand(all, TreeView::EXPAND::EXPAND);
        tree.expand(tools, TreeView::EXPAND::EXPAND);
        tree.select(tools);
        right.add(columns, 24).add(list, 150).fill(tree);
    }

    void buildMenu() {
        const char* texts[] = {"メモ帳で開く", "フォルダーを開く", "設定..."};
        for (const char* text : texts) {
            MENUITEM item;
            item.info.fMask = bits(MENUITEM::MASK::ID, MENUITEM::MASK::TYPE);
            item.info.fType = bits(MENUITEM::TYPE::OWNERDRAW);
            item.info.wID = FIRST_MENU_ID + static_cast<UINT>(menuItems);
            if (menu.insertDrawn(item, {text, image::Icon(applicationIcon.get(), false)})) {
                ++menuItems;
            }
        }
    }

    void showMenu() {
        RECT client{};
        GetClientRect(hwnd(), &client);
        POINT at{client.right * 2 / 3, client.bottom * 2 / 3};
        ClientToScreen(hwnd(), &at);
        menuOpen = true;
        menu.show(PopUp::FLAGS::RETURNCMD, at, hwnd(), std::nullopt);
        menuOpen = false;
        if (closeDue) {
            destroy();
        }
    }

    void arrange() {
        columns.add(left.panel(), 230).add(middle.panel(), 230).fill(right.panel());
        page.fill(columns.panel());
        layoutManager()->setRootLayout(&page.panel());
        const SIZE size = clientSize();
        layoutManager()->onSize(size.cx, size.cy);
    }

    const UINT closeAfter;
    const image::Icon applicationIcon{LoadIconW(nullptr, IDI_APPLICATION), false};
    image::Icon labelIcon;
    std::vector<std::unique_ptr<Control>> controls;
    RadioGroup radioGroup;
    OwnerDrawMenu menu;
    std::optional<ImageList> barImages;
    std::optional<ToolTip> tip;
    GalleryColumn page{DIRECTION::VERTICAL};
    GalleryColumn columns{DIRECTION::HORIZON};
    GalleryColumn left{DIRECTION::VERTICAL};
    GalleryColumn middle{DIRECTION::VERTICAL};
    GalleryColumn right{DIRECTION::VERTICAL};
    GalleryColumn spin{DIRECTION::HORIZON};
    GalleryColumn radios{DIRECTION::VERTICAL};
    int lastId = 0;
    int createdDpi = 96;
    int menuItems = 0;
    int measuredItems = 0;
    int drawnItems = 0;
    bool menuOpen = false;
    bool closeDue = false;
};

int runGallery() {
    return demo::runDemoProgram("control_gallery", [](UINT closeAfter) {
        GalleryWindow window(closeAfter);
        window.show(SHOW::SHOWNORMAL);
        window.update();
        const int status = window.run();
        const bool complete = status == 0 && window.complete();
        std::printf("control_gallery: %s: %d controls, %d menu items drawn, at %d dpi\n",
                    complete ? "complete" : "INCOMPLETE", window.controlCount(),
                    window.drawnMenuItems(), window.shownDpi());
        return complete ? 0 : 1;
    });
}

} // namespace
} // namespace tavrin::tvgui::gallery

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return tavrin::tvgui::gallery::runGallery();
}
