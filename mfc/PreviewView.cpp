// CPreviewView: the preview window, its bar and the pages drawn through the printing view.
#include "PreviewView.h"
#include "Dialog.h"
#include "PreviewDC.h"
#include "PrintDialog.h"
#include "PrintInfo.h"
#include "View.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CPreviewView, CWnd)

CPreviewView* CPreviewView::s_pActive = NULL;

namespace
{
// The bar's buttons speak to the preview window, Escape and Enter included.
class CPreviewBar : public CDialog
{
  protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        UINT nID = LOWORD(wParam);
        if (nID == IDCANCEL)
            nID = AFX_ID_PREVIEW_CLOSE;
        if (nID == IDOK)
            return TRUE;
        GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(nID, HIWORD(wParam)), lParam);
        return TRUE;
    }
};

const int kGapPx = 8; // around and between the pages
} // namespace

BEGIN_MESSAGE_MAP(CPreviewView, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnPreviewClose)
ON_COMMAND(AFX_ID_PREVIEW_PRINT, OnPreviewPrint)
ON_COMMAND(AFX_ID_PREVIEW_NEXT, OnNextPage)
ON_COMMAND(AFX_ID_PREVIEW_PREV, OnPrevPage)
ON_COMMAND(AFX_ID_PREVIEW_NUMPAGE, OnNumPageChange)
ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, OnZoomIn)
ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
END_MESSAGE_MAP()

CPreviewView::CPreviewView()
    : m_pPrintView(NULL), m_pToolBar(NULL), m_pPreviewInfo(NULL), m_pPreviewDC(NULL), m_nCurrentPage(1),
      m_nPages(1), m_nZoomState(ZOOM_OUT), m_nScaleNum(1), m_nScaleDen(1)
{
}

CPreviewView::~CPreviewView()
{
    if (s_pActive == this)
        s_pActive = NULL;
    delete m_pToolBar;
    delete m_pPreviewDC;
    delete m_pPreviewInfo;
}

BOOL CPreviewView::Create(CView* pPrintView, CPrintInfo* pInfo)
{
    m_pPrintView = pPrintView;
    m_pPreviewInfo = pInfo;
    if (s_pActive != NULL || pInfo->m_pPD->m_pd.hDC == NULL)
    {
        delete this;
        return FALSE;
    }
    m_pPreviewDC = new CPreviewDC;
    m_pPreviewDC->SetAttribDC(pInfo->m_pPD->m_pd.hDC);
    m_nPages = pInfo->m_nNumPreviewPages == 2 ? 2 : 1;
    if (pInfo->m_nNumPreviewPages == 0 && AfxGetApp() != NULL && AfxGetApp()->m_nNumPreviewPages == 2)
        m_nPages = 2;

    CWnd* pOwner = AfxGetMainWnd() != NULL ? AfxGetMainWnd() : pPrintView->GetTopLevelParent();
    CRect rect(0, 0, 800, 600);
    if (pOwner != NULL)
        pOwner->GetWindowRect(&rect);
    CString strTitle;
    if (pOwner != NULL)
        pOwner->GetWindowText(strTitle);
    if (!CreateEx(0,
                  AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW),
                                      (HBRUSH)(COLOR_APPWORKSPACE + 1)),
                  strTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, rect, pOwner, 0))
    {
        delete this;
        return FALSE;
    }
    m_pToolBar = new CPreviewBar;
    if (!m_pToolBar->Create(AFX_IDD_PREVIEW_TOOLBAR, this))
    {
        DestroyWindow(); // deletes this
        return FALSE;
    }
    s_pActive = this;
    pPrintView->OnBeginPrinting(m_pPreviewDC, pInfo);
    // The view may have chosen the page to start on.
    m_nCurrentPage = pInfo->m_nCurPage < pInfo->GetMinPage() ? pInfo->GetMinPage() : pInfo->m_nCurPage;
    if (m_nCurrentPage > LastPage() && LastPage() >= pInfo->GetMinPage())
        m_nCurrentPage = LastPage();
    CRect client;
    GetClientRect(&client);
    OnSize(SIZE_RESTORED, client.Width(), client.Height());
    m_pToolBar->ShowWindow(SW_SHOW);
    UpdateBar();
    ShowWindow(SW_SHOW);
    UpdateWindow();
    return TRUE;
}

void CPreviewView::PostNcDestroy()
{
    if (s_pActive == this)
        s_pActive = NULL;
    delete this;
}

