// The saved dock state: the profile form in the registry and in an INI file read back with the
// system's own functions, restoring into a fresh frame, bars re-created by class name, damaged
// profiles, stale entries, and the archive form against bytes written by hand.
#include "ArchiveBytes.h"
#include "FramesTestIds.h"
#include "TestSupport.h"
#include "afxwin.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/bars/ControlBarManager.h"
#include "uilib/frames/docking/ControlBarInfo.h"
#include "uilib/frames/docking/ControlBarInfoEx.h"
#include "uilib/frames/docking/DialogBar.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/docking/DockState.h"
#include "uilib/frames/docking/FrameDocking.h"
#include "uilib/frames/docking/FrameWnd.h"
#include <map>
#include <shlwapi.h>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
const TCHAR kProfile[] = _T("Leisten");

enum BarID : UINT
{
    idA = 0x400, // top, first in the row, share 0.333333
    idB = 0x401, // top, second in the row
    idC = 0x402, // floating
    idD = 0x403, // left, hidden
    idE = 0x404  // dialog bar at the bottom
};

// A docking frame with the bars of the tests; the dialog bar only when asked for.
struct CStateFrame
{
    SECFrameWnd* m_pFrame;
    std::map<UINT, SECControlBar*> m_bars;

    explicit CStateFrame(bool bWithDialogBar = true, bool bArrange = true)
    {
        m_pFrame = new SECFrameWnd;
        m_pFrame->Create(NULL, _T("Zustand"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(50, 50, 750, 550));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        AfxGetApp()->m_pMainWnd = m_pFrame;
        for (UINT nID : {idA, idB, idC, idD})
            AddBar(nID);
        if (bWithDialogBar)
        {
            SECDialogBar* pDialog = new SECDialogBar;
            pDialog->Create(m_pFrame, IDD_DOCK_DIALOGBAR, WS_VISIBLE | CBRS_BOTTOM, 0, idE);
            pDialog->m_bAutoDelete = TRUE;
            pDialog->EnableDocking(CBRS_ALIGN_ANY);
            pDialog->SetWindowText(_T("Dialog"));
            m_pFrame->DockControlBar(pDialog, AFX_IDW_DOCKBAR_BOTTOM);
            m_bars[idE] = pDialog;
        }
        if (bArrange)
            Arrange();
        Layout();
    }
    ~CStateFrame()
    {
        AfxGetApp()->m_pMainWnd = NULL;
        m_pFrame->DestroyWindow();
    }
    void AddBar(UINT nID)
    {
        SECControlBar* pBar = new SECControlBar;
        pBar->m_szDefault = CSize(140, 50);
        CString strName;
        strName.Format(_T("Leiste %X"), nID);
        pBar->Create(m_pFrame, strName, WS_CHILD | WS_VISIBLE | CBRS_TOP, BAR_EX_GRIPPER, nID);
        pBar->m_bAutoDelete = TRUE;
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
        m_bars[nID] = pBar;
    }
    // A and B share the top row, C floats, D is hidden on the left.
    void Arrange()
    {
        SECDockBar* pTop = Dock(AFX_IDW_DOCKBAR_TOP);
        m_pFrame->DockControlBar(m_bars[idD], AFX_IDW_DOCKBAR_LEFT);
        m_pFrame->FloatControlBar(m_bars[idC], CPoint(420, 330), CBRS_ALIGN_TOP);
        pTop->m_arrBars.RemoveAll();
        pTop->m_arrBars.Add(NULL);
        pTop->m_arrBars.Add(m_bars[idA]);
        pTop->m_arrBars.Add(m_bars[idB]);
        pTop->m_arrBars.Add(NULL);
        m_bars[idA]->m_fPctWidth = 0.333333f;
        m_bars[idB]->m_fPctWidth = 0.666667f;
        m_pFrame->ShowControlBar(m_bars[idD], FALSE, FALSE);
    }
    void Layout()
    {
        m_pFrame->RecalcLayout();
        PumpMessages(30);
    }
    SECDockBar* Dock(UINT nID) const
    {
        return static_cast<SECDockBar*>(SECFrameDocking::GetDockBar(m_pFrame, nID));
    }
};

// A value as the system reads it back: registry numbers and INI entries as decimal text.
std::string ReadBack(const ProfileScope& scope, const CString& strSection, const char* pszEntry)
{
    if (!scope.IniPath().empty())
    {
        char buf[512];
        ::GetPrivateProfileStringA(strSection, pszEntry, "<none>", buf, sizeof buf, scope.IniPath().c_str());
        return buf;
    }
    HKEY hKey;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, scope.SectionKey((LPCSTR)strSection).c_str(), 0, KEY_READ,
                        &hKey) != ERROR_SUCCESS)
        return "<none>";
    BYTE data[512] = {};
    DWORD dwType = 0, cb = sizeof data;
    const LONG lResult = ::RegQueryValueExA(hKey, pszEntry, NULL, &dwType, data, &cb);
    ::RegCloseKey(hKey);
    if (lResult != ERROR_SUCCESS)
        return "<none>";
    if (dwType == REG_DWORD)
        return std::to_string((int)*(DWORD*)data);
    return std::string((const char*)data);
}

