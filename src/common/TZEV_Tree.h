#pragma once
// Observable tree of values: TZEV_TreeNode<T> carries one value and its children,
// TZEV_Tree<T> owns a root, finds nodes by value, records the values of changed
// nodes and tells listeners about every change; TZEV_DepthFirstTreeIter<T> walks
// a subtree. Values are unique within one tree.
//
// Value kinds (TZEV_TreeValueKind; a type of your own may get its own rules):
//  - pointer to a class: the node owns the object and deletes it when it dies or
//    when ChangeNodeData gives it a different object;
//  - std::shared_ptr<U>: the node's reference is released;
//  - anything else is left alone.
//
// Listeners are methods: TZEV_TreeListener names its owner (Objekt) and the
// owner's number for the method (Methode); registering the same pair twice is
// ignored, Unregister finds it by that pair.
//
// Failures are reported through TQLNInfo::RegisterException with the context
// "TZEV_TreeNode<type>.Operation" / "TZEV_Tree<type>.Operation"; the operation
// then returns nullptr, -1 or false.

#include "host/Exception.h"
#include "host/TQLNInfo.h"

#include <QList>
#include <QString>
#include <concepts>
#include <cstdlib>
#include <functional>
#include <memory>
#include <type_traits>
#include <typeinfo>
#include <unordered_map>
#if defined(__GNUG__)
#include <cxxabi.h>
#endif

template <typename T>
class TZEV_TreeNode;
template <typename T>
class TZEV_Tree;

// ---------------------------------------------------------------------------
// Type names for context texts; give TZEV_TypeNameTrait<YourType> a Name() for a shorter one.

template <typename T>
struct TZEV_TypeNameTrait {
    static QString Name() {
#if defined(__GNUG__)
        int status = 0;
        char* lesbar = abi::__cxa_demangle(typeid(T).name(), nullptr, nullptr, &status);
        if (status == 0 && lesbar) {
            QString name = QString::fromUtf8(lesbar);
            std::free(lesbar);
            return name;
        }
        std::free(lesbar);
#endif
        return QString::fromUtf8(typeid(T).name());
    }
};

template <typename T>
QString TZEV_TypeName() {
    static const QString name = TZEV_TypeNameTrait<T>::Name();  // every context text asks for it
    return name;
}

// ---------------------------------------------------------------------------
// What a node does with its value when it lets go of it.

template <typename T>
struct TZEV_IsSharedPtr : std::false_type {};
template <typename U>
struct TZEV_IsSharedPtr<std::shared_ptr<U>> : std::true_type {};

template <typename T>
struct TZEV_TreeValueKind {
    // Only pointers to class objects are owned: a tree of const char* must not
    // delete string literals.
    static constexpr bool IsObject =
        std::is_pointer_v<T> && std::is_class_v<std::remove_cv_t<std::remove_pointer_t<T>>>;
    static constexpr bool IsInterface = TZEV_IsSharedPtr<std::remove_cv_t<T>>::value;

    static void Release(T& value) {
        if constexpr (IsObject) {
            delete value;
            value = nullptr;
        } else if constexpr (IsInterface) {
            value.reset();
        }
    }
};

// Text of a value for error messages, where the type has an obvious one.
template <typename T>
QString TZEV_TreeValueText(const T& value) {
    if constexpr (std::is_convertible_v<const T&, QString>)
        return QString(value);
    else if constexpr (std::is_floating_point_v<T>)
        return QString::number(value);
    else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>)
        return QString::number(static_cast<qint64>(value));
    else
        return QString();
}

// ---------------------------------------------------------------------------
// Equality of values for the node index. Either function may stay empty; the
// default then uses operator== and std::hash / qHash.

template <typename T>
struct TZEV_EqualityComparer {
    std::function<bool(const T&, const T&)> Equals;
    std::function<size_t(const T&)> GetHashCode;
};

template <typename T>
size_t TZEV_DefaultHash(const T& value) {
    if constexpr (requires { std::hash<T>{}(value); })
        return std::hash<T>{}(value);
    else if constexpr (requires { qHash(value); })
        return size_t(qHash(value));
    else
        return 0;  // no hash known: lookups stay correct but compare every value; pass a comparer
}

template <typename T>
inline constexpr bool TZEV_HasEquality = requires(const T& a, const T& b) {
    { a == b } -> std::convertible_to<bool>;
};

// ---------------------------------------------------------------------------
// Listeners.

template <typename... Args>
struct TZEV_TreeListener {
    const void* Objekt = nullptr;  // owner of the method
    int Methode = 0;               // the owner's number for the method
    std::function<void(Args...)> Code;

    bool IsSameMethod(const void* objekt, int methode) const { return Objekt == objekt && Methode == methode; }
};

template <typename... Args>
class TZEV_TreeListenerList {
public:
    using TListener = TZEV_TreeListener<Args...>;

