// CSplitterWnd: layout of the panes, splitter bars and shared scroll bars, splitting and joining
// with the mouse, and scroll messages handed on to the panes.
#include "SplitterWnd.h"
#include "FrameWnd.h"
#include "PaintDC.h"
#include "WindowDC.h"
#include "View.h"

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_CANCELMODE()
ON_WM_CAPTURECHANGED()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

namespace
{
// Top (left) edge of entry i when each entry is followed by a bar of nBar pixels.
int StartOf(const std::vector<CSplitterWnd::CRowColInfo>& info, int i, int nBar)
{
    int pos = 0;
    for (int j = 0; j < i; ++j)
        pos += info[j].nCurSize + nBar;
    return pos;
}
} // namespace

CSplitterWnd::CSplitterWnd()
    : m_pDynamicViewClass(NULL), m_nMaxRows(0), m_nMaxCols(0), m_nRows(0), m_nCols(0), m_bHasHScroll(FALSE),
      m_bHasVScroll(FALSE), m_cxSplitter(6), m_cySplitter(6), m_bTracking(FALSE), m_htTrack(noHit)
{
}

CSplitterWnd::~CSplitterWnd()
{
    for (CScrollBar* pBar : m_hBars)
        delete pBar;
    for (CScrollBar* pBar : m_vBars)
        delete pBar;
}

// ---- creation

BOOL CSplitterWnd::CreateCommon(CWnd* pParentWnd, SIZE sizeMin, DWORD dwStyle, UINT nID)
{
    m_bHasHScroll = (dwStyle & WS_HSCROLL) != 0;
    m_bHasVScroll = (dwStyle & WS_VSCROLL) != 0;
    m_rowInfo.assign((size_t)m_nMaxRows, CRowColInfo{sizeMin.cy, 0, 0});
    m_colInfo.assign((size_t)m_nMaxCols, CRowColInfo{sizeMin.cx, 0, 0});
    m_hBars.assign((size_t)m_nMaxCols, NULL);
    m_vBars.assign((size_t)m_nMaxRows, NULL);
    // The panes share scroll bar controls: the splitter itself has none.
    DWORD dwCreate = (dwStyle & ~(WS_HSCROLL | WS_VSCROLL)) | WS_CLIPCHILDREN;
    CRect rect;
    pParentWnd->GetClientRect(&rect);
    LPCTSTR lpszClass =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    return CreateEx(0, lpszClass, NULL, dwCreate, rect, pParentWnd, nID);
}

BOOL CSplitterWnd::Create(CWnd* pParentWnd, int nMaxRows, int nMaxCols, SIZE sizeMin,
                          CCreateContext* pContext, DWORD dwStyle, UINT nID)
{
    if (pContext == NULL || pContext->m_pNewViewClass == NULL || nMaxRows < 1 || nMaxCols < 1 ||
        nMaxRows > 16 || nMaxCols > 16)
        return FALSE;
    m_nMaxRows = nMaxRows;
    m_nMaxCols = nMaxCols;
    m_nRows = m_nCols = 1;
    m_pDynamicViewClass = pContext->m_pNewViewClass;
    if (!CreateCommon(pParentWnd, sizeMin, dwStyle | SPLS_DYNAMIC_SPLIT, nID))
        return FALSE;
    if ((m_bHasHScroll && !CreateScrollBarCtrl(TRUE, 0)) ||
        (m_bHasVScroll && !CreateScrollBarCtrl(FALSE, 0)) ||
        !CreateView(0, 0, m_pDynamicViewClass, CSize(0, 0), pContext))
    {
        DestroyWindow();
        return FALSE;
    }
    RecalcLayout();
    return TRUE;
}

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (nRows < 1 || nCols < 1 || nRows > 16 || nCols > 16)
        return FALSE;
    m_nMaxRows = m_nRows = nRows;
    m_nMaxCols = m_nCols = nCols;
    if (!CreateCommon(pParentWnd, CSize(0, 0), dwStyle & ~SPLS_DYNAMIC_SPLIT, nID))
        return FALSE;
    for (int col = 0; m_bHasHScroll && col < nCols; ++col)
        if (!CreateScrollBarCtrl(TRUE, col))
            return FALSE;
    for (int row = 0; m_bHasVScroll && row < nRows; ++row)
        if (!CreateScrollBarCtrl(FALSE, row))
            return FALSE;
    return TRUE;
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                              CCreateContext* pContext)
{
    if (row < 0 || row >= m_nRows || col < 0 || col >= m_nCols || pViewClass == NULL ||
        GetPane(row, col) != NULL)
        return FALSE;
    m_rowInfo[row].nIdealSize = sizeInit.cy;
    m_colInfo[col].nIdealSize = sizeInit.cx;
    CWnd* pWnd = (CWnd*)pViewClass->CreateObject();
    if (pWnd == NULL)
        return FALSE;
    // A view deletes itself when its creation fails.
    if (!pWnd->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, sizeInit.cx, sizeInit.cy), this,
                      IdFromRowCol(row, col), pContext))
        return FALSE;
    if (IsWindowVisible())
        RecalcLayout();
    return TRUE;
}

