// Bus frames: the CRC, request bytes against frames written by hand, and the reply checks, both
// as pure functions and over a serial pair whose far end plays the station.
#include "TestSupport.h"
#include "station/link/CommJob.h"
#include "station/link/IRComBase.h"
#include <process.h>
#include <string.h>

namespace
{
typedef std::vector<BYTE> Bytes;

TEST(Crc16, CheckValues)
{
    const BYTE digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(0x31C3, CMotBusProtocoll::CalcCrc16(digits, 9));
    const BYTE two[] = {0x01, 0x02};
    EXPECT_EQ(0x1021, CMotBusProtocoll::CalcCrc16(two, 1));
    EXPECT_EQ(0x1373, CMotBusProtocoll::CalcCrc16(two, 2));
    EXPECT_EQ(0, CMotBusProtocoll::CalcCrc16(two, 0));
}

TEST(Framing, CrcIsSentLowByteFirst)
{
    BYTE frame[8];
    DWORD n = CMotBusProtocoll::BuildRequest(frame, 0x01, 0x2F, 20, 1, NULL, 0);
    ASSERT_EQ(8u, n);
    EXPECT_EQ(Bytes({0x01, 0x2F, 0x08, 0x14, 0x00, 0x01, 0xAC, 0x22}), Bytes(frame, frame + n));
}

// A reply of the given bytes is checked as an answer to (address 1, function, register).
struct ReplyCase
{
    const char* name;
    Bytes reply;
    DWORD expected;
    BYTE function;
    int reg; // < 0: single-value reply, no register echo
    CMotBusProtocoll::ReplyCheck result;
};

TEST(Framing, ReplyChecksRunInOrder)
{
    const ReplyCase cases[] = {
        // clang-format off
        {"good block read", {0x01, 0x2F, 0x0C, 0x14, 0x00, 0x01, 0x48, 0xE1, 0xDA, 0x3F, 0xB8, 0x5C}, 12, 0x2F, 20,
         CMotBusProtocoll::replyOk},
        {"short", {0x01, 0x2F, 0x0C, 0x14, 0x00, 0x01, 0x48, 0xE1, 0xDA, 0x3F}, 12, 0x2F, 20,
         CMotBusProtocoll::replyWrongLength},
        // error bit set and the CRC left wrong: the error bit is seen first
        {"error bit", {0x01, 0xAF, 0x0C, 0x14, 0x00, 0x01, 0x48, 0xE1, 0xDA, 0x3F, 0xB8, 0x5C}, 12, 0x2F, 20,
         CMotBusProtocoll::replyErrorBit},
        {"bad crc", {0x01, 0x2F, 0x0C, 0x14, 0x00, 0x01, 0x48, 0xE1, 0xDA, 0x3F, 0xB8, 0x5D}, 12, 0x2F, 20,
         CMotBusProtocoll::replyBadCrc},
        {"other address", {0x85, 0x2F, 0x0C, 0x14, 0x00, 0x01, 0x48, 0xE1, 0xDA, 0x3F, 0xB9, 0x15}, 12, 0x2F, 20,
         CMotBusProtocoll::replyWrongAddress},
        {"other function", {0x01, 0x20, 0x0C, 0x00, 0x00, 0x01, 0x00, 0x00, 0x96, 0x46, 0x10, 0xE9}, 12, 0x2F, 0,
         CMotBusProtocoll::replyWrongFunction},
        {"other register", {0x01, 0x2F, 0x0C, 0x14, 0x00, 0x01, 0x48, 0xE1, 0xDA, 0x3F, 0xB8, 0x5C}, 12, 0x2F, 21,
         CMotBusProtocoll::replyWrongRegister},
        {"single value ignores register", {0x01, 0x20, 0x0C, 0x00, 0x00, 0x01, 0x00, 0x00, 0x96, 0x46, 0x10, 0xE9},
         12, 0x20, -1, CMotBusProtocoll::replyOk},
        {"write echo", {0x01, 0x4F, 0x07, 0x25, 0x00, 0xA0, 0x6C}, 7, 0x4F, 37, CMotBusProtocoll::replyOk},
        // clang-format on
    };
    for (const ReplyCase& c : cases)
    {
        WORD reg = (WORD)c.reg;
        EXPECT_EQ(c.result, CMotBusProtocoll::CheckReply(c.reply.data(), (DWORD)c.reply.size(), c.expected,
                                                         0x01, c.function, c.reg < 0 ? NULL : &reg))
            << c.name;
    }
}

TEST(Framing, HighAddressIsAccepted)
{
    const Bytes reply = {0x85, 0x2F, 0x0C, 0x14, 0x00, 0x01, 0x48, 0xE1, 0xDA, 0x3F, 0xB9, 0x15};
    WORD reg = 20;
    EXPECT_EQ(CMotBusProtocoll::replyOk,
              CMotBusProtocoll::CheckReply(reply.data(), 12, 12, 0x85, 0x2F, &reg));
}

// The far end of a serial pair: reads one request and answers with a canned reply.
class FarEnd
{
  public:
    explicit FarEnd(int nPort)
    {
        m_hPort = ::CreateFileA(testing_support::ComPortPath(nPort).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                NULL, OPEN_EXISTING, 0, NULL);
        DCB dcb = {};
        dcb.DCBlength = sizeof dcb;
        ::GetCommState(m_hPort, &dcb);
        dcb.BaudRate = 9600;
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        ::SetCommState(m_hPort, &dcb);
        COMMTIMEOUTS t = {20, 0, 1000, 0, 1000};
        ::SetCommTimeouts(m_hPort, &t);
        ::PurgeComm(m_hPort, PURGE_RXCLEAR);
    }
    ~FarEnd()
    {
        Join();
        ::CloseHandle(m_hPort);
    }
    // Answers the next request of requestLength bytes with reply (nothing when empty).
    void Answer(DWORD dwRequestLength, const Bytes& reply)
    {
        Join();
        m_dwRequestLength = dwRequestLength;
        m_reply = reply;
        m_request.clear();
        m_hThread = (HANDLE)_beginthreadex(NULL, 0, Run, this, 0, NULL);
    }
    Bytes Request()
    {
        Join();
        return m_request;
    }

