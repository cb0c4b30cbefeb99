// CDrawLayoutPage: ranges of the values, spins and pickers, and what Apply writes.
#include "station/record/DrawLayoutPage.h"
#include "station/record/ApplicationValues.h"
#include "station/record/DrawConfig.h"
#include "station/config/ProjektConfig.h"
#include "DataExchange.h"
#include "SpinButtonCtrl.h"

IMPLEMENT_DYNAMIC(CDrawLayoutPage, CMyPropertyPage)

namespace
{
// A value's edit, spin and range.
struct SRangeControl
{
    int nEdit;
    int nSpin;
    int nMin;
    int nMax;
    int CDrawLayoutPage::*pValue;
};
const SRangeControl s_ranges[] = {
    {1030, 1031, 1, 3, &CDrawLayoutPage::m_nPen},
    {1023, 1024, CDrawLayoutPage::TempIntervalMin, CDrawLayoutPage::TempIntervalMax,
     &CDrawLayoutPage::m_nTempIntervall},
    {1020, 1021, CDrawLayoutPage::TempBaseMin, CDrawLayoutPage::TempBaseMax, &CDrawLayoutPage::m_nTempBase},
    {1025, 1012, CDrawLayoutPage::TimeIntervalMin, CDrawLayoutPage::TimeIntervalMax,
     &CDrawLayoutPage::m_nTimeIntervall},
    {1022, 1027, CDrawLayoutPage::TimeBaseMin, CDrawLayoutPage::TimeBaseMax, &CDrawLayoutPage::m_nTimeBase},
};
} // namespace

CDrawLayoutPage::CDrawLayoutPage() : CMyPropertyPage(IDD)
{
    CDrawConfig& draw = CApplicationValues::GetDrawConfig();
    CProjektConfig& projekt = CApplicationValues::GetProjektConfig();
    m_nPen = draw.GetPen();
    m_bGrid = draw.GetGrid();
    m_backColor = draw.GetBackColor();
    m_gridColor = draw.GetGridColor();
    m_nTempIntervall = (int)projekt.GetTempIntervall();
    m_nTempBase = (int)projekt.GetTempBase();
    m_nTimeIntervall = (int)projekt.GetTimeIntervall();
    m_nTimeBase = (int)projekt.GetTimeBase();
}

void CDrawLayoutPage::DoDataExchange(CDataExchange* pDX)
{
    CMyPropertyPage::DoDataExchange(pDX);
    for (const SRangeControl& range : s_ranges)
    {
        DDX_Text(pDX, range.nEdit, this->*range.pValue);
        DDV_MinMaxInt(pDX, this->*range.pValue, range.nMin, range.nMax);
    }
    DDX_Check(pDX, 1029, m_bGrid);
}

BOOL CDrawLayoutPage::OnInitDialog()
{
    CMyPropertyPage::OnInitDialog();
    for (const SRangeControl& range : s_ranges)
    {
        CSpinButtonCtrl* pSpin = (CSpinButtonCtrl*)GetDlgItem(range.nSpin);
        pSpin->SetRange32(range.nMin, range.nMax);
        pSpin->SetPos(this->*range.pValue);
    }
    const struct
    {
        tessaron::foundation::SECWellButton* pWell;
        int nID;
        COLORREF color;
    } wells[] = {{&m_gridWell, 1026, m_gridColor}, {&m_backWell, 1028, m_backColor}};
    for (const auto& well : wells)
    {
        well.pWell->AttachButton(well.nID, this, 0);
        well.pWell->SetColor(well.color);
        well.pWell->SetOtherButton(TRUE);
        well.pWell->SetUsePalette(TRUE);
    }
    return TRUE;
}

BOOL CDrawLayoutPage::OnApply()
{
    if (!UpdateData(TRUE))
        return FALSE;
    m_gridColor = m_gridWell.GetColor();
    m_backColor = m_backWell.GetColor();
    CDrawConfig& draw = CApplicationValues::GetDrawConfig();
    draw.SetGrid(m_bGrid);
    draw.SetPen(m_nPen);
    draw.SetGridColor(m_gridColor);
    draw.SetBackColor(m_backColor);
    return CMyPropertyPage::OnApply();
}
