// CDrawSettingsSheet: the display settings of a recording: layout, curves, sampling rate, process
// bars, reference lines, station options and recording start. Whoever runs it fills the pages'
// members before and reads them after DoModal.
#pragma once
#include "app/AbtastratePage.h"
#include "app/IRPropPage.h"
#include "app/RecordStartPage.h"
#include "station/record/DrawLayoutPage.h"
#include "station/record/MeasureCurvePage.h"
#include "station/record/MyPropertySheet.h"
#include "station/record/ProcessStatePropPage.h"
#include "station/record/ReferenceLinePage.h"

class CDrawSettingsSheet : public CMyPropertySheet
{
    DECLARE_DYNAMIC(CDrawSettingsSheet)

  public:
    // The pages by position, as the commands open them.
    enum
    {
        LayoutPage,
        CurvePage,
        SamplingPage,
        ProcessStatePage,
        ReferenceLinePage,
        IRPage,
        RecordStartPage,
        PageCount
    };

    // Construction
    CDrawSettingsSheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    CDrawSettingsSheet(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    ~CDrawSettingsSheet() override;

    // Attributes
    CDrawLayoutPage m_layoutPage;
    CMeasureCurvePage m_curvePage;
    CAbtastratePage m_abtastratePage;
    CProcessStatePropPage m_processStatePage;
    CReferenceLinePage m_referenceLinePage;
    CIRPropPage m_irPage;
    CRecordStartPage m_recordStartPage;

    // Whether the user changed curve or bar settings.
    BOOL IsCurvesOrBarsChanged() const;

    // Overrides
    BOOL OnInitDialog() override;

  private:
    void AddPages();
};
