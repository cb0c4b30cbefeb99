// The command layer against the station simulator on a pty it owns.
#include "DeviceSimulator.h"
#include "TestSupport.h"
#include "station/link/CommJob.h"
#include "station/link/IRComBase.h"
#include <algorithm>
#include <functional>

namespace
{
const int kPort = StationSimulator::kPort;

class CommandLayer : public ::testing::Test
{
  protected:
    // A command layer as the view makes it before connecting: port closed, close-after set.
    void Make(DWORD dwBaud = 9600, BOOL bFixed = FALSE)
    {
        m_com.reset(new CIRComBase(kPort, dwBaud, 8, stopBitsOne, parityNone, flowNone, bFixed));
        m_com->SetStationAddress(1);
    }
    StationSimulator m_sim;
    std::unique_ptr<CIRComBase> m_com;
};

TEST_F(CommandLayer, ProbeFindsTheStationRateAndConnects)
{
    ASSERT_TRUE(m_sim.Start(kPort, "--baud 19200"));
    Make(9600);
    EXPECT_EQ(19200.0f, m_com->ProbeBaudRate());
    EXPECT_EQ(0, m_com->GetErrorCount()); // the success cleared the two failed trials
    EXPECT_TRUE(m_com->Connect());
    EXPECT_FLOAT_EQ(1.71f, m_com->m_fVersion);
    EXPECT_EQ(9600u, m_com->GetBaud()); // the stored rate is put back
    EXPECT_EQ("1.71", std::string(m_com->GetVersionText()));
    // the simulator saw the probe at 9600 and 14400 (38400 on a pty) unanswered, then 19200
    auto log = m_sim.Log();
    int deaf = 0;
    for (const auto& line : log)
        deaf += line.find(" deaf ") != std::string::npos;
    EXPECT_GE(deaf, 2);
}

TEST_F(CommandLayer, FixedRateLinkIsNeverProbed)
{
    ASSERT_TRUE(m_sim.Start(kPort, "--baud 115200"));
    Make(9600, TRUE);
    EXPECT_EQ(115200.0f, m_com->ProbeBaudRate());
    EXPECT_TRUE(m_sim.Requests().empty());
}

TEST_F(CommandLayer, ConnectGivesUpAfterItsRetries)
{
    ASSERT_TRUE(m_sim.Start(kPort, "--fault silence --fault-register " +
                                       std::to_string(StationVar::FirmwareVersion)));
    Make();
    EXPECT_FALSE(m_com->Connect());
    EXPECT_TRUE(m_com->IsOffline());
    EXPECT_EQ(4, m_com->GetErrorCount());
    int versionReads = 0;
    for (const auto& r : m_sim.Requests())
        versionReads += r.compare(0, 17, "01 2F 08 14 00 01") == 0;
    EXPECT_EQ(4, versionReads);
}

TEST_F(CommandLayer, FirmwareGatesSendNothingBelowThem)
{
    ASSERT_TRUE(m_sim.Start(kPort, "--firmware 1.59"));
    Make();
    ASSERT_TRUE(m_com->Connect());
    size_t before = m_sim.Requests().size();
    DWORD one = CommJobWord(1.0f);
    EXPECT_TRUE(m_com->WriteVar4(&one, TRUE));
    EXPECT_TRUE(m_com->WriteVar48(3, FALSE));
    EXPECT_TRUE(m_com->ReadOperatingTimes());
    EXPECT_TRUE(m_com->ReadCounters52To53());
    EXPECT_EQ(-1.0f, m_com->m_fCounters52To53[0]);
    EXPECT_EQ(before, m_sim.Requests().size());
    m_sim.Stop();

    // exactly 1.6 passes the first gate, not the others
    ASSERT_TRUE(m_sim.Start(kPort, "--firmware 1.6"));
    Make();
    ASSERT_TRUE(m_com->Connect());
    before = m_sim.Requests().size();
    EXPECT_TRUE(m_com->WriteVar48(3, FALSE));
    EXPECT_TRUE(m_com->ReadOperatingTimes());
    EXPECT_EQ(before + 1, m_sim.Requests().size());
}

TEST_F(CommandLayer, StoreFollowsAWriteWhenAsked)
{
    ASSERT_TRUE(m_sim.Start(kPort));
    Make();
    ASSERT_TRUE(m_com->Connect());
    EXPECT_TRUE(m_com->WriteVar15(123, TRUE));
    EXPECT_TRUE(m_com->WriteVar15(124, FALSE));
    auto requests = m_sim.Requests();
    ASSERT_GE(requests.size(), 3u);
    // 15 <- 123.0 (0x42F60000), then 19 <- 1.0, then 15 <- 124.0 without a store
    EXPECT_EQ("01 4F 0C 0F 00 01 00 00 F6 42", requests[requests.size() - 3].substr(0, 29));
    EXPECT_EQ("01 4F 0C 13 00 01 00 00 80 3F F3 20", requests[requests.size() - 2]);
    EXPECT_EQ("01 4F 0C 0F 00 01 00 00 F8 42", requests.back().substr(0, 29));
}

TEST_F(CommandLayer, FailedReadsLeaveTheCache)
{
    ASSERT_TRUE(m_sim.Start(kPort, "--fault crc --fault-register " + std::to_string(StationVar::StatusFirst) +
                                       " --fault-skip 1"));
    Make();
    ASSERT_TRUE(m_com->Connect());
    ASSERT_TRUE(m_com->ReadStatusBlock());
    float status[StationVar::StatusCount];
    memcpy(status, m_com->m_fStatus, sizeof status);
    EXPECT_EQ(2.0f, m_com->GetCachedVar(StationVar::ProgramState));
    m_com->m_fStatus[StationVar::Pipette - StationVar::StatusFirst] = 77.0f;
    EXPECT_FALSE(m_com->ReadStatusBlock());
    EXPECT_EQ(CMotBusProtocoll::replyBadCrc, m_com->GetLastReplyCheck());
    EXPECT_EQ(77.0f, m_com->m_fStatus[StationVar::Pipette - StationVar::StatusFirst]);
    EXPECT_EQ(1, m_com->GetErrorCount());
}

TEST_F(CommandLayer, FaultsOfTheSimulatorAreRejected)
{
    const struct
    {
        const char* fault;
        CMotBusProtocoll::ReplyCheck result;
    } cases[] = {
        // a late reply comes well after the read time-out (about half a second), even under load
        {"silence", CMotBusProtocoll::replyWrongLength},
        {"short", CMotBusProtocoll::replyWrongLength},
        {"error", CMotBusProtocoll::replyErrorBit},
        {"crc", CMotBusProtocoll::replyBadCrc},
        {"address", CMotBusProtocoll::replyWrongAddress},
        {"function", CMotBusProtocoll::replyWrongFunction},
        {"register", CMotBusProtocoll::replyWrongRegister},
        {"late --late-ms 1200", CMotBusProtocoll::replyWrongLength},
    };
    for (const auto& c : cases)
    {
        ASSERT_TRUE(m_sim.Start(kPort, "--fault-register " + std::to_string(StationVar::ProcessFirst) +
                                           " --fault " + c.fault));
        Make();
        EXPECT_FALSE(m_com->ReadVars0To5()) << c.fault;
        EXPECT_EQ(c.result, m_com->GetLastReplyCheck()) << c.fault;
        m_sim.Stop();
    }
}

TEST_F(CommandLayer, DisplayTexts)
{
    Make();
    m_com->m_fVars0To5[StationVar::Temperature] = 230.0f;
    EXPECT_EQ("230.0C", std::string(m_com->GetTemperatureText(TRUE)));
    EXPECT_EQ("230.0 \xB0"
              "C",
              std::string(m_com->GetTemperatureText(FALSE)));
    m_com->m_fSetup[StationVar::Unit - StationVar::SetupFirst] = 1.0f;
    EXPECT_EQ("446.0 \xB0"
              "F",
              std::string(m_com->GetTemperatureText(FALSE)));
    EXPECT_EQ("IR-Sensor", std::string(CIRComBase::FormatSensorType(1.0f)));
    EXPECT_EQ("TE-Sensor", std::string(m_com->GetSensorText()));
    m_com->m_fOperatingTimes[0] = 125.0f;
    EXPECT_EQ("2 h 5 min", std::string(m_com->GetOperatingTimeText(0)));
    m_com->m_fClock[0] = 5.0f;
    m_com->m_fClock[1] = 4.0f;
    m_com->m_fClock[2] = 13.0f;
    EXPECT_EQ("13:04:05", std::string(m_com->GetModuleTimeText()));
    m_com->m_fVersion = 1.71f;
    EXPECT_EQ("1.71", std::string(m_com->GetVersionText()));
    const struct
    {
        float code;
        const char* message;
        const char* program;
    } texts[] = {{0, "InnenTemp", "Unbekannt"},   {1, "-----", "Aufwaermen"},
                 {2, "-----", "Bereit"},          {3, "OSTR TE-Bruch", "Einloeten"},
                 {4, "OSTR Heizen", "Ausloeten"}, {5, "-----", "Prozessende"},
                 {6, "Heizen", "Kal-Modus"},      {7, "Sensorbruch", "Dauertest"},
                 {9, "EEPROM", "Unbekannt"},      {42, "-----", "Unbekannt"}};
    for (const auto& t : texts)
    {
        m_com->m_fStatus[StationVar::Message - StationVar::StatusFirst] = t.code;
        m_com->m_fStatus[StationVar::ProgramState - StationVar::StatusFirst] = t.code;
        EXPECT_EQ(t.message, std::string(m_com->GetMessageText())) << t.code;
        EXPECT_EQ(t.program, std::string(m_com->GetProgramText())) << t.code;
    }
}

TEST_F(CommandLayer, ProcessMovesTheTemperatures)
{
    ASSERT_TRUE(m_sim.Start(kPort, "--process-delay 0 --heat-rate 200"));
    Make();
    ASSERT_TRUE(m_com->Connect());
    for (int i = 0; i < 8; ++i)
        m_com->m_dwBlockWrite[i] = CommJobWord(i == 0 ? 100.0f : 150.0f);
    ASSERT_TRUE(m_com->WriteVars7To14(FALSE));
    bool heated = false;
    ULONGLONG start = testing_support::NowMs();
    while (!heated && testing_support::NowMs() - start < 8000)
    {
        ::Sleep(100);
        ASSERT_TRUE(m_com->ReadVars0To5());
        ASSERT_TRUE(m_com->ReadStatusBlock());
        heated = m_com->GetCachedVar(StationVar::Temperature) > 90.0f;
    }
    EXPECT_TRUE(heated);
    EXPECT_NE(2.0f, m_com->GetCachedVar(StationVar::ProgramState)) << "a process runs";
}

// The demonstration station of the run command: idle until polled, then one process after the
// other with the pause between them; without the option a station stays idle.
TEST_F(CommandLayer, CyclingStationWorksWhilePolled)
{
    for (bool bCycle : {false, true})
    {
        SCOPED_TRACE(bCycle ? "--cycle" : "no cycle");
        ASSERT_TRUE(m_sim.Start(kPort, bCycle ? "--cycle 1 --heat-rate 400" : "--heat-rate 400"));
        // Unpolled, the station keeps still.
        ::Sleep(1500);
        Make();
        ASSERT_TRUE(m_com->ReadStatusBlock());
        EXPECT_EQ(2.0f, m_com->GetCachedVar(40)) << "ready until the first request";
        int nStarts = 0;
        ULONGLONG readySince = 0, longestPause = 0;
        float state = 2.0f;
        const ULONGLONG start = testing_support::NowMs();
        while (nStarts < 3 && testing_support::NowMs() - start < 12000)
        {
            ::Sleep(50);
            ASSERT_TRUE(m_com->ReadStatusBlock());
            const float now = m_com->GetCachedVar(40);
            if (now == 1.0f && state != 1.0f)
            {
                nStarts++;
                if (readySince != 0)
                    longestPause = std::max(longestPause, testing_support::NowMs() - readySince);
            }
            if (now == 2.0f && state != 2.0f)
                readySince = testing_support::NowMs();
            state = now;
        }
        if (bCycle)
        {
            EXPECT_EQ(3, nStarts);
            EXPECT_GE(longestPause, 900u) << "the pause lies between two processes";
        }
        else
            EXPECT_EQ(0, nStarts);
        m_sim.Stop();
    }
}
} // namespace

