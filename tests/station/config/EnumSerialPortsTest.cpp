// COM-port enumeration through a system whose device lists the test hands in; the busy-port
// filter on the harness's real COM pairs; and what Wine itself lists.
#include "ProgramKey.h"
#include "station/config/EnumSerialPorts.h"
#include <setupapi.h>
#include <iostream>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
struct FakeDevice
{
    const char* path;
    const char* friendlyName; // NULL: the property is missing
    const char* description;
    const char* location;
};

// A system with a Windows version, a setup library and a DOS device list chosen by the test.
class FakeSystem : public CSerialEnumSystem
{
  public:
    FakeSystem()
    {
        s_pCurrent = this;
    }
    ~FakeSystem() override
    {
        s_pCurrent = NULL;
    }

    DWORD majorVersion = 10;
    DWORD platform = VER_PLATFORM_WIN32_NT;
    bool versionFails = false;
    bool loadFails = false;
    std::string missingEntry;
    bool classDevsFails = false;
    std::vector<FakeDevice> devices;
    DWORD enumErrorAtEnd = ERROR_NO_MORE_ITEMS;
    int detailFailsAt = -1;
    std::string dosDevices; // names separated by '|'
    HKEY hardwareTree = NULL;
    std::vector<std::string> busyPorts;
    int loads = 0, frees = 0, destroys = 0;
    DWORD detailCbSize = 0;

    BOOL GetOsVersion(OSVERSIONINFOA& info) override
    {
        if (versionFails)
        {
            ::SetLastError(ERROR_INVALID_FUNCTION);
            return FALSE;
        }
        info.dwMajorVersion = majorVersion;
        info.dwPlatformId = platform;
        return TRUE;
    }
    HMODULE LoadDll(LPCSTR name) override
    {
        EXPECT_STREQ("SetupApi.dll", name);
        if (loadFails)
            return NULL;
        loads++;
        return kModule;
    }
    FARPROC GetDllEntry(HMODULE hModule, LPCSTR name) override
    {
        EXPECT_EQ(kModule, hModule);
        if (missingEntry == name)
            return NULL;
        const struct
        {
            const char* name;
            void (*proc)(void);
        } entries[] = {{"SetupDiDestroyDeviceInfoList", reinterpret_cast<void (*)(void)>(&Destroy)},
                       {"SetupDiGetClassDevsA", reinterpret_cast<void (*)(void)>(&GetClassDevs)},
                       {"SetupDiEnumDeviceInterfaces", reinterpret_cast<void (*)(void)>(&EnumInterfaces)},
                       {"SetupDiGetDeviceInterfaceDetailA", reinterpret_cast<void (*)(void)>(&GetDetail)},
                       {"SetupDiGetDeviceRegistryPropertyA", reinterpret_cast<void (*)(void)>(&GetProperty)}};
        for (const auto& e : entries)
            if (strcmp(e.name, name) == 0)
                return reinterpret_cast<FARPROC>(e.proc);
        return NULL;
    }
    void FreeDll(HMODULE hModule) override
    {
        EXPECT_EQ(kModule, hModule);
        frees++;
    }
    DWORD QueryDosDevices(LPSTR buffer, DWORD size) override
    {
        std::string list = dosDevices;
        for (char& c : list)
            if (c == '|')
                c = '\0';
        list += '\0';
        list += '\0';
        if (list.size() > size)
            return 0;
        memcpy(buffer, list.data(), list.size());
        return DWORD(list.size());
    }
    // Ports named busy are held by "another program"; the rest are really opened. Wine lets a
    // serial port be opened twice without sharing, so a held port cannot stand in for one.
    BOOL IsPortFree(LPCSTR devicePath) override
    {
        for (const std::string& busy : busyPorts)
            if (busy == devicePath)
                return FALSE;
        return CSerialEnumSystem::IsPortFree(devicePath);
    }
    LONG OpenHardwareTree(HKEY* phKey) override
    {
        if (hardwareTree == NULL)
            return ERROR_FILE_NOT_FOUND;
        return ::RegOpenKeyExA(hardwareTree, NULL, 0, KEY_READ, phKey);
    }

