// Styles map, properties and parameter object: standard styles, registration limits, defaults.
#include "grid/core/GridParam.h"
#include "grid/core/FontFaceTable.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <functional>
#include <stdio.h>

TEST(StylesMap, StandardStyles)
{
    CGXStylesMap map;
    map.CreateStandardStyles();
    EXPECT_EQ(0, map.m_wStyleStandard);
    EXPECT_EQ(1, map.m_wStyleColHeader);
    EXPECT_EQ(2, map.m_wStyleRowHeader);

    struct Case
    {
        WORD id;
        const char* name;
        UINT resourceId;
    } cases[] = {
        {0, "Standard", GX_IDS_STYLE_STANDARD},
        {1, "Spaltenkopf", GX_IDS_STYLE_COLHEADER},
        {2, "Zeilenkopf", GX_IDS_STYLE_ROWHEADER},
    };
    for (const Case& c : cases)
    {
        CString name;
        UINT res = 0;
        EXPECT_TRUE(map.GetStyleName(c.id, name, res));
        EXPECT_EQ(CString(c.name), name);
        EXPECT_EQ(c.resourceId, res);
        EXPECT_EQ(c.id, map.GetBaseStyleId(c.name));
        EXPECT_EQ(c.id, map.GetBaseStyleIdFromResource(c.resourceId));
        EXPECT_TRUE(map.IsSystemStyle(c.id));
    }

    const CGXStyle* pStd = NULL;
    ASSERT_TRUE(map.LookupStyle(0, pStd));
    CGXFont font;
    pStd->GetFont(font);
    EXPECT_DOUBLE_EQ(8.0, font.GetSize());
    EXPECT_EQ(CString("Arial"), font.GetFaceName());
    EXPECT_EQ(GX_IDS_CTRL_EDIT, pStd->GetControl());

    const CGXStyle* pCol = NULL;
    ASSERT_TRUE(map.LookupStyle(1, pCol));
    pCol->GetFont(font);
    EXPECT_EQ(700, font.GetWeight());
    EXPECT_FALSE(font.GetIncludeSize());
    EXPECT_EQ((DWORD)DT_CENTER, pCol->GetHorizontalAlignment());
    EXPECT_EQ((DWORD)DT_VCENTER, pCol->GetVerticalAlignment());
    EXPECT_EQ(GX_IDS_CTRL_HEADER, pCol->GetControl());
    EXPECT_EQ(0xEFu, pCol->GetInterior().GetBackColorValue() >> 24);
    EXPECT_FALSE(pCol->GetInclude(CGXStyle::ibBorders));

    const CGXStyle* pRow = NULL;
    ASSERT_TRUE(map.LookupStyle(2, pRow));
    EXPECT_FALSE(pRow->GetInclude(CGXStyle::ibFont));
    EXPECT_FALSE(pRow->GetInclude(CGXStyle::ibHorzAlign));
    EXPECT_EQ(GX_IDS_CTRL_HEADER, pRow->GetControl());

    // Iteration in name order.
    POSITION pos = map.GetStartPosition();
    CString names;
    while (pos != NULL)
    {
        WORD id;
        CString name;
        UINT res;
        const CGXStyle* p;
        map.GetNextStyle(pos, id, name, res, p);
        names += name + ";";
    }
    EXPECT_EQ(CString("Spaltenkopf;Standard;Zeilenkopf;"), names);
}

TEST(StylesMap, NullBordersWithLibraryDefaults)
{
    GXSetParamDefaults(TRUE, FALSE, TRUE);
    CGXStylesMap map;
    map.CreateStandardStyles();
    GXSetParamDefaults(FALSE, FALSE, FALSE);
    CGXStyle* p = NULL;
    ASSERT_TRUE(map.LookupStyle(map.m_wStyleRowHeader, p));
    EXPECT_TRUE(p->HasBorder(CGXStyle::sideLeft));
    EXPECT_EQ((UINT)PS_NULL, p->GetBorder(CGXStyle::sideLeft).GetStyle());
}

