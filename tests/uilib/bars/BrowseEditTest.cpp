// Browse edits in a dialog: the button beside the edit, the file and directory choosers answered
// from a timer while they run, and the file-system queries.
#include "BarsTestApp.h"
#include "TestSupport.h"
#include "uilib/bars/BrowseEdit.h"
#include "uilib/common/FileSystem.h"
#include <dlgs.h>
#include <functional>
#include <string>

using namespace testing_support;

namespace
{

const UINT kEditID = 9200;
const UINT kEdit2ID = 9201;

class CEditHost : public CDialog
{
  public:
    CEditHost()
    {
        Create(IDD_BUTTONS, NULL);
        MoveWindow(30, 30, 420, 300);
        for (UINT nID : {kEditID, kEdit2ID})
            ::CreateWindowEx(WS_EX_CLIENTEDGE, "EDIT", "",
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 10,
                             nID == kEditID ? 70 : 100, 250, 22, m_hWnd, (HMENU)(INT_PTR)nID, NULL, NULL);
    }
    ~CEditHost() override
    {
        DestroyWindow();
    }
};

// Answers the next chooser of this thread from a timer: what runs sees the dialog, then the
// dialog gets IDOK or IDCANCEL.
struct Answer
{
    int nCommand = IDCANCEL;
    std::function<void(HWND)> inspect;
    HWND hSeen = NULL;
};
Answer* g_pAnswer = NULL;

HWND g_hHost = NULL;

void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    // A visible dialog owned by the host: the chooser.
    HWND hDialog =
        FindThreadWindow("#32770", [](HWND hWnd) { return ::GetWindow(hWnd, GW_OWNER) == g_hHost; });
    if (hDialog == NULL || g_pAnswer == NULL || g_pAnswer->hSeen != NULL)
        return;
    ::KillTimer(NULL, nTimer);
    g_pAnswer->hSeen = hDialog;
    if (g_pAnswer->inspect)
        g_pAnswer->inspect(hDialog);
    ::PostMessage(hDialog, WM_COMMAND, g_pAnswer->nCommand, 0);
}

// Presses the edit's button through the system's queue and answers the chooser.
void Browse(SECBrowseEditBase& edit, Answer& answer)
{
    g_pAnswer = &answer;
    g_hHost = ::GetParent(edit.m_hWnd);
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 200, AnswerTimer);
    ClickAt(CentreOf(edit.GetButton()->m_hWnd));
    PumpUntil([&] { return answer.hSeen != NULL && !::IsWindow(answer.hSeen); }, 10000);
    ::KillTimer(NULL, nTimer);
    g_pAnswer = NULL;
    EXPECT_TRUE(answer.hSeen != NULL) << "no chooser appeared";
}

std::string WindowText(HWND hWnd)
{
    char sz[1024] = {};
    ::GetWindowText(hWnd, sz, sizeof sz);
    return sz;
}

// The test's temporary folder without its trailing "\".
std::string Folder()
{
    std::string folder = TempFolder();
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

std::string TempFile(const char* name)
{
    std::string path = TempFolder() + name;
    FILE* f = fopen(path.c_str(), "wb");
    if (f != NULL)
        fclose(f);
    return path;
}

} // namespace

