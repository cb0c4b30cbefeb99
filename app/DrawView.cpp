// CDrawView: page geometry, coordinate conversions, drawing through a memory bitmap, the grid,
// the axis labels and the selection.
#include "app/DrawView.h"
#include "AppIds.h"
#include "station/record/DrawDoc.h"
#include "station/record/DrawLayoutPage.h"
#include "station/record/DrawText.h"
#include "station/record/IRControlDoc.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CDrawView, CZoomView)

BEGIN_MESSAGE_MAP(CDrawView, CZoomView)
ON_WM_DESTROY()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace
{
const int kPlotLeft = 60;
const int kPlotBottomMargin = 100;
const int kLabelFontHeight = 10;

int Clamp(int n, int nMin, int nMax)
{
    return std::min(std::max(n, nMin), nMax);
}
} // namespace

CDrawView::CDrawView()
    : m_selection(10), m_bActive(FALSE), m_rectPlot(0, 0, 0, 0), m_rectPrint(0, 0, 0, 0), m_nTimePages(1),
      m_nPrintSliceStart(0), m_nPrintSliceEnd(0)
{
}

CDrawView::~CDrawView()
{
}

CDrawDoc* CDrawView::GetDocument() const
{
    return dynamic_cast<CDrawDoc*>(m_pDocument);
}

int CDrawView::GetTimeBase() const
{
    CDrawDoc* pDoc = GetDocument();
    return Clamp(pDoc != NULL ? pDoc->GetTimeBase() : 0, CDrawLayoutPage::TimeBaseMin,
                 CDrawLayoutPage::TimeBaseMax);
}

int CDrawView::GetTimeInterval() const
{
    CDrawDoc* pDoc = GetDocument();
    return Clamp(pDoc != NULL ? pDoc->GetTimeInterval() : 0, CDrawLayoutPage::TimeIntervalMin,
                 CDrawLayoutPage::TimeIntervalMax);
}

int CDrawView::GetTempBase() const
{
    CDrawDoc* pDoc = GetDocument();
    return Clamp(pDoc != NULL ? pDoc->GetTempBase() : 0, CDrawLayoutPage::TempBaseMin,
                 CDrawLayoutPage::TempBaseMax);
}

int CDrawView::GetTempInterval() const
{
    CDrawDoc* pDoc = GetDocument();
    return Clamp(pDoc != NULL ? pDoc->GetTempInterval() : 0, CDrawLayoutPage::TempIntervalMin,
                 CDrawLayoutPage::TempIntervalMax);
}

CSize CDrawView::PagePixels()
{
    CDrawDoc* pDoc = GetDocument();
    CSize page = pDoc != NULL ? pDoc->GetPageSize() : CDrawDoc::GetDefaultPageSize();
    CWindowDC dc(NULL);
    return CSize(::MulDiv(page.cx, dc.GetDeviceCaps(LOGPIXELSX), 100),
                 ::MulDiv(page.cy, dc.GetDeviceCaps(LOGPIXELSY), 100));
}

CRect CDrawView::GetPlotRect()
{
    CSize page = PagePixels();
    m_rectPlot = CRect(kPlotLeft, 0, page.cx, page.cy - kPlotBottomMargin);
    return m_rectPlot;
}

int CDrawView::TimeToX(int seconds)
{
    CRect plot = GetPlotRect();
    return plot.left + (int)((double)(plot.right - plot.left) / GetTimeBase() * seconds / m_nTimePages);
}

int CDrawView::XToTime(int x)
{
    CRect plot = GetPlotRect();
    return (int)((x - kPlotLeft) /
                 ((double)(plot.right - plot.left) / ((double)m_nTimePages * GetTimeBase())));
}

int CDrawView::TempToY(int value)
{
    CRect plot = GetPlotRect();
    return plot.bottom - (int)((double)(plot.bottom - plot.top) / GetTempBase() * value);
}

int CDrawView::GetTimeSpan()
{
    return GetTimeBase() * m_nTimePages;
}