BOOL CPreviewView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Buttons report BN_CLICKED; treat them as menu commands.
    if (lParam != 0 && HIWORD(wParam) == BN_CLICKED)
        return CWnd::OnCommand(MAKEWPARAM(LOWORD(wParam), 0), 0);
    return CWnd::OnCommand(wParam, lParam);
}

UINT CPreviewView::LastPage() const
{
    return m_pPreviewInfo->GetMaxPage();
}

void CPreviewView::SetCurrentPage(UINT nPage)
{
    UINT nLast = LastPage();
    if (nPage > nLast)
        nPage = nLast;
    if (nPage < m_pPreviewInfo->GetMinPage())
        nPage = m_pPreviewInfo->GetMinPage();
    m_nCurrentPage = nPage;
    UpdateBar();
    Invalidate();
}

void CPreviewView::OnSize(UINT, int cx, int cy)
{
    if (m_pToolBar == NULL || m_pToolBar->m_hWnd == NULL)
        return;
    CRect bar;
    m_pToolBar->GetWindowRect(&bar);
    m_pToolBar->SetWindowPos(NULL, 0, 0, cx, bar.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    (void)cy;
    PositionPages();
}

// Scale and place of the pages: the shown pages fit the area below the bar, zoom multiplies.
void CPreviewView::PositionPages()
{
    CRect client;
    GetClientRect(&client);
    CRect bar;
    m_pToolBar->GetWindowRect(&bar);
    client.top += bar.Height();
    int nPrinterX = m_pPreviewDC->GetDeviceCaps(HORZRES);
    int nPrinterY = m_pPreviewDC->GetDeviceCaps(VERTRES);
    if (nPrinterX <= 0 || nPrinterY <= 0)
        return;
    int nShown = m_nZoomState == ZOOM_OUT ? (int)m_nPages : 1;
    int nAvailX = (client.Width() - kGapPx * (nShown + 1)) / nShown;
    int nAvailY = client.Height() - 2 * kGapPx;
    if (nAvailX < 1 || nAvailY < 1)
        nAvailX = nAvailY = 1;
    // The smaller of the two fits decides.
    if ((double)nAvailX / nPrinterX < (double)nAvailY / nPrinterY)
    {
        m_nScaleNum = nAvailX;
        m_nScaleDen = nPrinterX;
    }
    else
    {
        m_nScaleNum = nAvailY;
        m_nScaleDen = nPrinterY;
    }
    m_nScaleNum *= m_nZoomState == ZOOM_IN ? 4 : m_nZoomState == ZOOM_MIDDLE ? 2 : 1;
    int cx = ::MulDiv(nPrinterX, m_nScaleNum, m_nScaleDen);
    int cy = ::MulDiv(nPrinterY, m_nScaleNum, m_nScaleDen);
    int x = nShown == 1 && cx < client.Width() ? (client.Width() - cx) / 2 : kGapPx;
    for (int i = 0; i < 2; i++)
    {
        m_rectPage[i].SetRectEmpty();
        if (i < nShown)
        {
            m_rectPage[i].SetRect(x, client.top + kGapPx, x + cx, client.top + kGapPx + cy);
            x += cx + kGapPx;
        }
    }
    Invalidate();
}

void CPreviewView::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    CPrintInfo* pInfo = m_pPreviewInfo;
    for (int i = 0; i < 2; i++)
    {
        UINT nPage = m_nCurrentPage + i;
        if (m_rectPage[i].IsRectEmpty() || nPage > LastPage())
            continue;
        // The paper with its edge, then the page drawn by the view, clipped to the paper.
        ::Rectangle(hDC, m_rectPage[i].left - 1, m_rectPage[i].top - 1, m_rectPage[i].right + 1,
                    m_rectPage[i].bottom + 1);
        int nSaved = ::SaveDC(hDC);
        int nSavedAttrib = ::SaveDC(m_pPreviewDC->m_hAttribDC);
        ::IntersectClipRect(hDC, m_rectPage[i].left, m_rectPage[i].top, m_rectPage[i].right,
                            m_rectPage[i].bottom);
        m_pPreviewDC->SetOutputDC(hDC);
        m_pPreviewDC->SetScaleRatio(m_nScaleNum, m_nScaleDen);
        m_pPreviewDC->SetTopLeftOffset(m_rectPage[i].TopLeft());
        pInfo->m_nCurPage = nPage;
        pInfo->m_bContinuePrinting = TRUE;
        pInfo->m_rectDraw.SetRect(0, 0, m_pPreviewDC->GetDeviceCaps(HORZRES),
                                  m_pPreviewDC->GetDeviceCaps(VERTRES));
        m_pPrintView->OnPrepareDC(m_pPreviewDC, pInfo);
        if (pInfo->m_bContinuePrinting)
        {
            m_pPreviewDC->DPtoLP(&pInfo->m_rectDraw);
            m_pPrintView->OnPrint(m_pPreviewDC, pInfo);
        }
        m_pPreviewDC->ReleaseOutputDC();
        ::RestoreDC(m_pPreviewDC->m_hAttribDC, nSavedAttrib);
        ::RestoreDC(hDC, nSaved);
        if (!pInfo->m_bContinuePrinting)
        {
            // The view knows no page count and ran out of pages: this one is past the end.
            pInfo->SetMaxPage(nPage > pInfo->GetMinPage() ? nPage - 1 : pInfo->GetMinPage());
            UpdateBar();
            break;
        }
    }
    pInfo->m_nCurPage = m_nCurrentPage;
    ::EndPaint(m_hWnd, &ps);
}

