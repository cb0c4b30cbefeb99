// The work on print devices' printer blocks (installed once per process).
#pragma once
#include "grid/core/GridComponents.h"

class CGXPrintDeviceImp : public CGXAbstractPrintDeviceImp
{
  public:
    void CopyToApp(CObject* pDevice) override;
    int DoPrintSetup(CObject* pDevice, CPrintDialog* pDialog) override;
    BOOL PreparePrinting(CObject* pDevice, CView* pView, CPrintInfo* pInfo) override;
    void SetDeviceHandles(CObject* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) override;
    void SetDeviceData(CObject* pDevice, const BYTE* pNames, DWORD nNames, const BYTE* pMode,
                       DWORD nMode) override;
    void FreeDevice(CObject* pDevice) override;
    void GetDeviceData(CObject* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode, BYTE*& pNames, DWORD& nNames,
                       BYTE*& pMode, DWORD& nMode) override;
    void SetDefaultDevice(CObject* pDevice) override;
    HDC GetPrinterDC(CObject* pDevice) override;
    void DeletePrinterDC(CObject* pDevice) override;
    void GetDeviceHandleCopies(CObject* pDevice, HGLOBAL& hDevNames, HGLOBAL& hDevMode) override;
    BOOL CompareDeviceHandles(CObject* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) override;
    BOOL CompareDeviceData(CObject* pDevice, const BYTE* pNames, DWORD nNames, const BYTE* pMode,
                           DWORD nMode) override;
};

void AFXAPI GXInstallPrintDeviceImp();
