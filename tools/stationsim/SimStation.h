// The simulated QM240D: its numbered variables, the rate it listens at, and a soldering process
// that moves the measured temperatures through the program states.
#pragma once
#include "SimFrame.h"
#include <cstdint>
#include <utility>
#include <vector>

namespace sim
{

struct StationOptions
{
    uint8_t address = 1;
    int baud = 9600;
    float firmware = 1.71f;
    double processDelaySec = -1.0; // start a process this long after a profile download; < 0: never
    bool processNow = false;
    double cyclePauseSec = -1.0;  // repeat processes while polled, this long apart; < 0: no cycle
    double heatRatePerSec = 20.0; // degrees per second while heating or cooling
    std::vector<std::pair<int, float>> presets; // variables set after the defaults (--var N=V)
};

class Station
{
  public:
    static const int kVariables = 128;

    explicit Station(const StationOptions& options);

    // Answers one parsed request addressed to this station; empty when it stays silent.
    std::vector<uint8_t> Answer(const Request& request);
    // Advances the clock, the counters and the process to the given monotonic time in seconds.
    void Advance(double nowSec);

    int Baud() const
    {
        return m_baud;
    }
    uint8_t Address() const
    {
        return m_options.address;
    }
    float Get(int n) const
    {
        return BitsFloat(m_vars[n]);
    }
    int StoreCount() const
    {
        return m_stores;
    }

  private:
    void Set(int n, float value)
    {
        m_vars[n] = FloatBits(value);
    }
    void Written(int first, int count);
    void StartProcess();
    void SetState(int state);
    void StepProcess(double dt);
    void CycleOnRequest();

    StationOptions m_options;
    int m_baud;
    std::vector<uint32_t> m_vars; // raw 32-bit words, as on the bus
    double m_now = 0.0;
    double m_minuteStart = 0.0;
    double m_clockOffset = 0.0; // seconds added to the host's time of day
    double m_processAt = -1.0;  // when a pending process starts; < 0: none
    double m_cycleDue = 0.0;    // with a cycle: the next process starts at the first request after it
    double m_stateSince = 0.0;
    double m_calibrateUntil = -1.0;
    double m_temperature = 25.0;
    double m_topHeater = 25.0;
    int m_stores = 0;
};

} // namespace sim
