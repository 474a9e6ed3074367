#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "system/raii.h"
#include "system/win32.h"

// The flag names below are the system's own, which it defines as macros; the enumeration
// takes their place wherever this header is seen.
#undef FVIRTKEY
#undef FNOINVERT
#undef FSHIFT
#undef FCONTROL
#undef FALT

namespace tavrin::tvgui {

// One accelerator entry, laid out as the system's ACCEL record.
struct ACCELERATOR {
    // Flags: FVIRTKEY makes key a virtual key, else it is a character code.
    enum class TYPE : std::uint8_t {
        NONE = 0,
        FVIRTKEY = 0x01,
        FNOINVERT = 0x02,
        FSHIFT = 0x04,
        FCONTROL = 0x08,
        FALT = 0x10,
    };

    constexpr ACCELERATOR() = default;
    constexpr ACCELERATOR(TYPE type, std::uint16_t key, std::uint16_t command)
        : type(type), key(key), command(command) {}

    TYPE type = TYPE::NONE;
    std::uint8_t pad = 0;
    std::uint16_t key = 0;
    // Delivered as WM_COMMAND with 1 in the high word of wParam.
    std::uint16_t command = 0;

    // "[ACCELERATOR]  type = FVIRTKEY|FCONTROL ,key = 65 ,command = 100"
    std::string toString() const;

    bool operator==(const ACCELERATOR&) const = default;
};

constexpr ACCELERATOR::TYPE operator|(ACCELERATOR::TYPE left, ACCELERATOR::TYPE right) {
    return static_cast<ACCELERATOR::TYPE>(static_cast<std::uint8_t>(left) |
                                          static_cast<std::uint8_t>(right));
}

static_assert(sizeof(ACCELERATOR) == sizeof(ACCEL));
static_assert(offsetof(ACCELERATOR, key) == offsetof(ACCEL, key));
static_assert(offsetof(ACCELERATOR, command) == offsetof(ACCEL, cmd));

// An accelerator table. Tables are immutable: add builds a new one and leaves this one as it
// is. A holder made from no entries holds no table (the system refuses empty ones); it
// lists no entries and translates nothing.
class Accelerator : public system::HandleRaii<HACCEL> {
public:
    Accelerator() = default;
    // KeyBoardException with the system's reason and the entries when the system refuses the
    // table, as it does one of more than 32767 entries.
    explicit Accelerator(std::span<const ACCELERATOR> entries);
    Accelerator(Accelerator&&) noexcept = default;
    Accelerator& operator=(Accelerator&&) = default;
    // A table that cannot be destroyed is logged, never thrown from here.
    ~Accelerator() override;

    // KeyBoardException with the system's text when the table cannot be read.
    std::vector<ACCELERATOR> entries() const;

    // New tables: this one's entries followed by the others.
    Accelerator add(const ACCELERATOR& entry) const;
    Accelerator add(const Accelerator& other) const;
    Accelerator add(std::span<const ACCELERATOR> more) const;

protected:
    void release() override;
};

// The commands of every dialog's own table: Enter presses the default button, Escape closes.
inline constexpr std::uint16_t DIALOG_ENTER_COMMAND = 0xFFFF;
inline constexpr std::uint16_t DIALOG_ESCAPE_COMMAND = 0xFFFE;

// The table every dialog installs at creation: Enter and Escape as the commands above.
Accelerator defaultDialogAccelerator();

} // namespace tavrin::tvgui
