// The list's data-model cases on the view host.
#include "HostedViews.h"

#define LIST_HOST CHostedListView
#define TREELIST_CASES_NS on_view
#define ListFixture ListFixtureOnView
#include "ListCoreCases.inl"
