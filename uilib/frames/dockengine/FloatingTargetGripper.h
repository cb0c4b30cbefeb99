// SECFloatingTargetGripper: the floatable gripper around a floating grid target. After its own
// drag, when it stayed where it was, it tidies the grid it wraps: a single node left in a frame
// that does not float takes the gripper's place in its parent; otherwise the nodes show their
// borders when there are several and hide them when one is left. Made by the docking factory.
#pragma once
#include "uilib/frames/dockengine/FloatableDockingNode.h"
#include "uilib/frames/layout/LayoutNodeGripperEx.h"

class SECFloatDynGridLineTarget;

class SECFloatingTargetGripper : public SECFloatableDockingNode_T<SECReparentableGripperEx>
{
  public:
    // Construction
    SECFloatingTargetGripper();

    // Overridables
    SECLayoutNode* BeginDockDrag(SECLNDockingMgr* pMgr, BOOL bFirst, SECDockInProgressInfo* pInfo) override;
    void EndDockDrag() override;
    // The tidying step; FALSE when the gripper wraps no floating grid.
    virtual BOOL ArrangeFloatingContent();

    // Attributes
    SECFloatDynGridLineTarget* GetFloatingGrid();

  protected:
    SECLayoutNode* m_pRootAtStart;
};
