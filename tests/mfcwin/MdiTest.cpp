// The MDI test application: titles and menus follow the active child, commands run through view,
// document, frame and application in that order, files open from the command line and by drop.
#include "TestApp.h"
#include "TestSupport.h"
#include <shlobj.h>
#include <vector>

using namespace testing_support;

namespace
{
CMainFrame* MainFrame()
{
    return (CMainFrame*)TheApp().m_pMainWnd;
}

CString WindowText(CWnd* pWnd)
{
    CString text;
    pWnd->GetWindowText(text);
    return text;
}

// Text of the second top-level menu item of the main frame ("&Text" or "&Liste").
CString SecondMenuTitle()
{
    CString text;
    CMenu* pMenu = MainFrame()->GetMenu();
    if (pMenu != NULL)
        pMenu->GetMenuString(1, text, MF_BYPOSITION);
    return text;
}

CFrameWnd* FrameOf(CDocument* pDoc)
{
    POSITION pos = pDoc->GetFirstViewPosition();
    return pos != NULL ? pDoc->GetNextView(pos)->GetParentFrame() : NULL;
}

class Mdi : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        Handled().clear();
    }
    void TearDown() override
    {
        TheApp().CloseAllDocuments(FALSE);
        EXPECT_EQ(0, TheApp().GetOpenDocumentCount());
        EXPECT_EQ(NULL, MainFrame()->MDIGetActive());
    }
    MessageBoxes m_boxes;
};

TEST_F(Mdi, TitleAndMenuFollowTheActiveChild)
{
    EXPECT_EQ(CString("&Datei"), [] {
        CString text;
        MainFrame()->GetMenu()->GetMenuString(0, text, MF_BYPOSITION);
        return text;
    }());
    CDocument* pText = TheApp().m_pTextTemplate->OpenDocumentFile(NULL);
    ASSERT_NE(nullptr, pText);
    // "Text<n>": the document name from the template's string and the untitled counter.
    EXPECT_EQ(0, pText->GetTitle().Find("Text"));
    EXPECT_EQ(pText->GetTitle() + " - Pr\xFC"
                                  "fstand",
              WindowText(MainFrame()));
    EXPECT_EQ(CString("&Text"), SecondMenuTitle());

    CDocument* pList = TheApp().m_pListTemplate->OpenDocumentFile(NULL);
    ASSERT_NE(nullptr, pList);
    EXPECT_EQ(FrameOf(pList), MainFrame()->MDIGetActive());
    EXPECT_EQ(0, pList->GetTitle().Find("Liste"));
    EXPECT_EQ(pList->GetTitle() + " - Pr\xFC"
                                  "fstand",
              WindowText(MainFrame()));
    EXPECT_EQ(CString("&Liste"), SecondMenuTitle());

    MainFrame()->MDIActivate(FrameOf(pText));
    EXPECT_EQ(FrameOf(pText), MainFrame()->MDIGetActive());
    EXPECT_EQ(pText->GetTitle() + " - Pr\xFC"
                                  "fstand",
              WindowText(MainFrame()));
    EXPECT_EQ(CString("&Text"), SecondMenuTitle());

    // The last child gone, the frame's own menu and plain title come back.
    TheApp().CloseAllDocuments(FALSE);
    EXPECT_EQ(CString("&Fenster"), SecondMenuTitle());
    EXPECT_EQ(CString("Pr\xFC"
                      "fstand"),
              WindowText(MainFrame()));
}

TEST_F(Mdi, SecondWindowOnADocumentNumbersBothTitles)
{
    CDocument* pText = TheApp().m_pTextTemplate->OpenDocumentFile(NULL);
    ASSERT_NE(nullptr, pText);
    CFrameWnd* pFirst = FrameOf(pText);
    MainFrame()->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    CFrameWnd* pSecond = MainFrame()->MDIGetActive();
    ASSERT_NE(pFirst, pSecond);
    // Untitled numbers keep counting across tests; the window numbers are what matters here.
    CString title = pText->GetTitle();
    EXPECT_EQ(title + ":1", WindowText(pFirst));
    EXPECT_EQ(title + ":2", WindowText(pSecond));
    EXPECT_EQ(title + ":2 - Pr\xFC"
                      "fstand",
              WindowText(MainFrame()));
}

