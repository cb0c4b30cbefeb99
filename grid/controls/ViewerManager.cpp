// The viewers of an OLE preview cell.
#include "grid/controls/ViewerManager.h"
#include "grid/controls/GenericViewerImpl.h"
#include "Object.h"

CGXViewerManager::CGXViewerManager(CObject* pContext) : m_pContext(pContext)
{
}

CGXViewerManager::~CGXViewerManager()
{
    delete m_pContext;
}

CGXOleViewer* CGXViewerManager::GetViewer(DWORD dwId)
{
    CGXOleViewer*& pViewer = m_nodes[dwId];
    if (pViewer == NULL)
        pViewer = new CGXGenericViewerImpl;
    return pViewer;
}
