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
    // Stores plain text as a value; the cut to the maximum length comes before the wrapping.
    BOOL StoreTextInCell(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText, UINT flags,
                         const CGXStyle* pStyle = NULL) override;
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem = NULL,
                      const CGXStyle* pStyle = NULL) override;
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandard,
                   BOOL bVert) override;
    // Font, text colour and alignment become formatting of the text, not style attributes.
    BOOL StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType,
                    const CGXStyle* pOldStyle) override;
    // The formatting of the selection (active) or of the whole value; TRUE when any was found.
    BOOL ConvertValue(ROWCOL nRow, ROWCOL nCol, CGXStyle& style) override;
    void Hide() override;
    BOOL LButtonUp(UINT nFlags, CPoint pt, UINT nHitState) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint pt) override;
    BOOL KeyDown(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL HandleChar(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL HandleText(LPCTSTR pszText) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL Copy() override;
    BOOL Cut() override;
    BOOL CanPaste() override;
    BOOL Paste() override;
    BOOL FindText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol, BOOL bAtCaret,
                  BOOL bSelect) override;
    void ReplaceSel(LPCTSTR pszText) override;
    BOOL ReplaceText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol) override;
    BOOL GetSelectedText(CString& strResult) override;

    // The window side: style attributes to rich-text formats and back.
    virtual void StyleToFormats(PARAFORMAT& pf, CHARFORMAT& cf, const CGXStyle& style);
    virtual void FormatsToStyle(const PARAFORMAT& pf, const CHARFORMAT& cf, CGXStyle& style);

    UINT m_nID;
    BOOL m_bActive = FALSE;
    DWORD m_dwEventMask = 0x002C0003;
    DWORD m_dwEditOptions = 0x81C1;
    // A row that grew while typing may shrink again, not below its height when editing began.
    BOOL m_bShrinkBack = TRUE;
    int m_nInitialRowHeight = 0;
    BOOL m_bAutoGrow = FALSE;
    BOOL m_bMeasuring = FALSE;
    CRect m_rectRequested;
    // Auxiliary windows with the value each last received.
    CRichEditCtrl m_wndRenderer, m_wndConverter, m_wndMeasurer, m_wndFormats;
    CString m_strRendererValue, m_strConverterValue, m_strMeasurerValue, m_strFormatsValue;
    // Set while a control positions its window, pastes or takes a click: resize requests
    // then come from the control itself and are ignored.
    static BOOL s_bDrawing;

  protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRequestResize(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnMeasured(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

  private:
    BOOL HasWindow() const
    {
        return m_hWnd != NULL && ::IsWindow(m_hWnd);
    }
    BOOL CreateWindows();
    int MaxLength(const CGXStyle& style) const;
    // Streams a value into a window that first gets the style's formats as its defaults (the
    // rich edit's own default font is bold).
    void StreamInWithStyle(CRichEditCtrl& wnd, const CString& strValue, const CGXStyle& style);
    // Streams a value into an auxiliary window unless it holds it already.
    void Load(CRichEditCtrl& wnd, CString& strCache, const CString& strValue, const CGXStyle& style);
    void RenderInactive(CDC* pDC, const CRect& rectText, const CGXStyle& style, const CString& strValue);
    void ActivateWithCaretAtEnd();
    // A key message the grid handles first; the window's own handling only when it leaves it.
    void KeyToGridFirst(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags);
    // Activates an inactive control for a click; the click itself is sent on to the window
    // unless a child button took it.
    BOOL ActivateByClick(UINT nFlags, CPoint pt, BOOL bChildTook);
    // Loads the editing window with the cell's value and selects its text for copying.
    void SelectWholeValue();
    // Half the frame width, at least 2: the text's distance from the cell's left edge.
    static int FrameMargin();
    // Loads the converter with a cell's value (from its composed style unless one is given);
    // FALSE for an empty value.
    BOOL LoadConverterFor(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle);
    // Searches a window's text from a position; the hit's range or -1.
    static long FindIn(CRichEditCtrl& wnd, const CGXFindReplaceSettings& find, long nFrom, CHARRANGE& crHit);
};
