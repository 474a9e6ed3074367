#include "dvk/commands.h"
#include "dvk/documentfile.h"
#include "file/datafile.h"

namespace dvk {

// Writes exactly what saving the loaded document would write. Lines the reader drops
// are named on the error stream, so that redirecting the output loses nothing unseen.
int fmtCommand(Arguments args, std::ostream& out, std::ostream& err) {
    const std::string& path = args[0];
    const DocumentFile file = readDocumentFile(path);
    for (const DroppedLine& dropped : file.dropped) {
        err << "dvk: dropped ";
        printDropped(err, path, dropped);
    }
    const std::string bytes = tavrin::file::documentFileBytes(file.document);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return 0;
}

} // namespace dvk
