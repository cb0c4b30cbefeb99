// SECFloatableDockingNode_T: a gripper that is also a dock initiator and the dockable node of the
// docking engine: dragging its strip moves the gripper with its wrapped node to the place a dock
// target names. The docking factory puts one around every docked window or node.
#pragma once
#include "uilib/frames/dockengine/DefDockNodeBase.h"
#include "uilib/frames/dockengine/DefDockNodeInitiatorBase.h"

template <class Base>
class SECFloatableDockingNode_T : public Base, public SECDefDockNodeInitiatorBase, public SECDefDockNodeBase
{
  public:
    // The node that moves is the gripper itself.
    void OnNodeCreated() override
    {
        Base::OnNodeCreated();
        SetInitiatorNode(this);
    }
    SECLayoutNode* GetDockableNode() override
    {
        return this;
    }
};
