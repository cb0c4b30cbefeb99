#include "uilib/bars/CustomStatusBar.h"
#include <windowsx.h>
#include <algorithm>

using tessaron::foundation::SECProgressCtrl;

IMPLEMENT_DYNAMIC(SECCustomStatusBar, SECStatusBar)

namespace
{
// SB_GETPARTS answers at most this many edges here.
const int kMaxParts = 32;
const UINT kProgressID = 1;
} // namespace

SECStatusPaneInfo::SECStatusPaneInfo()
    : index(0), id(0), style(0), width(0), textColour(::GetSysColor(COLOR_WINDOWTEXT)),
      backColour(::GetSysColor(COLOR_WINDOW)), bitmap(NULL), cursor(NULL), textAlign(0), mask(0)
{
}

SECCustomStatusBar::SECCustomStatusBar() : m_pProgressCtrl(NULL), m_pSavedPane0(NULL), m_pAttributes(NULL)
{
}

SECCustomStatusBar::~SECCustomStatusBar()
{
    delete m_pProgressCtrl;
    delete m_pSavedPane0;
    delete[] m_pAttributes;
}

BEGIN_MESSAGE_MAP(SECCustomStatusBar, SECStatusBar)
ON_MESSAGE(WM_SETTEXT, SECCustomStatusBar::OnSetTextProgress)
ON_MESSAGE(WM_SIZEPARENT, SECCustomStatusBar::OnSizeParentBar)
ON_WM_SETCURSOR()
ON_MESSAGE(WM_SETFONT, SECCustomStatusBar::OnSetFontBar)
END_MESSAGE_MAP()

BOOL SECCustomStatusBar::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= 0x1000;
    return SECStatusBar::PreCreateWindow(cs);
}

BOOL SECCustomStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    // Every pane draws itself, also when a later text goes through SetPaneText.
    BOOL bResult = SECStatusBar::SetIndicators(lpIDArray, nIDCount);
    delete[] m_pAttributes;
    m_pAttributes = m_nCount > 0 ? new PaneAttributes[(size_t)m_nCount] : NULL;
    for (int i = 0; i < m_nCount; i++)
    {
        m_pAttributes[i] =
            PaneAttributes{::GetSysColor(COLOR_WINDOWTEXT), ::GetSysColor(COLOR_WINDOW), NULL, NULL, 0, 0};
        GetPanePtr(i)->nStyle |= SBT_OWNERDRAW;
        UINT nType = HIWORD(DefWindowProc(SB_GETTEXTLENGTH, (WPARAM)i, 0));
        DefWindowProc(SB_SETTEXT, (WPARAM)((nType | (UINT)i) | SBT_OWNERDRAW), 0);
    }
    m_arrPaneWindows.SetSize(m_nCount);
    m_arrPaneWindowFlags.SetSize(m_nCount);
    for (int i = 0; i < m_nCount; i++)
    {
        m_arrPaneWindows[i] = NULL;
        m_arrPaneWindowFlags[i] = 0;
    }
    return bResult;
}

int SECCustomStatusBar::TextExtent(const CString& strText, int* pcy)
{
    CClientDC dc(this);
    HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
    HGDIOBJ hOld = hFont != NULL ? ::SelectObject(dc.m_hDC, hFont) : NULL;
    CSize size = dc.GetTextExtent(strText);
    if (hOld != NULL)
        ::SelectObject(dc.m_hDC, hOld);
    if (pcy != NULL)
        *pcy = size.cy;
    return size.cx;
}

void SECCustomStatusBar::RelayoutFrame()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == NULL)
        return;
    CRect rect;
    pFrame->GetWindowRect(&rect);
    pFrame->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rect.Width(), rect.Height()));
}

