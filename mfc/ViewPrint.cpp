// CView's print loop: print dialog or printer defaults, a status box with Abbrechen, StartDoc,
// OnPrepareDC and OnPrint per page, and EndDoc (AbortDoc after a failure or a cancel).
#include "View.h"
#include "Dialog.h"
#include "Document.h"
#include "DC.h"
#include "PrintDialog.h"
#include "PrintInfo.h"
#include "WinApp.h"
#include "MessageSink.h"
#include "PreviewView.h"

namespace
{
// The status box shown while printing; its Abbrechen ends the job at the next page.
class CPrintingDialog : public CDialog
{
  public:
    explicit CPrintingDialog(CWnd* pParent)
    {
        Create(AFX_IDD_PRINTDLG, pParent);
        s_bUserAbort = FALSE;
    }
    void OnCancel() override
    {
        s_bUserAbort = TRUE;
        EnableWindow(FALSE);
    }
    static BOOL s_bUserAbort;
};

BOOL CPrintingDialog::s_bUserAbort = FALSE;

// Keeps the status box alive while the spooler works; FALSE stops the job.
BOOL CALLBACK AfxAbortProc(HDC, int)
{
    return AfxCallFromWin32(FALSE, []() -> BOOL {
        MSG msg;
        while (!CPrintingDialog::s_bUserAbort && ::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!AfxInternalPumpMessage())
                return FALSE;
        }
        return !CPrintingDialog::s_bUserAbort;
    });
}
} // namespace

BOOL CView::OnPreparePrinting(CPrintInfo*)
{
    return FALSE;
} // views that print override it
void CView::OnBeginPrinting(CDC*, CPrintInfo*)
{
}
void CView::OnEndPrinting(CDC*, CPrintInfo*)
{
}
void CView::OnPrint(CDC* pDC, CPrintInfo*)
{
    OnDraw(pDC);
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CWinApp* pApp = AfxGetApp();
    CPrintDialog* pPD = pInfo->m_pPD;
    if (pInfo->m_bPreview || pInfo->m_bDirect)
    {
        if (pApp == NULL || !pApp->GetPrinterDeviceDefaults(&pPD->m_pd))
        {
            // No printer: without the dialog there is nothing to choose from.
            AfxMessageBox(AFX_IDP_FAILED_TO_START_PRINT, MB_ICONEXCLAMATION);
            return FALSE;
        }
        if (pPD->m_pd.hDC == NULL && pPD->CreatePrinterDC() == NULL)
        {
            AfxMessageBox(AFX_IDP_FAILED_TO_START_PRINT, MB_ICONEXCLAMATION);
            return FALSE;
        }
        pPD->m_pd.nFromPage = (WORD)pInfo->GetMinPage();
        pPD->m_pd.nToPage = (WORD)pInfo->GetMaxPage();
    }
    else
    {
        if (pApp != NULL)
            pApp->GetPrinterDeviceDefaults(&pPD->m_pd);
        if (pPD->DoModal() != IDOK)
            return FALSE;
        if (pApp != NULL)
            pApp->SelectPrinter(pPD->m_pd.hDevNames, pPD->m_pd.hDevMode, FALSE);
        if (pPD->m_pd.hDC == NULL && pPD->CreatePrinterDC() == NULL)
            return FALSE;
        if (!pPD->PrintRange())
        {
            pPD->m_pd.nFromPage = (WORD)pInfo->GetMinPage();
            pPD->m_pd.nToPage = (WORD)pInfo->GetMaxPage();
        }
    }
    return TRUE;
}

