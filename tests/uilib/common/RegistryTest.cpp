// The registry wrapper on Wine's registry: connecting, opening, values, enumeration, deleting
// key trees and the calls whose results only pass through.
#include "CommonTestApp.h"
#include "RegistryTestKey.h"
#include "TestSupport.h"
#include "uilib/common/Registry.h"
#include <string>

using namespace testing_support;

namespace
{

class RegistryTest : public RegistryTestKey
{
};

} // namespace

TEST_F(RegistryTest, RemoteUserRootsAreRefusedAndOtherRootsPassTheSystemResultThrough)
{
    for (HKEY hRoot : {HKEY_CURRENT_USER, HKEY_CLASSES_ROOT})
    {
        SECRegistry reg;
        EXPECT_FALSE(reg.Connect(hRoot, "othermachine", TRUE));
        EXPECT_EQ(ERROR_INVALID_HANDLE, reg.GetLastResult());
        EXPECT_EQ(NULL, reg.GetRootKey());
        EXPECT_FALSE(reg.IsRemote());
    }
    HKEY hDirect = NULL;
    LONG lDirect = ::RegConnectRegistry("othermachine", HKEY_LOCAL_MACHINE, &hDirect);
    if (lDirect == ERROR_SUCCESS)
        ::RegCloseKey(hDirect);
    SECRegistry remote;
    EXPECT_EQ(lDirect == ERROR_SUCCESS, remote.Connect(HKEY_LOCAL_MACHINE, "othermachine", TRUE));
    EXPECT_EQ(lDirect, remote.GetLastResult());
    EXPECT_NE(ERROR_SUCCESS, lDirect); // no such machine

    SECRegistry local;
    ASSERT_TRUE(local.Connect(HKEY_LOCAL_MACHINE, NULL, TRUE));
    EXPECT_STREQ("HKEY_LOCAL_MACHINE", local.GetRootKeyName());
    char szComputer[MAX_PATH + 1] = {};
    DWORD dwSize = MAX_PATH;
    ASSERT_TRUE(::GetComputerName(szComputer, &dwSize));
    EXPECT_STREQ(szComputer, local.GetComputerName());
    EXPECT_TRUE(local.Open("Software", KEY_READ));
}

TEST_F(RegistryTest, OpenWithoutConnectionUsesClassesRootAndTrailingBackslashIsTheSameKey)
{
    SECRegistry reg;
    ASSERT_TRUE(reg.Open("CLSID", KEY_READ));
    EXPECT_EQ(HKEY_CLASSES_ROOT, reg.GetRootKey());
    EXPECT_STREQ("HKEY_CLASSES_ROOT", reg.GetRootKeyName());

    WriteText("Sub", "Marker", "here");
    SECRegistry user;
    ASSERT_TRUE(user.Connect(HKEY_CURRENT_USER, NULL, TRUE));
    ASSERT_TRUE(user.Open(Path("Sub\\"), KEY_ALL_ACCESS));
    EXPECT_STREQ(Path("Sub"), user.GetKeyName());
    CString strValue;
    EXPECT_TRUE(user.GetStringValue("Marker", strValue));
    EXPECT_STREQ("here", strValue);
    EXPECT_EQ(1u, user.GetValueCount());

    EXPECT_FALSE(user.Open(Path("Missing"), KEY_ALL_ACCESS));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, user.GetLastResult());
    // The old key was closed before the failed open.
    EXPECT_EQ(user.GetRootKey(), user.GetKey());
}

