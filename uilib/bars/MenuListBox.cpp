// SECMenuListBox: menu buttons listed by text and dragged from the list like palette buttons.
#include "uilib/bars/MenuListBox.h"
#include "BarsIds.h"
#include "uilib/bars/MenuBar.h"
#include "uilib/bars/MenuBtnGroup.h"
#include "uilib/bars/StdBtn.h"
#include "uilib/bars/ToolBarCmdPage.h"
#include "uilib/bars/ToolBarManager.h"
#include <memory>

IMPLEMENT_DYNAMIC(SECMenuListBox, CListBox)

BEGIN_MESSAGE_MAP(SECMenuListBox, CListBox)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace
{
// Child with border and vertical scroll bar, no integral height, with strings (0x40A00140).
const DWORD kListStyle = WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS;
// The longest item text kept.
const int kMaxText = 255;
// The size of the button dragged out of the list.
const int kDragWidth = 23;
const int kDragHeight = 22;
} // namespace

SECMenuListBox::SECMenuListBox(SECToolBarManager* pManager) : m_pManager(pManager)
{
}

BOOL SECMenuListBox::Create(CWnd* pPage, UINT nID)
{
    if (!CreateEx(WS_EX_CLIENTEDGE, _T("LISTBOX"), NULL, kListStyle, CRect(0, 0, 0, 0), pPage, nID))
        return FALSE;
    SetFont(pPage->GetFont(), FALSE);
    return TRUE;
}

int SECMenuListBox::AddCommand(UINT nID, LPCTSTR lpszText)
{
    CString strText(lpszText);
    const int nAmp = strText.Find(_T('&'));
    if (nAmp >= 0)
        strText.Delete(nAmp);
    const int nIndex = AddString(strText.Left(kMaxText));
    if (nIndex >= 0)
        SetItemData(nIndex, nID);
    return nIndex;
}

void SECMenuListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    BOOL bOutside = TRUE;
    const int nIndex = (int)ItemFromPoint(point, bOutside);
    if (bOutside || nIndex < 0 || nIndex >= GetCount())
    {
        CListBox::OnLButtonDown(nFlags, point);
        return;
    }
    SetCurSel(nIndex);
    const UINT nID = (UINT)GetItemData(nIndex);
    SECToolBarCmdPage* pPage = DYNAMIC_DOWNCAST(SECToolBarCmdPage, GetParent());
    if (pPage != NULL)
        pPage->ShowDescription(nID);
    DragCommand(nID, point);
}

void SECMenuListBox::DragCommand(UINT nID, CPoint point)
{
    // The drop goes through a toolbar of the frame, as a palette's drop does.
    SECCustomToolBar* pVia = SECMenuBtnGroup::FindMenuBar(m_pManager);
    if (pVia == NULL || m_pManager == NULL)
        return;
    SECToolBarState& state = SECGetToolBarState();
    HCURSOR hOldCursor = NULL;
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(IDC_SEC_COPY_DRAG), RT_GROUP_CURSOR);
    HCURSOR hCopy = ::LoadCursor(hInst, MAKEINTRESOURCE(IDC_SEC_COPY_DRAG));
    if (hCopy != NULL)
        hOldCursor = ::SetCursor(hCopy);
    std::unique_ptr<SECStdBtn> pBtn(new SECStdBtn);
    pBtn->SetCmdID(nID);
    state.bDragInProgress = TRUE;
    state.bAltDrag = FALSE;
    SECToolBarRectTracker tracker(CRect(point, CSize(kDragWidth, kDragHeight)));
    CRect rect;
    const BOOL bTracked = tracker.TrackButton(this, point, rect);
    state.bDragInProgress = FALSE;
    if (hOldCursor != NULL)
        ::SetCursor(hOldCursor);
    if (bTracked)
        pVia->DropDraggedButton(pBtn.get(), -1, rect, TRUE);
}
