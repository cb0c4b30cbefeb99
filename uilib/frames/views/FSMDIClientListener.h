// SECFSMDIClientListener: sits on the MDI client while full screen is on. It keeps the frame
// without a menu when children are activated and moves its child listener to the active child,
// which keeps a maximised child free to cover the screen and handles its system commands while
// the menu is shown for a moment.
#pragma once
#include "afxwin.h"
#include "uilib/frames/plugins/WndListener.h"

class SECFSMainFrmListener;

class SECFSMDIClientListener : public tessaron::foundation::SECWndListener
{
    DECLARE_DYNAMIC(SECFSMDIClientListener)

  public:
    class SECFSChildFrmListener : public tessaron::foundation::SECWndListener
    {
      public:
        SECFSChildFrmListener();
        virtual BOOL Install(CWnd* pHost, SECFSMainFrmListener* pMainListener);
        BOOL GetHandledResult(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

        SECFSMainFrmListener* m_pMainListener;
    };

    SECFSMDIClientListener();
    virtual BOOL Install(CWnd* pHost, SECFSMainFrmListener* pMainListener);
    void UnPlug() override;
    BOOL GetHandledResult(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    SECFSChildFrmListener m_childListener;
    SECFSMainFrmListener* m_pMainListener;

  protected:
    BOOL m_bReMaximizing; // maximising the new active child again may set the menu again
    // The child listener moves to the client's active child, which the frame listener then knows.
    HWND FollowActiveChild();
};
