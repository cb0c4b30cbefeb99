// The window messages of the grid engine: one table maps each message to an engine operation and
// says when the window form's default processing runs. Keyboard, mouse, focus, size and the
// other message operations answer "not handled" until the grid interaction brings them.
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/PluginComponent.h"
#include "FindReplaceDialog.h"

namespace
{
// When the form's default processing runs.
enum DefaultPolicy
{
    thenDefault, // only when the engine did not handle the message
    alwaysFirst, // before the engine operation
    alwaysAfter, // after the engine operation
    noDefault    // never
};

// One engine operation: answers whether it handled the message and sets lResult.
typedef BOOL (*EngineOp)(CGXGridCore* pGrid, WPARAM wParam, LPARAM lParam, LRESULT& lResult);

struct MessageEntry
{
    UINT message;
    EngineOp op;
    DefaultPolicy policy;
};

CPoint PointOf(LPARAM lParam)
{
    return CPoint((short)LOWORD(lParam), (short)HIWORD(lParam));
}

// Takes the focus unless it is in the grid window or one of its children.
void TakeFocus(CGXGridCore* pGrid)
{
    HWND hGrid = pGrid->GridWnd()->GetSafeHwnd(), hFocus = ::GetFocus();
    if (hFocus != hGrid && !::IsChild(hGrid, hFocus))
        ::SetFocus(hGrid);
}

const MessageEntry s_messageTable[] = {
    {WM_ERASEBKGND,
     [](CGXGridCore*, WPARAM, LPARAM, LRESULT& l) {
         l = TRUE; // the grid paints its whole area
         return TRUE;
     },
     noDefault},
    {WM_SIZE,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) {
         return g->OnGridSize((UINT)w, LOWORD(l), HIWORD(l));
     },
     thenDefault},
    {WM_SHOWWINDOW,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) { return g->OnGridShowWindow((BOOL)w, (UINT)l); },
     alwaysFirst},
    {WM_SETFOCUS,
     [](CGXGridCore* g, WPARAM w, LPARAM, LRESULT&) { return g->OnGridSetFocus(CWnd::FromHandle((HWND)w)); },
     alwaysFirst},
    {WM_KILLFOCUS,
     [](CGXGridCore* g, WPARAM w, LPARAM, LRESULT&) { return g->OnGridKillFocus(CWnd::FromHandle((HWND)w)); },
     alwaysFirst},
    {WM_SETCURSOR,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT& r) {
         BOOL b = g->OnGridSetCursor(CWnd::FromHandle((HWND)w), LOWORD(l), HIWORD(l));
         r = b;
         return b;
     },
     thenDefault},
    {WM_MOUSEMOVE,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) { return g->OnGridMouseMove((UINT)w, PointOf(l)); },
     thenDefault},
    {WM_LBUTTONDOWN,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) {
         TakeFocus(g);
         return g->OnGridButtonDown(WM_LBUTTONDOWN, (UINT)w, PointOf(l));
     },
     thenDefault},
    {WM_MBUTTONDOWN,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) {
         TakeFocus(g);
         return g->OnGridButtonDown(WM_MBUTTONDOWN, (UINT)w, PointOf(l));
     },
     thenDefault},
    {WM_RBUTTONDOWN,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) {
         TakeFocus(g);
         return g->OnGridButtonDown(WM_RBUTTONDOWN, (UINT)w, PointOf(l));
     },
     thenDefault},
    {WM_LBUTTONUP,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) {
         return g->OnGridButtonUp(WM_LBUTTONUP, (UINT)w, PointOf(l));
     },
     thenDefault},
    {WM_MBUTTONUP,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) {
         return g->OnGridButtonUp(WM_MBUTTONUP, (UINT)w, PointOf(l));
     },
     thenDefault},
    {WM_RBUTTONUP,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) {
         return g->OnGridButtonUp(WM_RBUTTONUP, (UINT)w, PointOf(l));
     },
     thenDefault},
    {WM_LBUTTONDBLCLK,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) {
         return g->OnGridButtonDblClk(WM_LBUTTONDBLCLK, (UINT)w, PointOf(l));
     },
     thenDefault},
    {WM_MBUTTONDBLCLK,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) {
         return g->OnGridButtonDblClk(WM_MBUTTONDBLCLK, (UINT)w, PointOf(l));
     },
     thenDefault},
    {WM_RBUTTONDBLCLK,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) {
         return g->OnGridButtonDblClk(WM_RBUTTONDBLCLK, (UINT)w, PointOf(l));
     },
     thenDefault},
    {WM_MOUSEACTIVATE,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT& r) {
         int n = 0;
         BOOL b = g->OnGridMouseActivate(CWnd::FromHandle((HWND)w), LOWORD(l), HIWORD(l), n);
         r = n;
         return b;
     },
     thenDefault},
    {WM_KEYDOWN,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) { return g->OnGridKeyMessage(WM_KEYDOWN, w, l); },
     thenDefault},
    {WM_KEYUP,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) { return g->OnGridKeyMessage(WM_KEYUP, w, l); },
     thenDefault},
    {WM_CHAR, [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) { return g->OnGridKeyMessage(WM_CHAR, w, l); },
     thenDefault},
    {WM_SYSKEYDOWN,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) { return g->OnGridKeyMessage(WM_SYSKEYDOWN, w, l); },
     thenDefault},
    {WM_SYSKEYUP,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) { return g->OnGridKeyMessage(WM_SYSKEYUP, w, l); },
     thenDefault},
    {WM_SYSCHAR,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) { return g->OnGridKeyMessage(WM_SYSCHAR, w, l); },
     thenDefault},
    {WM_HSCROLL,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) {
         return g->OnGridHScroll(LOWORD(w), HIWORD(w), (CScrollBar*)CWnd::FromHandle((HWND)l));
     },
     thenDefault},
    {WM_VSCROLL,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT&) {
         return g->OnGridVScroll(LOWORD(w), HIWORD(w), (CScrollBar*)CWnd::FromHandle((HWND)l));
     },
     thenDefault},
    {WM_TIMER,
     [](CGXGridCore* g, WPARAM w, LPARAM, LRESULT&) {
         g->OnGridTimer((UINT_PTR)w);
         return FALSE;
     },
     alwaysAfter},
    {WM_CANCELMODE,
     [](CGXGridCore* g, WPARAM, LPARAM, LRESULT&) {
         g->OnGridCancelMode();
         return TRUE;
     },
     noDefault},
    {WM_DESTROY, [](CGXGridCore* g, WPARAM, LPARAM, LRESULT&) { return g->OnGridDestroy(); }, thenDefault},
    {WM_SYSCOLORCHANGE,
     [](CGXGridCore* g, WPARAM, LPARAM, LRESULT&) {
         g->OnGridSysColorChange();
         return FALSE;
     },
     alwaysAfter},
    {WM_WININICHANGE,
     [](CGXGridCore* g, WPARAM, LPARAM l, LRESULT&) {
         g->OnGridWinIniChange((LPCTSTR)l);
         return FALSE;
     },
     alwaysAfter},
    {WM_GETDLGCODE,
     [](CGXGridCore* g, WPARAM, LPARAM, LRESULT& r) {
         UINT n = 0;
         BOOL b = g->OnGridGetDlgCode(n);
         r = n;
         return b;
     },
     thenDefault},
    {0x790,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT& r) {
         r = g->OnGridNavigate(w, l);
         return TRUE;
     },
     noDefault},
    {0x791,
     [](CGXGridCore* g, WPARAM w, LPARAM, LRESULT&) {
         g->OnGridProperty(w);
         return TRUE;
     },
     noDefault},
    {0x792,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT& r) {
         r = g->OnGridMoveCurrentCell(w, l) > 0 ? 0 : 1;
         return TRUE;
     },
     noDefault},
    {0x7A3,
     [](CGXGridCore* g, WPARAM w, LPARAM l, LRESULT& r) {
         if (!g->m_bIsViewContext)
             g->GridWnd()->SetFocus();
         r = g->OnGridActivateCell(w, l);
         return TRUE;
     },
     noDefault},
    {0x7CB,
     [](CGXGridCore* g, WPARAM w, LPARAM, LRESULT&) {
         g->m_bSuspendUpdate = (BOOL)w;
         if (!w)
             g->GridWnd()->Invalidate(TRUE);
         return TRUE;
     },
     noDefault},
};

