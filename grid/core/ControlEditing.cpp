// CGXControl: the editing protocol the engine drives while a control's cell is current
// (validation, start and end of editing, cancelling) and its keyboard dispatch.
#include <tchar.h>
#include "grid/core/Control.h"
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
            double d = _tstof(strText);
            CString strMin = style.GetUserAttribute(GX_IDS_UA_VALID_MIN).GetValueText();
            CString strMax = style.GetUserAttribute(GX_IDS_UA_VALID_MAX).GetValueText();
            if (!strMin.IsEmpty() && d < _tstof(strMin))
                bValid = FALSE;
            else if (!strMax.IsEmpty() && d > _tstof(strMax))
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

BOOL CGXControl::DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM, UINT flags)
{
    UINT nChar = (UINT)wParam;
    switch (message)
    {
    case WM_KEYDOWN:
        return KeyDown(message, nChar, flags);
    case WM_KEYUP:
        return KeyUp(message, nChar, flags);
    case WM_CHAR:
        if (!m_bDbcsLeadPending && nChar < 0x100 && ::IsDBCSLeadByte((BYTE)nChar))
        {
            m_bDbcsLeadPending = TRUE;
            m_nDbcsLead = nChar;
            return TRUE;
        }
        if (m_bDbcsLeadPending)
        {
            TCHAR sz[3] = {(TCHAR)m_nDbcsLead, (TCHAR)nChar, 0};
            m_bDbcsLeadPending = FALSE;
            return HandleText(sz);
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

BOOL CGXControl::LButtonDown(UINT, CPoint, UINT)
{
    return FALSE;
}

BOOL CGXControl::LButtonUp(UINT, CPoint, UINT)
{
    return FALSE;
}

BOOL CGXControl::LButtonDblClk(UINT, CPoint)
{
    return FALSE;
}

BOOL CGXControl::MButtonDown(UINT, CPoint, UINT)
{
    return FALSE;
}

BOOL CGXControl::MButtonUp(UINT, CPoint, UINT)
{
    return FALSE;
}

BOOL CGXControl::MButtonDblClk(UINT, CPoint)
{
    return FALSE;
}

BOOL CGXControl::RButtonDown(UINT, CPoint, UINT)
{
    return FALSE;
}

BOOL CGXControl::RButtonUp(UINT, CPoint, UINT)
{
    return FALSE;
}

BOOL CGXControl::RButtonDblClk(UINT, CPoint)
{
    return FALSE;
}

BOOL CGXControl::MouseMove(UINT, CPoint, UINT)
{
    return FALSE;
}

BOOL CGXControl::OnCancelMode()
{
    return FALSE;
}
