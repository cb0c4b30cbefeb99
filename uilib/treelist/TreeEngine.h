// SECTreeEngine: the tree on top of the list engine. Items live in a tree of _Node objects; the
// list holds exactly one row per shown node, in display order. Programming interface, records,
// codes and notifications are those of the platform's tree view. Like the list engine it is the
// same for every host: the tree templates (SECTreeBase over SECListCtrl or SECListView) derive
// from it beside their list and map the tree's messages to it. It shares the one list engine
// with that list, a virtual base, so that its operations replace the list's. The implementation
// is split by role over the TreeEngine*.cpp files.
#pragma once
#include "ListEngine.h"
#include "Node.h"
#include "SubItemTextStorage.h"
#include <algorithm>
#include <unordered_set>

// A list row of the tree: it knows its node.
class SECTreeRow : public SECListItem
{
  public:
    _Node* m_pNode = nullptr;
    int m_nIndexHint = -1;
};

namespace TreeStyle
{
constexpr DWORD HAS_BUTTONS = 0x0001;
constexpr DWORD HAS_LINES = 0x0002;
constexpr DWORD LINES_AT_ROOT = 0x0004;
constexpr DWORD EDIT_LABELS = 0x0008;
constexpr DWORD DISABLE_DRAG = 0x0010;
constexpr DWORD SHOW_SEL_ALWAYS = 0x0020;
constexpr DWORD SINGLE_EXPAND = 0x0400;
constexpr DWORD KEPT = 0x0417;
constexpr DWORD FROM_WINDOW_STYLE = 0x043F;
// Extended
constexpr DWORD EX_MULTI_SELECT = 0x00100000;
constexpr DWORD EX_WORD_WRAP = 0x00200000;
constexpr DWORD EX_HEADER = 0x00400000;
constexpr DWORD EX_ITEM_TIPS = 0x00800000;
constexpr DWORD EX_ANIMATE = 0x01000000;
constexpr DWORD EX_AUTO_EXPAND = 0x02000000;
constexpr DWORD EX_SORT_HEADER = 0x04000000;
constexpr DWORD EX_DRAG_COLUMNS = 0x08000000;
constexpr DWORD EX_FROM_WINDOW_STYLE = 0x03F00000;
} // namespace TreeStyle

namespace TreeHit
{
constexpr UINT NOWHERE = 0x0001;
constexpr UINT ON_ITEM_ROW = 0x4000;
constexpr UINT ON_LABEL = 0x4004;
constexpr UINT ON_IMAGE = 0x4002;
constexpr UINT RIGHT_OF_LABEL = 0x4020;
constexpr UINT ON_STATE_IMAGE = 0x4040;
constexpr UINT ON_BUTTON = 0x4010;
constexpr UINT ON_INDENT = 0x4008;
constexpr UINT ABOVE = 0x0100;
constexpr UINT BELOW = 0x0200;
constexpr UINT TO_RIGHT = 0x0400;
constexpr UINT TO_LEFT = 0x0800;
constexpr UINT ON_DIVIDER = 0x1000;
constexpr UINT ON_HEADER = 0x2000;
} // namespace TreeHit

// The sorted insert-after handles (sign-extended like the system's TVI_ values).
#define SEC_TVI_SORT_DESCENDING ((HTREEITEM)(ULONG_PTR)-0xFFF0)
// The auto-expand timer has an id of its own (the type-ahead uses 3).
constexpr UINT_PTR SEC_TREE_AUTO_EXPAND_TIMER = 4;
// The label's highlight marker.
#define SEC_TREE_HIGHLIGHT_MARKER "\\{HI}"

// The tree's paint context: the row's item record and node.
class SECTreePaintContext : public SECListPaintContext
{
  public:
    explicit SECTreePaintContext(CDC* pDC) : SECListPaintContext(pDC)
    {
        memset(&m_tvi, 0, sizeof(m_tvi));
    }
    TVITEMA m_tvi;
    DWORD m_dwTreeFlags[3] = {0, 0, 0};
    _Node* m_pNode = nullptr;
    UINT m_nStateEx = 0;
};

