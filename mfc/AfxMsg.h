// Message-map entries: the handler signature groups and the ON_* macros that build entries.
// Handler signatures are MFC's; each macro checks the handler's type at compile time.
//
// Differences from MFC:
// - Only the entries this program uses; OnTimer takes a UINT_PTR as in later MFC versions.
#pragma once

enum AfxSig : UINT_PTR
{
    AfxSig_end = 0,
    AfxSig_bD,        // BOOL (CDC*)
    AfxSig_bb,        // BOOL (BOOL)
    AfxSig_bWww,      // BOOL (CWnd*, UINT, UINT)
    AfxSig_hDWw,      // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_hDw,       // HBRUSH (CDC*, UINT)
    AfxSig_iwWw,      // int (UINT, CWnd*, UINT)
    AfxSig_iWww,      // int (CWnd*, UINT, UINT)
    AfxSig_is,        // int (LPCREATESTRUCT)
    AfxSig_bs,        // BOOL (LPCREATESTRUCT)
    AfxSig_lwl,       // LRESULT (WPARAM, LPARAM)
    AfxSig_vv,        // void ()
    AfxSig_vw,        // void (UINT)
    AfxSig_bw,        // BOOL (UINT)
    AfxSig_vwii,      // void (UINT, int, int)
    AfxSig_vwww,      // void (UINT, UINT, UINT)
    AfxSig_vwp,       // void (UINT, CPoint)
    AfxSig_vwwW,      // void (UINT, UINT, CWnd*)
    AfxSig_vwWb,      // void (UINT, CWnd*, BOOL)
    AfxSig_vW,        // void (CWnd*)
    AfxSig_vb,        // void (BOOL)
    AfxSig_vbw,       // void (BOOL, UINT)
    AfxSig_vbh,       // void (BOOL, DWORD)
    AfxSig_vt,        // void (UINT_PTR)
    AfxSig_vWp,       // void (CWnd*, CPoint)
    AfxSig_vHDROP,    // void (HDROP)
    AfxSig_vMMI,      // void (MINMAXINFO*)
    AfxSig_vPOS,      // void (WINDOWPOS*)
    AfxSig_vbNCCALC,  // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSig_lp,        // LRESULT (CPoint)
    AfxSig_vwl,       // void (UINT, LPARAM)
    AfxSig_vMwb,      // void (CMenu*, UINT, BOOL)
    AfxSig_vwwh,      // void (UINT, UINT, HMENU)
    AfxSig_vwW,       // void (UINT, CWnd*)
    AfxSig_bwsp,      // BOOL (UINT, short, CPoint)
    AfxSig_vbWW,      // void (BOOL, CWnd*, CWnd*)
    AfxSig_viDIS,     // void (int, LPDRAWITEMSTRUCT)
    AfxSig_viMIS,     // void (int, LPMEASUREITEMSTRUCT)
    AfxSig_wv,        // UINT ()
    AfxSig_bHELPINFO, // BOOL (HELPINFO*)
    AfxSig_vii,       // void (int, int)
    AfxSig_bv,        // BOOL ()
    AfxSig_vww,       // void (UINT, UINT)
    AfxSig_vs,        // void (LPCTSTR)
    AfxSig_iiCIS,     // int (int, LPCOMPAREITEMSTRUCT)
    AfxSig_viDEL,     // void (int, LPDELETEITEMSTRUCT)
    AfxSig_vws,       // void (UINT, LPCTSTR)
    AfxSig_viSS,      // void (int, LPSTYLESTRUCT)
    // Commands and notifications (routed through OnCmdMsg)
    AfxSig_cmdui,     // void (CCmdUI*)
    AfxSig_vNMHDRpl,  // void (NMHDR*, LRESULT*)
    AfxSig_vwNMHDRpl, // void (UINT, NMHDR*, LRESULT*)
    AfxSig_bwNMHDRpl, // BOOL (UINT, NMHDR*, LRESULT*)
    AfxSig_bNMHDRpl,  // BOOL (NMHDR*, LRESULT*)
    AfxSig_max
};

