// CControlBar: the base of the bars a frame lays out along its sides (toolbars, dock bars and the
// library's own bars). The frame owns the list of its bars; a bar deletes itself after its window
// is gone when m_bAutoDelete is set.
//
// Differences from MFC:
// - Status flyby: the prompt shows as soon as the cursor rests on a button and goes when the
//   cursor leaves the bar (checked by a timer); MFC waits 300 ms before showing it.
// - No OLE in-place hiding (CBRS_HIDE_INPLACE is kept in the style only).
// - The window class "AfxControlBar42" takes double clicks, so docked bars toggle docking.
#pragma once
#include "Wnd.h"
#include "FrameworkIds.h"

class CFrameWnd;
class CDockBar;
class CDockContext;
class CControlBarInfo;

// Bar styles (m_dwStyle), MFC's values.
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL 0x0040FFFFL
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Layout modes of CalcDynamicLayout.
// Pane styles of status bars (high word; the low word goes to the control with each text).
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS 0x00000100
#define SBPS_POPOUT 0x00000200
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

#define LM_STRETCH 0x01  // stretch to the length (docked rows)
#define LM_HORZ 0x02     // horizontal, else vertical
#define LM_MRUWIDTH 0x04 // the most recently used width of a floating bar
#define LM_HORZDOCK 0x08 // docked horizontally
#define LM_VERTDOCK 0x10 // docked vertically
#define LM_LENGTHY 0x20  // the length is a height, else a width
#define LM_COMMIT 0x40   // remember the result

// Border of a bar side (two pixels on every shell the program runs on).
#define AFX_CX_BORDER2 2
#define AFX_CY_BORDER2 2
// Gripper strip: a raised line with a gap on either side.
#define AFX_CX_GRIPPER 3
#define AFX_CX_BORDER_GRIPPER 2

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)

  protected:
    CControlBar();

  public:
    ~CControlBar() override;

    // Attributes
    DWORD GetBarStyle() const
    {
        return m_dwStyle;
    }
    void SetBarStyle(DWORD dwStyle);
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    CRect GetBorders() const
    {
        return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
    }
    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const;
    virtual BOOL IsDockBar() const
    {
        return FALSE;
    }
    virtual BOOL IsVisible() const;

    // Operations
    void EnableDocking(DWORD dwDockStyle);
    virtual void DelayShow(BOOL bShow);
    // Applies a pending show or hide through the layout's deferred positions; returns the style the
    // bar will have (alignment and WS_VISIBLE).
    virtual DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);
    virtual void GetBarInfo(CControlBarInfo* pInfo);
    virtual void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd);

    // Overridables
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    virtual void DoPaint(CDC* pDC);
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    virtual void DrawGripper(CDC* pDC, const CRect& rect);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    // Moves the bar to its place in a layout pass (WM_SIZEPARENT).
    virtual void RepositionInLayout(AFX_SIZEPARENTPARAMS* lpLayout, const CRect& rect);

    // Overrides
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PostNcDestroy() override;

    // Implementation
    // m_nStateFlags
    enum StateFlags
    {
        delayHide = 1,
        delayShow = 2,
        tempHide = 4,
        statusSet = 8
    };
    int m_cxLeftBorder, m_cxRightBorder;
    int m_cyTopBorder, m_cyBottomBorder;
    int m_cxDefaultGap;
    UINT m_nMRUWidth;
    BOOL m_bAutoDelete;
    UINT m_nStateFlags;
    DWORD m_dwStyle;
    DWORD m_dwDockStyle;
    CFrameWnd* m_pDockSite;
    CDockBar* m_pDockBar;
    CDockContext* m_pDockContext;

    // The borders as DrawBorders draws them, with clrFace for the inner line of a flat border.
    void DrawBorderLines(CDC* pDC, CRect& rect, COLORREF clrFace);
    // The non-client area in the button face colour with the borders; rectWindow comes back as
    // the window rectangle in window coordinates inside the borders.
    void PaintNonClient(CDC* pDC, CRect& rectWindow);
    // Shows the prompt of command nHit on the owner's message bar (-1: back to the idle text).
    BOOL SetStatusText(INT_PTR nHit);

    // Element storage of derived bars (a status bar's panes): nElements zero-filled records of
    // cbElement bytes; the old ones are freed first. FALSE when out of memory (no elements then).
    BOOL AllocElements(int nElements, int cbElement);
    int m_nCount;
    void* m_pData;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnCancelMode();
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

  protected:
    DECLARE_MESSAGE_MAP()
};
