// SECVirtualDockbar: an invisible child of a frame that takes MFC's bar-layout message and hands
// it to the frame's docking feature, then asks for a second layout once the queue gets to it.
#pragma once
#include "afxwin.h"
#include "uilib/frames/layout/LNBorderClient.h"

// Posted by the virtual dock bar to itself after a real bar layout: lay the docking tree out again.
#define SEC_WM_DELAYED_DOCK_RECALC 0x15DF

class SECFrameDockingFeatureBase;

class SECVirtualDockbar : public CWnd
{
  public:
    // Construction
    SECVirtualDockbar();
    // With nID 0 the id comes from a process-wide counter starting at 56271.
    virtual BOOL Create(CWnd* pParentWnd, ISECLNBorderClientEventRcvr* pOwner, UINT nID);

    // Attributes
    ISECLNBorderClientEventRcvr* m_pOwner;

  protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDelayedRecalc(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
