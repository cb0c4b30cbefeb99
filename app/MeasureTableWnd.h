// CMeasureTableWnd: the docking bar "Parameterfenster" at the bottom of the main frame: a tab
// window with the profile table (always there, owned by the bar) and, while a recording document
// is active, that document's user mask and table of measured values (owned by the document).
#pragma once
#include "uilib/bars/3DTabWnd.h"
#include "uilib/bars/ControlBar.h"

class CParameterSetDlg;

class CMeasureTableWnd : public SECControlBar
{
    DECLARE_DYNAMIC(CMeasureTableWnd)

  public:
    // Construction
    CMeasureTableWnd();
    ~CMeasureTableWnd() override;
    CMeasureTableWnd(const CMeasureTableWnd&) = delete;
    CMeasureTableWnd& operator=(const CMeasureTableWnd&) = delete;

    // Tabs by index
    enum
    {
        TabProfiles,
        TabUserMask,
        TabMeasureValues
    };

    // Operations
    // Shows a document's measured values and user mask as tabs 2 and 1; a null dialog keeps the
    // one attached before. The user mask's tab becomes active when bActivate is set, else the
    // profile table's. The pair already attached changes nothing.
    BOOL AttachDialogs(CWnd* pMeasureValueDlg, CWnd* pUserMaskDlg, BOOL bActivate);
    // Removes both tabs, hides and forgets their dialogs; the profile table becomes active.
    BOOL DetachDialogs();
    // Activates the user-mask tab; FALSE while there is none.
    BOOL ShowUserMask();
    // Gives the user mask the focus; FALSE while there is none.
    BOOL FocusUserMask();

    // Attributes
    SEC3DTabWnd& GetTabWnd()
    {
        return m_wndTabs;
    }
    CParameterSetDlg* GetParameterSetDlg() const
    {
        return m_pParameterSetDlg;
    }
    CWnd* GetMeasureValueDlg() const
    {
        return m_pMeasureValueDlg;
    }

    // Implementation
  protected:
    SEC3DTabWnd m_wndTabs;
    CParameterSetDlg* m_pParameterSetDlg;
    CWnd* m_pMeasureValueDlg;
    CWnd* m_pUserMaskDlg;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
