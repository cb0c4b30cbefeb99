// SECListEngine: construction, creation, colours, columns, rows, selection, image lists, styles.
#include "ListEngine.h"
#include "MemFile.h"
#include "Archive.h"
#include <algorithm>

COLORREF SECListEngine::s_rgbMenu = 0;
COLORREF SECListEngine::s_rgbMenuText = 0;
COLORREF SECListEngine::s_rgbBtnFace = 0;

SECListEngine::SECListEngine()
{
    LoadSysColors();
    m_pszTextBuffer = new char[ListMetrics::TEXT_BUFFER];
    m_pszTextBuffer[0] = '\0';
    m_pEdit = new SECListEdit(this);
    m_pTip = new SECListTip(this);
}

SECListEngine::~SECListEngine()
{
    ReleaseAll();
}

void SECListEngine::ReleaseAll()
{
    delete m_pTip;
    m_pTip = NULL;
    delete m_pEdit;
    m_pEdit = NULL;
    delete[] m_pszTextBuffer;
    m_pszTextBuffer = NULL;
    for (SECListItem* p : m_arrItems)
        delete p;
    m_arrItems.clear();
    for (SECListColumn* p : m_arrColumns)
        delete p;
    m_arrColumns.clear();
    delete m_pHeaderDragImage;
    m_pHeaderDragImage = NULL;
    delete m_pHScroll;
    m_pHScroll = NULL;
    delete m_pVScroll;
    m_pVScroll = NULL;
    if ((m_dwListStyle & ListStyle::SHARE_IMAGE_LISTS) == 0)
        for (CImageList*& p : m_pImageLists)
        {
            delete p;
            p = NULL;
        }
}

void SECListEngine::LoadSysColors()
{
    m_rgbText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_rgbBk = ::GetSysColor(COLOR_WINDOW);
    m_rgbSelText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_rgbSelBk = ::GetSysColor(COLOR_HIGHLIGHT);
    m_rgbGrayText = ::GetSysColor(COLOR_GRAYTEXT);
    m_rgbSecondary = ::GetSysColor(COLOR_WINDOW);
    m_rgbSelSecondary = ::GetSysColor(COLOR_WINDOW);
    m_rgbTipBk = ::GetSysColor(COLOR_INFOBK);
    m_rgbTipText = ::GetSysColor(COLOR_INFOTEXT);
    m_rgbWindowBk = ::GetSysColor(COLOR_WINDOW);
    s_rgbMenu = ::GetSysColor(COLOR_MENU);
    s_rgbMenuText = ::GetSysColor(COLOR_MENUTEXT);
    s_rgbBtnFace = ::GetSysColor(COLOR_BTNFACE);
}

// ---- creation

BOOL SECListEngine::CreateEx(DWORD dwStyle, DWORD dwExStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                             CCreateContext* pContext)
{
    return CreateEx(dwExStyle, NULL, NULL, dwStyle, rect.left, rect.top, AfxRectExtent(rect.left, rect.right),
                    AfxRectExtent(rect.top, rect.bottom), pParentWnd->GetSafeHwnd(), nID, pContext);
}

BOOL SECListEngine::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                           CCreateContext* pContext)
{
    return CreateEx(dwStyle, 0, rect, pParentWnd, nID, pContext);
}

BOOL SECListEngine::CreateEx(DWORD dwExStyle, LPCTSTR, LPCTSTR, DWORD dwStyle, int x, int y, int nWidth,
                             int nHeight, HWND hWndParent, UINT nID, LPVOID lpParam)
{
    CREATESTRUCT cs;
    memset(&cs, 0, sizeof(cs));
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = NULL;
    cs.lpszName = _T("");
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = (HMENU)(UINT_PTR)nID;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!m_pWnd->PreCreateWindow(cs))
    {
        m_pWnd->PostNcDestroy();
        return FALSE;
    }
    if (cs.lpszClass == NULL)
    {
        AfxDeferRegisterClass(AFX_WND_REG);
        cs.lpszClass = _afxWnd;
    }
    SplitCreateStyles(cs);
    AfxHookWindowCreate(m_pWnd);
    HWND hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                 cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    AfxUnhookWindowCreate();
    return hWnd != NULL;
}

void SECListEngine::SplitCreateStyles(CREATESTRUCT& cs)
{
    // 0x400 and 0x800 are never taken from the window style.
    DWORD dwBits = cs.style & ListStyle::FROM_WINDOW_STYLE;
    cs.style &= ~dwBits;
    m_dwListStyle |= dwBits;
    DWORD dwExBits = cs.dwExStyle & ListStyle::EX_FROM_WINDOW_STYLE;
    cs.dwExStyle &= ~dwExBits;
    m_dwListStyleEx |= dwExBits;
}

BOOL SECListEngine::CreateFromDlgItem(UINT nID, CWnd* pParentDialog)
{
    HWND hItem = ::GetDlgItem(pParentDialog->GetSafeHwnd(), nID);
    if (hItem == NULL)
        return FALSE;
    DWORD dwStyle = (DWORD)::GetWindowLongPtr(hItem, GWL_STYLE) | WS_BORDER;
    DWORD dwExStyle = (DWORD)::GetWindowLongPtr(hItem, GWL_EXSTYLE);
    CRect rect;
    ::GetWindowRect(hItem, &rect);
    pParentDialog->ScreenToClient(&rect);
    HWND hAfter = ::GetWindow(hItem, GW_HWNDPREV);
    ::DestroyWindow(hItem);
    if (!CreateEx(dwStyle, dwExStyle, rect, pParentDialog, nID))
        return FALSE;
    ::SetWindowPos(m_pWnd->m_hWnd, hAfter != NULL ? hAfter : HWND_TOP, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    return TRUE;
}

int SECListEngine::OnCreate(LPCREATESTRUCT)
{
    m_hResizeCursor = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_SECLIST_RESIZE));
    if ((m_dwListStyle & ListStyle::VIEW_MASK) != ListStyle::VIEW_REPORT)
    {
        m_dwListStyle |= ListStyle::NO_COLUMN_HEADER;
        InsertColumn(0, _T(""), LVCFMT_LEFT, 20);
    }
    return 0;
}

void SECListEngine::OnDestroy()
{
    KillScrollTimer();
    if ((m_dwListStyle & ListStyle::SHARE_IMAGE_LISTS) == 0)
        for (CImageList*& p : m_pImageLists)
        {
            delete p;
            p = NULL;
        }
    if (m_pTip->GetSafeHwnd() != NULL)
        m_pTip->DestroyWindow();
    DeleteAllItems();
    for (SECListColumn* p : m_arrColumns)
        delete p;
    m_arrColumns.clear();
    m_nSubItemColumns = 0;
}