BOOL CSplitterWnd::CreateScrollBarCtrl(BOOL bHorz, int nIndex)
{
    CScrollBar* pBar = new CScrollBar;
    UINT nID = (bHorz ? AFX_IDW_HSCROLL_FIRST : AFX_IDW_VSCROLL_FIRST) + nIndex;
    if (!pBar->Create(WS_CHILD | WS_VISIBLE | (bHorz ? SBS_HORZ : SBS_VERT), CRect(0, 0, 0, 0), this, nID))
    {
        delete pBar;
        return FALSE;
    }
    (bHorz ? m_hBars : m_vBars)[(size_t)nIndex] = pBar;
    return TRUE;
}

CScrollBar* CSplitterWnd::ScrollBar(BOOL bHorz, int nIndex) const
{
    const std::vector<CScrollBar*>& bars = bHorz ? m_hBars : m_vBars;
    return nIndex >= 0 && nIndex < (int)bars.size() ? bars[(size_t)nIndex] : NULL;
}

// ---- attributes

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const
{
    cyCur = m_rowInfo[row].nCurSize;
    cyMin = m_rowInfo[row].nMinSize;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    m_rowInfo[row].nIdealSize = cyIdeal;
    m_rowInfo[row].nMinSize = cyMin;
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const
{
    cxCur = m_colInfo[col].nCurSize;
    cxMin = m_colInfo[col].nMinSize;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    m_colInfo[col].nIdealSize = cxIdeal;
    m_colInfo[col].nMinSize = cxMin;
}

DWORD CSplitterWnd::GetScrollStyle() const
{
    return (m_bHasHScroll ? WS_HSCROLL : 0) | (m_bHasVScroll ? WS_VSCROLL : 0);
}

int CSplitterWnd::IdFromRowCol(int row, int col) const
{
    return AFX_IDW_PANE_FIRST + row * 16 + col;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    HWND hWnd = ::GetDlgItem(m_hWnd, IdFromRowCol(row, col));
    return hWnd != NULL ? CWnd::FromHandle(hWnd) : NULL;
}

BOOL CSplitterWnd::IsChildPane(CWnd* pWnd, int* pRow, int* pCol)
{
    if (pWnd == NULL || pWnd->m_hWnd == NULL || ::GetParent(pWnd->m_hWnd) != m_hWnd)
        return FALSE;
    int nID = pWnd->GetDlgCtrlID() - AFX_IDW_PANE_FIRST;
    if (nID < 0 || nID / 16 >= m_nRows || nID % 16 >= m_nCols)
        return FALSE;
    if (pRow != NULL)
        *pRow = nID / 16;
    if (pCol != NULL)
        *pCol = nID % 16;
    return TRUE;
}

CWnd* CSplitterWnd::GetActivePane(int* pRow, int* pCol)
{
    CFrameWnd* pFrame = GetParentFrame();
    CWnd* pView = pFrame != NULL ? pFrame->GetActiveView() : NULL;
    return IsChildPane(pView, pRow, pCol) ? pView : NULL;
}

// ---- layout

CRect CSplitterWnd::InsideRect() const
{
    CRect rect;
    GetClientRect(&rect);
    if (m_bHasVScroll)
        rect.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    if (m_bHasHScroll)
        rect.bottom -= ::GetSystemMetrics(SM_CYHSCROLL);
    if (rect.right < rect.left)
        rect.right = rect.left;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
    return rect;
}

// Each entry but the last gets its ideal size as far as there is room; the last takes the rest.
void CSplitterWnd::LayoutLine(std::vector<CRowColInfo>& info, int nCount, int nTotal, int nBar,
                              std::vector<int>& starts) const
{
    starts.assign((size_t)nCount, 0);
    int pos = 0;
    for (int i = 0; i < nCount; ++i)
    {
        starts[(size_t)i] = pos;
        int nRest = nTotal - pos;
        int nSize =
            i == nCount - 1 ? nRest : (info[i].nIdealSize < nRest - nBar ? info[i].nIdealSize : nRest - nBar);
        info[i].nCurSize = nSize > 0 ? nSize : 0;
        pos += info[i].nCurSize + nBar;
    }
}

void CSplitterWnd::RecalcLayout()
{
    if (m_hWnd == NULL)
        return;
    CRect inside = InsideRect();
    std::vector<int> rowStarts, colStarts;
    LayoutLine(m_rowInfo, m_nRows, inside.Height(), m_cySplitter, rowStarts);
    LayoutLine(m_colInfo, m_nCols, inside.Width(), m_cxSplitter, colStarts);
    BOOL bDynamic = (GetStyle() & SPLS_DYNAMIC_SPLIT) != 0;

    for (int row = 0; row < m_nRows; ++row)
        for (int col = 0; col < m_nCols; ++col)
        {
            CWnd* pPane = GetPane(row, col);
            if (pPane != NULL)
                pPane->MoveWindow(inside.left + colStarts[(size_t)col], inside.top + rowStarts[(size_t)row],
                                  m_colInfo[col].nCurSize, m_rowInfo[row].nCurSize);
        }
    // Bars beside their row or column; the split boxes take the first one's start.
    for (int row = 0; row < m_nRows; ++row)
    {
        CScrollBar* pBar = ScrollBar(FALSE, row);
        if (pBar == NULL)
            continue;
        int nBox = row == 0 && bDynamic && m_nMaxRows > 1 ? m_cySplitter : 0;
        int cy = m_rowInfo[row].nCurSize - nBox;
        pBar->MoveWindow(inside.right, inside.top + rowStarts[(size_t)row] + nBox,
                         ::GetSystemMetrics(SM_CXVSCROLL), cy > 0 ? cy : 0);
    }
    for (int col = 0; col < m_nCols; ++col)
    {
        CScrollBar* pBar = ScrollBar(TRUE, col);
        if (pBar == NULL)
            continue;
        int nBox = col == 0 && bDynamic && m_nMaxCols > 1 ? m_cxSplitter : 0;
        int cx = m_colInfo[col].nCurSize - nBox;
        pBar->MoveWindow(inside.left + colStarts[(size_t)col] + nBox, inside.bottom, cx > 0 ? cx : 0,
                         ::GetSystemMetrics(SM_CYHSCROLL));
    }
    Invalidate();
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

void CSplitterWnd::OnPaint()
{
    CPaintDC dc(this);
    // The background is the bars' colour; the panes cover the rest. Boxes stand out.
    CRect inside = InsideRect();
    BOOL bDynamic = (GetStyle() & SPLS_DYNAMIC_SPLIT) != 0;
    if (bDynamic && m_bHasVScroll && m_nMaxRows > 1)
    {
        CRect box(inside.right, inside.top, inside.right + ::GetSystemMetrics(SM_CXVSCROLL),
                  inside.top + m_cySplitter);
        dc.DrawEdge(&box, EDGE_RAISED, BF_RECT);
    }
    if (bDynamic && m_bHasHScroll && m_nMaxCols > 1)
    {
        CRect box(inside.left, inside.bottom, inside.left + m_cxSplitter,
                  inside.bottom + ::GetSystemMetrics(SM_CYHSCROLL));
        dc.DrawEdge(&box, EDGE_RAISED, BF_RECT);
    }
}

// ---- splitting and joining

int CSplitterWnd::HitTest(CPoint pt) const
{
    CRect inside = InsideRect();
    BOOL bDynamic = (GetStyle() & SPLS_DYNAMIC_SPLIT) != 0;
    if (bDynamic && m_bHasVScroll && m_nRows < m_nMaxRows &&
        CRect(inside.right, inside.top, inside.right + ::GetSystemMetrics(SM_CXVSCROLL),
              inside.top + m_cySplitter)
            .PtInRect(pt))
        return vSplitterBox;
    if (bDynamic && m_bHasHScroll && m_nCols < m_nMaxCols &&
        CRect(inside.left, inside.bottom, inside.left + m_cxSplitter,
              inside.bottom + ::GetSystemMetrics(SM_CYHSCROLL))
            .PtInRect(pt))
        return hSplitterBox;
    if (!inside.PtInRect(pt))
        return noHit;
    for (int row = 0; row < m_nRows - 1; ++row)
    {
        int y = inside.top + StartOf(m_rowInfo, row, m_cySplitter) + m_rowInfo[row].nCurSize;
        if (pt.y >= y && pt.y < y + m_cySplitter)
            return vSplitterBar + row;
    }
    for (int col = 0; col < m_nCols - 1; ++col)
    {
        int x = inside.left + StartOf(m_colInfo, col, m_cxSplitter) + m_colInfo[col].nCurSize;
        if (pt.x >= x && pt.x < x + m_cxSplitter)
            return hSplitterBar + col;
    }
    return noHit;
}

// A row divider (box or bar) moves up and down, a column divider left and right.
CRect CSplitterWnd::TrackerRect(int ht, CPoint pt) const
{
    CRect inside = InsideRect();
    BOOL bRows = ht == vSplitterBox || (ht >= vSplitterBar && ht < hSplitterBar);
    if (bRows)
    {
        int y = pt.y - m_cySplitter / 2;
        y = y < inside.top ? inside.top
                           : (y > inside.bottom - m_cySplitter ? inside.bottom - m_cySplitter : y);
        return CRect(inside.left, y, inside.right, y + m_cySplitter);
    }
    int x = pt.x - m_cxSplitter / 2;
    x = x < inside.left ? inside.left : (x > inside.right - m_cxSplitter ? inside.right - m_cxSplitter : x);
    return CRect(x, inside.top, x + m_cxSplitter, inside.bottom);
}

void CSplitterWnd::InvertTracker(const CRect& rect)
{
    // Drawn over the panes, which clip nothing here.
    CWindowDC dc(this);
    CPoint offset(0, 0);
    ClientToScreen(&offset);
    CRect window;
    GetWindowRect(&window);
    CRect r = rect;
    r.OffsetRect(offset.x - window.left, offset.y - window.top);
    dc.PatBlt(r.left, r.top, r.Width(), r.Height(), DSTINVERT);
}

void CSplitterWnd::StartTracking(int ht, CPoint pt)
{
    m_htTrack = ht;
    m_rectTracker = TrackerRect(ht, pt);
    m_bTracking = TRUE;
    SetCapture();
    InvertTracker(m_rectTracker);
}

void CSplitterWnd::StopTracking(BOOL bAccept)
{
    if (!m_bTracking)
        return;
    m_bTracking = FALSE;
    InvertTracker(m_rectTracker);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (!bAccept)
        return;

    CRect inside = InsideRect();
    int ht = m_htTrack;
    if (ht == vSplitterBox)
    {
        int cyBefore = m_rectTracker.top - inside.top;
        if (cyBefore >= m_rowInfo[0].nMinSize &&
            inside.bottom - m_rectTracker.bottom >= m_rowInfo[0].nMinSize)
            SplitRow(cyBefore);
        return;
    }
    if (ht == hSplitterBox)
    {
        int cxBefore = m_rectTracker.left - inside.left;
        if (cxBefore >= m_colInfo[0].nMinSize && inside.right - m_rectTracker.right >= m_colInfo[0].nMinSize)
            SplitColumn(cxBefore);
        return;
    }
    BOOL bRow = ht >= vSplitterBar && ht < hSplitterBar;
    int i = bRow ? ht - vSplitterBar : ht - hSplitterBar;
    std::vector<CRowColInfo>& info = bRow ? m_rowInfo : m_colInfo;
    int nCount = bRow ? m_nRows : m_nCols;
    if (i < 0 || i >= nCount - 1)
        return;
    int nBar = bRow ? m_cySplitter : m_cxSplitter;
    int nStart = (bRow ? inside.top : inside.left) + StartOf(info, i, nBar);
    int nNewSize = (bRow ? m_rectTracker.top : m_rectTracker.left) - nStart;
    int nNextSize = info[i].nCurSize + nBar + info[i + 1].nCurSize - nNewSize - nBar;
    // Dragged below the smallest size: the squeezed pane goes away (a dynamic splitter only).
    BOOL bDynamic = (GetStyle() & SPLS_DYNAMIC_SPLIT) != 0;
    if (bDynamic && nNewSize < info[i].nMinSize)
        bRow ? DeleteRow(i) : DeleteColumn(i);
    else if (bDynamic && nNextSize < info[i + 1].nMinSize)
        bRow ? DeleteRow(i + 1) : DeleteColumn(i + 1);
    else
    {
        info[i].nIdealSize = nNewSize > 0 ? nNewSize : 0;
        RecalcLayout();
    }
}

BOOL CSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (pWnd == this && nHitTest == HTCLIENT)
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        int ht = m_bTracking ? m_htTrack : HitTest(pt);
        if (ht != noHit)
        {
            BOOL bRows = ht == vSplitterBox || (ht >= vSplitterBar && ht < hSplitterBar);
            ::SetCursor(::LoadCursor(NULL, bRows ? IDC_SIZENS : IDC_SIZEWE));
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point)
{
    int ht = HitTest(point);
    if (ht != noHit && !m_bTracking)
        StartTracking(ht, point);
}

void CSplitterWnd::OnMouseMove(UINT, CPoint point)
{
    if (!m_bTracking)
        return;
    CRect rect = TrackerRect(m_htTrack, point);
    if (rect == m_rectTracker)
        return;
    InvertTracker(m_rectTracker);
    m_rectTracker = rect;
    InvertTracker(m_rectTracker);
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint)
{
    StopTracking(TRUE);
}

void CSplitterWnd::OnCancelMode()
{
    StopTracking(FALSE);
    CWnd::OnCancelMode();
}

void CSplitterWnd::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd != this)
        StopTracking(FALSE);
}

