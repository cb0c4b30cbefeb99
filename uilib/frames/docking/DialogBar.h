// SECDialogBar: a control bar whose contents come from a dialog template, created as a modeless
// dialog in the frame's bar area. It records its template in its saved record so that the dock
// state can re-create it. OLE controls in the template are not created: the layer has no
// control container. Whoever creates the bar owns it.
#pragma once
#include "afxwin.h"
#include "uilib/bars/ControlBar.h"

class SECDialogBar : public SECControlBar
{
    DECLARE_DYNCREATE(SECDialogBar)

  public:
    // Construction
    SECDialogBar();
    ~SECDialogBar() override;
    // FALSE when any creation step fails (the partly made window goes with the destructor).
    virtual BOOL Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, DWORD dwExStyle, UINT nID);
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, DWORD dwExStyle, UINT nID)
    {
        return Create(pParentWnd, MAKEINTRESOURCE(nIDTemplate), nStyle, dwExStyle, nID);
    }

    // Overrides
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void GetBarInfoEx(SECControlBarInfo* pInfo) override;

    // Attributes
    LPCTSTR m_lpszTemplateName;         // kept after creation
    LPCTSTR m_lpszTemplateDuringCreate; // set only while the dialog is being made

    // Implementation
  protected:
    afx_msg LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