struct RouteCase
{
    const char* name;
    UINT nID;
    std::vector<std::string> expected;
};

TEST_F(Mdi, CommandsReachViewFirstAndApplicationLast)
{
    CDocument* pText = TheApp().m_pTextTemplate->OpenDocumentFile(NULL);
    ASSERT_NE(nullptr, pText);
    const RouteCase cases[] = {
        {"view and app both handle it: the view wins", ID_TEST_VIEWCMD, {"view:32001"}},
        {"only the document", ID_TEST_DOCCMD, {"doc:32002"}},
        {"only the application", ID_TEST_APPCMD, {"app:32003"}},
        {"update handler disables it: nobody runs it", ID_TEST_DISABLED, {}},
    };
    for (const RouteCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        Handled().clear();
        MainFrame()->SendMessage(WM_COMMAND, MAKEWPARAM(c.nID, 0), 0);
        EXPECT_EQ(c.expected, Handled());
    }
}

TEST_F(Mdi, MenuStateComesFromUpdateHandlers)
{
    CDocument* pText = TheApp().m_pTextTemplate->OpenDocumentFile(NULL);
    ASSERT_NE(nullptr, pText);
    CMenu* pPopup = MainFrame()->GetMenu()->GetSubMenu(1);
    ASSERT_NE(nullptr, pPopup);
    MainFrame()->SendMessage(WM_INITMENUPOPUP, (WPARAM)pPopup->GetSafeHmenu(), MAKELPARAM(1, FALSE));
    EXPECT_TRUE(pPopup->GetMenuState(ID_TEST_DISABLED, MF_BYCOMMAND) & MF_GRAYED);
    // No handler anywhere: greyed, as the frame disables commands nobody takes.
    EXPECT_TRUE(pPopup->GetMenuState(ID_TEST_TEXTONLY, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(pPopup->GetMenuState(ID_TEST_VIEWCMD, MF_BYCOMMAND) & MF_GRAYED);
}

// Writes a text document to path through the framework.
void SaveTextDocument(const CString& path, LPCTSTR text, long number)
{
    CTextDoc* pDoc = (CTextDoc*)TheApp().m_pTextTemplate->OpenDocumentFile(NULL);
    ASSERT_NE(nullptr, pDoc);
    pDoc->m_text = text;
    pDoc->m_number = number;
    ASSERT_TRUE(pDoc->DoSave(path));
    pDoc->OnCloseDocument();
}

TEST_F(Mdi, FileNamedOnTheCommandLineOpens)
{
    CString path = CString(TempFolder().c_str()) + "\\cmdline.hvt";
    SaveTextDocument(path, _T("Kommandozeile"), 7);
    CCommandLineInfo cmdInfo;
    cmdInfo.ParseParam(path, FALSE, TRUE);
    EXPECT_EQ(CCommandLineInfo::FileOpen, cmdInfo.m_nShellCommand);
    ASSERT_TRUE(TheApp().ProcessShellCommand(cmdInfo));
    CMDIChildWnd* pChild = MainFrame()->MDIGetActive();
    ASSERT_NE(nullptr, pChild);
    CTextDoc* pDoc = (CTextDoc*)pChild->GetActiveDocument();
    ASSERT_NE(nullptr, pDoc);
    EXPECT_EQ(CString("Kommandozeile"), pDoc->m_text);
    EXPECT_EQ(7, pDoc->m_number);
    EXPECT_EQ(CString("cmdline.hvt"), pDoc->GetTitle());
    ::DeleteFile(path);
}

TEST_F(Mdi, FileDroppedOnTheFrameOpens)
{
    CString path = CString(TempFolder().c_str()) + "\\dropped.hvt";
    SaveTextDocument(path, _T("Abgelegt"), 9);
    // A drop handle as the shell makes it: DROPFILES followed by the names, double-terminated.
    SIZE_T cb = sizeof(DROPFILES) + path.GetLength() + 2;
    HGLOBAL hDrop = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cb);
    DROPFILES* pDrop = (DROPFILES*)::GlobalLock(hDrop);
    pDrop->pFiles = sizeof(DROPFILES);
    pDrop->fWide = FALSE;
    lstrcpy((LPSTR)(pDrop + 1), path);
    ::GlobalUnlock(hDrop);
    MainFrame()->SendMessage(WM_DROPFILES, (WPARAM)hDrop);
    CMDIChildWnd* pChild = MainFrame()->MDIGetActive();
    ASSERT_NE(nullptr, pChild);
    CTextDoc* pDoc = (CTextDoc*)pChild->GetActiveDocument();
    ASSERT_NE(nullptr, pDoc);
    EXPECT_EQ(CString("Abgelegt"), pDoc->m_text);
    ::DeleteFile(path);
}

TEST_F(Mdi, OpeningAnOpenFileActivatesItsWindow)
{
    CString path = CString(TempFolder().c_str()) + "\\twice.hvl";
    CListDoc* pDoc = (CListDoc*)TheApp().m_pListTemplate->OpenDocumentFile(NULL);
    ASSERT_NE(nullptr, pDoc);
    ASSERT_TRUE(pDoc->DoSave(path));
    TheApp().m_pTextTemplate->OpenDocumentFile(NULL);
    EXPECT_EQ(pDoc, TheApp().OpenDocumentFile(path));
    EXPECT_EQ(FrameOf(pDoc), MainFrame()->MDIGetActive());
    EXPECT_EQ(2, TheApp().GetOpenDocumentCount());
    ::DeleteFile(path);
}
} // namespace

