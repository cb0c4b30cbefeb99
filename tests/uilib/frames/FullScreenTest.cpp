// Full-screen mode on a test MDI application: a frame with the menu bar, a toolbar docked at
// the top, a bar on the left, a floating toolbar, a hidden bar and a maximised child whose
// document type has accelerators of its own. Input is real (SendInput) and goes through the
// frame's PreTranslateMessage, as in the application's loop.
#include "FramesIds.h"
#include "SecMdiFixture.h"
#include "mfc/DC.h"
#include "mfc/GdiObject.h"
#include "mfc/OleFrameHook.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/bars/CustomToolBar.h"
#include "uilib/bars/MDIMenuBar.h"
#include "uilib/bars/ReBar.h"
#include "uilib/bars/TBMenuBtn.h"
#include "uilib/bars/ToolBar.h"
#include "uilib/frames/docking/FrameWnd.h"
#include "uilib/frames/views/FullScreenView.h"
#include <functional>
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
const UINT kMenuBarID = 0xE8FF;
enum
{
    idTop = 0x410,
    idLeft = 0x411,
    idFloat = 0x412,
    idHidden = 0x413
};
const UINT kToolButtons[] = {ID_MB_OPEN, ID_MB_SAVE};

void PressKey(WORD vk)
{
    drag_input::SendKey(vk, false);
    drag_input::SendKey(vk, true);
}

void Click(CPoint ptScreen)
{
    drag_input::SendMouse(0, &ptScreen);
    drag_input::SendMouse(MOUSEEVENTF_LEFTDOWN);
    drag_input::SendMouse(MOUSEEVENTF_LEFTUP);
}

CRect DesktopRect()
{
    CRect rect;
    ::GetWindowRect(::GetDesktopWindow(), &rect);
    return rect;
}

