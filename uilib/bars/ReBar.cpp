#include "uilib/bars/ReBar.h"

IMPLEMENT_DYNAMIC(SECReBar, CControlBar)

BEGIN_MESSAGE_MAP(SECReBar, CControlBar)
ON_NOTIFY_REFLECT_EX(RBN_HEIGHTCHANGE, OnHeightChange)
END_MESSAGE_MAP()

SECReBar::SECReBar()
{
    SetBorders(0, 0, 0, 0);
}

SECReBar::~SECReBar()
{
    DestroyWindow();
}

BOOL SECReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    // The frame's layout places the control, so it must not align itself.
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NODIVIDER | CCS_NOPARENTALIGN;
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTL_BAR_REG))
        return FALSE;
    if (!CWnd::Create(REBARCLASSNAME, NULL, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    REBARINFO info = {sizeof(info), 0, NULL};
    SendMessage(RB_SETBARINFO, 0, (LPARAM)&info);
    return TRUE;
}

// A control bar gets the height of one horizontal row (not the wrapped layout of a window that
// has no width yet); other windows keep their size.
CSize SECReBar::BandChildSize(CWnd* pBar)
{
    if (CControlBar* pControlBar = DYNAMIC_DOWNCAST(CControlBar, pBar))
        return CSize(0, pControlBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK).cy);
    CRect rect;
    pBar->GetWindowRect(&rect);
    return rect.Size();
}

BOOL SECReBar::AddBar(CWnd* pBar, LPCTSTR lpszText, DWORD dwBandStyle)
{
    if (m_hWnd == NULL || pBar->GetSafeHwnd() == NULL)
        return FALSE;
    const CSize size = BandChildSize(pBar);
    REBARBANDINFO band = {};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | (size.cx > 0 ? RBBIM_SIZE : 0) |
                 (lpszText != NULL ? RBBIM_TEXT : 0);
    band.fStyle = dwBandStyle;
    band.hwndChild = pBar->m_hWnd;
    band.cxMinChild = 0;
    band.cyMinChild = size.cy;
    band.cx = size.cx;
    band.lpText = (LPTSTR)lpszText;
    pBar->SetParent(this);
    if (!SendMessage(RB_INSERTBAND, (WPARAM)-1, (LPARAM)&band))
        return FALSE;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
    return TRUE;
}

int SECReBar::GetBandCount() const
{
    return m_hWnd != NULL ? (int)::SendMessage(m_hWnd, RB_GETBANDCOUNT, 0, 0) : 0;
}

int SECReBar::FindBand(CWnd* pBar) const
{
    for (int i = 0; i < GetBandCount(); i++)
    {
        REBARBANDINFO band = {};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_CHILD;
        if (::SendMessage(m_hWnd, RB_GETBANDINFO, i, (LPARAM)&band) && band.hwndChild == pBar->GetSafeHwnd())
            return i;
    }
    return -1;
}

BOOL SECReBar::ReturnBar(CWnd* pBar)
{
    const int nBand = FindBand(pBar);
    if (nBand < 0)
        return AddBar(pBar);
    // The band still names the window but the window went elsewhere: hand it back.
    pBar->SetParent(this);
    const CSize size = BandChildSize(pBar);
    REBARBANDINFO band = {};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE;
    band.hwndChild = pBar->m_hWnd;
    band.cyMinChild = size.cy;
    return (BOOL)SendMessage(RB_SETBANDINFO, nBand, (LPARAM)&band);
}

// Bars change height as their contents change (a menu bar gets its menus late): each layout
// gives their bands the height they ask for now.
void SECReBar::UpdateBandHeights()
{
    for (int i = 0; i < GetBandCount(); i++)
    {
        REBARBANDINFO band = {};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE;
        if (!SendMessage(RB_GETBANDINFO, i, (LPARAM)&band) || band.hwndChild == NULL)
            continue;
        CControlBar* pBar = DYNAMIC_DOWNCAST(CControlBar, CWnd::FromHandlePermanent(band.hwndChild));
        if (pBar == NULL)
            continue;
        const UINT cy = (UINT)BandChildSize(pBar).cy;
        if (band.cyMinChild == cy)
            continue;
        band.fMask = RBBIM_CHILDSIZE;
        band.cyMinChild = cy;
        SendMessage(RB_SETBANDINFO, i, (LPARAM)&band);
    }
}

CSize SECReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    if (m_hWnd == NULL)
        return size;
    UpdateBandHeights();
    const int nHeight = (int)SendMessage(RB_GETBARHEIGHT);
    if (bHorz)
        size.cy = nHeight;
    else
        size.cx = nHeight;
    return size;
}

// The bars in the bands update themselves on the frame's idle pass; the rebar has no commands.
void SECReBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
}

BOOL SECReBar::OnHeightChange(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
    return FALSE;
}