int CDrawView::FitTimeAxis(int seconds)
{
    GetPlotRect();
    // At least one page, so that the conversions never divide by zero.
    m_nTimePages = std::max(1, (int)((double)seconds / GetTimeBase() + 1.0));
    return m_nTimePages;
}

BOOL CDrawView::GetPrintSlice(int& from, int& to)
{
    from = m_nPrintSliceStart;
    to = m_nPrintSliceEnd;
    return m_nTimePages > 1;
}

BOOL CDrawView::IsTimeLabel(CDrawObject* pObject)
{
    CDrawDoc* pDoc = GetDocument();
    return pDoc != NULL && pDoc->GetTimeLabels().Find(pObject) != NULL;
}

BOOL CDrawView::IsSelected(CDrawObject* pObject)
{
    return m_selection.Find(pObject) != NULL;
}

void CDrawView::Deselect(CDrawObject* pObject)
{
    if (POSITION pos = m_selection.Find(pObject))
        m_selection.RemoveAt(pos);
}

void CDrawView::ClientToDoc(POINT& point)
{
    CClientDC dc(this);
    OnPrepareDC(&dc);
    dc.DPtoLP(&point);
}

void CDrawView::ClientToDoc(RECT& rect)
{
    CClientDC dc(this);
    OnPrepareDC(&dc);
    dc.DPtoLP(&rect);
}

void CDrawView::DocToClient(POINT& point)
{
    CClientDC dc(this);
    OnPrepareDC(&dc);
    dc.LPtoDP(&point);
}

void CDrawView::DocToClient(RECT& rect)
{
    CClientDC dc(this);
    OnPrepareDC(&dc);
    dc.LPtoDP(&rect);
    ((CRect&)rect).NormalizeRect();
}

void CDrawView::InvalidateObject(CDrawObject* pObject)
{
    CRect rect = pObject->GetRect();
    DocToClient(rect);
    int nMargin = m_bActive && IsSelected(pObject) ? 20 : 10;
    rect.InflateRect(nMargin, nMargin);
    InvalidateRect(&rect, FALSE);
}

void CDrawView::SetPageSize(int cx, int cy)
{
    CWindowDC dc(NULL);
    CSize pixels(::MulDiv(cx, dc.GetDeviceCaps(LOGPIXELSX), 100),
                 ::MulDiv(cy, dc.GetDeviceCaps(LOGPIXELSY), 100));
    CDrawDoc* pDoc = GetDocument();
    SetScrollSizes(pDoc != NULL ? pDoc->GetMapMode() : MM_TEXT, pixels);
    if (pDoc != NULL)
        pDoc->UpdateAllViews(NULL, HintUpdateWindow, NULL);
}

void CDrawView::RemoveScaleLabels()
{
    CDrawDoc* pDoc = GetDocument();
    if (pDoc == NULL)
        return;
    for (CObList* pLabels : {&pDoc->GetTempLabels(), &pDoc->GetTimeLabels()})
        while (!pLabels->IsEmpty())
        {
            CDrawObject* pLabel = (CDrawObject*)pLabels->GetHead();
            pDoc->ForgetObject(pLabel); // out of every list and the selection
            Deselect(pLabel);
            delete pLabel;
        }
}

