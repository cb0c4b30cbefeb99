// Application services: File New's type choice, shell registration of the document types,
// printer defaults, help requests and wait cursors.
#include "TestApp.h"
#include "TestSupport.h"
#include <shlwapi.h>
#include <winspool.h>

using namespace testing_support;

namespace
{
CMainFrame* MainFrame()
{
    return (CMainFrame*)TheApp().m_pMainWnd;
}

class FileNew : public ::testing::Test
{
  protected:
    void TearDown() override
    {
        TheApp().CloseAllDocuments(FALSE);
        EXPECT_TRUE(MainFrame()->IsWindowEnabled()); // the choice gave its owner back
    }
    MessageBoxes m_boxes;
};

TEST_F(FileNew, WithTwoTemplatesAsksAndCreatesTheChosenType)
{
    const struct
    {
        int nChoice;
        CRuntimeClass* pExpectedClass; // NULL: cancelled, no document
    } cases[] = {
        {1, RUNTIME_CLASS(CListDoc)},
        {0, RUNTIME_CLASS(CTextDoc)},
        {-1, NULL},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nChoice);
        TheApp().CloseAllDocuments(FALSE);
        int nAnswered = TypeChoicesAnswered();
        AnswerNewTypeChoice(c.nChoice);
        MainFrame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
        EXPECT_EQ(nAnswered + 1, TypeChoicesAnswered());
        CMDIChildWnd* pChild = MainFrame()->MDIGetActive();
        if (c.pExpectedClass == NULL)
        {
            EXPECT_EQ(0, TheApp().GetOpenDocumentCount());
            continue;
        }
        ASSERT_NE(nullptr, pChild);
        CDocument* pDoc = pChild->GetActiveDocument();
        ASSERT_NE(nullptr, pDoc);
        EXPECT_EQ(c.pExpectedClass, pDoc->GetRuntimeClass());
    }
}

// HKEY_CLASSES_ROOT\lpszKey's default value, "<none>" when the key is missing.
std::string ClassesRootValue(const std::string& key)
{
    char szValue[MAX_PATH] = {};
    LONG lSize = sizeof(szValue);
    if (::RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), szValue, &lSize) != ERROR_SUCCESS)
        return "<none>";
    return szValue;
}

class ShellTypes : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        Cleanup();
    }
    void TearDown() override
    {
        Cleanup();
    }
    static void Cleanup()
    {
        for (const char* key : {".hvt", ".hvl", "HelvonTest.Text", "HelvonTest.Liste"})
            ::SHDeleteKeyA(HKEY_CLASSES_ROOT, key);
    }
};

TEST_F(ShellTypes, RegisterWritesTypesAndCommandsAndUnregisterRemovesThem)
{
    char szExe[MAX_PATH];
    ::GetModuleFileNameA(NULL, szExe, MAX_PATH);
    const std::string exe = szExe;
    // Another program already owns .hvl: it keeps it.
    ::RegSetValueA(HKEY_CLASSES_ROOT, ".hvl", REG_SZ, "Fremd.Typ", 9);
    TheApp().EnableShellOpen();
    EXPECT_NE(0, ::GlobalFindAtomA("system"));
    TheApp().RegisterShellFileTypes(TRUE);
    const struct
    {
        std::string key;
        std::string value;
    } expected[] = {
        {".hvt", "HelvonTest.Text"},
        {".hvl", "Fremd.Typ"},
        {"HelvonTest.Text", "Text-Dokument"},
        {"HelvonTest.Text\\DefaultIcon", exe + ",0"},
        {"HelvonTest.Text\\shell\\open\\command", "\"" + exe + "\" \"%1\""},
        {"HelvonTest.Text\\shell\\print\\command", "\"" + exe + "\" /p \"%1\""},
        {"HelvonTest.Text\\shell\\printto\\command", "\"" + exe + "\" /pt \"%1\" \"%2\" \"%3\" \"%4\""},
        {"HelvonTest.Liste", "Listen-Dokument"},
        {"HelvonTest.Liste\\shell\\open\\command", "\"" + exe + "\" \"%1\""},
    };
    for (const auto& e : expected)
        EXPECT_EQ(e.value, ClassesRootValue(e.key)) << e.key;

    // What the shell would run parses back into the command it stands for.
    CCommandLineInfo cmdInfo;
    cmdInfo.ParseParam("p", TRUE, FALSE);
    cmdInfo.ParseParam("C:\\x.hvt", FALSE, TRUE);
    EXPECT_EQ(CCommandLineInfo::FilePrint, cmdInfo.m_nShellCommand);

    TheApp().UnregisterShellFileTypes();
    EXPECT_EQ("<none>", ClassesRootValue("HelvonTest.Text"));
    EXPECT_EQ("<none>", ClassesRootValue("HelvonTest.Liste"));
    EXPECT_EQ("<none>", ClassesRootValue(".hvt"));
    EXPECT_EQ("Fremd.Typ", ClassesRootValue(".hvl")); // not ours: left alone
}