// clang-format off
#define AFX_WM_ENTRY(msg, sig, type, fn) {msg, 0, 0, 0, sig, AfxMsgFn(static_cast<type>(&ThisClass::fn))},
#define AFX_CMD_FN(type, fn) AfxMsgFn(static_cast<type>(&ThisClass::fn))

// Commands, command ranges, command-state updates
#define ON_COMMAND(id, fn) {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_vv, AFX_CMD_FN(void (CCmdTarget::*)(), fn)},
#define ON_COMMAND_RANGE(id, idLast, fn) {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AfxSig_vw, AFX_CMD_FN(void (CCmdTarget::*)(UINT), fn)},
#define ON_COMMAND_EX(id, fn) {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_bw, AFX_CMD_FN(BOOL (CCmdTarget::*)(UINT), fn)},
#define ON_COMMAND_EX_RANGE(id, idLast, fn) {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AfxSig_bw, AFX_CMD_FN(BOOL (CCmdTarget::*)(UINT), fn)},
#define ON_UPDATE_COMMAND_UI(id, fn) {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), AfxSig_cmdui, AFX_CMD_FN(void (CCmdTarget::*)(CCmdUI*), fn)},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, fn) {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast), AfxSig_cmdui, AFX_CMD_FN(void (CCmdTarget::*)(CCmdUI*), fn)},

// Control notifications through WM_COMMAND
#define ON_CONTROL(code, id, fn) {WM_COMMAND, (UINT)(WORD)(code), (UINT)(id), (UINT)(id), AfxSig_vv, AFX_CMD_FN(void (CCmdTarget::*)(), fn)},
#define ON_CONTROL_RANGE(code, id, idLast, fn) {WM_COMMAND, (UINT)(WORD)(code), (UINT)(id), (UINT)(idLast), AfxSig_vw, AFX_CMD_FN(void (CCmdTarget::*)(UINT), fn)},
#define ON_CONTROL_REFLECT(code, fn) {WM_COMMAND + WM_REFLECT_BASE, (UINT)(WORD)(code), 0, 0, AfxSig_vv, AFX_CMD_FN(void (CCmdTarget::*)(), fn)},
#define ON_CONTROL_REFLECT_EX(code, fn) {WM_COMMAND + WM_REFLECT_BASE, (UINT)(WORD)(code), 0, 0, AfxSig_bv, AFX_CMD_FN(BOOL (CCmdTarget::*)(), fn)},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_BN_SETFOCUS(id, fn) ON_CONTROL(BN_SETFOCUS, id, fn)
#define ON_BN_KILLFOCUS(id, fn) ON_CONTROL(BN_KILLFOCUS, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_MAXTEXT(id, fn) ON_CONTROL(EN_MAXTEXT, id, fn)
#define ON_EN_HSCROLL(id, fn) ON_CONTROL(EN_HSCROLL, id, fn)
#define ON_EN_VSCROLL(id, fn) ON_CONTROL(EN_VSCROLL, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_DBLCLK(id, fn) ON_CONTROL(CBN_DBLCLK, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_EDITUPDATE(id, fn) ON_CONTROL(CBN_EDITUPDATE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_CBN_SELENDCANCEL(id, fn) ON_CONTROL(CBN_SELENDCANCEL, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_LBN_SETFOCUS(id, fn) ON_CONTROL(LBN_SETFOCUS, id, fn)
#define ON_LBN_KILLFOCUS(id, fn) ON_CONTROL(LBN_KILLFOCUS, id, fn)
#define ON_LBN_SELCANCEL(id, fn) ON_CONTROL(LBN_SELCANCEL, id, fn)

