// The line itself against the station simulator: no request lost to Wine's transmit purge over
// a few hundred reads, and the stop bits the program sets reach the other end.
#include "DeviceSimulator.h"
#include "TestSupport.h"
#include "station/link/IRComBase.h"
#include <sstream>

namespace
{
const int kPort = StationSimulator::kPort;

// Wine flushes unsent output on PurgeComm(PURGE_TXABORT); on a pty the shim keeps the request.
// Without it about one read in a hundred loses its request here, even with the drain.
bool PtyFlushShimLoaded()
{
    char value[2048] = "";
    DWORD n = ::GetEnvironmentVariableA("LD_PRELOAD", value, sizeof value);
    return n > 0 && n < sizeof value && strstr(value, "ptyflush") != NULL;
}

TEST(Line, NoRequestIsLostOverManyStatusReads)
{
    ASSERT_TRUE(PtyFlushShimLoaded())
        << "tests run through tools/wine-run.sh, which preloads the pty flush shim";
    const struct
    {
        BOOL bCloseAfter;
        const char* how;
    } modes[] = {{FALSE, "port kept open"}, {TRUE, "port opened per request"}};
    const int kReads = 300;
    for (const auto& m : modes)
    {
        StationSimulator sim;
        ASSERT_TRUE(sim.Start(kPort));
        CIRComBase com(kPort, 9600, 8, stopBitsOne, parityNone, flowNone, FALSE);
        com.SetStationAddress(1);
        com.SetCloseAfterTransfer(m.bCloseAfter);
        int failed = 0;
        for (int i = 0; i < kReads; ++i)
            failed += !com.ReadStatusBlock();
        com.ClosePort();
        EXPECT_EQ(0, failed) << m.how;
        auto requests = sim.Requests();
        EXPECT_EQ((size_t)kReads, requests.size()) << m.how;
        for (const auto& r : requests)
            EXPECT_EQ(0u, r.find("01 2F 08 23 00 08")) << m.how << ": " << r;
        int dropped = 0;
        for (const auto& line : sim.Log())
            dropped += line.find(" drop ") != std::string::npos;
        EXPECT_EQ(0, dropped) << m.how << ": cut requests reached the station";
    }
}

// Linux ptys keep CSTOPB but have no one-and-a-half stop bits: Wine sets two for 1.5, so the
// station sees 2 and GetCommState reads TWOSTOPBITS back.
TEST(Line, StationSeesTheStopBitsSet)
{
    const struct
    {
        DWORD dwStopBits;
        int nOnLine;
        BYTE byReadBack;
    } cases[] = {
        {stopBitsOne, 1, ONESTOPBIT}, {stopBitsTwo, 2, TWOSTOPBITS}, {stopBitsOneHalf, 2, TWOSTOPBITS}};
    StationSimulator sim;
    ASSERT_TRUE(sim.Start(kPort));
    for (const auto& c : cases)
    {
        CIRComBase com(kPort, 9600, 8, c.dwStopBits, parityNone, flowNone, FALSE);
        com.SetStationAddress(1);
        com.SetCloseAfterTransfer(TRUE);
        size_t before = sim.Log().size();
        ASSERT_TRUE(com.ReadVars0To5()) << c.dwStopBits;
        auto log = sim.Log();
        int seen = 0;
        for (size_t i = before; i < log.size(); ++i)
        {
            // "rx <rate> <stop bits> [frame]"
            std::istringstream in(log[i]);
            std::string word;
            int rate = 0, stop = 0;
            if (in >> word >> rate >> stop && word == "rx")
            {
                EXPECT_EQ(9600, rate);
                EXPECT_EQ(c.nOnLine, stop) << "stop bits set " << c.dwStopBits;
                ++seen;
            }
        }
        EXPECT_EQ(1, seen) << c.dwStopBits;

        CSerialPort port;
        port.Open(kPort, 9600, parityNone, 8, (int)c.dwStopBits, flowNone, FALSE);
        DCB dcb;
        port.GetState(&dcb);
        EXPECT_EQ(c.byReadBack, dcb.StopBits) << c.dwStopBits;
    }
}

// The demo that tools/run.sh shows until the application exists still reads the station.
TEST(Line, DemoReadsTheSimulatedStation)
{
    StationSimulator sim;
    ASSERT_TRUE(sim.Start(kPort, "--process"));
    char path[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(NULL, path, MAX_PATH);
    ASSERT_TRUE(n > 0 && n < MAX_PATH);
    std::string demo(path);
    demo = demo.substr(0, demo.find_last_of('\\') + 1) + "station_link_demo.exe";
    testing_support::ChildProcess process;
    ASSERT_TRUE(
        process.Start("\"" + demo + "\" --port " + std::to_string(kPort) + " --reads 3 --interval 50"));
    EXPECT_EQ(0, process.Wait(20000));
    EXPECT_GE(sim.Requests().size(), 3u + 3 * 4);
}
} // namespace

namespace
{
// A station that stops reading without closing the line: what is written stays in the line until
// the write time-out; the transfer fails within it instead of waiting for the bytes to leave.
TEST(Line, StalledLineFailsWithinTheWriteTimeout)
{
    StationSimulator sim;
    // the simulator's short lifetime ends a transfer that would wait for ever
    ASSERT_TRUE(sim.Start(kPort, "--fault stall --fault-register " + std::to_string(StationVar::StatusFirst) +
                                     " --lifetime 20"));
    CIRComBase com(kPort, 9600, 8, stopBitsOne, parityNone, flowNone, FALSE);
    com.SetStationAddress(1);
    com.SetCloseAfterTransfer(FALSE);
    com.SetTransferTimeouts(20, 10, 100, 0, 500); // writes may take half a second
    EXPECT_FALSE(com.ReadStatusBlock());          // the station stalls here
    std::vector<BYTE> big(64 * 1024, 0x55);
    ULONGLONG start = testing_support::NowMs();
    int nRead = com.Transfer(big.data(), (DWORD)big.size(), 10, FALSE);
    DWORD elapsed = (DWORD)(testing_support::NowMs() - start);
    EXPECT_EQ(0, nRead);
    EXPECT_LT(elapsed, 500u + 2000) << "bounded by the write time-out";
    EXPECT_EQ(0u, com.TakeTransferError()) << "a held line is a failed transfer, not a port error";
    // the port stays usable: the next transfer fails within the time-outs as well
    start = testing_support::NowMs();
    EXPECT_FALSE(com.ReadStatusBlock());
    EXPECT_LT(testing_support::NowMs() - start, 2500u);
    com.ClosePort();
}
} // namespace

namespace
{
// Replies paced at the line's byte time take their wire time: the read time-outs are tried
// against it, and a reply of some sixty bytes still arrives whole.
TEST(Line, PacedRepliesTakeTheirWireTime)
{
    StationSimulator sim;
    ASSERT_TRUE(sim.Start(kPort, "--paced"));
    CIRComBase com(kPort, 9600, 8, stopBitsOne, parityNone, flowNone, FALSE);
    com.SetStationAddress(1);
    com.SetCloseAfterTransfer(FALSE);
    ASSERT_TRUE(com.ReadStatusBlock()); // opens the port
    ULONGLONG before = testing_support::NowMs();
    ASSERT_TRUE(com.ReadSetupBlock());
    double elapsed = (double)(testing_support::NowMs() - before);
    std::string reply;
    for (const std::string& line : sim.Log())
        if (line.compare(0, 4, "tx [") == 0)
            reply = line;
    size_t bytes = (reply.size() - 4) / 3; // "XX " per byte, the last one closed by ']'
    ASSERT_GT(bytes, 50u);
    EXPECT_GE(elapsed, bytes * 10 * 1000.0 / 9600 - 2) << bytes << " bytes at 9600 baud";
    com.ClosePort();
}
} // namespace
