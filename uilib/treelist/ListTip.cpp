#include "ListTip.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(SECListTip, CWnd)

BEGIN_MESSAGE_MAP(SECListTip, CWnd)
ON_WM_PAINT()
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL SECListTip::CreateTip()
{
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_SAVEBITS | CS_OWNDC | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                            ::LoadCursor(NULL, IDC_ARROW));
    return CreateEx(0, lpszClass, _T(""), WS_POPUP | WS_BORDER, 0, 0, 0, 0, m_pClient->GetClientHwnd(), NULL);
}

void SECListTip::Hide()
{
    if (m_hWnd != NULL && IsWindowVisible())
    {
        ShowWindow(SW_HIDE);
        ::RedrawWindow(m_pClient->GetClientHwnd(), &m_rect, NULL,
                       RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASENOW);
        KillTimer(HIDE_TIMER);
    }
    m_nRow = m_nSubItem = -1;
    m_rect.SetRectEmpty();
}

BOOL SECListTip::ShowCellTip(UINT nHitFlags, int nRow, int nColumn)
{
    if (m_hWnd == NULL && !CreateTip())
        return FALSE;
    int nSubItem = nColumn == -1 ? -1 : m_pClient->GetSubItemOfColumn(nColumn);
    CRect rcClient;
    ::GetClientRect(m_pClient->GetClientHwnd(), &rcClient);
    BOOL bAllowed = (nHitFlags & LVHT_ONITEMLABEL) != 0 || ((nHitFlags & 0x2000) != 0 && nSubItem >= 1);
    if (nRow == -1 || nColumn == -1 || !bAllowed || ::GetActiveWindow() == NULL)
    {
        Hide();
        return FALSE;
    }
    CRect rcCell, rcLabel;
    if (!m_pClient->GetCellRect(nRow, nColumn, &rcCell, LVIR_BOUNDS) ||
        !m_pClient->GetCellRect(nRow, nColumn, &rcLabel, LVIR_LABEL))
        return FALSE;
    rcCell.right -= 5;
    int nUsable = std::min(rcClient.Width(), (int)rcCell.right);
    BOOL bCutOff = rcLabel.right > nUsable || (rcClient.left < rcLabel.right && rcClient.left > rcLabel.left);
    if (!bCutOff)
    {
        Hide();
        return FALSE;
    }
    if (nRow == m_nRow && nSubItem == m_nSubItem)
        return TRUE;
    Hide();
    rcLabel.InflateRect(2, 0, 2, 2);
    m_nRow = nRow;
    m_nSubItem = nSubItem;
    m_rect = rcCell;
    CString strText = m_pClient->GetCellText(nRow, nSubItem);
    if (strText.IsEmpty())
        return FALSE;
    SetTipText(strText);
    m_pClient->ClientToScreenRect(&rcLabel);
    SetWindowPos(NULL, rcLabel.left - 1, rcLabel.top, rcLabel.Width() + 3, rcCell.Height(),
                 SWP_NOACTIVATE | SWP_NOZORDER);
    ShowWindow(SW_SHOWNOACTIVATE);
    SetTimer(HIDE_TIMER, HIDE_TIMER_MS);
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    return TRUE;
}

void SECListTip::RefreshTip()
{
    if (m_hWnd != NULL && IsWindowVisible())
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

void SECListTip::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    if (m_nRow != -1)
    {
        BOOL bSelected = m_pClient->IsItemSelected(m_nRow);
        COLORREF rgbText = bSelected ? m_pClient->GetSelTextColor() : m_pClient->GetToolTipTextColor();
        COLORREF rgbBk = bSelected ? m_pClient->GetSelBkColor() : m_pClient->GetToolTipBkColor();
        CRect rc;
        GetClientRect(&rc);
        ::SetBkColor(hDC, rgbBk);
        ::ExtTextOut(hDC, 0, 0, ETO_OPAQUE, &rc, NULL, 0, NULL);
        HFONT hFont = m_pClient->GetLabelFont();
        HFONT hBold = NULL;
        if ((m_pClient->GetRowStateBits(m_nRow, TVIS_BOLD | TVIS_DROPHILITED) & TVIS_BOLD) != 0)
        {
            LOGFONT lf;
            ::GetObject(hFont, sizeof(lf), &lf);
            lf.lfWeight = FW_BOLD;
            hBold = ::CreateFontIndirect(&lf);
        }
        HGDIOBJ hOld = ::SelectObject(hDC, hBold != NULL ? hBold : hFont);
        ::SetTextColor(hDC, rgbText);
        ::SetBkMode(hDC, TRANSPARENT);
        int n = 0;
        while (n < 259 && m_strText[n] != '\0' && m_strText[n] != '\n')
            ++n;
        rc.left += 2;
        ::DrawText(hDC, m_strText, n, &rc, DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER);
        ::SelectObject(hDC, hOld);
        if (hBold != NULL)
            ::DeleteObject(hBold);
    }
    ::EndPaint(m_hWnd, &ps);
}

void SECListTip::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != HIDE_TIMER)
    {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    CPoint pt;
    ::GetCursorPos(&pt);
    HWND hList = m_pClient->GetClientHwnd();
    ::ScreenToClient(hList, &pt);
    CRect rc;
    ::GetClientRect(hList, &rc);
    if (!rc.PtInRect(pt))
        Hide();
}

void SECListTip::OnDestroy()
{
    CWnd::OnDestroy();
    m_nRow = -1;
}

BOOL SECListTip::PreTranslateMessage(MSG* pMsg)
{
    UINT msg = pMsg->message;
    BOOL bClient = msg == WM_MOUSEMOVE || (msg >= WM_LBUTTONDOWN && msg <= WM_MBUTTONDBLCLK);
    BOOL bNonClient = msg >= WM_NCLBUTTONDOWN && msg <= WM_NCMBUTTONDBLCLK;
    if (pMsg->hwnd != m_hWnd || (!bClient && !bNonClient))
        return CWnd::PreTranslateMessage(pMsg);
    CPoint pt((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam));
    WPARAM wParam = pMsg->wParam;
    if (bNonClient)
    {
        msg += WM_LBUTTONDOWN - WM_NCLBUTTONDOWN; // 0x160
        wParam = pMsg->message == WM_NCLBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON;
    }
    else
        ClientToScreen(&pt);
    HWND hList = m_pClient->GetClientHwnd();
    ::ScreenToClient(hList, &pt);
    MSG forwarded = *pMsg;
    forwarded.hwnd = hList;
    forwarded.message = msg;
    forwarded.wParam = wParam;
    forwarded.lParam = MAKELPARAM(pt.x, pt.y);
    ::DispatchMessage(&forwarded);
    return TRUE;
}