    // Without code or already present: ignored (false).
    bool Add(const TListener& listener, bool atFront) {
        if (!listener.Code || Contains(listener.Objekt, listener.Methode)) return false;
        if (atFront)
            FListeners.prepend(listener);
        else
            FListeners.append(listener);
        return true;
    }
    bool Remove(const void* objekt, int methode) {
        for (qsizetype i = 0; i < FListeners.size(); ++i) {
            if (FListeners[i].IsSameMethod(objekt, methode)) {
                FListeners.removeAt(i);
                return true;
            }
        }
        return false;
    }
    bool Contains(const void* objekt, int methode) const {
        for (const TListener& l : FListeners)
            if (l.IsSameMethod(objekt, methode)) return true;
        return false;
    }
    int Count() const { return int(FListeners.size()); }
    void Clear() { FListeners.clear(); }

    // A listener may register or unregister others while it runs: the walk goes
    // over a copy and skips those unregistered meanwhile.
    void Notify(Args... args) const {
        const QList<TListener> kopie = FListeners;
        for (const TListener& l : kopie)
            if (Contains(l.Objekt, l.Methode)) l.Code(args...);
    }

private:
    QList<TListener> FListeners;
};

template <typename T>
using TZEV_AddChildListener = TZEV_TreeListener<TZEV_TreeNode<T>*, TZEV_TreeNode<T>*>;  // parent, child
template <typename T>
using TZEV_MoveChildListener = TZEV_TreeListener<TZEV_TreeNode<T>*, int, int>;  // parent, from, to
template <typename T>
using TZEV_RemoveChildListener = TZEV_TreeListener<TZEV_TreeNode<T>*, TZEV_TreeNode<T>*>;  // parent, child
template <typename T>
using TZEV_ReparentListener = TZEV_TreeListener<TZEV_TreeNode<T>*, TZEV_TreeNode<T>*>;  // node, new parent
template <typename T>
using TZEV_DataChangingListener = TZEV_TreeListener<TZEV_TreeNode<T>*, const T&>;  // node, new value
template <typename T>
using TZEV_DataChangedListener = TZEV_TreeListener<TZEV_TreeNode<T>*, const T&>;  // node, old value

// ---------------------------------------------------------------------------

enum TZEV_TreeSearchScope : int {
    tssSameLevel = 0,  // the node itself or a sibling
    tssChildren = 1,   // a direct child
    tssAll = 2,        // a descendant at any depth
};

inline QString TZEV_TreeSearchScopeName(TZEV_TreeSearchScope scope) {
    switch (scope) {
        case tssSameLevel: return QStringLiteral("tssSameLevel");
        case tssChildren: return QStringLiteral("tssChildren");
        case tssAll: return QStringLiteral("tssAll");
    }
    return QString::number(int(scope));  // a value outside the enum has only its number
}

// Insert modes of TZEV_Tree::MoveNode; any other value behaves like tmRoot.
enum TZEV_TreeMoveMode : int {
    tmRoot = 0,        // last child of the root
    tmBefore = 1,      // sibling directly before the target
    tmAfter = 2,       // sibling directly after the target
    tmFirstChild = 3,  // first child of the target
    tmLastChild = 4,   // last child of the target
};

namespace TZEV_TreeTexte {
inline QString KeinKnoten() { return QStringLiteral("Kein Knoten angegeben."); }
inline QString Index(int index) {
    return QStringLiteral("Listenindex überschreitet das Maximum (%1).").arg(index);
}
inline QString Zyklus() {
    return QStringLiteral("Ein Knoten kann nicht unter sich selbst oder einem seiner Unterknoten eingehängt werden.");
}
inline QString Doppelt(const QString& wert) {
    return wert.isEmpty() ? QStringLiteral("Der Wert ist im Baum bereits einem anderen Knoten zugeordnet.")
                          : QStringLiteral("Der Wert \"%1\" ist im Baum bereits einem anderen Knoten zugeordnet.")
                                .arg(wert);
}
inline QString NichtGefunden(const QString& wert) {
    return wert.isEmpty() ? QStringLiteral("Im Baum gibt es keinen Knoten mit diesem Wert.")
                          : QStringLiteral("Im Baum gibt es keinen Knoten mit dem Wert \"%1\".").arg(wert);
}
inline QString Wurzel() { return QStringLiteral("Der Wurzelknoten des Baums kann nicht gelöscht werden."); }
inline QString KeineWurzel() { return QStringLiteral("Der Baum hat keinen Wurzelknoten."); }
inline QString KeinVergleich() {
    return QStringLiteral("Für diesen Werttyp muss dem Baum ein Vergleich mitgegeben werden.");
}
}  // namespace TZEV_TreeTexte

// ---------------------------------------------------------------------------

