// A toolbar's saved state against hand-written bytes: the "Title" and "Buttons" values in Wine's
// registry and in an INI file, the archive form, and damaged button lists and archives that must
// leave what was there before.
#include "BarsTestApp.h"
#include "TestSupport.h"
#include "BarsIds.h"
#include "MemFile.h"
#include "ToolBarFrame.h"
#include "uilib/bars/CustomToolBarInfoEx.h"
#include "uilib/bars/ToolBarManager.h"
#include "uilib/frames/docking/ControlBarInfo.h"
#include <memory>
#include <vector>

using namespace testing_support;

namespace
{
const TCHAR kSection[] = _T("Leisten-Bar0");
// "Std": 57600, a separator, 57601.
const std::vector<BYTE> kButtons = {0x00, 0xE1, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                    0x00, 0x00, 0x01, 0xE1, 0x00, 0x00, 0x00};

void FillStd(SECCustomToolBarInfoEx& info)
{
    info.m_strTitle = _T("Std");
    for (UINT nID : {57600u, 0u, 57601u})
        info.m_btnInfo.Add(new SECBtnInfo(nID));
}

std::vector<UINT> Ids(const SECBtnInfoArray& arr)
{
    std::vector<UINT> ids;
    for (INT_PTR i = 0; i < arr.GetSize(); ++i)
        ids.push_back(arr.GetInfo(i)->m_nID);
    return ids;
}

std::vector<BYTE> RegistryBinary(const ProfileScope& scope, LPCTSTR lpszEntry, DWORD* pdwType)
{
    HKEY hKey = NULL;
    std::vector<BYTE> bytes;
    *pdwType = REG_NONE;
    if (::RegOpenKeyEx(HKEY_CURRENT_USER, scope.SectionKey(kSection).c_str(), 0, KEY_READ, &hKey) !=
        ERROR_SUCCESS)
        return bytes;
    DWORD cb = 0;
    if (::RegQueryValueEx(hKey, lpszEntry, NULL, pdwType, NULL, &cb) == ERROR_SUCCESS)
    {
        bytes.resize(cb);
        ::RegQueryValueEx(hKey, lpszEntry, NULL, pdwType, bytes.data(), &cb);
    }
    ::RegCloseKey(hKey);
    return bytes;
}

TEST(ToolBarState, ProfileFormInTheRegistry)
{
    ProfileScope scope(ProfileScope::registry);
    SECCustomToolBarInfoEx info;
    FillStd(info);
    info.SaveStateToProfile(kSection);
    DWORD dwType;
    std::vector<BYTE> title = RegistryBinary(scope, _T("Title"), &dwType);
    EXPECT_EQ((DWORD)REG_SZ, dwType);
    EXPECT_STREQ("Std", (const char*)title.data());
    EXPECT_EQ(kButtons, RegistryBinary(scope, _T("Buttons"), &dwType));
    EXPECT_EQ((DWORD)REG_BINARY, dwType);

    SECCustomToolBarInfoEx loaded;
    loaded.LoadStateFromProfile(kSection, NULL);
    EXPECT_TRUE(loaded.m_bButtonsValid);
    EXPECT_EQ(CString(_T("Std")), loaded.m_strTitle);
    EXPECT_EQ((std::vector<UINT>{57600, 0, 57601}), Ids(loaded.m_btnInfo));

    // An empty toolbar: an empty "Buttons" and no "Title".
    SECCustomToolBarInfoEx empty;
    AfxGetApp()->WriteProfileString(kSection, _T("Title"), NULL);
    empty.SaveStateToProfile(kSection);
    EXPECT_TRUE(RegistryBinary(scope, _T("Buttons"), &dwType).empty());
    EXPECT_EQ((DWORD)REG_BINARY, dwType);
    RegistryBinary(scope, _T("Title"), &dwType);
    EXPECT_EQ((DWORD)REG_NONE, dwType);
    loaded.LoadStateFromProfile(kSection, NULL);
    EXPECT_TRUE(loaded.m_bButtonsValid);
    EXPECT_EQ(0, loaded.m_btnInfo.GetSize());
}

TEST(ToolBarState, ProfileFormInAnIniFile)
{
    ProfileScope scope(ProfileScope::iniFile);
    SECCustomToolBarInfoEx info;
    FillStd(info);
    info.SaveStateToProfile(kSection);
    char sz[256] = {};
    ::GetPrivateProfileStringA(kSection, "Buttons", "-", sz, sizeof(sz), scope.IniPath().c_str());
    EXPECT_STREQ("AABOAAAAAAAAAAAAAAAABABOAAAAAA", sz);
    ::GetPrivateProfileStringA(kSection, "Title", "-", sz, sizeof(sz), scope.IniPath().c_str());
    EXPECT_STREQ("Std", sz);
    SECCustomToolBarInfoEx loaded;
    loaded.LoadStateFromProfile(kSection, NULL);
    EXPECT_EQ((std::vector<UINT>{57600, 0, 57601}), Ids(loaded.m_btnInfo));

    SECCustomToolBarInfoEx empty;
    empty.SaveStateToProfile(kSection);
    ::GetPrivateProfileStringA(kSection, "Buttons", "-", sz, sizeof(sz), scope.IniPath().c_str());
    EXPECT_STREQ("", sz);
    loaded.LoadStateFromProfile(kSection, NULL);
    EXPECT_TRUE(loaded.m_bButtonsValid) << "an empty list, not a missing one";
    EXPECT_EQ(0, loaded.m_btnInfo.GetSize());
}

std::vector<BYTE> Store(SECCustomToolBarInfoEx& info)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        info.Serialize(ar, NULL);
    }
    std::vector<BYTE> bytes((size_t)file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

void Load(SECCustomToolBarInfoEx& info, std::vector<BYTE> bytes)
{
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    info.Serialize(ar, NULL);
}

TEST(ToolBarState, ArchiveForm)
{
    SECCustomToolBarInfoEx info;
    FillStd(info);
    std::vector<BYTE> expected = {0x03, 'S', 't', 'd', 0x03, 0x00, 0x00, 0x00};
    expected.insert(expected.end(), kButtons.begin(), kButtons.end());
    const std::vector<BYTE> bytes = Store(info);
    EXPECT_EQ(expected, bytes);
    SECCustomToolBarInfoEx loaded;
    Load(loaded, bytes);
    EXPECT_EQ(CString(_T("Std")), loaded.m_strTitle);
    EXPECT_EQ((std::vector<UINT>{57600, 0, 57601}), Ids(loaded.m_btnInfo));
}

TEST(ToolBarState, DamagedButtonListsAreRefusedWhole)
{
    const struct
    {
        const char* name;
        std::vector<BYTE> bytes;
    } rows[] = {
        {"head cut short", {0x00, 0xE1, 0x00, 0x00}},
        {"second head cut short", {0x00, 0xE1, 0x00, 0x00, 0x00, 0x01, 0xE1}},
        {"extra data past the end", {0x00, 0xE1, 0x00, 0x00, 0x04, 0xAA, 0xBB}},
        {"stray bytes after the last record", {0x00, 0xE1, 0x00, 0x00, 0x00, 0x01, 0x02, 0x03}},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        SECBtnInfoArray arr;
        arr.Add(new SECBtnInfo(4711));
        EXPECT_FALSE(arr.FromBytes(row.bytes.data(), (UINT)row.bytes.size()));
        EXPECT_EQ(std::vector<UINT>{4711}, Ids(arr)) << "what was there stays";
    }
    // Extra data within bounds is kept.
    SECBtnInfoArray arr;
    const std::vector<BYTE> good = {0x00, 0xE1, 0x00, 0x00, 0x02, 0xAA, 0xBB, 0x01, 0xE1, 0x00, 0x00, 0x00};
    ASSERT_TRUE(arr.FromBytes(good.data(), (UINT)good.size()));
    EXPECT_EQ((std::vector<UINT>{57600, 57601}), Ids(arr));
    EXPECT_EQ((std::vector<BYTE>{0xAA, 0xBB}), arr.GetInfo(0)->m_extra);
    std::vector<BYTE> back;
    arr.ToBytes(back);
    EXPECT_EQ(good, back);

    // In a profile the record refuses the value and keeps no half list.
    ProfileScope scope(ProfileScope::registry);
    const std::vector<BYTE>& bad = rows[2].bytes;
    AfxGetApp()->WriteProfileBinary(kSection, _T("Buttons"), const_cast<BYTE*>(bad.data()), (UINT)bad.size());
    SECCustomToolBarInfoEx info;
    info.LoadStateFromProfile(kSection, NULL);
    EXPECT_FALSE(info.m_bButtonsValid);
    EXPECT_EQ(0, info.m_btnInfo.GetSize());
}

TEST(ToolBarState, AnArchiveShorterThanItsCountThrowsAndChangesNothing)
{
    SECCustomToolBarInfoEx info;
    FillStd(info);
    std::vector<BYTE> bytes = Store(info);
    bytes[4] = 5; // five buttons announced, three stored
    SECCustomToolBarInfoEx loaded;
    loaded.m_strTitle = _T("Alt");
    loaded.m_btnInfo.Add(new SECBtnInfo(4711));
    bool bThrown = false;
    try
    {
        Load(loaded, bytes);
    }
    catch (CArchiveException* e)
    {
        bThrown = true;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(CString(_T("Alt")), loaded.m_strTitle);
    EXPECT_EQ(std::vector<UINT>{4711}, Ids(loaded.m_btnInfo));
    // Extra data cut short throws too.
    std::vector<BYTE> cut = {0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0xE1, 0x00, 0x00, 0x09, 0xAA};
    bThrown = false;
    try
    {
        Load(loaded, cut);
    }
    catch (CArchiveException* e)
    {
        bThrown = true;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(std::vector<UINT>{4711}, Ids(loaded.m_btnInfo));
}

TEST(ToolBarState, AToolBarFillsItsRecordAndIsRestoredFromIt)
{
    ToolBarFrame frame;
    SECCustomToolBar* pBar = frame.m_pManager->CreateUserToolBar(_T("Std"));
    ASSERT_NE(nullptr, pBar);
    const UINT ids[] = {57600, 0, 57601};
    pBar->SetButtons(ids, 3);
    SECControlBarInfo info;
    pBar->GetBarInfoEx(&info);
    EXPECT_EQ((DWORD)SEC_BARTYPE_CUSTOMTOOLBAR, info.m_dwTypeID);
    SECCustomToolBarInfoEx* pInfoEx = dynamic_cast<SECCustomToolBarInfoEx*>(info.m_pInfoEx);
    ASSERT_NE(nullptr, pInfoEx);
    EXPECT_EQ(CString(_T("Std")), pInfoEx->m_strTitle);
    EXPECT_EQ((std::vector<UINT>{57600, 0, 57601}), Ids(pInfoEx->m_btnInfo));
    std::unique_ptr<SECControlBarInfoEx> pMade(frame.m_pManager->CreateBarInfo(&info));
    EXPECT_NE(nullptr, dynamic_cast<SECCustomToolBarInfoEx*>(pMade.get()));

    // Another user toolbar takes title and buttons from the record.
    SECCustomToolBar* pOther = frame.m_pManager->CreateUserToolBar(NULL);
    ASSERT_NE(nullptr, pOther);
    const UINT one[] = {57602};
    pOther->SetButtons(one, 1);
    pOther->SetBarInfoExtra(&info, frame.m_pFrame);
    EXPECT_EQ((std::vector<UINT>{57600, 0, 57601}), ButtonIDs(pOther));
    CString strTitle;
    pOther->GetWindowText(strTitle);
    EXPECT_EQ(CString(_T("Std")), strTitle);
    // A refused list leaves the buttons.
    pOther->SetButtons(one, 1);
    pInfoEx->m_bButtonsValid = FALSE;
    pOther->SetBarInfoExtra(&info, frame.m_pFrame);
    EXPECT_EQ(std::vector<UINT>{57602}, ButtonIDs(pOther));
}

TEST(ToolBarState, TextsOfTheToolBarPages)
{
    const struct
    {
        UINT nID;
        const char* pszText;
    } rows[] = {{IDS_SEC_RESET_TOOLBAR, "&Zur\xFC"
                                        "cksetzen"},
                {IDS_SEC_DELETE_TOOLBAR, "&L\xF6schen"},
                {IDS_SEC_MENUBAR_TITLE, "Men\xFCleiste"},
                {IDS_SEC_USER_TOOLBAR, "Symbolleiste%d"}};
    for (const auto& row : rows)
    {
        CString str;
        EXPECT_TRUE(str.LoadString(row.nID)) << row.nID;
        EXPECT_STREQ(row.pszText, (LPCTSTR)str) << row.nID;
    }
}

} // namespace
