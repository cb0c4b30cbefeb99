// Base of every cell control: draws a cell of its kind and, bound to the grid's current cell,
// would take its input. One control per control id and grid, owned by the grid's control map,
// re-bound to whichever cell it serves. Its identity is a light class record of its own.
#pragma once
#include "grid/core/Style.h"
#include "afxwin.h"

class CGXGridCore;
class CGXChild;
class CGXControl;
struct CGXFindReplaceSettings;
struct CGXSortInfoEntry;

// The light class record of a cell control: its name and its base class's record.
struct GX_CONTROL_CLASSINFO
{
    LPCSTR m_lpszClassName;
    const GX_CONTROL_CLASSINFO* m_pBaseClass;
};

#define GX_DECLARE_CONTROL(class_name)                                                                       \
  public:                                                                                                    \
    static const GX_CONTROL_CLASSINFO controlClass##class_name;                                              \
    const GX_CONTROL_CLASSINFO* GetControlClass() const override;

#define GX_IMPLEMENT_CONTROL(class_name, base_class_name)                                                    \
    const GX_CONTROL_CLASSINFO class_name::controlClass##class_name = {                                      \
        #class_name, &base_class_name::controlClass##base_class_name};                                       \
    const GX_CONTROL_CLASSINFO* class_name::GetControlClass() const                                          \
    {                                                                                                        \
        return &controlClass##class_name;                                                                    \
    }

#define GX_CONTROL_CLASS(class_name) (&class_name::controlClass##class_name)

// A child object (a button) drawn inside a cell control: not a window. The owning control lays it
// out, draws it, feeds it mouse and key input and hears its clicks through OnClickedButton.
class CGXChild
{
  public:
    explicit CGXChild(CGXControl* pOwner = NULL) : m_pOwner(pOwner)
    {
    }
    virtual ~CGXChild() = default;
    CGXChild(const CGXChild&) = delete;
    CGXChild& operator=(const CGXChild&) = delete;

    virtual void SetRect(const CRect& rect)
    {
        m_rect = rect;
    }
    virtual CRect GetRect() const
    {
        return m_rect;
    }
    virtual BOOL HitTest(CPoint pt)
    {
        return m_rect.PtInRect(pt);
    }
    // TRUE when the owner's active child is this one.
    virtual BOOL HasFocus();
    virtual void SetText(LPCTSTR pszText)
    {
        m_strText = pszText != NULL ? pszText : _T("");
    }
    virtual CString GetText() const
    {
        return m_strText;
    }
    virtual void Draw(CDC* pDC, BOOL bActive, const CGXStyle& /*style*/)
    {
        DrawContent(pDC, bActive);
    }
    virtual void DrawContent(CDC* /*pDC*/, BOOL /*bActive*/)
    {
    }
    // Invalidates the child's rectangle in the grid window.
    virtual void Refresh();
    // Mouse input the control hands on; FALSE = not taken.
    virtual BOOL LButtonDown(UINT, CPoint)
    {
        return FALSE;
    }
    virtual BOOL LButtonUp(UINT, CPoint)
    {
        return FALSE;
    }
    virtual BOOL LButtonDblClk(UINT, CPoint)
    {
        return FALSE;
    }
    virtual BOOL MButtonDown(UINT, CPoint)
    {
        return FALSE;
    }
    virtual BOOL MButtonUp(UINT, CPoint)
    {
        return FALSE;
    }
    virtual BOOL MButtonDblClk(UINT, CPoint)
    {
        return FALSE;
    }
    virtual BOOL RButtonDown(UINT, CPoint)
    {
        return FALSE;
    }
    virtual BOOL RButtonUp(UINT, CPoint)
    {
        return FALSE;
    }
    virtual BOOL RButtonDblClk(UINT, CPoint)
    {
        return FALSE;
    }
    virtual BOOL MouseMove(UINT, CPoint)
    {
        return FALSE;
    }
    // A move without a button over the child (the cell need not be current).
    virtual BOOL OnMouseMoveOver(ROWCOL /*nRow*/, ROWCOL /*nCol*/, UINT /*nFlags*/, CPoint /*pt*/)
    {
        return FALSE;
    }
    // Key messages the owner offers first to its active child; TRUE = handled.
    virtual BOOL DispatchKeyMessage(UINT message, UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnKeyDown(UINT, UINT, UINT)
    {
        return FALSE;
    }
    virtual BOOL OnKeyUp(UINT, UINT, UINT)
    {
        return FALSE;
    }
    virtual BOOL OnChar(UINT, UINT, UINT)
    {
        return FALSE;
    }
    virtual BOOL OnText(LPCTSTR)
    {
        return FALSE;
    }
    virtual BOOL OnDeadChar(UINT, UINT, UINT)
    {
        return FALSE;
    }
    virtual BOOL OnSysKeyDown(UINT, UINT, UINT)
    {
        return FALSE;
    }
    virtual BOOL OnSysKeyUp(UINT, UINT, UINT)
    {
        return FALSE;
    }
    virtual BOOL OnSysChar(UINT, UINT, UINT)
    {
        return FALSE;
    }
    virtual BOOL OnSysDeadChar(UINT, UINT, UINT)
    {
        return FALSE;
    }
    // System changes the control passes on (a child caching colours or metrics refreshes them).
    virtual void OnWinIniChange(LPCTSTR)
    {
    }
    virtual void OnSysColorChange()
    {
    }
    // The grid cancelled a mouse mode: a pressed child lets go without a click.
    virtual BOOL OnCancelMode()
    {
        return FALSE;
    }

    CGXControl* m_pOwner;
    CRect m_rect;
    CString m_strText;
    BOOL m_bDbcsLeadPending = FALSE;
    DWORD m_nDbcsLead = 0;
};

// What a cell tip object answers (the grid's static-text tip is its implementation).
class CGXCellTipBase
{
  public:
    virtual ~CGXCellTipBase() = default;
    virtual BOOL NeedShowTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) = 0;
    virtual int GetTipKind(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) = 0;
    virtual void ShowTip(ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGXStyle& style) = 0;
};

