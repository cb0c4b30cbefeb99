// The dock state in a state tree: the node "DockState" and its bar nodes against hand-written
// keys, the extension record's own node, a round trip through an INI file, and damaged trees.
#include "TestSupport.h"
#include "afxwin.h"
#include "uilib/bars/ControlBarManager.h"
#include "uilib/common/PTNStrategyProfile.h"
#include "uilib/common/PersistentTreeNode.h"
#include "uilib/frames/docking/ControlBarInfo.h"
#include "uilib/frames/docking/ControlBarInfoEx.h"
#include "uilib/frames/docking/DockState.h"
#include <string>
#include <utility>
#include <vector>

using namespace testing_support;

namespace
{

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs PairsOf(const SECPersistentTreeNode* pNode)
{
    Pairs pairs;
    for (int i = 0; i < pNode->GetKeyValueCount(); ++i)
        pairs.emplace_back(std::string(pNode->GetKeyValuePair(i)->m_strKey),
                           std::string(pNode->GetKeyValuePair(i)->m_strValue));
    return pairs;
}

// An extension record with a node of its own.
class CExtraInfo : public SECControlBarInfoEx
{
  public:
    void SaveStateToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pNode) override
    {
        SECPersistentTreeNode* pMine = pFactory->CreateNode(_T("Extra"), pNode);
        if (pMine != NULL)
            pMine->SetKeyValue(_T("Title"), static_cast<LPCTSTR>(m_strTitle));
    }
    BOOL LoadStateFromTree(SECPersistentTreeNode* pNode) override
    {
        SECPersistentTreeNode* pMine = pNode != NULL ? pNode->FindChild(_T("Extra")) : NULL;
        if (pMine == NULL)
            return FALSE;
        pMine->GetKeyValue(_T("Title"), m_strTitle);
        return TRUE;
    }
    CString m_strTitle;
};

class CExtraManager : public SECControlBarManager
{
  public:
    SECControlBarInfoEx* CreateBarInfo(SECControlBarInfo* pInfo) override
    {
        return pInfo->m_dwTypeID == 14946 ? new CExtraInfo : NULL;
    }
};

// Three saved bars and a dock bar that shows just what a new frame shows.
void Fill(SECDockState& state, CExtraManager* pManager)
{
    SECControlBarInfo* pToolBar = state.CreateBarInfo(pManager);
    pToolBar->m_nBarID = 59392;
    pToolBar->m_bVisible = TRUE;
    pToolBar->m_bHorz = TRUE; // saved only for floating bars; docked ones read back horizontal
    pToolBar->m_bDocking = TRUE;
    pToolBar->m_uMRUDockID = 0xE81B;
    pToolBar->m_rectMRUDockPos = CRect(1, 2, 3, 4);
    pToolBar->m_dwMRUFloatStyle = 0x2000;
    pToolBar->m_ptMRUFloatPos = CPoint(5, 6);
    pToolBar->m_dwStyle = 0x8F00;
    pToolBar->m_dwExStyle = 0x10;
    pToolBar->m_fPctWidth = 0.5f;
    pToolBar->m_szMRUFloat = CSize(100, 40);
    pToolBar->m_dwTypeID = 14946;
    pToolBar->m_strClassName = "SECCustomToolBar";
    pToolBar->m_strWindowName = "Standard";
    pToolBar->m_dwResourceID = 7;
    CExtraInfo* pExtra = new CExtraInfo;
    pExtra->m_strTitle = "Meine Leiste";
    pToolBar->m_pInfoEx = pExtra;
    state.m_arrBarInfo.Add(pToolBar);

    SECControlBarInfo* pDefault = state.CreateBarInfo(pManager);
    pDefault->m_nBarID = 0xE81C;
    pDefault->m_bDockBar = TRUE;
    pDefault->m_bVisible = TRUE;
    state.m_arrBarInfo.Add(pDefault);

    SECControlBarInfo* pDockBar = state.CreateBarInfo(pManager);
    pDockBar->m_nBarID = 0xE81B;
    pDockBar->m_bDockBar = TRUE;
    pDockBar->m_bVisible = TRUE;
    pDockBar->m_bHorz = TRUE;
    for (UINT_PTR id : {(UINT_PTR)0, (UINT_PTR)59392, (UINT_PTR)0x1E800, (UINT_PTR)0})
        pDockBar->m_arrBarID.Add((void*)id);
    state.m_arrBarInfo.Add(pDockBar);

    SECControlBarInfo* pFloating = state.CreateBarInfo(pManager);
    pFloating->m_nBarID = 0xE820;
    pFloating->m_bVisible = FALSE;
    pFloating->m_bFloating = TRUE;
    pFloating->m_bHorz = FALSE;
    pFloating->m_pointPos = CPoint(300, 200);
    pFloating->m_nMRUWidth = 120;
    pFloating->m_bMDIChild = TRUE;
    pFloating->m_wpMDIChild.length = sizeof(WINDOWPLACEMENT);
    pFloating->m_wpMDIChild.showCmd = SW_SHOWNORMAL;
    pFloating->m_wpMDIChild.rcNormalPosition = CRect(10, 20, 310, 220);
    state.m_arrBarInfo.Add(pFloating);
}

