// CGXGridCore: keyboard messages of the grid window. The current cell's control sees them
// first; what it leaves goes to the engine's key and character tables.
#include "grid/core/GridCore.h"
#include "grid/core/Control.h"
#include "grid/core/GridParam.h"

namespace
{
enum KeyMods : BYTE
{
    modNone = 1,  // neither Ctrl nor Shift
    modCtrl = 2,  // Ctrl without Shift
    modShift = 4, // Shift without Ctrl
    modAny = 7
};

using KeyAction = BOOL (*)(CGXGridCore* pGrid, UINT nCount);

BOOL Enter(CGXGridCore* g, UINT)
{
    if (!g->TransferCurrentCell(TRUE, GX_INVALIDATE, TRUE))
        return TRUE;
    WORD wAction = g->GetParam()->m_wEnterKeyAction;
    if (wAction != 0)
        g->MoveCurrentCellByKey(wAction, 1);
    return TRUE;
}

BOOL Tab(CGXGridCore* g, UINT, int nDirection)
{
    if (g->TransferCurrentCell(TRUE, GX_INVALIDATE, TRUE))
        g->MoveCurrentCellBy(nDirection, 1, TRUE);
    return TRUE;
}

BOOL F2(CGXGridCore* g, UINT nCount)
{
    ROWCOL nRow, nCol;
    CGXControl* pControl = g->GetCurrentCell(nRow, nCol) ? g->GetControl(nRow, nCol) : NULL;
    if (pControl == NULL)
        return Enter(g, nCount);
    if (pControl->IsActive())
        g->TransferCurrentCell(TRUE, GX_UPDATENOW, TRUE);
    else
    {
        g->TransferCurrentCell(FALSE, GX_UPDATENOW, TRUE);
        if (!pControl->IsReadOnly() && pControl->BeginEditing())
        {
            pControl->SetActive(TRUE);
            pControl->Refresh();
        }
    }
    return TRUE;
}

BOOL Escape(CGXGridCore* g, UINT)
{
    CGXGridParam* pParam = g->GetParam();
    if (pParam->m_bCutPending)
    {
        pParam->m_bCutPending = FALSE;
        g->RedrawAll(GX_INVALIDATE, FALSE);
    }
    ROWCOL nRow, nCol;
    CGXControl* pControl = g->GetCurrentCell(nRow, nCol) ? g->GetControl(nRow, nCol) : NULL;
    if (pControl != NULL)
    {
        if (pControl->CancelEditing())
        {
            pControl->Init(nRow, nCol);
            pControl->Refresh();
            pControl->NotifyEditingCanceled();
        }
        else
            pControl->Refresh();
        g->ScrollCellInView(nRow, nCol, GX_UPDATENOW);
    }
    if (!pParam->m_bSelectCurrentCell && !pParam->m_SelectedRanges.IsEmpty())
    {
        pParam->m_SelectedRanges.DeleteAll();
        g->RedrawAll(GX_INVALIDATE, FALSE);
    }
    return TRUE;
}

// The clipboard keys act only when the operation is possible.
BOOL CopyKey(CGXGridCore* g, UINT)
{
    if (g->CanCopy())
        g->Copy();
    return TRUE;
}

BOOL PasteKey(CGXGridCore* g, UINT)
{
    if (g->CanPaste())
        g->Paste();
    return TRUE;
}

BOOL CutKey(CGXGridCore* g, UINT)
{
    if (g->CanCut())
        g->Cut();
    return TRUE;
}

BOOL DeleteKey(CGXGridCore* g, UINT)
{
    ROWCOL nRow, nCol;
    CGXControl* pControl = g->GetCurrentCell(nRow, nCol) ? g->GetControl(nRow, nCol) : NULL;
    if (pControl == NULL || pControl->IsActive() || !g->CanClear() || !pControl->QueryClearText())
        return FALSE;
    g->Clear((::GetKeyState(VK_CONTROL) & 0x8000) != 0);
    return TRUE;
}

// Moves that the arrow and page keys start; they may begin keyboard auto-repeat.
template <int nDirection, bool bByCount> BOOL Move(CGXGridCore* g, UINT nCount)
{
    g->MoveCurrentCellByKey(nDirection, bByCount ? nCount : 1);
    return TRUE;
}

struct KeyEntry
{
    UINT nKey;
    BYTE mods;
    KeyAction pfn;
};

const KeyEntry s_keyTable[] = {
    // Shift goes with the plain arrows: the selection component extends the selection by it.
    {VK_UP, modNone | modShift, Move<1, true>},
    {VK_UP, modCtrl, Move<7, false>},
    {VK_DOWN, modNone | modShift, Move<3, true>},
    {VK_DOWN, modCtrl, Move<8, false>},
    {VK_LEFT, modNone | modShift, Move<2, true>},
    {VK_LEFT, modCtrl, Move<9, false>},
    {VK_RIGHT, modNone | modShift, Move<4, true>},
    {VK_RIGHT, modCtrl, Move<10, false>},
    {VK_NEXT, modAny, Move<5, true>},
    {VK_PRIOR, modAny, Move<6, true>},
    {VK_HOME, modCtrl, Move<11, false>},
    {VK_END, modCtrl, Move<12, false>},
    {VK_TAB, modNone, [](CGXGridCore* g, UINT n) { return Tab(g, n, 4); }},
    {VK_TAB, modShift, [](CGXGridCore* g, UINT n) { return Tab(g, n, 2); }},
    {VK_RETURN, modNone, Enter},
    {VK_F2, modNone, F2},
    {VK_ESCAPE, modAny, Escape},
    {VK_BACK, modCtrl, [](CGXGridCore* g, UINT) { return g->Redo(), TRUE; }},
    {VK_INSERT, modCtrl, CopyKey},
    {VK_INSERT, modShift, PasteKey},
    {VK_DELETE, modShift, CutKey},
    {VK_DELETE, modNone | modCtrl, DeleteKey},
};

struct CharEntry
{
    UINT nChar;
    KeyAction pfn;
};

const CharEntry s_charTable[] = {
    {3, CopyKey},                                               // Ctrl+C
    {22, PasteKey},                                             // Ctrl+V
    {24, CutKey},                                               // Ctrl+X
    {26, [](CGXGridCore* g, UINT) { return g->Undo(), TRUE; }}, // Ctrl+Z
    {18, [](CGXGridCore* g, UINT) { return g->Redo(), TRUE; }}, // Ctrl+R
    {9, [](CGXGridCore*, UINT) { return TRUE; }},
    {13, [](CGXGridCore*, UINT) { return TRUE; }},
    {127, [](CGXGridCore*, UINT) { return TRUE; }},
};

BOOL IsDown(int nVirtKey)
{
    return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}
} // namespace

