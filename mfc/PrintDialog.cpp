// CPrintDialog: the system dialog over PRINTDLG, and printer DCs from DEVNAMES/DEVMODE.
#include "PrintDialog.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)

HDC AFXAPI AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    if (hDevNames == NULL)
        return NULL;
    LPDEVNAMES lpDevNames = (LPDEVNAMES)::GlobalLock(hDevNames);
    if (lpDevNames == NULL)
        return NULL;
    LPDEVMODE lpDevMode = hDevMode != NULL ? (LPDEVMODE)::GlobalLock(hDevMode) : NULL;
    HDC hDC = ::CreateDC((LPCTSTR)lpDevNames + lpDevNames->wDriverOffset,
                         (LPCTSTR)lpDevNames + lpDevNames->wDeviceOffset,
                         (LPCTSTR)lpDevNames + lpDevNames->wOutputOffset, lpDevMode);
    ::GlobalUnlock(hDevNames);
    if (hDevMode != NULL)
        ::GlobalUnlock(hDevMode);
    return hDC;
}

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_pd(), m_bOwnDevHandles(FALSE)
{
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog()
{
    if (m_pd.hDC != NULL)
        ::DeleteDC(m_pd.hDC);
    if (m_bOwnDevHandles)
    {
        if (m_pd.hDevMode != NULL)
            ::GlobalFree(m_pd.hDevMode);
        if (m_pd.hDevNames != NULL)
            ::GlobalFree(m_pd.hDevNames);
    }
}

static BOOL AfxRunPrintDlg(void* pRecord)
{
    return ::PrintDlg((PRINTDLG*)pRecord);
}

INT_PTR CPrintDialog::DoModal()
{
    m_pd.hwndOwner = OwnerForSystemDialog();
    if (m_pd.hDC != NULL)
    {
        ::DeleteDC(m_pd.hDC);
        m_pd.hDC = NULL;
    }
    return RunSystemDialog(&AfxRunPrintDlg, &m_pd);
}

BOOL CPrintDialog::GetDefaults()
{
    // The system makes new device handles: this object owns them from now on.
    PRINTDLG pd = m_pd;
    pd.Flags = (m_pd.Flags | PD_RETURNDEFAULT) & ~PD_RETURNDC;
    pd.hDevMode = NULL;
    pd.hDevNames = NULL;
    pd.hwndOwner = NULL;
    if (!::PrintDlg(&pd))
        return FALSE;
    m_pd.hDevMode = pd.hDevMode;
    m_pd.hDevNames = pd.hDevNames;
    m_bOwnDevHandles = TRUE;
    return TRUE;
}

CString AFXAPI AfxDevNamesPart(HGLOBAL hDevNames, WORD DEVNAMES::*pOffset)
{
    CString str;
    LPDEVNAMES lpDevNames = hDevNames != NULL ? (LPDEVNAMES)::GlobalLock(hDevNames) : NULL;
    if (lpDevNames != NULL)
    {
        str = (LPCTSTR)lpDevNames + lpDevNames->*pOffset;
        ::GlobalUnlock(hDevNames);
    }
    return str;
}

CString CPrintDialog::GetDeviceName() const
{
    return AfxDevNamesPart(m_pd.hDevNames, &DEVNAMES::wDeviceOffset);
}
CString CPrintDialog::GetDriverName() const
{
    return AfxDevNamesPart(m_pd.hDevNames, &DEVNAMES::wDriverOffset);
}
CString CPrintDialog::GetPortName() const
{
    return AfxDevNamesPart(m_pd.hDevNames, &DEVNAMES::wOutputOffset);
}

LPDEVMODE CPrintDialog::GetDevMode() const
{
    return m_pd.hDevMode != NULL ? (LPDEVMODE)::GlobalLock(m_pd.hDevMode) : NULL;
}

int CPrintDialog::GetCopies() const
{
    if (m_pd.Flags & PD_USEDEVMODECOPIES)
    {
        LPDEVMODE lpDevMode = GetDevMode();
        int nCopies = lpDevMode != NULL ? lpDevMode->dmCopies : 1;
        if (lpDevMode != NULL)
            ::GlobalUnlock(m_pd.hDevMode);
        return nCopies;
    }
    return m_pd.nCopies;
}

HDC CPrintDialog::CreatePrinterDC()
{
    if (m_pd.hDC != NULL)
        ::DeleteDC(m_pd.hDC);
    m_pd.hDC = AfxCreateDC(m_pd.hDevNames, m_pd.hDevMode);
    return m_pd.hDC;
}
