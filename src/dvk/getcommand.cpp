#include "dvk/commands.h"
#include "dvk/documentfile.h"
#include "etc/drevak/convert.h"

namespace dvk {

int getCommand(Arguments args, std::ostream& out, std::ostream&) {
    const std::string& path = args[0];
    const std::string& address = args[1];
    if (!drevak::Convert::isAddress(address)) {
        throw ToolError("not a valid address: " + address);
    }
    const DocumentFile file = readDocumentFile(path);
    if (!file.document.HaveChild(address)) {
        throw ToolError(path + ": no node at " + address);
    }
    const drevak::Drevak& node = file.document.GetChild(address);
    if (!node.HaveFile()) {
        throw ToolError(path + ": the node at " + address + " holds no value");
    }
    out << node.toString() << '\n';
    return 0;
}

} // namespace dvk
