// CDrawLayoutPage: the layout page of the drawing settings: frame pen, scales, grid and the
// grid and back colours. Applying writes grid, pen and colours to the drawing configuration; the
// recording document takes the scales from the sheet.
#pragma once
#include "StationIds.h"
#include "station/record/MyPropertyPage.h"
#include "uilib/common/WellButton.h"

class CDrawLayoutPage : public CMyPropertyPage
{
    DECLARE_DYNAMIC(CDrawLayoutPage)

  public:
    enum
    {
        IDD = IDD_DRAW_LAYOUT_PAGE
    };
    // Ranges of the scales; the drawing view draws with stored values clamped to them.
    enum
    {
        TempIntervalMin = 5,
        TempIntervalMax = 100,
        TempBaseMin = 100,
        TempBaseMax = 500,
        TimeIntervalMin = 5,
        TimeIntervalMax = 600,
        TimeBaseMin = 100,
        TimeBaseMax = 3600
    };
    CDrawLayoutPage();

    int m_nPen;
    int m_nTempIntervall;
    int m_nTempBase;
    int m_nTimeIntervall;
    int m_nTimeBase;
    BOOL m_bGrid;
    COLORREF m_backColor;
    COLORREF m_gridColor;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnApply() override;

  private:
    tessaron::foundation::SECWellButton m_gridWell;
    tessaron::foundation::SECWellButton m_backWell;
};
