#include "file/rawfile.h"

#include <utility>

namespace tavrin::file {

FileError::FileError(const std::string& message, std::string path, int systemCode)
    : std::runtime_error(message), path_(std::move(path)), systemCode_(systemCode) {}

} // namespace tavrin::file
