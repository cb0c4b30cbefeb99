// SECCustomToolBar: wrapping the buttons into rows, balancing the rows and placing the buttons.
#include "uilib/bars/CustomToolBar.h"
#include "mfc/DockBar.h"
#include "mfc/FrameWnd.h"
#include <algorithm>

namespace
{
// A row's width and height from its first to its last button (an ending separator's width does
// not count; only buttons that are not separators give it height).
void MeasureRow(const SECBtnArray& btns, const std::vector<int>& visible, int nFirst, int nLast,
                SECCustomToolBar::Row& row)
{
    row.nLast = visible[(size_t)nLast];
    row.bSepEnd = btns[(size_t)row.nLast]->HasStyle(TBBS_SEPARATOR);
    row.cx = row.cy = 0;
    for (int i = nFirst; i <= nLast; i++)
    {
        const SECStdBtn* pBtn = btns[(size_t)visible[(size_t)i]];
        if (pBtn->HasStyle(TBBS_SEPARATOR))
        {
            if (i != nLast)
                row.cx += pBtn->m_cx;
            continue;
        }
        row.cx += pBtn->m_cx;
        row.cy = std::max(row.cy, pBtn->m_cy);
    }
}

std::vector<int> VisibleButtons(const SECBtnArray& btns)
{
    std::vector<int> visible;
    for (size_t i = 0; i < btns.size(); i++)
        if (!btns[i]->HasStyle(TBBS_HIDDEN))
            visible.push_back((int)i);
    return visible;
}

// Position in the visible list of a button index.
int VisiblePos(const std::vector<int>& visible, int nIndex)
{
    return (int)(std::find(visible.begin(), visible.end(), nIndex) - visible.begin());
}
} // namespace

BOOL SECCustomToolBar::IsVertical(DWORD dwMode) const
{
    if (dwMode & LM_VERTDOCK)
        return TRUE;
    if (dwMode & LM_HORZDOCK)
        return FALSE;
    return !(dwMode & LM_HORZ);
}

void SECCustomToolBar::WrapRows(int nWidth, std::vector<Row>& rows)
{
    rows.clear();
    const std::vector<int> visible = VisibleButtons(m_btns);
    const int nCount = (int)visible.size();
    int nFirst = 0;
    while (nFirst < nCount)
    {
        int cx = 0;
        int nLastSep = -1; // position of the row's last separator
        int nEnd = nFirst; // position of the row's last button
        int i = nFirst;
        for (; i < nCount; i++)
        {
            const SECStdBtn* pBtn = m_btns[(size_t)visible[(size_t)i]];
            const BOOL bSep = pBtn->HasStyle(TBBS_SEPARATOR);
            if (i == nFirst || cx + pBtn->m_cx <= nWidth + 2)
            {
                cx += pBtn->m_cx;
                if (bSep)
                    nLastSep = i;
                nEnd = i;
                continue;
            }
            // Too wide: a separator here ends the row, else the row's last separator does, else
            // the row ends before this button.
            if (bSep)
                nEnd = i;
            else if (nLastSep > nFirst)
                nEnd = nLastSep;
            else
                nEnd = i - 1;
            break;
        }
        if (i == nCount)
            nEnd = nCount - 1;
        Row row;
        MeasureRow(m_btns, visible, nFirst, nEnd, row);
        rows.push_back(row);
        nFirst = nEnd + 1;
    }
}

