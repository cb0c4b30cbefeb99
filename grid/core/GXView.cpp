// The view base of the grid view.
#include "grid/core/GXView.h"
#include "grid/core/AppData.h"
#include "FrameworkIds.h"
#include "PrintDialog.h"
#include "PrintInfo.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CGXView, CView)

BEGIN_MESSAGE_MAP(CGXView, CView)
ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
END_MESSAGE_MAP()

CGXView::CGXView()
{
}

CGXView::~CGXView()
{
    SetPrintDevice(NULL);
}

void CGXView::SetPrintDevice(CObject* pDevice, BOOL bMustDelete)
{
    if (m_bOwnPrintDevice && m_pPrintDevice != pDevice)
        delete m_pPrintDevice;
    m_pPrintDevice = pDevice;
    m_bOwnPrintDevice = pDevice != NULL && bMustDelete;
}

CScrollBar* CGXView::GetScrollBarCtrl(int nBar) const
{
    DWORD dwStyle = GetStyle();
    if ((nBar == SB_VERT && (dwStyle & WS_VSCROLL)) || (nBar == SB_HORZ && (dwStyle & WS_HSCROLL)))
        return NULL;
    // The shared bars of a container: 59920 vertical, 59904 horizontal.
    CWnd* pContainer = GXGetContainerWnd(const_cast<CGXView*>(this));
    if (pContainer != NULL)
        return (CScrollBar*)pContainer->GetDlgItem(nBar == SB_VERT ? 59920 : 59904);
    return CView::GetScrollBarCtrl(nBar);
}

void CGXView::OnInitialUpdate()
{
    SetPrintDevice(NULL);
    CView::OnInitialUpdate();
}

BOOL CGXView::OnPreparePrinting(CPrintInfo* pInfo)
{
    CWaitCursor wait;
    pInfo->SetMaxPage(65535);
    return DoPrepareGridPrinting(pInfo);
}

BOOL CGXView::DoPrepareGridPrinting(CPrintInfo* pInfo)
{
    // The printer-device component prepares the print info from the view's own printer.
    CGXAbstractPrintDeviceImp* pImp = GXGetAppData()->m_pPrintDeviceImp;
    if (pImp == NULL)
        return DoPreparePrinting(pInfo);
    if (!pImp->PreparePrinting(m_pPrintDevice, this, pInfo))
        return FALSE;
    OnPrinterChanged();
    return TRUE;
}

void CGXView::OnPrinterChanged()
{
}

void CGXView::OnFilePrintSetup()
{
    CWaitCursor wait;
    CPrintDialog dlg(TRUE, PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE);
    CGXAbstractPrintDeviceImp* pImp = GXGetAppData()->m_pPrintDeviceImp;
    if (pImp == NULL)
        AfxGetApp()->DoPrintDialog(&dlg);
    else if (pImp->DoPrintSetup(m_pPrintDevice, &dlg) == IDOK)
        OnPrinterChanged();
}
