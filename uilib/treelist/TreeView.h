// SECTreeView: the tree hosted in a view. The engine is SECTreeBaseV (SECTreeBase over
// SECListView), so the tree prints like the list view; this class adds the run-time class and
// the message map.
#pragma once
#include "ListView.h"
#include "TreeBase.h"

typedef SECTreeBase<SECListView> SECTreeBaseV;

class SECTreeView : public SECTreeBaseV
{
    DECLARE_DYNCREATE(SECTreeView)

  public:
    SECTreeView() = default;

  protected:
    DECLARE_MESSAGE_MAP()
};
