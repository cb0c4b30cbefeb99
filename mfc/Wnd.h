// CWnd: a window owned by a framework object. Messages run one chain: AfxWndProc -> handle map
// -> WindowProc -> OnWndMsg (message map) -> DefWindowProc. A creation hook attaches the object
// before WM_NCCREATE, so a window sees all its own messages.
//
// Differences from MFC:
// - No OLE control containment: GetControlUnknown is always NULL.
// - MessageBox goes through AfxMessageBox's sink like every other box of the program.
// - EnableToolTips creates a real tooltip control; OnToolHitTest has MFC's child-window default.
// - WinHelp runs WinHelp itself; CWinApp::WinHelp hands its requests to the main window's, so a
//   frame overriding WinHelp sees every help request (F1, help mode, help menu).
#pragma once
#include "CmdTarget.h"
#include "HandleMap.h"
#include <commctrl.h>
#include <shellapi.h>

// windows.h makes GetNextWindow a macro; CWnd has a member of that name.
#ifdef GetNextWindow
#undef GetNextWindow
#endif

class CDC;
class CDataExchange;
class CMenu;
class CFont;
class CScrollBar;
class CFrameWnd;
class CWnd;
struct CCreateContext;

// Private framework messages (MFC's numbers).
#define WM_QUERYAFXWNDPROC 0x0360  // lResult = 1 when the window runs AfxWndProc
#define WM_SIZEPARENT 0x0361       // lParam = AFX_SIZEPARENTPARAMS*
#define WM_SETMESSAGESTRING 0x0362 // wParam = string id or 0, lParam = text (when wParam is 0)
#define WM_IDLEUPDATECMDUI 0x0363  // wParam = bDisableIfNoHandler
#define WM_INITIALUPDATE 0x0364    // sent to views and frames after creation
#define WM_COMMANDHELP 0x0365      // lResult = TRUE when help was given; lParam = help id
#define WM_HELPHITTEST 0x0366      // lResult = help id, lParam = point
#define WM_EXITHELPMODE 0x0367
#define WM_RECALCPARENT 0x0368 // tells the parent of a view to lay out its bars again
#define WM_SIZECHILD 0x0369
#define WM_KICKIDLE 0x036A       // posted to make the message loop run its idle step
#define WM_QUERYCENTERWND 0x036B // lResult = HWND to centre on
#define WM_DISABLEMODAL 0x036C
#define WM_FLOATSTATUS 0x036D
#define WM_ACTIVATETOPLEVEL 0x036E
#define WM_QUERY3DCONTROLS 0x036F
#define WM_SOCKET_NOTIFY 0x0373
#define WM_SOCKET_DEAD 0x0374
#define WM_POPMESSAGESTRING 0x0375
#define WM_HELPPROMPTADDR 0x0376
#define WM_OCC_LOADFROMSTREAM 0x0376
#define WM_QUEUE_SENTINEL 0x0379

// Extra window styles the framework keeps in the frame's style word.
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS 0x00002000L

// RepositionBars modes.
#define reposDefault 0
#define reposQuery 1
#define reposExtra 2

// Flags of CWnd::m_nFlags.
#define WF_TOOLTIPS 0x0001
#define WF_TEMPHIDE 0x0002
#define WF_STAYDISABLED 0x0004
#define WF_MODALLOOP 0x0008
#define WF_CONTINUEMODAL 0x0010
#define WF_OLECTLCONTAINER 0x0100
#define WF_STAYACTIVE 0x0020
#define WF_NOPOPMSG 0x0040
#define WF_MODALDISABLE 0x0080
#define WF_KEEPMINIACTIVE 0x0200

// RunModalLoop flags.
#define MLF_NOIDLEMSG 0x0001
#define MLF_NOKICKIDLE 0x0002
#define MLF_SHOWONIDLE 0x0004

// What WM_SIZEPARENT carries: each bar takes its space from rect and reports it.
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP; // NULL in query mode
    RECT rect; // space left for the remaining children
    SIZE sizeTotal;
    BOOL bStretch;
};

