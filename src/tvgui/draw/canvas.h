#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "image/icon.h"
#include "system/win32.h"
#include "tvgui/draw/bitmap.h"
#include "tvgui/draw/brush.h"
#include "tvgui/draw/draw.h"
#include "tvgui/draw/font.h"
#include "tvgui/draw/pen.h"

namespace tavrin::tvgui {

// A device context and the pen, brush, font and bitmap selected into it through the canvas.
// Each kind has one slot: selecting another object of a kind first puts back the object the
// earlier selection replaced, so one restore always returns the context to what it had
// before the canvas selected anything of that kind. Releasing puts every slot back, then
// gives the context back as its type says.
//
// The canvas remembers the handles it selected, not the objects: an object must outlive its
// selection, as GDI forbids deleting a selected object.
class Canvas final : public Draw<HDC> {
public:
    enum class TYPE { WINDOW = 0, MEMORY = 1, BORROWED = 2 };
    enum class BACKMODE : int { TRANSPARENT_MODE = 1, OPAQUE_MODE = 2 };
    // DrawTextW formats, combined with |.
    enum class FORMAT : UINT {
        TOP = 0x0,
        LEFT = 0x0,
        CENTER = 0x1,
        RIGHT = 0x2,
        VCENTER = 0x4,
        BOTTOM = 0x8,
        WORDBREAK = 0x10,
        SINGLELINE = 0x20,
        EXPANDTABS = 0x40,
        TABSTOP = 0x80,
        NOCLIP = 0x100,
        EXTERNALLEADING = 0x200,
        CALCRECT = 0x400,
        NOPREFIX = 0x800,
        INTERNAL = 0x1000,
        EDITCONTROL = 0x2000,
        PATH_ELLIPSIS = 0x4000,
        END_ELLIPSIS = 0x8000,
        MODIFYSTRING = 0x10000,
        RTLREADING = 0x20000,
        WORD_ELLIPSIS = 0x40000,
        NOFULLWIDTHCHARBREAK = 0x80000,
        HIDEPREFIX = 0x100000,
        PREFIXONLY = 0x200000,
    };
    // The raster operations of patBlt.
    enum class PAT : DWORD {
        PAT_COPY = 0x00F00021,
        PAT_INVERT = 0x005A0049,
        DST_INVERT = 0x00550009,
        BLACK = 0x00000042,
        WHITE = 0x00FF0062,
    };
    // The raster operations of bitBlt.
    enum class ROC : DWORD {
        SRC_COPY = 0x00CC0020,
        SRC_PAINT = 0x00EE0086,
        SRC_AND = 0x008800C6,
        SRC_INVERT = 0x00660046,
        SRC_ERASE = 0x00440328,
        NOT_SRC_COPY = 0x00330008,
        NOT_SRC_ERASE = 0x001100A6,
        MERGE_COPY = 0x00C000CA,
        MERGE_PAINT = 0x00BB0226,
        PAT_COPY = 0x00F00021,
        PAT_PAINT = 0x00FB0A09,
        PAT_INVERT = 0x005A0049,
        DST_INVERT = 0x00550009,
        BLACK = 0x00000042,
        WHITE = 0x00FF0062,
        CAPTURE_BLT = 0x40000000,
    };

    // Over a device context that someone else gives back (BeginPaint, WM_ERASEBKGND,
    // WM_PRINTCLIENT); the canvas only puts back what it selected.
    // TavrinException "デバイスコンテキストが未設定" for a null context.
    explicit Canvas(HDC dc);
    // The window's device context, given back with ReleaseDC on that window.
    // TavrinException "デバイスコンテキスト取得失敗" when the system gives none.
    explicit Canvas(HWND window);
    // A memory context compatible with the screen, with a compatible bitmap of that size
    // selected; deleted with DeleteDC. TavrinException "デバイスコンテキスト作成失敗" when
    // the system gives no context, "ビットマップしっぱーい" when it gives no bitmap.
    explicit Canvas(SIZE size);
    Canvas(Canvas&& other) noexcept;
    Canvas& operator=(Canvas&& other);
    ~Canvas() override { releaseAtEndLogged(); }

    // A borrowed context is never the canvas's to give back.
    bool owns() const noexcept override { return isAlive() && type_ != TYPE::BORROWED; }
    TYPE type() const noexcept { return type_; }

