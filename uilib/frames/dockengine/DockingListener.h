// The docking listeners: plugged into a docked layout window (a frame, a floating frame), they
// turn presses on grippers and captions into docking drags. SECDockingListener_T adds the docking
// set-up (manager, window container, the drag-drop feature it owns) to a drag task;
// SECDockingListener tracks drags locally and starts them on the press itself.
#pragma once
#include "uilib/frames/dockengine/DockingMgr.h"
#include "uilib/frames/dockengine/DragDropTask.h"

class ISECDockingListenerConfig
{
  public:
    virtual ~ISECDockingListenerConfig()
    {
    }
    virtual void SetAutoRegisterContainer(BOOL bAuto) = 0;
    virtual BOOL GetAutoRegisterContainer() = 0;
    // Unplugs the listener and forgets its root node.
    virtual void DetachFromWindow() = 0;
};

template <class Task> class SECDockingListener_T : public Task, public ISECDockingListenerConfig
{
  public:
    // Construction
    SECDockingListener_T() : m_pDragDropFeature(NULL), m_pDockingMgr(NULL), m_bAutoRegisterContainer(TRUE)
    {
    }
    ~SECDockingListener_T() override
    {
        if (m_pDockingMgr != NULL && this->m_pLayoutRoot != NULL)
            m_pDockingMgr->UnregisterContainer(this->m_pLayoutRoot);
        this->SetDragDropFeature(NULL);
        delete m_pDragDropFeature;
    }

    // Overridables
    virtual BOOL AttachDocking(SECLayoutNode* pRoot, CWnd* pWnd, SECLNDockingMgr* pMgr, DWORD_PTR dwExtra,
                               BOOL bRecalcNow, BOOL bUseWindowRect)
    {
        if (!SECLayoutWndListener::AttachToWindow(pRoot, pWnd, dwExtra, bRecalcNow, bUseWindowRect))
            return FALSE;
        m_pDockingMgr = pMgr != NULL ? pMgr : SECLNDockingMgr::GetDefaultDockingMgr();
        if (m_bAutoRegisterContainer && m_pDockingMgr != NULL &&
            m_pDockingMgr->LookupContainer(pRoot) == NULL)
            m_pDockingMgr->RegisterContainer(pRoot, new SECLNHwndContainer(pWnd));
        delete m_pDragDropFeature;
        m_pDragDropFeature = CreateDragDropFeature();
        if (SECDragDropDockingFeature* pDocking =
                dynamic_cast<SECDragDropDockingFeature*>(m_pDragDropFeature))
            pDocking->SetDockingMgr(m_pDockingMgr);
        this->SetDragDropFeature(m_pDragDropFeature);
        ResetDragThreshold(pWnd);
        return TRUE;
    }
    virtual void ResetDragThreshold(CWnd*)
    {
    }
    virtual ISECDragDropFeature* CreateDragDropFeature()
    {
        return new SECDragDropDockingFeature;
    }
    BOOL AttachToWindow(SECLayoutNode* pRoot, CWnd* pWnd, DWORD_PTR dwExtra, BOOL bRecalcNow,
                        BOOL bUseWindowRect) override
    {
        return AttachDocking(pRoot, pWnd, NULL, dwExtra, bRecalcNow, bUseWindowRect);
    }

    // Configuration
    void SetAutoRegisterContainer(BOOL bAuto) override
    {
        m_bAutoRegisterContainer = bAuto;
    }
    BOOL GetAutoRegisterContainer() override
    {
        return m_bAutoRegisterContainer;
    }
    void DetachFromWindow() override
    {
        this->UnPlug();
        this->SetRootNode(NULL);
    }

    // Attributes
    SECLNDockingMgr* GetDockingMgr() const
    {
        return m_pDockingMgr;
    }

  protected:
    ISECDragDropFeature* m_pDragDropFeature;
    SECLNDockingMgr* m_pDockingMgr;
    BOOL m_bAutoRegisterContainer;
};

class SECDockingListener : public SECDockingListener_T<SECLocalDragDropTask_T<SECLayoutWndListener>>
{
  public:
    // The drag starts on the press itself.
    void ResetDragThreshold(CWnd*) override
    {
        m_dDragThreshold = 0.0;
    }
};
