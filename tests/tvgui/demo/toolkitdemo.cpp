// One main window built from the toolkit's parts: a painted header over the rest (Dual), a
// row of buttons of 80, 80 and the remaining pixels (Line), three equal labels (Tansu) and a
// control drawn through a canvas. An optional argument closes the window after that many
// milliseconds, so that scripts and tests never wait on a person.

#include <optional>

#include "democontrols.h"
#include "demoprogram.h"
#include "tvgui/draw/brush.h"
#include "tvgui/draw/canvas.h"
#include "tvgui/draw/color.h"
#include "tvgui/draw/font.h"
#include "tvgui/draw/pen.h"
#include "tvgui/layout/dual.h"
#include "tvgui/layout/line.h"
#include "tvgui/layout/tansu.h"
#include "tvgui/window/mainwindow.h"

namespace tavrin::tvgui::demo {
namespace {

constexpr auto HEADER_ID = ITEM_ID{1};
constexpr auto SKETCH_ID = ITEM_ID{2};
constexpr auto OPEN_ID = ITEM_ID{10};
constexpr auto CLOSE_ID = ITEM_ID{11};
constexpr auto WIDE_ID = ITEM_ID{12};
constexpr auto FIRST_LABEL_ID = 20;
constexpr auto CLOSE_TIMER = TIMER_ID{1};

// Japanese text needs a face that has it: the system's message font falls back to one only
// through the font links, which edit and combo controls ignore.
Font japaneseFont(int points, Font::WEIGHT weight = Font::WEIGHT::NORMAL) {
    Font font;
    font.faceName("MS UI Gothic");
    font.pointSize(points);
    font.weight(weight);
    return font;
}

RECT clientRectOf(const TvGui& gui) {
    const SIZE size = gui.clientSize();
    return RECT{0, 0, size.cx, size.cy};
}

// A band in the caption colours with the program's title.
class Header final : public CustomControl {
public:
    explicit Header(TvGui& owner) : CustomControl(owner, HEADER_ID) { createControl(); }

    bool OnPaint(Canvas& canvas, const RECT&, bool) override {
        RECT area = clientRectOf(*this);
        canvas.fillRect(area, Brush(COLOR::ACTIVECAPTION));
        canvas.setFont(font);
        canvas.textColor(GetSysColor(COLOR_CAPTIONTEXT));
        canvas.backMode(Canvas::BACKMODE::TRANSPARENT_MODE);
        area.left += 12;
        canvas.drawText("Tavrin ツールキット", area,
                        Canvas::FORMAT::SINGLELINE | Canvas::FORMAT::VCENTER |
                            Canvas::FORMAT::NOPREFIX);
        canvas.restoreFont();
        return true;
    }

private:
    const Font font = japaneseFont(14, Font::WEIGHT::BOLD);
};

// Shapes and text drawn through the canvas: a filled frame, lines, a title and the enabled
// and disabled looks of the same text.
class Sketch final : public CustomControl {
public:
    explicit Sketch(TvGui& owner) : CustomControl(owner, SKETCH_ID) { createControl(); }

    bool OnPaint(Canvas& canvas, const RECT&, bool) override {
        const RECT area = clientRectOf(*this);
        canvas.fillRect(area, Brush(RGB(255, 255, 250)));
        canvas.setPen(framePen);
        canvas.setBrush(hollow);
        canvas.rectangle(area.left + 1, area.top + 1, area.right - 1, area.bottom - 1);
        canvas.setPen(linePen);
        const int middle = area.bottom / 2;
        canvas.line({12, middle + 28}, {area.right - 12, middle + 28});
        const POINT zigzag[] = {{12, area.bottom - 14},  {40, area.bottom - 34},
                                {68, area.bottom - 14},  {96, area.bottom - 34},
                                {124, area.bottom - 14}, {152, area.bottom - 34}};
        canvas.polyline(zigzag);

        canvas.backMode(Canvas::BACKMODE::TRANSPARENT_MODE);
        canvas.setFont(titleFont);
        canvas.textColor(RGB(20, 40, 120));
        RECT title{area.left, area.top + 8, area.right, middle + 24};
        canvas.drawText("ウィンドウ部品の見本", title,
                        Canvas::FORMAT::SINGLELINE | Canvas::FORMAT::CENTER |
                            Canvas::FORMAT::VCENTER | Canvas::FORMAT::NOPREFIX);
        canvas.setFont(textFont);
        canvas.drawStateText(false, true, {180, area.bottom - 40}, "有効な文字 (enabled)");
        canvas.drawStateText(false, false, {180, area.bottom - 22}, "無効な文字 (disabled)");
        canvas.restoreFont();
        canvas.restorePen();
        canvas.restoreBrush();
        return true;
    }

private:
    const Pen framePen{Pen::STYLE::SOLID, 2, RGB(20, 40, 120)};
    const Pen linePen{Pen::STYLE::DOT, 1, RGB(160, 0, 0)};
    const Brush hollow{Brush::STOCK::HOLLOW};
    const Font titleFont = japaneseFont(20, Font::WEIGHT::BOLD);
    const Font textFont = japaneseFont(10);
};

class DemoWindow final : public MainWindow {
public:
    // closeAfter: milliseconds until the window closes itself; 0 keeps it open.
    explicit DemoWindow(UINT closeAfter)
        : MainWindow(0, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX, nullptr),
          closeAfter(closeAfter) {
        creationInfo().x = 40;
        creationInfo().y = 40;
        creationInfo().width = 560;
        creationInfo().height = 380;
        createWindow();
    }

