// Station simulator: opens a pseudo-terminal, links its slave where the program expects a COM
// port, and answers the station bus protocol on the master at its own rate only, like a real
// station. Faults can be injected to test the program's reply checks and retries.
#include "SimFrame.h"
#include "SimLine.h"
#include "SimStation.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace
{

enum class Fault
{
    None,
    Silence,
    Short,
    Error,
    Crc,
    Address,
    Function,
    Register,
    Late,
    Vanish,
    Stall
};

struct Options
{
    sim::StationOptions station;
    sim::LineOptions line;
    Fault fault = Fault::None;
    sim::FaultWindow faultWindow;
    int faultRegister = -1;
    int faultFunction = -1;
    int lateMs = 500;
};

void Usage()
{
    fprintf(stderr, "usage: stationsim (--com N | --link PATH) [options]\n%s", sim::LineUsage());
    fprintf(stderr,
            "  --address A          bus address (default 1)\n"
            "  --baud B             rate the station listens at (default 9600)\n"
            "  --firmware V         firmware version, variable 20 (default 1.71)\n"
            "  --process-delay S    start a soldering process S seconds after a profile download\n"
            "  --process            start a soldering process at once\n"
            "  --cycle S            start a process at the first request and another one S seconds\n"
            "                       after each one ended, at the next request (the program polls)\n"
            "  --heat-rate R        degrees per second while heating (default 20)\n"
            "  --var N=V            start with variable N at V (repeatable)\n"
            "  --fault KIND         silence|short|error|crc|address|function|register|late|vanish|stall\n"
            "  --fault-skip N       answer the first N matching requests normally\n"
            "  --fault-count N      spoil N requests, then answer normally (default: all)\n"
            "  --fault-register R   spoil only block requests for register R\n"
            "  --fault-function F   spoil only requests with function code F\n"
            "  --late-ms MS         delay of a late reply (default 500)\n");
}

bool ParseFault(const char* name, Fault& out)
{
    static const struct
    {
        const char* name;
        Fault fault;
    } faults[] = {{"silence", Fault::Silence},   {"short", Fault::Short},     {"error", Fault::Error},
                  {"crc", Fault::Crc},           {"address", Fault::Address}, {"function", Fault::Function},
                  {"register", Fault::Register}, {"late", Fault::Late},       {"vanish", Fault::Vanish},
                  {"stall", Fault::Stall}};
    for (const auto& f : faults)
        if (strcmp(name, f.name) == 0)
        {
            out = f.fault;
            return true;
        }
    return false;
}

// "N=V": variable N (0-127) starts at V.
bool ParseVariable(const char* text, sim::StationOptions& station)
{
    char* end = nullptr;
    long n = strtol(text, &end, 10);
    if (end == text || *end != '=' || n < 0 || n >= sim::Station::kVariables)
    {
        fprintf(stderr, "stationsim: --var wants N=V with N from 0 to %d\n", sim::Station::kVariables - 1);
        return false;
    }
    const char* valueText = end + 1;
    float value = strtof(valueText, &end);
    if (end == valueText || *end != '\0')
    {
        fprintf(stderr, "stationsim: --var wants a number after '='\n");
        return false;
    }
    station.presets.emplace_back(static_cast<int>(n), value);
    return true;
}

bool ParseOptions(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i)
    {
        if (sim::ParseLineOption(argc, argv, i, o.line, "stationsim"))
            continue;
        std::string arg = argv[i];
        auto value = [&]() -> const char* {
            if (i + 1 >= argc)
            {
                fprintf(stderr, "stationsim: %s needs a value\n", arg.c_str());
                exit(2);
            }
            return argv[++i];
        };
        if (arg == "--address")
            o.station.address = static_cast<uint8_t>(strtol(value(), nullptr, 0));
        else if (arg == "--baud")
            o.station.baud = atoi(value());
        else if (arg == "--firmware")
            o.station.firmware = static_cast<float>(atof(value()));
        else if (arg == "--process-delay")
            o.station.processDelaySec = atof(value());
        else if (arg == "--process")
            o.station.processNow = true;
        else if (arg == "--cycle")
            o.station.cyclePauseSec = std::max(0.0, atof(value()));
        else if (arg == "--heat-rate")
            o.station.heatRatePerSec = atof(value());
        else if (arg == "--var")
        {
            if (!ParseVariable(value(), o.station))
                return false;
        }
        else if (arg == "--fault")
        {
            if (!ParseFault(value(), o.fault))
                return false;
        }
        else if (arg == "--fault-skip")
            o.faultWindow.skip = atoi(value());
        else if (arg == "--fault-count")
            o.faultWindow.count = atoi(value());
        else if (arg == "--fault-register")
            o.faultRegister = static_cast<int>(strtol(value(), nullptr, 0));
        else if (arg == "--fault-function")
            o.faultFunction = static_cast<int>(strtol(value(), nullptr, 0));
        else if (arg == "--late-ms")
            o.lateMs = atoi(value());
        else
            return false;
    }
    return !o.line.link.empty();
}

