// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Peak resident memory of this process for the benchmarks (Linux: VmHWM, reset by clear_refs 5).
#include <QtGlobal>

#include <fstream>
#include <string>

inline qint64 PeakResident()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stoll(line.substr(6)) * 1024;
    return 0;
}

inline void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}