TEST(StylesMap, RegistrationByNameAndResource)
{
    CGXStylesMap map;
    CGXStyle a;
    a.SetValue("a");
    WORD id = map.RegisterStyle("Mine", a);
    EXPECT_EQ(0, id);
    a.SetValue("b");
    EXPECT_EQ(id, map.RegisterStyle("Mine", a)); // same name: same id, style replaced
    const CGXStyle* p = NULL;
    ASSERT_TRUE(map.LookupStyle(id, p));
    EXPECT_EQ(CString("b"), p->GetValue());
    EXPECT_EQ(1, map.GetCount());

    WORD idRes = map.RegisterStyle(61234, a); // no such string
    CString name;
    UINT res;
    EXPECT_TRUE(map.GetStyleName(idRes, name, res));
    EXPECT_EQ(CString("UA61234"), name);
    EXPECT_EQ(61234u, res);
    EXPECT_EQ(idRes, map.RegisterStyle(61234, a));
    EXPECT_EQ(0, map.GetBaseStyleId("unknown"));
    EXPECT_FALSE(map.GetStyleName(200, name, res));
    EXPECT_TRUE(name.IsEmpty());
    EXPECT_EQ(0u, res);

    map.RemoveAll();
    EXPECT_EQ(0, map.RegisterStyle("Again", a));
}

TEST(StylesMap, NoIdBeyondEightBits)
{
    CGXStylesMap map;
    map.CreateStandardStyles();
    CGXStyle s;
    for (int i = 3; i <= 255; i++)
    {
        char sz[16];
        sprintf(sz, "S%d", i);
        ASSERT_EQ(i, map.RegisterStyle(sz, s));
    }
    struct Attempt
    {
        const char* what;
        std::function<void()> fn;
    } attempts[] = {
        {"by name", [&] { map.RegisterStyle("S256", s); }},
        {"by resource", [&] { map.RegisterStyle(61999, s); }},
    };
    for (const Attempt& a : attempts)
    {
        bool bThrown = false;
        try
        {
            a.fn();
        }
        catch (CNotSupportedException* e)
        {
            bThrown = true;
            e->Delete();
        }
        EXPECT_TRUE(bThrown) << a.what;
        EXPECT_EQ(256, map.GetCount()) << a.what;
    }
    EXPECT_EQ(0, map.GetBaseStyleId("S256"));
    EXPECT_EQ(0, map.GetBaseStyleIdFromResource(61999));
    // A known name can still be registered again.
    EXPECT_EQ(255, map.RegisterStyle("S255", s));
    const CGXStyle* pStd = NULL;
    ASSERT_TRUE(map.LookupStyle(0, pStd));
    EXPECT_EQ(GX_IDS_CTRL_EDIT, pStd->GetControl()); // "Standard" was not overwritten
}