void SECCustomStatusBar::SetPaneInfoEx(SECStatusPaneInfo* pInfo, BOOL bAdjustHeight)
{
    int i = pInfo->index;
    if (GetPanePtr(i) == NULL || m_pAttributes == NULL)
        return;
    UINT nID, nStyle;
    int cxWidth;
    GetPaneInfo(i, nID, nStyle, cxWidth);
    if (pInfo->mask & SECStatusPaneInfo::maskID)
        nID = pInfo->id;
    if (pInfo->mask & SECStatusPaneInfo::maskStyle)
        nStyle = pInfo->style;
    int cyBitmap = 0;
    if (pInfo->mask & SECStatusPaneInfo::maskWidth)
        cxWidth = pInfo->width;
    else if (bAdjustHeight && (pInfo->mask & SECStatusPaneInfo::maskBitmap) && pInfo->bitmap != NULL)
    {
        BITMAP bm;
        if (pInfo->bitmap->GetBitmap(&bm))
        {
            cxWidth = bm.bmWidth;
            cyBitmap = std::max((int)bm.bmHeight, 0);
        }
    }
    SetPaneInfo(i, nID, nStyle | SBT_OWNERDRAW, cxWidth);
    if (pInfo->mask & SECStatusPaneInfo::maskText)
        SetPaneText(i, pInfo->text, FALSE);

    PaneAttributes& attributes = m_pAttributes[i];
    if (pInfo->mask & SECStatusPaneInfo::maskAlign)
        attributes.textAlign = pInfo->textAlign;
    if (pInfo->mask & SECStatusPaneInfo::maskTextColour)
        attributes.textColour = pInfo->textColour;
    if (pInfo->mask & SECStatusPaneInfo::maskBackColour)
        attributes.backColour = pInfo->backColour;
    if (pInfo->mask & SECStatusPaneInfo::maskBitmap)
        attributes.bitmap = pInfo->bitmap;
    if (pInfo->mask & SECStatusPaneInfo::maskCursor)
        attributes.cursor = pInfo->cursor;
    // Only what this call names stays in force.
    attributes.flags = pInfo->mask & SECStatusPaneInfo::maskAttributes;

    if (bAdjustHeight && cyBitmap >= 1)
    {
        int borders[3];
        GetControlBorders(borders);
        SendMessage(SB_SETMINHEIGHT, (WPARAM)(cyBitmap + 2 * borders[1]));
        RelayoutFrame();
    }
    if (pInfo->mask & SECStatusPaneInfo::maskWidth)
        PositionPaneWindows();
    CRect rect = GetPaneRect(i);
    InvalidateRect(&rect, TRUE);
}

void SECCustomStatusBar::GetPaneInfoEx(SECStatusPaneInfo* pInfo) const
{
    int i = pInfo->index;
    if (GetPanePtr(i) == NULL || m_pAttributes == NULL)
        return;
    if (pInfo->mask &
        (SECStatusPaneInfo::maskID | SECStatusPaneInfo::maskStyle | SECStatusPaneInfo::maskWidth))
        GetPaneInfo(i, pInfo->id, pInfo->style, pInfo->width);
    if (pInfo->mask & SECStatusPaneInfo::maskText)
        GetPaneText(i, pInfo->text);
    const PaneAttributes& attributes = m_pAttributes[i];
    if (pInfo->mask & SECStatusPaneInfo::maskTextColour)
        pInfo->textColour = attributes.textColour;
    if (pInfo->mask & SECStatusPaneInfo::maskBackColour)
        pInfo->backColour = attributes.backColour;
    if (pInfo->mask & SECStatusPaneInfo::maskBitmap)
        pInfo->bitmap = attributes.bitmap;
    if (pInfo->mask & SECStatusPaneInfo::maskCursor)
        pInfo->cursor = attributes.cursor;
    if (pInfo->mask & SECStatusPaneInfo::maskAlign)
        pInfo->textAlign = attributes.textAlign;
}

CWnd* SECCustomStatusBar::GetPaneWindow(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_arrPaneWindows.GetSize() ? (CWnd*)m_arrPaneWindows[nIndex] : NULL;
}

UINT SECCustomStatusBar::GetPaneWindowFlags(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_arrPaneWindowFlags.GetSize() ? (UINT)m_arrPaneWindowFlags[nIndex] : 0;
}

