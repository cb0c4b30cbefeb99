// The application object of the window-layer tests, its document and view classes, and a recorder
// that handlers write to so tests can see who received what.
#pragma once
#include "afxwin.h"
#include "MDIFrameWnd.h"
#include "MDIChildWnd.h"
#include "TestIds.h"
#include <string>
#include <vector>

// Who handled what, in order ("view:32001", "app:32003").
std::vector<std::string>& Handled();

class CTestApp : public CWinApp
{
  public:
    CTestApp() : CWinApp(_T("HelvonWinTest"))
    {
    }
    void OnAppCmd()
    {
        Handled().push_back("app:" + std::to_string(ID_TEST_APPCMD));
    }
    void OnViewCmdInApp()
    {
        Handled().push_back("app:" + std::to_string(ID_TEST_VIEWCMD));
    }
    void OnDisabled()
    {
        Handled().push_back("app:disabled");
    }
    void OnUpdateDisabled(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(FALSE);
    }

    // Help is not launched in tests: the call is recorded ("help:<data>:<command>").
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override
    {
        Handled().push_back("help:" + std::to_string(dwData) + ":" + std::to_string(nCmd));
    }

    CMultiDocTemplate* m_pTextTemplate = NULL;
    CMultiDocTemplate* m_pListTemplate = NULL;

    DECLARE_MESSAGE_MAP()
};

CTestApp& TheApp();

// Answers the next File New type choice from a timer of this thread: picks the entry at nIndex by
// the keyboard (Enter), or cancels with Esc when nIndex is negative. TypeChoicesAnswered() counts
// the choices answered so far.
void AnswerNewTypeChoice(int nIndex);
int TypeChoicesAnswered();

// A document of a text and a number, with a fixed header so foreign files are refused.
class CTextDoc : public CDocument
{
    DECLARE_DYNCREATE(CTextDoc)

  public:
    void Serialize(CArchive& ar) override;
    void DeleteContents() override
    {
        m_text.Empty();
        m_number = 0;
    }
    void OnDocCmd()
    {
        Handled().push_back("doc:" + std::to_string(ID_TEST_DOCCMD));
    }

    CString m_text;
    long m_number = 0;
    // Test switch: storing throws a file error after half the data is written.
    BOOL m_bFailHalfway = FALSE;

    DECLARE_MESSAGE_MAP()
};

class CListDoc : public CTextDoc
{
    DECLARE_DYNCREATE(CListDoc)
};

class CTextView : public CView
{
    DECLARE_DYNCREATE(CTextView)

  public:
    void OnDraw(CDC*) override
    {
    }
    void OnViewCmd()
    {
        Handled().push_back("view:" + std::to_string(ID_TEST_VIEWCMD));
    }

    DECLARE_MESSAGE_MAP()
};

class CChildFrame : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CChildFrame)
};

class CMainFrame : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)

  public:
    // Help the application hands to its main window is recorded ("frame-help:<data>:<command>").
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override
    {
        Handled().push_back("frame-help:" + std::to_string(dwData) + ":" + std::to_string(nCmd));
    }
};

// A plain frame (no MDI) for documents opened outside the MDI tests.
class CPlainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CPlainFrame)
};
