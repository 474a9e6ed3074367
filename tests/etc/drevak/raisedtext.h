#pragma once

#include <string>

#include "etc/drevak/drevakexception.h"

namespace drevak {

// Runs the call and returns the bare text of the DrevakException it raises.
template <typename Call> std::string raisedText(Call call) {
    try {
        call();
    } catch (const DrevakException& error) {
        return error.text();
    }
    return "(nothing raised)";
}

} // namespace drevak
