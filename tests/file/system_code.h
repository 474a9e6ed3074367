#pragma once

#include "file/rawfile.h"

namespace tavrin::file::fixture {

// The system code of the FileError that the operation raises; 0 when it raises none.
int systemCodeOf(auto&& operation) {
    try {
        operation();
    } catch (const FileError& error) {
        return error.systemCode();
    }
    return 0;
}

} // namespace tavrin::file::fixture
