#include "TestSupport.h"
#include "WinApp.h"
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <fstream>
#include <sstream>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace testing_support
{

namespace
{
int DeclineAnswer(UINT nType)
{
    switch (nType & MB_TYPEMASK)
    {
    case MB_YESNO:
        return IDNO;
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    case MB_OK:
        return IDOK;
    default:
        return IDCANCEL;
    }
}

class FailingSink : public CMessageSink
{
  public:
    int Show(HWND, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType, UINT) override
    {
        ADD_FAILURE() << "unexpected message box \"" << (lpszCaption ? lpszCaption : "")
                      << "\": " << lpszText;
        return DeclineAnswer(nType);
    }
};
FailingSink g_failingSink;
} // namespace

void InstallFailingSink()
{
    AfxSetMessageSink(&g_failingSink);
}

MessageBoxes::MessageBoxes()
{
    ::InitializeCriticalSection(&m_lock);
    m_pPrevious = AfxSetMessageSink(this);
}

MessageBoxes::~MessageBoxes()
{
    AfxSetMessageSink(m_pPrevious);
    EXPECT_EQ(0u, Pending()) << "expected message boxes were not shown";
    ::DeleteCriticalSection(&m_lock);
}

void MessageBoxes::Expect(int nAnswer, const std::string& textPart)
{
    ::EnterCriticalSection(&m_lock);
    m_expected.push_back({nAnswer, textPart});
    ::LeaveCriticalSection(&m_lock);
}

int MessageBoxes::Show(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType, UINT)
{
    ::EnterCriticalSection(&m_lock);
    std::string text = lpszText ? lpszText : "";
    m_shown.push_back({text, lpszCaption ? lpszCaption : "", nType, hOwner});
    int answer;
    if (m_nextExpected < m_expected.size())
    {
        const Expected& e = m_expected[m_nextExpected++];
        if (!e.textPart.empty() && text.find(e.textPart) == std::string::npos)
            ADD_FAILURE() << "message box \"" << text << "\" does not contain \"" << e.textPart << "\"";
        answer = e.answer;
    }
    else
    {
        ADD_FAILURE() << "unexpected message box: " << text;
        answer = DeclineAnswer(nType);
    }
    ::LeaveCriticalSection(&m_lock);
    return answer;
}

std::string ComPortPath(int nPort)
{
    return "\\\\.\\COM" + std::to_string(nPort);
}

std::vector<ComPair> ComPairs()
{
    std::vector<ComPair> pairs;
    const char* env = getenv("COM_PAIRS");
    if (!env || !*env)
    {
        ADD_FAILURE()
            << "COM_PAIRS is not set: run the tests through tools/test.sh, which makes the serial pairs";
        return pairs;
    }
    std::string list = env;
    size_t pos = 0;
    while (pos < list.size())
    {
        size_t end = list.find(',', pos);
        std::string item = list.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        int a = 0, b = 0;
        if (sscanf(item.c_str(), "%d:%d", &a, &b) != 2)
        {
            ADD_FAILURE() << "COM_PAIRS entry \"" << item << "\" is not of the form A:B";
            return {};
        }
        for (int port : {a, b})
        {
            HANDLE h = ::CreateFileA(ComPortPath(port).c_str(), GENERIC_READ | GENERIC_WRITE, 0, NULL,
                                     OPEN_EXISTING, 0, NULL);
            if (h == INVALID_HANDLE_VALUE)
            {
                ADD_FAILURE() << "COM" << port << " from COM_PAIRS does not open (error " << ::GetLastError()
                              << "): is its dosdevices link missing?";
                return {};
            }
            ::CloseHandle(h);
        }
        pairs.push_back({a, b});
        if (end == std::string::npos)
            break;
        pos = end + 1;
    }
    return pairs;
}

ULONGLONG NowMs()
{
    LARGE_INTEGER frequency, count;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&count);
    // Split so the product cannot overflow.
    ULONGLONG seconds = (ULONGLONG)(count.QuadPart / frequency.QuadPart);
    ULONGLONG rest = (ULONGLONG)(count.QuadPart % frequency.QuadPart);
    return seconds * 1000 + rest * 1000 / (ULONGLONG)frequency.QuadPart;
}

void PumpMessages(DWORD ms)
{
    DWORD start = ::GetTickCount();
    for (;;)
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= ms)
            break;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, ms - elapsed, QS_ALLINPUT);
    }
}

void PumpAsTheApplication(DWORD ms, const std::function<void(const MSG&)>& seen)
{
    const ULONGLONG until = NowMs() + ms;
    for (;;)
    {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (seen)
                seen(msg);
            if (!AfxGetThread()->PreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessage(&msg);
            }
        }
        const ULONGLONG now = NowMs();
        if (now >= until)
            break;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, (DWORD)(until - now), QS_ALLINPUT);
    }
}

