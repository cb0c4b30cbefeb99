// The state tree: pairs, result codes, the letter encoding of binary blocks and their pieces,
// and whole trees written to an INI file and to the registry and read back.
#include "CommonTestApp.h"
#include "RegistryTestKey.h"
#include "TestSupport.h"
#include "uilib/common/PTNStrategyProfile.h"
#include "uilib/common/PTNStrategyRegistry.h"
#include "uilib/common/PersistentTreeNode.h"
#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

using namespace testing_support;

namespace
{

using Pairs = std::vector<std::pair<std::string, std::string>>;

std::string Text(SECPersistentTreeNode& node, const char* key)
{
    CString strValue;
    EXPECT_EQ(SECPTN_OK, node.GetKeyValue(key, strValue)) << key;
    return std::string(strValue);
}

Pairs PairsOf(const SECPersistentTreeNode& node)
{
    Pairs pairs;
    for (int i = 0; i < node.GetKeyValueCount(); ++i)
        pairs.emplace_back(std::string(node.GetKeyValuePair(i)->m_strKey),
                           std::string(node.GetKeyValuePair(i)->m_strValue));
    return pairs;
}

// Both trees hold the same names, pairs and children (in any order). Pairs keep their order in
// a profile file; the registry enumerates values sorted by name.
void ExpectSameTree(const SECPersistentTreeNode& expected, const SECPersistentTreeNode& actual,
                    bool bSorted = false)
{
    SCOPED_TRACE(std::string(expected.GetName()));
    EXPECT_STREQ(expected.GetName(), actual.GetName());
    Pairs expectedPairs = PairsOf(expected);
    if (bSorted)
        std::sort(expectedPairs.begin(), expectedPairs.end());
    EXPECT_EQ(expectedPairs, PairsOf(actual));
    ASSERT_EQ(expected.GetChildCount(), actual.GetChildCount());
    for (int i = 0; i < expected.GetChildCount(); ++i)
    {
        SECPersistentTreeNode* pOther = actual.FindChild(expected.GetChild(i)->GetName());
        ASSERT_TRUE(pOther != NULL) << expected.GetChild(i)->GetName();
        ExpectSameTree(*expected.GetChild(i), *pOther, bSorted);
    }
}

// A loaded tree saved into the file and loaded from it again gives the same tree.
void ExpectSavesAndLoadsAgain(SECPersistentTreeNode& root, const std::string& file)
{
    SECPTNStrategyProfile to(file.c_str());
    ASSERT_TRUE(root.SaveTree(&to));
    SECPersistentTreeNode again;
    ASSERT_EQ(SECPTN_OK, again.Create("WorkState_v1_2"));
    ASSERT_TRUE(again.LoadTree(&to));
    ExpectSameTree(root, again);
}

const std::string kLongPath = "C:\\" + std::string(290, 'p') + ".hlv";

// A small workspace-like tree: root, a child with two children, a second child.
void BuildSample(SECPersistentTreeNode& root)
{
    ASSERT_EQ(SECPTN_OK, root.Create("WorkState_v1_2"));
    root.SetKeyValue("Name", "Test");
    root.SetKeyValue("Count", 3);
    SECPersistentTreeNode* pFrames = root.GetChildFactory().CreateNode("Frames", &root);
    ASSERT_TRUE(pFrames != NULL);
    pFrames->SetKeyValue("FrameCount", 2);
    SECPersistentTreeNode* pMain = pFrames->GetChildFactory().CreateNode("MainFrame", pFrames);
    ASSERT_TRUE(pMain != NULL);
    BYTE placement[44];
    for (int i = 0; i < 44; ++i)
        placement[i] = static_cast<BYTE>(i * 7);
    pMain->SetKeyValue("WindowPlacement", placement, sizeof placement, TRUE);
    pMain->SetKeyValue("Visible", true);
    SECPersistentTreeNode* pChild = pFrames->GetChildFactory().CreateNode("Child0", pFrames);
    ASSERT_TRUE(pChild != NULL);
    pChild->SetKeyValue("DocPathName", kLongPath.c_str());
    SECPersistentTreeNode* pDocs = root.GetChildFactory().CreateNode("Docs", &root);
    ASSERT_TRUE(pDocs != NULL);
    pDocs->SetKeyValue("A", "1");
}

// A section's pairs in file order, read without the code under test.
Pairs IniSection(const std::string& file, const std::string& section)
{
    std::vector<char> keys(65536);
    DWORD n = ::GetPrivateProfileString(section.c_str(), NULL, "", keys.data(), 65536, file.c_str());
    Pairs pairs;
    for (const char* p = keys.data(); p < keys.data() + n && *p; p += strlen(p) + 1)
    {
        char value[4096];
        ::GetPrivateProfileString(section.c_str(), p, "", value, sizeof value, file.c_str());
        pairs.emplace_back(p, value);
    }
    return pairs;
}

std::vector<std::string> IniSectionNames(const std::string& file)
{
    std::vector<char> names(65536);
    DWORD n = ::GetPrivateProfileSectionNames(names.data(), 65536, file.c_str());
    std::vector<std::string> result;
    for (const char* p = names.data(); p < names.data() + n && *p; p += strlen(p) + 1)
        result.emplace_back(p);
    return result;
}

std::string IniFile(const char* name)
{
    std::string file = TempFolder() + "\\" + name;
    ::DeleteFile(file.c_str());
    return file;
}

class PersistentTreeRegistry : public RegistryTestKey
{
};

} // namespace

