#pragma once
// Row list of a tree grid: rows of typed cells, each row with an optional child
// row list. Filled and read by most windows; shown by TVTQLNVRList.

#include <QVariant>
#include <memory>
#include <vector>

class TVRList;

struct TVRRow {
    QList<QVariant> Cells;
    std::unique_ptr<TVRList> Children;
    TVRList* Owner = nullptr;  // the list holding this row
    qint64 Tag = 0;            // free for the window (record number, index, ...)
    bool Disabled = false;     // painted grey, not selectable
    Qt::CheckState Check = Qt::Unchecked;
    bool Checkable = false;

    QString Text(int column) const;
    TVRList& ChildList();  // created on first use
    bool HasChildren() const;
    int Index() const;      // position in Owner
};

class TVRList {
public:
    explicit TVRList(TVRRow* parentRow = nullptr) : FParentRow(parentRow) {}
    TVRList(const TVRList&) = delete;
    TVRList& operator=(const TVRList&) = delete;

    TVRRow& AddRow(QList<QVariant> cells = {});
    void Reserve(int n) { FRows.reserve(size_t(n)); }
    int Count() const { return int(FRows.size()); }
    bool IsEmpty() const { return FRows.empty(); }
    TVRRow& Row(int i) { return *FRows[size_t(i)]; }
    const TVRRow& Row(int i) const { return *FRows[size_t(i)]; }
    int IndexOf(const TVRRow* row) const;
    void RemoveAt(int i);
    void Clear() { FRows.clear(); }
    TVRRow* ParentRow() const { return FParentRow; }

    // Stable sort of this list and every child list by one column. Numbers,
    // dates and booleans compare by value, texts without regard to case.
    void Sort(int column, Qt::SortOrder order);

private:
    TVRRow* FParentRow;
    std::vector<std::unique_ptr<TVRRow>> FRows;
};
