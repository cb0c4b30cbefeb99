// The Pendix protocol: decoding of the status block and the channel conversion, and every
// command's request bytes and reply length against the simulator's log.
#include "DeviceSimulator.h"
#include "TestSupport.h"
#include "station/pendix/PendixStdComBase.h"
#include "station/pendix/VantuTool.h"
#include <functional>

namespace
{
const int kPort = PendixSimulator::kPort;

std::vector<BYTE> Block()
{
    std::vector<BYTE> b(CPendixStdComBase::statusLength, 0);
    auto put16 = [&b](int at, int v) {
        b[at] = (BYTE)(v & 0xFF);
        b[at + 1] = (BYTE)(v >> 8);
    };
    put16(0, 40000);
    b[2] = 12;
    b[3] = 11;
    b[4] = 7;
    b[5] = 5; // seconds
    b[6] = 4;
    b[7] = 13;
    b[8] = 200;
    put16(9, 3000);
    put16(11, 581);
    put16(13, 100);
    put16(29, 200);
    put16(33, 552);
    put16(39, 64);
    put16(41, 4096);
    put16(43, 42);
    put16(45, 7);
    put16(47, 12);
    put16(49, 34);
    b[54] = 1;
    put16(55, 250);
    return b;
}

class DecodedBlock : public CPendixStdComBase
{
  public:
    explicit DecodedBlock(const std::vector<BYTE>& block) : CPendixStdComBase(99, 9600, 8, 0, 2, 0, TRUE)
    {
        ParseStatus(block.data(), m_status);
    }
};

TEST(PendixStatus, TextsOfTheBlock)
{
    DecodedBlock com(Block());
    const struct
    {
        CPendixStdComBase::StatusText text;
        const char* expected;
    } cases[] = {
        {CPendixStdComBase::textSerialNumber, "40000"},
        {CPendixStdComBase::textSoftwareVersion, "1.2 "},
        {CPendixStdComBase::textDigitalVersion, "1.1 "},
        {CPendixStdComBase::textAnalogVersion, "0.7 "},
        {CPendixStdComBase::textClock, "13:04:05"},
        {CPendixStdComBase::textCounter500Hz, "200"},
        {CPendixStdComBase::textCounter2Hz, "3000"},
        {CPendixStdComBase::textInternalTemperature, "25.8  \xB0"
                                                     "C"},
        {CPendixStdComBase::textBatteryVoltage, "3.56 V"},
        {CPendixStdComBase::textPacketLength, "64"},
        {CPendixStdComBase::textContactMemorySize, "04096"},
        {CPendixStdComBase::textAnalogMemorySize, "00042"},
        {CPendixStdComBase::textFreeMemory, "00007"},
        {CPendixStdComBase::textContactValues, "12"},
        {CPendixStdComBase::textAnalogValues, "34"},
        {CPendixStdComBase::textMaxInternalTemperature, "32.2  \xB0"
                                                        "C"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::string(c.expected), (LPCSTR)com.GetStatusText(c.text)) << "text " << c.text;
    EXPECT_EQ(1u, com.GetStatus().dwTemperatureWarning);
}

TEST(PendixStatus, BatteryLowBelow356Volts)
{
    const struct
    {
        int raw;
        bool low;
    } cases[] = {{552, true}, {553, false}, {0, true}, {1023, false}};
    for (const auto& c : cases)
    {
        std::vector<BYTE> block = Block();
        block[33] = (BYTE)(c.raw & 0xFF);
        block[34] = (BYTE)(c.raw >> 8);
        DecodedBlock com(block);
        EXPECT_EQ(c.low, !!com.IsBatteryLow()) << "raw " << c.raw;
        EXPECT_NEAR(c.raw * 3.3 / 1024 * 2, com.GetBatteryVoltage(), 1e-9);
    }
}

TEST(PendixStatus, ChannelTemperaturesAndOffsets)
{
    DecodedBlock com(Block());
    EXPECT_NEAR(249.9, com.GetChannelTemperature(0), 0.05);
    EXPECT_EQ(std::string("249.9  \xB0"
                          "C"),
              (LPCSTR)com.FormatChannelTemperature(0));
    EXPECT_NEAR(42.7, com.GetChannelTemperature(1), 0.05);
    EXPECT_EQ(std::string("1.0   \xB0"
                          "C"),
              (LPCSTR)com.FormatChannelTemperature(2))
        << "raw 0 is the constant 0.9827";
    int offset = -1;
    EXPECT_FALSE(com.GetChannelOffset(0, &offset));
    EXPECT_EQ(0, offset);
    EXPECT_FALSE(com.GetChannelOffset(1, &offset));
    EXPECT_EQ(100 - 581, offset);
    com.CaptureChannelOffset(1);
    EXPECT_TRUE(com.GetChannelOffset(1, &offset));
    EXPECT_FALSE(com.GetChannelOffset(8, &offset)) << "no ninth channel";
}

TEST(VantuTool, ConvertByKind)
{
    CVantuTool tool;
    const struct
    {
        double value, gain, offset;
        int kind;
        double expected;
    } cases[] = {
        {0.0, 184.3, 0.0, 1, 0.9827},
        {0.0, 184.3, 0.0, 0, 2.5343},
        {0.0, 184.3, 0.0, 2, 2.8976},
        {10.0, 4.0, 0.5, 5, 10.0 / 4.0 - 0.5},
        {10.0, 4.0, 0.5, -1, 2.0},
        {0.001, 1.0, 0.0, 0, 18130.0 * 0.001 + -772658.0 * 1e-9 + 22259.0 * 1e-6 + 2.5343},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(c.expected, tool.Convert(c.value, c.gain, c.offset, c.kind)) << "kind " << c.kind;
}

// The protocol object against the simulator.
class PendixCommands : public ::testing::Test
{
  protected:
    void Start(const std::string& options = std::string())
    {
        ASSERT_TRUE(m_sim.Start(kPort, options));
        m_com.reset(new CPendixStdComBase(kPort, 9600, 8, stopBitsOne, parityNone, flowNone, TRUE));
    }
    // Lines of the log that carry the requests (as "4E 40 9C") and the replies.
    std::vector<std::string> Lines(const char* prefix)
    {
        std::vector<std::string> out;
        for (const std::string& line : m_sim.Log())
            if (line.compare(0, strlen(prefix), prefix) == 0)
                out.push_back(line.substr(line.find('[') + 1, line.find(']') - line.find('[') - 1));
        return out;
    }
    // The device logs a command without a reply after the program has moved on: wait for it.
    std::vector<std::string> WaitLines(const char* prefix, size_t count)
    {
        std::vector<std::string> lines;
        ULONGLONG start = testing_support::NowMs();
        while ((lines = Lines(prefix)).size() < count && testing_support::NowMs() - start < 2000)
            ::Sleep(10);
        return lines;
    }
    PendixSimulator m_sim;
    std::unique_ptr<CPendixStdComBase> m_com;
};

TEST_F(PendixCommands, RequestBytesAndReplies)
{
    Start("--channels 581,100,581,581,581,581,581,581 --log-start 10 --log-end 30");
    WORD wValue = 0;
    const struct
    {
        const char* name;
        std::function<BOOL(CPendixStdComBase&)> run;
        const char* request;
        const char* reply; // nullptr: the device sends nothing
    } cases[] = {
        {"identify", [](CPendixStdComBase& c) { return c.Identify(); }, "0D", nullptr},
        {"status", [](CPendixStdComBase& c) { return c.ReadStatus(); }, "49", nullptr},
        {"serial 40000", [](CPendixStdComBase& c) { return c.SetSerialNumber(40000.0f); }, "4E 40 9C",
         "40 9C"},
        {"reset", [](CPendixStdComBase& c) { return c.TriggerReset(); }, "20", nullptr},
        {"calibrate end", [](CPendixStdComBase& c) { return c.SetCalibration(TRUE); }, "4B", "06"},
        {"calibrate", [](CPendixStdComBase& c) { return c.SetCalibration(FALSE); }, "6B", "06"},
        {"log reset", [](CPendixStdComBase& c) { return c.ResetLog(); }, "52", nullptr},
        {"log start", [&](CPendixStdComBase& c) { return c.GetLogStart(&wValue) && wValue == 10; }, "67",
         "0A 00"},
        {"log end", [&](CPendixStdComBase& c) { return c.GetLogEnd(&wValue) && wValue == 30; }, "50",
         "1E 00"},
        {"set log start", [](CPendixStdComBase& c) { return c.SetLogStart(0x1234); }, "53 34 12", nullptr},
    };
    for (const auto& c : cases)
    {
        size_t before = Lines("rx ").size();
        size_t repliesBefore = Lines("tx ").size();
        EXPECT_TRUE(c.run(*m_com)) << c.name;
        std::vector<std::string> requests = WaitLines("rx ", before + 1);
        ASSERT_EQ(before + 1, requests.size()) << c.name;
        EXPECT_EQ(c.request, requests.back()) << c.name;
        std::vector<std::string> replies = Lines("tx ");
        if (c.reply)
        {
            ASSERT_EQ(repliesBefore + 1, replies.size()) << c.name;
            EXPECT_EQ(c.reply, replies.back()) << c.name;
        }
    }
    EXPECT_EQ(std::string("  Pendix2004 V1.2 Simulator"), (LPCSTR)m_com->GetIdentification());
    EXPECT_EQ(100u, m_com->GetStatus().dwChannelRaw[1]);
    EXPECT_EQ(0, m_com->GetFailures());
}

TEST_F(PendixCommands, ShortRepliesFailAndCount)
{
    // each command's reply one byte short: the commands that wait for a reply notice it
    Start("--fault short");
    WORD wValue = 0x5555;
    EXPECT_FALSE(m_com->Identify());
    EXPECT_FALSE(m_com->ReadStatus());
    EXPECT_FALSE(m_com->SetSerialNumber(40000.0f));
    EXPECT_FALSE(m_com->SetCalibration(TRUE));
    EXPECT_FALSE(m_com->GetLogStart(&wValue));
    EXPECT_EQ(0x5555, wValue) << "nothing stored from a short reply";
    EXPECT_EQ(2, m_com->GetFailures()) << "identification and status reads count";
    EXPECT_FALSE(m_com->IsBroken());
    EXPECT_FALSE(m_com->ReadStatus());
    EXPECT_TRUE(m_com->IsBroken());
}

TEST_F(PendixCommands, WrongEchoAndLargeSerialNumbersFail)
{
    Start("--fault echo --fault-command N --fault-count 1");
    EXPECT_FALSE(m_com->SetSerialNumber(40000.0f));
    EXPECT_TRUE(m_com->SetSerialNumber(40000.0f));
    EXPECT_FALSE(m_com->SetSerialNumber(70000.0f)) << "the echo is 16 bits wide";
    EXPECT_EQ("4E 70 11", Lines("rx ").back());
}

TEST_F(PendixCommands, ClockIsTheLocalTime)
{
    Start();
    SYSTEMTIME before, after;
    ::GetLocalTime(&before);
    EXPECT_TRUE(m_com->SetClock());
    ::GetLocalTime(&after);
    std::vector<std::string> requests = WaitLines("rx ", 1);
    ASSERT_FALSE(requests.empty());
    unsigned u = 0, s = 0, m = 0, h = 0;
    ASSERT_EQ(4, sscanf(requests.back().c_str(), "%X %X %X %X", &u, &s, &m, &h));
    EXPECT_EQ(0x55u, u);
    int sent = h * 3600 + m * 60 + s;
    int from = before.wHour * 3600 + before.wMinute * 60 + before.wSecond;
    int to = after.wHour * 3600 + after.wMinute * 60 + after.wSecond;
    EXPECT_TRUE(sent >= from && sent <= to) << requests.back();
    // the device's clock runs on from there
    ASSERT_TRUE(m_com->ReadStatus());
    const PENDIX_STATUS& st = m_com->GetStatus();
    int read = (int)(st.dwHours * 3600 + st.dwMinutes * 60 + st.dwSeconds);
    EXPECT_NEAR(sent, read, 2);
}

TEST_F(PendixCommands, OffsetsSendCapturedChannelsOnly)
{
    Start("--channels 581,100,600,581,581,581,581,581");
    ASSERT_TRUE(m_com->ReadStatus());
    m_com->CaptureChannelOffset(1); // 100 - 581 = -481
    m_com->CaptureChannelOffset(2); // 19
    EXPECT_TRUE(m_com->SendOffsets());
    EXPECT_EQ("4F 00 00 1F FE 13 00 00 00 00 00 00 00 00 00 00 00", WaitLines("rx ", 2).back());
    // 'k' forgets every capture
    EXPECT_TRUE(m_com->SetCalibration(FALSE));
    EXPECT_TRUE(m_com->SendOffsets());
    EXPECT_EQ("4F 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00", WaitLines("rx ", 4).back());
}

TEST_F(PendixCommands, LogIsReadWithinTheReplyBuffer)
{
    const struct
    {
        const char* options;
        const char* setStart; // the 'S' request, nullptr when none
    } cases[] = {
        {"--log-start 10 --log-end 30", "53 0A 00"},
        {"--log-start 30 --log-end 20", nullptr},
        {"--log-start 1500 --log-end 2000", "53 DC 05"}, // longer than the reply buffer
    };
    for (const auto& c : cases)
    {
        Start(c.options);
        ULONGLONG start = testing_support::NowMs();
        EXPECT_FALSE(m_com->ReadLog()) << c.options;
        std::vector<std::string> requests = WaitLines("rx ", c.setStart ? 5 : 4);
        ASSERT_GE(requests.size(), 4u) << c.options;
        EXPECT_EQ("52", requests[0]);
        EXPECT_EQ("67", requests[1]);
        EXPECT_EQ("50", requests[2]);
        size_t next = 3;
        if (c.setStart)
        {
            EXPECT_EQ(c.setStart, requests[next++]) << c.options;
        }
        ASSERT_EQ(next + 1, requests.size()) << c.options;
        EXPECT_EQ("6C", requests[next]) << c.options;
        EXPECT_LT(testing_support::NowMs() - start, 15000u);
        m_com->ClosePort();
        m_sim.Stop();
    }
}
} // namespace