CRect WindowRect(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

// The document type of the tests, not known to the application (its New command stays single).
SECMultiDocTemplate* FSTemplate()
{
    static SECMultiDocTemplate* pTemplate = [] {
        SECMultiDocTemplate* p = new SECMultiDocTemplate(IDR_FS_DOC, RUNTIME_CLASS(CSecTestDoc), NULL,
                                                         RUNTIME_CLASS(CSecTestView));
        p->LoadTemplate();
        return p;
    }();
    return pTemplate;
}

class CFSFrame : public SECMDIFrameWnd
{
  public:
    explicit CFSFrame(BOOL bMenuBar, BOOL bReBar) : m_bReBar(bReBar)
    {
        m_pMenuBar = bMenuBar ? &m_wndMenuBar : NULL;
    }

    BOOL m_bReBar; // the menu bar lives in a band of m_wndReBar
    SECReBar m_wndReBar;
    SECMDIMenuBar m_wndMenuBar;
    SECToolBar m_wndTop;
    SECToolBar m_wndFloat;
    SECControlBar m_wndLeft;
    SECControlBar m_wndHidden;
    SECFullScreenView m_fullScreen;
    DWORD m_dwFlags = SEC_FS_HIDE_TASKBAR;
    int m_nEntered = -1;
    std::vector<WPARAM> m_told; // 0x702 as it came
    int m_nDocCommands = 0;
    std::vector<BOOL> m_barsVisibleOnClose;
    BOOL m_bCloseEnds = FALSE; // closing destroys the frame, as the application's does

    // The menu bar asks for the pop-ups of the test's document menu, whose template the
    // application does not list.
    HMENU GetMenuForResource(UINT nID) override
    {
        if (nID == IDR_FS_DOC)
            return FSTemplate()->m_hMenuShared;
        return SECMDIFrameWnd::GetMenuForResource(nID);
    }

  protected:
    BOOL MakeToolBar(SECToolBar& bar, UINT nID, LPCTSTR lpszName)
    {
        if (!bar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER,
                          CRect(0, 0, 0, 0), nID) ||
            !bar.LoadBitmap(IDR_MB_TOOLBAR) || !bar.SetButtons(kToolButtons, 2))
            return FALSE;
        bar.SetWindowText(lpszName);
        bar.EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
    BOOL MakeBar(SECControlBar& bar, UINT nID, LPCTSTR lpszName)
    {
        bar.m_szDefault = CSize(120, 60);
        if (!bar.Create(this, lpszName, WS_CHILD | WS_VISIBLE | CBRS_LEFT, BAR_EX_GRIPPER, nID))
            return FALSE;
        bar.EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (SECMDIFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        EnableDocking(CBRS_ALIGN_ANY);
        if (m_pMenuBar != NULL)
        {
            if (!m_wndMenuBar.CreateEx(0, this, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, kMenuBarID,
                                       _T("Menü")))
                return -1;
            m_wndMenuBar.LoadMenus(2, IDR_MB_FRAME, IDR_FS_DOC);
            m_wndMenuBar.EnableDocking(CBRS_ALIGN_ANY);
            if (m_bReBar)
            {
                if (!m_wndReBar.Create(this) || !m_wndReBar.AddBar(&m_wndMenuBar))
                    return -1;
            }
            else
                DockControlBar(&m_wndMenuBar, AFX_IDW_DOCKBAR_TOP);
        }
        if (!MakeToolBar(m_wndTop, idTop, _T("Oben")) || !MakeToolBar(m_wndFloat, idFloat, _T("Schwebend")) ||
            !MakeBar(m_wndLeft, idLeft, _T("Links")) || !MakeBar(m_wndHidden, idHidden, _T("Versteckt")))
            return -1;
        DockControlBar(&m_wndTop, AFX_IDW_DOCKBAR_TOP);
        DockControlBar(&m_wndLeft, AFX_IDW_DOCKBAR_LEFT);
        DockControlBar(&m_wndHidden, AFX_IDW_DOCKBAR_LEFT);
        FloatControlBar(&m_wndFloat, CPoint(400, 300), CBRS_ALIGN_TOP);
        ShowControlBar(&m_wndHidden, FALSE, FALSE);
        return 0;
    }
    afx_msg void OnEnter()
    {
        m_nEntered = m_fullScreen.EnterFullScreenMode(m_dwFlags);
    }
    afx_msg LRESULT OnFullScreenChanged(WPARAM wParam, LPARAM)
    {
        m_told.push_back(wParam);
        return 0;
    }
    afx_msg void OnDocCommand()
    {
        m_nDocCommands++;
    }
    afx_msg void OnClose()
    {
        for (CControlBar* pBar :
             {(CControlBar*)&m_wndTop, (CControlBar*)&m_wndLeft, (CControlBar*)&m_wndFloat})
            m_barsVisibleOnClose.push_back(pBar->IsVisible());
        // Otherwise the window stays: the test ends it.
        if (m_bCloseEnds)
            DestroyWindow();
    }
    afx_msg void OnExit()
    {
        SendMessage(WM_CLOSE);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFSFrame, SECMDIFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_COMMAND(ID_FS_ENTER, OnEnter)
ON_COMMAND(ID_FS_DOC_CMD, OnDocCommand)
ON_COMMAND(ID_FS_EXIT, OnExit)
ON_MESSAGE(SEC_WM_FULLSCREEN_CHANGED, OnFullScreenChanged)
END_MESSAGE_MAP()

// Where a bar sits: visible, its dock bar (0 when floating) and window rectangle.
struct BarPlace
{
    BOOL bVisible;
    UINT nDockBar;
    CRect rect;
    bool operator==(const BarPlace& other) const
    {
        return bVisible == other.bVisible && nDockBar == other.nDockBar && rect == other.rect;
    }
};

BarPlace PlaceOf(CControlBar* pBar)
{
    CWnd* pParent = pBar->GetParent();
    const UINT nDock = pBar->IsFloating() || pParent == NULL ? 0 : (UINT)pParent->GetDlgCtrlID();
    CWnd* pOuter = pBar->IsFloating() ? (CWnd*)pBar->GetParentFrame() : pBar;
    return BarPlace{pBar->IsVisible(), nDock, WindowRect(pOuter)};
}

// Top-level windows of this thread that are visible.
int CountTopLevel()
{
    int nCount = 0;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            ++*(int*)lParam;
            (void)hWnd;
            return TRUE;
        },
        (LPARAM)&nCount);
    return nCount;
}

class FullScreenTest : public ::testing::Test
{
  protected:
    void Make(BOOL bMenuBar, BOOL bReBar = FALSE)
    {
        Destroy();
        m_pFrame = new CFSFrame(bMenuBar, bReBar);
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MB_FRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
        m_pFrame->SetWindowPos(NULL, 60, 60, 700, 520, SWP_NOZORDER);
        AfxGetApp()->m_pMainWnd = m_pFrame;
        m_pFrame->ShowWindow(SW_SHOW);
        m_pFrame->SetForegroundWindow();
        m_pFrame->RecalcLayout();
        PumpAsTheApplication(50);
        m_pDoc = FSTemplate()->OpenDocumentFile(NULL);
        ASSERT_TRUE(m_pDoc != NULL);
        BOOL bMax = FALSE;
        CMDIChildWnd* pChild = m_pFrame->MDIGetActive(&bMax);
        ASSERT_TRUE(pChild != NULL);
        pChild->MDIMaximize();
        m_pFrame->RecalcLayout();
        PumpAsTheApplication(80);
        ASSERT_TRUE(m_pFrame->MDIGetActive(&bMax) == pChild && bMax);
        CSecMdiFixture::ViewOf(m_pDoc)->SetFocus();
    }
    void SetUp() override
    {
        SECFullScreenView::SetTaskBarSeam(SECFullScreenView::TaskBarSeam{&NoTaskBar, NULL});
        Make(TRUE);
    }
    void TearDown() override
    {
        Destroy();
        SECFullScreenView::SetTaskBarSeam(SECFullScreenView::TaskBarSeam{NULL, NULL});
    }
    void Destroy()
    {
        if (m_pFrame == nullptr)
            return;
        if (m_pFrame->m_fullScreen.IsFullScreen())
            m_pFrame->m_fullScreen.LeaveFullScreenMode();
        FSTemplate()->CloseAllDocuments(FALSE);
        PumpAsTheApplication(20);
        AfxGetApp()->m_pMainWnd = NULL;
        m_pFrame->DestroyWindow();
        m_pFrame = nullptr;
        PumpAsTheApplication(20);
    }
    static HWND PASCAL NoTaskBar()
    {
        return NULL;
    }
    void Enter()
    {
        m_pFrame->PostMessage(WM_COMMAND, ID_FS_ENTER);
        PumpAsTheApplication(80);
    }
    std::map<UINT, BarPlace> Places()
    {
        std::map<UINT, BarPlace> places;
        for (CControlBar* pBar : Bars())
            places[pBar->GetDlgCtrlID()] = PlaceOf(pBar);
        return places;
    }
    std::vector<CControlBar*> Bars()
    {
        std::vector<CControlBar*> bars = {&m_pFrame->m_wndTop, &m_pFrame->m_wndLeft, &m_pFrame->m_wndFloat,
                                          &m_pFrame->m_wndHidden};
        if (m_pFrame->m_pMenuBar != NULL)
            bars.push_back(&m_pFrame->m_wndMenuBar);
        return bars;
    }
    // The centre of the full-screen button on the screen.
    CPoint ButtonCentre()
    {
        CControlBar* pBar = m_pFrame->m_fullScreen.GetFSToolBar();
        CRect rect(0, 0, 0, 0);
        if (SECCustomToolBar* pCustom = DYNAMIC_DOWNCAST(SECCustomToolBar, pBar))
            pCustom->GetItemRect(0, rect);
        else if (SECToolBar* pSEC = DYNAMIC_DOWNCAST(SECToolBar, pBar))
            pSEC->GetItemRect(0, rect);
        else if (CToolBar* pPlain = DYNAMIC_DOWNCAST(CToolBar, pBar))
            pPlain->GetItemRect(0, rect);
        pBar->ClientToScreen(rect);
        return rect.CenterPoint();
    }
    // The texts of the menu bar's visible menu buttons.
    std::vector<CString> MenuBarTexts()
    {
        std::vector<CString> texts;
        SECMDIMenuBar& bar = m_pFrame->m_wndMenuBar;
        for (int i = 0; i < bar.GetBtnCount(); i++)
        {
            SECStdBtn* pBtn = bar.GetButton(i);
            if (pBtn->m_nType == SECStdBtn::BtnMenu && !pBtn->HasStyle(TBBS_HIDDEN))
                texts.push_back(static_cast<SECTBMenuBtn*>(pBtn)->m_strText);
        }
        return texts;
    }
    void ExpectEntered()
    {
        const CRect desk = DesktopRect();
        EXPECT_EQ(CRect(desk.left - 1, desk.top, desk.right + 1, desk.bottom + 1), WindowRect(m_pFrame));
        EXPECT_EQ(0u, m_pFrame->GetStyle() & (WS_DLGFRAME | WS_THICKFRAME));
        EXPECT_EQ((DWORD)WS_BORDER, m_pFrame->GetStyle() & WS_BORDER);
        for (CControlBar* pBar : Bars())
        {
            SCOPED_TRACE(pBar->GetDlgCtrlID());
            EXPECT_FALSE(pBar->IsVisible());
            if (pBar->IsFloating())
            {
                EXPECT_FALSE(pBar->GetParentFrame()->IsWindowVisible());
            }
        }
        CControlBar* pFS = m_pFrame->m_fullScreen.GetFSToolBar();
        ASSERT_TRUE(pFS != NULL);
        EXPECT_TRUE(pFS->IsFloating());
        EXPECT_TRUE(pFS->GetParentFrame()->IsWindowVisible());
        // Floated at the desktop's corner (kept the docking layer's few pixels on the work area).
        const CRect rectFS = WindowRect(pFS->GetParentFrame());
        CRect rectWork;
        ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectWork, 0);
        EXPECT_GE(rectFS.left, rectWork.left);
        EXPECT_GE(rectFS.top, rectWork.top);
        EXPECT_LE(rectFS.left, rectWork.left + 10);
        EXPECT_LE(rectFS.top, rectWork.top + 10);
        SECCustomToolBar* pCustom = DYNAMIC_DOWNCAST(SECCustomToolBar, pFS);
        ASSERT_TRUE(pCustom != NULL);
        EXPECT_EQ(1, pCustom->GetBtnCount());
        // The maximised child fills the client: no menu, no bar.
        BOOL bMax = FALSE;
        m_pFrame->MDIGetActive(&bMax);
        EXPECT_TRUE(bMax);
        EXPECT_EQ(NULL, ::GetMenu(m_pFrame->m_hWnd));
        CRect rectClient, rectMDI;
        m_pFrame->GetClientRect(&rectClient);
        m_pFrame->ClientToScreen(&rectClient);
        ::GetWindowRect(m_pFrame->m_hWndMDIClient, &rectMDI);
        EXPECT_EQ(rectClient, rectMDI);
    }

    CFSFrame* m_pFrame = nullptr;
    CDocument* m_pDoc = nullptr;
};

TEST_F(FullScreenTest, EntersByTheMenuCommandOnceAndLeavesByEscapeAndByTheButton)
{
    const CRect rectBefore = WindowRect(m_pFrame);
    const DWORD dwStyleBefore = m_pFrame->GetStyle();
    const std::map<UINT, BarPlace> placesBefore = Places();
    ASSERT_FALSE(placesBefore.at(idHidden).bVisible);
    ASSERT_EQ(0u, placesBefore.at(idFloat).nDockBar);

    for (const bool bByEscape : {true, false})
    {
        SCOPED_TRACE(bByEscape ? "Escape" : "button");
        m_pFrame->m_told.clear();
        Enter();
        EXPECT_EQ(1, m_pFrame->m_nEntered);
        ExpectEntered();
        EXPECT_EQ(std::vector<WPARAM>{1}, m_pFrame->m_told);

        // A second enter answers 0 and changes nothing.
        Enter();
        EXPECT_EQ(0, m_pFrame->m_nEntered);
        EXPECT_EQ(std::vector<WPARAM>{1}, m_pFrame->m_told);
        ExpectEntered();

        // The document type's own accelerators still work.
        const int nDocCommands = m_pFrame->m_nDocCommands;
        CSecMdiFixture::ViewOf(m_pDoc)->SetFocus();
        drag_input::SendKey(VK_CONTROL, false);
        PressKey('K');
        drag_input::SendKey(VK_CONTROL, true);
        PumpAsTheApplication(60);
        EXPECT_EQ(nDocCommands + 1, m_pFrame->m_nDocCommands);

        if (bByEscape)
        {
            CSecMdiFixture::ViewOf(m_pDoc)->SetFocus();
            PressKey(VK_ESCAPE);
        }
        else
            Click(ButtonCentre());
        EXPECT_TRUE(PumpAsTheApplicationUntil([&] { return !m_pFrame->m_fullScreen.IsFullScreen(); }, 2000));
        PumpAsTheApplication(50);
        EXPECT_EQ(rectBefore, WindowRect(m_pFrame));
        EXPECT_EQ(dwStyleBefore & (WS_CAPTION | WS_THICKFRAME),
                  m_pFrame->GetStyle() & (WS_CAPTION | WS_THICKFRAME));
        const std::map<UINT, BarPlace> placesAfter = Places();
        for (const auto& place : placesBefore)
        {
            SCOPED_TRACE(place.first);
            EXPECT_TRUE(place.second == placesAfter.at(place.first))
                << "visible " << placesAfter.at(place.first).bVisible << " dock "
                << placesAfter.at(place.first).nDockBar;
        }
        EXPECT_EQ(NULL, m_pFrame->m_fullScreen.GetFSToolBar());
        EXPECT_EQ((std::vector<WPARAM>{1, 0}), m_pFrame->m_told);
        // The menu bar shows the document's menus again.
        EXPECT_EQ((std::vector<CString>{_T("&Datei"), _T("&Bild")}), MenuBarTexts());
        // Escape is no longer a command.
        m_pFrame->m_told.clear();
        PressKey(VK_ESCAPE);
        PumpAsTheApplication(50);
        EXPECT_TRUE(m_pFrame->m_told.empty());
    }
}

TEST_F(FullScreenTest, TenCyclesLeaveNoWindowsOrObjectsBehind)
{
    Enter();
    m_pFrame->m_fullScreen.LeaveFullScreenMode();
    PumpAsTheApplication(50);
    const int nWindows = CountTopLevel();
    // Temporary wrappers go as in the application's idle time.
    AfxGetThread()->OnIdle(1);
    const LONG nGdi = CGdiObject::GetLiveCount();
    const LONG nDC = CDC::GetLiveCount();
    for (int i = 0; i < 10; i++)
    {
        Enter();
        ASSERT_EQ(1, m_pFrame->m_nEntered);
        m_pFrame->m_fullScreen.LeaveFullScreenMode();
        PumpAsTheApplication(20);
    }
    EXPECT_EQ(nWindows, CountTopLevel());
    AfxGetThread()->OnIdle(1);
    EXPECT_EQ(nGdi, CGdiObject::GetLiveCount());
    EXPECT_EQ(nDC, CDC::GetLiveCount());
    // Nothing is left locked.
    EXPECT_TRUE(m_pFrame->LockWindowUpdate());
    m_pFrame->UnlockWindowUpdate();
}

TEST_F(FullScreenTest, RefusesNonFramesAndInPlaceFramesAndStillWorksAfterwards)
{
    // A main window that is no frame.
    CWnd plain;
    ASSERT_TRUE(
        plain.CreateEx(0, AfxRegisterWndClass(0), _T("Kein Rahmen"), WS_POPUP, CRect(0, 0, 50, 50), NULL, 0));
    AfxGetApp()->m_pMainWnd = &plain;
    Enter();
    EXPECT_EQ(0, m_pFrame->m_nEntered);
    AfxGetApp()->m_pMainWnd = m_pFrame;
    plain.DestroyWindow();

    // An in-place frame.
    const CRect rectBefore = WindowRect(m_pFrame);
    {
        COleFrameHook hook(m_pFrame, NULL);
        Enter();
        EXPECT_EQ(0, m_pFrame->m_nEntered);
        EXPECT_EQ(rectBefore, WindowRect(m_pFrame));
        EXPECT_TRUE(m_pFrame->m_wndTop.IsVisible());
    }
    EXPECT_TRUE(m_pFrame->m_told.empty());
    Enter();
    EXPECT_EQ(1, m_pFrame->m_nEntered);
    m_pFrame->m_fullScreen.LeaveFullScreenMode();
    EXPECT_EQ((std::vector<WPARAM>{1, 0}), m_pFrame->m_told);
}

// A view whose toolbar cannot be made: entering takes every step back and tells nobody.
class CFailingView : public SECFullScreenView
{
  public:
    int CreateFSToolBar(CFrameWnd*) override
    {
        return -1;
    }
};

TEST_F(FullScreenTest, AFailedEnterTakesEveryStepBack)
{
    const CRect rectBefore = WindowRect(m_pFrame);
    const DWORD dwStyleBefore = m_pFrame->GetStyle();
    const std::map<UINT, BarPlace> placesBefore = Places();
    HACCEL hAccelBefore = m_pFrame->m_hAccelTable;
    {
        CFailingView failing;
        EXPECT_EQ(0, failing.EnterFullScreenMode(0));
        EXPECT_FALSE(failing.IsFullScreen());
        EXPECT_FALSE(failing.m_mainFrmListener.IsPlugged());
        EXPECT_FALSE(failing.m_mdiClientListener.IsPlugged());
        EXPECT_TRUE(failing.m_hiddenBars.IsEmpty());
        EXPECT_EQ(NULL, failing.m_hWnd);
    }
    PumpAsTheApplication(50);
    EXPECT_TRUE(m_pFrame->m_told.empty());
    EXPECT_EQ(rectBefore, WindowRect(m_pFrame));
    EXPECT_EQ(dwStyleBefore & (WS_CAPTION | WS_THICKFRAME),
              m_pFrame->GetStyle() & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_EQ(hAccelBefore, m_pFrame->m_hAccelTable);
    EXPECT_TRUE(placesBefore == Places());

    // The frame's own view still enters and leaves.
    Enter();
    EXPECT_EQ(1, m_pFrame->m_nEntered);
    m_pFrame->m_fullScreen.LeaveFullScreenMode();
    PumpAsTheApplication(30);
    EXPECT_EQ((std::vector<WPARAM>{1, 0}), m_pFrame->m_told);
    EXPECT_TRUE(placesBefore == Places());
}

TEST_F(FullScreenTest, ClosingInFullScreenSeesTheBarsOfBefore)
{
    Enter();
    ASSERT_TRUE(m_pFrame->m_fullScreen.IsFullScreen());
    m_pFrame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(m_pFrame->m_fullScreen.IsFullScreen());
    EXPECT_EQ((std::vector<BOOL>{TRUE, TRUE, TRUE}), m_pFrame->m_barsVisibleOnClose);
}

TEST_F(FullScreenTest, HoveringTheButtonShowsItsText)
{
    Enter();
    ASSERT_TRUE(m_pFrame->m_fullScreen.GetFSToolBar() != NULL);
    const CPoint pt = ButtonCentre();
    drag_input::SendMouse(0, &pt);
    CString strTip;
    PumpAsTheApplicationUntil(
        [&] {
            for (HWND hTip = ::FindWindow(TOOLTIPS_CLASS, NULL); hTip != NULL;
                 hTip = ::FindWindowEx(NULL, hTip, TOOLTIPS_CLASS, NULL))
            {
                TCHAR szText[80] = {};
                if (::IsWindowVisible(hTip) &&
                    ::GetWindowThreadProcessId(hTip, NULL) == ::GetCurrentThreadId())
                {
                    ::SendMessage(hTip, WM_GETTEXT, _countof(szText), (LPARAM)szText);
                    strTip = szText;
                    if (!strTip.IsEmpty())
                        return true;
                }
            }
            return false;
        },
        3000);
    EXPECT_EQ(CString(_T("Close FullScreen")), strTip);
    CPoint ptAway(650, 650);
    drag_input::SendMouse(0, &ptAway);
}

// The style hook's call, recorded; it adds a style bit that every kind must then carry.
DWORD s_dwHookStyle = 0;
void PASCAL AddFloatMulti(DWORD* pdwStyle, DWORD*)
{
    s_dwHookStyle = *pdwStyle;
    *pdwStyle |= CBRS_FLOAT_MULTI;
}

TEST_F(FullScreenTest, ToolBarKindsImagesAndButtonSizes)
{
    struct Case
    {
        const char* name;
        bool bLibraryFrame;
        DWORD dwFlags;
        CRuntimeClass* pKind;
        CSize margin; // button size minus image size
    };
    const Case cases[] = {
        {"plain frame", false, 0, RUNTIME_CLASS(CToolBar), CSize(7, 6)},
        {"library frame", true, 0, RUNTIME_CLASS(SECCustomToolBar), CSize(7, 7)},
        {"library frame, flag 8", true, SEC_FS_SEC_TOOLBAR, RUNTIME_CLASS(SECToolBar), CSize(7, 6)},
        {"library frame, text", true, SEC_FS_TEXT_BUTTON, RUNTIME_CLASS(SECCustomToolBar), CSize(7, 7)},
        {"plain frame, text", false, SEC_FS_TEXT_BUTTON, RUNTIME_CLASS(CToolBar), CSize(7, 6)},
    };
    // The text image: the text's extent in the GUI font.
    CSize sizeText;
    {
        HDC hDC = ::CreateCompatibleDC(NULL);
        HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
        const DWORD dw = ::GetTabbedTextExtent(hDC, _T("Close FullScreen"), 16, 0, NULL);
        sizeText = CSize(LOWORD(dw), HIWORD(dw));
        ::SelectObject(hDC, hOld);
        ::DeleteDC(hDC);
    }
    BITMAP bmDefault = {};
    {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(IDB_SEC_FULLSCREEN));
        bitmap.GetBitmap(&bmDefault);
    }
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CFrameWnd* pFrame = c.bLibraryFrame ? (CFrameWnd*)new SECFrameWnd : new CFrameWnd;
        ASSERT_TRUE(
            pFrame->Create(NULL, _T("Art"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(80, 80, 480, 380)));
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        AfxGetApp()->m_pMainWnd = pFrame;
        {
            SECFullScreenView view;
            s_dwHookStyle = 0;
            view.SetStyleHook(&AddFloatMulti);
            ASSERT_EQ(1, view.EnterFullScreenMode(c.dwFlags));
            CControlBar* pBar = view.GetFSToolBar();
            ASSERT_TRUE(pBar != NULL);
            EXPECT_TRUE(pBar->IsKindOf(c.pKind)) << pBar->GetRuntimeClass()->m_lpszClassName;
            EXPECT_FALSE(c.pKind == RUNTIME_CLASS(CToolBar) && pBar->IsKindOf(RUNTIME_CLASS(SECControlBar)));
            EXPECT_NE(0u, s_dwHookStyle);
            EXPECT_EQ((DWORD)CBRS_FLOAT_MULTI, pBar->GetBarStyle() & CBRS_FLOAT_MULTI);
            CString strText;
            pBar->GetWindowText(strText);
            EXPECT_EQ(CString(_T("Full Screen")), strText);
            BITMAP bm = {};
            ASSERT_TRUE(view.m_pButtonBitmap != NULL);
            view.m_pButtonBitmap->GetBitmap(&bm);
            const CSize sizeImage =
                (c.dwFlags & SEC_FS_TEXT_BUTTON) ? sizeText : CSize(bmDefault.bmWidth, bmDefault.bmHeight);
            EXPECT_EQ(sizeImage, CSize(bm.bmWidth, bm.bmHeight));
            CRect rectButton;
            if (SECCustomToolBar* pCustom = DYNAMIC_DOWNCAST(SECCustomToolBar, pBar))
                pCustom->GetItemRect(0, rectButton);
            else if (SECToolBar* pSEC = DYNAMIC_DOWNCAST(SECToolBar, pBar))
                pSEC->GetItemRect(0, rectButton);
            else
                static_cast<CToolBar*>(pBar)->GetItemRect(0, rectButton);
            EXPECT_EQ(sizeImage + c.margin, rectButton.Size());
            view.LeaveFullScreenMode();
        }
        AfxGetApp()->m_pMainWnd = m_pFrame;
        pFrame->DestroyWindow();
        PumpAsTheApplication(20);
    }
}

// The task bar through the seam: a window of the test stands for it.
HWND s_hTaskBar = NULL;
UINT s_nTaskBarState = 0;
HWND PASCAL TestTaskBar()
{
    return s_hTaskBar;
}
UINT PASCAL TestTaskBarState()
{
    return s_nTaskBarState;
}

TEST_F(FullScreenTest, TheTaskBarIsHiddenOnlyWhenAlwaysOnTopAndShownOnlyWhenHiddenHere)
{
    CWnd bar;
    ASSERT_TRUE(bar.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), _T("Task"), WS_POPUP | WS_VISIBLE,
                             CRect(0, 990, 200, 1020), NULL, 0));
    s_hTaskBar = bar.m_hWnd;
    SECFullScreenView::SetTaskBarSeam(SECFullScreenView::TaskBarSeam{&TestTaskBar, &TestTaskBarState});
    struct Case
    {
        const char* name;
        UINT nState;
        bool bHiddenWhileOn;
    };
    for (const Case& c : {Case{"always on top", ABS_ALWAYSONTOP, true},
                          Case{"auto hide", ABS_AUTOHIDE | 2, false}, Case{"none", 0, false}})
    {
        SCOPED_TRACE(c.name);
        s_nTaskBarState = c.nState;
        bar.ShowWindow(SW_SHOWNOACTIVATE);
        Enter();
        ASSERT_EQ(1, m_pFrame->m_nEntered);
        EXPECT_EQ(!c.bHiddenWhileOn, bar.IsWindowVisible() != FALSE);
        m_pFrame->m_fullScreen.LeaveFullScreenMode();
        EXPECT_TRUE(bar.IsWindowVisible());
    }
    // Hidden by someone else while full screen was on: left hidden.
    s_nTaskBarState = ABS_AUTOHIDE;
    bar.ShowWindow(SW_HIDE);
    Enter();
    s_nTaskBarState = ABS_ALWAYSONTOP;
    m_pFrame->m_fullScreen.LeaveFullScreenMode();
    EXPECT_FALSE(bar.IsWindowVisible());
    // Hidden on entering, the view going away shows it again.
    bar.ShowWindow(SW_SHOWNOACTIVATE);
    {
        SECFullScreenView view;
        ASSERT_EQ(1, view.EnterFullScreenMode(SEC_FS_HIDE_TASKBAR));
        EXPECT_FALSE(bar.IsWindowVisible());
    }
    EXPECT_TRUE(bar.IsWindowVisible());
    // No task bar at all: nothing happens.
    s_hTaskBar = NULL;
    Enter();
    EXPECT_EQ(1, m_pFrame->m_nEntered);
    m_pFrame->m_fullScreen.LeaveFullScreenMode();
    bar.DestroyWindow();
}
// The menu shown for a moment by the mouse at the top edge.
class FullScreenHoverTest : public FullScreenTest
{
  protected:
    void EnterHovering(BOOL bMenuBar, BOOL bReBar = FALSE)
    {
        Make(bMenuBar, bReBar);
        m_pFrame->m_dwFlags = SEC_FS_MENU_ON_HOVER | SEC_FS_HIDE_TASKBAR;
        MoveTo(ClientCentre());
        Enter();
        ASSERT_EQ(1, m_pFrame->m_nEntered);
        // The button's floating frame out of the way of the menus at the top left.
        const CRect desk = DesktopRect();
        m_pFrame->m_fullScreen.GetFSToolBar()->GetParentFrame()->SetWindowPos(
            NULL, desk.right - 200, desk.bottom - 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    static void MoveTo(CPoint pt)
    {
        drag_input::SendMouse(0, &pt);
    }
    static CPoint ClientCentre()
    {
        return DesktopRect().CenterPoint();
    }
    static CPoint TopEdge()
    {
        return CPoint(DesktopRect().CenterPoint().x, DesktopRect().top);
    }
    bool MenuShown()
    {
        return m_pFrame->m_pMenuBar != NULL ? m_pFrame->m_wndMenuBar.IsWindowVisible() != FALSE
                                            : ::GetMenu(m_pFrame->m_hWnd) != NULL;
    }
    bool WaitMenu(bool bShown)
    {
        return PumpAsTheApplicationUntil([&] { return MenuShown() == bShown; }, 2000);
    }
    // The active child is maximised and, after the idle layout, fills the frame's client.
    void ExpectChildCovers()
    {
        AfxGetThread()->OnIdle(0);
        PumpAsTheApplication(30);
        BOOL bMax = FALSE;
        EXPECT_TRUE(m_pFrame->MDIGetActive(&bMax) != NULL);
        EXPECT_TRUE(bMax);
        CRect rectClient, rectMDI;
        m_pFrame->GetClientRect(&rectClient);
        m_pFrame->ClientToScreen(&rectClient);
        ::GetWindowRect(m_pFrame->m_hWndMDIClient, &rectMDI);
        EXPECT_EQ(rectClient, rectMDI);
    }
    // Opens the "Bild" menu by a click on rectItem and picks "Befehl" by its key.
    void PickDocCommand(const CRect& rectItem)
    {
        const int nBefore = m_pFrame->m_nDocCommands;
        // Queued together: the menu loop that the click starts reads the key.
        Click(rectItem.CenterPoint());
        PressKey('B');
        EXPECT_TRUE(PumpAsTheApplicationUntil([&] { return m_pFrame->m_nDocCommands > nBefore; }, 2000));
        PumpAsTheApplication(150);
        EXPECT_EQ(nBefore + 1, m_pFrame->m_nDocCommands);
    }
};

TEST_F(FullScreenHoverTest, ThePlainMenuComesAtTheTopEdgeAndGoesInTheClient)
{
    EnterHovering(FALSE);
    EXPECT_FALSE(MenuShown());
    MoveTo(TopEdge());
    ASSERT_TRUE(WaitMenu(true));
    HMENU hMenu = ::GetMenu(m_pFrame->m_hWnd);
    int nBild = -1;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); i++)
    {
        TCHAR szText[32] = {};
        ::GetMenuString(hMenu, (UINT)i, szText, _countof(szText), MF_BYPOSITION);
        if (CString(szText) == _T("&Bild"))
            nBild = i;
    }
    ASSERT_GE(nBild, 0);
    BOOL bMax = FALSE;
    m_pFrame->MDIGetActive(&bMax);
    EXPECT_TRUE(bMax);

