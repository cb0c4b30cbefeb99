// A grid's printer.
#include "grid/features/PrintDevice.h"
#include "grid/core/AppData.h"
#include <stddef.h>
#include <vector>

IMPLEMENT_SERIAL(CGXPrintDevice, CObject, 1)

CGXPrintDevice::CGXPrintDevice() : m_pImp(GXGetAppData()->m_pPrintDeviceImp)
{
}

CGXPrintDevice::~CGXPrintDevice()
{
    FreeDevice();
}

CGXPrintDevice& CGXPrintDevice::operator=(const CGXPrintDevice& other)
{
    if (&other != this)
        SetDeviceHandles(other.m_hDevNames, other.m_hDevMode);
    return *this;
}

BOOL CGXPrintDevice::IsValidDeviceData(const BYTE* pNames, DWORD nNames, const BYTE* pMode, DWORD nMode)
{
    if (nNames < sizeof(DEVNAMES) || pNames == NULL)
        return FALSE;
    const DEVNAMES* pdn = reinterpret_cast<const DEVNAMES*>(pNames);
    for (WORD wOffset : {pdn->wDriverOffset, pdn->wDeviceOffset, pdn->wOutputOffset})
    {
        if (wOffset < sizeof(DEVNAMES) || wOffset >= nNames)
            return FALSE;
        if (memchr(pNames + wOffset, 0, nNames - wOffset) == NULL)
            return FALSE;
    }
    if (nMode == 0)
        return TRUE;
    const DWORD nMinimum = offsetof(DEVMODEA, dmFields) + sizeof(DWORD);
    if (pMode == NULL || nMode < nMinimum)
        return FALSE;
    const DEVMODEA* pdm = reinterpret_cast<const DEVMODEA*>(pMode);
    return pdm->dmSize >= nMinimum && (DWORD)pdm->dmSize + pdm->dmDriverExtra <= nMode;
}

void CGXPrintDevice::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (WORD)1;
        for (HGLOBAL h : {m_hDevNames, m_hDevMode})
        {
            DWORD n = h != NULL ? (DWORD)::GlobalSize(h) : 0;
            ar << n;
            if (n != 0)
            {
                ar.Write(::GlobalLock(h), n);
                ::GlobalUnlock(h);
            }
        }
        return;
    }
    WORD wSchema = 0;
    ar >> wSchema;
    if (wSchema != 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    std::vector<BYTE> blocks[2];
    for (std::vector<BYTE>& block : blocks)
    {
        DWORD n = 0;
        ar >> n;
        // Read in steps, so that a false size ends at the end of the file, not in a huge allocation.
        while (block.size() < n)
        {
            size_t nStep = n - block.size() < 4096 ? n - block.size() : 4096;
            size_t nOld = block.size();
            block.resize(nOld + nStep);
            if (ar.Read(block.data() + nOld, (UINT)nStep) != nStep)
                AfxThrowArchiveException(CArchiveException::endOfFile);
        }
    }
    if (!blocks[0].empty() && IsValidDeviceData(blocks[0].data(), (DWORD)blocks[0].size(), blocks[1].data(),
                                                (DWORD)blocks[1].size()))
        SetDeviceData(blocks[0].data(), (DWORD)blocks[0].size(), blocks[1].empty() ? NULL : blocks[1].data(),
                      (DWORD)blocks[1].size());
    else
        FreeDevice();
}

HDC CGXPrintDevice::GetPrinterDC()
{
    return m_pImp != NULL ? m_pImp->GetPrinterDC(this) : NULL;
}

void CGXPrintDevice::ResetPrinterDC()
{
    if (m_pImp != NULL)
        m_pImp->DeletePrinterDC(this);
}

void CGXPrintDevice::SetDeviceHandles(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    if (m_pImp != NULL)
        m_pImp->SetDeviceHandles(this, hDevNames, hDevMode);
}

void CGXPrintDevice::SetDeviceData(const BYTE* pNames, DWORD nNames, const BYTE* pMode, DWORD nMode)
{
    if (m_pImp != NULL)
        m_pImp->SetDeviceData(this, pNames, nNames, pMode, nMode);
}

void CGXPrintDevice::FreeDevice()
{
    if (m_pImp != NULL)
        m_pImp->FreeDevice(this);
}

void CGXPrintDevice::SetDefaultDevice()
{
    if (m_pImp != NULL)
        m_pImp->SetDefaultDevice(this);
}

void CGXPrintDevice::NeedPrinter()
{
    if (m_hDevNames == NULL)
        SetDefaultDevice();
}

int CGXPrintDevice::DoPrintSetup(CPrintDialog* pDialog)
{
    return m_pImp != NULL ? m_pImp->DoPrintSetup(this, pDialog) : 0;
}

BOOL CGXPrintDevice::PreparePrinting(CView* pView, CPrintInfo* pInfo)
{
    return m_pImp != NULL ? m_pImp->PreparePrinting(this, pView, pInfo) : FALSE;
}

BOOL CGXPrintDevice::CompareDeviceHandles(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    return m_pImp != NULL ? m_pImp->CompareDeviceHandles(this, hDevNames, hDevMode) : FALSE;
}
