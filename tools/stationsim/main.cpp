// Station simulator: opens a pseudo-terminal, links its slave where the program expects a COM
// port, and answers the station bus protocol on the master at its own rate only, like a real
// station. Faults can be injected to test the program's reply checks and retries.
#include "SimFrame.h"
#include "SimStation.h"
#include <cerrno>
#include <cstdarg>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <string>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace
{

volatile sig_atomic_t g_stop = 0;
void OnSignal(int) { g_stop = 1; }

enum class Fault { None, Silence, Short, Error, Crc, Address, Function, Register, Late, Vanish };

struct Options
{
    sim::StationOptions station;
    std::string link;
    std::string ready;
    std::string log;
    Fault fault = Fault::None;
    int faultSkip = 0;
    int faultCount = 0; // 0: every request after the skipped ones
    int faultRegister = -1;
    int faultFunction = -1;
    int lateMs = 500;
    int lifetimeSec = 600;
    bool verbose = false;
};

void Usage()
{
    fprintf(stderr,
            "usage: stationsim (--com N | --link PATH) [options]\n"
            "  --com N              link $WINEPREFIX/dosdevices/comN to the line\n"
            "  --link PATH          link PATH to the line\n"
            "  --ready FILE         write the process id to FILE once the line is linked; removing it stops\n"
            "  --log FILE           append one line per request and reply\n"
            "  --address A          bus address (default 1)\n"
            "  --baud B             rate the station listens at (default 9600)\n"
            "  --firmware V         firmware version, variable 20 (default 1.71)\n"
            "  --process-delay S    start a soldering process S seconds after a profile download\n"
            "  --process            start a soldering process at once\n"
            "  --heat-rate R        degrees per second while heating (default 20)\n"
            "  --fault KIND         silence|short|error|crc|address|function|register|late|vanish\n"
            "  --fault-skip N       answer the first N matching requests normally\n"
            "  --fault-count N      spoil N requests, then answer normally (default: all)\n"
            "  --fault-register R   spoil only block requests for register R\n"
            "  --fault-function F   spoil only requests with function code F\n"
            "  --late-ms MS         delay of a late reply (default 500)\n"
            "  --lifetime S         end after S seconds at the latest (default 600)\n"
            "  --verbose            dump the bytes to stderr\n");
}

bool ParseFault(const char* name, Fault& out)
{
    static const struct
    {
        const char* name;
        Fault fault;
    } faults[] = {{"silence", Fault::Silence}, {"short", Fault::Short},       {"error", Fault::Error},
                  {"crc", Fault::Crc},         {"address", Fault::Address},   {"function", Fault::Function},
                  {"register", Fault::Register}, {"late", Fault::Late},       {"vanish", Fault::Vanish}};
    for (const auto& f : faults)
        if (strcmp(name, f.name) == 0)
        {
            out = f.fault;
            return true;
        }
    return false;
}

bool ParseOptions(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i)
    {
        std::string arg = argv[i];
        auto value = [&]() -> const char* {
            if (i + 1 >= argc)
            {
                fprintf(stderr, "stationsim: %s needs a value\n", arg.c_str());
                exit(2);
            }
            return argv[++i];
        };
        if (arg == "--com")
        {
            const char* prefix = getenv("WINEPREFIX");
            if (!prefix)
            {
                fprintf(stderr, "stationsim: --com needs WINEPREFIX\n");
                return false;
            }
            o.link = std::string(prefix) + "/dosdevices/com" + value();
        }
        else if (arg == "--link")
            o.link = value();
        else if (arg == "--ready")
            o.ready = value();
        else if (arg == "--log")
            o.log = value();
        else if (arg == "--address")
            o.station.address = static_cast<uint8_t>(strtol(value(), nullptr, 0));
        else if (arg == "--baud")
            o.station.baud = atoi(value());
        else if (arg == "--firmware")
            o.station.firmware = static_cast<float>(atof(value()));
        else if (arg == "--process-delay")
            o.station.processDelaySec = atof(value());
        else if (arg == "--process")
            o.station.processNow = true;
        else if (arg == "--heat-rate")
            o.station.heatRatePerSec = atof(value());
        else if (arg == "--fault")
        {
            if (!ParseFault(value(), o.fault))
                return false;
        }
        else if (arg == "--fault-skip")
            o.faultSkip = atoi(value());
        else if (arg == "--fault-count")
            o.faultCount = atoi(value());
        else if (arg == "--fault-register")
            o.faultRegister = static_cast<int>(strtol(value(), nullptr, 0));
        else if (arg == "--fault-function")
            o.faultFunction = static_cast<int>(strtol(value(), nullptr, 0));
        else if (arg == "--late-ms")
            o.lateMs = atoi(value());
        else if (arg == "--lifetime")
            o.lifetimeSec = atoi(value());
        else if (arg == "--verbose")
            o.verbose = true;
        else
            return false;
    }
    return !o.link.empty();
}

