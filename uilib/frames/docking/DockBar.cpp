// SECDockBar: proportional rows, splitters and their drags, the repaint list and the bar menu.
#include "uilib/frames/docking/DockBar.h"
#include "FramesIds.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/bars/CustomToolBar.h"
#include "uilib/bars/MenuBar.h"
#include "uilib/bars/StatusBar.h"
#include "uilib/bars/ToolBar.h"
#include "uilib/frames/docking/FrameBar.h"
#include "uilib/common/SystemData.h"
#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(SECDockBar, CDockBar)

BEGIN_MESSAGE_MAP(SECDockBar, CDockBar)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SETCURSOR()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_CONTEXTMENU()
ON_COMMAND_RANGE(SECDockBar::firstBarMenuID, SECDockBar::lastBarMenuID, OnBarMenuCommand)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

namespace
{
const float kDefaultMinPct = 0.05f;
const float kMaxNewPct = 0.95f;

// Bars of the platform's own kinds have no share: they keep their size like fixed-size bars.
BOOL IsFixedSize(CControlBar* pBar)
{
    if (!pBar->IsKindOf(RUNTIME_CLASS(SECControlBar)))
        return TRUE;
    return (static_cast<SECControlBar*>(pBar)->m_dwExStyle & BAR_EX_FIXED_FLOAT_SIZE) != 0;
}

// Flat custom toolbars sit right against the bar before them.
BOOL WantsNoGap(CControlBar* pBar)
{
    return pBar->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)) &&
           (static_cast<SECControlBar*>(pBar)->m_dwExStyle & BAR_EX_FLAT) != 0;
}

BOOL IsWholeRow(void* pEntry)
{
    if (pEntry == NULL || CDockBar::IsPlaceHolder(pEntry))
        return FALSE;
    CControlBar* pBar = (CControlBar*)pEntry;
    return pBar->IsKindOf(RUNTIME_CLASS(SECControlBar)) &&
           (static_cast<SECControlBar*>(pBar)->m_dwExStyle & BAR_EX_WHOLE_ROW) != 0;
}

CFrameWnd* MainFrame()
{
    CWnd* pMain = AfxGetMainWnd();
    return pMain != NULL && pMain->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(pMain) : NULL;
}
} // namespace

SECDockBar::SECDockBar(BOOL bFloating, BOOL bFloatsAsMDIChild)
    : CDockBar(bFloating), m_bFloatsAsMDIChild(bFloatsAsMDIChild), m_dwCreateValue(0),
      m_pSizeParentParams(NULL), m_pBarBeingDocked(NULL), m_bPaintingRepaintList(FALSE),
      m_bRepaintPending(FALSE), m_fMinPctWidth(kDefaultMinPct), m_mapBarMenu(10)
{
    m_mapBarMenu.InitHashTable(17);
}

SECDockBar::~SECDockBar()
{
    m_mapBarMenu.RemoveAll();
    DeleteAllRecords();
    m_arrRepaint.RemoveAll();
}

BOOL SECDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return Create(pParentWnd, dwStyle, 0, nID);
}

BOOL SECDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwCreateValue, UINT nID)
{
    m_dwCreateValue = dwCreateValue;
    return CDockBar::Create(pParentWnd, dwStyle, nID);
}

SECControlBar* SECDockBar::AsSECBar(void* pEntry)
{
    return IsBarEntry(pEntry) ? DYNAMIC_DOWNCAST(SECControlBar, (CControlBar*)pEntry) : NULL;
}

// ---- rows

int SECDockBar::GetRowStart(int nIndex) const
{
    while (nIndex > 0 && m_arrBars[nIndex - 1] != NULL)
        --nIndex;
    return nIndex;
}

int SECDockBar::GetRowEnd(int nIndex) const
{
    const int nSize = (int)m_arrBars.GetSize();
    while (nIndex < nSize && m_arrBars[nIndex] != NULL)
        ++nIndex;
    return nIndex;
}

int SECDockBar::GetVisibleBarCount() const
{
    int nCount = 0;
    for (int i = 0; i < m_arrBars.GetSize(); ++i)
    {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar != NULL && pBar->m_hWnd != NULL && pBar->IsVisible())
            ++nCount;
    }
    return nCount;
}

BOOL SECDockBar::IsOnlySizableBarInRow(CControlBar* pBar) const
{
    const int nIndex = pBar != NULL ? FindBar(pBar) : -1;
    if (nIndex < 0)
        return FALSE;
    int nSizable = 0;
    BOOL bBarSizable = FALSE;
    for (int i = GetRowStart(nIndex); i < GetRowEnd(nIndex); ++i)
    {
        SECControlBar* p = AsSECBar(m_arrBars[i]);
        if (p != NULL && p->IsVisible() && p->m_fPctWidth > m_fMinPctWidth)
        {
            ++nSizable;
            bBarSizable = bBarSizable || p == pBar;
        }
    }
    return nSizable < 2 && bBarSizable;
}

BOOL SECDockBar::IsAloneInRow(CControlBar* pBar) const
{
    const int nIndex = pBar != NULL ? FindBar(pBar) : -1;
    if (nIndex < 0)
        return FALSE;
    for (int i = GetRowStart(nIndex); i < GetRowEnd(nIndex); ++i)
    {
        CControlBar* p = GetDockedControlBar(i);
        if (p != NULL && p != pBar && p->IsVisible())
            return FALSE;
    }
    return TRUE;
}

