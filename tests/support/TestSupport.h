// What every test executable shares: answering message boxes, COM pairs from the harness,
// a message loop for a while, and child processes.
#pragma once
#include "AfxCore.h"
#include "MessageSink.h"
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace testing_support
{

// A box the test saw, in the order shown.
struct ShownBox
{
    std::string text;
    std::string caption;
    UINT type;
    HWND owner;
};

// Installed for a test's lifetime: answers expected boxes in order and records them. A box no
// test expected fails the current test at once and is answered IDCANCEL (or IDNO / IDABORT).
class MessageBoxes : public CMessageSink
{
  public:
    MessageBoxes();
    ~MessageBoxes() override;
    MessageBoxes(const MessageBoxes&) = delete;
    MessageBoxes& operator=(const MessageBoxes&) = delete;

    // The next box is answered with nAnswer; its text must contain textPart (when not empty).
    void Expect(int nAnswer, const std::string& textPart = std::string());
    const std::vector<ShownBox>& Shown() const
    {
        return m_shown;
    }
    size_t Pending() const
    {
        return m_expected.size() - m_nextExpected;
    }

    int Show(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType, UINT nIDHelp) override;

  private:
    struct Expected
    {
        int answer;
        std::string textPart;
    };
    std::vector<Expected> m_expected;
    size_t m_nextExpected = 0;
    std::vector<ShownBox> m_shown;
    CMessageSink* m_pPrevious;
    mutable CRITICAL_SECTION m_lock;
};

// The sink in force between tests: any box fails the running test.
void InstallFailingSink();

// A serial pair made by the harness: bytes written on one port arrive on the other.
struct ComPair
{
    int a;
    int b;
};
// The pairs named in COM_PAIRS ("5:6,10:11"); fails the test with a clear message when the
// variable is missing or a port does not open.
std::vector<ComPair> ComPairs();
std::string ComPortPath(int nPort); // "\\\\.\\COM5"

// Milliseconds on the performance counter. Time that tests assert or wait for is taken from here:
// under Wine GetTickCount moves only when the wineserver updates it and lags far behind on a loaded
// machine (a 150 ms read measured 33 ms).
ULONGLONG NowMs();

// Dispatches this thread's messages for about ms milliseconds.
void PumpMessages(DWORD ms);
// Dispatches this thread's messages for about ms milliseconds as the application's loop does: the
// thread's PreTranslateMessage walk (accelerators, menu bars) sees each first. seen, when given,
// is shown every message taken.
void PumpAsTheApplication(DWORD ms, const std::function<void(const MSG&)>& seen = nullptr);
// The same until done() holds or ms pass; returns done().
bool PumpAsTheApplicationUntil(const std::function<bool()>& done, DWORD ms,
                               const std::function<void(const MSG&)>& seen = nullptr);
// Dispatches messages until pred() holds or ms pass; returns pred().
template <class Pred> bool PumpUntil(Pred pred, DWORD ms)
{
    ULONGLONG start = NowMs();
    while (!pred())
    {
        if (NowMs() - start >= ms)
            return pred();
        PumpMessages(10);
    }
    return true;
}

// A process started by a test, ended (and waited for) when the object goes.
class ChildProcess
{
  public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // commandLine as CreateProcess takes it. Returns false (and the Win32 error) when it fails.
    bool Start(const std::string& commandLine, DWORD* pdwError = nullptr);
    bool IsRunning() const;
    // Waits up to ms for the process to end by itself; returns its exit code or -1.
    int Wait(DWORD ms);
    void Stop();
    DWORD Id() const
    {
        return m_pi.dwProcessId;
    }

  private:
    PROCESS_INFORMATION m_pi{};
};

// Points the application's profile at a test key in Wine's registry (below
// Software\<registryKey>\<application>) or at an INI file in TempFolder() for a test's lifetime; afterwards
// the old profile is back and what the test wrote is gone.
class ProfileScope
{
  public:
    enum Kind
    {
        registry,
        iniFile
    };
    explicit ProfileScope(Kind kind, const std::string& registryKey = "HelvonTestFirma");
    ~ProfileScope();
    ProfileScope(const ProfileScope&) = delete;
    ProfileScope& operator=(const ProfileScope&) = delete;

    // The INI file (empty for the registry).
    const std::string& IniPath() const
    {
        return m_ini;
    }
    // "Software\<registryKey>\<application>\<section>", to open with RegOpenKeyEx.
    std::string SectionKey(const std::string& section) const;
    // A text value as the system reads it back (RegQueryValueEx or the INI file), "<none>" when absent.
    std::string Text(const std::string& section, const std::string& entry) const;

  private:
    LPCTSTR m_pOldKey;
    LPCTSTR m_pOldName;
    std::string m_registryKey;
    std::string m_ini;
};

// Folder of a temporary file area private to this test executable, created on first use.
std::string TempFolder();
// Path of the Linux-side helper tools (HELVON_HOST_TOOLS), as a Windows path for CreateProcess.
std::string HostTool(const std::string& name);

// The Linux path of a Windows path (empty outside Wine).
std::string UnixPath(const std::string& windowsPath);
// Runs a shell command on the Linux side. Wine starts native programs but hands back no process
// to wait on, so the script ends by writing doneFile (a Windows path) and the test polls for it.
bool RunUnix(const std::string& script, const std::string& doneFile, DWORD timeoutMs);
// Shell lines that wait up to a minute for the CUPS PDF printer's file (in the run's folder
// HELVON_PDF_DIR, else ~/PDF) of a job whose document name starts with docName; the file's path
// is then in "$f" (quoted for RunUnix's command line).
std::string WaitForPdfScript(const std::string& docName);
// A whole file's bytes (empty when it cannot be read).
std::string ReadFile(const std::string& path);
// The first visible top-level window of this thread of the class className (any class when NULL)
// that accept takes (any when not given); NULL when there is none.
HWND FindThreadWindow(const char* className, const std::function<bool(HWND)>& accept = nullptr);
// A small hidden top-level window whose messages go to proc; the class is registered on first use.
HWND CreateMessageWindow(const char* className, WNDPROC proc);
// Moves the cursor to a screen point and lets the windows see the move.
void MoveMouseTo(POINT screen);
// Presses (bDown) or releases the left button where the cursor is.
void SendLeftButton(bool bDown);
// Types a text through the keyboard (digits, lower-case letters, blanks, ',', '.', '-' of the
// numeric pad, Enter for '\n') and lets the windows see the keys.
void TypeText(const char* psz);
// The whole block of a clipboard format (empty when the format is not there).
std::string ClipboardBytes(UINT nFormat);
// The clipboard's CF_TEXT up to its first NUL.
std::string ClipboardText();
// Puts a block on the clipboard, emptying it first unless bEmpty is false; a failure fails the test.
void PutClipboard(UINT nFormat, const void* pData, size_t nSize, bool bEmpty = true);
// Puts a text with its NUL as the clipboard's only CF_TEXT.
void PutClipboardText(const char* psz);

} // namespace testing_support
