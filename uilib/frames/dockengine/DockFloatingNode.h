// SECDockFloatingNode: the root of a floated layout. It wraps the floated content in the floating
// frame's borders, lives in a floating window container (and frame) of its own, and is itself a
// dock initiator and dockable node: dragged, its frame moves; dropped over a target, its content
// docks there. The docking manager owns it through a node memory manager of its own.
#pragma once
#include "uilib/frames/dockengine/DefDockNodeBase.h"
#include "uilib/frames/dockengine/DefDockNodeInitiatorBase.h"
#include "uilib/frames/layout/LNBorder.h"

class SECLNFloatingHwndContainer;

// A root that shows its nodes in a floating frame.
class ISECFloatingNode
{
  public:
    virtual ~ISECFloatingNode()
    {
    }
    // Shows or hides the frame for one of its nodes.
    virtual BOOL ShowFloatingChild(SECLayoutNode* pNode, BOOL bShow) = 0;
    virtual SECLNFloatingHwndContainer* GetFloatingContainer() = 0;
};

// Questions about the content when it is a dynamic grid of several nodes.
class SECQueryChildTargetInfo
{
  public:
    virtual ~SECQueryChildTargetInfo()
    {
    }
    virtual SECLayoutNode* GetContentNode() = 0;
    SECLayoutNode* GetFirstNode();
    int GetNodeCount();
    void CollectNodes(CPtrList& list);
};

class SECDockFloatingNode : public SECLNBorder_T<SECLayoutNode>,
                            public SECDefDockNodeInitiatorBase,
                            public SECDefDockNodeBase,
                            public ISECFloatingNode,
                            public SECQueryChildTargetInfo,
                            public ISECHookDockSourceHitTester
{
  public:
    // Construction
    SECDockFloatingNode();
    ~SECDockFloatingNode() override;
    // A new floating node owned by the manager's node memory managers.
    static SECDockFloatingNode* PASCAL Create(SECLNDockingMgr* pMgr);
    // Deletes the node through the manager that owns it (its frame goes to the pool).
    void Destroy();

    // Operations
    // Makes the floating container and frame for the dragged node; FALSE when none was made.
    virtual BOOL InitFloating(SECLayoutNode* pDragged, SECLNDockingMgr* pMgr, ISECLNContainer* pContainer,
                              LPCTSTR lpszTitle);

    // Overridables (initiator)
    ISECDockableNode* GetDropHandler(ISECDockTarget* pTarget, const POINT* pt, SECLNDockingMgr* pMgr,
                                     CPtrList* pAffected) override;
    BOOL IsFloatingInitiator() override
    {
        return TRUE;
    }
    BOOL OnDoubleClick(SECLNDockingMgr* pMgr) override;
    void OnDocked(ISECDockableNode* pHandler, SECLNDockingMgr* pMgr) override;
    void CancelDockDrag() override;
    // An emptied floating node goes when its drag ends.
    void EndDockDrag() override;

    // Overridables (dockable)
    SECLayoutNode* GetDockableNode() override
    {
        return this;
    }
    BOOL GetFeedbackRect(const POINT* pt, RECT* pRect, SECLNDockingMgr* pMgr,
                         SECDockInProgressInfo* pInfo) override;
    BOOL FloatAt(const POINT* pt, SECLNDockingMgr* pMgr, SECDockInProgressInfo* pInfo) override;
    void OnAfterDock(SECLNDockingMgr* pMgr, CPtrList* pAffected) override;

    // Overridables (floating node, hit test)
    BOOL ShowFloatingChild(SECLayoutNode* pNode, BOOL bShow) override;
    SECLNFloatingHwndContainer* GetFloatingContainer() override;
    SECLayoutNode* GetContentNode() override
    {
        return GetWrappedNode();
    }
    // A press anywhere on the content moves the whole frame.
    DWORD HookSourceHitTest(const POINT*, SECLayoutNode* pChild) override
    {
        return pChild != NULL ? SEC_HOOKHIT_THIS : 0;
    }

    // Attributes
    SECLayoutNode* GetSourceNode() const
    {
        return m_pSourceNode;
    }

  protected:
    // The content back inside after a drag that took it out for a preview or a refused dock.
    void RestoreContent();

    ISECLNContainer* m_pFloatContainer;
    BOOL m_bCreated;
    BOOL m_bBordersKnown;
    int m_nFrameLeft;
    int m_nFrameTop;
    int m_nFrameRight;
    int m_nFrameBottom;
    SECLayoutNode* m_pSourceNode;
    BOOL m_bRegistered;
    SECLNDockingMgr* m_pDockingMgr;
};