  private:
    static inline FakeSystem* s_pCurrent = NULL;
    static inline const HMODULE kModule = reinterpret_cast<HMODULE>(0x5E7A0000);
    static inline const HDEVINFO kDevInfo = reinterpret_cast<HDEVINFO>(0x5EED);

    static BOOL WINAPI Destroy(HDEVINFO h)
    {
        EXPECT_EQ(kDevInfo, h);
        s_pCurrent->destroys++;
        return TRUE;
    }
    static HDEVINFO WINAPI GetClassDevs(const GUID* guid, PCSTR, HWND, DWORD flags)
    {
        EXPECT_EQ(0x86e0d1e0u, guid->Data1);
        EXPECT_EQ(DWORD(DIGCF_PRESENT | DIGCF_DEVICEINTERFACE), flags);
        if (s_pCurrent->classDevsFails)
        {
            ::SetLastError(ERROR_ACCESS_DENIED);
            return INVALID_HANDLE_VALUE;
        }
        return kDevInfo;
    }
    static BOOL WINAPI EnumInterfaces(HDEVINFO, PSP_DEVINFO_DATA, const GUID*, DWORD index,
                                      PSP_DEVICE_INTERFACE_DATA data)
    {
        if (index >= s_pCurrent->devices.size())
        {
            ::SetLastError(s_pCurrent->enumErrorAtEnd);
            return FALSE;
        }
        data->Reserved = index;
        return TRUE;
    }
    static BOOL WINAPI GetDetail(HDEVINFO, PSP_DEVICE_INTERFACE_DATA data,
                                 PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail, DWORD size, PDWORD,
                                 PSP_DEVINFO_DATA devInfo)
    {
        s_pCurrent->detailCbSize = detail->cbSize;
        if (int(data->Reserved) == s_pCurrent->detailFailsAt)
        {
            ::SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return FALSE;
        }
        const char* path = s_pCurrent->devices[data->Reserved].path;
        EXPECT_LT(strlen(path) + offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath), size_t(size));
        strcpy(detail->DevicePath, path);
        devInfo->DevInst = DWORD(data->Reserved);
        return TRUE;
    }
    static BOOL WINAPI GetProperty(HDEVINFO, PSP_DEVINFO_DATA devInfo, DWORD property, PDWORD type,
                                   PBYTE buffer, DWORD size, PDWORD)
    {
        const FakeDevice& device = s_pCurrent->devices[devInfo->DevInst];
        const char* text = property == SPDRP_FRIENDLYNAME           ? device.friendlyName
                           : property == SPDRP_DEVICEDESC           ? device.description
                           : property == SPDRP_LOCATION_INFORMATION ? device.location
                                                                    : NULL;
        if (text == NULL)
        {
            ::SetLastError(ERROR_INVALID_DATA);
            return FALSE;
        }
        *type = REG_SZ;
        lstrcpynA(reinterpret_cast<LPSTR>(buffer), text, int(size));
        return TRUE;
    }
};

std::string Describe(const CSerInfoArray& ports)
{
    std::string text;
    for (int i = 0; i < ports.GetSize(); i++)
    {
        const SSerInfo& p = ports[i];
        text += std::string(p.strPortName) + "|" + std::string(p.strFriendlyName) + "|" +
                std::string(p.strPortDesc) + "|" + (p.bUsbDevice ? "USB" : "-") + "|" +
                std::string(p.strDevPath) + "\n";
    }
    return text;
}
} // namespace

