// The application object of the window-layer tests: MDI main frame and two document templates,
// set up once for the whole test program.
#include "TestApp.h"
#include "TestSupport.h"

std::vector<std::string>& Handled()
{
    static std::vector<std::string> handled;
    return handled;
}

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND(ID_TEST_APPCMD, OnAppCmd)
ON_COMMAND(ID_TEST_VIEWCMD, OnViewCmdInApp)
ON_COMMAND(ID_TEST_DISABLED, OnDisabled)
ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, OnUpdateDisabled)
ON_COMMAND(ID_FILE_NEW, OnFileNew)
ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

static CTestApp theApp;

CTestApp& TheApp()
{
    return theApp;
}

IMPLEMENT_DYNCREATE(CTextDoc, CDocument)
IMPLEMENT_DYNCREATE(CListDoc, CTextDoc)
IMPLEMENT_DYNCREATE(CTextView, CView)
IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)
IMPLEMENT_DYNCREATE(CMainFrame, CMDIFrameWnd)
IMPLEMENT_DYNCREATE(CPlainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CTextDoc, CDocument)
ON_COMMAND(ID_TEST_DOCCMD, OnDocCmd)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTextView, CView)
ON_COMMAND(ID_TEST_VIEWCMD, OnViewCmd)
END_MESSAGE_MAP()

static const DWORD kMagic = 0x54564C48; // "HLVT"

void CTextDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << kMagic << m_text;
        if (m_bFailHalfway)
        {
            ar.Flush(); // half the document is on disk when the error strikes
            AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, ar.GetFile()->GetFilePath());
        }
        ar << m_number;
    }
    else
    {
        DWORD magic = 0;
        ar >> magic;
        if (magic != kMagic)
            AfxThrowArchiveException(CArchiveException::badSchema);
        ar >> m_text >> m_number;
    }
}

static int s_nChoiceIndex = 0;
static int s_nChoicesAnswered = 0;

static void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    HWND hWndChoice = testing_support::FindThreadWindow(NULL, [](HWND hWnd) {
        TCHAR szTitle[16];
        ::GetWindowText(hWnd, szTitle, 16);
        return lstrcmp(szTitle, _T("Neu")) == 0 && ::GetDlgItem(hWnd, 100) != NULL;
    });
    if (hWndChoice == NULL)
        return; // not up yet
    ::KillTimer(NULL, nIDEvent);
    HWND hWndList = ::GetDlgItem(hWndChoice, 100);
    if (s_nChoiceIndex >= 0)
        ::SendMessage(hWndList, LB_SETCURSEL, s_nChoiceIndex, 0);
    // Through the message loop like a real key press.
    ::PostMessage(hWndList, WM_KEYDOWN, s_nChoiceIndex >= 0 ? VK_RETURN : VK_ESCAPE, 0);
    s_nChoicesAnswered++;
}

void AnswerNewTypeChoice(int nIndex)
{
    s_nChoiceIndex = nIndex;
    ::SetTimer(NULL, 0, 50, AnswerTimer);
}

int TypeChoicesAnswered()
{
    return s_nChoicesAnswered;
}

namespace
{
// Creates the main frame and the templates before the first test; closes everything after the last.
class AppEnvironment : public ::testing::Environment
{
  public:
    void SetUp() override
    {
        AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOWNORMAL);
        theApp.m_pTextTemplate = new CMultiDocTemplate(IDR_TEXTTYPE, RUNTIME_CLASS(CTextDoc),
                                                       RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CTextView));
        theApp.AddDocTemplate(theApp.m_pTextTemplate);
        theApp.m_pListTemplate = new CMultiDocTemplate(IDR_LISTTYPE, RUNTIME_CLASS(CListDoc),
                                                       RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CTextView));
        theApp.AddDocTemplate(theApp.m_pListTemplate);
        CMainFrame* pMainFrame = new CMainFrame;
        ASSERT_TRUE(pMainFrame->LoadFrame(IDR_MAINFRAME));
        theApp.m_pMainWnd = pMainFrame;
        pMainFrame->ShowWindow(SW_SHOWNORMAL);
        pMainFrame->UpdateWindow();
    }
    void TearDown() override
    {
        theApp.CloseAllDocuments(TRUE);
        if (theApp.m_pMainWnd != NULL)
            theApp.m_pMainWnd->DestroyWindow();
        theApp.m_pMainWnd = NULL;
    }
};

const auto* const g_env = ::testing::AddGlobalTestEnvironment(new AppEnvironment);
} // namespace
