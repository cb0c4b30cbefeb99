// OLE preview cells.
#include "grid/controls/OlePreview.h"
#include "grid/controls/GenericViewerImpl.h"
#include "grid/controls/HotSpotButton.h"
#include "grid/controls/OleVarUserAttribute.h"
#include "grid/controls/ViewerManager.h"
#include "grid/core/AppData.h"
#include "grid/core/BrowserGrid.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"
#include "MessageSink.h"
#include <stdlib.h>

GX_IMPLEMENT_CONTROL(CGXOlePreview, CGXStatic)

CGXOlePreview::CGXOlePreview(CGXGridCore* pGrid, CObject* pContext)
    : CGXStatic(pGrid), m_pButton(new CGXHotSpotButton(this)),
      m_pViewerManager(new CGXViewerManager(pContext != NULL ? pContext : new CGXViewerContext))
{
    AddChild(m_pButton);
}

CGXOlePreview::~CGXOlePreview()
{
    delete m_pViewerManager;
}

void CGXOlePreview::SetActive(BOOL bActive)
{
    m_bActive = bActive;
}

BOOL CGXOlePreview::IsActive()
{
    return m_bActive;
}

void CGXOlePreview::SetModify(BOOL bModified)
{
    m_bModified = bModified;
}

BOOL CGXOlePreview::GetModify()
{
    return m_bModified;
}

void CGXOlePreview::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXStatic::Init(nRow, nCol);
    m_bActive = FALSE;
    m_bModified = FALSE;
    CWnd* pWnd = m_pGrid->GridWnd();
    if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
        pWnd->InvalidateRect(m_pButton->GetRect(), TRUE);
    Refresh();
}

CRect CGXOlePreview::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem, const CGXStyle* pStyle)
{
    CRect rect = CGXStatic::GetCellRect(nRow, nCol, rectItem, pStyle);
    rect.right -= CGXHotSpotButton::s_nCellWidth;
    return rect;
}

CSize CGXOlePreview::AddBorders(CSize size, const CGXStyle& style)
{
    return CGXStatic::AddBorders(CSize(size.cx + CGXHotSpotButton::s_nCellWidth, size.cy), style);
}

void CGXOlePreview::LayoutChildren(ROWCOL, ROWCOL, const CRect& rect)
{
    m_pButton->LayoutInCell(rect);
}

BOOL CGXOlePreview::LButtonDblClk(UINT nFlags, CPoint pt)
{
    return CGXStatic::LButtonDblClk(nFlags, pt);
}

CGXOleViewer* CGXOlePreview::GetViewer()
{
    const CGXStyle& style = LoadStyle();
    CGXBrowserGrid* pBrowser = dynamic_cast<CGXBrowserGrid*>(m_pGrid);
    if (pBrowser == NULL)
        return NULL;
    DWORD dwId = (DWORD)-1;
    if (style.HasUserAttribute(GX_IDS_UA_VIEWER_ID) &&
        !style.GetUserAttribute(GX_IDS_UA_VIEWER_ID).IsEmptyValue())
        dwId = (DWORD)atol(style.GetUserAttribute(GX_IDS_UA_VIEWER_ID).GetValueText());
    CGXOleViewer* pViewer = m_pViewerManager->GetViewer(dwId);
    pBrowser->OnGetViewer(m_nRow, m_nCol, dwId, pViewer);
    return pViewer;
}

BOOL CGXOlePreview::HasByteArrayValue()
{
    const CGXStyle& style = LoadStyle();
    if (!style.HasUserAttribute(GX_IDS_UA_DAOBITMAP))
        return FALSE;
    const CGXAbstractUserAttribute& attribute = style.GetUserAttribute(GX_IDS_UA_DAOBITMAP);
    if (!attribute.IsKindOf(RUNTIME_CLASS(CGXOleVarUserAttribute)))
        return FALSE;
    const VARIANT* pVar = ((const CGXOleVarUserAttribute&)attribute).GetVariant();
    return pVar != NULL && pVar->vt == (VT_ARRAY | VT_UI1);
}

void CGXOlePreview::RaisePopupFlag()
{
    m_bSavedPopup = GXIsPopupActive();
    GXSetPopupActive(TRUE);
}

