// SECLNDynamicGridLine: one line of a dock area. It lays its nodes side by side along its axis
// (the node orientation) and puts a virtual splitter between neighbouring resizable nodes, which
// the user drags to trade length between them. Lengths follow the line's length by one of three
// sizing modes. The line owns its splitters and cell records; the nodes belong to their
// factories' memory managers.
#pragma once
#include "uilib/frames/dockengine/DynGridInsertConstraints.h"
#include "uilib/frames/dockengine/OrientedRect.h"
#include "uilib/frames/dockengine/UndoableNode.h"
#include "uilib/frames/layout/HideableNode.h"
#include "uilib/frames/layout/LayoutNodeSplitter.h"
#include "uilib/frames/layout/NegotiableChildNode.h"
#include "uilib/frames/layout/ReparentableNode.h"

// Control id of the splitter windows between docked nodes.
#define SEC_IDC_GRID_SPLITTER 60911

// Sizing modes: who takes a change of the line's length.
#define SEC_DYNGRID_SIZE_FROM_HEAD 0
#define SEC_DYNGRID_SIZE_FROM_TAIL 1
#define SEC_DYNGRID_SIZE_EVEN 2

// A node's place in a line.
struct SECLNDynamicGridLineCell
{
    BOOL bResizable = FALSE;
    SECLNVirtualSplitter* pSplitterBefore = NULL;
    SECLNVirtualSplitter* pSplitterAfter = NULL;
};

class SECLNDynamicGridLine : public SECLayoutNode,
                             public ISECUndoableNode,
                             public ISECVirtualSplitterObserver,
                             public SECDefReparentableNode,
                             public SECParentOfNegotiableChildNode,
                             public SECDefHideableNode
{
  public:
    // Construction
    SECLNDynamicGridLine();
    ~SECLNDynamicGridLine() override;

    // Overridables (layout node)
    int AddLayoutChild(SECLayoutNode* pNode) override;
    int RemoveLayoutChild(SECLayoutNode* pNode) override;
    void CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce) override;

    // Overridables (line)
    virtual void EnableSplitters(BOOL bEnable);
    virtual void Initialize(HWND hWndHost, BOOL bHorizontal);
    // The number of nodes after the insertion, -1 on failure.
    virtual int InsertNode(SECLayoutNode* pNode, SECDynGridInsertConstraints* pConstraints);
    // The node under pt along the axis, or the first one beyond it; *pbAfter when pt is at or past
    // the node's middle. NULL past the last node.
    virtual SECLayoutNode* FindNodeAt(POINT pt, BOOL* pbAfter, SECLNDynamicGridLine** ppLine);
    virtual BOOL ContainsNode(SECLayoutNode* pNode) const;
    virtual int GetNodeCount() const;
    virtual SECLayoutNode* GetFirstNode() const;
    virtual SECLNVirtualSplitter* GetSplitterAfter(SECLayoutNode* pNode, BOOL bAfter) const;
    virtual SECLNDynamicGridLineCell* GetCell(SECLayoutNode* pNode) const;
    // An empty line's average is 0.
    virtual int GetAverageLength(BOOL bOneMore) const;
    virtual void CollectNodes(CPtrList& list) const;
    // A record that would put the node back where it is; FALSE for a node not in the line.
    virtual BOOL GetNodeConstraints(SECLayoutNode* pNode, SECDynGridInsertConstraints* pConstraints);
    virtual void DistributeLength(int nTotal, SECLayoutNode* pExclude);
    virtual void LayoutCells(const RECT& rc);

    // Undo (the parent's side of a drag that takes a node out)
    ISECUndoableNode* GetUndoObject() override;
    int RemoveWithUndo(SECLayoutNode* pNode) override;
    int RestoreRemoved() override;
    // Puts pNode back with the record kept when it was taken out.
    int RestoreRemovedIf(SECLayoutNode* pNode) override;

    // Moving to another container window
    BOOL SetContainer(ISECLNContainer* pContainer) override;

    // Splitter drags
    BOOL OnSplitterMoved(SECLNVirtualSplitter* pSplitter, int dx, int dy) override;

    // Operations
    void SetGrowToFit(BOOL bGrow);
    BOOL GetGrowToFit() const
    {
        return m_bGrowToFit;
    }
    void SetSizingMode(int nMode)
    {
        m_nSizingMode = nMode;
    }
    int GetSizingMode() const
    {
        return m_nSizingMode;
    }
    HWND GetHostWindow() const
    {
        return m_hWndHost;
    }
    // The nodes in line order.
    SECLayoutNode* GetNodeAt(int nIndex) const;
    int IndexOfNode(SECLayoutNode* pNode) const;
    // Limits a node's rectangle to its size limits, right and bottom edges moving.
    static void PASCAL ConstrainNodeRect(SECLayoutNode* pNode, RECT& rc);

  protected:
    // A 2-D grid's nodes are lines with an orientation of their own.
    virtual BOOL OrientsInsertedNode(const SECDynGridInsertConstraints* pConstraints) const;
    SECLNVirtualSplitter* MakeSplitter();
    void DestroySplitter(SECLNVirtualSplitter* pSplitter);
    void LinkSplitters(SECLayoutNode* pNode);
    void UnlinkSplitters(SECLayoutNode* pNode);
    int CountSplitters() const;
    int NodeLength(SECLayoutNode* pNode) const;
    void SetNodeLength(SECLayoutNode* pNode, int nLength);
    int NodeMinLength(SECLayoutNode* pNode) const;
    // Changes the node's length by up to nDelta within its limits; what it took.
    int ResizeWithinLimits(SECLayoutNode* pNode, int nDelta);
    // The sequential rule over the nodes other than pExclude; what was left.
    int DistributeSequential(int nDiff, BOOL bFromTail, SECLayoutNode* pExclude);
    // Asks the parents for room after a grow-to-fit change.
    void NegotiateGrowth();
    // A splitter drag: the nodes from posFrom outward shrink (bGrow FALSE) or grow by up to
    // nAmount within their limits; the amount, and the last node changed. bApply FALSE measures.
    int MoveRoom(POSITION posFrom, BOOL bTowardTail, BOOL bGrow, BOOL bApply, int nAmount,
                 SECLayoutNode*& pLast);

    int m_nSizingMode;
    CPtrList m_cells;
    CTypedPtrMap<CMapPtrToPtr, SECLayoutNode*, SECLNDynamicGridLineCell*> m_cellMap;
    HWND m_hWndHost;
    BOOL m_bGrowToFit;
    BOOL m_bSplittersEnabled;
    SIZE m_extra;
    SIZE m_savedMin;
    SIZE m_savedMax;
    DWORD m_nSavedMinMaxFlags;
    SECLayoutNodeMemoryManager m_splitterMemMgr;
    SECDynGridInsertConstraints m_defaultConstraints;
    tessaron::foundation::SECObjectMemoryManager_T<SECDynGridInsertConstraints> m_constraintsMemMgr;
    CTypedPtrMap<CMapPtrToPtr, SECLayoutNode*, SECDynGridInsertConstraints*> m_constraintsMap;
    // The last node taken out for undo and where it was.
    SECDynGridInsertConstraints m_undoConstraints;
    SECLayoutNode* m_pUndoNode;
};
