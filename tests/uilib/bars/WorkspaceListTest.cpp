// The workspace manager's recent list, its commands through the frame's menu (real keys), the
// workspace dialog's edits applied to the registry, renames, a failed save, the older root and
// the frames' set-up of the plug-in.
#include "BarsIds.h"
#include "WorkspaceApp.h"
#include "uilib/common/PTNStrategy.h"
#include "uilib/bars/WSLBEditorEx.h"
#include "uilib/bars/WsMgrDialogEx.h"
#include "uilib/frames/docking/DockableFrame.h"
#include "uilib/frames/docking/FrameWnd.h"
#include <fstream>
#include <sstream>

using namespace testing_support;

namespace
{
using Names = std::vector<std::string>;

Names RecentList(SECWorkspaceManagerEx* pManager)
{
    CStringArray names;
    pManager->ReadWorkspaceList(names);
    Names result;
    for (int i = 0; i < names.GetSize(); i++)
        result.push_back(std::string(names[i]));
    return result;
}

// The list's entries as the INI file holds them.
StoredValues IniList(const std::string& file, const char* section)
{
    const StoredNode* pNode = NULL;
    std::vector<StoredNode> nodes = ReadIniTree(file);
    pNode = FindNode(nodes, section);
    return pNode != NULL ? pNode->values : StoredValues();
}

std::string MenuText(CMenu* pMenu, int nPos)
{
    CString strText;
    pMenu->GetMenuString(nPos, strText, MF_BYPOSITION);
    return std::string(strText);
}

// The workspace popup as the frame prepares it before showing it.
CMenu* PreparedPopup(CWorkspaceApp& app)
{
    CMenu* pPopup = app.m_pFrame->GetMenu()->GetSubMenu(0);
    app.m_pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)pPopup->m_hMenu, 0);
    return pPopup;
}

// MF_GRAYED and MF_CHECKED of an item; a disabled item counts as grayed.
UINT ItemState(CMenu* pMenu, UINT nID)
{
    UINT nState = pMenu->GetMenuState(nID, MF_BYCOMMAND);
    return ((nState & (MF_GRAYED | MF_DISABLED)) != 0 ? MF_GRAYED : 0) | (nState & MF_CHECKED);
}

// Opens the workspace menu with Alt+A and chooses an item by its mnemonic, all queued at once:
// the menu's own loop reads the item's key.
void ChooseFromMenu(CWorkspaceApp& app, WORD mnemonic)
{
    app.m_pFrame->SetForegroundWindow();
    PumpMessages(30);
    const struct
    {
        WORD vk;
        bool bUp;
    } keys[] = {{VK_MENU, false}, {'A', false},      {'A', true},
                {VK_MENU, true},  {mnemonic, false}, {mnemonic, true}};
    INPUT in[6] = {};
    for (int i = 0; i < 6; i++)
    {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = keys[i].vk;
        in[i].ki.dwFlags = keys[i].bUp ? KEYEVENTF_KEYUP : 0;
    }
    ::SendInput(6, in, sizeof(INPUT));
    PumpMessages(200);
}

// A strategy that refuses every write after the first few.
class CFailingStrategy : public SECPTNStrategy
{
  public:
    CFailingStrategy(SECPTNStrategy* pInner, int nWrites) : m_pInner(pInner), m_nLeft(nWrites)
    {
    }
    ~CFailingStrategy() override
    {
        delete m_pInner;
    }
    BOOL ClearNode(const CStringList& path) override
    {
        return m_pInner->ClearNode(path);
    }
    BOOL WriteKeyValue(const CStringList& path, LPCTSTR lpszKey, LPCTSTR lpszValue) override
    {
        return m_nLeft-- > 0 && m_pInner->WriteKeyValue(path, lpszKey, lpszValue);
    }
    BOOL WriteChildNames(const CStringList& path, const CStringList& names) override
    {
        return m_pInner->WriteChildNames(path, names);
    }
    BOOL ReadNode(const CStringList& path, CStringList& childNames, CStringList& keys,
                  CStringList& values) override
    {
        return m_pInner->ReadNode(path, childNames, keys, values);
    }

  private:
    SECPTNStrategy* m_pInner;
    int m_nLeft;
};
} // namespace

// A manager whose storage fails half-way while asked to.
class CFailingWorkspaceManager : public SECWorkspaceManagerEx
{
    DECLARE_DYNCREATE(CFailingWorkspaceManager)

