// CGXControl: the editing protocol the engine drives while a control's cell is current
// (validation, start and end of editing, cancelling) and its keyboard dispatch.
#include <tchar.h>
#include "grid/core/Control.h"
#include "grid/core/FlagScope.h"
#include "grid/core/Font.h"
#include "grid/core/GridCore.h"
#include "grid/core/Style.h"
#include "grid/core/AbstractUserAttribute.h"
#include "res/GridIds.h"

BOOL CGXControl::Validate()
{
    BOOL bValid = TRUE;
    if (IsActive() && GetModify())
    {
        CString strText;
        GetCurrentText(strText);
        if (!strText.IsEmpty())
        {
            const CGXStyle& style = m_pGrid->LookupStyleRowCol(m_nRow, m_nCol);
            // Typed with the locale's decimal separator, compared as a number.
            CGXAppData* pApp = GXGetAppData();
            double d = pApp->ReadNumber(strText);
            CString strMin = style.GetUserAttribute(GX_IDS_UA_VALID_MIN).GetValueText();
            CString strMax = style.GetUserAttribute(GX_IDS_UA_VALID_MAX).GetValueText();
            if (!strMin.IsEmpty() && d < pApp->ReadNumber(strMin))
                bValid = FALSE;
            else if (!strMax.IsEmpty() && d > pApp->ReadNumber(strMax))
                bValid = FALSE;
            if (!bValid)
            {
                m_pGrid->SetWarningText(style.GetUserAttribute(GX_IDS_UA_VALID_MSG).GetValueText());
                return FALSE;
            }
            if (!ValidateText(strText))
                return FALSE;
        }
    }
    return m_pGrid->OnValidateCell(m_nRow, m_nCol);
}

BOOL CGXControl::ValidateText(const CString&)
{
    return TRUE;
}

BOOL CGXControl::BeginEditing()
{
    if (!m_bInit || !m_pGrid->OnStartEditing(m_nRow, m_nCol))
        return FALSE;
    if (!m_pGrid->m_bDisableScrollCellInView)
        m_pGrid->ScrollCellInView(m_nRow, m_nCol, GX_UPDATENOW, TRUE);
    return TRUE;
}

BOOL CGXControl::CancelEditing()
{
    return m_pGrid->OnCancelEditing(m_nRow, m_nCol);
}

void CGXControl::NotifyEditingCanceled()
{
    m_pGrid->OnCanceledEditing(m_nRow, m_nCol);
}

BOOL CGXControl::EndEditing()
{
    return m_pGrid->OnEndEditing(m_nRow, m_nCol);
}

int CGXControl::CollectDbcsChar(UINT nChar, BOOL& bLeadPending, DWORD& nLead, TCHAR szText[3])
{
    if (!bLeadPending && nChar < 0x100 && ::IsDBCSLeadByte((BYTE)nChar))
    {
        bLeadPending = TRUE;
        nLead = nChar;
        return dbcsLeadHeld;
    }
    if (bLeadPending)
    {
        szText[0] = (TCHAR)nLead;
        szText[1] = (TCHAR)nChar;
        szText[2] = 0;
        bLeadPending = FALSE;
        return dbcsComplete;
    }
    return dbcsSingle;
}

BOOL CGXChild::DispatchKeyMessage(UINT message, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (message)
    {
    case WM_KEYDOWN:
        return OnKeyDown(nChar, nRepCnt, nFlags);
    case WM_KEYUP:
        return OnKeyUp(nChar, nRepCnt, nFlags);
    case WM_CHAR: {
        TCHAR sz[3];
        switch (CGXControl::CollectDbcsChar(nChar, m_bDbcsLeadPending, m_nDbcsLead, sz))
        {
        case CGXControl::dbcsLeadHeld:
            return TRUE;
        case CGXControl::dbcsComplete:
            return OnText(sz);
        }
        return OnChar(nChar, nRepCnt, nFlags);
    }
    case WM_DEADCHAR:
        return OnDeadChar(nChar, nRepCnt, nFlags);
    case WM_SYSKEYDOWN:
        return OnSysKeyDown(nChar, nRepCnt, nFlags);
    case WM_SYSKEYUP:
        return OnSysKeyUp(nChar, nRepCnt, nFlags);
    case WM_SYSCHAR:
        return OnSysChar(nChar, nRepCnt, nFlags);
    case WM_SYSDEADCHAR:
        return OnSysDeadChar(nChar, nRepCnt, nFlags);
    }
    return FALSE;
}

BOOL CGXChild::HasFocus()
{
    return m_pOwner != NULL && m_pOwner->GetActiveChild() == this;
}

void CGXChild::Refresh()
{
    CWnd* pWnd = m_pOwner != NULL ? m_pOwner->GetGridWnd() : NULL;
    if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
        pWnd->InvalidateRect(&m_rect, TRUE);
}

BOOL CGXControl::OnClickedButton(CGXChild*)
{
    m_pGrid->OnClickedButtonRowCol(m_nRow, m_nCol);
    return TRUE;
}