// WM_NOTIFY
#define ON_NOTIFY(code, id, fn) {WM_NOTIFY, (UINT)(WORD)(code), (UINT)(id), (UINT)(id), AfxSig_vNMHDRpl, AFX_CMD_FN(void (CCmdTarget::*)(NMHDR*, LRESULT*), fn)},
#define ON_NOTIFY_RANGE(code, id, idLast, fn) {WM_NOTIFY, (UINT)(WORD)(code), (UINT)(id), (UINT)(idLast), AfxSig_vwNMHDRpl, AFX_CMD_FN(void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), fn)},
#define ON_NOTIFY_EX(code, id, fn) {WM_NOTIFY, (UINT)(WORD)(code), (UINT)(id), (UINT)(id), AfxSig_bwNMHDRpl, AFX_CMD_FN(BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), fn)},
#define ON_NOTIFY_EX_RANGE(code, id, idLast, fn) {WM_NOTIFY, (UINT)(WORD)(code), (UINT)(id), (UINT)(idLast), AfxSig_bwNMHDRpl, AFX_CMD_FN(BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), fn)},
#define ON_NOTIFY_REFLECT(code, fn) {WM_NOTIFY + WM_REFLECT_BASE, (UINT)(WORD)(code), 0, 0, AfxSig_vNMHDRpl, AFX_CMD_FN(void (CCmdTarget::*)(NMHDR*, LRESULT*), fn)},
#define ON_NOTIFY_REFLECT_EX(code, fn) {WM_NOTIFY + WM_REFLECT_BASE, (UINT)(WORD)(code), 0, 0, AfxSig_bNMHDRpl, AFX_CMD_FN(BOOL (CCmdTarget::*)(NMHDR*, LRESULT*), fn)},

// User and registered messages
#define ON_MESSAGE(msg, fn) {(UINT)(msg), 0, 0, 0, AfxSig_lwl, AfxMsgFn(static_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(&ThisClass::fn))},
#define ON_REGISTERED_MESSAGE(var, fn) {0xC000, 0, 0, 0, (UINT_PTR)(UINT*)(&var), AfxMsgFn(static_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(&ThisClass::fn))},
#define ON_THREAD_MESSAGE(msg, fn) {(UINT)(msg), 0, 0, 0, AfxSig_vwl, AfxMsgFn(static_cast<void (CWinThread::*)(WPARAM, LPARAM)>(&ThisClass::fn))},

