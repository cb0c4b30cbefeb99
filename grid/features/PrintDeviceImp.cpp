// Printer blocks of print devices.
#include "grid/features/PrintDeviceImp.h"
#include "grid/core/AppData.h"
#include "grid/features/PrintDevice.h"
#include "afxwin.h"
#include "PrintDialog.h"
#include "PrintInfo.h"
#include "View.h"
#include <string.h>

void AFXAPI GXInstallPrintDeviceImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pPrintDeviceImp != NULL)
        return;
    pAppData->m_pPrintDeviceImp = new CGXPrintDeviceImp;
    pAppData->AddComponent(pAppData->m_pPrintDeviceImp);
}

namespace
{
CGXPrintDevice* Device(CObject* p)
{
    return static_cast<CGXPrintDevice*>(p);
}

// A new movable global block holding a copy of the bytes.
HGLOBAL CopyBlock(const void* p, DWORD n)
{
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DISCARDABLE, n);
    if (h == NULL)
        return NULL;
    memcpy(::GlobalLock(h), p, n);
    ::GlobalUnlock(h);
    return h;
}

HGLOBAL CopyHandle(HGLOBAL h)
{
    if (h == NULL)
        return NULL;
    HGLOBAL hCopy = CopyBlock(::GlobalLock(h), (DWORD)::GlobalSize(h));
    ::GlobalUnlock(h);
    if (hCopy == NULL)
        AfxThrowMemoryException();
    return hCopy;
}
} // namespace

void CGXPrintDeviceImp::CopyToApp(CObject* pDevice)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp->m_hDevMode != NULL)
        ::GlobalFree(pApp->m_hDevMode);
    if (pApp->m_hDevNames != NULL)
        ::GlobalFree(pApp->m_hDevNames);
    pApp->m_hDevMode = pApp->m_hDevNames = NULL;
    GetDeviceHandleCopies(pDevice, pApp->m_hDevNames, pApp->m_hDevMode);
}

int CGXPrintDeviceImp::DoPrintSetup(CObject* pDevice, CPrintDialog* pDialog)
{
    if (pDevice == NULL)
        return 0;
    CWaitCursor wait;
    Device(pDevice)->NeedPrinter();
    CopyToApp(pDevice);
    int nResult = AfxGetApp()->DoPrintDialog(pDialog);
    if (nResult == IDOK)
        SetDeviceHandles(pDevice, pDialog->m_pd.hDevNames, pDialog->m_pd.hDevMode);
    return nResult;
}

BOOL CGXPrintDeviceImp::PreparePrinting(CObject* pDevice, CView* pView, CPrintInfo* pInfo)
{
    if (pDevice == NULL)
        return pView->DoPreparePrinting(pInfo);
    CWaitCursor wait;
    Device(pDevice)->NeedPrinter();
    CopyToApp(pDevice);
    if (!pView->DoPreparePrinting(pInfo))
        return FALSE;
    CPrintDialog* pDialog = pInfo->m_pPD;
    if (pDialog != NULL && !CompareDeviceHandles(pDevice, pDialog->m_pd.hDevNames, pDialog->m_pd.hDevMode))
        SetDeviceHandles(pDevice, pDialog->m_pd.hDevNames, pDialog->m_pd.hDevMode);
    return TRUE;
}

void CGXPrintDeviceImp::SetDeviceHandles(CObject* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    const BYTE* pNames = hDevNames != NULL ? (const BYTE*)::GlobalLock(hDevNames) : NULL;
    const BYTE* pMode = hDevMode != NULL ? (const BYTE*)::GlobalLock(hDevMode) : NULL;
    SetDeviceData(pDevice, pNames, pNames != NULL ? (DWORD)::GlobalSize(hDevNames) : 0, pMode,
                  pMode != NULL ? (DWORD)::GlobalSize(hDevMode) : 0);
    if (pNames != NULL)
        ::GlobalUnlock(hDevNames);
    if (pMode != NULL)
        ::GlobalUnlock(hDevMode);
}

void CGXPrintDeviceImp::SetDeviceData(CObject* pDevice, const BYTE* pNames, DWORD nNames, const BYTE* pMode,
                                      DWORD nMode)
{
    FreeDevice(pDevice);
    CGXPrintDevice* p = Device(pDevice);
    BOOL bFailed = FALSE;
    if (pNames != NULL && nNames != 0)
        bFailed |= (p->m_hDevNames = CopyBlock(pNames, nNames)) == NULL;
    if (pMode != NULL && nMode != 0)
        bFailed |= (p->m_hDevMode = CopyBlock(pMode, nMode)) == NULL;
    if (bFailed)
        AfxThrowMemoryException();
}