TEST(EnumSerialPorts, SetupApiNamesDescriptionsAndUsbLocations)
{
    FakeSystem system;
    system.devices = {
        {"\\\\?\\acpi#pnp0501#1", "Communications Port (COM1)", "Communications Port", "serial bus"},
        {"\\\\?\\usb#vid_0403#a", "USB Serial Port (COM3)", "USB Serial Port", "USB Serial Converter"},
        {"\\\\?\\usb#vid_0403#b", "QM240D (COM12)", "QM240D", "usb lower case"},
        {"\\\\?\\usb#vid_0403#c", "Pendix2004 (COM7)", "Pendix2004", NULL},
        {"\\\\?\\no#friendly", NULL, "Communications Port", "USB"},
        {"\\\\?\\no#description", "Modem (COM9)", NULL, "USB"},
    };
    CSerInfoArray ports;
    CString error;
    EXPECT_TRUE(EnumSerialPorts(ports, FALSE, error, system));
    EXPECT_STREQ("", error);
    EXPECT_EQ("COM1|Communications Port (COM1)|Communications Port|-|\\\\?\\acpi#pnp0501#1\n"
              "COM3|USB Serial Port (COM3)|USB Serial Port|USB|\\\\?\\usb#vid_0403#a\n"
              "COM12|QM240D (COM12)|QM240D|-|\\\\?\\usb#vid_0403#b\n"
              "COM7|Pendix2004 (COM7)|Pendix2004|-|\\\\?\\usb#vid_0403#c\n",
              Describe(ports));
    EXPECT_EQ(1, system.loads);
    EXPECT_EQ(1, system.frees);
    EXPECT_EQ(1, system.destroys);
    // The detail record is announced with its size on this build.
    EXPECT_EQ(DWORD(sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)), system.detailCbSize);
#ifdef _WIN64
    EXPECT_EQ(8u, system.detailCbSize);
#else
    EXPECT_EQ(5u, system.detailCbSize);
#endif
}

TEST(EnumSerialPorts, AMissingLibraryOrEntryPointIsShownAndGivesAnEmptyList)
{
    const char* entries[] = {"SetupDiDestroyDeviceInfoList", "SetupDiGetClassDevsA",
                             "SetupDiEnumDeviceInterfaces", "SetupDiGetDeviceInterfaceDetailA",
                             "SetupDiGetDeviceRegistryPropertyA"};
    for (const char* entry : entries)
    {
        FakeSystem system;
        system.devices = {{"p", "Communications Port (COM1)", "Communications Port", ""}};
        system.missingEntry = entry;
        MessageBoxes boxes;
        boxes.Expect(IDOK, "Es konnten nicht alle Einstiegspunkte in der SetupApi.dll gefunden werden.");
        CSerInfoArray ports;
        CString error = "old";
        EXPECT_FALSE(EnumSerialPorts(ports, FALSE, error, system)) << entry;
        EXPECT_STREQ("", error);
        EXPECT_EQ(0, int(ports.GetSize()));
        EXPECT_EQ(1, system.frees);
        ASSERT_EQ(1u, boxes.Shown().size());
        EXPECT_EQ(UINT(MB_ICONERROR), boxes.Shown()[0].type & MB_ICONMASK);
    }
    FakeSystem system;
    system.loadFails = true;
    MessageBoxes boxes;
    boxes.Expect(
        IDOK, "Die SetupApi.dll konnte nicht geladen werden.\nWenden Sie sich an den Systemadministrator.");
    CSerInfoArray ports;
    CString error;
    EXPECT_FALSE(EnumSerialPorts(ports, FALSE, error, system));
    EXPECT_EQ(0, int(ports.GetSize()));
    EXPECT_EQ(1u, boxes.Shown().size());
    // The throwing form has nothing to throw: the user has been told.
    boxes.Expect(IDOK, "SetupApi.dll");
    EXPECT_NO_THROW(EnumSerialPorts(ports, FALSE, system));
}

