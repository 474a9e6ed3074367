#include "tvgui/draw/font.h"

#include <cstdlib>
#include <cwchar>

#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "tvgui/draw/screendc.h"

namespace tavrin::tvgui {

using system::DrawException;
using system::TavrinException;

namespace {

HFONT createFont(const LOGFONTW& record) {
    HFONT font = CreateFontIndirectW(&record);
    if (font == nullptr) {
        std::wstring_view face(record.lfFaceName, wcsnlen(record.lfFaceName, LF_FACESIZE));
        throw DrawException("CreateFontIndirect:" + system::toUtf8(face));
    }
    return font;
}

// dpi: a window's, or SYSTEM_DPI for the system's own.
constexpr int SYSTEM_DPI = 0;

LOGFONTW systemFontRecord(Font::SYSTEM font, int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    const BOOL told =
        dpi == SYSTEM_DPI
            ? SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)
            : SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                         static_cast<UINT>(dpi));
    if (!told) {
        throw TavrinException("GetSystemFont:SystemParametersInfo");
    }
    switch (font) {
    case Font::SYSTEM::CAPTION:
        return metrics.lfCaptionFont;
    case Font::SYSTEM::SMALL_CAPTION:
        return metrics.lfSmCaptionFont;
    case Font::SYSTEM::MENU:
        return metrics.lfMenuFont;
    case Font::SYSTEM::STATUS:
        return metrics.lfStatusFont;
    case Font::SYSTEM::MESSAGE:
        return metrics.lfMessageFont;
    }
    std::abort();
}

int dpiOrScreen(int dpi) {
    return dpi > 0 ? dpi : screenPixelsPerInchY();
}

} // namespace

int screenPixelsPerInchY() {
    ScreenDC screen;
    const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}

Font::Font() : Font(SYSTEM::MESSAGE) {}

Font::Font(const LOGFONTW& record) : GdiObject(createFont(record), true) {}

Font::Font(STOCK stock)
    : GdiObject(static_cast<HFONT>(GetStockObject(static_cast<int>(stock))), false) {}

Font::Font(SYSTEM font) : Font(systemFontRecord(font, SYSTEM_DPI)) {}

// A DPI that is not positive would ask for the system's fonts at no resolution at all.
Font::Font(SYSTEM font, int dpi) : Font(systemFontRecord(font, dpi > 0 ? dpi : SYSTEM_DPI)) {}

Font::Font(HFONT handle, bool owned) : GdiObject(handle, owned) {}

LOGFONTW Font::record() const {
    LOGFONTW record{};
    if (handle == nullptr || GetObjectW(handle, sizeof record, &record) != sizeof record) {
        throw DrawException("情報取得失敗");
    }
    return record;
}

// The new font is made before the old one is let go, so a refused creation or release
// leaves this font exactly as it was.
template <typename Change> void Font::rebuild(Change&& change) {
    LOGFONTW changed = record();
    change(changed);
    HFONT made = createFont(changed);
    try {
        replace(made, true);
    } catch (...) {
        DeleteObject(made);
        throw;
    }
}

LONG Font::height() const {
    return record().lfHeight;
}
void Font::height(LONG height) {
    rebuild([height](LOGFONTW& record) { record.lfHeight = height; });
}

LONG Font::width() const {
    return record().lfWidth;
}
void Font::width(LONG width) {
    rebuild([width](LOGFONTW& record) { record.lfWidth = width; });
}

LONG Font::escapement() const {
    return record().lfEscapement;
}
void Font::escapement(LONG escapement) {
    rebuild([escapement](LOGFONTW& record) { record.lfEscapement = escapement; });
}

LONG Font::orientation() const {
    return record().lfOrientation;
}
void Font::orientation(LONG orientation) {
    rebuild([orientation](LOGFONTW& record) { record.lfOrientation = orientation; });
}

Font::WEIGHT Font::weight() const {
    return static_cast<WEIGHT>(record().lfWeight);
}
void Font::weight(WEIGHT weight) {
    rebuild([weight](LOGFONTW& record) { record.lfWeight = static_cast<LONG>(weight); });
}

bool Font::italic() const {
    return record().lfItalic != 0;
}
void Font::italic(bool italic) {
    rebuild([italic](LOGFONTW& record) { record.lfItalic = italic ? TRUE : FALSE; });
}

bool Font::underline() const {
    return record().lfUnderline != 0;
}
void Font::underline(bool underline) {
    rebuild([underline](LOGFONTW& record) { record.lfUnderline = underline ? TRUE : FALSE; });
}

bool Font::strikeOut() const {
    return record().lfStrikeOut != 0;
}
void Font::strikeOut(bool strikeOut) {
    rebuild([strikeOut](LOGFONTW& record) { record.lfStrikeOut = strikeOut ? TRUE : FALSE; });
}

BYTE Font::charSet() const {
    return record().lfCharSet;
}
void Font::charSet(BYTE charSet) {
    rebuild([charSet](LOGFONTW& record) { record.lfCharSet = charSet; });
}

Font::OUT Font::outPrecision() const {
    return static_cast<OUT>(record().lfOutPrecision);
}
void Font::outPrecision(OUT precision) {
    rebuild(
        [precision](LOGFONTW& record) { record.lfOutPrecision = static_cast<BYTE>(precision); });
}

Font::CLIP Font::clipPrecision() const {
    return static_cast<CLIP>(record().lfClipPrecision);
}
void Font::clipPrecision(CLIP precision) {
    rebuild(
        [precision](LOGFONTW& record) { record.lfClipPrecision = static_cast<BYTE>(precision); });
}

Font::QUALITY Font::quality() const {
    return static_cast<QUALITY>(record().lfQuality);
}
void Font::quality(QUALITY quality) {
    rebuild([quality](LOGFONTW& record) { record.lfQuality = static_cast<BYTE>(quality); });
}

Font::PITCH_FAMILY Font::pitchAndFamily() const {
    return static_cast<PITCH_FAMILY>(record().lfPitchAndFamily);
}
void Font::pitchAndFamily(PITCH_FAMILY pitchAndFamily) {
    rebuild([pitchAndFamily](LOGFONTW& record) {
        record.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    });
}

std::string Font::faceName() const {
    const LOGFONTW font = record();
    return system::toUtf8(
        std::wstring_view(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE)));
}
void Font::faceName(std::string_view name) {
    if (!faceNameFits(name)) {
        throw DrawException("SetFaceName:" + std::string(name));
    }
    const std::wstring wide = system::toWide(name);
    rebuild([&wide](LOGFONTW& record) {
        std::wmemset(record.lfFaceName, L'\0', LF_FACESIZE);
        std::wmemcpy(record.lfFaceName, wide.data(), wide.size());
    });
}

bool Font::faceNameFits(std::string_view name) {
    const std::wstring wide = system::toWide(name);
    // A zero inside would cut the name short without a word.
    return wide.size() <= FACE_NAME_LIMIT && wide.find(L'\0') == std::wstring::npos;
}

int Font::pointSizeAt(int dpi) const {
    const LONG pixels = record().lfHeight;
    return MulDiv(pixels < 0 ? -pixels : pixels, 72, dpiOrScreen(dpi));
}
void Font::pointSizeAt(int points, int dpi) {
    const int pixels = MulDiv(points, dpiOrScreen(dpi), 72);
    rebuild([pixels](LOGFONTW& record) { record.lfHeight = -pixels; });
}

int Font::pixelHeight(int dpi) const {
    const int resolution = dpiOrScreen(dpi);
    return std::abs(MulDiv(pointSizeAt(resolution), resolution, 72));
}

} // namespace tavrin::tvgui