namespace
{
// A bar 30 pixels high along the top, so the MDI client's place differs from the client area.
class CTopBar : public CControlBar
{
  public:
    CSize CalcFixedLayout(BOOL, BOOL) override
    {
        return CSize(32767, 30);
    }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override
    {
    }
};

std::vector<CSize> g_clientSizes;
WNDPROC g_pfnClientProc = NULL;

LRESULT CALLBACK RecordClientSizes(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_WINDOWPOSCHANGED)
    {
        const WINDOWPOS* pPos = (const WINDOWPOS*)lParam;
        if (!(pPos->flags & SWP_NOSIZE))
            g_clientSizes.push_back(CSize(pPos->cx, pPos->cy));
    }
    return ::CallWindowProc(g_pfnClientProc, hWnd, nMsg, wParam, lParam);
}

TEST_F(Mdi, ResizingTheFrameSizesTheClientOnceAroundTheBars)
{
    CMainFrame* pFrame = MainFrame();
    CTopBar* pBar = new CTopBar;
    pBar->m_dwStyle = CBRS_TOP;
    ASSERT_TRUE(pBar->CreateEx(0, AfxRegisterWndClass(0), NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0),
                               pFrame, AFX_IDW_TOOLBAR));
    pFrame->RecalcLayout();
    g_clientSizes.clear();
    g_pfnClientProc =
        (WNDPROC)::SetWindowLongPtr(pFrame->m_hWndMDIClient, GWLP_WNDPROC, (LONG_PTR)RecordClientSizes);
    CRect rect;
    pFrame->GetWindowRect(&rect);
    pFrame->SetWindowPos(NULL, 0, 0, rect.Width() + 40, rect.Height() + 30, SWP_NOMOVE | SWP_NOZORDER);
    ::SetWindowLongPtr(pFrame->m_hWndMDIClient, GWLP_WNDPROC, (LONG_PTR)g_pfnClientProc);
    CRect rectClient;
    pFrame->GetClientRect(&rectClient);
    ASSERT_EQ(1u, g_clientSizes.size());
    EXPECT_EQ(CSize(rectClient.Width(), rectClient.Height() - 30), g_clientSizes[0]);
    pBar->DestroyWindow();
    delete pBar;
    pFrame->SetWindowPos(NULL, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER);
}
} // namespace
