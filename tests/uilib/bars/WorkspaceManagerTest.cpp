// The workspace manager end to end in a small MDI application: a workspace saved as an INI file
// and below the registry key matches hand-written data, and opening it after everything was
// closed brings back the documents, frames, placements, the docked view and the bar. Save
// prompts and file dialogs are answered from a timer, message boxes through the sink.
#include "BarsIds.h"
#include "WorkspaceApp.h"
#include "uilib/frames/docking/DockableFrame.h"
#include "uilib/frames/docking/MiniDockFrameWnd.h"
#include <map>

using namespace testing_support;

namespace
{
WINDOWPLACEMENT PlacementOf(CWnd* pWnd)
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    pWnd->GetWindowPlacement(&wp);
    return wp;
}

// A stored placement as the test decodes it: 44 bytes, length 44.
bool DecodePlacement(const std::string& text, WINDOWPLACEMENT& wp)
{
    std::vector<BYTE> bytes = DecodeLetters(text);
    if (text.size() != 88 || bytes.size() != sizeof wp)
        return false;
    memcpy(&wp, bytes.data(), sizeof wp);
    return wp.length == sizeof wp;
}

CRect WindowRect(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

std::string Lower(std::string s)
{
    for (char& c : s)
        c = (char)tolower((unsigned char)c);
    return s;
}

// The arranged application: A in two frames (the second hidden), D docked in a floating bar,
// C never saved (all three of the first type), B in a split frame (active); the bar floats.
struct Scene
{
    CWorkspaceApp& app;
    std::string a, b, d;
    CDocument *pA = NULL, *pB = NULL, *pC = NULL, *pD = NULL;
    CFrameWnd *pA1 = NULL, *pA2 = NULL, *pB1 = NULL, *pD1 = NULL;
    WINDOWPLACEMENT wpMain{}, wpA1{}, wpA2{}, wpB1{};
    CRect rectDockedFloat, rectBarFloat, rectUserBar;
    int nDockedBarID = 0;
    UINT nUserBarID = 0;
    const std::vector<UINT> userButtons = {ID_TB_RED, ID_TB_GREEN, ID_TB_BLUE};

    explicit Scene(CWorkspaceApp& theApp) : app(theApp)
    {
        a = CWorkspaceApp::MakeFile("a.wsa");
        b = CWorkspaceApp::MakeFile("b.wsb");
        d = CWorkspaceApp::MakeFile("d.wsa");
        app.m_pFrame->MoveWindow(30, 30, 900, 700);
        pA = app.Open(app.m_pTemplateA, a);
        pA1 = CWorkspaceApp::FramesOf(pA)[0];
        pA2 = app.m_pTemplateA->CreateNewFrame(pA, pA1);
        app.m_pTemplateA->InitialUpdateFrame(pA2, pA, TRUE);
        pD = app.m_pTemplateA->OpenDocumentFileEx(d.c_str(), TRUE, TRUE, 0);
        app.Layout();
        pD1 = CWorkspaceApp::FramesOf(pD)[0];
        CControlBar* pDockedBar = DYNAMIC_DOWNCAST(CControlBar, pD1->GetParent());
        nDockedBarID = pDockedBar->GetDlgCtrlID();
        app.m_pFrame->FloatControlBar(pDockedBar, CPoint(520, 420), CBRS_ALIGN_TOP);
        pB = app.Open(app.m_pTemplateB, b);
        pB1 = CWorkspaceApp::FramesOf(pB)[0];
        pC = app.Open(app.m_pTemplateA, "");
        pA1->MoveWindow(10, 10, 300, 200);
        pA2->MoveWindow(40, 60, 330, 260);
        pA2->ShowWindow(SW_HIDE);
        pB1->MoveWindow(100, 80, 420, 330);
        app.m_pFrame->MDIActivate(pB1);
        app.m_pFrame->FloatControlBar(app.m_pBar, CPoint(300, 500), CBRS_ALIGN_TOP);
        SECCustomToolBar* pUser = app.m_pToolBars->CreateUserToolBar(_T("Eigene"));
        pUser->SetButtons(userButtons.data(), (int)userButtons.size());
        nUserBarID = pUser->GetDlgCtrlID();
        app.m_pFrame->DockControlBar(pUser, AFX_IDW_DOCKBAR_RIGHT);
        app.m_pToolBars->SetToolTips(FALSE);
        app.m_pToolBars->EnableCoolLook(TRUE);
        app.m_pToolBars->SetLargeButtons(FALSE);
        app.Layout();
        rectUserBar = WindowRect(pUser);
        wpMain = PlacementOf(app.m_pFrame);
        wpA1 = PlacementOf(pA1);
        wpA2 = PlacementOf(pA2);
        wpB1 = PlacementOf(pB1);
        rectDockedFloat = WindowRect(pDockedBar->GetParentFrame());
        rectBarFloat = WindowRect(app.m_pBar->GetParentFrame());
    }
};

// The nodes a save of the scene writes; "<wp>" stands for a placement, checked by decoding.
std::vector<StoredNode> Golden(const Scene& s, bool bIni)
{
    const std::string root = "WorkState_v1_2", frames = root + ".Frames", children = frames + ".ChildFrames";
    const std::string doc0 = children + ".Document-0", doc1 = children + ".Document-1",
                      doc3 = children + ".Document-3";
    std::vector<StoredNode> nodes = {
        {root, {{"ptn_Child1", "DockState"}, {"ptn_Child2", "ToolBarMgr"}, {"ptn_Child3", "Frames"}}},
        {root + ".ToolBarMgr", {{"ToolTips", "False"}, {"CoolLook", "True"}, {"LargeButtons", "False"}}},
        {frames, {{"ptn_Child1", "MainFrame"}, {"ptn_Child2", "ChildFrames"}}},
        {frames + ".MainFrame", {{"WindowPlacement", "<wp>"}, {"Title", "Arbeitsbereich-Test"}}},
        {children,
         {{"ptn_Child1", "Document-0"},
          {"ptn_Child2", "Document-1"},
          {"ptn_Child3", "Document-2"},
          {"ptn_Child4", "Document-3"}}},
        {doc0, {{"ptn_Child1", "ViewFrame-0"}, {"ptn_Child2", "ViewFrame-1"}}},
        {doc0 + ".ViewFrame-0",
         {{"DocPathName", s.a},
          {"DocumentString", "Helvon.WsA"},
          {"DocTemplateIndex", "0"},
          {"WindowPlacement", "<wp>"},
          {"IsActiveChildFrame", "False"},
          {"IsFrameVisible", "True"}}},
        {doc0 + ".ViewFrame-1",
         {{"DocPathName", s.a},
          {"DocumentString", "Helvon.WsA"},
          {"DocTemplateIndex", "0"},
          {"WindowPlacement", "<wp>"},
          {"IsActiveChildFrame", "False"},
          {"IsFrameVisible", "False"}}},
        {doc1, {{"ptn_Child1", "ViewFrame-0"}}},
        {doc1 + ".ViewFrame-0",
         {{"DocPathName", s.d},
          {"DocumentString", "Helvon.WsA"},
          {"DocTemplateIndex", "0"},
          {"DockedViewBarID", std::to_string(s.nDockedBarID)},
          {"DockedViewFloating", "True"},
          {"DockedViewFloatingWP", "<wp>"},
          {"IsActiveChildFrame", "False"},
          {"IsFrameVisible", "True"}}},
        {doc3, {{"ptn_Child1", "ViewFrame-0"}}},
        {doc3 + ".ViewFrame-0",
         {{"DocPathName", s.b},
          {"DocumentString", "Helvon.WsB"},
          {"DocTemplateIndex", "0"},
          {"WindowPlacement", "<wp>"},
          {"IsActiveChildFrame", "True"},
          {"IsFrameVisible", "True"},
          {"ptn_Child1", "AdditionalViewPerFrame-0"}}},
        {doc3 + ".ViewFrame-0.AdditionalViewPerFrame-0",
         {{"DocumentString", "Helvon.WsB"}, {"DocTemplateIndex", "0"}}},
    };
    if (!bIni)
    {
        // The registry keeps children as keys and returns values sorted by name, whatever the
        // case; C's document node, with neither values nor children, leaves no key.
        for (StoredNode& node : nodes)
        {
            StoredValues values;
            for (const auto& value : node.values)
                if (value.first.compare(0, 9, "ptn_Child") != 0)
                    values.push_back(value);
            std::sort(values.begin(), values.end(),
                      [](const auto& x, const auto& y) { return Lower(x.first) < Lower(y.first); });
            node.values = values;
        }
    }
    return nodes;
}

void ExpectStored(const std::vector<StoredNode>& stored, const std::vector<StoredNode>& golden)
{
    for (const StoredNode& expected : golden)
    {
        SCOPED_TRACE(expected.path);
        const StoredNode* pNode = FindNode(stored, expected.path);
        ASSERT_TRUE(pNode != NULL);
        ASSERT_EQ(expected.values.size(), pNode->values.size());
        for (size_t i = 0; i < expected.values.size(); i++)
        {
            EXPECT_EQ(expected.values[i].first, pNode->values[i].first);
            if (expected.values[i].second == "<wp>")
            {
                EXPECT_EQ(88u, pNode->values[i].second.size());
                EXPECT_EQ("MCAAAAAA", pNode->values[i].second.substr(0, 8));
            }
            else if (expected.values[i].first == "DocPathName")
            {
                EXPECT_EQ(Lower(expected.values[i].second), Lower(pNode->values[i].second));
            }
            else
            {
                EXPECT_EQ(expected.values[i].second, pNode->values[i].second);
            }
        }
    }
    // Nothing else but the dock state's own nodes.
    for (const StoredNode& node : stored)
    {
        const bool bDockState = node.path.find("WorkState_v1_2.DockState") == 0;
        EXPECT_TRUE(bDockState || FindNode(golden, node.path) != NULL) << node.path;
    }
}

void ExpectPlacement(const std::vector<StoredNode>& stored, const std::string& path, const char* key,
                     const WINDOWPLACEMENT& expected)
{
    WINDOWPLACEMENT wp = {};
    ASSERT_TRUE(DecodePlacement(ValueOf(FindNode(stored, path), key), wp)) << path;
    EXPECT_EQ(expected.showCmd, wp.showCmd) << path;
    EXPECT_EQ(CRect(expected.rcNormalPosition), CRect(wp.rcNormalPosition)) << path;
}

} // namespace

