#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "system/tavrinerrors.h"
#include "testwindow.h"
#include "tvgui/control/button.h"
#include "tvgui/control/editbox.h"
#include "tvgui/control/picturelabel.h"
#include "tvgui/control/statc.h"
#include "tvgui/control/toggle.h"
#include "tvgui/control/updown.h"

#include <commctrl.h>

namespace tavrin::tvgui {
namespace {

constexpr ITEM_ID someId{7};

// One multi-valued style of one control class, with the bits each member must set.
struct FieldCase {
    std::string name;
    std::function<std::unique_ptr<Control>(TvGui&)> make;
    std::function<LONG_PTR(Control&, int)> set;
    std::function<int(const Control&)> get;
    std::vector<LONG_PTR> bits;
    LONG_PTR mask;
    // A value of the field that is no member's.
    LONG_PTR foreign;
    std::string names;
};

template <typename C, typename E, typename... Args>
FieldCase field(std::string name, E (C::*get)() const, LONG_PTR (C::*set)(E),
                std::vector<LONG_PTR> bits, LONG_PTR mask, LONG_PTR foreign, std::string names,
                Args... args) {
    return {std::move(name),
            [=](TvGui& owner) { return std::make_unique<C>(someId, owner, args...); },
            [=](Control& control, int member) {
                return (static_cast<C&>(control).*set)(static_cast<E>(member));
            },
            [=](const Control& control) {
                return static_cast<int>((static_cast<const C&>(control).*get)());
            },
            std::move(bits),
            mask,
            foreign,
            std::move(names)};
}

std::vector<FieldCase> fieldCases() {
    using B = Button;
    using P = PictureLabel;
    return {
        field<B, HORIZON_ALIGN>("button horizontal", &B::horizonAlign, &B::horizonAlign,
                                {BS_LEFT, BS_CENTER, BS_RIGHT}, 0x300, 0,
                                "BS_LEFT|BS_CENTER|BS_RIGHT", B::TYPE::PUSHBUTTON),
        field<B, VERTICAL_ALIGN>("button vertical", &B::verticalAlign, &B::verticalAlign,
                                 {BS_TOP, BS_VCENTER, BS_BOTTOM}, 0xC00, 0,
                                 "BS_TOP|BS_VCENTER|BS_BOTTOM", B::TYPE::PUSHBUTTON),
        field<B, B::IMAGE_TYPE>("button image", &B::imageType, &B::imageType, {BS_ICON, BS_BITMAP},
                                0xC0, 0, "BS_ICON|BS_BITMAP", B::TYPE::PUSHBUTTON),
        field<Radio, Radio::AUTO>("radio", &Radio::autoMode, &Radio::autoMode,
                                  {BS_RADIOBUTTON, BS_AUTORADIOBUTTON}, 0xF, BS_CHECKBOX,
                                  "BS_RADIOBUTTON|BS_AUTORADIOBUTTON"),
        field<TextLabel, HORIZON_ALIGN>("label alignment", &TextLabel::horizonAlign,
                                        &TextLabel::horizonAlign, {SS_LEFT, SS_CENTER, SS_RIGHT},
                                        0x3, 0x3, "SS_LEFT|SS_CENTER|SS_RIGHT"),
        field<TextLabel, TextLabel::ELLIPSIS>(
            "label ellipsis", &TextLabel::ellipsis, &TextLabel::ellipsis,
            {SS_PATHELLIPSIS, SS_ENDELLIPSIS}, 0xC000, 0, "SS_PATHELLIPSIS|SS_ENDELLIPSIS"),
        field<P, P::IMAGE_TYPE>("picture type", &P::imageType, &P::imageType, {SS_ICON, SS_BITMAP},
                                0x1F, SS_LEFT, "SS_ICON|SS_BITMAP", P::IMAGE_TYPE::ICON),
        field<P, P::POSITION>("picture position", &P::imagePosition, &P::imagePosition,
                              {SS_CENTERIMAGE, SS_RIGHTJUST, 0}, 0x600, 0x600,
                              "SS_CENTERIMAGE|SS_RIGHTJUST|0", P::IMAGE_TYPE::BITMAP),
        field<BoxLabel, BoxLabel::BOX>(
            "frame", &BoxLabel::box, &BoxLabel::box, {SS_BLACKFRAME, SS_GRAYFRAME, SS_WHITEFRAME},
            0x1F, SS_BLACKRECT, "SS_BLACKFRAME|SS_GRAYFRAME|SS_WHITEFRAME", BoxLabel::BOX::BORDER),
        field<BoxLabel, BoxLabel::AREA>(
            "area", &BoxLabel::area, &BoxLabel::area, {SS_BLACKRECT, SS_GRAYRECT, SS_WHITERECT},
            0x1F, SS_BLACKFRAME, "SS_BLACKRECT|SS_GRAYRECT|SS_WHITERECT", BoxLabel::AREA::WINDOW),
        field<EditLine, HORIZON_ALIGN>("edit alignment", &EditLine::horizonAlign,
                                       &EditLine::horizonAlign, {ES_LEFT, ES_CENTER, ES_RIGHT}, 0x3,
                                       0x3, "ES_LEFT|ES_CENTER|ES_RIGHT"),
        field<UpDown, UpDown::POSITION>("arrows side", &UpDown::placement, &UpDown::placement,
                                        {0, UDS_ALIGNLEFT, UDS_ALIGNRIGHT}, 0xC, 0xC,
                                        "0|UDS_ALIGNLEFT|UDS_ALIGNRIGHT"),
    };
}

LONG_PTR styleOf(const Control& control) {
    return GetWindowLongPtrW(control.hwnd(), GWL_STYLE);
}

std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const system::TavrinException& failure) {
        return failure.message();
    }
    return "no failure";
}

// Every member, set in both orders so that each replaces another, reads back through the
// window's style bits; the rest of the style is left alone; a value that is no member and a
// field that matches none are refused with the field's style names.
TEST(StyleFieldTest, MembersRoundTripThroughTheStyleAndStrangersAreRefused) {
    test::RecordingWindow window;
    for (const FieldCase& c : fieldCases()) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<Control> control = c.make(window);
        const LONG_PTR others = styleOf(*control) & ~c.mask;
        const int count = static_cast<int>(c.bits.size());
        for (int step = 0; step < 2 * count; ++step) {
            const int member = step < count ? step : 2 * count - 1 - step;
            c.set(*control, member);
            EXPECT_EQ(styleOf(*control) & c.mask, c.bits[member]) << member;
            EXPECT_EQ(styleOf(*control) & ~c.mask, others) << member;
            EXPECT_EQ(c.get(*control), member);
        }
        const LONG_PTR before = styleOf(*control);
        EXPECT_EQ(failureOf([&] { c.set(*control, count); }), "設定>" + c.names + " Style");
        EXPECT_EQ(styleOf(*control), before);
        SetWindowLongPtrW(control->hwnd(), GWL_STYLE, (before & ~c.mask) | c.foreign);
        EXPECT_EQ(failureOf([&] { c.get(*control); }), "取得>" + c.names + " Style");
    }
}

} // namespace
} // namespace tavrin::tvgui