void CView::OnFilePrint()
{
    CPrintInfo printInfo;
    const MSG* pMsg = GetCurrentMessage();
    if (pMsg->message == WM_COMMAND && LOWORD(pMsg->wParam) == ID_FILE_PRINT_DIRECT)
        printInfo.m_bDirect = TRUE;
    if (!OnPreparePrinting(&printInfo))
        return;

    CDC dcPrint;
    dcPrint.Attach(printInfo.m_pPD->m_pd.hDC);
    dcPrint.m_bPrinting = TRUE;
    OnBeginPrinting(&dcPrint, &printInfo);
    dcPrint.SetAbortProc(AfxAbortProc);

    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != NULL)
        pMainWnd->EnableWindow(FALSE);
    CPrintingDialog dlgStatus(this);
    CString strTitle = m_pDocument != NULL ? m_pDocument->GetTitle() : CString();
    if (strTitle.GetLength() > 31)
        strTitle.ReleaseBuffer(31); // the spooler's limit for job names
    dlgStatus.SetDlgItemText(AFX_IDC_PRINT_DOCNAME, strTitle);
    dlgStatus.SetDlgItemText(AFX_IDC_PRINT_PRINTERNAME, printInfo.m_pPD->GetDeviceName());
    CString strPort;
    AfxFormatString1(strPort, AFX_IDS_PRINTONPORT, printInfo.m_pPD->GetPortName());
    dlgStatus.SetDlgItemText(AFX_IDC_PRINT_PORTNAME, strPort);
    dlgStatus.ShowWindow(SW_SHOW);
    dlgStatus.UpdateWindow();

    DOCINFO docInfo = {};
    docInfo.cbSize = sizeof(docInfo);
    docInfo.lpszDocName = strTitle;
    BOOL bError = dcPrint.StartDoc(&docInfo) <= 0;
    if (bError)
        AfxMessageBox(AFX_IDP_FAILED_TO_START_PRINT, MB_ICONEXCLAMATION);
    else
    {
        UINT nEndPage = printInfo.GetToPage();
        UINT nStartPage = printInfo.GetFromPage();
        if (nEndPage < printInfo.GetMinPage())
            nEndPage = printInfo.GetMinPage();
        if (nEndPage > printInfo.GetMaxPage())
            nEndPage = printInfo.GetMaxPage();
        if (nStartPage < printInfo.GetMinPage())
            nStartPage = printInfo.GetMinPage();
        for (printInfo.m_nCurPage = nStartPage; printInfo.m_nCurPage <= nEndPage; printInfo.m_nCurPage++)
        {
            CString strPage;
            strPage.Format(AFX_IDS_PRINTPAGENUM, printInfo.m_nCurPage);
            dlgStatus.SetDlgItemText(AFX_IDC_PRINT_PAGENUM, strPage);
            printInfo.m_rectDraw.SetRect(0, 0, dcPrint.GetDeviceCaps(HORZRES),
                                         dcPrint.GetDeviceCaps(VERTRES));
            OnPrepareDC(&dcPrint, &printInfo);
            if (!printInfo.m_bContinuePrinting)
                break;
            if (dcPrint.StartPage() <= 0)
            {
                bError = TRUE;
                break;
            }
            // StartPage resets the DC's mapping: prepare it again for drawing.
            OnPrepareDC(&dcPrint, &printInfo);
            dcPrint.DPtoLP(&printInfo.m_rectDraw);
            OnPrint(&dcPrint, &printInfo);
            if (dcPrint.EndPage() <= 0 || !AfxAbortProc(dcPrint.m_hDC, 0))
            {
                bError = TRUE;
                break;
            }
        }
        if (!bError)
            dcPrint.EndDoc();
        else
            dcPrint.AbortDoc();
    }
    if (pMainWnd != NULL)
        pMainWnd->EnableWindow(TRUE);
    OnEndPrinting(&dcPrint, &printInfo);
    dlgStatus.DestroyWindow();
    dcPrint.Detach(); // the print dialog in printInfo owns the DC
}

void CView::OnFilePrintPreview()
{
    CPreviewView* pOpen = CPreviewView::GetActivePreview();
    if (pOpen != NULL)
    {
        pOpen->SetActiveWindow(); // one preview at a time
        return;
    }
    CPrintInfo* pInfo = new CPrintInfo;
    pInfo->m_bPreview = TRUE;
    if (!OnPreparePrinting(pInfo))
    {
        delete pInfo;
        return;
    }
    CPreviewView* pPreview = new CPreviewView;
    if (!pPreview->Create(this, pInfo)) // owns pInfo from here; gone when it fails
    {
        AfxMessageBox(AFX_IDP_COMMAND_FAILURE, MB_ICONEXCLAMATION);
    }
}

void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT, CPreviewView* pView)
{
    OnEndPrinting(pDC, pInfo);
    pView->DestroyWindow();
}
