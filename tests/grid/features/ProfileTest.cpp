// Grid settings in the application profile, read back with the system's own functions and
// against texts written by hand, in Wine's registry and in an INI file.
#include "FeatureTestApp.h"
#include "grid/core/AppData.h"
#include "grid/core/FontFaceTable.h"
#include "grid/core/GridParam.h"
#include "grid/core/PatternTable.h"
#include "grid/features/GridProfileImp.h"
#include "GridIds.h"
#include "TestSupport.h"
#include <gtest/gtest.h>

using testing_support::ProfileScope;

namespace
{
std::string Num(unsigned long n)
{
    return std::to_string(n);
}

class ProfileTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        EnsureGridLibrary();
    }
    void Put(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue)
    {
        AfxGetApp()->WriteProfileString(pszSection, pszKey, pszValue);
    }
};
} // namespace

TEST_F(ProfileTest, PropertiesKeys)
{
    ProfileScope scope(ProfileScope::registry);
    CGXProperties prop;
    prop.m_anMargins[CGXProperties::marginTop] = 11;
    prop.m_anMargins[CGXProperties::marginLeft] = 12;
    prop.m_anMargins[CGXProperties::marginBottom] = 13;
    prop.m_anMargins[CGXProperties::marginRight] = 14;
    prop.m_anMargins[CGXProperties::distanceHeader] = 5;
    prop.m_anMargins[CGXProperties::distanceFooter] = 6;
    prop.m_nFirstPage = 10;
    prop.m_abPrintFlags[CGXProperties::printPageOrder] = 1;
    prop.AddDefaultUserProperties();
    EXPECT_FALSE(prop.ReadProfile()); // no section yet
    prop.WriteProfile();
    EXPECT_EQ("11,12,13,14", scope.Text("Grid", "Margins"));
    EXPECT_EQ("10", scope.Text("Grid", "Start Page Numbering"));
    EXPECT_EQ("5,6", scope.Text("Grid", "Distances"));
    EXPECT_EQ("1", scope.Text("Grid", "Page Order"));
    EXPECT_EQ("0", scope.Text("Grid", "Print Only Black&White"));
    EXPECT_EQ("1", scope.Text("Grid", "3dHeader"));
    EXPECT_EQ(Num(GXSYSCOLOR(COLOR_GRAYTEXT)), scope.Text("Grid", (LPCTSTR)prop.GetColorName(0)));
    EXPECT_EQ(Num(RGB(255, 0, 0)), scope.Text("Grid", (LPCTSTR)prop.GetColorName(2)));
    EXPECT_EQ((LPCTSTR)prop.GetUserProperty(GX_IDS_UA_MARKER).GetValue(),
              scope.Text("Grid", "UP" + Num(GX_IDS_UA_MARKER)));

    // Read back into new properties; "Margins" with two numbers keeps bottom and right.
    Put("Grid", "Margins", "21, 22");
    Put("Grid", (LPCTSTR)prop.GetColorName(1), Num(GXSYSCOLOR(COLOR_BTNSHADOW)).c_str());
    CGXProperties loaded;
    loaded.AddDefaultUserProperties();
    const int nBottom = loaded.m_anMargins[CGXProperties::marginBottom];
    ASSERT_TRUE(loaded.ReadProfile());
    EXPECT_EQ(21, loaded.m_anMargins[CGXProperties::marginTop]);
    EXPECT_EQ(22, loaded.m_anMargins[CGXProperties::marginLeft]);
    EXPECT_EQ(nBottom, loaded.m_anMargins[CGXProperties::marginBottom]);
    EXPECT_EQ(6, loaded.m_anMargins[CGXProperties::distanceFooter]);
    EXPECT_EQ(10, loaded.m_nFirstPage);
    EXPECT_TRUE(loaded.m_abPrintFlags[CGXProperties::printPageOrder]);
    EXPECT_EQ(GXSYSCOLOR(COLOR_BTNSHADOW), loaded.GetColor(1));
}

