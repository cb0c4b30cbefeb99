// A grid's own printer: copies of the printer's DEVNAMES and DEVMODE blocks and a cached
// printer DC. All work goes through the print-device component installed when the device was
// made; without one every operation does nothing.
#pragma once
#include "grid/core/GridComponents.h"

class CGXPrintDevice : public CObject
{
    DECLARE_SERIAL(CGXPrintDevice)

  public:
    CGXPrintDevice();
    ~CGXPrintDevice() override;
    CGXPrintDevice& operator=(const CGXPrintDevice& other);

    // WORD 1, then the size and bytes of the names block and of the mode block. Blocks that do
    // not hold a well-formed DEVNAMES and DEVMODE are dropped on reading (the default printer
    // is used then).
    void Serialize(CArchive& ar) override;
    virtual HDC GetPrinterDC();
    virtual void ResetPrinterDC();

    void SetDeviceHandles(HGLOBAL hDevNames, HGLOBAL hDevMode);
    void SetDeviceData(const BYTE* pNames, DWORD nNames, const BYTE* pMode, DWORD nMode);
    void FreeDevice();
    void SetDefaultDevice();
    // Chooses the default printer when none is chosen.
    void NeedPrinter();
    int DoPrintSetup(CPrintDialog* pDialog);
    BOOL PreparePrinting(CView* pView, CPrintInfo* pInfo);
    BOOL CompareDeviceHandles(HGLOBAL hDevNames, HGLOBAL hDevMode);

    // TRUE when the names block is a DEVNAMES whose three strings lie inside it and end there,
    // and the mode block (when given) a DEVMODE whose dmSize and dmDriverExtra fit.
    static BOOL IsValidDeviceData(const BYTE* pNames, DWORD nNames, const BYTE* pMode, DWORD nMode);

    HGLOBAL m_hDevMode = NULL;
    HGLOBAL m_hDevNames = NULL;
    HDC m_hPrinterDC = NULL;
    CGXAbstractPrintDeviceImp* m_pImp;

  private:
    CGXPrintDevice(const CGXPrintDevice&) = delete;
};
