// What the list and tree views put on the screen.
#include "HostedViews.h"

#define LIST_HOST CHostedListView
#define LIST_ENGINE SECListBaseV
#define TREE_HOST CHostedTreeView
#define TREELIST_CASES_NS on_view
#define PaintFixture PaintFixtureOnView
#define ListPaint ListPaintOnView
#define TreePaint TreePaintOnView
#include "PaintCases.inl"
