#include "saveversions.h"

#include <string_view>
#include <vector>

#include "file/datafile.h"
#include "itemsample.h"

namespace proof {
namespace {

SaveVersions makeVersions() {
    const std::string& text = bench::itemSample().documentText;
    SaveVersions versions;
    for (drevak::DvkDocument& document : versions.documents) {
        document.Load(true, tavrin::file::splitLines(text));
    }
    drevak::DvkDocument& changed = versions.documents[1];
    changed.Comment = "保存の途中で止められた";
    const std::vector<std::string_view> last{"Item", "zzzzz", "Address"};
    changed.CreatePath(last) = std::string("C:\\最後\\app.exe");
    for (std::size_t index = 0; index < versions.bytes.size(); ++index) {
        versions.bytes[index] = tavrin::file::documentFileBytes(versions.documents[index]);
    }
    return versions;
}

} // namespace

const SaveVersions& saveVersions() {
    static const SaveVersions versions = makeVersions();
    return versions;
}

} // namespace proof