    // A command from the menu runs once.
    CRect rectItem;
    ASSERT_TRUE(::GetMenuItemRect(m_pFrame->m_hWnd, hMenu, (UINT)nBild, &rectItem));
    PickDocCommand(rectItem);

    MoveTo(ClientCentre());
    ASSERT_TRUE(WaitMenu(false));
    ExpectChildCovers();

    // Another child activated while the menu is away brings no menu back.
    CMDIChildWnd* pFirst = m_pFrame->MDIGetActive();
    ASSERT_TRUE(FSTemplate()->OpenDocumentFile(NULL) != NULL);
    PumpAsTheApplication(80);
    EXPECT_NE(pFirst, m_pFrame->MDIGetActive());
    EXPECT_FALSE(MenuShown());
    ExpectChildCovers();

    // A child activated while the menu is shown comes up maximised and visible.
    MoveTo(TopEdge());
    ASSERT_TRUE(WaitMenu(true));
    CMDIChildWnd* pSecond = m_pFrame->MDIGetActive();
    ASSERT_TRUE(FSTemplate()->OpenDocumentFile(NULL) != NULL);
    PumpAsTheApplication(80);
    CMDIChildWnd* pActive = m_pFrame->MDIGetActive();
    EXPECT_NE(pSecond, pActive);
    EXPECT_TRUE(pActive->IsZoomed());
    EXPECT_TRUE(pActive->IsWindowVisible());
    MoveTo(ClientCentre());
    ASSERT_TRUE(WaitMenu(false));
    ExpectChildCovers();

