// An edit cell whose text is never shown: one password character per byte of the value outside
// editing, and an edit window that displays password characters while editing. Copying and
// cutting take nothing out of it.
#pragma once
#include "grid/core/EditControl.h"

class CGXPasswordControl : public CGXEditControl
{
    DECLARE_DYNAMIC(CGXPasswordControl)
    GX_DECLARE_CONTROL(CGXPasswordControl)

  public:
    CGXPasswordControl(CGXGridCore* pGrid, UINT nID);

    void SetValue(LPCTSTR pszRawValue) override;
    BOOL FormatValueText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                         const CGXStyle& style) override;
    // Nothing can be copied or cut out: Copy and Cut take the keys and leave the clipboard as it
    // was.
    BOOL CanCopy() override;
    BOOL CanCut() override;
    BOOL Copy() override;
    BOOL Cut() override;
    DWORD CalcEditStyle(CRect& rect, const CGXStyle& style) override;

    BOOL m_bMask = TRUE;
    TCHAR m_chPassword = '*';

  protected:
    // The window's own press handling only: no dragging of the text out of the cell.
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
