// SECControlBar: remembered sizes, row shares and extended styles of the library's bars.
#include "uilib/bars/ControlBar.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/docking/DockContext.h"
#include "uilib/frames/docking/SystemData.h"

IMPLEMENT_DYNAMIC(SECControlBar, CControlBar)

BEGIN_MESSAGE_MAP(SECControlBar, CControlBar)
END_MESSAGE_MAP()

namespace
{
const int kDefaultCx = 300;
const int kDefaultCy = 180;
const UINT kIdProbes = 1000;
} // namespace

SECGripperInfo::SECGripperInfo()
{
    SetMeasures(4, 3, 1, 3, 6, 3);
}

void SECGripperInfo::SetMeasures(int nLead, int nLine1, int nGap, int nLine2, int nTail, int nInset)
{
    m_cxLead = m_cyLead = nLead;
    m_cxLine1 = m_cyLine1 = nLine1;
    m_cxGap = m_cyGap = nGap;
    m_cxLine2 = m_cyLine2 = nLine2;
    m_cxTail = m_cyTail = nTail;
    m_nInset = nInset;
}

SECControlBar::SECControlBar()
    : m_bPctWidthSet(TRUE), m_szDockHorz(0, 0), m_szReserved(0, 0), m_szDockVert(0, 0), m_szFloat(0, 0),
      m_dwSavedDockStyle(0), m_fPctWidth(1.0f), m_fPctWidthSaved(1.0f), m_dwExStyle(0),
      m_rectMargins(10, 10, 10, 10), m_pManager(NULL), m_szDefault(kDefaultCx, kDefaultCy)
{
}

SECControlBar::~SECControlBar()
{
    // A bar deleted while its window lives first leaves its dock bar and frame.
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL SECControlBar::Create(CWnd* pParentWnd, LPCTSTR lpszWindowName, DWORD dwStyle, DWORD dwExBarStyle,
                           UINT nID, CCreateContext* pContext)
{
    return CreateEx(NULL, lpszWindowName, dwExBarStyle, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID,
                    pContext);
}

BOOL SECControlBar::CreateEx(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwExBarStyle, DWORD dwStyle,
                             const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    m_dwExStyle = dwExBarStyle;
    if (lpszClassName == NULL)
    {
        if (!AfxDeferRegisterClass(AFX_WNDCONTROLBAR_REG))
            return FALSE;
        lpszClassName = _afxWndControlBar;
    }
    if (!CWnd::Create(lpszClassName, lpszWindowName, dwStyle & ~CBRS_ALL, rect, pParentWnd, nID, pContext))
        return FALSE;
    m_szDockHorz = m_szDockVert = m_szFloat = m_szDefault;
    EnableToolTips(TRUE);
    return TRUE;
}

void SECControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (m_pDockContext == NULL)
        m_pDockContext = CreateDockContext();
    if (m_hWndOwner == NULL)
        m_hWndOwner = ::GetParent(m_hWnd);
}

CDockContext* SECControlBar::CreateDockContext()
{
    return new SECDockContext(this);
}

void SECControlBar::SetExBarStyle(DWORD dwExBarStyle, BOOL bRedraw)
{
    const DWORD dwOld = m_dwExStyle;
    m_dwExStyle = dwExBarStyle;
    if (dwOld != dwExBarStyle && bRedraw && m_hWnd != NULL)
        SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE);
}

void SECControlBar::ModifyExBarStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw)
{
    SetExBarStyle((m_dwExStyle & ~dwRemove) | dwAdd, bRedraw);
}

BOOL SECControlBar::IsFloatingAsMDIChild() const
{
    const CControlBar* pDock =
        IsKindOf(RUNTIME_CLASS(SECDockBar)) ? static_cast<const CControlBar*>(this) : m_pDockBar;
    if (pDock == NULL || !pDock->IsKindOf(RUNTIME_CLASS(SECDockBar)))
        return FALSE;
    return static_cast<const SECDockBar*>(static_cast<const CDockBar*>(pDock))->m_bFloatsAsMDIChild;
}

UINT PASCAL SECControlBar::FindUnusedBarID(CFrameWnd* pFrame, UINT nFirstID)
{
    if (pFrame == NULL)
        return 0;
    for (UINT i = 0; i < kIdProbes; ++i)
    {
        if (IsBarIDUnused(pFrame, nFirstID + i))
            return nFirstID + i;
    }
    return 0;
}

