// SECFrameDockingFeature: the docking feature a frame holds. Its root draws the dock areas' edges
// by their content, its areas are grid dock targets, and it docks nodes at a side, line and
// index with default insertion constraints of its own.
#pragma once
#include "uilib/frames/dockengine/FrameDockingFeatureBase.h"
#include "uilib/frames/dockengine/LNDockBorderClient.h"

class SECFrameDockingFeature : public SECFrameDockingFeatureBase
{
  public:
    // Overridables
    BOOL DockNode(SECLayoutNode* pNode) override;
    BOOL OnDelayedRecalc() override;
    SECDynGridLineTarget* CreateDockTarget(SECLNSizableDockBorder* pSizableBorder, int nPosition,
                                           CFrameWnd* pFrame) override;
    SECLNBorderClient* NewBorderClient() override;
    // New line: a line of its own nSize thick; else it joins a line with nSize as its length.
    virtual BOOL DockNodeEx(SECLayoutNode* pNode, DWORD dwAlignStyle, int nSize, BOOL bNewLine);
    virtual BOOL DockNodeWithConstraints(SECLayoutNode* pNode, SECDockInsertionConstraints* pConstraints);
    virtual BOOL SetDockAreaOptions(DWORD dwAlignStyle, const int* pOptions, BOOL bRecalc);
    // pOptions: sizing of the area, grow-to-fit of its grid, splitters.
    virtual BOOL SetDockAreaOptionsAt(int nPosition, const int* pOptions, BOOL bRecalc);
    virtual BOOL SetAllDockAreaOptions(const int* pOptions, BOOL bRecalc);
    virtual void GetDockEdges(SECLNBorderClientEdge** ppTop, SECLNBorderClientEdge** ppBottom,
                              SECLNBorderClientEdge** ppLeft, SECLNBorderClientEdge** ppRight);

    // Attributes
    SECDockInsertionConstraints m_defaultInsertConstraints;
};
