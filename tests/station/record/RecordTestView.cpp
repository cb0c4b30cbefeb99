// The test application and the test drawing view.
#include "RecordTestView.h"
#include "station/record/DrawDoc.h"
#include "station/record/DrawObject.h"

static CRecordTestApp theApp;

CDrawDoc* CTestDrawView::GetDrawDoc()
{
    return dynamic_cast<CDrawDoc*>(GetDocument());
}

// 60 at the left; the page converted from hundredths of an inch to pixels, 100 kept below.
CRect CTestDrawView::GetPlotRect()
{
    CDrawDoc* pDoc = GetDrawDoc();
    CSize page = pDoc != NULL ? pDoc->GetPageSize() : CDrawDoc::GetDefaultPageSize();
    return CRect(60, 0, ::MulDiv(page.cx, 96, 100), ::MulDiv(page.cy, 96, 100) - 100);
}

int CTestDrawView::TimeToX(int seconds)
{
    CRect plot = GetPlotRect();
    int nTimeBase = GetDrawDoc() != NULL ? GetDrawDoc()->GetTimeBase() : 300;
    return plot.left + (int)((double)(plot.right - plot.left) / nTimeBase * seconds / m_nPages);
}

int CTestDrawView::XToTime(int x)
{
    CRect plot = GetPlotRect();
    int nTimeBase = GetDrawDoc() != NULL ? GetDrawDoc()->GetTimeBase() : 300;
    return (int)((x - 60) / ((double)(plot.right - plot.left) / (m_nPages * nTimeBase)));
}

int CTestDrawView::TempToY(int value)
{
    CRect plot = GetPlotRect();
    int nTempBase = GetDrawDoc() != NULL ? GetDrawDoc()->GetTempBase() : 220;
    return plot.bottom - (int)((double)(plot.bottom - plot.top) / nTempBase * value);
}

int CTestDrawView::GetTimeSpan()
{
    return (GetDrawDoc() != NULL ? GetDrawDoc()->GetTimeBase() : 300) * m_nPages;
}

int CTestDrawView::FitTimeAxis(int seconds)
{
    int nTimeBase = GetDrawDoc() != NULL ? GetDrawDoc()->GetTimeBase() : 300;
    m_nPages = seconds / nTimeBase + 1;
    return m_nPages;
}

BOOL CTestDrawView::GetPrintSlice(int& from, int& to)
{
    if (!m_bPrintSlice)
        return FALSE;
    from = m_nPrintFrom;
    to = m_nPrintTo;
    return TRUE;
}

BOOL CTestDrawView::IsTimeLabel(CDrawObject* pObject)
{
    CDrawDoc* pDoc = GetDrawDoc();
    return pDoc != NULL && pDoc->GetTimeLabels().Find(pObject) != NULL;
}

BOOL CTestDrawView::IsSelected(CDrawObject* pObject)
{
    return m_selection.Find(pObject) != NULL;
}

void CTestDrawView::Deselect(CDrawObject* pObject)
{
    if (POSITION pos = m_selection.Find(pObject))
        m_selection.RemoveAt(pos);
}

void CTestDrawView::InvalidateObject(CDrawObject*)
{
    ++m_nInvalidated;
}

void CTestDrawView::DocToClient(POINT&)
{
}

void CTestDrawView::ClientToDoc(RECT&)
{
}

void CTestDrawView::SetPageSize(int cx, int cy)
{
    m_pageSize = CSize(cx, cy);
}

void CTestDrawView::OnDraw(CDC* pDC)
{
    if (CDrawDoc* pDoc = GetDrawDoc())
        pDoc->Draw(pDC);
}

CViewOfDocument::CViewOfDocument(CDocument* pDoc)
{
    pDoc->m_bAutoDelete = FALSE; // the test owns the document
    m_pFrame = new CFrameWnd;
    m_pFrame->Create(NULL, "Aufzeichnung", WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 600));
    m_pView = new CTestDrawView;
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    m_pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 780, 560), m_pFrame, AFX_IDW_PANE_FIRST,
                    &context);
    m_pFrame->SetActiveView(m_pView);
    AfxGetApp()->m_pMainWnd = m_pFrame;
}

CViewOfDocument::~CViewOfDocument()
{
    AfxGetApp()->m_pMainWnd = NULL;
    if (CDocument* pDoc = m_pView->GetDocument())
        pDoc->RemoveView(m_pView);
    m_pFrame->DestroyWindow(); // the frame and view delete themselves
}