BOOL SECCustomStatusBar::SetPaneWindow(int nIndex, CWnd* pWnd, UINT nFlags)
{
    if (nIndex < 0 || nIndex >= m_arrPaneWindows.GetSize())
        return FALSE;
    m_arrPaneWindows[nIndex] = pWnd;
    m_arrPaneWindowFlags[nIndex] = nFlags;
    PositionPaneWindows();
    return TRUE;
}

// Panes beyond the edges the control reports get an empty rectangle.
CRect SECCustomStatusBar::GetPaneRect(int nIndex) const
{
    CRect rect(0, 0, 0, 0);
    int edges[kMaxParts];
    int nParts = (int)::SendMessage(m_hWnd, SB_GETPARTS, kMaxParts, (LPARAM)edges);
    if (nParts <= 0 || nIndex < 0 || nIndex >= std::min(nParts, kMaxParts))
        return rect;
    int borders[3];
    GetControlBorders(borders);
    CRect rcClient;
    GetClientRect(&rcClient);
    rect.left = nIndex == 0 ? borders[0] : edges[nIndex - 1] + borders[2];
    rect.right = edges[nIndex] == -1 ? rcClient.right - borders[0] : edges[nIndex];
    rect.top = borders[1];
    rect.bottom = std::max(rcClient.bottom - borders[1] + 1, 0L);
    return rect;
}

void SECCustomStatusBar::DrawPane(LPDRAWITEMSTRUCT lpDIS)
{
    int i = (int)lpDIS->itemID;
    SECStatusPane* pPane = GetPanePtr(i);
    if (pPane == NULL || m_pAttributes == NULL)
        return;
    if ((m_pProgressCtrl != NULL && i != 0) || (pPane->nStyle & SBPS_DISABLED) != 0)
        return;
    const PaneAttributes& attributes = m_pAttributes[i];
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rect(lpDIS->rcItem);
    if ((attributes.flags & SECStatusPaneInfo::maskBitmap) != 0 && attributes.bitmap != NULL)
    {
        BITMAP bm;
        CDC dcBitmap;
        if (attributes.bitmap->GetBitmap(&bm) && dcBitmap.CreateCompatibleDC(pDC))
        {
            CBitmap* pOld = dcBitmap.SelectObject(attributes.bitmap);
            pDC->BitBlt(rect.left, rect.top, bm.bmWidth, bm.bmHeight, &dcBitmap, 0, 0, SRCCOPY);
            dcBitmap.SelectObject(pOld);
        }
        return;
    }
    CSize size = pDC->GetTextExtent(pPane->strText);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    UINT nOptions = ETO_CLIPPED;
    if (attributes.flags & SECStatusPaneInfo::maskTextColour)
        pDC->SetTextColor(attributes.textColour);
    if (attributes.flags & SECStatusPaneInfo::maskBackColour)
    {
        pDC->SetBkColor(attributes.backColour);
        nOptions |= ETO_OPAQUE;
    }
    int x = rect.left + 1;
    UINT nOldAlign = pDC->GetTextAlign();
    if (attributes.flags & SECStatusPaneInfo::maskAlign)
    {
        pDC->SetTextAlign(attributes.textAlign);
        if (attributes.textAlign == TA_RIGHT)
            x = rect.right - 1;
        else if (attributes.textAlign == TA_CENTER)
            x = rect.left + rect.Width() / 2;
    }
    int y = rect.top + (rect.Height() - size.cy) / 2;
    pDC->ExtTextOut(x, y, nOptions, &rect, pPane->strText, pPane->strText.GetLength(), NULL);
    pDC->SetTextAlign(nOldAlign);
    pDC->SetBkMode(nOldMode);
}

