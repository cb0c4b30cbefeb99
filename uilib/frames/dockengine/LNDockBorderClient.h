// SECLNDockBorderClient: the root of a frame's docking layout, a border client that decides
// before every layout which sides of the dock areas' client edges are drawn, and that hands out
// the dock target of each side.
#pragma once
#include "uilib/frames/dockengine/DockingNodeConstraints.h"
#include "uilib/frames/layout/LNBorderClient.h"
#include "uilib/frames/layout/LNBorderClientEdge.h"

class SECFrameDockingFeature;

class SECLNDockBorderClient : public SECLNBorderClient, public ISECBorderTargetParent
{
  public:
    // Construction
    SECLNDockBorderClient() : m_pFeature(NULL), m_nEdgeTolerance(3)
    {
    }

    // Overridables
    void CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce) override;
    virtual void UpdateDockEdges();
    virtual BOOL DockAreaHasContent(SECLNBorderClientEdge* pEdge);
    // Whether the frame's client area reaches more than the tolerance beyond this node's left
    // and right edges.
    virtual void GetEdgeOverhang(BOOL* pbLeft, BOOL* pbRight);
    ISECDockTarget* GetDockTargetAt(int nPosition) override;

    // Attributes
    SECFrameDockingFeature* m_pFeature;
    int m_nEdgeTolerance;
};
