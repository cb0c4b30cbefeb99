// SECDefUndoableNode: a parent that can take one child out and later put it back at the same
// place among its siblings (a docking drag takes the dragged node out of its parent this way).
// A mix-in of layout nodes; asked for through SECNodeInterface<ISECUndoableNode>.
#pragma once
#include "afxwin.h"

class SECLayoutNode;

class ISECUndoableNode
{
  public:
    virtual ~ISECUndoableNode()
    {
    }
    // The object that undoes removals for this node (a grid line answers for its grid).
    virtual ISECUndoableNode* GetUndoObject() = 0;
    // Takes the child out and remembers its place; the removal's result, -1 on failure.
    virtual int RemoveWithUndo(SECLayoutNode* pChild) = 0;
    // Puts the remembered child back; -1 when nothing is pending.
    virtual int RestoreRemoved() = 0;
    // Puts pChild back when it is the one taken out; -1 otherwise.
    virtual int RestoreRemovedIf(SECLayoutNode* pChild) = 0;
};

class SECDefUndoableNode : public ISECUndoableNode
{
  public:
    // Construction
    SECDefUndoableNode() : m_pRemoved(NULL), m_pRemovedFollower(NULL)
    {
    }

    // Overridables
    ISECUndoableNode* GetUndoObject() override
    {
        return this;
    }
    int RemoveWithUndo(SECLayoutNode* pChild) override;
    int RestoreRemoved() override;
    int RestoreRemovedIf(SECLayoutNode* pChild) override;

    // Attributes
    SECLayoutNode* GetPendingChild() const
    {
        return m_pRemoved;
    }

  protected:
    SECLayoutNode* m_pRemoved;
    SECLayoutNode* m_pRemovedFollower;
};