void CGXPrintDeviceImp::FreeDevice(CObject* pDevice)
{
    CGXPrintDevice* p = Device(pDevice);
    p->ResetPrinterDC();
    for (HGLOBAL* ph : {&p->m_hDevNames, &p->m_hDevMode})
    {
        if (*ph != NULL)
            ::GlobalFree(*ph);
        *ph = NULL;
    }
}

void CGXPrintDeviceImp::GetDeviceData(CObject*, HGLOBAL hDevNames, HGLOBAL hDevMode, BYTE*& pNames,
                                      DWORD& nNames, BYTE*& pMode, DWORD& nMode)
{
    auto copy = [](HGLOBAL h, BYTE*& p, DWORD& n) {
        p = NULL;
        n = 0;
        if (h == NULL)
            return;
        n = (DWORD)::GlobalSize(h);
        p = new BYTE[n];
        memcpy(p, ::GlobalLock(h), n);
        ::GlobalUnlock(h);
    };
    copy(hDevNames, pNames, nNames);
    copy(hDevMode, pMode, nMode);
}

void CGXPrintDeviceImp::SetDefaultDevice(CObject* pDevice)
{
    CPrintDialog dlg(TRUE,
                     PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE);
    if (!dlg.GetDefaults())
        return;
    if (dlg.m_pd.hDevMode != NULL)
    {
        DEVMODEA* pdm = (DEVMODEA*)::GlobalLock(dlg.m_pd.hDevMode);
        pdm->dmTTOption = DMTT_BITMAP;
        ::GlobalUnlock(dlg.m_pd.hDevMode);
    }
    SetDeviceHandles(pDevice, dlg.m_pd.hDevNames, dlg.m_pd.hDevMode);
    for (HGLOBAL h : {dlg.m_pd.hDevNames, dlg.m_pd.hDevMode})
        if (h != NULL)
            ::GlobalFree(h);
    dlg.m_pd.hDevNames = dlg.m_pd.hDevMode = NULL;
}

HDC CGXPrintDeviceImp::GetPrinterDC(CObject* pDevice)
{
    CGXPrintDevice* p = Device(pDevice);
    if (p == NULL)
        return NULL;
    p->NeedPrinter();
    if (p->m_hPrinterDC == NULL && p->m_hDevNames != NULL)
        p->m_hPrinterDC = AfxCreateDC(p->m_hDevNames, p->m_hDevMode);
    return p->m_hPrinterDC;
}

void CGXPrintDeviceImp::DeletePrinterDC(CObject* pDevice)
{
    CGXPrintDevice* p = Device(pDevice);
    if (p->m_hPrinterDC != NULL)
        ::DeleteDC(p->m_hPrinterDC);
    p->m_hPrinterDC = NULL;
}

void CGXPrintDeviceImp::GetDeviceHandleCopies(CObject* pDevice, HGLOBAL& hDevNames, HGLOBAL& hDevMode)
{
    CGXPrintDevice* p = Device(pDevice);
    hDevNames = hDevMode = NULL;
    if (p->m_hDevNames == NULL)
        return;
    hDevNames = CopyHandle(p->m_hDevNames);
    hDevMode = CopyHandle(p->m_hDevMode);
}

BOOL CGXPrintDeviceImp::CompareDeviceHandles(CObject* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    BYTE *pNames = NULL, *pMode = NULL;
    DWORD nNames = 0, nMode = 0;
    GetDeviceData(pDevice, hDevNames, hDevMode, pNames, nNames, pMode, nMode);
    BOOL bSame = CompareDeviceData(pDevice, pNames, nNames, pMode, nMode);
    delete[] pNames;
    delete[] pMode;
    return bSame;
}

BOOL CGXPrintDeviceImp::CompareDeviceData(CObject* pDevice, const BYTE* pNames, DWORD nNames,
                                          const BYTE* pMode, DWORD nMode)
{
    CGXPrintDevice* p = Device(pDevice);
    auto same = [](HGLOBAL h, const BYTE* pBytes, DWORD n) {
        if (h == NULL)
            return n == 0;
        if ((DWORD)::GlobalSize(h) != n)
            return false;
        bool bSame = memcmp(::GlobalLock(h), pBytes, n) == 0;
        ::GlobalUnlock(h);
        return bSame;
    };
    return same(p->m_hDevNames, pNames, nNames) && same(p->m_hDevMode, pMode, nMode);
}