TEST(WorkspaceManager, SavedWorkspaceMatchesHandWrittenDataAndComesBackAfterClosing)
{
    WorkspaceRegistryCleaner cleaner;
    for (const WorkspaceMode& mode : kWorkspaceModes)
    {
        SCOPED_TRACE(mode.label);
        ProfileScope profile(mode.nMode == SECWorkspaceManagerEx::storeProfile ? ProfileScope::iniFile
                                                                               : ProfileScope::registry);
        MessageBoxes boxes;
        CWorkspaceApp app(mode.nMode);
        ASSERT_TRUE(app.m_pManager != NULL);
        Scene scene(app);
        const std::string name = WorkspaceName(mode.nMode, "alles");

        // C's save prompt is cancelled: its document node stays without children.
        {
            CDialogAnswers answers({FileAnswer("")});
            ASSERT_TRUE(app.m_pManager->SaveWorkspace(name.c_str()));
            EXPECT_EQ(1u, answers.Done());
        }
        EXPECT_EQ(name, std::string(app.m_pManager->GetCurrentWorkspace()));
        EXPECT_TRUE(app.m_pManager->IsWorkspaceLoaded());
        EXPECT_EQ(scene.pB1, app.m_pFrame->MDIGetActive()) << "the active child is active again";

        const std::vector<StoredNode> stored = StoredTree(mode.nMode, name);
        ExpectStored(stored, Golden(scene, mode.nMode == SECWorkspaceManagerEx::storeProfile));
        const std::string docs = "WorkState_v1_2.Frames.ChildFrames.Document-";
        ExpectPlacement(stored, "WorkState_v1_2.Frames.MainFrame", "WindowPlacement", scene.wpMain);
        ExpectPlacement(stored, docs + "0.ViewFrame-0", "WindowPlacement", scene.wpA1);
        ExpectPlacement(stored, docs + "0.ViewFrame-1", "WindowPlacement", scene.wpA2);
        ExpectPlacement(stored, docs + "3.ViewFrame-0", "WindowPlacement", scene.wpB1);
        WINDOWPLACEMENT wpDocked = {};
        ASSERT_TRUE(DecodePlacement(ValueOf(FindNode(stored, docs + "1.ViewFrame-0"), "DockedViewFloatingWP"),
                                    wpDocked));
        EXPECT_EQ(scene.rectDockedFloat.TopLeft(), CRect(wpDocked.rcNormalPosition).TopLeft());
        EXPECT_TRUE(FindNode(stored, "WorkState_v1_2.DockState") != NULL);

        // Everything closed and moved elsewhere.
        ASSERT_TRUE(app.m_pManager->CloseWorkspace());
        PumpMessages(50);
        EXPECT_TRUE(app.Documents().empty());
        EXPECT_FALSE(app.m_pManager->IsWorkspaceLoaded());
        app.m_pFrame->DockControlBar(app.m_pBar, AFX_IDW_DOCKBAR_LEFT);
        app.m_pToolBars->FindBar(scene.nUserBarID)->DestroyWindow();
        app.m_pToolBars->SetToolTips(TRUE);
        app.m_pFrame->MoveWindow(60, 50, 700, 500);
        app.m_pFrame->SetWindowText(_T("anders"));
        app.Layout();

        ASSERT_TRUE(app.m_pManager->LoadWorkspace(name.c_str()));
        app.Layout();
        EXPECT_TRUE(boxes.Shown().empty());

        // Each file once, C not at all.
        std::map<std::string, CDocument*> byPath;
        for (CDocument* pDoc : app.Documents())
        {
            std::string path = Lower(std::string(pDoc->GetPathName()));
            EXPECT_EQ(0u, byPath.count(path)) << path;
            byPath[path] = pDoc;
        }
        ASSERT_EQ(3u, byPath.size());
        CDocument* pA = byPath[Lower(scene.a)];
        CDocument* pB = byPath[Lower(scene.b)];
        CDocument* pD = byPath[Lower(scene.d)];
        ASSERT_TRUE(pA != NULL && pB != NULL && pD != NULL);

        std::vector<CFrameWnd*> framesA = CWorkspaceApp::FramesOf(pA);
        ASSERT_EQ(2u, framesA.size());
        EXPECT_EQ(CRect(scene.wpA1.rcNormalPosition), CRect(PlacementOf(framesA[0]).rcNormalPosition));
        EXPECT_EQ(CRect(scene.wpA2.rcNormalPosition), CRect(PlacementOf(framesA[1]).rcNormalPosition));
        EXPECT_TRUE(framesA[0]->IsWindowVisible());
        EXPECT_FALSE(framesA[1]->IsWindowVisible());

        std::vector<CFrameWnd*> framesB = CWorkspaceApp::FramesOf(pB);
        ASSERT_EQ(1u, framesB.size());
        EXPECT_TRUE(framesB[0]->IsKindOf(RUNTIME_CLASS(CWsSplitChild)));
        EXPECT_EQ(CRect(scene.wpB1.rcNormalPosition), CRect(PlacementOf(framesB[0]).rcNormalPosition));
        EXPECT_EQ(framesB[0], app.m_pFrame->MDIGetActive());

        CFrameWnd* pDockedFrame = CWorkspaceApp::FramesOf(pD)[0];
        ASSERT_TRUE(pDockedFrame->IsKindOf(RUNTIME_CLASS(SECDockableFrame)));
        CWnd* pDockedBar = pDockedFrame->GetParent();
        EXPECT_EQ(scene.nDockedBarID, pDockedBar->GetDlgCtrlID());
        CFrameWnd* pDockedFloat = pDockedBar->GetParentFrame();
        ASSERT_TRUE(pDockedFloat->IsKindOf(RUNTIME_CLASS(SECMiniDockFrameWnd)));
        EXPECT_EQ(scene.rectDockedFloat.TopLeft(), WindowRect(pDockedFloat).TopLeft());

        CFrameWnd* pBarFloat = app.m_pBar->GetParentFrame();
        ASSERT_TRUE(pBarFloat->IsKindOf(RUNTIME_CLASS(SECMiniDockFrameWnd)));
        EXPECT_EQ(scene.rectBarFloat, WindowRect(pBarFloat));
        EXPECT_TRUE(app.m_pBar->IsWindowVisible());

        // The user toolbar made again, with its buttons, in its place; the options as saved.
        SECCustomToolBar* pUser = app.m_pToolBars->FindBar(scene.nUserBarID);
        ASSERT_TRUE(pUser != NULL);
        std::vector<UINT> buttons;
        for (int i = 0; i < pUser->GetBtnCount(); i++)
            buttons.push_back(pUser->GetItemID(i));
        EXPECT_EQ(scene.userButtons, buttons);
        EXPECT_EQ(scene.rectUserBar, WindowRect(pUser));
        EXPECT_FALSE(app.m_pToolBars->ToolTipsEnabled());
        EXPECT_TRUE(app.m_pToolBars->CoolLookEnabled());

        EXPECT_EQ(CRect(scene.wpMain.rcNormalPosition), CRect(PlacementOf(app.m_pFrame).rcNormalPosition));
        EXPECT_TRUE(app.m_pFrame->IsWindowVisible());
        CString strTitle;
        app.m_pFrame->GetWindowText(strTitle);
        EXPECT_EQ("Arbeitsbereich-Test", std::string(strTitle));
        EXPECT_EQ(name, std::string(app.m_pManager->GetCurrentWorkspace()));
        EXPECT_TRUE(app.m_pManager->IsWorkspaceLoaded());
        if (mode.nMode == SECWorkspaceManagerEx::storeProfile)
            ::DeleteFile(name.c_str());
    }
}
