// The workspace dialog: its captions and buttons, renames and new names checked against the
// names being edited, moves keeping the old and new names paired, deletions noted, and the
// choosing buttons. Message boxes are answered through the test's sink.
#include "BarsIds.h"
#include "BarsTestApp.h"
#include "TestSupport.h"
#include "uilib/bars/WSLBEditorEx.h"
#include "uilib/bars/WsMgrDialogEx.h"
#include <string>
#include <vector>

using namespace testing_support;

namespace
{

using Names = std::vector<std::string>;

CStringArray& Fill(CStringArray& array, const Names& names)
{
    array.RemoveAll();
    for (const std::string& name : names)
        array.Add(name.c_str());
    return array;
}

Names ToNames(const CStringArray& array)
{
    Names names;
    for (int i = 0; i < array.GetSize(); ++i)
        names.push_back(std::string(array[i]));
    return names;
}

std::string Text(HWND hWnd)
{
    char sz[256] = {};
    ::GetWindowText(hWnd, sz, sizeof sz);
    return sz;
}

// The dialog run modeless on the caller's lists.
struct Workspaces
{
    CStringArray oldNames, newNames, deletedNames;
    CString strChosen;
    SECWsMgrDialogEx* pDialog = NULL;

    Workspaces(const Names& names, const char* chosen, BOOL bOpen, BOOL bSave)
    {
        Fill(oldNames, names);
        Fill(newNames, names);
        strChosen = chosen;
        pDialog = new SECWsMgrDialogEx(oldNames, newNames, deletedNames, strChosen, bOpen, bSave);
        pDialog->Create(IDD_SEC_WORKSPACE_MANAGER, NULL);
        pDialog->ShowWindow(SW_SHOW); // ending it hides it again
        ::SetForegroundWindow(pDialog->m_hWnd);
        PumpMessages(50);
    }
    ~Workspaces()
    {
        pDialog->DestroyWindow();
        delete pDialog;
    }
    SECWSLBEditorEx* Editor() const
    {
        return pDialog->GetEditor();
    }
    Names Entries() const
    {
        Names entries;
        CListBox* pList = Editor()->GetListBox();
        for (int i = 0; i < pList->GetCount(); ++i)
        {
            CString s;
            pList->GetText(i, s);
            entries.push_back(std::string(s));
        }
        return entries;
    }
    // Opens the in-place edit on an entry, types a text and presses Enter.
    void Edit(int nIndex, const char* text)
    {
        Editor()->GetListBox()->SetCurSel(nIndex);
        Editor()->EditCurrent(0);
        ASSERT_TRUE(Editor()->GetEdit() != NULL);
        Editor()->GetEdit()->SetWindowText(text);
        SendKey(VK_RETURN);
        PumpMessages(50);
    }
    bool Enabled(UINT nID) const
    {
        return ::IsWindowEnabled(pDialog->GetDlgItem(nID)->m_hWnd) != FALSE;
    }
};

} // namespace

TEST(WsMgrDialog, CaptionButtonsAndListFollowWhatTheCallerAllows)
{
    struct
    {
        BOOL bOpen, bSave;
        const char* chosen;
        const char* caption;
        const char* active;
        bool bPlaceholder;
    } cases[] = {
        {TRUE, TRUE, "Beta", "Offener Arbeitsbereich", "Beta", true},
        {FALSE, TRUE, "", "Arbeitsbereich speichern", "<Keine>", true},
        {FALSE, FALSE, "Alpha", "Arbeitsbereich Manager", "Alpha", false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.caption);
        Workspaces ws({"Alpha", "Beta"}, c.chosen, c.bOpen, c.bSave);
        EXPECT_EQ(c.caption, Text(ws.pDialog->m_hWnd));
        EXPECT_EQ(c.active, Text(ws.pDialog->GetDlgItem(IDC_SEC_WS_ACTIVE)->m_hWnd));
        EXPECT_EQ("Arbeitsbereiche", Text(ws.Editor()->m_hWnd));
        EXPECT_EQ(c.bPlaceholder ? Names({"Alpha", "Beta", ""}) : Names({"Alpha", "Beta"}), ws.Entries());
        EXPECT_EQ(c.bOpen != FALSE, ws.Enabled(IDC_SEC_WS_OPEN));
        EXPECT_EQ(c.bSave != FALSE, ws.Enabled(IDC_SEC_WS_SAVE));
        EXPECT_EQ(c.bSave != FALSE, ws.Editor()->IsButtonEnabled(SECListBoxEditor::btnNew));
    }
}