void SECListEngine::OnSysColorChange()
{
    if (m_bUseSysColors)
        LoadSysColors();
}

// ---- colours

COLORREF SECListEngine::GetWindowBkColor() const
{
    if (m_pWnd->m_hWnd != NULL && !m_pWnd->IsWindowEnabled())
        return s_rgbMenu;
    return m_rgbWindowBk;
}

BOOL SECListEngine::SetWindowBkColor(COLORREF rgb)
{
    m_rgbWindowBk = rgb;
    SetBkColor(rgb);
    return TRUE;
}

HFONT SECListEngine::GetHeaderFont() const
{
    return m_hHeaderFont != NULL ? m_hHeaderFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
}

HFONT SECListEngine::GetLabelFont() const
{
    return m_hLabelFont != NULL ? m_hLabelFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
}

void SECListEngine::SetScrollTimer(UINT nPeriodMs)
{
    KillScrollTimer();
    if (nPeriodMs != 0 && m_pWnd->m_hWnd != NULL)
        m_nScrollTimer = m_pWnd->SetTimer(ListTimer::AUTO_SCROLL, nPeriodMs);
}

void SECListEngine::KillScrollTimer()
{
    if (m_nScrollTimer != 0 && m_pWnd->m_hWnd != NULL)
        m_pWnd->KillTimer(ListTimer::AUTO_SCROLL);
    m_nScrollTimer = 0;
}

// ---- columns

SECListColumn* SECListEngine::GetColumnAt(int nCol) const
{
    return nCol >= 0 && nCol < (int)m_arrColumns.size() ? m_arrColumns[nCol] : NULL;
}

int SECListEngine::GetSubItemOfColumn(int nCol) const
{
    SECListColumn* pCol = GetColumnAt(nCol);
    return pCol != NULL ? pCol->m_iSubItem : -1;
}

BOOL SECListEngine::AddColumn(const LVCOLUMNA* pColumn)
{
    return InsertColumn(GetColumnCount(), pColumn, TRUE);
}

BOOL SECListEngine::AddColumn(LPCTSTR lpszHeading, int nFormat, int nWidth, int nSubItem, int nImage)
{
    return InsertColumn(GetColumnCount(), lpszHeading, nFormat, nWidth, nSubItem, nImage, TRUE);
}

BOOL SECListEngine::AddColumn(SECListColumn* pColumn)
{
    return InsertColumn(GetColumnCount(), pColumn, TRUE);
}

BOOL SECListEngine::InsertColumn(int nCol, const LVCOLUMNA* pColumn, BOOL bRedraw)
{
    if (pColumn == NULL)
        return FALSE;
    UINT mask = pColumn->mask;
    return InsertColumn(
        nCol, (mask & LVCF_TEXT) && pColumn->pszText != NULL ? pColumn->pszText : _T(""),
        (mask & LVCF_FMT) ? pColumn->fmt : LVCFMT_LEFT, (mask & LVCF_WIDTH) ? pColumn->cx : -1,
        (mask & LVCF_SUBITEM) ? pColumn->iSubItem : -1, (mask & LVCF_IMAGE) ? pColumn->iImage : -1, bRedraw);
}

BOOL SECListEngine::InsertColumn(int nCol, LPCTSTR lpszHeading, int nFormat, int nWidth, int /*nSubItem*/,
                                 int nImage, BOOL bRedraw)
{
    // The sub-item argument is not used: a new column always gets a fresh sub-item.
    SECListColumn* pColumn = new SECListColumn;
    pColumn->m_strHeading = lpszHeading;
    pColumn->m_fmt = nFormat;
    pColumn->m_cx = nWidth;
    pColumn->m_iSubItem = -1;
    pColumn->m_iImage = nImage;
    return InsertColumn(nCol, pColumn, bRedraw);
}

BOOL SECListEngine::InsertColumn(int nCol, SECListColumn* pColumn, BOOL bRedraw)
{
    if (pColumn == NULL)
        return FALSE;
    int p = std::max(0, std::min(nCol, GetColumnCount()));
    EndLabelEdit(TRUE);
    m_pTip->Hide();
    if (p == 0)
    {
        pColumn->m_fmt = LVCFMT_LEFT;
        pColumn->m_iSubItem = 0;
    }
    m_arrColumns.insert(m_arrColumns.begin() + p, pColumn);
    if (pColumn->m_iSubItem == -1 || pColumn->m_iSubItem > m_nSubItemColumns)
    {
        pColumn->m_iSubItem = p;
        for (SECListItem* pItem : m_arrItems)
        {
            int nAt = std::max(0, std::min(p - 1, (int)pItem->m_arrSubItems.size()));
            pItem->m_arrSubItems.insert(pItem->m_arrSubItems.begin() + nAt, new SECListSubItem);
        }
        if (pColumn->m_cx == -1)
            pColumn->m_cx = 10;
        ++m_nSubItemColumns;
    }
    else if (std::any_of(m_arrColumns.begin(), m_arrColumns.end(), [&](SECListColumn* p) {
                 return p != pColumn && p->m_iSubItem == pColumn->m_iSubItem;
             }))
    {
        // A sub-item already in use (always so at position 0): every row gets a slot there and
        // the later sub-items move up with their columns, so cells stay under their heading.
        int s = pColumn->m_iSubItem;
        for (SECListItem* pItem : m_arrItems)
        {
            SECListSubItem* pNew = new SECListSubItem;
            if (s == 0)
            {
                pNew->m_pszText = pItem->m_pszText;
                pItem->m_pszText = LPSTR_TEXTCALLBACKA;
                pItem->m_arrSubItems.insert(pItem->m_arrSubItems.begin(), pNew);
            }
            else
            {
                int nAt = std::min(s - 1, (int)pItem->m_arrSubItems.size());
                pItem->m_arrSubItems.insert(pItem->m_arrSubItems.begin() + nAt, pNew);
            }
            pItem->m_bDirty = TRUE;
        }
        ++m_nSubItemColumns;
        if (pColumn->m_cx == -1)
            pColumn->m_cx = 10;
    }
    for (int i = 0; i < GetColumnCount(); ++i)
        if (i != p && m_arrColumns[i]->m_iSubItem >= pColumn->m_iSubItem &&
            (i > p || m_arrColumns[i]->m_iSubItem == pColumn->m_iSubItem))
            ++m_arrColumns[i]->m_iSubItem;
    if (bRedraw && m_bImmediateUpdate && m_pWnd->m_hWnd != NULL)
    {
        if (m_dwListStyleEx & ListStyle::EX_FIT_FIRST_COLUMN)
            FitFirstColumn();
        InvalidateMeasurements();
        RecalcLayout();
        m_pWnd->Invalidate(TRUE);
    }
    return TRUE;
}