void CDrawView::CreateScaleLabels()
{
    CDrawDoc* pDoc = GetDocument();
    if (pDoc == NULL)
        return;
    // The old texts must go from the screen and the new ones come: nothing else repaints them.
    const BOOL bShown = m_hWnd != NULL;
    if (bShown)
        for (CObList* pLabels : {&pDoc->GetTempLabels(), &pDoc->GetTimeLabels()})
            for (POSITION pos = pLabels->GetHeadPosition(); pos != NULL;)
                InvalidateObject((CDrawObject*)pLabels->GetNext(pos));
    RemoveScaleLabels();
    CRect plot = GetPlotRect();
    CIRControlDoc* pRecording = dynamic_cast<CIRControlDoc*>(pDoc);
    CString strUnit = pRecording != NULL ? pRecording->GetUnitText() : CString();
    CString strSeconds;
    strSeconds.LoadString(IDS_APP_SECONDS);
    auto addLabel = [&](CObList& labels, const CRect& rect, const CString& text) {
        CDrawText* pText = new CDrawText(rect, text, pDoc->GetGridColor());
        LOGFONT font;
        pText->GetFont(font);
        font.lfHeight = kLabelFontHeight;
        pText->SetFont(font, FALSE);
        labels.AddTail(pText);
        pDoc->AddObject(pText);
        if (bShown)
            InvalidateObject(pText);
    };
    int nTempBase = GetTempBase(), nTempInterval = GetTempInterval();
    for (int t = nTempInterval; t <= nTempBase; t += nTempInterval)
    {
        int y = TempToY(t);
        CString text;
        text.Format("%3d%s", t, (LPCTSTR)strUnit);
        addLabel(pDoc->GetTempLabels(), CRect(plot.left - 30, y, plot.left + 10, y + 10), text);
    }
    int nSpan = GetTimeSpan(), nTimeInterval = GetTimeInterval();
    for (int t = nTimeInterval; t < nSpan; t += nTimeInterval)
    {
        int x = TimeToX(t);
        CString text;
        text.Format("%3d%s", t, (LPCTSTR)strSeconds);
        addLabel(pDoc->GetTimeLabels(), CRect(x, plot.bottom + 5, x + 40, plot.bottom + 15), text);
    }
}

void CDrawView::DrawGrid(CDC* pDC)
{
    CDrawDoc* pDoc = GetDocument();
    CRect plot = GetPlotRect();
    int nRight = pDC->IsPrinting() ? m_nPrintSliceEnd - m_nPrintSliceStart + kPlotLeft : plot.right;
    COLORREF oldBack = pDC->GetBkColor();
    CPen solid(PS_SOLID, pDoc->GetPen(), pDoc->GetGridColor());
    CPen dotted(PS_DOT, 0, pDoc->GetGridColor());
    // A repaint of a part of a long page draws only that part of the lines: a dotted line is
    // drawn dot by dot over its whole length. Lines start on a whole number of dot periods so
    // that the dots do not shift between repaints.
    int nLeft = plot.left, nLineRight = nRight;
    CRect clip;
    if (!pDC->IsPrinting() && pDC->GetClipBox(&clip) != ERROR)
    {
        clip.NormalizeRect();
        const int kPeriod = 96;
        if (clip.left > plot.left + kPeriod)
            nLeft = plot.left + (clip.left - plot.left) / kPeriod * kPeriod - kPeriod;
        nLineRight = std::min(nRight, (int)clip.right + 5);
    }
    CPen* pOldPen = pDC->SelectObject(&solid);
    pDC->MoveTo(nLeft, plot.bottom);
    pDC->LineTo(nLineRight, plot.bottom);
    pDC->MoveTo(nLeft, plot.top);
    pDC->LineTo(nLineRight, plot.top);
    pDC->SelectObject(&dotted);
    int nTempBase = GetTempBase(), nTempInterval = GetTempInterval();
    for (int t = nTempInterval; t < nTempBase; t += nTempInterval)
    {
        int y = TempToY(t);
        pDC->MoveTo(nLeft, y);
        pDC->LineTo(nLineRight, y);
    }
    pDC->SelectObject(&solid);
    int nSpan = GetTimeSpan(), nTimeInterval = GetTimeInterval();
    // The ticks, too, start and end where the repaint does.
    int tFirst = 0;
    if (nLeft > plot.left)
    {
        int tClip = XToTime(nLeft) - nTimeInterval;
        if (tClip > 0)
            tFirst = tClip - tClip % nTimeInterval;
    }
    for (int t = tFirst; t < nSpan; t += nTimeInterval)
    {
        int x = TimeToX(t);
        if (x >= nRight || x > nLineRight)
            break;
        pDC->MoveTo(x + 2, plot.bottom - 5);
        pDC->LineTo(x + 2, plot.bottom + 5);
    }
    pDC->SelectObject(pOldPen);
    pDC->SetBkColor(oldBack);
}