TEST_F(ProfileTest, StyleKeysAgainstHandWrittenTexts)
{
    ProfileScope scope(ProfileScope::registry);
    CGXStyle style;
    CGXCellBrush brush(BS_SOLID, RGB(255, 255, 255));
    brush.SetColor(RGB(0, 0, 0));
    style.SetInterior(brush)
        .SetTextColor(RGB(255, 0, 0))
        .MergeFont(CGXFont().SetSize(10).SetWeight(700).SetItalic(TRUE))
        .SetChoiceList("a\\b\nc")
        .SetHorizontalAlignment(DT_RIGHT)
        .SetBorder(CGXStyle::sideLeft, CGXCellPen(PS_DOT, 2, GXSYSCOLOR(COLOR_BTNFACE)))
        .SetValue("Wert");
    style.WriteProfile("Zelle", NULL);
    EXPECT_EQ("0 0 255 255 255 0 0 0 0", scope.Text("Zelle", "Interior"));
    EXPECT_EQ("255 0 0", scope.Text("Zelle", "TextColor"));
    EXPECT_EQ(",10,700,1,,,", scope.Text("Zelle", "Font"));
    EXPECT_EQ("a\\\\b\\nc", scope.Text("Zelle", "ChoicesList"));
    EXPECT_EQ("2", scope.Text("Zelle", "HorizontalAlignment"));
    EXPECT_EQ("Wert", scope.Text("Zelle", "Value"));
    EXPECT_EQ("1", scope.Text("Zelle", "Borders"));
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ("2 2 " + Num(GetRValue(face)) + " " + Num(GetGValue(face)) + " " + Num(GetBValue(face)) + " " +
                  Num(254 - COLOR_BTNFACE),
              scope.Text("Zelle", "Left"));
    EXPECT_EQ("<none>", scope.Text("Zelle", "Top"));
    EXPECT_EQ("<none>", scope.Text("Zelle", "ReadOnly"));

    CGXStyle loaded;
    loaded.SetReadOnly(TRUE);
    ASSERT_TRUE(loaded.ReadProfile("Zelle", NULL));
    EXPECT_STREQ("a\\b\r\nc", loaded.GetChoiceList());
    loaded.SetChoiceList(style.GetChoiceList());
    EXPECT_TRUE(loaded.IsEqual(style));

    // A font without face keeps the face of the style's font.
    loaded.MergeFont(CGXFont().SetFaceName("Courier New"));
    ASSERT_TRUE(loaded.ReadProfile("Zelle", NULL));
    CGXFont font;
    loaded.GetFont(font);
    EXPECT_FALSE(font.GetIncludeFaceName());

    // A style with nothing included deletes its keys.
    CGXStyle().WriteProfile("Zelle", NULL);
    for (const char* key : {"Interior", "TextColor", "Font", "ChoicesList", "Value", "Borders", "Left"})
        EXPECT_EQ("<none>", scope.Text("Zelle", key)) << key;
}

TEST_F(ProfileTest, FontsAndBaseStylesByNameOrResource)
{
    ProfileScope scope(ProfileScope::registry);
    CGXFont font;
    font.SetFaceName("Courier New").SetSize(12).SetUnderline(FALSE).SetOrientation(900);
    font.WriteProfile("Schrift", "F");
    EXPECT_EQ("Courier New,12,,,0,,900", scope.Text("Schrift", "F"));
    CGXFont loaded;
    EXPECT_TRUE(loaded.ReadProfile("Schrift", "F"));
    EXPECT_TRUE(loaded.IsEqualDescription(font));
    EXPECT_FALSE(loaded.ReadProfile("Schrift", "G"));

    CGXStylesMap map;
    map.CreateStandardStyles();
    WORD nOwn = map.RegisterStyle("Eigen", CGXStyle().SetValue("e"));
    CGXStyle style;
    style.SetBaseStyle(map.m_wStyleColHeader);
    style.WriteProfile("Basis", &map);
    EXPECT_EQ("#" + Num(GX_IDS_STYLE_COLHEADER), scope.Text("Basis", "BaseStyle"));
    CGXStyle back;
    ASSERT_TRUE(back.ReadProfile("Basis", &map));
    EXPECT_EQ(map.m_wStyleColHeader, back.GetBaseStyle());
    style.SetBaseStyle(nOwn);
    style.WriteProfile("Basis", &map);
    EXPECT_EQ("Eigen", scope.Text("Basis", "BaseStyle"));
    ASSERT_TRUE(back.ReadProfile("Basis", &map));
    EXPECT_EQ(nOwn, back.GetBaseStyle());
}