  public:
    SECPTNStrategy* CreateStrategy(const CString& strName) override
    {
        SECPTNStrategy* pStrategy = SECWorkspaceManagerEx::CreateStrategy(strName);
        return m_bFail ? new CFailingStrategy(pStrategy, 3) : pStrategy;
    }
    bool m_bFail = false;
};
IMPLEMENT_DYNCREATE(CFailingWorkspaceManager, SECWorkspaceManagerEx)

TEST(WorkspaceManager, RecentListKeepsEightNamesWithoutDuplicatesWhereverItIsStored)
{
    WorkspaceRegistryCleaner cleaner;
    struct
    {
        const char* label;
        int nMode;
        BOOL bInAppSection;
    } cases[] = {
        {"profile file", SECWorkspaceManagerEx::storeProfile, FALSE},
        {"below the base key", SECWorkspaceManagerEx::storeRegistry, FALSE},
        {"in the application's section", SECWorkspaceManagerEx::storeRegistry, TRUE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.label);
        const bool bFile = c.nMode == SECWorkspaceManagerEx::storeProfile;
        ProfileScope profile(bFile ? ProfileScope::iniFile : ProfileScope::registry);
        CWorkspaceApp app(c.nMode);
        app.m_pManager->SetStorageMode(c.nMode, c.bInAppSection);
        // Where the list must be, read with the system's own functions.
        auto stored = [&]() {
            if (bFile)
                return IniList(profile.IniPath(), "__MRUFileList");
            const std::string key =
                c.bInAppSection ? profile.SectionKey("Software\\Tessaron\\DefWorkspace") + "\\__MRURegList"
                                : std::string(kWorkspaceBaseKey) + "\\__MRURegList";
            std::vector<StoredNode> nodes = ReadRegistryTree(HKEY_CURRENT_USER, key);
            return nodes.empty() ? StoredValues() : nodes[0].values;
        };
        Names saved;
        for (int i = 1; i <= 9; i++)
        {
            std::string name = WorkspaceName(c.nMode, ("w" + std::to_string(i)).c_str());
            ASSERT_TRUE(app.m_pManager->SaveWorkspace(name.c_str()));
            saved.push_back(name);
        }
        const Names expected(saved.rbegin(), saved.rbegin() + 8); // the ninth dropped the oldest
        EXPECT_EQ(expected, RecentList(app.m_pManager));
        StoredValues values = stored();
        ASSERT_EQ(8u, values.size());
        EXPECT_EQ(StoredValues::value_type("Workspace0", saved[8]), values[0]);
        EXPECT_EQ(StoredValues::value_type("Workspace7", saved[1]), values[7]);

        // Opening one again moves it to the head; it is never listed twice.
        ASSERT_TRUE(app.m_pManager->LoadWorkspace(saved[4].c_str()));
        ASSERT_TRUE(app.m_pManager->LoadWorkspace(saved[4].c_str()));
        Names list = RecentList(app.m_pManager);
        ASSERT_EQ(8u, list.size());
        EXPECT_EQ(saved[4], list[0]);
        EXPECT_EQ(1, std::count(list.begin(), list.end(), saved[4]));
        EXPECT_EQ(saved[8], list[1]);

        // Down to three, then one removed: exactly the other two are stored.
        CStringArray three;
        for (int i = 0; i < 3; i++)
            three.Add(saved[i].c_str());
        ASSERT_TRUE(app.m_pManager->WriteWorkspaceList(three));
        EXPECT_TRUE(app.m_pManager->RemoveFromWorkspaceList(saved[1].c_str()));
        EXPECT_FALSE(app.m_pManager->RemoveFromWorkspaceList(_T("unbekannt")));
        EXPECT_EQ((StoredValues{{"Workspace0", saved[0]}, {"Workspace1", saved[2]}}), stored());
        for (const std::string& name : saved)
            if (bFile)
                ::DeleteFile(name.c_str());
    }
}