std::string Screen(LONG n)
{
    return std::to_string(n);
}

} // namespace

TEST(DockStateTree, TheNodeHoldsEachSavedBarWithTheKeysOfTheProfile)
{
    CExtraManager manager;
    SECDockState state(&manager);
    Fill(state, &manager);
    SECPTNFactory factory;
    SECPersistentTreeNode root;
    ASSERT_EQ(SECPTN_OK, root.Create(_T("WorkState_v1_2")));
    ASSERT_TRUE(state.SaveStateToTree(&factory, &root));

    SECPersistentTreeNode* pNode = root.FindChild(_T("DockState"));
    ASSERT_TRUE(pNode != NULL);
    CSize screen = CDockState::GetScreenSize();
    EXPECT_EQ((Pairs{{"Bars", "3"}, {"ScreenCX", Screen(screen.cx)}, {"ScreenCY", Screen(screen.cy)}}),
              PairsOf(pNode));
    ASSERT_EQ(3, pNode->GetChildCount());
    EXPECT_STREQ("Bar-0", pNode->GetChild(0)->GetName());
    EXPECT_STREQ("Bar-2", pNode->GetChild(2)->GetName());
    const Pairs library = {{"Style", "0"},         {"ExStyle", "0"},       {"PrevFloating", "False"},
                           {"MDIChild", "False"},  {"PctWidth", "0"},      {"MRUFloatCX", "0"},
                           {"MRUFloatCY", "0"},    {"MRUHorzDockCX", "0"}, {"MRUHorzDockCY", "0"},
                           {"MRUVertDockCX", "0"}, {"MRUVertDockCY", "0"}, {"MRUDockingState", "0"},
                           {"DockingStyle", "0"},  {"TypeID", "0"},        {"ClassName", ""},
                           {"WindowName", ""},     {"ResourceID", "0"}};
    Pairs toolBar = {{"BarID", "59392"},
                     {"Docking", "1"},
                     {"MRUDockID", "59419"},
                     {"MRUDockLeftPos", "1"},
                     {"MRUDockTopPos", "2"},
                     {"MRUDockRightPos", "3"},
                     {"MRUDockBottomPos", "4"},
                     {"MRUFloatStyle", "8192"},
                     {"MRUFloatXPos", "5"},
                     {"MRUFloatYPos", "6"},
                     {"Style", "36608"},
                     {"ExStyle", "16"},
                     {"PrevFloating", "False"},
                     {"MDIChild", "False"},
                     {"PctWidth", "500000"},
                     {"MRUFloatCX", "100"},
                     {"MRUFloatCY", "40"},
                     {"MRUHorzDockCX", "0"},
                     {"MRUHorzDockCY", "0"},
                     {"MRUVertDockCX", "0"},
                     {"MRUVertDockCY", "0"},
                     {"MRUDockingState", "0"},
                     {"DockingStyle", "0"},
                     {"TypeID", "14946"},
                     {"ClassName", "SECCustomToolBar"},
                     {"WindowName", "Standard"},
                     {"ResourceID", "7"}};
    EXPECT_EQ(toolBar, PairsOf(pNode->GetChild(0)));
    ASSERT_EQ(1, pNode->GetChild(0)->GetChildCount());
    EXPECT_EQ((Pairs{{"Title", "Meine Leiste"}}), PairsOf(pNode->GetChild(0)->FindChild(_T("Extra"))));

    Pairs dockBar = {{"BarID", "59419"}, {"Bars", "4"},       {"Bar#0", "0"},
                     {"Bar#1", "59392"}, {"Bar#2", "124928"}, {"Bar#3", "0"}};
    dockBar.insert(dockBar.end(), library.begin(), library.end());
    EXPECT_EQ(dockBar, PairsOf(pNode->GetChild(1)));

    Pairs floating = PairsOf(pNode->GetChild(2));
    ASSERT_EQ(7u + library.size() + 1, floating.size());
    EXPECT_EQ((Pairs{{"BarID", "59424"},
                     {"Visible", "0"},
                     {"Horz", "0"},
                     {"Floating", "1"},
                     {"XPos", "300"},
                     {"YPos", "200"},
                     {"MRUWidth", "120"}}),
              Pairs(floating.begin(), floating.begin() + 7));
    EXPECT_EQ((std::pair<std::string, std::string>("MDIChild", "True")), floating[10]);
    EXPECT_EQ("MDIChildWindowPlacement", floating[11].first);
    EXPECT_EQ(88u, floating[11].second.size());
    EXPECT_EQ("PctWidth", floating[12].first);
}