BOOL SECListEngine::DeleteColumn(int nCol)
{
    if (nCol == 0 && GetColumnCount() > 1)
        return FALSE;
    EndLabelEdit(TRUE);
    m_pTip->Hide();
    SECListColumn* pColumn = GetColumnAt(nCol);
    if (pColumn == NULL)
        return FALSE;
    int s = pColumn->m_iSubItem;
    for (SECListItem* pItem : m_arrItems)
        if (s >= 1 && s <= (int)pItem->m_arrSubItems.size())
        {
            delete pItem->m_arrSubItems[s - 1];
            pItem->m_arrSubItems.erase(pItem->m_arrSubItems.begin() + (s - 1));
        }
    if ((m_dwListStyleEx & ListStyle::EX_KEEP_DELETED_WIDTH) == 0 && nCol != 0)
        for (SECListColumn* pCol : m_arrColumns)
            if (pCol->m_iSubItem == 0)
                pCol->m_cx += pColumn->m_cx;
    if (s >= 1)
        --m_nSubItemColumns;
    delete pColumn;
    m_arrColumns.erase(m_arrColumns.begin() + nCol);
    for (SECListColumn* pCol : m_arrColumns)
        if (pCol->m_iSubItem > s)
            --pCol->m_iSubItem;
    if (m_arrColumns.empty())
    {
        m_nSubItemColumns = 0;
        DeleteAllItems();
    }
    else if (m_pWnd->m_hWnd != NULL)
    {
        InvalidateMeasurements();
        RecalcLayout();
        m_pWnd->Invalidate(TRUE);
    }
    return TRUE;
}

BOOL SECListEngine::DeleteColumn(LPCTSTR lpszHeading)
{
    int nCol, nSubItem;
    if (!FindColumn(lpszHeading, nCol, nSubItem))
        return FALSE;
    return DeleteColumn(nCol);
}

BOOL SECListEngine::DeleteAllColumns()
{
    DeleteAllItems();
    for (SECListColumn* p : m_arrColumns)
        delete p;
    m_arrColumns.clear();
    m_nSubItemColumns = 0;
    if (m_pWnd->m_hWnd != NULL)
        RecalcLayout();
    return TRUE;
}

BOOL SECListEngine::FindColumn(LPCTSTR lpszHeading, int& nCol, int& nSubItem) const
{
    for (int i = 0; i < GetColumnCount(); ++i)
        if (strcmp(m_arrColumns[i]->m_strHeading, lpszHeading) == 0)
        {
            nCol = i;
            nSubItem = m_arrColumns[i]->m_iSubItem;
            return TRUE;
        }
    return FALSE;
}

BOOL SECListEngine::ColumnExists(LPCTSTR lpszHeading) const
{
    int nCol, nSubItem;
    return FindColumn(lpszHeading, nCol, nSubItem);
}

BOOL SECListEngine::MoveColumn(int nFrom, int nTo, BOOL bRedraw)
{
    if (nFrom <= 0 || nTo <= 0 || GetColumnAt(nFrom) == NULL)
        return FALSE;
    int nCount = GetColumnCount();
    int nNew = nTo >= nCount ? nCount - 1 : (nTo > nFrom ? nTo - 1 : nTo);
    SECListColumn* pColumn = m_arrColumns[nFrom];
    m_arrColumns.erase(m_arrColumns.begin() + nFrom);
    m_arrColumns.insert(m_arrColumns.begin() + nNew, pColumn);
    for (int i = 1; i < nCount; ++i)
        m_arrColumns[i]->m_iSubItem = i;
    OnColumnMoved(nFrom, nNew);
    if (bRedraw && m_pWnd->m_hWnd != NULL)
    {
        InvalidateMeasurements();
        RecalcLayout();
        m_pWnd->Invalidate(TRUE);
    }
    return TRUE;
}

// Cells follow their heading: each row's sub-item moves with its column (the columns were
// renumbered by position, so the rows' sub-items must be renumbered the same way).
void SECListEngine::OnColumnMoved(int nFrom, int nTo)
{
    MoveColumnSubItems(nFrom, nTo);
}

void SECListEngine::MoveColumnSubItems(int nFrom, int nTo)
{
    if (nFrom == nTo)
        return;
    for (SECListItem* pItem : m_arrItems)
    {
        auto& subs = pItem->m_arrSubItems;
        if (nFrom < 1 || nTo < 1 || nFrom > (int)subs.size() || nTo > (int)subs.size())
            continue;
        SECListSubItem* p = subs[nFrom - 1];
        subs.erase(subs.begin() + (nFrom - 1));
        subs.insert(subs.begin() + (nTo - 1), p);
    }
}

BOOL SECListEngine::GetColumn(int nCol, LVCOLUMNA* pColumn) const
{
    SECListColumn* pCol = GetColumnAt(nCol);
    if (pCol == NULL || pColumn == NULL)
        return FALSE;
    if (pColumn->mask & LVCF_TEXT)
        ListText::CopyBounded(pColumn->pszText, pColumn->cchTextMax, pCol->m_strHeading);
    if (pColumn->mask & LVCF_FMT)
        pColumn->fmt = pCol->m_fmt;
    if (pColumn->mask & LVCF_SUBITEM)
        pColumn->iSubItem = pCol->m_iSubItem;
    if (pColumn->mask & LVCF_WIDTH)
        pColumn->cx = pCol->m_cx;
    if (pColumn->mask & LVCF_IMAGE)
        pColumn->iImage = pCol->m_iImage;
    return TRUE;
}

BOOL SECListEngine::SetColumn(int nCol, const LVCOLUMNA* pColumn, BOOL bRedraw)
{
    SECListColumn* pCol = GetColumnAt(nCol);
    if (pCol == NULL || pColumn == NULL)
        return FALSE;
    if ((pColumn->mask & LVCF_TEXT) && pColumn->pszText != NULL && pColumn->pszText != LPSTR_TEXTCALLBACKA)
        pCol->m_strHeading = pColumn->pszText;
    if (pColumn->mask & LVCF_FMT)
        pCol->m_fmt = pColumn->fmt;
    if (pColumn->mask & LVCF_SUBITEM)
        pCol->m_iSubItem = pColumn->iSubItem;
    if (pColumn->mask & LVCF_WIDTH)
        pCol->m_cx = pColumn->cx;
    if (bRedraw && m_pWnd->m_hWnd != NULL)
    {
        InvalidateMeasurements();
        RecalcLayout();
        if (m_dwListStyleEx & ListStyle::EX_FIT_FIRST_COLUMN)
            FitFirstColumn();
        m_pWnd->Invalidate(TRUE);
    }
    return TRUE;
}

