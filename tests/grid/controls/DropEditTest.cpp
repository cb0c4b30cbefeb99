// The drop-down button of an edit window: it takes its strip off the client area, reports a
// click released over it to the parent, and none for a press released elsewhere.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/DropEdit.h"
#include "GridIds.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
class CClickParent : public CShownTestWindow
{
  public:
    CClickParent() : CShownTestWindow(_T("Knopf"))
    {
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        {
            nClicks++;
            nLastId = LOWORD(wParam);
            hLastWnd = (HWND)lParam;
        }
        return CShownTestWindow::WindowProc(message, wParam, lParam);
    }
    int nClicks = 0;
    int nLastId = 0;
    HWND hLastWnd = NULL;
};

struct DropEditFixture : ::testing::Test
{
    DropEditFixture()
    {
        EnsureGridLibrary();
        edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(10, 10, 210, 34), &parent, 7);
        PumpMessages(30);
    }
    int ClientWidth()
    {
        CRect rc;
        edit.GetClientRect(rc);
        return rc.Width();
    }
    CClickParent parent;
    CGXBDropEdit edit;
};

TEST_F(DropEditFixture, TheButtonTakesItsStripOffTheClientArea)
{
    int cxWithout = ClientWidth();
    EXPECT_TRUE(edit.GetButtonRect().IsRectEmpty());
    ASSERT_TRUE(edit.SetButtonBitmap((UINT)GX_IDB_DROPDOWN));
    ASSERT_EQ((UINT)GX_IDB_DROPDOWN, edit.GetButtonBitmapId());
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(GX_IDB_DROPDOWN));
    BITMAP bm = {};
    bitmap.GetBitmap(&bm);
    EXPECT_EQ(cxWithout - (bm.bmWidth + 6), ClientWidth());
    EXPECT_EQ(bm.bmWidth + 6, edit.GetButtonRect().Width());
    // No border: the strip ends at the window's right edge, in the parent's coordinates.
    EXPECT_EQ(CRect(210 - (bm.bmWidth + 6), 10, 210, 34), edit.GetButtonRect());

    EXPECT_TRUE(edit.SetButtonBitmap(12345u));
    EXPECT_EQ(0u, edit.GetButtonBitmapId());
    EXPECT_EQ(cxWithout, ClientWidth());
    EXPECT_TRUE(edit.GetButtonRect().IsRectEmpty());
}

TEST_F(DropEditFixture, AClickOnTheButtonIsReportedToTheParent)
{
    ASSERT_TRUE(edit.SetButtonBitmap((UINT)GX_IDB_DROPDOWN));
    PumpMessages(30);
    CPoint pt = edit.GetButtonRect().CenterPoint();
    ClickAt(&parent, pt);
    EXPECT_EQ(1, parent.nClicks);
    EXPECT_EQ(7, parent.nLastId);
    EXPECT_EQ(edit.GetSafeHwnd(), parent.hLastWnd);
    EXPECT_EQ(0, edit.GetButtonState() & (CGXBDropEdit::statePressed | CGXBDropEdit::stateTracking));

    // Pressed on the button, released over the text: no click. (Past the double-click time,
    // so that the press is a press of its own.)
    PumpMessages(::GetDoubleClickTime() + 50);
    CPoint ptDown = pt, ptUp(20, 20);
    parent.ClientToScreen(&ptDown);
    parent.ClientToScreen(&ptUp);
    MoveMouseTo(ptDown);
    SendLeftButton(true);
    PumpMessages(40);
    EXPECT_NE(0, edit.GetButtonState() & CGXBDropEdit::statePressed);
    MoveMouseTo(ptUp);
    PumpMessages(40);
    EXPECT_EQ(0, edit.GetButtonState() & CGXBDropEdit::statePressed);
    SendLeftButton(false);
    PumpMessages(60);
    EXPECT_EQ(1, parent.nClicks);
    EXPECT_EQ(0, edit.GetButtonState() & CGXBDropEdit::stateTracking);
}

TEST_F(DropEditFixture, AQuickSecondPressOnTheButtonIsAClickToo)
{
    ASSERT_TRUE(edit.SetButtonBitmap((UINT)GX_IDB_DROPDOWN));
    PumpMessages(::GetDoubleClickTime() + 50);
    CPoint pt = edit.GetButtonRect().CenterPoint();
    ClickAt(&parent, pt);
    ClickAt(&parent, pt);
    EXPECT_EQ(2, parent.nClicks);
    EXPECT_EQ(0, edit.GetButtonState() & (CGXBDropEdit::statePressed | CGXBDropEdit::stateTracking));
}
} // namespace