void SECCustomStatusBar::FitPanesToContent()
{
    int cyMax = 0;
    for (int i = 0; i < m_nCount; i++)
    {
        SECStatusPane* pPane = GetPanePtr(i);
        int cy = 0;
        if ((pPane->nStyle & SBPS_STRETCH) != 0 || GetPaneWindow(i) != NULL)
            TextExtent(pPane->strText, &cy);
        else
        {
            int cx;
            BITMAP bm;
            if ((m_pAttributes[i].flags & SECStatusPaneInfo::maskBitmap) && m_pAttributes[i].bitmap != NULL &&
                m_pAttributes[i].bitmap->GetBitmap(&bm))
            {
                cx = bm.bmWidth;
                cy = bm.bmHeight;
            }
            else
                cx = TextExtent(pPane->strText, &cy);
            if (cx != pPane->cxText)
                SetPaneInfo(i, pPane->nID, pPane->nStyle, cx);
        }
        cyMax = std::max(cyMax, cy);
    }
    BOOL bAnyWindow = FALSE;
    for (int i = 0; i < m_nCount; i++)
    {
        CWnd* pWnd = GetPaneWindow(i);
        if (pWnd == NULL)
            continue;
        bAnyWindow = TRUE;
        CRect rect;
        pWnd->GetWindowRect(&rect);
        int cy = (GetPaneWindowFlags(i) & paneWindowOwnHeight) ? rect.Height() : cyMax;
        pWnd->SetWindowPos(NULL, 0, 0, rect.Width(), cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (bAnyWindow)
        RelayoutFrame();
}

void SECCustomStatusBar::PositionPaneWindows()
{
    for (int i = 0; i < m_arrPaneWindows.GetSize(); i++)
    {
        CWnd* pWnd = GetPaneWindow(i);
        if (pWnd == NULL || pWnd->m_hWnd == NULL)
            continue;
        UINT nFlags = GetPaneWindowFlags(i);
        CRect rcPane(0, 0, 0, 0);
        if (!DefWindowProc(SB_GETRECT, (WPARAM)i, (LPARAM)&rcPane))
            rcPane.SetRectEmpty();
        CRect rcWnd;
        pWnd->GetWindowRect(&rcWnd);
        CRect rect = rcPane;
        if (nFlags & paneWindowOwnWidth)
            rect.right = rect.left + rcWnd.Width();
        else if (nFlags & paneWindowInset)
            rect.DeflateRect(1, 0);
        if (nFlags & paneWindowOwnHeight)
            rect.bottom = rect.top + rcWnd.Height();
        else if (nFlags & paneWindowInset)
            rect.DeflateRect(0, 1);
        pWnd->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void SECCustomStatusBar::ShowPaneWindows(BOOL bShow)
{
    for (int i = 0; i < m_arrPaneWindows.GetSize(); i++)
    {
        CWnd* pWnd = GetPaneWindow(i);
        if (pWnd != NULL && pWnd->m_hWnd != NULL)
            pWnd->ShowWindow(bShow ? SW_SHOWNORMAL : SW_HIDE);
    }
}

BOOL SECCustomStatusBar::ShowProgress(LPCTSTR lpszText, int nLower, int nUpper, BOOL bResetPos,
                                      DWORD dwProgressStyle, int nStep)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    BOOL bCreated = FALSE;
    if (m_pProgressCtrl == NULL)
    {
        m_pProgressCtrl = new SECProgressCtrl;
        if (!m_pProgressCtrl->Create(WS_CHILD, rcClient, this, kProgressID, dwProgressStyle))
        {
            delete m_pProgressCtrl;
            m_pProgressCtrl = NULL;
            return FALSE;
        }
        bCreated = TRUE;
    }
    else
        m_pProgressCtrl->SetProgressStyle(dwProgressStyle);
    if (nStep != 10)
        m_pProgressCtrl->SetStep(nStep);
    ShowPaneWindows(FALSE);

    int xLeft = rcClient.left;
    if (lpszText != NULL && m_nCount > 0)
    {
        if (m_pSavedPane0 == NULL)
        {
            m_pSavedPane0 = new SECStatusPaneInfo;
            m_pSavedPane0->index = 0;
            m_pSavedPane0->mask = SECStatusPaneInfo::maskID | SECStatusPaneInfo::maskStyle |
                                  SECStatusPaneInfo::maskWidth | SECStatusPaneInfo::maskText |
                                  SECStatusPaneInfo::maskAlign;
            GetPaneInfoEx(m_pSavedPane0);
            // The colours the pane had stay in force while it shows progress and after.
            m_pSavedPane0->mask |= m_pAttributes[0].flags &
                                   (SECStatusPaneInfo::maskTextColour | SECStatusPaneInfo::maskBackColour);
            GetPaneInfoEx(m_pSavedPane0);
        }
        SECStatusPaneInfo info;
        info.index = 0;
        info.style = SBPS_NOBORDERS;
        info.text = CString(lpszText) + _T(" ");
        info.width = TextExtent(info.text);
        info.textAlign = 0;
        info.textColour = m_pAttributes[0].textColour;
        info.backColour = m_pAttributes[0].backColour;
        info.mask =
            SECStatusPaneInfo::maskStyle | SECStatusPaneInfo::maskWidth | SECStatusPaneInfo::maskText |
            SECStatusPaneInfo::maskAlign |
            (m_pSavedPane0->mask & (SECStatusPaneInfo::maskTextColour | SECStatusPaneInfo::maskBackColour));
        SetPaneInfoEx(&info, TRUE);
        int borders[3];
        GetControlBorders(borders);
        xLeft = rcClient.left + info.width + 2 * (borders[0] + borders[2]) + 1;
    }
    m_pProgressCtrl->SetWindowPos(NULL, xLeft, rcClient.top, rcClient.right - xLeft, rcClient.Height(),
                                  SWP_NOZORDER | SWP_NOACTIVATE);
    if (bCreated)
        m_pProgressCtrl->ShowWindow(SW_SHOW);
    m_pProgressCtrl->SetRange(nLower, nUpper);
    if (bResetPos)
        m_pProgressCtrl->SetPos((UINT)nLower, TRUE);
    return m_pProgressCtrl != NULL;
}

void SECCustomStatusBar::HideProgress()
{
    if (m_pProgressCtrl == NULL)
        return;
    m_pProgressCtrl->DestroyWindow();
    delete m_pProgressCtrl;
    m_pProgressCtrl = NULL;
    if (m_pSavedPane0 != NULL)
    {
        SetPaneInfoEx(m_pSavedPane0, TRUE);
        // The text went in pending; show it now.
        SetPaneText(0, m_pSavedPane0->text, TRUE);
        delete m_pSavedPane0;
        m_pSavedPane0 = NULL;
    }
    ShowPaneWindows(TRUE);
}

LRESULT SECCustomStatusBar::OnSetTextProgress(WPARAM wParam, LPARAM lParam)
{
    if (m_pProgressCtrl != NULL)
        return 0;
    return SECStatusBar::OnSetText(wParam, lParam);
}

LRESULT SECCustomStatusBar::OnSizeParentBar(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
    if (m_pProgressCtrl != NULL)
    {
        CRect rcClient, rcProgress;
        GetClientRect(&rcClient);
        m_pProgressCtrl->GetWindowRect(&rcProgress);
        ScreenToClient(&rcProgress);
        m_pProgressCtrl->SetWindowPos(NULL, 0, 0, rcClient.right - rcProgress.left, rcProgress.Height(),
                                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    else
        PositionPaneWindows();
    return lResult;
}

BOOL SECCustomStatusBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && m_pAttributes != NULL)
    {
        // The cursor itself: while WM_SETCURSOR is sent the message position is still the
        // previous message's.
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        for (int i = 0; i < m_nCount; i++)
            if ((m_pAttributes[i].flags & SECStatusPaneInfo::maskCursor) && m_pAttributes[i].cursor != NULL &&
                GetPaneRect(i).PtInRect(point))
            {
                ::SetCursor(m_pAttributes[i].cursor);
                return TRUE;
            }
    }
    return SECStatusBar::OnSetCursor(pWnd, nHitTest, message);
}

LRESULT SECCustomStatusBar::OnSetFontBar(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    RelayoutFrame();
    return lResult;
}
