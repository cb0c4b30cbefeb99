// SECCaptionControlMsgFilter: one button in a window's caption, drawn with DrawFrameControl.
// A left press tracks the mouse under capture and, released on the button, posts the system
// command of the button id; an optional repeat interval fires a held press once through a
// hidden timer child window that the filter owns.
#pragma once
#include "uilib/frames/mdi/CaptionMsgFilter.h"

class SECCaptionControlMsgFilter;

// The hidden child window that times a held press of a caption control.
class SECCaptionControlMsgFilterTimer : public CWnd
{
  public:
    SECCaptionControlMsgFilterTimer(SECCaptionControlMsgFilter* pFilter, int nIntervalMs, CPoint ptPress);

    // FALSE when the window or its timer cannot be made.
    BOOL Create(CWnd* pParent);
    BOOL HasFired() const
    {
        return m_bFired;
    }

  protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

  private:
    SECCaptionControlMsgFilter* m_pFilter;
    int m_nIntervalMs;
    BOOL m_bStarted;
    BOOL m_bFired;
    CPoint m_ptPress;
};

class SECCaptionControlMsgFilter : public SECCaptionMsgFilter
{
    DECLARE_DYNCREATE(SECCaptionControlMsgFilter)

  public:
    // Ids below this are caption buttons: 0 close, 1 minimise, 2 maximise, 3 restore, 4 help,
    // the DFCS_CAPTION* values they are drawn with.
    enum
    {
        firstNonButtonID = 4096
    };
    // Fire flags: the right button, a held press.
    enum
    {
        fireRightButton = 0x1,
        fireHeld = 0x2
    };

    // Construction
    SECCaptionControlMsgFilter();
    SECCaptionControlMsgFilter(const SECCaptionControlMsgFilter& other); // not tracking, no timer
    ~SECCaptionControlMsgFilter() override;

    // Overridables (after the inherited ones, in this order)
    SECMsgFilter* Clone() const override;
    UINT OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    virtual void Draw();
    virtual BOOL HitTest(CPoint ptScreen) const;
    virtual void OnButtonDown(CPoint ptScreen);
    virtual void OnButtonUp(CPoint ptScreen);
    virtual void FireImmediately(CPoint ptScreen);
    virtual void OnTrackMove(CPoint ptScreen);
    virtual void Fire(UINT nFlags, CPoint ptScreen);
    virtual BOOL GetSysCommand(UINT nFlags, CPoint ptScreen, HWND* pHwnd, UINT* pMsg, WPARAM* pWParam,
                               LPARAM* pLParam);
    virtual void StartTracking(BOOL bPushed, BOOL bRedraw);
    virtual void StopTracking(BOOL bClearPushed, BOOL bRedraw);
    virtual void KillRepeatTimer();
    virtual void StartRepeatTimer(CPoint ptScreen);
    // FALSE for ids that are no buttons and for a window without a system menu.
    virtual BOOL IsButtonVisible(BOOL* pDisabled) const;

    // Operations
    BOOL IsButtonID() const
    {
        return m_nID < firstNonButtonID;
    }
    const CRect& GetButtonRect() const
    {
        return m_rectButton;
    }
    void SetButtonRect(const CRect& rect)
    {
        m_rectButton = rect;
    }
    // The state DrawFrameControl gets: the button id with the inactive and pushed bits.
    UINT GetDrawState() const
    {
        return IsButtonID() ? (m_nID | m_nState) : m_nState;
    }
    void SetInactive(BOOL bInactive);
    BOOL IsInactive() const
    {
        return (m_nState & DFCS_INACTIVE) != 0;
    }
    BOOL IsPushed() const
    {
        return (m_nState & DFCS_PUSHED) != 0;
    }
    BOOL IsTracking() const
    {
        return m_bTracking;
    }
    void SetRepeatInterval(int nIntervalMs)
    {
        m_nRepeatIntervalMs = nIntervalMs;
    }
    SECCaptionControlMsgFilterTimer* GetRepeatTimer() const
    {
        return m_pRepeatTimer;
    }

    // Implementation
  protected:
    CRect m_rectButton; // window coordinates
    UINT m_nType;
    UINT m_nState; // DFCS_INACTIVE and DFCS_PUSHED; the id is added when drawing
    BOOL m_bTracking;
    int m_nRepeatIntervalMs; // -1: no repeat, 0: a press fires at once
    SECCaptionControlMsgFilterTimer* m_pRepeatTimer;
};