TEST(BrowseEdit, TheButtonSitsAtTheEditsEndAndFollowsItsStateAndVisibility)
{
    CEditHost host;
    SECBrowseFileEdit edit;
    EXPECT_FALSE(edit.Initialize(4711, &host));
    ::EnableWindow(host.GetDlgItem(kEdit2ID)->m_hWnd, FALSE);
    ASSERT_TRUE(edit.Initialize(kEditID, &host));
    SECBrowseDirEdit second;
    ASSERT_TRUE(second.Initialize(kEdit2ID, &host));

    CRect rcEdit, rcButton;
    edit.GetWindowRect(&rcEdit);
    host.ScreenToClient(&rcEdit);
    edit.GetButton()->GetWindowRect(&rcButton);
    host.ScreenToClient(&rcButton);
    EXPECT_EQ(CRect(10, 70, 10 + 250 - 26, 92), rcEdit);
    EXPECT_EQ(CRect(260 - 25, 70, 260, 92), rcButton);
    EXPECT_EQ(32767, edit.GetButton()->GetDlgCtrlID());
    EXPECT_EQ(32766, second.GetButton()->GetDlgCtrlID());
    EXPECT_EQ("...", WindowText(edit.GetButton()->m_hWnd));
    EXPECT_EQ(edit.GetButton()->m_hWnd, ::GetWindow(edit.m_hWnd, GW_HWNDNEXT));
    EXPECT_TRUE(edit.GetButton()->GetStyle() & WS_TABSTOP);

    EXPECT_FALSE(second.GetButton()->IsWindowEnabled());
    EXPECT_TRUE(edit.GetButton()->IsWindowEnabled());
    edit.EnableWindow(FALSE);
    EXPECT_FALSE(edit.GetButton()->IsWindowEnabled());
    edit.EnableWindow(TRUE);
    EXPECT_TRUE(edit.GetButton()->IsWindowEnabled());
    edit.ShowWindow(SW_HIDE);
    EXPECT_FALSE(edit.GetButton()->IsWindowVisible());
    edit.ShowWindow(SW_SHOW);
    EXPECT_TRUE(edit.GetButton()->IsWindowVisible());
    EXPECT_STREQ("Datei ausw\xE4hlen", edit.GetTitle());
    EXPECT_STREQ("Verzeichnis ausw\xE4hlen", second.GetTitle());
}

TEST(BrowseEdit, TheFileChooserStartsWithAnExistingFileOnlyAndCancelKeepsTheText)
{
    CEditHost host;
    SECBrowseFileEdit edit;
    ASSERT_TRUE(edit.Initialize(kEditID, &host));
    std::string missing = TempFolder() + "nicht_da.txt";
    edit.SetWindowText(missing.c_str());
    std::string shownName = "unread", title;
    Answer cancel;
    cancel.inspect = [&](HWND hDialog) {
        title = WindowText(hDialog);
        char sz[MAX_PATH] = {};
        ::SendMessage(hDialog, CDM_GETSPEC, MAX_PATH, reinterpret_cast<LPARAM>(sz));
        shownName = sz;
    };
    Browse(edit, cancel);
    EXPECT_EQ("", shownName);
    EXPECT_EQ(missing, WindowText(edit.m_hWnd));
    EXPECT_EQ("Datei ausw\xE4hlen", title);

    std::string existing = TempFile("vorhanden.txt");
    edit.SetWindowText(existing.c_str());
    char szBefore[MAX_PATH];
    ::GetCurrentDirectory(MAX_PATH, szBefore);
    Answer ok;
    ok.nCommand = IDOK;
    ok.inspect = cancel.inspect;
    Browse(edit, ok);
    EXPECT_EQ("vorhanden.txt", shownName);
    EXPECT_STRCASEEQ(existing.c_str(), WindowText(edit.m_hWnd).c_str());
    char szAfter[MAX_PATH];
    ::GetCurrentDirectory(MAX_PATH, szAfter);
    EXPECT_STREQ(szBefore, szAfter); // OFN_NOCHANGEDIR
}

TEST(BrowseEdit, TheOldStyleDirectoryChooserReturnsTheDirectoryShown)
{
    CEditHost host;
    SECBrowseDirEdit edit;
    ASSERT_TRUE(edit.Initialize(kEditID, &host));
    struct
    {
        std::string text;
        int nCommand;
        std::string expected;
    } cases[] = {
        {"C:", IDOK, "C:\\"},
        {Folder(), IDOK, Folder() + "\\"},
        {Folder(), IDCANCEL, Folder()},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        edit.SetWindowText(c.text.c_str());
        bool bNameHidden = false, bListShown = false;
        std::string hiddenName;
        Answer answer;
        answer.nCommand = c.nCommand;
        answer.inspect = [&](HWND hDialog) {
            bNameHidden = !::IsWindowVisible(::GetDlgItem(hDialog, edt1)) &&
                          !::IsWindowVisible(::GetDlgItem(hDialog, lst1)) &&
                          !::IsWindowVisible(::GetDlgItem(hDialog, cmb1));
            bListShown = ::IsWindowVisible(::GetDlgItem(hDialog, lst2)) != FALSE;
            hiddenName = WindowText(::GetDlgItem(hDialog, edt1));
        };
        Browse(edit, answer);
        EXPECT_TRUE(bNameHidden);
        EXPECT_TRUE(bListShown);
        EXPECT_EQ("NOFILES.$$$", hiddenName);
        EXPECT_STRCASEEQ(c.expected.c_str(), WindowText(edit.m_hWnd).c_str());
    }
}