BOOL SECDockBar::GetRowBars(CPtrList& list, CControlBar* pBar) const
{
    list.RemoveAll();
    const int nIndex = pBar != NULL ? FindBar(pBar) : -1;
    if (nIndex < 0)
        return FALSE;
    for (int i = nIndex - 1; i >= 0 && m_arrBars[i] != NULL; --i)
    {
        if (IsBarEntry(m_arrBars[i]))
            list.AddTail(m_arrBars[i]);
    }
    list.AddTail(pBar);
    for (int i = nIndex + 1; i < GetRowEnd(nIndex); ++i)
    {
        if (IsBarEntry(m_arrBars[i]))
            list.AddTail(m_arrBars[i]);
    }
    return TRUE;
}

void SECDockBar::RecalcMinPercentWidth()
{
    const int nLength = GetRowLength();
    float fMin = nLength <= 0 ? kDefaultMinPct : (float)minBarPixels / (float)nLength;
    m_fMinPctWidth = std::max(0.0f, std::min(fMin, 1.0f));
}

int SECDockBar::GetRowLength() const
{
    CRect rect(0, 0, 0, 0);
    if (m_hWnd != NULL)
        GetClientRect(&rect);
    return IsHorzDockBar() ? rect.Width() : rect.Height();
}

void SECDockBar::NormalizeRow(int nStart, CControlBar* pPreferred, int* pnFlexible, int* pnFixed)
{
    RecalcMinPercentWidth();
    SECControlBar* pPref = pPreferred != NULL && pPreferred->IsKindOf(RUNTIME_CLASS(SECControlBar))
                               ? static_cast<SECControlBar*>(pPreferred)
                               : NULL;
    if (pPref != NULL && pPref->IsVisible() && pPref->m_fPctWidth > kMaxNewPct)
        pPref = NULL;

    const int nEnd = GetRowEnd(nStart);
    std::vector<SECControlBar*> newBars;
    float fOld = 0.0f, fNew = 0.0f;
    int nFlexible = 0, nFixed = 0;
    for (int i = nStart; i < nEnd; ++i)
    {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar == NULL)
            continue;
        SECControlBar* p = AsSECBar(pBar);
        if (!pBar->IsVisible())
        {
            if (p != NULL)
                p->m_bPctWidthSet = FALSE;
            continue;
        }
        if (IsFixedSize(pBar))
            ++nFixed;
        else
            ++nFlexible;
        if (p == NULL)
            continue;
        if (p == pPref || !p->m_bPctWidthSet)
        {
            p->m_fPctWidth = std::min(std::max(p->m_fPctWidth, m_fMinPctWidth), kMaxNewPct);
            fNew += p->m_fPctWidth;
            newBars.push_back(p);
        }
        else
            fOld += p->m_fPctWidth;
    }
    if (fNew > 0.0f)
    {
        fNew = std::min(fNew, kMaxNewPct);
        float fFactor = fOld == fNew ? 1.0f : fOld / (fOld - fNew);
        if (!(fOld > 0.0f))
            fFactor = 1.0f / fNew;
        for (SECControlBar* p : newBars)
        {
            p->m_fPctWidth *= fFactor;
            if (!(p->m_fPctWidth > m_fMinPctWidth))
                p->m_fPctWidth = m_fMinPctWidth;
            fOld += p->m_fPctWidth;
            p->m_bPctWidthSet = TRUE;
        }
    }
    if (fOld > 0.0f)
    {
        for (int i = nStart; i < nEnd; ++i)
        {
            SECControlBar* p = AsSECBar(m_arrBars[i]);
            if (p == NULL || !p->IsVisible())
                continue;
            p->m_fPctWidth /= fOld;
            if (!(p->m_fPctWidth > m_fMinPctWidth))
                p->m_fPctWidth = m_fMinPctWidth;
        }
    }
    if (pnFlexible != NULL)
        *pnFlexible = nFlexible;
    if (pnFixed != NULL)
        *pnFixed = nFixed;
}

float SECDockBar::AdjustPercentWidth(float fDelta, CControlBar* pBar)
{
    SECControlBar* p = pBar != NULL ? AsSECBar(pBar) : NULL;
    if (p == NULL)
        return fDelta;
    p->m_fPctWidth += fDelta;
    if (p->m_fPctWidth < m_fMinPctWidth)
    {
        const float fShortfall = p->m_fPctWidth - m_fMinPctWidth;
        p->m_fPctWidth = m_fMinPctWidth;
        return fShortfall;
    }
    return 0.0f;
}

void SECDockBar::ExpandBarInRow(CControlBar* pBar, int nMode)
{
    const int nIndex = pBar != NULL ? FindBar(pBar) : -1;
    if (nIndex < 0)
        return;
    const int nStart = GetRowStart(nIndex);
    for (int i = nStart; i < GetRowEnd(nIndex); ++i)
    {
        SECControlBar* p = AsSECBar(m_arrBars[i]);
        if (p != NULL)
            p->m_fPctWidth = nMode == 1 ? (p == pBar ? 1.0f : 0.0f) : 0.1f;
    }
    NormalizeRow(nStart, pBar, NULL, NULL);
    ListForRepaintFrom(1);
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != NULL)
        pFrame->DelayRecalcLayout(TRUE);
}

// ---- insertion

int SECDockBar::InsertBarAsFirstRow(CControlBar* pBar)
{
    if (pBar == NULL)
        return -1;
    for (int i = 0; i < m_arrBars.GetSize(); ++i)
    {
        if (m_arrBars[i] != NULL)
        {
            m_arrBars.InsertAt(i, (void*)NULL);
            m_arrBars.InsertAt(i, pBar);
            return i;
        }
    }
    m_arrBars.Add(pBar);
    m_arrBars.Add(NULL);
    return (int)m_arrBars.GetSize() - 2;
}

