#include "SimLine.h"
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace sim
{

namespace
{
volatile sig_atomic_t g_stop = 0;
void OnSignal(int)
{
    g_stop = 1;
}
} // namespace

const char* LineUsage()
{
    return "  --com N              link $WINEPREFIX/dosdevices/comN to the line\n"
           "  --link PATH          link PATH to the line\n"
           "  --ready FILE         write the process id to FILE once the line is linked; removing it stops\n"
           "  --log FILE           append one line per request and reply\n"
           "  --lifetime S         end after S seconds at the latest (default 600; 0: no end)\n"
           "  --paced              write each reply at the line's byte time instead of at once\n"
           "  --verbose            dump the bytes to stderr\n";
}

bool ParseLineOption(int argc, char** argv, int& i, LineOptions& o, const char* program)
{
    std::string arg = argv[i];
    auto value = [&]() -> const char* {
        if (i + 1 >= argc)
        {
            fprintf(stderr, "%s: %s needs a value\n", program, arg.c_str());
            exit(2);
        }
        return argv[++i];
    };
    if (arg == "--com")
    {
        const char* prefix = getenv("WINEPREFIX");
        if (!prefix)
        {
            fprintf(stderr, "%s: --com needs WINEPREFIX\n", program);
            exit(2);
        }
        o.link = std::string(prefix) + "/dosdevices/com" + value();
    }
    else if (arg == "--link")
        o.link = value();
    else if (arg == "--ready")
        o.ready = value();
    else if (arg == "--log")
        o.log = value();
    else if (arg == "--lifetime")
        o.lifetimeSec = atoi(value());
    else if (arg == "--paced")
        o.paced = true;
    else if (arg == "--verbose")
        o.verbose = true;
    else
        return false;
    return true;
}

double Line::Now()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

std::string Line::Hex(const uint8_t* bytes, size_t count)
{
    std::string s;
    char buf[4];
    for (size_t i = 0; i < count; ++i)
    {
        snprintf(buf, sizeof buf, i ? " %02X" : "%02X", bytes[i]);
        s += buf;
    }
    return s;
}

std::string Line::Hex(const std::vector<uint8_t>& bytes)
{
    return Hex(bytes.data(), bytes.size());
}

void Line::Log(const char* fmt, ...)
{
    char line[4096];
    va_list args;
    va_start(args, fmt);
    vsnprintf(line, sizeof line, fmt, args);
    va_end(args);
    if (m_o.verbose)
        fprintf(stderr, "sim: %s\n", line);
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

bool Line::Open(const char* greeting)
{
    signal(SIGTERM, OnSignal);
    signal(SIGINT, OnSignal);
    signal(SIGHUP, OnSignal);
    char name[256];
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
    {
        perror("sim: openpty");
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
        perror("sim: symlink");
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
    Log("ready %s -> %s %s", m_o.link.c_str(), m_slaveName.c_str(), greeting);
    return true;
}

void Line::Close()
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
    Log("exit");
}

int Line::Baud(int* stopBits) const
{
    static const struct
    {
        speed_t speed;
        int baud;
    } rates[] = {{B1200, 1200},   {B2400, 2400},   {B4800, 4800},   {B9600, 9600},
                 {B19200, 19200}, {B38400, 38400}, {B57600, 57600}, {B115200, 115200}};
    struct termios t;
    if (m_master < 0 || tcgetattr(m_master, &t) != 0)
        return 0;
    if (stopBits)
        *stopBits = (t.c_cflag & CSTOPB) ? 2 : 1;
    speed_t speed = cfgetospeed(&t);
    for (const auto& r : rates)
        if (r.speed == speed)
            return r.baud;
    return 0;
}

void Line::Send(const std::vector<uint8_t>& reply)
{
    Log("tx [%s]", Hex(reply).c_str());
    if (m_master < 0)
        return;
    int stopBits = 1;
    int baud = Baud(&stopBits);
    // start bit, eight data bits, the stop bits
    double byteSec = baud > 0 ? (9.0 + stopBits) / baud : 0.0;
    double start = Now();
    size_t done = 0;
    while (done < reply.size())
    {
        size_t chunk = reply.size() - done;
        if (m_o.paced && byteSec > 0)
        {
            // A byte is handed over once it would have left the wire; a simulator held up by the
            // machine catches up with what is due at once.
            double wait = start + (done + 1) * byteSec - Now();
            if (wait > 0)
                usleep(static_cast<useconds_t>(wait * 1e6));
            size_t due = static_cast<size_t>((Now() - start) / byteSec);
            chunk = std::min(std::max(due, done + 1) - done, chunk);
        }
        ssize_t n = write(m_master, reply.data() + done, chunk);
        if (n > 0)
            done += static_cast<size_t>(n);
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
        else
            usleep(1000);
    }
}

// The line is gone, as when a USB adapter is pulled: the device and its link disappear.
void Line::Vanish()
{
    Log("vanish");
    unlink(m_o.link.c_str());
    close(m_master);
    close(m_slave);
    m_master = m_slave = -1;
    m_vanished = true;
}

// The device stops reading: what the program writes stays in the line, which stays open.
void Line::Stall()
{
    Log("stall");
    m_stalled = true;
}

void Line::Run(Device& device)
{
    const double start = Now();
    double lastReadyCheck = 0;
    // No watch on the parent process: Wine starts a Linux program through an intermediate
    // process that exits at once. The ready file, the lifetime and the harness end us instead.
    while (!g_stop)
    {
        double now = Now();
        if (m_o.lifetimeSec > 0 && now - start > m_o.lifetimeSec)
            break;
        // Removing the ready file is how a test that cannot signal a Linux process stops us.
        if (!m_o.ready.empty() && now - lastReadyCheck > 0.1)
        {
            lastReadyCheck = now;
            if (access(m_o.ready.c_str(), F_OK) != 0)
                break;
        }
        device.Advance(now - start + 1e-6);
        if (m_vanished || m_stalled)
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
        device.Receive(*this, bytes, static_cast<size_t>(n), Now() - start);
    }
}

void RequestBuffer::Add(Line& line, const uint8_t* bytes, size_t count, double nowSec)
{
    if (!m_bytes.empty() && nowSec - m_lastByte > 0.05)
        Drop(line);
    m_lastByte = nowSec;
    m_bytes.insert(m_bytes.end(), bytes, bytes + count);
}

std::vector<uint8_t> RequestBuffer::Take(size_t length)
{
    std::vector<uint8_t> request(m_bytes.begin(), m_bytes.begin() + length);
    m_bytes.erase(m_bytes.begin(), m_bytes.begin() + length);
    return request;
}

void RequestBuffer::Drop(Line& line)
{
    line.Log("rx drop [%s]", Line::Hex(m_bytes).c_str());
    m_bytes.clear();
}

int Serve(const LineOptions& options, Device& device, const char* greeting)
{
    Line line(options);
    if (!line.Open(greeting))
    {
        line.Close();
        return 1;
    }
    line.Run(device);
    line.Close();
    return 0;
}

} // namespace sim
