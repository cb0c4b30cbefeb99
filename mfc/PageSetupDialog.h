// CPageSetupDialog: the system's page set-up (paper, orientation, margins, printer). The device
// handles it returns belong to the object.
//
// Differences from MFC:
// - No paint hook (OnDrawPage, PreDrawPage).
#pragma once
#include "CommonDialog.h"
#include "Rect.h"
#include "String.h"

class CPageSetupDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CPageSetupDialog)

  public:
    // Construction
    explicit CPageSetupDialog(DWORD dwFlags = PSD_MARGINS | PSD_INWININIINTLMEASURE, CWnd* pParentWnd = NULL);
    ~CPageSetupDialog() override;

    // Attributes
    PAGESETUPDLG m_psd;
    CSize GetPaperSize() const
    {
        return CSize(m_psd.ptPaperSize.x, m_psd.ptPaperSize.y);
    }
    // Margins in the dialog's units (thousandths of an inch or hundredths of a millimetre).
    void GetMargins(LPRECT lpRectMargins, LPRECT lpRectMinMargins) const;
    CString GetDeviceName() const;
    CString GetDriverName() const;
    CString GetPortName() const;
    LPDEVMODE GetDevMode() const;

    // Operations
    INT_PTR DoModal() override;
    // A DC for the chosen printer, owned by the caller.
    HDC CreatePrinterDC();
};
