// The auto-scroll plug-in.
#include "grid/features/AutoScrollPlugin.h"
#include "grid/core/Control.h"
#include "grid/core/GridCore.h"

namespace
{
const UINT_PTR autoScrollTimerId = 992;
const int startDelayMs = 80;     // between steps at first
const int fastDelayMs = 40;      // fixed directions and keys act only below this delay
const int mouseMoveDelayMs = 80; // between mouse moves while the pointer rests
const int maxAcceleration = 80;

// A press in the current cell that one of its control's child buttons took: the button repeats
// on mouse moves, so it gets one every tick.
BOOL ChildHoldsPress(CGXGridCore* g)
{
    ROWCOL nRow, nCol;
    if (g->m_nHitState == 0 || !g->GetCurrentCell(nRow, nCol) || nRow != g->m_nHitRow || nCol != g->m_nHitCol)
        return FALSE;
    CGXControl* pControl = g->GetControl(nRow, nCol);
    return pControl != NULL && pControl->IsInitAt(nRow, nCol) && pControl->GetActiveChild() != NULL;
}
} // namespace

IMPLEMENT_DYNAMIC(CGXAutoScrollPlugin, CGXPluginComponent)

BEGIN_MESSAGE_MAP(CGXAutoScrollPlugin, CGXPluginComponent)
ON_WM_TIMER()
ON_WM_LBUTTONUP()
ON_WM_MBUTTONUP()
ON_WM_RBUTTONUP()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_CANCELMODE()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CGXAutoScrollPlugin::CGXAutoScrollPlugin(CGXGridCore* pGrid) : m_pGrid(pGrid)
{
    pGrid->m_bAutoScrollInstalled = TRUE;
}

void CGXGridCore::InstallAutoScrollPlugin()
{
    POSITION pos = m_pluginList.GetHeadPosition();
    while (pos != NULL)
        if (m_pluginList.GetNext(pos)->IsKindOf(RUNTIME_CLASS(CGXAutoScrollPlugin)))
            return;
    AttachPluginComponent(new CGXAutoScrollPlugin(this));
}

void CGXAutoScrollPlugin::Stop()
{
    CGXGridCore* g = m_pGrid;
    HWND hGrid = g->GridWnd()->GetSafeHwnd();
    if (g->m_nAutoScrollTimer != 0 && hGrid != NULL)
        ::KillTimer(hGrid, autoScrollTimerId);
    // A drag (of cells, or of selected rows or columns) releases its own capture at the release;
    // only a run that took it gives it back.
    if (g->m_bAutoScroll && g->m_bAutoScrollCapture && g->m_nHitState == 0 && !g->m_bDragSelectInProgress &&
        hGrid != NULL && ::GetCapture() == hGrid)
        ::ReleaseCapture();
    g->m_nAutoScrollTimer = 0;
    g->m_bAutoScroll = FALSE;
    g->m_bAutoScrollStart = FALSE;
    g->m_bAutoScrollStop = FALSE;
    g->m_nAutoScrollDirection = -1;
    g->m_bAutoScrollByKey = FALSE;
}

void CGXAutoScrollPlugin::OnButtonUp(UINT, CPoint)
{
    if (m_pGrid->m_bAutoScroll)
        Stop();
}

void CGXAutoScrollPlugin::OnKeyDown(UINT nChar, UINT, UINT)
{
    CGXGridCore* g = m_pGrid;
    if (g->m_bAutoScroll && (!g->m_bAutoScrollByKey || nChar != g->m_nAutoScrollKey || nChar == VK_ESCAPE))
        Stop();
}

void CGXAutoScrollPlugin::OnKeyUp(UINT, UINT, UINT)
{
    if (m_pGrid->m_bAutoScroll)
        Stop();
}

void CGXAutoScrollPlugin::OnCancelMode()
{
    if (m_pGrid->m_bAutoScroll)
        Stop();
}

void CGXAutoScrollPlugin::OnKillFocus(CWnd* pNewWnd)
{
    // The cell's own edit window taking the focus (a spin arrow activates it) does not end a
    // press held on one of the cell's buttons.
    HWND hGrid = m_pGrid->GridWnd()->GetSafeHwnd();
    if (pNewWnd != NULL && ::IsChild(hGrid, pNewWnd->GetSafeHwnd()) && ChildHoldsPress(m_pGrid))
        return;
    if (m_pGrid->m_bAutoScroll)
        Stop();
}

void CGXAutoScrollPlugin::FirstTick()
{
    CGXGridCore* g = m_pGrid;
    g->m_bAutoScrollStart = FALSE;
    m_rectScroll = g->GetDrawingRect();
    m_rectScroll.top += g->SumRowHeights(0, g->GetFrozenRows());
    m_rectScroll.left += g->SumColWidths(0, g->GetFrozenCols());
    m_dwLastScrollTick = 0;
    m_nLastDistance = 0;
    m_nDelayMs = startDelayMs;
    m_nMouseMoveDelayMs = mouseMoveDelayMs;
    m_nAcceleration = 1;
    ::GetCursorPos(&m_ptStart);
    g->GridWnd()->ScreenToClient(&m_ptStart);
}