TEST(WsMgrDialog, ARenameToNothingOrToAKnownNameRestoresTheOldText)
{
    MessageBoxes boxes;
    Workspaces ws({"Alpha", "Beta", "Gamma"}, "Alpha", TRUE, TRUE);
    boxes.Expect(IDOK, "ltige Arbeitsbereich Bezeichnung");
    ws.Edit(1, "");
    boxes.Expect(IDOK, "Der Arbeitsbereich 'Gamma' existiert bereits.");
    ws.Edit(1, "Gamma");
    EXPECT_EQ(0u, boxes.Pending());
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_EQ("Arbeitsbereich Manager", boxes.Shown()[0].caption);
    EXPECT_EQ(Names({"Alpha", "Beta", "Gamma", ""}), ws.Entries());
    EXPECT_EQ(Names({"Alpha", "Beta", "Gamma"}), ToNames(ws.newNames));
    EXPECT_TRUE(ws.deletedNames.GetSize() == 0);

    // Buttons are off while an edit is open.
    ws.Editor()->GetListBox()->SetCurSel(1);
    ws.Editor()->EditCurrent(0);
    EXPECT_FALSE(ws.Enabled(IDC_SEC_WS_OPEN));
    EXPECT_FALSE(ws.Enabled(IDC_SEC_WS_DONE));
    ws.Editor()->GetEdit()->SetWindowText("Delta");
    SendKey(VK_RETURN);
    PumpMessages(50);
    EXPECT_TRUE(ws.Enabled(IDC_SEC_WS_OPEN));
    EXPECT_TRUE(ws.Enabled(IDC_SEC_WS_DONE));
    EXPECT_EQ(Names({"Alpha", "Delta", "Gamma", ""}), ws.Entries());
    EXPECT_EQ(Names({"Alpha", "Delta", "Gamma"}), ToNames(ws.newNames));
    EXPECT_EQ(Names({"Alpha", "Beta", "Gamma"}), ToNames(ws.oldNames));
}

TEST(WsMgrDialog, ANewNameAnsweredYesIsChosenForSavingNoRemovesIt)
{
    MessageBoxes boxes;
    {
        Workspaces ws({"Alpha", "Beta"}, "Alpha", TRUE, TRUE);
        boxes.Expect(IDNO, "Neuen Arbeitsbereich 'Neu' speichern?");
        ws.Edit(2, "Neu");
        EXPECT_EQ(Names({"Alpha", "Beta", ""}), ws.Entries());
        EXPECT_STREQ("Alpha", ws.strChosen);
        boxes.Expect(IDOK, "Der Arbeitsbereich 'Beta' existiert bereits.");
        ws.Edit(2, "Beta");
        EXPECT_EQ(Names({"Alpha", "Beta", ""}), ws.Entries());

        boxes.Expect(IDYES, "Neuen Arbeitsbereich 'Neu' speichern?");
        ws.Edit(2, "Neu");
        PumpMessages(100);
        EXPECT_STREQ("Neu", ws.strChosen);
        EXPECT_FALSE(ws.pDialog->IsWindowVisible());
        // New names reach the lists only when a workspace is saved under them.
        EXPECT_EQ(Names({"Alpha", "Beta"}), ToNames(ws.newNames));
    }
    EXPECT_EQ(0u, boxes.Pending());
}

TEST(WsMgrDialog, OpenWithoutASelectionAsksForOneAndKeepsTheDialog)
{
    MessageBoxes boxes;
    Workspaces ws({"Alpha", "Beta"}, "Alpha", TRUE, TRUE);
    ws.Editor()->GetListBox()->SetCurSel(-1);
    boxes.Expect(IDOK, "Sie m");
    ASSERT_EQ(LB_ERR, ws.Editor()->GetListBox()->GetCurSel());
    ClickAt(CentreOf(ws.pDialog->GetDlgItem(IDC_SEC_WS_OPEN)->m_hWnd));
    PumpMessages(100);
    EXPECT_EQ(LB_ERR, ws.Editor()->GetListBox()->GetCurSel());
    EXPECT_EQ(0u, boxes.Pending());
    EXPECT_TRUE(ws.pDialog->IsWindowVisible());
    EXPECT_STREQ("Alpha", ws.strChosen);

    ws.Editor()->GetListBox()->SetCurSel(1);
    ClickAt(CentreOf(ws.pDialog->GetDlgItem(IDC_SEC_WS_OPEN)->m_hWnd));
    PumpMessages(100);
    EXPECT_STREQ("Beta", ws.strChosen);
    EXPECT_FALSE(ws.pDialog->IsWindowVisible());
}

TEST(WsMgrDialog, MovesKeepNamesPairedAndDeletionsAreNoted)
{
    MessageBoxes boxes;
    Workspaces ws({"A", "B", "C"}, "A", TRUE, TRUE);
    ws.Editor()->GetListBox()->SetCurSel(0);
    EXPECT_TRUE(ws.Editor()->MoveDown());
    EXPECT_EQ(Names({"B", "A", "C"}), ToNames(ws.oldNames));
    EXPECT_EQ(Names({"B", "A", "C"}), ToNames(ws.newNames));
    ws.Edit(1, "X");
    EXPECT_EQ(Names({"B", "X", "C"}), ToNames(ws.newNames));
    EXPECT_EQ(Names({"B", "A", "C"}), ToNames(ws.oldNames));

    ws.Editor()->GetListBox()->SetCurSel(2);
    ws.Editor()->DeleteSelection();
    EXPECT_EQ(Names({"B", "X", ""}), ws.Entries());
    EXPECT_EQ(Names({"C"}), ToNames(ws.deletedNames));
    EXPECT_EQ(Names({"B", "X", "C"}), ToNames(ws.newNames)); // applied by the caller after OK

    ClickAt(CentreOf(ws.pDialog->GetDlgItem(IDC_SEC_WS_DONE)->m_hWnd));
    PumpMessages(100);
    EXPECT_STREQ("A", ws.strChosen);
    EXPECT_FALSE(ws.pDialog->IsWindowVisible());
}
