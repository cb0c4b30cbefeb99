// COM-port enumeration: three methods by Windows version, then one clean-up of every entry.
#include "station/config/EnumSerialPorts.h"
#include "StationIds.h"
#include <setupapi.h>
#include <string.h>
#include <stdlib.h>

namespace
{
// Device interface class of COM ports.
const GUID kComPortInterface = {0x86e0d1e0, 0x8089, 0x11d0, {0x9c, 0xe4, 0x08, 0x00, 0x3e, 0x30, 0x1f, 0x73}};

typedef BOOL(WINAPI* PFN_DESTROY)(HDEVINFO);
typedef HDEVINFO(WINAPI* PFN_GETCLASSDEVS)(const GUID*, PCSTR, HWND, DWORD);
typedef BOOL(WINAPI* PFN_ENUMINTERFACES)(HDEVINFO, PSP_DEVINFO_DATA, const GUID*, DWORD,
                                         PSP_DEVICE_INTERFACE_DATA);
typedef BOOL(WINAPI* PFN_GETDETAIL)(HDEVINFO, PSP_DEVICE_INTERFACE_DATA, PSP_DEVICE_INTERFACE_DETAIL_DATA_A,
                                    DWORD, PDWORD, PSP_DEVINFO_DATA);
typedef BOOL(WINAPI* PFN_GETPROPERTY)(HDEVINFO, PSP_DEVINFO_DATA, DWORD, PDWORD, PBYTE, DWORD, PDWORD);

const char kSetupLibrary[] = "SetupApi.dll";

void ShowLibraryMessage(UINT nIDText)
{
    CString format, text;
    format.LoadString(nIDText);
    text.Format((LPCSTR)format, kSetupLibrary);
    AfxMessageBox(text, MB_ICONERROR);
}

template <class PFN> BOOL LookUp(CSerialEnumSystem& system, HMODULE hLib, LPCSTR name, PFN& pfn)
{
    FARPROC proc = system.GetDllEntry(hLib, name);
    // Through void (*)(void), the type that stands for any function.
    pfn = reinterpret_cast<PFN>(reinterpret_cast<void (*)(void)>(proc));
    return pfn != NULL;
}

// A device registry property as text; FALSE when the device has none.
BOOL GetDeviceText(PFN_GETPROPERTY pfnGetProperty, HDEVINFO hDevInfo, SP_DEVINFO_DATA& devData,
                   DWORD property, CString& text)
{
    BYTE buffer[256 + 1];
    DWORD type = 0;
    if (!pfnGetProperty(hDevInfo, &devData, property, &type, buffer, 256, NULL))
        return FALSE;
    buffer[256] = '\0';
    text = reinterpret_cast<LPCSTR>(buffer);
    return TRUE;
}

// "Communications Port (COM1)" describes itself as "Communications Port"; a name without a closing
// bracket at its end stays whole.
CString DescriptionFromFriendlyName(const CString& friendlyName)
{
    int open = friendlyName.Find(" (");
    int close = friendlyName.Find(')');
    if (open > 0 && close == friendlyName.GetLength() - 1)
        return friendlyName.Left(open);
    return friendlyName;
}

// Setup API method. Returns FALSE (after its message) when the library is unusable.
BOOL EnumBySetupApi(CSerInfoArray& ports, CString& error, CSerialEnumSystem& system)
{
    HMODULE hLib = system.LoadDll(kSetupLibrary);
    if (hLib == NULL)
    {
        ShowLibraryMessage(IDS_DLL_NOT_LOADED);
        return FALSE;
    }
    PFN_DESTROY pfnDestroy;
    PFN_GETCLASSDEVS pfnGetClassDevs;
    PFN_ENUMINTERFACES pfnEnumInterfaces;
    PFN_GETDETAIL pfnGetDetail;
    PFN_GETPROPERTY pfnGetProperty;
    BOOL found = LookUp(system, hLib, "SetupDiDestroyDeviceInfoList", pfnDestroy);
    found = LookUp(system, hLib, "SetupDiGetClassDevsA", pfnGetClassDevs) && found;
    found = LookUp(system, hLib, "SetupDiEnumDeviceInterfaces", pfnEnumInterfaces) && found;
    found = LookUp(system, hLib, "SetupDiGetDeviceInterfaceDetailA", pfnGetDetail) && found;
    found = LookUp(system, hLib, "SetupDiGetDeviceRegistryPropertyA", pfnGetProperty) && found;
    if (!found)
    {
        system.FreeDll(hLib);
        ShowLibraryMessage(IDS_DLL_ENTRY_MISSING);
        return FALSE;
    }

    HDEVINFO hDevInfo =
        pfnGetClassDevs(&kComPortInterface, NULL, NULL, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (hDevInfo == INVALID_HANDLE_VALUE)
        error.Format("SetupDiGetClassDevs failed. (err=%lx)", ::GetLastError());
    else
    {
        // The detail record is a size word and the path; the size word counts the structure as this
        // build lays it out (5 bytes on 32-bit, 8 on 64-bit).
        const DWORD kDetailSize = 261;
        union {
            SP_DEVICE_INTERFACE_DETAIL_DATA_A detail;
            BYTE bytes[kDetailSize + 1];
        } detailBuffer;
        for (DWORD index = 0;; ++index)
        {
            SP_DEVICE_INTERFACE_DATA interfaceData;
            memset(&interfaceData, 0, sizeof(interfaceData));
            interfaceData.cbSize = sizeof(interfaceData);
            if (!pfnEnumInterfaces(hDevInfo, NULL, &kComPortInterface, index, &interfaceData))
            {
                DWORD dwError = ::GetLastError();
                if (dwError != ERROR_NO_MORE_ITEMS)
                    error.Format("SetupDiEnumDeviceInterfaces failed. (err=%lx)", dwError);
                break;
            }
            memset(&detailBuffer, 0, sizeof(detailBuffer));
            detailBuffer.detail.cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
            SP_DEVINFO_DATA devData;
            memset(&devData, 0, sizeof(devData));
            devData.cbSize = sizeof(devData);
            if (!pfnGetDetail(hDevInfo, &interfaceData, &detailBuffer.detail, kDetailSize, NULL, &devData))
            {
                error.Format("SetupDiGetDeviceInterfaceDetail failed. (err=%lx)", ::GetLastError());
                break;
            }
            detailBuffer.bytes[kDetailSize] = '\0';

            SSerInfo info;
            if (!GetDeviceText(pfnGetProperty, hDevInfo, devData, SPDRP_FRIENDLYNAME, info.strFriendlyName) ||
                !GetDeviceText(pfnGetProperty, hDevInfo, devData, SPDRP_DEVICEDESC, info.strPortDesc))
                continue;
            CString location;
            info.bUsbDevice =
                GetDeviceText(pfnGetProperty, hDevInfo, devData, SPDRP_LOCATION_INFORMATION, location) &&
                strncmp(location, "USB", 3) == 0;
            info.strDevPath = detailBuffer.detail.DevicePath;
            // "Communications Port (COM3)" less "Communications Port", brackets and blanks: "COM3".
            // An empty description is the one the clean-up will give, so the name is still "COM3";
            // a friendly name the clean-up leaves whole only loses its brackets and blanks.
            CString description = info.strPortDesc;
            if (description.IsEmpty())
            {
                description = DescriptionFromFriendlyName(info.strFriendlyName);
                if (description == info.strFriendlyName)
                    description.Empty();
            }
            info.strPortName = info.strFriendlyName;
            if (!description.IsEmpty())
                info.strPortName.Replace(description, "");
            info.strPortName.Remove('(');
            info.strPortName.Remove(')');
            info.strPortName.Remove(' ');
            ports.Add(info);
        }
        pfnDestroy(hDevInfo);
    }
    system.FreeDll(hLib);
    return TRUE;
}

// DOS device method: every "COMn" device name.
void EnumByDosDevices(CSerInfoArray& ports, CSerialEnumSystem& system)
{
    const DWORD kChars = 65535;
    CString names;
    LPSTR buffer = names.GetBuffer(int(kChars) + 2);
    DWORD count = system.QueryDosDevices(buffer, kChars);
    if (count > kChars)
        count = kChars;
    buffer[count] = '\0';
    buffer[count + 1] = '\0';
    for (LPCSTR name = buffer; *name != '\0'; name += strlen(name) + 1)
    {
        // Only names that go on with a number: "COM1", not "COMx".
        if (strlen(name) > 3 && _strnicmp(name, "COM", 3) == 0 && name[3] >= '0' && name[3] <= '9')
        {
            SSerInfo info;
            info.strPortName.Format("COM%d", atoi(name + 3));
            info.strDevPath = CString("\\\\.\\") + info.strPortName;
            ports.Add(info);
        }
    }
    names.ReleaseBuffer(0);
}

BOOL ReadKeyText(HKEY hKey, LPCSTR name, CString& text)
{
    char buffer[MAX_PATH + 1];
    DWORD type = 0, size = MAX_PATH;
    if (::RegQueryValueExA(hKey, name, NULL, &type, reinterpret_cast<LPBYTE>(buffer), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return FALSE;
    buffer[size < MAX_PATH ? size : MAX_PATH] = '\0';
    text = buffer;
    return TRUE;
}

BOOL EnumSubKey(HKEY hKey, DWORD index, CString& name)
{
    char buffer[MAX_PATH + 1];
    DWORD length = MAX_PATH;
    if (::RegEnumKeyExA(hKey, index, buffer, &length, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
        return FALSE;
    buffer[length] = '\0';
    name = buffer;
    return TRUE;
}

// One instance of a port device: replaces the entry of the same port name or is appended.
void AddHardwareTreePort(CSerInfoArray& ports, HKEY hInstance, BOOL bUsb)
{
    SSerInfo info;
    if (!ReadKeyText(hInstance, "PORTNAME", info.strPortName))
        return;
    ReadKeyText(hInstance, "FRIENDLYNAME", info.strFriendlyName);
    info.strDevPath = CString("\\\\.\\") + info.strPortName;
    info.bUsbDevice = bUsb;
    for (int i = 0; i < ports.GetSize(); i++)
    {
        if (ports[i].strPortName == info.strPortName)
        {
            ports[i] = info;
            return;
        }
    }
    ports.Add(info);
}

// Registry method: the Windows 9x hardware tree below HKEY_LOCAL_MACHINE\Enum.
void EnumByHardwareTree(CSerInfoArray& ports, CString& error, CSerialEnumSystem& system)
{
    HKEY hEnum = NULL;
    if (system.OpenHardwareTree(&hEnum) != ERROR_SUCCESS)
    {
        error = "Could not read from HKLM\\Enum";
        return;
    }
    CString bus;
    for (DWORD busIndex = 0; error.IsEmpty() && EnumSubKey(hEnum, busIndex, bus); ++busIndex)
    {
        HKEY hBus = NULL;
        if (::RegOpenKeyExA(hEnum, bus, 0, KEY_READ, &hBus) != ERROR_SUCCESS)
        {
            error = "Could not read from HKLM\\Enum\\" + bus;
            break;
        }
        BOOL bUsb = bus.CompareNoCase("USBPORTS") == 0;
        CString device;
        for (DWORD devIndex = 0; error.IsEmpty() && EnumSubKey(hBus, devIndex, device); ++devIndex)
        {
            if (!bUsb && device.CompareNoCase("*PNP0500") != 0 && device.CompareNoCase("*PNP0501") != 0)
                continue;
            HKEY hDevice = NULL;
            if (::RegOpenKeyExA(hBus, device, 0, KEY_READ, &hDevice) != ERROR_SUCCESS)
            {
                error = "Could not read from HKLM\\Enum\\" + bus + "\\" + device;
                break;
            }
            CString instance;
            for (DWORD instIndex = 0; EnumSubKey(hDevice, instIndex, instance); ++instIndex)
            {
                HKEY hInstance = NULL;
                if (::RegOpenKeyExA(hDevice, instance, 0, KEY_READ, &hInstance) != ERROR_SUCCESS)
                {
                    error = "Could not read from HKLM\\Enum\\...\\" + instance;
                    break;
                }
                AddHardwareTreePort(ports, hInstance, bUsb);
                ::RegCloseKey(hInstance);
            }
            ::RegCloseKey(hDevice);
        }
        ::RegCloseKey(hBus);
    }
    ::RegCloseKey(hEnum);
}

// What every method leaves to the end: busy ports out, names and descriptions filled in.
void FinishEntries(CSerInfoArray& ports, BOOL ignoreBusyPorts, CSerialEnumSystem& system)
{
    for (int i = 0; i < ports.GetSize();)
    {
        SSerInfo& info = ports[i];
        if (ignoreBusyPorts && !system.IsPortFree(info.strDevPath))
        {
            ports.RemoveAt(i);
            continue;
        }
        if (info.strFriendlyName.IsEmpty())
            info.strFriendlyName = info.strPortName;
        if (info.strPortDesc.IsEmpty())
            info.strPortDesc = DescriptionFromFriendlyName(info.strFriendlyName);
        i++;
    }
}
} // namespace

BOOL EnumSerialPorts(CSerInfoArray& ports, BOOL ignoreBusyPorts, CString& error, CSerialEnumSystem& system)
{
    ports.RemoveAll();
    error.Empty();
    OSVERSIONINFOA version;
    memset(&version, 0, sizeof(version));
    version.dwOSVersionInfoSize = sizeof(version);
    if (!system.GetOsVersion(version))
    {
        error.Format("Could not get OS version. (err=%lx)", ::GetLastError());
        return FALSE;
    }
    BOOL completed = TRUE;
    if (version.dwMajorVersion >= 5)
    {
        completed = EnumBySetupApi(ports, error, system);
        // Wine's setup library lists no COM port at all; its DOS device list has them.
        if (completed && error.IsEmpty() && ports.GetSize() == 0)
            EnumByDosDevices(ports, system);
    }
    else if (version.dwPlatformId == VER_PLATFORM_WIN32_NT)
        EnumByDosDevices(ports, system);
    else
        EnumByHardwareTree(ports, error, system);
    FinishEntries(ports, ignoreBusyPorts, system);
    return completed && error.IsEmpty();
}

void EnumSerialPorts(CSerInfoArray& ports, BOOL ignoreBusyPorts, CSerialEnumSystem& system)
{
    CString error;
    if (!EnumSerialPorts(ports, ignoreBusyPorts, error, system) && !error.IsEmpty())
        throw error;
}
