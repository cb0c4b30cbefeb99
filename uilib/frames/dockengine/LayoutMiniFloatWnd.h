// SECLayoutMiniFloatWnd: the small frame a floated layout node lives in. Its client area is laid
// out by the floated tree, and a docking listener lets the user drag it back. The frame does not
// own the tree; it owns its listener. Released frames are hidden and pooled by their container,
// because a drag loop may still run inside them.
#pragma once
#include "MiniFrameWnd.h"
#include "uilib/frames/dockengine/DockingListener.h"

class SECLayoutMiniFloatWnd : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(SECLayoutMiniFloatWnd)

  public:
    // Construction
    SECLayoutMiniFloatWnd();
    ~SECLayoutMiniFloatWnd() override;

    // Overridables
    // Creates the hidden frame; FALSE for a NULL root or when the window cannot be made.
    virtual BOOL CreateFloatFrame(CWnd* pParent, SECLayoutNode* pRoot, LPCTSTR lpszTitle, BOOL bHideOnClose,
                                  BOOL bCloseItem);
    // Shows the frame at the screen rectangle; the first show attaches the docking listener.
    virtual BOOL ShowFloatFrame(const RECT* pRect, SECLNDockingMgr* pMgr);
    // Unplugs the listener and clears its root.
    virtual void DetachListener();
    virtual SECDockingListener* CreateDockingListener();

    // Attributes
    SECLayoutNode* GetRootNode() const
    {
        return m_pRootNode;
    }
    SECDockingListener* GetListener() const
    {
        return m_pListener;
    }

  protected:
    // Deletes the listener, or, while its drag loop runs, lets it go once the loop returned.
    void ReleaseListener();

    SECLayoutNode* m_pRootNode;
    SECDockingListener* m_pListener;
    BOOL m_bHideOnClose;

    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