void CPreviewView::UpdateBar()
{
    if (m_pToolBar == NULL || m_pToolBar->m_hWnd == NULL)
        return;
    UINT nLast = LastPage();
    BOOL bTwo = m_nPages == 2 && m_nZoomState == ZOOM_OUT;
    m_pToolBar->GetDlgItem(AFX_ID_PREVIEW_NEXT)->EnableWindow(m_nCurrentPage + (bTwo ? 1 : 0) < nLast);
    m_pToolBar->GetDlgItem(AFX_ID_PREVIEW_PREV)->EnableWindow(m_nCurrentPage > m_pPreviewInfo->GetMinPage());
    m_pToolBar->GetDlgItem(AFX_ID_PREVIEW_NUMPAGE)->EnableWindow(m_nZoomState == ZOOM_OUT);
    m_pToolBar->GetDlgItem(AFX_ID_PREVIEW_ZOOMIN)->EnableWindow(m_nZoomState != ZOOM_IN);
    m_pToolBar->GetDlgItem(AFX_ID_PREVIEW_ZOOMOUT)->EnableWindow(m_nZoomState != ZOOM_OUT);
    CString strButton;
    strButton.LoadString(m_nPages == 2 ? AFX_IDS_ONEPAGE : AFX_IDS_TWOPAGE);
    m_pToolBar->SetDlgItemText(AFX_ID_PREVIEW_NUMPAGE, strButton);

    // "Seite n" for one page, "Seiten n-m" for two.
    CString strFormats, strFormat, strDesc;
    strFormats.LoadString(AFX_IDS_PREVIEWPAGEDESC);
    if (bTwo && m_nCurrentPage < nLast)
    {
        AfxExtractSubString(strFormat, strFormats, 1);
        strDesc.Format(strFormat, m_nCurrentPage, m_nCurrentPage + 1);
    }
    else
    {
        AfxExtractSubString(strFormat, strFormats, 0);
        strDesc.Format(strFormat, m_nCurrentPage);
    }
    m_pToolBar->SetDlgItemText(AFX_IDC_PREVIEW_PAGEDESC, strDesc);
}

void CPreviewView::OnNextPage()
{
    SetCurrentPage(m_nCurrentPage + 1);
}

void CPreviewView::OnPrevPage()
{
    if (m_nCurrentPage > m_pPreviewInfo->GetMinPage())
        SetCurrentPage(m_nCurrentPage - 1);
}

void CPreviewView::OnNumPageChange()
{
    m_nPages = m_nPages == 2 ? 1 : 2;
    if (AfxGetApp() != NULL)
        AfxGetApp()->m_nNumPreviewPages = m_nPages; // the next preview starts the same way
    PositionPages();
    UpdateBar();
}

void CPreviewView::OnZoomIn()
{
    if (m_nZoomState == ZOOM_IN)
        return;
    m_nZoomState++;
    PositionPages();
    UpdateBar();
}

void CPreviewView::OnZoomOut()
{
    if (m_nZoomState == ZOOM_OUT)
        return;
    m_nZoomState--;
    PositionPages();
    UpdateBar();
}

void CPreviewView::OnPreviewClose()
{
    Close();
}

void CPreviewView::Close()
{
    if (m_hWnd == NULL)
        return;
    m_pPrintView->OnEndPrintPreview(m_pPreviewDC, m_pPreviewInfo, CPoint(0, 0), this);
}

void CPreviewView::OnPreviewPrint()
{
    CView* pView = m_pPrintView;
    Close(); // deletes this
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
}