const UINT s_nFindReplaceMessage = ::RegisterWindowMessageA(FINDMSGSTRING);
} // namespace

LRESULT CGXGridCore::DispatchGridMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                         const std::function<LRESULT()>& fnDefault)
{
    LRESULT lResult = 0;
    // Presses and wheel turns go first to the current cell's control (an open drop-down list
    // closes and eats them).
    static const UINT s_anControlFirst[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_MOUSEWHEEL};
    for (UINT nFirst : s_anControlFirst)
    {
        ROWCOL nRow, nCol;
        CGXControl* pControl =
            nFirst == message && GetCurrentCell(nRow, nCol) ? GetControl(nRow, nCol) : NULL;
        if (pControl != NULL && pControl->PreGridMessage(message, wParam, lParam, &lResult))
            return lResult;
    }
    if (DispatchToPlugins(message, wParam, lParam, lResult))
        return lResult;
    if (message == s_nFindReplaceMessage && message != 0)
    {
        OnFindReplaceNotify(CFindReplaceDialog::GetNotifier(lParam));
        return 0;
    }
    if (message == WM_COMMAND && OnGridCommand(wParam, lParam))
        return 0;
    // The colour messages of every kind of child window (WM_CTLCOLOR).
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    {
        HBRUSH hbr = NULL;
        if (OnGridCtlColor(CDC::FromHandle((HDC)wParam), CWnd::FromHandle((HWND)lParam),
                           message - WM_CTLCOLORMSGBOX, hbr))
            return (LRESULT)hbr;
        return fnDefault();
    }
    for (const MessageEntry& e : s_messageTable)
    {
        if (e.message != message)
            continue;
        switch (e.policy)
        {
        case alwaysFirst:
            lResult = fnDefault();
            e.op(this, wParam, lParam, lResult);
            return lResult;
        case alwaysAfter:
            e.op(this, wParam, lParam, lResult);
            return fnDefault();
        case noDefault:
            e.op(this, wParam, lParam, lResult);
            return lResult;
        default:
            return e.op(this, wParam, lParam, lResult) ? lResult : fnDefault();
        }
    }
    return fnDefault();
}

