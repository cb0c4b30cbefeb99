#include "SimStation.h"
#include <algorithm>
#include <cmath>
#include <ctime>

namespace sim
{

namespace
{
const double kAmbient = 25.0;
// Program states of variable 40.
enum
{
    kHeating = 1,
    kReady = 2,
    kSoldering = 3,
    kDesoldering = 4,
    kEnd = 5,
    kCalibrating = 6,
    kEndurance = 7
};

// The station's variables as its firmware offers them: which can be read and written, and from
// which firmware version. A variable outside every range, a write to a read-only variable and an
// access below the gate get an error reply. The rate of functions 0x20 and 0x40 is no variable.
struct VariableRange
{
    int first;
    int last;
    bool read;
    bool write;
    float gate; // the firmware version from which the access exists; 0: always
};
const VariableRange g_variableMap[] = {
    {0, 5, true, false, 0.0f},   {4, 5, false, true, 1.6f},    {6, 18, true, false, 0.0f},
    {7, 15, false, true, 0.0f},  {18, 19, false, true, 0.0f},  {20, 20, true, false, 0.0f},
    {21, 34, true, false, 0.0f}, {35, 42, true, false, 0.0f},  {37, 38, false, true, 0.0f},
    {43, 45, true, true, 0.0f},  {46, 46, false, true, 0.0f},  {48, 49, false, true, 1.6f},
    {50, 51, true, true, 1.68f}, {52, 53, true, false, 1.71f}, {54, 62, true, false, 0.0f},
    {54, 61, false, true, 0.0f},
};

bool Allowed(int n, bool write, float firmware)
{
    for (const VariableRange& range : g_variableMap)
        if (n >= range.first && n <= range.last && (write ? range.write : range.read) &&
            firmware >= range.gate)
            return true;
    return false;
}

bool AllAllowed(int first, int count, bool write, float firmware)
{
    for (int n = first; n < first + count; ++n)
        if (!Allowed(n, write, firmware))
            return false;
    return true;
}

double TimeOfDay()
{
    time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
}

double Approach(double value, double target, double step)
{
    if (value < target)
        return std::min(target, value + step);
    return std::max(target, value - step);
}
} // namespace

Station::Station(const StationOptions& options)
    : m_options(options), m_baud(options.baud), m_vars(kVariables, 0)
{
    // clang-format off
    static const struct
    {
        int n;
        float value;
    } defaults[] = {
        {4, 1.0f},   {5, 1.0f},    {6, 1.0f},   {7, 150.0f},  {8, 60.0f},   {9, 220.0f},  {10, 235.0f},
        {11, 217.0f}, {12, 50.0f}, {18, 1000.0f}, {23, 50.0f}, {24, 250.0f}, {25, 10.0f}, {26, 600.0f},
        {27, 100.0f}, {28, 300.0f}, {29, 100.0f}, {30, 300.0f}, {31, 100.0f}, {32, 300.0f}, {33, 0.0f},
        {34, 100.0f}, {40, 2.0f},  {50, 125.0f}, {51, 7.0f},  {53, 0.0f},
        {39, 1.0f}, // no message: code 0 is the inner-temperature fault
    };
    // clang-format on
    for (const auto& d : defaults)
        Set(d.n, d.value);
    Set(20, options.firmware);
    Set(0, kAmbient);
    Set(1, kAmbient);
    Set(3, kAmbient);
    Set(52, kAmbient * 10);
    for (const auto& preset : options.presets)
        if (preset.first >= 0 && preset.first < kVariables)
            Set(preset.first, preset.second);
    if (options.processNow)
        m_processAt = 0.0;
}

// A demonstration station works while the program polls it: a process starts at the first
// request, and each further one at the first request a pause after the last one ended.
void Station::CycleOnRequest()
{
    if (m_options.cyclePauseSec < 0 || m_processAt >= 0 || static_cast<int>(Get(40)) != kReady ||
        m_now < m_cycleDue)
        return;
    m_processAt = m_now;
}

std::vector<uint8_t> Station::Answer(const Request& r)
{
    const uint8_t a = m_options.address;
    CycleOnRequest();
    switch (r.function)
    {
    case 0x20: // baud query: the station's own rate, asked for as register 0, one value
        if (r.reg != 0 || r.count != 1 || !r.values.empty())
            return BuildReply(a, r.function | 0x80, r.reg, 0, {}, false);
        return BuildReply(a, r.function, 0, 1, {FloatBits(static_cast<float>(m_baud))}, true);
    case 0x40: // baud change: the reply still goes out at the old rate
    {
        if (r.reg != 0 || r.count != 1 || r.values.size() != 1)
            return BuildReply(a, r.function | 0x80, r.reg, 0, {}, false);
        std::vector<uint8_t> reply = BuildReply(a, r.function, 0, 0, {}, false);
        int baud = static_cast<int>(BitsFloat(r.values[0]));
        if (baud > 0)
            m_baud = baud;
        return reply;
    }
    case '/': {
        if (r.count == 0 || r.reg + r.count > kVariables || !r.values.empty() ||
            !AllAllowed(r.reg, r.count, false, m_options.firmware))
            return BuildReply(a, r.function | 0x80, r.reg, 0, {}, false);
        std::vector<uint32_t> values(m_vars.begin() + r.reg, m_vars.begin() + r.reg + r.count);
        return BuildReply(a, r.function, r.reg, r.count, values, true);
    }
    case 'O': {
        if (r.count == 0 || r.reg + r.count > kVariables || r.values.size() != r.count ||
            !AllAllowed(r.reg, r.count, true, m_options.firmware))
            return BuildReply(a, r.function | 0x80, r.reg, 0, {}, false);
        for (int i = 0; i < r.count; ++i)
            m_vars[r.reg + i] = r.values[i];
        Written(r.reg, r.count);
        return BuildReply(a, r.function, r.reg, 0, {}, false);
    }
    default:
        return BuildReply(a, r.function | 0x80, r.reg, 0, {}, false);
    }
}

// Side effects of writes: commands, the clock, the profile download trigger.
void Station::Written(int first, int count)
{
    auto touches = [&](int n) { return first <= n && n < first + count; };
    if (touches(19) && Get(19) != 0.0f)
    {
        ++m_stores;
        Set(19, 0.0f);
    }
    if (touches(43) || touches(44) || touches(45))
    {
        double wanted = Get(45) * 3600.0 + Get(44) * 60.0 + Get(43);
        m_clockOffset = wanted - TimeOfDay();
    }
    if (touches(46) && Get(46) != 0.0f)
    {
        Set(46, 0.0f);
        SetState(kCalibrating);
        m_calibrateUntil = m_now + 2.0;
    }
    if (touches(56))
        SetState(Get(56) != 0.0f ? kEndurance : kReady);
    if (touches(7) && m_options.processDelaySec >= 0)
        m_processAt = m_now + m_options.processDelaySec;
}

void Station::SetState(int state)
{
    Set(40, static_cast<float>(state));
    m_stateSince = m_now;
}

void Station::StartProcess()
{
    m_processAt = -1.0;
    Set(36, 1.0f); // swivel arm in
    Set(42, 1.0f); // top heater on
    Set(41, Get(12) > 0.0f ? 1.0f : 0.0f);
    Set(37, 0.0f);
    SetState(kHeating);
}

void Station::StepProcess(double dt)
{
    const double step = m_options.heatRatePerSec * dt;
    const int state = static_cast<int>(Get(40));
    double target = kAmbient;
    switch (state)
    {
    case kHeating:
        target = Get(7);
        if (std::fabs(m_temperature - target) < 1.0 && m_now - m_stateSince >= 1.0)
            SetState(static_cast<int>(Get(6)) % 2 == 0 ? kDesoldering : kSoldering);
        break;
    case kSoldering:
    case kDesoldering:
        target = m_temperature < Get(11) ? Get(9) : Get(10);
        if (m_temperature >= Get(10) - 1.0)
        {
            if (state == kDesoldering)
            {
                Set(35, 1.0f); // pipette down, pump on: the part is lifted
                Set(38, 1.0f);
            }
            Set(36, 0.0f);
            Set(42, 0.0f);
            Set(41, 0.0f);
            Set(37, 1.0f); // fan cools
            SetState(kEnd);
        }
        break;
    case kEnd:
        if (m_temperature < Get(11) - 50.0)
        {
            Set(35, 0.0f);
            Set(38, 0.0f);
            Set(37, 0.0f);
            SetState(kReady);
            m_cycleDue = m_now + m_options.cyclePauseSec;
        }
        break;
    case kCalibrating:
        if (m_now >= m_calibrateUntil)
            SetState(kReady);
        break;
    default:
        break;
    }
    m_temperature = Approach(m_temperature, target, step);
    double topTarget = Get(42) != 0.0f ? target + 60.0 : kAmbient;
    m_topHeater = Approach(m_topHeater, topTarget, step * 2);
    Set(3, static_cast<float>(m_temperature));
    Set(0, static_cast<float>(m_temperature * Get(4)));
    Set(1, static_cast<float>((m_temperature + 2.0) * Get(5)));
    Set(52, static_cast<float>(std::floor(m_topHeater * 10.0)));
}

void Station::Advance(double nowSec)
{
    double dt = m_minuteStart == 0.0 && m_now == 0.0 ? 0.0 : nowSec - m_now;
    if (m_minuteStart == 0.0)
        m_minuteStart = nowSec;
    m_now = nowSec;
    if (m_processAt >= 0 && m_now >= m_processAt)
        StartProcess();
    StepProcess(dt);

    double clock = std::fmod(TimeOfDay() + m_clockOffset + 86400.0, 86400.0);
    Set(45, static_cast<float>(static_cast<int>(clock / 3600)));
    Set(44, static_cast<float>(static_cast<int>(std::fmod(clock, 3600.0) / 60)));
    Set(43, static_cast<float>(static_cast<int>(std::fmod(clock, 60.0))));

    while (m_now - m_minuteStart >= 60.0)
    {
        m_minuteStart += 60.0;
        Set(50, Get(50) + 1.0f);
        if (Get(42) != 0.0f)
            Set(51, Get(51) + 1.0f);
    }
    if (static_cast<int>(Get(40)) == kEndurance && Get(57) != 0.0f)
        Set(58, Get(58) + static_cast<float>(dt)); // seconds of endurance run
}

} // namespace sim