TEST_F(RegistryTest, RequiredArgumentsMissingGive87WithoutTouchingTheRegistry)
{
    SECRegistry reg;
    ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER, NULL, TRUE));
    ASSERT_TRUE(reg.Create(Path("Args")));
    CString strText;
    DWORD dwValue = 0;
    CByteArray bytes;
    CStringArray texts;
    struct Case
    {
        const char* name;
        BOOL (*call)(SECRegistry&, CString&, DWORD&, CByteArray&, CStringArray&);
    } cases[] = {
        {"Create",
         [](SECRegistry& r, CString&, DWORD&, CByteArray&, CStringArray&) { return r.Create(NULL); }},
        {"DeleteKey",
         [](SECRegistry& r, CString&, DWORD&, CByteArray&, CStringArray&) { return r.DeleteKey(NULL); }},
        {"DeleteHive",
         [](SECRegistry& r, CString&, DWORD&, CByteArray&, CStringArray&) { return r.DeleteKey("", TRUE); }},
        {"GetStringValue", [](SECRegistry& r, CString& s, DWORD&, CByteArray&,
                              CStringArray&) { return r.GetStringValue(NULL, s); }},
        {"GetStringArrayValue", [](SECRegistry& r, CString&, DWORD&, CByteArray&,
                                   CStringArray& a) { return r.GetStringArrayValue(NULL, a); }},
        {"GetDoubleWordValue", [](SECRegistry& r, CString&, DWORD& d, CByteArray&,
                                  CStringArray&) { return r.GetDoubleWordValue(NULL, d); }},
        {"GetBinaryValue", [](SECRegistry& r, CString&, DWORD&, CByteArray& b,
                              CStringArray&) { return r.GetBinaryValue(NULL, b); }},
        {"GetValue",
         [](SECRegistry& r, CString& s, DWORD&, CByteArray&, CStringArray&) { return r.GetValue(NULL, s); }},
        {"SetStringValue", [](SECRegistry& r, CString&, DWORD&, CByteArray&,
                              CStringArray&) { return r.SetStringValue(NULL, "x"); }},
        {"SetValueNoData", [](SECRegistry& r, CString&, DWORD&, CByteArray&,
                              CStringArray&) { return r.SetValue("x", REG_BINARY, NULL, 0); }},
        {"SetDoubleWordValue", [](SECRegistry& r, CString&, DWORD&, CByteArray&,
                                  CStringArray&) { return r.SetDoubleWordValue(NULL, 1); }},
        {"QueryValue", [](SECRegistry& r, CString&, DWORD&, CByteArray&,
                          CStringArray&) { return r.QueryValue(NULL, NULL, NULL, NULL); }},
        {"Load",
         [](SECRegistry& r, CString&, DWORD&, CByteArray&, CStringArray&) { return r.Load("x", NULL); }},
        {"Replace", [](SECRegistry& r, CString&, DWORD&, CByteArray&,
                       CStringArray&) { return r.Replace("x", "y", NULL); }},
    };
    for (const Case& c : cases)
    {
        reg.SetDoubleWordValue("Before", 1);
        ASSERT_EQ(ERROR_SUCCESS, reg.GetLastResult());
        EXPECT_FALSE(c.call(reg, strText, dwValue, bytes, texts)) << c.name;
        EXPECT_EQ(ERROR_INVALID_PARAMETER, reg.GetLastResult()) << c.name;
    }
    EXPECT_TRUE(KeyExists(Path("Args")));
    EXPECT_TRUE(KeyExists("Software"));
}

TEST_F(RegistryTest, StringValuesStayInsideTheirBuffers)
{
    std::string full(2048, 'x');
    std::string almost(2047, 'w');
    WriteRaw("V", "Full", REG_SZ, full.data(), 2048);     // no terminator
    WriteRaw("V", "Almost", REG_SZ, almost.data(), 2047); // no terminator
    WriteRaw("V", "Multi", REG_MULTI_SZ, "a\0bc", 5);     // last NUL missing
    WriteRaw("V", "MultiCut", REG_MULTI_SZ, "a\0bcd", 5); // last string cut
    WriteRaw("V", "TooLong", REG_SZ, std::string(3000, 'y').c_str(), 3001);
    SECRegistry reg;
    ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER, NULL, TRUE));
    ASSERT_TRUE(reg.Open(Path("V")));

    CString strValue;
    ASSERT_TRUE(reg.GetStringValue("Almost", strValue));
    EXPECT_EQ(almost, std::string(strValue));
    // Wine adds the missing terminator and then finds the buffer too small; either way nothing
    // beyond the buffer is read.
    strValue = "old";
    if (reg.GetStringValue("Full", strValue))
        EXPECT_EQ(full, std::string(strValue));
    else
    {
        EXPECT_EQ(ERROR_MORE_DATA, reg.GetLastResult());
        EXPECT_TRUE(strValue.IsEmpty());
    }
    EXPECT_FALSE(reg.GetStringValue("TooLong", strValue));
    EXPECT_EQ(ERROR_MORE_DATA, reg.GetLastResult());
    EXPECT_TRUE(strValue.IsEmpty());
    strValue = "old";
    EXPECT_FALSE(reg.GetStringValue("Missing", strValue));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, reg.GetLastResult());
    EXPECT_TRUE(strValue.IsEmpty());

    struct
    {
        const char* name;
        std::vector<std::string> expected;
    } multi[] = {{"Multi", {"a", "bc"}}, {"MultiCut", {"a", "bcd"}}};
    for (const auto& m : multi)
    {
        CStringArray texts;
        texts.Add("stale");
        ASSERT_TRUE(reg.GetStringArrayValue(m.name, texts)) << m.name;
        ASSERT_EQ(static_cast<int>(m.expected.size()), texts.GetSize()) << m.name;
        for (size_t i = 0; i < m.expected.size(); ++i)
            EXPECT_STREQ(m.expected[i].c_str(), texts[static_cast<int>(i)]) << m.name;
    }
}

