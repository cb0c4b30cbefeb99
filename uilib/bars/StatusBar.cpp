#include "uilib/bars/StatusBar.h"
#include "uilib/common/SystemData.h"
#include <algorithm>
#include <new>
#include <vector>

IMPLEMENT_DYNAMIC(SECStatusBar, SECControlBar)

namespace
{
// Space around each pane's text.
const int kPaneBorder = 6;

// Routes a pane's update handler to the pane's style and text.
class SECStatusCmdUI : public CCmdUI
{
  public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        SECStatusBar* pBar = (SECStatusBar*)m_pOther;
        UINT nStyle = pBar->GetPaneStyle((int)m_nIndex) & ~SBPS_DISABLED;
        pBar->SetPaneStyle((int)m_nIndex, bOn ? nStyle : nStyle | SBPS_DISABLED);
    }
    void SetCheck(int nCheck) override
    {
        SECStatusBar* pBar = (SECStatusBar*)m_pOther;
        UINT nStyle = pBar->GetPaneStyle((int)m_nIndex) & ~SBPS_POPOUT;
        pBar->SetPaneStyle((int)m_nIndex, nCheck != 0 ? nStyle | SBPS_POPOUT : nStyle);
    }
    void SetText(LPCTSTR lpszText) override
    {
        ((SECStatusBar*)m_pOther)->SetPaneText((int)m_nIndex, lpszText, TRUE);
    }
};
} // namespace

SECStatusBar::SECStatusBar() : m_nMinHeight(0)
{
    m_cyTopBorder = 2;
    if (SECGetSystemData().m_bNewShell)
        m_cxLeftBorder = m_cxRightBorder = m_cyBottomBorder = 0;
    else
    {
        m_cxLeftBorder = m_cxRightBorder = 2;
        m_cyBottomBorder = 1;
    }
}

SECStatusBar::~SECStatusBar()
{
    FreePanes();
}

BEGIN_MESSAGE_MAP(SECStatusBar, SECControlBar)
ON_WM_NCHITTEST()
ON_WM_NCCALCSIZE()
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGING()
ON_MESSAGE(WM_SETTEXT, SECStatusBar::OnSetText)
ON_MESSAGE(WM_GETTEXT, SECStatusBar::OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, SECStatusBar::OnGetTextLength)
ON_MESSAGE(SB_SETMINHEIGHT, SECStatusBar::OnSetMinHeight)
END_MESSAGE_MAP()

BOOL SECStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL SECStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    if (pParentWnd != NULL && (pParentWnd->GetStyle() & WS_THICKFRAME) != 0)
        dwWndStyle |= SBARS_SIZEGRIP;
    dwWndStyle |= dwCtrlStyle;
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG))
        return FALSE;
    m_dwStyle = dwStyle & CBRS_ALL;
    // SECControlBar takes the bar style from the bits of dwStyle it is given.
    return SECControlBar::CreateEx(STATUSCLASSNAME, NULL, 0, dwWndStyle | (dwStyle & CBRS_ALL),
                                   CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL SECStatusBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (SECGetSystemData().m_bNewShell && (m_dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY)) == CBRS_BOTTOM)
        m_dwStyle &= ~(CBRS_BORDER_ANY | CBRS_BORDER_3D);
    return SECControlBar::PreCreateWindow(cs);
}

void SECStatusBar::FreePanes()
{
    for (int i = 0; i < m_nCount; i++)
        GetPanePtr(i)->~SECStatusPane();
    AllocElements(0, 0);
}

BOOL SECStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    FreePanes();
    if (!AllocElements(nIDCount, sizeof(SECStatusPane)))
        return FALSE;
    for (int i = 0; i < m_nCount; i++)
        new (GetPanePtr(i)) SECStatusPane();
    BOOL bResult = TRUE;
    if (lpIDArray != NULL)
    {
        CClientDC dcScreen(NULL);
        HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
        HGDIOBJ hOldFont = hFont != NULL ? ::SelectObject(dcScreen.m_hDC, hFont) : NULL;
        for (int i = 0; i < m_nCount; i++)
        {
            SECStatusPane* pPane = GetPanePtr(i);
            pPane->nFlags |= SECStatusPane::kTextPending;
            pPane->nID = lpIDArray[i];
            if (pPane->nID != 0)
            {
                try
                {
                    // An indicator without a string still gets its pane.
                    if (!pPane->strText.LoadString(pPane->nID))
                        pPane->strText = _T("  ");
                }
                catch (CMemoryException* e)
                {
                    e->Delete();
                    bResult = FALSE;
                }
                pPane->cxText = dcScreen.GetTextExtent(pPane->strText).cx;
            }
            else
            {
                pPane->cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
                if (i == 0)
                    pPane->nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
            }
        }
        if (hOldFont != NULL)
            ::SelectObject(dcScreen.m_hDC, hOldFont);
    }
    UpdateAllPanes(TRUE, TRUE);
    return bResult;
}

int SECStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < m_nCount; i++)
        if (GetPanePtr(i)->nID == nIDFind)
            return i;
    return -1;
}

