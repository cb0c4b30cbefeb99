// The application's values for the recording core, with their fall-backs.
#include "station/record/ApplicationValues.h"
#include "station/config/ProjektConfig.h"
#include "station/record/DrawConfig.h"
#include <memory>

namespace
{
struct SValues
{
    CProjektConfig* pProjektConfig = NULL;
    CDrawConfig* pDrawConfig = NULL;
    BOOL bExpertMode = FALSE;
    CString printLogo;
    BOOL bLeftLogo = FALSE;
    BOOL bRightLogo = FALSE;
    CApplicationValues::AnalyseDlgFactory pfnAnalyseDlg = NULL;
    CApplicationValues::AnalyseValuesShower pfnAnalyseValues = NULL;
    CApplicationValues::DrawSettingsRunner pfnDrawSettings = NULL;
    CApplicationValues::ParameterDlgFactory pfnParameterDlg = NULL;
    CApplicationValues::STableBar tableBar;
    // Read-only stand-ins while no application set its objects. They hold the program's key open,
    // so Reset closes them: a key deleted and made again meanwhile is read as it is now.
    std::unique_ptr<CProjektConfig> pMachineProjekt;
    std::unique_ptr<CDrawConfig> pMachineDraw;
};

SValues& Values()
{
    static SValues s_values;
    return s_values;
}
// The object set, else the read-only stand-in, made on first use.
template <class T> T& SetOrMachine(T* pSet, std::unique_ptr<T>& pMachine)
{
    if (pSet != NULL)
        return *pSet;
    if (!pMachine)
        pMachine.reset(new T(TRUE));
    return *pMachine;
}
} // namespace

CProjektConfig& CApplicationValues::GetProjektConfig()
{
    return SetOrMachine(Values().pProjektConfig, Values().pMachineProjekt);
}

void CApplicationValues::SetProjektConfig(CProjektConfig* pConfig)
{
    Values().pProjektConfig = pConfig;
}

CDrawConfig& CApplicationValues::GetDrawConfig()
{
    return SetOrMachine(Values().pDrawConfig, Values().pMachineDraw);
}

void CApplicationValues::SetDrawConfig(CDrawConfig* pConfig)
{
    Values().pDrawConfig = pConfig;
}

BOOL CApplicationValues::IsExpertMode()
{
    return Values().bExpertMode;
}

void CApplicationValues::SetExpertMode(BOOL bExpert)
{
    Values().bExpertMode = bExpert;
}

CString CApplicationValues::GetPrintLogo()
{
    return Values().printLogo;
}

BOOL CApplicationValues::GetLeftLogo()
{
    return Values().bLeftLogo;
}

BOOL CApplicationValues::GetRightLogo()
{
    return Values().bRightLogo;
}

void CApplicationValues::SetPrintLogo(LPCSTR path, BOOL bLeftLogo, BOOL bRightLogo)
{
    Values().printLogo = path != NULL ? path : "";
    Values().bLeftLogo = bLeftLogo;
    Values().bRightLogo = bRightLogo;
}

void CApplicationValues::SetAnalyseDlgFactory(AnalyseDlgFactory pfnFactory)
{
    Values().pfnAnalyseDlg = pfnFactory;
}

CDialog* CApplicationValues::CreateAnalyseDlg()
{
    return Values().pfnAnalyseDlg != NULL ? Values().pfnAnalyseDlg() : NULL;
}

void CApplicationValues::SetAnalyseValuesShower(AnalyseValuesShower pfnShower)
{
    Values().pfnAnalyseValues = pfnShower;
}

void CApplicationValues::ShowAnalyseValues(CDialog* pDlg, CObList& objects, const CString& strHeading,
                                           int nTime)
{
    if (pDlg != NULL && Values().pfnAnalyseValues != NULL)
        Values().pfnAnalyseValues(pDlg, objects, strHeading, nTime);
}

void CApplicationValues::SetParameterDlgFactory(ParameterDlgFactory pfnFactory)
{
    Values().pfnParameterDlg = pfnFactory;
}

CDialog* CApplicationValues::CreateParameterDlg(CIRControlDoc* pDoc, CWnd* pParent)
{
    return Values().pfnParameterDlg != NULL ? Values().pfnParameterDlg(pDoc, pParent) : NULL;
}

void CApplicationValues::SetTableBar(const STableBar& bar)
{
    Values().tableBar = bar;
}

CWnd* CApplicationValues::GetTableDialogParent()
{
    return Values().tableBar.pfnGetDialogParent != NULL ? Values().tableBar.pfnGetDialogParent() : NULL;
}

BOOL CApplicationValues::AttachTableDialogs(CWnd* pMeasureValueDlg, CWnd* pParameterDlg, BOOL bActivate)
{
    const STableBar& bar = Values().tableBar;
    return bar.pfnAttachDialogs != NULL && bar.pfnAttachDialogs(pMeasureValueDlg, pParameterDlg, bActivate);
}

BOOL CApplicationValues::DetachTableDialogs(CWnd* pMeasureValueDlg)
{
    const STableBar& bar = Values().tableBar;
    return bar.pfnDetachDialogs != NULL && bar.pfnDetachDialogs(pMeasureValueDlg);
}

void CApplicationValues::SetDrawSettingsRunner(DrawSettingsRunner pfnRunner)
{
    Values().pfnDrawSettings = pfnRunner;
}

INT_PTR CApplicationValues::RunDrawSettings(UINT nStartPage, SDrawSettings& settings)
{
    return Values().pfnDrawSettings != NULL ? Values().pfnDrawSettings(nStartPage, settings) : IDCANCEL;
}

void CApplicationValues::Reset()
{
    Values() = SValues();
}

CProjektConfig* GetProjektConfig()
{
    return &CApplicationValues::GetProjektConfig();
}

CDrawConfig* GetDrawConfig()
{
    return &CApplicationValues::GetDrawConfig();
}