TEST(PersistentTree, LetterEncodingOfBinaryBlocks)
{
    EXPECT_STREQ("BGCGDG", SECPersistentTreeNode::EncodeBinary("abc", 3));
    std::vector<BYTE> all(256);
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<BYTE>(i);
    CString strText = SECPersistentTreeNode::EncodeBinary(all.data(), 256);
    ASSERT_EQ(512, strText.GetLength());
    for (int i = 0; i < 512; ++i)
        ASSERT_TRUE(strText[i] >= 'A' && strText[i] <= 'P') << i;
    std::vector<BYTE> back;
    SECPersistentTreeNode::DecodeBinary(strText + "Q", back); // a trailing odd letter is ignored
    EXPECT_EQ(all, back);
}

TEST(PersistentTree, BinaryValuesAreStoredPlainUpTo125BytesElseInPiecesOf250Letters)
{
    struct
    {
        UINT nSize;
        int nPieces; // 0: one plain value
        int nLastPiece;
    } cases[] = {{1, 0, 0}, {125, 0, 0}, {126, 2, 2}, {250, 2, 250}, {251, 3, 2}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nSize);
        SECPersistentTreeNode node;
        ASSERT_EQ(SECPTN_OK, node.Create("N"));
        std::vector<BYTE> block(c.nSize);
        for (UINT i = 0; i < c.nSize; ++i)
            block[i] = static_cast<BYTE>(i * 31 + 5);
        ASSERT_EQ(SECPTN_OK, node.SetKeyValue("WindowPlacement", block.data(), c.nSize, TRUE));
        if (c.nPieces == 0)
        {
            EXPECT_EQ(1, node.GetKeyValueCount());
            EXPECT_EQ(c.nSize * 2, Text(node, "WindowPlacement").size());
        }
        else
        {
            ASSERT_EQ(1 + c.nPieces, node.GetKeyValueCount());
            EXPECT_EQ(std::to_string(c.nPieces), Text(node, "WindowPlacement_BinCount"));
            EXPECT_EQ(250u, Text(node, "WindowPlacement_BinVal0").size());
            std::string strLast = "WindowPlacement_BinVal" + std::to_string(c.nPieces - 1);
            EXPECT_EQ(static_cast<size_t>(c.nLastPiece), Text(node, strLast.c_str()).size());
        }
        void* pData = NULL;
        UINT nSize = 0;
        ASSERT_EQ(SECPTN_OK, node.GetKeyValue("WindowPlacement", &pData, &nSize));
        ASSERT_EQ(c.nSize, nSize);
        EXPECT_EQ(block, std::vector<BYTE>(static_cast<BYTE*>(pData), static_cast<BYTE*>(pData) + nSize));
        delete[] static_cast<BYTE*>(pData);
    }
}