BOOL CGXGridCore::OnGridKeyMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ProcessKeyMessage(m_pGridWnd, message, (UINT)wParam, LOWORD(lParam), HIWORD(lParam));
}

BOOL CGXGridCore::ProcessKeyMessage(CWnd* pFromWnd, UINT message, UINT nKey, UINT nRepeat, UINT flags)
{
    HWND hGrid = m_pGridWnd != NULL ? m_pGridWnd->GetSafeHwnd() : NULL;
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)
        HideCellTip();
    // A mouse operation in progress swallows the keyboard; Esc ends it.
    if (hGrid != NULL && ::GetCapture() == hGrid)
    {
        if (message == WM_KEYDOWN && nKey == VK_ESCAPE)
            m_pGridWnd->SendMessage(WM_CANCELMODE);
        return TRUE;
    }

    ROWCOL nRow, nCol;
    if (pFromWnd != NULL && pFromWnd->GetSafeHwnd() == hGrid && GetCurrentCell(nRow, nCol))
    {
        CGXControl* pControl = GetControl(nRow, nCol);
        if (pControl != NULL)
        {
            if (!pControl->IsInitAt(nRow, nCol))
                pControl->Init(nRow, nCol);
            if (pControl->DispatchKeyMessage(message, nKey, MAKELPARAM(nRepeat, flags), flags))
            {
                ScrollCellInView(nRow, nCol, GX_UPDATENOW);
                if (hGrid != NULL)
                    m_pGridWnd->UpdateWindow();
                return TRUE;
            }
        }
    }

    switch (message)
    {
    case WM_KEYDOWN:
        return OnGridKeyDown(nKey, nRepeat, flags);
    case WM_KEYUP:
        return OnGridKeyUp(nKey, nRepeat, flags);
    case WM_CHAR: {
        // The held lead byte is the pending state (a lead byte is never 0).
        BOOL bLeadPending = m_nDbcsLeadKey != 0;
        DWORD nLead = m_nDbcsLeadKey;
        TCHAR sz[3];
        int nKind = CGXControl::CollectDbcsChar(nKey, bLeadPending, nLead, sz);
        m_nDbcsLeadKey = bLeadPending ? (UINT)nLead : 0;
        if (nKind == CGXControl::dbcsLeadHeld)
            return TRUE;
        if (nKind == CGXControl::dbcsComplete)
            return OnGridChars(sz, nRepeat, flags);
        return OnGridChar(nKey, nRepeat, flags);
    }
    case WM_DEADCHAR:
        return OnGridDeadChar(nKey, nRepeat, flags);
    case WM_SYSKEYDOWN:
        return OnGridSysKeyDown(nKey, nRepeat, flags);
    case WM_SYSKEYUP:
        return OnGridSysKeyUp(nKey, nRepeat, flags);
    case WM_SYSCHAR:
        return OnGridSysChar(nKey, nRepeat, flags);
    case WM_SYSDEADCHAR:
        return OnGridSysDeadChar(nKey, nRepeat, flags);
    default:
        return FALSE;
    }
}

