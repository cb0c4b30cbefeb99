// The station simulator's port as the only one the program's user has in use.
#pragma once
#include "DeviceSimulator.h"
#include "station/config/Config.h"
#include <string>

// Every port the machine lists but the simulator's is switched off for the user.
inline void OnlySimulatorPort()
{
    HKEY hKey = NULL;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &hKey) !=
        ERROR_SUCCESS)
        return;
    char name[256], port[64];
    for (DWORD i = 0;; i++)
    {
        DWORD cchName = sizeof(name), cbPort = sizeof(port), type = 0;
        if (::RegEnumValueA(hKey, i, name, &cchName, NULL, &type, (BYTE*)port, &cbPort) != ERROR_SUCCESS)
            break;
        if (type != REG_SZ || std::string(port) == "COM" + std::to_string(StationSimulator::kPort))
            continue;
        CConfig user(HELVON_REGISTRY_KEY, HKEY_CURRENT_USER, 0);
        user.SetInt(CConfig::MakeSection("Interface", port), "UseInterface", 0);
    }
    ::RegCloseKey(hKey);
}
