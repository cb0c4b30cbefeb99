// Deep copies of parameter objects, styles maps and properties.
#include "FeatureTestApp.h"
#include "grid/core/GridParam.h"
#include "grid/formula/FormulaSheet.h"
#include "GridIds.h"
#include <gtest/gtest.h>

namespace
{
// A parameter object with its three objects, some of them only borrowed.
struct Source
{
    Source()
    {
        EnsureGridLibrary();
        map.CreateStandardStyles();
        param.SetStylesMapObject(&map, FALSE);
        param.SetPropertiesObject(new CGXProperties);
        param.SetDataObject(new CGXData);
        param.GetData()->ResizeRowCount(4);
        param.GetData()->StoreValueRowCol(2, 1, "zwei", gxOverride, 0);
        param.m_nFrozenRows = 2;
        param.m_bReadOnly = TRUE;
        param.m_sWindowSetting = "Quelle";
        param.m_CoveredCellsList.AddTail(new CGXCellRange(1, 1, 2, 3));
        param.m_RowHeights[3] = 777;
        param.m_abHiddenCols.Add(2);
        param.m_wMergeCellsMode = 2;
    }
    CGXStylesMap map;
    CGXGridParam param;
};
} // namespace

TEST(ParamCopy, ACopyIsDeepAndOwnsWhatItMade)
{
    Source src;
    CGXGridParam dest;
    dest.SetDataObject(new CGXData);
    dest.CopyFrom(src.param);
    ASSERT_TRUE(dest.GetStylesMap() != NULL && dest.GetData() != NULL && dest.GetProperties() != NULL);
    EXPECT_NE(&src.map, dest.GetStylesMap());
    EXPECT_NE(src.param.GetData(), dest.GetData());
    // The borrowed styles map's copy belongs to the destination (deleted with it).
    EXPECT_TRUE(dest.m_bOwnStylesMap && dest.m_bOwnData && dest.m_bOwnProperties);
    EXPECT_FALSE(dest.m_bOwnPrintDevice);
    EXPECT_TRUE(dest.m_bReadOnly);
    EXPECT_EQ(2u, dest.m_nFrozenRows);
    EXPECT_STREQ("Quelle", dest.m_sWindowSetting);
    EXPECT_EQ(1, dest.m_CoveredCellsList.GetCount());
    LONG n = 0;
    EXPECT_TRUE(dest.m_RowHeights.Lookup(3, n));
    EXPECT_EQ(777, n);
    EXPECT_EQ(1, dest.m_abHiddenCols.GetSize());
    EXPECT_EQ(2, dest.m_wMergeCellsMode);
    CGXStyle style;
    ASSERT_TRUE(dest.GetData()->GetStyleRowCol(2, 1, style, gxCopy, 0));
    EXPECT_STREQ("zwei", style.GetValue());

    // Changing a base style of the copy leaves the source's alone; the ids are the same.
    EXPECT_EQ(src.map.m_wStyleStandard, dest.GetStylesMap()->m_wStyleStandard);
    EXPECT_EQ(src.map.m_wStyleColHeader, dest.GetStylesMap()->m_wStyleColHeader);
    EXPECT_EQ(src.map.m_wStyleRowHeader, dest.GetStylesMap()->m_wStyleRowHeader);
    CGXStyle* pCopied = NULL;
    ASSERT_TRUE(dest.GetStylesMap()->LookupStyle(dest.GetStylesMap()->m_wStyleColHeader, pCopied));
    pCopied->SetValue("geändert");
    const CGXStyle* pOriginal = NULL;
    ASSERT_TRUE(src.map.LookupStyle(src.map.m_wStyleColHeader, pOriginal));
    EXPECT_FALSE(pOriginal->GetInclude(CGXStyle::ibValue));
}

TEST(ParamCopy, OntoItselfNothingChanges)
{
    Source src;
    CGXData* pData = src.param.GetData();
    src.param.CopyFrom(src.param);
    EXPECT_EQ(pData, src.param.GetData());
    EXPECT_EQ(&src.map, src.param.GetStylesMap());
    EXPECT_FALSE(src.param.m_bOwnStylesMap);
    CGXStyle style;
    ASSERT_TRUE(src.param.GetData()->GetStyleRowCol(2, 1, style, gxCopy, 0));
    EXPECT_STREQ("zwei", style.GetValue());
}

TEST(ParamCopy, AFormulaSheetIsCopiedAsOne)
{
    Source src;
    CGXFormulaSheet* pSheet = new CGXFormulaSheet;
    src.param.SetDataObject(pSheet);
    pSheet->SetExpressionRowCol(1, 1, "=2*3");
    CGXGridParam dest;
    dest.CopyFrom(src.param);
    ASSERT_TRUE(dest.GetData() != NULL);
    ASSERT_TRUE(dest.GetData()->IsKindOf(RUNTIME_CLASS(CGXFormulaSheet)));
    EXPECT_STREQ("=2*3", static_cast<CGXFormulaSheet*>(dest.GetData())->GetExpressionTextRowCol(1, 1));
}

TEST(ParamCopy, PropertiesAndStylesMapsAlone)
{
    EnsureGridLibrary();
    CGXProperties prop;
    prop.AddDefaultUserProperties();
    prop.m_anMargins[CGXProperties::marginLeft] = 3;
    prop.m_abPrintFlags[CGXProperties::printBlackWhite] = TRUE;
    prop.m_awRowBreaks.Add(5); // page breaks are not copied
    CGXProperties copy(prop);
    EXPECT_EQ(3, copy.m_anMargins[CGXProperties::marginLeft]);
    EXPECT_TRUE(copy.m_abPrintFlags[CGXProperties::printBlackWhite]);
    EXPECT_EQ(0, copy.m_awRowBreaks.GetSize());
    EXPECT_EQ(prop.GetColorCount(), copy.GetColorCount());
    EXPECT_TRUE(copy.GetUserProperty(GX_IDS_UA_MARKER).IsEqual(prop.GetUserProperty(GX_IDS_UA_MARKER)));
    EXPECT_NE(&copy.GetUserProperty(GX_IDS_UA_MARKER), &prop.GetUserProperty(GX_IDS_UA_MARKER));
    CGXStyle header;
    ASSERT_TRUE(copy.m_headerFooter[1].GetStyleRowCol(1, 2, header, gxCopy, 0));
    EXPECT_STREQ("$R", header.GetValue());

    CGXStylesMap map;
    map.CreateStandardStyles();
    map.RegisterStyle("Eigen", CGXStyle().SetValue("e"));
    CGXStylesMap mapCopy(map);
    EXPECT_EQ(map.GetCount(), mapCopy.GetCount());
    EXPECT_EQ(map.GetBaseStyleId("Eigen"), mapCopy.GetBaseStyleId("Eigen"));
    EXPECT_EQ(map.GetUserAttributeMap().size(), mapCopy.GetUserAttributeMap().size());
    EXPECT_EQ(4, mapCopy.RegisterStyle("Neu", CGXStyle()));
}
