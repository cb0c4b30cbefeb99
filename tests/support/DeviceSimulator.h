// A device simulator of tools/ as a test starts it: a Linux process that owns a pty and links it
// as a Wine COM port. Wine starts it by its Z:\ path but cannot wait for it or end it, so the
// simulator ends itself when its ready file goes.
#pragma once
#include <string>
#include <vector>

class DeviceSimulator
{
  public:
    // tool: the simulator's path below the host tools ("stationsim/stationsim").
    explicit DeviceSimulator(const std::string& tool) : m_tool(tool)
    {
    }
    ~DeviceSimulator();
    DeviceSimulator(const DeviceSimulator&) = delete;
    DeviceSimulator& operator=(const DeviceSimulator&) = delete;

    // Starts the simulator on COMn with extra options; false (and a test failure) when it does
    // not come up within a few seconds.
    bool Start(int nPort, const std::string& options = std::string());
    void Stop();
    // The simulator's log lines: "rx <rate> <stop bits> [..]", "tx [..]", ...
    std::vector<std::string> Log() const;
    // Requests that reached the device and were answered or refused, as "01 2F ...".
    std::vector<std::string> Requests() const;
    int Port() const
    {
        return m_nPort;
    }

  private:
    std::string m_tool;
    std::string m_base; // Linux path prefix of the ready and log files
    int m_nPort = 0;
    bool m_bRunning = false;
};

// The QM240D station (tools/stationsim).
class StationSimulator : public DeviceSimulator
{
  public:
    StationSimulator() : DeviceSimulator("stationsim/stationsim")
    {
    }
    static const int kPort = 7; // outside the harness's pairs, not a two-digit port
};

// The Pendix device (tools/pendixsim).
class PendixSimulator : public DeviceSimulator
{
  public:
    PendixSimulator() : DeviceSimulator("pendixsim/pendixsim")
    {
    }
    static const int kPort = 8; // beside the station simulator's, so both can run at once
};
