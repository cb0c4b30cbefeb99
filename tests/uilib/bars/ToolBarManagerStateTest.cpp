// The toolbar manager's saved forms: its options in the profile (Wine's registry and an INI file)
// and in a state tree against hand-written values, a toolbar's tree node, and a whole frame -
// default toolbars, a user toolbar and the options - saved and restored into a new frame through
// the dock state in each form. Missing and damaged values fall back to defaults.
#include "ManagedFrame.h"
#include "TestSupport.h"
#include "MemFile.h"
#include "uilib/bars/CustomToolBarInfoEx.h"
#include "uilib/bars/MDIMenuBar.h"
#include "uilib/common/PTNStrategyProfile.h"
#include "uilib/common/PersistentTreeNode.h"
#include "uilib/frames/docking/ControlBarInfo.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/docking/DockState.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"
#include <algorithm>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
const TCHAR kPrefix[] = _T("Leisten");
const TCHAR kManagerSection[] = _T("Leisten-ToolBarManager");
// "Std": 57600, a separator, 57601, in the letter encoding of the state tree.
const char kStdButtons[] = "AABOAAAAAAAAAAAAAAAABABOAAAAAA";

typedef std::vector<std::pair<std::string, std::string>> Pairs;

Pairs PairsOf(const SECPersistentTreeNode* pNode)
{
    Pairs pairs;
    for (int i = 0; i < pNode->GetKeyValueCount(); ++i)
        pairs.emplace_back((LPCTSTR)pNode->GetKeyValuePair(i)->m_strKey,
                           (LPCTSTR)pNode->GetKeyValuePair(i)->m_strValue);
    return pairs;
}

struct Options
{
    BOOL bToolTips, bCoolLook, bLargeButtons;
    bool operator==(const Options& o) const
    {
        return !bToolTips == !o.bToolTips && !bCoolLook == !o.bCoolLook && !bLargeButtons == !o.bLargeButtons;
    }
};

std::ostream& operator<<(std::ostream& os, const Options& o)
{
    return os << "{" << o.bToolTips << "," << o.bCoolLook << "," << o.bLargeButtons << "}";
}

Options OptionsOf(const SECToolBarManager* pManager)
{
    return Options{pManager->ToolTipsEnabled(), pManager->CoolLookEnabled(), pManager->LargeButtonsEnabled()};
}

// What the toolbars show of the options, each bar the same.
void ExpectBarsFollow(const ManagedFrame& frame, const Options& o)
{
    ASSERT_FALSE(frame.Bars().empty());
    for (SECCustomToolBar* pBar : frame.Bars())
    {
        EXPECT_EQ(o.bToolTips != FALSE, (pBar->GetBarStyle() & CBRS_TOOLTIPS) != 0);
        EXPECT_EQ(o.bCoolLook != FALSE, (pBar->GetExBarStyle() & SEC_COOLLOOK_BITS) == SEC_COOLLOOK_BITS);
        CRect rect;
        pBar->GetItemRect(0, &rect);
        EXPECT_EQ(o.bLargeButtons ? CSize(29, 31) : CSize(23, 22), rect.Size());
    }
}
} // namespace

