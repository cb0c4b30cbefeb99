// The tree's cases on the view host.
#include "HostedViews.h"

#define TREE_HOST CHostedTreeView
#define TREELIST_CASES_NS on_view
#define TreeFixture TreeFixtureOnView
#include "TreeCases.inl"
