// What the simulated station was told to store.
#pragma once
#include "DeviceSimulator.h"
#include "station/link/CommJob.h"
#include "station/link/StationVariables.h"
#include <initializer_list>
#include <utility>
#include <sstream>
#include <string>
#include <vector>

// The values of each write request to the register the station received, oldest first.
inline std::vector<std::vector<float>> Writes(const StationSimulator& sim, unsigned reg)
{
    std::vector<std::vector<float>> writes;
    for (const std::string& frame : sim.Requests())
    {
        std::istringstream in(frame);
        std::vector<unsigned> b;
        unsigned byte;
        while (in >> std::hex >> byte)
            b.push_back(byte);
        if (b.size() < 8 || b[1] != 'O' || (b[3] | b[4] << 8) != reg)
            continue;
        std::vector<float> values;
        for (size_t at = 6; at + 4 <= b.size() - 2; at += 4)
            values.push_back(CommJobFloat(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | (DWORD)b[at + 3] << 24));
        writes.push_back(values);
    }
    return writes;
}

// Simulator options that start the station with these variables at these values.
inline std::string PresetVars(std::initializer_list<std::pair<int, const char*>> vars)
{
    std::string options;
    for (const auto& v : vars)
        options += (options.empty() ? "--var " : " --var ") + std::to_string(v.first) + "=" + v.second;
    return options;
}