    // The child's restore button while the menu is shown: restored, and the menu goes.
    MoveTo(TopEdge());
    ASSERT_TRUE(WaitMenu(true));
    pActive = m_pFrame->MDIGetActive();
    pActive->SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    PumpAsTheApplication(50);
    EXPECT_FALSE(pActive->IsZoomed());
    EXPECT_FALSE(pActive->IsIconic());
    EXPECT_FALSE(m_pFrame->m_fullScreen.m_mainFrmListener.m_bMenuShown);
    MoveTo(ClientCentre());
    m_pFrame->m_fullScreen.LeaveFullScreenMode();
    EXPECT_EQ((std::vector<WPARAM>{1, 0}), m_pFrame->m_told);
}

TEST_F(FullScreenHoverTest, TheMenuBarFloatsAcrossTheTopAndTheTimerHidesItOnceLeft)
{
    const std::map<UINT, BarPlace> placesBefore = Places();
    EnterHovering(TRUE);
    EXPECT_FALSE(MenuShown());
    const CRect desk = DesktopRect();
    for (int nPass = 0; nPass < 2; nPass++)
    {
        SCOPED_TRACE(nPass);
        MoveTo(TopEdge());
        ASSERT_TRUE(WaitMenu(true));
        SECMDIMenuBar& bar = m_pFrame->m_wndMenuBar;
        EXPECT_TRUE(bar.IsFloating());
        EXPECT_EQ(CRect(desk.left, desk.top - 4, desk.right, desk.top + 21),
                  WindowRect(bar.GetParentFrame()));
        EXPECT_EQ(0u, bar.GetBarStyle() & CBRS_BORDER_ANY);
        if (nPass == 0)
        {
            // Into the client: gone at once.
            MoveTo(ClientCentre());
            EXPECT_TRUE(WaitMenu(false));
        }
        else
        {
            // Onto the button's floating frame, not the client: the timer hides it.
            MoveTo(WindowRect(m_pFrame->m_fullScreen.GetFSToolBar()->GetParentFrame()).CenterPoint());
            EXPECT_TRUE(WaitMenu(false));
        }
        EXPECT_EQ((DWORD)CBRS_BORDER_ANY, bar.GetBarStyle() & CBRS_BORDER_ANY);
        ExpectChildCovers();
    }

    // Leaving puts the menu bar back in its row.
    m_pFrame->m_fullScreen.LeaveFullScreenMode();
    PumpAsTheApplication(50);
    const std::map<UINT, BarPlace> placesAfter = Places();
    for (const auto& place : placesBefore)
    {
        SCOPED_TRACE(place.first);
        EXPECT_TRUE(place.second == placesAfter.at(place.first))
            << "visible " << placesAfter.at(place.first).bVisible << " dock "
            << placesAfter.at(place.first).nDockBar;
    }
    EXPECT_EQ((std::vector<CString>{_T("&Datei"), _T("&Bild")}), MenuBarTexts());
}

