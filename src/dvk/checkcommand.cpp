#include "dvk/commands.h"
#include "dvk/documentfile.h"
#include "file/rawfile.h"

namespace dvk {

// Goes through every file even after a failure, so one run lists everything to mend.
int checkCommand(Arguments args, std::ostream& out, std::ostream& err) {
    int exitCode = 0;
    for (const std::string& path : args) {
        try {
            const DocumentFile file = readDocumentFile(path);
            for (const DroppedLine& dropped : file.dropped) {
                printDropped(out, path, dropped);
            }
            if (file.dropped.empty()) {
                out << path << ": ok\n";
            } else {
                exitCode = 1;
            }
        } catch (const tavrin::file::FileError& e) {
            err << "dvk: " << e.what() << '\n';
            exitCode = 1;
        }
    }
    return exitCode;
}

} // namespace dvk
