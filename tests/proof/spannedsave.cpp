#include "spannedsave.h"

#include "file/datafile.h"
#include "file/rawfile.h"

namespace proof {

const char* spanName(KillSpan span) {
    return span == KillSpan::wholeSave ? "kills over the whole save"
                                       : "kills over the file's replacement";
}

void spannedSave(KillSpan span, const drevak::DvkDocument& document, const std::string& target,
                 const std::function<void()>& started) {
    if (span == KillSpan::wholeSave) {
        started();
        tavrin::file::SaveDocument(document, target);
        return;
    }
    const std::string bytes = tavrin::file::documentFileBytes(document);
    started();
    tavrin::file::replaceFile(target, bytes);
}

} // namespace proof
