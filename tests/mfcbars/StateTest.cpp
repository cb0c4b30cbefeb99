// The dock state in the profile (Wine's registry and an INI file) value by value, restored into a
// fresh frame; damaged profiles and archives of the state.
#include "Archive.h"
#include "BarsTestApp.h"
#include "ControlBarInfo.h"
#include "DockContext.h"
#include "DockState.h"
#include "MemFile.h"
#include "MiniDockFrameWnd.h"
#include "TestSupport.h"
#include <map>

using namespace testing_support;

namespace
{
const char kProfile[] = "Leisten";
const CPoint kFloatAt(700, 300);

// A frame with bar A docked at the top, B floating (after a row of its own at the top) and C
// docked on the left but hidden.
class StateFrame
{
  public:
    explicit StateFrame(bool bArrange)
    {
        m_pFrame = new CDockTestFrame;
        EXPECT_TRUE(m_pFrame->CreateAt(CRect(40, 40, 640, 480)));
        struct
        {
            CTestBar* pBar;
            DWORD dwStyle;
            UINT nID;
        } bars[] = {
            {&m_a, CBRS_TOP, ID_BAR_TOP}, {&m_b, CBRS_TOP, ID_BAR_SPARE}, {&m_c, CBRS_LEFT, ID_BAR_LEFT}};
        for (auto& b : bars)
        {
            EXPECT_TRUE(b.pBar->Create(m_pFrame, WS_VISIBLE | b.dwStyle, b.nID, _T("Leiste")));
            b.pBar->EnableDocking(CBRS_ALIGN_ANY);
            m_pFrame->DockControlBar(b.pBar, bArrange ? 0 : AFX_IDW_DOCKBAR_TOP);
        }
        m_pFrame->RecalcLayout();
        if (!bArrange)
            return;
        m_pFrame->FloatControlBar(&m_b, kFloatAt);
        m_pFrame->ShowControlBar(&m_c, FALSE, FALSE);
    }
    ~StateFrame()
    {
        if (::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
    }
    std::vector<void*> Row(UINT nDockBarID)
    {
        CDockBar* pDock = m_pFrame->DockBar(nDockBarID);
        return std::vector<void*>(pDock->m_arrBars.GetData(),
                                  pDock->m_arrBars.GetData() + pDock->m_arrBars.GetSize());
    }

    CDockTestFrame* m_pFrame;
    CTestBar m_a{CSize(120, 30)};
    CTestBar m_b{CSize(80, 24)};
    CTestBar m_c{CSize(120, 30)};
};

// The client origin of a floating frame placed at kFloatAt.
CPoint FloatingClientOrigin()
{
    CRect rect(0, 0, 0, 0);
    CMiniFrameWnd::CalcBorders(&rect, WS_THICKFRAME | WS_CAPTION);
    return kFloatAt - rect.TopLeft();
}

typedef std::map<std::string, int> Values;

// What SaveBarState writes for the arranged frame: only the values that differ from what
// reading takes for a missing one.
std::map<std::string, Values> ExpectedSections()
{
    const int kUseDefault = (int)CW_USEDEFAULT;
    CPoint origin = FloatingClientOrigin();
    return {
        {"Leisten-Summary",
         {{"Bars", 6},
          {"ScreenCX", ::GetSystemMetrics(SM_CXSCREEN)},
          {"ScreenCY", ::GetSystemMetrics(SM_CYSCREEN)}}},
        // Top dock bar: A, row end, B's placeholder, row end.
        {"Leisten-Bar0",
         {{"BarID", 0xE81B}, {"Bars", 4}, {"Bar#0", 0xE810}, {"Bar#1", 0}, {"Bar#2", 0x1E813}, {"Bar#3", 0}}},
        // Left dock bar: C (hidden, still in its row).
        {"Leisten-Bar1", {{"BarID", 0xE81C}, {"Bars", 2}, {"Bar#0", 0xE811}, {"Bar#1", 0}}},
        {"Leisten-Bar2",
         {{"BarID", 0xE810},
          {"XPos", -2},
          {"YPos", -2},
          {"Docking", 1},
          {"MRUDockID", 0},
          {"MRUDockLeftPos", -2},
          {"MRUDockTopPos", -2},
          {"MRUDockRightPos", 118},
          {"MRUDockBottomPos", 28},
          {"MRUFloatStyle", 0x2000},
          {"MRUFloatXPos", kUseDefault},
          {"MRUFloatYPos", 0}}},
        // B floats; its last docked place was the second row of the top.
        {"Leisten-Bar3",
         {{"BarID", 0xE813},
          {"XPos", -2},
          {"YPos", -2},
          {"Docking", 1},
          {"MRUDockID", 0},
          {"MRUDockLeftPos", -2},
          {"MRUDockTopPos", 26},
          {"MRUDockRightPos", 78},
          {"MRUDockBottomPos", 50},
          {"MRUFloatStyle", 0x2000},
          {"MRUFloatXPos", kUseDefault},
          {"MRUFloatYPos", 0}}},
        {"Leisten-Bar4",
         {{"BarID", 0xE811},
          {"Visible", 0},
          {"XPos", -2},
          {"YPos", -2},
          {"Docking", 1},
          {"MRUDockID", 0},
          {"MRUDockLeftPos", -2},
          {"MRUDockTopPos", -2},
          {"MRUDockRightPos", 28},
          {"MRUDockBottomPos", 118},
          {"MRUFloatStyle", 0x1000},
          {"MRUFloatXPos", kUseDefault},
          {"MRUFloatYPos", 0}}},
        // The floating frame's dock bar.
        {"Leisten-Bar5",
         {{"BarID", 0xE81F},
          {"Horz", 1},
          {"Floating", 1},
          {"XPos", origin.x},
          {"YPos", origin.y},
          {"Bars", 2},
          {"Bar#0", 0xE813},
          {"Bar#1", 0}}},
    };
}

// Every value of a section, read with the system's own functions.
Values ReadSection(const ProfileScope& scope, const std::string& section)
{
    Values values;
    if (scope.IniPath().empty())
    {
        HKEY hKey = NULL;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, scope.SectionKey(section).c_str(), 0, KEY_READ, &hKey) !=
            ERROR_SUCCESS)
            return values;
        for (DWORD i = 0;; i++)
        {
            char name[64];
            DWORD cchName = sizeof name, type = 0, value = 0, cb = sizeof value;
            if (::RegEnumValueA(hKey, i, name, &cchName, NULL, &type, (LPBYTE)&value, &cb) != ERROR_SUCCESS)
                break;
            EXPECT_EQ((DWORD)REG_DWORD, type) << section << " " << name;
            values[name] = (int)value;
        }
        ::RegCloseKey(hKey);
        return values;
    }
    char keys[4096] = {};
    ::GetPrivateProfileStringA(section.c_str(), NULL, "", keys, sizeof keys, scope.IniPath().c_str());
    for (const char* key = keys; *key != '\0'; key += strlen(key) + 1)
    {
        char text[32] = {};
        ::GetPrivateProfileStringA(section.c_str(), key, "", text, sizeof text, scope.IniPath().c_str());
        values[key] = atoi(text);
    }
    return values;
}

