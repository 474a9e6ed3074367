#include "system/staticdata.h"

#include <utility>

namespace tavrin::system {

StaticData::Values StaticData::values_;

void StaticData::initialize(Values values) {
    values_ = std::move(values);
}

std::string StaticData::dataFilePath(std::string_view fileName) {
    std::string path = values_.DataFolder;
    if (!path.ends_with('\\')) {
        path += '\\';
    }
    return path.append(fileName);
}

} // namespace tavrin::system