// The keys whose moves repeat while they are held.
static BOOL IsRepeatingKey(UINT nChar)
{
    static const UINT s_anKeys[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_PRIOR, VK_NEXT};
    for (UINT n : s_anKeys)
        if (n == nChar)
            return TRUE;
    return FALSE;
}

BOOL CGXGridCore::OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    BOOL bCtrl = IsDown(VK_CONTROL), bShift = IsDown(VK_SHIFT);
    BYTE mod = bCtrl ? (bShift ? 0 : modCtrl) : (bShift ? modShift : modNone);
    if (nChar == VK_RETURN && (bCtrl || bShift || IsDown(VK_MENU)))
        return FALSE;
    for (const KeyEntry& e : s_keyTable)
    {
        if (e.nKey != nChar || !(e.mods & mod || (e.mods == modAny)))
            continue;
        ROWCOL nOldRow = 0, nOldCol = 0;
        BOOL bHadCell = GetCurrentCell(nOldRow, nOldCol);
        m_bInterrupted = FALSE;
        BOOL bHandled = e.pfn(this, nRepCnt == 0 ? 1 : nRepCnt);
        if (bHandled && m_pGridWnd->GetSafeHwnd() != NULL)
            m_pGridWnd->UpdateWindow();
        // A held arrow or page key goes on moving through the auto-scroll plug-in.
        ROWCOL nRow = 0, nCol = 0;
        BOOL bMoved = GetCurrentCell(nRow, nCol) && (!bHadCell || nRow != nOldRow || nCol != nOldCol);
        if (bHandled && bMoved && IsRepeatingKey(nChar) && !m_bInterrupted && m_bKeyAutoRepeat &&
            !m_bAutoScrollByKey && m_bAutoScrollInstalled && m_pGridWnd->GetSafeHwnd() != NULL)
        {
            m_bAutoScrollByKey = TRUE;
            m_nAutoScrollKey = nChar;
            m_nAutoScrollKeyData = MAKELPARAM(0, nFlags);
            BeginAutoScroll(FALSE, -1, 1);
        }
        return bHandled;
    }
    return FALSE;
}

BOOL CGXGridCore::OnGridChar(UINT nChar, UINT nRepCnt, UINT)
{
    for (const CharEntry& e : s_charTable)
        if (e.nChar == nChar)
            return e.pfn(this, nRepCnt);
    return FALSE;
}

BOOL CGXGridCore::OnGridSysKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_BACK)
    {
        Undo();
        return TRUE;
    }
    return FALSE;
}

BOOL CGXGridCore::OnGridKeyUp(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXGridCore::OnGridChars(LPCTSTR, UINT, UINT)
{
    return FALSE;
}

BOOL CGXGridCore::OnGridDeadChar(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXGridCore::OnGridSysKeyUp(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXGridCore::OnGridSysChar(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXGridCore::OnGridSysDeadChar(UINT, UINT, UINT)
{
    return FALSE;
}

// The grid window's navigation message: codes 0-3 move, 4 goes to the index-th row.
void CGXGridCore::OnNavigateMessage(int nCode, ROWCOL nIndex)
{
    static const int s_anMoves[] = {7, 1, 3, 8};
    if (nCode >= 0 && nCode < 4)
        MoveCurrentCellByKey(s_anMoves[nCode], 1);
    else if (nCode == 4)
    {
        ROWCOL nRow = std::min(GetHeaderRows() + nIndex, GetRowCount());
        ROWCOL nCol = std::min(GetHeaderCols() + 1, GetColCount());
        ChangeCurrentCell(nRow, nCol, 0x0A);
        if (m_pGridWnd->GetSafeHwnd() != NULL)
            m_pGridWnd->SetFocus();
    }
}

LRESULT CGXGridCore::OnGridActivateCell(WPARAM wParam, LPARAM lParam)
{
    OnNavigateMessage((int)wParam, (ROWCOL)lParam);
    return 0;
}
