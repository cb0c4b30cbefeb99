// SECLNSizable: a bordered node whose borders are live splitter bars. Each sizable edge holds a
// virtual splitter; a drag on it becomes a pending edge change, and the highest negotiating
// ancestor lays out again. SECLNSizableDockBorder is the dock-border variant, collapsing when its
// content is hidden. The node owns its edge splitters.
#pragma once
#include "uilib/frames/layout/DockInterfaces.h"
#include "uilib/frames/layout/LNBorder.h"
#include "uilib/frames/layout/LayoutNodeSplitter.h"
#include "uilib/frames/layout/NegotiableChildNode.h"

// Sizable edges.
#define SEC_EDGE_TOP 0x0001
#define SEC_EDGE_BOTTOM 0x0002
#define SEC_EDGE_LEFT 0x0004
#define SEC_EDGE_RIGHT 0x0008

// Control id of edge splitter windows.
#define SEC_IDC_EDGE_SPLITTER 60911

class SECLNSizable : public SECLNBorder_T<SECLayoutNode>,
                     public SECParentOfNegotiableChildNode,
                     public ISECVirtualSplitterObserver
{
  public:
    // Construction
    SECLNSizable();
    ~SECLNSizable() override;

    // Overridables
    int AddLayoutChild(SECLayoutNode* pChild) override;
    int RemoveLayoutChild(SECLayoutNode* pChild) override;
    SECLayoutNode* GetWrappedNode() override
    {
        return m_pSizedChild;
    }
    int HasWrappedNode() override;
    void GrowToChildLimits(RECT& rc) override;
    void CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce) override;
    BOOL OnSplitterMoved(SECLNVirtualSplitter* pSplitter, int dx, int dy) override;
    virtual BOOL SetSizingEdges(CWnd* pHost, BOOL bEnableBars, DWORD dwEdges);
    virtual void EnableSizing(BOOL bEnable, BOOL bEnableBars, BOOL bRealize);
    virtual SECLNVirtualSplitter* NewEdgeSplitter();
    virtual SECLNVirtualSplitter* CreateEdgeSplitter(CWnd* pHost, SECLNVirtualSplitter* pExisting,
                                                     BOOL bEnableBars, BOOL bOrientation);
    virtual SECLNVirtualSplitter* DestroyEdgeSplitter(SECLNVirtualSplitter* pSplitter);
    virtual void PlaceEdgeSplitters(const RECT& rc);
    virtual void SetSizingLimits(const RECT& rcLimits, BOOL bRecalc);

    // Attributes
    DWORD GetSizingEdges() const
    {
        return m_dwEdges;
    }
    SECLNVirtualSplitter* GetEdgeSplitter(int nEdge) const
    {
        return m_pEdges[nEdge];
    } // 0 top .. 3 right

  protected:
    SECLNVirtualSplitter* m_pEdges[4]; // top, bottom, left, right
    SECLayoutNode* m_pSizedChild;
    DWORD m_dwEdges;
    DWORD m_dwRememberedEdges;
    CWnd* m_pHost;
    RECT m_rcSizingLimits;
    BOOL m_bSkipBorderGrowth;

    ISECLNContainer* HostContainer(SECLNHwndContainer& container);
    void ApplyEdgeBorders();
};

class SECLNSizableDockBorder : public SECLNSizable, public ISECDockEventReceiver
{
  public:
    SECLNSizableDockBorder() : m_nDockSide(0)
    {
    }

    BOOL OnDockEvent(SECLayoutNode* pNode, SECLayoutNode* pOldParent, SECLayoutNode* pNewParent,
                     SECLayoutNode* pTarget, CPtrList* pAffected) override;
    BOOL OnSplitterMoved(SECLNVirtualSplitter* pSplitter, int dx, int dy) override;

    // 0 top, 1 bottom, 2 left, 3 right.
    int m_nDockSide;
};
