#pragma once
// The host's tree grid over a TVRList: typed cells, hidden columns, sorting by
// header click, full-row selection, odd rows in host colour 121, a hover signal
// for detail displays and checkboxes where rows are checkable.

#include "TVRList.h"

#include <QAbstractItemModel>
#include <QTreeView>

class TVTQLNVRList;

struct TVRColumn {
    QString Header;
    int Width = 100;
    bool Visible = true;
    Qt::Alignment Alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

class TVRListModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TVRListModel(TVTQLNVRList& grid) : FGrid(grid) {}
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order) override;

    TVRRow* RowOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const TVRRow* row, int column = 0) const;
    void Reset() { beginResetModel(); endResetModel(); }
    void RowChanged(const TVRRow* row);
    // Sorts the list, keeping selection and current row on the same rows.
    void SortiereListe(TVRList& list, int column, Qt::SortOrder order);

private:
    TVRList* ListOf(const QModelIndex& parent) const;
    TVTQLNVRList& FGrid;
};

class TVTQLNVRList : public QTreeView {
    Q_OBJECT
public:
    explicit TVTQLNVRList(QWidget* parent = nullptr);

    TVRList& Rows() { return FRows; }
    const TVRList& Rows() const { return FRows; }
    QList<TVRColumn>& Columns() { return FColumns; }
    int AddColumn(const QString& header, int width = 100, bool visible = true);
    void ClearColumns();
    void SetColumnVisible(int column, bool visible);
    bool IsColumnVisible(int column) const;

    // Painting is suspended between BeginUpdate and EndUpdate; EndUpdate shows
    // rows and columns as they are then.
    void BeginUpdate();
    void EndUpdate();
    void Clear();  // rows and columns

    void SortByColumn(int column, Qt::SortOrder order);
    int SortColumn() const { return FSortColumn; }
    Qt::SortOrder SortOrder() const { return FSortOrder; }
    void SetHeaderVisible(bool visible);
    void SetOddRowColor(bool on) { FOddRowColor = on; }
    bool OddRowColor() const { return FOddRowColor; }
    void SetCheckboxes(bool on) { FCheckboxes = on; }
    bool Checkboxes() const { return FCheckboxes; }

    TVRRow* FocusedRow() const;
    QList<TVRRow*> SelectedRows() const;  // in display order
    TVRRow* RowAt(const QPoint& viewportPos) const;
    void SelectRow(TVRRow* row);  // focuses, selects and scrolls to the row
    void SelectFirstVisibleRow();
    QModelIndex IndexOfRow(const TVRRow* row, int column = 0) const { return FModel.IndexOf(row, column); }
    void RefreshRow(const TVRRow* row) { FModel.RowChanged(row); }
    // Visible rows in display order (expanded children included).
    QList<TVRRow*> VisibleRows() const;
    TVRListModel& Model() { return FModel; }

Q_SIGNALS:
    void RowSelected(TVRRow* row);
    void RowHovered(TVRRow* row);
    void RowActivated(TVRRow* row);      // double click
    void RowCheckChanged(TVRRow* row);

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    friend class TVRListModel;
    void ApplyColumns();
    TVRList FRows;
    QList<TVRColumn> FColumns;
    TVRListModel FModel;
    int FUpdateDepth = 0;
    int FSortColumn = -1;
    Qt::SortOrder FSortOrder = Qt::AscendingOrder;
    bool FOddRowColor = true;
    bool FCheckboxes = false;
};
