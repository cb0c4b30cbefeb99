// The date-time cell: a date-time edit window laid over the current cell while it is edited;
// every other cell is drawn gadget by gadget like the window. Two off-screen twins measure,
// draw and search other cells, so painting never disturbs the editor. The stored value is the
// date's serial number as text.
#pragma once
#include "CaptiveDateTimeCtrl.h"
#include "grid/core/Static.h"

class CGXStylesMap;

class CGXDateTimeCtrl : public CGXBDateTimeCtrl, public CGXStatic
{
    DECLARE_DYNAMIC(CGXDateTimeCtrl)
    GX_DECLARE_CONTROL(CGXDateTimeCtrl)

  public:
    // dwStyle: the window style bits of the in-cell window (calendar and spin button).
    CGXDateTimeCtrl(CGXGridCore* pGrid, UINT nID, DWORD dwStyle);
    ~CGXDateTimeCtrl() override;

    using CGXBDateTimeCtrl::IsKindOf;
    using CGXBDateTimeCtrl::Validate;
    using CGXControl::IsKindOf;

    static void RegisterUserAttributes(CGXStylesMap* pStylesMap);

    // Attributes
    BOOL m_bAlwaysShowSpin = FALSE;
    BOOL m_bAlwaysShowButton = FALSE;
    BOOL m_bTabBetweenFields = FALSE;
    CString m_strFieldSeparators = _T(",");

    // Window side
    virtual void SetValueAsNumber(BOOL b)
    {
        m_bValueAsNumber = b;
    }
    virtual BOOL GetValueAsNumber() const
    {
        return m_bValueAsNumber;
    }
    virtual BOOL ActivateAt(UINT nFlags, CPoint pt, BOOL bDoubleClick);
    virtual BOOL ApplyFormat(CGXBDateTimeCtrl* pWnd, const CGXStyle& style);
    virtual BOOL SplitText(const CString& strText, CStringArray& pieces);
    virtual BOOL CreateWindows(DWORD dwStyle, const CRect& rect);
    BOOL OnChanging(const COleDateTime& value) override;
    void OnChanged() override;
    // Drawing of one gadget of a cell that is not being edited.
    virtual void DrawSpinGadget(CDC* pDC, CGXBDTGadget& gadget);
    virtual void DrawNumericGadget(CDC* pDC, CGXBDTGadget& gadget);
    virtual void DrawListGadget(CDC* pDC, CGXBDTGadget& gadget);
    virtual void DrawStaticGadget(CDC* pDC, CGXBDTGadget& gadget);
    virtual void DrawButtonGadget(CDC* pDC, CGXBDTGadget& gadget);

    // Cell-control side
    CRuntimeClass* GetWndRuntimeClass() override;
    CWnd* GetWndPtr() const override;
    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL Store() override;
    BOOL Validate() override;
    BOOL BeginEditing() override;
    BOOL StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType,
                    const CGXStyle* pOldStyle) override;
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem = NULL,
                      const CGXStyle* pStyle = NULL) override;
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandard,
                   BOOL bVert) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL GetCurrentText(CString& strResult) override;
    void SetCurrentText(const CString& str) override;
    BOOL GetValue(CString& strResult) override;
    void SetValue(LPCTSTR pszRawValue) override;
    BOOL FormatValueText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                         const CGXStyle& style) override;
    BOOL PrepareStoreText(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
    void GetStyleValueText(const CGXStyle& style, CString& strResult) override;
    void Hide() override;
    BOOL LButtonUp(UINT nFlags, CPoint pt, UINT nHitState) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint pt) override;
    BOOL KeyDown(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL HandleChar(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL HandleText(LPCTSTR pszText) override;
    BOOL SysKeyDown(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL Copy() override;
    BOOL Cut() override;
    BOOL Paste() override;
    BOOL CanPaste() override;
    void ReplaceSel(LPCTSTR pszText) override;
    BOOL GetSelectedText(CString& strResult) override;
    BOOL FindText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol, BOOL bAtCaret,
                  BOOL bSelect) override;
    BOOL ReplaceText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol) override;

    // Reads a value text into a window: a date in the user locale, else a serial number; an
    // empty or unreadable text leaves today (or the zero time) and answers FALSE.
    BOOL ReadValue(CGXBDateTimeCtrl& wnd, const CString& strText);

  protected:
    BOOL HasWindow() const
    {
        return m_hWnd != NULL && ::IsWindow(m_hWnd);
    }
    void DrawInactive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      const CGXStyle* pStandardStyle);
    // A gadget's text centred in its rectangle, highlighted when it has the focus.
    void DrawGadgetText(CDC* pDC, CGXBDTGadget& gadget, const CString& strText);
    // The width the buttons take in a cell (0 when none is shown there).
    int ButtonsWidth(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    CString NumberText(const COleDateTime& value) const;
    // A text of pieces fitted into the window's fields; FALSE when they do not fit.
    BOOL FitPieces(CGXBDateTimeCtrl& wnd, const CString& strText, COleDateTime& value);
    void ClearCell();
    // Starts editing with the first or last editable field current.
    BOOL StartEditing(BOOL bLast);
    // The first (or last) editable field, -1 when none.
    int EditableField(BOOL bLast) const;
    // Makes field i current and the only gadget with the focus.
    void FocusOnlyField(int i);
    // Reads a value into a twin window with the cell's format; FALSE when empty or unreadable.
    BOOL ReadCell(CGXBDateTimeCtrl& wnd, const CGXStyle& style, const CString& strValue);
    // The field a find continues from in the active cell.
    int FindStart(ROWCOL nRow, ROWCOL nCol, const CGXFindReplaceSettings& find, BOOL bAtCaret) const;
    void ForgetFind()
    {
        m_nFindRow = m_nFindCol = 0x7fffffff;
        m_strFound.Empty();
    }

    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnCellKeyMessage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

    UINT m_nID;
    DWORD m_dwCreateStyle;
    BOOL m_bValueAsNumber = TRUE;
    BOOL m_bForceNumber = FALSE;
    int m_nPrecision = 13;
    BOOL m_bShowsDate = TRUE;
    BOOL m_bActive = FALSE;
    BOOL m_bModified = FALSE;
    CGXCaptiveDateTimeCtrl m_measure;
    CGXCaptiveDateTimeCtrl m_draw;
    CFont m_font;
    // Where FindText last found its text: cell, text and the field to go on from.
    ROWCOL m_nFindRow = 0x7fffffff;
    ROWCOL m_nFindCol = 0x7fffffff;
    CString m_strFound;
    int m_nFindNext = 0;
};
