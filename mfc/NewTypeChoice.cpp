// CNewTypeChoice: the document-type choice of File New, built from plain windows.
#include "NewTypeChoice.h"
#include "DocTemplate.h"
#include "WinApp.h"

BEGIN_MESSAGE_MAP(CNewTypeChoice, CWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
ON_LBN_DBLCLK(IDC_TYPELIST, OnOK)
END_MESSAGE_MAP()

CDocTemplate* CNewTypeChoice::Choose(const CPtrList& templateList, CWnd* pOwner)
{
    POSITION pos = templateList.GetHeadPosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = (CDocTemplate*)templateList.GetNext(pos);
        CString strName;
        if (pTemplate->GetDocString(strName, CDocTemplate::fileNewName) && !strName.IsEmpty())
            m_listChoices.AddTail(pTemplate);
    }
    if (m_listChoices.IsEmpty())
        return NULL;

    CString strTitle;
    strTitle.LoadString(AFX_IDS_NEWTYPE_TITLE);
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    HWND hWndOwner = pOwner->GetSafeHwnd();
    if (!CreateEx(WS_EX_DLGMODALFRAME, lpszClass, strTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 280,
                  220, hWndOwner, NULL))
        return NULL;
    CenterWindow();
    // Modal: the owner takes no input until the choice is made.
    BOOL bOwnerEnabled = hWndOwner != NULL && ::IsWindowEnabled(hWndOwner);
    if (bOwnerEnabled)
        ::EnableWindow(hWndOwner, FALSE);
    ShowWindow(SW_SHOWNORMAL);
    ::SetFocus(::GetDlgItem(m_hWnd, IDC_TYPELIST));
    int nResult = RunModalLoop();
    if (bOwnerEnabled)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner != NULL)
        ::SetActiveWindow(hWndOwner);
    DestroyWindow();
    if (m_hFont != NULL)
        ::DeleteObject(m_hFont);
    return nResult == IDOK ? m_pChosen : NULL;
}

int CNewTypeChoice::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        m_hFont = ::CreateFontIndirect(&ncm.lfMessageFont);
    CRect rect;
    GetClientRect(&rect);
    const int nMargin = 8, nButtonWidth = 80, nButtonHeight = 24;
    HINSTANCE hInst = AfxGetInstanceHandle();
    HWND hWndList = ::CreateWindowEx(
        WS_EX_CLIENTEDGE, _T("LISTBOX"), NULL, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY,
        nMargin, nMargin, rect.Width() - 3 * nMargin - nButtonWidth, rect.Height() - 2 * nMargin, m_hWnd,
        (HMENU)(UINT_PTR)IDC_TYPELIST, hInst, NULL);
    const struct
    {
        UINT nID;
        UINT nIDText;
        DWORD dwStyle;
    } buttons[] = {
        {IDOK, AFX_IDS_NEWTYPE_OK, BS_DEFPUSHBUTTON},
        {IDCANCEL, AFX_IDS_NEWTYPE_CANCEL, BS_PUSHBUTTON},
    };
    int y = nMargin;
    for (const auto& button : buttons)
    {
        CString strText;
        strText.LoadString(button.nIDText);
        HWND hWndButton =
            ::CreateWindowEx(0, _T("BUTTON"), strText, WS_CHILD | WS_VISIBLE | WS_TABSTOP | button.dwStyle,
                             rect.Width() - nMargin - nButtonWidth, y, nButtonWidth, nButtonHeight, m_hWnd,
                             (HMENU)(UINT_PTR)button.nID, hInst, NULL);
        if (hWndButton == NULL)
            return -1;
        ::SendMessage(hWndButton, WM_SETFONT, (WPARAM)m_hFont, FALSE);
        y += nButtonHeight + nMargin / 2;
    }
    if (hWndList == NULL)
        return -1;
    ::SendMessage(hWndList, WM_SETFONT, (WPARAM)m_hFont, FALSE);
    POSITION pos = m_listChoices.GetHeadPosition();
    while (pos != NULL)
    {
        CString strName;
        ((CDocTemplate*)m_listChoices.GetNext(pos))->GetDocString(strName, CDocTemplate::fileNewName);
        ::SendMessage(hWndList, LB_ADDSTRING, 0, (LPARAM)(LPCTSTR)strName);
    }
    ::SendMessage(hWndList, LB_SETCURSEL, 0, 0);
    return 0;
}

BOOL CNewTypeChoice::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE))
    {
        if (pMsg->wParam == VK_RETURN)
            OnOK();
        else
            OnCancel();
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void CNewTypeChoice::OnOK()
{
    int nSel = (int)::SendDlgItemMessage(m_hWnd, IDC_TYPELIST, LB_GETCURSEL, 0, 0);
    POSITION pos = nSel >= 0 ? m_listChoices.FindIndex(nSel) : NULL;
    if (pos == NULL)
        return; // nothing chosen yet: the choice stays open
    m_pChosen = (CDocTemplate*)m_listChoices.GetAt(pos);
    EndModalLoop(IDOK);
}

void CNewTypeChoice::OnCancel()
{
    EndModalLoop(IDCANCEL);
}
void CNewTypeChoice::OnClose()
{
    OnCancel();
}
