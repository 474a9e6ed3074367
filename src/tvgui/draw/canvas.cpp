#include "tvgui/draw/canvas.h"

#include <climits>
#include <string>
#include <utility>

#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "tvgui/draw/screendc.h"

namespace tavrin::tvgui {

using system::TavrinException;

namespace {

constexpr const char* NO_CONTEXT = "デバイスコンテキストが未設定";

HDC borrowed(HDC dc) {
    if (dc == nullptr) {
        throw TavrinException(NO_CONTEXT);
    }
    return dc;
}

HDC windowContext(HWND window) {
    HDC dc = GetDC(window);
    if (dc == nullptr) {
        throw TavrinException("デバイスコンテキスト取得失敗");
    }
    return dc;
}

HDC memoryContext() {
    ScreenDC screen;
    HDC dc = screen.get() != nullptr ? CreateCompatibleDC(screen.get()) : nullptr;
    if (dc == nullptr) {
        throw TavrinException("デバイスコンテキスト作成失敗");
    }
    return dc;
}

// The count the system's int and DWORD parameters can carry.
int countOf(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX)) {
        throw TavrinException("描画する要素が多すぎる");
    }
    return static_cast<int>(size);
}

void check(bool succeeded, const char* failure) {
    if (!succeeded) {
        throw TavrinException(failure);
    }
}

// The spacing calls' failure value is documented as 0x8000000 and answered as 0x80000000.
bool spacingFailed(int spacing) {
    return spacing == static_cast<int>(0x8000000) || spacing == static_cast<int>(0x80000000);
}

int width(const RECT& rectangle) {
    return rectangle.right - rectangle.left;
}
int height(const RECT& rectangle) {
    return rectangle.bottom - rectangle.top;
}

} // namespace

const Canvas::SlotTexts Canvas::PEN_TEXTS{"ペン解放に失敗", "ペン設定失敗", "ペンを設定していない"};
const Canvas::SlotTexts Canvas::BRUSH_TEXTS{"ブラシ解放に失敗", "ブラシ設定失敗",
                                            "ブラシを設定していない"};
const Canvas::SlotTexts Canvas::FONT_TEXTS{"フォント解放に失敗", "フォント設定失敗",
                                           "フォントを設定していない"};
const Canvas::SlotTexts Canvas::BITMAP_TEXTS{"ビットマップ解放に失敗", "ビットマップ設定失敗",
                                             "ビットマップを設定していない"};

Canvas::Canvas(HDC dc) : Draw(borrowed(dc), true), type_(TYPE::BORROWED) {}

Canvas::Canvas(HWND window)
    : Draw(windowContext(window), true), window(window), type_(TYPE::WINDOW) {}

Canvas::Canvas(SIZE size) : Draw(memoryContext(), true), type_(TYPE::MEMORY) {
    try {
        ownBitmap.emplace(size);
        setBitmap(*ownBitmap);
    } catch (...) {
        // No destructor runs for a canvas whose construction fails.
        DeleteDC(handle);
        handle = nullptr;
        alive = false;
        throw;
    }
}

Canvas::Canvas(Canvas&& other) noexcept
    : Draw(std::move(other)), window(std::exchange(other.window, nullptr)), type_(other.type_),
      pen(std::exchange(other.pen, {})), brush(std::exchange(other.brush, {})),
      font(std::exchange(other.font, {})), bitmap(std::exchange(other.bitmap, {})),
      ownBitmap(std::move(other.ownBitmap)) {
    other.ownBitmap.reset();
}

Canvas& Canvas::operator=(Canvas&& other) {
    if (this != &other) {
        Draw::operator=(std::move(other));
        window = std::exchange(other.window, nullptr);
        type_ = other.type_;
        pen = std::exchange(other.pen, {});
        brush = std::exchange(other.brush, {});
        font = std::exchange(other.font, {});
        bitmap = std::exchange(other.bitmap, {});
        ownBitmap = std::move(other.ownBitmap);
        other.ownBitmap.reset();
    }
    return *this;
}

void Canvas::select(Slot& slot, const SlotTexts& texts, HGDIOBJ object) {
    if (slot.selected != nullptr && !restore(slot, texts)) {
        throw TavrinException(texts.putBackFailed);
    }
    HGDIOBJ replaced = SelectObject(handle, object);
    if (replaced == nullptr || replaced == HGDI_ERROR) {
        throw TavrinException(texts.selectFailed);
    }
    slot = {object, replaced};
}

