#pragma once

#include <string>
#include <vector>

#include "scratch_folder.h"
#include "system/log.h"
#include "system/staticdata.h"

namespace tavrin::file::fixture {

// A log written into a scratch folder while it lives.
class ScratchLog {
public:
    ScratchLog() {
        system::StaticData::Values values;
        values.LogFolder = folder_.path("log") + "\\";
        system::StaticData::initialize(values);
        system::SetLogging(true);
    }
    ~ScratchLog() { system::SetLogging(false); }
    ScratchLog(const ScratchLog&) = delete;
    ScratchLog& operator=(const ScratchLog&) = delete;

    // Ends the log; the text of its one file.
    std::string end() {
        system::SetLogging(false);
        const std::vector<std::string> names = folder_.names("log");
        return names.size() == 1 ? bytesOf(folder_.root() / "log" / fromUtf8(names[0]))
                                 : "(" + std::to_string(names.size()) + " log files)";
    }

private:
    ScratchFolder folder_;
};

} // namespace tavrin::file::fixture
