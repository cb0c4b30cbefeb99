// SECWorkbookClientWnd: insets of the MDI client and the frame's repaint notice.
#include "uilib/frames/mdi/WorkbookClientWnd.h"
#include "uilib/frames/mdi/WorkbookWnd.h"

IMPLEMENT_DYNCREATE(SECWorkbookClientWnd, CWnd)

BEGIN_MESSAGE_MAP(SECWorkbookClientWnd, CWnd)
ON_MESSAGE(WM_MDISETMENU, OnMDISetMenu)
ON_MESSAGE(SEC_WM_WORKSHEET_REFRESHMENU, OnRefreshMenu)
END_MESSAGE_MAP()

SECWorkbookClientWnd::SECWorkbookClientWnd()
    : m_nInsetLeft(0), m_nInsetTop(0), m_nInsetRight(0), m_nInsetBottom(0)
{
}

void SECWorkbookClientWnd::SetInsets(int nLeft, int nTop, int nRight, int nBottom)
{
    m_nInsetLeft = nLeft;
    m_nInsetTop = nTop;
    m_nInsetRight = nRight;
    m_nInsetBottom = nBottom;
}

void SECWorkbookClientWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    CWnd::CalcWindowRect(lpClientRect, nAdjustType);
    lpClientRect->left += m_nInsetLeft;
    lpClientRect->top += m_nInsetTop;
    lpClientRect->right -= m_nInsetRight;
    lpClientRect->bottom -= m_nInsetBottom;
    // Never inside out: a frame too small keeps an empty client.
    if (lpClientRect->right < lpClientRect->left)
        lpClientRect->right = lpClientRect->left;
    if (lpClientRect->bottom < lpClientRect->top)
        lpClientRect->bottom = lpClientRect->top;
}

LRESULT SECWorkbookClientWnd::OnMDISetMenu(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(SEC_WM_WORKBOOK_ACTIVECHANGED);
    return lResult;
}

LRESULT SECWorkbookClientWnd::OnRefreshMenu(WPARAM, LPARAM)
{
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(SEC_WM_WORKBOOK_ACTIVECHANGED);
    return 0;
}
