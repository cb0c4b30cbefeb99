// CDrawSettingsSheet: the display settings sheet of a recording.
#include "app/DrawSettingsSheet.h"

IMPLEMENT_DYNAMIC(CDrawSettingsSheet, CMyPropertySheet)

CDrawSettingsSheet::CDrawSettingsSheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CMyPropertySheet(nIDCaption, pParentWnd, iSelectPage)
{
    AddPages();
}

CDrawSettingsSheet::CDrawSettingsSheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CMyPropertySheet(pszCaption, pParentWnd, iSelectPage)
{
    AddPages();
}

CDrawSettingsSheet::~CDrawSettingsSheet()
{
}

void CDrawSettingsSheet::AddPages()
{
    AddPage(&m_layoutPage);
    AddPage(&m_curvePage);
    AddPage(&m_abtastratePage);
    AddPage(&m_processStatePage);
    AddPage(&m_referenceLinePage);
    AddPage(&m_irPage);
    AddPage(&m_recordStartPage);
}

BOOL CDrawSettingsSheet::IsCurvesOrBarsChanged() const
{
    return m_curvePage.IsChanged() || m_processStatePage.IsChanged();
}

BOOL CDrawSettingsSheet::OnInitDialog()
{
    BOOL bResult = CMyPropertySheet::OnInitDialog();
    if (CWnd* pApply = GetDlgItem(ID_APPLY_NOW))
        pApply->ShowWindow(SW_SHOW);
    SetActivePage(m_psh.nStartPage);
    return bResult;
}