// The section saved for a bar id; empty when there is none.
CString SectionOf(const ProfileScope& scope, UINT nID, bool bFloatingDockBar = false)
{
    const int nBars = std::stoi(ReadBack(scope, CString(kProfile) + _T("-Summary"), "Bars"));
    for (int i = 0; i < nBars; i++)
    {
        CString strSection;
        strSection.Format(_T("%s-Bar%d"), kProfile, i);
        if (ReadBack(scope, strSection, "BarID") == std::to_string(nID) &&
            (!bFloatingDockBar || ReadBack(scope, strSection, "Floating") == "1"))
            return strSection;
    }
    return CString();
}

std::string Num(long n)
{
    return std::to_string(n);
}

TEST(SECDockState, SaveBarStateWritesTheProfileTheSystemReadsBack)
{
    for (ProfileScope::Kind kind : {ProfileScope::registry, ProfileScope::iniFile})
    {
        SCOPED_TRACE(kind == ProfileScope::registry ? "registry" : "INI file");
        ProfileScope scope(kind);
        CStateFrame frame;
        SECDialogBar* pDialog = static_cast<SECDialogBar*>(frame.m_bars[idE]);
        // The template's size in pixels; the floating and vertical sizes keep it.
        CRect rectTemplate(0, 0, 120, 30);
        ::MapDialogRect(pDialog->m_hWnd, &rectTemplate);
        const CSize sizeTemplate = rectTemplate.Size();
        EXPECT_EQ(sizeTemplate, pDialog->m_szDefault);
        CRect rectFloat;
        frame.m_bars[idC]->GetParentFrame()->GetWindowRect(&rectFloat);
        frame.m_pFrame->SaveBarState(kProfile);

        const struct
        {
            UINT nID;
            const char* pszEntry;
            std::string expected;
        } rows[] = {
            {idA, "PctWidth", "333333"},
            {idB, "PctWidth", "666667"},
            {idA, "ClassName", "SECControlBar"},
            {idA, "WindowName", "Leiste 400"},
            {idA, "ExStyle", Num(BAR_EX_GRIPPER)},
            {idA, "MDIChild", "0"},
            {idA, "MDIChildWindowPlacement", "<none>"},
            {idA, "MRUHorzDockCX", Num(frame.m_bars[idA]->m_szDockHorz.cx)},
            {idA, "MRUHorzDockCY", Num(frame.m_bars[idA]->m_szDockHorz.cy)},
            {idD, "MRUVertDockCX", Num(frame.m_bars[idD]->m_szDockVert.cx)},
            {idA, "ResourceID", "0"},
            {idA, "Visible", "<none>"}, // visible bars leave it out
            {idD, "Visible", "0"},
            {idE, "ClassName", "SECDialogBar"},
            {idE, "ResourceID", Num(IDD_DOCK_DIALOGBAR)},
            {idE, "MRUFloatCX", Num(sizeTemplate.cx)},
            {idE, "MRUFloatCY", Num(sizeTemplate.cy)},
            {idE, "MRUVertDockCY", Num(sizeTemplate.cy)},
        };
        for (const auto& row : rows)
        {
            const CString strSection = SectionOf(scope, row.nID);
            ASSERT_FALSE(strSection.IsEmpty()) << row.nID;
            EXPECT_EQ(row.expected, ReadBack(scope, strSection, row.pszEntry))
                << row.nID << " " << row.pszEntry;
        }
        // The floating frame's dock bar: its place on the screen and the bar it holds.
        const CString strFloat = SectionOf(scope, AFX_IDW_DOCKBAR_FLOAT, true);
        ASSERT_FALSE(strFloat.IsEmpty());
        EXPECT_EQ("1", ReadBack(scope, strFloat, "Horz"));
        CRect rectClient;
        frame.m_bars[idC]->GetParentFrame()->GetClientRect(&rectClient);
        frame.m_bars[idC]->GetParentFrame()->ClientToScreen(&rectClient);
        EXPECT_EQ(Num(rectClient.left), ReadBack(scope, strFloat, "XPos"));
        EXPECT_EQ(Num(rectClient.top), ReadBack(scope, strFloat, "YPos"));
        EXPECT_EQ(Num(idC), ReadBack(scope, strFloat, "Bar#0"));
        // The top dock bar lists A and B in one row.
        const CString strTop = SectionOf(scope, AFX_IDW_DOCKBAR_TOP);
        ASSERT_FALSE(strTop.IsEmpty());
        EXPECT_EQ(Num(idA), ReadBack(scope, strTop, "Bar#0"));
        EXPECT_EQ(Num(idB), ReadBack(scope, strTop, "Bar#1"));
        EXPECT_EQ("0", ReadBack(scope, strTop, "Bar#2"));
    }
}

