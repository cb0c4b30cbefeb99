// SECMDIMenuBar: the menu bar of an MDI frame. While the active child is maximised it shows the
// child's system-menu icon as its first button and the child's caption buttons as its last;
// both are its own (embedded) and never part of the saved button list.
#pragma once
#include "uilib/bars/BtnCaption.h"
#include "uilib/bars/CapMenuBtn.h"
#include "uilib/bars/MenuBar.h"

class SECMDIMenuBar : public SECMenuBar
{
    DECLARE_DYNCREATE(SECMDIMenuBar)

  public:
    // Construction
    SECMDIMenuBar();
    ~SECMDIMenuBar() override;

    // Operations
    // Shows or hides the extra buttons after the active child; TRUE when something changed.
    BOOL UpdateCaptionButtons(BOOL bForceHide);
    void ShowMenuButtonsAndCaption(UINT nBit);
    SECBtnCaption& GetCaptionButtons()
    {
        return m_btnCaption;
    }
    SECCapMenuBtn& GetSysMenuButton()
    {
        return m_btnSysMenu;
    }

    // Overrides
    BOOL SetButtons(const UINT* pIDs, int nCount) override;
    void RemoveAllButtons() override;
    int GetButtonHeight() const override;
    // Clears pMsg->message when it used the message (a double click on the icon).
    void OnTrackMessage(MSG* pMsg) override;
    void RebuildFromMenu(BOOL bNoRecalc) override;
    // A dropped button never ends up before the icon or after the caption buttons.
    BOOL DropButton(CRect rect, SECStdBtn* pBtn, BOOL bCopy, BOOL bBatch = FALSE) override;
    // The saved button list without the two own buttons.
    void GetBarInfoExtra(SECControlBarInfo* pInfo) override;
    void SetBarInfoExtra(SECControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;

    // Implementation
  protected:
    // Takes the two own buttons off the list without deleting them; TRUE when they were on it.
    BOOL TakeOwnButtonsOff();
    // The system-menu button first, the caption buttons last.
    void PutOwnButtonsBack();
    CMDIChildWnd* GetActiveChild() const;
    // Posted while a menu loop runs, sent otherwise.
    void RunChildDefaultCommand(BOOL bPost);

    SECBtnCaption m_btnCaption;
    SECCapMenuBtn m_btnSysMenu;
    HICON m_hChildIcon;
    DWORD m_dwClickTime; // of the press being handled, 0 otherwise

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