int SECListEngine::GetColumnLeft(int nCol) const
{
    int x = -m_nHorzOffset;
    for (int i = 0; i < nCol && i < GetColumnCount(); ++i)
        x += m_arrColumns[i]->m_cx;
    return x;
}

int SECListEngine::GetColumnRight(int nCol) const
{
    return GetColumnLeft(nCol) + GetColumnWidth(nCol);
}

BOOL SECListEngine::SetColumnWidth(int nCol, int cx)
{
    SECListColumn* pCol = GetColumnAt(nCol);
    if (pCol == NULL)
        return FALSE;
    pCol->m_cx = cx;
    if (IsLabelWrap())
        InvalidateMeasurements();
    return TRUE;
}

int SECListEngine::GetColumnWidth(int nCol) const
{
    if (m_arrColumns.empty())
    {
        CRect rc;
        GetInsideRectangle(&rc);
        return rc.Width();
    }
    SECListColumn* pCol = GetColumnAt(nCol);
    return pCol != NULL ? pCol->m_cx : 0;
}

BOOL SECListEngine::SetColumnFormat(int nCol, int nFormat)
{
    SECListColumn* pCol = GetColumnAt(nCol);
    if (pCol == NULL)
        return FALSE;
    pCol->m_fmt = nFormat;
    return TRUE;
}

int SECListEngine::GetColumnFormat(int nCol) const
{
    SECListColumn* pCol = GetColumnAt(nCol);
    return pCol != NULL ? pCol->m_fmt : 0;
}

BOOL SECListEngine::SetColumnHeading(int nCol, LPCTSTR lpszHeading)
{
    SECListColumn* pCol = GetColumnAt(nCol);
    if (pCol == NULL)
        return FALSE;
    pCol->m_strHeading = lpszHeading;
    return TRUE;
}

CString SECListEngine::GetColumnHeading(int nCol) const
{
    SECListColumn* pCol = GetColumnAt(nCol);
    return pCol != NULL ? pCol->m_strHeading : CString();
}

// ---- row factory

BOOL SECListEngine::AddSubItems(SECListItem* pItem)
{
    for (int i = 0; i < m_nSubItemColumns; ++i)
        pItem->m_arrSubItems.push_back(new SECListSubItem);
    return TRUE;
}

BOOL SECListEngine::RemoveSubItems(SECListItem* pItem)
{
    for (SECListSubItem* p : pItem->m_arrSubItems)
        delete p;
    pItem->m_arrSubItems.clear();
    return TRUE;
}

int SECListEngine::InitItem(SECListItem* pItem)
{
    return AddSubItems(pItem) ? 0 : -1;
}

SECListItem* SECListEngine::CreateItem()
{
    SECListItem* pItem = new SECListItem;
    if (InitItem(pItem) != 0)
    {
        delete pItem;
        return NULL;
    }
    return pItem;
}

SECListItem* SECListEngine::GetRow(int nRow) const
{
    return nRow >= 0 && nRow < (int)m_arrItems.size() ? m_arrItems[nRow] : NULL;
}

int SECListEngine::FindRow(const SECListItem* pItem) const
{
    auto it = std::find(m_arrItems.begin(), m_arrItems.end(), pItem);
    return (int)(it - m_arrItems.begin());
}

// ---- rows

int SECListEngine::InsertItem(int nRow, SECListItem* pItem)
{
    if (pItem == NULL)
        return -1;
    // Below 0 nothing is inserted; beyond the count the row is appended (no gaps).
    if (nRow < 0)
        return -1;
    nRow = std::min(nRow, GetItemCount());
    m_arrItems.insert(m_arrItems.begin() + nRow, pItem);
    if (m_nFocusIndex >= nRow)
        ++m_nFocusIndex;
    if (m_nAnchorIndex >= nRow)
        ++m_nAnchorIndex;
    if (m_nDropHilite >= nRow)
        ++m_nDropHilite;
    // The edit and the edit waiting for its timer keep their row.
    if (m_nEditRow >= nRow)
        ++m_nEditRow;
    if (m_nClickRow >= nRow)
        ++m_nClickRow;
    for (int& n : m_arrSel)
        if (n >= nRow)
            ++n;
    if (m_nFocusIndex == -1)
        SelectFocusItem(0, TRUE);
    if (GetColumnCount() >= 2)
        while ((int)pItem->m_arrSubItems.size() < GetColumnCount() - 1)
            pItem->m_arrSubItems.push_back(new SECListSubItem);
    return nRow;
}

int SECListEngine::InsertItem(const LVITEMA* pRecord)
{
    if (pRecord == NULL || pRecord->iItem < 0)
        return -1;
    SECListItem* pItem = CreateItem();
    int nRow = InsertItem(pRecord->iItem, pItem);
    if (nRow < 0)
    {
        delete pItem;
        return -1;
    }
    LVITEMA item = *pRecord;
    item.iItem = nRow;
    item.iSubItem = 0;
    SetItem(&item, m_bImmediateUpdate);
    if (m_bImmediateUpdate && m_pWnd->m_hWnd != NULL)
    {
        RecalcLayout();
        InvalidateItems(nRow, FALSE, FALSE, TRUE, FALSE);
    }
    else if (m_pWnd->m_hWnd != NULL && !m_bLayoutDirty)
    {
        m_bLayoutDirty = TRUE;
        m_pWnd->Invalidate(FALSE);
    }
    return nRow;
}

int SECListEngine::InsertItem(UINT nMask, int nRow, LPCTSTR lpszText, UINT nState, UINT nStateMask,
                              int nImage, LPARAM lParam)
{
    LVITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = nMask;
    item.iItem = nRow;
    item.pszText = (LPSTR)lpszText;
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

int SECListEngine::InsertItem(int nRow, LPCTSTR lpszText, int nImage)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nRow, lpszText, 0, 0, nImage, 0);
}

int SECListEngine::InsertItem(int nRow, LPCTSTR lpszText)
{
    return InsertItem(LVIF_TEXT, nRow, lpszText, 0, 0, 0, 0);
}

