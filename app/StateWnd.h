// CStateWnd: the docking bar "Statusfenster" of the main frame, at its right side. It holds the
// live status dialog and keeps it filling the bar's inner area.
#pragma once
#include "uilib/bars/ControlBar.h"

class CIRStatusDlg;

class CStateWnd : public SECControlBar
{
    DECLARE_DYNAMIC(CStateWnd)

  public:
    // Construction
    CStateWnd();
    ~CStateWnd() override;

    // Attributes
    // The hosted status dialog; none until the bar is created.
    CIRStatusDlg* GetStatusDlg() const
    {
        return m_pStatusDlg;
    }

  protected:
    // Implementation
    CIRStatusDlg* m_pStatusDlg;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