bool Canvas::restore(Slot& slot, const SlotTexts& texts) {
    if (slot.selected == nullptr) {
        throw TavrinException(texts.notSelected);
    }
    HGDIOBJ out = SelectObject(handle, slot.replaced);
    const bool same = out == slot.selected;
    slot = {};
    return same;
}

// Whatever came out, the replaced objects are back in, which is all a context needs before
// it is given back.
void Canvas::restoreAll() {
    const std::pair<Slot*, const SlotTexts*> slots[] = {
        {&pen, &PEN_TEXTS},
        {&brush, &BRUSH_TEXTS},
        {&font, &FONT_TEXTS},
        {&bitmap, &BITMAP_TEXTS},
    };
    for (const auto& [slot, texts] : slots) {
        if (slot->selected != nullptr) {
            restore(*slot, *texts);
        }
    }
}

void Canvas::release() {
    restoreAll();
    switch (type_) {
    case TYPE::WINDOW:
        // A null window is the screen, which never dies.
        check(window == nullptr || IsWindow(window), "ウィンドウが死んでる");
        check(ReleaseDC(window, handle) != 0, "デバイスコンテキスト解放失敗");
        break;
    case TYPE::MEMORY:
        // Out of the context by now; freed first so that a refusal leaves the canvas whole.
        if (ownBitmap) {
            ownBitmap->dispose();
        }
        check(DeleteDC(handle) != 0, "デバイスコンテキスト解放失敗");
        break;
    case TYPE::BORROWED:
        break;
    }
    handle = nullptr;
}

void Canvas::setPen(const Pen& object) {
    select(pen, PEN_TEXTS, object.get());
}
bool Canvas::restorePen() {
    return restore(pen, PEN_TEXTS);
}
void Canvas::setBrush(const Brush& object) {
    select(brush, BRUSH_TEXTS, object.get());
}
bool Canvas::restoreBrush() {
    return restore(brush, BRUSH_TEXTS);
}
void Canvas::setFont(const Font& object) {
    select(font, FONT_TEXTS, object.get());
}
bool Canvas::restoreFont() {
    return restore(font, FONT_TEXTS);
}
void Canvas::setBitmap(const Bitmap& object) {
    select(bitmap, BITMAP_TEXTS, object.get());
}
bool Canvas::restoreBitmap() {
    return restore(bitmap, BITMAP_TEXTS);
}

SIZE Canvas::clipSize() const {
    const RECT box = clipBox();
    return SIZE{width(box), height(box)};
}

RECT Canvas::clipBox() const {
    RECT box{};
    clipBox(box);
    return box;
}

int Canvas::clipBox(RECT& box) const {
    return GetClipBox(handle, &box);
}

COLORREF Canvas::textColor() const {
    const COLORREF color = GetTextColor(handle);
    check(color != CLR_INVALID, "文字色取得失敗");
    return color;
}
COLORREF Canvas::textColor(COLORREF color) {
    const COLORREF previous = SetTextColor(handle, color);
    check(previous != CLR_INVALID, "文字色設定失敗");
    return previous;
}

COLORREF Canvas::backColor() const {
    const COLORREF color = GetBkColor(handle);
    check(color != CLR_INVALID, "背景色取得失敗");
    return color;
}
COLORREF Canvas::backColor(COLORREF color) {
    const COLORREF previous = SetBkColor(handle, color);
    check(previous != CLR_INVALID, "背景色設定失敗");
    return previous;
}

Canvas::BACKMODE Canvas::backMode() const {
    const int mode = GetBkMode(handle);
    check(mode != 0, "背景モード取得失敗");
    return static_cast<BACKMODE>(mode);
}
Canvas::BACKMODE Canvas::backMode(BACKMODE mode) {
    const int previous = SetBkMode(handle, static_cast<int>(mode));
    check(previous != 0, "背景モード設定失敗");
    return static_cast<BACKMODE>(previous);
}

SIZE Canvas::textExtent(std::string_view text) const {
    const std::wstring wide = system::toWide(text);
    SIZE size{};
    check(GetTextExtentPoint32W(handle, wide.data(), countOf(wide.size()), &size) != 0,
          "文字列サイズ取得失敗");
    return size;
}

int Canvas::characterSpacing() const {
    const int spacing = GetTextCharacterExtra(handle);
    check(!spacingFailed(spacing), "文字間隔取得失敗");
    return spacing;
}
int Canvas::characterSpacing(int spacing) {
    const int previous = SetTextCharacterExtra(handle, spacing);
    check(!spacingFailed(previous), "前回文字間隔取得失敗");
    return previous;
}