TEST(PersistentTree, ABinaryValueRewrittenInTheOtherFormReadsTheNewBlock)
{
    SECPersistentTreeNode node;
    ASSERT_EQ(SECPTN_OK, node.Create("N"));
    std::vector<BYTE> big(126, 0x11), small(10, 0x22);
    ASSERT_EQ(SECPTN_OK, node.SetKeyValue("B", big.data(), 126, TRUE));
    ASSERT_EQ(SECPTN_OK, node.SetKeyValue("B", small.data(), 10, TRUE));
    EXPECT_EQ(1, node.GetKeyValueCount());
    void* pData = NULL;
    UINT nSize = 0;
    ASSERT_EQ(SECPTN_OK, node.GetKeyValue("B", &pData, &nSize));
    EXPECT_EQ(10u, nSize);
    delete[] static_cast<BYTE*>(pData);
    ASSERT_EQ(SECPTN_OK, node.SetKeyValue("B", big.data(), 126, TRUE));
    EXPECT_EQ(SECPTN_KEY_NOT_FOUND, node.RemoveKeyValue("B"));
    EXPECT_EQ(3, node.GetKeyValueCount());
}

TEST(PersistentTree, TextsReadAsBooleansAndNumbers)
{
    SECPersistentTreeNode node;
    ASSERT_EQ(SECPTN_OK, node.Create("N"));
    struct
    {
        const char* text;
        bool bValue;
        int nValue;
    } cases[] = {{"True", true, 0},   {"TRUE", true, 0},    {"tRuE", true, 0}, {"1", false, 1},
                 {"False", false, 0}, {"42abc", false, 42}, {"-7", false, -7}, {"x", false, 0}};
    for (const auto& c : cases)
    {
        node.SetKeyValue("k", c.text);
        bool bValue = !c.bValue;
        int nValue = 99;
        long lValue = 99;
        EXPECT_EQ(SECPTN_OK, node.GetKeyValue("k", bValue, !c.bValue));
        EXPECT_EQ(c.bValue, bValue) << c.text;
        EXPECT_EQ(SECPTN_OK, node.GetKeyValue("k", nValue, 99));
        EXPECT_EQ(c.nValue, nValue) << c.text;
        EXPECT_EQ(SECPTN_OK, node.GetKeyValue("k", lValue, 99L));
        EXPECT_EQ(c.nValue, lValue) << c.text;
    }
    node.SetKeyValue("b", false);
    EXPECT_EQ("False", Text(node, "b"));
    node.SetKeyValue("n", -12);
    EXPECT_EQ("-12", Text(node, "n"));
    int nValue = 0;
    EXPECT_EQ(SECPTN_KEY_NOT_FOUND, node.GetKeyValue("missing", nValue, 5));
    EXPECT_EQ(5, nValue);
    CString strValue;
    EXPECT_EQ(SECPTN_KEY_NOT_FOUND, node.GetKeyValue("missing", strValue, "dflt"));
    EXPECT_STREQ("dflt", strValue);
}