TEST(SECDockState, LoadBarStateRestoresAFreshFrame)
{
    ProfileScope scope(ProfileScope::registry);
    CRect rectFloatSaved;
    {
        CStateFrame frame;
        frame.m_bars[idC]->GetParentFrame()->GetWindowRect(&rectFloatSaved);
        frame.m_pFrame->SaveBarState(kProfile);
    }
    // A new frame with every bar in the top row, and without the dialog bar.
    CStateFrame frame(false, false);
    frame.m_pFrame->LoadBarState(kProfile);
    frame.Layout();
    SECDockBar* pTop = frame.Dock(AFX_IDW_DOCKBAR_TOP);
    SECControlBar* pA = frame.m_bars[idA];
    SECControlBar* pB = frame.m_bars[idB];
    EXPECT_EQ(pTop, pA->m_pDockBar);
    EXPECT_EQ(pTop, pB->m_pDockBar);
    const int nA = pTop->FindBar(pA), nB = pTop->FindBar(pB);
    EXPECT_EQ(nA + 1, nB); // same row, A first
    EXPECT_NEAR(0.333333, pA->m_fPctWidth, 1e-6);
    EXPECT_NEAR(0.666667, pB->m_fPctWidth, 1e-6);
    EXPECT_EQ(frame.Dock(AFX_IDW_DOCKBAR_LEFT), frame.m_bars[idD]->m_pDockBar);
    EXPECT_FALSE(frame.m_bars[idD]->IsWindowVisible());
    EXPECT_TRUE(pA->IsWindowVisible());
    // C floats at its old place, in a shown floating frame.
    SECControlBar* pC = frame.m_bars[idC];
    ASSERT_TRUE(pC->IsFloating());
    CRect rectFloat;
    pC->GetParentFrame()->GetWindowRect(&rectFloat);
    EXPECT_EQ(rectFloatSaved.TopLeft(), rectFloat.TopLeft());
    EXPECT_TRUE(pC->GetParentFrame()->IsWindowVisible());
    // The dialog bar the frame lacked is made again from its class and template, at the bottom.
    CControlBar* pE = frame.m_pFrame->GetControlBar(idE);
    ASSERT_NE(nullptr, pE);
    EXPECT_TRUE(pE->IsKindOf(RUNTIME_CLASS(SECDialogBar)));
    EXPECT_EQ(frame.Dock(AFX_IDW_DOCKBAR_BOTTOM), pE->m_pDockBar);
    EXPECT_NE(nullptr, pE->GetDlgItem(IDC_DOCK_EDIT));
    CString strText;
    pE->GetWindowText(strText);
    EXPECT_STREQ(_T("Dialog"), strText);
    EXPECT_NE(nullptr, frame.m_pFrame->GetDynamicBarList()->Find(pE));
}

