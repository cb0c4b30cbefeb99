// SECLNDockingMgr: the registry of the layout docking. It knows which window container holds
// which root node, keeps each dockable node's constraints, owns the node memory managers of
// floating trees, finds the container under a screen point and spreads dock events through a
// subtree. One manager normally serves the process (the default, installed by the first docking
// feature). It owns its containers, constraint records and node memory managers.
#pragma once
#include "uilib/frames/dockengine/DockingNodeConstraints.h"
#include "uilib/frames/layout/LNContainer.h"
#include "uilib/frames/layout/LayoutNode.h"

// Owns the node memory managers that the docking manager hands out.
class SECDockMgrMemMgr : public tessaron::foundation::SECObjectMemoryManager_T<SECLayoutNodeMemoryManager>
{
  public:
    // The first manager that tracks pNode, NULL when none or for NULL.
    SECLayoutNodeMemoryManager* FindOwner(SECLayoutNode* pNode) const;
    // How many managers hold no node.
    int CountEmpty() const;
};

class SECLNDockingMgr
{
  public:
    // Construction
    SECLNDockingMgr();
    virtual ~SECLNDockingMgr();
    SECLNDockingMgr(const SECLNDockingMgr&) = delete;
    SECLNDockingMgr& operator=(const SECLNDockingMgr&) = delete;

    // Operations
    // Takes ownership of pContainer; one container per root.
    BOOL RegisterContainer(SECLayoutNode* pNode, ISECLNContainer* pContainer);
    BOOL UnregisterContainer(SECLayoutNode* pNode);
    ISECLNContainer* LookupContainer(SECLayoutNode* pNode) const;
    // The container of the node or of its nearest ancestor that has one.
    ISECLNContainer* FindContainer(SECLayoutNode* pNode) const;
    BOOL IsNodeUnderRegisteredRoot(SECLayoutNode* pNode) const;
    void CollectRegisteredNodes(CPtrList& list) const;

    // Overridables
    virtual SECLayoutNodeMemoryManager* CreateNodeMemoryManager();
    virtual BOOL DestroyNodeMemoryManager(SECLayoutNodeMemoryManager* pMgr);
    // After a node was docked or floated: pOldParent the node that gave it up, pTarget the
    // target's node (NULL when floated), pAffected the affected nodes.
    virtual BOOL SendDockEvent(SECLayoutNode* pNode, SECLayoutNode* pOldParent, SECLayoutNode* pTarget,
                               CPtrList* pAffected);
    // pt (screen) minus the node's top-left corner on the screen.
    virtual BOOL GetOffsetInContainer(POINT pt, SECLayoutNode* pNode, POINT* pOffset);
    virtual BOOL SetNodeConstraints(SECLayoutNode* pNode, SECDockingNodeConstraints* pConstraints);
    virtual BOOL RemoveNodeConstraints(SECLayoutNode* pNode);
    virtual SECDockingNodeConstraints* GetNodeConstraints(SECLayoutNode* pNode, BOOL bCreate);
    // The registered window container whose window lies under the screen point; the window of
    // pSeeThrough (a frame being dragged) is looked through.
    virtual ISECLNContainer* ContainerFromPoint(POINT pt, ISECLNContainer* pSeeThrough = NULL);
    // Tells every node below the node's root its container and drawing offset.
    virtual BOOL UpdateSubtreeContainer(SECLayoutNode* pNode);
    // A receiver answering FALSE keeps the event from its own children.
    virtual BOOL DispatchDockEvent(SECLayoutNode* pStart, SECLayoutNode* pNode, SECLayoutNode* pOldParent,
                                   SECLayoutNode* pNewParent, SECLayoutNode* pTarget, CPtrList* pAffected);
    virtual void CollectWindowContainers(CPtrList& list) const;
    virtual ISECLNContainer* FindContainerByWindow(HWND hWnd, const CPtrList& list) const;

    // The process-wide default manager (not owned here).
    static SECLNDockingMgr* PASCAL GetDefaultDockingMgr();
    static void PASCAL SetDefaultDockingMgr(SECLNDockingMgr* pMgr);

    SECDockMgrMemMgr& GetNodeMemoryManagers()
    {
        return m_nodeMemMgrs;
    }

  protected:
    CTypedPtrMap<CMapPtrToPtr, SECLayoutNode*, ISECLNContainer*> m_containerMap;
    tessaron::foundation::SECObjectMemoryManager_T<ISECLNContainer> m_containerMemMgr;
    CTypedPtrMap<CMapPtrToPtr, SECLayoutNode*, SECDockingNodeConstraints*> m_constraintsMap;
    tessaron::foundation::SECObjectMemoryManager_T<SECDockingNodeConstraints> m_constraintsMemMgr;
    SECDockMgrMemMgr m_nodeMemMgrs;
};