template <typename T>
class TZEV_TreeNode {
public:
    using TNode = TZEV_TreeNode<T>;
    using TKind = TZEV_TreeValueKind<T>;

    TZEV_TreeNode() : FData{} {}
    explicit TZEV_TreeNode(TNode* parent) : FData{} {
        if (parent) SetParent(parent);
    }
    TZEV_TreeNode(TNode* parent, const T& value) : TZEV_TreeNode(parent, true, value) {}
    TZEV_TreeNode(TNode* parent, bool ownChilds, const T& value) : FData(value), FOwnChilds(ownChilds) {
        if (parent) SetParent(parent);
    }
    TZEV_TreeNode(const T& value, bool ownChilds) : FData(value), FOwnChilds(ownChilds) {}

    TZEV_TreeNode(const TZEV_TreeNode&) = delete;
    TZEV_TreeNode& operator=(const TZEV_TreeNode&) = delete;

    // Children first (destroyed or, without owns-children, detached; last first),
    // then the node leaves its parent, then its value goes. The node leaves while
    // its value is still alive so that listeners can read it.
    virtual ~TZEV_TreeNode() {
        const QString ctx = Ctx("Destroy");
        for (qsizetype i = FChildren.size() - 1; i >= 0; --i) {
            if (i >= FChildren.size()) continue;
            TNode* child = FChildren[i];
            if (FOwnChilds) {
                FChildren.removeAt(i);
                delete child;
            } else {
                try {
                    child->DoSetParent(nullptr);
                } catch (const std::exception& e) {
                    TQLNInfo::RegisterException(ctx, e, false);
                }
                child->ForceDetach(ctx);
            }
        }
        FChildren.clear();
        try {
            DoSetParent(nullptr);
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(ctx, e, false);
        }
        ForceDetach(ctx);
        try {
            TKind::Release(FData);
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(ctx, e, false);
        }
        TQLNInfo::FehlerTerminate(ctx);
    }

    const T& Data() const { return FData; }
    TNode* Parent() const { return FParent; }
    TZEV_Tree<T>* Tree() const { return FTree; }
    const QList<TNode*>& Children() const { return FChildren; }
    bool OwnChilds() const { return FOwnChilds; }
    void SetOwnChilds(bool on) { FOwnChilds = on; }

    // Re-parent listeners hear (node, new parent) before the node moves; it ends
    // up as the new parent's last child.
    bool SetParent(TNode* parent) {
        try {
            DoSetParent(parent);
            return true;
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("SetParent"), e, true);
            return false;
        }
    }

    // Returns the node's index. A node that already is a child moves to the end
    // without notification.
    // A node that already is a child moves to the end and 0 is returned, without
    // notification: callers take 0 as "nothing was added".
    int AppendChild(TNode* node) {
        try {
            const bool schonKind = node && node->FParent == this;
            const int index = DoInsertNode(ChildCount(), node);
            return schonKind ? 0 : index;
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("AppendChild"), e, true);
            return -1;
        }
    }

    // The new node is returned whenever it was created, also when a listener
    // failed afterwards: it already holds the value and hangs in the list.
    TNode* AppendChild(const T& value) { return InsertValue(ChildCount(), value, "AppendChild"); }

    // index == ChildCount appends. A node that already is a child moves to index
    // without notification.
    bool InsertChild(int index, TNode* node) {
        try {
            DoInsertNode(index, node);
            return true;
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("InsertChild"), e, true);
            return false;
        }
    }

    TNode* InsertChild(int index, const T& value) { return InsertValue(index, value, "InsertChild"); }

    bool MoveChild(int curIndex, int newIndex) {
        try {
            DoMoveChild(curIndex, newIndex);
            return true;
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("MoveChild"), e, true);
            return false;
        }
    }

    // Remove listeners hear (this, child) before the child goes.
    bool KillChild(int index) {
        try {
            DoKillChild(index);
            return true;
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("KillChild"), e, true);
            return false;
        }
    }

    // The caller owns the returned node; it has left the tree.
    TNode* TakeChild(int index) {
        try {
            CheckIndex(index, ChildCount());
            TNode* child = FChildren[index];
            NotifyRemove(child);
            child->DoSetParent(nullptr);
            return child;
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("TakeChild"), e, true);
            return nullptr;
        }
    }

    bool Contains(const TNode* node, TZEV_TreeSearchScope scope) const {
        try {
            return DoContains(node, scope);
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("Contains"), e, true);
            return false;
        }
    }

    int IndexOfChild(const TNode* node) const {
        return int(FChildren.indexOf(node));
    }

    TNode* Child_Get(int index) const {
        try {
            CheckIndex(index, ChildCount());
            return FChildren[index];
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("Child_Get"), e, true);
            return nullptr;
        }
    }

    int ChildCount() const { return int(FChildren.size()); }
    bool HasChildren() const { return !FChildren.isEmpty(); }
    bool IsLeaf() const { return FChildren.isEmpty(); }
    bool IsRoot() const { return FParent == nullptr; }

    // Before-listeners hear (node, new value), after-listeners (node, old value).
    // An owned object that is replaced by a different one is deleted after the
    // after-listeners ran; passing the same object only notifies.
    bool ChangeNodeData(const T& value) {
        try {
            DoChangeNodeData(value);
            return true;
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("ChangeNodeData"), e, true);
            return false;
        }
    }

    static QString Ctx(const char* operation) {
        return QStringLiteral("TZEV_TreeNode<") + TZEV_TypeName<T>() + QStringLiteral(">.") +
               QString::fromLatin1(operation);
    }