namespace
{
// The simulated station answers as its variable map and firmware gates say: reads and writes
// of the variables it has, an error reply for everything else.
TEST_F(CommandLayer, SimulatorKeepsToTheStationsVariableMap)
{
    ASSERT_TRUE(m_sim.Start(kPort, "--firmware 1.68"));
    Make();
    m_com->SetCloseAfterTransfer(FALSE);
    float values[9] = {};
    DWORD one = CommJobWord(1.0f);
    DWORD four[4] = {0, 0, 0, 0};
    const struct
    {
        const char* what;
        std::function<BOOL()> run;
        bool answered;
    } cases[] = {
        {"read 0-5", [&] { return m_com->ReadFloatBlock(values, 1, 0, 6); }, true},
        {"read 50-51 at 1.68", [&] { return m_com->ReadFloatBlock(values, 1, 50, 2); }, true},
        {"read 52-53 below 1.71", [&] { return m_com->ReadFloatBlock(values, 1, 52, 2); }, false},
        {"read 47: no such variable", [&] { return m_com->ReadFloatBlock(values, 1, 47, 1); }, false},
        {"read 64: the rate is no variable", [&] { return m_com->ReadFloatBlock(values, 1, 64, 1); }, false},
        {"read 100", [&] { return m_com->ReadFloatBlock(values, 1, 100, 1); }, false},
        {"read 54-62", [&] { return m_com->ReadFloatBlock(values, 1, 54, 9); }, true},
        {"write 20: the firmware version", [&] { return m_com->WriteValueBlock(&one, 1, 20, 1); }, false},
        {"write 0: a measured value", [&] { return m_com->WriteValueBlock(&one, 1, 0, 1); }, false},
        {"write 46: calibration", [&] { return m_com->WriteValueBlock(&one, 1, 46, 1); }, true},
        {"write 58-61", [&] { return m_com->WriteValueBlock(four, 1, 58, 4); }, true},
        {"write 60-63: past the map", [&] { return m_com->WriteValueBlock(four, 1, 60, 4); }, false},
    };
    for (const auto& c : cases)
    {
        size_t before = m_sim.Log().size();
        EXPECT_EQ(c.answered, !!c.run()) << c.what;
        std::vector<std::string> log = m_sim.Log();
        ASSERT_GT(log.size(), before + 1) << c.what;
        // the reply's function byte carries the error bit when refused
        const std::string& reply = log.back();
        ASSERT_EQ(0u, reply.find("tx [01 ")) << c.what;
        EXPECT_EQ(c.answered, reply.compare(7, 1, "A") != 0 && reply.compare(7, 1, "C") != 0)
            << c.what << ": " << reply;
    }
    m_com->ClosePort();
}
} // namespace