BOOL CGXControl::DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM lParam, UINT flags)
{
    UINT nChar = (UINT)wParam;
    // The active child (a button holding the focus frame) sees every key first.
    if (m_pActiveChild != NULL && m_pActiveChild->DispatchKeyMessage(message, nChar, LOWORD(lParam), flags))
        return TRUE;
    switch (message)
    {
    case WM_KEYDOWN:
        return KeyDown(message, nChar, flags);
    case WM_KEYUP:
        return KeyUp(message, nChar, flags);
    case WM_CHAR: {
        TCHAR sz[3];
        switch (CollectDbcsChar(nChar, m_bDbcsLeadPending, m_nDbcsLead, sz))
        {
        case dbcsLeadHeld:
            return TRUE;
        case dbcsComplete:
            return HandleText(sz);
        }
    }
        return HandleChar(message, nChar, flags);
    case WM_DEADCHAR:
        return DeadChar(message, nChar, flags);
    case WM_SYSKEYDOWN:
        return SysKeyDown(message, nChar, flags);
    case WM_SYSKEYUP:
        return SysKeyUp(message, nChar, flags);
    case WM_SYSCHAR:
        return SysChar(message, nChar, flags);
    case WM_SYSDEADCHAR:
        return SysDeadChar(message, nChar, flags);
    default:
        return FALSE;
    }
}