int SECDockBar::InsertBarAt(int nIndex, CControlBar* pBar)
{
    nIndex = std::max(1, std::min(nIndex, (int)m_arrBars.GetSize()));
    m_arrBars.InsertAt(nIndex, pBar);
    const BOOL bWhole = IsWholeRow(pBar);
    if (nIndex + 1 < m_arrBars.GetSize() && IsBarEntry(m_arrBars[nIndex + 1]) &&
        (bWhole || IsWholeRow(m_arrBars[nIndex + 1])))
        m_arrBars.InsertAt(nIndex + 1, (void*)NULL);
    if (IsBarEntry(m_arrBars[nIndex - 1]) && (bWhole || IsWholeRow(m_arrBars[nIndex - 1])))
    {
        m_arrBars.InsertAt(nIndex, (void*)NULL);
        ++nIndex;
    }
    // The array always ends a row.
    if (m_arrBars[m_arrBars.GetSize() - 1] != NULL)
        m_arrBars.Add(NULL);
    return nIndex;
}

// ---- repainting

void SECDockBar::ListForRepaint(CControlBar* pBar)
{
    for (int i = 0; i < m_arrRepaint.GetSize(); ++i)
    {
        if (m_arrRepaint[i] == pBar)
            return;
    }
    m_arrRepaint.Add(pBar);
}

void SECDockBar::ListForRepaintFrom(int nIndex)
{
    const int nSize = (int)m_arrBars.GetSize();
    const int nFirst = IsTopOrLeft() ? nIndex : 0;
    const int nLast = IsTopOrLeft() ? nSize : std::min(nIndex, nSize);
    for (int i = std::max(0, nFirst); i < nLast; ++i)
    {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar != NULL)
            ListForRepaint(pBar);
    }
}

void SECDockBar::ListRowToolBarsForRepaint(CControlBar* pBar)
{
    // Custom toolbars draw their neighbours' edges: a change in the row repaints all of them.
    const int nIndex = pBar != NULL ? FindBar(pBar) : -1;
    if (nIndex < 0)
        return;
    for (int i = GetRowStart(nIndex); i < GetRowEnd(nIndex); ++i)
    {
        CControlBar* pRowBar = GetDockedControlBar(i);
        if (pRowBar != NULL && pRowBar->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)))
            ListForRepaint(pRowBar);
    }
}

void SECDockBar::SetBarBeingDocked(CControlBar* pBar)
{
    if (IsAloneInRow(pBar))
        ListForRepaintFrom(FindBar(pBar));
    ListForRepaint(pBar);
    m_pBarBeingDocked = pBar;
}