TEST(PersistentTree, ResultCodesOfNodeOperations)
{
    SECPersistentTreeNode loose;
    SECPersistentTreeNode node;
    ASSERT_EQ(SECPTN_OK, node.Create("Node"));
    node.SetKeyValue("first", "1");
    node.SetKeyValue("second", "2");
    SECPersistentTreeNode second;
    void* pData = NULL;
    UINT nSize = 0;
    node.SetKeyValue("empty", "");
    struct
    {
        const char* what;
        UINT nResult;
        UINT nExpected;
    } cases[] = {
        {"create twice", node.Create("Again"), SECPTN_ALREADY_CREATED},
        {"create twice empty", node.Create(""), SECPTN_ALREADY_CREATED | SECPTN_INVALID_ARG},
        {"create empty", second.Create(""), SECPTN_INVALID_ARG},
        {"set uncreated", loose.SetKeyValue("k", "v"), SECPTN_NOT_CREATED},
        {"set uncreated empty key", loose.SetKeyValue("", "v"), SECPTN_NOT_CREATED | SECPTN_EMPTY_KEY},
        {"set empty key", node.SetKeyValue("", "v"), SECPTN_EMPTY_KEY},
        {"no overwrite", node.SetKeyValue("first", "x", FALSE), SECPTN_KEY_EXISTS},
        {"remove missing", node.RemoveKeyValue("missing"), SECPTN_KEY_NOT_FOUND},
        {"null block", node.SetKeyValue("b", static_cast<const void*>(NULL), 4, TRUE), SECPTN_NULL_DATA},
        {"empty block", node.SetKeyValue("b", "x", 0, TRUE), SECPTN_ENCODE_FAILED},
        {"read into null", node.GetKeyValue("first", static_cast<void**>(NULL), &nSize), SECPTN_NULL_DATA},
        {"read empty text", node.GetKeyValue("empty", &pData, &nSize), SECPTN_FAILED},
        {"read missing block", node.GetKeyValue("missing", &pData, &nSize), SECPTN_KEY_NOT_FOUND},
        {"null child", node.AddChild(NULL), SECPTN_INVALID_ARG},
        {"child of uncreated", loose.AddChild(&second), SECPTN_NOT_CREATED},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nExpected, c.nResult) << c.what;
    EXPECT_TRUE(pData == NULL);
    EXPECT_EQ("1", Text(node, "first"));

    // Overwriting keeps the pair's place.
    EXPECT_EQ(SECPTN_OK, node.SetKeyValue("first", "new"));
    EXPECT_EQ((Pairs{{"first", "new"}, {"second", "2"}, {"empty", ""}}), PairsOf(node));
    EXPECT_EQ(SECPTN_OK, node.RemoveKeyValue("first"));
    EXPECT_EQ((Pairs{{"second", "2"}, {"empty", ""}}), PairsOf(node));
}

TEST(PersistentTree, TheFactoryRefusesASecondChildOfTheSameName)
{
    SECPersistentTreeNode root;
    ASSERT_EQ(SECPTN_OK, root.Create("Root"));
    SECPersistentTreeNode* pFirst = root.GetChildFactory().CreateNode("Child", &root);
    ASSERT_TRUE(pFirst != NULL);
    EXPECT_TRUE(root.GetChildFactory().CreateNode("Child", &root) == NULL);
    EXPECT_EQ(1, root.GetChildCount());
    EXPECT_EQ(pFirst, root.FindChild("Child"));
    EXPECT_TRUE(root.FindChild("child") == NULL);
    EXPECT_TRUE(root.FindChild("") == NULL);

    SECPersistentTreeNode uncreated;
    SECPTNFactory factory;
    EXPECT_TRUE(factory.CreateNode("X", &uncreated) == NULL); // the parent refuses: 65535, deleted
    SECPersistentTreeNode stranger;
    EXPECT_FALSE(root.GetChildFactory().DestroyNode(&stranger));
    EXPECT_TRUE(root.GetChildFactory().DestroyNode(pFirst));
    EXPECT_EQ(0, root.GetChildCount());
}

