// CDragListBox: reordering by drag on the system's drag list.
#include "DragListBox.h"

IMPLEMENT_DYNAMIC(CDragListBox, CListBox)

CDragListBox::CDragListBox() : m_nLast(-1), m_nDragSource(-1)
{
}

CDragListBox::~CDragListBox()
{
}

void CDragListBox::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    ::MakeDragList(m_hWnd);
}

int CDragListBox::ItemFromPt(CPoint pt, BOOL bAutoScroll) const
{
    return ::LBItemFromPt(m_hWnd, pt, bAutoScroll);
}

void CDragListBox::DrawInsert(int nItem)
{
    if (m_nLast != nItem)
    {
        ::DrawInsert(::GetParent(m_hWnd), m_hWnd, nItem);
        m_nLast = nItem;
    }
}

BOOL CDragListBox::BeginDrag(CPoint pt)
{
    m_nLast = -1;
    m_nDragSource = ItemFromPt(pt, FALSE);
    DrawInsert(m_nDragSource);
    return m_nDragSource >= 0;
}

void CDragListBox::CancelDrag(CPoint)
{
    DrawInsert(-1);
}

UINT CDragListBox::Dragging(CPoint pt)
{
    int nIndex = ItemFromPt(pt);
    DrawInsert(nIndex);
    return nIndex >= 0 ? DL_MOVECURSOR : DL_STOPCURSOR;
}

void CDragListBox::Dropped(int nSrcIndex, CPoint pt)
{
    DrawInsert(-1);
    int nDest = ItemFromPt(pt, FALSE);
    if (nSrcIndex < 0 || nDest < 0 || nDest == nSrcIndex || nDest == nSrcIndex + 1)
        return; // before itself or its follower: nothing moves
    CString text;
    GetText(nSrcIndex, text);
    DWORD_PTR dwData = GetItemData(nSrcIndex);
    DeleteString(nSrcIndex);
    if (nSrcIndex < nDest)
        nDest--;
    nDest = InsertString(nDest, text);
    SetItemData(nDest, dwData);
    SetCurSel(nDest);
}

BOOL CDragListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    static const UINT s_nDragListMsg = ::RegisterWindowMessage(DRAGLISTMSGSTRING);
    if (message != s_nDragListMsg)
        return CListBox::OnChildNotify(message, wParam, lParam, pResult);
    LPDRAGLISTINFO pInfo = (LPDRAGLISTINFO)lParam;
    LRESULT lResult = 0;
    switch (pInfo->uNotification)
    {
    case DL_BEGINDRAG:
        lResult = BeginDrag(pInfo->ptCursor);
        break;
    case DL_CANCELDRAG:
        CancelDrag(pInfo->ptCursor);
        break;
    case DL_DRAGGING:
        lResult = Dragging(pInfo->ptCursor);
        break;
    case DL_DROPPED:
        Dropped(m_nDragSource, pInfo->ptCursor);
        m_nDragSource = -1;
        break;
    }
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}
