// A masked edit cell: the user types only where the cell's input mask allows, literals and
// prompts stand in place, and the cell stores only the typed characters. The window works in
// byte offsets, the mask data in positions; every conversion goes through the mask data.
#pragma once
#include "grid/core/EditControl.h"

class CGXMaskData;
class CGXStylesMap;

class CGXMaskControl : public CGXEditControl
{
    DECLARE_DYNAMIC(CGXMaskControl)
    GX_DECLARE_CONTROL(CGXMaskControl)

  public:
    CGXMaskControl(CGXGridCore* pGrid, UINT nID, CRuntimeClass* pMaskDataClass = NULL);
    ~CGXMaskControl() override;

    static void RegisterUserAttributes(CGXStylesMap* pStylesMap);
    // The clipboard format holding the value form of a selection (typed characters only).
    static UINT GetMaskDataClipboardFormat();

    // The cell-control side
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL Validate() override;
    BOOL GetCurrentText(CString& strResult) override;
    void SetCurrentText(const CString& str) override;
    BOOL GetValue(CString& strResult) override;
    void SetValue(LPCTSTR pszRawValue) override;
    BOOL FormatValueText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                         const CGXStyle& style) override;
    BOOL PrepareStoreText(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
    BOOL LButtonUp(UINT nFlags, CPoint pt, UINT nHitState) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint pt) override;
    BOOL KeyDown(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL HandleText(LPCTSTR pszText) override;
    BOOL Copy() override;
    BOOL Paste() override;
    BOOL CanPaste() override;
    void ReplaceSel(LPCTSTR pszText) override;
    BOOL ReplaceText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol) override;
    BOOL GetSelectedText(CString& strResult) override;
    BOOL ValidatePaste(const CString& strPaste) override;

    // The window side
    BOOL CreateEditWindow(DWORD dwStyle, const CRect& rect) override;
    DWORD CalcEditStyle(CRect& rect, const CGXStyle& style) override;
    virtual void InitMaskData(CGXMaskData* pMask, const CGXStyle& style);
    void SetMaskDataClass(CRuntimeClass* pClass);

    // The selection in mask positions.
    void GetMaskSel(int& nStart, int& nEnd);
    void SetMaskSel(int nStart, int nEnd, BOOL bNoScroll = FALSE);

    CGXMaskData* m_pMask = NULL;       // the cell being edited
    CGXMaskData* m_pFormatMask = NULL; // formatting and converting any cell
    CRuntimeClass* m_pMaskDataClass = NULL;
    BOOL m_bInsertMode = TRUE;
    BOOL m_bRawPaste = FALSE;
    BOOL m_bLeftAlign = FALSE;

  protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()

  private:
    BOOL HasMaskWindow() const
    {
        return m_hWnd != NULL && ::IsWindow(m_hWnd);
    }
    void CreateMaskData();
    // Shows the edit mask's display in the window and marks the cell modified.
    void UpdateWindowText();
    // Tells the grid the text changed, as the window itself would.
    void NotifyChange();
    BOOL IsWindowReadOnly();
    // Tries a text as display text at nTarget, then (or only, for raw pastes) as value text;
    // the data is restored from the window after a failed try. The new caret, or -1.
    int PutTextAt(CGXMaskData* pMask, const CString& strText, int nTarget, const CString& strRestore);
    // Moves a position to the nearest input position, not beyond nLimit (-1: no limit).
    int SnapToInput(int nPos, int nLimit);
    // The input position of the character under a grid point; -1 when no character is hit.
    int InputPosUnderPt(CPoint pt, BOOL bLimit);
    // A click's caret at an input position, or everything selected (nPos -1).
    void SetClickSel(int nPos);
    BOOL ReadClipboardText(UINT nFormat, CString& strText);
};
