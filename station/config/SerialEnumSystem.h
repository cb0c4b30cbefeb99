// What the COM-port enumeration asks of the system: the Windows version, the setup library and
// its entry points, the DOS device list, the Windows 9x hardware tree and whether a port opens.
// The real one is used by default; tests hand the enumeration their own device lists through it.
#pragma once
#include "afx.h"

class CSerialEnumSystem
{
    // Construction
  public:
    CSerialEnumSystem() = default;
    virtual ~CSerialEnumSystem() = default;
    CSerialEnumSystem(const CSerialEnumSystem&) = delete;
    CSerialEnumSystem& operator=(const CSerialEnumSystem&) = delete;

    // The process-wide real system.
    static CSerialEnumSystem& Real();

    // Overridables
  public:
    virtual BOOL GetOsVersion(OSVERSIONINFOA& info);
    virtual HMODULE LoadDll(LPCSTR name);
    virtual FARPROC GetDllEntry(HMODULE hModule, LPCSTR name);
    virtual void FreeDll(HMODULE hModule);
    // The DOS device names as a double-zero-terminated list; the count of characters, 0 for none.
    virtual DWORD QueryDosDevices(LPSTR buffer, DWORD size);
    // Opens HKEY_LOCAL_MACHINE\Enum for reading.
    virtual LONG OpenHardwareTree(HKEY* phKey);
    // TRUE when the port opens for exclusive reading and writing (it is closed again at once).
    virtual BOOL IsPortFree(LPCSTR devicePath);
};