BOOL CSplitterWnd::CreateSplitPanes(BOOL bRow, int nNew)
{
    CFrameWnd* pFrame = GetParentFrame();
    int nOthers = bRow ? m_nCols : m_nRows;
    for (int k = 0; k < nOthers; ++k)
    {
        int row = bRow ? nNew : k;
        int col = bRow ? k : nNew;
        CWnd* pNeighbour = GetPane(bRow ? nNew - 1 : k, bRow ? k : nNew - 1);
        CView* pView =
            pNeighbour != NULL && pNeighbour->IsKindOf(RUNTIME_CLASS(CView)) ? (CView*)pNeighbour : NULL;
        CCreateContext context;
        context.m_pNewViewClass = m_pDynamicViewClass != NULL ? m_pDynamicViewClass
                                  : pNeighbour != NULL        ? pNeighbour->GetRuntimeClass()
                                                              : NULL;
        context.m_pCurrentDoc = pView != NULL ? pView->GetDocument() : NULL;
        context.m_pLastView = pView;
        context.m_pCurrentFrame = pFrame;
        int nIdealRow = m_rowInfo[row].nIdealSize;
        int nIdealCol = m_colInfo[col].nIdealSize;
        if (!CreateView(row, col, context.m_pNewViewClass, CSize(0, 0), &context))
            return FALSE;
        m_rowInfo[row].nIdealSize = nIdealRow;
        m_colInfo[col].nIdealSize = nIdealCol;
        GetPane(row, col)->SendMessage(WM_INITIALUPDATE);
    }
    return TRUE;
}