BOOL CGXControl::KeyDown(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXControl::KeyUp(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXControl::HandleChar(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXControl::HandleText(LPCTSTR)
{
    return FALSE;
}

BOOL CGXControl::DeadChar(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXControl::SysKeyDown(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXControl::SysKeyUp(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXControl::SysChar(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXControl::SysDeadChar(UINT, UINT, UINT)
{
    return FALSE;
}

// -- Mouse: children first, then the grid's per-cell click hooks -------------------------------

namespace
{
// One button's child operations and the grid hooks its release and double click end in.
struct ControlButton
{
    BOOL (CGXChild::*pfnDown)(UINT, CPoint);
    BOOL (CGXChild::*pfnUp)(UINT, CPoint);
    BOOL (CGXChild::*pfnDblClk)(UINT, CPoint);
    BOOL (CGXGridCore::*pfnClicked)(ROWCOL, ROWCOL, UINT, CPoint);
    BOOL (CGXGridCore::*pfnDblClkRowCol)(ROWCOL, ROWCOL, UINT, CPoint);
};

const ControlButton controlButtons[] = {
    {&CGXChild::LButtonDown, &CGXChild::LButtonUp, &CGXChild::LButtonDblClk,
     &CGXGridCore::OnLButtonClickedRowCol, &CGXGridCore::OnLButtonDblClkRowCol},
    {&CGXChild::MButtonDown, &CGXChild::MButtonUp, &CGXChild::MButtonDblClk,
     &CGXGridCore::OnMButtonClickedRowCol, &CGXGridCore::OnMButtonDblClkRowCol},
    {&CGXChild::RButtonDown, &CGXChild::RButtonUp, &CGXChild::RButtonDblClk,
     &CGXGridCore::OnRButtonClickedRowCol, &CGXGridCore::OnRButtonDblClkRowCol},
};

enum
{
    buttonLeft,
    buttonMiddle,
    buttonRight
};

CGXChild* ChildAt(const CGXControl* pControl, CPoint pt)
{
    for (INT_PTR i = 0; i < pControl->GetChildCount(); i++)
        if (pControl->GetChild(i)->HitTest(pt))
            return pControl->GetChild(i);
    return NULL;
}
} // namespace

BOOL CGXControl::ButtonDown(int nButton, UINT nFlags, CPoint pt)
{
    LayoutChildren(m_nRow, m_nCol, CGXControl::GetCellRect(m_nRow, m_nCol));
    CGXChild* pChild = ChildAt(this, pt);
    m_pActiveChild = pChild;
    return pChild != NULL && (pChild->*controlButtons[nButton].pfnDown)(nFlags, pt);
}

BOOL CGXControl::ButtonUp(int nButton, UINT nFlags, CPoint pt)
{
    const ControlButton& button = controlButtons[nButton];
    BOOL bHandled = m_pActiveChild != NULL && (m_pActiveChild->*button.pfnUp)(nFlags, pt);
    // A release that left the cell is no click on it.
    if (m_pGrid->CalcCellRect(m_nRow, m_nCol).PtInRect(pt))
        bHandled = (m_pGrid->*button.pfnClicked)(m_nRow, m_nCol, nFlags, pt) || bHandled;
    return bHandled;
}

BOOL CGXControl::ButtonDblClk(int nButton, UINT nFlags, CPoint pt)
{
    const ControlButton& button = controlButtons[nButton];
    CGXChild* pChild = ChildAt(this, pt);
    BOOL bHandled = pChild != NULL && (pChild->*button.pfnDblClk)(nFlags, pt);
    return (m_pGrid->*button.pfnDblClkRowCol)(m_nRow, m_nCol, nFlags, pt) || bHandled;
}

BOOL CGXControl::LButtonDown(UINT nFlags, CPoint pt, UINT)
{
    return ButtonDown(buttonLeft, nFlags, pt);
}

BOOL CGXControl::LButtonUp(UINT nFlags, CPoint pt, UINT)
{
    return ButtonUp(buttonLeft, nFlags, pt);
}

BOOL CGXControl::LButtonDblClk(UINT nFlags, CPoint pt)
{
    return ButtonDblClk(buttonLeft, nFlags, pt);
}

BOOL CGXControl::MButtonDown(UINT nFlags, CPoint pt, UINT)
{
    return ButtonDown(buttonMiddle, nFlags, pt);
}

BOOL CGXControl::MButtonUp(UINT nFlags, CPoint pt, UINT)
{
    return ButtonUp(buttonMiddle, nFlags, pt);
}

BOOL CGXControl::MButtonDblClk(UINT nFlags, CPoint pt)
{
    return ButtonDblClk(buttonMiddle, nFlags, pt);
}

BOOL CGXControl::RButtonDown(UINT nFlags, CPoint pt, UINT)
{
    return ButtonDown(buttonRight, nFlags, pt);
}

BOOL CGXControl::RButtonUp(UINT nFlags, CPoint pt, UINT)
{
    return ButtonUp(buttonRight, nFlags, pt);
}

BOOL CGXControl::RButtonDblClk(UINT nFlags, CPoint pt)
{
    return ButtonDblClk(buttonRight, nFlags, pt);
}

BOOL CGXControl::MouseMove(UINT nFlags, CPoint pt, UINT)
{
    LayoutChildren(m_nRow, m_nCol, CGXControl::GetCellRect(m_nRow, m_nCol));
    return m_pActiveChild != NULL && m_pActiveChild->MouseMove(nFlags, pt);
}

BOOL CGXControl::MouseMoveOver(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt, UINT)
{
    LayoutChildren(nRow, nCol, CGXControl::GetCellRect(nRow, nCol));
    BOOL bHandled = FALSE;
    for (INT_PTR i = 0; i < GetChildCount() && !bHandled; i++)
        bHandled = GetChild(i)->HitTest(pt) && GetChild(i)->OnMouseMoveOver(nRow, nCol, nFlags, pt);
    return m_pGrid->OnMouseMoveOver(nRow, nCol, nFlags, pt) || bHandled;
}

void CGXControl::QueueGridRect(const CRect& rect)
{
    m_pGrid->m_excludedRects.AddTail(new CRect(rect));
}

void CGXControl::KeepWindowArea(CDC* pDC, CWnd* pWnd)
{
    CRect rectShown;
    pWnd->GetWindowRect(&rectShown);
    GetGridWnd()->ScreenToClient(&rectShown);
    pDC->ExcludeClipRect(&rectShown);
    QueueGridRect(rectShown);
}

void CGXControl::TakeFocusFromGrid(CWnd* pWnd)
{
    CWnd* pGridWnd = GetGridWnd();
    if (pGridWnd == NULL || ::GetFocus() != pGridWnd->GetSafeHwnd())
        return;
    CGXFlagScope lock(m_pGrid->m_bLockFocusHandler);
    pWnd->SetFocus();
}

void CGXControl::CreateZoomedFont(CFont& font, const CGXStyle& style)
{
    CGXFont cellFont;
    style.GetFont(cellFont);
    LOGFONT lf;
    cellFont.GetZoomedLogFont(lf, m_pGrid->GetZoom());
    font.DeleteObject();
    font.CreateFontIndirect(&lf);
}

CString CGXControl::ComposedValueText(ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle* pStyle = m_pGrid->CreateStyle();
    m_pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
    CString strText;
    FormatValueText(strText, nRow, nCol, NULL, *pStyle);
    m_pGrid->RecycleStyle(pStyle);
    return strText;
}

BOOL CGXControl::OnCancelMode()
{
    BOOL bHandled = FALSE;
    for (INT_PTR i = 0; i < GetChildCount(); i++)
        bHandled = GetChild(i)->OnCancelMode() || bHandled;
    return bHandled;
}

void CGXControl::OnGridWinIniChange(LPCTSTR pszSection)
{
    for (INT_PTR i = 0; i < GetChildCount(); i++)
        GetChild(i)->OnWinIniChange(pszSection);
}

void CGXControl::OnGridSysColorChange()
{
    for (INT_PTR i = 0; i < GetChildCount(); i++)
        GetChild(i)->OnSysColorChange();
}

BOOL CGXControl::PreGridMessage(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

void CGXControl::OnGridScroll(UINT nMessage, UINT, UINT)
{
    if ((nMessage != WM_VSCROLL && nMessage != WM_HSCROLL) || !m_bInit || !IsActive())
        return;
    CGXCellRange span;
    if (!m_pGrid->GetCellSpanRange(m_nRow, m_nCol, span))
        return;
    ROWCOL nFrozenRows = m_pGrid->GetFrozenRows(), nFrozenCols = m_pGrid->GetFrozenCols();
    if (!(span.left <= nFrozenCols && nFrozenCols < span.right) &&
        !(span.top <= nFrozenRows && nFrozenRows < span.bottom))
        return;
    if (GetModify())
        Store();
    SetActive(FALSE);
    Refresh();
}
