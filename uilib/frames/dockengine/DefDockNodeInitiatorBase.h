// SECDefDockNodeInitiatorBase: a node where a docking drag may start (a gripper, a floating
// frame's node). At the start it takes the node out of its parent through the parent's undo
// object; at the end it puts it back or confirms the new place. It also re-docks without a drag.
#pragma once
#include "uilib/frames/dockengine/DockRoleInterfaces.h"
#include "uilib/frames/dockengine/UndoableNode.h"
#include "uilib/frames/layout/LNContainer.h"

class SECDefDockNodeInitiatorBase : public ISECDockInitiator
{
  public:
    // Construction
    SECDefDockNodeInitiatorBase();
    ~SECDefDockNodeInitiatorBase() override;

    // Overridables
    SECLayoutNode* GetInitiatorNode() override;
    SECLayoutNode* BeginDockDrag(SECLNDockingMgr* pMgr, BOOL bFirst, SECDockInProgressInfo* pInfo) override;
    ISECDockableNode* GetDropHandler(ISECDockTarget* pTarget, const POINT* pt, SECLNDockingMgr* pMgr,
                                     CPtrList* pAffected) override;
    void OnAfterDrop(ISECDockTarget*, const POINT*, SECLNDockingMgr*, CPtrList*) override
    {
    }
    void OnDocked(ISECDockableNode* pHandler, SECLNDockingMgr* pMgr) override;
    void CancelDockDrag() override;
    void EndDockDrag() override;
    BOOL IsFloatingInitiator() override
    {
        return FALSE;
    }
    ISECDockInitiator* GetFloatingInitiator() override;
    BOOL FloatNode(SECLNDockingMgr*, const RECT*) override
    {
        return FALSE;
    }
    BOOL RedockNode(SECLNDockingMgr* pMgr, SECDockInsertionConstraints* pConstraints) override;
    BOOL OnDoubleClick(SECLNDockingMgr*) override
    {
        return FALSE;
    }
    ISECDockTarget* GetLastDockTarget(SECLNDockingMgr* pMgr, SECDockingNodeConstraints* pRecord,
                                      SECDockInsertionConstraints* pConstraints) override;

    // Attributes
    // For an initiator that is not the node itself.
    void SetInitiatorNode(SECLayoutNode* pNode)
    {
        m_pNode = pNode;
    }
    ISECUndoableNode* GetPendingUndo() const
    {
        return m_pUndo;
    }

  protected:
    SECLayoutNode* m_pNode;
    SECLayoutNode* m_pOldRoot;
    void* m_pReserved;
    ISECLNContainer* m_pContainer;
    CPtrList* m_pConstraintNodes;
    ISECDragEventGarbageCollector* m_pRemovalObserver;
    ISECUndoableNode* m_pUndo;
};
