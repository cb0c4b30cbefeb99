// A view with what grid views need of their own: a print device (owned or borrowed) and scroll
// bars that may belong to the window holding the view (a splitter or a sheet-tab window).
#pragma once
#include "afxwin.h"

class CGXView : public CView
{
    DECLARE_DYNAMIC(CGXView)

  public:
    // Construction
    CGXView();
    ~CGXView() override;

    // Operations
    void SetPrintDevice(CObject* pDevice, BOOL bMustDelete = TRUE);
    CObject* GetPrintDevice() const
    {
        return m_pPrintDevice;
    }

    // Overridables
    // Null for a bar the view has itself; the container's shared bar when it lies in one.
    CScrollBar* GetScrollBarCtrl(int nBar) const override;
    void OnInitialUpdate() override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    // The grid's preparation of printing: through the printer-device component when installed.
    virtual BOOL DoPrepareGridPrinting(CPrintInfo* pInfo);
    virtual void OnPrinterChanged();

    // Implementation
    CObject* m_pPrintDevice = NULL;
    BOOL m_bOwnPrintDevice = FALSE;

  protected:
    afx_msg void OnFilePrintSetup();
    DECLARE_MESSAGE_MAP()
};
