// CSettingsSheet: the options sheet.
#include "app/SettingsSheet.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"

IMPLEMENT_DYNAMIC(CSettingsSheet, CMyPropertySheet)

CSettingsSheet::CSettingsSheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CMyPropertySheet(nIDCaption, pParentWnd, iSelectPage)
{
    AddPage(&m_serialPage);
    AddPage(&m_languagesPage);
    AddPage(&m_generalPage);
    AddPage(&m_externAppPage);
    AddPage(&m_logoPage);
}

CSettingsSheet::~CSettingsSheet()
{
}

BOOL CSettingsSheet::OnInitDialog()
{
    BOOL bResult = CMyPropertySheet::OnInitDialog();
    if (CWnd* pApply = GetDlgItem(ID_APPLY_NOW))
        pApply->ShowWindow(SW_SHOW);
    return bResult;
}

void CSettingsSheet::EnableForConfiguration(CWnd* pPage)
{
    CProjektConfig* pConfig = GetProjektConfig();
    if (pConfig == NULL || !pConfig->IsReadOnlyConfig())
        return;
    for (HWND hChild = ::GetWindow(pPage->m_hWnd, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        ::EnableWindow(hChild, FALSE);
}
