// Label editing and item tips on the view host.
#include "HostedViews.h"

#define LIST_HOST CHostedListView
#define TREELIST_CASES_NS on_view
#define EditFixture EditFixtureOnView
#define TipFixture TipFixtureOnView
#include "ListEditTipCases.inl"
