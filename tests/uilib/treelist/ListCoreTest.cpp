// The list's data model: rows, sub-items, columns, selection bookkeeping, bad indices, texts.
// These cases on the plain-window host.
#include "uilib/treelist/ListCtrl.h"

#define LIST_HOST SECListCtrl
#define TREELIST_CASES_NS on_window
#include "ListCoreCases.inl"

TEST_F(ListFixture, RunTimeClassesOfTheEngineInstances)
{
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(SECListCtrl)));
    EXPECT_TRUE(list.IsKindOf(&SECListBaseC::classTemplateInstance));
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CWnd)));
    CObject* p = RUNTIME_CLASS(SECListCtrl)->CreateObject();
    EXPECT_NE(nullptr, dynamic_cast<SECListCtrl*>(p));
    delete p;
}