TEST(PrinterDefaults, FollowTheSystemsDefaultPrinter)
{
    char szDefault[256] = {};
    DWORD dwSize = sizeof(szDefault);
    BOOL bHavePrinter = ::GetDefaultPrinterA(szDefault, &dwSize);
    PRINTDLG pd = {};
    pd.lStructSize = sizeof(pd);
    BOOL bResult = TheApp().GetPrinterDeviceDefaults(&pd);
    ASSERT_EQ(bHavePrinter, bResult);
    if (!bHavePrinter)
    {
        EXPECT_EQ(nullptr, TheApp().m_hDevNames);
        return;
    }
    EXPECT_EQ(TheApp().m_hDevNames, pd.hDevNames);
    EXPECT_EQ(TheApp().m_hDevMode, pd.hDevMode);
    DEVNAMES* pNames = (DEVNAMES*)::GlobalLock(pd.hDevNames);
    ASSERT_NE(nullptr, pNames);
    EXPECT_STREQ(szDefault, (LPCSTR)pNames + pNames->wDeviceOffset);
    ::GlobalUnlock(pd.hDevNames);
    // Asked again, the same selection is handed out.
    PRINTDLG pd2 = {};
    pd2.lStructSize = sizeof(pd2);
    EXPECT_TRUE(TheApp().GetPrinterDeviceDefaults(&pd2));
    EXPECT_EQ(pd.hDevNames, pd2.hDevNames);
}

TEST(Help, RequestsReachTheApplicationsWinHelp)
{
    Handled().clear();
    // The application's own help call goes to the main window's.
    TheApp().CWinApp::WinHelp(0x1234, HELP_CONTEXT);
    // F1 without a prompt context and no menu item tracked: the frame's resource help id.
    MainFrame()->m_nIDTracking = AFX_IDS_IDLEMESSAGE;
    MainFrame()->SendMessage(WM_COMMAND, ID_HELP);
    // A help request for a given context.
    MainFrame()->SendMessage(WM_COMMANDHELP, 0, HID_BASE_COMMAND + ID_TEST_VIEWCMD);
    const std::vector<std::string> expected = {
        "frame-help:4660:" + std::to_string(HELP_CONTEXT),
        "help:" + std::to_string(HID_BASE_RESOURCE + IDR_MAINFRAME) + ":" + std::to_string(HELP_CONTEXT),
        "help:" + std::to_string(HID_BASE_COMMAND + ID_TEST_VIEWCMD) + ":" + std::to_string(HELP_CONTEXT),
    };
    EXPECT_EQ(expected, Handled());
}

TEST(Help, ContentsAndF1OfAWindow)
{
    Handled().clear();
    // The contents, asked of the application and of a window.
    TheApp().OnHelpFinder();
    MainFrame()->OnHelpFinder();
    // F1 handled by a window: the focused frame answers with its own help id.
    MainFrame()->SetFocus();
    MainFrame()->m_nIDTracking = AFX_IDS_IDLEMESSAGE;
    MainFrame()->CWnd::OnHelp();
    const std::vector<std::string> expected = {
        "help:0:" + std::to_string(HELP_FINDER),
        "help:0:" + std::to_string(HELP_FINDER),
        "help:" + std::to_string(HID_BASE_RESOURCE + IDR_MAINFRAME) + ":" + std::to_string(HELP_CONTEXT),
    };
    EXPECT_EQ(expected, Handled());
}

TEST(WaitCursor, NestsAndRestoresThePreviousCursor)
{
    HCURSOR hArrow = ::LoadCursor(NULL, IDC_ARROW);
    HCURSOR hWait = ::LoadCursor(NULL, IDC_WAIT);
    ::SetCursor(hArrow);
    {
        CWaitCursor outer;
        EXPECT_EQ(hWait, ::GetCursor());
        EXPECT_EQ(1, TheApp().m_nWaitCursorCount);
        {
            CWaitCursor inner;
            EXPECT_EQ(2, TheApp().m_nWaitCursorCount);
        }
        EXPECT_EQ(hWait, ::GetCursor()); // still waiting for the outer one
        ::SetCursor(hArrow);             // something changed the cursor meanwhile
        outer.Restore();
        EXPECT_EQ(hWait, ::GetCursor());
        EXPECT_EQ(1, TheApp().m_nWaitCursorCount);
    }
    EXPECT_EQ(0, TheApp().m_nWaitCursorCount);
    EXPECT_EQ(hArrow, ::GetCursor());
    // The command target's calls go the same way.
    CCmdTarget target;
    target.BeginWaitCursor();
    EXPECT_EQ(hWait, ::GetCursor());
    target.EndWaitCursor();
    EXPECT_EQ(hArrow, ::GetCursor());
}
} // namespace