int SECListEngine::InsertItemAfter(SECListItem* pAfter, LVITEMA* pItem)
{
    if (pAfter == NULL)
        pItem->iItem = 0;
    else
    {
        int n = FindRow(pAfter);
        if (n < GetItemCount())
            pItem->iItem = n + 1;
    }
    return InsertItem(pItem);
}

// Directly before the row (at its index), not one further up.
int SECListEngine::InsertItemBefore(SECListItem* pBefore, LVITEMA* pItem)
{
    if (pBefore == NULL)
        pItem->iItem = 0;
    else
    {
        int n = FindRow(pBefore);
        if (n < GetItemCount())
            pItem->iItem = n;
    }
    return InsertItem(pItem);
}

BOOL SECListEngine::SetItem(const LVITEMA* pRecord, BOOL bRedraw)
{
    if (pRecord == NULL)
        return FALSE;
    SECListItem* pItem = GetRow(pRecord->iItem);
    if (pItem == NULL)
        return FALSE;
    UINT nTell = 0;
    BOOL bChanged = FALSE;
    BOOL bImmediate = FALSE;
    BOOL bSetItem = (pRecord->mask & LVIF_DI_SETITEM) != 0;
    if (pRecord->mask & LVIF_TEXT)
    {
        LPSTR* ppTarget = NULL;
        BOOL bUntouched = FALSE;
        if (pRecord->iSubItem == 0)
            ppTarget = &pItem->m_pszText;
        else if (SECListSubItem* pSub = pItem->GetSubItem(pRecord->iSubItem))
        {
            ppTarget = &pSub->m_pszText;
            bUntouched = pSub->m_bUntouched;
            pSub->m_bUntouched = FALSE;
        }
        if (ppTarget != NULL)
        {
            if (ListText::IsCallback(pRecord->pszText))
            {
                ListText::Free(*ppTarget);
                *ppTarget = LPSTR_TEXTCALLBACKA;
                nTell |= LVIF_TEXT;
            }
            else if (ListText::IsCallback(*ppTarget) && !bSetItem && !bUntouched)
                nTell |= LVIF_TEXT;
            else
            {
                ListText::Free(*ppTarget);
                *ppTarget = ListText::Copy(pRecord->pszText);
            }
        }
    }
    if (pRecord->mask & LVIF_IMAGE)
    {
        if (pItem->m_nImage == -1 && !bSetItem)
            nTell |= LVIF_IMAGE;
        else
            pItem->m_nImage = pRecord->iImage;
        bChanged = TRUE;
    }
    if (pRecord->mask & LVIF_STATE)
    {
        UINT nMask = pRecord->stateMask;
        int nRow = pRecord->iItem;
        if (nMask & LVIS_SELECTED)
            SetSelected(nRow, (pRecord->state & LVIS_SELECTED) != 0, bChanged);
        if (nMask & LVIS_FOCUSED)
        {
            if (pRecord->state & LVIS_FOCUSED)
            {
                if (m_nFocusIndex != nRow)
                {
                    int nOld = m_nFocusIndex;
                    m_nFocusIndex = nRow;
                    if (nOld >= 0 && m_pWnd->m_hWnd != NULL)
                        InvalidateItems(nOld, FALSE, FALSE, FALSE, FALSE);
                    bChanged = TRUE;
                }
            }
            else if (m_nFocusIndex == nRow)
            {
                m_nFocusIndex = -1;
                bChanged = TRUE;
            }
        }
        if (nMask & LVIS_DROPHILITED)
        {
            int nNew =
                (pRecord->state & LVIS_DROPHILITED) ? nRow : (m_nDropHilite == nRow ? -1 : m_nDropHilite);
            if (nNew != m_nDropHilite)
            {
                int nOld = m_nDropHilite;
                m_nDropHilite = nNew;
                if (nOld >= 0 && nOld != nRow && m_pWnd->m_hWnd != NULL)
                    InvalidateItems(nOld, FALSE, FALSE, FALSE, TRUE);
                bChanged = TRUE;
                bImmediate = TRUE;
            }
        }
        UINT nOther = nMask & ~(LVIS_SELECTED | LVIS_FOCUSED | LVIS_DROPHILITED);
        UINT nNewState = (pItem->m_nState & ~nOther) | (pRecord->state & nOther);
        if (nNewState != pItem->m_nState)
        {
            pItem->m_nState = nNewState;
            bChanged = TRUE;
        }
    }
    if (pRecord->mask & LVIF_PARAM)
        pItem->m_lParam = pRecord->lParam;
    if (nTell != 0)
    {
        LVITEMA tell = *pRecord;
        tell.mask = nTell;
        OnSetItemCallback(&tell);
    }
    if ((pRecord->mask & (LVIF_TEXT | LVIF_STATE)) == 0)
        return TRUE;
    if (pRecord->mask & LVIF_TEXT)
        pItem->m_bDirty = TRUE;
    if (bRedraw && bChanged && pRecord->iItem != m_nEditRow && m_pWnd->m_hWnd != NULL)
        InvalidateItems(pRecord->iItem, FALSE, FALSE, FALSE, bImmediate);
    return TRUE;
}

BOOL SECListEngine::SetItem(int nRow, int nSubItem, UINT nMask, LPCTSTR lpszText, int nImage, UINT nState,
                            UINT nStateMask, LPARAM lParam)
{
    LVITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = nMask;
    item.iItem = nRow;
    item.iSubItem = nSubItem;
    item.pszText = (LPSTR)lpszText;
    item.iImage = nImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item, TRUE);
}

