// SECDefReparentableNode: lets a layout node follow its subtree into another container window
// (a floating frame). A mix-in of layout nodes; asked for through
// SECNodeInterface<ISECReparentableNode>.
#pragma once
#include "uilib/frames/layout/LNContainer.h"

class ISECReparentableNode
{
  public:
    virtual ~ISECReparentableNode()
    {
    }
    virtual BOOL SetContainer(ISECLNContainer* pContainer) = 0;
    virtual ISECLNContainer* GetContainer() const = 0;
    virtual void Reparent(HWND hWndNewParent) = 0;
    virtual void AdoptRootMemoryManager() = 0;
    virtual BOOL ReparentToContainer(ISECLNContainer* pContainer) = 0;
};

class SECDefReparentableNode : public ISECReparentableNode
{
  public:
    SECDefReparentableNode() : m_pContainer(NULL)
    {
    }

    // Stores the container, moves the node to its root's memory manager and into the
    // container's window.
    BOOL SetContainer(ISECLNContainer* pContainer) override;
    ISECLNContainer* GetContainer() const override
    {
        return m_pContainer;
    }
    void Reparent(HWND) override
    {
    }
    void AdoptRootMemoryManager() override;
    BOOL ReparentToContainer(ISECLNContainer* pContainer) override;

    // Every node of pRoot's subtree (pRoot included) whose container is pContainer forgets it.
    static void PASCAL DetachContainer(SECLayoutNode* pRoot, ISECLNContainer* pContainer);

  protected:
    ISECLNContainer* m_pContainer;
};
