// SECToolBarManager: owns the toolbars of one frame window: the shared bitmap manager and
// drawing context, the toolbar options, customisation and the notifications of the toolbars.
// The frame's creator makes one manager and keeps it as long as the frame.
#pragma once
#include "uilib/bars/ControlBarManager.h"
#include "uilib/bars/CustomToolBar.h"

class SECBmpMgr;
class SECBtnDrawData;

// The first and last ids of user toolbars.
#define SEC_IDW_FIRST_USER_TOOLBAR 0xE820
#define SEC_IDW_LAST_USER_TOOLBAR 0xE8FF
// Bar type id saved with a custom toolbar.
#define SEC_BARTYPE_CUSTOMTOOLBAR 14946

class SECToolBarManager : public SECControlBarManager
{
    DECLARE_DYNAMIC(SECToolBarManager)

  public:
    // Construction
    explicit SECToolBarManager(CFrameWnd* pFrame = NULL, CWnd* pOwner = NULL);
    ~SECToolBarManager() override;

    // Operations
    // A new toolbar with the first free user id and title (NULL: "Symbolleiste<n>"), not yet
    // docked; NULL when every user id is taken.
    virtual SECCustomToolBar* CreateUserToolBar(LPCTSTR lpszTitle = NULL);
    // The visible custom toolbar (or its floating frame) meeting a screen rectangle, NULL when none.
    virtual SECCustomToolBar* FindToolBarAt(const CRect& rect);
    virtual SECCustomToolBar* FindBar(UINT nID);
    // Sends "WM_BARNOTIFY" (the bar's id, the code) to each registered window.
    void NotifyBarChange(UINT nBarID, int nCode);
    void RegisterNotifyWindow(CWnd* pWnd);
    void UnregisterNotifyWindow(CWnd* pWnd);
    void SetToolBarCustomise(BOOL bCustomise);

    // Overrides
    // 14946 for a custom toolbar.
    DWORD GetBarTypeID(SECControlBar* pBar) override;
    // A toolbar record (SECCustomToolBarInfoEx) for type 14946.
    SECControlBarInfoEx* CreateBarInfo(SECControlBarInfo* pInfo) override;

    // Attributes
    SECBmpMgr* GetBmpMgr() const
    {
        return m_pBmpMgr;
    }
    SECBtnDrawData* GetDrawData() const
    {
        return m_pDrawData;
    }
    const SECBtnMapEntry* GetButtonMap() const
    {
        return m_pBtnMap;
    }
    void SetButtonMap(const SECBtnMapEntry* pMap)
    {
        m_pBtnMap = pMap;
    }
    CWnd* GetCustomiseDialog() const
    {
        return m_pCustDlg;
    }
    // The toolbar holding the one selected button, NULL when none.
    SECCustomToolBar* GetSelectedToolBar() const
    {
        return m_pSelectedBar;
    }
    void SetSelectedToolBar(SECCustomToolBar* pBar)
    {
        m_pSelectedBar = pBar;
    }
    // Where the button whose command is being sent lies (screen), and whether one is.
    void SetCommandSource(BOOL bInCommand, const CRect& rect);
    BOOL GetCommandSource(CRect& rect) const;
    CWnd* GetOwner() const
    {
        return m_pOwner;
    }

    CDWordArray m_arrDisabled;
    CPtrArray m_arrNotifyWnds;
    CWnd* m_pCustDlg;
    BOOL m_bConfig;
    BOOL m_bToolBarCustomise;
    BOOL m_bToolTips;
    BOOL m_bFlyBy;
    BOOL m_bCoolLook;
    BOOL m_bLargeButtons;
    const SECBtnMapEntry* m_pBtnMap;
    SECBmpMgr* m_pBmpMgr;
    SECBtnDrawData* m_pDrawData;
    CWnd* m_pOwner;
    CRuntimeClass* m_pToolBarClass;

    // Implementation
  protected:
    SECCustomToolBar* m_pSelectedBar;
    BOOL m_bInCommand;
    CRect m_rectCmdSource;
};
