// CMeasureTableWnd: the docking bar "Parameterfenster" at the bottom of the main frame: a tab
// window that will carry the measured values, the profile table and the user mask. The tabs come
// with their dialogs; until then the tab window is empty and the user mask cannot be shown.
#pragma once
#include "uilib/bars/3DTabWnd.h"
#include "uilib/bars/ControlBar.h"

class CMeasureTableWnd : public SECControlBar
{
    DECLARE_DYNAMIC(CMeasureTableWnd)

  public:
    // Construction
    CMeasureTableWnd();
    ~CMeasureTableWnd() override;

    // Operations
    // Activates the user-mask tab; FALSE while there is none.
    BOOL ShowUserMask();
    // Gives the user mask the focus; FALSE while there is none.
    BOOL FocusUserMask();
    SEC3DTabWnd& GetTabWnd()
    {
        return m_wndTabs;
    }

    // Implementation
  protected:
    SEC3DTabWnd m_wndTabs;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