TEST(SECDockState, ASavedClassThatIsNoBarDropsItsRecord)
{
    const struct
    {
        const char* pszClass;
        bool bMade;
    } rows[] = {
        {"SECDialogBar", true},
        {"CFrameWnd", false}, // creatable, but a frame: never created as a bar
        {"SECDockState", false},
        {"KeineKlasse", false},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.pszClass);
        ProfileScope scope(ProfileScope::iniFile);
        {
            CStateFrame frame(true, false);
            frame.m_pFrame->SaveBarState(kProfile);
        }
        const CString strSection = SectionOf(scope, idE);
        ASSERT_FALSE(strSection.IsEmpty());
        AfxGetApp()->WriteProfileString(strSection, _T("ClassName"), CString(row.pszClass));
        CStateFrame frame(false, false);
        const int nBarsBefore = (int)frame.m_pFrame->m_listControlBars.GetCount();
        frame.m_pFrame->LoadBarState(kProfile);
        CControlBar* pE = frame.m_pFrame->GetControlBar(idE);
        EXPECT_EQ(row.bMade, pE != nullptr);
        EXPECT_EQ(nBarsBefore + (row.bMade ? 1 : 0), (int)frame.m_pFrame->m_listControlBars.GetCount());
    }
}

TEST(SECDockState, AMissingSummaryChangesNothing)
{
    ProfileScope scope(ProfileScope::registry);
    CStateFrame frame;
    SECDockBar* pTop = frame.Dock(AFX_IDW_DOCKBAR_TOP);
    const int nA = pTop->FindBar(frame.m_bars[idA]);
    const BOOL bFloating = frame.m_bars[idC]->IsFloating();
    ASSERT_FALSE(frame.m_bars[idD]->IsWindowVisible());
    frame.m_pFrame->LoadBarState(_T("NieGespeichert"));
    frame.Layout();
    EXPECT_EQ(nA, pTop->FindBar(frame.m_bars[idA]));
    EXPECT_EQ(bFloating, frame.m_bars[idC]->IsFloating());
    EXPECT_FALSE(frame.m_bars[idD]->IsWindowVisible());
    EXPECT_NE(nullptr, frame.m_pFrame->GetControlBar(idE));
}

TEST(SECDockState, ACountBeyondTheSavedSectionsStopsAfterTheLastOne)
{
    for (ProfileScope::Kind kind : {ProfileScope::registry, ProfileScope::iniFile})
    {
        SCOPED_TRACE(kind == ProfileScope::registry ? "registry" : "INI file");
        ProfileScope scope(kind);
        {
            CStateFrame frame;
            frame.m_pFrame->SaveBarState(kProfile);
        }
        const int nSaved = std::stoi(ReadBack(scope, CString(kProfile) + _T("-Summary"), "Bars"));
        ASSERT_GT(nSaved, 3);
        AfxGetApp()->WriteProfileInt(CString(kProfile) + _T("-Summary"), _T("Bars"), 2000000000);
        const ULONGLONG nStart = NowMs();
        SECDockState state;
        state.LoadStateFromProfile(kProfile);
        EXPECT_EQ(nSaved, state.GetBarInfoCount());
        EXPECT_LT(NowMs() - nStart, 5000u);
    }
}

