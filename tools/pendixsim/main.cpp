// Pendix simulator: answers the Pendix device's one-letter commands on the simulators' line
// layer, at 9600 baud only, each command recognised by its first byte and its fixed argument
// length, each reply of the length the program waits for. The status block comes from the
// options and a clock running from the host's time; faults spoil chosen replies.
#include "SimLine.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace
{

enum class Fault
{
    None,
    Silence,
    Short,
    Echo,
    Vanish,
    Stall
};

struct Options
{
    sim::LineOptions line;
    std::string ident = "Pendix2004 V1.2 Simulator";
    int serial = 1234;
    int versions[3] = {12, 11, 10}; // software, digital, analog, in tenths
    int channels[8] = {581, 100, 581, 581, 581, 581, 581, 581};
    int battery = 600;     // 3.87 V
    int temperature = 200; // 25.8 °C
    int maxTemperature = 250;
    int warning = 0;
    int overflow[3] = {0, 0, 0};
    int memory[6] = {64, 4096, 8192, 2000, 12, 34}; // packet length, contact, analog size, free, counts
    int logStart = 0;
    int logEnd = 40;
    Fault fault = Fault::None;
    int faultCommand = -1; // only this command byte; -1: every command
    sim::FaultWindow faultWindow;
};

void Usage()
{
    fprintf(stderr, "usage: pendixsim (--com N | --link PATH) [options]\n%s", sim::LineUsage());
    fprintf(stderr, "  --ident TEXT         identification text\n"
                    "  --serial N           serial number\n"
                    "  --versions S,D,A     software, digital and analog versions in tenths\n"
                    "  --channels R0,..,R7  raw channel readings\n"
                    "  --battery R          raw battery reading\n"
                    "  --temperature R      raw internal temperature\n"
                    "  --max-temperature R  raw maximum internal temperature\n"
                    "  --warning F          internal temperature warning flag\n"
                    "  --overflow D,C,A     data, contact and analog overflow flags\n"
                    "  --memory P,C,A,F,NC,NA  packet length, memory sizes, free memory, value counts\n"
                    "  --log-start N, --log-end N  what 'g' and 'P' report\n"
                    "  --fault KIND         silence|short|echo|vanish|stall\n"
                    "  --fault-command C    spoil only this command (a letter or a number)\n"
                    "  --fault-skip N       answer the first N matching commands normally\n"
                    "  --fault-count N      spoil N commands, then answer normally (default: all)\n");
}

void ParseList(const char* text, int* out, int count)
{
    for (int i = 0; i < count && text && *text; ++i)
    {
        char* end = nullptr;
        out[i] = static_cast<int>(strtol(text, &end, 0));
        text = (end && *end == ',') ? end + 1 : end;
    }
}

bool ParseOptions(int argc, char** argv, Options& o)
{
    static const struct
    {
        const char* name;
        Fault fault;
    } faults[] = {{"silence", Fault::Silence},
                  {"short", Fault::Short},
                  {"echo", Fault::Echo},
                  {"vanish", Fault::Vanish},
                  {"stall", Fault::Stall}};
    for (int i = 1; i < argc; ++i)
    {
        if (sim::ParseLineOption(argc, argv, i, o.line, "pendixsim"))
            continue;
        std::string arg = argv[i];
        if (i + 1 >= argc)
            return false;
        const char* value = argv[++i];
        if (arg == "--ident")
            o.ident = value;
        else if (arg == "--serial")
            o.serial = atoi(value);
        else if (arg == "--versions")
            ParseList(value, o.versions, 3);
        else if (arg == "--channels")
            ParseList(value, o.channels, 8);
        else if (arg == "--battery")
            o.battery = atoi(value);
        else if (arg == "--temperature")
            o.temperature = atoi(value);
        else if (arg == "--max-temperature")
            o.maxTemperature = atoi(value);
        else if (arg == "--warning")
            o.warning = atoi(value);
        else if (arg == "--overflow")
            ParseList(value, o.overflow, 3);
        else if (arg == "--memory")
            ParseList(value, o.memory, 6);
        else if (arg == "--log-start")
            o.logStart = atoi(value);
        else if (arg == "--log-end")
            o.logEnd = atoi(value);
        else if (arg == "--fault")
        {
            bool known = false;
            for (const auto& f : faults)
                if (strcmp(value, f.name) == 0)
                {
                    o.fault = f.fault;
                    known = true;
                }
            if (!known)
                return false;
        }
        else if (arg == "--fault-command")
            o.faultCommand = strlen(value) == 1 ? static_cast<unsigned char>(value[0])
                                                : static_cast<int>(strtol(value, nullptr, 0));
        else if (arg == "--fault-skip")
            o.faultWindow.skip = atoi(value);
        else if (arg == "--fault-count")
            o.faultWindow.count = atoi(value);
        else
            return false;
    }
    return !o.line.link.empty();
}

// A command: its first byte, the argument bytes that follow, the reply length.
struct Command
{
    uint8_t code;
    size_t arguments;
    const char* name;
};
const Command g_commands[] = {
    {0x0D, 0, "identify"}, {'I', 0, "status"},        {'N', 2, "serial"},    {' ', 0, "reset"},
    {'U', 3, "clock"},     {'K', 0, "calibrate end"}, {'k', 0, "calibrate"}, {'O', 16, "offsets"},
    {'R', 0, "log reset"}, {'g', 0, "log start"},     {'P', 0, "log end"},   {'S', 2, "set log start"},
    {'l', 0, "log"},
};

const Command* FindCommand(uint8_t code)
{
    for (const Command& c : g_commands)
        if (c.code == code)
            return &c;
    return nullptr;
}

void Put16(std::vector<uint8_t>& out, size_t at, int value)
{
    out[at] = static_cast<uint8_t>(value & 0xFF);
    out[at + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

class Pendix : public sim::Device
{
  public:
    explicit Pendix(const Options& o) : m_o(o)
    {
    }
    void Advance(double nowSec) override
    {
        m_now = nowSec;
    }
    void Receive(sim::Line& line, const uint8_t* bytes, size_t count, double nowSec) override;

  private:
    void Handle(sim::Line& line, const std::vector<uint8_t>& frame);
    std::vector<uint8_t> Answer(sim::Line& line, const std::vector<uint8_t>& frame);
    std::vector<uint8_t> Status() const;
    bool Spoils(uint8_t code);
    long SecondsOfDay() const;

    Options m_o;
    double m_now = 0.0;
    sim::RequestBuffer m_buffer;
    long m_clockOffset = 0; // seconds added to the host's local time of day
};

long Pendix::SecondsOfDay() const
{
    time_t t = time(nullptr);
    struct tm local;
    localtime_r(&t, &local);
    long s = local.tm_hour * 3600L + local.tm_min * 60L + local.tm_sec + m_clockOffset;
    return ((s % 86400) + 86400) % 86400;
}

std::vector<uint8_t> Pendix::Status() const
{
    std::vector<uint8_t> b(57, 0);
    Put16(b, 0, m_o.serial);
    for (int i = 0; i < 3; ++i)
        b[2 + i] = static_cast<uint8_t>(m_o.versions[i]);
    long s = SecondsOfDay();
    b[5] = static_cast<uint8_t>(s % 60);
    b[6] = static_cast<uint8_t>(s / 60 % 60);
    b[7] = static_cast<uint8_t>(s / 3600);
    b[8] = static_cast<uint8_t>(static_cast<long>(m_now * 500) & 0xFF);
    Put16(b, 9, static_cast<int>(m_now * 2));
    for (int i = 0; i < 8; ++i)
        Put16(b, 11 + 2 * i, m_o.channels[i]);
    Put16(b, 29, m_o.temperature);
    Put16(b, 33, m_o.battery);
    for (int i = 0; i < 6; ++i)
        Put16(b, 39 + 2 * i, m_o.memory[i]);
    for (int i = 0; i < 3; ++i)
        b[51 + i] = static_cast<uint8_t>(m_o.overflow[i]);
    b[54] = static_cast<uint8_t>(m_o.warning);
    Put16(b, 55, m_o.maxTemperature);
    return b;
}

bool Pendix::Spoils(uint8_t code)
{
    if (m_o.fault == Fault::None)
        return false;
    if (m_o.faultCommand >= 0 && code != m_o.faultCommand)
        return false;
    return m_o.faultWindow.Spoils();
}

std::vector<uint8_t> Pendix::Answer(sim::Line& line, const std::vector<uint8_t>& frame)
{
    std::vector<uint8_t> reply;
    switch (frame[0])
    {
    case 0x0D:
        reply.assign(43, 0);
        reply[0] = 0x0D;
        reply[1] = 0x0A;
        memcpy(reply.data() + 2, m_o.ident.c_str(), std::min<size_t>(m_o.ident.size(), 40));
        break;
    case 'I':
        reply = Status();
        break;
    case 'N':
        m_o.serial = frame[1] | frame[2] << 8;
        reply = {frame[1], frame[2]};
        break;
    case 'U':
        // seconds, minutes, hours: the clock runs on from there
        m_clockOffset = 0;
        m_clockOffset = frame[3] * 3600L + frame[2] * 60L + frame[1] - SecondsOfDay();
        line.Log("clock %02d:%02d:%02d", frame[3], frame[2], frame[1]);
        break;
    case 'K':
    case 'k':
        reply = {0x06};
        break;
    case 'g':
        reply.assign(2, 0);
        Put16(reply, 0, m_o.logStart);
        break;
    case 'P':
        reply.assign(2, 0);
        Put16(reply, 0, m_o.logEnd);
        break;
    case 'S':
        m_o.logStart = frame[1] | frame[2] << 8;
        break;
    case 'l': {
        // The device sends what its figures announce, whatever the program can take.
        int length = m_o.logStart < m_o.logEnd ? m_o.logStart : m_o.logEnd;
        reply.resize(static_cast<size_t>(length));
        for (size_t i = 0; i < reply.size(); ++i)
            reply[i] = static_cast<uint8_t>(i);
        break;
    }
    default:
        break;
    }
    return reply;
}

void Pendix::Handle(sim::Line& line, const std::vector<uint8_t>& frame)
{
    int stopBits = 0;
    int baud = line.Baud(&stopBits);
    if (baud != 9600)
    {
        line.Log("rx %d %d deaf [%s]", baud, stopBits, sim::Line::Hex(frame).c_str());
        return;
    }
    line.Log("rx %d %d [%s]", baud, stopBits, sim::Line::Hex(frame).c_str());
    bool spoil = Spoils(frame[0]);
    std::vector<uint8_t> reply = Answer(line, frame);
    if (spoil)
    {
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
            if (!reply.empty())
                reply.pop_back();
            break;
        case Fault::Echo:
            if (!reply.empty())
                reply[0] ^= 0x01;
            break;
        case Fault::None:
            break;
        }
    }
    if (!reply.empty())
        line.Send(reply);
}

void Pendix::Receive(sim::Line& line, const uint8_t* bytes, size_t count, double nowSec)
{
    m_buffer.Add(line, bytes, count, nowSec);
    while (!m_buffer.Bytes().empty() && !line.Gone())
    {
        const Command* command = FindCommand(m_buffer.Bytes()[0]);
        if (!command)
        {
            line.Log("rx bad [%02X]", m_buffer.Bytes()[0]);
            m_buffer.Take(1);
            continue;
        }
        if (m_buffer.Bytes().size() < 1 + command->arguments)
            break;
        Handle(line, m_buffer.Take(1 + command->arguments));
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
    Pendix pendix(options);
    return sim::Serve(options.line, pendix, "pendix 9600");
}
