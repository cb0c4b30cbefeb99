// SECDockingNodeConstraints: what the docking manager keeps per dockable node: whether it takes
// part in splitters, its two docking options, where to float it and where it was last docked.
// Owned by the manager's memory manager.
#pragma once
#include "uilib/frames/dockengine/DynGridInsertConstraints.h"

class ISECDockTarget;

// The docking root of a frame, which offers one dock target per side.
class ISECBorderTargetParent
{
  public:
    virtual ~ISECBorderTargetParent()
    {
    }
    // The target at side nPosition (0 top, 1 bottom, 2 left, 3 right), NULL when none.
    virtual ISECDockTarget* GetDockTargetAt(int nPosition) = 0;
};

class SECDockingNodeConstraints
{
  public:
    // Construction
    SECDockingNodeConstraints()
        : bResizable(TRUE), nOptionA(1), nOptionB(1), bHasFloatRect(FALSE),
          bHasLastInsertion(FALSE), rcFloat{}, pBorderTargetParent(NULL)
    {
    }
    virtual ~SECDockingNodeConstraints()
    {
    }

    // Overridables
    // Only the resizable flag carries over from an insertion record.
    virtual void CopyFrom(const SECDynGridInsertConstraints& other)
    {
        bResizable = other.bResizable;
    }

    // Operations
    void SetFloatRect(const RECT& rc)
    {
        rcFloat = rc;
        bHasFloatRect = TRUE;
    }
    BOOL GetFloatRect(RECT* pRect) const
    {
        if (pRect != NULL)
            *pRect = rcFloat;
        return bHasFloatRect;
    }
    void SetLastInsertion(const SECDynGridInsertConstraints& constraints)
    {
        lastInsertion.CopyFrom(constraints);
        bHasLastInsertion = TRUE;
    }
    BOOL GetLastInsertion(SECDynGridInsertConstraints* pConstraints) const
    {
        if (pConstraints != NULL)
            pConstraints->CopyFrom(lastInsertion);
        return bHasLastInsertion;
    }
    // Stores the node's place in the dock target holding it, when one does; FALSE otherwise.
    BOOL RecordCurrentPlace(SECLayoutNode* pNode);

    // Attributes
    BOOL bResizable;
    int nOptionA;
    int nOptionB;
    BOOL bHasFloatRect;
    BOOL bHasLastInsertion;
    RECT rcFloat;
    SECDockInsertionConstraints lastInsertion;
    ISECBorderTargetParent* pBorderTargetParent;
};
