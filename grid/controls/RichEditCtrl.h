// A cell whose value is rich text (RTF). While the cell is edited a rich edit window lies over
// it; every other cell of the kind is rendered through a hidden rich edit window. Plain text
// typed or stored into the cell becomes a one-group RTF value.
#pragma once
#include "grid/core/Control.h"
#include "mfc/RichEditCtrl.h"

class CGXRichEditCtrl : public CRichEditCtrl, public CGXControl
{
    DECLARE_DYNAMIC(CGXRichEditCtrl)
    GX_DECLARE_CONTROL(CGXRichEditCtrl)

  public:
    CGXRichEditCtrl(CGXGridCore* pGrid, UINT nID);
    ~CGXRichEditCtrl() override;

    using CGXControl::IsKindOf;
    using CRichEditCtrl::IsKindOf;

    // Plain text as a value: cut to nMaxLength (0: no limit), "\", "{" and "}" escaped, bytes
    // from 0x80 written as \'hh, line breaks as paragraphs, all in one group.
    static CString WrapPlainText(const CString& strText, int nMaxLength);
    // A value into a rich edit window; one not starting with "{" is taken as plain text.
    static void StreamInValue(CRichEditCtrl& wnd, const CString& strValue);
    static CString StreamOutValue(CRichEditCtrl& wnd);

    // The cell-control side
    CRuntimeClass* GetWndRuntimeClass() override;
    CWnd* GetWndPtr() const override;
    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL Store() override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL GetCurrentText(CString& strResult) override;
    void SetCurrentText(const CString& str) override;
    BOOL GetValue(CString& strResult) override;
    void SetValue(LPCTSTR pszRawValue) override;
    BOOL FormatValueText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                         const CGXStyle& style) override;
    BOOL PrepareStoreText(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
    void Hide() override;
    BOOL KeyDown(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL HandleChar(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL HandleText(LPCTSTR pszText) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    UINT m_nID;
    BOOL m_bActive = FALSE;
    DWORD m_dwEventMask = 0x002C0003;
    DWORD m_dwEditOptions = 0x81C1;
    // Auxiliary windows with the value each last received.
    CRichEditCtrl m_wndRenderer, m_wndConverter;
    CString m_strRendererValue, m_strConverterValue;

  protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

  private:
    BOOL HasWindow() const
    {
        return m_hWnd != NULL && ::IsWindow(m_hWnd);
    }
    BOOL CreateWindows();
    int MaxLength(const CGXStyle& style) const;
    // Streams a value into an auxiliary window unless it holds it already.
    static void Load(CRichEditCtrl& wnd, CString& strCache, const CString& strValue);
    void RenderInactive(CDC* pDC, const CRect& rectText, const CGXStyle& style, const CString& strValue);
    void ActivateWithCaretAtEnd();
};
