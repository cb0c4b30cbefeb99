// The COM port wrapper on real Wine COM ports (pty pairs made by the harness).
#include "TestSupport.h"
#include "station/link/SerialBaseClass.h"
#include "station/link/SerialPort.h"
#include <stdio.h>

namespace
{
class SerialPortTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_pairs = testing_support::ComPairs();
        ASSERT_EQ(2u, m_pairs.size());
    }
    std::vector<testing_support::ComPair> m_pairs;
};

DWORD OpenError(int nPort)
{
    CSerialPort port;
    try
    {
        port.Open(nPort, 9600, parityNone, 8, stopBitsOne, flowNone, FALSE);
    }
    catch (CSerialException* e)
    {
        DWORD dwError = e->m_dwError;
        e->Delete();
        return dwError;
    }
    return 0;
}

TEST_F(SerialPortTest, MissingPortIsMarkedWithoutABox)
{
    EXPECT_EQ((DWORD)ERROR_FILE_NOT_FOUND, OpenError(98));
    CSerialBaseClass link(98, 9600, 0, 8, stopBitsOne, parityNone, flowNone);
    const BYTE request[8] = {1, 0x2F, 8, 0, 0, 1, 0, 0};
    EXPECT_EQ(0, link.Transfer(request, 8, 12, TRUE));
    EXPECT_TRUE(link.IsPortUnavailable());
    EXPECT_EQ(0u, link.TakeTransferError());
}

TEST_F(SerialPortTest, PortHeldElsewhereIsMarkedWithoutABox)
{
    int nPort = m_pairs[0].a;
    HANDLE hHeld = ::CreateFileA(testing_support::ComPortPath(nPort).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                 NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hHeld);
    DWORD dwError = OpenError(nPort);
    if (dwError == 0)
    {
        ::CloseHandle(hHeld);
        GTEST_SKIP()
            << "this Wine opens a COM port twice despite share mode 0: a held port cannot be made here";
    }
    // Windows says access denied; Wine says sharing violation.
    EXPECT_TRUE(dwError == ERROR_ACCESS_DENIED || dwError == ERROR_SHARING_VIOLATION) << dwError;
    CSerialBaseClass link(nPort, 9600, 0, 8, stopBitsOne, parityNone, flowNone);
    const BYTE request[8] = {1, 0x2F, 8, 0, 0, 1, 0, 0};
    EXPECT_EQ(0, link.Transfer(request, 8, 12, TRUE));
    EXPECT_TRUE(link.IsPortUnavailable());
    EXPECT_EQ(0u, link.TakeTransferError());
    ::CloseHandle(hHeld);
}

TEST_F(SerialPortTest, TwoDigitPortOpensAndClosesTwice)
{
    CSerialPort port;
    port.Open(m_pairs[1].a, 19200, parityNone, 8, stopBitsOne, flowNone, FALSE);
    EXPECT_TRUE(port.IsOpen());
    DCB dcb;
    port.GetState(&dcb);
    EXPECT_EQ(19200u, dcb.BaudRate);
    port.Close();
    port.Close();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.IsOverlapped());
}

TEST_F(SerialPortTest, ReadThatTimesOutReturnsTheCount)
{
    CSerialPort port;
    port.Open(m_pairs[0].a, 9600, parityNone, 8, stopBitsOne, flowNone, FALSE);
    HANDLE hFar = ::CreateFileA(testing_support::ComPortPath(m_pairs[0].b).c_str(),
                                GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFar);
    COMMTIMEOUTS timeouts = {20, 0, 150, 0, 100};
    port.SetTimeouts(&timeouts);
    port.RxClear();
    BYTE buffer[16];
    ULONGLONG start = testing_support::NowMs();
    EXPECT_EQ(0u, port.Read(buffer, sizeof buffer));
    DWORD elapsed = (DWORD)(testing_support::NowMs() - start);
    EXPECT_GE(elapsed, 100u);
    EXPECT_LT(elapsed, 3000u) << "the read timed out rather than waiting for data";
    DWORD n = 0;
    ::WriteFile(hFar, "abc", 3, &n, NULL);
    EXPECT_EQ(3u, port.Read(buffer, sizeof buffer));
    ::CloseHandle(hFar);
}

// The DCB that Open builds, seen just before SetCommState.
DCB g_lastDcb;
void RecordDcb(const DCB& dcb)
{
    g_lastDcb = dcb;
}