private:
    friend class TZEV_Tree<T>;

    static void CheckIndex(int index, int count) {
        if (index < 0 || index >= count) TQLNInfo::FehlerRaise(Ctx("CheckIndex"), TZEV_TreeTexte::Index(index));
    }

    bool IsBelow(const TNode* ancestor) const {
        for (const TNode* p = FParent; p; p = p->FParent)
            if (p == ancestor) return true;
        return false;
    }

    void RaiseIfCycle(const TNode* newParent) const {
        if (newParent && (newParent == this || newParent->IsBelow(this)))
            TQLNInfo::FehlerRaise(Ctx("SetParent"), TZEV_TreeTexte::Zyklus());
    }

    void DoSetParent(TNode* parent) {
        if (parent == FParent) return;
        RaiseIfCycle(parent);
        TZEV_Tree<T>* alterBaum = FTree;
        TZEV_Tree<T>* neuerBaum = parent ? parent->FTree : nullptr;
        // A refused move into another tree must not have changed the old one.
        if (neuerBaum && neuerBaum != alterBaum) neuerBaum->RaiseIfNotAdoptable(this);
        if (alterBaum) alterBaum->FReparentListeners.Notify(this, parent);
        if (neuerBaum && neuerBaum != alterBaum) neuerBaum->FReparentListeners.Notify(this, parent);
        if (FParent) FParent->FChildren.removeOne(this);
        FParent = parent;
        if (parent) parent->FChildren.append(this);
    }

    // Takes node out of its old parent (and, quietly, out of a foreign tree)
    // and puts it at index.
    void Attach(TNode* node, int index) {
        if (node->FTree && node->FTree != FTree) node->FTree->ReleaseSubtree(node);
        if (node->FParent) node->FParent->FChildren.removeOne(node);
        node->FParent = this;
        FChildren.insert(index, node);
    }

    int DoInsertNode(int index, TNode* node) {
        if (!node) TQLNInfo::FehlerRaise(Ctx("InsertChild"), TZEV_TreeTexte::KeinKnoten());
        const int count = ChildCount();
        if (node->FParent == this) {
            if (index < 0 || index > count) TQLNInfo::FehlerRaise(Ctx("InsertChild"), TZEV_TreeTexte::Index(index));
            const int ziel = index == count ? count - 1 : index;
            const int jetzt = IndexOfChild(node);
            if (jetzt != ziel) FChildren.move(jetzt, ziel);
            return ziel;
        }
        if (index < 0 || index > count) TQLNInfo::FehlerRaise(Ctx("InsertChild"), TZEV_TreeTexte::Index(index));
        node->RaiseIfCycle(this);
        Attach(node, index);
        NotifyAddChild(node);
        return index;
    }

    TNode* InsertValue(int index, const T& value, const char* operation) {
        TNode* node = nullptr;
        try {
            if (index < 0 || index > ChildCount()) TQLNInfo::FehlerRaise(Ctx(operation), TZEV_TreeTexte::Index(index));
            node = new TNode(value, true);
            Attach(node, index);
            NotifyAddChild(node);
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx(operation), e, true);
        }
        return node;
    }

    void DoMoveChild(int curIndex, int newIndex) {
        const int count = ChildCount();
        CheckIndex(curIndex, count);
        CheckIndex(newIndex, count);
        FChildren.move(curIndex, newIndex);
        if (FTree) FTree->FMoveChildListeners.Notify(this, curIndex, newIndex);
    }

    void DoKillChild(int index) {
        CheckIndex(index, ChildCount());
        TNode* child = FChildren[index];
        NotifyRemove(child);
        delete child;
    }

    bool DoContains(const TNode* node, TZEV_TreeSearchScope scope) const {
        switch (scope) {
            case tssSameLevel:
                return node == this || (node && FParent && node->FParent == FParent);
            case tssChildren:
                return node && node->FParent == this;
            case tssAll:
                // Walking up from the node gives the same answer as searching the
                // subtree, in depth rather than size steps.
                return node && node->IsBelow(this);
        }
        TQLNInfo::FehlerRaise(Ctx("Contains"),
                              QStringLiteral("Unerwarteter Enum-Wert: ") + TZEV_TreeSearchScopeName(scope));
    }

    void DoChangeNodeData(const T& value) {
        if (FTree) FTree->FBeforeDataChangingListeners.Notify(this, value);
        T alt = FData;
        FData = value;
        try {
            if (FTree) FTree->FAfterDataChangedListeners.Notify(this, alt);
        } catch (...) {
            ReleaseReplaced(alt);
            throw;
        }
        ReleaseReplaced(alt);
    }

    void ReleaseReplaced(T& alt) {
        if constexpr (TKind::IsObject) {
            if (alt != FData) TKind::Release(alt);
        }
    }

    void NotifyAddChild(TNode* child) {
        if (FTree) FTree->FAddChildListeners.Notify(this, child);
    }
    void NotifyRemove(TNode* child) {
        if (FTree) FTree->FRemoveChildListeners.Notify(this, child);
    }

    // Last resort of the destructors: whatever a listener did, the node must not
    // stay in a parent's list or in a tree's index.
    void ForceDetach(const QString& ctx) noexcept {
        try {
            if (FParent) FParent->FChildren.removeAll(this);
            FParent = nullptr;
            if (FTree) FTree->ReleaseSubtree(this);
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(ctx, e, false);
        }
        FParent = nullptr;
        FTree = nullptr;
    }

    T FData;
    TNode* FParent = nullptr;
    QList<TNode*> FChildren;
    bool FOwnChilds = true;
    TZEV_Tree<T>* FTree = nullptr;
};