BOOL CSplitterWnd::SplitRow(int cyBefore)
{
    if (m_nRows >= m_nMaxRows || cyBefore < 0)
        return FALSE;
    int nNew = m_nRows;
    m_rowInfo[nNew - 1].nIdealSize = cyBefore - StartOf(m_rowInfo, nNew - 1, m_cySplitter);
    m_rowInfo[nNew].nIdealSize = 0;
    ++m_nRows;
    if ((m_bHasVScroll && !CreateScrollBarCtrl(FALSE, nNew)) || !CreateSplitPanes(TRUE, nNew))
    {
        DeleteRow(nNew);
        return FALSE;
    }
    RecalcLayout();
    return TRUE;
}

BOOL CSplitterWnd::SplitColumn(int cxBefore)
{
    if (m_nCols >= m_nMaxCols || cxBefore < 0)
        return FALSE;
    int nNew = m_nCols;
    m_colInfo[nNew - 1].nIdealSize = cxBefore - StartOf(m_colInfo, nNew - 1, m_cxSplitter);
    m_colInfo[nNew].nIdealSize = 0;
    ++m_nCols;
    if ((m_bHasHScroll && !CreateScrollBarCtrl(TRUE, nNew)) || !CreateSplitPanes(FALSE, nNew))
    {
        DeleteColumn(nNew);
        return FALSE;
    }
    RecalcLayout();
    return TRUE;
}