void SECDockBar::RedrawDockBar()
{
    m_bPaintingRepaintList = TRUE;
    if (m_arrRepaint.GetSize() > 0 && m_hWnd != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    m_bPaintingRepaintList = FALSE;
}

void SECDockBar::DoPaint(CDC* pDC)
{
    for (int i = 0; i < GetClientEdgeCount(); ++i)
        GetClientEdge(i)->Draw(pDC);
    for (int i = 0; i < GetSplitterCount(); ++i)
        GetSplitter(i)->Draw(pDC);
    if (m_bPaintingRepaintList)
    {
        for (int i = 0; i < m_arrRepaint.GetSize(); ++i)
        {
            // A listed bar may have left this dock bar (and be gone) since the layout.
            CControlBar* pBar = (CControlBar*)m_arrRepaint[i];
            if (FindBar(pBar) >= 0 && ::IsWindow(pBar->m_hWnd))
                pBar->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        }
        m_arrRepaint.RemoveAll();
        m_bRepaintPending = FALSE;
    }
    CDockBar::DoPaint(pDC);
}

// ---- splitter and edge records

void SECDockBar::AddSplitter(int nKind, int nOrientation, const CRect& rect, int nIndex)
{
    for (int i = 0; i < GetSplitterCount(); ++i)
    {
        Splitter* p = GetSplitter(i);
        if (p->m_rect == rect)
        {
            p->m_nKind = nKind;
            p->m_nOrientation = nOrientation;
            p->m_nIndex = nIndex;
            p->m_bInUse = TRUE;
            return;
        }
    }
    m_arrSplitters.Add(new Splitter(nOrientation, nKind, rect, nIndex));
}

void SECDockBar::AddClientEdge(int nOrientation, const CRect& rect)
{
    for (int i = 0; i < GetClientEdgeCount(); ++i)
    {
        ClientEdge* p = GetClientEdge(i);
        if (p->m_rect == rect)
        {
            p->m_nOrientation = nOrientation;
            p->m_bInUse = TRUE;
            return;
        }
    }
    m_arrClientEdges.Add(new ClientEdge(nOrientation, rect));
}

void SECDockBar::DeleteUnusedRecords()
{
    for (int i = GetSplitterCount() - 1; i >= 0; --i)
    {
        if (!GetSplitter(i)->m_bInUse)
        {
            delete GetSplitter(i);
            m_arrSplitters.RemoveAt(i);
        }
    }
    for (int i = GetClientEdgeCount() - 1; i >= 0; --i)
    {
        if (!GetClientEdge(i)->m_bInUse)
        {
            delete GetClientEdge(i);
            m_arrClientEdges.RemoveAt(i);
        }
    }
}

void SECDockBar::DeleteAllRecords()
{
    for (int i = 0; i < GetSplitterCount(); ++i)
        delete GetSplitter(i);
    m_arrSplitters.RemoveAll();
    for (int i = 0; i < GetClientEdgeCount(); ++i)
        delete GetClientEdge(i);
    m_arrClientEdges.RemoveAll();
}

SECDockBar::Splitter* SECDockBar::SplitterFromPoint(CPoint pt) const
{
    for (int i = GetSplitterCount() - 1; i >= 0; --i)
    {
        if (GetSplitter(i)->m_rect.PtInRect(pt))
            return GetSplitter(i);
    }
    return NULL;
}

// ---- layout

DWORD SECDockBar::GetBarMode(CControlBar* pBar) const
{
    if ((pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) && (pBar->m_dwStyle & CBRS_FLOATING))
        return LM_HORZ | LM_MRUWIDTH;
    return IsHorzDockBar() ? (LM_HORZ | LM_HORZDOCK) : (LM_LENGTHY | LM_VERTDOCK);
}

CSize SECDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize sizeFixed = CControlBar::CalcFixedLayout(bStretch, bHorz);
    CRect rectAvail = m_rectLayout;
    if (rectAvail.IsRectEmpty())
    {
        rectAvail.SetRectEmpty();
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL)
            pFrame->GetClientRect(&rectAvail);
    }
    const int nAvail = bHorz ? rectAvail.Width() : rectAvail.Height();

    AFX_SIZEPARENTPARAMS layout = {};
    layout.hDWP = m_bLayoutQuery ? NULL : ::BeginDeferWindowPos((int)m_arrBars.GetSize());
    if (!m_bLayoutQuery)
    {
        for (int i = 0; i < GetSplitterCount(); ++i)
            GetSplitter(i)->m_bInUse = FALSE;
        for (int i = 0; i < GetClientEdgeCount(); ++i)
            GetClientEdge(i)->m_bInUse = FALSE;
    }
    const int nGap = m_bFloating ? 0 : (SECGetSystemData().m_bNewShell ? 2 : 1);
    const int nRowOrient = bHorz ? 0 : 1; // a row splitter runs along the dock bar
    const int nBarOrient = bHorz ? 1 : 0;
    const BOOL bDeferPaint = SECSystemData::s_nDeferredPainting > 0;

    int nAcross = (!m_bFloating && !IsTopOrLeft()) ? 1 : 0;
    int nMaxAlong = 0;
    BOOL bAnyVisible = FALSE;
    int nRepaintFrom = -1;

    struct Item
    {
        int nIndex;
        CControlBar* pBar;
        DWORD dwMode;
        CSize size;
    };
    const int nSize = (int)m_arrBars.GetSize();
    for (int nStart = 0; nStart < nSize;)
    {
        if (m_arrBars[nStart] == NULL)
        {
            ++nStart;
            continue;
        }
        const int nEnd = GetRowEnd(nStart);
        // A hide asked for with DelayShow happens with this layout, not at the next idle.
        for (int i = nStart; i < nEnd && !m_bLayoutQuery; ++i)
        {
            CControlBar* pBar = GetDockedControlBar(i);
            if (pBar != NULL && !pBar->IsVisible())
                pBar->RecalcDelayShow(&layout);
        }
        int nFlexible = 0, nFixed = 0;
        NormalizeRow(nStart, m_pBarBeingDocked, &nFlexible, &nFixed);
        const int nVisible = nFlexible + nFixed;
        std::vector<Item> items;
        int nThickness = 0;
        for (int i = nStart; i < nEnd; ++i)
        {
            CControlBar* pBar = GetDockedControlBar(i);
            if (pBar == NULL)
                continue;
            if (!pBar->IsVisible())
            {
                // A hide asked for with DelayShow happens with this layout.
                if (!m_bLayoutQuery && pBar->m_hWnd != NULL && (pBar->GetStyle() & WS_VISIBLE))
                    pBar->RecalcDelayShow(&layout);
                continue;
            }
            DWORD dwMode = GetBarMode(pBar);
            if (nFlexible > 0)
                dwMode |= LM_STRETCH;
            CSize size = m_bFloating
                             ? pBar->CalcDynamicLayout(-1, dwMode)
                             : pBar->CalcDynamicLayout(nAvail - splitterSize * nVisible + splitterSize,
                                                       dwMode | LM_COMMIT);
            nThickness = std::max<int>(nThickness, bHorz ? size.cy : size.cx);
            items.push_back({i, pBar, dwMode, size});
        }
        if (items.empty())
        {
            nStart = nEnd + 1;
            continue;
        }
        bAnyVisible = TRUE;
        if (!m_bFloating)
        {
            // The row splitter always lies toward the client area, the edge away from it.
            const int nStrip = IsTopOrLeft() ? clientEdgeSize : splitterSize;
            CRect rectStrip = bHorz ? CRect(0, nAcross, nAvail, nAcross + nStrip)
                                    : CRect(nAcross, 0, nAcross + nStrip, nAvail);
            if (IsTopOrLeft())
                AddClientEdge(nRowOrient, rectStrip);
            else
            {
                if (!bHorz)
                    rectStrip.bottom -= 2 * nGap;
                AddSplitter(Splitter::kindRow, nRowOrient, rectStrip, nStart);
            }
            nAcross += nStrip;
        }
        if (!m_bLayoutQuery && nFlexible > 0)
        {
            // All bars of a row that stretches are equally thick.
            for (Item& item : items)
            {
                const CSize sizeOld = item.size;
                item.size = item.pBar->CalcDynamicLayout(
                    nThickness,
                    bHorz ? (LM_HORZ | LM_HORZDOCK | LM_LENGTHY | LM_COMMIT) : (LM_VERTDOCK | LM_COMMIT));
                item.size = CSize(bHorz ? sizeOld.cx : nThickness, bHorz ? nThickness : sizeOld.cy);
                if ((bHorz ? sizeOld.cy : sizeOld.cx) != nThickness)
                    nRepaintFrom = item.nIndex;
            }
        }
        int nAlong = nGap;
        int nPacked = nGap;
        for (size_t k = 0; k < items.size(); ++k)
        {
            Item& item = items[k];
            const BOOL bLast = k + 1 == items.size();
            int nExtent = bHorz ? item.size.cx : item.size.cy;
            // In a row of toolbars each bar keeps the gap before it; rows that stretch are
            // divided by their splitters instead.
            if (k > 0 && nFlexible == 0 && !WantsNoGap(item.pBar))
                nPacked += nGap;
            if (nFlexible > 0)
            {
                if (bLast && !IsFixedSize(item.pBar) && !m_bFloating)
                {
                    nExtent = std::max(0, nAvail - nAlong);
                    item.pBar->CalcDynamicLayout(nExtent, (item.dwMode & ~LM_STRETCH) | LM_COMMIT);
                }
            }
            else
            {
                // A row of fixed bars keeps each bar where it was when that lies further on,
                // pulled back to end inside the dock bar, never before its packed place.
                CRect rectBar;
                item.pBar->GetWindowRect(&rectBar);
                ScreenToClient(&rectBar);
                const int nCurrent = bHorz ? rectBar.left : rectBar.top;
                nAlong = std::max(nPacked, m_bFloating ? nPacked : nCurrent);
                if (!m_bFloating && nAlong + nExtent > nAvail)
                    nAlong = std::max(nPacked, nAvail - nExtent);
            }
            const CRect rect = bHorz ? CRect(nAlong, nAcross, nAlong + nExtent, nAcross + nThickness)
                                     : CRect(nAcross, nAlong, nAcross + nThickness, nAlong + nExtent);
            CRect rectOld;
            item.pBar->GetWindowRect(&rectOld);
            ScreenToClient(&rectOld);
            if (rect != rectOld)
            {
                if (!m_bLayoutQuery && !(item.pBar->m_dwStyle & CBRS_FLOATING) &&
                    item.pBar->m_pDockContext != NULL)
                    item.pBar->m_pDockContext->m_rectMRUDockPos = rect;
                if (layout.hDWP != NULL)
                {
                    UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
                    if (rect.Size() == rectOld.Size())
                        nFlags |= SWP_NOSIZE;
                    if (bDeferPaint)
                        nFlags |= SWP_NOREDRAW;
                    layout.hDWP = ::DeferWindowPos(layout.hDWP, item.pBar->m_hWnd, NULL, rect.left, rect.top,
                                                   rect.Width(), rect.Height(), nFlags);
                    ListForRepaint(item.pBar);
                }
            }
            if (!m_bLayoutQuery)
                item.pBar->RecalcDelayShow(&layout);
            nAlong += nExtent;
            nPacked = nAlong;
            if (!bLast && nFlexible > 0)
            {
                const CRect rectSplit =
                    bHorz ? CRect(nAlong, nAcross, nAlong + splitterSize, nAcross + nThickness)
                          : CRect(nAcross, nAlong, nAcross + nThickness, nAlong + splitterSize);
                AddSplitter(Splitter::kindBar, nBarOrient, rectSplit, item.nIndex);
                nAlong += splitterSize;
                nPacked = nAlong;
            }
        }
        nMaxAlong = std::max(nMaxAlong, nAlong);
        nAcross += nThickness;
        if (!m_bFloating)
        {
            const int nStrip = IsTopOrLeft() ? splitterSize : clientEdgeSize;
            CRect rectStrip = bHorz ? CRect(0, nAcross, nAvail, nAcross + nStrip)
                                    : CRect(nAcross, 0, nAcross + nStrip, nAvail);
            if (IsTopOrLeft())
            {
                if (!bHorz)
                    rectStrip.bottom -= 2 * nGap;
                AddSplitter(Splitter::kindRow, nRowOrient, rectStrip, nStart);
            }
            else
                AddClientEdge(nRowOrient, rectStrip);
            nAcross += nStrip;
        }
        nStart = nEnd + 1;
    }
    if (!m_bLayoutQuery)
    {
        if (layout.hDWP != NULL)
            ::EndDeferWindowPos(layout.hDWP);
        DeleteUnusedRecords();
        if (nRepaintFrom >= 0)
            ListForRepaintFrom(nRepaintFrom);
    }
    m_pBarBeingDocked = NULL;

    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, bHorz);
    const int nThickTotal = bAnyVisible ? nAcross + (m_bFloating ? 0 : 2) : 0;
    if (bHorz)
        return CSize(std::max<LONG>(sizeFixed.cx, nMaxAlong - rectInside.Width()), nThickTotal);
    return CSize(nThickTotal, std::max<LONG>(sizeFixed.cy, nMaxAlong - rectInside.Height()));
}

