#include "dvk/commands.h"
#include "dvk/documentfile.h"
#include "etc/drevak/convert.h"

namespace dvk {

namespace {

// The value may stand on a line that reading dropped: point there.
std::string droppedHint(const std::string& path, const DocumentFile& file) {
    if (file.dropped.empty()) {
        return {};
    }
    return " (" + std::to_string(file.dropped.size()) + " line(s) did not apply: dvk check " +
           path + ")";
}

} // namespace

int getCommand(Arguments args, std::ostream& out, std::ostream&) {
    const std::string& path = args[0];
    const std::string& address = args[1];
    if (!drevak::Convert::isAddress(address)) {
        throw ToolError("not a valid address: " + address);
    }
    const DocumentFile file = readDocumentFile(path);
    if (!file.document.HaveChild(address)) {
        throw ToolError(path + ": no node at " + address + droppedHint(path, file));
    }
    const drevak::Drevak& node = file.document.GetChild(address);
    if (!node.HaveFile()) {
        throw ToolError(path + ": the node at " + address + " holds no value" +
                        droppedHint(path, file));
    }
    out << node.toString() << '\n';
    return 0;
}

} // namespace dvk
