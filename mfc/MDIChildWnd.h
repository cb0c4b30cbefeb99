// CMDIChildWnd: a document frame inside the MDI client. Created through WM_MDICREATE with the
// framework's creation hook; on activation it puts its document type's menu into the main frame.
//
// Differences from MFC: none beyond those of CFrameWnd.
#pragma once
#include "FrameWnd.h"

class CMDIFrameWnd;
class CMultiDocTemplate;

class CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)

  public:
    // Construction
    CMDIChildWnd();
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                CMDIFrameWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);

    // Attributes
    CMDIFrameWnd* GetMDIFrame() const;

    // Operations
    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();

    // Overrides
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    BOOL DestroyWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    void ActivateFrame(int nCmdShow = -1) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    CFrameWnd* GetActiveFrame() override
    {
        return this;
    }
    using CFrameWnd::OnUpdateFrameMenu;
    virtual void OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt);

    // Implementation
    HMENU m_hMenuShared; // the document type's menu, put into the main frame while active

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnChildActivate();

  protected:
    // The document template of a creation context when it is a multiple-document one, else NULL.
    static CMultiDocTemplate* PASCAL MultiDocTemplateOf(CCreateContext* pContext);
    // LoadFrame's window: help id, the title from the resource string, the window classes, the
    // child with the resource's icon, and the initial update where no creation context sends
    // it. FALSE when the child was not made.
    BOOL CreateLoadedChild(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                           CCreateContext* pContext);

    DECLARE_MESSAGE_MAP()
};
