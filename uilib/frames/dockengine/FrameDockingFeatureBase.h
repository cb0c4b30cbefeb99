// SECFrameDockingFeatureBase: gives a frame a docking area made of layout nodes. Initialised, it
// builds around the frame's client window a border client with a dock area on each chosen side
// (an edge, a sizable border and a docking grid) and keeps it laid out whenever MFC lays out the
// frame's bars. It owns the virtual dock bar, the docking listener, a private manager when asked
// for one, and every node it builds.
#pragma once
#include "uilib/frames/dockengine/DockingListener.h"
#include "uilib/frames/dockengine/DynGridLineTarget.h"
#include "uilib/frames/dockengine/VirtualDockbar.h"
#include "uilib/frames/layout/LNBorderClientEdge.h"
#include "uilib/frames/layout/LNSizable.h"

class SECFrameDockingFeatureBase : public ISECLNBorderClientEventRcvr
{
  public:
    // Construction
    SECFrameDockingFeatureBase();
    ~SECFrameDockingFeatureBase() override;
    SECFrameDockingFeatureBase(const SECFrameDockingFeatureBase&) = delete;
    SECFrameDockingFeatureBase& operator=(const SECFrameDockingFeatureBase&) = delete;

    // Overridables
    void OnClientRectChanged(const RECT& rcClient) override;
    virtual BOOL Initialize(CFrameWnd* pFrame, DWORD dwDockStyle, BOOL bPrivateMgr,
                            SECLNDockingMgr* pDockingMgr);
    virtual BOOL DockNodeAt(SECLayoutNode* pNode, int nPosition);
    virtual BOOL DockNode(SECLayoutNode* pNode);
    virtual BOOL RegisterDockableNode(SECLayoutNode* pNode, const RECT* pFloatRect);
    virtual BOOL ShowNode(SECLayoutNode* pNode, BOOL bShow);
    virtual BOOL ToggleNode(SECLayoutNode* pNode);
    virtual BOOL IsNodeVisible(SECLayoutNode* pNode, BOOL bCheckContainer);
    virtual void SetArrangementMode(int nMode, BOOL bRecalc);
    virtual BOOL SetNodeDockOptions(SECLayoutNode* pNode, int a, int b, const RECT* pFloatRect);
    // A real layout (hDWP set) lays the tree out and answers TRUE; a query only reports.
    virtual BOOL OnSizeParent(AFX_SIZEPARENTPARAMS* pParams);
    virtual BOOL OnDelayedRecalc();
    virtual BOOL CreateLayout(CFrameWnd* pFrame, DWORD dwDockStyle);
    virtual BOOL CreateDockingListener(CFrameWnd* pFrame, SECLayoutNode* pRoot, SECLNDockingMgr* pDockingMgr);
    virtual SECDynGridLineTarget* CreateDockTarget(SECLNSizableDockBorder* pSizableBorder, int nPosition,
                                                   CFrameWnd* pFrame);
    virtual SECVirtualDockbar* NewVirtualDockbar();
    virtual SECLNBorderClientEdge* NewDockEdge();
    virtual SECLNSizableDockBorder* NewSizableDockBorder();
    virtual SECLNBorderClient* NewBorderClient();
    virtual SECLayoutNode* NewClientNode();
    virtual SECDockingListener* NewDockingListener();
    virtual SECLNDockingMgr* NewDockingMgr(BOOL bShared);
    virtual BOOL BuildClientNode(CFrameWnd* pFrame);
    virtual BOOL BuildDockEdges(CFrameWnd* pFrame, DWORD dwDockStyle);
    virtual BOOL BuildSizableBorders(CFrameWnd* pFrame);
    virtual BOOL BuildDockTargets(CFrameWnd* pFrame);
    virtual SECLNSizableDockBorder* GetSizableDockBorder(int nPosition);
    virtual SECDynGridLineTarget* GetDockTarget(int nPosition);
    virtual SECLNDockingMgr* SelectDockingMgr(BOOL bPrivate, SECLNDockingMgr* pDockingMgr);
    virtual DWORD GetPositionStyle(int nPosition, BOOL* pbHorizontal);
    virtual void UpdateSizingLimits();
    virtual SECDockingNodeConstraints* GetNodeConstraints(SECLayoutNode* pNode, SECLNDockingMgr* pDockingMgr);

    // Operations
    // Side position from alignment bits: left 2, top 0, right 3, bottom 1 (tested in that order).
    static int PASCAL PositionFromStyle(DWORD dwStyle);
    // How dock initiators read a side: 2 and 3 kept, other sides 1, 0 stays 0.
    static int PASCAL InitiatorPosition(int nPosition);
    static int PASCAL GetFeatureCount();

    // Attributes
    SECLNDockingMgr* GetDockingMgr() const
    {
        return m_pDockingMgr;
    }
    SECLayoutNode* GetLayoutRoot() const
    {
        return m_pLayoutRoot;
    }
    SECLayoutNode* GetClientNode() const
    {
        return m_pClientNode;
    }
    SECVirtualDockbar* GetVirtualDockbar() const
    {
        return m_pVirtualDockbar;
    }
    SECDockingListener* GetDockingListener() const
    {
        return m_pDockingListener;
    }
    SECLNBorderClientEdge* GetDockEdge(int nPosition) const
    {
        return nPosition >= 0 && nPosition < 4 ? m_pDockEdge[nPosition] : NULL;
    }

  protected:
    void TrackNode(SECLayoutNode* pNode);

    SECVirtualDockbar* m_pVirtualDockbar;
    SECDockingListener* m_pDockingListener;
    SECLNDockingMgr* m_pPrivateDockingMgr;
    SECLNDockingMgr* m_pDockingMgr;
    SECLayoutNodeMemoryManager m_nodeMemMgr;
    SECLNBorderClient* m_pRootNode;
    SECLNBorderClientEdge* m_pDockEdge[4];
    SECLNSizableDockBorder* m_pSizableBorder[4];
    SECDynGridLineTarget* m_pDockTarget[4];
    SECLayoutNode* m_pClientNode;
    SECLayoutNode* m_pLayoutRoot;

    static SECLNDockingMgr* s_pSharedDockingMgr;
};