BOOL CGXGridCore::DispatchToPlugins(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    POSITION pos = m_pluginList.GetHeadPosition();
    while (pos != NULL)
    {
        CGXPluginComponent* pPlugin = (CGXPluginComponent*)m_pluginList.GetNext(pos);
        if (pPlugin->GetSafeHwnd() == NULL)
            continue;
        if (pPlugin->HandlePluginMessage(message, wParam, lParam, lResult))
            return TRUE;
        if (pPlugin->m_bSkipOtherPlugins)
            break;
    }
    return FALSE;
}

// -- Operations of the grid interaction: not handled here --------------------------------------------

BOOL CGXGridCore::OnGridPreTranslateMessage(MSG* pMsg)
{
    if (!m_bInitDone || m_pGridWnd->GetSafeHwnd() == NULL || !m_pGridWnd->IsWindowVisible())
        return FALSE;
    LRESULT lResult = 0;
    return m_pAuxPlugin != NULL && m_bAuxPluginEnabled &&
           m_pAuxPlugin->HandlePluginMessage(pMsg->message, pMsg->wParam, pMsg->lParam, lResult);
}

BOOL CGXGridCore::OnGridCommand(WPARAM wParam, LPARAM lParam)
{
    // Notifications of a control's window (an edit window's EN_CHANGE) go to that control.
    ROWCOL nRow, nCol;
    CGXControl* pControl = GetCurrentCell(nRow, nCol) ? GetControl(nRow, nCol) : NULL;
    return pControl != NULL && pControl->OnCommand(wParam, lParam);
}

LRESULT CGXGridCore::OnGridNavigate(WPARAM, LPARAM)
{
    // A sheet-tab window asks whether the user may rename this grid's sheet.
    return m_pParam != NULL && m_pParam->m_bSheetNameEditable;
}

// A sheet-tab window has relabelled this grid's window: the label becomes the grid's text, and
// the other views of the grid name their windows from it.
void CGXGridCore::OnGridProperty(WPARAM wParam)
{
    CGXAbstractTabWndInterface* pTabWnd = GXGetAppData()->m_pTabWndInterface;
    if (m_pParam != NULL && pTabWnd != NULL && m_pGridWnd != NULL && GetContainerWnd() != NULL)
    {
        CString sLabel;
        pTabWnd->GetOrSetTabName(m_pGridWnd, sLabel, FALSE);
        if (!sLabel.IsEmpty())
            m_pParam->m_sWindowSetting = sLabel;
    }
    if (IsHintsEnabled())
        m_pUpdateHintImp->HintProperty(this, (UINT)wParam);
}

int CGXGridCore::OnGridMoveCurrentCell(WPARAM, LPARAM)
{
    return 1; // positive: no objection, so a sheet-tab window may leave or show this grid
}

void CGXGridCore::OnGridActivateView(BOOL, CView*, CView*)
{
}
