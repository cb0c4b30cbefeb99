// The list's input cases on the view host.
#include "HostedViews.h"

#define LIST_HOST CHostedListView
#define TREELIST_CASES_NS on_view
#define InputFixture InputFixtureOnView
#include "ListInputCases.inl"