bool Canvas::textOut(int x, int y, std::string_view text) {
    const std::wstring wide = system::toWide(text);
    return TextOutW(handle, x, y, wide.data(), countOf(wide.size())) != 0;
}

bool Canvas::drawText(std::string_view text, RECT& rectangle, FORMAT format) {
    // The system would write the shortened text back into the characters it is given, which
    // have no room for what it adds.
    const UINT flags = static_cast<UINT>(format) & ~static_cast<UINT>(FORMAT::MODIFYSTRING);
    const std::wstring wide = system::toWide(text);
    return DrawTextW(handle, wide.data(), countOf(wide.size()), &rectangle, flags) != 0;
}

POINT Canvas::position() const {
    POINT point{};
    check(GetCurrentPositionEx(handle, &point) != 0, "現在位置情報取得失敗");
    return point;
}
POINT Canvas::position(POINT to) {
    POINT previous{};
    check(MoveToEx(handle, to.x, to.y, &previous) != 0, "前回位置設定取得失敗");
    return previous;
}

POINT Canvas::brushOrigin() const {
    POINT origin{};
    check(GetBrushOrgEx(handle, &origin) != 0, "ブラシ原点取得失敗");
    return origin;
}
POINT Canvas::brushOrigin(POINT origin) {
    POINT previous{};
    check(SetBrushOrgEx(handle, origin.x, origin.y, &previous) != 0, "ブラシ原点設定失敗");
    return previous;
}

bool Canvas::lineTo(POINT point) {
    return LineTo(handle, point.x, point.y) != 0;
}

bool Canvas::line(POINT from, POINT to) {
    return MoveToEx(handle, from.x, from.y, nullptr) != 0 && lineTo(to);
}

bool Canvas::polyline(std::span<const POINT> points) {
    return Polyline(handle, points.data(), countOf(points.size())) != 0;
}

bool Canvas::rectangle(const RECT& area) {
    return rectangle(area.left, area.top, area.right, area.bottom);
}

bool Canvas::rectangle(int left, int top, int right, int bottom) {
    return Rectangle(handle, left, top, right, bottom) != 0;
}

bool Canvas::fillRect(const RECT& area, const Brush& fill) {
    return FillRect(handle, &area, fill.get()) != 0;
}

bool Canvas::fillRect(const RECT& area, std::nullptr_t) {
    return FillRect(handle, &area, static_cast<HBRUSH>(GetCurrentObject(handle, OBJ_BRUSH))) != 0;
}

bool Canvas::patBlt(const RECT& area, PAT operation) {
    return PatBlt(handle, area.left, area.top, width(area), height(area),
                  static_cast<DWORD>(operation)) != 0;
}

bool Canvas::patBlt(PAT operation) {
    return patBlt(clipBox(), operation);
}

bool Canvas::invert(const RECT& area) {
    return InvertRect(handle, &area) != 0;
}

bool Canvas::drawIcon(int x, int y, const image::Icon& icon) {
    return DrawIcon(handle, x, y, icon.get()) != 0;
}

bool Canvas::drawIconEx(POINT point, const image::Icon& icon, int size, const Brush* background) {
    return DrawIconEx(handle, point.x, point.y, icon.get(), size, size, 0,
                      background != nullptr ? background->get() : nullptr, DI_NORMAL) != 0;
}

bool Canvas::drawStateIcon(bool enabled, int size, POINT point, const image::Icon& icon) {
    const UINT flags = DST_ICON | (enabled ? 0 : DSS_DISABLED);
    return DrawStateW(handle, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.get()), 0, point.x,
                      point.y, size, size, flags) != 0;
}

bool Canvas::drawStateText(bool prefix, bool enabled, POINT point, std::string_view text) {
    // The system reads a length of 0 as "up to the terminating zero": the copy has one.
    const std::wstring terminated = system::toWide(text);
    const UINT flags = DST_TEXT + (prefix ? 1 : 0) + (enabled ? 0 : DSS_DISABLED);
    return DrawStateW(handle, nullptr, nullptr, reinterpret_cast<LPARAM>(terminated.c_str()),
                      static_cast<WPARAM>(countOf(terminated.size())), point.x, point.y, 0, 0,
                      flags) != 0;
}

bool Canvas::bitBlt(POINT target, SIZE size, const Canvas& source, POINT from, ROC operation) {
    return BitBlt(handle, target.x, target.y, size.cx, size.cy, source.get(), from.x, from.y,
                  static_cast<DWORD>(operation)) != 0;
}

} // namespace tavrin::tvgui
