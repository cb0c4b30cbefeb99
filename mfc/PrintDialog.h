// CPrintDialog: the system's print and print set-up dialog, the application's printer defaults
// and the printer DC made from the chosen device.
//
// Differences from MFC:
// - No custom templates or hooks; PD_RETURNDEFAULT runs without a window (GetDefaults).
#pragma once
#include "CommonDialog.h"
#include "String.h"

class CPrintDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CPrintDialog)

  public:
    // Construction
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                          PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* pParentWnd = NULL);
    ~CPrintDialog() override;

    // Attributes
    PRINTDLG m_pd;
    BOOL GetDefaults();
    CString GetDeviceName() const;
    CString GetDriverName() const;
    CString GetPortName() const;
    LPDEVMODE GetDevMode() const;
    int GetCopies() const;
    BOOL PrintAll() const
    {
        return !PrintRange() && !PrintSelection();
    }
    BOOL PrintRange() const
    {
        return (m_pd.Flags & PD_PAGENUMS) != 0;
    }
    BOOL PrintSelection() const
    {
        return (m_pd.Flags & PD_SELECTION) != 0;
    }
    int GetFromPage() const
    {
        return PrintRange() ? m_pd.nFromPage : -1;
    }
    int GetToPage() const
    {
        return PrintRange() ? m_pd.nToPage : -1;
    }

    // Operations
    INT_PTR DoModal() override;
    // A DC for the chosen printer, owned by the caller (also kept in m_pd.hDC).
    HDC CreatePrinterDC();
    HDC GetPrinterDC() const
    {
        return m_pd.hDC;
    }

    // Implementation
    BOOL m_bOwnDevHandles; // hDevMode/hDevNames were made here, not taken from the application
};

// A DC for the device in hDevNames with the settings in hDevMode (either may be NULL: then
// NULL is returned for a missing hDevNames).
HDC AFXAPI AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode);

// One of the names in a DEVNAMES block (device, driver or port, by member offset); empty when
// hDevNames is NULL.
CString AFXAPI AfxDevNamesPart(HGLOBAL hDevNames, WORD DEVNAMES::*pOffset);
