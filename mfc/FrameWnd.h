// CFrameWnd: a frame around views and control bars: loading from one resource id, layout of its
// bars by WM_SIZEPARENT, the active view and document, command routing, titles, message strings,
// the close sequence and delayed (idle) updates.
//
// Differences from MFC:
// - SetDockState skips saved records of bars the frame no longer has and docks a bar named by
//   two dock bars once (MFC goes on with a NULL bar).
// - No OLE in-place frames of our own: a COleFrameHook set in m_pNotifyHook is told of
//   activation, layout and keyboard messages only.
// - LoadFrame accepts a resource id without a menu: the frame then has none (MFC fails).
// - ID_CONTEXT_HELP is handled by every frame and always runs the help mode of the top-level
//   frame (a child frame that gets the command routed first passes it up).
// - ProcessHelpMsg is virtual, so a frame with its own non-client parts can map clicks on them.
#pragma once
#include "Wnd.h"
#include "CreateContext.h"
#include "ControlBar.h"

class COleFrameHook;
class CView;
class CDocument;
class CControlBar;
class CDockBar;
class CDockState;
class CMiniDockFrameWnd;

// Idle flags: work a frame postpones until the message loop is idle.
enum
{
    idleMenu = 1,
    idleTitle = 2,
    idleNotify = 4,
    idleLayout = 8
};

// Help context bases and the command id of a system command.
#define HID_BASE_COMMAND 0x00010000UL
#define HID_BASE_RESOURCE 0x00020000UL
#define HID_BASE_NCAREAS 0x00040000UL
#define AFX_IDS_SCFIRST 0xEF00
#define ID_COMMAND_FROM_SC(sc) ((((sc)-0xF000) >> 4) + AFX_IDS_SCFIRST)