// ---------------------------------------------------------------------------
// Depth-first walk below a start node (the start node itself is not visited
// by MoveNext). Nodes must not be destroyed under a running walk.

template <typename T>
class TZEV_DepthFirstTreeIter {
public:
    using TNode = TZEV_TreeNode<T>;

    TZEV_DepthFirstTreeIter() = default;
    explicit TZEV_DepthFirstTreeIter(TNode* start) { Reset(start); }

    void Reset(TNode* start) {
        FStart = start;
        FCurrent = start;
        FChildIndex = -1;
        FValid = start != nullptr;
    }

    bool MoveNext(bool skipChildren = false) {
        try {
            if (!FValid || !FCurrent) return Ende();
            if (!skipChildren && FCurrent->HasChildren()) {
                FCurrent = FCurrent->Children().first();
                FChildIndex = 0;
                return true;
            }
            while (FCurrent != FStart) {
                TNode* parent = FCurrent->Parent();
                if (!parent) break;  // the walk lost its way up: a node was detached under it
                int i = FChildIndex;
                if (i < 0 || i >= parent->ChildCount() || parent->Children()[i] != FCurrent)
                    i = parent->IndexOfChild(FCurrent);
                if (i + 1 < parent->ChildCount()) {
                    FCurrent = parent->Children()[i + 1];
                    FChildIndex = i + 1;
                    return true;
                }
                FCurrent = parent;
                FChildIndex = -1;
            }
            return Ende();
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("MoveNext"), e, true);
            return Ende();
        }
    }

    TNode* Current() const { return FCurrent; }
    TNode* Start() const { return FStart; }
    int ChildIndex() const { return FChildIndex; }
    bool Valid() const { return FValid; }

    static QString Ctx(const char* operation) {
        return QStringLiteral("TZEV_DepthFirstTreeIter<") + TZEV_TypeName<T>() + QStringLiteral(">.") +
               QString::fromLatin1(operation);
    }

private:
    bool Ende() {
        FCurrent = nullptr;
        FChildIndex = -1;
        FValid = false;
        return false;
    }

    TNode* FCurrent = nullptr;
    TNode* FStart = nullptr;
    int FChildIndex = -1;
    bool FValid = false;
};

// ---------------------------------------------------------------------------

template <typename T>
class TZEV_Tree {
public:
    using TNode = TZEV_TreeNode<T>;
    using TKind = TZEV_TreeValueKind<T>;

