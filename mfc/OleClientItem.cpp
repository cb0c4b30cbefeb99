// COleClientItem: activation state of a document's item.
#include "OleClientItem.h"
#include "OleDocument.h"

IMPLEMENT_DYNAMIC(COleClientItem, CCmdTarget)

COleClientItem::COleClientItem(COleDocument* pContainerDoc)
    : m_pDocument(NULL), m_pView(NULL), m_nItemState(emptyState)
{
    if (pContainerDoc != NULL)
        pContainerDoc->AddItem(this);
}

COleClientItem::~COleClientItem()
{
    if (m_pDocument != NULL)
        m_pDocument->RemoveItem(this);
}

void COleClientItem::DeactivateUI()
{
    if (m_nItemState == activeUIState)
        m_nItemState = activeState;
}

void COleClientItem::Activate(LONG, CView* pView)
{
    if (m_nItemState == emptyState || pView == NULL)
        return;
    m_pView = pView;
    m_nItemState = activeState;
}

void COleClientItem::Deactivate()
{
    DeactivateUI();
    if (m_nItemState == activeState)
        m_nItemState = loadedState;
    m_pView = NULL;
}

void COleClientItem::Close()
{
    Deactivate();
    if (m_nItemState != emptyState)
        m_nItemState = loadedState;
}