// A pty cannot carry 14400: Wine leaves it at 38400 there, so the two look alike on the line.
bool RateMatches(int station, int line)
{
    return station == line || (station == 14400 && line == 38400);
}

// The station as a device on the line: frames assembled by their announced length, answered by
// the station model, spoiled by the chosen fault.
class StationDevice : public sim::Device
{
  public:
    explicit StationDevice(const Options& o) : m_o(o), m_station(o.station)
    {
    }

    void Advance(double nowSec) override
    {
        m_station.Advance(nowSec);
    }
    void Receive(sim::Line& line, const uint8_t* bytes, size_t count, double nowSec) override;

  private:
    void HandleFrame(sim::Line& line, const std::vector<uint8_t>& frame);
    bool Spoils(const sim::Request& r);

    Options m_o;
    sim::Station m_station;
    sim::RequestBuffer m_buffer;
};

bool StationDevice::Spoils(const sim::Request& r)
{
    if (m_o.fault == Fault::None)
        return false;
    if (m_o.faultRegister >= 0 && !((r.function == '/' || r.function == 'O') && r.reg == m_o.faultRegister))
        return false;
    if (m_o.faultFunction >= 0 && r.function != m_o.faultFunction)
        return false;
    return m_o.faultWindow.Spoils();
}

void StationDevice::HandleFrame(sim::Line& line, const std::vector<uint8_t>& frame)
{
    int stopBits = 0;
    int baud = line.Baud(&stopBits);
    std::string hex = sim::Line::Hex(frame);
    sim::Request r;
    if (!sim::ParseRequest(frame, r))
    {
        line.Log("rx %d %d bad [%s]", baud, stopBits, hex.c_str());
        return;
    }
    if (!RateMatches(m_station.Baud(), baud))
    {
        line.Log("rx %d %d deaf [%s]", baud, stopBits, hex.c_str());
        return;
    }
    if (r.address != m_station.Address())
    {
        line.Log("rx %d %d other [%s]", baud, stopBits, hex.c_str());
        return;
    }
    bool spoil = Spoils(r);
    std::vector<uint8_t> reply = m_station.Answer(r);
    line.Log("rx %d %d [%s]", baud, stopBits, hex.c_str());
    if (reply.empty())
        return;
    if (spoil)
    {
        auto recrc = [&reply]() {
            uint16_t crc = sim::Crc16(reply.data(), reply.size() - 2);
            reply[reply.size() - 2] = static_cast<uint8_t>(crc & 0xFF);
            reply[reply.size() - 1] = static_cast<uint8_t>(crc >> 8);
        };
        switch (m_o.fault)
        {
        case Fault::Silence:
            line.Log("tx silent");
            return;
        case Fault::Vanish:
            line.Vanish();
            return;
        case Fault::Stall:
            line.Stall();
            return;
        case Fault::Short:
            reply.resize(reply.size() - 2);
            break;
        case Fault::Error:
            reply[1] |= 0x80;
            recrc();
            break;
        case Fault::Crc:
            reply[reply.size() - 1] ^= 0x5A;
            break;
        case Fault::Address:
            reply[0] = static_cast<uint8_t>(reply[0] + 1);
            recrc();
            break;
        case Fault::Function:
            reply[1] ^= 0x01;
            recrc();
            break;
        case Fault::Register:
            reply[3] = static_cast<uint8_t>(reply[3] + 1);
            recrc();
            break;
        case Fault::Late:
            usleep(static_cast<useconds_t>(m_o.lateMs) * 1000);
            break;
        case Fault::None:
            break;
        }
    }
    line.Send(reply);
}

void StationDevice::Receive(sim::Line& line, const uint8_t* bytes, size_t count, double nowSec)
{
    m_buffer.Add(line, bytes, count, nowSec);
    while (m_buffer.Bytes().size() >= 3 && !line.Gone())
    {
        size_t length = sim::AnnouncedLength(m_buffer.Bytes());
        if (length < 8)
        {
            m_buffer.Drop(line);
            break;
        }
        if (m_buffer.Bytes().size() < length)
            break;
        HandleFrame(line, m_buffer.Take(length));
    }
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options))
    {
        Usage();
        return 2;
    }
    StationDevice station(options);
    char greeting[128];
    snprintf(greeting, sizeof greeting, "address %d baud %d firmware %.2f", options.station.address,
             options.station.baud, options.station.firmware);
    return sim::Serve(options.line, station, greeting);
}