// A command picked from a pop-up of the floating menu bar runs once.
TEST_F(FullScreenHoverTest, ACommandFromTheFloatingMenuBarRunsOnce)
{
    EnterHovering(TRUE);
    MoveTo(TopEdge());
    ASSERT_TRUE(WaitMenu(true));
    SECMDIMenuBar& bar = m_pFrame->m_wndMenuBar;
    int nBild = -1;
    for (int i = 0; i < bar.GetBtnCount(); i++)
    {
        SECStdBtn* pBtn = bar.GetButton(i);
        if (pBtn->m_nType == SECStdBtn::BtnMenu && !pBtn->HasStyle(TBBS_HIDDEN) &&
            static_cast<SECTBMenuBtn*>(pBtn)->m_strText == _T("&Bild"))
            nBild = i;
    }
    ASSERT_GE(nBild, 0);
    CRect rectItem;
    bar.GetItemRect(nBild, rectItem);
    bar.ClientToScreen(rectItem);
    PickDocCommand(rectItem);
}

// A menu bar kept in a rebar is hidden in full screen, or floated while the mouse asks for the
// menu; leaving puts it back into its band, without borders, and the frame where it was.
TEST_F(FullScreenHoverTest, AMenuBarFromARebarGoesBackIntoItsBand)
{
    for (const BOOL bHover : {FALSE, TRUE})
    {
        SCOPED_TRACE(bHover ? "menu on hover" : "menu hidden");
        Make(TRUE, TRUE);
        SECMDIMenuBar& bar = m_pFrame->m_wndMenuBar;
        SECReBar& rebar = m_pFrame->m_wndReBar;
        ASSERT_EQ(0, rebar.FindBand(&bar));
        ASSERT_EQ(&rebar, bar.GetParent());
        const CRect rectFrame = WindowRect(m_pFrame);
        const CRect rectBar = WindowRect(&bar);
        ASSERT_GT(rectBar.Height(), 0);
        if (bHover)
        {
            m_pFrame->m_dwFlags = SEC_FS_MENU_ON_HOVER | SEC_FS_HIDE_TASKBAR;
            MoveTo(ClientCentre());
            Enter();
            ASSERT_EQ(1, m_pFrame->m_nEntered);
            MoveTo(TopEdge());
            ASSERT_TRUE(WaitMenu(true));
            ASSERT_TRUE(bar.IsFloating());
            const HWND hMiniFrame = bar.GetParentFrame()->m_hWnd;
            MoveTo(ClientCentre());
            ASSERT_TRUE(WaitMenu(false));
            m_pFrame->m_fullScreen.LeaveFullScreenMode();
            EXPECT_FALSE(::IsWindow(hMiniFrame));
        }
        else
        {
            Enter();
            ASSERT_EQ(1, m_pFrame->m_nEntered);
            EXPECT_FALSE(bar.IsWindowVisible());
            EXPECT_FALSE(rebar.IsWindowVisible());
            m_pFrame->m_fullScreen.LeaveFullScreenMode();
        }
        PumpAsTheApplication(50);
        EXPECT_EQ(rectFrame, WindowRect(m_pFrame));
        EXPECT_EQ(&rebar, bar.GetParent());
        EXPECT_EQ(1, rebar.GetBandCount());
        EXPECT_EQ(0, rebar.FindBand(&bar));
        EXPECT_FALSE(bar.IsFloating());
        EXPECT_TRUE(bar.IsWindowVisible());
        EXPECT_TRUE(rebar.IsWindowVisible());
        EXPECT_EQ(0u, bar.GetBarStyle() & CBRS_BORDER_ANY);
        const CRect rectAfter = WindowRect(&bar);
        EXPECT_EQ(rectBar, rectAfter)
            << rectBar.left << "," << rectBar.top << "," << rectBar.right << "," << rectBar.bottom << " / "
            << rectAfter.left << "," << rectAfter.top << "," << rectAfter.right << "," << rectAfter.bottom;
        EXPECT_EQ((std::vector<CString>{_T("&Datei"), _T("&Bild")}), MenuBarTexts());
    }
}