BOOL SECListEngine::GetItem(LVITEMA* pRecord, BOOL bCopyText, BOOL bNotify)
{
    if (pRecord == NULL)
        return FALSE;
    SECListItem* pItem = GetRow(pRecord->iItem);
    if (pItem == NULL)
        return FALSE;
    UINT nAsk = 0;
    if (pRecord->mask & LVIF_TEXT)
    {
        LPSTR pText = NULL;
        BOOL bFound = TRUE;
        if (pRecord->iSubItem == 0)
            pText = pItem->m_pszText;
        else if (SECListSubItem* pSub = pItem->GetSubItem(pRecord->iSubItem))
            pText = pSub->m_pszText;
        else
            bFound = FALSE; // leaves the record's text untouched
        if (bFound)
        {
            if (ListText::IsCallback(pText))
            {
                nAsk |= LVIF_TEXT;
                if (!bNotify)
                    pRecord->pszText = LPSTR_TEXTCALLBACKA;
                else if (bCopyText && pRecord->pszText != NULL && pRecord->cchTextMax > 0)
                    pRecord->pszText[0] = '\0';
            }
            else if (bCopyText)
                ListText::CopyBounded(pRecord->pszText, pRecord->cchTextMax, pText);
            else
                pRecord->pszText = pText != NULL ? pText : (LPSTR) "";
        }
    }
    if (pRecord->mask & LVIF_IMAGE)
    {
        pRecord->iImage = pItem->m_nImage;
        if (pItem->m_nImage == -1)
            nAsk |= LVIF_IMAGE;
    }
    if (pRecord->mask & LVIF_STATE)
    {
        if (m_nStateCallbackMask != 0)
            nAsk |= LVIF_STATE;
        else
        {
            UINT nMask = pRecord->stateMask;
            UINT nState = pItem->m_nState & nMask;
            if ((nMask & LVIS_SELECTED) && IsSelected(pRecord->iItem))
                nState |= LVIS_SELECTED;
            if ((nMask & LVIS_FOCUSED) && m_nFocusIndex == pRecord->iItem)
                nState |= LVIS_FOCUSED;
            if ((nMask & LVIS_DROPHILITED) && m_nDropHilite == pRecord->iItem)
                nState |= LVIS_DROPHILITED;
            pRecord->state = nState;
        }
    }
    if ((pRecord->mask & LVIF_PARAM) || nAsk != 0)
        pRecord->lParam = pItem->m_lParam;
    if (bNotify && nAsk != 0)
    {
        pRecord->mask = nAsk;
        NotifyGetDispInfo(pRecord);
    }
    return TRUE;
}

BOOL SECListEngine::GetItemEx(LVITEMA* pRecord, SEC_LVITEMEX* pEx, BOOL bNotify)
{
    SECListItem* pItem = pRecord != NULL ? GetRow(pRecord->iItem) : NULL;
    if (pItem == NULL || pEx == NULL)
        return FALSE;
    if (m_nExCallbackMask != 0 && bNotify)
    {
        pEx->mask = 1;
        OnGetItemExCallback(pEx);
    }
    else
        pEx->state = pItem->m_nStateEx & pEx->stateMask;
    return TRUE;
}

BOOL SECListEngine::SetItemEx(const LVITEMA* pRecord, const SEC_LVITEMEX* pEx)
{
    if (pEx == NULL || (pEx->mask & 1) == 0 || pRecord == NULL)
        return TRUE;
    SECListItem* pItem = GetRow(pRecord->iItem);
    if (pItem == NULL)
        return TRUE;
    UINT nNew = (pItem->m_nStateEx & ~pEx->stateMask) | (pEx->state & pEx->stateMask);
    BOOL bFullRow = (m_dwListStyleEx & ListStyle::EX_FULL_ROW_SELECT) != 0;
    if (nNew != pItem->m_nStateEx)
    {
        pItem->m_nStateEx = nNew;
        if (m_pWnd->m_hWnd != NULL)
            InvalidateItems(pRecord->iItem, !bFullRow, FALSE, FALSE, FALSE);
    }
    if (m_pWnd->m_hWnd != NULL)
    {
        ReMeasureItem(pRecord->iItem);
        if (pRecord->iItem != m_nEditRow)
            InvalidateItems(pRecord->iItem, !bFullRow, FALSE, FALSE, FALSE);
    }
    return TRUE;
}

BOOL SECListEngine::SetItemText(int nRow, int nSubItem, LPCTSTR lpszText)
{
    LVITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = LVIF_TEXT;
    item.iItem = nRow;
    item.iSubItem = nSubItem;
    item.pszText = (LPSTR)lpszText;
    item.cchTextMax = ListText::IsCallback(lpszText) || lpszText == NULL ? 0 : (int)strlen(lpszText);
    return SetItem(&item, TRUE);
}

int SECListEngine::GetItemText(int nRow, int nSubItem, LPTSTR lpszBuffer, int nSize)
{
    if (lpszBuffer == NULL || nSize <= 0)
        return 0;
    lpszBuffer[0] = '\0';
    LVITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = LVIF_TEXT;
    item.iItem = nRow;
    item.iSubItem = nSubItem;
    item.pszText = lpszBuffer;
    item.cchTextMax = nSize;
    if (!GetItem(&item, TRUE, TRUE))
        return 0;
    // The owner may hand back its own pointer instead of filling the buffer.
    if (item.pszText != lpszBuffer)
        ListText::CopyBounded(lpszBuffer, nSize, item.pszText);
    lpszBuffer[nSize - 1] = '\0';
    return (int)strlen(lpszBuffer);
}

LPCSTR SECListEngine::PeekLabel(int nRow) const
{
    const SECListItem* pItem = GetRow(nRow);
    if (pItem == NULL || ListText::IsCallback(pItem->m_pszText))
        return NULL;
    return pItem->m_pszText != NULL ? pItem->m_pszText : "";
}

CString SECListEngine::GetCellText(int nRow, int nSubItem)
{
    GetItemText(nRow, nSubItem, m_pszTextBuffer, ListMetrics::TEXT_BUFFER);
    return CString(m_pszTextBuffer);
}

BOOL SECListEngine::DeleteItem(SECListItem* pItem)
{
    return DeleteItem(FindRow(pItem), 1);
}

// The count is bounded by the rows left; a count below 1 deletes nothing.
BOOL SECListEngine::DeleteItem(int nRow, int nCount)
{
    if (GetRow(nRow) == NULL || nCount < 1)
        return FALSE;
    nCount = std::min(nCount, GetItemCount() - nRow);
    int nEnd = nRow + nCount;
    // An edit of a row going away ends cancelled while its row is still there.
    if (m_nEditRow >= nRow && m_nEditRow < nEnd)
        EndLabelEdit(FALSE);
    if (m_nClickRow >= nRow && m_nClickRow < nEnd)
        m_nClickRow = -1;
    else if (m_nClickRow >= nEnd)
        m_nClickRow -= nCount;
    if (m_nEditRow >= nEnd)
        m_nEditRow -= nCount;
    if (m_pWnd->m_hWnd != NULL)
        InvalidateItems(std::max(0, nRow - 1), FALSE, TRUE, TRUE, FALSE);
    NotifyDeleteItem(nRow);
    for (int i = nRow; i < nEnd; ++i)
        delete m_arrItems[i];
    m_arrItems.erase(m_arrItems.begin() + nRow, m_arrItems.begin() + nEnd);
    int nNewCount = GetItemCount();
    if (m_nTopIndex > nNewCount)
        m_nTopIndex = nNewCount;
    if (m_nTopIndex > 0 && m_nTopIndex >= nNewCount)
        m_nTopIndex = std::max(0, nNewCount - 1);
    auto adjust = [&](int& n) {
        if (n > nRow || n >= nNewCount)
            n = n >= nEnd ? n - nCount : nRow - 1;
        if (n >= nNewCount)
            n = nNewCount - 1;
    };
    if (m_nFocusIndex >= 0)
        adjust(m_nFocusIndex);
    if (m_nAnchorIndex >= 0)
        adjust(m_nAnchorIndex);
    if (m_nDropHilite > nRow)
        m_nDropHilite = m_nDropHilite >= nEnd ? m_nDropHilite - nCount : nRow - 1;
    else if (m_nDropHilite == nRow)
        m_nDropHilite = -1;
    std::vector<int> sel;
    for (int n : m_arrSel)
    {
        if (n < nRow)
            sel.push_back(n);
        else if (n >= nEnd)
            sel.push_back(n - nCount);
    }
    m_arrSel.swap(sel);
    if (m_arrSel.empty() && m_nFocusIndex >= 0)
        SelectFocusItem(m_nFocusIndex, TRUE);
    if (m_pWnd->m_hWnd != NULL)
        RecalcLayout();
    return TRUE;
}

