#include "ListView.h"
#include "PrintInfo.h"
#include "PrintDialog.h"

// The list engine over the view host.
IMPLEMENT_TEMPLATE_INSTANCE_CLASS(SECListBaseV, "SECListBaseV", RUNTIME_CLASS(CView))
template class SECListBase<CView>;

IMPLEMENT_DYNCREATE_ON_TEMPLATE(SECListView, SECListBaseV)

BEGIN_MESSAGE_MAP(SECListView, SECListBaseV)
SEC_LIST_VIEW_MESSAGE_ENTRIES()
END_MESSAGE_MAP()

namespace
{
// The size of the fallback printer font, in tenths of a point.
constexpr int PRINT_FONT_TENTHS = 110;
const TCHAR PRINT_FONT_FACE[] = _T("Times New Roman");
} // namespace

SECListView::~SECListView()
{
    m_dcMeasure.m_hDC = m_dcMeasure.m_hAttribDC = NULL; // never ours
    DeletePrintFonts();
}

void SECListView::OnPaint()
{
    if (m_bPrinting)
    {
        // The list's layout belongs to the printer until printing ends.
        ValidateRect(NULL);
        return;
    }
    PAINTSTRUCT ps;
    CDC* pDC = BeginPaint(&ps);
    SECListBaseV::OnDraw(pDC);
    EndPaint(&ps);
}

void SECListView::OnDraw(CDC* pDC)
{
    // The screen is painted by WM_PAINT; only a printer DC is drawn here.
    if (pDC->IsPrinting())
        SECListBaseV::OnDraw(pDC);
}

void SECListView::GetClientRect(LPRECT lpRect) const
{
    if (m_bPrinting)
        *lpRect = m_rcPrint;
    else
        SECListBaseV::GetClientRect(lpRect);
}

CDC* SECListView::CreateClientDC(BOOL& bDelete)
{
    if (m_bPrinting && m_pPrintDC != NULL)
    {
        // Rows are measured on the printer: a preview's output DC is the screen's, and only
        // while it paints.
        bDelete = FALSE;
        m_dcMeasure.m_hDC = m_dcMeasure.m_hAttribDC = m_pPrintDC->m_hAttribDC;
        m_dcMeasure.m_bPrinting = TRUE;
        return &m_dcMeasure;
    }
    return SECListBaseV::CreateClientDC(bDelete);
}

// ---- printing

BOOL SECListView::OnPreparePrinting(CPrintInfo* pInfo)
{
    // Only the whole list can be printed.
    pInfo->m_pPD->m_pd.Flags |= PD_NOSELECTION | PD_NOPAGENUMS;
    return DoPreparePrinting(pInfo);
}

void SECListView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    m_nSavedTopIndex = m_nTopIndex;
    m_hSavedLabelFont = m_hLabelFont;
    m_hSavedHeaderFont = m_hHeaderFont;
    m_nTopIndex = 0;
    m_nCurPage = 0;
    if (!CreatePrintFonts(pDC))
    {
        pInfo->m_bContinuePrinting = FALSE;
        return;
    }
    m_hLabelFont = (HFONT)m_fontPrintItem.GetSafeHandle();
    m_hHeaderFont = (HFONT)m_fontPrintHeader.GetSafeHandle();
    m_pPrintDC = pDC;
    SetupPrintMapping(pDC);
    m_bSavedVScroll = m_bVScrollShown;
    m_bSavedHScroll = m_bHScrollShown;
    m_bVScrollShown = m_bHScrollShown = FALSE;
    m_bPrinting = TRUE;
    InvalidateMeasurements();
    if (pInfo->m_bPreview)
    {
        UINT nPages = 1;
        while (PrintNextPage(pDC))
            ++nPages;
        pInfo->SetMaxPage(nPages);
        m_nTopIndex = 0;
    }
}

void SECListView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    if (pDC->IsPrinting() && pInfo != NULL)
        SetupPrintMapping(pDC);
    else
        SECListBaseV::OnPrepareDC(pDC, pInfo);
}

void SECListView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    if (pInfo->m_bPreview)
    {
        GoToPage(pInfo->m_nCurPage, pDC);
        SECListBaseV::OnPrint(pDC, pInfo);
        return;
    }
    SECListBaseV::OnPrint(pDC, pInfo);
    pInfo->m_bContinuePrinting = PrintNextPage(pDC);
}

void SECListView::OnEndPrinting(CDC*, CPrintInfo*)
{
    m_rcPrint.SetRectEmpty();
    m_hLabelFont = m_hSavedLabelFont;
    m_hHeaderFont = m_hSavedHeaderFont;
    DeletePrintFonts();
    if (m_bPrinting)
    {
        m_bVScrollShown = m_bSavedVScroll;
        m_bHScrollShown = m_bSavedHScroll;
    }
    m_bPrinting = FALSE;
    m_pPrintDC = NULL;
    m_dcMeasure.m_hDC = m_dcMeasure.m_hAttribDC = NULL;
    m_nTopIndex = m_nSavedTopIndex;
    // The rows were measured for the printer.
    InvalidateMeasurements();
    RecalcLayout();
    Invalidate(FALSE);
}

void SECListView::SetupPrintMapping(CDC* pDC)
{
    HDC hScreen = ::GetDC(NULL);
    int cxScreen = ::GetDeviceCaps(hScreen, LOGPIXELSX);
    int cyScreen = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(NULL, hScreen);
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(cxScreen, cyScreen);
    pDC->SetViewportExt(pDC->GetDeviceCaps(LOGPIXELSX), pDC->GetDeviceCaps(LOGPIXELSY));
    m_rcPrint.SetRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    pDC->DPtoLP(&m_rcPrint);
}

BOOL SECListView::PrintNextPage(CDC*)
{
    // The last row that fits is never above the top row, so every page moves on by at least one
    // row: a row taller than the page is printed cut rather than forever.
    int nLast = GetLastVisibleIndex();
    if (nLast + 1 >= GetItemCount())
        return FALSE;
    m_nTopIndex = std::max(nLast + 1, m_nTopIndex + 1);
    return TRUE;
}

void SECListView::GoToPage(UINT nPage, CDC* pDC)
{
    if (nPage != m_nCurPage)
    {
        m_nTopIndex = 0;
        for (UINT i = 1; i < nPage; ++i)
            if (!PrintNextPage(pDC))
                break;
    }
    m_nCurPage = nPage;
}

BOOL SECListView::CreatePrintFonts(CDC*)
{
    HFONT hFonts[2] = {m_hLabelFont, m_hHeaderFont};
    CFont* pFonts[2] = {&m_fontPrintItem, &m_fontPrintHeader};
    for (int i = 0; i < 2; ++i)
    {
        pFonts[i]->DeleteObject();
        LOGFONT lf;
        if (hFonts[i] != NULL && ::GetObject(hFonts[i], sizeof(lf), &lf) == sizeof(lf) &&
            pFonts[i]->CreateFontIndirect(&lf))
            continue;
        if (!pFonts[i]->CreatePointFont(PRINT_FONT_TENTHS, PRINT_FONT_FACE, NULL))
            return FALSE;
    }
    return TRUE;
}

BOOL SECListView::DeletePrintFonts()
{
    BOOL bItem = m_fontPrintItem.DeleteObject();
    BOOL bHeader = m_fontPrintHeader.DeleteObject();
    return bItem && bHeader;
}