TEST(BrowseEdit, TheFolderBrowserReturnsTheFolderItStartedIn)
{
    ::OleInitialize(NULL);
    CEditHost host;
    SECBrowseDirEdit edit;
    edit.m_wSelectorStyle = 0;
    ASSERT_TRUE(edit.Initialize(kEditID, &host));
    edit.SetWindowText(Folder().c_str());
    // The folder's parent was last read an hour ago and has changed since (the folder was made).
    {
        const std::string parent = Folder().substr(0, Folder().rfind('\\'));
        HANDLE hParent =
            ::CreateFileA(parent.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, NULL);
        ASSERT_NE(INVALID_HANDLE_VALUE, hParent);
        FILETIME ft;
        ::GetSystemTimeAsFileTime(&ft);
        ULARGE_INTEGER t;
        t.LowPart = ft.dwLowDateTime;
        t.HighPart = ft.dwHighDateTime;
        t.QuadPart -= 3600ull * 10000000ull;
        ft.dwLowDateTime = t.LowPart;
        ft.dwHighDateTime = t.HighPart;
        EXPECT_TRUE(::SetFileTime(hParent, NULL, &ft, NULL));
        ::CloseHandle(hParent);
    }
    Answer ok;
    ok.nCommand = IDOK;
    Browse(edit, ok);
    EXPECT_STRCASEEQ((Folder() + "\\").c_str(), WindowText(edit.m_hWnd).c_str());

    edit.SetWindowText("unchanged");
    Answer cancel;
    Browse(edit, cancel);
    EXPECT_EQ("unchanged", WindowText(edit.m_hWnd));
    ::OleUninitialize();
}

TEST(FileSystem, QueriesAndDirectoriesCheckedByPath)
{
    std::string file = TempFile("datei.txt");
    DWORD dwDrives = ::GetLogicalDrives();
    std::string noDrive;
    for (char c = 'Y'; c > 'D'; --c)
        if (!(dwDrives & (1u << (c - 'A'))))
        {
            noDrive = std::string(1, c) + ":";
            break;
        }
    ASSERT_FALSE(noDrive.empty());
    struct
    {
        std::string path;
        BOOL bValid;
        std::string after;
    } cases[] = {
        {"C:", TRUE, "C:\\"},       {"C:\\", TRUE, "C:\\"},
        {Folder(), TRUE, Folder()}, {Folder() + "\\", TRUE, Folder()},
        {file, FALSE, file},        {Folder() + "\\fehlt", FALSE, Folder() + "\\fehlt"},
        {noDrive, FALSE, noDrive},  {"", FALSE, ""},
    };
    for (const auto& c : cases)
    {
        CString strPath = c.path.c_str();
        EXPECT_EQ(c.bValid, IsValidDirectory(strPath)) << c.path;
        EXPECT_EQ(c.after, std::string(strPath)) << c.path;
    }

    SECFileSystem fs;
    EXPECT_TRUE(fs.FileExists(file.c_str()));
    EXPECT_FALSE(fs.FileExists((file + "x").c_str()));
    EXPECT_TRUE(fs.IsDirectory(Folder().c_str()));
    EXPECT_FALSE(fs.IsDirectory(file.c_str()));

    char szCurrent[MAX_PATH];
    ::GetCurrentDirectory(MAX_PATH, szCurrent);
    EXPECT_EQ(std::string(szCurrent, 2) + "\\", std::string(fs.GetCurrentDrive()));
    EXPECT_STREQ(szCurrent, fs.GetCurrentDirectory(""));
    ::SetErrorMode(SEM_NOGPFAULTERRORBOX);
    EXPECT_STREQ("", fs.GetCurrentDirectory(noDrive.c_str()));
    EXPECT_FALSE(fs.GetCurrentDirectory("C:").IsEmpty());
    char szAfter[MAX_PATH];
    ::GetCurrentDirectory(MAX_PATH, szAfter);
    EXPECT_STREQ(szCurrent, szAfter);
    // The caller's error mode is back.
    EXPECT_EQ(static_cast<UINT>(SEM_NOGPFAULTERRORBOX), ::SetErrorMode(0));
}
