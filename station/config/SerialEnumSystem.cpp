// The real system behind the COM-port enumeration.
#include "station/config/SerialEnumSystem.h"

CSerialEnumSystem& CSerialEnumSystem::Real()
{
    static CSerialEnumSystem s_real;
    return s_real;
}

BOOL CSerialEnumSystem::GetOsVersion(OSVERSIONINFOA& info)
{
    info.dwOSVersionInfoSize = sizeof(info);
    return ::GetVersionExA(&info);
}

HMODULE CSerialEnumSystem::LoadDll(LPCSTR name)
{
    return ::LoadLibraryA(name);
}

FARPROC CSerialEnumSystem::GetDllEntry(HMODULE hModule, LPCSTR name)
{
    return ::GetProcAddress(hModule, name);
}

void CSerialEnumSystem::FreeDll(HMODULE hModule)
{
    ::FreeLibrary(hModule);
}

DWORD CSerialEnumSystem::QueryDosDevices(LPSTR buffer, DWORD size)
{
    return ::QueryDosDeviceA(NULL, buffer, size);
}

LONG CSerialEnumSystem::OpenHardwareTree(HKEY* phKey)
{
    return ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Enum", 0, KEY_READ, phKey);
}

BOOL CSerialEnumSystem::IsPortFree(LPCSTR devicePath)
{
    HANDLE hPort = ::CreateFileA(devicePath, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (hPort == INVALID_HANDLE_VALUE)
        return FALSE;
    ::CloseHandle(hPort);
    return TRUE;
}
