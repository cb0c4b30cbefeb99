// CMyWizzard: the wizard base with its bitmap buttons.
#include "station/record/MyWizzard.h"
#include "StationIds.h"

using tessaron::foundation::SECBitmapButton;

IMPLEMENT_DYNAMIC(CMyWizzard, CModelessNewWizDialog)

CMyWizzard::CMyWizzard(UINT nIDTemplate, CWnd* pParent) : CModelessNewWizDialog(nIDTemplate, pParent)
{
}

CMyWizzard::~CMyWizzard()
{
}

BOOL CMyWizzard::OnInitDialog()
{
    CModelessNewWizDialog::OnInitDialog();
    const struct
    {
        SECBitmapButton* pButton;
        UINT nID;
        UINT nPlacement;
        UINT nBitmapID;
    } buttons[] = {{&m_btnFinish, ID_WIZ_FINISH, SECBitmapButton::imageLeft, IDB_CONFIRM},
                   {&m_btnCancel, IDCANCEL, SECBitmapButton::imageLeft, IDB_CANCEL},
                   {&m_btnNext, ID_WIZ_NEXT, SECBitmapButton::imageRight, IDB_NEXT},
                   {&m_btnBack, ID_WIZ_BACK, SECBitmapButton::imageLeft, IDB_BACK}};
    for (const auto& b : buttons)
        if (b.pButton->Attach(b.nID, b.nPlacement, b.nBitmapID, this))
            b.pButton->SetDrawOption(TRUE);
    return TRUE;
}

void CMyWizzard::DoDataExchange(CDataExchange*)
{
}