double Now()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

// The rate the program set on its side of the line (the master reports the slave's termios).
int LineBaud(int fd, int* stopBits)
{
    static const struct
    {
        speed_t speed;
        int baud;
    } rates[] = {{B1200, 1200},   {B2400, 2400},   {B4800, 4800},     {B9600, 9600},
                 {B19200, 19200}, {B38400, 38400}, {B57600, 57600},   {B115200, 115200}};
    struct termios t;
    if (tcgetattr(fd, &t) != 0)
        return 0;
    if (stopBits)
        *stopBits = (t.c_cflag & CSTOPB) ? 2 : 1;
    speed_t speed = cfgetospeed(&t);
    for (const auto& r : rates)
        if (r.speed == speed)
            return r.baud;
    return 0;
}

// A pty cannot carry 14400: Wine leaves it at 38400 there, so the two look alike on the line.
bool RateMatches(int station, int line)
{
    return station == line || (station == 14400 && line == 38400);
}

std::string Hex(const std::vector<uint8_t>& bytes)
{
    std::string s;
    char buf[4];
    for (size_t i = 0; i < bytes.size(); ++i)
    {
        snprintf(buf, sizeof buf, i ? " %02X" : "%02X", bytes[i]);
        s += buf;
    }
    return s;
}

class Simulator
{
public:
    explicit Simulator(const Options& o) : m_o(o), m_station(o.station) {}