LRESULT SECDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pOldParams = m_pSizeParentParams;
    const int nOldDeferred = SECSystemData::s_nDeferredPainting;
    m_pSizeParentParams = (AFX_SIZEPARENTPARAMS*)lParam;
    if (SECSystemData::s_nDeferredPainting > 0)
        SECSystemData::s_nDeferredPainting = m_bRepaintPending ? 1 : 0;
    const LRESULT lResult = CDockBar::OnSizeParent(wParam, lParam);
    SECSystemData::s_nDeferredPainting = nOldDeferred;
    m_pSizeParentParams = pOldParams;
    return lResult;
}

void SECDockBar::RepositionInLayout(AFX_SIZEPARENTPARAMS* lpLayout, const CRect& rect)
{
    CRect rectOld;
    GetWindowRect(&rectOld);
    if (GetParent() != NULL)
        GetParent()->ScreenToClient(&rectOld);
    if (rectOld == rect || lpLayout->hDWP == NULL)
        return;
    UINT nFlags = SWP_NOACTIVATE | SWP_NOZORDER;
    if (SECSystemData::s_nDeferredPainting > 0)
    {
        const BOOL bHorz = IsHorzDockBar();
        const int nLengthOld = bHorz ? rectOld.Width() : rectOld.Height();
        const int nLength = bHorz ? rect.Width() : rect.Height();
        if (rectOld.Size() == rect.Size())
            nFlags |= SWP_NOCOPYBITS;
        else if (nLengthOld == nLength)
            nFlags |= SWP_NOREDRAW;
    }
    lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, NULL, rect.left, rect.top, rect.Width(),
                                      rect.Height(), nFlags);
}