class SECTreeEngine : public virtual SECListEngine
{
  public:
    // Construction
    SECTreeEngine();
    ~SECTreeEngine() override;
    BOOL CreateEx(DWORD dwStyle, DWORD dwExStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                  CCreateContext* pContext = NULL) override;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                CCreateContext* pContext = NULL) override;
    BOOL CreateFromDlgItem(UINT nID, CWnd* pParent) override;
    void SplitCreateStyles(CREATESTRUCT& cs) override;

    // Items
    HTREEITEM InsertItem(LPTVINSERTSTRUCTA pInsert);
    HTREEITEM InsertItem(LPCTSTR lpszText, HTREEITEM hParent = TVI_ROOT, HTREEITEM hAfter = TVI_LAST);
    using SECListEngine::InsertItem;
    virtual BOOL SetItem(TVITEMA* pItem);
    virtual BOOL GetItem(TVITEMA* pItem, BOOL bCopyText = TRUE, BOOL bResolve = TRUE);
    BOOL SetItem(const LVITEMA* pItem, BOOL bRedraw = TRUE) override;
    BOOL GetItem(LVITEMA* pItem, BOOL bCopyText = TRUE, BOOL bNotify = TRUE) override;
    using SECListEngine::SetItem;
    virtual BOOL DeleteItem(HTREEITEM hItem);
    using SECListEngine::DeleteItem;
    BOOL DeleteAllItems() override;
    CString GetItemText(HTREEITEM hItem, int nCol = 0);
    using SECListEngine::GetItemText;
    virtual BOOL SetItemColumnText(HTREEITEM hItem, int nCol, LPCTSTR lpszText);
    virtual BOOL SetItemLabel(HTREEITEM hItem, LPCTSTR lpszText);
    DWORD_PTR GetItemData(HTREEITEM hItem);
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    using SECListEngine::GetItemData;
    using SECListEngine::SetItemData;
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nMask);
    using SECListEngine::SetItemState;
    UINT GetItemStateBits(HTREEITEM hItem, UINT nMask);
    virtual BOOL SetItemStateEx(HTREEITEM hItem, UINT nStateEx, BOOL bSet);
    virtual UINT GetItemStateEx(HTREEITEM hItem);
    virtual UINT QueryItemStateEx(HTREEITEM)
    {
        return 0;
    }
    UINT GetCount() const
    {
        return (UINT)m_nodes.size();
    }
    BOOL ItemHasChildren(HTREEITEM hItem);
    LPARAM GetItemParam(SECListItem* pItem) const override;
    BOOL IsCallbackItem(int nRow) override;

    // Navigation and selection
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode);
    using SECListEngine::GetNextItem;
    HTREEITEM GetSelectedItem()
    {
        return GetNextItem((HTREEITEM)NULL, TVGN_CARET);
    }
    HTREEITEM GetRootItem()
    {
        return GetNextItem((HTREEITEM)NULL, TVGN_ROOT);
    }
    HTREEITEM GetChildItem(HTREEITEM h)
    {
        return GetNextItem(h, TVGN_CHILD);
    }
    HTREEITEM GetNextSiblingItem(HTREEITEM h)
    {
        return GetNextItem(h, TVGN_NEXT);
    }
    HTREEITEM GetParentItem(HTREEITEM h)
    {
        return GetNextItem(h, TVGN_PARENT);
    }
    BOOL Select(HTREEITEM hItem, UINT nCode);
    BOOL SelectItem(HTREEITEM hItem);
    using SECListEngine::SelectItem;
    BOOL SelectDropTarget(HTREEITEM hItem, BOOL bMakeVisible = TRUE);
    BOOL EnsureItemVisible(HTREEITEM hItem, BOOL bWithParent = FALSE);
    BOOL ScrollItemToTop(HTREEITEM hItem);
    UINT GetDescendantCount(HTREEITEM hItem, BOOL bRecurse, BOOL bExpandedOnly);
    virtual BOOL InvalidateItemRow(HTREEITEM hItem, BOOL bLabelOnly, BOOL bErase, BOOL bEraseNow,
                                   BOOL bUpdateNow);
    BOOL NodeHasRow(HTREEITEM hItem) const;
    BOOL SyncRows();
    // The expanded state of every node below hItem (null: the root), in display order.
    void SaveExpandState(HTREEITEM hItem, std::vector<BYTE>& states);
    void RestoreExpandState(HTREEITEM hItem, const std::vector<BYTE>& states);
    virtual BOOL Expand(HTREEITEM hItem, UINT nCode, BOOL bRedraw = TRUE, BOOL bForce = FALSE);
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = NULL);
    HTREEITEM HitTest(TVHITTESTINFO* pInfo);
    using SECListEngine::HitTest;
    UINT GetIndent() const
    {
        return m_nIndent;
    }
    void SetIndent(UINT nIndent);
    virtual BOOL CompareItems(HTREEITEM hItem1, HTREEITEM hItem2);
    virtual int CompareItemTexts(HTREEITEM hItem1, HTREEITEM hItem2);
    virtual void RedrawItem(HTREEITEM hItem);
    int RowOfItem(HTREEITEM hItem);
    HTREEITEM ItemOfRow(int nRow) const;

    // Sub-item storage
    virtual void UseSubItemStorage(BOOL bOn);
    virtual BOOL HasSubItemStorage() const
    {
        return m_pStorage != NULL;
    }

    // Styles
    virtual void GetStyles(DWORD& dwStyle, DWORD& dwExStyle) const;
    virtual void SetStyles(DWORD dwStyle, DWORD dwExStyle, BOOL bRedraw = TRUE);
    virtual DWORD GetTreeStyle() const;
    virtual DWORD GetTreeStyleEx() const
    {
        return m_dwTreeStyleEx;
    }
    virtual void SetTreeStyle(DWORD dwStyle, BOOL bRedraw = TRUE);
    virtual void SetTreeStyleEx(DWORD dwExStyle, BOOL bRedraw = TRUE);
    virtual void ModifyTreeStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw = TRUE);
    virtual void ModifyTreeStyleEx(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw = TRUE);
    virtual void ModifyTreeStyles(DWORD dwRemove, DWORD dwAdd, DWORD dwRemoveEx, DWORD dwAddEx,
                                  BOOL bRedraw = TRUE);
    void SetMultiSelect(BOOL bMulti) override;
    void SetLabelWrap(BOOL bWrap) override;
    void EnableItemTips(BOOL bOn) override;
    void SetHeaderStyle(BOOL bNoHeader, BOOL bNoSortHeader) override;
    CImageList* SetImageList(CImageList* pImageList, int nKind) override;
    using SECListEngine::SetImageList;

    // Columns
    BOOL InsertColumn(int nCol, SECListColumn* pColumn, BOOL bRedraw = TRUE) override;
    using SECListEngine::InsertColumn;
    BOOL DeleteColumn(int nCol) override;
    using SECListEngine::DeleteColumn;
    void OnColumnMoved(int nFrom, int nTo) override;

    // Painting (TreeEnginePaint.cpp)
    BOOL PrepareCell(SECListPaintContext* pContext) override;
    SECListPaintContext* CreatePaintContext(CDC* pDC) override;
    HFONT GetCellFont(SECListPaintContext* pContext) override;
    void MeasureCell(SECListPaintContext* pContext, int& cy) override;
    void DrawCell(SECListPaintContext* pContext) override;
    virtual void CalcLabelRect(CDC* pDC, _Node* pNode, LPCSTR pszText, CRect& rect);
    virtual void DrawLines(SECTreePaintContext* pContext);
    virtual void DrawButton(SECTreePaintContext* pContext);
    virtual void DrawHorzLine(CDC* pDC, BOOL bPrinting, int x1, int x2, int y);
    virtual void DrawVertLine(CDC* pDC, BOOL bPrinting, int x, int y1, int y2);
    virtual int GetButtonRect(CRect& rect, int nRow, CPoint ptOrigin);
    virtual CImageList* CreateDragImage(HTREEITEM hItem);
    virtual HBITMAP CreateTextBitmap(CDC* pDC, LPCSTR pszText, CSize& size);
    virtual CImageList* CreateTextDragImage(CDC* pDC, LPCSTR pszText);
    virtual CImageList* CreateIconDragImage(CImageList* pList, int nImage);
    virtual CImageList* MergeDragImages(CImageList* pIcon, CImageList* pText);
    UINT GetRowStateBits(int nRow, UINT nMask) const override;

    // Notifications
    virtual LRESULT NotifyTreeGetDispInfo(TVITEMA* pItem);
    virtual LRESULT NotifyTreeSetDispInfo(TVITEMA* pItem);
    virtual LRESULT NotifyItemExpanding(_Node* pNode, UINT nAction);
    virtual LRESULT NotifyItemExpanded(_Node* pNode, UINT nAction);
    virtual void NotifyTreeDeleteItem(_Node* pNode);
    virtual _Node* CreateNode()
    {
        return new _Node;
    }
    BOOL OnSelChanging(int nRow, int nOldFocus, BOOL bByMouse) override;
    void OnSelChanged(int nRow, int nOldFocus, BOOL bByMouse) override;
    void OnBeginDrag(int nRow, CPoint pt) override;
    void OnBeginRDrag(int nRow, CPoint pt) override;
    LRESULT NotifyBeginLabelEdit(int nRow, int nSubItem) override;
    BOOL NotifyEndLabelEdit(int nRow, int nSubItem, CString& strText, BOOL bAccept) override;
    BOOL EndLabelEdit(BOOL bAccept) override;
    void NotifyKeyDown(UINT nKey) override;
    void NotifyDeleteItem(int) override
    {
    }
    LRESULT NotifyGetDispInfo(LVITEMA* pItem) override;
    void OnSetItemCallback(LVITEMA* pItem) override;

    // Keys
    void OnKeyLeft(int nFocus, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags) override;
    void OnKeyBack(int nFocus, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags) override;
    void OnKeyRight(int nFocus, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags) override;
    void OnKeyMultiply(int nFocus, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags) override;

    _Node* NodeFromHandle(HTREEITEM hItem) const;
    _Node* NodeOfRow(int nRow) const;
    LPCSTR PeekLabel(int nRow) const override;
    int RowOfNode(_Node* pNode);

  protected:
    // The tree's side of the message handlers the tree template maps.
    void OnDestroy(); // before the list's
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    BOOL OnAutoExpandTimer(UINT_PTR nIDEvent); // FALSE: another timer, the list's
    BOOL SwallowsChar(UINT nChar);             // expand and collapse keys never reach the type-ahead

    SECListItem* CreateItem() override;
    BOOL IsShown(_Node* pNode) const;
    BOOL HasChildrenFor(_Node* pNode);
    _Node* PrevShownNode(_Node* pNode) const;
    _Node* NextShownNode(_Node* pNode) const;
    BOOL AddRowFor(_Node* pNode, int nRow);
    void InsertDescendantRows(_Node* pNode, int& nPos);
    void RemoveDescendantRows(_Node* pNode, int nRow);
    int CountRowsBelow(_Node* pNode, int nRow);
    void RemoveRowOf(_Node* pNode);
    BOOL DeleteSingleNode(_Node* pNode);
    void ApplyToNode(_Node* pNode, const TVITEMA* pItem, UINT& nTell);
    void ApplyToRow(_Node* pNode, const TVITEMA* pItem);
    void FillRecord(_Node* pNode, TVITEMA* pItem);
    UINT InheritedStateEx(_Node* pNode) const;
    void ForEachNode(_Node* pFrom, void (*fn)(_Node*, void*), void* pData);
    LRESULT SendTree(NMHDR* pHdr, int nCode);
    void SendSelNotify(int nCode, int nRow, int nOldRow, UINT nAction, LRESULT* pResult);
    // The action a caret moved by the program reports: the view's tree says keyboard.
    UINT ProgrammaticAction() const
    {
        return m_bViewHosted ? TVC_BYKEYBOARD : 0;
    }
    _Node* SortedPlace(_Node* pParent, _Node* pNode, BOOL bDescending);
    LPCSTR TextToCompare(HTREEITEM hItem, CString& strAsked);
    int RowDepthX0(_Node* pNode) const;
    BOOL HasImageFor(_Node* pNode, int& nImage);
    void ExpandAll(_Node* pNode);
    static HFONT BoldFont(HFONT hFont);

    SECSubItemTextStorage* m_pStorage = NULL;
    _Node* m_pRoot = NULL;
    int m_nIndent = 20;
    DWORD m_dwTreeStyle = 0;
    DWORD m_dwTreeStyleEx = 0;
    UINT_PTR m_nAutoExpandTimer = 0;
    UINT m_nAutoExpandDelayMs = 1000;
    int m_nAnimationSteps = 5;
    int m_nAnimationCount = 0;
    BOOL m_bScrollOnExpand = 1;
    UINT m_nExpandAction = 0; // how a running expand or collapse was asked for: 1 mouse, 2 keys
    DWORD m_dwReserved = 0;
    // Every live item: handles are checked against it.
    std::unordered_set<_Node*, std::hash<_Node*>, std::equal_to<_Node*>, SECListPoolAllocator<_Node*>>
        m_nodes;
    // The children of the parent sorted into last, in order, while that order holds: sorted
    // insertion then halves instead of comparing with every sibling. Any other change of a
    // sibling chain empties it (ForgetSorted); a changed text shows in the stamp.
    struct SortedSiblings
    {
        _Node* pParent = nullptr;
        BOOL bDescending = FALSE;
        UINT nTextStamp = 0;
        size_t nInsertAt = 0;
        std::vector<_Node*> nodes;
        BOOL Matches(_Node* p, BOOL bDesc, UINT nStamp) const
        {
            return pParent == p && bDescending == bDesc && nTextStamp == nStamp;
        }
        void Insert(_Node* p)
        {
            nodes.insert(nodes.begin() + (std::ptrdiff_t)std::min(nInsertAt, nodes.size()), p);
        }
        void Reset()
        {
            pParent = nullptr;
            nodes.clear();
        }
    } m_sorted;
    UINT m_nTextStamp = 0;
};