class DockState : public ::testing::TestWithParam<ProfileScope::Kind>
{
};

TEST_P(DockState, SavedValuesAreExactlyTheOnesOfTheTable)
{
    ProfileScope scope(GetParam());
    {
        StateFrame frame(true);
        ASSERT_TRUE(frame.m_b.IsFloating());
        frame.m_pFrame->SaveBarState(kProfile);
    }
    for (const auto& section : ExpectedSections())
        EXPECT_EQ(section.second, ReadSection(scope, section.first)) << section.first;
    EXPECT_TRUE(ReadSection(scope, "Leisten-Bar6").empty());
}

TEST_P(DockState, AFreshFrameGetsSidesRowsOrderVisibilityAndFloatingPlacesBack)
{
    ProfileScope scope(GetParam());
    {
        StateFrame frame(true);
        frame.m_pFrame->SaveBarState(kProfile);
    }
    StateFrame frame(false); // everything docked at the top
    ASSERT_FALSE(frame.m_c.IsFloating());
    frame.m_pFrame->LoadBarState(kProfile);
    frame.m_pFrame->RecalcLayout();
    EXPECT_EQ(frame.Row(AFX_IDW_DOCKBAR_TOP),
              (std::vector<void*>{NULL, &frame.m_a, NULL, (void*)(UINT_PTR)ID_BAR_SPARE, NULL}));
    EXPECT_EQ(frame.Row(AFX_IDW_DOCKBAR_LEFT), (std::vector<void*>{NULL, &frame.m_c, NULL}));
    EXPECT_TRUE(frame.m_a.IsWindowVisible());
    EXPECT_FALSE(frame.m_c.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(frame.m_c.GetBarStyle() & CBRS_ALIGN_LEFT);
    ASSERT_TRUE(frame.m_b.IsFloating());
    CFrameWnd* pFloat = frame.m_b.GetParentFrame();
    ASSERT_TRUE(pFloat->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
    EXPECT_TRUE(pFloat->IsWindowVisible());
    CRect rectClient;
    pFloat->GetClientRect(&rectClient);
    pFloat->ClientToScreen(&rectClient);
    EXPECT_EQ(FloatingClientOrigin(), rectClient.TopLeft());
    // The dock positions came back too: a double click floats and docks B where it was.
    EXPECT_EQ(CRect(-2, 26, 78, 50), frame.m_b.m_pDockContext->m_rectMRUDockPos);
}

INSTANTIATE_TEST_SUITE_P(Profile, DockState, ::testing::Values(ProfileScope::registry, ProfileScope::iniFile),
                         [](const ::testing::TestParamInfo<ProfileScope::Kind>& info) {
                             return info.param == ProfileScope::registry ? std::string("Registry")
                                                                         : std::string("IniFile");
                         });

// ---- damaged state

TEST(DockStateFaults, BarsTheFrameNoLongerHasAreSkippedAndABarNamedTwiceIsDockedOnce)
{
    ProfileScope scope(ProfileScope::registry);
    CWinApp* pApp = AfxGetApp();
    pApp->WriteProfileInt("Leisten-Summary", "Bars", 3);
    // Top dock bar: a bar that is gone, then A.
    pApp->WriteProfileInt("Leisten-Bar0", "BarID", 0xE81B);
    pApp->WriteProfileInt("Leisten-Bar0", "Bars", 3);
    pApp->WriteProfileInt("Leisten-Bar0", "Bar#0", 0xE8F0);
    pApp->WriteProfileInt("Leisten-Bar0", "Bar#1", ID_BAR_TOP);
    pApp->WriteProfileInt("Leisten-Bar0", "Bar#2", 0);
    pApp->WriteProfileInt("Leisten-Bar1", "BarID", 0xE8F0); // the gone bar's own record
    pApp->WriteProfileInt("Leisten-Bar1", "Visible", 0);
    // Left dock bar: A once more, and C.
    pApp->WriteProfileInt("Leisten-Bar2", "BarID", 0xE81C);
    pApp->WriteProfileInt("Leisten-Bar2", "Bars", 3);
    pApp->WriteProfileInt("Leisten-Bar2", "Bar#0", ID_BAR_TOP);
    pApp->WriteProfileInt("Leisten-Bar2", "Bar#1", ID_BAR_LEFT);
    pApp->WriteProfileInt("Leisten-Bar2", "Bar#2", 0);

    StateFrame frame(false);
    frame.m_pFrame->LoadBarState(kProfile);
    frame.m_pFrame->RecalcLayout();
    EXPECT_EQ(frame.m_pFrame->DockBar(AFX_IDW_DOCKBAR_TOP), frame.m_a.m_pDockBar);
    EXPECT_EQ(frame.m_pFrame->DockBar(AFX_IDW_DOCKBAR_LEFT), frame.m_c.m_pDockBar);
    EXPECT_EQ(frame.Row(AFX_IDW_DOCKBAR_LEFT), (std::vector<void*>{NULL, &frame.m_c, NULL}));
    std::vector<void*> top = frame.Row(AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(1, std::count(top.begin(), top.end(), (void*)&frame.m_a));
    EXPECT_EQ(1, std::count(top.begin(), top.end(), (void*)&frame.m_b)); // untouched by the state
}

TEST(DockStateFaults, ToggleDockingWithAnUnknownDockBarDocksAsIfNoneWereNamed)
{
    for (UINT nBadID : {0xE8F1u, (UINT)ID_BAR_LEFT})
    {
        SCOPED_TRACE(nBadID);
        StateFrame frame(false);
        frame.m_pFrame->FloatControlBar(&frame.m_b, kFloatAt);
        ASSERT_TRUE(frame.m_b.IsFloating());
        frame.m_b.m_pDockContext->m_uMRUDockID = nBadID; // no dock bar of the frame
        frame.m_b.m_pDockContext->ToggleDocking();
        EXPECT_FALSE(frame.m_b.IsFloating());
        EXPECT_EQ(frame.m_pFrame->DockBar(AFX_IDW_DOCKBAR_TOP),
                  frame.m_b.m_pDockBar); // its placeholder's row
    }
}

TEST(DockStateFaults, DamagedCountsStopAtTheFirstMissingEntry)
{
    ProfileScope scope(ProfileScope::iniFile);
    CWinApp* pApp = AfxGetApp();
    struct
    {
        int nSummaryBars;
        int nBarBars;
        size_t nRecords;
        int nEntries;
    } cases[] = {{1000000000, 2, 2, 2}, {2, 100000000, 2, 2}, {2, -5, 2, 0}, {-3, 2, 0, 0}, {2, 0, 2, 0}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.nSummaryBars) + "/" + std::to_string(c.nBarBars));
        pApp->WriteProfileInt("Kaputt-Summary", "Bars", c.nSummaryBars);
        for (int i = 0; i < 2; i++)
        {
            CString strSection;
            strSection.Format("Kaputt-Bar%d", i);
            pApp->WriteProfileInt(strSection, "BarID", 0xE81B + i);
            pApp->WriteProfileInt(strSection, "Bars", c.nBarBars);
            pApp->WriteProfileInt(strSection, "Bar#0", ID_BAR_TOP);
            pApp->WriteProfileInt(strSection, "Bar#1", 0);
        }
        DWORD start = ::GetTickCount();
        CDockState state;
        state.LoadState("Kaputt");
        EXPECT_LT(::GetTickCount() - start, 2000u);
        ASSERT_EQ(c.nRecords, (size_t)state.m_arrBarInfo.GetSize());
        for (size_t i = 0; i < c.nRecords; i++)
            EXPECT_EQ(c.nEntries, ((CControlBarInfo*)state.m_arrBarInfo[(int)i])->m_arrBarID.GetSize());
    }
}

TEST(DockStateFaults, AScreenSizeOfZeroLeavesPositionsUnscaled)
{
    ProfileScope scope(ProfileScope::registry);
    CWinApp* pApp = AfxGetApp();
    CSize screen = CDockState::GetScreenSize();
    struct
    {
        int cx, cy;
        CPoint expected;
    } cases[] = {{0, 0, CPoint(300, 200)},
                 {0, screen.cy, CPoint(300, 200)},
                 {screen.cx, 0, CPoint(300, 200)},
                 {screen.cx / 2, screen.cy / 2, CPoint(600, 400)}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.cx) + "x" + std::to_string(c.cy));
        pApp->WriteProfileInt("Skala-Summary", "Bars", 1);
        pApp->WriteProfileInt("Skala-Summary", "ScreenCX", c.cx);
        pApp->WriteProfileInt("Skala-Summary", "ScreenCY", c.cy);
        pApp->WriteProfileInt("Skala-Bar0", "BarID", ID_BAR_TOP);
        pApp->WriteProfileInt("Skala-Bar0", "XPos", 300);
        pApp->WriteProfileInt("Skala-Bar0", "YPos", 200);
        CDockState state;
        state.LoadState("Skala");
        ASSERT_EQ(1, state.m_arrBarInfo.GetSize());
        EXPECT_EQ(c.expected, ((CControlBarInfo*)state.m_arrBarInfo[0])->m_pointPos);
    }
}