BOOL SECListEngine::DeleteAllItems()
{
    KillEditTimer();
    if (m_nEditRow >= 0)
        EndLabelEdit(FALSE);
    for (SECListItem* p : m_arrItems)
        delete p;
    m_arrItems.clear();
    m_arrSel.clear();
    m_nTopIndex = 0;
    m_nFocusIndex = -1;
    m_cxLabelMax = 0;
    if (m_pWnd->m_hWnd != NULL)
    {
        RecalcLayout();
        m_pWnd->Invalidate(TRUE);
    }
    return TRUE;
}

// ---- selection

int SECListEngine::FindSel(int nRow) const
{
    if (m_arrSel.size() <= 6)
    {
        size_t i = 0;
        while (i < m_arrSel.size() && m_arrSel[i] < nRow)
            ++i;
        return (int)i;
    }
    return (int)(std::lower_bound(m_arrSel.begin(), m_arrSel.end(), nRow) - m_arrSel.begin());
}

BOOL SECListEngine::IsSelected(int nRow) const
{
    int i = FindSel(nRow);
    return i < (int)m_arrSel.size() && m_arrSel[i] == nRow;
}

void SECListEngine::SetSelected(int nRow, BOOL bSelect, BOOL& bChanged)
{
    int i = FindSel(nRow);
    BOOL bIn = i < (int)m_arrSel.size() && m_arrSel[i] == nRow;
    if (bSelect && !bIn)
    {
        m_arrSel.insert(m_arrSel.begin() + i, nRow);
        bChanged = TRUE;
    }
    else if (!bSelect && bIn)
    {
        m_arrSel.erase(m_arrSel.begin() + i);
        bChanged = TRUE;
    }
}

BOOL SECListEngine::SetItemState(int nRow, UINT nState, UINT nMask)
{
    LVITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = LVIF_STATE;
    item.iItem = nRow;
    item.state = nState;
    item.stateMask = nMask;
    return SetItem(&item, TRUE);
}

UINT SECListEngine::GetItemState(int nRow, UINT nMask)
{
    LVITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = LVIF_STATE;
    item.iItem = nRow;
    item.stateMask = nMask;
    return GetItem(&item, TRUE, FALSE) ? item.state : 0;
}

BOOL SECListEngine::SetItemData(int nRow, LPARAM lParam)
{
    LVITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = LVIF_PARAM;
    item.iItem = nRow;
    item.lParam = lParam;
    return SetItem(&item, TRUE);
}

LPARAM SECListEngine::GetItemData(int nRow)
{
    LVITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = LVIF_PARAM;
    item.iItem = nRow;
    return GetItem(&item, TRUE, FALSE) ? item.lParam : 0;
}