TEST(StylesMap, UserAttributesAndControlNames)
{
    CGXStylesMap map;
    CGXStyle def;
    def.SetValue("5");
    const CGXStylesMap::UserAttrInfo* p = map.AddUserAttribute(GX_IDS_UA_VALID_MIN, &def);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(CString("Valid: Min. Wert"), p->sName);
    EXPECT_EQ(CString("5"), p->pStyle->GetValue());
    EXPECT_EQ(p, map.AddUserAttribute(GX_IDS_UA_VALID_MIN));
    EXPECT_EQ(CString("Checkbox: Ja-Wert "), map.AddUserAttribute(GX_IDS_UA_CHECKBOX_CHECKED)->sName);

    bool bThrown = false;
    try
    {
        map.AddUserAttribute(61777);
    }
    catch (CResourceException* e)
    {
        bThrown = true;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(2u, map.GetUserAttributeMap().size());

    map.AddControlName(GX_IDS_STYLE_STANDARD);
    EXPECT_EQ(CString("Standard"), map.GetControlNameMap().at(GX_IDS_STYLE_STANDARD));
}

TEST(Properties, Defaults)
{
    CGXProperties prop;
    ASSERT_EQ(5, prop.GetColorCount());
    const char* names[] = {"Trennlinien", "Fixierte Spalten",
                           "Gr\xf6\xdf"
                           "e \xe4ndern" /* ANSI code page */,
                           "Verschieben", "Hintergrund"};
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(CString(names[i]), prop.GetColorName(i)) << i;
    EXPECT_EQ(GXSYSCOLOR(COLOR_GRAYTEXT), prop.GetColor(0));
    EXPECT_EQ(GXSYSCOLOR(COLOR_ACTIVECAPTION), prop.GetColor(1));
    EXPECT_EQ(RGB(255, 0, 0), prop.GetColor(2));
    EXPECT_EQ(RGB(255, 0, 0), prop.GetColor(3));
    EXPECT_EQ(GXSYSCOLOR(COLOR_BTNFACE), prop.GetColor(4));
    EXPECT_EQ(0u, prop.GetColor(5));
    EXPECT_EQ(0u, prop.GetColor(-1));

    EXPECT_EQ(0, prop.AddColor(GX_IDS_COLOR_GRIDLINES, RGB(1, 2, 3))); // the first value stays
    EXPECT_EQ(GXSYSCOLOR(COLOR_GRAYTEXT), prop.GetColor(0));
    EXPECT_EQ(5, prop.AddColor(GX_IDS_STYLE_STANDARD, RGB(1, 2, 3)));
    EXPECT_EQ(CString("Standard"), prop.GetColorName(5));

    const CStringArray& tokens = prop.GetTokenArray();
    ASSERT_EQ(6, tokens.GetSize());
    EXPECT_EQ(CString("$F"), tokens[0]);
    EXPECT_EQ(CString("$R"), tokens[5]);
    EXPECT_EQ(6, prop.AddToken("$X"));

    int d = GXGetFontFaceTable()->GetHorzResolution();
    EXPECT_EQ((int)(d + 0.51), prop.m_anMargins[0]);
    EXPECT_EQ((int)(d * 1.5 + 0.51), prop.m_anMargins[2]);
    EXPECT_EQ((int)(d * 0.4 + 0.51), prop.m_anMargins[5]);
    EXPECT_EQ(CString("Grid"), prop.m_sSection);
    EXPECT_EQ(CString("Kein Rahmen."), prop.m_sMarkerNone);

    CGXData& second = prop.GetHeaderFooterBlock(1);
    EXPECT_EQ(10u, second.QueryRowCount());
    EXPECT_EQ(3u, second.QueryColumnCount());
    CGXStyle s;
    ASSERT_TRUE(second.GetStyleRowCol(1, 2, s, gxCopy, 0));
    EXPECT_EQ(CString("$R"), s.GetValue());
    CGXFont f;
    s.GetFont(f);
    EXPECT_DOUBLE_EQ(16.0, f.GetSize());
    EXPECT_EQ(700, f.GetWeight());
    CGXData& first = prop.GetHeaderFooterBlock(0);
    ASSERT_TRUE(first.GetStyleRowCol(1, 3, s, gxCopy, 0));
    EXPECT_EQ(CString("$P/$N"), s.GetValue());
}

TEST(Properties, UserProperties)
{
    CGXProperties prop;
    EXPECT_TRUE(prop.GetUserProperty(GX_IDS_UA_MARKER).IsEmpty());
    prop.AddDefaultUserProperties();
    const CGXStyle& marker = prop.GetUserProperty(GX_IDS_UA_MARKER);
    EXPECT_EQ(GX_IDS_CTRL_CBS_DROPDOWNLIST, marker.GetControl());
    EXPECT_EQ(CString("Invertiert (normal)."), marker.GetValue());
    EXPECT_EQ(
        CString("Invertiert (normal).\nInvertiert (fett).\nRahmen (normal).\nRahmen (fett).\nKein Rahmen."),
        marker.GetChoiceList());
    EXPECT_EQ(CString("Eingabestelle."), prop.GetUserPropertyInfoMap().at(GX_IDS_UA_MARKER)->sName);
    CGXStyle other;
    other.SetValue("x");
    prop.AddUserProperty(61555, other);
    EXPECT_EQ(CString("USERPROP61555"), prop.GetUserPropertyInfoMap().at(61555)->sName);
    prop.ClearColorsAndUserProperties();
    EXPECT_EQ(0, prop.GetColorCount());
    EXPECT_TRUE(prop.GetUserPropertyInfoMap().empty());
}

TEST(GridParam, DefaultsAndOwnership)
{
    CGXGridParam* pParam = new CGXGridParam;
    EXPECT_EQ(nullptr, pParam->GetData());
    EXPECT_EQ(nullptr, pParam->GetStylesMap());
    EXPECT_EQ(nullptr, pParam->GetProperties());
    LONG v = 0;
    EXPECT_TRUE(pParam->m_RowHeights.Lookup(0, v));
    EXPECT_EQ(1400, v);
    EXPECT_TRUE(pParam->m_ColWidths.Lookup(0, v));
    EXPECT_EQ(6000, v);
    EXPECT_EQ(1021u, pParam->m_RowHeights.GetHashTableSize());
    EXPECT_EQ(257u, pParam->m_ColWidths.GetHashTableSize());
    EXPECT_EQ(1200, pParam->m_nDefaultRowHeight);
    EXPECT_EQ(10000, pParam->m_nDefaultColWidth);
    EXPECT_TRUE(pParam->TestSelectionFlags(0x80));
    EXPECT_TRUE(pParam->TestRowSizingFlags(0x80));
    EXPECT_FALSE(pParam->TestRowSizingFlags(0x01));
    EXPECT_FALSE(pParam->TestMouseCurrentCellFlags(0xFFFF));
    EXPECT_TRUE(pParam->IsUndoEnabled());
    struct Case
    {
        const char* what;
        DWORD actual, expected;
    } cases[] = {
        {"frozen rows", pParam->m_nFrozenRows, 0},
        {"frozen cols", pParam->m_nFrozenCols, 0},
        {"header rows", pParam->m_nHeaderRows, 0},
        {"header cols", pParam->m_nHeaderCols, 0},
        {"read-only", (DWORD)pParam->m_bReadOnly, FALSE},
        {"structure lock", (DWORD)pParam->m_bLockReadOnly, TRUE},
        {"undo position", pParam->m_nUndoPosition, 0},
        {"selection flags", pParam->m_wSelectionFlags, 255},
        {"drag selection", (DWORD)pParam->m_bDragSelection, TRUE},
        {"row sizing", pParam->m_wRowSizingFlags, 0xB2},
        {"col sizing", pParam->m_wColSizingFlags, 0xB2},
        {"mouse current cell", pParam->m_wMouseCurrentCellFlags, 0},
        {"float cells", pParam->m_wFloatCellsMode, 0},
        {"merge cells", pParam->m_wMergeCellsMode, 0},
        {"current row", pParam->m_nCurrentRow, 1},
        {"current col", pParam->m_nCurrentCol, 1},
        {"redraw locked", (DWORD)pParam->m_bRedrawLocked, FALSE},
        {"zoom off", (DWORD)pParam->m_bZoomOff, FALSE},
        {"Excel-like frame", (DWORD)pParam->m_bExcelLikeFrame, FALSE},
        {"row sizes", (DWORD)pParam->m_RowHeights.GetCount(), 1},
        {"col sizes", (DWORD)pParam->m_ColWidths.GetCount(), 1},
        {"covered cells", (DWORD)pParam->m_CoveredCellsList.GetCount(), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, c.actual) << c.what;
    EXPECT_TRUE(pParam->TestColSizingFlags(0x02));
    EXPECT_FALSE(pParam->TestColSizingFlags(0x4D));

    pParam->GetUndoList().AddTail(new CGXStyle);
    pParam->m_nUndoPosition = 3;
    pParam->ClearUndoList();
    EXPECT_TRUE(pParam->GetUndoList().IsEmpty());
    EXPECT_EQ(0u, pParam->m_nUndoPosition);

    CGXData shared; // not owned: must survive the parameter object
    shared.StoreValueRowCol(1, 1, "keep", gxOverride, 0);
    pParam->SetDataObject(&shared, FALSE);
    pParam->SetDataObject(new CGXData); // replaces, but does not delete, the shared one
    pParam->SetStylesMapObject(new CGXStylesMap);
    pParam->SetPropertiesObject(new CGXProperties);
    delete pParam;
    EXPECT_EQ(1u, shared.QueryRowCount());
}
