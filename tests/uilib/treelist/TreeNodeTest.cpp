// Tree nodes and their walks, the hidden level, and the sub-item text storage.
#include "uilib/treelist/Node.h"
#include "uilib/treelist/SubItemTextStorage.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
std::vector<std::string>* g_pDeleted = nullptr;

class CNamedNode : public _Node
{
  public:
    explicit CNamedNode(const char* name) : m_name(name)
    {
    }
    ~CNamedNode() override
    {
        DeleteChildren();
        if (g_pDeleted != nullptr)
            g_pDeleted->push_back(m_name);
    }
    std::string m_name;
};

std::string Name(SECTreeNode* p)
{
    return p != nullptr ? static_cast<CNamedNode*>(p)->m_name : "-";
}
} // namespace

TEST(TreeNode, AddChildPlacesAndRefuses)
{
    CNamedNode root("root");
    auto* a = new CNamedNode("a");
    auto* b = new CNamedNode("b");
    auto* c = new CNamedNode("c");
    auto* stranger = new CNamedNode("x");
    // Without children the node is linked whatever "after" says.
    EXPECT_TRUE(root.AddChild(a, stranger));
    EXPECT_TRUE(root.AddChild(c, SEC_NODE_LAST));
    EXPECT_TRUE(root.AddChild(b, a));
    auto* d = new CNamedNode("d");
    EXPECT_FALSE(root.AddChild(d, stranger)); // not a child: nothing linked
    EXPECT_EQ(nullptr, d->GetParentNode());
    delete d;
    auto* first = new CNamedNode("first");
    EXPECT_TRUE(root.AddChild(first, SEC_NODE_FIRST));
    std::string order;
    for (SECTreeNode* p = root.GetFirstChild(); p != nullptr; p = p->GetNextSibling())
        order += Name(p);
    EXPECT_EQ("firstabc", order);
    delete stranger;
}

TEST(TreeNode, WalksInDisplayOrder)
{
    CNamedNode root("root");
    auto* a = new CNamedNode("a");
    auto* a1 = new CNamedNode("a1");
    auto* a2 = new CNamedNode("a2");
    auto* b = new CNamedNode("b");
    root.AddChild(a, SEC_NODE_LAST);
    root.AddChild(b, SEC_NODE_LAST);
    a->AddChild(a1, SEC_NODE_LAST);
    a->AddChild(a2, SEC_NODE_LAST);
    std::string order;
    for (SECTreeNode* p = root.GetNextInOrder(); p != nullptr; p = p->GetNextInOrder())
        order += Name(p) + " ";
    EXPECT_EQ("a a1 a2 b ", order);
    EXPECT_EQ("a2", Name(b->GetPrevInOrder()));
    EXPECT_EQ("a", Name(a1->GetPrevInOrder()));
    EXPECT_EQ(2, a2->GetDepth());
    EXPECT_EQ("a2", Name(root.GetLastDescendant()->GetPrevInOrder()));
    EXPECT_EQ("a1", Name(root.GetFirstLeaf()));
    EXPECT_TRUE(a->IsAncestorOf(a2));
    EXPECT_FALSE(a->IsAncestorOf(a));
    EXPECT_FALSE(a->IsAncestorOf(b));
}

TEST(TreeNode, HiddenLevelLiftsGrandchildren)
{
    CNamedNode root("root");
    auto* top = new CNamedNode("top");
    auto* g1 = new CNamedNode("g1");
    auto* g2 = new CNamedNode("g2");
    auto* l1 = new CNamedNode("l1");
    auto* l2 = new CNamedNode("l2");
    auto* l3 = new CNamedNode("l3");
    root.AddChild(top, SEC_NODE_LAST);
    top->AddChild(g1, SEC_NODE_LAST);
    top->AddChild(g2, SEC_NODE_LAST);
    g1->AddChild(l1, SEC_NODE_LAST);
    g1->AddChild(l2, SEC_NODE_LAST);
    g2->AddChild(l3, SEC_NODE_LAST);
    root.m_wHiddenLevel = 2;
    EXPECT_EQ("l1", Name(top->GetFirstChild()));
    EXPECT_EQ("l3", Name(l2->GetNextSibling())); // runs on into the next group
    EXPECT_EQ("l2", Name(l3->GetPrevSibling()));
    EXPECT_EQ("top", Name(l3->GetParentNode()));
    EXPECT_EQ(nullptr, l3->GetNextSibling());
    EXPECT_EQ(2, l1->GetDepth());
}

TEST(TreeNode, DeletingDeletesTheSubtreeDeepestFirst)
{
    std::vector<std::string> deleted;
    g_pDeleted = &deleted;
    {
        auto* root = new CNamedNode("root");
        auto* a = new CNamedNode("a");
        auto* a1 = new CNamedNode("a1");
        auto* a1x = new CNamedNode("a1x");
        auto* b = new CNamedNode("b");
        root->AddChild(a, SEC_NODE_LAST);
        root->AddChild(b, SEC_NODE_LAST);
        a->AddChild(a1, SEC_NODE_LAST);
        a1->AddChild(a1x, SEC_NODE_LAST);
        delete root;
    }
    g_pDeleted = nullptr;
    EXPECT_EQ((std::vector<std::string>{"a1x", "a1", "a", "b", "root"}), deleted);
}

TEST(SubItemTextStorage, KeepsColumnTextsPerItem)
{
    SECSubItemTextStorage storage;
    HTREEITEM h1 = (HTREEITEM)0x1000, h2 = (HTREEITEM)0x2000;
    char buf[8] = "xxxxxxx";
    EXPECT_FALSE(storage.GetSubItemText(h1, 1, buf, sizeof(buf)));
    EXPECT_STREQ("", buf);
    EXPECT_TRUE(storage.SetSubItemText(h1, 1, "eins"));
    EXPECT_TRUE(storage.SetSubItemText(h1, 2, "zwei-lang"));
    EXPECT_TRUE(storage.GetSubItemText(h1, 2, buf, sizeof(buf)));
    EXPECT_STREQ("zwei-la", buf); // cut to the buffer, terminated
    EXPECT_FALSE(storage.GetSubItemText(h1, 3, buf, sizeof(buf)));
    EXPECT_STREQ("", buf);
    EXPECT_TRUE(storage.MoveSubItemText(h1, 1, 2));
    EXPECT_EQ("zwei-lang", std::string(storage.GetText(h1, 1)));
    EXPECT_EQ("eins", std::string(storage.GetText(h1, 2)));
    EXPECT_FALSE(storage.MoveSubItemText(h2, 1, 2));
    storage.InsertColumn(1);
    EXPECT_EQ("", std::string(storage.GetText(h1, 1)));
    EXPECT_EQ("eins", std::string(storage.GetText(h1, 3)));
    storage.RemoveItem(h1);
    EXPECT_EQ("", std::string(storage.GetText(h1, 3)));
}