// ---- splitters

void SECDockBar::CalcSplitterLimits(Splitter* pSplitter)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    const BOOL bAlongX = pSplitter->m_nOrientation == 1;
    if (pSplitter->m_nKind == Splitter::kindBar)
    {
        const int nIndex = pSplitter->m_nIndex;
        int nBefore = 0, nAfter = 0;
        for (int i = nIndex; i >= 0 && m_arrBars[i] != NULL; --i)
        {
            CControlBar* p = GetDockedControlBar(i);
            if (p != NULL && p->IsVisible())
                ++nBefore;
        }
        for (int i = nIndex + 1; i < GetRowEnd(nIndex); ++i)
        {
            CControlBar* p = GetDockedControlBar(i);
            if (p != NULL && p->IsVisible())
                ++nAfter;
        }
        pSplitter->m_nTrackMin = (bAlongX ? rectClient.left : rectClient.top) + trackBarPixels * nBefore;
        pSplitter->m_nTrackMax = (bAlongX ? rectClient.right : rectClient.bottom) - trackBarPixels * nAfter;
        return;
    }
    // Row thickness, and the client area the main window leaves.
    int nThickness = 0;
    for (int i = pSplitter->m_nIndex; i < GetRowEnd(pSplitter->m_nIndex); ++i)
    {
        CControlBar* p = GetDockedControlBar(i);
        if (p == NULL || !p->IsVisible())
            continue;
        CRect rect;
        p->GetWindowRect(&rect);
        nThickness = std::max<int>(nThickness, bAlongX ? rect.Width() : rect.Height());
    }
    CWnd* pMain = AfxGetMainWnd();
    if (pMain == NULL || pMain->m_hWnd == NULL)
        pMain = GetParentFrame();
    CRect rectFree(0, 0, 0, 0);
    if (pMain != NULL)
    {
        pMain->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rectFree);
        pMain->ClientToScreen(&rectFree);
        ScreenToClient(&rectFree);
    }
    const CRect& r = pSplitter->m_rect;
    if (bAlongX)
    {
        if (IsTopOrLeft())
        {
            pSplitter->m_nTrackMin = r.left - nThickness + trackRowPixels;
            pSplitter->m_nTrackMax = std::max<int>(rectFree.right - trackRowPixels, r.right);
        }
        else
        {
            pSplitter->m_nTrackMin = std::min<int>(rectFree.left + trackRowPixels, r.left);
            pSplitter->m_nTrackMax = r.left + nThickness - trackRowPixels;
        }
    }
    else if (IsTopOrLeft())
    {
        pSplitter->m_nTrackMin = r.top - nThickness + trackRowPixels;
        pSplitter->m_nTrackMax = std::max<int>(rectFree.bottom - trackRowPixels, r.bottom);
    }
    else
    {
        pSplitter->m_nTrackMin = std::min<int>(rectFree.top + trackRowPixels, r.top);
        pSplitter->m_nTrackMax = r.top + nThickness - trackRowPixels;
    }
}

void SECDockBar::DrawSplitterFeedback(CDC* pDC, Splitter* pSplitter, const CRect& rect, BOOL bErase)
{
    CRect rectDraw = rect;
    if (pSplitter->m_nOrientation == 1)
        rectDraw.DeflateRect(0, 1);
    else
        rectDraw.DeflateRect(1, 0);
    const CSize size = pSplitter->m_nOrientation == 1 ? CSize(5, 0) : CSize(0, 5);
    // The feedback is drawn in the frame's coordinates.
    CWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        MapWindowPoints(pFrame, &rectDraw);
    if (bErase)
        pDC->DrawDragRect(&pSplitter->m_rectLastFeedback, pSplitter->m_sizeLastFeedback, NULL, CSize(0, 0));
    else if (pSplitter->m_rectLastFeedback.IsRectEmpty())
        pDC->DrawDragRect(&rectDraw, size, NULL, CSize(0, 0));
    else
        pDC->DrawDragRect(&rectDraw, size, &pSplitter->m_rectLastFeedback, pSplitter->m_sizeLastFeedback);
    pSplitter->m_rectLastFeedback = bErase ? CRect(0, 0, 0, 0) : rectDraw;
    pSplitter->m_sizeLastFeedback = bErase ? CSize(0, 0) : size;
}

