// Check boxes that hold their value until the current cell is stored.
#include "grid/controls/CheckBoxEx.h"
#include "grid/controls/HeldValue.h"
#include "grid/core/GridCore.h"

GX_IMPLEMENT_CONTROL(CGXCheckBoxEx, CGXCheckBox)

CGXCheckBoxEx::CGXCheckBoxEx(CGXGridCore* pGrid, BOOL bDraw3d, UINT nBitmapId, UINT nPrintBitmapId)
    : CGXCheckBox(pGrid, bDraw3d, nBitmapId, nPrintBitmapId)
{
}

void CGXCheckBoxEx::SetActive(BOOL bActive)
{
    GXActivateHeldStyle(this, m_bActive, bActive);
}

BOOL CGXCheckBoxEx::IsActive()
{
    return m_bActive;
}

void CGXCheckBoxEx::SetModify(BOOL bModified)
{
    m_bModified = bModified;
}

BOOL CGXCheckBoxEx::GetModify()
{
    return m_bModified;
}

void CGXCheckBoxEx::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXCheckBox::Init(nRow, nCol);
    LoadStyle();
    SetModify(FALSE);
}

BOOL CGXCheckBoxEx::Store()
{
    return GXStoreHeldValue(this);
}

const CGXStyle& CGXCheckBoxEx::GetDrawStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    return m_bActive && m_pStyle != NULL && IsInitAt(nRow, nCol) ? *m_pStyle : style;
}

BOOL CGXCheckBoxEx::OnClickedButton(CGXChild* pChild)
{
    if (!GXBeginHeldEditing(this))
        return FALSE;
    CGXStyle& style = LoadStyle();
    if (!CanToggle(style))
        return FALSE;
    GXChangeHeldValue(this, GetToggledValue(style));
    return CGXControl::OnClickedButton(pChild);
}

BOOL CGXCheckBoxEx::DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM lParam, UINT flags)
{
    if (CGXCheckBox::DispatchKeyMessage(message, wParam, lParam, flags))
        return TRUE;
    if (message != WM_KEYDOWN || wParam != VK_DELETE || !m_bActive)
        return FALSE;
    GXChangeHeldValue(this, _T(""));
    return TRUE;
}
