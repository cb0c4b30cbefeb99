// SECFloatableDockingNode_T: a gripper that is also a dock initiator and the dockable node of the
// docking engine: dragging its strip moves the gripper with its wrapped node to the place a dock
// target names, or, over no target, into a floating frame of its own. The docking factory puts
// one around every docked window or node.
#pragma once
#include "uilib/frames/dockengine/DefDockNodeBase.h"
#include "uilib/frames/dockengine/DefDockNodeInitiatorBase.h"
#include "uilib/frames/dockengine/DockFloatingNode.h"
#include "uilib/frames/dockengine/DockInProgressInfo.h"
#include "uilib/frames/dockengine/DockingMgr.h"
#include "uilib/frames/dockengine/LNFloatingHwndContainer.h"
#include "uilib/frames/dockengine/LayoutMiniFloatWnd.h"
#include "uilib/frames/layout/ReparentableNode.h"

template <class Base>
class SECFloatableDockingNode_T : public Base, public SECDefDockNodeInitiatorBase, public SECDefDockNodeBase
{
  public:
    // Construction
    SECFloatableDockingNode_T() : m_pDragFloatingNode(NULL)
    {
    }

    // Overridables
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
    // Over a target the gripper moves; over none, a floating node made once per drag.
    ISECDockableNode* GetDropHandler(ISECDockTarget* pTarget, const POINT*, SECLNDockingMgr* pMgr,
                                     CPtrList* pAffected) override
    {
        if (pTarget != NULL)
            return this;
        if (m_pDragFloatingNode == NULL)
        {
            m_pDragFloatingNode = CreateFloatingNode(pMgr, pAffected);
            if (m_pDragFloatingNode == NULL)
                return NULL;
            if (!m_pDragFloatingNode->InitFloating(this, pMgr, SECDefDockNodeInitiatorBase::m_pContainer,
                                                   this->GetNodeName()))
            {
                m_pDragFloatingNode->Destroy();
                m_pDragFloatingNode = NULL;
                return NULL;
            }
        }
        return m_pDragFloatingNode;
    }
    virtual SECDockFloatingNode* CreateFloatingNode(SECLNDockingMgr* pMgr, CPtrList*)
    {
        return SECDockFloatingNode::Create(pMgr);
    }
    // A floating node this drag made but did not float into goes now, its frame to the pool.
    void EndDockDrag() override
    {
        SECDockFloatingNode* pUnused = m_pDragFloatingNode;
        m_pDragFloatingNode = NULL;
        SECDefDockNodeInitiatorBase::EndDockDrag();
        if (pUnused != NULL && this->GetRootNode() != pUnused)
            pUnused->Destroy();
    }
    // Floats the node without a drag: at the given rectangle, the one remembered for it, or where
    // it lies now.
    BOOL FloatNode(SECLNDockingMgr* pMgr, const RECT* pRect) override
    {
        SECLayoutNode* pNode = GetInitiatorNode();
        if (pMgr == NULL || pNode == NULL)
            return FALSE;
        RECT rc;
        SECDockingNodeConstraints* pRecord = pMgr->GetNodeConstraints(pNode, TRUE);
        if (pRect != NULL)
            rc = *pRect;
        else if (!pRecord->GetFloatRect(&rc))
        {
            pNode->GetAppliedRect(rc);
            ISECLNContainer* pContainer = pMgr->FindContainer(pNode);
            if (pContainer == NULL || !pContainer->NodeToScreen(&rc))
                return FALSE;
        }
        ISECDockInitiator* pInitiator = GetFloatingInitiator();
        if (pInitiator == NULL)
            pInitiator = this;
        SECDockInProgressInfo info;
        if (pInitiator->BeginDockDrag(pMgr, TRUE, &info) == NULL)
            return FALSE;
        CPtrList affected(10);
        ISECDockableNode* pHandler = pInitiator->GetDropHandler(NULL, NULL, pMgr, &affected);
        info.SetRect(rc);
        if (pHandler == NULL || !pHandler->FloatAt(NULL, pMgr, &info))
        {
            // Nothing floated: the node stays where it was.
            pInitiator->CancelDockDrag();
            pInitiator->EndDockDrag();
            return FALSE;
        }
        SECLayoutNode* pHandlerNode = pHandler->GetDockableNode();
        pMgr->SendDockEvent(pHandlerNode, NULL, NULL, &affected);
        pInitiator->OnAfterDrop(NULL, NULL, pMgr, &affected);
        pHandler->OnAfterDock(pMgr, &affected);
        pMgr->UpdateSubtreeContainer(pHandlerNode);
        pInitiator->OnDocked(pHandler, pMgr);
        pInitiator->EndDockDrag();
        // A double click on the frame docks the node back where it was.
        SECDockingNodeConstraints* pFloating = pMgr->GetNodeConstraints(pHandlerNode, TRUE);
        SECDockInsertionConstraints place;
        if (pRecord->GetLastInsertion(&place))
            pFloating->SetLastInsertion(place);
        pFloating->pBorderTargetParent = pRecord->pBorderTargetParent;
        return TRUE;
    }
    // Shows the gripper's title in the caption of the floating frame it lies in; nothing (FALSE)
    // without such a frame, or when bForce is FALSE and no process-wide docking manager exists.
    virtual BOOL UpdateFloatingTitle(BOOL bForce)
    {
        if (!bForce && SECLNDockingMgr::GetDefaultDockingMgr() == NULL)
            return FALSE;
        for (SECLayoutNode* p = this; p != NULL; p = p->GetParentNode())
        {
            ISECReparentableNode* pReparentable = SECNodeInterface<ISECReparentableNode>(p);
            ISECFloatingNode* pFloatingNode = dynamic_cast<ISECFloatingNode*>(p);
            SECLNFloatingHwndContainer* pContainer =
                pReparentable != NULL
                    ? dynamic_cast<SECLNFloatingHwndContainer*>(pReparentable->GetContainer())
                : pFloatingNode != NULL ? pFloatingNode->GetFloatingContainer()
                                        : NULL;
            if (pContainer != NULL && pContainer->GetFrame() != NULL)
            {
                pContainer->GetFrame()->SetWindowText(this->GetNodeName());
                return TRUE;
            }
        }
        return FALSE;
    }
    // Hiding or showing a floated gripper hides or shows its frame.
    BOOL ShowNode(BOOL bShow, BOOL bForce, BOOL bRecursive) override
    {
        if (ISECFloatingNode* pFloating = dynamic_cast<ISECFloatingNode*>(this->GetRootNode()))
            return pFloating->ShowFloatingChild(this, bShow);
        return SECDefDockNodeBase::ShowNode(bShow, bForce, bRecursive);
    }

  protected:
    SECDockFloatingNode* m_pDragFloatingNode;
};
