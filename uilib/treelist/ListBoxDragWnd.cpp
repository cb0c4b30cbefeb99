#include "uilib/treelist/ListBoxDragWnd.h"
#include "Exception.h"
#include "WinThread.h"

BEGIN_MESSAGE_MAP(SECListBoxDragWnd, CWnd)
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

namespace
{

const TCHAR kClassName[] = _T("SECListBoxDragWnd");

BOOL IsMultiSelect(CListBox* pListBox)
{
    return (pListBox->GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

} // namespace

SECListBoxDragWnd::SECListBoxDragWnd(CListBox* pListBox)
    : m_bTracking(FALSE), m_bCancelled(FALSE), m_bDragStarted(FALSE), m_bPlaceholder(TRUE), m_nLastScroll(0),
      m_nFirstIntervalMs(300), m_nIntervalMs(0), m_nShortestIntervalMs(50), m_nIntervalStepMs(50),
      m_nStart(0), m_nEnd(0), m_nMinDragMs(250), m_hDragCursor(NULL), m_hOldCursor(NULL),
      m_nScrollDir(posInside), m_nLineY(-1), m_nSource(-1), m_nTarget(-2), m_ptStart(0, 0),
      m_pListBox(pListBox)
{
}

SECListBoxDragWnd::~SECListBoxDragWnd()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

ULONGLONG SECListBoxDragWnd::Now()
{
    LARGE_INTEGER frequency, counter;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&counter);
    return static_cast<ULONGLONG>(counter.QuadPart) * 1000 / static_cast<ULONGLONG>(frequency.QuadPart);
}

UINT SECListBoxDragWnd::PositionCode(CPoint screen) const
{
    CRect rc;
    m_pListBox->GetClientRect(&rc);
    m_pListBox->ClientToScreen(&rc);
    UINT nCode = posInside;
    if (screen.x < rc.left)
        nCode |= posLeft;
    else if (screen.x >= rc.right)
        nCode |= posRight;
    if (screen.y < rc.top)
        nCode |= posAbove;
    else if (screen.y >= rc.bottom)
        nCode |= posBelow;
    return nCode;
}

void SECListBoxDragWnd::DrawLine(int y)
{
    if (y < 0)
        return;
    CRect rc;
    m_pListBox->GetClientRect(&rc);
    CClientDC dc(m_pListBox);
    CPen pen(PS_SOLID, 1, RGB(0x80, 0x80, 0x80));
    CPen* pOld = dc.SelectObject(&pen);
    int nOldRop = dc.SetROP2(R2_NOTXORPEN);
    dc.MoveTo(2, y);
    dc.LineTo(rc.right + 1, y);
    dc.SetROP2(nOldRop);
    dc.SelectObject(pOld);
}

// Drawing the line again erases it.
void SECListBoxDragWnd::SetLine(int y)
{
    if (y == m_nLineY)
        return;
    DrawLine(m_nLineY);
    m_nLineY = y;
    DrawLine(m_nLineY);
}

BOOL SECListBoxDragWnd::Track(int& nFrom, int& nTo)
{
    CListBox* pList = m_pListBox;
    int nCount = pList->GetCount();
    m_nSource = IsMultiSelect(pList) ? pList->GetCaretIndex() : pList->GetCurSel();
    if (m_nSource < 0 || m_nSource >= nCount || (m_bPlaceholder && m_nSource == nCount - 1))
        return FALSE;

    WNDCLASS wc;
    if (!::GetClassInfo(AfxGetInstanceHandle(), kClassName, &wc))
    {
        memset(&wc, 0, sizeof wc);
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = ::DefWindowProc;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = kClassName;
        if (!AfxRegisterClass(&wc))
            AfxThrowResourceException();
    }
    if (!CreateEx(0, kClassName, _T(""), WS_POPUP, 0, 0, 0, 0, NULL, NULL))
        return FALSE;
    SetCapture();
    m_nLineY = -1;
    m_nTarget = -2;
    m_bTracking = TRUE;
    m_bCancelled = FALSE;
    m_bDragStarted = FALSE;
    m_nScrollDir = posInside;
    ::GetCursorPos(&m_ptStart);
    pList->ScreenToClient(&m_ptStart);
    m_nStart = m_nEnd = Now();

    CWinThread* pThread = AfxGetThread();
    while (!m_bCancelled && m_bTracking)
    {
        // A capture taken away (another window, a system dialog) ends the drag as cancelled.
        if (::GetCapture() != m_hWnd)
        {
            m_bCancelled = TRUE;
            break;
        }
        MSG msg;
        if (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
            {
                m_bCancelled = TRUE;
                ::PostQuitMessage(0);
            }
            else if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP)
            {
                if (msg.wParam == VK_ESCAPE)
                    m_bCancelled = TRUE;
            }
            else
            {
                if (pThread == NULL || !pThread->PreTranslateMessage(&msg))
                {
                    ::TranslateMessage(&msg);
                    ::DispatchMessage(&msg);
                }
                if (pThread != NULL)
                    pThread->OnIdle(0);
            }
        }
        else
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
        if (!m_bCancelled && m_nScrollDir != posInside)
            AutoScrollStep();
    }

    SetLine(-1);
    m_nEnd = Now();
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    m_bTracking = FALSE;
    DestroyWindow();
    if (m_hOldCursor != NULL)
        ::SetCursor(m_hOldCursor);

