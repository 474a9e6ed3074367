#pragma once

#include <string>

#include "system/raii.h"
#include "system/win32.h"
#include "utility/simple/cpuinfo.h"

namespace tavrin::utility {

// The machine as the operating system and the processor describe it, sampled when the
// object is made (and again by initialize); its text is the system part of the report.
class SystemInfo final : public system::IInitialize {
public:
    struct Sample {
        SYSTEM_INFO layout{};
        MEMORYSTATUSEX memory{};
        OSVERSIONINFOEXW version{};
        bool serverR2 = false;    // SM_SERVERR2
        bool slowMachine = false; // SM_SLOWMACHINE
        CpuInfo cpu;
    };

    SystemInfo();
    // For figures that did not come from this machine.
    explicit SystemInfo(const Sample& sample);

    void initialize() override;

    const Sample& sample() const noexcept { return sample_; }

    // The sections "[OS]", "[MEMORY]" and "[CPU]", lines joined by CR LF, no line end
    // after the last.
    std::string toString() const;

private:
    Sample sample_;
};

// The edition name for a version record ("7", "Server 2008 R2", "11"), or "?-n" for a
// version this program does not know.
std::string windowsName(const OSVERSIONINFOEXW& version, bool serverR2);

// The system part followed by the sections "[COMPILER]" and "[COMPILE]" about this build.
std::string SystemReport();

} // namespace tavrin::utility