UINT SECStatusBar::GetItemID(int nIndex) const
{
    SECStatusPane* pPane = GetPanePtr(nIndex);
    return pPane != NULL ? pPane->nID : 0;
}

void SECStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    SECStatusPane* pPane = GetPanePtr(nIndex);
    if (pPane == NULL)
        return;
    nID = pPane->nID;
    nStyle = pPane->nStyle;
    cxWidth = pPane->cxText;
}

void SECStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    SECStatusPane* pPane = GetPanePtr(nIndex);
    if (pPane == NULL)
        return;
    pPane->nID = nID;
    BOOL bRelayout = ((pPane->nStyle ^ nStyle) & SBPS_STRETCH) != 0 || pPane->cxText != cxWidth;
    pPane->nStyle = nStyle;
    pPane->cxText = cxWidth;
    if (bRelayout)
        UpdateAllPanes(TRUE, FALSE);
    else
    {
        pPane->nFlags |= SECStatusPane::kTextPending;
        CString strText = pPane->strText;
        SetPaneText(nIndex, strText, TRUE);
    }
}

UINT SECStatusBar::GetPaneStyle(int nIndex) const
{
    SECStatusPane* pPane = GetPanePtr(nIndex);
    return pPane != NULL ? pPane->nStyle : 0;
}

void SECStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    SECStatusPane* pPane = GetPanePtr(nIndex);
    if (pPane == NULL || pPane->nStyle == nStyle)
        return;
    if (((pPane->nStyle ^ nStyle) & SBPS_STRETCH) != 0)
    {
        pPane->nStyle = nStyle;
        UpdateAllPanes(TRUE, FALSE);
    }
    pPane->nStyle = nStyle;
    pPane->nFlags |= SECStatusPane::kTextPending;
    CString strText = pPane->strText;
    SetPaneText(nIndex, strText, TRUE);
}

void SECStatusBar::GetPaneText(int nIndex, CString& s) const
{
    SECStatusPane* pPane = GetPanePtr(nIndex);
    s = pPane != NULL ? pPane->strText : CString();
}

CString SECStatusBar::GetPaneText(int nIndex) const
{
    CString s;
    GetPaneText(nIndex, s);
    return s;
}

BOOL SECStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    SECStatusPane* pPane = GetPanePtr(nIndex);
    if (pPane == NULL)
        return FALSE;
    LPCTSTR lpszText = lpszNewText != NULL ? lpszNewText : _T("");
    if ((pPane->nFlags & SECStatusPane::kTextPending) == 0 && pPane->strText == lpszText)
        return TRUE;
    try
    {
        pPane->strText = lpszText;
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        return FALSE;
    }
    if (!bUpdate)
    {
        pPane->nFlags |= SECStatusPane::kTextPending;
        return TRUE;
    }
    pPane->nFlags &= ~SECStatusPane::kTextPending;
    if (m_hWnd != NULL)
    {
        BOOL bOwnerDraw = (pPane->nStyle & SBT_OWNERDRAW) != 0;
        DefWindowProc(SB_SETTEXT, (WPARAM)(LOWORD(pPane->nStyle) | nIndex),
                      bOwnerDraw ? 0 : (LPARAM)(LPCTSTR)pPane->strText);
    }
    return TRUE;
}

void SECStatusBar::GetControlBorders(int borders[3]) const
{
    borders[0] = borders[1] = borders[2] = 0;
    ::SendMessage(m_hWnd, SB_GETBORDERS, 0, (LPARAM)borders);
}

void SECStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (m_hWnd == NULL)
        return;
    if (bUpdateRects)
    {
        CRect rect;
        GetWindowRect(&rect);
        rect.OffsetRect(-rect.left, -rect.top);
        CalcInsideRect(rect, TRUE);
        int borders[3];
        GetControlBorders(borders);
        int cxFree = rect.Width() + borders[2];
        int nStretchy = 0;
        for (int i = 0; i < m_nCount; i++)
        {
            SECStatusPane* pPane = GetPanePtr(i);
            cxFree -= pPane->cxText + kPaneBorder + borders[2];
            if ((pPane->nStyle & SBPS_STRETCH) != 0)
                ++nStretchy;
        }
        std::vector<int> edges((size_t)(m_nCount > 0 ? m_nCount : 1));
        int x = borders[0];
        for (int i = 0; i < m_nCount; i++)
        {
            SECStatusPane* pPane = GetPanePtr(i);
            x += pPane->cxText + kPaneBorder;
            if ((pPane->nStyle & SBPS_STRETCH) != 0 && cxFree > 0)
            {
                // Each stretchy pane takes its share of what is left.
                int cxAdd = cxFree / nStretchy;
                x += cxAdd;
                cxFree -= cxAdd;
                --nStretchy;
            }
            edges[(size_t)i] = x;
            x += borders[2];
        }
        DefWindowProc(SB_SETPARTS, (WPARAM)m_nCount, (LPARAM)edges.data());
    }
    if (bUpdateText)
        for (int i = 0; i < m_nCount; i++)
        {
            SECStatusPane* pPane = GetPanePtr(i);
            if ((pPane->nFlags & SECStatusPane::kTextPending) != 0)
            {
                CString strText = pPane->strText;
                SetPaneText(i, strText, TRUE);
            }
        }
}

void SECStatusBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    CControlBar::CalcInsideRect(rect, bHorz);
    if (!bHorz || m_hWnd == NULL)
        return;
    CFrameWnd* pFrame = GetParentFrame();
    if ((GetStyle() & SBARS_SIZEGRIP) != 0 && (pFrame == NULL || !pFrame->IsZoomed()))
    {
        int borders[3];
        GetControlBorders(borders);
        rect.right -= borders[0] + ::GetSystemMetrics(SM_CXVSCROLL) + 2 * ::GetSystemMetrics(SM_CXBORDER);
    }
}

CSize SECStatusBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    if (!bHorz)
        return CSize(0, 0);
    CClientDC dcScreen(NULL);
    HFONT hFont = m_hWnd != NULL ? (HFONT)SendMessage(WM_GETFONT) : NULL;
    HGDIOBJ hOldFont = hFont != NULL ? ::SelectObject(dcScreen.m_hDC, hFont) : NULL;
    TEXTMETRIC tm;
    dcScreen.GetTextMetrics(&tm);
    if (hOldFont != NULL)
        ::SelectObject(dcScreen.m_hDC, hOldFont);
    int borders[3] = {0, 0, 0};
    if (m_hWnd != NULL)
        GetControlBorders(borders);
    CRect rectEmpty(0, 0, 0, 0);
    CalcInsideRect(rectEmpty, TRUE);
    int cy = tm.tmHeight - tm.tmInternalLeading - 1 + 2 * borders[1] + 2 * ::GetSystemMetrics(SM_CYBORDER) -
             rectEmpty.Height();
    return CSize(32767, std::max(cy, m_nMinHeight));
}

void SECStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    SECStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)m_nCount;
    for (int i = 0; i < m_nCount; i++)
    {
        state.m_nIndex = (UINT)i;
        state.m_nID = GetPanePtr(i)->nID;
        // The bar's own routing first (for its own panes), then the frame's.
        if (CWnd::OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, NULL))
            continue;
        state.DoUpdate(pTarget, FALSE);
    }
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void SECStatusBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    SECControlBar::OnBarStyleChange(dwOldStyle, dwNewStyle);
    if (m_hWnd != NULL && ((dwOldStyle ^ dwNewStyle) & CBRS_BORDER_ANY) != 0)
        SetWindowPos(NULL, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_NOZORDER);
}

void SECStatusBar::DrawPane(LPDRAWITEMSTRUCT)
{
}

BOOL SECStatusBar::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return SECControlBar::OnChildNotify(message, wParam, lParam, pResult);
    DrawPane((LPDRAWITEMSTRUCT)lParam);
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}

LRESULT SECStatusBar::OnNcHitTest(CPoint)
{
    return Default() == HTBOTTOMRIGHT ? HTBOTTOMRIGHT : HTCLIENT;
}

void SECStatusBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect(0, 0, 0, 0);
    CControlBar::CalcInsideRect(rect, TRUE);
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top - 2;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
}

void SECStatusBar::OnPaint()
{
    UpdateAllPanes(FALSE, TRUE);
    Default();
}

void SECStatusBar::OnSize(UINT, int, int)
{
    Default();
    UpdateAllPanes(TRUE, FALSE);
}

void SECStatusBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    // The control bar's handling without the border bits, which the non-client area covers.
    DWORD dwStyle = m_dwStyle;
    m_dwStyle &= ~CBRS_BORDER_ANY;
    CControlBar::OnWindowPosChanging(lpWndPos);
    m_dwStyle = dwStyle;
}

LRESULT SECStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    int nIndex = CommandToIndex(0);
    if (nIndex < 0)
        return -1;
    return SetPaneText(nIndex, (LPCTSTR)lParam) ? 0 : -1;
}

// Returns the characters copied (not counting the terminator).
LRESULT SECStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    int nMax = (int)wParam;
    if (nMax <= 0 || lParam == 0)
        return 0;
    int nIndex = CommandToIndex(0);
    CString strText = nIndex >= 0 ? GetPanePtr(nIndex)->strText : CString();
    int nCopy = std::min(strText.GetLength(), nMax - 1);
    LPTSTR lpszDest = (LPTSTR)lParam;
    memcpy(lpszDest, (LPCTSTR)strText, (size_t)nCopy * sizeof(TCHAR));
    lpszDest[nCopy] = 0;
    return nCopy;
}

LRESULT SECStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    int nIndex = CommandToIndex(0);
    return nIndex >= 0 ? GetPanePtr(nIndex)->strText.GetLength() : 0;
}

LRESULT SECStatusBar::OnSetMinHeight(WPARAM wParam, LPARAM)
{
    LRESULT lResult = Default();
    m_nMinHeight = (int)wParam;
    return lResult;
}