// Moves hWnd to lpRect, through the layout's deferred positions when it has them (bars use it
// in their WM_SIZEPARENT handlers).
// The dialog template of that name from the resources, and the module that holds it; NULL when missing.
LPCDLGTEMPLATE AFXAPI AfxLoadDialogTemplate(LPCTSTR lpszTemplateName, HINSTANCE* phInst);
void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);
// A rectangle's width or height as the Create calls pass it. The difference wraps, so the default
// rectangle (CW_USEDEFAULT to 0) gives CW_USEDEFAULT again, without a signed overflow.
inline int AfxRectExtent(LONG nFrom, LONG nTo)
{
    return (int)((DWORD)nTo - (DWORD)nFrom);
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
WNDPROC AFXAPI AfxGetAfxWndProc();
// Hands one message to pWnd's WindowProc, keeping the current-message state; exceptions stop here.
LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
// What an entry from Win32 does with an exception a handler let out: the thread reports it (or,
// without a thread object, the exception itself); the exception is deleted.
LRESULT AFXAPI AfxReportWndProcException(CException* e, const MSG* pMsg);

class CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)

  public:
    // Construction
    CWnd();
    explicit CWnd(HWND hWnd); // the insert-after markers below
    ~CWnd() override;
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = NULL);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                  int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = NULL);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = NULL);
    virtual BOOL DestroyWindow();
    // A window made by the dialog manager from a dialog template (a dialog bar, a form view):
    // this object receives its messages, as for a dialog.
    BOOL CreateDlg(LPCTSTR lpszTemplateName, CWnd* pParentWnd);
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    // Adds the list and combo box strings of a template's RT_DLGINIT resource (or of such
    // records in memory) to the controls; TRUE when there are none.
    BOOL ExecuteDlgInit(LPCTSTR lpszResourceName);
    BOOL ExecuteDlgInit(LPVOID lpResource);

    // Handle maps
    static CWnd* PASCAL FromHandle(HWND hWnd);
    static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Attributes
    HWND m_hWnd;
    operator HWND() const
    {
        return GetSafeHwnd();
    }
    // Like MFC, callable through a NULL pointer (the pointer is laundered so the check stays).
    // The hosted ActiveX control's IUnknown; the layer hosts none, so always NULL.
    LPUNKNOWN GetControlUnknown() const
    {
        return NULL;
    }
    HWND GetSafeHwnd() const
    {
        const CWnd* volatile self = this;
        return self == NULL ? NULL : self->m_hWnd;
    }
    DWORD GetStyle() const
    {
        return (DWORD)::GetWindowLongPtr(m_hWnd, GWL_STYLE);
    }
    DWORD GetExStyle() const
    {
        return (DWORD)::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE);
    }
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    static BOOL PASCAL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    static BOOL PASCAL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd)
    {
        m_hWndOwner = pOwnerWnd != NULL ? pOwnerWnd->m_hWnd : NULL;
    }
    int GetDlgCtrlID() const
    {
        return ::GetDlgCtrlID(m_hWnd);
    }
    int SetDlgCtrlID(int nID)
    {
        return (int)::SetWindowLongPtr(m_hWnd, GWLP_ID, nID);
    }
    BOOL IsWindowVisible() const
    {
        return ::IsWindowVisible(m_hWnd);
    }
    BOOL IsWindowEnabled() const
    {
        return ::IsWindowEnabled(m_hWnd);
    }
    BOOL EnableWindow(BOOL bEnable = TRUE)
    {
        return ::EnableWindow(m_hWnd, bEnable);
    }
    BOOL IsIconic() const
    {
        return ::IsIconic(m_hWnd);
    }
    BOOL IsZoomed() const
    {
        return ::IsZoomed(m_hWnd);
    }
    BOOL IsChild(const CWnd* pWnd) const
    {
        return ::IsChild(m_hWnd, pWnd->GetSafeHwnd());
    }
    void SetWindowText(LPCTSTR lpszString)
    {
        ::SetWindowText(m_hWnd, lpszString);
    }
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
    {
        return ::GetWindowText(m_hWnd, lpszStringBuf, nMaxCount);
    }
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const
    {
        return ::GetWindowTextLength(m_hWnd);
    }
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon)
    {
        return (HICON)SendMessage(WM_SETICON, bBigIcon, (LPARAM)hIcon);
    }
    HICON GetIcon(BOOL bBigIcon) const
    {
        return (HICON)::SendMessage(m_hWnd, WM_GETICON, bBigIcon, 0);
    }
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    void DrawMenuBar()
    {
        ::DrawMenuBar(m_hWnd);
    }
    CMenu* GetSystemMenu(BOOL bRevert) const;
    static const MSG* PASCAL GetCurrentMessage();

    // Relations
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    CWnd* GetTopLevelParent() const;
    // For a floating popup (a mini frame): F6 window switching, the Alt-key menu and closing go to
    // the top-level parent; activation and focus come back afterwards while their windows exist.
    // TRUE when the command was one of those.
    BOOL HandleFloatingSysCommand(UINT nID, LPARAM lParam);
    CWnd* GetTopLevelOwner() const;
    CWnd* GetParentOwner() const;
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const
    {
        *phWnd = ::GetDlgItem(m_hWnd, nID);
    }
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    void SetDlgItemText(int nID, LPCTSTR lpszString)
    {
        ::SetDlgItemText(m_hWnd, nID, lpszString);
    }
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const
    {
        return ::GetDlgItemText(m_hWnd, nID, lpStr, nMaxCount);
    }
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE)
    {
        ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
    }
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = NULL, BOOL bSigned = TRUE) const
    {
        return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
    }
    void CheckDlgButton(int nIDButton, UINT nCheck)
    {
        ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
    }
    UINT IsDlgButtonChecked(int nIDButton) const
    {
        return ::IsDlgButtonChecked(m_hWnd, nIDButton);
    }
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendDlgItemMessage(m_hWnd, nID, message, wParam, lParam);
    }
    static CWnd* PASCAL GetDescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm);
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                  BOOL bOnlyPerm = FALSE);
    static void PASCAL SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                                BOOL bDeep, BOOL bOnlyPerm);
    CWnd* GetWindow(UINT nCmd) const
    {
        return FromHandle(::GetWindow(m_hWnd, nCmd));
    }
    CWnd* GetTopWindow() const
    {
        return FromHandle(::GetTopWindow(m_hWnd));
    }
    CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const
    {
        return FromHandle(::GetWindow(m_hWnd, nFlag));
    }
    CWnd* GetLastActivePopup() const
    {
        return FromHandle(::GetLastActivePopup(m_hWnd));
    }
    static CWnd* PASCAL GetActiveWindow()
    {
        return FromHandle(::GetActiveWindow());
    }
    CWnd* SetActiveWindow()
    {
        return FromHandle(::SetActiveWindow(m_hWnd));
    }
    static CWnd* PASCAL GetForegroundWindow()
    {
        return FromHandle(::GetForegroundWindow());
    }
    BOOL SetForegroundWindow()
    {
        return ::SetForegroundWindow(m_hWnd);
    }
    static CWnd* PASCAL GetFocus()
    {
        return FromHandle(::GetFocus());
    }
    CWnd* SetFocus()
    {
        return FromHandle(::SetFocus(m_hWnd));
    }
    static CWnd* PASCAL GetDesktopWindow()
    {
        return FromHandle(::GetDesktopWindow());
    }
    static CWnd* PASCAL GetCapture()
    {
        return FromHandle(::GetCapture());
    }
    CWnd* SetCapture()
    {
        return FromHandle(::SetCapture(m_hWnd));
    }
    static CWnd* PASCAL FindWindow(LPCTSTR lpszClassName, LPCTSTR lpszWindowName)
    {
        return FromHandle(::FindWindow(lpszClassName, lpszWindowName));
    }
    BOOL IsFrameWnd() const;

    // Geometry
    void GetWindowRect(LPRECT lpRect) const
    {
        ::GetWindowRect(m_hWnd, lpRect);
    }
    void GetClientRect(LPRECT lpRect) const
    {
        ::GetClientRect(m_hWnd, lpRect);
    }
    void ClientToScreen(LPPOINT lpPoint) const
    {
        ::ClientToScreen(m_hWnd, lpPoint);
    }
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const
    {
        ::ScreenToClient(m_hWnd, lpPoint);
    }
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
    {
        ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), lpPoint, nCount);
    }
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
    {
        ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), (LPPOINT)lpRect, 2);
    }
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE)
    {
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE)
    {
        MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                   bRepaint);
    }
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    BOOL ShowWindow(int nCmdShow)
    {
        return ::ShowWindow(m_hWnd, nCmdShow);
    }
    // The system owns the region once it is set; 0 when the window refuses it.
    int SetWindowRgn(HRGN hRgn, BOOL bRedraw)
    {
        return ::SetWindowRgn(m_hWnd, hRgn, bRedraw);
    }
    int GetWindowRgn(HRGN hRgn) const
    {
        return ::GetWindowRgn(m_hWnd, hRgn);
    }
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const
    {
        lpwndpl->length = sizeof(WINDOWPLACEMENT);
        return ::GetWindowPlacement(m_hWnd, lpwndpl);
    }
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl)
    {
        return ::SetWindowPlacement(m_hWnd, lpwndpl);
    }
    void BringWindowToTop()
    {
        ::BringWindowToTop(m_hWnd);
    }
    void ShowOwnedPopups(BOOL bShow = TRUE)
    {
        ::ShowOwnedPopups(m_hWnd, bShow);
    }
    void CenterWindow(CWnd* pAlternateOwner = NULL);
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0);
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
                        LPRECT lpRectParam = NULL, LPCRECT lpRectClient = NULL, BOOL bStretch = TRUE);

    // Painting
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* pDC);
    CDC* BeginPaint(LPPAINTSTRUCT lpPaint);
    void EndPaint(LPPAINTSTRUCT lpPaint)
    {
        ::EndPaint(m_hWnd, lpPaint);
    }
    void Invalidate(BOOL bErase = TRUE)
    {
        ::InvalidateRect(m_hWnd, NULL, bErase);
    }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE)
    {
        ::InvalidateRect(m_hWnd, lpRect, bErase);
    }
    void ValidateRect(LPCRECT lpRect)
    {
        ::ValidateRect(m_hWnd, lpRect);
    }
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE)
    {
        return ::GetUpdateRect(m_hWnd, lpRect, bErase);
    }
    void UpdateWindow()
    {
        ::UpdateWindow(m_hWnd);
    }
    void SetRedraw(BOOL bRedraw = TRUE)
    {
        SendMessage(WM_SETREDRAW, bRedraw);
    }
    BOOL RedrawWindow(LPCRECT lpRectUpdate = NULL, HRGN hrgn = NULL,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE)
    {
        return ::RedrawWindow(m_hWnd, lpRectUpdate, hrgn, flags);
    }
    BOOL LockWindowUpdate()
    {
        return ::LockWindowUpdate(m_hWnd);
    }
    // The thread's caret, owned by this window while it has one.
    void CreateSolidCaret(int nWidth, int nHeight)
    {
        ::CreateCaret(m_hWnd, NULL, nWidth, nHeight);
    }
    void CreateGrayCaret(int nWidth, int nHeight)
    {
        ::CreateCaret(m_hWnd, (HBITMAP)1, nWidth, nHeight);
    }
    static void PASCAL SetCaretPos(POINT point)
    {
        ::SetCaretPos(point.x, point.y);
    }
    static CPoint PASCAL GetCaretPos()
    {
        CPoint pt;
        ::GetCaretPos(&pt);
        return pt;
    }
    void ShowCaret()
    {
        ::ShowCaret(m_hWnd);
    }
    void HideCaret()
    {
        ::HideCaret(m_hWnd);
    }
    void UnlockWindowUpdate()
    {
        ::LockWindowUpdate(NULL);
    }

    // Messages
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessage(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessage(m_hWnd, message, wParam, lParam);
    }
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = NULL, UINT nType = MB_OK);

    // Timers, capture, scrolling
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = NULL)
    {
        return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
    }
    BOOL KillTimer(UINT_PTR nIDEvent)
    {
        return ::KillTimer(m_hWnd, nIDEvent);
    }
    // The scroll functions address the control GetScrollBarCtrl returns (a splitter's shared
    // bar), else the window's own bar.
    int GetScrollPos(int nBar) const;
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int GetScrollLimit(int nBar);
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE)
    {
        ::ShowScrollBar(m_hWnd, nBar, bShow);
    }
    void EnableScrollBarCtrl(int nBar, BOOL bEnable = TRUE);
    virtual CScrollBar* GetScrollBarCtrl(int nBar) const;
    // The window whose bar nBar names, and the bar in it (SB_CTL for a control).
    HWND ScrollBarTarget(int& nBar) const;
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = NULL, LPCRECT lpClipRect = NULL)
    {
        ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
    }
    int ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, class CRgn* prgnUpdate,
                       LPRECT lpRectUpdate, UINT flags);
    void DragAcceptFiles(BOOL bAccept = TRUE);

    // Tool tips and command state
    BOOL EnableToolTips(BOOL bEnable = TRUE);
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
    void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    // Dialog data exchange (DataExchange.cpp): FALSE when a value was refused
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Modal loops
    int RunModalLoop(DWORD dwFlags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int nResult);

    // Help: wait cursor, help mode and modes of this window's family ended, then WinHelp for
    // the top-level parent with the application's help file; a failure is reported.
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    // Ends help mode and every mode (menu loop, capture) of this window, its descendants, its
    // top-level parent and the window holding the capture.
    void PrepareForHelp();
    // F1 (ID_HELP): help for whoever holds the capture, then the focus, then the active pop-up,
    // asked in turn with WM_COMMANDHELP up their parents; without an answer ID_DEFAULT_HELP.
    afx_msg void OnHelp();
    // The help contents (ID_HELP_FINDER, ID_DEFAULT_HELP).
    afx_msg void OnHelpFinder();

    // Overridables
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PreSubclassWindow();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void PostNcDestroy();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual WNDPROC* GetSuperWndProcAddr();
    virtual BOOL CheckAutoCenter()
    {
        return TRUE;
    }

    // Handlers with MFC's signatures; each runs the default processing of the current message.
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnClose();
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcMButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnCancelMode();
    afx_msg void OnSysColorChange();
    afx_msg void OnWinIniChange(LPCTSTR lpszSection);
    afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg BOOL OnQueryEndSession();
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    afx_msg void OnChildActivate();
    afx_msg UINT OnGetDlgCode();
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnEnterMenuLoop(BOOL bIsTrackPopupMenu);
    afx_msg void OnExitMenuLoop(BOOL bIsTrackPopupMenu);

    // Implementation
    LRESULT Default();
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = NULL);
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = NULL);
    static BOOL PASCAL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    BOOL FilterToolTipMessage(MSG* pMsg);
    void AttachTemporaryHandle(HWND h)
    {
        m_hWnd = h;
    }
    void DetachTemporaryHandle()
    {
        m_hWnd = NULL;
    }
    static CHandleMap<CWnd, HWND>& PASCAL HandleMap();

    HWND m_hWndOwner; // owner set by SetOwner (NULL: the parent/real owner)
    UINT m_nFlags;    // WF_* flags
    WNDPROC m_pfnSuper;
    int m_nModalResult;
    HWND m_hWndToolTip;

  protected:
    DECLARE_MESSAGE_MAP()
};

