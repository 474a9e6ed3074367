#include "tvgui/layout/sizeinfo.h"

#include "system/tavrinerrors.h"

namespace tavrin::tvgui {

SIZEINFO SIZEINFO::ofAbsolute(std::int32_t pixels) {
    SIZEINFO rule;
    rule.setAbsolute(pixels);
    return rule;
}

SIZEINFO SIZEINFO::ofPercent(long double percentage) {
    SIZEINFO rule;
    rule.setPercent(percentage);
    return rule;
}

std::int32_t SIZEINFO::absolute() const {
    if (type_ != TYPE::ABSOLUTE) {
        throw system::TavrinLayoutError("type != ABSOLUTE");
    }
    return absolute_;
}

long double SIZEINFO::percent() const {
    if (type_ != TYPE::PERCENT) {
        throw system::TavrinLayoutError("type != PERCENT");
    }
    return percent_;
}

void SIZEINFO::setAbsolute(std::int32_t pixels) {
    type_ = TYPE::ABSOLUTE;
    absolute_ = pixels;
}

void SIZEINFO::setPercent(long double percentage) {
    type_ = TYPE::PERCENT;
    percent_ = percentage;
}

} // namespace tavrin::tvgui