TEST(WorkspaceManager, CommandsThroughTheMenu)
{
    WorkspaceRegistryCleaner cleaner;
    ProfileScope profile(ProfileScope::iniFile);
    MessageBoxes boxes;
    CWorkspaceApp app(SECWorkspaceManagerEx::storeProfile);
    const std::string first = WorkspaceName(SECWorkspaceManagerEx::storeProfile, "erster");
    const std::string second = WorkspaceName(SECWorkspaceManagerEx::storeProfile, "zweiter");
    const std::string a = CWorkspaceApp::MakeFile("menu.wsa");

    // No workspace yet: closing is disabled, the recent place says so, disabled.
    CMenu* pPopup = PreparedPopup(app);
    EXPECT_EQ((UINT)MF_GRAYED, ItemState(pPopup, ID_SEC_WORKSPACE_CLOSE));
    EXPECT_EQ(0u, ItemState(pPopup, ID_SEC_WORKSPACE_OPEN));
    EXPECT_EQ("(keine)", MenuText(pPopup, 5));
    EXPECT_EQ((UINT)ID_SEC_WORKSPACE_MRU_FIRST, pPopup->GetMenuItemID(5));
    EXPECT_EQ((UINT)MF_GRAYED, ItemState(pPopup, ID_SEC_WORKSPACE_MRU_FIRST));
    const int nItems = pPopup->GetMenuItemCount();

    // Save as asks for a file.
    app.Open(app.m_pTemplateA, a);
    {
        CDialogAnswers answers({FileAnswer(first)});
        ChooseFromMenu(app, 'U');
        PumpUntil([&] { return answers.Done() == 1 && app.m_pManager->IsWorkspaceLoaded(); }, 5000);
        ASSERT_EQ(1u, answers.Done());
        EXPECT_EQ("Arbeitsbereich speichern", answers.Captions()[0]);
    }
    EXPECT_EQ(0, CString(first.c_str()).CompareNoCase(app.m_pManager->GetCurrentWorkspace()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(first.c_str()));
    ASSERT_TRUE(app.m_pManager->SaveWorkspace(second.c_str()));

    // Two recent items, the current one checked; the items after the run stay.
    pPopup = PreparedPopup(app);
    EXPECT_EQ("&1 " + second, MenuText(pPopup, 5));
    EXPECT_EQ("&2 " + first, MenuText(pPopup, 6));
    EXPECT_EQ((UINT)MF_CHECKED, ItemState(pPopup, ID_SEC_WORKSPACE_MRU_FIRST));
    EXPECT_EQ(0u, ItemState(pPopup, ID_SEC_WORKSPACE_MRU_FIRST + 1));
    EXPECT_EQ(nItems + 1, pPopup->GetMenuItemCount());
    EXPECT_EQ("&Ende", MenuText(pPopup, nItems));
    EXPECT_EQ(0u, ItemState(pPopup, ID_SEC_WORKSPACE_CLOSE));

    // Close: the documents go, the workspace is no longer loaded and closing disabled again.
    ChooseFromMenu(app, 'L');
    PumpUntil([&] { return app.Documents().empty(); }, 3000);
    EXPECT_TRUE(app.Documents().empty());
    EXPECT_FALSE(app.m_pManager->IsWorkspaceLoaded());
    EXPECT_EQ((UINT)MF_GRAYED, ItemState(PreparedPopup(app), ID_SEC_WORKSPACE_CLOSE));

    // The second recent item opens the first workspace.
    ChooseFromMenu(app, '2');
    PumpUntil([&] { return app.Documents().size() == 1; }, 3000);
    ASSERT_EQ(1u, app.Documents().size());
    EXPECT_EQ(0, CString(first.c_str()).CompareNoCase(app.m_pManager->GetCurrentWorkspace()));

    // Open asks for a file; Save writes the current one without asking.
    app.m_pManager->CloseWorkspace();
    {
        CDialogAnswers answers({FileAnswer(second)});
        ChooseFromMenu(app, 'F');
        PumpUntil([&] { return answers.Done() == 1 && app.Documents().size() == 1; }, 5000);
        ASSERT_EQ(1u, answers.Done());
        EXPECT_EQ("Offener Arbeitsbereich", answers.Captions()[0]);
    }
    EXPECT_EQ(0, CString(second.c_str()).CompareNoCase(app.m_pManager->GetCurrentWorkspace()));
    ::DeleteFile(second.c_str());
    ChooseFromMenu(app, 'S');
    PumpUntil([&] { return ::GetFileAttributes(second.c_str()) != INVALID_FILE_ATTRIBUTES; }, 3000);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(second.c_str()));
    EXPECT_TRUE(boxes.Shown().empty());
    app.m_pManager->CloseWorkspace();
    ::DeleteFile(first.c_str());
    ::DeleteFile(second.c_str());
}