TEST(DockStateTree, AStateReadBackFromAnIniFileEqualsTheSavedOne)
{
    CExtraManager manager;
    SECDockState state(&manager);
    Fill(state, &manager);
    std::string file = TempFolder() + "dockstate.ini";
    ::DeleteFile(file.c_str());
    {
        SECPTNFactory factory;
        SECPersistentTreeNode root;
        ASSERT_EQ(SECPTN_OK, root.Create(_T("WorkState_v1_2")));
        ASSERT_TRUE(state.SaveStateToTree(&factory, &root));
        SECPTNStrategyProfile profile(file.c_str());
        ASSERT_TRUE(root.SaveTree(&profile));
    }
    SECPersistentTreeNode root;
    ASSERT_EQ(SECPTN_OK, root.Create(_T("WorkState_v1_2")));
    SECPTNStrategyProfile profile(file.c_str());
    ASSERT_TRUE(root.LoadTree(&profile));
    SECDockState loaded(&manager);
    ASSERT_TRUE(loaded.LoadStateFromTree(&root));
    ASSERT_EQ(3, loaded.GetBarInfoCount());
    const int saved[] = {0, 2, 3}; // the default dock bar is left out
    for (int i = 0; i < 3; ++i)
    {
        SCOPED_TRACE(i);
        const SECControlBarInfo* a = state.GetBarInfo(saved[i]);
        const SECControlBarInfo* b = loaded.GetBarInfo(i);
        EXPECT_EQ(a->m_nBarID, b->m_nBarID);
        EXPECT_EQ(a->m_bVisible, b->m_bVisible);
        EXPECT_EQ(a->m_bFloating, b->m_bFloating);
        EXPECT_EQ(a->m_bHorz, b->m_bHorz);
        EXPECT_EQ(a->m_pointPos, b->m_pointPos);
        EXPECT_EQ(a->m_nMRUWidth, b->m_nMRUWidth);
        EXPECT_EQ(a->m_bDocking, b->m_bDocking);
        EXPECT_EQ(a->m_rectMRUDockPos, b->m_rectMRUDockPos);
        EXPECT_EQ(a->m_ptMRUFloatPos, b->m_ptMRUFloatPos);
        EXPECT_EQ(a->m_dwMRUFloatStyle, b->m_dwMRUFloatStyle);
        ASSERT_EQ(a->m_arrBarID.GetSize(), b->m_arrBarID.GetSize());
        for (int j = 0; j < a->m_arrBarID.GetSize(); ++j)
            EXPECT_EQ(a->m_arrBarID[j], b->m_arrBarID[j]);
        EXPECT_EQ(a->m_dwStyle, b->m_dwStyle);
        EXPECT_EQ(a->m_dwExStyle, b->m_dwExStyle);
        EXPECT_FLOAT_EQ(a->m_fPctWidth, b->m_fPctWidth);
        EXPECT_EQ(a->m_szMRUFloat, b->m_szMRUFloat);
        EXPECT_EQ(a->m_bMDIChild, b->m_bMDIChild);
        EXPECT_EQ(CRect(a->m_wpMDIChild.rcNormalPosition), CRect(b->m_wpMDIChild.rcNormalPosition));
        EXPECT_EQ(a->m_dwTypeID, b->m_dwTypeID);
        EXPECT_STREQ(a->m_strClassName, b->m_strClassName);
        EXPECT_STREQ(a->m_strWindowName, b->m_strWindowName);
        EXPECT_EQ(a->m_dwResourceID, b->m_dwResourceID);
    }
    ASSERT_TRUE(loaded.GetBarInfo(0)->m_pInfoEx != NULL);
    EXPECT_STREQ("Meine Leiste", static_cast<CExtraInfo*>(loaded.GetBarInfo(0)->m_pInfoEx)->m_strTitle);
    EXPECT_TRUE(loaded.GetBarInfo(1)->m_pInfoEx == NULL);
}