// Starts watching window creation on this thread; the next window created is attached to pWnd.
void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
BOOL AFXAPI AfxUnhookWindowCreate();

// Window classes.
LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0, HBRUSH hbrBackground = 0,
                                   HICON hIcon = 0);
BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass);
// Registers the framework's classes on demand (AFX_WND_REG, AFX_WNDFRAMEORVIEW_REG, ...).
BOOL AFXAPI AfxDeferRegisterClass(LONG fToRegister);
#define AFX_WND_REG 0x00001
#define AFX_WNDCONTROLBAR_REG 0x00002
#define AFX_WNDMDIFRAME_REG 0x00004
#define AFX_WNDFRAMEORVIEW_REG 0x00008
#define AFX_WNDCOMMCTLS_REG 0x00010
#define AFX_WNDOLECONTROL_REG 0x00020
#define AFX_WNDCOMMCTL_BAR_REG 0x01000

extern const TCHAR _afxWnd[];
extern const TCHAR _afxWndControlBar[];
extern const TCHAR _afxWndMDIFrame[];
extern const TCHAR _afxWndFrameOrView[];

// The owner window for message boxes: the active popup of the main window, else NULL.
HWND AFXAPI AfxGetMainWndForBoxes();
// The extended class name registered for a frame's icon resource.
LPCTSTR AFXAPI AfxRegisterIconClass(UINT nIDIcon);
