// The money cell: a money field laid over the current cell while it is edited, static text for
// every other cell. The stored value is a plain number text with "." and the configured
// decimals; a never-shown captive field formats it for drawing and conversions.
#pragma once
#include "CaptiveCurEdit.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/core/Static.h"

class CGXStylesMap;

class CGXCurrencyEdit : public CGXBCurrencyEdit, public CGXStatic
{
    DECLARE_DYNAMIC(CGXCurrencyEdit)
    GX_DECLARE_CONTROL(CGXCurrencyEdit)

  public:
    // Construction
    CGXCurrencyEdit(CGXGridCore* pGrid, UINT nID);
    ~CGXCurrencyEdit() override;

    using CGXBCurrencyEdit::GetValue;
    using CGXBCurrencyEdit::IsKindOf;
    using CGXBCurrencyEdit::SetValue;
    using CGXControl::IsKindOf;

    static void RegisterUserAttributes(CGXStylesMap* pStylesMap);
    // The format a style asks for: the user locale's, overridden by the money attributes.
    static void StyleFormat(const CGXStyle& style, Format& format);

    // Cell-control side.
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
    BOOL StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType,
                    const CGXStyle* pOldStyle) override;
    void Hide() override;
    BOOL LButtonUp(UINT nFlags, CPoint pt, UINT nHitState) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint pt) override;
    BOOL KeyDown(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL HandleChar(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL HandleText(LPCTSTR pszText) override;
    BOOL SysKeyDown(UINT nMessage, UINT nChar, UINT nFlags) override;
    void GetStyleValueText(const CGXStyle& style, CString& strResult) override;
    void ReplaceSel(LPCTSTR pszText) override;
    BOOL GetSelectedText(CString& strResult) override;
    BOOL FindText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol, BOOL bAtCaret,
                  BOOL bSelect) override;
    BOOL ReplaceText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Window side.
    BOOL HitTestButton(int x, int y, BOOL bClient) override;
    virtual void ApplyStyleFormat(CGXBCurrencyEdit* pWnd, const CGXStyle& style);
    virtual BOOL CreateWindows(DWORD dwStyle);

    // Every point of the edit window counts as on the drop-down button while set.
    BOOL m_bWholeWindowButton = FALSE;

  protected:
    BOOL HasWindow() const
    {
        return m_hWnd != NULL && ::IsWindow(m_hWnd);
    }
    // The signed value of a formatted or number text, printed with the format's decimals.
    static CString NumberText(double dValue, const Format& format);
    // The settings a cell of the format is searched with (the symbol dropped from the find text).
    static CGXFindReplaceSettings CellFind(const CGXFindReplaceSettings& find, const Format& format);
    static int LeadingFill(const CString& strText, char cFill);
    // Where the find text stands in a shown text from nStart on, leading fill characters
    // skipped; -1 when nowhere.
    static int FindIn(const CString& strText, int nStart, const CGXFindReplaceSettings& find, char cFill);
    // The character of the cell's text under a point of the grid, laid out as the cell shows it;
    // -1 when none.
    int CharUnderPoint(CPoint pt);
    // Starts editing: activates when editing may begin.
    BOOL Activate();

    afx_msg LRESULT OnCellSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCalculatorResult(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnCellKeyMessage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnCellContextMenu(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    UINT m_nID;
    BOOL m_bInitialising = FALSE;
    BOOL m_bModified = FALSE;
    BOOL m_bActive = FALSE;
    CGXCaptiveCurEdit m_captive;
    CFont m_font;
};