TEST(EnumSerialPorts, AFailureHalfWayKeepsThePortsFoundBefore)
{
    const FakeDevice two[] = {{"a", "Communications Port (COM1)", "Communications Port", ""},
                              {"b", "Communications Port (COM2)", "Communications Port", ""}};
    struct
    {
        const char* what;
        bool classDevsFails;
        DWORD enumError;
        int detailFailsAt;
        size_t kept;
        const char* message;
    } cases[] = {
        {"device list", true, ERROR_NO_MORE_ITEMS, -1, 0, "SetupDiGetClassDevs failed. (err=5)"},
        {"walk", false, ERROR_INVALID_DATA, -1, 2, "SetupDiEnumDeviceInterfaces failed. (err=d)"},
        {"detail", false, ERROR_NO_MORE_ITEMS, 1, 1, "SetupDiGetDeviceInterfaceDetail failed. (err=7a)"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        FakeSystem system;
        system.devices.assign(std::begin(two), std::end(two));
        system.classDevsFails = c.classDevsFails;
        system.enumErrorAtEnd = c.enumError;
        system.detailFailsAt = c.detailFailsAt;
        CSerInfoArray ports;
        CString error;
        EXPECT_FALSE(EnumSerialPorts(ports, FALSE, error, system));
        EXPECT_STREQ(c.message, error);
        EXPECT_EQ(c.kept, size_t(ports.GetSize()));
        EXPECT_EQ(1, system.frees);
        EXPECT_EQ(c.classDevsFails ? 0 : 1, system.destroys);

        // The throwing form throws the same text and keeps the same ports.
        CSerInfoArray thrownPorts;
        try
        {
            EnumSerialPorts(thrownPorts, FALSE, system);
            ADD_FAILURE() << "nothing thrown";
        }
        catch (const CString& message)
        {
            EXPECT_STREQ(c.message, message);
        }
        EXPECT_EQ(c.kept, size_t(thrownPorts.GetSize()));
    }

    FakeSystem noVersion;
    noVersion.versionFails = true;
    CSerInfoArray ports;
    CString error;
    EXPECT_FALSE(EnumSerialPorts(ports, FALSE, error, noVersion));
    EXPECT_STREQ("Could not get OS version. (err=1)", error);
}

TEST(EnumSerialPorts, DosDeviceNamesBeforeWindows2000)
{
    FakeSystem system;
    system.majorVersion = 4;
    system.dosDevices = "LPT1|COM1|com12|COMx|COM|CON|COM003";
    CSerInfoArray ports;
    CString error;
    EXPECT_TRUE(EnumSerialPorts(ports, FALSE, error, system));
    EXPECT_EQ("COM1|COM1|COM1|-|\\\\.\\COM1\n"
              "COM12|COM12|COM12|-|\\\\.\\COM12\n"
              "COM3|COM3|COM3|-|\\\\.\\COM3\n",
              Describe(ports));
    system.dosDevices = "";
    EXPECT_TRUE(EnumSerialPorts(ports, FALSE, error, system));
    EXPECT_EQ(0, int(ports.GetSize()));
}

// A setup library that ends without a port (as Wine's does) leaves the DOS device names to list
// them; a library that lists ports is not second-guessed.
TEST(EnumSerialPorts, DosDeviceNamesWhenTheSetupLibraryListsNone)
{
    FakeSystem system;
    system.dosDevices = "COM7|LPT1|COM8";
    CSerInfoArray ports;
    CString error;
    EXPECT_TRUE(EnumSerialPorts(ports, FALSE, error, system));
    EXPECT_EQ("COM7|COM7|COM7|-|\\\\.\\COM7\n"
              "COM8|COM8|COM8|-|\\\\.\\COM8\n",
              Describe(ports));
    EXPECT_EQ(1, system.frees);
    system.devices = {{"a", "Communications Port (COM1)", "Communications Port", ""}};
    EXPECT_TRUE(EnumSerialPorts(ports, FALSE, error, system));
    EXPECT_EQ("COM1|Communications Port (COM1)|Communications Port|-|a\n", Describe(ports));
}

TEST_F(ProgramKeyTest, TheWindows9xHardwareTree)
{
    // The tree is built under the program's own key so the test cleans it up with the rest.
    const struct
    {
        const char* key;
        const char* portName;
        const char* friendlyName;
    } instances[] = {
        {"Tree\\Root\\*PNP0501\\0000", "COM1", "Communications Port (COM1)"},
        {"Tree\\Root\\*PNP0500\\0001", "COM2", NULL},
        {"Tree\\Root\\*PNP0400\\0000", "LPT1", "Printer Port (LPT1)"},
        {"Tree\\Root\\*PNP0501\\0002", NULL, "no port name"},
        {"Tree\\USBPORTS\\VID_0403\\0000", "COM5", "QM240D (COM5)"},
        {"Tree\\USBPORTS\\VID_0404\\0000", "COM1", "USB Serial Port (COM1) spare"},
    };
    for (const auto& i : instances)
    {
        WriteRawDword(HKEY_CURRENT_USER, i.key, "Marker", 0);
        if (i.portName)
            WriteRawText(HKEY_CURRENT_USER, i.key, "PORTNAME", i.portName);
        if (i.friendlyName)
            WriteRawText(HKEY_CURRENT_USER, i.key, "FRIENDLYNAME", i.friendlyName);
    }
    HKEY hTree = NULL;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, Path("Tree").c_str(), 0, KEY_READ, &hTree));
    FakeSystem system;
    system.majorVersion = 4;
    system.platform = VER_PLATFORM_WIN32_WINDOWS;
    system.hardwareTree = hTree;
    CSerInfoArray ports;
    CString error;
    EXPECT_TRUE(EnumSerialPorts(ports, FALSE, error, system));
    EXPECT_STREQ("", error);
    // Keys come in name order (*PNP0500 before *PNP0501); the USB port named COM1 replaces the
    // earlier COM1 in its place; a friendly name whose ")" is not last stays whole.
    EXPECT_EQ("COM2|COM2|COM2|-|\\\\.\\COM2\n"
              "COM1|USB Serial Port (COM1) spare|USB Serial Port (COM1) spare|USB|\\\\.\\COM1\n"
              "COM5|QM240D (COM5)|QM240D|USB|\\\\.\\COM5\n",
              Describe(ports));
    ::RegCloseKey(hTree);

    system.hardwareTree = NULL;
    EXPECT_FALSE(EnumSerialPorts(ports, FALSE, error, system));
    EXPECT_STREQ("Could not read from HKLM\\Enum", error);
}

