#pragma once

#include <cstdint>

// The Windows headers define ABSOLUTE as a macro for a drawing mode the project never uses;
// the rule type bears the name wherever this header is seen after them.
#undef ABSOLUTE

namespace tavrin::tvgui {

// The size rule of a cell along its panel's direction: a pixel count, or a percentage of
// the room the panel has. The absolute value -1 asks to fill the rest where a panel kind
// honours it.
class SIZEINFO {
public:
    enum class TYPE : std::int32_t { ABSOLUTE = 0, PERCENT = 1 };

    static constexpr std::int32_t FILL = -1;

    // ABSOLUTE 0.
    SIZEINFO() = default;
    static SIZEINFO ofAbsolute(std::int32_t pixels);
    static SIZEINFO ofPercent(long double percentage);

    TYPE type() const { return type_; }
    // Each read raises TavrinLayoutError ("type != ABSOLUTE" / "type != PERCENT") when the
    // rule is of the other type.
    std::int32_t absolute() const;
    long double percent() const;
    // Each write sets the type as well.
    void setAbsolute(std::int32_t pixels);
    void setPercent(long double percentage);

    bool fills() const { return type_ == TYPE::ABSOLUTE && absolute_ == FILL; }

private:
    TYPE type_ = TYPE::ABSOLUTE;
    std::int32_t absolute_ = 0;
    long double percent_ = 0;
};

} // namespace tavrin::tvgui