TEST(WorkspaceManager, DialogEditsReachTheRegistryOnlyAfterOk)
{
    WorkspaceRegistryCleaner cleaner;
    ProfileScope profile(ProfileScope::registry);
    MessageBoxes boxes;
    CWorkspaceApp app(SECWorkspaceManagerEx::storeRegistry);
    for (const char* name : {"Alpha", "Beta", "Gamma"})
        ASSERT_TRUE(app.m_pManager->SaveWorkspace(name));
    auto exists = [](const char* name) {
        return !ReadRegistryTree(HKEY_CURRENT_USER,
                                 std::string(kWorkspaceBaseKey) + "\\" + name + "\\WorkState_v1_2")
                    .empty();
    };
    // Deleting "Gamma" (the head of the list) and cancelling changes nothing.
    auto deleteFirst = [](HWND hDialog) {
        SECWsMgrDialogEx* pDialog = DYNAMIC_DOWNCAST(SECWsMgrDialogEx, CWnd::FromHandlePermanent(hDialog));
        ASSERT_TRUE(pDialog != NULL);
        pDialog->GetEditor()->GetListBox()->SetCurSel(0);
        pDialog->GetEditor()->DeleteSelection();
    };
    CString strName;
    {
        CDialogAnswers answers({[&](HWND hDialog) {
            deleteFirst(hDialog);
            ::PostMessage(hDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }});
        EXPECT_FALSE(app.m_pManager->ChooseWorkspaceName(strName, TRUE, FALSE));
        EXPECT_EQ("Offener Arbeitsbereich", answers.Captions().at(0));
    }
    EXPECT_TRUE(exists("Gamma"));
    EXPECT_EQ((Names{"Gamma", "Beta", "Alpha"}), RecentList(app.m_pManager));

    // The same with "&Done": the workspace and its list entry go; the chosen name stays current.
    {
        CDialogAnswers answers({[&](HWND hDialog) {
            deleteFirst(hDialog);
            ::PostMessage(hDialog, WM_COMMAND, MAKEWPARAM(IDC_SEC_WS_DONE, BN_CLICKED), 0);
        }});
        EXPECT_TRUE(app.m_pManager->ChooseWorkspaceName(strName, FALSE, FALSE));
    }
    EXPECT_EQ("Gamma", std::string(strName));
    EXPECT_FALSE(exists("Gamma"));
    EXPECT_TRUE(exists("Beta"));
    EXPECT_EQ((Names{"Beta", "Alpha"}), RecentList(app.m_pManager));
    EXPECT_TRUE(boxes.Shown().empty());

    // Save as: a name typed into the dialog's empty entry and confirmed is saved under.
    boxes.Expect(IDYES, "Neuen Arbeitsbereich 'Delta' speichern?");
    {
        CDialogAnswers answers({[&](HWND hDialog) {
            SECWsMgrDialogEx* pDialog =
                DYNAMIC_DOWNCAST(SECWsMgrDialogEx, CWnd::FromHandlePermanent(hDialog));
            ASSERT_TRUE(pDialog != NULL);
            SECWSLBEditorEx* pEditor = pDialog->GetEditor();
            pEditor->GetListBox()->SetCurSel(pEditor->GetListBox()->GetCount() - 1);
            pEditor->EditCurrent(0);
            ASSERT_TRUE(pEditor->GetEdit() != NULL);
            pEditor->GetEdit()->SetWindowText(_T("Delta"));
            SendKey(VK_RETURN);
        }});
        EXPECT_TRUE(app.m_pManager->SaveWorkspace(CString()));
        EXPECT_EQ("Arbeitsbereich speichern", answers.Captions().at(0));
    }
    EXPECT_EQ(0u, boxes.Pending());
    EXPECT_TRUE(exists("Delta"));
    EXPECT_EQ("Delta", std::string(app.m_pManager->GetCurrentWorkspace()));
    EXPECT_EQ((Names{"Delta", "Beta", "Alpha"}), RecentList(app.m_pManager));

    // The most recent one opens without asking; a missing one silently fails and leaves the list.
    app.m_pManager->CloseWorkspace();
    EXPECT_TRUE(app.m_pManager->OpenWorkspace(TRUE, TRUE));
    EXPECT_EQ("Delta", std::string(app.m_pManager->GetCurrentWorkspace()));
    DeleteRegistryTree(HKEY_CURRENT_USER, std::string(kWorkspaceBaseKey) + "\\Beta");
    EXPECT_FALSE(app.m_pManager->LoadWorkspace(_T("Beta"), TRUE));
    EXPECT_EQ((Names{"Delta", "Alpha"}), RecentList(app.m_pManager));
    EXPECT_EQ(1u, boxes.Shown().size());
}

TEST(WorkspaceManager, RenamesMoveTheStoredWorkspaceOnlyWhenBothStepsSucceed)
{
    WorkspaceRegistryCleaner cleaner;
    ProfileScope profile(ProfileScope::registry);
    CWorkspaceApp app(SECWorkspaceManagerEx::storeRegistry);
    const char kMachineBase[] = "Software\\Tessaron\\DefWorkspace\\";
    struct
    {
        const char* label;
        HKEY hRoot;
        const char* oldName;
        const char* newName;
        bool bSaveOld;
        bool bMoved;
    } cases[] = {
        {"plain rename", HKEY_CURRENT_USER, "Alt", "Neu", true, true},
        {"rename below another root", HKEY_LOCAL_MACHINE, "Alt", "Neu", true, true},
        {"empty new name", HKEY_CURRENT_USER, "Alt", "", true, false},
        {"new name with a backslash", HKEY_CURRENT_USER, "Alt", "a\\b", true, false},
        {"nothing stored under the old name", HKEY_CURRENT_USER, "Fehlt", "Neu", false, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.label);
        app.m_pManager->SetRegistryInfo(kMachineBase, SECWorkspaceManagerEx::storeRegistry, c.hRoot, FALSE);
        auto exists = [&](const std::string& name) {
            return !ReadRegistryTree(c.hRoot,
                                     std::string(kWorkspaceBaseKey) + "\\" + name + "\\WorkState_v1_2")
                        .empty();
        };
        DeleteRegistryTree(c.hRoot, kWorkspaceBaseKey);
        if (c.bSaveOld)
        {
            ASSERT_TRUE(app.m_pManager->SaveWorkspace(c.oldName));
        }
        CStringArray oldNames, newNames, deleted;
        oldNames.Add(c.oldName);
        newNames.Add(c.newName);
        EXPECT_EQ(c.bMoved ? TRUE : FALSE, app.m_pManager->ApplyWorkspaceEdits(oldNames, newNames, deleted));
        EXPECT_EQ(c.bMoved, exists(c.newName));
        EXPECT_EQ(c.bSaveOld && !c.bMoved, exists(c.oldName));
        DeleteRegistryTree(c.hRoot, kWorkspaceBaseKey);
    }
    ::RegDeleteKey(HKEY_LOCAL_MACHINE, "Software\\Tessaron");
    // Deleting an empty name refuses instead of taking the base key with it.
    app.m_pManager->SetRegistryInfo(kMachineBase, SECWorkspaceManagerEx::storeRegistry, HKEY_CURRENT_USER,
                                    FALSE);
    ASSERT_TRUE(app.m_pManager->SaveWorkspace(_T("Bleibt")));
    CStringArray none, deleted;
    deleted.Add(_T(""));
    EXPECT_FALSE(app.m_pManager->ApplyWorkspaceEdits(none, none, deleted));
    EXPECT_FALSE(
        ReadRegistryTree(HKEY_CURRENT_USER, std::string(kWorkspaceBaseKey) + "\\Bleibt\\WorkState_v1_2")
            .empty());
    // Nor is a workspace saved or opened under a name that is no single key.
    MessageBoxes boxes;
    boxes.Expect(IDOK, "Der Arbeitsbereich 'a\\b' konnte nicht gespeichert werden.");
    EXPECT_FALSE(app.m_pManager->SaveWorkspace(_T("a\\b")));
    EXPECT_EQ(0u, boxes.Pending());
    EXPECT_TRUE(ReadRegistryTree(HKEY_CURRENT_USER, std::string(kWorkspaceBaseKey) + "\\a").empty());
    EXPECT_EQ("Bleibt", std::string(app.m_pManager->GetCurrentWorkspace()));
    boxes.Expect(IDOK, "ltiger Arbeitsbereich.");
    EXPECT_FALSE(app.m_pManager->LoadWorkspace(_T("..\\Bleibt")));
    EXPECT_EQ(0u, boxes.Pending());
}

TEST(WorkspaceManager, FailedSaveSaysSoAndKeepsWhatWasStored)
{
    WorkspaceRegistryCleaner cleaner;
    for (const WorkspaceMode& mode : kWorkspaceModes)
    {
        SCOPED_TRACE(mode.label);
        ProfileScope profile(mode.nMode == SECWorkspaceManagerEx::storeProfile ? ProfileScope::iniFile
                                                                               : ProfileScope::registry);
        MessageBoxes boxes;
        CWorkspaceApp app(mode.nMode, RUNTIME_CLASS(CFailingWorkspaceManager));
        CFailingWorkspaceManager* pManager = static_cast<CFailingWorkspaceManager*>(app.m_pManager);
        const std::string kept = WorkspaceName(mode.nMode, "gut");
        const std::string other = WorkspaceName(mode.nMode, "anderer");
        app.Open(app.m_pTemplateA, CWorkspaceApp::MakeFile("gespeichert.wsa"));
        ASSERT_TRUE(pManager->SaveWorkspace(kept.c_str()));
        const std::vector<StoredNode> before = StoredTree(mode.nMode, kept);
        ASSERT_FALSE(before.empty());

        // With a second document open the same save breaks off half-way.
        app.Open(app.m_pTemplateA, CWorkspaceApp::MakeFile("neu.wsa"));
        pManager->m_bFail = true;
        boxes.Expect(IDOK, "konnte nicht gespeichert werden.");
        EXPECT_FALSE(pManager->SaveWorkspace(kept.c_str()));
        boxes.Expect(IDOK, "konnte nicht gespeichert werden.");
        EXPECT_FALSE(pManager->SaveWorkspace(other.c_str()));
        EXPECT_EQ(0u, boxes.Pending());
        pManager->m_bFail = false;

        const std::vector<StoredNode> after = StoredTree(mode.nMode, kept);
        ASSERT_EQ(before.size(), after.size());
        for (size_t i = 0; i < before.size(); i++)
        {
            EXPECT_EQ(before[i].path, after[i].path);
            EXPECT_EQ(before[i].values, after[i].values) << before[i].path;
        }
        EXPECT_TRUE(StoredTree(mode.nMode, other).empty());
        EXPECT_EQ(kept, std::string(pManager->GetCurrentWorkspace()));
        EXPECT_TRUE(pManager->IsWorkspaceLoaded());
        EXPECT_EQ(Names{kept}, RecentList(pManager));
        // Nothing half-written is left beside it.
        const bool bLeftOver =
            mode.nMode == SECWorkspaceManagerEx::storeProfile
                ? ::GetFileAttributes((kept + ".tmp").c_str()) != INVALID_FILE_ATTRIBUTES
                : !ReadRegistryTree(HKEY_CURRENT_USER, std::string(kWorkspaceBaseKey) + "\\gut\\~Saving")
                       .empty();
        EXPECT_FALSE(bLeftOver);
        pManager->CloseWorkspace();
        if (mode.nMode == SECWorkspaceManagerEx::storeProfile)
            ::DeleteFile(kept.c_str());
    }
}

TEST(WorkspaceManager, WorkspaceOfTheOlderVersionLoads)
{
    ProfileScope profile(ProfileScope::iniFile);
    CWorkspaceApp app(SECWorkspaceManagerEx::storeProfile);
    const std::string name = WorkspaceName(SECWorkspaceManagerEx::storeProfile, "alt");
    const std::string a = CWorkspaceApp::MakeFile("alt.wsa");
    app.Open(app.m_pTemplateA, a);
    ASSERT_TRUE(app.m_pManager->SaveWorkspace(name.c_str()));
    app.m_pManager->CloseWorkspace();

    // The older root, which names templates by their file-type name.
    std::stringstream text;
    text << std::ifstream(name).rdbuf();
    std::string content = text.str();
    for (auto swap : {std::make_pair(std::string("WorkState_v1_2"), std::string("WorkState_v1_1")),
                      std::make_pair(std::string("Helvon.WsA"), std::string("Dokument A"))})
        for (size_t pos; (pos = content.find(swap.first)) != std::string::npos;)
            content.replace(pos, swap.first.size(), swap.second);
    std::ofstream(name, std::ios::binary) << content;

    ASSERT_TRUE(app.m_pManager->LoadWorkspace(name.c_str()));
    std::vector<CDocument*> docs = app.Documents();
    ASSERT_EQ(1u, docs.size());
    EXPECT_EQ(0, CString(a.c_str()).CompareNoCase(docs[0]->GetPathName()));
    app.m_pManager->CloseWorkspace();
    ::DeleteFile(name.c_str());
}

TEST(WorkspaceManager, FramesSetUpTheirWorkspacePlugIn)
{
    WorkspaceRegistryCleaner cleaner;
    ProfileScope profile(ProfileScope::iniFile);
    SECFrameWnd* pFrame = new SECFrameWnd;
    pFrame->Create(NULL, _T("Einzeln"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(50, 50, 450, 350));
    EXPECT_EQ(nullptr, pFrame->CreateCommandPlugIn(_T("Software\\Tessaron\\DefWorkspace"), 1, NULL, FALSE));
    EXPECT_EQ(nullptr, pFrame->m_pCommandPlugIn);
    SECWorkspaceManagerEx* pManager = DYNAMIC_DOWNCAST(
        SECWorkspaceManagerEx, pFrame->CreateCommandPlugIn(_T("Software\\Tessaron\\DefWorkspace"),
                                                           SECWorkspaceManagerEx::storeProfile,
                                                           RUNTIME_CLASS(SECWorkspaceManagerEx), FALSE));
    ASSERT_TRUE(pManager != NULL);
    EXPECT_EQ(pManager, pFrame->m_pCommandPlugIn);
    EXPECT_EQ(pFrame, pManager->GetFrame());
    EXPECT_EQ("Software\\Tessaron\\DefWorkspace\\", std::string(pManager->GetRegistryBaseKey()));

    // The single-document frame's placement and title come back; the commands reach the manager.
    const std::string name = WorkspaceName(SECWorkspaceManagerEx::storeProfile, "einzeln");
    ASSERT_TRUE(pManager->SaveWorkspace(name.c_str()));
    pFrame->MoveWindow(90, 80, 300, 200);
    pFrame->SetWindowText(_T("anders"));
    pFrame->SendMessage(WM_COMMAND, ID_SEC_WORKSPACE_MRU_FIRST);
    CRect rect;
    pFrame->GetWindowRect(&rect);
    EXPECT_EQ(CRect(50, 50, 450, 350), rect);
    CString strTitle;
    pFrame->GetWindowText(strTitle);
    EXPECT_EQ("Einzeln", std::string(strTitle));
    EXPECT_TRUE(pFrame->IsWindowVisible());
    // A stored show command that would hide the frame shows it normally.
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    pFrame->GetWindowPlacement(&wp);
    wp.showCmd = SW_HIDE;
    SetStoredValue(SECWorkspaceManagerEx::storeProfile, name, "WorkState_v1_2.Frames.MainFrame",
                   "WindowPlacement", EncodeLetters(&wp, sizeof wp));
    ASSERT_TRUE(pManager->LoadWorkspace(name.c_str()));
    EXPECT_TRUE(pFrame->IsWindowVisible());
    pFrame->SendMessage(WM_COMMAND, ID_SEC_WORKSPACE_CLOSE);
    EXPECT_FALSE(pManager->IsWorkspaceLoaded());
    pFrame->DestroyWindow();
    ::DeleteFile(name.c_str());

    // The MDI frame: no class, no plug-in.
    CWsMainFrame* pMDIFrame = new CWsMainFrame;
    pMDIFrame->Create(NULL, _T("MDI"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200));
    EXPECT_EQ(nullptr, pMDIFrame->InitWorkspaceMgrEx(_T("x"), 0, NULL, FALSE));
    EXPECT_EQ(nullptr, pMDIFrame->m_pWorkspacePlugIn);
    pMDIFrame->DestroyWindow();
}

TEST(WorkspaceManager, ActiveDockedViewIsActiveAgainAfterLoading)
{
    ProfileScope profile(ProfileScope::iniFile);
    MessageBoxes boxes;
    CWorkspaceApp app(SECWorkspaceManagerEx::storeProfile);
    const std::string name = WorkspaceName(SECWorkspaceManagerEx::storeProfile, "angedockt");
    const std::string d = CWorkspaceApp::MakeFile("angedockt.wsa");
    app.Open(app.m_pTemplateA, CWorkspaceApp::MakeFile("daneben.wsa"));
    CDocument* pD = app.m_pTemplateA->OpenDocumentFileEx(d.c_str(), TRUE, TRUE, 0);
    ASSERT_TRUE(pD != NULL);
    app.m_pFrame->ActivateDockableFrame(CWorkspaceApp::FramesOf(pD)[0], TRUE);
    app.Layout();
    ASSERT_TRUE(app.m_pManager->SaveWorkspace(name.c_str()));
    const std::vector<StoredNode> stored = StoredTree(SECWorkspaceManagerEx::storeProfile, name);
    EXPECT_EQ("True", ValueOf(FindNode(stored, "WorkState_v1_2.Frames.ChildFrames.Document-1.ViewFrame-0"),
                              "IsActiveChildFrame"));
    EXPECT_EQ("0", ValueOf(FindNode(stored, "WorkState_v1_2.Frames.ChildFrames.Document-1.ViewFrame-0"),
                           "DockedViewFloating"));
    app.m_pManager->CloseWorkspace();
    ASSERT_TRUE(app.Documents().empty());

    ASSERT_TRUE(app.m_pManager->LoadWorkspace(name.c_str()));
    app.Layout();
    CDocument* pLoaded = NULL;
    for (CDocument* pDoc : app.Documents())
        if (CString(d.c_str()).CompareNoCase(pDoc->GetPathName()) == 0)
            pLoaded = pDoc;
    ASSERT_TRUE(pLoaded != NULL);
    CFrameWnd* pDocked = CWorkspaceApp::FramesOf(pLoaded)[0];
    EXPECT_TRUE(pDocked->IsKindOf(RUNTIME_CLASS(SECDockableFrame)));
    EXPECT_EQ(pDocked, app.m_pFrame->m_pActiveDockableFrame);
    EXPECT_EQ(pDocked, app.m_pFrame->GetActiveFrame());
    EXPECT_TRUE(boxes.Shown().empty());
    app.m_pManager->CloseWorkspace();
    ::DeleteFile(name.c_str());
}

namespace
{
// A single-document frame with its own handlers for two workspace commands.
class CWsCommandFrame : public SECFrameWnd
{
  public:
    int m_nFirst = 0;
    int m_nClose = 0;

  protected:
    afx_msg void OnFirst()
    {
        m_nFirst++;
    }
    afx_msg void OnClose()
    {
        m_nClose++;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWsCommandFrame, SECFrameWnd)
ON_COMMAND(ID_SEC_WORKSPACE_FIRST, OnFirst)
ON_COMMAND(ID_SEC_WORKSPACE_CLOSE, OnClose)
END_MESSAGE_MAP()
} // namespace

TEST(WorkspaceManager, ACommandThePlugInDoesNotMarkHandledStillReachesTheFrame)
{
    WorkspaceRegistryCleaner cleaner;
    ProfileScope profile(ProfileScope::iniFile);
    CWsCommandFrame* pFrame = new CWsCommandFrame;
    pFrame->Create(NULL, _T("Einzeln"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(50, 50, 450, 350));
    ASSERT_NE(nullptr, pFrame->CreateCommandPlugIn(_T("Software\\Tessaron\\DefWorkspace"),
                                                   SECWorkspaceManagerEx::storeProfile,
                                                   RUNTIME_CLASS(SECWorkspaceManagerEx), FALSE));
    // The first id does nothing in the plug-in and is not marked: the frame's handler runs too.
    pFrame->SendMessage(WM_COMMAND, ID_SEC_WORKSPACE_FIRST);
    EXPECT_EQ(1, pFrame->m_nFirst);
    // Closing is the plug-in's alone.
    pFrame->SendMessage(WM_COMMAND, ID_SEC_WORKSPACE_CLOSE);
    EXPECT_EQ(0, pFrame->m_nClose);
    // The plug-in's commands stay enabled in the frame's menus.
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_SEC_WORKSPACE_OPEN, _T("&Öffnen"));
    menu.AppendMenu(MF_STRING, ID_SEC_WORKSPACE_SAVEAS, _T("Speichern &unter"));
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)menu.m_hMenu, 0);
    EXPECT_EQ(0u, ItemState(&menu, ID_SEC_WORKSPACE_OPEN));
    EXPECT_EQ(0u, ItemState(&menu, ID_SEC_WORKSPACE_SAVEAS));
    pFrame->DestroyWindow();
}