#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)

  public:
    // Construction
    CFrameWnd();
    ~CFrameWnd() override;
    static const CRect rectDefault;
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL,
                        DWORD dwExStyle = 0, CCreateContext* pContext = NULL);
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    // Attributes
    virtual CDocument* GetActiveDocument();
    CView* GetActiveView() const
    {
        return m_pViewActive;
    }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CFrameWnd* GetActiveFrame()
    {
        return this;
    }
    BOOL IsTracking() const
    {
        return m_nIDTracking != 0 && m_nIDTracking != AFX_IDS_HELPMODEMESSAGE &&
               m_nIDTracking != AFX_IDS_IDLEMESSAGE;
    }
    void SetTitle(LPCTSTR lpszTitle)
    {
        m_strTitle = lpszTitle;
    }
    CString GetTitle() const
    {
        return m_strTitle;
    }
    static CFrameWnd* PASCAL GetFirstFrame();

    // Operations
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void ActivateFrame(int nCmdShow = -1);
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    void DelayRecalcLayout(BOOL bNotify = TRUE)
    {
        m_nIdleFlags |= (idleLayout | (bNotify ? idleNotify : 0));
    }
    void DelayUpdateFrameTitle()
    {
        m_nIdleFlags |= idleTitle;
    }
    void DelayUpdateFrameMenu(HMENU hMenuAlt)
    {
        m_hMenuAlt = hMenuAlt;
        m_nIdleFlags |= idleMenu;
    }
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    CWnd* GetMessageBar();
    void BeginModalState();
    void EndModalState();
    BOOL InModalState() const
    {
        return m_cModalStack != 0;
    }
    void ShowOwnedWindows(BOOL bShow);
    void BringToTop(int nCmdShow);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);

    // Control bars and docking (FrameDock.cpp)
    void EnableDocking(DWORD dwDockStyle);
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL);
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = NULL);
    void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = NULL);
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    CControlBar* GetControlBar(UINT nID);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    void GetDockState(CDockState& state) const;
    void SetDockState(const CDockState& state);
    void LoadBarState(LPCTSTR lpszProfileName);
    void SaveBarState(LPCTSTR lpszProfileName) const;
    CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
    // The sides of dwDockStyle a dock bar under rect offers (0: none), and that dock bar.
    DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar = NULL);
    void AddControlBar(CControlBar* pBar)
    {
        m_listControlBars.AddTail(pBar);
    }
    void RemoveControlBar(CControlBar* pBar);
    // Sends WM_FLOATSTATUS (FS_*) to the floating frames this frame owns.
    void NotifyFloatingWindows(DWORD dwFlags);

    // Overridables
    virtual void OnSetPreviewMode(BOOL, void*)
    {
    }
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    virtual HMENU GetDefaultMenu()
    {
        return m_hMenuDefault;
    }
    virtual HACCEL GetDefaultAccelerator();
    virtual BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    virtual BOOL CanEnterHelpMode()
    {
        return TRUE;
    }
    virtual void ExitHelpMode();
    // One message of the context-help loop: FALSE ends the loop, with *pContext the help context
    // asked for (0: none, (DWORD)-1: the default help).
    virtual BOOL ProcessHelpMsg(MSG& msg, DWORD* pContext);

    // Overrides
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PostNcDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0) override;

    // Values of m_bHelpMode.
    enum
    {
        HELP_INACTIVE = 0,
        HELP_ACTIVE = 1,
        HELP_ENTERING = 2 // ID_CONTEXT_HELP was posted again; the loop starts when it arrives
    };

    // Implementation (members other parts of the program rely on by name)
    // Captures the mouse while it is over this frame's windows; returns the window under point
    // (NULL when the frame is not active), *pbDescendant telling whether it is one of ours.
    HWND SetHelpCapture(POINT point, BOOL* pbDescendant);
    // The help context of a click in a client area (WM_HELPHITTEST up the parents), -1 for none.
    DWORD MapClientArea(HWND hWnd, POINT point);
    // The help context of a click on a non-client part.
    DWORD MapNonClientArea(int nHit);
    // The document's name with this window's number (":2") when the document has several.
    CString NumberedDocumentName(LPCTSTR lpszDocName) const;
    // Sets the caption only when it changes, so the title bar does not flicker on idle updates.
    void SetCaptionIfChanged(const CString& strText);
    HMENU m_hMenuDefault;
    HACCEL m_hAccelTable;
    DWORD m_dwPromptContext;
    BOOL m_bHelpMode;
    CFrameWnd* m_pNextFrameWnd;
    CRect m_rectBorder;
    COleFrameHook* m_pNotifyHook; // in-place item's hook, NULL when none
    CPtrList m_listControlBars;
    int m_nShowDelay;
    UINT m_nIDHelp;
    UINT m_nIDTracking;
    UINT m_nIDLastMessage;
    CView* m_pViewActive;
    BOOL(PASCAL* m_lpfnCloseProc)(CFrameWnd* pFrameWnd);
    UINT m_cModalStack;
    HWND* m_phWndDisable;
    HMENU m_hMenuAlt;
    CString m_strTitle;
    BOOL m_bInRecalcLayout;
    CRuntimeClass* m_pFloatingFrameClass;
    UINT m_nIdleFlags;
    int m_nWindow; // window number shown after the document title (":2"); 0 = none
    BOOL m_bAutoMenuEnable;
    BOOL m_bFrameClosing;

    LPCTSTR GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource);
    BOOL OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    void UpdateFrameMenuItems(CMenu* pMenu);

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    // The activation's work without the views: stay-active state, floating frames, in-place hook.
    void ActivateFrameState(UINT nState, CWnd* pWndOther);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg BOOL OnQueryEndSession();
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnContextHelp();
    afx_msg LRESULT OnExitHelpMode(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    afx_msg BOOL OnBarCheck(UINT nID);

  protected:
    // LoadFrame in steps, for frames that handle their menu themselves. First the help id, the
    // title from the resource string and the window classes (FALSE when they cannot be
    // registered); then the window with the resource's icon and lpszMenuName as its menu (NULL:
    // none), its default menu and the resource's accelerators (FALSE: the window was not made and
    // this object is gone); last the initial update where no creation context sends it.
    BOOL BeginLoadFrame(UINT nIDResource);
    BOOL CreateLoadedFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, LPCTSTR lpszMenuName,
                           CCreateContext* pContext);
    void EndLoadFrame(CCreateContext* pContext);

    DECLARE_MESSAGE_MAP()
};

// Sets the command-routing frame for the life of the object (MFC's CPushRoutingFrame).
class CPushRoutingFrame
{
  public:
    explicit CPushRoutingFrame(CFrameWnd* pNewFrame);
    ~CPushRoutingFrame();
    CPushRoutingFrame(const CPushRoutingFrame&) = delete;
    CPushRoutingFrame& operator=(const CPushRoutingFrame&) = delete;

  private:
    CFrameWnd* m_pOldFrame;
};
