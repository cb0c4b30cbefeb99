// The station simulator (tools/stationsim) as a test starts it: a Linux process that owns a pty
// and links it as a Wine COM port. Wine starts it by its Z:\ path but cannot wait for it or end
// it, so the simulator ends itself when its ready file goes.
#pragma once
#include <string>
#include <vector>

class StationSimulator
{
public:
    StationSimulator() = default;
    ~StationSimulator();
    StationSimulator(const StationSimulator&) = delete;
    StationSimulator& operator=(const StationSimulator&) = delete;

    // Starts the simulator on COMn with extra options; false (and a test failure) when it does
    // not come up within a few seconds.
    bool Start(int nPort, const std::string& options = std::string());
    void Stop();
    // The simulator's log lines: "rx <rate> <stop bits> [..]", "tx [..]", ...
    std::vector<std::string> Log() const;
    // Request frames that reached the station and were answered or refused, as "01 2F ...".
    std::vector<std::string> Requests() const;
    int Port() const { return m_nPort; }

    static const int kPort = 7; // outside the harness's pairs, not a two-digit port

private:
    std::string m_base; // Linux path prefix of the ready and log files
    int m_nPort = 0;
    bool m_bRunning = false;
};