int SECDockBar::TrackSplitter(Splitter* pSplitter, int x, int y)
{
    if (pSplitter == NULL || ::GetCapture() != NULL)
        return 0;
    CalcSplitterLimits(pSplitter);
    const BOOL bAlongX = pSplitter->m_nOrientation == 1;
    const int nStartNear = bAlongX ? pSplitter->m_rect.left : pSplitter->m_rect.top;
    const int nGrab = (bAlongX ? x : y) - nStartNear;
    int nNear = nStartNear;

    SetCapture();
    UpdateWindow();
    CWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->UpdateWindow();
    HWND hwndDC = pFrame != NULL ? pFrame->m_hWnd : m_hWnd;
    HDC hdc = ::GetDCEx(hwndDC, NULL, DCX_CACHE);
    CDC* pDC = CDC::FromHandle(hdc);
    pSplitter->m_rectLastFeedback.SetRectEmpty();
    pSplitter->m_bErasing = FALSE;
    pSplitter->m_bFinal = FALSE;
    auto rectAt = [&](int nAt) {
        CRect rect = pSplitter->m_rect;
        if (bAlongX)
            rect.OffsetRect(nAt - rect.left, 0);
        else
            rect.OffsetRect(0, nAt - rect.top);
        return rect;
    };
    DrawSplitterFeedback(pDC, pSplitter, rectAt(nNear), FALSE);

    BOOL bCancel = FALSE;
    for (;;)
    {
        if (::GetCapture() != m_hWnd)
            break; // capture lost: keep where the strip is
        MSG msg;
        const BOOL bGot = ::GetMessage(&msg, NULL, 0, 0);
        if (!bGot)
        {
            // A quit during the drag belongs to the program's loop: hand it on and stop.
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP)
        {
            CPoint pt((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
            ::MapWindowPoints(msg.hwnd, m_hWnd, &pt, 1);
            int nAt = (bAlongX ? pt.x : pt.y) - nGrab;
            nAt = std::min(nAt, pSplitter->m_nTrackMax - (int)splitterSize);
            nAt = std::max(nAt, pSplitter->m_nTrackMin);
            if (nAt != nNear)
            {
                nNear = nAt;
                DrawSplitterFeedback(pDC, pSplitter, rectAt(nNear), FALSE);
            }
            if (msg.message == WM_LBUTTONUP)
                break;
        }
        else if ((msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) || msg.message == WM_RBUTTONDOWN)
        {
            bCancel = TRUE;
            break;
        }
        else if (msg.message != WM_KEYDOWN)
            ::DispatchMessage(&msg);
    }
    pSplitter->m_bFinal = TRUE;
    pSplitter->m_bErasing = TRUE;
    DrawSplitterFeedback(pDC, pSplitter, rectAt(nNear), TRUE);
    ::ReleaseDC(hwndDC, hdc);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    const int nDelta = bCancel ? 0 : nNear - nStartNear;
    if (nDelta != 0)
    {
        MoveSplitter(pSplitter, nDelta);
        CFrameWnd* pDockFrame = GetDockingFrame();
        if (pDockFrame != NULL)
            pDockFrame->DelayRecalcLayout(TRUE);
    }
    return nDelta;
}

int SECDockBar::ChangeBarExtent(CControlBar* pBar, int nDelta, int nAvailable)
{
    DWORD dwMode = GetBarMode(pBar);
    const CSize size = pBar->CalcDynamicLayout(-1, dwMode);
    const int nExtent = (dwMode & LM_LENGTHY) ? size.cy : size.cx;
    int nCommitted = std::max<int>(minBarPixels, nExtent + nDelta);
    SECControlBar* p = AsSECBar(pBar);
    if (p != NULL && nAvailable > 0)
    {
        p->m_fPctWidth = (float)nCommitted / (float)nAvailable;
        if (p->m_fPctWidth < m_fMinPctWidth)
        {
            p->m_fPctWidth = m_fMinPctWidth;
            nCommitted = (int)((float)nAvailable * m_fMinPctWidth);
        }
    }
    pBar->CalcDynamicLayout(nCommitted, dwMode | LM_COMMIT);
    ListForRepaint(pBar);
    return nExtent - nCommitted + nDelta;
}

void SECDockBar::MoveSplitter(Splitter* pSplitter, int nDelta)
{
    m_bRepaintPending = TRUE;
    const int nIndex = pSplitter->m_nIndex;
    if (nIndex < 0 || nIndex >= m_arrBars.GetSize())
        return;
    CControlBar* pRowBar = NULL;
    for (int i = GetRowStart(nIndex); i < GetRowEnd(nIndex) && pRowBar == NULL; ++i)
        pRowBar = GetDockedControlBar(i);
    if (pRowBar != NULL)
        ListRowToolBarsForRepaint(pRowBar);
    const BOOL bHorz = IsHorzDockBar();
    if (pSplitter->m_nKind == Splitter::kindRow)
    {
        const int d = IsTopOrLeft() ? nDelta : -nDelta;
        for (int i = nIndex; i < GetRowEnd(nIndex); ++i)
        {
            CControlBar* pBar = GetDockedControlBar(i);
            if (pBar == NULL || !pBar->IsVisible())
                continue;
            CRect rect;
            pBar->GetWindowRect(&rect);
            const int nThickness = bHorz ? rect.Height() : rect.Width();
            pBar->CalcDynamicLayout(nThickness + d, bHorz ? (LM_HORZ | LM_HORZDOCK | LM_LENGTHY | LM_COMMIT)
                                                          : (LM_VERTDOCK | LM_COMMIT));
            ListForRepaint(pBar);
        }
        return;
    }
    // Bar splitter: one side grows by the delta, the other gives it up bar by bar.
    std::vector<CControlBar*> before, after;
    for (int i = nIndex; i >= 0 && m_arrBars[i] != NULL; --i)
    {
        CControlBar* p = GetDockedControlBar(i);
        if (p != NULL && p->IsVisible())
            before.push_back(p);
    }
    for (int i = nIndex + 1; i < GetRowEnd(nIndex); ++i)
    {
        CControlBar* p = GetDockedControlBar(i);
        if (p != NULL && p->IsVisible())
            after.push_back(p);
    }
    if (before.empty() || after.empty())
        return;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const int nVisible = (int)(before.size() + after.size());
    const int nAvailable =
        (bHorz ? rectWindow.Width() : rectWindow.Height()) - splitterSize * nVisible + splitterSize;
    RecalcMinPercentWidth();
    std::vector<CControlBar*>& growing = nDelta >= 0 ? before : after;
    std::vector<CControlBar*>& giving = nDelta >= 0 ? after : before;
    ChangeBarExtent(growing.front(), nDelta >= 0 ? nDelta : -nDelta, nAvailable);
    int nRest = nDelta >= 0 ? -nDelta : nDelta;
    for (CControlBar* p : giving)
    {
        if (nRest == 0)
            break;
        nRest = ChangeBarExtent(p, nRest, nAvailable);
    }
}

// ---- messages

int SECDockBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDockBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    SECGetSystemData().LoadSplitterCursors(FALSE);
    return 0;
}

void SECDockBar::OnDestroy()
{
    DeleteAllRecords();
    CDockBar::OnDestroy();
}

BOOL SECDockBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    // Mouse moves set the cursor over the dock bar itself.
    if (pWnd == this && nHitTest == HTCLIENT)
        return TRUE;
    return CDockBar::OnSetCursor(pWnd, nHitTest, message);
}