bool PumpAsTheApplicationUntil(const std::function<bool()>& done, DWORD ms,
                               const std::function<void(const MSG&)>& seen)
{
    const ULONGLONG until = NowMs() + ms;
    while (!done() && NowMs() < until)
        PumpAsTheApplication(20, seen);
    return done();
}

ChildProcess::~ChildProcess()
{
    Stop();
}

bool ChildProcess::Start(const std::string& commandLine, DWORD* pdwError)
{
    Stop();
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string cmd = commandLine;
    if (!::CreateProcessA(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &m_pi))
    {
        if (pdwError)
            *pdwError = ::GetLastError();
        m_pi = PROCESS_INFORMATION{};
        return false;
    }
    return true;
}

bool ChildProcess::IsRunning() const
{
    return m_pi.hProcess && ::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

int ChildProcess::Wait(DWORD ms)
{
    if (!m_pi.hProcess || ::WaitForSingleObject(m_pi.hProcess, ms) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(m_pi.hProcess, &code);
    return (int)code;
}

void ChildProcess::Stop()
{
    if (!m_pi.hProcess)
        return;
    if (IsRunning())
    {
        ::TerminateProcess(m_pi.hProcess, 1);
        ::WaitForSingleObject(m_pi.hProcess, 5000);
    }
    ::CloseHandle(m_pi.hProcess);
    ::CloseHandle(m_pi.hThread);
    m_pi = PROCESS_INFORMATION{};
}

std::string TempFolder()
{
    static std::string folder;
    if (folder.empty())
    {
        char base[MAX_PATH];
        ::GetTempPathA(sizeof base, base);
        char module[MAX_PATH];
        ::GetModuleFileNameA(NULL, module, sizeof module);
        const char* name = strrchr(module, '\\');
        folder = std::string(base) + "helvon-" + (name ? name + 1 : "test") + "-" +
                 std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(folder.c_str(), NULL);
        folder += "\\";
    }
    return folder;
}

ProfileScope::ProfileScope(Kind kind, const std::string& registryKey)
    : m_pOldKey(AfxGetApp()->m_pszRegistryKey), m_pOldName(AfxGetApp()->m_pszProfileName),
      m_registryKey(registryKey)
{
    CWinApp* pApp = AfxGetApp();
    pApp->m_pszRegistryKey = NULL;
    pApp->m_pszProfileName = NULL;
    if (kind == registry)
        pApp->SetRegistryKey(registryKey.c_str());
    else
    {
        m_ini = TempFolder() + "profil.ini";
        pApp->m_pszProfileName = _strdup(m_ini.c_str());
    }
}

ProfileScope::~ProfileScope()
{
    CWinApp* pApp = AfxGetApp();
    free((void*)pApp->m_pszRegistryKey);
    free((void*)pApp->m_pszProfileName);
    pApp->m_pszRegistryKey = m_pOldKey;
    pApp->m_pszProfileName = m_pOldName;
    if (!m_ini.empty())
        ::DeleteFileA(m_ini.c_str());
    ::SHDeleteKeyA(HKEY_CURRENT_USER, ("Software\\" + m_registryKey).c_str());
}

std::string ProfileScope::SectionKey(const std::string& section) const
{
    return "Software\\" + m_registryKey + "\\" + AfxGetApp()->m_pszAppName + "\\" + section;
}

std::string ProfileScope::Text(const std::string& section, const std::string& entry) const
{
    if (!m_ini.empty())
    {
        char buf[1024];
        ::GetPrivateProfileStringA(section.c_str(), entry.c_str(), "<none>", buf, sizeof buf, m_ini.c_str());
        return buf;
    }
    HKEY hKey;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, SectionKey(section).c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return "<none>";
    char data[1024] = {};
    DWORD dwType = 0, cb = sizeof data - 1;
    LONG lResult = ::RegQueryValueExA(hKey, entry.c_str(), NULL, &dwType, (BYTE*)data, &cb);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS && dwType == REG_SZ ? std::string(data) : std::string("<none>");
}

std::string HostTool(const std::string& name)
{
    const char* dir = getenv("HELVON_HOST_TOOLS");
    if (!dir || !*dir)
    {
        ADD_FAILURE() << "HELVON_HOST_TOOLS is not set: run the tests through tools/test.sh";
        return name;
    }
    // Wine maps the Linux root to drive Z:.
    std::string path = std::string("Z:") + dir + "/" + name;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string UnixPath(const std::string& windowsPath)
{
    typedef char*(CDECL * PFN)(LPCWSTR);
    FARPROC proc = ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    PFN pfn;
    memcpy(&pfn, &proc, sizeof(pfn));
    if (pfn == NULL)
        return std::string();
    WCHAR wide[MAX_PATH];
    ::MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH);
    char* p = pfn(wide);
    std::string result = p != NULL ? p : "";
    ::HeapFree(::GetProcessHeap(), 0, p);
    return result;
}

bool RunUnix(const std::string& script, const std::string& doneFile, DWORD timeoutMs)
{
    ::DeleteFileA(doneFile.c_str());
    std::string cmd = "Z:\\bin\\sh -c \"" + script + "; touch " + UnixPath(doneFile) + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return false;
    if (pi.hThread != NULL)
        ::CloseHandle(pi.hThread);
    if (pi.hProcess != NULL)
        ::CloseHandle(pi.hProcess);
    return PumpUntil([&] { return ::GetFileAttributesA(doneFile.c_str()) != INVALID_FILE_ATTRIBUTES; },
                     timeoutMs);
}

std::string WaitForPdfScript(const std::string& docName)
{
    return "for i in $(seq 600); do f=$(ls ${HELVON_PDF_DIR:-$HOME/PDF}/" + docName +
           "*.pdf 2>/dev/null | head -1); [ -n \\\"$f\\\" ] && pdfinfo \\\"$f\\\" >/dev/null 2>&1 "
           "&& break; sleep 0.1; done; ";
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

HWND FindThreadWindow(const char* className, const std::function<bool(HWND)>& accept)
{
    struct Search
    {
        const char* className;
        const std::function<bool(HWND)>& accept;
        HWND hFound;
    } search{className, accept, NULL};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            Search& s = *reinterpret_cast<Search*>(lParam);
            char name[64] = "";
            if (!::IsWindowVisible(hWnd) ||
                (s.className != NULL &&
                 (!::GetClassNameA(hWnd, name, sizeof name) || strcmp(name, s.className) != 0)) ||
                (s.accept && !s.accept(hWnd)))
                return TRUE;
            s.hFound = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

HWND CreateMessageWindow(const char* className, WNDPROC proc)
{
    HINSTANCE hInstance = ::GetModuleHandleA(NULL);
    WNDCLASSA wc = {};
    if (!::GetClassInfoA(hInstance, className, &wc))
    {
        wc.lpfnWndProc = proc;
        wc.hInstance = hInstance;
        wc.lpszClassName = className;
        ::RegisterClassA(&wc);
    }
    return ::CreateWindowA(className, "", 0, 0, 0, 10, 10, NULL, NULL, hInstance, NULL);
}

void MoveMouseTo(POINT screen)
{
    ::SetCursorPos(screen.x, screen.y);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = screen.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = screen.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof(INPUT));
    PumpMessages(50);
}

void SendLeftButton(bool bDown)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = bDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &in, sizeof(INPUT));
    PumpMessages(50);
}

void TypeText(const char* psz)
{
    for (; *psz != 0; psz++)
    {
        char c = *psz;
        WORD vk = c >= 'a' && c <= 'z' ? (WORD)(c - 'a' + 'A')
                  : c == ','           ? VK_OEM_COMMA
                  : c == '.'           ? VK_OEM_PERIOD
                  : c == '-'           ? VK_SUBTRACT
                  : c == '\n'          ? VK_RETURN
                                       : (WORD)c;
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = vk;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, in, sizeof(INPUT));
        // Enter may end an edit and open the next one: its keys must wait for that.
        if (vk == VK_RETURN)
            PumpMessages(150);
    }
    PumpMessages(200);
}

