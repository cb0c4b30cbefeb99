// CMyPropertySheet: the settings-sheet base with its bitmap button row.
#include "station/record/MyPropertySheet.h"
#include "StationIds.h"
#include "station/record/MyDialog.h"

using tessaron::foundation::SECBitmapButton;

IMPLEMENT_DYNAMIC(CMyPropertySheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CMyPropertySheet, CPropertySheet)
ON_COMMAND(IDHELP, OnHelpButton)
END_MESSAGE_MAP()

namespace
{
const UINT kApplyID = 12321;
const int kButtonWidth = 88;
const int kButtonHeight = 24;
const int kRightMargin = 10;
const int kBottomOffset = 30;
const int kButtonGap = 8;
} // namespace

CMyPropertySheet::CMyPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage)
{
}

CMyPropertySheet::CMyPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage)
{
}

CMyPropertySheet::~CMyPropertySheet()
{
}

// The buttons from right to left, each placed at its left neighbour's edge.
BOOL CMyPropertySheet::OnInitDialog()
{
    BOOL bResult = CPropertySheet::OnInitDialog();
    CRect rcClient;
    GetClientRect(&rcClient);
    const int y = rcClient.Height() - kBottomOffset;
    int x = rcClient.Width() - kRightMargin;
    const struct
    {
        UINT nID;
        SECBitmapButton* pButton;
        UINT nBitmapID;
    } row[] = {{IDHELP, &m_btnHelp, IDB_HELP},
               {kApplyID, &m_btnApply, IDB_APPLY},
               {IDCANCEL, &m_btnCancel, IDB_CANCEL},
               {IDOK, &m_btnOk, IDB_CONFIRM}};
    for (const auto& b : row)
    {
        CWnd* pCtrl = GetDlgItem(b.nID);
        if (pCtrl == NULL)
            continue;
        HWND hCtrl = pCtrl->m_hWnd;
        ::SetWindowLong(hCtrl, GWL_STYLE, (::GetWindowLong(hCtrl, GWL_STYLE) & ~0xFF) | BS_OWNERDRAW);
        ::SetWindowPos(hCtrl, NULL, x, y, kButtonWidth, kButtonHeight, SWP_NOZORDER | SWP_NOACTIVATE);
        ::ShowWindow(hCtrl, SW_SHOW);
        if (b.pButton->Attach(b.nID, SECBitmapButton::imageLeft, b.nBitmapID, this))
        {
            b.pButton->SetDrawOption(TRUE);
            // As wide as its image and caption need; the row keeps one height.
            b.pButton->SizeToContent();
            CRect rcContent;
            ::GetWindowRect(hCtrl, &rcContent);
            ::SetWindowPos(hCtrl, NULL, 0, 0, rcContent.Width(), kButtonHeight,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        CRect rc;
        ::GetClientRect(hCtrl, &rc);
        x -= rc.Width();
        ::SetWindowPos(hCtrl, NULL, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
        x -= kButtonGap;
    }
    return bResult;
}

BOOL CMyPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CMyDialog::PressFocusedButton(this, pMsg))
        return TRUE;
    return CPropertySheet::PreTranslateMessage(pMsg);
}

void CMyPropertySheet::OnHelpButton()
{
    OnCommandHelp(0, 0);
}
