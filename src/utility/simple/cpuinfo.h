#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace tavrin::utility {

// EAX, EBX, ECX and EDX as one CPUID leaf leaves them.
using CpuidRegisters = std::array<std::uint32_t, 4>;
using CpuidQuery = std::function<CpuidRegisters(std::uint32_t leaf, std::uint32_t subleaf)>;

// What the processor tells about itself. Figures it cannot tell stay zero.
struct CpuInfo {
    std::string vendor; // twelve characters, such as "GenuineIntel"
    std::string brand;  // without padding
    std::uint32_t family = 0;
    std::uint32_t model = 0;
    std::uint32_t stepping = 0;
    std::uint32_t standardFeatures = 0;         // leaf 1, EDX
    std::uint32_t extendedStandardFeatures = 0; // leaf 1, ECX
    std::uint32_t extendedFeatures = 0;         // leaf 0x80000001, EDX
    std::uint32_t threadsPerCpu = 0;
    std::uint32_t coresPerCpu = 0;

    bool isIntel() const noexcept { return vendor == "GenuineIntel"; }
    bool isAmd() const noexcept { return vendor == "AuthenticAMD"; }
};

// Asks only for leaves that the processor says it has: a leaf beyond the highest one
// answers with another leaf's data on some processors.
CpuInfo readCpuInfo(const CpuidQuery& cpuid);

// The CPUID instruction of the processor this runs on.
CpuidRegisters processorCpuid(std::uint32_t leaf, std::uint32_t subleaf);

} // namespace tavrin::utility