  private:
    static unsigned __stdcall Run(void* p)
    {
        FarEnd* self = (FarEnd*)p;
        BYTE buffer[128];
        DWORD dwTotal = 0;
        ULONGLONG start = testing_support::NowMs();
        while (dwTotal < self->m_dwRequestLength && testing_support::NowMs() - start < 2000)
        {
            DWORD n = 0;
            ::ReadFile(self->m_hPort, buffer + dwTotal, self->m_dwRequestLength - dwTotal, &n, NULL);
            dwTotal += n;
        }
        self->m_request.assign(buffer, buffer + dwTotal);
        if (!self->m_reply.empty())
        {
            DWORD n = 0;
            ::WriteFile(self->m_hPort, self->m_reply.data(), (DWORD)self->m_reply.size(), &n, NULL);
        }
        return 0;
    }
    void Join()
    {
        if (m_hThread)
        {
            ::WaitForSingleObject(m_hThread, 5000);
            ::CloseHandle(m_hThread);
            m_hThread = NULL;
        }
    }

    HANDLE m_hPort;
    HANDLE m_hThread = NULL;
    DWORD m_dwRequestLength = 0;
    Bytes m_reply;
    Bytes m_request;
};

class BusOverPair : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        auto pairs = testing_support::ComPairs();
        ASSERT_FALSE(pairs.empty());
        m_pair = pairs[0];
    }
    testing_support::ComPair m_pair{};
};