TEST(EnumSerialPorts, AnEmptyDescriptionIsTakenFromTheFriendlyName)
{
    FakeSystem system;
    system.devices = {
        {"a", "Communications Port (COM1)", "", ""},
        {"b", " (COM2)", "", ""},
        {"c", "Port (COM3) x", "", ""},
    };
    CSerInfoArray ports;
    CString error;
    EXPECT_TRUE(EnumSerialPorts(ports, FALSE, error, system));
    // The port name comes out of the friendly name all the same.
    EXPECT_EQ("COM1|Communications Port (COM1)|Communications Port|-|a\n"
              "COM2| (COM2)| (COM2)|-|b\n"
              "PortCOM3x|Port (COM3) x|Port (COM3) x|-|c\n",
              Describe(ports));
}

TEST(EnumSerialPorts, BusyPortsAreLeftOutOnlyWhenAsked)
{
    std::vector<ComPair> pairs = ComPairs();
    ASSERT_FALSE(pairs.empty());
    const std::string held = "COM" + std::to_string(pairs[0].a);
    const std::string free = "COM" + std::to_string(pairs[0].b);
    FakeSystem system;
    system.majorVersion = 4;
    system.dosDevices = held + "|" + free + "|COM199";
    system.busyPorts = {"\\\\.\\" + held};
    struct
    {
        BOOL ignoreBusy;
        std::string expected;
    } cases[] = {
        {FALSE, held + " " + free + " COM199 "},
        {TRUE, free + " "}, // the held port and the one that does not exist are left out
    };
    for (const auto& c : cases)
    {
        CSerInfoArray ports;
        CString error;
        EXPECT_TRUE(EnumSerialPorts(ports, c.ignoreBusy, error, system));
        std::string names;
        for (int i = 0; i < ports.GetSize(); i++)
            names += std::string(ports[i].strPortName) + " ";
        EXPECT_EQ(c.expected, names) << "ignoreBusy " << c.ignoreBusy;
    }
}

TEST(EnumSerialPorts, WhatWineItselfLists)
{
    CSerInfoArray ports;
    CString error;
    BOOL completed = EnumSerialPorts(ports, FALSE, error);
    std::cout << "Wine lists " << ports.GetSize() << " port(s)" << (completed ? "" : ", stopped: ")
              << (LPCSTR)error << "\n"
              << Describe(ports);
    RecordProperty("ports", int(ports.GetSize()));
}
