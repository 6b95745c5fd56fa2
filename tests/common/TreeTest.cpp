#include "common/TZEV_SimpleTreeNodeViewer.h"
#include "common/TZEV_Tree.h"
#include "testkit/TestMeldungen.h"

#include <gtest/gtest.h>

using TNode = TZEV_TreeNode<int>;

namespace {
QList<int> Werte(const TNode* n) {
    QList<int> w;
    for (const TNode* c : n->Children()) w << c->Data();
    return w;
}

// 0 ( 1 (11 12) 2 3 )
struct Baum {
    TZEV_Tree<int> t{0};
    Baum() {
        for (int v : {1, 2, 3}) t.AddNode(v, 0);
        t.AddNode(11, 1);
        t.AddNode(12, 1);
    }
    TNode* N(int v) { return t.GetNodeByData(v); }
};

// Counts its living instances, to prove values are deleted exactly once.
struct Zaehler {
    static inline int Lebend = 0;
    int Id;
    explicit Zaehler(int id) : Id(id) { ++Lebend; }
    ~Zaehler() { --Lebend; }
};
}  // namespace

TEST(TZEV_Tree, ListenersRunLatestFirstBeforeTheBookkeepingAndIgnoreRepeats) {
    Baum b;
    QStringList log;
    int o1 = 0, o2 = 0;
    EXPECT_TRUE(b.t.RegisterAddChildListener({&o1, 1, [&](TNode*, TNode* c) {
        log << QString("o1:%1:%2").arg(c->Data()).arg(b.t.GetNodeByData(c->Data()) ? "bekannt" : "neu");
    }}));
    EXPECT_TRUE(b.t.RegisterAddChildListener({&o2, 1, [&](TNode*, TNode*) { log << "o2"; }}));
    EXPECT_FALSE(b.t.RegisterAddChildListener({&o1, 1, [&](TNode*, TNode*) { log << "doppelt"; }}));
    EXPECT_FALSE(b.t.RegisterAddChildListener({&o1, 2, {}}));  // no code
    b.t.AddNode(4, 0);
    EXPECT_EQ(log, QStringList({"o2", "o1:4:neu"}));  // front insertion; the tree indexes last
    EXPECT_EQ(b.N(4)->Tree(), &b.t);

    // After-data-changed listeners keep registration order.
    log.clear();
    b.t.RegisterAfterDataChangedListener({&o1, 1, [&](TNode*, const int& alt) { log << QString("a%1").arg(alt); }});
    b.t.RegisterAfterDataChangedListener({&o2, 1, [&](TNode* n, const int&) { log << QString("b%1").arg(n->Data()); }});
    b.t.RegisterBeforeDataChangingListener({&o1, 1, [&](TNode*, const int& neu) { log << QString("v%1").arg(neu); }});
    EXPECT_TRUE(b.t.ChangeNodeData(4, 5));
    EXPECT_EQ(log, QStringList({"v5", "a4", "b5"}));
    EXPECT_TRUE(b.t.UnregisterAfterDataChangedListener(&o1, 1));
    EXPECT_FALSE(b.t.UnregisterAfterDataChangedListener(&o1, 1));
    log.clear();
    b.t.ChangeNodeData(5, 6);
    EXPECT_EQ(log, QStringList({"v6", "b6"}));
}

TEST(TZEV_TreeNode, AppendAndInsertOfAnExistingChildMoveQuietly) {
    Baum b;
    int adds = 0;
    b.t.RegisterAddChildListener({&adds, 1, [&](TNode*, TNode*) { ++adds; }});
    TNode* root = b.t.Root();
    EXPECT_EQ(root->AppendChild(b.N(3)), 0);  // already a child: moved to the end, 0, no listener
    EXPECT_EQ(root->AppendChild(b.N(1)), 0);
    EXPECT_EQ(Werte(root), QList<int>({2, 3, 1}));
    EXPECT_TRUE(root->InsertChild(0, b.N(1)));
    EXPECT_EQ(Werte(root), QList<int>({1, 2, 3}));
    EXPECT_EQ(adds, 0);

    // A node from another parent is detached there and announced here.
    EXPECT_EQ(root->AppendChild(b.N(11)), 3);
    EXPECT_EQ(Werte(b.N(1)), QList<int>({12}));
    EXPECT_EQ(adds, 1);
    EXPECT_EQ(b.N(11)->Parent(), root);

    // Never below itself.
    TestMeldungen::Erwarte("unter sich selbst");
    EXPECT_EQ(b.N(1)->AppendChild(root), -1);
    EXPECT_EQ(root->Parent(), nullptr);
}