    explicit TZEV_Tree(const T& rootValue, const TZEV_EqualityComparer<T>& comparer = {})
        : FNodeDict(16, HashOf(comparer), EqualsOf(comparer)) {
        try {
            if constexpr (!TZEV_HasEquality<T>) {
                if (!comparer.Equals) TQLNInfo::FehlerRaise(Ctx("Create"), TZEV_TreeTexte::KeinVergleich());
            }
            FRoot = new TNode(rootValue, true);
            FRoot->FTree = this;
            FNodeDict.emplace(rootValue, FRoot);
            FAddChildListeners.Add({this, kAddChild, [this](TNode* p, TNode* c) { OnAddChild(p, c); }}, true);
            FReparentListeners.Add({this, kReparent, [this](TNode* n, TNode* p) { OnReparent(n, p); }}, true);
            FBeforeDataChangingListeners.Add(
                {this, kDataChanging, [this](TNode* n, const T& v) { OnBeforeDataChanging(n, v); }}, true);
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("Create"), e, true);
        }
    }

    TZEV_Tree(const TZEV_Tree&) = delete;
    TZEV_Tree& operator=(const TZEV_Tree&) = delete;

    virtual ~TZEV_Tree() {
        const QString ctx = Ctx("Destroy");
        try {
            FAddChildListeners.Remove(this, kAddChild);
            FReparentListeners.Remove(this, kReparent);
            FBeforeDataChangingListeners.Remove(this, kDataChanging);
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(ctx, e, false);
        }
        delete FRoot;  // node destructors report their own failures
        FRoot = nullptr;
        try {
            FChangedNodes.clear();
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(ctx, e, false);
        }
        try {
            FNodeDict.clear();
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(ctx, e, false);
        }
        try {
            FAddChildListeners.Clear();
            FMoveChildListeners.Clear();
            FRemoveChildListeners.Clear();
            FReparentListeners.Clear();
            FBeforeDataChangingListeners.Clear();
            FAfterDataChangedListeners.Clear();
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(ctx, e, false);
        }
        TQLNInfo::FehlerTerminate(ctx);
    }

    TNode* Root() const { return FRoot; }

    // Listeners: without code or already registered, a registration is ignored
    // (false). All but the after-data-changed listeners go to the front, so the
    // latest registration hears first and the tree's own bookkeeping last.
    bool RegisterAddChildListener(const TZEV_AddChildListener<T>& l) { return FAddChildListeners.Add(l, true); }
    bool UnregisterAddChildListener(const void* objekt, int methode) {
        return FAddChildListeners.Remove(objekt, methode);
    }
    bool RegisterMoveChildListener(const TZEV_MoveChildListener<T>& l) { return FMoveChildListeners.Add(l, true); }
    bool UnregisterMoveChildListener(const void* objekt, int methode) {
        return FMoveChildListeners.Remove(objekt, methode);
    }
    bool RegisterRemoveChildListener(const TZEV_RemoveChildListener<T>& l) {
        return FRemoveChildListeners.Add(l, true);
    }
    bool UnregisterRemoveChildListener(const void* objekt, int methode) {
        return FRemoveChildListeners.Remove(objekt, methode);
    }
    bool RegisterReparentListener(const TZEV_ReparentListener<T>& l) { return FReparentListeners.Add(l, true); }
    bool UnregisterReparentListener(const void* objekt, int methode) {
        return FReparentListeners.Remove(objekt, methode);
    }
    bool RegisterBeforeDataChangingListener(const TZEV_DataChangingListener<T>& l) {
        return FBeforeDataChangingListeners.Add(l, true);
    }
    bool UnregisterBeforeDataChangingListener(const void* objekt, int methode) {
        return FBeforeDataChangingListeners.Remove(objekt, methode);
    }
    bool RegisterAfterDataChangedListener(const TZEV_DataChangedListener<T>& l) {
        return FAfterDataChangedListeners.Add(l, false);
    }
    bool UnregisterAfterDataChangedListener(const void* objekt, int methode) {
        return FAfterDataChangedListeners.Remove(objekt, methode);
    }

    TNode* GetNodeByData(const T& value) const {
        try {
            return Find(value);
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("GetNodeByData"), e, true);
            return nullptr;
        }
    }

    // For owned objects: the tree owns the value once a node was returned.
    TNode* AddNode(const T& value, const T& parentValue) {
        try {
            TNode* parent = FindOrRaise(parentValue, "AddNode");
            return parent->InsertValue(parent->ChildCount(), value, "AppendChild");
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("AddNode"), e, true);
            return nullptr;
        }
    }
    TNode* AddNode(const T& value, const T& parentValue, int index) {
        try {
            return FindOrRaise(parentValue, "AddNode")->InsertValue(index, value, "InsertChild");
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("AddNode"), e, true);
            return nullptr;
        }
    }
    TNode* AddNode(const T& value, TNode* parent, int index) {
        try {
            if (!parent) TQLNInfo::FehlerRaise(Ctx("AddNode"), TZEV_TreeTexte::KeinKnoten());
            return parent->InsertValue(index, value, "InsertChild");
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("AddNode"), e, true);
            return nullptr;
        }
    }

    // Moves the source node as mode says (TZEV_TreeMoveMode). Onto itself, into
    // its own subtree or beside the root: nothing happens (false).
    bool MoveNode(const T& source, const T& target, int mode) {
        try {
            TNode* quelle = FindOrRaise(source, "MoveNode");
            TNode* ziel = FindOrRaise(target, "MoveNode");
            if (quelle == ziel || ziel->IsBelow(quelle)) return false;

            TNode* parent = nullptr;
            switch (mode) {
                case tmBefore:
                case tmAfter: parent = ziel->FParent; break;
                case tmFirstChild:
                case tmLastChild: parent = ziel; break;
                default: parent = RootOrRaise(); break;
            }
            if (!parent) return false;  // the root has no siblings

            // The index is taken before anything moves.
            int index = parent->ChildCount();
            const bool geschwister = quelle->FParent == parent;
            if (mode == tmBefore || mode == tmAfter) {
                const int zi = parent->IndexOfChild(ziel);
                const bool davor = geschwister && parent->IndexOfChild(quelle) < zi;
                index = mode == tmBefore ? (davor ? zi - 1 : zi) : (davor ? zi : zi + 1);
            } else if (mode == tmFirstChild) {
                index = 0;
            }
            // Modes that only name the parent leave a node that already has it alone.
            if (geschwister && mode != tmBefore && mode != tmAfter) return true;

            if (!geschwister) quelle->DoSetParent(parent);
            const int jetzt = parent->IndexOfChild(quelle);
            if (jetzt != index) parent->DoMoveChild(jetzt, index);
            return true;
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("MoveNode"), e, true);
            return false;
        }
    }

    // Destroys the node and clears the caller's pointer. The root stays.
    bool DeleteNode(TNode*& node) {
        try {
            if (!node) return false;
            DoDeleteNode(node);
            node = nullptr;
            return true;
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("DeleteNode"), e, true);
            return false;
        }
    }
    bool DeleteNode(const T& value) {
        try {
            TNode* node = Find(value);
            if (!node) return false;  // nothing there to delete
            DoDeleteNode(node);
            return true;
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("DeleteNode"), e, true);
            return false;
        }
    }
    bool DeleteChildren(TNode* node) {
        try {
            if (!node) TQLNInfo::FehlerRaise(Ctx("DeleteChildren"), TZEV_TreeTexte::KeinKnoten());
            for (int i = node->ChildCount() - 1; i >= 0; --i)
                if (i < node->ChildCount()) node->DoKillChild(i);
            return true;
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("DeleteChildren"), e, true);
            return false;
        }
    }

    bool ChangeNodeData(const T& oldValue, const T& newValue) {
        try {
            FindOrRaise(oldValue, "ChangeNodeData")->DoChangeNodeData(newValue);
            return true;
        } catch (const std::exception& e) {
            TQLNInfo::RegisterException(Ctx("ChangeNodeData"), e, true);
            return false;
        }
    }

    // Values of nodes added, re-parented, re-valued or deleted since the tree was
    // made; never cleared by the tree. For owned objects an entry of a destroyed
    // node is only good for comparing pointers.
    const QList<T>& ChangedNodes() const { return FChangedNodes; }
    bool HasUnsavedChanges() const { return !FChangedNodes.isEmpty(); }

    // Depth-first walk over every node below the root (the root is not visited).
    bool GetFirst() {
        FIterator.Reset(FRoot);
        return FIterator.MoveNext(false);
    }
    bool GetNext(bool skipChildren = false) { return FIterator.MoveNext(skipChildren); }
    TNode* CurrentNode() const { return FIterator.Current(); }

    static QString Ctx(const char* operation) {
        return QStringLiteral("TZEV_Tree<") + TZEV_TypeName<T>() + QStringLiteral(">.") +
               QString::fromLatin1(operation);
    }

