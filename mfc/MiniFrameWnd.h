// CMiniFrameWnd: a frame with a small caption, used for floating tool windows and palettes.
//
// Differences from MFC:
// - The small caption is the system's tool-window caption, not drawn by the frame itself.
// - MFS_4THICKFRAME and MFS_BLOCKSYSMENU are kept in the style but change nothing.
#pragma once
#include "FrameWnd.h"

#define MFS_SYNCACTIVATE 0x00000100L // caption shows active while its owner is
#define MFS_4THICKFRAME 0x00000200L
#define MFS_THICKFRAME 0x00000400L
#define MFS_MOVEFRAME 0x00000800L
#define MFS_BLOCKSYSMENU 0x00001000L

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

    // Overrides
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // Implementation
    BOOL m_bSyncActivate;

    afx_msg BOOL OnNcActivate(BOOL bActive);

  protected:
    DECLARE_MESSAGE_MAP()
};