TEST(TZEV_TreeNode, ContainsByScopeAndRejectsUnknownScope) {
    Baum b;
    TNode* n1 = b.N(1);
    EXPECT_TRUE(n1->Contains(b.N(3), tssSameLevel));
    EXPECT_TRUE(n1->Contains(n1, tssSameLevel));
    EXPECT_FALSE(n1->Contains(b.N(11), tssSameLevel));
    EXPECT_TRUE(b.t.Root()->Contains(b.t.Root(), tssSameLevel));
    EXPECT_TRUE(n1->Contains(b.N(12), tssChildren));
    EXPECT_FALSE(b.t.Root()->Contains(b.N(12), tssChildren));
    EXPECT_TRUE(b.t.Root()->Contains(b.N(12), tssAll));
    EXPECT_FALSE(n1->Contains(b.N(2), tssAll));
    EXPECT_FALSE(n1->Contains(n1, tssAll));
    TestMeldungen::Erwarte("Unerwarteter Enum-Wert: 7");
    EXPECT_FALSE(n1->Contains(b.N(11), TZEV_TreeSearchScope(7)));
    EXPECT_TRUE(TestMeldungen::Texte().last().contains("TZEV_TreeNode<int>.Contains"));
}

TEST(TZEV_Tree, MoveNodeBeforeAndAfterSiblingsInBothDirections) {
    Baum b;
    for (int v : {4, 5}) b.t.AddNode(v, 0);  // 1 2 3 4 5
    QList<QList<int>> moves;
    int o = 0;
    b.t.RegisterMoveChildListener({&o, 1, [&](TNode* p, int von, int nach) { moves << QList<int>{p->Data(), von, nach}; }});
    TNode* root = b.t.Root();
    EXPECT_TRUE(b.t.MoveNode(1, 4, tmBefore));  // source before target
    EXPECT_EQ(Werte(root), QList<int>({2, 3, 1, 4, 5}));
    EXPECT_TRUE(b.t.MoveNode(5, 2, tmBefore));  // source after target
    EXPECT_EQ(Werte(root), QList<int>({5, 2, 3, 1, 4}));
    EXPECT_TRUE(b.t.MoveNode(5, 3, tmAfter));
    EXPECT_EQ(Werte(root), QList<int>({2, 3, 5, 1, 4}));
    EXPECT_TRUE(b.t.MoveNode(4, 2, tmAfter));
    EXPECT_EQ(Werte(root), QList<int>({2, 4, 3, 5, 1}));
    EXPECT_EQ(moves, (QList<QList<int>>{{0, 0, 2}, {0, 4, 0}, {0, 0, 2}, {0, 4, 1}}));
    EXPECT_TRUE(b.t.MoveNode(2, 4, tmBefore));  // already there: no move
    EXPECT_EQ(moves.size(), 4);
}

TEST(TZEV_Tree, MoveNodeAcrossParentsAndRefusals) {
    Baum b;
    TNode* root = b.t.Root();
    EXPECT_TRUE(b.t.MoveNode(2, 11, tmAfter));  // right behind the target of another parent
    EXPECT_EQ(Werte(b.N(1)), QList<int>({11, 2, 12}));
    EXPECT_TRUE(b.t.MoveNode(3, 11, tmBefore));
    EXPECT_EQ(Werte(b.N(1)), QList<int>({3, 11, 2, 12}));

    EXPECT_TRUE(b.t.MoveNode(2, 1, tmFirstChild));  // already a child: stays where it is
    EXPECT_EQ(Werte(b.N(1)), QList<int>({3, 11, 2, 12}));
    EXPECT_TRUE(b.t.MoveNode(12, 1, tmRoot));
    EXPECT_TRUE(b.t.MoveNode(12, 1, tmFirstChild));
    EXPECT_EQ(Werte(b.N(1)), QList<int>({12, 3, 11, 2}));
    EXPECT_TRUE(b.t.MoveNode(11, 3, tmLastChild));
    EXPECT_TRUE(b.t.MoveNode(3, 12, 9));  // unknown mode: appended to the root
    EXPECT_EQ(Werte(root), QList<int>({1, 3}));
    EXPECT_TRUE(b.t.MoveNode(1, 3, 9));  // unknown mode on a root child: stays
    EXPECT_EQ(Werte(root), QList<int>({1, 3}));

    EXPECT_FALSE(b.t.MoveNode(3, 3, tmAfter));
    EXPECT_FALSE(b.t.MoveNode(3, 11, tmLastChild));  // 11 lies below 3
    EXPECT_FALSE(b.t.MoveNode(1, 0, tmBefore));      // the root has no siblings
    EXPECT_EQ(Werte(root), QList<int>({1, 3}));
    EXPECT_EQ(Werte(b.N(3)), QList<int>({11}));
    TestMeldungen::Erwarte("keinen Knoten mit dem Wert \"99\"");
    EXPECT_FALSE(b.t.MoveNode(99, 1, tmAfter));
}

