// SECDefDockTargetBase: a node that takes dropped nodes. It shows where a node would go by putting
// a stand-in node in for a moment, and never offers itself for a drag of itself or an ancestor.
#pragma once
#include "uilib/frames/dockengine/DockRoleInterfaces.h"

class SECDefDockTargetBase : public ISECDockTarget, public ISECHookDockTargetHitTester
{
  public:
    // Overridables (target)
    SECLayoutNode* GetTargetNode() override;
    BOOL GetFeedbackRect(const POINT* pt, RECT* pRect, SECLNDockingMgr* pMgr,
                         SECDockInProgressInfo* pInfo) override;
    BOOL AcceptDrop(ISECDockableNode* pDockable, const POINT* pt, SECLNDockingMgr* pMgr,
                    SECDockInProgressInfo* pInfo) override;
    SECLayoutNode* CreateInsertionNode() override;
    BOOL TrackOverTarget(SECLayoutNode* pNode, POINT ptContainer, POINT ptScreen, BOOL bDrop,
                         SECLNDockingMgr* pMgr, SECDockInProgressInfo* pInfo) override;
    BOOL LeaveTarget(SECLayoutNode* pNode) override;

    // Hit-test hook
    DWORD HookTargetHitTest(const POINT* ptContainer, SECLayoutNode* pChild) override;
};