// Window messages
#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, AfxSig_is, int (CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_NCCREATE() AFX_WM_ENTRY(WM_NCCREATE, AfxSig_bs, BOOL (CWnd::*)(LPCREATESTRUCT), OnNcCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, AfxSig_vv, void (CWnd::*)(), OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, AfxSig_vv, void (CWnd::*)(), OnNcDestroy)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, AfxSig_vv, void (CWnd::*)(), OnClose)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, AfxSig_vv, void (CWnd::*)(), OnPaint)
#define ON_WM_NCPAINT() AFX_WM_ENTRY(WM_NCPAINT, AfxSig_vv, void (CWnd::*)(), OnNcPaint)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, AfxSig_bD, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, AfxSig_vwii, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_MOVE() AFX_WM_ENTRY(WM_MOVE, AfxSig_vii, void (CWnd::*)(int, int), OnMove)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_ACTIVATE() AFX_WM_ENTRY(WM_ACTIVATE, AfxSig_vwWb, void (CWnd::*)(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_ACTIVATEAPP() AFX_WM_ENTRY(WM_ACTIVATEAPP, AfxSig_vbh, void (CWnd::*)(BOOL, DWORD), OnActivateApp)
#define ON_WM_MOUSEACTIVATE() AFX_WM_ENTRY(WM_MOUSEACTIVATE, AfxSig_iWww, int (CWnd::*)(CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_SETCURSOR() AFX_WM_ENTRY(WM_SETCURSOR, AfxSig_bWww, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_ENTRY(WM_KEYUP, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_SYSKEYDOWN() AFX_WM_ENTRY(WM_SYSKEYDOWN, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_WM_ENTRY(WM_SYSKEYUP, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_WM_ENTRY(WM_SYSCHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnSysChar)
#define ON_WM_DEADCHAR() AFX_WM_ENTRY(WM_DEADCHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnDeadChar)
#define ON_WM_SYSDEADCHAR() AFX_WM_ENTRY(WM_SYSDEADCHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnSysDeadChar)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_ENTRY(WM_LBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_ENTRY(WM_RBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_WM_ENTRY(WM_RBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_WM_ENTRY(WM_MBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_WM_ENTRY(WM_MBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMButtonUp)
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY(WM_MOUSEMOVE, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_MOUSEWHEEL() AFX_WM_ENTRY(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL (CWnd::*)(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_HSCROLL() AFX_WM_ENTRY(WM_HSCROLL, AfxSig_vwwW, void (CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL() AFX_WM_ENTRY(WM_VSCROLL, AfxSig_vwwW, void (CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_HSCROLL_REFLECT() AFX_WM_ENTRY(WM_HSCROLL + WM_REFLECT_BASE, AfxSig_vww, void (CWnd::*)(UINT, UINT), HScroll)
#define ON_WM_VSCROLL_REFLECT() AFX_WM_ENTRY(WM_VSCROLL + WM_REFLECT_BASE, AfxSig_vww, void (CWnd::*)(UINT, UINT), VScroll)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, AfxSig_vt, void (CWnd::*)(UINT_PTR), OnTimer)
#define ON_WM_CONTEXTMENU() AFX_WM_ENTRY(WM_CONTEXTMENU, AfxSig_vWp, void (CWnd::*)(CWnd*, CPoint), OnContextMenu)
#define ON_WM_DROPFILES() AFX_WM_ENTRY(WM_DROPFILES, AfxSig_vHDROP, void (CWnd::*)(HDROP), OnDropFiles)
#define ON_WM_GETMINMAXINFO() AFX_WM_ENTRY(WM_GETMINMAXINFO, AfxSig_vMMI, void (CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_WINDOWPOSCHANGING() AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, AfxSig_vPOS, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, AfxSig_vPOS, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, AfxSig_vbw, void (CWnd::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_ENABLE() AFX_WM_ENTRY(WM_ENABLE, AfxSig_vb, void (CWnd::*)(BOOL), OnEnable)
#define ON_WM_NCACTIVATE() AFX_WM_ENTRY(WM_NCACTIVATE, AfxSig_bb, BOOL (CWnd::*)(BOOL), OnNcActivate)
#define ON_WM_NCCALCSIZE() AFX_WM_ENTRY(WM_NCCALCSIZE, AfxSig_vbNCCALC, void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_NCHITTEST() AFX_WM_ENTRY(WM_NCHITTEST, AfxSig_lp, LRESULT (CWnd::*)(CPoint), OnNcHitTest)
#define ON_WM_NCLBUTTONDOWN() AFX_WM_ENTRY(WM_NCLBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP()                                                                                  \
    AFX_WM_ENTRY(WM_NCLBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_WM_ENTRY(WM_NCLBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_WM_ENTRY(WM_NCRBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_WM_ENTRY(WM_NCRBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcRButtonUp)
#define ON_WM_NCRBUTTONDBLCLK() AFX_WM_ENTRY(WM_NCRBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcRButtonDblClk)
#define ON_WM_NCMBUTTONDOWN() AFX_WM_ENTRY(WM_NCMBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcMButtonDown)
#define ON_WM_NCMOUSEMOVE() AFX_WM_ENTRY(WM_NCMOUSEMOVE, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcMouseMove)
#define ON_WM_SYSCOMMAND() AFX_WM_ENTRY(WM_SYSCOMMAND, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_PARENTNOTIFY() AFX_WM_ENTRY(WM_PARENTNOTIFY, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnParentNotify)
#define ON_WM_INITMENUPOPUP() AFX_WM_ENTRY(WM_INITMENUPOPUP, AfxSig_vMwb, void (CWnd::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_MENUSELECT() AFX_WM_ENTRY(WM_MENUSELECT, AfxSig_vwwh, void (CWnd::*)(UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_ENTERIDLE() AFX_WM_ENTRY(WM_ENTERIDLE, AfxSig_vwW, void (CWnd::*)(UINT, CWnd*), OnEnterIdle)
#define ON_WM_CTLCOLOR() AFX_WM_ENTRY(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_CTLCOLOR_REFLECT() AFX_WM_ENTRY(WM_CTLCOLOR + WM_REFLECT_BASE, AfxSig_hDw, HBRUSH (CWnd::*)(CDC*, UINT), CtlColor)
#define ON_WM_DRAWITEM() AFX_WM_ENTRY(WM_DRAWITEM, AfxSig_viDIS, void (CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_WM_ENTRY(WM_MEASUREITEM, AfxSig_viMIS, void (CWnd::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_CAPTURECHANGED() AFX_WM_ENTRY(WM_CAPTURECHANGED, AfxSig_vW, void (CWnd::*)(CWnd*), OnCaptureChanged)
#define ON_WM_CANCELMODE() AFX_WM_ENTRY(WM_CANCELMODE, AfxSig_vv, void (CWnd::*)(), OnCancelMode)
#define ON_WM_SETTINGCHANGE() AFX_WM_ENTRY(WM_SETTINGCHANGE, AfxSig_vws, void (CWnd::*)(UINT, LPCTSTR), OnSettingChange)
#define ON_WM_QUERYNEWPALETTE() AFX_WM_ENTRY(WM_QUERYNEWPALETTE, AfxSig_bv, BOOL (CWnd::*)(), OnQueryNewPalette)
#define ON_WM_PALETTECHANGED() AFX_WM_ENTRY(WM_PALETTECHANGED, AfxSig_vW, void (CWnd::*)(CWnd*), OnPaletteChanged)
#define ON_WM_SYSCOLORCHANGE() AFX_WM_ENTRY(WM_SYSCOLORCHANGE, AfxSig_vv, void (CWnd::*)(), OnSysColorChange)
#define ON_WM_WININICHANGE() AFX_WM_ENTRY(WM_WININICHANGE, AfxSig_vs, void (CWnd::*)(LPCTSTR), OnWinIniChange)
#define ON_WM_QUERYENDSESSION() AFX_WM_ENTRY(WM_QUERYENDSESSION, AfxSig_bv, BOOL (CWnd::*)(), OnQueryEndSession)
#define ON_WM_ENDSESSION() AFX_WM_ENTRY(WM_ENDSESSION, AfxSig_vb, void (CWnd::*)(BOOL), OnEndSession)
#define ON_WM_MDIACTIVATE() AFX_WM_ENTRY(WM_MDIACTIVATE, AfxSig_vbWW, void (CWnd::*)(BOOL, CWnd*, CWnd*), OnMDIActivate)
#define ON_WM_CHILDACTIVATE() AFX_WM_ENTRY(WM_CHILDACTIVATE, AfxSig_vv, void (CWnd::*)(), OnChildActivate)
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, AfxSig_wv, UINT (CWnd::*)(), OnGetDlgCode)
#define ON_WM_HELPINFO() AFX_WM_ENTRY(WM_HELP, AfxSig_bHELPINFO, BOOL (CWnd::*)(HELPINFO*), OnHelpInfo)
#define ON_WM_ENTERMENULOOP() AFX_WM_ENTRY(WM_ENTERMENULOOP, AfxSig_vb, void (CWnd::*)(BOOL), OnEnterMenuLoop)
#define ON_WM_COMPAREITEM() AFX_WM_ENTRY(WM_COMPAREITEM, AfxSig_iiCIS, int (CWnd::*)(int, LPCOMPAREITEMSTRUCT), OnCompareItem)
#define ON_WM_STYLECHANGED() AFX_WM_ENTRY(WM_STYLECHANGED, AfxSig_viSS, void (CWnd::*)(int, LPSTYLESTRUCT), OnStyleChanged)
#define ON_WM_DELETEITEM() AFX_WM_ENTRY(WM_DELETEITEM, AfxSig_viDEL, void (CWnd::*)(int, LPDELETEITEMSTRUCT), OnDeleteItem)
#define ON_WM_EXITMENULOOP() AFX_WM_ENTRY(WM_EXITMENULOOP, AfxSig_vb, void (CWnd::*)(BOOL), OnExitMenuLoop)
// clang-format on
