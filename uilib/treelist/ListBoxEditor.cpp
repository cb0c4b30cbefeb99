#include "uilib/treelist/ListBoxEditor.h"
#include "TreeListIds.h"
#include "uilib/treelist/FakeButton.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(SECListBoxEditor, CWnd)

BEGIN_MESSAGE_MAP(SECListBoxEditor, CWnd)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_NCHITTEST()
ON_WM_SIZE()
ON_WM_MOVE()
END_MESSAGE_MAP()

namespace
{

// The title-bar buttons, left to right.
struct ButtonInfo
{
    UINT nBitmap;
    UINT nTip;
    DWORD dwEnableFlag;
};
const ButtonInfo kButtons[SECListBoxEditor::btnCount] = {
    {IDB_SEC_LBE_NEW, IDS_SEC_LBE_NEW, LBE_NEWBUTTON},
    {IDB_SEC_LBE_DELETE, IDS_SEC_LBE_DELETE, LBE_DELBUTTON},
    {IDB_SEC_LBE_UP, IDS_SEC_LBE_UP, LBE_UPBUTTON},
    {IDB_SEC_LBE_DOWN, IDS_SEC_LBE_DOWN, LBE_DOWNBUTTON},
};

CSize BitmapSize(CBitmap& bitmap)
{
    BITMAP bm = {};
    if (bitmap.GetSafeHandle() == NULL || !bitmap.GetBitmap(&bm))
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

} // namespace

SECListBoxEditor::SECListBoxEditor()
    : m_pEdit(NULL), m_pListBox(NULL), m_dwFlags(0), m_bCreated(FALSE), m_nTitleHeight(0), m_bAdding(FALSE),
      m_bEditCancelled(FALSE), m_nLastIndex(-1), m_nMoveTarget(-1), m_bTabNavigation(FALSE),
      m_nAdvanceSpaces(1), m_pClosedEdit(NULL)
{
    for (BOOL& bEnabled : m_bButtonEnabled)
        bEnabled = TRUE;
}

SECListBoxEditor::~SECListBoxEditor()
{
    if (m_pEdit != NULL && m_pEdit->m_hWnd != NULL)
    {
        m_pEdit->SetEnding();
        m_pEdit->DestroyWindow();
    }
    delete m_pEdit;
    delete m_pClosedEdit;
    if (m_pListBox != NULL && m_pListBox->m_hWnd != NULL)
        m_pListBox->UnsubclassWindow();
    delete m_pListBox;
}

void SECListBoxEditor::LoadButtonBitmap(int nButton, CBitmap& bitmap) const
{
    bitmap.LoadBitmap(kButtons[nButton].nBitmap);
}

BOOL SECListBoxEditor::Create(UINT nListBoxID, CWnd* pParent, DWORD dwFlags)
{
    return Create(pParent, nListBoxID, dwFlags);
}

BOOL SECListBoxEditor::Create(CWnd* pParent, UINT nListBoxID, DWORD dwFlags)
{
    CWnd* pList = pParent != NULL ? pParent->GetDlgItem(static_cast<int>(nListBoxID)) : NULL;
    if (pList == NULL || m_hWnd != NULL)
        return FALSE;
    m_dwFlags = dwFlags;
    UINT nID = 32767;
    while (nID >= 1 && pParent->GetDlgItem(static_cast<int>(nID)) != NULL)
        --nID;

    CRect rcList;
    pList->GetWindowRect(&rcList);
    pParent->ScreenToClient(&rcList);
    CFont* pFont = pList->GetFont();
    if (!CreateEx(0, _T("STATIC"), _T(""), WS_CHILD | SS_SUNKEN,
                  CRect(rcList.left, rcList.top, rcList.right, rcList.top + 1), pParent, nID))
        return FALSE;
    if (pFont != NULL)
        SetFont(pFont);
    m_nTitleHeight = CalcTitleHeight();
    int nGap = 2 * ::GetSystemMetrics(SM_CYBORDER);
    HWND hBefore = ::GetWindow(pList->m_hWnd, GW_HWNDPREV);
    SetWindowPos(hBefore != NULL ? CWnd::FromHandle(hBefore) : &wndTop, rcList.left, rcList.top,
                 rcList.Width(), m_nTitleHeight, SWP_NOACTIVATE);
    pList->SetWindowPos(this, rcList.left, rcList.top + m_nTitleHeight + nGap, rcList.Width(),
                        rcList.Height() - m_nTitleHeight - nGap, SWP_NOACTIVATE);

    EnableButtons(dwFlags);
    m_pListBox = new SECListBoxEditorHelper(this);
    m_pListBox->SubclassWindow(pList->m_hWnd);
    LayoutButtons();
    if ((dwFlags & LBE_BUTTONS) && (dwFlags & LBE_TOOLTIPS) && m_toolTip.Create(this))
    {
        for (int i = 0; i < btnCount; ++i)
            if (m_bButtonEnabled[i])
            {
                CString strTip;
                strTip.LoadString(kButtons[i].nTip);
                m_toolTip.AddTool(this, strTip, m_rcButtons[i], kButtons[i].nTip);
            }
        m_toolTip.Activate(TRUE);
    }
    if (UsesPlaceholder())
        EnsureTrailingEmpty();
    SendCode(LBE_SELCHANGE, TRUE);
    ShowWindow(SW_SHOW);
    m_bCreated = TRUE;
    return TRUE;
}

void SECListBoxEditor::EnsureTrailingEmpty()
{
    int nCount = m_pListBox->GetCount();
    CString strLast;
    if (nCount > 0)
        m_pListBox->GetText(nCount - 1, strLast);
    if (nCount == 0 || !strLast.IsEmpty())
        m_pListBox->AddString(_T(""));
}

void SECListBoxEditor::SendCode(UINT nCode, BOOL bPost)
{
    CWnd* pParent = GetParent();
    if (pParent == NULL || m_pListBox == NULL)
        return;
    WPARAM wParam = MAKEWPARAM(m_pListBox->GetDlgCtrlID(), nCode);
    LPARAM lParam = reinterpret_cast<LPARAM>(m_pListBox->m_hWnd);
    if (bPost)
        pParent->PostMessage(WM_COMMAND, wParam, lParam);
    else
        pParent->SendMessage(WM_COMMAND, wParam, lParam);
}

int SECListBoxEditor::SelectedIndex() const
{
    if (m_pListBox->GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
    {
        if (m_pListBox->GetSelCount() != 1)
            return -1;
        int nIndex = -1;
        m_pListBox->GetSelItems(1, &nIndex);
        return nIndex;
    }
    return m_pListBox->GetCurSel();
}

BOOL SECListBoxEditor::IsPlaceholder(int nIndex) const
{
    if (!UsesPlaceholder() || nIndex != m_pListBox->GetCount() - 1 || nIndex < 0)
        return FALSE;
    CString strText;
    m_pListBox->GetText(nIndex, strText);
    return strText.IsEmpty();
}

void SECListBoxEditor::SetTabNavigation(BOOL bTabNavigation)
{
    m_bTabNavigation = bTabNavigation;
}

void SECListBoxEditor::SetAdvanceSpaces(int nCount)
{
    m_nAdvanceSpaces = nCount;
}

void SECListBoxEditor::EndEdit()
{
    if (m_pEdit == NULL)
        return;
    SECListBoxEdit* pEdit = m_pEdit;
    m_pEdit = NULL;
    pEdit->SetEnding();
    if ((m_dwFlags & LBE_BROWSE) && m_browseButton.m_hWnd != NULL)
        m_browseButton.DestroyWindow();
    HWND hFocus = ::GetFocus();
    if (hFocus == pEdit->m_hWnd)
        m_pListBox->SetFocus();
    pEdit->DestroyWindow();
    delete m_pClosedEdit;
    m_pClosedEdit = pEdit;

    int nSel = m_pListBox->GetCurSel();
    if (nSel != LB_ERR && !m_bEditCancelled)
    {
        CString strText;
        m_pListBox->GetText(nSel, strText);
        BOOL bLast = nSel == m_pListBox->GetCount() - 1;
        BOOL bPlaceholder = bLast && UsesPlaceholder() && m_strOldText.IsEmpty();
        BOOL bDiffers = strText.Compare(m_strOldText) != 0;
        if (bLast && !m_strOldText.IsEmpty() && bDiffers)
            OnItemTextChanged(nSel, m_strOldText, strText);
        else if (!m_bAdding && !bPlaceholder)
        {
            if (bDiffers)
                OnItemTextChanged(nSel, m_strOldText, strText);
        }
        else
        {
            OnEditComplete(nSel, strText);
            CString strTrimmed = strText;
            strTrimmed.TrimRight();
            if (bPlaceholder && !strTrimmed.IsEmpty())
                m_pListBox->AddString(_T(""));
        }
    }
    m_bAdding = FALSE;
    CheckSelection();
}

void SECListBoxEditor::NotifySelChange()
{
    PostSelChange();
}

void SECListBoxEditor::PostSelChange()
{
    SendCode(LBE_SELCHANGE, TRUE);
}

void SECListBoxEditor::RemoveEntry(int nIndex)
{
    if (nIndex >= 0 && nIndex < m_pListBox->GetCount())
        m_pListBox->DeleteString(static_cast<UINT>(nIndex));
}

void SECListBoxEditor::CheckSelection()
{
    BOOL bNone = (m_pListBox->GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
                     ? m_pListBox->GetSelCount() == 0
                     : m_pListBox->GetCurSel() == LB_ERR;
    if (bNone && m_pListBox->GetCount() > 0)
    {
        if (m_pListBox->GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
            m_pListBox->SetSel(m_pListBox->GetCount() - 1, TRUE);
        else
            m_pListBox->SetCurSel(m_pListBox->GetCount() - 1);
    }
    PostSelChange();
}

void SECListBoxEditor::OnItemTextChanged(int nIndex, LPCTSTR, LPCTSTR lpszNew)
{
    CString strNew(lpszNew);
    strNew.TrimRight();
    if (strNew.IsEmpty())
        DeleteEntry(nIndex);
    else if (nIndex == m_pListBox->GetCount() - 1 && UsesPlaceholder())
        m_pListBox->AddString(_T(""));
}

void SECListBoxEditor::OnEditComplete(int nIndex, LPCTSTR lpszText)
{
    CString strText(lpszText);
    strText.TrimRight();
    if (strText.IsEmpty())
        DeleteEntry(nIndex);
}

void SECListBoxEditor::OnItemsSwapped(int nFrom, int nTo, LPCTSTR)
{
    m_nLastIndex = nFrom;
    m_nMoveTarget = nTo;
    SendCode(LBE_MOVED, FALSE);
}

BOOL SECListBoxEditor::OnItemDeleting(int, LPCTSTR)
{
    return TRUE;
}

void SECListBoxEditor::NewEntry()
{
    if (m_pEdit != NULL)
        return;
    EnsureTrailingEmpty();
    int nIndex;
    if (UsesPlaceholder())
    {
        m_pListBox->AddString(_T(""));
        nIndex = m_pListBox->GetCount() - 2;
    }
    else
        nIndex = m_pListBox->GetCount() - 1;
    m_strOldText.Empty();
    StartEdit(nIndex, TRUE, NULL);
    m_bAdding = TRUE;
}

void SECListBoxEditor::DeleteSelection()
{
    if (!(m_pListBox->GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)))
    {
        int nSel = m_pListBox->GetCurSel();
        if (nSel != LB_ERR)
            DeleteEntry(nSel);
        return;
    }
    for (;;)
    {
        int nFirst = -1;
        if (m_pListBox->GetSelItems(1, &nFirst) != 1 || !DeleteEntry(nFirst))
            return;
    }
}

BOOL SECListBoxEditor::MoveDown()
{
    int nSel = SelectedIndex();
    int nLastMovable = m_pListBox->GetCount() - 1 - (UsesPlaceholder() ? 1 : 0);
    if (nSel < 0 || nSel >= nLastMovable)
        return FALSE;
    CString strText;
    m_pListBox->GetText(nSel, strText);
    MoveEntryUp(nSel + 1);
    if (m_pListBox->GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
    {
        m_pListBox->SetSel(-1, FALSE);
        m_pListBox->SetSel(nSel + 1, TRUE);
    }
    else
        m_pListBox->SetCurSel(nSel + 1);
    OnItemsSwapped(nSel, nSel + 1, strText);
    return TRUE;
}

BOOL SECListBoxEditor::MoveUp()
{
    int nSel = SelectedIndex();
    if (nSel <= 0 || IsPlaceholder(nSel))
        return FALSE;
    CString strText;
    m_pListBox->GetText(nSel, strText);
    MoveEntryUp(nSel);
    if (m_pListBox->GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
    {
        m_pListBox->SetSel(-1, FALSE);
        m_pListBox->SetSel(nSel - 1, TRUE);
    }
    else
        m_pListBox->SetCurSel(nSel - 1);
    OnItemsSwapped(nSel, nSel - 1, strText);
    return TRUE;
}

void SECListBoxEditor::MoveEntryUp(int nIndex)
{
    if (nIndex <= 0 || nIndex >= m_pListBox->GetCount())
        return;
    CString strText;
    m_pListBox->GetText(nIndex, strText);
    DWORD_PTR dwData = m_pListBox->GetItemData(nIndex);
    m_pListBox->DeleteString(static_cast<UINT>(nIndex));
    m_pListBox->InsertString(nIndex - 1, strText);
    m_pListBox->SetItemData(nIndex - 1, dwData);
}

void SECListBoxEditor::EditCurrent(TCHAR ch)
{
    if (m_pEdit != NULL)
        return;
    if (ch == ' ' || ch == '\b')
    {
        if (m_bTabNavigation)
        {
            SECMoveToTabStop(m_pListBox, ch == '\b');
            return;
        }
        ch = 0;
    }
    int nSel = SelectedIndex();
    if (nSel < 0)
        return;
    m_pListBox->GetText(nSel, m_strOldText);
    TCHAR sz[2] = {ch, 0};
    StartEdit(nSel, FALSE, ch != 0 ? sz : NULL);
}

void SECListBoxEditor::StartEdit(int nIndex, BOOL bNewEntry, LPCTSTR lpszText)
{
    if (m_pEdit != NULL || nIndex < 0 || nIndex >= m_pListBox->GetCount())
        return;
    NotifySelChange();
    m_bEditCancelled = FALSE;
    int nOldSel = m_pListBox->GetCurSel();
    m_pListBox->SetCurSel(nIndex);
    CRect rc;
    m_pListBox->GetItemRect(nIndex, &rc);
    rc.top -= 2;
    rc.bottom += 2;
    CFont* pFont = m_pListBox->GetFont();
    UINT nBrowseID = 0;
    if (m_dwFlags & LBE_BROWSE)
    {
        CClientDC dc(m_pListBox);
        CFont* pOld = pFont != NULL ? dc.SelectObject(pFont) : NULL;
        int cxButton = dc.GetTextExtent(_T("...")).cx +
                       2 * (::GetSystemMetrics(SM_CXBORDER) + dc.GetTextExtent(_T(" ")).cx);
        if (pOld != NULL)
            dc.SelectObject(pOld);
        rc.right -= cxButton;
        if (m_browseButton.Create(_T("..."), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                  CRect(rc.right, rc.top, rc.right + cxButton, rc.bottom), m_pListBox,
                                  kBrowseID))
        {
            m_browseButton.SetFont(pFont);
            nBrowseID = kBrowseID;
        }
    }
    SECListBoxEdit* pEdit =
        new SECListBoxEdit(bNewEntry, nIndex, nOldSel, nBrowseID, m_bTabNavigation, m_nAdvanceSpaces);
    if (!pEdit->Create(WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, rc, m_pListBox, SECListBoxEdit::kEditID))
    {
        delete pEdit;
        return;
    }
    m_pEdit = pEdit;
    CString strText;
    if (lpszText != NULL)
        strText = lpszText;
    else
        m_pListBox->GetText(nIndex, strText);
    pEdit->SetFont(pFont);
    pEdit->SetWindowText(strText);
    if (lpszText != NULL)
        pEdit->SetSel(strText.GetLength(), strText.GetLength());
    else
        pEdit->SetSel(0, -1);
    pEdit->EmptyUndoBuffer();
    pEdit->ShowWindow(SW_SHOW);
    pEdit->SetFocus();
}

BOOL SECListBoxEditor::DeleteEntry(int nIndex)
{
    int nCount = m_pListBox->GetCount();
    if (nIndex < 0 || nIndex >= nCount || IsPlaceholder(nIndex))
        return FALSE;
    CString strText;
    m_pListBox->GetText(nIndex, strText);
    if (!OnItemDeleting(nIndex, strText))
        return FALSE;
    m_pListBox->SetRedraw(FALSE);
    m_pListBox->DeleteString(static_cast<UINT>(nIndex));
    m_pListBox->SetRedraw(TRUE);
    m_pListBox->Invalidate();
    if (!(m_pListBox->GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)))
        m_pListBox->SetCurSel(nIndex);
    m_nLastIndex = nIndex;
    SendCode(LBE_DELETED, FALSE);
    return TRUE;
}

void SECListBoxEditor::OnBrowse()
{
}

int SECListBoxEditor::CalcTitleHeight()
{
    CClientDC dc(this);
    CFont* pFont = GetFont();
    CFont* pOld = pFont != NULL ? dc.SelectObject(pFont) : NULL;
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    if (pOld != NULL)
        dc.SelectObject(pOld);
    int nHeight = tm.tmHeight + 4 * ::GetSystemMetrics(SM_CYBORDER);
    for (int i = 0; i < btnCount; ++i)
    {
        CBitmap bitmap;
        LoadButtonBitmap(i, bitmap);
        nHeight = std::max(nHeight, static_cast<int>(BitmapSize(bitmap).cy) + 2);
    }
    return nHeight;
}

void SECListBoxEditor::LayoutButtons()
{
    CRect rcClient;
    GetClientRect(&rcClient);
    int x = rcClient.right;
    for (int i = btnCount - 1; i >= 0; --i)
    {
        if (!m_bButtonEnabled[i])
        {
            m_rcButtons[i].SetRectEmpty();
            continue;
        }
        CBitmap bitmap;
        LoadButtonBitmap(i, bitmap);
        int cx = BitmapSize(bitmap).cx;
        m_rcButtons[i].SetRect(x - cx, rcClient.top, x, rcClient.bottom);
        x -= cx;
    }
}

void SECListBoxEditor::UpdateButtonTips()
{
    if (!(m_dwFlags & LBE_BUTTONS) || !(m_dwFlags & LBE_TOOLTIPS) || m_toolTip.m_hWnd == NULL)
        return;
    for (int i = 0; i < btnCount; ++i)
    {
        m_toolTip.DelTool(this, kButtons[i].nTip);
        CString strTip;
        strTip.LoadString(kButtons[i].nTip);
        m_toolTip.AddTool(this, strTip, m_rcButtons[i], kButtons[i].nTip);
    }
    m_toolTip.Activate(TRUE);
}

void SECListBoxEditor::RecalcLayout()
{
    if (m_pListBox == NULL || m_pListBox->m_hWnd == NULL)
        return;
    CWnd* pParent = GetParent();
    CRect rcEditor, rcList;
    GetWindowRect(&rcEditor);
    pParent->ScreenToClient(&rcEditor);
    m_pListBox->GetWindowRect(&rcList);
    pParent->ScreenToClient(&rcList);
    if (rcEditor.Height() != m_nTitleHeight)
    {
        int nGap = 2 * ::GetSystemMetrics(SM_CYBORDER);
        int nListTop = rcEditor.Height() > m_nTitleHeight + nGap ? rcEditor.top + m_nTitleHeight + nGap
                                                                 : rcEditor.bottom;
        m_bCreated = FALSE; // no layout from the moves below
        SetWindowPos(NULL, rcEditor.left, rcEditor.top, rcEditor.Width(), m_nTitleHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        m_pListBox->SetWindowPos(NULL, rcEditor.left, nListTop, rcEditor.Width(), rcList.bottom - nListTop,
                                 SWP_NOZORDER | SWP_NOACTIVATE);
        m_bCreated = TRUE;
    }
    LayoutButtons();
    UpdateButtonTips();
    Invalidate();
    m_pListBox->Invalidate();
}

void SECListBoxEditor::EnableButtons(DWORD dwFlags)
{
    for (int i = 0; i < btnCount; ++i)
        m_bButtonEnabled[i] = (dwFlags & kButtons[i].dwEnableFlag) != 0;
}

BOOL SECListBoxEditor::PreTranslateMessage(MSG* pMsg)
{
    if ((m_dwFlags & LBE_TOOLTIPS) && pMsg->message == WM_MOUSEMOVE && m_toolTip.m_hWnd != NULL)
        m_toolTip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

void SECListBoxEditor::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    rc.bottom = m_nTitleHeight - 2;
    dc.FillSolidRect(rc, ::GetSysColor(COLOR_BTNFACE));
    CString strTitle;
    GetWindowText(strTitle);
    CFont* pFont = GetFont();
    CFont* pOld = pFont != NULL ? dc.SelectObject(pFont) : NULL;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    CRect rcText(rc);
    rcText.left += 2 * ::GetSystemMetrics(SM_CXBORDER);
    dc.DrawText(strTitle, rcText, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (pOld != NULL)
        dc.SelectObject(pOld);
    if (!(m_dwFlags & LBE_BUTTONS))
        return;
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    for (int i = 0; i < btnCount; ++i)
    {
        if (!m_bButtonEnabled[i])
            continue;
        CBitmap bitmap;
        LoadButtonBitmap(i, bitmap);
        CSize size = BitmapSize(bitmap);
        CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
        const CRect& rcButton = m_rcButtons[i];
        dc.BitBlt(rcButton.left, rcButton.top, size.cx, size.cy, &memDC, 0, 0, SRCCOPY);
        memDC.SelectObject(pOldBitmap);
        dc.FillSolidRect(rcButton.left, rcButton.top, 1, size.cy, ::GetSysColor(COLOR_3DHILIGHT));
        dc.FillSolidRect(rcButton.left, rcButton.top, size.cx, 1, ::GetSysColor(COLOR_3DHILIGHT));
    }
}

int SECListBoxEditor::ButtonAt(CPoint point) const
{
    for (int i = 0; i < btnCount; ++i)
        if (m_bButtonEnabled[i] && m_rcButtons[i].PtInRect(point))
            return i;
    return -1;
}

void SECListBoxEditor::PressButton(int nButton)
{
    switch (nButton)
    {
    case btnNew:
        NewEntry();
        break;
    case btnDelete:
        DeleteSelection();
        break;
    case btnUp:
        MoveUp();
        break;
    case btnDown:
        MoveDown();
        break;
    default:
        break;
    }
}

void SECListBoxEditor::OnLButtonDown(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDown(nFlags, point);
    if (m_pEdit != NULL || !(m_dwFlags & LBE_BUTTONS))
        return;
    int nButton = ButtonAt(point);
    if (nButton < 0)
        return;
    const CRect& rcButton = m_rcButtons[nButton];
    CClientDC dc(this);
    CDC memDC, srcDC;
    memDC.CreateCompatibleDC(&dc);
    srcDC.CreateCompatibleDC(&dc);
    CBitmap normal, pressed, source;
    normal.CreateCompatibleBitmap(&dc, rcButton.Width(), rcButton.Height());
    pressed.CreateCompatibleBitmap(&dc, rcButton.Width(), rcButton.Height());
    LoadButtonBitmap(nButton, source);
    CSize size = BitmapSize(source);
    CBitmap* pOldSrc = srcDC.SelectObject(&source);
    // The normal image is what the title shows; the pressed one the bitmap in a sunken frame.
    CBitmap* pOldMem = memDC.SelectObject(&normal);
    memDC.BitBlt(0, 0, rcButton.Width(), rcButton.Height(), &dc, rcButton.left, rcButton.top, SRCCOPY);
    memDC.SelectObject(&pressed);
    int cx = rcButton.Width(), cy = rcButton.Height();
    memDC.FillSolidRect(0, 0, cx, cy, ::GetSysColor(COLOR_BTNFACE));
    memDC.BitBlt(1, 1, size.cx, size.cy, &srcDC, 0, 0, SRCCOPY);
    memDC.FillSolidRect(0, 0, cx, 1, ::GetSysColor(COLOR_3DDKSHADOW));
    memDC.FillSolidRect(0, 0, 1, cy, ::GetSysColor(COLOR_3DDKSHADOW));
    memDC.FillSolidRect(0, cy - 1, cx, 1, ::GetSysColor(COLOR_3DHILIGHT));
    memDC.FillSolidRect(cx - 1, 0, 1, cy, ::GetSysColor(COLOR_3DHILIGHT));
    memDC.FillSolidRect(1, 1, cx - 2, 1, ::GetSysColor(COLOR_BTNSHADOW));
    memDC.FillSolidRect(1, 1, 1, cy - 2, ::GetSysColor(COLOR_BTNSHADOW));
    memDC.SelectObject(pOldMem);
    srcDC.SelectObject(pOldSrc);

    CRect rcScreen(rcButton);
    ClientToScreen(&rcScreen);
    SECFakeButton tracker;
    if (tracker.Track(rcScreen, &normal, &pressed))
        PressButton(nButton);
}

LRESULT SECListBoxEditor::OnNcHitTest(CPoint)
{
    return HTCLIENT;
}

void SECListBoxEditor::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_bCreated)
        RecalcLayout();
}

void SECListBoxEditor::OnMove(int x, int y)
{
    CWnd::OnMove(x, y);
    if (m_bCreated)
        RecalcLayout();
}
