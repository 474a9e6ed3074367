#pragma once

#include <string>

#include "system/tavrinerrors.h"

namespace tavrin::utility {

// Runs the call and returns the message of the ConvertException it raises, after checking
// that its code is NONE.
template <typename Call> std::string convertMessage(Call call) {
    try {
        call();
    } catch (const system::ConvertException& raised) {
        if (raised.Code() != system::CODE::NONE) {
            return "(code " + std::to_string(static_cast<int>(raised.Code())) + ")";
        }
        return raised.message();
    }
    return "(nothing raised)";
}

} // namespace tavrin::utility
