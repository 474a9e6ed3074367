#pragma once

#include <string>
#include <string_view>

#include "system/win32.h"
#include "tvgui/draw/draw.h"

// An empty parameter annotation of the Windows headers, which no project code uses; the
// enumeration of output precisions bears the name.
#undef OUT

namespace tavrin::tvgui {

// A font. Every field of its LOGFONTW record reads the font back from the system and every
// write builds a new font from the changed record in place of the old one; a font built that
// way is owned even when the one it replaces was a stock or borrowed font.
class Font final : public GdiObject<HFONT> {
public:
    enum class STOCK : int {
        OEM_FIXED = 10,
        ANSI_FIXED = 11,
        ANSI_VAR = 12,
        SYSTEM = 13,
        DEVICE_DEFAULT = 14,
        SYSTEM_FIXED = 16,
        DEFAULT_GUI = 17,
    };
    enum class WEIGHT : LONG {
        DONTCARE = 0,
        THIN = 100,
        EXTRALIGHT = 200,
        LIGHT = 300,
        NORMAL = 400,
        MEDIUM = 500,
        SEMIBOLD = 600,
        BOLD = 700,
        EXTRABOLD = 800,
        HEAVY = 900,
    };
    enum class OUT : BYTE {
        DEFAULT = 0,
        STRING = 1,
        CHARACTER = 2,
        STROKE = 3,
        TT = 4,
        DEVICE = 5,
        RASTER = 6,
        TT_ONLY = 7,
        OUTLINE = 8,
        SCREEN_OUTLINE = 9,
        PS_ONLY = 10,
    };
    enum class CLIP : BYTE {
        DEFAULT = 0,
        CHARACTER = 1,
        STROKE = 2,
        MASK = 0x0F,
        LH_ANGLES = 0x10,
        TT_ALWAYS = 0x20,
        DFA_DISABLE = 0x40,
        EMBEDDED = 0x80,
    };
    enum class QUALITY : BYTE {
        DEFAULT = 0,
        DRAFT = 1,
        PROOF = 2,
        NONANTIALIASED = 3,
        ANTIALIASED = 4,
        CLEARTYPE = 5,
        CLEARTYPE_NATURAL = 6,
    };
    // A pitch in the low bits combined with a family in the high bits.
    enum class PITCH_FAMILY : BYTE {
        PITCH_DEFAULT = 0,
        PITCH_FIXED = 1,
        PITCH_VARIABLE = 2,
        PITCH_MONO = 8,
        FAMILY_DONTCARE = 0x00,
        FAMILY_ROMAN = 0x10,
        FAMILY_SWISS = 0x20,
        FAMILY_MODERN = 0x30,
        FAMILY_SCRIPT = 0x40,
        FAMILY_DECORATIVE = 0x50,
    };
    // The fonts of the window frame and its parts, as the user set them.
    enum class SYSTEM { CAPTION, SMALL_CAPTION, MENU, STATUS, MESSAGE };

    // The longest face name the record holds, in UTF-16 units.
    static constexpr std::size_t FACE_NAME_LIMIT = LF_FACESIZE - 1;

    // The toolkit's default font: an owned copy of the system message font.
    Font();
    // DrawException "CreateFontIndirect:<face>" when the system refuses.
    explicit Font(const LOGFONTW& record);
    // A stock font, not owned.
    explicit Font(STOCK stock);
    // An owned copy of a system font at the system's DPI; TavrinException
    // "GetSystemFont:SystemParametersInfo" when the system cannot tell its fonts.
    explicit Font(SYSTEM font);
    // The same, sized for a window at the DPI.
    Font(SYSTEM font, int dpi);
    // Over a handle, such as WM_GETFONT answers.
    Font(HFONT handle, bool owned);
    Font(Font&&) noexcept = default;
    Font& operator=(Font&&) = default;
    ~Font() override { releaseAtEndLogged(); }

    // The whole record; DrawException "情報取得失敗" when the system cannot read the font.
    LOGFONTW record() const;

    LONG height() const;
    void height(LONG height);
    LONG width() const;
    void width(LONG width);
    LONG escapement() const;
    void escapement(LONG escapement);
    LONG orientation() const;
    void orientation(LONG orientation);
    WEIGHT weight() const;
    void weight(WEIGHT weight);
    bool italic() const;
    void italic(bool italic);
    bool underline() const;
    void underline(bool underline);
    bool strikeOut() const;
    void strikeOut(bool strikeOut);
    BYTE charSet() const;
    void charSet(BYTE charSet);
    OUT outPrecision() const;
    void outPrecision(OUT precision);
    CLIP clipPrecision() const;
    void clipPrecision(CLIP precision);
    QUALITY quality() const;
    void quality(QUALITY quality);
    PITCH_FAMILY pitchAndFamily() const;
    void pitchAndFamily(PITCH_FAMILY pitchAndFamily);
    std::string faceName() const;
    // DrawException "SetFaceName:<name>" for a name that does not fit; the font is left as
    // it was.
    void faceName(std::string_view name);
    // Whether the record holds the name: at most FACE_NAME_LIMIT UTF-16 units and no zero.
    static bool faceNameFits(std::string_view name);

    // Point sizes convert at a DPI: a window's, or the screen's for this value.
    static constexpr int SCREEN_DPI = 0;

    // The size in points at the screen's resolution, or at the DPI; 0 for a font of the
    // mapper's default height.
    int pointSize() const { return pointSizeAt(SCREEN_DPI); }
    int pointSizeAt(int dpi) const;
    // Sets the character height of that many points at the screen's resolution, or at the
    // DPI.
    void pointSize(int points) { pointSizeAt(points, SCREEN_DPI); }
    void pointSizeAt(int points, int dpi);
    // The character height in pixels at the DPI: the point size converted with
    // MulDiv(points, dpi, 72).
    int pixelHeight(int dpi = SCREEN_DPI) const;

private:
    std::string_view kind() const noexcept override { return "フォント"; }
    template <typename Change> void rebuild(Change&& change);
};

constexpr Font::PITCH_FAMILY operator|(Font::PITCH_FAMILY left, Font::PITCH_FAMILY right) {
    return static_cast<Font::PITCH_FAMILY>(static_cast<BYTE>(left) | static_cast<BYTE>(right));
}

} // namespace tavrin::tvgui
