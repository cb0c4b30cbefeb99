// The drop-down calculator: placement, closing and handing the result over.
#include "PopupCalculator.h"

IMPLEMENT_DYNAMIC(CGXBPopupCalculator, CGXBCalculator)

BEGIN_MESSAGE_MAP(CGXBPopupCalculator, CGXBCalculator)
ON_WM_KILLFOCUS()
ON_WM_KEYDOWN()
ON_WM_SYSKEYDOWN()
END_MESSAGE_MAP()

BOOL CGXBPopupCalculator::Create(DWORD dwStyle, const RECT& rcAnchor, CWnd* pParent, LPVOID lpParam)
{
    dwStyle = (dwStyle & ~WS_CHILD) | WS_POPUP;
    DWORD dwExStyle = 0;
    CSize sizeWindow = WindowSizeFor(Layout(pParent, dwStyle), dwStyle, dwExStyle);
    CRect rcWork;
    if (!::SystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0))
        rcWork.SetRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    int x = rcAnchor.left, y = rcAnchor.bottom;
    if (x + sizeWindow.cx > rcWork.right)
        x = rcAnchor.right - sizeWindow.cx;
    if (y + sizeWindow.cy > rcWork.bottom)
        y = rcAnchor.top - sizeWindow.cy;
    if (!CreateCalculatorWindow(dwExStyle, dwStyle, x, y, sizeWindow, pParent, NULL, lpParam))
        return FALSE;
    SetFocus();
    return TRUE;
}

void CGXBPopupCalculator::NotifyOwner()
{
    CWnd* pOwner = GetOwner();
    if (pOwner && pOwner->GetSafeHwnd() && !IsError())
        pOwner->SendMessage(GX_WM_CALCULATOR_RESULT, 0, (LPARAM)(LPCTSTR)m_strEntry);
}

// A click on the Enter key closes the window when its style asks for it.
BOOL CGXBPopupCalculator::PressKey(int nId)
{
    BOOL bHandled = CGXBCalculator::PressKey(nId);
    if (nId == keyEquals && (GetStyle() & GXCALC_CLOSEONENTER) && GetSafeHwnd())
    {
        NotifyOwner();
        PostMessage(WM_CLOSE);
    }
    return bHandled;
}

void CGXBPopupCalculator::Accept()
{
    CGXBCalculator::PressKey(keyEquals);
    NotifyOwner();
    DestroyWindow();
}

void CGXBPopupCalculator::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

void CGXBPopupCalculator::OnKillFocus(CWnd* pNewWnd)
{
    CGXBCalculator::OnKillFocus(pNewWnd);
    if (pNewWnd != this && GetSafeHwnd())
        DestroyWindow();
}

void CGXBPopupCalculator::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_ESCAPE)
        DestroyWindow();
    else if (nChar == VK_RETURN)
        Accept();
    else
        CGXBCalculator::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXBPopupCalculator::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN)
        Accept();
    else
        CGXBCalculator::OnKeyDown(nChar, nRepCnt, nFlags);
}