void SECCustomToolBar::BalanceRows(int, std::vector<Row>& rows)
{
    const std::vector<int> visible = VisibleButtons(m_btns);
    // Rows as the positions of their last buttons in the visible list.
    std::vector<int> ends;
    for (const Row& row : rows)
        ends.push_back(VisiblePos(visible, row.nLast));
    auto measure = [&](const std::vector<int>& e, std::vector<Row>& out) {
        out.clear();
        int nFirst = 0;
        for (int nEnd : e)
        {
            Row row;
            MeasureRow(m_btns, visible, nFirst, nEnd, row);
            out.push_back(row);
            nFirst = nEnd + 1;
        }
    };
    // Row r's trailing group: the buttons after its last separator (not an ending one), else its
    // last button. Returns the new end of row r, or -1 when nothing can go.
    auto trailingGroupStart = [&](const std::vector<int>& e, int r) {
        const int nFirst = r == 0 ? 0 : e[(size_t)r - 1] + 1;
        int nContentEnd = e[(size_t)r];
        if (m_btns[(size_t)visible[(size_t)nContentEnd]]->HasStyle(TBBS_SEPARATOR))
            nContentEnd--;
        for (int i = nContentEnd; i > nFirst; i--)
            if (m_btns[(size_t)visible[(size_t)i]]->HasStyle(TBBS_SEPARATOR))
                return i < nContentEnd ? i : -1;
        return nContentEnd > nFirst ? nContentEnd - 1 : -1;
    };
    for (int nGuard = 0; nGuard < 1000 && rows.size() > 1; nGuard++)
    {
        size_t nWidest = 0;
        for (size_t r = 0; r < rows.size(); r++)
            if (rows[r].cx >= rows[nWidest].cx)
                nWidest = r;
        if (nWidest + 1 == rows.size())
            break;
        const int cxWidest = rows[nWidest].cx;
        std::vector<int> trial = ends;
        std::vector<Row> trialRows;
        BOOL bOk = FALSE;
        for (size_t r = nWidest; r + 1 < trial.size(); r++)
        {
            const int nNewEnd = trailingGroupStart(trial, (int)r);
            if (nNewEnd < 0)
                break;
            trial[r] = nNewEnd;
            measure(trial, trialRows);
            if (trialRows[r + 1].cx < cxWidest)
            {
                bOk = TRUE;
                break;
            }
        }
        if (!bOk)
            break;
        ends = trial;
        rows = trialRows;
    }
}

void SECCustomToolBar::WrapButtons(int nLength, BOOL bVertical)
{
    for (SECStdBtn* pBtn : m_btns)
        pBtn->SetStyle(pBtn->GetStyle() & ~TBBS_WRAPPED);
    int cxWidest = 0, cxNarrowest = INT_MAX, nButtons = 0;
    for (const SECStdBtn* pBtn : m_btns)
    {
        if (pBtn->HasStyle(TBBS_HIDDEN) || pBtn->HasStyle(TBBS_SEPARATOR))
            continue;
        cxWidest = std::max(cxWidest, pBtn->m_cx);
        cxNarrowest = std::min(cxNarrowest, pBtn->m_cx);
        nButtons++;
    }
    if (nButtons == 0)
        cxNarrowest = cxWidest = GetButtonWidth();
    std::vector<Row> rows;
    auto wrapAt = [&](int nWidth) {
        WrapRows(nWidth, rows);
        BalanceRows((int)rows.size(), rows);
        int cy = 0;
        for (const Row& row : rows)
            cy += row.cy + (row.bSepEnd ? m_nSepWidth * 2 / 3 : 0);
        return cy;
    };
    if (!bVertical)
        wrapAt(std::max(nLength, cxWidest));
    else
    {
        const int cyButton = GetButtonHeight();
        int nWidth = cxWidest;
        if (nLength / cyButton > 0)
            nWidth = std::max(cxNarrowest, nButtons * GetButtonWidth() / (nLength / cyButton));
        const int nMaxWidth = 32767;
        while (wrapAt(nWidth) > nLength && nWidth < nMaxWidth && rows.size() > 1)
            nWidth += GetButtonWidth();
        while (nWidth - GetButtonWidth() >= cxNarrowest && wrapAt(nWidth - GetButtonWidth()) <= nLength)
            nWidth -= GetButtonWidth();
        wrapAt(nWidth);
    }
    for (const Row& row : rows)
    {
        SECStdBtn* pLast = m_btns[(size_t)row.nLast];
        pLast->SetStyle(pLast->GetStyle() | TBBS_WRAPPED);
    }
}

