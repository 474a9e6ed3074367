#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The virtual-key codes of the system, one member per key, in the system's order. The member
// names are what the user sees in key selections, so a few keep their historic spellings
// ("CREAR", "OME_92"): stored settings carry them. HANJA and KANJI are one key.
#define TAVRIN_KEYS(KEY_ROW)                                                                       \
    KEY_ROW(MOUSE_L, 0x01)                                                                         \
    KEY_ROW(MOUSE_R, 0x02)                                                                         \
    KEY_ROW(CANCEL, 0x03)                                                                          \
    KEY_ROW(MOUSE_M, 0x04)                                                                         \
    KEY_ROW(MOUSE_X1, 0x05)                                                                        \
    KEY_ROW(MOUSE_X2, 0x06)                                                                        \
    KEY_ROW(BACK, 0x08)                                                                            \
    KEY_ROW(TAB, 0x09)                                                                             \
    KEY_ROW(CREAR, 0x0C)                                                                           \
    KEY_ROW(ENTER, 0x0D)                                                                           \
    KEY_ROW(SHIFT, 0x10)                                                                           \
    KEY_ROW(CONTROL, 0x11)                                                                         \
    KEY_ROW(ALT, 0x12)                                                                             \
    KEY_ROW(PAUSE, 0x13)                                                                           \
    KEY_ROW(CAPS_LOCK, 0x14)                                                                       \
    KEY_ROW(KANA, 0x15)                                                                            \
    KEY_ROW(JUNJA, 0x17)                                                                           \
    KEY_ROW(FINAL, 0x18)                                                                           \
    KEY_ROW(HANJA, 0x19)                                                                           \
    KEY_ROW(KANJI, 0x19)                                                                           \
    KEY_ROW(ESC, 0x1B)                                                                             \
    KEY_ROW(CONVERT, 0x1C)                                                                         \
    KEY_ROW(NONCONVERT, 0x1D)                                                                      \
    KEY_ROW(ACCEPT, 0x1E)                                                                          \
    KEY_ROW(MODECHANGE, 0x1F)                                                                      \
    KEY_ROW(SPACE, 0x20)                                                                           \
    KEY_ROW(PGUP, 0x21)                                                                            \
    KEY_ROW(PGDN, 0x22)                                                                            \
    KEY_ROW(END, 0x23)                                                                             \
    KEY_ROW(HOME, 0x24)                                                                            \
    KEY_ROW(LEFT, 0x25)                                                                            \
    KEY_ROW(UP, 0x26)                                                                              \
    KEY_ROW(RIGHT, 0x27)                                                                           \
    KEY_ROW(DOWN, 0x28)                                                                            \
    KEY_ROW(SELECT, 0x29)                                                                          \
    KEY_ROW(PRINT, 0x2A)                                                                           \
    KEY_ROW(EXECUTE, 0x2B)                                                                         \
    KEY_ROW(PRINT_SCREEN, 0x2C)                                                                    \
    KEY_ROW(INSERT, 0x2D)                                                                          \
    KEY_ROW(DELETE, 0x2E)                                                                          \
    KEY_ROW(HELP, 0x2F)                                                                            \
    KEY_ROW(KEY_0, 0x30)                                                                           \
    KEY_ROW(KEY_1, 0x31)                                                                           \
    KEY_ROW(KEY_2, 0x32)                                                                           \
    KEY_ROW(KEY_3, 0x33)                                                                           \
    KEY_ROW(KEY_4, 0x34)                                                                           \
    KEY_ROW(KEY_5, 0x35)                                                                           \
    KEY_ROW(KEY_6, 0x36)                                                                           \
    KEY_ROW(KEY_7, 0x37)                                                                           \
    KEY_ROW(KEY_8, 0x38)                                                                           \
    KEY_ROW(KEY_9, 0x39)                                                                           \
    KEY_ROW(A, 0x41)                                                                               \
    KEY_ROW(B, 0x42)                                                                               \
    KEY_ROW(C, 0x43)                                                                               \
    KEY_ROW(D, 0x44)                                                                               \
    KEY_ROW(E, 0x45)                                                                               \
    KEY_ROW(F, 0x46)                                                                               \
    KEY_ROW(G, 0x47)                                                                               \
    KEY_ROW(H, 0x48)                                                                               \
    KEY_ROW(I, 0x49)                                                                               \
    KEY_ROW(J, 0x4A)                                                                               \
    KEY_ROW(K, 0x4B)                                                                               \
    KEY_ROW(L, 0x4C)                                                                               \
    KEY_ROW(M, 0x4D)                                                                               \
    KEY_ROW(N, 0x4E)                                                                               \
    KEY_ROW(O, 0x4F)                                                                               \
    KEY_ROW(P, 0x50)                                                                               \
    KEY_ROW(Q, 0x51)                                                                               \
    KEY_ROW(R, 0x52)                                                                               \
    KEY_ROW(S, 0x53)                                                                               \
    KEY_ROW(T, 0x54)                                                                               \
    KEY_ROW(U, 0x55)                                                                               \
    KEY_ROW(V, 0x56)                                                                               \
    KEY_ROW(W, 0x57)                                                                               \
    KEY_ROW(X, 0x58)                                                                               \
    KEY_ROW(Y, 0x59)                                                                               \
    KEY_ROW(Z, 0x5A)                                                                               \
    KEY_ROW(WINDOWS_L, 0x5B)                                                                       \
    KEY_ROW(WINDOWS_R, 0x5C)                                                                       \
    KEY_ROW(APPS, 0x5D)                                                                            \
    KEY_ROW(SLEEP, 0x5F)                                                                           \
    KEY_ROW(PAD_0, 0x60)                                                                           \
    KEY_ROW(PAD_1, 0x61)                                                                           \
    KEY_ROW(PAD_2, 0x62)                                                                           \
    KEY_ROW(PAD_3, 0x63)                                                                           \
    KEY_ROW(PAD_4, 0x64)                                                                           \
    KEY_ROW(PAD_5, 0x65)                                                                           \
    KEY_ROW(PAD_6, 0x66)                                                                           \
    KEY_ROW(PAD_7, 0x67)                                                                           \
    KEY_ROW(PAD_8, 0x68)                                                                           \
    KEY_ROW(PAD_9, 0x69)                                                                           \
    KEY_ROW(PAD_MULTIPLY, 0x6A)                                                                    \
    KEY_ROW(PAD_ADD, 0x6B)                                                                         \
    KEY_ROW(PAD_ENTER, 0x6C)                                                                       \
    KEY_ROW(PAD_SUBTRACT, 0x6D)                                                                    \
    KEY_ROW(PAD_DECIMAL, 0x6E)                                                                     \
    KEY_ROW(PAD_DIVIDE, 0x6F)                                                                      \
    KEY_ROW(F1, 0x70)                                                                              \
    KEY_ROW(F2, 0x71)                                                                              \
    KEY_ROW(F3, 0x72)                                                                              \
    KEY_ROW(F4, 0x73)                                                                              \
    KEY_ROW(F5, 0x74)                                                                              \
    KEY_ROW(F6, 0x75)                                                                              \
    KEY_ROW(F7, 0x76)                                                                              \
    KEY_ROW(F8, 0x77)                                                                              \
    KEY_ROW(F9, 0x78)                                                                              \
    KEY_ROW(F10, 0x79)                                                                             \
    KEY_ROW(F11, 0x7A)                                                                             \
    KEY_ROW(F12, 0x7B)                                                                             \
    KEY_ROW(F13, 0x7C)                                                                             \
    KEY_ROW(F14, 0x7D)                                                                             \
    KEY_ROW(F15, 0x7E)                                                                             \
    KEY_ROW(F16, 0x7F)                                                                             \
    KEY_ROW(F17, 0x80)                                                                             \
    KEY_ROW(F18, 0x81)                                                                             \
    KEY_ROW(F19, 0x82)                                                                             \
    KEY_ROW(F20, 0x83)                                                                             \
    KEY_ROW(F21, 0x84)                                                                             \
    KEY_ROW(F22, 0x85)                                                                             \
    KEY_ROW(F23, 0x86)                                                                             \
    KEY_ROW(F24, 0x87)                                                                             \
    KEY_ROW(NUMLOCK, 0x90)                                                                         \
    KEY_ROW(SCROLL_LOCK, 0x91)                                                                     \
    KEY_ROW(OME_92, 0x92)                                                                          \
    KEY_ROW(OME_93, 0x93)                                                                          \
    KEY_ROW(OME_94, 0x94)                                                                          \
    KEY_ROW(OME_95, 0x95)                                                                          \
    KEY_ROW(OME_96, 0x96)                                                                          \
    KEY_ROW(SHIFT_L, 0xA0)                                                                         \
    KEY_ROW(SHIFT_R, 0xA1)                                                                         \
    KEY_ROW(CONTROL_L, 0xA2)                                                                       \
    KEY_ROW(CONTROL_R, 0xA3)                                                                       \
    KEY_ROW(ALT_L, 0xA4)                                                                           \
    KEY_ROW(ALT_R, 0xA5)                                                                           \
    KEY_ROW(BROWSER_BACK, 0xA6)                                                                    \
    KEY_ROW(BROWSER_FORWARD, 0xA7)                                                                 \
    KEY_ROW(BROWSER_REFRESH, 0xA8)                                                                 \
    KEY_ROW(BROWSER_STOP, 0xA9)                                                                    \
    KEY_ROW(BROWSER_SEARCH, 0xAA)                                                                  \
    KEY_ROW(BROWSER_FAVORITES, 0xAB)                                                               \
    KEY_ROW(BROWSER_HOME, 0xAC)                                                                    \
    KEY_ROW(VOLUME_MUTE, 0xAD)                                                                     \
    KEY_ROW(VOLUME_DOWN, 0xAE)                                                                     \
    KEY_ROW(VOLUME_UP, 0xAF)                                                                       \
    KEY_ROW(MEDIA_NEXT_TRACK, 0xB0)                                                                \
    KEY_ROW(MEDIA_PREV_TRACK, 0xB1)                                                                \
    KEY_ROW(MEDIA_STOP, 0xB2)                                                                      \
    KEY_ROW(MEDIA_PLAY_PAUSE, 0xB3)                                                                \
    KEY_ROW(LAUNCH_MAIL, 0xB4)                                                                     \
    KEY_ROW(LAUNCH_MEDIA_SELECT, 0xB5)                                                             \
    KEY_ROW(LAUNCH_APP1, 0xB6)                                                                     \
    KEY_ROW(LAUNCH_APP2, 0xB7)                                                                     \
    KEY_ROW(OEM_1, 0xBA)                                                                           \
    KEY_ROW(OEM_PLUS, 0xBB)                                                                        \
    KEY_ROW(OEM_COMMA, 0xBC)                                                                       \
    KEY_ROW(OEM_MINUS, 0xBD)                                                                       \
    KEY_ROW(OEM_PERIOD, 0xBE)                                                                      \
    KEY_ROW(OEM_2, 0xBF)                                                                           \
    KEY_ROW(OEM_3, 0xC0)                                                                           \
    KEY_ROW(OEM_4, 0xDB)                                                                           \
    KEY_ROW(OEM_5, 0xDC)                                                                           \
    KEY_ROW(OEM_6, 0xDD)                                                                           \
    KEY_ROW(OEM_7, 0xDE)                                                                           \
    KEY_ROW(OEM_8, 0xDF)                                                                           \
    KEY_ROW(OEM_102, 0xE2)                                                                         \
    KEY_ROW(PROCESSKEY, 0xE5)                                                                      \
    KEY_ROW(PACKET, 0xE7)                                                                          \
    KEY_ROW(ATTN, 0xF6)                                                                            \
    KEY_ROW(CRSEL, 0xF7)                                                                           \
    KEY_ROW(EXSEL, 0xF8)                                                                           \
    KEY_ROW(EREOF, 0xF9)                                                                           \
    KEY_ROW(PLAY, 0xFA)                                                                            \
    KEY_ROW(ZOOM, 0xFB)                                                                            \
    KEY_ROW(NONAME, 0xFC)                                                                          \
    KEY_ROW(PA1, 0xFD)                                                                             \
    KEY_ROW(OEM_CLEAR, 0xFE)

namespace tavrin::tvgui {

enum class KEY : std::uint8_t {
#define TAVRIN_KEY_MEMBER(name, value) name = value,
    TAVRIN_KEYS(TAVRIN_KEY_MEMBER)
#undef TAVRIN_KEY_MEMBER
};

// Every member, in the order above (176, both names of 0x19 included).
std::span<const KEY> allKeys() noexcept;

// The name of a key: the first member with its value, so 0x19 is "HANJA".
std::optional<std::string_view> findKeyName(KEY key) noexcept;

// As findKeyName; a value that no member has raises ConvertException
// "There is no corresponding enum member name in KEY".
std::string_view keyName(KEY key);

// The key a member name stands for, exactly as spelled (case counts); any other text raises
// ConvertException naming the text.
KEY keyOf(std::string_view name);

} // namespace tavrin::tvgui
