#include "DeviceSimulator.h"
#include "TestSupport.h"
#include <fstream>

namespace
{
std::string WindowsPath(const std::string& unixPath)
{
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

bool FileExists(const std::string& unixPath)
{
    return ::GetFileAttributesA(WindowsPath(unixPath).c_str()) != INVALID_FILE_ATTRIBUTES;
}
} // namespace

DeviceSimulator::~DeviceSimulator()
{
    Stop();
}

bool DeviceSimulator::Start(int nPort, const std::string& options)
{
    Stop();
    // In the test program's own folder (or under the build's): Wine's process ids are small and
    // repeat in other prefixes, so a shared folder such as /tmp would let another test program
    // remove our ready file.
    const char* tools = getenv("HELVON_HOST_TOOLS");
    if (!tools || !*tools)
    {
        ADD_FAILURE() << "HELVON_HOST_TOOLS is not set: run the tests through tools/test.sh";
        return false;
    }
    const char* own = getenv("HELVON_TEST_DIR");
    std::string folder = (own && *own ? std::string(own) : std::string(tools)) + "/simulator-runs";
    ::CreateDirectoryA(WindowsPath(folder).c_str(), NULL);
    static int s_nRun = 0;
    m_base = folder + "/" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++s_nRun);
    m_nPort = nPort;
    ::DeleteFileA(WindowsPath(m_base + ".log").c_str());
    ::DeleteFileA(WindowsPath(m_base + ".ready").c_str());
    std::string cmd = testing_support::HostTool(m_tool) + " --com " + std::to_string(nPort) + " --ready " +
                      m_base + ".ready --log " + m_base + ".log --lifetime 240 " + options;
    testing_support::ChildProcess process; // Wine cannot wait for a Linux process: it is left alone
    DWORD dwError = 0;
    if (!process.Start(cmd, &dwError))
    {
        ADD_FAILURE() << "the simulator did not start (error " << dwError << "): " << cmd;
        return false;
    }
    DWORD start = ::GetTickCount();
    while (!FileExists(m_base + ".ready"))
    {
        if (::GetTickCount() - start > 10000)
        {
            ADD_FAILURE() << "the simulator did not get ready: " << cmd;
            return false;
        }
        ::Sleep(10);
    }
    m_bRunning = true;
    return true;
}

void DeviceSimulator::Stop()
{
    if (!m_bRunning)
        return;
    m_bRunning = false;
    ::DeleteFileA(WindowsPath(m_base + ".ready").c_str());
    DWORD start = ::GetTickCount();
    for (;;)
    {
        std::vector<std::string> log = Log();
        if (!log.empty() && log.back() == "exit")
            break;
        if (::GetTickCount() - start > 10000)
        {
            ADD_FAILURE() << "the simulator did not end";
            break;
        }
        ::Sleep(10);
    }
}

std::vector<std::string> DeviceSimulator::Log() const
{
    std::vector<std::string> lines;
    std::ifstream in(WindowsPath(m_base + ".log"));
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

std::vector<std::string> DeviceSimulator::Requests() const
{
    std::vector<std::string> frames;
    for (const std::string& line : Log())
    {
        size_t open = line.find('[');
        if (line.compare(0, 3, "rx ") == 0 && open != std::string::npos &&
            line.find(" drop ") == std::string::npos)
            frames.push_back(line.substr(open + 1, line.find(']') - open - 1));
    }
    return frames;
}
