// Per-thread state of the framework: the window being created, the message being handled, the
// handle maps and the routing context of the current command.
//
// Differences from MFC:
// - One thread_local record instead of module and thread state objects.
#pragma once
#include "Wnd.h"
#include "Menu.h"
#include "DC.h"
#include "GdiObject.h"
#include "ImageList.h"

class CWinThread;
class CFrameWnd;
class CView;

struct AFX_THREAD_STATE
{
    CWnd* m_pWndInit = NULL; // window the creation hook attaches next
    HHOOK m_hHookOldCbtFilter = NULL;
    MSG m_lastSentMsg = {}; // the message WindowProc is handling (Default uses it)
    MSG m_msgCur = {};      // the message the loop is dispatching
    int m_nTempMapLock = 0;
    HWND m_hLockoutNotifyWindow = NULL; // notifications to this window are ignored
    CWinThread* m_pThread = NULL;
    CFrameWnd* m_pRoutingFrame = NULL; // frame routing the current command
    CView* m_pRoutingView = NULL;
    POINT m_ptCursorLast = {-1, -1}; // for IsIdleMessage: mouse moves that move nothing
    UINT m_nMsgLast = 0;
    HWND m_hWndLastTool = NULL; // tooltip relay state
    INT_PTR m_nLastHit = -1;
    CHandleMap<CWnd, HWND> m_wndMap;
    CHandleMap<CMenu, HMENU> m_menuMap;
    CHandleMap<CDC, HDC> m_dcMap;
    CHandleMap<CGdiObject, HGDIOBJ> m_gdiMap;
    CHandleMap<CImageList, HIMAGELIST> m_imageListMap;
};

AFX_THREAD_STATE* AFXAPI AfxGetThreadState();
