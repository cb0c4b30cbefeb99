// The docking layer's texts, loaded as the program loads them (the state menu, the drag hint,
// the control bars' context menu and gripper tips).
#include "BarsIds.h"
#include "FramesIds.h"
#include "TestSupport.h"
#include "afxwin.h"

namespace
{
TEST(DockingTexts, LoadExactly)
{
    const struct
    {
        UINT nID;
        const char* pszText;
    } rows[] = {
        {IDS_SEC_DRAG_NODOCK_HINT, "Dr\xC3\xBC"
                                   "cken Sie die STRG Taste, um ein andocken zu vermeiden."},
        {IDS_SEC_STATE_DOCKED, "&Docked"},
        {IDS_SEC_STATE_FLOATING, "&Floating"},
        {IDS_SEC_STATE_MDICHILD, "&MDI Child"},
        {IDS_SEC_STATE_TOP, "&Top"},
        {IDS_SEC_STATE_LEFT, "&Left"},
        {IDS_SEC_STATE_BOTTOM, "&Bottom"},
        {IDS_SEC_STATE_RIGHT, "&Right"},
        {IDS_SEC_STATE_DOCKED_TO, "D&ocked to"},
        {IDS_SEC_STATE_MINIMIZED, "Mi&nimized"},
        {IDS_SEC_STATE_MAXIMIZED, "Ma&ximized"},
        {IDS_SEC_STATE_RESTORED, "&Restored"},
        {IDS_SEC_STATE_MDICHILD_AS, "MD&I Child as"},
        {ID_SEC_FLOAT_AS_MDICHILD, "Im Hauptfenster floaten lassen"},
        {ID_SEC_ALLOW_DOCKING, "Andocken zulassen"},
        {ID_SEC_HIDE_BAR, "Verstecken"},
        {IDS_SEC_GRIPPER_CLOSE_TIP, "Ausblenden "},
        {IDS_SEC_GRIPPER_EXPAND_TIP, "Docking Window vergr\xC3\xB6ssern"},
        {IDS_SEC_GRIPPER_CONTRACT_TIP, "Docking Window verkleinern"},
    };
    for (const auto& row : rows)
    {
        WCHAR szWide[256] = {};
        ASSERT_GT(::LoadStringW(::GetModuleHandle(NULL), row.nID, szWide, 256), 0) << row.nID;
        char szUtf8[512] = {};
        ::WideCharToMultiByte(CP_UTF8, 0, szWide, -1, szUtf8, sizeof(szUtf8), NULL, NULL);
        EXPECT_STREQ(row.pszText, szUtf8) << row.nID;
    }
}
} // namespace