TEST(ToolBarManagerState, OptionsInTheProfileAreWrittenAndReadBack)
{
    for (ProfileScope::Kind kind : {ProfileScope::registry, ProfileScope::iniFile})
    {
        SCOPED_TRACE(kind == ProfileScope::registry ? "registry" : "INI file");
        ProfileScope scope(kind);
        {
            ManagedFrame frame;
            frame.m_pManager->CreateDefaultToolBars();
            frame.m_pManager->SetToolTips(FALSE);
            frame.m_pManager->EnableCoolLook(TRUE);
            frame.m_pManager->SetLargeButtons(TRUE);
            ASSERT_TRUE(frame.m_pManager->SaveState(kPrefix));
        }
        // The stored values, as the platform stores integers.
        if (kind == ProfileScope::registry)
        {
            HKEY hKey = NULL;
            ASSERT_EQ(ERROR_SUCCESS,
                      ::RegOpenKeyEx(HKEY_CURRENT_USER, scope.SectionKey(kManagerSection).c_str(), 0,
                                     KEY_READ, &hKey));
            std::vector<std::pair<std::string, DWORD>> values;
            char name[64];
            DWORD dwValue, dwType;
            for (DWORD i = 0;; ++i)
            {
                DWORD cchName = sizeof(name), cb = sizeof(dwValue);
                if (::RegEnumValue(hKey, i, name, &cchName, NULL, &dwType, (BYTE*)&dwValue, &cb) !=
                    ERROR_SUCCESS)
                    break;
                EXPECT_EQ((DWORD)REG_DWORD, dwType);
                values.emplace_back(name, dwValue);
            }
            ::RegCloseKey(hKey);
            std::sort(values.begin(), values.end()); // Wine lists values by name
            EXPECT_EQ((std::vector<std::pair<std::string, DWORD>>{
                          {"CoolLook", 1}, {"LargeButtons", 1}, {"ToolTips", 0}}),
                      values);
        }
        else
        {
            char buffer[512] = {};
            const DWORD n =
                ::GetPrivateProfileSection(kManagerSection, buffer, sizeof(buffer), scope.IniPath().c_str());
            EXPECT_EQ(std::string("ToolTips=0\0CoolLook=1\0LargeButtons=1\0", 37), std::string(buffer, n));
        }

        // A new frame takes the options and makes its default toolbars with them.
        ManagedFrame frame;
        EXPECT_TRUE(frame.m_pManager->LoadState(kPrefix));
        EXPECT_EQ((Options{FALSE, TRUE, TRUE}), OptionsOf(frame.m_pManager));
        EXPECT_EQ(2u, frame.Bars().size());
        ExpectBarsFollow(frame, Options{FALSE, TRUE, TRUE});

        // Without the section the current values stay.
        EXPECT_TRUE(frame.m_pManager->LoadState(_T("Anders")));
        EXPECT_EQ((Options{FALSE, TRUE, TRUE}), OptionsOf(frame.m_pManager));

        // Values of the wrong kind, or text that is no number, count as missing.
        frame.m_pManager->SetToolTips(TRUE);
        frame.m_pManager->SetLargeButtons(FALSE);
        if (kind == ProfileScope::iniFile)
        {
            ::WritePrivateProfileString(kManagerSection, _T("ToolTips"), _T("x"), scope.IniPath().c_str());
            ::WritePrivateProfileString(kManagerSection, _T("LargeButtons"), _T("1a"),
                                        scope.IniPath().c_str());
            EXPECT_TRUE(frame.m_pManager->LoadState(kPrefix));
            EXPECT_EQ((Options{TRUE, TRUE, FALSE}), OptionsOf(frame.m_pManager));
        }
        else
        {
            HKEY hKey = NULL;
            ASSERT_EQ(ERROR_SUCCESS,
                      ::RegOpenKeyEx(HKEY_CURRENT_USER, scope.SectionKey(kManagerSection).c_str(), 0,
                                     KEY_SET_VALUE, &hKey));
            const BYTE one[] = {1, 0, 0, 0};
            ::RegSetValueEx(hKey, _T("ToolTips"), 0, REG_SZ, (const BYTE*)"0", 2);
            ::RegSetValueEx(hKey, _T("LargeButtons"), 0, REG_BINARY, one, sizeof(one));
            ::RegCloseKey(hKey);
            EXPECT_TRUE(frame.m_pManager->LoadState(kPrefix));
            EXPECT_EQ((Options{TRUE, TRUE, FALSE}), OptionsOf(frame.m_pManager));
            ExpectBarsFollow(frame, Options{TRUE, TRUE, FALSE});
        }
    }
}