    if (!m_bDragStarted || m_nEnd - m_nStart <= static_cast<ULONGLONG>(m_nMinDragMs) || m_bCancelled ||
        m_nTarget == m_nSource || m_nTarget == -2)
        return FALSE;
    int nTop = pList->GetTopIndex();
    CString strText;
    pList->GetText(m_nSource, strText);
    DWORD_PTR dwData = pList->GetItemData(m_nSource);
    pList->SetRedraw(FALSE);
    pList->DeleteString(static_cast<UINT>(m_nSource));
    int nTarget = m_nTarget;
    if (nTarget > m_nSource)
        --nTarget;
    if (nTarget == -1 && m_bPlaceholder)
        nTarget = pList->GetCount() - 1; // before the placeholder
    int nNew = pList->InsertString(nTarget, strText);
    pList->SetItemData(nNew, dwData);
    if (IsMultiSelect(pList))
        pList->SetSel(nNew, TRUE);
    else
        pList->SetCurSel(nNew);
    pList->SetTopIndex(nTop);
    pList->SetRedraw(TRUE);
    pList->Invalidate();
    nFrom = m_nSource;
    nTo = nNew;
    return TRUE;
}

void SECListBoxDragWnd::OnMouseMove(UINT, CPoint point)
{
    CPoint screen = point;
    ClientToScreen(&screen);
    CPoint pt = screen;
    CListBox* pList = m_pListBox;
    pList->ScreenToClient(&pt);

    if (!m_bDragStarted)
    {
        int dx = pt.x - m_ptStart.x, dy = pt.y - m_ptStart.y;
        int cx = ::GetSystemMetrics(SM_CXDOUBLECLK), cy = ::GetSystemMetrics(SM_CYDOUBLECLK);
        if (dx * dx + dy * dy > cx * cx + cy * cy)
        {
            m_bDragStarted = TRUE;
            if (m_hDragCursor != NULL)
                m_hOldCursor = ::SetCursor(m_hDragCursor);
        }
    }

    CRect rcClient;
    pList->GetClientRect(&rcClient);
    int nCount = pList->GetCount();
    if (rcClient.PtInRect(pt) && nCount > 0)
    {
        BOOL bOutside = FALSE;
        int nItem = static_cast<int>(pList->ItemFromPoint(pt, bOutside));
        if (nItem >= nCount)
            nItem = nCount - 1;
        // The placeholder counts as the entry above it.
        if (m_bPlaceholder && nItem == nCount - 1)
            nItem = nItem - 1 >= -1 ? nItem - 1 : -1;
        if (nItem == -1 && m_bPlaceholder)
            nItem = nCount - 1;
        CRect rcItem;
        pList->GetItemRect(nItem, &rcItem);
        int y;
        if (pt.y >= rcItem.top + rcItem.Height() / 2)
        {
            m_nTarget = nItem + 1;
            if (m_nTarget == nCount)
                m_nTarget = -1;
            y = rcItem.bottom;
        }
        else
        {
            m_nTarget = nItem;
            y = rcItem.top;
        }
        SetLine(y + 1);
    }

    if (m_bDragStarted && Now() - m_nStart > static_cast<ULONGLONG>(m_nMinDragMs))
    {
        UINT nCode = PositionCode(screen);
        if (m_nScrollDir == posInside && nCode != posInside)
        {
            m_nIntervalMs = m_nFirstIntervalMs;
            m_nLastScroll = Now();
        }
        m_nScrollDir = nCode;
    }
}

void SECListBoxDragWnd::OnLButtonUp(UINT, CPoint)
{
    m_bTracking = FALSE;
}

void SECListBoxDragWnd::AutoScrollStep()
{
    ULONGLONG nNow = Now();
    if (nNow - m_nLastScroll <= static_cast<ULONGLONG>(m_nIntervalMs))
        return;
    if (m_nScrollDir & posAbove)
        ScrollOne(FALSE);
    else if (m_nScrollDir & posBelow)
        ScrollOne(TRUE);
    m_nLastScroll = nNow;
    m_nIntervalMs = m_nIntervalMs - m_nIntervalStepMs > m_nShortestIntervalMs
                        ? m_nIntervalMs - m_nIntervalStepMs
                        : m_nShortestIntervalMs;
}

void SECListBoxDragWnd::ScrollOne(BOOL bDown)
{
    CListBox* pList = m_pListBox;
    int nCount = pList->GetCount();
    int nTop = pList->GetTopIndex();
    CRect rcClient, rcItem;
    pList->GetClientRect(&rcClient);
    if (nCount == 0)
        return;
    if (!bDown)
    {
        if (nTop == 0)
            return;
        SetLine(-1);
        pList->SetTopIndex(nTop - 1);
        m_nTarget = nTop - 1;
        pList->GetItemRect(m_nTarget, &rcItem);
        SetLine(rcItem.top + 1);
        return;
    }
    pList->GetItemRect(nCount - 1, &rcItem);
    if (rcItem.bottom <= rcClient.bottom)
        return;
    SetLine(-1);
    pList->SetTopIndex(nTop + 1);
    // The last entry wholly in view after the step.
    int nLast = pList->GetTopIndex();
    while (nLast + 1 < nCount)
    {
        pList->GetItemRect(nLast + 1, &rcItem);
        if (rcItem.bottom > rcClient.bottom)
            break;
        ++nLast;
    }
    if (nLast == nCount - 1 && nCount >= 2)
        nLast = nCount - 2;
    m_nTarget = nLast;
    pList->GetItemRect(nLast, &rcItem);
    SetLine(rcItem.bottom + 1);
}
