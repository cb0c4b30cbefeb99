#include "Node.h"
#include "ListItem.h"

_Node::_Node()
{
    memset(&m_item, 0, sizeof(m_item));
    m_item.hItem = Handle();
    m_item.iImage = SEC_TREE_NO_IMAGE;
    m_item.iSelectedImage = SEC_TREE_NO_IMAGE;
}

_Node::~_Node()
{
    // Children first (they may look at their parent while going).
    DeleteChildren();
    ListText::Free(m_item.pszText);
}

void _Node::SetLabel(LPCSTR pszText)
{
    ListText::Free(m_item.pszText);
    m_item.pszText = ListText::Copy(pszText != nullptr ? pszText : "");
}