TEST(PersistentTree, AProfileFileHoldsOneSectionPerNodeAndReadsBackTheSameTree)
{
    std::string file = IniFile("tree.ini");
    SECPersistentTreeNode root;
    BuildSample(root);
    SECPTNStrategyProfile profile(file.c_str());
    ASSERT_TRUE(root.SaveTree(&profile));

    std::map<std::string, Pairs> golden = {
        {"WorkState_v1_2",
         {{"Name", "Test"}, {"Count", "3"}, {"ptn_Child1", "Frames"}, {"ptn_Child2", "Docs"}}},
        {"WorkState_v1_2.Frames",
         {{"FrameCount", "2"}, {"ptn_Child1", "MainFrame"}, {"ptn_Child2", "Child0"}}},
        {"WorkState_v1_2.Frames.MainFrame",
         {{"WindowPlacement",
           std::string(root.FindChild("Frames")->FindChild("MainFrame")->GetKeyValuePair(0)->m_strValue)},
          {"Visible", "True"}}},
        {"WorkState_v1_2.Frames.Child0", {{"DocPathName", kLongPath}}},
        {"WorkState_v1_2.Docs", {{"A", "1"}}},
    };
    EXPECT_EQ(88u, golden["WorkState_v1_2.Frames.MainFrame"][0].second.size());
    std::vector<std::string> sections = IniSectionNames(file);
    EXPECT_EQ(golden.size(), sections.size());
    for (const auto& section : golden)
        EXPECT_EQ(section.second, IniSection(file, section.first)) << section.first;

    SECPersistentTreeNode loaded;
    ASSERT_EQ(SECPTN_OK, loaded.Create("WorkState_v1_2"));
    ASSERT_TRUE(loaded.LoadTree(&profile));
    ExpectSameTree(root, loaded);
    EXPECT_EQ(kLongPath, Text(*loaded.FindChild("Frames")->FindChild("Child0"), "DocPathName"));

    SECPersistentTreeNode absent;
    ASSERT_EQ(SECPTN_OK, absent.Create("Nothing"));
    EXPECT_FALSE(absent.LoadTree(&profile));
    EXPECT_FALSE(absent.LoadTree(NULL));
    SECPersistentTreeNode uncreated;
    EXPECT_FALSE(uncreated.SaveTree(&profile));
}

TEST(PersistentTree, ANodeWithoutKeysInTheProfileIsNotReadButItsParentIs)
{
    std::string file = IniFile("nokeys.ini");
    ::WritePrivateProfileString("Root", "A", "1", file.c_str());
    ::WritePrivateProfileString("Root", "ptn_Child1", "Empty", file.c_str());
    ::WritePrivateProfileString("Root", "ptn_Child2", "Full", file.c_str());
    ::WritePrivateProfileString("Root.Full", "B", "2", file.c_str());
    // Only a header for the empty child.
    ::WritePrivateProfileString("Root.Empty", "X", "1", file.c_str());
    ::WritePrivateProfileString("Root.Empty", "X", NULL, file.c_str());

    SECPTNStrategyProfile profile(file.c_str());
    CStringList keys;
    EXPECT_FALSE(profile.GetSectionKeys("Root.Empty", keys));
    EXPECT_FALSE(profile.GetSectionKeys("", keys));
    SECPersistentTreeNode root;
    ASSERT_EQ(SECPTN_OK, root.Create("Root"));
    ASSERT_TRUE(root.LoadTree(&profile));
    ASSERT_EQ(2, root.GetChildCount());
    EXPECT_EQ(0, root.FindChild("Empty")->GetKeyValueCount());
    EXPECT_EQ("2", Text(*root.FindChild("Full"), "B"));
    EXPECT_EQ((Pairs{{"A", "1"}}), PairsOf(root));
}

TEST(PersistentTree, AKeyListOver8192BytesIsReadCut)
{
    std::string file = IniFile("manykeys.ini");
    std::string contents = "[Big]\r\n";
    const int nKeys = 400; // 400 names of 24 letters and a NUL: about 10,000 bytes
    for (int i = 0; i < nKeys; ++i)
    {
        char line[64];
        sprintf(line, "Key%021d=%d\r\n", i, i);
        contents += line;
    }
    FILE* f = fopen(file.c_str(), "wb");
    ASSERT_TRUE(f != NULL);
    fwrite(contents.data(), 1, contents.size(), f);
    fclose(f);

    SECPTNStrategyProfile profile(file.c_str());
    CStringList keys;
    ASSERT_TRUE(profile.GetSectionKeys("Big", keys));
    EXPECT_LT(keys.GetCount(), nKeys);
    EXPECT_GT(keys.GetCount(), 300);
    int i = 0;
    for (POSITION pos = keys.GetHeadPosition(); pos != NULL && i < keys.GetCount() - 1; ++i)
    {
        char name[32];
        sprintf(name, "Key%021d", i);
        EXPECT_STREQ(name, keys.GetNext(pos));
    }
}