// Every counted section is read: one missing in the middle reads as defaults, finds no bar and
// is left out, and the bars saved after it are restored.
TEST(SECDockState, AMissingMiddleSectionLosesNoBarAfterIt)
{
    for (ProfileScope::Kind kind : {ProfileScope::registry, ProfileScope::iniFile})
    {
        SCOPED_TRACE(kind == ProfileScope::registry ? "registry" : "INI file");
        ProfileScope scope(kind);
        {
            CStateFrame frame;
            frame.m_pFrame->SaveBarState(kProfile);
        }
        const int nSaved = std::stoi(ReadBack(scope, CString(kProfile) + _T("-Summary"), "Bars"));
        auto indexOf = [](const CString& strSection) {
            return _ttoi((LPCTSTR)strSection + _tcslen(kProfile) + 4);
        };
        const CString strB = SectionOf(scope, idB), strC = SectionOf(scope, idC),
                      strFloat = SectionOf(scope, AFX_IDW_DOCKBAR_FLOAT, true), strD = SectionOf(scope, idD);
        ASSERT_FALSE(strB.IsEmpty());
        ASSERT_GT(indexOf(strB), 0);
        ASSERT_LT(indexOf(strB), nSaved - 1);
        // The floating and the hidden bar come after the section that goes.
        ASSERT_GT(indexOf(strC), indexOf(strB));
        ASSERT_GT(indexOf(strFloat), indexOf(strB));
        ASSERT_GT(indexOf(strD), indexOf(strB));
        AfxGetApp()->WriteProfileString(strB, NULL, NULL);
        ASSERT_EQ("<none>", ReadBack(scope, strB, "BarID"));

        SECDockState state;
        state.LoadStateFromProfile(kProfile);
        EXPECT_EQ(nSaved, state.GetBarInfoCount());
        EXPECT_EQ(0u, state.GetBarInfo(indexOf(strB))->m_nBarID);

        CStateFrame frame(false, false);
        frame.m_pFrame->LoadBarState(kProfile);
        frame.Layout();
        ASSERT_TRUE(frame.m_bars[idC]->IsFloating());
        EXPECT_TRUE(frame.m_bars[idC]->GetParentFrame()->IsWindowVisible());
        EXPECT_EQ(frame.Dock(AFX_IDW_DOCKBAR_LEFT), frame.m_bars[idD]->m_pDockBar);
        EXPECT_FALSE(frame.m_bars[idD]->IsWindowVisible());
        EXPECT_EQ(frame.Dock(AFX_IDW_DOCKBAR_TOP), frame.m_bars[idB]->m_pDockBar);
        EXPECT_NE(nullptr, frame.m_pFrame->GetControlBar(idE));
    }
}

TEST(SECDockState, PercentWidthIsSavedInMillionths)
{
    const struct
    {
        float fPct;
        const TCHAR* pszText;
    } rows[] = {
        {0.333333f, _T("333333")}, {0.5f, _T("500000")}, {1.0f, _T("1000000")},
        {0.0f, _T("0")},           {0.000001f, _T("1")},
    };
    for (const auto& row : rows)
    {
        EXPECT_STREQ(row.pszText, SECControlBarInfo::FormatPctWidth(row.fPct)) << row.fPct;
        EXPECT_NEAR(row.fPct, SECControlBarInfo::ParsePctWidth(row.pszText), 1e-7) << row.fPct;
    }
    EXPECT_EQ(0.0f, SECControlBarInfo::ParsePctWidth(_T("-250000"))); // negative reads as none
}

// ---- stale entries

SECControlBarInfo* Record(UINT nID, UINT nMRUDockID, std::vector<UINT_PTR> ids)
{
    SECControlBarInfo* pInfo = new SECControlBarInfo;
    pInfo->m_nBarID = nID;
    pInfo->m_uMRUDockID = nMRUDockID;
    for (UINT_PTR n : ids)
        pInfo->m_arrBarID.Add((void*)n);
    return pInfo;
}

std::vector<UINT_PTR> Ids(const SECControlBarInfo* pInfo)
{
    std::vector<UINT_PTR> ids;
    for (int i = 0; i < pInfo->m_arrBarID.GetSize(); i++)
        ids.push_back((UINT_PTR)pInfo->m_arrBarID[i]);
    return ids;
}

