#pragma once
// Peak resident memory of the benchmark process, from the kernel's high-water mark.
#include <fstream>
#include <string>

// The high-water mark in megabytes; 0 where the kernel does not report it.
inline double PeakMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

// Starts a new high-water mark from the memory in use now.
inline void ResetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}