void CGXOlePreview::RestorePopupFlag()
{
    GXSetPopupActive(m_bSavedPopup);
    m_bSavedPopup = FALSE;
}

HWND CGXOlePreview::BeginViewerPopup()
{
    m_pGrid->m_bViewerPopup = TRUE;
    HWND hFocus = ::GetFocus();
    MSG msg;
    while (hFocus != NULL && ::PeekMessage(&msg, hFocus, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
        ;
    ROWCOL nRow, nCol;
    if (m_pGrid->GetCurrentCell(nRow, nCol))
        m_pGrid->SetCurrentCell(nRow, nCol, 2);
    return hFocus;
}

void CGXOlePreview::EndViewerPopup(HWND hFocus)
{
    m_pGrid->m_bAfterViewerPopup = TRUE;
    if (hFocus != NULL && ::IsWindow(hFocus))
    {
        ::SetFocus(hFocus);
        CWnd* pWnd = m_pGrid->GridWnd();
        HWND hGrid = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
        if (hFocus != hGrid && !::IsChild(hGrid, hFocus))
            m_pGrid->m_bFocusLeftGrid = TRUE;
    }
    m_pGrid->m_bViewerPopup = FALSE;
}

void CGXOlePreview::ShowAlreadyOpen()
{
    AfxMessageBox(GX_IDS_OLE_ALREADYOPEN);
    if (m_pOpenViewer != NULL)
        m_pOpenViewer->ShowObject();
}

BOOL CGXOlePreview::OnClickedButton(CGXChild* pChild)
{
    CGXStatic::OnClickedButton(pChild);
    if (!BeginEditing())
        return TRUE;
    if (m_pOpenViewer != NULL && m_pOpenViewer->GetOleObject() != NULL)
    {
        m_pOpenViewer->ShowObject();
        return TRUE;
    }
    CGXOleViewer* pViewer = GetViewer();
    if (pViewer == NULL)
        return TRUE;
    HWND hFocus = BeginViewerPopup();
    SetActive(TRUE);
    RaisePopupFlag();
    pViewer->Open(LoadStyle(), m_pGrid, this, TRUE);
    EndViewerPopup(hFocus);
    m_pOpenViewer = pViewer;
    return TRUE;
}

BOOL CGXOlePreview::Store()
{
    if (m_pStyle == NULL || !GetModify() || !IsInit())
        return TRUE;
    SetActive(FALSE);
    if (m_pOpenViewer != NULL)
    {
        // A copy of the attribute the cell has (or a new one) takes the viewer's value.
        CGXOleVarUserAttribute* pAttribute = NULL;
        if (m_pStyle->HasUserAttribute(GX_IDS_UA_DAOBITMAP) &&
            m_pStyle->GetUserAttribute(GX_IDS_UA_DAOBITMAP).IsKindOf(RUNTIME_CLASS(CGXOleVarUserAttribute)))
            pAttribute = (CGXOleVarUserAttribute*)m_pStyle->GetUserAttribute(GX_IDS_UA_DAOBITMAP).Clone();
        if (pAttribute == NULL)
            pAttribute = new CGXOleVarUserAttribute;
        pAttribute->SetValue(m_pOpenViewer->GetVariant());
        pAttribute->m_bFromViewer = TRUE;
        m_pStyle->SetUserAttribute(GX_IDS_UA_DAOBITMAP, *pAttribute);
        delete pAttribute;
    }
    return m_pGrid->SetStyleRange(CGXCellRange(m_nRow, m_nCol), m_pStyle, gxOverride);
}

BOOL CGXOlePreview::EndEditing()
{
    if (m_pOpenViewer != NULL)
    {
        m_pOpenViewer->Close();
        m_pOpenViewer->Reset();
    }
    return CGXStatic::EndEditing();
}

BOOL CGXOlePreview::QueryGridEditHook(int nArg1, int nArg2)
{
    if (m_pOpenViewer != NULL)
    {
        m_pOpenViewer->Close();
        m_pOpenViewer->Reset();
        m_pOpenViewer = NULL;
    }
    return CGXStatic::QueryGridEditHook(nArg1, nArg2);
}

HRESULT CGXOlePreview::PutOnClipboard(IDataObject* pDataObject)
{
    HRESULT hr = ::OleSetClipboard(pDataObject);
    if (SUCCEEDED(hr))
        hr = ::OleFlushClipboard();
    pDataObject->Release();
    return hr;
}

BOOL CGXOlePreview::Copy()
{
    if (m_pOpenViewer != NULL)
    {
        ShowAlreadyOpen();
        return FALSE;
    }
    CGXOleViewer* pViewer = GetViewer();
    if (pViewer == NULL)
        return FALSE;
    IDataObject* pDataObject = pViewer->GetDataObject(LoadStyle(), m_pGrid, this);
    if (pDataObject == NULL)
    {
        AfxMessageBox(GX_IDS_OLE_COPYFAILED);
        return FALSE;
    }
    HRESULT hr = PutOnClipboard(pDataObject);
    if (FAILED(hr))
    {
        CGXGenericViewerImpl::ShowResultText(hr);
        AfxMessageBox(GX_IDS_OLE_COPYFAILED);
        return FALSE;
    }
    pViewer->Close();
    pViewer->Reset();
    return TRUE;
}

BOOL CGXOlePreview::Cut()
{
    if (m_pOpenViewer != NULL)
    {
        ShowAlreadyOpen();
        return FALSE;
    }
    if (!BeginEditing())
        return FALSE;
    SetActive(TRUE);
    CGXOleViewer* pViewer = GetViewer();
    IDataObject* pDataObject = NULL;
    if (pViewer != NULL)
    {
        pViewer->m_pOwner = this;
        pDataObject = pViewer->GetDataObjectForCut(LoadStyle(), m_pGrid, this);
    }
    if (pDataObject == NULL || FAILED(PutOnClipboard(pDataObject)))
    {
        AfxMessageBox(GX_IDS_OLE_CUTFAILED);
        return FALSE;
    }
    pViewer->Close();
    m_pOpenViewer = pViewer;
    return TRUE;
}

BOOL CGXOlePreview::Paste()
{
    if (m_pOpenViewer != NULL)
    {
        ShowAlreadyOpen();
        return FALSE;
    }
    if (!BeginEditing())
        return FALSE;
    CGXOleViewer* pViewer = GetViewer();
    if (pViewer == NULL)
        return FALSE;
    SetActive(TRUE);
    pViewer->m_pOwner = this;
    if (pViewer->CreateFromClipboard() != NULL)
    {
        m_pOpenViewer = pViewer;
        pViewer->OnDataChanged();
        SetModify(TRUE);
        return TRUE;
    }
    AfxMessageBox(GX_IDS_OLE_WRONGFORMAT);
    pViewer->Reset();
    pViewer->m_pOwner = NULL;
    return FALSE;
}

BOOL CGXOlePreview::CanCopy()
{
    if (m_pOpenViewer != NULL)
        return FALSE;
    CGXOleViewer* pViewer = GetViewer();
    if (pViewer != NULL && pViewer->IsByteArray())
        return TRUE;
    return HasByteArrayValue();
}

BOOL CGXOlePreview::CanCut()
{
    return CanCopy();
}

BOOL CGXOlePreview::CanPaste()
{
    if (m_pOpenViewer != NULL)
        return FALSE;
    CGXOleViewer* pViewer = GetViewer();
    return pViewer != NULL && pViewer->IsClipboardAvailable();
}

BOOL CGXOlePreview::KeyDown(UINT nMessage, UINT nChar, UINT nFlags)
{
    if (nChar != VK_DELETE || ::GetKeyState(VK_CONTROL) < 0)
        return CGXStatic::KeyDown(nMessage, nChar, nFlags);
    if (m_pOpenViewer != NULL)
    {
        ShowAlreadyOpen();
        return FALSE;
    }
    if (!BeginEditing())
        return TRUE;
    CGXOleViewer* pViewer = GetViewer();
    if (pViewer == NULL)
        return FALSE;
    SetActive(TRUE);
    pViewer->m_pOwner = this;
    pViewer->Reset();
    m_pOpenViewer = pViewer;
    SetModify(TRUE);
    m_pGrid->TransferCurrentCell(TRUE, 2, TRUE);
    return TRUE;
}
