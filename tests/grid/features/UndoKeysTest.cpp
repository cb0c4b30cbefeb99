// Undo and redo from the keyboard: Ctrl+Z and Ctrl+R typed into a grid view of a frame with an
// Edit menu reach the view through the frame's accelerators, and the menu names the action.
#include "EditFrame.h"
#include "FeatureTestApp.h"
#include "grid/core/GridParam.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <string>

using namespace testing_support;

TEST(GridUndoKeys, CtrlZAndCtrlRUndoAndRedoInTheView)
{
    EditFrame f;
    CGXGridView& v = *f.pView;
    const int nOld = v.GetRowHeight(2);
    EXPECT_FALSE(f.IsItemEnabled(ID_EDIT_UNDO));
    ASSERT_TRUE(v.SetRowHeight(2, 2, nOld + 25));
    EXPECT_EQ("&R\xfc"
              "ckg\xe4"
              "ngig Zeilenh\xf6"
              "he \xe4"
              "ndern\tStrg+Z",
              f.ItemText(ID_EDIT_UNDO));

    PressKey('Z', true);
    PumpAsTheApplication(100);
    EXPECT_EQ(nOld, v.GetRowHeight(2));
    EXPECT_TRUE(ShowsFreshPaint(&v));
    EXPECT_TRUE(f.IsItemEnabled(ID_EDIT_REDO));

    PressKey('R', true);
    PumpAsTheApplication(100);
    EXPECT_EQ(nOld + 25, v.GetRowHeight(2));
    EXPECT_TRUE(ShowsFreshPaint(&v));
    EXPECT_FALSE(f.IsItemEnabled(ID_EDIT_REDO));
}