TEST_F(RegistryTest, ValuesOfEachKindRoundTripAndAMultiStringHasItsExactSize)
{
    SECRegistry reg;
    ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER, NULL, TRUE));
    DWORD dwDisposition = 0;
    ASSERT_TRUE(reg.Create(Path("Kinds\\"), NULL, 0, KEY_ALL_ACCESS, NULL, &dwDisposition));
    EXPECT_EQ(static_cast<DWORD>(REG_CREATED_NEW_KEY), dwDisposition);
    CStringArray texts;
    texts.Add("a");
    texts.Add("bc");
    CByteArray bytes;
    for (BYTE b : {0, 1, 0xFF, 0x7F})
        bytes.Add(b);
    ASSERT_TRUE(reg.SetStringArrayValue("Multi", texts));
    ASSERT_TRUE(reg.SetValue("Text", "hello"));
    ASSERT_TRUE(reg.SetValue("Number", static_cast<DWORD>(0xDEADBEEF)));
    ASSERT_TRUE(reg.SetValue("Bytes", bytes));

    std::string raw;
    DWORD dwType = 0;
    ASSERT_TRUE(ReadRaw("Kinds", "Multi", dwType, raw));
    EXPECT_EQ(static_cast<DWORD>(REG_MULTI_SZ), dwType);
    EXPECT_EQ(std::string("a\0bc\0\0", 6), raw);
    ASSERT_TRUE(ReadRaw("Kinds", "Text", dwType, raw));
    EXPECT_EQ(std::string("hello\0", 6), raw);

    // A fresh open learns the longest value, which the array and binary reads size by.
    SECRegistry reader;
    ASSERT_TRUE(reader.Connect(HKEY_CURRENT_USER, NULL, TRUE));
    ASSERT_TRUE(reader.Open(Path("Kinds"), KEY_READ));
    EXPECT_EQ(4u, reader.GetValueCount());
    CStringArray readTexts;
    ASSERT_TRUE(reader.GetValue("Multi", readTexts));
    ASSERT_EQ(2, readTexts.GetSize());
    EXPECT_STREQ("bc", readTexts[1]);
    DWORD dwValue = 0;
    ASSERT_TRUE(reader.GetValue("Number", dwValue));
    EXPECT_EQ(0xDEADBEEFu, dwValue);
    CByteArray readBytes;
    ASSERT_TRUE(reader.GetValue("Bytes", readBytes));
    ASSERT_EQ(4, readBytes.GetSize());
    EXPECT_EQ(0xFF, readBytes[2]);

    // Enumeration in both directions.
    CString strName;
    int nValues = 0;
    for (DWORD i = 0; reader.EnumerateValues(i, strName); ++i)
        ++nValues;
    EXPECT_EQ(4, nValues);
    EXPECT_EQ(ERROR_NO_MORE_ITEMS, reader.GetLastResult());
    EXPECT_TRUE(reader.DeleteValue("Text") == FALSE); // opened for reading only
    EXPECT_EQ(ERROR_ACCESS_DENIED, reader.GetLastResult());
}

