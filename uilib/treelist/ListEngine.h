// SECListEngine: the owner-drawn multi-column list engine. It keeps its own rows, sub-items and
// columns, paints every row itself and speaks the platform list view's records and
// notifications. It is the same for every host: the list templates (SECListBase over CWnd or
// CView) derive from it beside their host window, hand it that window and the host's one
// difference, and map the host's messages to it. It is their virtual base, so that the tree
// engine (SECTreeEngine), sharing it, replaces its operations. Its implementation is split by
// role over the ListEngine*.cpp files.
#pragma once
#include "ImageList.h"
#include "ListClient.h"
#include "ListColumn.h"
#include "ListEdit.h"
#include "ListItem.h"
#include "ListPaintContext.h"
#include "ListStyles.h"
#include "ListTip.h"
#include "TreeListIds.h"
#include "ScrollBar.h"
#include <vector>

class SECListEngine : public SECListClient
{
  public:
    // Construction
    SECListEngine();
    ~SECListEngine() override;

    virtual BOOL CreateEx(DWORD dwStyle, DWORD dwExStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          CCreateContext* pContext = NULL);
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = NULL);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          int x, int y, int nWidth, int nHeight, HWND hWndParent, UINT nID, LPVOID lpParam);
    virtual BOOL CreateFromDlgItem(UINT nID, CWnd* pParentDialog);

    // Colours and fonts (setters only store)
    virtual COLORREF GetWindowBkColor() const;
    virtual COLORREF GetTextColor() const
    {
        return m_rgbText;
    }
    virtual COLORREF GetBkColor() const
    {
        return m_rgbBk;
    }
    virtual COLORREF GetGrayTextColor() const
    {
        return m_rgbGrayText;
    }
    virtual COLORREF GetSecondaryColor() const
    {
        return m_rgbSecondary;
    }
    virtual COLORREF GetSelSecondaryColor() const
    {
        return m_rgbSelSecondary;
    }
    virtual HFONT GetHeaderFont() const;
    virtual CWnd* GetNotifyWnd() const
    {
        return m_pNotifyWnd;
    }
    virtual BOOL SetWindowBkColor(COLORREF rgb);
    virtual BOOL SetTextColor(COLORREF rgb)
    {
        m_rgbText = rgb;
        return TRUE;
    }
    virtual BOOL SetBkColor(COLORREF rgb)
    {
        m_rgbBk = rgb;
        return TRUE;
    }
    virtual BOOL SetSelTextColor(COLORREF rgb)
    {
        m_rgbSelText = rgb;
        return TRUE;
    }
    virtual BOOL SetSelBkColor(COLORREF rgb)
    {
        m_rgbSelBk = rgb;
        return TRUE;
    }
    virtual BOOL SetGrayTextColor(COLORREF rgb)
    {
        m_rgbGrayText = rgb;
        return TRUE;
    }
    virtual BOOL SetSecondaryColor(COLORREF rgb)
    {
        m_rgbSecondary = rgb;
        return TRUE;
    }
    virtual BOOL SetSelSecondaryColor(COLORREF rgb)
    {
        m_rgbSelSecondary = rgb;
        return TRUE;
    }
    virtual BOOL SetToolTipBkColor(COLORREF rgb)
    {
        m_rgbTipBk = rgb;
        return TRUE;
    }
    virtual BOOL SetToolTipTextColor(COLORREF rgb)
    {
        m_rgbTipText = rgb;
        return TRUE;
    }
    virtual BOOL SetLabelFont(CFont* pFont)
    {
        m_hLabelFont = (HFONT)pFont->GetSafeHandle();
        return TRUE;
    }
    virtual BOOL SetHeaderFont(CFont* pFont)
    {
        m_hHeaderFont = (HFONT)pFont->GetSafeHandle();
        return TRUE;
    }
    virtual BOOL SetNotifyWnd(CWnd* pWnd)
    {
        m_pNotifyWnd = pWnd;
        return TRUE;
    }
    virtual BOOL SetUseSysColors(BOOL bUse)
    {
        m_bUseSysColors = bUse;
        return TRUE;
    }
    virtual BOOL GetUseSysColors() const
    {
        return m_bUseSysColors;
    }

    // Timers
    virtual void SetScrollTimer(UINT nPeriodMs);
    virtual void KillScrollTimer();

    // Layout queries and invalidation
    virtual void InvalidateItems(int nRow, BOOL bLabelOnly, BOOL bErase, BOOL bToBottomOrEraseNow,
                                 BOOL bUpdateNow);
    virtual void InvalidateRange(int nFrom, int nTo);
    // The rows and the header, not the scroll bars: they repaint themselves when their position
    // changes, and repainting them for every caret move costs more than the rows.
    void InvalidateContent();
    virtual int GetTopIndex() const
    {
        return m_nTopIndex;
    }
    virtual int GetCountPerPage();
    virtual int GetCountPerPageAbove();
    virtual int GetMaxTopIndex();
    virtual int GetLastVisibleIndex(BOOL bMeasure = TRUE);
    virtual int GetEndVisibleIndex();
    virtual int GetPrevPageTopIndex();
    virtual int ItemFromPoint(CPoint pt);
    virtual int RowFromPoint(CPoint pt)
    {
        return ItemFromPoint(pt);
    }
    virtual int IndexFromPoint(CPoint pt)
    {
        return ItemFromPoint(pt);
    }
    virtual BOOL SetItemHeight(int nRow, int cy);
    virtual int GetItemsHeight(int nFrom, int nTo);
    virtual int CountItemsInHeight(int cy, int nStart, BOOL bDown);
    virtual void ReMeasureAllItems();
    virtual void ReMeasureItem(int nRow);

    // Columns
    virtual BOOL DeleteColumn(LPCTSTR lpszHeading);
    virtual BOOL DeleteColumn(int nCol);
    virtual BOOL DeleteAllColumns();
    virtual BOOL AddColumn(const LVCOLUMNA* pColumn);
    virtual BOOL AddColumn(LPCTSTR lpszHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1,
                           int nImage = -1);
    virtual BOOL AddColumn(SECListColumn* pColumn);
    virtual BOOL InsertColumn(int nCol, const LVCOLUMNA* pColumn, BOOL bRedraw = TRUE);
    virtual BOOL InsertColumn(int nCol, LPCTSTR lpszHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                              int nSubItem = -1, int nImage = -1, BOOL bRedraw = TRUE);
    virtual BOOL InsertColumn(int nCol, SECListColumn* pColumn, BOOL bRedraw = TRUE);
    virtual BOOL MoveColumn(int nFrom, int nTo, BOOL bRedraw = TRUE);
    virtual BOOL GetColumn(int nCol, LVCOLUMNA* pColumn) const;
    virtual BOOL SetColumn(int nCol, const LVCOLUMNA* pColumn, BOOL bRedraw = TRUE);
    virtual int GetColumnLeft(int nCol) const;
    virtual int GetColumnRight(int nCol) const;
    virtual BOOL SetColumnWidth(int nCol, int cx);
    virtual int GetColumnWidth(int nCol) const;
    virtual BOOL SetColumnFormat(int nCol, int nFormat);
    virtual int GetColumnFormat(int nCol) const;
    virtual BOOL SetColumnHeading(int nCol, LPCTSTR lpszHeading);
    virtual CString GetColumnHeading(int nCol) const;
    virtual BOOL ColumnExists(LPCTSTR lpszHeading) const;
    virtual int GetColumnCount() const
    {
        return (int)m_arrColumns.size();
    }
    virtual BOOL FindColumn(LPCTSTR lpszHeading, int& nCol, int& nSubItem) const;
    virtual SECListColumn* GetColumnAt(int nCol) const;

    // Items
    virtual LPARAM GetItemParam(SECListItem* pItem) const
    {
        return pItem != NULL ? pItem->m_lParam : 0;
    }
    virtual int GetItemCount() const
    {
        return (int)m_arrItems.size();
    }
    virtual int GetSubItemCount() const
    {
        return m_nSubItemColumns;
    }
    virtual BOOL SetItem(const LVITEMA* pItem, BOOL bRedraw = TRUE);
    virtual BOOL SetItem(int nRow, int nSubItem, UINT nMask, LPCTSTR lpszText, int nImage, UINT nState,
                         UINT nStateMask, LPARAM lParam);
    virtual BOOL SetItemEx(const LVITEMA* pItem, const SEC_LVITEMEX* pEx);
    virtual BOOL GetItem(LVITEMA* pItem, BOOL bCopyText = TRUE, BOOL bNotify = TRUE);
    virtual BOOL GetItemEx(LVITEMA* pItem, SEC_LVITEMEX* pEx, BOOL bNotify = TRUE);
    virtual BOOL SetItemText(int nRow, int nSubItem, LPCTSTR lpszText);
    virtual int GetItemText(int nRow, int nSubItem, LPTSTR lpszBuffer, int nSize);
    // The first column's text as the row keeps it, without a copy; NULL when the owner gives it.
    virtual LPCSTR PeekLabel(int nRow) const;
    virtual BOOL DeleteItem(SECListItem* pItem);
    virtual BOOL DeleteItem(int nRow, int nCount = 1);
    virtual BOOL DeleteAllItems();
    virtual int GetSelectedCount() const
    {
        return (int)m_arrSel.size();
    }
    virtual BOOL GetItemRect(int nRow, LPRECT lpRect, UINT nCode);
    virtual int InsertItem(int nRow, SECListItem* pItem);
    virtual int InsertItem(UINT nMask, int nRow, LPCTSTR lpszText, UINT nState, UINT nStateMask, int nImage,
                           LPARAM lParam);
    virtual int InsertItem(int nRow, LPCTSTR lpszText, int nImage);
    virtual int InsertItem(int nRow, LPCTSTR lpszText);
    virtual int InsertItem(const LVITEMA* pItem);
    virtual int InsertItemAfter(SECListItem* pAfter, LVITEMA* pItem);
    virtual int InsertItemBefore(SECListItem* pBefore, LVITEMA* pItem);

    // Selection and state
    virtual BOOL SelectFocusItem(int nRow, BOOL bSelect);
    virtual BOOL SetFocusItem(int nRow);
    virtual void DeselectAllItems(int nExcept = -1);
    virtual void SelectRange(int nFrom, int nTo, BOOL bSelect);
    virtual int GetFocusIndex() const
    {
        return m_nFocusIndex;
    }
    virtual void GetTotalSize(int& cx, int& cy);
    virtual BOOL SetItemState(int nRow, UINT nState, UINT nMask);
    virtual UINT GetItemState(int nRow, UINT nMask);
    virtual BOOL SetItemData(int nRow, LPARAM lParam);
    virtual LPARAM GetItemData(int nRow);
    virtual BOOL SelectItem(int nRow, BOOL bSelect);
    virtual UINT GetStateCallbackMask() const
    {
        return m_nStateCallbackMask;
    }
    virtual void SetStateCallbackMask(UINT nMask)
    {
        m_nStateCallbackMask = nMask;
    }
    virtual UINT GetCallbackMask() const
    {
        return m_nExCallbackMask;
    }
    virtual void SetCallbackMask(UINT nMask)
    {
        m_nExCallbackMask = nMask;
    }
    virtual BOOL IsCallbackItem(int nRow);
    virtual int GetNextItem(int nRow, UINT nFlags);
    virtual BOOL SetDropHilightItem(int nRow);
    virtual int GetDropHilightItem() const
    {
        return m_nDropHilite;
    }
    int GetAnchorIndex() const
    {
        return m_nAnchorIndex;
    }
    BOOL IsSelected(int nRow) const;

    // Image lists
    virtual CImageList* GetImageList(int nKind) const;
    virtual CImageList* SetImageList(CImageList* pImageList, int nKind);
    virtual BOOL CopyImageList(CImageList* pSource, int nKind);

    // Hit testing, scrolling, label editing
    virtual int HitTest(int x, int y, UINT& nFlags, int& nCol);
    virtual void SetTopIndex(int nRow);
    virtual void ScrollHorz(int cx);
    virtual void Scroll(int nRows, BOOL bByPage);
    virtual void EnsureVisible(int nRow);
    virtual BOOL EnsureRangeVisible(int nFirst, int nLast);
    virtual SECListEdit* EditLabel(int nRow, int nCol);
    virtual SECListEdit* GetEditControl()
    {
        return m_pEdit;
    }
    virtual void KillEditTimer();
    SECListTip* GetToolTip()
    {
        return m_pTip;
    }
    int GetEditRow() const
    {
        return m_nEditRow;
    }

    // Styles
    virtual BOOL HasListCtrlStyle(DWORD dw) const
    {
        return (m_dwListStyle & dw) == dw;
    }
    virtual BOOL HasListCtrlStyleEx(DWORD dw) const
    {
        return (m_dwListStyleEx & dw) == dw;
    }
    virtual void GetListCtrlStyles(DWORD& dwStyle, DWORD& dwExStyle) const;
    virtual void SetListCtrlStyles(DWORD dwStyle, DWORD dwExStyle, BOOL bRedraw = TRUE);
    virtual DWORD GetListCtrlStyle() const
    {
        return m_dwListStyle;
    }
    virtual DWORD GetListCtrlStyleEx() const
    {
        return m_dwListStyleEx;
    }
    virtual void SetListCtrlStyle(DWORD dwStyle, BOOL bRedraw = TRUE);
    virtual void SetListCtrlStyleEx(DWORD dwExStyle, BOOL bRedraw = TRUE);
    virtual void ModifyListCtrlStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw = TRUE);
    virtual void ModifyListCtrlStyleEx(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw = TRUE);
    virtual void ModifyListCtrlStyles(DWORD dwRemove, DWORD dwAdd, DWORD dwRemoveEx, DWORD dwAddEx,
                                      BOOL bRedraw = TRUE);
    virtual void SetLabelWrap(BOOL bWrap);
    virtual void EnableItemTips(BOOL bOn);
    virtual void SetMultiSelect(BOOL bMulti);
    virtual BOOL IsItemTipsEnabled() const
    {
        return (m_dwListStyleEx & ListStyle::EX_ITEM_TIPS) != 0;
    }
    virtual BOOL HasColumnHeader() const
    {
        return (m_dwListStyle & ListStyle::NO_COLUMN_HEADER) == 0;
    }
    virtual void SetHeaderStyle(BOOL bNoHeader, BOOL bNoSortHeader);
    virtual BOOL GetMultiSelect() const
    {
        return (m_dwListStyle & ListStyle::SINGLE_SEL) == 0;
    }
    virtual void SetImmediateUpdate(BOOL bOn)
    {
        m_bImmediateUpdate = bOn;
    }
    virtual BOOL GetImmediateUpdate() const
    {
        return m_bImmediateUpdate;
    }

    // Layout
    virtual void RecalcLayout();
    virtual int GetTotalWidth(BOOL bMeasure = TRUE);
    virtual int GetTotalRows()
    {
        return GetItemCount();
    }
    virtual void GetClientRect(LPRECT lpRect) const;
    virtual CDC* CreateClientDC(BOOL& bDelete);
    virtual void InvalidateMeasurements();
    virtual BOOL FitFirstColumnIfNeeded();
    virtual CScrollBar* CreateScrollBarCtrl(int nBar, UINT nID);
    CScrollBar* GetScrollBarCtrl(int nBar) const;

    // Row factory
    virtual BOOL AddSubItems(SECListItem* pItem);
    virtual BOOL RemoveSubItems(SECListItem* pItem);
    virtual int InitItem(SECListItem* pItem);
    virtual SECListItem* CreateItem();
    SECListItem* GetRow(int nRow) const;
    int FindRow(const SECListItem* pItem) const;

    // Painting (ListEnginePaint.cpp)
    virtual COLORREF GetCellBkColor(SECListPaintContext* pContext);
    virtual COLORREF GetCellSecondaryColor(SECListPaintContext* pContext);
    virtual void GetCellColors(SECListPaintContext* pContext);
    virtual HFONT GetCellFont(SECListPaintContext* pContext);
    virtual HPEN GetGridPen();
    virtual void MeasureRow(SECListPaintContext* pContext);
    virtual void MeasureItem(int nRow, SECListPaintContext* pContext = NULL);
    // While one lives, rows measured without a context share one client DC: a DC each would cost
    // Wine a trip to its server per row. Scopes nest; the outermost one owns the DC.
    class MeasuringScope
    {
      public:
        explicit MeasuringScope(SECListEngine* pEngine);
        ~MeasuringScope();
        MeasuringScope(const MeasuringScope&) = delete;
        MeasuringScope& operator=(const MeasuringScope&) = delete;

      private:
        SECListEngine* m_pEngine;
    };
    virtual void MeasureCell(SECListPaintContext* pContext, int& cy);
    virtual void GetIconRect(SECListPaintContext* pContext, CRect& rect);
    virtual void MeasureLabel(SECListPaintContext* pContext, CRect& rect);
    virtual void LayoutScrollBars();
    static void MoveThumb(CScrollBar* pBar, int nPos);
    virtual void FitFirstColumn();
    virtual int GetRowSpacing() const
    {
        return 0;
    }
    virtual void OnDraw(CDC* pDC);
    virtual BOOL PrepareCell(SECListPaintContext* pContext);
    virtual SECListPaintContext* CreatePaintContext(CDC* pDC);
    virtual CDC* CreateMemDC(CDC* pDC, BOOL& bDelete, const CRect& rect);
    virtual void DrawHeader(SECListPaintContext* pContext);
    virtual void DrawHeaderItem(int nCol, BOOL bPressed);
    virtual void DrawHeaderImage(CDC* pDC, int nCol, CRect& rect, UINT& nFlags);
    virtual CImageList* CreateHeaderDragImage(int nCol);
    virtual void PaintRows(SECListPaintContext* pContext);
    virtual void PaintRow(SECListPaintContext* pContext);
    virtual void DrawCell(SECListPaintContext* pContext);
    virtual void DrawImage(SECListPaintContext* pContext);
    virtual void DrawLabel(SECListPaintContext* pContext);
    virtual void DrawHorzGridLine(CDC* pDC, int nRow, const CRect& rect);
    virtual void DrawVertGridLines(CDC* pDC, int nRow, const CRect& rect);
    virtual void UpdateVScroll(int nRows);
    virtual void UpdateHScroll(int cxTotal);
    virtual BOOL ShowScrollBarCtrl(int nBar, BOOL bShow, SCROLLINFO* pInfo);
    // The rows' area: client rectangle without header band and scroll bars.
    void GetInsideRectangle(LPRECT lpRect) const;
    void DrawHeaderColumn(CDC* pDC, int nCol, const CRect& rcItem, BOOL bPressed);

    // Input (ListEngineInput.cpp)
    virtual void TrackColumnResizeAndApply(int nCol, CPoint point);
    virtual int TrackColumnResize(int x, int y, int nCol);
    virtual void TrackColumnDrop(int x, int y, int nCol);
    virtual void OnKeySpace(int nFocus, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags);
    virtual void OnKeyLineUp(int nFocus, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags);
    virtual void OnKeyLineDown(int nFocus, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags);
    virtual void OnKeyF2(int nFocus, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags);
    virtual void OnKeyReturn(int nFocus, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags);
    virtual void OnKeyHome(int nFocus, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags);
    virtual void OnKeyEnd(int nFocus, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags);
    virtual void OnKeyLeft(int, int, BOOL, BOOL, UINT, UINT)
    {
    }
    virtual void OnKeyBack(int, int, BOOL, BOOL, UINT, UINT)
    {
    }
    virtual void OnKeyRight(int, int, BOOL, BOOL, UINT, UINT)
    {
    }
    virtual void OnKeyMultiply(int, int, BOOL, BOOL, UINT, UINT)
    {
    }
    virtual void OnKeyPageUp(int nFocus, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags);
    virtual void OnKeyPageDown(int nFocus, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags);
    virtual void OnBeginDrag(int, CPoint)
    {
    }
    virtual void OnBeginRDrag(int, CPoint)
    {
    }
    virtual void OnSelChanged(int, int, BOOL)
    {
    }
    virtual BOOL OnSelChanging(int, int, BOOL)
    {
        return 0;
    }
    virtual BOOL ChangeSelection(int nRow, UINT nKeyFlags, BOOL bByMouse);
    virtual void OnSelectItem(int, BOOL)
    {
    }
    virtual void FilterHitFlags(CPoint pt, int nRow, UINT nFlags, BOOL& bArm, BOOL& bSelect);
    virtual void OnColumnMoved(int nFrom, int nTo);

    // Notifications (ListEngineNotify.cpp)
    virtual LRESULT NotifyCode(int nCode);
    virtual LRESULT NotifyBeginLabelEdit(int nRow, int nSubItem);
    virtual void NotifyDeleteItem(int nRow);
    virtual BOOL NotifyEndLabelEdit(int nRow, int nSubItem, CString& strText, BOOL bAccept);
    virtual LRESULT NotifyGetDispInfo(LVITEMA* pItem);
    virtual LRESULT NotifyInsertItem(int nRow);
    virtual void NotifyKeyDown(UINT nKey);
    virtual void NotifyColumnClick(int nCol);
    virtual void OnLabelEdited(int, int)
    {
    }
    virtual void OnSetItemCallback(LVITEMA*)
    {
    }
    virtual void OnGetItemExCallback(SEC_LVITEMEX*)
    {
    }
    virtual void OnSpareItemHook(SEC_LVITEMEX*)
    {
    }
    virtual CWnd* GetNotifyTarget() const;
    LRESULT GetLastNotifyResult() const
    {
        return m_lLastResult;
    }

    // Creation-style split: moves the list's bits out of the window styles.
    virtual void SplitCreateStyles(CREATESTRUCT& cs);

    // SECListClient
    HWND GetClientHwnd() const override
    {
        return m_pWnd->GetSafeHwnd();
    }
    BOOL IsLabelWrap() const override
    {
        return (m_dwListStyle & ListStyle::NO_LABEL_WRAP) == 0;
    }
    BOOL EndLabelEdit(BOOL bAccept) override;
    int GetSubItemOfColumn(int nCol) const override;
    void GetScrollOffset(int& x, int& y) const override;
    void GetInsideRect(LPRECT lpRect) const override
    {
        GetInsideRectangle(lpRect);
    }
    BOOL GetCellRect(int nRow, int nCol, LPRECT lpRect, UINT nCode) override;
    CString GetCellText(int nRow, int nSubItem) override;
    void ClientToScreenRect(LPRECT lpRect) const override
    {
        m_pWnd->ClientToScreen(lpRect);
    }
    void CaptureMouse(BOOL bCapture) override;
    BOOL IsItemSelected(int nRow) const override
    {
        return IsSelected(nRow);
    }
    COLORREF GetSelTextColor() const override
    {
        return m_rgbSelText;
    }
    COLORREF GetSelBkColor() const override
    {
        return m_rgbSelBk;
    }
    COLORREF GetToolTipTextColor() const override
    {
        return m_rgbTipText;
    }
    COLORREF GetToolTipBkColor() const override
    {
        return m_rgbTipBk;
    }
    HFONT GetLabelFont() const override;

  protected:
    // The host: the list's own window and whether it is a view, set once by the list template.
    void AttachHost(CWnd* pWnd, BOOL bViewHosted)
    {
        m_pWnd = pWnd;
        m_bViewHosted = bViewHosted;
    }

    // The list's side of the message handlers; the list template maps the messages, calls these
    // and passes on to its host window's handlers where the host has a say.
    int OnCreate(LPCREATESTRUCT lpCreateStruct); // after the host's
    void OnDestroy();                            // before the host's
    void OnSysColorChange();                     // before the host's
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy); // before the host's
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message); // FALSE: the host sets it
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnCancelMode(); // before the host's
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    BOOL OnTimer(UINT_PTR nIDEvent); // FALSE: not the list's timer, the host's handler takes it
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    BOOL OnChar(UINT nChar, UINT nRepCnt, UINT nFlags); // FALSE: the host's handler takes it
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnEnable(BOOL bEnable); // before the host's
    UINT OnGetDlgCode();
    // Focus: losing it first ends a label edit (FALSE when the focus only moves into the edit:
    // nothing else happens); after the host's handler both redraw and tell the owner.
    BOOL OnKillFocus(CWnd* pNewWnd);
    void OnFocusChanged(int nCode);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnEditKillFocus();
    void OnEditUpdate();

    // Deletes rows, columns, scroll bars, companion windows and owned image lists; the list
    // template calls it before its host window goes, the destructor again for nothing left.
    void ReleaseAll();
    void LoadSysColors();
    void SetSelected(int nRow, BOOL bSelect, BOOL& bChanged);
    int FindSel(int nRow) const; // position of the first entry not below nRow
    void MoveColumnSubItems(int nFrom, int nTo);
    // The row's top in client coordinates; with bWithinView the count stops below the view
    // (the result is then only known to be at or past its bottom).
    int RowTop(int nRow, BOOL bWithinView = FALSE);
    void RowAreaFill(CDC* pDC, const CRect& rect);
    BOOL HasFocusNow() const;
    void EraseDropMark();
    void DrawDropMark(int x);
    void ScrollToTrackPos(int nBar);
    void MoveViewFrom(int nOldTop);

    CWnd* m_pWnd = NULL;
    // The view wants every state flag of GetNextItem on a row, the window any; the view's tree
    // reports a caret moved by the program as moved by keyboard.
    BOOL m_bViewHosted = FALSE;

    // Rows, columns, selection
    std::vector<SECListItem*> m_arrItems;
    std::vector<SECListColumn*> m_arrColumns;
    int m_nSubItemColumns = 0;
    std::vector<int> m_arrSel;
    int m_nFocusIndex = -1;
    int m_nAnchorIndex = -1;
    int m_nDropHilite = -1;
    int m_nTopIndex = 0;
    int m_nHorzOffset = 0;
    DWORD m_dwListStyle = 0;
    DWORD m_dwListStyleEx = 0;
    UINT m_nStateCallbackMask = 0;
    UINT m_nExCallbackMask = 0;

    // Colours and fonts
    COLORREF m_rgbText, m_rgbBk, m_rgbSelText, m_rgbSelBk, m_rgbGrayText, m_rgbSecondary, m_rgbSelSecondary,
        m_rgbTipBk, m_rgbTipText, m_rgbWindowBk;
    HFONT m_hLabelFont = NULL;
    HFONT m_hHeaderFont = NULL;
    BOOL m_bUseSysColors = FALSE;
    CWnd* m_pNotifyWnd = NULL;
    CImageList* m_pImageLists[4] = {NULL, NULL, NULL, NULL};
    BOOL m_bImmediateUpdate = FALSE;
    BOOL m_bLayoutDirty = FALSE; // rows changed without immediate update: the next paint lays out
    int m_cxLabelMax = 0;        // widest measured single-line label (right edge + 5)
    int m_cxLaidOut = 0;         // the total width the horizontal bar was last set for
    int m_nPaintFocus = -1;      // whether the list has the focus, fixed for one paint pass
    char* m_pszTextBuffer;
    // The measuring scopes' shared DC and context, made when the first row needs them.
    int m_nMeasuringScopes = 0;
    CDC* m_pMeasuringDC = NULL;
    BOOL m_bDeleteMeasuringDC = FALSE;
    SECListPaintContext* m_pMeasuringContext = NULL;
    BOOL m_bMeasuringFocus = FALSE; // the scope fixed m_nPaintFocus while it measures
    SECListEdit* m_pEdit;
    SECListTip* m_pTip;
    int m_nEditRow = -1;
    int m_nEditSubItem = 0;
    CString m_strTextBeforeEdit;
    BOOL m_bEndEditGuard = FALSE;
    LRESULT m_lLastResult = 0;

    // Type-ahead
    CString m_strTypeAhead;
    UINT m_nTypeAheadFlags = 0;
    UINT_PTR m_nTypeAheadTimer = ListTimer::TYPE_AHEAD;
    UINT m_nTypeAheadPeriodMs = ListTimer::TYPE_AHEAD_MS;
    UINT_PTR m_nEditTimer = 0;
    UINT_PTR m_nScrollTimer = 0;

    // Header and scroll bars
    int m_cyHeader = ListMetrics::HEADER_HEIGHT;
    HCURSOR m_hResizeCursor = NULL;
    CScrollBar* m_pHScroll = NULL;
    CScrollBar* m_pVScroll = NULL;
    BOOL m_bHScrollShown = FALSE;
    BOOL m_bVScrollShown = FALSE;

    // Input state
    int m_nClickRow = -1;
    int m_nClickColumn = 0;
    CPoint m_ptButtonDown{0, 0};
    BOOL m_bArmed = FALSE;
    BOOL m_bItemDrag = FALSE;
    BOOL m_bHeaderDrag = FALSE;
    int m_nPressedColumn = -1;
    int m_nDropPosition = -1;
    BOOL m_bOverDivider = FALSE;
    BOOL m_bVetoed = FALSE;
    CImageList* m_pHeaderDragImage = NULL;
    int m_nWheelDelta = 0;
    BOOL m_bRightButtonDrag = FALSE;

    // Shared by every list: the colours of unfocused selections and of the header.
    static COLORREF s_rgbMenu, s_rgbMenuText, s_rgbBtnFace;
};
