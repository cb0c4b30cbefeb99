// CDrawSettingsSheet: the display settings sheet of a recording.
#include "app/DrawSettingsSheet.h"
#include "AppIds.h"

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

namespace
{
// Copies one value into the sheet or back out of it.
template <class T> void Exchange(T& sheetValue, T& value, bool bToSheet)
{
    if (bToSheet)
        sheetValue = value;
    else
        value = sheetValue;
}

void Exchange(CObjectSettingsPage& page, CObjectSettingsPage::SSettings* pSettings, int nCount, bool bToSheet)
{
    for (int i = 0; i < nCount && i < page.GetCount(); i++)
        Exchange(page.Settings(i), pSettings[i], bToSheet);
}
} // namespace

void CDrawSettingsSheet::Exchange(SDrawSettings& settings, bool bToSheet)
{
    ::Exchange(m_curvePage, settings.curves, SDrawSettings::CurveCount, bToSheet);
    ::Exchange(m_referenceLinePage, settings.lines, SDrawSettings::LineCount, bToSheet);
    ::Exchange(m_processStatePage, settings.bars, SDrawSettings::BarCount, bToSheet);
    ::Exchange(m_layoutPage.m_nPen, settings.nPen, bToSheet);
    ::Exchange(m_layoutPage.m_bGrid, settings.bGrid, bToSheet);
    ::Exchange(m_layoutPage.m_backColor, settings.backColor, bToSheet);
    ::Exchange(m_layoutPage.m_gridColor, settings.gridColor, bToSheet);
    ::Exchange(m_layoutPage.m_nTimeBase, settings.nTimeBase, bToSheet);
    ::Exchange(m_layoutPage.m_nTimeIntervall, settings.nTimeInterval, bToSheet);
    ::Exchange(m_layoutPage.m_nTempBase, settings.nTempBase, bToSheet);
    ::Exchange(m_layoutPage.m_nTempIntervall, settings.nTempInterval, bToSheet);
    ::Exchange(m_abtastratePage.m_nInterval, settings.nSamplingSeconds, bToSheet);
    ::Exchange(m_recordStartPage.m_nAutoRecord, settings.nAutoRecord, bToSheet);
    ::Exchange(m_irPage.m_bPipCal, settings.bPipCal, bToSheet);
    ::Exchange(m_irPage.m_bSoftCal, settings.bSoftCal, bToSheet);
    ::Exchange(m_irPage.m_nBuzzerMode, settings.nBuzzerMode, bToSheet);
}

INT_PTR CDrawSettingsSheet::Run(UINT nStartPage, SDrawSettings& settings)
{
    CDrawSettingsSheet sheet(IDS_DRAW_SETTINGS, AfxGetMainWnd(), nStartPage);
    sheet.Exchange(settings, true);
    const INT_PTR nResult = sheet.DoModal();
    if (nResult != IDOK)
        return nResult;
    sheet.Exchange(settings, false);
    settings.bCurvesOrBarsChanged = sheet.IsCurvesOrBarsChanged();
    return nResult;
}

BOOL CDrawSettingsSheet::OnInitDialog()
{
    BOOL bResult = CMyPropertySheet::OnInitDialog();
    if (CWnd* pApply = GetDlgItem(ID_APPLY_NOW))
        pApply->ShowWindow(SW_SHOW);
    SetActivePage(m_psh.nStartPage);
    return bResult;
}