TEST(ToolBarManagerState, OptionsInTheStateTree)
{
    {
        ManagedFrame frame;
        frame.m_pManager->SetToolTips(FALSE);
        frame.m_pManager->EnableCoolLook(TRUE);
        SECPTNFactory factory;
        SECPersistentTreeNode root;
        ASSERT_EQ(SECPTN_OK, root.Create(_T("WorkState_v1_2")));
        EXPECT_FALSE(frame.m_pManager->SaveState(&factory, NULL));
        EXPECT_EQ(0, root.GetChildCount());
        ASSERT_TRUE(frame.m_pManager->SaveState(&factory, &root));
        SECPersistentTreeNode* pNode = root.FindChild(_T("ToolBarMgr"));
        ASSERT_NE(nullptr, pNode);
        EXPECT_EQ((Pairs{{"ToolTips", "False"}, {"CoolLook", "True"}, {"LargeButtons", "False"}}),
                  PairsOf(pNode));
        EXPECT_EQ(0, pNode->GetChildCount());
    }

    // Loading: a missing node gives the defaults, a missing value reads as on, only "TRUE" in any
    // case as on. The bars made before follow.
    const struct
    {
        const char* pszName;
        bool bNode;
        Pairs pairs;
        Options expected;
    } cases[] = {
        {"no node", false, {}, {TRUE, TRUE, FALSE}},
        {"all off",
         true,
         {{"ToolTips", "False"}, {"CoolLook", "False"}, {"LargeButtons", "False"}},
         {FALSE, FALSE, FALSE}},
        {"no LargeButtons", true, {{"ToolTips", "True"}, {"CoolLook", "False"}}, {TRUE, FALSE, TRUE}},
        {"1 and tRuE",
         true,
         {{"ToolTips", "1"}, {"CoolLook", "tRuE"}, {"LargeButtons", "yes"}},
         {FALSE, TRUE, FALSE}},
        {"empty node", true, {}, {TRUE, TRUE, TRUE}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        ManagedFrame frame;
        frame.m_pManager->CreateDefaultToolBars();
        ExpectBarsFollow(frame, Options{TRUE, FALSE, FALSE});
        SECPTNFactory factory;
        SECPersistentTreeNode root;
        ASSERT_EQ(SECPTN_OK, root.Create(_T("WorkState_v1_2")));
        if (c.bNode)
        {
            SECPersistentTreeNode* pNode = factory.CreateNode(_T("ToolBarMgr"), &root);
            for (const auto& pair : c.pairs)
                pNode->SetKeyValue(pair.first.c_str(), pair.second.c_str());
        }
        EXPECT_TRUE(frame.m_pManager->LoadState(&root));
        EXPECT_EQ(c.expected, OptionsOf(frame.m_pManager));
        ExpectBarsFollow(frame, c.expected);
    }

    // No node at all: the defaults, and no toolbars lacking; the result tells.
    ManagedFrame frame;
    EXPECT_FALSE(frame.m_pManager->LoadState((SECPersistentTreeNode*)NULL));
    EXPECT_EQ((Options{TRUE, TRUE, FALSE}), OptionsOf(frame.m_pManager));
    EXPECT_EQ(2u, frame.Bars().size()) << "the default toolbars were made";
}

TEST(ToolBarManagerState, AToolBarsTreeNode)
{
    SECPTNFactory factory;
    SECPersistentTreeNode bar;
    ASSERT_EQ(SECPTN_OK, bar.Create(_T("Bar-0")));
    SECCustomToolBarInfoEx info;
    info.m_strTitle = _T("Std");
    for (UINT nID : {57600u, 0u, 57601u})
        info.m_btnInfo.Add(new SECBtnInfo(nID));
    info.SaveStateToTree(&factory, &bar);
    SECPersistentTreeNode* pNode = bar.FindChild(_T("ToolBarInfoEx"));
    ASSERT_NE(nullptr, pNode);
    EXPECT_EQ((Pairs{{"Title", "Std"}, {"Buttons", kStdButtons}}), PairsOf(pNode));

    // An empty toolbar writes its empty title and an empty list.
    SECPersistentTreeNode emptyBar;
    ASSERT_EQ(SECPTN_OK, emptyBar.Create(_T("Bar-1")));
    SECCustomToolBarInfoEx empty;
    empty.SaveStateToTree(&factory, &emptyBar);
    ASSERT_NE(nullptr, emptyBar.FindChild(_T("ToolBarInfoEx")));
    EXPECT_EQ((Pairs{{"Title", ""}, {"Buttons", ""}}), PairsOf(emptyBar.FindChild(_T("ToolBarInfoEx"))));

    // Reading: the list is taken whole or not at all.
    const struct
    {
        const char* pszName;
        const char* pszButtons; // NULL: no value
        bool bValid;
        std::vector<UINT> ids;
    } cases[] = {
        {"whole", kStdButtons, true, {57600, 0, 57601}},
        {"empty", "", true, {}},
        {"missing", NULL, false, {}},
        {"cut inside a head", "AABOAAAAAAAAAA", false, {}},
        {"longer by part of a head", "AABOAAAAAAAAAAAAAAAABABOAAAAAABB", false, {}},
        {"extra data past the end", "AABOAAAAAF", false, {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        SECPTNFactory f;
        SECPersistentTreeNode node;
        ASSERT_EQ(SECPTN_OK, node.Create(_T("Bar-0")));
        SECPersistentTreeNode* pChild = f.CreateNode(_T("ToolBarInfoEx"), &node);
        pChild->SetKeyValue(_T("Title"), _T("Neu"));
        if (c.pszButtons != NULL)
            pChild->SetKeyValue(_T("Buttons"), c.pszButtons);
        SECCustomToolBarInfoEx loaded;
        EXPECT_TRUE(loaded.LoadStateFromTree(&node));
        EXPECT_EQ(CString(_T("Neu")), loaded.m_strTitle);
        EXPECT_EQ(c.bValid, loaded.m_bButtonsValid != FALSE);
        if (c.bValid)
        {
            std::vector<UINT> ids;
            for (INT_PTR i = 0; i < loaded.m_btnInfo.GetSize(); ++i)
                ids.push_back(loaded.m_btnInfo.GetInfo(i)->m_nID);
            EXPECT_EQ(c.ids, ids);
        }
    }
    SECPersistentTreeNode bare;
    ASSERT_EQ(SECPTN_OK, bare.Create(_T("Bar-2")));
    SECCustomToolBarInfoEx none;
    EXPECT_FALSE(none.LoadStateFromTree(&bare));
    EXPECT_FALSE(none.LoadStateFromTree(NULL));
}

namespace
{
const CPoint kFloatAt(360, 330);

// What the first frame had and the new one must show again.
struct SavedLayout
{
    CRect rectUserFrame; // the user toolbar's floating frame
    CRect rectSecond;    // the second default toolbar, docked
};

// A frame with its default toolbars, the second moved to the left dock bar, a user toolbar
// "Meine Leiste" (red, separator, cyan) floating, and changed options.
SavedLayout BuildLayout(ManagedFrame& frame)
{
    frame.m_pManager->CreateDefaultToolBars();
    frame.m_pManager->SetToolTips(FALSE);
    frame.m_pManager->SetLargeButtons(TRUE);
    SECCustomToolBar* pUser = frame.m_pManager->CreateUserToolBar(_T("Meine Leiste"));
    const UINT ids[] = {ID_TB_RED, 0, ID_TB_CYAN};
    pUser->SetButtons(ids, 3);
    frame.m_pFrame->FloatControlBar(pUser, kFloatAt);
    frame.m_pFrame->DockControlBar(frame.Bar(kSecondBar), AFX_IDW_DOCKBAR_LEFT);
    frame.m_pFrame->RecalcLayout();
    PumpMessages(30);
    SavedLayout layout;
    pUser->GetParentFrame()->GetWindowRect(&layout.rectUserFrame);
    frame.Bar(kSecondBar)->GetWindowRect(&layout.rectSecond);
    return layout;
}

void ExpectLayout(ManagedFrame& frame, const SavedLayout& saved, bool bOptions)
{
    PumpMessages(30);
    ASSERT_EQ(3u, frame.Bars().size());
    SECCustomToolBar* pUser = frame.Bar(SEC_IDW_FIRST_USER_TOOLBAR);
    ASSERT_NE(nullptr, pUser);
    EXPECT_EQ((DWORD)SEC_BARTYPE_CUSTOMTOOLBAR, frame.m_pManager->GetBarTypeID(pUser));
    EXPECT_EQ(CString(_T("Meine Leiste")), frame.Title(SEC_IDW_FIRST_USER_TOOLBAR));
    EXPECT_EQ((std::vector<UINT>{ID_TB_RED, 0, ID_TB_CYAN}), ButtonIDs(pUser));
    EXPECT_EQ(frame.m_pManager, pUser->GetManager());
    EXPECT_TRUE(pUser->IsFloating());
    EXPECT_TRUE(pUser->IsWindowVisible());
    EXPECT_TRUE(pUser->m_bAutoDelete);
    CRect rect;
    pUser->GetParentFrame()->GetWindowRect(&rect);
    EXPECT_EQ(saved.rectUserFrame.TopLeft(), rect.TopLeft());
    SECCustomToolBar* pSecond = frame.Bar(kSecondBar);
    ASSERT_NE(nullptr, pSecond);
    ASSERT_NE(nullptr, pSecond->m_pDockBar);
    EXPECT_EQ(AFX_IDW_DOCKBAR_LEFT, pSecond->m_pDockBar->GetDlgCtrlID());
    EXPECT_EQ((std::vector<UINT>{ID_TB_CYAN, 0, ID_TB_CHECK, ID_TB_ORANGE}), ButtonIDs(pSecond));
    if (bOptions)
    {
        EXPECT_EQ((Options{FALSE, FALSE, TRUE}), OptionsOf(frame.m_pManager));
        ExpectBarsFollow(frame, Options{FALSE, FALSE, TRUE});
    }
}
} // namespace

TEST(ToolBarManagerState, AFrameSavedInEachFormComesBackInANewFrame)
{
    // Profile: the dock state's sections and the manager's.
    for (ProfileScope::Kind kind : {ProfileScope::registry, ProfileScope::iniFile})
    {
        SCOPED_TRACE(kind == ProfileScope::registry ? "registry" : "INI file");
        ProfileScope scope(kind);
        SavedLayout saved;
        {
            ManagedFrame frame;
            saved = BuildLayout(frame);
            frame.m_pFrame->SaveBarState(kPrefix);
            ASSERT_TRUE(frame.m_pManager->SaveState(kPrefix));
        }
        ManagedFrame frame;
        ASSERT_TRUE(frame.m_pManager->LoadState(kPrefix));
        frame.m_pFrame->LoadBarState(kPrefix);
        ExpectLayout(frame, saved, true);
    }

    // Archive: the dock state's records with the toolbars' extension records.
    {
        SCOPED_TRACE("archive");
        SavedLayout saved;
        CMemFile file;
        {
            ManagedFrame frame;
            saved = BuildLayout(frame);
            SECDockState state(frame.m_pManager);
            ASSERT_TRUE(state.CollectFrameState(frame.m_pFrame));
            CArchive ar(&file, CArchive::store);
            state.Serialize(ar);
            ar.Close();
        }
        file.SeekToBegin();
        ManagedFrame frame;
        frame.m_pManager->SetToolTips(FALSE);
        frame.m_pManager->SetLargeButtons(TRUE);
        frame.m_pManager->RepaintToolBars();
        SECDockState state(frame.m_pManager);
        CArchive ar(&file, CArchive::load);
        state.Serialize(ar);
        ar.Close();
        frame.m_pFrame->SetDockState(state);
        ExpectLayout(frame, saved, false);
    }

    // State tree, through an INI file: "DockState" and "ToolBarMgr" under the root.
    {
        SCOPED_TRACE("state tree");
        const std::string path = TempFolder() + "toolbars.ini";
        ::DeleteFile(path.c_str());
        SavedLayout saved;
        {
            ManagedFrame frame;
            saved = BuildLayout(frame);
            SECPTNFactory factory;
            SECPersistentTreeNode root;
            ASSERT_EQ(SECPTN_OK, root.Create(_T("WorkState_v1_2")));
            SECDockState state(frame.m_pManager);
            ASSERT_TRUE(state.CollectFrameState(frame.m_pFrame));
            state.RemoveStaleBarEntries();
            ASSERT_TRUE(state.SaveStateToTree(&factory, &root));
            ASSERT_TRUE(frame.m_pManager->SaveState(&factory, &root));
            SECPTNStrategyProfile profile(path.c_str());
            ASSERT_TRUE(root.SaveTree(&profile));
        }
        SECPersistentTreeNode root;
        ASSERT_EQ(SECPTN_OK, root.Create(_T("WorkState_v1_2")));
        SECPTNStrategyProfile profile(path.c_str());
        ASSERT_TRUE(root.LoadTree(&profile));
        ManagedFrame frame;
        // The manager first (it makes the default toolbars), then the bars' places.
        ASSERT_TRUE(frame.m_pManager->LoadState(&root));
        SECDockState state(frame.m_pManager);
        ASSERT_TRUE(state.LoadStateFromTree(&root));
        frame.m_pFrame->SetDockState(state);
        ExpectLayout(frame, saved, true);
    }
}

namespace
{
// The library's MDI frame with an MDI menu bar of the test's.
class CManagedMDIFrame : public SECMDIFrameWnd
{
  public:
    void SetMenuBar(SECMenuBar* pMenuBar)
    {
        m_pMenuBar = pMenuBar;
    }
};

struct ManagedMDIFrame
{
    ManagedMDIFrame() : m_pFrame(new CManagedMDIFrame), m_pMenuBar(new SECMDIMenuBar)
    {
        m_pFrame->SetMenuBar(m_pMenuBar.get());
        m_pFrame->Create(NULL, _T("MDI"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(60, 60, 700, 520));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_pManager = new SECToolBarManager(m_pFrame, m_pFrame);
        m_pFrame->SetControlBarManager(m_pManager);
        m_pManager->AddToolBarResource(IDR_TB_FIRST, IDR_TB_FIRST);
        m_pManager->AddToolBarResource(IDR_TB_SECOND, IDR_TB_SECOND);
        for (const ManagedFrame::Def& def : ManagedFrame::s_twoBars)
        {
            int nCount = 0;
            UINT* pIDs = NULL;
            m_pManager->DefineDefaultToolBar(def.nBarID, def.pszTitle, def.nResource, nCount, pIDs,
                                             CBRS_ALIGN_ANY, def.nDockBarID, def.nBeside, def.bDocked,
                                             def.bVisible);
            delete[] pIDs;
        }
        m_pManager->LoadMenuBarMenus(m_pFrame, 2, IDM_TB_MENU, IDM_BMP_MENU);
    }
    ~ManagedMDIFrame()
    {
        m_pFrame->DestroyWindow();
        delete m_pManager;
        PumpMessages(10);
    }
    std::vector<UINT> MenuButtons() const
    {
        std::vector<UINT> ids;
        for (int i = 0; i < m_pMenuBar->GetBtnCount(); ++i)
            ids.push_back(m_pMenuBar->GetItemID(i));
        return ids;
    }
    CManagedMDIFrame* m_pFrame;
    std::unique_ptr<SECMDIMenuBar> m_pMenuBar;
    SECToolBarManager* m_pManager;
};
} // namespace

TEST(ToolBarManagerState, TheMDIFramesMenuBarAndToolBarsComeBackInANewFrame)
{
    ProfileScope scope(ProfileScope::registry);
    // The system-menu button, the four menus' buttons, the caption buttons.
    const std::vector<UINT> initial = {0x80000000, 0x80000001, 0x80000002,
                                       0x80000003, 0x80000004, 0x80000000};
    CRect rectSecond;
    {
        ManagedMDIFrame frame;
        ASSERT_TRUE(frame.m_pManager->CreateDefaultToolBars());
        ASSERT_NE(nullptr, frame.m_pMenuBar->m_hWnd);
        ASSERT_EQ(initial.size(), (size_t)frame.m_pMenuBar->GetBtnCount());
        EXPECT_EQ(&frame.m_pMenuBar->GetSysMenuButton(), frame.m_pMenuBar->GetButton(0));
        ASSERT_NE(nullptr, frame.m_pManager->FindBar(kSecondBar));
        ASSERT_NE(nullptr, frame.m_pManager->FindBar(kFirstBar));
        // The user drops the last menu and moves the second toolbar to the bottom.
        frame.m_pMenuBar->RemoveButton(4);
        frame.m_pFrame->DockControlBar(frame.m_pManager->FindBar(kSecondBar), AFX_IDW_DOCKBAR_BOTTOM);
        frame.m_pFrame->RecalcLayout();
        frame.m_pManager->SetLargeButtons(TRUE);
        frame.m_pFrame->SaveBarState(kPrefix);
        ASSERT_TRUE(frame.m_pManager->SaveState(kPrefix));
    }
    ManagedMDIFrame frame;
    ASSERT_TRUE(frame.m_pManager->LoadState(kPrefix));
    frame.m_pFrame->LoadBarState(kPrefix);
    PumpMessages(30);
    EXPECT_TRUE(frame.m_pManager->LargeButtonsEnabled());
    ASSERT_EQ(5, frame.m_pMenuBar->GetBtnCount());
    EXPECT_EQ(&frame.m_pMenuBar->GetSysMenuButton(), frame.m_pMenuBar->GetButton(0));
    EXPECT_EQ(0x80000003u, frame.m_pMenuBar->GetItemID(3));
    EXPECT_EQ(&frame.m_pMenuBar->GetCaptionButtons(), frame.m_pMenuBar->GetButton(4));
    SECCustomToolBar* pSecond = frame.m_pManager->FindBar(kSecondBar);
    ASSERT_NE(nullptr, pSecond);
    ASSERT_NE(nullptr, pSecond->m_pDockBar);
    EXPECT_EQ(AFX_IDW_DOCKBAR_BOTTOM, pSecond->m_pDockBar->GetDlgCtrlID());
    EXPECT_EQ((DWORD)SEC_BARTYPE_MENUBAR, frame.m_pManager->GetBarTypeID(frame.m_pMenuBar.get()));
}
