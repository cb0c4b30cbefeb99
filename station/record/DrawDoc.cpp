// CDrawDoc: layout values, page size from the printer, drawing and the drawing part of the file.
#include "station/record/DrawDoc.h"
#include "station/record/ApplicationValues.h"
#include "station/record/ArchiveFields.h"
#include "station/record/DrawConfig.h"
#include "station/record/DrawObject.h"
#include "station/record/DrawText.h"
#include "station/record/DrawViewBase.h"
#include "station/config/ProjektConfig.h"
#include "ArchiveException.h"
#include "PrintDialog.h"

IMPLEMENT_DYNCREATE(CDrawDoc, CDocument)

using namespace archive_fields;

CDrawDoc::CDrawDoc()
    : m_objects(10), m_size(GetDefaultPageSize()), m_nMapMode(MM_TEXT), m_tempLabels(10), m_timeLabels(10)
{
    CDrawConfig& draw = CApplicationValues::GetDrawConfig();
    CProjektConfig& projekt = CApplicationValues::GetProjektConfig();
    m_nPen = draw.GetPen();
    m_bGrid = draw.GetGrid();
    m_backColor = draw.GetBackColor();
    m_gridColor = draw.GetGridColor();
    m_nTimeBase = (int)projekt.GetTimeBase();
    m_nTimeInterval = (int)projekt.GetTimeIntervall();
    m_nTempBase = (int)projekt.GetTempBase();
    m_nTempInterval = (int)projekt.GetTempIntervall();
    UpdatePageSize(FALSE, 1, FALSE);
}

CDrawDoc::~CDrawDoc()
{
    DeleteContents();
}

void CDrawDoc::DeleteContents()
{
    // The labels are this document's, and so is whatever else a file put into the object list
    // that no owner (the derived document has dropped its objects by now) took.
    DeleteListed(m_tempLabels);
    DeleteListed(m_timeLabels);
    DeleteListed(m_objects);
    CDocument::DeleteContents();
}

void CDrawDoc::DeleteListed(CObList& list)
{
    while (!list.IsEmpty())
    {
        CDrawObject* pObject = (CDrawObject*)list.GetHead();
        ForgetObject(pObject); // out of every list, once however often it is there
        delete pObject;
    }
}

void CDrawDoc::SetLayout(int nPen, BOOL bGrid, COLORREF backColor, COLORREF gridColor, int nTimeBase,
                         int nTimeInterval, int nTempBase, int nTempInterval)
{
    m_nPen = nPen;
    m_bGrid = bGrid;
    m_backColor = backColor;
    m_gridColor = gridColor;
    m_nTimeBase = nTimeBase;
    m_nTimeInterval = nTimeInterval;
    m_nTempBase = nTempBase;
    m_nTempInterval = nTempInterval;
}

void CDrawDoc::Serialize(CArchive& ar)
{
    SerializeDrawing(ar);
}

void CDrawDoc::SerializeDrawing(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (DWORD)m_backColor << (DWORD)m_nMapMode << (LONG)m_size.cx << (LONG)m_size.cy << (DWORD)m_nPen
           << (DWORD)m_bGrid << (DWORD)m_backColor << (DWORD)m_gridColor << (DWORD)m_nTimeBase
           << (DWORD)m_nTimeInterval << (DWORD)m_nTempBase << (DWORD)m_nTempInterval;
        ar << m_strText1 << m_strText2;
        StoreList(ar, m_objects);
        StoreList(ar, m_tempLabels);
        StoreList(ar, m_timeLabels);
        StoreEnd(ar);
        return;
    }
    DWORD backColor, grid, gridColor;
    ar >> backColor >> m_nMapMode >> m_size.cx >> m_size.cy >> m_nPen >> grid >> backColor >> gridColor >>
        m_nTimeBase >> m_nTimeInterval >> m_nTempBase >> m_nTempInterval;
    m_backColor = backColor; // the second copy is the one that counts
    m_bGrid = grid;
    m_gridColor = gridColor;
    ar >> m_strText1 >> m_strText2;
    // Everything in these lists is drawn: nothing else may come in. Labels already there are
    // ours; the other objects have their owners, who read them anew.
    DeleteListed(m_tempLabels);
    DeleteListed(m_timeLabels);
    m_objects.RemoveAll();
    LoadList(ar, m_objects, RUNTIME_CLASS(CDrawObject));
    LoadList(ar, m_tempLabels, RUNTIME_CLASS(CDrawText));
    LoadList(ar, m_timeLabels, RUNTIME_CLASS(CDrawText));
    SkipEnd(ar);
}

