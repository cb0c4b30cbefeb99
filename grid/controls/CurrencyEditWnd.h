// The money field: a self-drawn window that keeps the amount as a double plus a sign, with its
// own caret, selection, undo record and overwrite mode, and a drop-down button that opens the
// pop-up calculator. It does not use the system edit control.
#pragma once
#include "CurrencyFormat.h"
#include "DropEdit.h"

class CMenu;

class CGXBCurrencyEdit : public CGXBDropEdit
{
    DECLARE_DYNAMIC(CGXBCurrencyEdit)

  public:
    typedef CGXBCurrencyFormat Format;

    // Construction
    CGXBCurrencyEdit();
    ~CGXBCurrencyEdit() override;
    CGXBCurrencyEdit(const CGXBCurrencyEdit&) = delete;
    CGXBCurrencyEdit& operator=(const CGXBCurrencyEdit&) = delete;

    // The window class "CGXBCurrencyEdit"; a failed registration throws a resource exception.
    static void RegisterWndClass();
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);

    // Attributes
    void SetValue(double dValue, BOOL bRedraw = TRUE);
    void SetValue(double dAbsValue, BOOL bNegative, BOOL bRedraw);
    void GetValue(double& dValue) const;
    void SetFormat(const Format& format);
    void GetFormat(Format& format) const;
    const Format& GetFormatRef() const
    {
        return *m_pFormat;
    }
    // 0 left, 1 centre, 2 right.
    void SetAlignment(int nAlign);
    int GetAlignment() const;
    void SetReadOnly(BOOL bReadOnly = TRUE);
    BOOL IsReadOnly() const;
    BOOL SetSel(int nStart, int nEnd);
    void GetSel(int& nStart, int& nEnd) const
    {
        nStart = m_nSelStart;
        nEnd = m_nSelEnd;
    }
    void SetCaret(int nPos, BOOL bExtend);
    int GetCaret() const
    {
        return m_nCaret;
    }
    BOOL CanUndo() const
    {
        return m_bUndo;
    }
    BOOL IsOverwrite() const
    {
        return m_bOverwrite;
    }
    // Digits typed behind the last decimal shift the decimals left.
    BOOL m_bShiftInEntry = FALSE;
    // Handed to the format's pad-before-grouping by the currency cell.
    BOOL m_bGroupingPad = FALSE;

    // Overridables
    void OnButtonClicked() override;
    virtual BOOL ShowCalculator();
    virtual void FilterPasteText(CString& strText);
    virtual CMenu* CreateContextMenu();
    virtual void DestroyContextMenu(CMenu* pMenu);
    virtual void DoBackspace();
    virtual void DoDelete();
    virtual void DoInsert(LPCTSTR pszText);
    virtual void DrawBackground(CDC* pDC, const CRect& rect);
    virtual void SaveUndo(LPCTSTR pszText, int nCaret);
    virtual void CreateCaretAt(int nPos);
    virtual void RemoveCaret();
    virtual void DrawSeparatorLine(CDC* pDC, int x);
    virtual void ToggleSign();
    virtual void ToggleOverwrite();

  protected:
    // Implementation
    CString GetText() const;
    // Sets a formatted text as it stands (no parsing).
    void SetTextUnparsed(LPCTSTR pszText);
    // Sets a text through WM_SETTEXT with redraw off, so that it is parsed and formatted.
    CString Reformat(LPCTSTR pszText);
    BOOL HasSelection() const
    {
        return m_nSelStart != -1 && m_nSelStart != m_nSelEnd;
    }
    // The selection in text order, select-all resolved.
    void SelRange(int nLen, int& nFrom, int& nTo) const;
    void Notify(UINT nCode);
    void InvalidateIfRedraw(BOOL bErase = FALSE);
    // Where the text lies and how wide its first characters are, in the window's font.
    CRect TextRect(CDC* pDC, const CString& strText) const;
    int CharFromPoint(CPoint pt);
    CFont* SelectTextFont(CDC* pDC) const;
    // Undo, copy and paste.
    void Undo();
    void CopyToClipboard();
    void PasteFromClipboard();
    void ClearSelection();
    // Handles the keys of the key table; TRUE when the key was one of them.
    BOOL HandleKey(UINT nChar);
    void PaintText(CDC* pDC, const CRect& rectClient);
    // Finishes an editing step: undo record and change notifications when the text changed.
    void AfterEdit(const CString& strOld, int nOldCaret, const CString& strNew, BOOL bClearSel);

    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetRedraw(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCopy(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCut(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUndo(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCanUndo(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEmptyUndoBuffer(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetReadOnly(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMargins(WPARAM wParam, LPARAM lParam);
    afx_msg void OnEditPaste();
    afx_msg void OnEditCopy();
    afx_msg void OnEditCut();
    afx_msg void OnEditUndo();
    afx_msg void OnEditClear();
    afx_msg void OnEditSelectAll();
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    BOOL m_bNegative = FALSE;
    BOOL m_bUndo = FALSE;
    BOOL m_bParseOnSetText = TRUE;
    BOOL m_bRedraw = TRUE;
    BOOL m_bMouseSelecting = FALSE;
    BOOL m_bOverwrite = FALSE;
    CString m_strUndo;
    int m_nUndoCaret = -1;
    int m_nUndoSelStart = -1;
    int m_nUndoSelEnd = 0;
    double m_dValue = 0.0;
    Format* m_pFormat;
    HFONT m_hFont = NULL;
    int m_nCaret = 0;
    int m_nSelStart = -1;
    int m_nSelEnd = 0;
    int m_nRightMargin = 0;
    int m_nLeftMargin = 0;
};
