// SECDynGridLineTarget: a dock area's grid as a dock target. While a node is dragged over it, the
// node is put in at the place the cursor names (a line of its own near a docked node's leading or
// trailing edge or beyond the grid's ends, else into the line under the cursor), so the layout
// shows the result at once; at the drop the dragged node itself goes in.
#pragma once
#include "uilib/frames/dockengine/DefDockTargetBase.h"
#include "uilib/frames/dockengine/DynamicGrid2d.h"

class SECDynGridLineTarget : public SECLNDynamicGrid2d, public SECDefDockTargetBase, public ISECOffNodeHitTest
{
  public:
    // Construction
    SECDynGridLineTarget();

    // Overridables (grid)
    int InsertNode(SECLayoutNode* pNode, SECDynGridInsertConstraints* pConstraints) override;
    int RemoveLayoutChild(SECLayoutNode* pNode) override;
    // The grid's record plus the target's side.
    BOOL GetNodeConstraints(SECLayoutNode* pNode, SECDynGridInsertConstraints* pConstraints) override;

    // Overridables (target)
    BOOL TrackOverTarget(SECLayoutNode* pNode, POINT ptContainer, POINT ptScreen, BOOL bDrop,
                         SECLNDockingMgr* pMgr, SECDockInProgressInfo* pInfo) override;
    BOOL LeaveTarget(SECLayoutNode* pNode) override;

    // Off-node test: the catch zones beyond the grid's start and end while it grows to fit.
    BOOL HitTestOffNode(const POINT* ptContainer) override;

    // Operations
    // Whether pt (container coordinates) lies in pNode's leading or trailing zone (bInside) or in
    // the catch zone before or after it; sets bAfter of the record.
    virtual BOOL HitTestZones(SECLayoutNode* pNode, POINT pt, SECDynGridInsertConstraints* pConstraints,
                              BOOL bInside);
    // Whether pt makes a new line; sets the reference node (NULL: at the grid's head or tail).
    virtual BOOL HitTest(POINT pt, SECDynGridInsertConstraints* pConstraints);

    // Attributes
    void SetDockPosition(int nPosition)
    {
        m_nDockPosition = nPosition;
    }
    int GetDockPosition() const
    {
        return m_nDockPosition;
    }
    SECLayoutNode* GetPreviewNode() const
    {
        return m_pPreviewNode;
    }
    BOOL WasEmptied() const
    {
        return m_bWasEmptied;
    }

  protected:
    void NegotiateWithHost();

    int m_nOffNodeMargin;
    float m_fNodeEdgeFraction;
    SECLayoutNode* m_pPreviewNode;
    BOOL m_bWasEmptied;
    int m_nRememberedThickness;
    int m_nDockPosition;
    SECOrientedRect m_rectBeforePreview;
};
