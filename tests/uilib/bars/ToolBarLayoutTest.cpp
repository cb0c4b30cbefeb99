// The custom toolbar's layout as a table: wrapping at a width, balancing the rows, the gaps of
// rows ending at a separator (2 above the separator, 5 in all), vertical docking, floating and
// an empty bar. Buttons are 23 x 22, separators 8 wide.
#include "ToolBarFrame.h"
#include "TestSupport.h"

using namespace testing_support;

namespace
{
const UINT A = 9201, B = 9202, C = 9203, D = 9204, E = 9205, F = 9206;

struct LayoutCase
{
    const char* name;
    std::vector<UINT> ids;
    int nInner; // the length inside the borders; -1: none
    DWORD dwMode;
    std::vector<CPoint> places; // of each button, from the inside origin
    CSize content;              // the buttons' extent; the bar adds its borders
};

const LayoutCase kCases[] = {
    {"one row docked",
     {A, B, 0, C},
     -1,
     LM_HORZ | LM_HORZDOCK,
     {{0, 0}, {23, 0}, {46, 0}, {54, 0}},
     {77, 22}},
    {"wrapped at three buttons",
     {A, B, C, D, E, F},
     69,
     LM_HORZ,
     {{0, 0}, {23, 0}, {46, 0}, {0, 22}, {23, 22}, {46, 22}},
     {69, 44}},
    // Wrapped at four, 4 + 1, balanced to 3 + 2 (2 + 3 would make the last row as wide).
    {"balanced", {A, B, C, D, E}, 92, LM_HORZ, {{0, 0}, {23, 0}, {46, 0}, {0, 22}, {23, 22}}, {69, 44}},
    // The separator ends the first row: the next row starts 5 lower, the separator 2 below.
    {"separator ends a row",
     {A, B, 0, C, D},
     50,
     LM_HORZ,
     {{0, 0}, {23, 0}, {0, 24}, {0, 27}, {23, 27}},
     {46, 49}},
    {"a row breaks at its separator",
     {A, 0, B, C},
     60,
     LM_HORZ,
     {{0, 0}, {0, 24}, {0, 27}, {23, 27}},
     {46, 49}},
    {"docked vertically", {A, B, 0, C}, -1, LM_VERTDOCK, {{0, 0}, {0, 22}, {0, 46}, {0, 49}}, {23, 71}},
    {"floating, first layout", {A, 0, B}, -1, LM_HORZ | LM_MRUWIDTH, {{0, 0}, {23, 0}, {31, 0}}, {54, 22}},
    {"empty", {}, -1, LM_HORZ | LM_HORZDOCK, {}, {23, 22}},
};
} // namespace

TEST(CustomToolBarLayout, Table)
{
    ToolBarFrame frame;
    SECCustomToolBar* pBar = frame.m_pFirst;
    for (const LayoutCase& c : kCases)
    {
        SCOPED_TRACE(c.name);
        pBar->SetButtons(c.ids.data(), (int)c.ids.size());
        const BOOL bVert = (c.dwMode & LM_VERTDOCK) != 0;
        const BOOL bFloat = !(c.dwMode & (LM_HORZDOCK | LM_VERTDOCK));
        CRect inside(0, 0, 0, 0);
        pBar->CalcInsideRect(inside, !bVert);
        const CSize margins(-inside.Width(), -inside.Height());
        const int nLength = c.nInner < 0 ? -1 : c.nInner + margins.cx;
        CSize size = pBar->CalcDynamicLayout(nLength, c.dwMode | LM_COMMIT);
        // A floating bar's size is 2 less each way.
        EXPECT_EQ(c.content + margins - (bFloat ? CSize(2, 2) : CSize(0, 0)), size);
        ASSERT_EQ(c.places.size(), (size_t)pBar->GetBtnCount());
        for (size_t i = 0; i < c.places.size(); i++)
        {
            CRect rect = frame.ButtonRect(pBar, (int)i);
            EXPECT_EQ(c.places[i], CPoint(rect.left - inside.left, rect.top - inside.top)) << "button " << i;
        }
    }
}

TEST(CustomToolBarLayout, WrapBitsMarkTheLastButtonOfEachRow)
{
    ToolBarFrame frame;
    SECCustomToolBar* pBar = frame.m_pFirst;
    const UINT ids[] = {A, B, 0, C, D};
    pBar->SetButtons(ids, 5);
    CRect inside(0, 0, 0, 0);
    pBar->CalcInsideRect(inside, TRUE);
    pBar->CalcDynamicLayout(50 - inside.Width(), LM_HORZ | LM_COMMIT);
    std::vector<bool> wrapped;
    for (int i = 0; i < 5; i++)
        wrapped.push_back((pBar->GetButtonStyle(i) & TBBS_WRAPPED) != 0);
    EXPECT_EQ((std::vector<bool>{false, false, true, false, true}), wrapped);
    // A docked layout clears them again but for the last.
    pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    wrapped.clear();
    for (int i = 0; i < 5; i++)
        wrapped.push_back((pBar->GetButtonStyle(i) & TBBS_WRAPPED) != 0);
    EXPECT_EQ((std::vector<bool>{false, false, false, false, true}), wrapped);
}

TEST(CustomToolBarLayout, DockedOnTheLeftTheBarIsOneColumn)
{
    ToolBarFrame frame;
    SECCustomToolBar* pBar = frame.m_pFirst;
    frame.m_pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_LEFT);
    frame.m_pFrame->RecalcLayout();
    CRect rect;
    pBar->GetWindowRect(&rect);
    EXPECT_GT(rect.Height(), 5 * 22);
    EXPECT_LT(rect.Width(), 2 * 23);
    // Each button below the one before, all at one x; a separator adds 5.
    CRect prev = frame.ButtonRect(pBar, 0);
    int nGap = 0;
    for (int i = 1; i < pBar->GetBtnCount(); i++)
    {
        if (pBar->GetButtonStyle(i) & TBBS_SEPARATOR)
        {
            nGap = 5;
            continue;
        }
        CRect cur = frame.ButtonRect(pBar, i);
        EXPECT_EQ(prev.left, cur.left) << i;
        EXPECT_EQ(prev.bottom + nGap, cur.top) << i;
        prev = cur;
        nGap = 0;
    }
}