    void OnCreate() override {
        setText("ツールキットの見本");
        header.emplace(*this);
        openButton.emplace(*this, "BUTTON", OPEN_ID, BS_PUSHBUTTON);
        closeButton.emplace(*this, "BUTTON", CLOSE_ID, BS_PUSHBUTTON);
        wideButton.emplace(*this, "BUTTON", WIDE_ID, BS_PUSHBUTTON);
        openButton->setText("開く");
        closeButton->setText("閉じる");
        wideButton->setText("残りの幅いっぱいのボタン");
        const char* labelTexts[] = {"三等分の一", "三等分の二", "三等分の三"};
        for (int i = 0; i < 3; ++i) {
            labels[i].emplace(*this, "STATIC", static_cast<ITEM_ID>(FIRST_LABEL_ID + i),
                              SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN);
            labels[i]->setText(labelTexts[i]);
            labels[i]->setFont(controlFont);
        }
        for (auto* button : {&*openButton, &*closeButton, &*wideButton}) {
            button->setFont(controlFont);
        }
        sketch.emplace(*this);
        arrange();
        if (closeAfter > 0) {
            setTimer(CLOSE_TIMER, closeAfter);
        }
    }

    bool OnCommand(ITEM_ID id, MESSAGETYPE, TvGui&) override {
        if (id != CLOSE_ID) {
            return false;
        }
        destroy();
        return true;
    }

    void OnTimer(TIMER_ID) override {
        killTimer(CLOSE_TIMER);
        destroy();
    }

private:
    void arrange() {
        root.rule().setAbsolute(44);
        root.setGap(6);
        root.setGui(0, *header);
        root.setLayout(1, body);

        body.addLayout(buttons);
        body.sizeAt(0).setAbsolute(30);
        body.addLayout(labelRow);
        body.sizeAt(1).setAbsolute(28);
        body.addGui(*sketch);
        body.sizeAt(2).setAbsolute(SIZEINFO::FILL);
        body.spacing = {0, 3, 0, 3};

        buttons.addGui(*openButton);
        buttons.sizeAt(0).setAbsolute(80);
        buttons.addGui(*closeButton);
        buttons.sizeAt(1).setAbsolute(80);
        buttons.addGui(*wideButton);
        buttons.sizeAt(2).setAbsolute(SIZEINFO::FILL);
        keepApartFlush(buttons);

        for (auto& label : labels) {
            labelRow.addGui(*label);
        }
        labelRow.rule().setPercent(100.0L / 3);
        keepApartFlush(labelRow);

        layoutManager()->setRootLayout(&root);
    }

    // The cells of a row keep 4 pixels apart, and its outer cells still reach the edges
    // that the header and the drawing reach: the spacing outside them is taken back by the
    // margin.
    static void keepApartFlush(Layout& row) {
        row.spacing = {2, 0, 2, 0};
        row.margin = {-2, 0, -2, 0};
    }

    const UINT closeAfter;
    const Font controlFont{Font::SYSTEM::MESSAGE};
    Dual root{DIRECTION::VERTICAL};
    Line body{DIRECTION::VERTICAL};
    Line buttons{DIRECTION::HORIZON};
    Tansu labelRow{DIRECTION::HORIZON};
    std::optional<Header> header;
    std::optional<SystemControl> openButton;
    std::optional<SystemControl> closeButton;
    std::optional<SystemControl> wideButton;
    std::optional<SystemControl> labels[3];
    std::optional<Sketch> sketch;
};

int runDemo() {
    return runDemoProgram("toolkit_demo", [](UINT closeAfter) {
        DemoWindow window(closeAfter);
        window.show(SHOW::SHOWNORMAL);
        window.update();
        return window.run();
    });
}

} // namespace
} // namespace tavrin::tvgui::demo

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return tavrin::tvgui::demo::runDemo();
}