void CDrawView::OnDraw(CDC* pDC)
{
    CDrawDoc* pDoc = GetDocument();
    if (pDoc == NULL)
        return;
    CRect area;
    if (pDC->IsPrinting())
        area = m_rectPrint;
    else
        pDC->GetClipBox(&area);
    area.NormalizeRect();
    area.InflateRect(2, 2);
    CRect device = area;
    pDC->LPtoDP(&device);
    device.NormalizeRect();

    CDC memDC;
    CBitmap bitmap;
    CBitmap* pOldBitmap = NULL;
    CDC* pDrawDC = pDC;
    if (!pDC->IsPrinting() && memDC.CreateCompatibleDC(pDC) &&
        bitmap.CreateCompatibleBitmap(pDC, device.Width(), device.Height()))
    {
        pOldBitmap = memDC.SelectObject(&bitmap);
        OnPrepareDC(&memDC);
        memDC.OffsetViewportOrg(-device.left, -device.top);
        memDC.SetBrushOrg(device.left % 8, device.top % 8);
        memDC.IntersectClipRect(&area);
        pDrawDC = &memDC;
    }
    CBrush background(pDoc->GetBackColor());
    pDrawDC->FillRect(&area, &background);
    if (pDoc->GetGrid())
        DrawGrid(pDrawDC);
    pDoc->Draw(pDrawDC);
    if (pDrawDC == &memDC)
    {
        // The copy runs in device pixels.
        for (CDC* p : {pDC, (CDC*)&memDC})
        {
            p->SetViewportOrg(0, 0);
            p->SetWindowOrg(0, 0);
            p->SetMapMode(MM_TEXT);
        }
        pDC->BitBlt(device.left, device.top, device.Width(), device.Height(), &memDC, 0, 0, SRCCOPY);
        memDC.SelectObject(pOldBitmap);
    }
}

void CDrawView::OnInitialUpdate()
{
    CDrawDoc* pDoc = GetDocument();
    SetScrollSizes(pDoc != NULL ? pDoc->GetMapMode() : MM_TEXT, PagePixels());
    CZoomView::OnInitialUpdate();
}

void CDrawView::OnUpdate(CView*, LPARAM lHint, CObject* pHint)
{
    switch (lHint)
    {
    case HintUpdateWindow:
        Invalidate(FALSE);
        break;
    case HintUpdateObject:
        if (pHint != NULL)
            InvalidateObject((CDrawObject*)pHint);
        break;
    case HintUpdateSelection:
    case HintDeleteSelection: {
        CObList* pList = pHint != NULL ? (CObList*)pHint : &m_selection;
        if (lHint == HintDeleteSelection && pList == &m_selection)
            break;
        for (POSITION pos = pList->GetHeadPosition(); pos != NULL;)
        {
            CDrawObject* pObject = (CDrawObject*)pList->GetNext(pos);
            InvalidateObject(pObject);
            if (lHint == HintDeleteSelection)
                Deselect(pObject);
        }
        break;
    }
    }
}

void CDrawView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    if (m_bActive != bActivate)
    {
        // The selection's trackers appear or go: repaint it with the larger margin.
        m_bActive = TRUE;
        if (!m_selection.IsEmpty())
            OnUpdate(NULL, HintUpdateSelection, NULL);
        m_bActive = bActivate;
    }
    CZoomView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CDrawView::OnDestroy()
{
    RemoveScaleLabels();
    m_selection.RemoveAll();
    CZoomView::OnDestroy();
}

void CDrawView::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bActive)
        CZoomView::OnLButtonDown(nFlags, point);
}

void CDrawView::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bActive)
        CZoomView::OnLButtonUp(nFlags, point);
}

void CDrawView::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bActive)
        CZoomView::OnMouseMove(nFlags, point);
}

void CDrawView::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_bActive)
        CZoomView::OnLButtonDblClk(nFlags, point);
}