    // Each set puts back an earlier selection of its kind first (TavrinException
    // "ペン解放に失敗" and the like when that fails), then selects the object; a selection
    // that the system refuses raises "ペン設定失敗" and the like. Each restore puts back the
    // object that the selection replaced and tells whether what came out was the selected
    // object; TavrinException "ペンを設定していない" and the like when nothing is selected.
    void setPen(const Pen& pen);
    bool restorePen();
    void setBrush(const Brush& brush);
    bool restoreBrush();
    void setFont(const Font& font);
    bool restoreFont();
    void setBitmap(const Bitmap& bitmap);
    bool restoreBitmap();

    SIZE clipSize() const;
    RECT clipBox() const;
    // The clip box into box; the region kind GetClipBox answers (ERROR 0 on failure).
    int clipBox(RECT& box) const;

    // Reads and writes raise TavrinException with their own texts when the system refuses;
    // each write gives the value it replaced.
    COLORREF textColor() const;
    COLORREF textColor(COLORREF color);
    COLORREF backColor() const;
    COLORREF backColor(COLORREF color);
    BACKMODE backMode() const;
    BACKMODE backMode(BACKMODE mode);
    // TavrinException "文字列サイズ取得失敗" when the text cannot be measured.
    SIZE textExtent(std::string_view text) const;
    int characterSpacing() const;
    int characterSpacing(int spacing);

    // Drawing gives whether the system drew.
    bool textOut(int x, int y, std::string_view text);
    // With FORMAT::CALCRECT the rectangle is changed to the size the text needs.
    bool drawText(std::string_view text, RECT& rectangle, FORMAT format);

    POINT position() const;
    POINT position(POINT to);
    POINT brushOrigin() const;
    POINT brushOrigin(POINT origin);

    bool lineTo(POINT point);
    bool line(POINT from, POINT to);
    bool polyline(std::span<const POINT> points);
    bool rectangle(const RECT& rectangle);
    bool rectangle(int left, int top, int right, int bottom);
    bool fillRect(const RECT& rectangle, const Brush& brush);
    // With the brush selected into the context.
    bool fillRect(const RECT& rectangle, std::nullptr_t);
    bool patBlt(const RECT& rectangle, PAT operation);
    // Over the whole clip box.
    bool patBlt(PAT operation);
    bool invert(const RECT& rectangle);
    bool drawIcon(int x, int y, const image::Icon& icon);
    // At size x size, over the background brush when one is given.
    bool drawIconEx(POINT point, const image::Icon& icon, int size, const Brush* background);
    // The embossed disabled look when not enabled.
    bool drawStateIcon(bool enabled, int size, POINT point, const image::Icon& icon);
    // With prefix, "&" underlines the next character.
    bool drawStateText(bool prefix, bool enabled, POINT point, std::string_view text);
    bool bitBlt(POINT target, SIZE size, const Canvas& source, POINT from, ROC operation);

protected:
    void release() override;

private:
    // What one selection of one kind changed: the handle selected and the one it replaced.
    struct Slot {
        HGDIOBJ selected = nullptr;
        HGDIOBJ replaced = nullptr;
    };
    // The texts of one kind's failures.
    struct SlotTexts {
        const char* putBackFailed;
        const char* selectFailed;
        const char* notSelected;
    };
    static const SlotTexts PEN_TEXTS;
    static const SlotTexts BRUSH_TEXTS;
    static const SlotTexts FONT_TEXTS;
    static const SlotTexts BITMAP_TEXTS;

    void select(Slot& slot, const SlotTexts& texts, HGDIOBJ object);
    bool restore(Slot& slot, const SlotTexts& texts);
    void restoreAll();

    HWND window = nullptr;
    TYPE type_ = TYPE::BORROWED;
    Slot pen;
    Slot brush;
    Slot font;
    Slot bitmap;
    // A memory canvas's own bitmap, kept while the context lives.
    std::optional<Bitmap> ownBitmap;
};

constexpr Canvas::FORMAT operator|(Canvas::FORMAT left, Canvas::FORMAT right) {
    return static_cast<Canvas::FORMAT>(static_cast<UINT>(left) | static_cast<UINT>(right));
}

} // namespace tavrin::tvgui