TEST(SECDockState, RemoveStaleBarEntries)
{
    const UINT top = AFX_IDW_DOCKBAR_TOP, left = AFX_IDW_DOCKBAR_LEFT;
    const UINT_PTR ph = 0x10000;
    const struct
    {
        const char* name;
        std::vector<UINT_PTR> top, left;
        UINT nBarMRU; // the bar 0x500's remembered dock bar
        std::vector<UINT_PTR> topAfter, leftAfter;
    } rows[] = {
        // clang-format off
        {"a placeholder in the bar's own dock bar stays", {ph | 0x500, 0}, {0x501, 0}, top, {ph | 0x500, 0}, {0x501, 0}},
        {"a placeholder elsewhere becomes a row end", {0x501, 0}, {ph | 0x500, 0x502, 0}, top, {0x501, 0}, {0, 0x502, 0}},
        {"a doubled id goes after its first place", {0x501, 0, 0x501, 0}, {}, top, {0x501, 0}, {}},
        {"trailing zeros become one", {0x501, 0, 0, 0}, {0, 0}, top, {0x501, 0}, {}},
        {"a list without its end gets one", {0x501, 0x502}, {}, left, {0x501, 0x502, 0}, {}},
        // clang-format on
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        SECDockState state;
        state.m_arrBarInfo.Add(Record(top, 0, row.top));
        state.m_arrBarInfo.Add(Record(left, 0, row.left));
        state.m_arrBarInfo.Add(Record(0x500, row.nBarMRU, {}));
        state.RemoveStaleBarEntries();
        EXPECT_EQ(row.topAfter, Ids(state.GetBarInfo(0)));
        EXPECT_EQ(row.leftAfter, Ids(state.GetBarInfo(1)));
        EXPECT_TRUE(Ids(state.GetBarInfo(2)).empty());
    }
}

// ---- the archive form

Bytes Dw(DWORD dw)
{
    return Bytes{(BYTE)dw, (BYTE)(dw >> 8), (BYTE)(dw >> 16), (BYTE)(dw >> 24)};
}

Bytes Wd(WORD w)
{
    return Bytes{(BYTE)w, (BYTE)(w >> 8)};
}