TEST_F(BusOverPair, RequestsEqualGoldenFrames)
{
    CIRComBase com(m_pair.a, 9600, 8, stopBitsOne, parityNone, flowNone, FALSE);
    com.SetStationAddress(1);
    // The frames are checked here, not the reply times: a loaded machine may answer late.
    com.SetTransferTimeouts(500, 10, 2000, 10, 1000);
    FarEnd station(m_pair.b);

    station.Answer(8, {0x01, 0x20, 0x0C, 0x00, 0x00, 0x01, 0x00, 0x00, 0x96, 0x46, 0x10, 0xE9});
    float fRate = 0;
    EXPECT_TRUE(com.ReadBaudSetting(&fRate, 9600));
    EXPECT_EQ(Bytes({0x01, 0x20, 0x08, 0x00, 0x00, 0x01, 0xF6, 0xD8}), station.Request());
    EXPECT_EQ(19200.0f, fRate);

    station.Answer(12, {0x01, 0x40, 0x07, 0x00, 0x00, 0x00, 0x00});
    com.SetStationBaud(CommJobWord(19200.0f), 9600); // reply CRC not checked here
    EXPECT_EQ(Bytes({0x01, 0x40, 0x0C, 0x00, 0x00, 0x01, 0x00, 0x00, 0x96, 0x46, 0x35, 0x11}),
              station.Request());
    EXPECT_EQ(19200u, com.GetBaud());
    com.SetBaud(9600);

    station.Answer(12, {0x01, 0x4F, 0x07, 0x25, 0x00, 0xA0, 0x6C});
    EXPECT_TRUE(com.FanOn());
    EXPECT_EQ(Bytes({0x01, 0x4F, 0x0C, 0x25, 0x00, 0x01, 0x00, 0x00, 0x80, 0x3F, 0x5B, 0xD8}),
              station.Request());

    station.Answer(8, {0x01, 0x2F, 0x0C, 0x14, 0x00, 0x01, 0x48, 0xE1, 0xDA, 0x3F, 0xB8, 0x5C});
    float fVersion = 0;
    EXPECT_TRUE(com.ReadFloatBlock(&fVersion, 1, 20, 1));
    EXPECT_EQ(Bytes({0x01, 0x2F, 0x08, 0x14, 0x00, 0x01, 0xAC, 0x22}), station.Request());
    EXPECT_FLOAT_EQ(1.71f, fVersion);

    // count 0: request with count 0, an 8-byte reply, nothing stored
    station.Answer(8, {0x01, 0x2F, 0x08, 0x2C, 0x01, 0x00, 0xB8, 0x6D});
    EXPECT_TRUE(com.ReadFloatBlock(NULL, 1, 300, 0));
    EXPECT_EQ(Bytes({0x01, 0x2F, 0x08, 0x2C, 0x01, 0x00, 0xB8, 0x6D}), station.Request());

    // an address of 0x80 and above
    station.Answer(8, {0x85, 0x2F, 0x0C, 0x14, 0x00, 0x01, 0x48, 0xE1, 0xDA, 0x3F, 0xB9, 0x15});
    EXPECT_TRUE(com.ReadFloatBlock(&fVersion, 0x85, 20, 1));
    EXPECT_EQ(Bytes({0x85, 0x2F, 0x08, 0x14, 0x00, 0x01, 0x2D, 0xF0}), station.Request());
}

TEST_F(BusOverPair, RejectedRepliesStoreNothing)
{
    CIRComBase com(m_pair.a, 9600, 8, stopBitsOne, parityNone, flowNone, FALSE);
    com.SetStationAddress(1);
    FarEnd station(m_pair.b);
    const struct
    {
        const char* name;
        Bytes reply;
        CMotBusProtocoll::ReplyCheck result;
    } cases[] = {
        {"silent", {}, CMotBusProtocoll::replyWrongLength},
        {"short", {0x01, 0x2F, 0x0C, 0x14, 0x00, 0x01, 0x48, 0xE1, 0xDA}, CMotBusProtocoll::replyWrongLength},
        // clang-format off
        {"error", {0x01, 0xAF, 0x0C, 0x14, 0x00, 0x01, 0x48, 0xE1, 0xDA, 0x3F, 0xB8, 0x5C},
         CMotBusProtocoll::replyErrorBit},
        {"crc", {0x01, 0x2F, 0x0C, 0x14, 0x00, 0x01, 0x48, 0xE1, 0xDA, 0x3F, 0xB8, 0x5D}, CMotBusProtocoll::replyBadCrc},
        {"address", {0x85, 0x2F, 0x0C, 0x14, 0x00, 0x01, 0x48, 0xE1, 0xDA, 0x3F, 0xB9, 0x15},
         CMotBusProtocoll::replyWrongAddress},
        // clang-format on
    };
    for (const auto& c : cases)
    {
        station.Answer(8, c.reply);
        float fValue = -5.0f;
        EXPECT_FALSE(com.ReadFloatBlock(&fValue, 1, 20, 1)) << c.name;
        EXPECT_EQ(c.result, com.GetLastReplyCheck()) << c.name;
        EXPECT_EQ(-5.0f, fValue) << c.name;
        station.Request();
    }
}
} // namespace
