// The line layer of the device simulators: a pseudo-terminal whose slave is linked where the
// program expects a COM port, the ready file whose removal stops the simulator, a lifetime, a
// log of one line per event, the rate the program set on its side, replies paced at the line's
// byte time, and the faults of the line itself (vanish: the adapter is pulled; stall: nothing
// more is read, the line stays). A device model gets the received bytes and answers through it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace sim
{

struct LineOptions
{
    std::string link;
    std::string ready;
    std::string log;
    int lifetimeSec = 600; // 0: no end
    bool verbose = false;
    bool paced = false; // replies leave at the line's byte time instead of in one burst
};

// Takes argv[i] (and its value) when it is a line option; exits with a message when a value is
// missing. Returns false for an option that is not the line's.
bool ParseLineOption(int argc, char** argv, int& i, LineOptions& o, const char* program);
// The usage lines of the line options.
const char* LineUsage();

class Line;

// Which of the requests a fault matches it spoils: the first `skip` pass, then `count` of them
// (0: every one after the skipped ones).
struct FaultWindow
{
    int skip = 0;
    int count = 0;
    int matched = 0;

    // Counts one matching request; true when the fault spoils it.
    bool Spoils()
    {
        int index = matched++;
        return index >= skip && (count == 0 || index < skip + count);
    }
};

// The bytes of a request being assembled: a pause of more than 50 ms inside one ends it, and the
// device starts over with the next byte.
class RequestBuffer
{
  public:
    // Adds the bytes that arrived, after dropping (and logging) a request the pause ended.
    void Add(Line& line, const uint8_t* bytes, size_t count, double nowSec);
    // Takes the first length bytes off as one request.
    std::vector<uint8_t> Take(size_t length);
    void Drop(Line& line);
    const std::vector<uint8_t>& Bytes() const
    {
        return m_bytes;
    }

  private:
    std::vector<uint8_t> m_bytes;
    double m_lastByte = 0;
};

// What a device model implements.
class Device
{
  public:
    virtual ~Device() = default;
    // Advances the device's own clock to nowSec (monotonic seconds since the start).
    virtual void Advance(double nowSec)
    {
        (void)nowSec;
    }
    // Bytes that arrived; the device answers with line.Send.
    virtual void Receive(Line& line, const uint8_t* bytes, size_t count, double nowSec) = 0;
};

class Line
{
  public:
    explicit Line(const LineOptions& options) : m_o(options)
    {
    }
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    bool Open(const char* greeting);
    // Serves the device until the ready file goes, the lifetime ends or a signal arrives.
    void Run(Device& device);
    void Close();

    void Log(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    // The rate and stop bits the program set on its side; 0 when unknown.
    int Baud(int* stopBits = nullptr) const;
    // Writes the reply, paced at the line's byte time, and logs it as "tx [..]".
    void Send(const std::vector<uint8_t>& reply);
    void Vanish();
    void Stall();
    bool Gone() const
    {
        return m_vanished;
    }

    static std::string Hex(const std::vector<uint8_t>& bytes);
    static std::string Hex(const uint8_t* bytes, size_t count);
    static double Now();

  private:
    LineOptions m_o;
    int m_master = -1;
    int m_slave = -1; // kept open so the master never sees a hang-up between the program's opens
    std::string m_slaveName;
    bool m_vanished = false;
    bool m_stalled = false;
};

// Opens the line with the greeting, serves the device and closes the line; the simulator's exit
// code (1 when the line could not be opened).
int Serve(const LineOptions& options, Device& device, const char* greeting);

} // namespace sim
