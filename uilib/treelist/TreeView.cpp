#include "TreeView.h"

// The list's host forwards for the view come from ListView.cpp.
extern template class SECListBase<CView>;

// The tree over the view-hosted list.
IMPLEMENT_TEMPLATE_INSTANCE_CLASS(SECTreeBaseV, "SECTreeBaseV", RUNTIME_CLASS(SECListView))
template class SECTreeBase<SECListView>;

IMPLEMENT_DYNCREATE_ON_TEMPLATE(SECTreeView, SECTreeBaseV)

// The list's entries bind the tree's handlers where the tree has its own.
BEGIN_MESSAGE_MAP(SECTreeView, SECTreeBaseV)
SEC_LIST_VIEW_MESSAGE_ENTRIES()
END_MESSAGE_MAP()