TEST_F(SerialPortTest, OpenBuildsTheDcbOfTheTables)
{
    const struct
    {
        int nParity;
        BYTE byParity;
    } parities[] = {{parityEven, EVENPARITY},
                    {parityMark, MARKPARITY},
                    {parityNone, NOPARITY},
                    {parityOdd, ODDPARITY},
                    {paritySpace, SPACEPARITY}};
    const struct
    {
        int nStopBits;
        BYTE byStopBits;
    } stops[] = {{stopBitsOne, ONESTOPBIT}, {stopBitsOneHalf, ONE5STOPBITS}, {stopBitsTwo, TWOSTOPBITS}};
    const struct
    {
        int nFlow;
        BOOL bCts, bDsr, bX;
        DWORD dwRts, dwDtr; // 99: as the driver reported
    } flows[] = {
        {flowNone, FALSE, FALSE, FALSE, 99, 99},
        {flowCtsRts, TRUE, FALSE, FALSE, RTS_CONTROL_HANDSHAKE, 99},
        {flowCtsDtr, TRUE, FALSE, FALSE, 99, DTR_CONTROL_HANDSHAKE},
        {flowDsrRts, FALSE, TRUE, FALSE, RTS_CONTROL_HANDSHAKE, 99},
        {flowDsrDtr, FALSE, TRUE, FALSE, 99, DTR_CONTROL_HANDSHAKE},
        {flowXonXoff, FALSE, FALSE, TRUE, 99, 99},
    };
    CSerialPort::DCB_OBSERVER pfnPrevious = CSerialPort::SetDcbObserver(RecordDcb);
    int nPort = m_pairs[0].a;
    std::string accepted;
    auto tryOpen = [&](int nParity, int nStop, int nFlow) {
        CSerialPort port;
        memset(&g_lastDcb, 0, sizeof g_lastDcb);
        try
        {
            port.Open(nPort, 19200, nParity, 8, nStop, nFlow, FALSE);
            DCB back;
            port.GetState(&back);
            return std::string("ok, reads back baud ") + std::to_string(back.BaudRate) + " parity " +
                   std::to_string(back.Parity) + " stop " + std::to_string(back.StopBits);
        }
        catch (CSerialException* e)
        {
            std::string text = "refused (" + std::to_string(e->m_dwError) + ")";
            e->Delete();
            // the handle was closed again: the port opens at once
            HANDLE h = ::CreateFileA(testing_support::ComPortPath(nPort).c_str(),
                                     GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
            EXPECT_NE(INVALID_HANDLE_VALUE, h) << "a port whose configuration failed stayed open";
            ::CloseHandle(h);
            EXPECT_FALSE(port.IsOpen());
            return text;
        }
    };
    for (const auto& p : parities)
    {
        std::string result = tryOpen(p.nParity, stopBitsOne, flowNone);
        EXPECT_EQ(p.byParity, g_lastDcb.Parity);
        EXPECT_EQ(19200u, g_lastDcb.BaudRate);
        EXPECT_EQ(8, g_lastDcb.ByteSize);
        EXPECT_FALSE(g_lastDcb.fDsrSensitivity);
        printf("parity %d: %s\n", p.nParity, result.c_str());
    }
    for (const auto& s : stops)
    {
        std::string result = tryOpen(parityNone, s.nStopBits, flowNone);
        EXPECT_EQ(s.byStopBits, g_lastDcb.StopBits);
        printf("stop bits %d: %s\n", s.nStopBits, result.c_str());
    }
    // what the driver reports for the control lines, kept by the flow values that leave them
    DCB driver;
    {
        CSerialPort port;
        port.Open(nPort, 19200, parityNone, 8, stopBitsOne, flowNone, FALSE);
        port.GetState(&driver);
    }
    for (const auto& f : flows)
    {
        std::string result = tryOpen(parityNone, stopBitsOne, f.nFlow);
        EXPECT_EQ(f.bCts, (BOOL)g_lastDcb.fOutxCtsFlow) << f.nFlow;
        EXPECT_EQ(f.bDsr, (BOOL)g_lastDcb.fOutxDsrFlow) << f.nFlow;
        EXPECT_EQ(f.bX, (BOOL)g_lastDcb.fOutX) << f.nFlow;
        EXPECT_EQ(f.bX, (BOOL)g_lastDcb.fInX) << f.nFlow;
        EXPECT_EQ(f.dwRts == 99 ? driver.fRtsControl : f.dwRts, (DWORD)g_lastDcb.fRtsControl) << f.nFlow;
        EXPECT_EQ(f.dwDtr == 99 ? driver.fDtrControl : f.dwDtr, (DWORD)g_lastDcb.fDtrControl) << f.nFlow;
        if (f.bX)
        {
            EXPECT_EQ(0x11, g_lastDcb.XonChar);
            EXPECT_EQ(0x13, g_lastDcb.XoffChar);
            EXPECT_EQ(100, g_lastDcb.XonLim);
            EXPECT_EQ(100, g_lastDcb.XoffLim);
        }
        printf("flow %d: %s\n", f.nFlow, result.c_str());
    }
    // values outside the tables leave the driver's setting
    DCB outside = driver;
    CSerialPort::ApplyLineSettings(outside, 9600, 7, 8, 9, 17);
    EXPECT_EQ(driver.Parity, outside.Parity);
    EXPECT_EQ(driver.StopBits, outside.StopBits);
    EXPECT_EQ(driver.fOutxCtsFlow, outside.fOutxCtsFlow);
    CSerialPort::SetDcbObserver(pfnPrevious);
}
} // namespace
