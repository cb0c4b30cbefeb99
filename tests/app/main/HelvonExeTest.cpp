// Helvon.exe as a user starts it: it connects to the simulated station, and closing its main
// window keeps the bar layout and ends the process with exit code 0.
#include "ProgramKey.h"
#include "SimulatorPort.h"
#include "TestSupport.h"
#include <string>

using namespace testing_support;

namespace
{
// Helvon.exe of the same build: the tests live in tests\app\main beside app\.
std::string ProgramFolder()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, path, sizeof(path));
    std::string folder(path);
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + "..\\..\\..\\app\\";
}

// The workspace files the program writes beside itself when it closes: its own, and the one of
// the expert mode.
const char* const kWorkspaceFiles[] = {"HelvonIni.wsp", "VAZovIni.wsp"};

void RemoveWorkspaceFiles()
{
    for (const char* name : kWorkspaceFiles)
        ::DeleteFileA((ProgramFolder() + name).c_str());
}

bool Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

struct WindowSearch
{
    DWORD dwProcessId;
    HWND hWnd;
};

BOOL CALLBACK FindMainWindow(HWND hWnd, LPARAM lParam)
{
    WindowSearch* pSearch = reinterpret_cast<WindowSearch*>(lParam);
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId != pSearch->dwProcessId || ::GetWindow(hWnd, GW_OWNER) != NULL ||
        !::IsWindowVisible(hWnd))
        return TRUE;
    pSearch->hWnd = hWnd;
    return FALSE;
}

// The visible top-level window of the process, NULL while there is none.
HWND MainWindowOf(DWORD dwProcessId)
{
    WindowSearch search = {dwProcessId, NULL};
    ::EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.hWnd;
}

std::string TextOf(HWND hWnd)
{
    char text[256] = "";
    ::GetWindowTextA(hWnd, text, sizeof(text));
    return text;
}

class Program : public ProgramKeyTest
{
  protected:
    void SetUp() override
    {
        ProgramKeyTest::SetUp();
        RemoveWorkspaceFiles();
        // A user's first-start choices: no first-start text, no automatic recording, and the
        // simulator's port alone.
        WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "FirstStart", 0);
        WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "AutoRecord", 2);
        OnlySimulatorPort();
        ASSERT_TRUE(m_sim.Start(StationSimulator::kPort, "--process"));
    }
    void TearDown() override
    {
        m_sim.Stop();
        RemoveWorkspaceFiles();
        ProgramKeyTest::TearDown();
    }
    StationSimulator m_sim;
};

TEST_F(Program, ConnectsAndEndsWithZeroWhenClosed)
{
    const struct
    {
        const char* arguments;
        const char* workspace;
    } cases[] = {{"", "HelvonIni.wsp"}, {" -expert", "VAZovIni.wsp"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.workspace);
        RemoveWorkspaceFiles();
        ChildProcess program;
        ASSERT_TRUE(program.Start("\"" + ProgramFolder() + "Helvon.exe\"" + c.arguments));
        HWND hMain = NULL;
        EXPECT_TRUE(PumpUntil(
            [&] {
                hMain = MainWindowOf(program.Id());
                return hMain != NULL && TextOf(hMain).find("verbunden mit COM7") != std::string::npos;
            },
            20000))
            << (hMain != NULL ? TextOf(hMain) : "no window");
        ASSERT_TRUE(hMain != NULL);
        ::PostMessageA(hMain, WM_CLOSE, 0, 0);
        EXPECT_EQ(0, program.Wait(10000));
        EXPECT_FALSE(program.IsRunning());
        // The bar layout is kept in the mode's own file.
        for (const char* name : kWorkspaceFiles)
            EXPECT_EQ(std::string(name) == c.workspace, Exists(ProgramFolder() + name)) << name;
    }
}
} // namespace