CSize SECCustomToolBar::LayoutButtons(int nLength, DWORD dwMode)
{
    const BOOL bVertical = IsVertical(dwMode);
    CRect rcInside(0, 0, 0, 0);
    CalcInsideRect(rcInside, !bVertical);
    const CSize szMargins(-rcInside.Width(), -rcInside.Height());
    const CPoint ptOrigin = rcInside.TopLeft();

    // The length of a stretched bar that its dock bar shows; the right-side element ends there.
    int nShown = nLength;
    if (m_dwExStyle & BAR_EX_STRETCH)
    {
        // Docked, the bar fills its dock bar's length.
        CFrameWnd* pFrame = GetDockingFrame();
        CControlBar* pDock = NULL;
        if (pFrame != NULL && (dwMode & (LM_HORZDOCK | LM_VERTDOCK)))
            pDock = pFrame->GetControlBar(bVertical ? AFX_IDW_DOCKBAR_LEFT : AFX_IDW_DOCKBAR_TOP);
        if (pDock != NULL)
        {
            CRect rect;
            pDock->GetClientRect(&rect);
            nLength = nShown = bVertical ? rect.Height() : rect.Width();
            // Room for the caption buttons of a maximised child at the right end.
            const bool bRightSide = std::any_of(m_btns.begin(), m_btns.end(), [](const SECStdBtn* pBtn) {
                return pBtn->m_nType == SECStdBtn::BtnRightSide;
            });
            if (!bVertical && bRightSide)
                nLength += 12;
        }
    }

    // Only a committed layout, or one for the state the bar is in, moves the buttons: the dock
    // context asks for the other orientations while dragging.
    const BOOL bFloatingNow = (m_dwStyle & CBRS_FLOATING) != 0;
    const BOOL bPlace =
        (dwMode & LM_COMMIT) ||
        (bFloatingNow ? !(dwMode & (LM_HORZDOCK | LM_VERTDOCK))
                      : (dwMode & ((m_dwStyle & CBRS_ORIENT_VERT) ? LM_VERTDOCK : LM_HORZDOCK)) != 0);
    std::vector<UINT> savedStyles;
    if (!bPlace)
        for (const SECStdBtn* pBtn : m_btns)
            savedStyles.push_back(pBtn->GetStyle());
    std::vector<CPoint> places(m_btns.size(), CPoint(-1, -1));

    CSize size;
    const std::vector<int> visible = VisibleButtons(m_btns);
    if (visible.empty())
        size = CSize(GetButtonWidth(), GetButtonHeight()) + szMargins;
    else
    {
        // Docked vertically or floating by width: rows of at most the width (0: one column);
        // by height: as many rows as fit.
        const BOOL bByHeight = (dwMode & LM_LENGTHY) != 0;
        int nInner;
        if (nLength < 0)
            nInner = bVertical ? 0 : 32767;
        else if (nLength >= 32767)
            nInner = 32767;
        else
            nInner = nLength - (bByHeight ? szMargins.cy : szMargins.cx);
        WrapButtons(nInner, bByHeight);

        // Place row by row.
        const int nGap = m_nSepWidth * 2 / 3;
        const int nSepDrop = m_nSepWidth * 2 / 6;
        int y = ptOrigin.y;
        int cxMax = 0;
        size_t nPos = 0;
        while (nPos < visible.size())
        {
            size_t nEnd = nPos;
            while (nEnd < visible.size() && !m_btns[(size_t)visible[nEnd]]->HasStyle(TBBS_WRAPPED))
                nEnd++;
            if (nEnd == visible.size())
                nEnd--;
            Row row;
            MeasureRow(m_btns, visible, (int)nPos, (int)nEnd, row);
            int x = ptOrigin.x;
            for (size_t i = nPos; i <= nEnd; i++)
            {
                SECStdBtn* pBtn = m_btns[(size_t)visible[i]];
                if (i == nEnd && row.bSepEnd)
                {
                    places[(size_t)visible[i]] = CPoint(ptOrigin.x, y + row.cy + nSepDrop);
                    continue;
                }
                const int yBtn = pBtn->HasStyle(SEC_TBBS_VCENTER) ? y + (row.cy - pBtn->m_cy) / 2 : y;
                places[(size_t)visible[i]] = CPoint(x, yBtn);
                x += pBtn->m_cx;
            }
            cxMax = std::max(cxMax, row.cx);
            y += row.cy + (row.bSepEnd ? nGap : 0);
            nPos = nEnd + 1;
        }
        size = CSize(cxMax, y - ptOrigin.y) + szMargins;

        // A right-side element stays at the end of a stretched bar.
        if ((m_dwExStyle & BAR_EX_STRETCH) && nLength > 0 && nLength < 32767)
        {
            for (int i = (int)visible.size() - 1; i >= 0; i--)
            {
                SECStdBtn* pBtn = m_btns[(size_t)visible[(size_t)i]];
                if (pBtn->m_nType != SECStdBtn::BtnRightSide)
                    continue;
                // Against the end the dock bar shows: the stretch beyond it would cut the
                // element off.
                CPoint& place = places[(size_t)visible[(size_t)i]];
                if (bVertical)
                    place.y = nShown - szMargins.cy + ptOrigin.y - pBtn->m_cy;
                else
                    place.x = nShown - szMargins.cx + ptOrigin.x - pBtn->m_cx;
                break;
            }
            if (bVertical)
                size.cy = std::max<LONG>(size.cy, nLength);
            else
                size.cx = std::max<LONG>(size.cx, nLength);
        }
    }

    if (!bPlace)
    {
        for (size_t i = 0; i < m_btns.size(); i++)
            m_btns[i]->SetStyle(savedStyles[i]);
    }
    else
    {
        for (size_t i = 0; i < m_btns.size(); i++)
            m_btns[i]->SetPos(places[i].x, places[i].y);
    }

    const DWORD dwVertBits =
        bVertical ? ((m_dwStyle & CBRS_ORIENT_VERT) ? (m_dwStyle & CBRS_ORIENT_VERT) : CBRS_ALIGN_LEFT) : 0;
    if (bPlace && dwVertBits != m_dwVertBits)
    {
        m_dwVertBits = dwVertBits;
        for (SECStdBtn* pBtn : m_btns)
            pBtn->SetOrientation(dwVertBits);
    }

    const BOOL bFloating = !(dwMode & (LM_HORZDOCK | LM_VERTDOCK));
    if (bFloating)
        size -= CSize(2, 2);
    if (dwMode & LM_COMMIT)
    {
        if (dwMode & LM_HORZDOCK)
        {
            m_szLayoutHorz = m_szDockHorz = size;
            m_bPendingHorz = FALSE;
        }
        else if (dwMode & LM_VERTDOCK)
        {
            m_szLayoutVert = m_szDockVert = size;
            m_bPendingVert = FALSE;
        }
        else
        {
            m_szLayoutFloat = m_szFloat = size;
            m_nMRUWidth = (UINT)size.cx;
            m_bPendingFloat = FALSE;
        }
    }
    if (bPlace && m_hWnd != NULL)
        Invalidate();
    return size;
}

CSize SECCustomToolBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    return LayoutButtons(-1, bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK);
}

CSize SECCustomToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (dwMode & LM_COMMIT)
        return LayoutButtons(nLength, dwMode);
    if (dwMode & LM_HORZDOCK)
        return LayoutButtons(32767, dwMode | (m_bPendingHorz ? LM_COMMIT : 0));
    if (dwMode & LM_VERTDOCK)
        return LayoutButtons(0, dwMode | (m_bPendingVert ? LM_COMMIT : 0));
    if (dwMode & LM_MRUWIDTH)
    {
        if (m_bPendingFloat)
            return LayoutButtons(32767, dwMode | LM_COMMIT);
        // The committed floating width again (it was 2 pixels less than the layout width).
        return LayoutButtons((int)m_nMRUWidth + 2, dwMode);
    }
    return LayoutButtons(nLength, dwMode);
}
