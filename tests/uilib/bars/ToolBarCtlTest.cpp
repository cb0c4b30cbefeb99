// The common-control toolbar: separator widths by common-control version (no DllGetVersion,
// 4.71, Wine's own), the main toolbar's in-place hiding, and layout as the layer's CToolBar.
#include "BarsTestApp.h"
#include "TestSupport.h"
#include "uilib/bars/ToolBar.h"

using namespace testing_support;

namespace
{
const UINT kIDs[] = {9201, 9202, 0, 9203, 9204, 0, 9205};
const int kCount = 7;

CToolBarLayout::PFNDLLGETVERSION PASCAL NoDllGetVersion()
{
    return NULL;
}

HRESULT CALLBACK Version471(DLLVERSIONINFO* pInfo)
{
    pInfo->dwMajorVersion = 4;
    pInfo->dwMinorVersion = 71;
    return S_OK;
}

CToolBarLayout::PFNDLLGETVERSION PASCAL FindVersion471()
{
    return &Version471;
}

// Puts the default lookup back whatever the test did.
struct VersionSource
{
    explicit VersionSource(CToolBarLayout::PFNFINDDLLGETVERSION pfn)
    {
        CToolBarLayout::SetDllGetVersionSource(pfn);
    }
    ~VersionSource()
    {
        CToolBarLayout::SetDllGetVersionSource(NULL);
    }
};

class ToolBarCtlFrame
{
  public:
    ToolBarCtlFrame()
    {
        m_pFrame = new CFrameWnd;
        m_pFrame->Create(NULL, _T("Steuerelement"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                         CRect(60, 60, 660, 460));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    }
    ~ToolBarCtlFrame()
    {
        m_pFrame->DestroyWindow();
        PumpMessages(10);
    }
    CFrameWnd* m_pFrame;
};

int SeparatorWidth(SECToolBar& bar)
{
    UINT nID, nStyle;
    int iImage;
    bar.GetButtonInfo(2, nID, nStyle, iImage);
    EXPECT_TRUE(nStyle & TBBS_SEPARATOR);
    return iImage;
}

// How far the control's client area starts below the window's top.
int ClientTop(SECToolBar& bar)
{
    CRect rcWindow, rcClient;
    bar.GetWindowRect(&rcWindow);
    bar.GetClientRect(&rcClient);
    bar.ClientToScreen(&rcClient);
    return rcClient.top - rcWindow.top;
}
} // namespace

TEST(SECToolBar, SeparatorWidthsAndTheTopBorderFollowTheCommonControlVersion)
{
    struct Case
    {
        const char* name;
        CToolBarLayout::PFNFINDDLLGETVERSION pfn;
        DWORD dwVersion; // 0: Wine's own, whatever it says
        int cxSep, cxSepFlat;
    } const cases[] = {
        {"no DllGetVersion", &NoDllGetVersion, 0x40000, 8, 6},
        {"4.71", &FindVersion471, 0x40047, 6, 6},
        {"Wine's own", NULL, 0, 8, 6},
    };
    int nTopOld = -1, nTop471 = -1;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        VersionSource source(c.pfn);
        if (c.dwVersion != 0)
            EXPECT_EQ(c.dwVersion, CToolBarLayout::ComCtlVersion());
        else
            EXPECT_GT(CToolBarLayout::ComCtlVersion(), 0x40047u) << "Wine reports 5.81";
        ToolBarCtlFrame frame;
        SECToolBar plain, flat;
        ASSERT_TRUE(
            plain.CreateEx(frame.m_pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE820));
        ASSERT_TRUE(flat.CreateEx(frame.m_pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP,
                                  CRect(0, 0, 0, 0), 0xE821));
        plain.SetButtons(kIDs, kCount);
        flat.SetButtons(kIDs, kCount);
        EXPECT_EQ(c.cxSep, SeparatorWidth(plain));
        EXPECT_EQ(c.cxSepFlat, SeparatorWidth(flat));
        frame.m_pFrame->RecalcLayout();
        if (c.dwVersion == 0x40000)
            nTopOld = ClientTop(plain);
        if (c.dwVersion == 0x40047)
            nTop471 = ClientTop(plain);
    }
    EXPECT_EQ(nTop471 - 2, nTopOld) << "older controls draw two pixels of border themselves";
}