void CGXAutoScrollPlugin::SendMouseMove(CPoint pt)
{
    CGXGridCore* g = m_pGrid;
    if (g->m_nAutoScrollDirection == -1 && !g->m_bAutoScrollByKey)
        g->GridWnd()->SendMessage(WM_MOUSEMOVE, g->m_nMouseFlags, MAKELPARAM((short)pt.x, (short)pt.y));
}

void CGXAutoScrollPlugin::OnTimer(UINT_PTR nIDEvent)
{
    CGXGridCore* g = m_pGrid;
    // Not running: the timer belongs to someone else.
    if (nIDEvent != autoScrollTimerId || !g->m_bAutoScroll)
        return;
    m_bExitMesssage = TRUE;
    // A key held down ends when it is let go, also where its release went to another window.
    if (g->m_bAutoScrollStop ||
        (g->m_bAutoScrollByKey && !(::GetAsyncKeyState((int)g->m_nAutoScrollKey) & 0x8000)))
    {
        Stop();
        return;
    }
    if (g->m_bAutoScrollStart)
        FirstTick();
    DWORD dwNow = ::GetTickCount();
    CPoint pt;
    ::GetCursorPos(&pt);
    g->GridWnd()->ScreenToClient(&pt);
    if (ChildHoldsPress(g))
    {
        SendMouseMove(pt);
        return;
    }
    if (dwNow - m_dwLastScrollTick <= (DWORD)m_nDelayMs)
    {
        // Between steps the selection follows the pointer: at once when it moved, else now and
        // then, a little more often each time.
        int nMoved = abs(pt.x - m_ptStart.x) + abs(pt.y - m_ptStart.y);
        if (nMoved >= 6)
        {
            SendMouseMove(pt);
            m_nMouseMoveDelayMs = 100;
        }
        else if (dwNow - m_dwLastScrollTick > (DWORD)m_nMouseMoveDelayMs)
        {
            SendMouseMove(pt);
            m_nMouseMoveDelayMs = std::max(0, m_nMouseMoveDelayMs - 3);
        }
        return;
    }
    m_dwLastScrollTick = dwNow;
    Step(dwNow, pt);
}

void CGXAutoScrollPlugin::Step(DWORD, CPoint pt)
{
    CGXGridCore* g = m_pGrid;
    int nDistance = 0, nDivisor = 1;
    auto slowDown = [&]() {
        m_nDelayMs = startDelayMs;
        m_nAcceleration = 1;
    };
    if (g->m_bAutoScrollByKey)
    {
        if (m_nDelayMs < fastDelayMs)
        {
            UINT nRepeat = std::max(1, m_nAcceleration / 5);
            g->GridWnd()->SendMessage(WM_KEYDOWN, g->m_nAutoScrollKey,
                                      MAKELPARAM(nRepeat, HIWORD(g->m_nAutoScrollKeyData)));
            if (!g->m_bAutoScroll) // the key stopped the run
                return;
        }
        nDistance = 8;
    }
    else if (g->m_nAutoScrollDirection != -1)
    {
        if (m_nDelayMs < fastDelayMs)
            g->DoScroll(g->m_nAutoScrollDirection, std::max<ROWCOL>(1, m_nAcceleration / 10));
        nDistance = 2;
    }
    else
    {
        // Following the mouse: rows first, then columns.
        ROWCOL nSteps = std::max<ROWCOL>(1, m_nAcceleration / 10);
        BOOL bScrolled = FALSE;
        if (g->m_bAutoScrollVert)
        {
            nDivisor = 5;
            if (pt.y < m_rectScroll.top)
                nDistance = m_rectScroll.top - pt.y, bScrolled = g->DoScroll(GX_UP, nSteps);
            else if (pt.y > m_rectScroll.bottom)
                nDistance = pt.y - m_rectScroll.bottom, bScrolled = g->DoScroll(GX_DOWN, nSteps);
        }
        if (!bScrolled)
        {
            if (!g->m_bAutoScrollHorz)
            {
                slowDown();
                return;
            }
            nDivisor = 10;
            nDistance = 0;
            if (pt.x < m_rectScroll.left)
                nDistance = m_rectScroll.left - pt.x, bScrolled = g->DoScroll(GX_LEFT, nSteps);
            else if (pt.x > m_rectScroll.right)
                nDistance = pt.x - m_rectScroll.right, bScrolled = g->DoScroll(GX_RIGHT, nSteps);
            if (!bScrolled)
            {
                slowDown();
                return;
            }
        }
    }
    // The farther and the longer, the faster.
    if (nDistance >= m_nLastDistance && nDistance > 1)
    {
        m_nDelayMs -= nDistance / nDivisor / 2;
        if (m_nDelayMs < 0)
        {
            m_nDelayMs = 0;
            m_nAcceleration = std::min(maxAcceleration, m_nAcceleration + 2);
        }
    }
    else if (nDistance < m_nLastDistance)
        slowDown();
    m_nLastDistance = nDistance;
    SendMouseMove(pt);
}