TEST(TZEV_Tree, WalksDepthFirstWithoutTheRoot) {
    TZEV_Tree<int> leer(0);
    EXPECT_FALSE(leer.GetFirst());
    EXPECT_EQ(leer.CurrentNode(), nullptr);

    Baum b;
    b.t.AddNode(121, 12);
    QList<int> folge;
    for (bool ok = b.t.GetFirst(); ok; ok = b.t.GetNext()) folge << b.t.CurrentNode()->Data();
    EXPECT_EQ(folge, QList<int>({1, 11, 12, 121, 2, 3}));
    EXPECT_FALSE(b.t.GetNext());

    folge.clear();
    for (bool ok = b.t.GetFirst(); ok; ok = b.t.GetNext(true)) folge << b.t.CurrentNode()->Data();
    EXPECT_EQ(folge, QList<int>({1, 2, 3}));

    // A walk below an inner node stays there.
    TZEV_DepthFirstTreeIter<int> it(b.N(1));
    folge.clear();
    while (it.MoveNext()) folge << it.Current()->Data();
    EXPECT_EQ(folge, QList<int>({11, 12, 121}));
    EXPECT_FALSE(it.Valid());
    EXPECT_EQ(it.ChildIndex(), -1);
}

TEST(TZEV_Tree, DuplicateValuesAreReportedAndDoNotCorruptTheIndex) {
    Baum b;
    TestMeldungen::Erwarte("Der Wert \"2\" ist im Baum bereits");
    TNode* doppelt = b.t.AddNode(2, 1);
    ASSERT_NE(doppelt, nullptr);
    EXPECT_EQ(Werte(b.N(1)), QList<int>({11, 12, 2}));  // stays in the child list
    EXPECT_EQ(b.N(2)->Parent(), b.t.Root());             // the index keeps the first
    b.t.DeleteNode(doppelt);
    EXPECT_EQ(doppelt, nullptr);
    ASSERT_NE(b.N(2), nullptr);

    TestMeldungen::Erwarte("Der Wert \"3\" ist im Baum bereits");
    EXPECT_FALSE(b.t.ChangeNodeData(2, 3));
    EXPECT_TRUE(TestMeldungen::Texte().last().contains("TZEV_Tree<int>.ChangeNodeData"));
    EXPECT_EQ(b.N(2)->Data(), 2);
    EXPECT_EQ(b.N(3)->Data(), 3);

    EXPECT_TRUE(b.N(2)->ChangeNodeData(20));
    EXPECT_EQ(b.N(2), nullptr);
    EXPECT_EQ(b.N(20)->Data(), 20);
}

TEST(TZEV_Tree, ChangedListRecordsAddedMovedRevaluedAndDeletedValues) {
    TZEV_Tree<int> t(0);
    EXPECT_FALSE(t.HasUnsavedChanges());
    t.AddNode(1, 0);
    t.AddNode(2, 0);
    t.AddNode(3, 2);
    EXPECT_EQ(t.ChangedNodes(), QList<int>({1, 2, 3}));
    t.MoveNode(3, 1, tmLastChild);  // already listed: not again
    t.ChangeNodeData(3, 30);        // its entry follows the value
    EXPECT_EQ(t.ChangedNodes(), QList<int>({1, 2, 30}));
    EXPECT_TRUE(t.DeleteNode(2));
    t.MoveNode(1, 30, tmBefore);  // same place: unchanged
    EXPECT_EQ(t.ChangedNodes(), QList<int>({1, 2, 30}));
    EXPECT_EQ(t.GetNodeByData(2), nullptr);
    EXPECT_FALSE(t.DeleteNode(2));
}