BOOL SECListEngine::SelectItem(int nRow, BOOL bSelect)
{
    if (GetRow(nRow) == NULL)
        return FALSE;
    if (!GetMultiSelect())
        DeselectAllItems(nRow);
    return SetItemState(nRow, bSelect ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void SECListEngine::SelectRange(int nFrom, int nTo, BOOL bSelect)
{
    int a = std::max(0, std::min(nFrom, nTo));
    int b = std::min(GetItemCount() - 1, std::max(nFrom, nTo));
    for (int i = a; i <= b; ++i)
        SelectItem(i, bSelect);
}

void SECListEngine::DeselectAllItems(int nExcept)
{
    for (int i = (int)m_arrSel.size() - 1; i >= 0; --i)
    {
        if (i >= (int)m_arrSel.size())
            continue;
        int nRow = m_arrSel[i];
        if (nRow != nExcept)
            SetItemState(nRow, 0, LVIS_SELECTED);
    }
}

BOOL SECListEngine::SelectFocusItem(int nRow, BOOL bSelect)
{
    if (!GetMultiSelect())
        DeselectAllItems(nRow);
    if (m_nFocusIndex >= 0 && m_nFocusIndex != nRow)
        SetItemState(m_nFocusIndex, 0, LVIS_FOCUSED);
    if (nRow >= 0)
        SetItemState(nRow, LVIS_FOCUSED | (bSelect ? LVIS_SELECTED : 0), LVIS_FOCUSED | LVIS_SELECTED);
    m_nAnchorIndex = m_nFocusIndex;
    return TRUE;
}

BOOL SECListEngine::SetFocusItem(int nRow)
{
    if (m_nFocusIndex >= 0 && m_nFocusIndex != nRow)
        SetItemState(m_nFocusIndex, 0, LVIS_FOCUSED);
    if (nRow >= 0)
        SetItemState(nRow, LVIS_FOCUSED, LVIS_FOCUSED);
    m_nAnchorIndex = m_nFocusIndex;
    return TRUE;
}

BOOL SECListEngine::SetDropHilightItem(int nRow)
{
    if (nRow == m_nDropHilite)
        return TRUE;
    if (m_nDropHilite >= 0)
        SetItemState(m_nDropHilite, 0, LVIS_DROPHILITED);
    if (nRow >= 0)
        SetItemState(nRow, LVIS_DROPHILITED, LVIS_DROPHILITED);
    return TRUE;
}

int SECListEngine::GetNextItem(int nRow, UINT nFlags)
{
    UINT nMask = nFlags & 0xF;
    BOOL bBack = (nFlags & (LVNI_ABOVE | LVNI_TOLEFT)) != 0;
    if (!bBack && (nFlags & ~0xFu) != 0 && (nFlags & (LVNI_BELOW | LVNI_TORIGHT)) == 0)
        return -1;
    int nCount = GetItemCount();
    int nStep = bBack ? -1 : 1;
    int i = nRow + nStep;
    if (nMask == 0)
        return i >= 0 && i < nCount ? i : -1;
    for (; i >= 0 && i < nCount; i += nStep)
    {
        UINT nHave = GetItemState(i, nMask) & nMask;
        if (m_bViewHosted ? nHave == nMask : nHave != 0)
            return i;
    }
    return -1;
}

BOOL SECListEngine::IsCallbackItem(int nRow)
{
    SECListItem* pItem = GetRow(nRow);
    if (pItem == NULL)
        return FALSE;
    if (ListText::IsCallback(pItem->m_pszText) || pItem->m_nImage == -1 || m_nStateCallbackMask != 0 ||
        m_nExCallbackMask != 0)
        return TRUE;
    for (int i = 1; i < GetColumnCount(); ++i)
    {
        SECListSubItem* pSub = pItem->GetSubItem(m_arrColumns[i]->m_iSubItem);
        if (pSub != NULL && ListText::IsCallback(pSub->m_pszText))
            return TRUE;
    }
    return FALSE;
}

// ---- image lists

CImageList* SECListEngine::GetImageList(int nKind) const
{
    return nKind >= 0 && nKind < 4 ? m_pImageLists[nKind] : NULL;
}

CImageList* SECListEngine::SetImageList(CImageList* pImageList, int nKind)
{
    if (nKind < 0 || nKind >= 4)
        return NULL;
    CImageList* pOld = m_pImageLists[nKind];
    if (m_dwListStyle & ListStyle::SHARE_IMAGE_LISTS)
        m_pImageLists[nKind] = pImageList;
    else if (pImageList == NULL)
        m_pImageLists[nKind] = NULL; // the caller takes the previous list back
    else if (!CopyImageList(pImageList, nKind))
        return pOld; // nothing changed
    InvalidateMeasurements();
    return pOld;
}

BOOL SECListEngine::CopyImageList(CImageList* pSource, int nKind)
{
    if (pSource == NULL || nKind < 0 || nKind >= 4)
        return FALSE;
    CMemFile file(1024);
    {
        CArchive ar(&file, CArchive::store);
        if (!pSource->Write(&ar))
            return FALSE;
    }
    file.SeekToBegin();
    CImageList* pCopy = new CImageList;
    CArchive ar(&file, CArchive::load);
    if (!pCopy->Read(&ar))
    {
        delete pCopy;
        return FALSE;
    }
    m_pImageLists[nKind] = pCopy;
    return TRUE;
}

// ---- styles

void SECListEngine::GetListCtrlStyles(DWORD& dwStyle, DWORD& dwExStyle) const
{
    dwStyle = m_dwListStyle;
    dwExStyle = m_dwListStyleEx;
}

void SECListEngine::SetListCtrlStyle(DWORD dwStyle, BOOL bRedraw)
{
    DWORD dwOld = m_dwListStyle;
    m_dwListStyle = dwStyle;
    EndLabelEdit(TRUE);
    KillEditTimer();
    m_pTip->Hide();
    if ((dwOld ^ dwStyle) & ListStyle::NO_LABEL_WRAP)
        InvalidateMeasurements();
    if (bRedraw && m_pWnd->m_hWnd != NULL)
    {
        RecalcLayout();
        m_pWnd->Invalidate(TRUE);
    }
}

void SECListEngine::SetListCtrlStyleEx(DWORD dwExStyle, BOOL bRedraw)
{
    EndLabelEdit(TRUE);
    m_pTip->Hide();
    BOOL bFitOn = (dwExStyle & ~m_dwListStyleEx & ListStyle::EX_FIT_FIRST_COLUMN) != 0;
    m_dwListStyleEx = dwExStyle;
    if (bFitOn && m_pWnd->m_hWnd != NULL)
        FitFirstColumn();
    if (bRedraw && m_pWnd->m_hWnd != NULL)
    {
        RecalcLayout();
        m_pWnd->Invalidate(TRUE);
    }
}

void SECListEngine::SetListCtrlStyles(DWORD dwStyle, DWORD dwExStyle, BOOL bRedraw)
{
    SetListCtrlStyle(dwStyle, FALSE);
    SetListCtrlStyleEx(dwExStyle, bRedraw);
}

void SECListEngine::ModifyListCtrlStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw)
{
    SetListCtrlStyle((m_dwListStyle & ~dwRemove) | dwAdd, bRedraw);
}

void SECListEngine::ModifyListCtrlStyleEx(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw)
{
    SetListCtrlStyleEx((m_dwListStyleEx & ~dwRemove) | dwAdd, bRedraw);
}

void SECListEngine::ModifyListCtrlStyles(DWORD dwRemove, DWORD dwAdd, DWORD dwRemoveEx, DWORD dwAddEx,
                                         BOOL bRedraw)
{
    ModifyListCtrlStyle(dwRemove, dwAdd, FALSE);
    ModifyListCtrlStyleEx(dwRemoveEx, dwAddEx, bRedraw);
}

void SECListEngine::SetLabelWrap(BOOL bWrap)
{
    ModifyListCtrlStyle(bWrap ? ListStyle::NO_LABEL_WRAP : 0, bWrap ? 0 : ListStyle::NO_LABEL_WRAP, TRUE);
}

void SECListEngine::EnableItemTips(BOOL bOn)
{
    if (bOn)
        m_dwListStyleEx |= ListStyle::EX_ITEM_TIPS;
    else
        m_dwListStyleEx &= ~ListStyle::EX_ITEM_TIPS;
}

void SECListEngine::SetMultiSelect(BOOL bMulti)
{
    if (!bMulti && GetSelectedCount() > 1)
        DeselectAllItems(-1);
    ModifyListCtrlStyle(bMulti ? ListStyle::SINGLE_SEL : 0, bMulti ? 0 : ListStyle::SINGLE_SEL, TRUE);
}

void SECListEngine::SetHeaderStyle(BOOL bNoHeader, BOOL bNoSortHeader)
{
    DWORD dwAdd =
        (bNoHeader ? ListStyle::NO_COLUMN_HEADER : 0) | (bNoSortHeader ? ListStyle::NO_SORT_HEADER : 0);
    ModifyListCtrlStyle(ListStyle::NO_COLUMN_HEADER | ListStyle::NO_SORT_HEADER, dwAdd, TRUE);
}
