// Damaged and missing workspaces in both storage modes: a workspace that cannot be restored is
// refused with its message before anything open is closed, hidden or moved; damaged values fall
// back to their defaults; a document that cannot be opened is reported by its template and the
// rest still loads. A save that fails says so and keeps what was stored.
#include "BarsIds.h"
#include "WorkspaceApp.h"
#include <functional>

using namespace testing_support;

namespace
{
const std::string kRoot = "WorkState_v1_2";
const std::string kMain = kRoot + ".Frames.MainFrame";
const std::string kView = kRoot + ".Frames.ChildFrames.Document-0.ViewFrame-0";
// The messages' texts without their umlauts (the boxes show them in the ANSI code page).
const char kRefused[] = "ltiger Arbeitsbereich. Die Operation wurde abgebrochen.";
const char kCannotOpen[] = "schaden.wsa wurde nicht gefunden.";
const char kBadPath[] = "ltigen Pfad.";

std::string StoredPlacementWith(int nMode, const std::string& name, UINT nLength, UINT nShowCmd)
{
    WINDOWPLACEMENT wp = {};
    std::vector<BYTE> bytes =
        DecodeLetters(ValueOf(FindNode(StoredTree(nMode, name), kMain), "WindowPlacement"));
    if (bytes.size() == sizeof wp)
        memcpy(&wp, bytes.data(), sizeof wp);
    wp.length = nLength;
    wp.showCmd = nShowCmd;
    return EncodeLetters(&wp, sizeof wp);
}

CRect WindowRect(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

bool InRecentList(SECWorkspaceManagerEx* pManager, const std::string& name)
{
    CStringArray names;
    pManager->ReadWorkspaceList(names);
    for (int i = 0; i < names.GetSize(); i++)
        if (std::string(names[i]) == name)
            return true;
    return false;
}

enum Outcome
{
    refused,     // message 20690, nothing touched
    loaded,      // the document is back
    loadedNoDoc, // loaded, the document reported by its template and left out
};

struct Damage
{
    const char* label;
    bool bRegistryOnly;
    std::function<void(int nMode, const std::string& name)> apply;
    Outcome outcome;
    const char* message; // of the template, when it reports the document
};

std::vector<BYTE> Bytes(const std::string& text)
{
    return std::vector<BYTE>(text.begin(), text.end());
}
} // namespace

TEST(WorkspaceManager, DamagedWorkspacesFallBackToDefaultsOrAreRefusedBeforeAnythingIsTouched)
{
    const std::string a = CWorkspaceApp::MakeFile("schaden.wsa");
    const Damage damages[] = {
        {"no root", false, [](int m, const std::string& n) { DeleteStoredNode(m, n, kRoot); }, refused, NULL},
        {"no Frames", false, [](int m, const std::string& n) { DeleteStoredNode(m, n, kRoot + ".Frames"); },
         refused, NULL},
        {"no MainFrame", false, [](int m, const std::string& n) { DeleteStoredNode(m, n, kMain); }, refused,
         NULL},
        {"placement cut short", false,
         [](int m, const std::string& n) { SetStoredValue(m, n, kMain, "WindowPlacement", "MCAAAAAAAAAA"); },
         loaded, NULL},
        {"placement with a wrong length field", false,
         [](int m, const std::string& n) {
             SetStoredValue(m, n, kMain, "WindowPlacement", StoredPlacementWith(m, n, 45, SW_SHOWNORMAL));
         },
         loaded, NULL},
        {"placement hiding the frame", false,
         [](int m, const std::string& n) {
             SetStoredValue(m, n, kMain, "WindowPlacement", StoredPlacementWith(m, n, 44, SW_HIDE));
         },
         loaded, NULL},
        {"template index \"x\"", false,
         [](int m, const std::string& n) { SetStoredValue(m, n, kView, "DocTemplateIndex", "x"); }, loaded,
         NULL},
        {"path of 300 characters", false,
         [](int m, const std::string& n) {
             SetStoredValue(m, n, kView, "DocPathName", "C:\\" + std::string(297, 'p'));
         },
         loadedNoDoc, kBadPath},
        {"document file gone", false, [a](int, const std::string&) { ::DeleteFile(a.c_str()); }, loadedNoDoc,
         kCannotOpen},
        {"number where text belongs", true,
         [](int, const std::string& n) {
             SetStoredRaw(n, kView, "DocTemplateIndex", REG_DWORD, {0, 0, 0, 0});
         },
         loaded, NULL},
        {"2048 bytes without terminator", true,
         [](int, const std::string& n) {
             SetStoredRaw(n, kMain, "Title", REG_SZ, std::vector<BYTE>(2048, 'x'));
         },
         loaded, NULL},
        {"multi-string without its last terminator", true,
         [](int, const std::string& n) {
             std::vector<BYTE> data = Bytes("Helvon.WsA");
             data.push_back(0);
             SetStoredRaw(n, kView, "DocumentString", REG_MULTI_SZ, data);
         },
         loaded, NULL},
    };

    WorkspaceRegistryCleaner cleaner;
    for (const WorkspaceMode& mode : kWorkspaceModes)
    {
        SCOPED_TRACE(mode.label);
        ProfileScope profile(mode.nMode == SECWorkspaceManagerEx::storeProfile ? ProfileScope::iniFile
                                                                               : ProfileScope::registry);
        CWorkspaceApp app(mode.nMode);
        const std::string name = WorkspaceName(mode.nMode, "schaden");
        for (const Damage& damage : damages)
        {
            if (damage.bRegistryOnly && mode.nMode == SECWorkspaceManagerEx::storeProfile)
                continue;
            SCOPED_TRACE(damage.label);
            MessageBoxes boxes;
            CWorkspaceApp::MakeFile("schaden.wsa");
            app.m_pManager->CloseWorkspace();
            app.m_pFrame->MoveWindow(30, 30, 800, 600);
            CDocument* pA = app.Open(app.m_pTemplateA, a);
            ASSERT_TRUE(pA != NULL);
            CWorkspaceApp::FramesOf(pA)[0]->MoveWindow(20, 20, 300, 200);
            ASSERT_TRUE(app.m_pManager->SaveWorkspace(name.c_str()));
            pA->OnCloseDocument();
            damage.apply(mode.nMode, name);

            // Something open before the workspace is opened, and the frame somewhere else.
            CDocument* pKeep = app.Open(app.m_pTemplateB, CWorkspaceApp::MakeFile("bleibt.wsb"));
            ASSERT_TRUE(pKeep != NULL);
            CFrameWnd* pKeepFrame = CWorkspaceApp::FramesOf(pKeep)[0];
            app.m_pFrame->MoveWindow(70, 60, 700, 500);
            app.m_pFrame->SetWindowText(_T("vorher"));
            app.Layout();
            const CRect rectBefore = WindowRect(app.m_pFrame);

            if (damage.outcome == refused)
                boxes.Expect(IDOK, kRefused);
            else if (damage.outcome == loadedNoDoc)
                boxes.Expect(IDOK, damage.message);
            const BOOL bWasLoaded = app.m_pManager->IsWorkspaceLoaded();
            const BOOL bLoaded = app.m_pManager->LoadWorkspace(name.c_str());
            app.Layout();
            EXPECT_EQ(0u, boxes.Pending());
            EXPECT_TRUE(app.m_pFrame->IsWindowVisible());
            EXPECT_TRUE(app.m_pBar->IsWindowVisible());

            std::vector<CDocument*> docs = app.Documents();
            if (damage.outcome == refused)
            {
                EXPECT_FALSE(bLoaded);
                EXPECT_EQ(std::vector<CDocument*>{pKeep}, docs);
                EXPECT_TRUE(::IsWindow(pKeepFrame->m_hWnd) && pKeepFrame->IsWindowVisible());
                EXPECT_EQ(rectBefore, WindowRect(app.m_pFrame));
                CString strTitle;
                app.m_pFrame->GetWindowText(strTitle);
                EXPECT_EQ("vorher", std::string(strTitle));
                EXPECT_FALSE(InRecentList(app.m_pManager, name));
                EXPECT_EQ(bWasLoaded, app.m_pManager->IsWorkspaceLoaded());
                continue;
            }
            EXPECT_TRUE(bLoaded);
            EXPECT_TRUE(app.m_pManager->IsWorkspaceLoaded());
            EXPECT_TRUE(InRecentList(app.m_pManager, name));
            if (damage.outcome == loaded)
            {
                ASSERT_EQ(1u, docs.size());
                EXPECT_EQ(0, CString(a.c_str()).CompareNoCase(docs[0]->GetPathName()));
                EXPECT_TRUE(CWorkspaceApp::FramesOf(docs[0])[0]->IsWindowVisible());
            }
            else
                EXPECT_TRUE(docs.empty());
            // The stored workspace is still there.
            EXPECT_TRUE(FindNode(StoredTree(mode.nMode, name), kMain) != NULL);
        }
        app.m_pManager->CloseWorkspace();
        if (mode.nMode == SECWorkspaceManagerEx::storeProfile)
            ::DeleteFile(name.c_str());
    }
}