TEST(SECDockState, TheArchiveFormEqualsTheBytesWrittenByHand)
{
    SECDockState state;
    SECControlBarInfo* pBar = new SECControlBarInfo;
    pBar->m_nBarID = 0x401;
    pBar->m_bVisible = TRUE;
    pBar->m_bHorz = TRUE;
    pBar->m_pointPos = CPoint(5, 7);
    pBar->m_bDocking = TRUE;
    pBar->m_uMRUDockID = AFX_IDW_DOCKBAR_TOP;
    pBar->m_rectMRUDockPos = CRect(1, 2, 3, 4);
    pBar->m_dwMRUFloatStyle = CBRS_ALIGN_TOP;
    pBar->m_ptMRUFloatPos = CPoint(100, 200);
    pBar->m_dwStyle = 0x2F00;
    pBar->m_dwExStyle = BAR_EX_GRIPPER;
    pBar->m_fPctWidth = 0.333333f;
    pBar->m_szMRUFloat = CSize(150, 80);
    pBar->m_szMRUHorzDock = CSize(200, 40);
    pBar->m_szMRUVertDock = CSize(60, 300);
    pBar->m_dwDockingStyle = CBRS_ALIGN_ANY;
    pBar->m_dwTypeID = 7;
    state.m_arrBarInfo.Add(pBar);
    SECControlBarInfo* pDock = new SECControlBarInfo;
    pDock->m_nBarID = AFX_IDW_DOCKBAR_TOP;
    pDock->m_bVisible = TRUE;
    pDock->m_bDockBar = TRUE;
    pDock->m_arrBarID.Add((void*)0x401);
    pDock->m_arrBarID.Add((void*)0x10402);
    pDock->m_arrBarID.Add(NULL);
    state.m_arrBarInfo.Add(pDock);

    const CSize screen = CDockState::GetScreenSize();
    // clang-format off
    const Bytes expected = Cat({
        Dw(2), Dw(screen.cx), Dw(screen.cy), Wd(2),
        // the bar: MFC's part
        Dw(0x401), Dw(1), Dw(0), Dw(1), Dw(5), Dw(7), Dw(32767), Dw(1), Dw(0xE81B), Dw(1), Dw(2), Dw(3), Dw(4),
        Dw(0x2000), Dw(100), Dw(200),
        // the library's part
        Dw(0x2F00), Dw(0x200), Dw(0), Dw(0), Str("333333"), Dw(150), Dw(80), Dw(200), Dw(40), Dw(60), Dw(300),
        Dw(0), Dw(0xF000), Dw(7), Wd(0),
        // the dock bar: not docking, so no remembered dock place
        Dw(0xE81B), Dw(1), Dw(0), Dw(0), Dw((DWORD)-1), Dw((DWORD)-1), Dw(32767), Dw(0),
        Dw(0), Dw(0), Dw(0), Dw(0), Str("0"), Dw(0), Dw(0), Dw(0), Dw(0), Dw(0), Dw(0), Dw(0), Dw(0), Dw(0),
        Wd(3), Dw(0x401), Dw(0x10402), Dw(0),
    });
    // clang-format on
    const Bytes stored = Store([&](CArchive& ar) { state.Serialize(ar); });
    EXPECT_EQ(expected, stored);
    for (size_t i = 0; i < std::min(expected.size(), stored.size()); i++)
    {
        if (expected[i] != stored[i])
        {
            ADD_FAILURE() << "first difference at byte " << i;
            break;
        }
    }
    EXPECT_EQ(expected.size(), stored.size());

    // Read back, every field returns.
    SECDockState loaded;
    ASSERT_EQ(kNoError, LoadCause(expected, [&](CArchive& ar) { loaded.Serialize(ar); }));
    ASSERT_EQ(2, loaded.GetBarInfoCount());
    const SECControlBarInfo* p = loaded.GetBarInfo(0);
    EXPECT_EQ(0x401u, p->m_nBarID);
    EXPECT_EQ(CPoint(5, 7), p->m_pointPos);
    EXPECT_EQ(CRect(1, 2, 3, 4), p->m_rectMRUDockPos);
    EXPECT_EQ(CPoint(100, 200), p->m_ptMRUFloatPos);
    EXPECT_NEAR(0.333333, p->m_fPctWidth, 1e-6);
    EXPECT_EQ(CSize(60, 300), p->m_szMRUVertDock);
    EXPECT_EQ(7u, p->m_dwTypeID);
    EXPECT_EQ((std::vector<UINT_PTR>{0x401, 0x10402, 0}), Ids(loaded.GetBarInfo(1)));
    // Cut short, the archive reports the end of the file and keeps what it read.
    const Bytes cut(expected.begin(), expected.begin() + 40);
    SECDockState partial;
    EXPECT_EQ(CArchiveException::endOfFile, LoadCause(cut, [&](CArchive& ar) { partial.Serialize(ar); }));
}
} // namespace

// ---- the control-bar manager's part

