// CPageSetupDialog: PageSetupDlg with its device handles owned here.
#include "PageSetupDialog.h"
#include "PrintDialog.h"

IMPLEMENT_DYNAMIC(CPageSetupDialog, CCommonDialog)

CPageSetupDialog::CPageSetupDialog(DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd)
{
    memset(&m_psd, 0, sizeof(m_psd));
    m_psd.lStructSize = sizeof(m_psd);
    m_psd.Flags = dwFlags | PSD_ENABLEPAGESETUPHOOK;
    m_psd.lpfnPageSetupHook = &CCommonDialog::HookProc;
}

CPageSetupDialog::~CPageSetupDialog()
{
    if (m_psd.hDevMode != NULL)
        ::GlobalFree(m_psd.hDevMode);
    if (m_psd.hDevNames != NULL)
        ::GlobalFree(m_psd.hDevNames);
}

static BOOL AfxRunPageSetup(void* pRecord)
{
    return ::PageSetupDlg((PAGESETUPDLG*)pRecord);
}

INT_PTR CPageSetupDialog::DoModal()
{
    m_psd.hwndOwner = OwnerForSystemDialog();
    return RunSystemDialog(&AfxRunPageSetup, &m_psd);
}

void CPageSetupDialog::GetMargins(LPRECT lpRectMargins, LPRECT lpRectMinMargins) const
{
    if (lpRectMargins != NULL)
        *lpRectMargins = m_psd.rtMargin;
    if (lpRectMinMargins != NULL)
        *lpRectMinMargins = m_psd.rtMinMargin;
}

CString CPageSetupDialog::GetDeviceName() const
{
    return AfxDevNamesPart(m_psd.hDevNames, &DEVNAMES::wDeviceOffset);
}
CString CPageSetupDialog::GetDriverName() const
{
    return AfxDevNamesPart(m_psd.hDevNames, &DEVNAMES::wDriverOffset);
}
CString CPageSetupDialog::GetPortName() const
{
    return AfxDevNamesPart(m_psd.hDevNames, &DEVNAMES::wOutputOffset);
}

LPDEVMODE CPageSetupDialog::GetDevMode() const
{
    // Locked for the caller's look; the handle stays valid while this object lives.
    return m_psd.hDevMode != NULL ? (LPDEVMODE)::GlobalLock(m_psd.hDevMode) : NULL;
}

HDC CPageSetupDialog::CreatePrinterDC()
{
    return AfxCreateDC(m_psd.hDevNames, m_psd.hDevMode);
}
