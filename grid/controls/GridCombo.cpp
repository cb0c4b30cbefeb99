#include "grid/controls/GridCombo.h"
#include "grid/core/AppData.h"

BOOL CGXGridCombo::s_bBusy = FALSE;

BEGIN_MESSAGE_MAP(CGXGridCombo, CWnd)
ON_WM_CTLCOLOR()
ON_WM_ACTIVATE()
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

CGXGridCombo::CGXGridCombo(CWnd* pOwner, CWnd*, const CRect& rect) : m_pOwner(pOwner)
{
    // Losing the focus to the pop-up must not end the cell's editing.
    GXSetPopupActive(TRUE);
    CreateEx(WS_EX_TOOLWINDOW, GetPopupWndClass(), NULL, WS_POPUP | WS_VISIBLE,
             CRect(rect.left - 1, rect.top, rect.right, rect.bottom), CWnd::GetDesktopWindow(), 0);
    GXSetPopupActive(FALSE);
}

CGXGridCombo::~CGXGridCombo()
{
    if (m_pListBox != NULL && m_pListBox->GetSafeHwnd() != NULL)
        m_pListBox->DestroyWindow();
    delete m_pListBox;
    if (GetSafeHwnd() != NULL)
        DestroyWindow();
}

void CGXGridCombo::SetColors(COLORREF rgbText, COLORREF rgbBack)
{
    m_brushBack.DeleteObject();
    m_bColors = TRUE;
    m_rgbText = rgbText;
    m_rgbBack = rgbBack;
    m_brushBack.CreateSolidBrush(rgbBack);
}

HBRUSH CGXGridCombo::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (!m_bColors)
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetBkColor(m_rgbBack);
    pDC->SetTextColor(m_rgbText);
    return (HBRUSH)m_brushBack.GetSafeHandle();
}

void CGXGridCombo::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
}

void CGXGridCombo::OnSysCommand(UINT, LPARAM)
{
    // Close, move and the rest: only the cell closes its list.
}

BOOL CGXGridCombo::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_pListBox != NULL && (HWND)lParam == m_pListBox->GetSafeHwnd() && m_pOwner != NULL &&
        m_pOwner->GetSafeHwnd() != NULL)
    {
        m_pOwner->SendMessage(WM_COMMAND, wParam, lParam);
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}
