// Password cells.
#include "grid/controls/PasswordControl.h"

IMPLEMENT_DYNAMIC(CGXPasswordControl, CGXEditControl)
GX_IMPLEMENT_CONTROL(CGXPasswordControl, CGXEditControl)

BEGIN_MESSAGE_MAP(CGXPasswordControl, CGXEditControl)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CGXPasswordControl::CGXPasswordControl(CGXGridCore* pGrid, UINT nID) : CGXEditControl(pGrid, nID)
{
}

BOOL CGXPasswordControl::FormatValueText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                                         const CGXStyle& style)
{
    if (!CGXControl::FormatValueText(strResult, nRow, nCol, pszRawValue, style))
        return FALSE;
    if (m_bMask)
        strResult = CString(m_chPassword, strResult.GetLength());
    return TRUE;
}

void CGXPasswordControl::SetValue(LPCTSTR pszRawValue)
{
    // The window holds the plain text and shows it masked.
    m_bMask = FALSE;
    CGXEditControl::SetValue(pszRawValue);
    m_bMask = TRUE;
    if (GetSafeHwnd() != NULL)
        SendMessage(EM_SETPASSWORDCHAR, (WPARAM)(BYTE)m_chPassword);
}

BOOL CGXPasswordControl::CanCopy()
{
    return FALSE;
}

BOOL CGXPasswordControl::CanCut()
{
    return FALSE;
}

BOOL CGXPasswordControl::Copy()
{
    return TRUE;
}

BOOL CGXPasswordControl::Cut()
{
    return TRUE;
}

DWORD CGXPasswordControl::CalcEditStyle(CRect& rect, const CGXStyle& style)
{
    return (CGXEditControl::CalcEditStyle(rect, style) & ~ES_MULTILINE) | ES_PASSWORD;
}

void CGXPasswordControl::OnLButtonDown(UINT, CPoint)
{
    Default();
}