void CSplitterWnd::DeleteRow(int rowDelete)
{
    if (m_nRows <= 1 || rowDelete < 0 || rowDelete >= m_nRows)
        return;
    // The frame's active view must not go with the row.
    int rowActive = -1, colActive = 0;
    if (GetActivePane(&rowActive, &colActive) != NULL && rowActive == rowDelete)
    {
        CWnd* pNext = GetPane(rowDelete == 0 ? 1 : 0, colActive);
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL && pNext != NULL && pNext->IsKindOf(RUNTIME_CLASS(CView)))
            pFrame->SetActiveView((CView*)pNext);
    }
    for (int col = 0; col < m_nCols; ++col)
        if (CWnd* pPane = GetPane(rowDelete, col))
            pPane->DestroyWindow();
    for (int row = rowDelete + 1; row < m_nRows; ++row)
        for (int col = 0; col < m_nCols; ++col)
            if (CWnd* pPane = GetPane(row, col))
                pPane->SetDlgCtrlID(IdFromRowCol(row - 1, col));
    if (CScrollBar* pBar = ScrollBar(FALSE, rowDelete))
    {
        pBar->DestroyWindow();
        delete pBar;
    }
    m_vBars.erase(m_vBars.begin() + rowDelete);
    m_vBars.push_back(NULL);
    for (int row = rowDelete; row < m_nRows - 1; ++row)
        if (CScrollBar* pBar = ScrollBar(FALSE, row))
            pBar->SetDlgCtrlID(AFX_IDW_VSCROLL_FIRST + row);
    CRowColInfo removed = m_rowInfo[(size_t)rowDelete];
    m_rowInfo.erase(m_rowInfo.begin() + rowDelete);
    m_rowInfo.push_back(CRowColInfo{removed.nMinSize, 0, 0});
    --m_nRows;
    m_rowInfo[(size_t)m_nRows - 1].nIdealSize = 0;
    RecalcLayout();
}

