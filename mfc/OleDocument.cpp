// COleDocument: the items of a container document through the close sequence.
#include "OleDocument.h"
#include "OleClientItem.h"
#include "FrameWnd.h"
#include "View.h"

IMPLEMENT_DYNAMIC(COleDocument, CDocument)

COleDocument::COleDocument()
{
}

COleDocument::~COleDocument()
{
    while (!m_docItemList.IsEmpty())
        delete static_cast<COleClientItem*>(m_docItemList.GetHead()); // removes itself
}

void COleDocument::AddItem(COleClientItem* pItem)
{
    ASSERT(pItem->m_pDocument == NULL);
    m_docItemList.AddTail(pItem);
    pItem->m_pDocument = this;
}

void COleDocument::RemoveItem(COleClientItem* pItem)
{
    POSITION pos = m_docItemList.Find(pItem);
    if (pos != NULL)
        m_docItemList.RemoveAt(pos);
    pItem->m_pDocument = NULL;
}

COleClientItem* COleDocument::GetNextClientItem(POSITION& pos) const
{
    return pos != NULL ? static_cast<COleClientItem*>(m_docItemList.GetNext(pos)) : NULL;
}

COleClientItem* COleDocument::GetInPlaceActiveItem(CWnd* pWnd)
{
    for (POSITION pos = GetStartPosition(); pos != NULL;)
    {
        COleClientItem* pItem = GetNextClientItem(pos);
        if (pItem->IsInPlaceActive() && pItem->m_pView != NULL && pItem->m_pView == pWnd)
            return pItem;
    }
    return NULL;
}

BOOL COleDocument::CanCloseFrame(CFrameWnd* pFrame)
{
    // Items active in views of the closing frame are deactivated before it may go.
    for (POSITION pos = GetStartPosition(); pos != NULL;)
    {
        COleClientItem* pItem = GetNextClientItem(pos);
        if (pItem->IsInPlaceActive() && pItem->m_pView != NULL && pItem->m_pView->GetParentFrame() == pFrame)
            pItem->Deactivate();
    }
    return CDocument::CanCloseFrame(pFrame);
}

void COleDocument::OnCloseDocument()
{
    for (POSITION pos = GetStartPosition(); pos != NULL;)
        GetNextClientItem(pos)->Close();
    CDocument::OnCloseDocument();
}

void COleDocument::DeleteContents()
{
    while (!m_docItemList.IsEmpty())
        delete static_cast<COleClientItem*>(m_docItemList.GetHead());
    CDocument::DeleteContents();
}