BOOL CDrawDoc::OnNewDocument()
{
    return CDocument::OnNewDocument() != 0;
}

BOOL CDrawDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    return CDocument::OnOpenDocument(lpszPathName) != 0;
}

BOOL CDrawDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    return CDocument::OnSaveDocument(lpszPathName);
}

BOOL CDrawDoc::UpdatePageSize(BOOL bUsePrinterSize, int nPages, BOOL bForce)
{
    CSize size(nPages * 960, 590);
    CPrintDialog dlg(FALSE,
                     PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOPAGENUMS | PD_NOSELECTION);
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->GetPrinterDeviceDefaults(&dlg.m_pd))
    {
        HDC hPrinter = dlg.CreatePrinterDC();
        if (hPrinter != NULL)
        {
            CDC dc;
            dc.Attach(hPrinter);
            // Recordings are printed on landscape A4, whatever the printer was set to.
            if (LPDEVMODE pDevMode = dlg.GetDevMode())
            {
                pDevMode->dmOrientation = DMORIENT_LANDSCAPE;
                pDevMode->dmPaperSize = DMPAPER_A4;
                pDevMode->dmFields |= DM_ORIENTATION | DM_PAPERSIZE;
                dc.ResetDC(pDevMode);
                ::GlobalUnlock(dlg.m_pd.hDevMode);
            }
            if (bUsePrinterSize)
                size = CSize(::MulDiv(dc.GetDeviceCaps(HORZSIZE), 1000, 254),
                             ::MulDiv(dc.GetDeviceCaps(VERTSIZE), 1000, 254));
            dc.Detach(); // the print dialog deletes its DC
        }
    }
    if (size == m_size && !bForce)
        return FALSE;
    m_size = size;
    if (CDrawViewBase* pView = GetActiveDrawView())
        pView->SetPageSize(m_size.cx, m_size.cy);
    return TRUE;
}

namespace
{
// What an object may draw beyond its rectangle: pens, text overhang, trackers.
const int kDrawMargin = 20;
} // namespace

void CDrawDoc::Draw(CDC* pDC)
{
    CDrawViewBase* pView = GetActiveDrawView();
    // A repaint of a part of a long recording's page skips the objects (mostly axis labels)
    // that lie elsewhere; a printed page is drawn whole.
    CRect clip;
    BOOL bClip = !pDC->IsPrinting() && pDC->GetClipBox(&clip) != ERROR;
    clip.NormalizeRect();
    clip.InflateRect(kDrawMargin, kDrawMargin);
    for (POSITION pos = m_objects.GetHeadPosition(); pos != NULL;)
    {
        CDrawObject* pObject = (CDrawObject*)m_objects.GetNext(pos);
        CRect rect = pObject->GetRect();
        rect.NormalizeRect();
        if (bClip && (rect.right < clip.left || rect.left > clip.right))
            continue;
        pObject->Draw(pDC);
        if (pView != NULL && pView->IsSelectionShown() && !pDC->IsPrinting() && pView->IsSelected(pObject))
            pObject->DrawTracker(pDC, 1);
    }
}

void CDrawDoc::AddObject(CDrawObject* pObject)
{
    m_objects.AddTail(pObject);
}

void CDrawDoc::RemoveObject(CDrawObject* pObject)
{
    POSITION pos = m_objects.Find(pObject);
    if (pos != NULL)
        m_objects.RemoveAt(pos);
    if (CDrawViewBase* pView = GetActiveDrawView())
        pView->Deselect(pObject);
}

void CDrawDoc::ForgetObject(CDrawObject* pObject)
{
    if (pObject == NULL)
        return;
    CObList* lists[] = {&m_objects, &m_tempLabels, &m_timeLabels};
    for (CObList* pList : lists)
        while (POSITION pos = pList->Find(pObject))
            pList->RemoveAt(pos);
    if (CDrawViewBase* pView = GetActiveDrawView())
        pView->Deselect(pObject);
}