TEST(DockStateTree, DamagedOrMissingNodesLoadWhatIsThere)
{
    SECDockState state;
    EXPECT_FALSE(state.LoadStateFromTree(NULL));
    SECPersistentTreeNode root;
    ASSERT_EQ(SECPTN_OK, root.Create(_T("WorkState_v1_2")));
    EXPECT_FALSE(state.LoadStateFromTree(&root));
    SECPTNFactory factory;
    EXPECT_FALSE(state.SaveStateToTree(NULL, &root));
    EXPECT_FALSE(state.SaveStateToTree(&factory, NULL));

    SECPersistentTreeNode* pNode = factory.CreateNode(_T("DockState"), &root);
    ASSERT_TRUE(pNode != NULL);
    CSize screen = CDockState::GetScreenSize();
    pNode->SetKeyValue(_T("Bars"), 1000000000);
    pNode->SetKeyValue(_T("ScreenCX"), (int)screen.cx / 2);
    pNode->SetKeyValue(_T("ScreenCY"), (int)screen.cy);
    for (int i : {0, 5})
    {
        SECPersistentTreeNode* pBar = factory.CreateNode(("Bar-" + std::to_string(i)).c_str(), pNode);
        pBar->SetKeyValue(_T("BarID"), 100 + i);
        pBar->SetKeyValue(_T("XPos"), 40);
        pBar->SetKeyValue(_T("Bars"), 1000000000); // a damaged count of the bar's own list
        pBar->SetKeyValue(_T("Bar#0"), 7);
        pBar->SetKeyValue(_T("MRUFloatCX"), -5);
        pBar->SetKeyValue(_T("PctWidth"), _T("-3"));
    }
    ULONGLONG start = NowMs();
    ASSERT_TRUE(state.LoadStateFromTree(&root));
    EXPECT_LT(NowMs() - start, 2000u);
    ASSERT_EQ(2, state.GetBarInfoCount());
    const SECControlBarInfo* pSecond = state.GetBarInfo(1);
    EXPECT_EQ(105u, pSecond->m_nBarID);
    EXPECT_EQ(80, pSecond->m_pointPos.x); // saved on a screen half as wide
    EXPECT_EQ(-1, pSecond->m_pointPos.y);
    EXPECT_TRUE(pSecond->m_bVisible);
    EXPECT_TRUE(pSecond->m_bHorz);
    EXPECT_EQ(32767u, pSecond->m_nMRUWidth);
    ASSERT_EQ(1, pSecond->m_arrBarID.GetSize());
    EXPECT_EQ(0, pSecond->m_szMRUFloat.cx);
    EXPECT_EQ(0.0f, pSecond->m_fPctWidth);
}
