// Automatic scrolling of a grid on its timer 992: while a drag holds the pointer beyond the
// grid's edge, while a scroll-bar arrow is held, or while an arrow key is held. Slow at first,
// faster the longer and the farther it goes on. One per grid, in the grid's plug-in list.
#pragma once
#include "grid/core/PluginComponent.h"
#include "grid/core/GridTypes.h"

class CGXGridCore;

class CGXAutoScrollPlugin : public CGXPluginComponent
{
    DECLARE_DYNAMIC(CGXAutoScrollPlugin)

  public:
    // Construction
    explicit CGXAutoScrollPlugin(CGXGridCore* pGrid);

    // Operations
    // Ends the run: timer killed, the grid's automatic scrolling and keyboard mode cleared.
    void Stop();

  protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnCancelMode();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

  private:
    void FirstTick();
    // One step; the distance (pixels beyond the edge, or a fixed measure) drives the speed.
    void Step(DWORD dwNow, CPoint ptCursor);
    void SendMouseMove(CPoint ptCursor);

    CGXGridCore* m_pGrid;
    CRect m_rectScroll; // the scrolling part of the grid, in client pixels
    DWORD m_dwLastScrollTick = 0;
    int m_nDelayMs = 0;
    int m_nMouseMoveDelayMs = 0;
    CPoint m_ptStart;
    int m_nAcceleration = 0;
    int m_nLastDistance = 0;
};