TEST(SECToolBar, OnlyTheMainToolBarHidesInPlace)
{
    ToolBarCtlFrame frame;
    SECToolBar main, other;
    ASSERT_TRUE(main.CreateEx(frame.m_pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0),
                              AFX_IDW_TOOLBAR));
    ASSERT_TRUE(
        other.CreateEx(frame.m_pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE820));
    EXPECT_EQ(59392, AFX_IDW_TOOLBAR);
    EXPECT_TRUE(main.GetBarStyle() & CBRS_HIDE_INPLACE);
    EXPECT_FALSE(other.GetBarStyle() & CBRS_HIDE_INPLACE);
    EXPECT_TRUE(main.GetExBarStyle() & BAR_EX_FIXED_FLOAT_SIZE);
}

TEST(SECToolBar, ButtonsTakeImagesInOrderAndSeparatorsNone)
{
    ToolBarCtlFrame frame;
    SECToolBar bar;
    ASSERT_TRUE(bar.CreateEx(frame.m_pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE820));
    ASSERT_TRUE(bar.SetButtons(kIDs, kCount));
    ASSERT_EQ(kCount, bar.GetCount());
    std::vector<int> images;
    for (int i = 0; i < kCount; i++)
    {
        UINT nID, nStyle;
        int iImage;
        bar.GetButtonInfo(i, nID, nStyle, iImage);
        EXPECT_EQ(kIDs[i], nID);
        images.push_back((nStyle & TBBS_SEPARATOR) ? -1 : iImage);
    }
    EXPECT_EQ((std::vector<int>{0, 1, -1, 2, 3, -1, 4}), images);
    EXPECT_EQ(3, bar.CommandToIndex(9203));
}

TEST(SECToolBar, LaysOutAsTheLayersToolBar)
{
    ToolBarCtlFrame frame;
    CToolBar layer;
    SECToolBar bar;
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC;
    ASSERT_TRUE(layer.CreateEx(frame.m_pFrame, 0, dwStyle, CRect(0, 0, 0, 0), 0xE821));
    ASSERT_TRUE(bar.CreateEx(frame.m_pFrame, 0, dwStyle, CRect(0, 0, 0, 0), 0xE820));
    layer.SetButtons(kIDs, kCount);
    bar.SetButtons(kIDs, kCount);
    struct
    {
        const char* name;
        int nLength;
        DWORD dwMode;
    } const modes[] = {
        {"docked", -1, LM_HORZ | LM_HORZDOCK},
        {"docked vertically", -1, LM_VERTDOCK},
        {"floating, narrow", 60, LM_HORZ | LM_COMMIT},
        {"floating, by height", 80, LM_HORZ | LM_LENGTHY | LM_COMMIT},
    };
    for (const auto& m : modes)
    {
        SCOPED_TRACE(m.name);
        const CSize sizeLayer = layer.CalcDynamicLayout(m.nLength, m.dwMode);
        EXPECT_EQ(sizeLayer, bar.CalcDynamicLayout(m.nLength, m.dwMode));
        EXPECT_GT(sizeLayer.cx, 0);
        if (!(m.dwMode & LM_COMMIT))
            continue;
        for (int i = 0; i < kCount; i++)
            EXPECT_EQ(layer.GetButtonStyle(i), bar.GetButtonStyle(i)) << "wrap states of button " << i;
    }
    EXPECT_EQ(layer.CalcFixedLayout(FALSE, TRUE), bar.CalcFixedLayout(FALSE, TRUE));
    EXPECT_EQ(layer.CalcFixedLayout(FALSE, FALSE), bar.CalcFixedLayout(FALSE, FALSE));
}

TEST(SECToolBar, NewerControlsTakeSizesWhileFlatAndKeepTheirStyle)
{
    VersionSource source(&FindVersion471);
    ToolBarCtlFrame frame;
    SECToolBar bar;
    ASSERT_TRUE(bar.CreateEx(frame.m_pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE820));
    bar.SetButtons(kIDs, kCount);
    const CSize before = bar.CalcFixedLayout(FALSE, TRUE);
    bar.SetSizes(CSize(30, 28), CSize(22, 20));
    EXPECT_EQ(CSize(30, 28), bar.m_sizeButton);
    EXPECT_EQ(CSize(22, 20), bar.m_sizeImage);
    EXPECT_FALSE(bar.GetStyle() & (TBSTYLE_FLAT | TBSTYLE_TRANSPARENT))
        << "restored after the default handling";
    // Five buttons 7 wider each, the rows 6 taller.
    const CSize after = bar.CalcFixedLayout(FALSE, TRUE);
    EXPECT_EQ(before.cx + 5 * 7, after.cx);
    EXPECT_EQ(before.cy + 6, after.cy);
}