    bool Open();
    void Run();
    void Close();
    void LogExit() { Log("exit"); }

private:
    void Log(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    void HandleFrame(const std::vector<uint8_t>& frame);
    bool Spoils(const sim::Request& r);
    void Vanish();

    Options m_o;
    sim::Station m_station;
    int m_master = -1;
    int m_slave = -1; // kept open so the master never sees a hang-up between the program's opens
    std::string m_slaveName;
    std::vector<uint8_t> m_buffer;
    double m_lastByte = 0;
    int m_matching = 0;
    bool m_vanished = false;
    double m_lastReadyCheck = 0;
};

void Simulator::Log(const char* fmt, ...)
{
    char line[1024];
    va_list args;
    va_start(args, fmt);
    vsnprintf(line, sizeof line, fmt, args);
    va_end(args);
    if (m_o.verbose)
        fprintf(stderr, "stationsim: %s\n", line);
    if (!m_o.log.empty())
    {
        FILE* f = fopen(m_o.log.c_str(), "a");
        if (f)
        {
            fprintf(f, "%s\n", line);
            fclose(f);
        }
    }
}

bool Simulator::Open()
{
    char name[256];
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
    {
        perror("stationsim: openpty");
        return false;
    }
    m_slaveName = name;
    struct termios t;
    tcgetattr(m_slave, &t);
    cfmakeraw(&t);
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    tcsetattr(m_slave, TCSANOW, &t);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    unlink(m_o.link.c_str());
    if (symlink(m_slaveName.c_str(), m_o.link.c_str()) != 0)
    {
        perror("stationsim: symlink");
        return false;
    }
    if (!m_o.ready.empty())
    {
        std::string tmp = m_o.ready + ".tmp";
        FILE* f = fopen(tmp.c_str(), "w");
        if (!f)
            return false;
        fprintf(f, "%d\n", static_cast<int>(getpid()));
        fclose(f);
        rename(tmp.c_str(), m_o.ready.c_str());
    }
    Log("ready %s -> %s address %d baud %d firmware %.2f", m_o.link.c_str(), m_slaveName.c_str(),
        m_o.station.address, m_o.station.baud, m_o.station.firmware);
    return true;
}

void Simulator::Close()
{
    char target[256];
    ssize_t n = readlink(m_o.link.c_str(), target, sizeof target - 1);
    if (n > 0)
    {
        target[n] = 0;
        if (m_slaveName == target)
            unlink(m_o.link.c_str());
    }
    if (m_master >= 0)
        close(m_master);
    if (m_slave >= 0)
        close(m_slave);
    m_master = m_slave = -1;
    if (!m_o.ready.empty())
        unlink(m_o.ready.c_str());
}

// The line is gone, as when a USB adapter is pulled: the device and its link disappear.
void Simulator::Vanish()
{
    Log("vanish");
    unlink(m_o.link.c_str());
    close(m_master);
    close(m_slave);
    m_master = m_slave = -1;
    m_vanished = true;
}

bool Simulator::Spoils(const sim::Request& r)
{
    if (m_o.fault == Fault::None)
        return false;
    if (m_o.faultRegister >= 0 && !((r.function == '/' || r.function == 'O') && r.reg == m_o.faultRegister))
        return false;
    if (m_o.faultFunction >= 0 && r.function != m_o.faultFunction)
        return false;
    int index = m_matching++;
    if (index < m_o.faultSkip)
        return false;
    return m_o.faultCount == 0 || index < m_o.faultSkip + m_o.faultCount;
}

void Simulator::HandleFrame(const std::vector<uint8_t>& frame)
{
    int stopBits = 0;
    int line = LineBaud(m_master, &stopBits);
    sim::Request r;
    if (!sim::ParseRequest(frame, r))
    {
        Log("rx %d %d bad [%s]", line, stopBits, Hex(frame).c_str());
        return;
    }
    if (!RateMatches(m_station.Baud(), line))
    {
        Log("rx %d %d deaf [%s]", line, stopBits, Hex(frame).c_str());
        return;
    }
    if (r.address != m_station.Address())
    {
        Log("rx %d %d other [%s]", line, stopBits, Hex(frame).c_str());
        return;
    }
    bool spoil = Spoils(r);
    std::vector<uint8_t> reply = m_station.Answer(r);
    Log("rx %d %d [%s]", line, stopBits, Hex(frame).c_str());
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
            Log("tx silent");
            return;
        case Fault::Vanish:
            Vanish();
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
    Log("tx [%s]", Hex(reply).c_str());
    size_t done = 0;
    while (done < reply.size())
    {
        ssize_t n = write(m_master, reply.data() + done, reply.size() - done);
        if (n > 0)
            done += static_cast<size_t>(n);
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
        else
            usleep(1000);
    }
}

void Simulator::Run()
{
    const double start = Now();
    // No watch on the parent process: Wine starts a Linux program through an intermediate
    // process that exits at once, so the parent changes while the test still runs. The ready
    // file, the lifetime and the harness's clean-up end us instead.
    while (!g_stop)
    {
        double now = Now();
        if (now - start > m_o.lifetimeSec)
            break;
        // Removing the ready file is how a test that cannot signal a Linux process stops us.
        if (!m_o.ready.empty() && now - m_lastReadyCheck > 0.1)
        {
            m_lastReadyCheck = now;
            if (access(m_o.ready.c_str(), F_OK) != 0)
                break;
        }
        m_station.Advance(now - start + 1e-6);
        if (m_vanished)
        {
            usleep(50000);
            continue;
        }
        struct pollfd p = {m_master, POLLIN, 0};
        int ready = poll(&p, 1, 20);
        if (ready <= 0 || !(p.revents & POLLIN))
        {
            if (ready > 0 && (p.revents & (POLLHUP | POLLERR)))
                usleep(20000);
            continue;
        }
        uint8_t bytes[512];
        ssize_t n = read(m_master, bytes, sizeof bytes);
        if (n <= 0)
            continue;
        now = Now();
        // A pause inside a frame ends it: the station starts over with the next byte.
        if (!m_buffer.empty() && now - m_lastByte > 0.05)
        {
            Log("rx drop [%s]", Hex(m_buffer).c_str());
            m_buffer.clear();
        }
        m_lastByte = now;
        m_buffer.insert(m_buffer.end(), bytes, bytes + n);
        while (m_buffer.size() >= 3)
        {
            size_t length = sim::AnnouncedLength(m_buffer);
            if (length < 8)
            {
                Log("rx drop [%s]", Hex(m_buffer).c_str());
                m_buffer.clear();
                break;
            }
            if (m_buffer.size() < length)
                break;
            std::vector<uint8_t> frame(m_buffer.begin(), m_buffer.begin() + length);
            m_buffer.erase(m_buffer.begin(), m_buffer.begin() + length);
            HandleFrame(frame);
            if (m_vanished)
                break;
        }
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
    signal(SIGTERM, OnSignal);
    signal(SIGINT, OnSignal);
    signal(SIGHUP, OnSignal);
    Simulator simulator(options);
    if (!simulator.Open())
    {
        simulator.Close();
        return 1;
    }
    simulator.Run();
    simulator.Close();
    simulator.LogExit();
    return 0;
}
