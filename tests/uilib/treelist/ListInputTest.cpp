// The list under real input: the selection engine with keys and clicks, paging, the wheel,
// dialog keys, type-ahead, and the header (divider drag, column click, column reordering).
// These cases on the plain-window host.
#include "uilib/treelist/ListCtrl.h"

#define LIST_HOST SECListCtrl
#define TREELIST_CASES_NS on_window
#include "ListInputCases.inl"

TEST(ListHeaderDragImage, IsTheHeaderItemOnGrey)
{
    COwnerWnd owner;
    SECListCtrl list;
    ASSERT_TRUE(owner.CreateOwner(CRect(100, 100, 400, 300)));
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 280, 180), &owner, 5));
    list.AddColumn("A", LVCFMT_LEFT, 60);
    list.AddColumn("Beschreibung", LVCFMT_LEFT, 90);
    CImageList* pImage = list.CreateHeaderDragImage(1);
    ASSERT_NE(nullptr, pImage);
    EXPECT_EQ(1, pImage->GetImageCount());
    int cx = 0, cy = 0;
    ImageList_GetIconSize(pImage->GetSafeHandle(), &cx, &cy);
    EXPECT_EQ(90, cx);
    EXPECT_EQ(21, cy);
    delete pImage;
}