class CGXControl
{
  public:
    static const GX_CONTROL_CLASSINFO controlClassCGXControl;

    // Construction
    explicit CGXControl(CGXGridCore* pGrid);
    virtual ~CGXControl();
    CGXControl(const CGXControl&) = delete;
    CGXControl& operator=(const CGXControl&) = delete;

    // Overridables
    virtual const GX_CONTROL_CLASSINFO* GetControlClass() const;
    virtual CRuntimeClass* GetWndRuntimeClass();
    virtual CWnd* GetWndPtr() const;
    virtual void SetActive(BOOL bActive);
    virtual BOOL IsActive();
    virtual void SetModify(BOOL bModified);
    virtual BOOL GetModify();
    virtual void Init(ROWCOL nRow, ROWCOL nCol);
    virtual void Reset();
    virtual BOOL Store();
    virtual CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem = NULL,
                              const CGXStyle* pStyle = NULL);
    virtual CSize AddBorders(CSize size, const CGXStyle& style);
    virtual CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandard, BOOL bVert);
    virtual BOOL HasValueText(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    // Whether the cell's text may float over its right neighbours (bFloatOrFlood TRUE) or the
    // cell may be floated over; controls that do not know floating answer FALSE.
    virtual BOOL CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, BOOL bFloatOrFlood);
    // Draws the current-cell marker in rect (kind from the grid's properties).
    virtual void DrawBackground(CDC* pDC, const CRect& rect);
    virtual void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      const CGXStyle* pStandardStyle);
    virtual BOOL GetCurrentText(CString& strResult);
    // The cell's key text when sorting: the style's value.
    virtual void GetTextFromStyle(ROWCOL nRow, ROWCOL nCol, const CGXSortInfoEntry& entry,
                                  const CGXStyle& style, CString& strResult);
    virtual BOOL GetValue(CString& strResult);
    virtual void SetValue(LPCTSTR pszRawValue);
    // The display text of a value (or of the style's value when pszRawValue is null).
    virtual BOOL FormatValueText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                                 const CGXStyle& style);
    // Stores a style into a cell for the grid (controls may convert values first).
    virtual BOOL StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType,
                            const CGXStyle* pOldStyle);
    virtual BOOL GetChoiceListItem(CString& strResult, LPCTSTR pszChoiceList, int nIndex);
    virtual void Hide();
    virtual void Refresh();
    virtual void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect);
    virtual void DrawFrame(CDC* pDC, const CRect& rect, const CGXStyle& style, BOOL bForce = FALSE);
    virtual void Draw3dFrame(CDC* pDC, const CRect& rect, const CGXStyle& style);
    virtual BOOL IsReadOnly();
    // Editing protocol the engine drives while the cell is current.
    virtual BOOL Validate();
    virtual BOOL ValidateText(const CString& strText);
    virtual BOOL BeginEditing();
    virtual BOOL CancelEditing();
    virtual void NotifyEditingCanceled();
    virtual BOOL EndEditing();
    virtual BOOL DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM lParam, UINT flags);
    virtual BOOL KeyDown(UINT nMessage, UINT nChar, UINT nFlags);
    virtual BOOL KeyUp(UINT nMessage, UINT nChar, UINT nFlags);
    virtual BOOL HandleChar(UINT nMessage, UINT nChar, UINT nFlags);
    virtual BOOL HandleText(LPCTSTR pszText);
    virtual BOOL DeadChar(UINT nMessage, UINT nChar, UINT nFlags);
    virtual BOOL SysKeyDown(UINT nMessage, UINT nChar, UINT nFlags);
    virtual BOOL SysKeyUp(UINT nMessage, UINT nChar, UINT nFlags);
    virtual BOOL SysChar(UINT nMessage, UINT nChar, UINT nFlags);
    virtual BOOL SysDeadChar(UINT nMessage, UINT nChar, UINT nFlags);
    virtual BOOL LButtonDown(UINT nFlags, CPoint pt, UINT nHitState);
    virtual BOOL LButtonUp(UINT nFlags, CPoint pt, UINT nHitState);
    virtual BOOL LButtonDblClk(UINT nFlags, CPoint pt);
    virtual BOOL MButtonDown(UINT nFlags, CPoint pt, UINT nHitState);
    virtual BOOL MButtonUp(UINT nFlags, CPoint pt, UINT nHitState);
    virtual BOOL MButtonDblClk(UINT nFlags, CPoint pt);
    virtual BOOL RButtonDown(UINT nFlags, CPoint pt, UINT nHitState);
    virtual BOOL RButtonUp(UINT nFlags, CPoint pt, UINT nHitState);
    virtual BOOL RButtonDblClk(UINT nFlags, CPoint pt);
    virtual BOOL MouseMove(UINT nFlags, CPoint pt, UINT nHitState);
    // A move without a button over a cell of this control (bound to it or not): the child under
    // the pointer gets it, then the grid's per-cell hook. FALSE = nobody took it.
    virtual BOOL MouseMoveOver(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt, UINT nHitState);
    // The shared defaults of the three buttons (0 left, 1 middle, 2 right).
    BOOL ButtonDown(int nButton, UINT nFlags, CPoint pt);
    BOOL ButtonUp(int nButton, UINT nFlags, CPoint pt);
    BOOL ButtonDblClk(int nButton, UINT nFlags, CPoint pt);
    virtual BOOL OnCancelMode();
    // A child button of this control was clicked; tells the grid's clicked-button hook.
    virtual BOOL OnClickedButton(CGXChild* pChild);
    // A settings or system-colour change, passed to every child.
    virtual void OnGridWinIniChange(LPCTSTR pszSection);
    virtual void OnGridSysColorChange();
    // The grid scrolls (WM_VSCROLL or WM_HSCROLL): an active control whose cell's span crosses
    // the frozen rows or columns cannot follow, so it stores and steps back.
    virtual void OnGridScroll(UINT nMessage, UINT nSBCode, UINT nPos);
    // A message the grid window got, offered to the current cell's control before the grid
    // handles it; TRUE = taken (*pResult the answer).
    virtual BOOL PreGridMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A colour request (WM_CTLCOLOR*) of a child of the grid, offered to the current cell's
    // control before the grid answers; a brush = taken.
    virtual HBRUSH OnGridCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // Text and clipboard operations (ControlText.cpp).
    virtual void NotifyModified();
    virtual BOOL QueryClearText();
    // Hands the cell and two arguments to the grid's edit hook and answers it.
    virtual BOOL QueryGridEditHook(int nArg1, int nArg2);
    virtual void SetCurrentText(const CString& str);
    virtual BOOL StoreTextInCell(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText, UINT flags,
                                 const CGXStyle* pStyle = NULL);
    virtual BOOL PrepareStoreText(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    virtual BOOL ConvertValue(ROWCOL nRow, ROWCOL nCol, CGXStyle& style);
    virtual int FindInChoiceList(CString& strResult, LPCTSTR pszText, LPCTSTR pszChoiceList, BOOL bExactOnly);
    virtual BOOL Copy();
    virtual BOOL Paste();
    virtual BOOL Cut();
    virtual BOOL CanCopy();
    virtual BOOL CanCut();
    virtual BOOL CanPaste();
    virtual void GetStyleValueText(const CGXStyle& style, CString& strResult);
    virtual BOOL FindText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol, BOOL bAtCaret,
                          BOOL bSelect);
    virtual void ReplaceSel(LPCTSTR pszText);
    virtual BOOL ReplaceText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol);
    virtual BOOL GetSelectedText(CString& strResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL ValidatePaste(const CString& strPaste);
    virtual void OnInvalidText(const CString& strText);
    // Whether a header cell is drawn marked (it heads the current cell's row or column).
    virtual BOOL IsMarkedHeaderCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);

    // Operations
    BOOL IsKindOf(const GX_CONTROL_CLASSINFO* pClass) const;
    BOOL IsWndKindOf(CRuntimeClass* pClass);
    BOOL IsInit() const
    {
        return m_bInit;
    }
    BOOL IsInitAt(ROWCOL nRow, ROWCOL nCol) const
    {
        return m_bInit && m_nRow == nRow && m_nCol == nCol;
    }
    CGXStyle& LoadStyle();
    void FreeStyle(BOOL bReleaseCache = FALSE);
    CWnd* GetGridWnd() const;
    CFont* SelectStyleFont(CDC* pDC, const CGXStyle& style, const CGXStyle* pReferenceStyle);
    void AddChild(CGXChild* pChild);
    void RemoveChild(CGXChild* pChild);
    CGXChild* GetChild(INT_PTR i) const;
    INT_PTR GetChildCount() const
    {
        return m_pChildList != NULL ? m_pChildList->GetCount() : 0;
    }
    CGXChild* GetActiveChild() const
    {
        return m_pActiveChild;
    }
    void SetActiveChild(CGXChild* pChild)
    {
        m_pActiveChild = pChild;
    }
    // Hands the grid a copy of a rectangle its paint routine leaves alone after drawing the
    // cells (the area of this control's window).
    void QueueGridRect(const CRect& rect);
    // A window of this control shown over its cell keeps its area: left out of the drawing and
    // of the grid's paint copy.
    void KeepWindowArea(CDC* pDC, CWnd* pWnd);
    // A window of this control shown over its cell takes the keyboard when the grid window holds
    // it, unseen by the grid's focus handler.
    void TakeFocusFromGrid(CWnd* pWnd);
    // The cell font of a style at the grid's zoom, made anew in font.
    void CreateZoomedFont(CFont& font, const CGXStyle& style);
    // The display text of a cell's value, from its composed style.
    CString ComposedValueText(ROWCOL nRow, ROWCOL nCol);
    // Tells the grid that the focus left a window of this control for one outside the grid.
    void NotifyGridKillFocus(CWnd* pNewWnd);
    // The keyboard goes back to the grid window when hWnd, a window of this control, holds it.
    void GiveFocusToGrid(HWND hWnd);
    // Delete in the grid may empty the cell: the grid's option allows it, Shift is up, the cell
    // is writable, the grid agrees and editing begins.
    BOOL BeginClearingByDelete();
    // The grid pastes whole cells: its styles format is on the clipboard and cells are selected.
    BOOL GridTakesPaste() const;
    void SetCellTip(CGXCellTipBase* pTip);
    CGXCellTipBase* GetCellTip() const
    {
        return m_pCellTip;
    }
    int GetCellTipKind(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    // Collects a double-byte character typed as WM_CHAR bytes.
    enum
    {
        dbcsLeadHeld, // a lead byte, kept until its trail byte comes
        dbcsComplete, // szText holds lead and trail byte
        dbcsSingle    // a character of its own
    };
    static int CollectDbcsChar(UINT nChar, BOOL& bLeadPending, DWORD& nLead, TCHAR szText[3]);
    // The user-attribute choice of the marker kind, as one of the five marker texts.
    static void AddUserAttributes(CGXStylesMap* pStylesMap);

    // Implementation
    DWORD m_dwReserved = 0;
    CGXGridCore* m_pGrid;
    ROWCOL m_nRow = (ROWCOL)-1;
    ROWCOL m_nCol = (ROWCOL)-1;
    CGXStyle* m_pStyle = NULL;
    BOOL m_bInit = FALSE;
    CPtrList* m_pChildList = NULL;
    CGXChild* m_pActiveChild = NULL;
    BOOL m_bDbcsLeadPending = FALSE;
    DWORD m_nDbcsLead = 0;
    CGXCellTipBase* m_pCellTip = NULL;
};