BOOL PASCAL SECControlBar::IsBarIDUnused(CFrameWnd* pFrame, UINT nID)
{
    if (pFrame == NULL || nID == 0)
        return FALSE;
    POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
    while (pos != NULL)
    {
        CControlBar* pBar = (CControlBar*)pFrame->m_listControlBars.GetNext(pos);
        if (!pBar->IsDockBar() && (UINT)pBar->GetDlgCtrlID() == nID)
            return FALSE;
    }
    return TRUE;
}

CSize SECControlBar::CalcFixedLayout(BOOL /*bStretch*/, BOOL bHorz)
{
    return bHorz ? m_szDockHorz : m_szDockVert;
}

CSize SECControlBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (dwMode & LM_COMMIT)
    {
        const LONG nStored = (dwMode & LM_STRETCH) ? (LONG)(m_fPctWidth * (float)nLength) : (LONG)nLength;
        CSize* pSize = (dwMode & LM_HORZDOCK)   ? &m_szDockHorz
                       : (dwMode & LM_VERTDOCK) ? &m_szDockVert
                                                : &m_szFloat;
        if (dwMode & LM_LENGTHY)
            pSize->cy = nStored;
        else
            pSize->cx = nStored;
        if (!(dwMode & (LM_HORZDOCK | LM_VERTDOCK)) && !(dwMode & LM_LENGTHY))
            m_nMRUWidth = (UINT)nStored;
    }
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
    return m_szFloat;
}

void SECControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
}

void SECControlBar::OnBeforeDock()
{
}

void SECControlBar::OnAfterDock()
{
}

void SECControlBar::OnBeforeFloat()
{
}

void SECControlBar::OnAfterFloat()
{
}

// ---- borders and gripper

BOOL SECControlBar::HasGripper() const
{
    return (m_dwExStyle & (BAR_EX_FLAT | BAR_EX_GRIPPER)) == (BAR_EX_FLAT | BAR_EX_GRIPPER) &&
           !(m_dwStyle & CBRS_FLOATING);
}

void SECControlBar::CalcInsideRect(CRect& rect, BOOL bHorz, BOOL bWithGripper) const
{
    if (!(m_dwExStyle & BAR_EX_FLAT))
    {
        CControlBar::CalcInsideRect(rect, bHorz);
        return;
    }
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left++;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top++;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right--;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom--;
    const BOOL bGripper = HasGripper();
    if (bHorz)
    {
        rect.left += bGripper ? m_GripperInfo.GetWidth() : m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    }
    else
    {
        // A vertical bar turns its borders with it.
        rect.left += m_cyTopBorder;
        rect.top += (bGripper && bWithGripper) ? m_GripperInfo.GetHeight() : m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

void SECControlBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
}

void SECControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    if (!(m_dwExStyle & BAR_EX_FLAT))
    {
        CControlBar::DrawBorders(pDC, rect);
        return;
    }
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left++;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top++;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right--;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom--;
    if (m_dwExStyle & BAR_EX_GRIPPER)
        DrawGripper(pDC, rect);
}

void SECControlBar::DrawGripper(CDC* pDC, const CRect& rectBar)
{
    if (m_dwStyle & CBRS_FLOATING)
        return;
    const SECSystemData& sys = SECGetSystemData();
    const SECGripperInfo& g = m_GripperInfo;
    CRect rect = rectBar;
    rect.DeflateRect(1, 1);
    if (m_dwStyle & CBRS_ORIENT_HORZ)
    {
        rect.right = rect.left + g.GetWidth();
        rect.top += g.m_nInset;
        rect.bottom -= g.m_nInset;
        int x = rect.left + g.m_cxLead;
        pDC->Draw3dRect(x, rect.top, g.m_cxLine1, rect.Height(), sys.m_clrBtnHilite, sys.m_clrBtnShadow);
        if (g.m_cxLine2 > 0)
            pDC->Draw3dRect(x + g.m_cxLine1 + g.m_cxGap, rect.top, g.m_cxLine2, rect.Height(),
                            sys.m_clrBtnHilite, sys.m_clrBtnShadow);
    }
    else
    {
        rect.bottom = rect.top + g.GetHeight();
        rect.left += g.m_nInset;
        rect.right -= g.m_nInset;
        int y = rect.top + g.m_cyLead;
        pDC->Draw3dRect(rect.left, y, rect.Width(), g.m_cyLine1, sys.m_clrBtnHilite, sys.m_clrBtnShadow);
        if (g.m_cyLine2 > 0)
            pDC->Draw3dRect(rect.left, y + g.m_cyLine1 + g.m_cyGap, rect.Width(), g.m_cyLine2,
                            sys.m_clrBtnHilite, sys.m_clrBtnShadow);
    }
}