TEST(TZEV_Tree, TakenSubtreeLeavesTheTreeAndCanComeBack) {
    auto b = std::make_unique<Baum>();
    TNode* teil = b->t.Root()->TakeChild(0);
    ASSERT_NE(teil, nullptr);
    EXPECT_EQ(b->N(1), nullptr);
    EXPECT_EQ(b->N(11), nullptr);  // the whole subtree is forgotten
    EXPECT_EQ(teil->Child_Get(0)->Tree(), nullptr);

    b->N(3)->AppendChild(teil);
    EXPECT_EQ(b->N(12)->Parent(), teil);
    EXPECT_EQ(b->N(11)->Tree(), &b->t);

    // Outliving the tree is safe once it left.
    teil = b->N(3)->TakeChild(0);
    b.reset();
    delete teil;

    TestMeldungen::Erwarte("Wurzelknoten");
    TZEV_Tree<int> t(0);
    TNode* root = t.Root();
    EXPECT_FALSE(t.DeleteNode(root));
    EXPECT_EQ(root, t.Root());
    TestMeldungen::Erwarte("Listenindex überschreitet das Maximum (3)");
    EXPECT_EQ(t.Root()->Child_Get(3), nullptr);
}

TEST(TZEV_Tree, OwnedObjectsDieExactlyOnce) {
    {
        auto* wurzel = new Zaehler(0);
        TZEV_Tree<Zaehler*> t(wurzel);
        auto* a = new Zaehler(1);
        auto* b = new Zaehler(2);
        TZEV_TreeNode<Zaehler*>* na = t.AddNode(a, wurzel);
        t.AddNode(b, a);
        auto* c = new Zaehler(3);
        t.AddNode(c, a);
        EXPECT_EQ(Zaehler::Lebend, 4);
        EXPECT_EQ(TZEV_TypeName<Zaehler*>(), "(anonymous namespace)::Zaehler*");

        na->ChangeNodeData(a);  // changed in place: nothing dies
        EXPECT_EQ(Zaehler::Lebend, 4);
        auto* a2 = new Zaehler(10);
        EXPECT_TRUE(na->ChangeNodeData(a2));  // the replaced object goes
        EXPECT_EQ(Zaehler::Lebend, 4);
        EXPECT_EQ(t.GetNodeByData(a2), na);

        // Without owns-children the children survive their parent, detached.
        na->SetOwnChilds(false);
        auto* kind = t.GetNodeByData(b);
        auto* kind2 = t.GetNodeByData(c);
        t.DeleteNode(a2);
        EXPECT_EQ(Zaehler::Lebend, 3);
        EXPECT_EQ(kind->Parent(), nullptr);
        EXPECT_EQ(t.GetNodeByData(b), nullptr);
        delete kind;
        EXPECT_EQ(Zaehler::Lebend, 2);
        kind2->AppendChild(new Zaehler(4));  // outside the tree, still owned by its node
        delete kind2;
        EXPECT_EQ(Zaehler::Lebend, 1);
    }
    EXPECT_EQ(Zaehler::Lebend, 0);

    auto geteilt = std::make_shared<int>(7);
    {
        TZEV_Tree<std::shared_ptr<int>> t(std::make_shared<int>(0));
        t.AddNode(geteilt, t.Root()->Data());
        EXPECT_EQ(geteilt.use_count(), 4);  // node, index and changed list
    }
    EXPECT_EQ(geteilt.use_count(), 1);
}

TEST(TZEV_SimpleTreeNodeViewer, FillsRowsWithOrWithoutTheRoot) {
    Baum b;
    TVTQLNVRList grid;
    grid.AddColumn("alt");
    TZEV_SimpleTreeNodeViewer<int> v;
    v.OnColumns = [](TVTQLNVRList& g) { g.AddColumn("Wert"); };
    v.OnRow = [](TNode& n, TVRRow& row) { row.Cells = {n.Data()}; };
    v.OnFinished = [](TVTQLNVRList& g) { g.SelectRow(&g.Rows().Row(1)); };

    ASSERT_TRUE(v.FillTreeView(b.t.Root(), grid, false));
    ASSERT_EQ(grid.Columns().size(), 1);
    EXPECT_EQ(grid.Columns()[0].Header, "Wert");
    ASSERT_EQ(grid.Rows().Count(), 3);
    EXPECT_EQ(grid.Rows().Row(0).Text(0), "1");
    EXPECT_EQ(grid.Rows().Row(0).Children->Row(1).Text(0), "12");
    EXPECT_FALSE(grid.Rows().Row(2).HasChildren());
    EXPECT_EQ(grid.FocusedRow(), &grid.Rows().Row(1));  // the finishing step's selection survives

    ASSERT_TRUE(v.FillVRList(b.t.Root(), grid, true));
    ASSERT_EQ(grid.Rows().Count(), 1);
    EXPECT_EQ(grid.Rows().Row(0).Text(0), "0");
    EXPECT_EQ(grid.Rows().Row(0).Children->Count(), 3);

    TestMeldungen::Erwarte("TZEV_SimpleTreeNodeViewer<int>.FillVRList");
    EXPECT_FALSE(v.FillVRList(nullptr, grid, true));
}