TEST_F(RegistryTest, DeletingKeysWholeTreesRelativeAndNeverAHive)
{
    for (const char* sub : {"Tree\\A\\B\\C", "Tree\\A\\D", "Tree\\E", "Other\\F"})
        WriteText(sub, "v", "1");
    SECRegistry reg;
    ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER, NULL, TRUE));

    EXPECT_FALSE(reg.DeleteKey("", TRUE));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, reg.GetLastResult());
    EXPECT_TRUE(KeyExists(Path("Tree\\E")));

    // A key with subkeys needs the recursive form.
    EXPECT_FALSE(reg.DeleteKey(Path("Tree\\A"), FALSE));
    EXPECT_TRUE(KeyExists(Path("Tree\\A\\B\\C")));
    EXPECT_TRUE(reg.DeleteKey(Path("Tree\\A") + "\\", TRUE));
    EXPECT_FALSE(KeyExists(Path("Tree\\A")));
    EXPECT_TRUE(KeyExists(Path("Tree\\E")));

    // Relative to the open key.
    ASSERT_TRUE(reg.Open(Path("Tree")));
    EXPECT_TRUE(reg.DeleteKey("E", FALSE));
    EXPECT_FALSE(KeyExists(Path("Tree\\E")));
    EXPECT_TRUE(KeyExists(Path("Tree")));
    // Not below the open key: taken from the root.
    EXPECT_TRUE(reg.DeleteKey(Path("Other"), TRUE));
    EXPECT_FALSE(KeyExists(Path("Other")));
    EXPECT_FALSE(reg.DeleteKey(Path("Other"), TRUE));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, reg.GetLastResult());
}

TEST_F(RegistryTest, HiveCallsPassTheSystemResultsThrough)
{
    SECRegistry reg;
    ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER, NULL, TRUE));
    ASSERT_TRUE(reg.Create(Path("Hive")));
    std::string file = TempFolder() + "\\hive.dat";
    std::string file2 = TempFolder() + "\\hive2.dat";
    ::DeleteFile(file.c_str());
    ::DeleteFile(file2.c_str());
    // Each wrapped call against the same call made directly (the wrapper adds nothing).
    LONG lSave = ::RegSaveKey(reg.GetKey(), file2.c_str(), NULL);
    reg.Save(file.c_str());
    EXPECT_EQ(lSave, reg.GetLastResult());
    LONG lLoad = ::RegLoadKey(HKEY_CURRENT_USER, "HelvonCommonTestHive", file2.c_str());
    reg.Load("HelvonCommonTestHive", file.c_str());
    EXPECT_EQ(lLoad, reg.GetLastResult());
    LONG lUnload = ::RegUnLoadKey(HKEY_CURRENT_USER, "HelvonCommonTestHive");
    reg.UnLoad("HelvonCommonTestHive");
    EXPECT_EQ(lUnload, reg.GetLastResult());
    LONG lRestore = ::RegRestoreKey(reg.GetKey(), file2.c_str(), 0);
    reg.Restore(file.c_str());
    EXPECT_EQ(lRestore, reg.GetLastResult());
    LONG lReplace = ::RegReplaceKey(reg.GetKey(), "x", file2.c_str(), file.c_str());
    reg.Replace("x", file.c_str(), file2.c_str());
    EXPECT_EQ(lReplace, reg.GetLastResult());
    EXPECT_TRUE(reg.Flush());
}

TEST(RegistryNames, PredefinedRootsAndPaths)
{
    struct
    {
        HKEY hKey;
        const char* name;
    } roots[] = {{HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},     {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
                 {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},   {HKEY_USERS, "HKEY_USERS"},
                 {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"}, {HKEY_DYN_DATA, "HKEY_DYN_DATA"}};
    for (const auto& r : roots)
    {
        CString strName;
        EXPECT_TRUE(SECRegistry::KeyNameFromHandle(r.hKey, strName));
        EXPECT_STREQ(r.name, strName);
        EXPECT_EQ(r.hKey, SECRegistry::HandleFromKeyName(r.name));
    }
    CString strName = "unchanged";
    EXPECT_FALSE(SECRegistry::KeyNameFromHandle(HKEY_PERFORMANCE_DATA, strName));
    EXPECT_EQ(NULL, SECRegistry::HandleFromKeyName("hkey_current_user"));

    struct
    {
        const char* in;
        BOOL bLeading;
        const char* out;
    } names[] = {
        {"a\\b\\", FALSE, "a\\b"}, {"\\a\\", FALSE, "\\a"}, {"\\a\\", TRUE, "a"}, {"a\\\\", FALSE, "a\\"}};
    for (const auto& n : names)
    {
        CString s = n.in;
        SECRegistry::NormalizeKeyName(s, n.bLeading);
        EXPECT_STREQ(n.out, s) << n.in;
    }
    EXPECT_STREQ("a\\b\\c", SECRegistry::JoinKeyPath("a\\b\\", "\\c\\"));
}
