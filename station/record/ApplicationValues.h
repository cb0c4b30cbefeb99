// The one place where the recording core finds what the application gives it: the configuration
// objects, the expert-mode flag, the print logo with its flags and the maker of the analysis
// dialog. The application fills it at start-up, tests fill it themselves; whatever is not set
// falls back to read-only configurations and empty values.
#pragma once
#include "afxwin.h"

class CProjektConfig;
class CDrawConfig;
class CDialog;
class CIRControlDoc;
class CWnd;
struct SDrawSettings;

class CApplicationValues
{
  public:
    // Makes the analysis dialog of a recording document; NULL when there is none.
    typedef CDialog* (*AnalyseDlgFactory)();
    // Shows the cursor's heading and the values of the list's curves at the time in that dialog.
    typedef void (*AnalyseValuesShower)(CDialog* pDlg, CObList& objects, const CString& strHeading,
                                        int nTime);
    // Makes the user mask of a recording document as a child of the parent; NULL when there is none.
    typedef CDialog* (*ParameterDlgFactory)(CIRControlDoc* pDoc, CWnd* pParent);
    // The measurement table bar as the documents reach it: the window their table dialogs are
    // children of, putting a document's pair into the bar, and taking the pair out again while
    // the bar shows that measured-value dialog.
    struct STableBar
    {
        CWnd* (*pfnGetDialogParent)() = NULL;
        BOOL (*pfnAttachDialogs)(CWnd* pMeasureValueDlg, CWnd* pParameterDlg, BOOL bActivate) = NULL;
        BOOL (*pfnDetachDialogs)(CWnd* pMeasureValueDlg) = NULL;
    };
    // Runs the display settings sheet on the values; IDOK when the user confirmed them.
    typedef INT_PTR (*DrawSettingsRunner)(UINT nStartPage, SDrawSettings& settings);

    static CProjektConfig& GetProjektConfig();
    static void SetProjektConfig(CProjektConfig* pConfig);
    static CDrawConfig& GetDrawConfig();
    static void SetDrawConfig(CDrawConfig* pConfig);

    // Outside expert mode ("-expert" on the command line) the "TE-TopHeater" curve stays hidden.
    static BOOL IsExpertMode();
    static void SetExpertMode(BOOL bExpert);

    static CString GetPrintLogo();
    static BOOL GetLeftLogo();
    static BOOL GetRightLogo();
    static void SetPrintLogo(LPCSTR path, BOOL bLeftLogo, BOOL bRightLogo);

    static void SetAnalyseDlgFactory(AnalyseDlgFactory pfnFactory);
    static CDialog* CreateAnalyseDlg();
    static void SetAnalyseValuesShower(AnalyseValuesShower pfnShower);
    static void ShowAnalyseValues(CDialog* pDlg, CObList& objects, const CString& strHeading, int nTime);

    static void SetParameterDlgFactory(ParameterDlgFactory pfnFactory);
    static CDialog* CreateParameterDlg(CIRControlDoc* pDoc, CWnd* pParent);
    // Without a bar the dialogs have no parent and are attached nowhere.
    static void SetTableBar(const STableBar& bar);
    static CWnd* GetTableDialogParent();
    static BOOL AttachTableDialogs(CWnd* pMeasureValueDlg, CWnd* pParameterDlg, BOOL bActivate);
    static BOOL DetachTableDialogs(CWnd* pMeasureValueDlg);

    // IDCANCEL while no application runs the sheet.
    static void SetDrawSettingsRunner(DrawSettingsRunner pfnRunner);
    static INT_PTR RunDrawSettings(UINT nStartPage, SDrawSettings& settings);

    // Back to nothing set; the read-only stand-ins are closed and read the registry anew.
    static void Reset();
};

// The application's configuration objects as the recording core reaches them.
CProjektConfig* GetProjektConfig();
CDrawConfig* GetDrawConfig();