// Exit picked from the menu shown for a moment: the frame goes while the listener dispatches what
// the menu loop left. The application's loop ends as asked; the process goes on; nothing freed
// is touched (freed memory is poisoned in these tests).
TEST_F(FullScreenHoverTest, ExitFromTheMenuEndsTheLoopNotTheProcess)
{
    for (const BOOL bMenuBar : {TRUE, FALSE})
    {
        SCOPED_TRACE(bMenuBar ? "menu bar" : "menu");
        EnterHovering(bMenuBar);
        const HWND hFrame = m_pFrame->m_hWnd;
        m_pFrame->m_bCloseEnds = TRUE;
        ::PostMessage(hFrame, SEC_WM_FULLSCREEN_MENULOOP, 0, 0);
        ::PostMessage(hFrame, WM_COMMAND, ID_FS_EXIT, 0);
        int nQuits = 0;
        PumpAsTheApplication(150, [&](const MSG& msg) { nQuits += msg.message == WM_QUIT ? 1 : 0; });
        EXPECT_FALSE(::IsWindow(hFrame));
        EXPECT_EQ(1, nQuits);
        m_pFrame = nullptr; // the frame deleted itself
        AfxGetApp()->m_pMainWnd = NULL;
        FSTemplate()->CloseAllDocuments(FALSE);
        PumpAsTheApplication(20);
    }
}