TEST(DockStateArchive, StoresAndLoadsEveryRecord)
{
    StateFrame frame(true);
    CDockState saved;
    frame.m_pFrame->GetDockState(saved);
    ASSERT_EQ(8, saved.m_arrBarInfo.GetSize()); // four dock bars, three bars, the floating dock bar
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        saved.Serialize(ar);
    }
    // Version 2, then the screen size, then the record count.
    file.SeekToBegin();
    DWORD header[3] = {};
    WORD nCount = 0;
    ASSERT_EQ(sizeof header, file.Read(header, sizeof header));
    ASSERT_EQ(sizeof nCount, file.Read(&nCount, sizeof nCount));
    CSize screen = CDockState::GetScreenSize();
    EXPECT_EQ(2u, header[0]);
    EXPECT_EQ((DWORD)screen.cx, header[1]);
    EXPECT_EQ((DWORD)screen.cy, header[2]);
    EXPECT_EQ(8, nCount);
    file.SeekToBegin();
    CDockState loaded;
    {
        CArchive ar(&file, CArchive::load);
        loaded.Serialize(ar);
    }
    ASSERT_EQ(saved.m_arrBarInfo.GetSize(), loaded.m_arrBarInfo.GetSize());
    for (int i = 0; i < saved.m_arrBarInfo.GetSize(); i++)
    {
        CControlBarInfo* a = (CControlBarInfo*)saved.m_arrBarInfo[i];
        CControlBarInfo* b = (CControlBarInfo*)loaded.m_arrBarInfo[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(a->m_nBarID, b->m_nBarID);
        EXPECT_EQ(a->m_bVisible, b->m_bVisible);
        EXPECT_EQ(a->m_bFloating, b->m_bFloating);
        EXPECT_EQ(a->m_pointPos, b->m_pointPos);
        EXPECT_EQ(a->m_bDocking, b->m_bDocking);
        EXPECT_EQ(a->m_rectMRUDockPos, b->m_rectMRUDockPos);
        EXPECT_EQ(a->m_dwMRUFloatStyle, b->m_dwMRUFloatStyle);
        ASSERT_EQ(a->m_arrBarID.GetSize(), b->m_arrBarID.GetSize());
        for (int j = 0; j < a->m_arrBarID.GetSize(); j++)
            EXPECT_EQ(a->m_arrBarID[j], b->m_arrBarID[j]);
    }
}
} // namespace