namespace
{
// An extension record holding one number, in the profile and in the archive.
class CExtraInfo : public SECControlBarInfoEx
{
  public:
    DWORD m_dwExtra = 0;
    void Serialize(CArchive& ar, SECDockState*) override
    {
        if (ar.IsStoring())
            ar << m_dwExtra;
        else
            ar >> m_dwExtra;
    }
    void LoadStateFromProfile(LPCTSTR lpszSection, SECDockState*) override
    {
        m_dwExtra = AfxGetApp()->GetProfileInt(lpszSection, _T("Extra"), 0);
    }
    void SaveStateToProfile(LPCTSTR lpszSection) override
    {
        AfxGetApp()->WriteProfileInt(lpszSection, _T("Extra"), (int)m_dwExtra);
    }
};

// Gives every record an extension, types bars by their id, and makes the bar 0x403 again.
class CTestManager : public SECControlBarManager
{
  public:
    CFrameWnd* m_pFrame = NULL;
    int m_nCreated = 0;
    SECControlBarInfoEx* CreateBarInfo(SECControlBarInfo* pInfo) override
    {
        CExtraInfo* pExtra = new CExtraInfo;
        pExtra->m_dwExtra = pInfo->m_nBarID * 2;
        return pExtra;
    }
    SECControlBar* CreateBar(SECControlBarInfo* pInfo) override
    {
        if (pInfo->m_nBarID != idD)
            return NULL;
        SECControlBar* pBar = new SECControlBar;
        pBar->Create(m_pFrame, _T("Neu"), WS_CHILD | CBRS_TOP, 0, idD);
        pBar->m_bAutoDelete = TRUE;
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        ++m_nCreated;
        return pBar;
    }
    DWORD GetBarTypeID(SECControlBar* pBar) override
    {
        return (DWORD)pBar->GetDlgCtrlID() + 1;
    }
};

TEST(SECDockState, TheManagerTypesMakesAndExtendsTheRecords)
{
    ProfileScope scope(ProfileScope::iniFile);
    CTestManager manager;
    {
        CStateFrame frame;
        for (auto& entry : frame.m_bars)
            entry.second->m_pManager = &manager;
        frame.m_pFrame->SetControlBarManager(&manager);
        // Collected records carry the manager's extension; the profile gets its value.
        frame.m_pFrame->SaveBarState(kProfile);
    }
    const CString strA = SectionOf(scope, idA);
    ASSERT_FALSE(strA.IsEmpty());
    EXPECT_EQ(Num(idA + 1), ReadBack(scope, strA, "TypeID"));
    AfxGetApp()->WriteProfileInt(strA, _T("Extra"), 77);

    // A frame without D: the manager makes it before any class name is tried.
    CStateFrame frame(true, false);
    frame.m_pFrame->GetControlBar(idD)->DestroyWindow();
    manager.m_pFrame = frame.m_pFrame;
    frame.m_pFrame->SetControlBarManager(&manager);
    SECDockState state(&manager);
    state.LoadStateFromProfile(kProfile);
    int nExtraOfA = -1;
    for (int i = 0; i < state.GetBarInfoCount(); i++)
    {
        const SECControlBarInfo* pInfo = state.GetBarInfo(i);
        ASSERT_NE(nullptr, dynamic_cast<CExtraInfo*>(pInfo->m_pInfoEx));
        if (pInfo->m_nBarID == idA)
            nExtraOfA = (int)static_cast<CExtraInfo*>(pInfo->m_pInfoEx)->m_dwExtra;
    }
    EXPECT_EQ(77, nExtraOfA);
    ASSERT_TRUE(state.ApplyToFrame(frame.m_pFrame));
    EXPECT_EQ(1, manager.m_nCreated);
    CControlBar* pD = frame.m_pFrame->GetControlBar(idD);
    ASSERT_NE(nullptr, pD);
    EXPECT_EQ(frame.Dock(AFX_IDW_DOCKBAR_LEFT), pD->m_pDockBar);

    // The archive carries the extension's data after the record's own.
    const Bytes stored = Store([&](CArchive& ar) { state.Serialize(ar); });
    SECDockState loaded(&manager);
    ASSERT_EQ(kNoError, LoadCause(stored, [&](CArchive& ar) { loaded.Serialize(ar); }));
    ASSERT_EQ(state.GetBarInfoCount(), loaded.GetBarInfoCount());
    for (int i = 0; i < loaded.GetBarInfoCount(); i++)
    {
        const CExtraInfo* pExtra = dynamic_cast<CExtraInfo*>(loaded.GetBarInfo(i)->m_pInfoEx);
        ASSERT_NE(nullptr, pExtra);
        EXPECT_EQ(static_cast<CExtraInfo*>(state.GetBarInfo(i)->m_pInfoEx)->m_dwExtra, pExtra->m_dwExtra);
    }
}
} // namespace