private:
    friend class TZEV_TreeNode<T>;
    using TNodeDict = std::unordered_map<T, TNode*, std::function<size_t(const T&)>,
                                         std::function<bool(const T&, const T&)>>;

    // Method numbers of the tree's own listeners.
    static constexpr int kAddChild = 1;
    static constexpr int kReparent = 2;
    static constexpr int kDataChanging = 3;

    static std::function<size_t(const T&)> HashOf(const TZEV_EqualityComparer<T>& c) {
        if (c.GetHashCode) return c.GetHashCode;
        return [](const T& v) { return TZEV_DefaultHash(v); };
    }
    static std::function<bool(const T&, const T&)> EqualsOf(const TZEV_EqualityComparer<T>& c) {
        if (c.Equals) return c.Equals;
        return [](const T& a, const T& b) {
            if constexpr (TZEV_HasEquality<T>)
                return bool(a == b);
            else
                return false;  // the constructor refuses such a tree without a comparer
        };
    }

    TNode* Find(const T& value) const {
        const auto it = FNodeDict.find(value);
        return it == FNodeDict.end() ? nullptr : it->second;
    }
    TNode* FindOrRaise(const T& value, const char* operation) const {
        TNode* node = Find(value);
        if (!node)
            TQLNInfo::FehlerRaise(Ctx(operation), TZEV_TreeTexte::NichtGefunden(TZEV_TreeValueText(value)));
        return node;
    }
    TNode* RootOrRaise() const {
        if (!FRoot) TQLNInfo::FehlerRaise(Ctx("Root"), TZEV_TreeTexte::KeineWurzel());
        return FRoot;
    }

    void DoDeleteNode(TNode* node) {
        if (node == FRoot) TQLNInfo::FehlerRaise(Ctx("DeleteNode"), TZEV_TreeTexte::Wurzel());
        if (TNode* parent = node->FParent)
            parent->DoKillChild(parent->IndexOfChild(node));
        else
            delete node;
    }

    static void CollectSubtree(TNode* node, QList<TNode*>& into) {
        into.append(node);
        for (TNode* c : node->FChildren) CollectSubtree(c, into);
    }

    bool MapsToOther(const T& value, const TNode* node) const {
        const auto it = FNodeDict.find(value);
        return it != FNodeDict.end() && it->second != node;
    }

    void RaiseIfNotAdoptable(TNode* node) const {
        QList<TNode*> knoten;
        CollectSubtree(node, knoten);
        for (TNode* n : knoten)
            if (MapsToOther(n->FData, n))
                TQLNInfo::FehlerRaise(Ctx("NodeDict"), TZEV_TreeTexte::Doppelt(TZEV_TreeValueText(n->FData)));
    }

    // A node that enters the tree brings its whole subtree along; each node
    // whose value is free is indexed, a duplicate is reported afterwards.
    void AdoptSubtree(TNode* node) {
        QList<TNode*> knoten;
        CollectSubtree(node, knoten);
        const TNode* doppelt = nullptr;
        for (TNode* n : knoten) {
            n->FTree = this;
            const auto [it, neu] = FNodeDict.try_emplace(n->FData, n);
            if (!neu && it->second != n && !doppelt) doppelt = n;
        }
        if (doppelt)
            TQLNInfo::FehlerRaise(Ctx("NodeDict"), TZEV_TreeTexte::Doppelt(TZEV_TreeValueText(doppelt->FData)));
    }

    // A node that leaves the tree takes its subtree along: the tree forgets all
    // of it, so that it never hands out a node it no longer owns.
    void ReleaseSubtree(TNode* node) {
        QList<TNode*> knoten;
        CollectSubtree(node, knoten);
        for (TNode* n : knoten) {
            if (n->FTree != this) continue;
            const auto it = FNodeDict.find(n->FData);
            if (it != FNodeDict.end() && it->second == n) FNodeDict.erase(it);
            n->FTree = nullptr;
        }
    }

    // Position of a changed-list entry whose value the index maps to node.
    qsizetype ChangedIndexOf(const TNode* node) const {
        for (qsizetype i = 0; i < FChangedNodes.size(); ++i) {
            const auto it = FNodeDict.find(FChangedNodes[i]);
            if (it != FNodeDict.end() && it->second == node) return i;
        }
        return -1;
    }

    void OnAddChild(TNode* /*parent*/, TNode* child) {
        AdoptSubtree(child);
        FChangedNodes.append(child->FData);
    }

    void OnReparent(TNode* node, TNode* newParent) {
        if (newParent && newParent->FTree == this) {
            if (node->FTree != this) AdoptSubtree(node);
            if (ChangedIndexOf(node) < 0) FChangedNodes.append(node->FData);
        } else {
            if (ChangedIndexOf(node) < 0) FChangedNodes.append(node->FData);
            ReleaseSubtree(node);
        }
    }

    void OnBeforeDataChanging(TNode* node, const T& newValue) {
        // The same value (for objects: the same object changed in place) keeps
        // its index entry.
        const bool gleich = FNodeDict.key_eq()(node->FData, newValue);
        if (!gleich && MapsToOther(newValue, node))
            TQLNInfo::FehlerRaise(Ctx("NodeDict"), TZEV_TreeTexte::Doppelt(TZEV_TreeValueText(newValue)));
        const qsizetype i = ChangedIndexOf(node);
        if (i >= 0)
            FChangedNodes[i] = newValue;
        else
            FChangedNodes.append(newValue);
        if (!gleich) {
            const auto it = FNodeDict.find(node->FData);
            if (it != FNodeDict.end() && it->second == node) FNodeDict.erase(it);
            FNodeDict[newValue] = node;
        }
    }

    TNode* FRoot = nullptr;
    TNodeDict FNodeDict;
    QList<T> FChangedNodes;
    TZEV_TreeListenerList<TNode*, TNode*> FAddChildListeners;
    TZEV_TreeListenerList<TNode*, int, int> FMoveChildListeners;
    TZEV_TreeListenerList<TNode*, TNode*> FRemoveChildListeners;
    TZEV_TreeListenerList<TNode*, TNode*> FReparentListeners;
    TZEV_TreeListenerList<TNode*, const T&> FBeforeDataChangingListeners;
    TZEV_TreeListenerList<TNode*, const T&> FAfterDataChangedListeners;
    TZEV_DepthFirstTreeIter<T> FIterator;
};
