// Role interfaces of layout nodes that the docking engine talks to; a node offers them by
// deriving from them and is asked through SECNodeInterface.
#pragma once
#include "afxwin.h"

class SECLayoutNode;

// Told after a node was docked or floated. Returning FALSE stops the event at this node.
class ISECDockEventReceiver
{
  public:
    virtual ~ISECDockEventReceiver()
    {
    }
    // pNode the node that moved, pOldParent the node that gave it up (NULL after a re-dock or a
    // float without a drag), pNewParent its parent now, pTarget the target's node (NULL when
    // floated), pAffected the list of affected nodes.
    virtual BOOL OnDockEvent(SECLayoutNode* pNode, SECLayoutNode* pOldParent, SECLayoutNode* pNewParent,
                             SECLayoutNode* pTarget, CPtrList* pAffected) = 0;
};

// A node that fixes its preferred rectangle from its present size itself (a sizable dock border
// asks its content so before a splitter drag).
class ISECPreferredNodeRectSet
{
  public:
    virtual ~ISECPreferredNodeRectSet()
    {
    }
    virtual void UpdatePreferredRect() = 0;
};