void SECDockBar::OnMouseMove(UINT nFlags, CPoint point)
{
    const SECSystemData& data = SECGetSystemData();
    Splitter* pSplitter = SplitterFromPoint(point);
    if (pSplitter != NULL)
        ::SetCursor(pSplitter->m_nOrientation == 1 ? data.m_hcurVSplit : data.m_hcurHSplit);
    else
        ::SetCursor(data.m_hcurArrow);
    CDockBar::OnMouseMove(nFlags, point);
}

void SECDockBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    Splitter* pSplitter = SplitterFromPoint(point);
    if (pSplitter != NULL)
    {
        TrackSplitter(pSplitter, point.x, point.y);
        return;
    }
    CDockBar::OnLButtonDown(nFlags, point);
}

BOOL SECDockBar::PreTranslateMessage(MSG* pMsg)
{
    // Alt+letter opens the frame's menu while a docked bar has the focus.
    if (pMsg->message == WM_SYSCHAR)
    {
        CFrameWnd* pFrame = GetDockingFrame();
        if (pFrame != NULL)
            pFrame->PostMessage(WM_SYSCOMMAND, SC_KEYMENU, pMsg->wParam);
    }
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL SECDockBar::BuildBarMenu(CMenu& menu)
{
    m_mapBarMenu.RemoveAll();
    CFrameWnd* pMain = MainFrame();
    if (pMain == NULL || !menu.CreatePopupMenu())
        return FALSE;
    menu.AppendMenu(MF_SEPARATOR);
    UINT nID = firstBarMenuID;
    int nOthers = 0;
    POSITION pos = pMain->m_listControlBars.GetHeadPosition();
    while (pos != NULL && nID <= lastBarMenuID)
    {
        CControlBar* pBar = (CControlBar*)pMain->m_listControlBars.GetNext(pos);
        if (!pBar->IsKindOf(RUNTIME_CLASS(SECControlBar)) || pBar->IsKindOf(RUNTIME_CLASS(SECDockBar)) ||
            pBar->IsKindOf(RUNTIME_CLASS(SECStatusBar)) || pBar->IsKindOf(RUNTIME_CLASS(SECMenuBar)) ||
            pBar->IsKindOf(RUNTIME_CLASS(SECFrameBar)))
            continue;
        CString strTitle;
        pBar->GetWindowText(strTitle);
        if (strTitle.IsEmpty())
            continue;
        const UINT nFlags = MF_STRING | ((pBar->GetStyle() & WS_VISIBLE) ? MF_CHECKED : MF_UNCHECKED);
        // Toolbars go below the separator, the other bars above it.
        if (pBar->IsKindOf(RUNTIME_CLASS(SECToolBar)) || pBar->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)))
            menu.AppendMenu(nFlags, nID, strTitle);
        else
            menu.InsertMenu(nOthers++, MF_BYPOSITION | nFlags, nID, strTitle);
        m_mapBarMenu.SetAt(nID, static_cast<SECControlBar*>(pBar));
        ++nID;
    }
    // A separator left first or last goes.
    if (menu.GetMenuItemCount() > 0 && menu.GetMenuItemID(0) == 0)
        menu.DeleteMenu(0, MF_BYPOSITION);
    const int nLast = menu.GetMenuItemCount() - 1;
    if (nLast >= 0 && menu.GetMenuItemID(nLast) == 0)
        menu.DeleteMenu(nLast, MF_BYPOSITION);
    return TRUE;
}

void SECDockBar::OnContextMenu(CWnd*, CPoint point)
{
    if (!SECSystemData::IsBarMenuEnabled())
        return;
    CMenu menu;
    if (!BuildBarMenu(menu))
        return;
    if (menu.GetMenuItemCount() > 0)
        menu.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
    menu.DestroyMenu();
}

void SECDockBar::OnBarMenuCommand(UINT nID)
{
    SECControlBar* pBar = NULL;
    CFrameWnd* pMain = MainFrame();
    if (m_mapBarMenu.Lookup(nID, pBar) && pMain != NULL)
        pMain->ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    m_mapBarMenu.RemoveAll();
}
