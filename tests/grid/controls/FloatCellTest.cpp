// Which cells float into their empty neighbours and which may be floated over: static and header
// cells ask the float-cells component (nothing without it), edit cells answer from their value,
// controls that draw something else never float.
#include "ControlsTestApp.h"
#include "GridIds.h"
#include <gtest/gtest.h>

TEST(GridFloatCell, StaticCellsAskTheFloatComponentOtherControlsRefuse)
{
    GridWindow w(300, 120);
    CGXGridWnd& g = *w.grid;
    ASSERT_NE(nullptr, g.m_pFloatCellsImp);
    CGXStyle rotated;
    rotated.MergeFont(CGXFont().SetOrientation(900), gxOverride);
    struct
    {
        const char* name;
        WORD nControl;
        const char* pszValue;
        bool bRotated;
        BOOL bSource, bTarget; // floats into neighbours, may be floated over
    } cases[] = {
        {"static text", GX_IDS_CTRL_STATIC, "Text", false, TRUE, FALSE},
        {"static empty", GX_IDS_CTRL_STATIC, "", false, FALSE, TRUE},
        {"static rotated", GX_IDS_CTRL_STATIC, "Text", true, FALSE, FALSE},
        {"header text", GX_IDS_CTRL_HEADER, "Kopf", false, TRUE, FALSE},
        {"edit text", GX_IDS_CTRL_EDIT, "Text", false, TRUE, FALSE},
        {"edit empty", GX_IDS_CTRL_EDIT, "", false, FALSE, TRUE},
        {"check box", GX_IDS_CTRL_CHECKBOX, "1", false, FALSE, FALSE},
        {"check box empty", GX_IDS_CTRL_CHECKBOX, "", false, FALSE, FALSE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CGXStyle style = c.bRotated ? rotated : CGXStyle();
        style.SetValue(c.pszValue);
        CGXControl* pControl = g.GetRegisteredControl(c.nControl);
        ASSERT_NE(nullptr, pControl);
        EXPECT_EQ(c.bSource, pControl->CanFloatCell(1, 1, style, TRUE));
        EXPECT_EQ(c.bTarget, pControl->CanFloatCell(1, 1, style, FALSE));
    }
    // Without the component no static cell floats or is floated over.
    CGXAbstractGridFloatCellsImp* pImp = g.m_pFloatCellsImp;
    g.m_pFloatCellsImp = NULL;
    CGXControl* pStatic = g.GetRegisteredControl(GX_IDS_CTRL_STATIC);
    EXPECT_FALSE(pStatic->CanFloatCell(1, 1, CGXStyle().SetValue("Text"), TRUE));
    EXPECT_FALSE(pStatic->CanFloatCell(1, 1, CGXStyle().SetValue(""), FALSE));
    g.m_pFloatCellsImp = pImp;
}