namespace
{
void WriteFile(const std::string& file, const std::string& contents)
{
    FILE* f = fopen(file.c_str(), "wb");
    ASSERT_TRUE(f != NULL);
    fwrite(contents.data(), 1, contents.size(), f);
    fclose(f);
}

// A chain of nLevels nodes "WorkState_v1_2", "N", "N", ..., each with its level as a pair.
std::string Chain(int nLevels)
{
    std::string contents, section = "WorkState_v1_2";
    for (int n = 1; n <= nLevels; ++n)
    {
        contents += "[" + section + "]\r\nLevel=" + std::to_string(n) + "\r\n";
        if (n < nLevels)
            contents += "ptn_Child1=N\r\n";
        contents += "\r\n";
        section += ".N";
    }
    return contents;
}

// Counts the nodes the tree asks for.
class CCountingProfile : public SECPTNStrategyProfile
{
  public:
    using SECPTNStrategyProfile::SECPTNStrategyProfile;
    BOOL ReadNode(const CStringList& path, CStringList& childNames, CStringList& keys,
                  CStringList& values) override
    {
        ++m_nReads;
        return SECPTNStrategyProfile::ReadNode(path, childNames, keys, values);
    }
    int m_nReads = 0;
};
} // namespace

// The frames and bars make trees a few levels deep: a deeper one is a damaged file, and its
// load fails after reading no more than the deepest allowed level.
TEST(PersistentTree, ATreeDeeperThan64LevelsFailsToLoad)
{
    std::string file = IniFile("deep.ini");
    const struct
    {
        int nLevels;
        bool bLoads;
        int nReads;
    } cases[] = {{64, true, 64}, {65, false, 64}, {1000, false, 64}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nLevels);
        WriteFile(file, Chain(c.nLevels));
        CCountingProfile profile(file.c_str());
        SECPersistentTreeNode root;
        ASSERT_EQ(SECPTN_OK, root.Create("WorkState_v1_2"));
        EXPECT_EQ(c.bLoads, root.LoadTree(&profile) != FALSE);
        EXPECT_EQ(c.nReads, profile.m_nReads);
        if (c.bLoads)
        {
            int nDepth = 0;
            for (SECPersistentTreeNode* pNode = &root; pNode != NULL;
                 pNode = pNode->GetChildCount() > 0 ? pNode->GetChild(0) : NULL)
                ++nDepth;
            EXPECT_EQ(c.nLevels, nDepth);
            // The deepest node has its pair; it saves and loads again the same.
            std::string copy = IniFile("deep_copy.ini");
            ExpectSavesAndLoadsAgain(root, copy);
            ::DeleteFile(copy.c_str());
        }
    }
    ::DeleteFile(file.c_str());
}

