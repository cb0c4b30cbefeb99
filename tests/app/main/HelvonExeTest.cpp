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

// The workspace file the program writes beside itself when it closes.
std::string WorkspaceFile()
{
    return ProgramFolder() + "HelvonIni.wsp";
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
    if (dwProcessId != pSearch->dwProcessId || ::GetWindow(hWnd, GW_OWNER) != NULL || !::IsWindowVisible(hWnd))
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
        ::DeleteFileA(WorkspaceFile().c_str());
        // A user's first-start choices: no first-start text, no automatic recording, and the
        // simulator's port alone.
        WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "FirstStart", 0);
        WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "AutoRecord", 2);
        OnlySimulatorPort();
        ASSERT_TRUE(m_sim.Start(StationSimulator::kPort, "--process"));
    }
    void TearDown() override
    {
        m_program.Stop();
        m_sim.Stop();
        ::DeleteFileA(WorkspaceFile().c_str());
        ProgramKeyTest::TearDown();
    }
    StationSimulator m_sim;
    ChildProcess m_program;
};

TEST_F(Program, ConnectsAndEndsWithZeroWhenClosed)
{
    ASSERT_TRUE(m_program.Start("\"" + ProgramFolder() + "Helvon.exe\""));
    HWND hMain = NULL;
    EXPECT_TRUE(PumpUntil(
        [&] {
            hMain = MainWindowOf(m_program.Id());
            return hMain != NULL && TextOf(hMain).find("verbunden mit COM7") != std::string::npos;
        },
        20000))
        << (hMain != NULL ? TextOf(hMain) : "no window");
    ASSERT_TRUE(hMain != NULL);
    ::PostMessageA(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, m_program.Wait(10000));
    EXPECT_FALSE(m_program.IsRunning());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(WorkspaceFile().c_str())) << "the bar layout is kept";
}
} // namespace