std::string ClipboardBytes(UINT nFormat)
{
    std::string s;
    if (!::OpenClipboard(NULL))
        return s;
    HANDLE h = ::GetClipboardData(nFormat);
    if (h != NULL)
    {
        const char* p = (const char*)::GlobalLock(h);
        s.assign(p, ::GlobalSize(h));
        ::GlobalUnlock(h);
    }
    ::CloseClipboard();
    return s;
}

std::string ClipboardText()
{
    std::string s = ClipboardBytes(CF_TEXT);
    return s.substr(0, s.find('\0'));
}

void PutClipboard(UINT nFormat, const void* pData, size_t nSize, bool bEmpty)
{
    if (!::OpenClipboard(NULL))
    {
        ADD_FAILURE() << "clipboard not opened";
        return;
    }
    if (bEmpty)
        ::EmptyClipboard();
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    memcpy(::GlobalLock(h), pData, nSize);
    ::GlobalUnlock(h);
    if (::SetClipboardData(nFormat, h) == NULL)
    {
        ::GlobalFree(h);
        ADD_FAILURE() << "clipboard format " << nFormat << " not set";
    }
    ::CloseClipboard();
}

void PutClipboardText(const char* psz)
{
    PutClipboard(CF_TEXT, psz, strlen(psz) + 1);
}

} // namespace testing_support