TEST_F(ProfileTest, StylesMapInTheRegistryAndInAnIniFile)
{
    for (ProfileScope::Kind kind : {ProfileScope::registry, ProfileScope::iniFile})
    {
        SCOPED_TRACE(kind == ProfileScope::registry ? "registry" : "INI file");
        ProfileScope scope(kind);
        CGXStylesMap map;
        map.CreateStandardStyles();
        map.RegisterStyle("Eigen", CGXStyle().SetValue("e").SetInterior(RGB(1, 2, 3)));
        CGXStylesMap empty;
        EXPECT_FALSE(empty.ReadProfile());
        map.WriteProfile();
        std::string standard = "#" + Num(GX_IDS_STYLE_STANDARD);
        if (kind == ProfileScope::registry)
        {
            EXPECT_EQ("e", scope.Text("Styles\\Eigen", "Value"));
            EXPECT_NE("<none>", scope.Text("Styles\\" + standard, "HorizontalAlignment"));
        }
        else
        {
            EXPECT_EQ("1", scope.Text("Styles", standard));
            EXPECT_EQ("1", scope.Text("Styles", "Eigen"));
            EXPECT_EQ("e", scope.Text("Styles.Eigen", "Value"));
            EXPECT_NE("<none>", scope.Text("Styles." + standard, "HorizontalAlignment"));
        }

        CGXStylesMap loaded;
        ASSERT_TRUE(loaded.ReadProfile());
        EXPECT_EQ(4, loaded.GetCount());
        EXPECT_EQ(loaded.GetBaseStyleIdFromResource(GX_IDS_STYLE_COLHEADER), loaded.m_wStyleColHeader);
        const CGXStyle *pOwn = NULL, *pWritten = NULL;
        ASSERT_TRUE(loaded.LookupStyle(loaded.GetBaseStyleId("Eigen"), pOwn));
        ASSERT_TRUE(map.LookupStyle(map.GetBaseStyleId("Eigen"), pWritten));
        EXPECT_TRUE(pOwn->IsEqual(*pWritten));
        // The standard style has everything the defaults have.
        const CGXStyle* pStandard = NULL;
        ASSERT_TRUE(loaded.LookupStyle(loaded.m_wStyleStandard, pStandard));
        CGXStyle defaults;
        defaults.SetDefault();
        EXPECT_EQ(defaults.GetIncludeBits().m_dw,
                  pStandard->GetIncludeBits().m_dw & defaults.GetIncludeBits().m_dw);

        // Writing again removes entries that are gone.
        CGXStylesMap fewer;
        fewer.CreateStandardStyles();
        fewer.WriteProfile();
        CGXStylesMap reread;
        ASSERT_TRUE(reread.ReadProfile());
        EXPECT_EQ(3, reread.GetCount());
    }
}

// Damaged values are ignored (or made harmless) instead of reaching the drawing code.
TEST_F(ProfileTest, DamagedValues)
{
    ProfileScope scope(ProfileScope::registry);
    struct Case
    {
        const char* what;
        const char* key;
        const char* value;
        void (*check)(const CGXStyle&);
    } cases[] = {
        {"brush style 4", "Interior", "4 0 255 255 255",
         [](const CGXStyle& s) { EXPECT_FALSE(s.GetInclude(CGXStyle::ibInterior)); }},
        {"hatch 8", "Interior", "2 8 255 255 255",
         [](const CGXStyle& s) { EXPECT_FALSE(s.GetInclude(CGXStyle::ibInterior)); }},
        {"missing pattern", "Interior", "3 41 255 255 255",
         [](const CGXStyle& s) { EXPECT_EQ((UINT)BS_HOLLOW, s.GetInterior().GetStyle()); }},
        {"pattern", "Interior", "3 40 255 255 255",
         [](const CGXStyle& s) { EXPECT_EQ(40u, s.GetInterior().GetPattern()); }},
        {"too few numbers", "Interior", "0 0 255 255",
         [](const CGXStyle& s) { EXPECT_FALSE(s.GetInclude(CGXStyle::ibInterior)); }},
        {"text colour of two numbers", "TextColor", "1 2",
         [](const CGXStyle& s) { EXPECT_FALSE(s.GetInclude(CGXStyle::ibTextColor)); }},
        {"long face", "Font", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijkl,9",
         [](const CGXStyle& s) {
             CGXFont f;
             s.GetFont(f);
             EXPECT_STREQ("ABCDEFGHIJKLMNOPQRSTUVWXYZabcde", f.GetFaceName());
         }},
    };
    for (const Case& c : cases)
    {
        ::RegDeleteKeyA(HKEY_CURRENT_USER, scope.SectionKey("Kaputt").c_str());
        Put("Kaputt", c.key, c.value);
        CGXStyle style;
        ASSERT_TRUE(style.ReadProfile("Kaputt", NULL));
        SCOPED_TRACE(c.what);
        c.check(style);
    }

    // Pens: a style above 7 or fewer than five numbers leave the side unset; "Borders" other
    // than "1" ignores the side keys.
    ::RegDeleteKeyA(HKEY_CURRENT_USER, scope.SectionKey("Kaputt").c_str());
    Put("Kaputt", "Borders", "1");
    Put("Kaputt", "Top", "8 1 0 0 0 0");
    Put("Kaputt", "Left", "0 1 0 0");
    Put("Kaputt", "Right", "2 1 0 0 255");
    CGXStyle style;
    ASSERT_TRUE(style.ReadProfile("Kaputt", NULL));
    EXPECT_FALSE(style.HasBorder(CGXStyle::sideTop));
    EXPECT_FALSE(style.HasBorder(CGXStyle::sideLeft));
    ASSERT_TRUE(style.HasBorder(CGXStyle::sideRight));
    EXPECT_EQ(RGB(0, 0, 255), style.GetBorder(CGXStyle::sideRight).GetColor());
    Put("Kaputt", "Borders", "0");
    ASSERT_TRUE(style.ReadProfile("Kaputt", NULL));
    EXPECT_FALSE(style.GetInclude(CGXStyle::ibBorders));
}
