// The serial-interface table from enumerated ports and the per-user configuration: defaults and
// stored values, the USB classification, and the queue order of enabled and disabled ports.
#include "ProgramKey.h"
#include "app/SerialInterfaceTable.h"
#include <string>

namespace
{
// Ports with their names and friendly names.
struct CPorts : CSerInfoArray
{
    CPorts(std::initializer_list<std::pair<const char*, const char*>> names)
    {
        for (const auto& n : names)
        {
            SSerInfo info;
            info.strPortName = n.first;
            info.strFriendlyName = n.second;
            Add(info);
        }
    }
};

STRUCT_SERIAL_INTERFACE At(CSerialInterfaceMap& table, int nKey)
{
    STRUCT_SERIAL_INTERFACE record;
    EXPECT_TRUE(table.Lookup(nKey, record)) << nKey;
    return record;
}

// "port:queue" per key, "-" after disabled ones.
std::string Order(CSerialInterfaceMap& table)
{
    std::string s;
    for (int nKey = 0; nKey < (int)table.GetCount(); nKey++)
    {
        STRUCT_SERIAL_INTERFACE r = At(table, nKey);
        s +=
            std::string(r.strPortName) + ":" + std::to_string(r.nQueueIndex) + (r.bUseInterface ? " " : "- ");
    }
    return s;
}

class SerialInterfaceTableTest : public ProgramKeyTest
{
  protected:
    CSerialInterfaceMap m_table{10};
    void SetUp() override
    {
        ProgramKeyTest::SetUp();
        m_table.InitHashTable(17);
    }
    void Store(const char* port, const char* name, DWORD value)
    {
        WriteRawDword(HKEY_CURRENT_USER, (std::string("Interface\\") + port).c_str(), name, value);
    }
};

TEST_F(SerialInterfaceTableTest, DefaultsAndStoredValues)
{
    Store("COM5", "Baudrate", 19200);
    Store("COM5", "Datenbits", 7);
    Store("COM5", "Paritaet", 0);
    Store("COM5", "Protokoll", 5);
    Store("COM5", "Startbits", 2);
    Store("COM5", "Stopbits", 2);
    Store("COM5", "ReadTimeout", 50);
    Store("COM5", "ReadTimeoutMul", 6);
    Store("COM5", "ReadTimeOutConstant", 70);
    Store("COM5", "WriteTimeOutMul", 8);
    Store("COM5", "WriteTimeOutConstant", 90);
    WriteRawText(HKEY_CURRENT_USER, "Interface\\COM5", "Device", "QM240D Werkbank");
    FillInterfaceTable(
        CPorts({{"COM1", "Communications Port (COM1)"}, {"COM5", "Communications Port (COM5)"}}), m_table);
    ASSERT_EQ(2, (int)m_table.GetCount());
    STRUCT_SERIAL_INTERFACE d = At(m_table, 0), s = At(m_table, 1);
    const struct
    {
        const char* what;
        long long defaults, stored;
    } fields[] = {
        {"baud rate", d.dwBaudRate, s.dwBaudRate},
        {"data bits", d.nDataBits, s.nDataBits},
        {"parity", d.nParity, s.nParity},
        {"flow", d.nProtocol, s.nProtocol},
        {"start bits", d.nStartBits, s.nStartBits},
        {"stop bits", d.nStopBits, s.nStopBits},
        {"read", d.dwReadTimeout, s.dwReadTimeout},
        {"read mul", d.dwReadTimeoutMul, s.dwReadTimeoutMul},
        {"read constant", d.dwReadTimeoutConstant, s.dwReadTimeoutConstant},
        {"write mul", d.dwWriteTimeoutMul, s.dwWriteTimeoutMul},
        {"write constant", d.dwWriteTimeoutConstant, s.dwWriteTimeoutConstant},
        {"port number", d.nPortNumber, s.nPortNumber},
        {"use", d.bUseInterface, s.bUseInterface},
    };
    const long long expected[][2] = {{9600, 19200}, {8, 7},    {2, 0}, {0, 5},    {1, 2}, {0, 2}, {100, 50},
                                     {5, 6},        {100, 70}, {5, 8}, {100, 90}, {1, 5}, {1, 1}};
    for (size_t i = 0; i < sizeof(fields) / sizeof(fields[0]); i++)
    {
        EXPECT_EQ(expected[i][0], fields[i].defaults) << fields[i].what;
        EXPECT_EQ(expected[i][1], fields[i].stored) << fields[i].what;
    }
    EXPECT_EQ(CString(""), d.strDevice);
    EXPECT_EQ(CString("QM240D Werkbank"), s.strDevice);
    EXPECT_EQ(CString("Communications Port (COM5)"), s.strDescription);
    EXPECT_EQ(CString("COM5"), s.strPortName);
    EXPECT_TRUE(s.pOwner == NULL);
    EXPECT_EQ(0, s.bySpare);
    // The device text plays no part in the classification.
    EXPECT_FALSE(s.bUsbDevice);
}

TEST_F(SerialInterfaceTableTest, KnownDevicesAndUsbAdaptersAreUsbDevices)
{
    const struct
    {
        const char* friendlyName;
        BOOL bUsb;
    } cases[] = {
        {"QM240D (COM3)", TRUE},
        {"Pendix2004 (COM4)", TRUE},
        {"USB Serial Port (COM5)", TRUE},
        {"Prolific Serial Port x", TRUE},
        {"usb serial port (COM6)", FALSE},
        {"qm240d (COM7)", FALSE},
        {"Communications Port (COM1)", FALSE},
        {"COM8", FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.bUsb, IsUsbSerialDevice(c.friendlyName)) << c.friendlyName;
    FillInterfaceTable(CPorts({{"COM3", "QM240D (COM3)"}, {"COM1", "Communications Port (COM1)"}}), m_table);
    EXPECT_TRUE(At(m_table, 0).bUsbDevice);
    EXPECT_FALSE(At(m_table, 1).bUsbDevice);
}

TEST_F(SerialInterfaceTableTest, QueueOrderOfEnabledAndDisabledPorts)
{
    const struct
    {
        const char* what;
        DWORD queue[3];
        DWORD use[3];
        const char* expected;
    } cases[] = {
        {"stored 0, 0, 5", {0, 0, 5}, {1, 1, 1}, "COM1:0 COM2:1 COM3:2 "},
        {"unchecked first port goes behind", {0, 1, 2}, {0, 1, 1}, "COM1:2- COM2:0 COM3:1 "},
        {"a disabled index nothing reaches stays", {3, 0, 999}, {0, 0, 1}, "COM1:3- COM2:1- COM3:0 "},
        {"taken indices keep their places", {2, 0, 1}, {1, 1, 1}, "COM1:2 COM2:0 COM3:1 "},
        {"an index a disabled port holds is no obstacle", {0, 0, 0}, {0, 1, 1}, "COM1:2- COM2:0 COM3:1 "},
    };
    for (const auto& c : cases)
    {
        const char* ports[] = {"COM1", "COM2", "COM3"};
        for (int i = 0; i < 3; i++)
        {
            Store(ports[i], "QueueIndex", c.queue[i]);
            Store(ports[i], "UseInterface", c.use[i]);
        }
        FillInterfaceTable(CPorts({{"COM1", "A"}, {"COM2", "B"}, {"COM3", "C"}}), m_table);
        EXPECT_EQ(c.expected, Order(m_table)) << c.what;
    }
    // Normalising an already normal table changes nothing.
    std::string before = Order(m_table);
    NormalizeQueueIndices(m_table);
    EXPECT_EQ(before, Order(m_table));
}

TEST_F(SerialInterfaceTableTest, NoPortGivesAnEmptyTable)
{
    FillInterfaceTable(CPorts({{"COM1", "A"}}), m_table);
    ASSERT_EQ(1, (int)m_table.GetCount());
    FillInterfaceTable(CPorts({}), m_table);
    EXPECT_EQ(0, (int)m_table.GetCount());
}

// The machine's ports as Wine's DOS device list gives them.
class DosDeviceSystem : public CSerialEnumSystem
{
  public:
    BOOL GetOsVersion(OSVERSIONINFOA& info) override
    {
        info.dwMajorVersion = 4;
        info.dwPlatformId = VER_PLATFORM_WIN32_NT;
        return TRUE;
    }
    DWORD QueryDosDevices(LPSTR buffer, DWORD size) override
    {
        static const char names[] = "COM8\0LPT1\0COM7\0";
        if (size < sizeof(names))
            return 0;
        memcpy(buffer, names, sizeof(names));
        return sizeof(names);
    }
};

TEST_F(SerialInterfaceTableTest, LoadedFromTheEnumeratedPorts)
{
    Store("COM7", "QueueIndex", 0);
    Store("COM8", "QueueIndex", 1);
    DosDeviceSystem system;
    LoadInterfaceTable(m_table, system);
    EXPECT_EQ("COM8:1 COM7:0 ", Order(m_table));
    EXPECT_EQ(8, At(m_table, 0).nPortNumber);
    EXPECT_EQ(CString("COM7"), At(m_table, 1).strDescription);
}
} // namespace
