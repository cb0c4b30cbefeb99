// CMiniFrameWnd: a frame with a small caption, used for floating tool windows and palettes.
//
// Differences from MFC:
// - The small caption and the frame are the system's tool-window ones, not drawn by the frame;
//   the MFS_ bits stay in the window style and act through the hit test: MFS_4THICKFRAME sizes by
//   the four sides only, MFS_MOVEFRAME moves the window by its border, MFS_BLOCKSYSMENU turns the
//   system-menu area into caption and offers no system menu.
// - MFS_SYNCACTIVE: the caption is drawn active while the owner frame is active (WM_FLOATSTATUS).
#pragma once
#include "FrameWnd.h"

#define MFS_SYNCACTIVE 0x00000100L   // caption shows active while its owner is
#define MFS_4THICKFRAME 0x00000200L  // thick frame sized by its four sides only
#define MFS_THICKFRAME 0x00000400L   // thick frame sized by sides and corners
#define MFS_MOVEFRAME 0x00000800L    // the border moves the window
#define MFS_BLOCKSYSMENU 0x00001000L // no system menu

// WM_FLOATSTATUS flags (wParam), sent by a frame to the floating windows it owns.
#define FS_SHOW 0x01
#define FS_HIDE 0x02
#define FS_ACTIVATE 0x04
#define FS_DEACTIVATE 0x08
#define FS_ENABLE 0x10
#define FS_DISABLE 0x20
#define FS_SYNCACTIVE 0x40 // query: nonzero when the window keeps its owner drawn active

class CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)

  public:
    // Construction
    CMiniFrameWnd();
    BOOL Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd = NULL, UINT nID = 0);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd = NULL, UINT nID = 0);

    // Operations
    // Grows a client rectangle to the window rectangle of a mini frame with these styles.
    static void PASCAL CalcBorders(LPRECT lpClientRect, DWORD dwStyle = WS_THICKFRAME | WS_CAPTION,
                                   DWORD dwExStyle = 0);

    // Overrides
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // Implementation
    // Is the frame this one floats for drawn active now?
    BOOL IsOwnerActive() const;

    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);

  protected:
    DECLARE_MESSAGE_MAP()
};
