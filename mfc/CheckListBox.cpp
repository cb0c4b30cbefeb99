// CCheckListBox: check boxes drawn before owner-drawn items, toggled by click and space bar.
#include "CheckListBox.h"

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

CCheckListBox::CCheckListBox() : m_nStyle(BS_AUTOCHECKBOX)
{
}

CCheckListBox::~CCheckListBox()
{
}

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    // The check boxes need owner draw: fixed lines unless a style says otherwise.
    if (!(dwStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)))
        dwStyle |= LBS_OWNERDRAWFIXED;
    if (!(dwStyle & LBS_HASSTRINGS))
        return FALSE; // the text needs the strings
    return CListBox::Create(dwStyle, rect, pParentWnd, nID);
}

void CCheckListBox::SetCheckStyle(UINT nStyle)
{
    if (nStyle == BS_CHECKBOX || nStyle == BS_AUTOCHECKBOX || nStyle == BS_3STATE || nStyle == BS_AUTO3STATE)
        m_nStyle = nStyle;
}

// The raw item data is ours; the caller's lives inside it.
CCheckListBox::CheckData* CCheckListBox::GetData(int nIndex) const
{
    LRESULT lRaw = const_cast<CCheckListBox*>(this)->DefWindowProc(LB_GETITEMDATA, nIndex, 0);
    return lRaw == LB_ERR ? NULL : (CheckData*)lRaw;
}

CCheckListBox::CheckData* CCheckListBox::MakeData(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return NULL;
    CheckData* pData = GetData(nIndex);
    if (pData == NULL)
    {
        pData = new CheckData{0, TRUE, 0};
        DefWindowProc(LB_SETITEMDATA, nIndex, (LPARAM)pData);
    }
    return pData;
}

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
    if (nCheck == 2 && m_nStyle != BS_3STATE && m_nStyle != BS_AUTO3STATE)
        return;
    if (CheckData* pData = MakeData(nIndex))
    {
        pData->nCheck = nCheck;
        CRect rect;
        GetItemRect(nIndex, &rect);
        InvalidateRect(&rect, FALSE);
    }
}

int CCheckListBox::GetCheck(int nIndex) const
{
    CheckData* pData = GetData(nIndex);
    return pData != NULL ? pData->nCheck : 0;
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled)
{
    if (CheckData* pData = MakeData(nIndex))
    {
        pData->bEnabled = bEnabled;
        CRect rect;
        GetItemRect(nIndex, &rect);
        InvalidateRect(&rect, FALSE);
    }
}

BOOL CCheckListBox::IsEnabled(int nIndex) const
{
    CheckData* pData = GetData(nIndex);
    return pData != NULL ? pData->bEnabled : TRUE;
}

int CCheckListBox::CheckSize() const
{
    return 13;
}

CRect CCheckListBox::OnGetCheckPosition(CRect, CRect rectCheckBox)
{
    return rectCheckBox;
}

CRect CCheckListBox::CheckRect(int, const CRect& rectItem)
{
    int nSize = CheckSize();
    int y = rectItem.top + (rectItem.Height() - nSize) / 2;
    CRect rectCheck(rectItem.left + 1, y, rectItem.left + 1 + nSize, y + nSize);
    return OnGetCheckPosition(rectItem, rectCheck);
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    TEXTMETRIC tm;
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, (HGDIOBJ)SendMessage(WM_GETFONT));
    ::GetTextMetrics(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    lpMIS->itemHeight = std::max<UINT>(tm.tmHeight, CheckSize() + 2);
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS->itemID == (UINT)-1)
        return;
    BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    BOOL bEnabled = IsEnabled(lpDIS->itemID) && IsWindowEnabled();
    ::SetBkColor(lpDIS->hDC, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    ::SetTextColor(lpDIS->hDC, ::GetSysColor(!bEnabled   ? COLOR_GRAYTEXT
                                             : bSelected ? COLOR_HIGHLIGHTTEXT
                                                         : COLOR_WINDOWTEXT));
    CString text;
    if (GetStyle() & LBS_HASSTRINGS)
        GetText(lpDIS->itemID, text);
    CRect rect = lpDIS->rcItem;
    ::ExtTextOut(lpDIS->hDC, rect.left + 2, rect.top, ETO_OPAQUE | ETO_CLIPPED, &rect, text, text.GetLength(),
                 NULL);
    if (lpDIS->itemState & ODS_FOCUS)
        ::DrawFocusRect(lpDIS->hDC, &rect);
}

void CCheckListBox::DeleteItem(LPDELETEITEMSTRUCT lpDIS)
{
    delete (CheckData*)lpDIS->itemData;
}

BOOL CCheckListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CListBox::OnChildNotify(message, wParam, lParam, pResult);
    // The check box first, then the item right of it with the caller's data.
    DRAWITEMSTRUCT dis = *(LPDRAWITEMSTRUCT)lParam;
    if (dis.itemID != (UINT)-1)
    {
        CRect rectItem = dis.rcItem;
        CRect rectCheck = CheckRect(dis.itemID, rectItem);
        CRect rectLeft(rectItem.left, rectItem.top, rectCheck.right + 2, rectItem.bottom);
        ::FillRect(dis.hDC, &rectLeft, ::GetSysColorBrush(COLOR_WINDOW));
        CheckData* pData = GetData(dis.itemID);
        int nCheck = pData != NULL ? pData->nCheck : 0;
        UINT nState = DFCS_BUTTONCHECK;
        if (nCheck == 1)
            nState |= DFCS_CHECKED;
        else if (nCheck == 2)
            nState = DFCS_BUTTON3STATE | DFCS_CHECKED;
        if (!IsEnabled(dis.itemID) || !IsWindowEnabled())
            nState |= DFCS_INACTIVE;
        ::DrawFrameControl(dis.hDC, &rectCheck, DFC_BUTTON, nState);
        dis.rcItem.left = rectLeft.right;
        dis.itemData = pData != NULL ? pData->dwUserData : 0;
    }
    DrawItem(&dis);
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}

void CCheckListBox::Toggle(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount() || !IsEnabled(nIndex))
        return;
    if (m_nStyle != BS_AUTOCHECKBOX && m_nStyle != BS_AUTO3STATE)
        return; // the owner sets the checks itself on CLBN_CHKCHANGE
    int nCheck = GetCheck(nIndex);
    nCheck = m_nStyle == BS_AUTO3STATE ? (nCheck + 1) % 3 : !nCheck;
    SetCheck(nIndex, nCheck);
    GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE), (LPARAM)m_hWnd);
}

LRESULT CCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case LB_SETITEMDATA: {
        CheckData* pData = MakeData((int)wParam);
        if (pData == NULL)
            return LB_ERR;
        pData->dwUserData = (DWORD_PTR)lParam;
        return 0;
    }
    case LB_GETITEMDATA: {
        if ((int)wParam < 0 || (int)wParam >= GetCount())
            return LB_ERR;
        CheckData* pData = GetData((int)wParam);
        return pData != NULL ? (LRESULT)pData->dwUserData : 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        CPoint point((short)LOWORD(lParam), (short)HIWORD(lParam));
        BOOL bOutside = TRUE;
        int nIndex = (int)ItemFromPoint(point, bOutside);
        if (!bOutside)
        {
            CRect rectItem;
            GetItemRect(nIndex, &rectItem);
            if (point.x < CheckRect(nIndex, rectItem).right + 2)
                Toggle(nIndex);
        }
        break;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE)
        {
            Toggle(GetCaretIndex());
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == ' ')
            return 0; // the list box would beep or search
        break;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}