// What loads saves and loads again the same; a root from which nothing is read (an empty child
// name makes no child) would save as nothing, so it does not load.
TEST(PersistentTree, WhatLoadsSavesAndLoadsAgainTheSame)
{
    std::string file = IniFile("small.ini");
    std::string copy = IniFile("small_copy.ini");
    const struct
    {
        const char* name;
        const char* contents;
        bool bLoads;
    } cases[] = {
        {"only an empty child name", "[WorkState_v1_2]\r\nptn_Child1=\r\n", false},
        {"a pair and an empty child name", "[WorkState_v1_2]\r\nA=1\r\nptn_Child1=\r\n", true},
        {"a child without section", "[WorkState_v1_2]\r\nptn_Child1=Bars\r\n", true},
        {"a child with a pair", "[WorkState_v1_2]\r\nptn_Child1=Bars\r\n[WorkState_v1_2.Bars]\r\nB=2\r\n",
         true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        WriteFile(file, c.contents);
        SECPTNStrategyProfile profile(file.c_str());
        SECPersistentTreeNode root;
        ASSERT_EQ(SECPTN_OK, root.Create("WorkState_v1_2"));
        ASSERT_EQ(c.bLoads, root.LoadTree(&profile) != FALSE);
        if (!c.bLoads)
            continue;
        ::DeleteFile(copy.c_str());
        ExpectSavesAndLoadsAgain(root, copy);
    }
    ::DeleteFile(file.c_str());
    ::DeleteFile(copy.c_str());
}

TEST_F(PersistentTreeRegistry, ARegistrySaveReplacesTheStoredSubtreeAndReadsBack)
{
    CString base = Path("Workspace");
    SECPTNStrategyRegistry strategy(base, HKEY_CURRENT_USER);
    EXPECT_STREQ(base + "\\", strategy.GetBaseKey());

    SECPersistentTreeNode root;
    BuildSample(root);
    // A stale child and value from an earlier save.
    WriteText("Workspace\\WorkState_v1_2\\Stale", "Old", "1");
    WriteText("Workspace\\WorkState_v1_2", "OldValue", "1");
    ASSERT_TRUE(root.SaveTree(&strategy));
    EXPECT_FALSE(KeyExists(Path("Workspace\\WorkState_v1_2\\Stale")));
    DWORD dwType = 0;
    std::string raw;
    EXPECT_FALSE(ReadRaw("Workspace\\WorkState_v1_2", "OldValue", dwType, raw));
    ASSERT_TRUE(ReadRaw("Workspace\\WorkState_v1_2\\Frames\\Child0", "DocPathName", dwType, raw));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), dwType);
    EXPECT_EQ(kLongPath + '\0', raw);
    ASSERT_TRUE(ReadRaw("Workspace\\WorkState_v1_2\\Frames\\MainFrame", "Visible", dwType, raw));
    EXPECT_EQ(std::string("True\0", 5), raw);

    SECPersistentTreeNode loaded;
    ASSERT_EQ(SECPTN_OK, loaded.Create("WorkState_v1_2"));
    ASSERT_TRUE(loaded.LoadTree(&strategy));
    ExpectSameTree(root, loaded, true);

    // Saving a smaller tree leaves nothing of the bigger one.
    SECPersistentTreeNode smaller;
    ASSERT_EQ(SECPTN_OK, smaller.Create("WorkState_v1_2"));
    smaller.SetKeyValue("Only", 1);
    ASSERT_TRUE(smaller.SaveTree(&strategy));
    EXPECT_FALSE(KeyExists(Path("Workspace\\WorkState_v1_2\\Frames")));
    SECPersistentTreeNode again;
    ASSERT_EQ(SECPTN_OK, again.Create("WorkState_v1_2"));
    ASSERT_TRUE(again.LoadTree(&strategy));
    ExpectSameTree(smaller, again, true);
}

TEST_F(PersistentTreeRegistry, ValuesThatAreNoTextLoadAsWhatTheStringReadGives)
{
    std::string full(2047, 'z');
    WriteText("T\\Root", "Text", "abc");
    WriteRaw("T\\Root", "Long", REG_SZ, full.data(), 2047);
    const DWORD dwNumber = 0x41;
    WriteRaw("T\\Root", "Number", REG_DWORD, &dwNumber, 4);
    WriteRaw("T\\Root", "Multi", REG_MULTI_SZ, "a\0b", 3);
    WriteText("T\\Root\\Child", "C", "1");
    SECPTNStrategyRegistry strategy(Path("T"));
    SECPersistentTreeNode root;
    ASSERT_EQ(SECPTN_OK, root.Create("Root"));
    ASSERT_TRUE(root.LoadTree(&strategy));
    EXPECT_EQ("abc", Text(root, "Text"));
    EXPECT_EQ(full, Text(root, "Long"));
    EXPECT_EQ("A", Text(root, "Number"));
    EXPECT_EQ("a", Text(root, "Multi"));
    ASSERT_TRUE(root.FindChild("Child") != NULL);
    EXPECT_EQ("1", Text(*root.FindChild("Child"), "C"));
}