void CSplitterWnd::DeleteColumn(int colDelete)
{
    if (m_nCols <= 1 || colDelete < 0 || colDelete >= m_nCols)
        return;
    int rowActive = 0, colActive = -1;
    if (GetActivePane(&rowActive, &colActive) != NULL && colActive == colDelete)
    {
        CWnd* pNext = GetPane(rowActive, colDelete == 0 ? 1 : 0);
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL && pNext != NULL && pNext->IsKindOf(RUNTIME_CLASS(CView)))
            pFrame->SetActiveView((CView*)pNext);
    }
    for (int row = 0; row < m_nRows; ++row)
        if (CWnd* pPane = GetPane(row, colDelete))
            pPane->DestroyWindow();
    for (int col = colDelete + 1; col < m_nCols; ++col)
        for (int row = 0; row < m_nRows; ++row)
            if (CWnd* pPane = GetPane(row, col))
                pPane->SetDlgCtrlID(IdFromRowCol(row, col - 1));
    if (CScrollBar* pBar = ScrollBar(TRUE, colDelete))
    {
        pBar->DestroyWindow();
        delete pBar;
    }
    m_hBars.erase(m_hBars.begin() + colDelete);
    m_hBars.push_back(NULL);
    for (int col = colDelete; col < m_nCols - 1; ++col)
        if (CScrollBar* pBar = ScrollBar(TRUE, col))
            pBar->SetDlgCtrlID(AFX_IDW_HSCROLL_FIRST + col);
    CRowColInfo removed = m_colInfo[(size_t)colDelete];
    m_colInfo.erase(m_colInfo.begin() + colDelete);
    m_colInfo.push_back(CRowColInfo{removed.nMinSize, 0, 0});
    --m_nCols;
    m_colInfo[(size_t)m_nCols - 1].nIdealSize = 0;
    RecalcLayout();
}