// Doubled icons and buttons of a maximised child in the frame's menu bar.
TEST_F(FullScreenTest, FixMaxChildSysMenuDropsTheDoubledItems)
{
    Make(FALSE);
    ASSERT_TRUE(m_pFrame->MDIGetActive() != NULL);
    struct Case
    {
        const char* name;
        int nIcons;      // bitmap items in front
        int nButtons;    // bitmap items at the end
        int nCountAfter; // items afterwards
        bool bOpensMenu; // the first item opens a menu (the icon left: the child's system menu)
    };
    const Case cases[] = {
        {"doubled", 2, 6, 5, true},
        {"tripled", 3, 9, 5, true},
        {"single", 1, 3, 5, false},
        {"no child icons", 0, 0, 1, true},
    };
    // The items' image: any bitmap will do.
    HBITMAP hIcon = ::CreateBitmap(16, 16, 1, 1, NULL);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        HMENU hMenu = ::CreateMenu();
        for (int i = 0; i < c.nIcons; i++)
            ::AppendMenu(hMenu, MF_BITMAP, 1000 + i, (LPCTSTR)hIcon);
        HMENU hPopup = ::CreatePopupMenu();
        ::AppendMenu(hPopup, MF_STRING, ID_FS_DOC_CMD, _T("&Befehl"));
        ::AppendMenu(hMenu, MF_POPUP, (UINT_PTR)hPopup, _T("&Bild"));
        for (int i = 0; i < c.nButtons; i++)
            ::AppendMenu(hMenu, MF_BITMAP, SC_CLOSE, (LPCTSTR)hIcon);
        HMENU hOld = ::GetMenu(m_pFrame->m_hWnd);
        ::SetMenu(m_pFrame->m_hWnd, hMenu);
        SECFSMainFrmListener::FixMaxChildSysMenu(m_pFrame);
        EXPECT_EQ(c.nCountAfter, ::GetMenuItemCount(hMenu));
        EXPECT_EQ(c.bOpensMenu, ::GetSubMenu(hMenu, 0) != NULL);
        ::SetMenu(m_pFrame->m_hWnd, hOld);
        // The child's system menu is not this menu's to destroy.
        if (c.nIcons > 0)
            ::RemoveMenu(hMenu, 0, MF_BYPOSITION);
        ::DestroyMenu(hMenu);
    }
    // No menu: nothing to do.
    HMENU hOld = ::GetMenu(m_pFrame->m_hWnd);
    ::SetMenu(m_pFrame->m_hWnd, NULL);
    SECFSMainFrmListener::FixMaxChildSysMenu(m_pFrame);
    EXPECT_EQ(NULL, ::GetMenu(m_pFrame->m_hWnd));
    ::SetMenu(m_pFrame->m_hWnd, hOld);
    ::DeleteObject(hIcon);
}
} // namespace
