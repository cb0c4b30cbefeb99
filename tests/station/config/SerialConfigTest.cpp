// Each interface's line settings under its own subkey of "Interface".
#include "ProgramKey.h"
#include "station/config/SerialConfig.h"
#include "station/config/SerialUserConfig.h"

namespace
{
struct InterfaceValue
{
    const char* name;
    DWORD defaultNumber;
    DWORD (CSerialUserConfig::*get)(LPCSTR);
    BOOL (CSerialUserConfig::*set)(DWORD, LPCSTR);
};

const InterfaceValue kValues[] = {
    {"UseInterface", 1, &CSerialUserConfig::GetUseInterface, &CSerialUserConfig::SetUseInterface},
    {"QueueIndex", 0, &CSerialUserConfig::GetQueueIndex, &CSerialUserConfig::SetQueueIndex},
    {"Paritaet", 2, &CSerialUserConfig::GetParitaet, &CSerialUserConfig::SetParitaet},
    {"Protokoll", 0, &CSerialUserConfig::GetProtokoll, &CSerialUserConfig::SetProtokoll},
    {"Baudrate", 9600, &CSerialUserConfig::GetBaudrate, &CSerialUserConfig::SetBaudrate},
    {"Stopbits", 0, &CSerialUserConfig::GetStopbits, &CSerialUserConfig::SetStopbits},
    {"Datenbits", 8, &CSerialUserConfig::GetDatenbits, &CSerialUserConfig::SetDatenbits},
    {"Startbits", 1, &CSerialUserConfig::GetStartbits, &CSerialUserConfig::SetStartbits},
    {"ReadTimeout", 100, &CSerialUserConfig::GetReadTimeout, &CSerialUserConfig::SetReadTimeout},
    {"ReadTimeoutMul", 5, &CSerialUserConfig::GetReadTimeoutMul, &CSerialUserConfig::SetReadTimeoutMul},
    {"ReadTimeOutConstant", 100, &CSerialUserConfig::GetReadTimeOutConstant,
     &CSerialUserConfig::SetReadTimeOutConstant},
    {"WriteTimeOutMul", 5, &CSerialUserConfig::GetWriteTimeOutMul, &CSerialUserConfig::SetWriteTimeOutMul},
    {"WriteTimeOutConstant", 100, &CSerialUserConfig::GetWriteTimeOutConstant,
     &CSerialUserConfig::SetWriteTimeOutConstant},
};
} // namespace

TEST_F(ProgramKeyTest, AnUnconfiguredInterfaceReadsItsDefaultsAndGetsItsSection)
{
    CSerialUserConfig config;
    for (const InterfaceValue& v : kValues)
        EXPECT_EQ(v.defaultNumber, (config.*v.get)("COM3")) << v.name;
    EXPECT_STREQ("", config.GetDevice("COM3"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("Interface\\COM3")));
}

TEST_F(ProgramKeyTest, EachInterfaceValueRoundTripsUnderItsOwnSubkey)
{
    CSerialUserConfig config;
    DWORD value = 1000;
    for (const InterfaceValue& v : kValues)
    {
        EXPECT_TRUE((config.*v.set)(++value, "COM3")) << v.name;
        EXPECT_EQ(value, (config.*v.get)("COM3")) << v.name;
        EXPECT_EQ(std::to_string(value), ReadRaw(HKEY_CURRENT_USER, "Interface\\COM3", v.name)) << v.name;
        EXPECT_EQ(v.defaultNumber, (config.*v.get)("COM4")) << v.name;
    }
    EXPECT_TRUE(config.SetDevice("QM240D", "COM3"));
    EXPECT_STREQ("QM240D", config.GetDevice("COM3"));
    EXPECT_EQ("QM240D", ReadRaw(HKEY_CURRENT_USER, "Interface\\COM3", "Device"));
    EXPECT_STREQ("", config.GetDevice("COM4"));
    // A second object sees what the first wrote.
    CSerialUserConfig again;
    EXPECT_EQ(1004u, again.GetProtokoll("COM3"));
}

TEST_F(ProgramKeyTest, TheFlowControlOfAnInterfaceIsItsProtokollValue)
{
    CSerialUserConfig config;
    for (DWORD flow = 0; flow <= 5; flow++)
    {
        EXPECT_TRUE(config.SetProtokoll(flow, "COM10"));
        EXPECT_EQ(flow, config.GetProtokoll("COM10"));
    }
    EXPECT_EQ(0u, config.GetProtokoll("COM11"));
}

TEST_F(ProgramKeyTest, TheMachineWideSerialConfigurationKeepsItsReadOnlyFlag)
{
    {
        CSerialConfig readOnly(TRUE);
        EXPECT_TRUE(readOnly.IsReadOnlyConfig());
        EXPECT_FALSE(readOnly.SetInt("Interface\\COM1", "Baudrate", 19200));
    }
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, HELVON_REGISTRY_KEY));
    CSerialConfig writable(FALSE);
    EXPECT_FALSE(writable.IsReadOnlyConfig());
    EXPECT_TRUE(writable.SetInt("Interface\\COM1", "Baudrate", 19200));
    EXPECT_EQ("19200", ReadRaw(HKEY_LOCAL_MACHINE, "Interface\\COM1", "Baudrate"));
}
