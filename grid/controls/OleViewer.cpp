// The viewer interface's own operations.
#include "grid/controls/OleViewer.h"
#include "grid/core/Control.h"

void CGXOleViewer::Close()
{
    m_pOwner = NULL;
}

void CGXOleViewer::OnDataChanged()
{
    if (m_pOwner == NULL)
        return;
    m_pOwner->NotifyModified();
    m_pOwner->SetModify(TRUE);
}