// ---- shared scroll bars

// Every pane of the bar's column (row) scrolls from the position the bar had, by the same code.
void CSplitterWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    int col = pScrollBar != NULL ? pScrollBar->GetDlgCtrlID() - AFX_IDW_HSCROLL_FIRST : -1;
    if (col < 0 || col >= m_nCols)
        return;
    int nOldPos = pScrollBar->GetScrollPos();
    for (int row = 0; row < m_nRows; ++row)
    {
        if (row > 0)
            pScrollBar->SetScrollPos(nOldPos, FALSE);
        if (CWnd* pPane = GetPane(row, col))
            pPane->SendMessage(WM_HSCROLL, MAKEWPARAM(nSBCode, nPos), (LPARAM)pScrollBar->m_hWnd);
    }
}

void CSplitterWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    int row = pScrollBar != NULL ? pScrollBar->GetDlgCtrlID() - AFX_IDW_VSCROLL_FIRST : -1;
    if (row < 0 || row >= m_nRows)
        return;
    int nOldPos = pScrollBar->GetScrollPos();
    for (int col = 0; col < m_nCols; ++col)
    {
        if (col > 0)
            pScrollBar->SetScrollPos(nOldPos, FALSE);
        if (CWnd* pPane = GetPane(row, col))
            pPane->SendMessage(WM_VSCROLL, MAKEWPARAM(nSBCode, nPos), (LPARAM)pScrollBar->m_hWnd);
    }
}
